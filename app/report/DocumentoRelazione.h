#pragma once
#include "report/FonteCoefficienti.h"

#include "calcolo/DatiProgetto.h"

#include "QOR_TRVSL10.h"

#include <QDate>
#include <QString>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <vector>

namespace Relazione {

// One joint's part of a printed report: its report, or the note that it is not verified;
// or, with no joint number, the complete report's cover or summary.
struct SezioneRelazione {
    int numero = 0;                          // joint number in the register; 0 = not a joint's
    QString titolo;                          // the page header's caption of a section not a joint's
    QString tipo;                            // joint type as stored, may be empty
    bool verificato = false;                 // the report, not the note
    QString normativa;                       // the calculation's code, as page headers name it
    DatiProgetto progetto;                   // page headers name the project when given
    // Composed, not laid out: whoever lays it out (the pages work on a copy) registers its
    // drawings first (OggettoDisegno::Registra), which also makes its layout.
    std::shared_ptr<QTextDocument> documento;
};

// The section of one joint: the report written by CreaRelVerNodi on an off-screen rich-text
// box when the joint is verified (NodoVerificato), otherwise its title and "Nodo non verificato".
SezioneRelazione SezioneNodo(const clsNodo& nodo, int numero, const FonteCoefficienti& coefficienti);

// The sections of every joint of the register, in joint order.
// avanzamento, when given, is told each joint done and may stop the work (false): the sections
// are then empty.
std::vector<SezioneRelazione> SezioniCalcolo(const clsGenVerNodi& registro,
                                             const FonteCoefficienti& coefficienti,
                                             const std::function<bool(int fatti, int totale)>& avanzamento = {});

// The complete report: the sections of every joint; for an NTC 2018 calculation, or when the
// project's data are given, opened by the cover and the summary of every joint. Every section
// carries the project's data. Empty when avanzamento stops the work.
std::vector<SezioneRelazione> RelazioneCompleta(const clsGenVerNodi& registro, const FonteCoefficienti& coefficienti,
                                                const DatiProgetto& progetto,
                                                const std::function<bool(int fatti, int totale)>& avanzamento = {},
                                                const QDate& data = QDate::currentDate());

}
