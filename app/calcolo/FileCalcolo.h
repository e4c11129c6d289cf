#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiProgetto.h"
#include "calcolo/DurateCarico.h"
#include "calcolo/TipologieMateriali.h"

#include "QOR_TRVSL10.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The calculation file (.trv): UTF-8 JSON with a format version. It holds the input values of
// every joint and bar (the material values the bar was registered with included) and the
// normative coefficients; results and derived values are not stored, they are computed again
// when the file is opened.
// Version 2 adds the code ("normativa"; absent: NTC 2008), the γM column, kmod by service
// class and load-duration class, and each joint's load-duration class ("durataCarico";
// absent: "Permanente"). Version-1 files read as they were written.
namespace FileCalcolo {

constexpr int Versione = 2;                 // format version written by this program
constexpr int MassimoNodi = 32767;          // joint numbers are 16-bit
constexpr qint64 MassimaDimensione = 64LL * 1024 * 1024;   // bytes; larger files are refused

using Coefficienti = ::Coefficienti;

struct Calcolo {
    std::vector<std::shared_ptr<clsNodo>> nodi;   // inputs only; the bars are in each Asta
    Coefficienti coefficienti;
    TipologieMateriali tipologie;                 // timber type of each bar's material
    DurateCarico durate;                          // load-duration class of each joint
    DatiProgetto progetto;                        // the project's data ("progetto"; absent: empty)
};

struct Lettura {
    std::optional<Calcolo> calcolo;   // set when the file was accepted
    QString errore;                   // Italian reason of the refusal otherwise
};

// The file's bytes for a calculation (deterministic: equal calculations give equal bytes).
QByteArray Scrivi(const Calcolo& calcolo);

// Parses and checks the whole file; nothing is returned unless every value is acceptable.
Lettura Leggi(const QByteArray& dati);

// Reads and checks the file at percorso ("Apri Calcolo" and the command line alike).
Lettura LeggiFile(const QString& percorso);

// A float as its shortest decimal form, so 0.6f is written as 0.6 and reads back as the same
// float.
double PerJson(float v);

}  // namespace FileCalcolo
