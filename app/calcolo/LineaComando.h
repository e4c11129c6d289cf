#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiProgetto.h"
#include "calcolo/DurateCarico.h"
#include "calcolo/TipologieMateriali.h"

#include "QOR_TRVSL10.h"

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// Verification from the command line, with no window:
//     Trevon-SL --verifica CALCOLO.trv [--json RISULTATI.json|-] [--pdf RELAZIONE.pdf]
// The file is read and checked as "Apri Calcolo" reads it, every joint is registered and
// verified by the same core, the results go to JSON and the complete report to PDF.
namespace LineaComando {

// Exit status.
constexpr int TuttoVerificato = 0;   // every joint verified, every check passed
constexpr int NonVerificato = 1;     // a joint fails a check, or was not verified
constexpr int Rifiutato = 2;         // arguments, file or an output refused

// True when the arguments (without the program's name) ask for the command line: any word
// beginning with "--", or -h.
bool Richiesta(const QStringList& argomenti);

QString Uso();   // the usage text of --help

// Writes the complete report of the register to a PDF; false with the reason in errore.
using ScrittorePdf = std::function<bool(const clsGenVerNodi& registro, const Coefficienti& coefficienti,
                                        const TipologieMateriali& tipologie, const DurateCarico& durate,
                                        const DatiProgetto& progetto,
                                        const QString& percorso, QString& errore)>;

// Runs the command line; the exit status. out takes the JSON of "--json -" and the usage,
// err every refusal, in Italian.
int Esegui(const QStringList& argomenti, QTextStream& out, QTextStream& err, const ScrittorePdf& pdf);

}  // namespace LineaComando
