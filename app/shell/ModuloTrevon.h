#pragma once
#include <QString>
// The main module: the start-up procedure, and through its headers the calculation's
// register and current joint (ModuloTrevon::GenVerNodi, NodoCorrente, PiGreco) and the
// helpers every window uses.
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"
#include "comune/TraduzioneQt.h"

namespace ModuloTrevon {
// Start-up procedure; a calculation file given (the command line's, the desktop's "Apri con")
// is opened once the main window shows.
int Main(const QString& calcoloDaAprire = QString());
}
