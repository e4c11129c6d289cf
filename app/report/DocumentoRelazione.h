#pragma once
#include "report/FonteCoefficienti.h"

#include "QOR_TRVSL10.h"

#include <QString>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <vector>

namespace Relazione {

// One joint's part of a printed report: its report, or the note that it is not verified.
struct SezioneRelazione {
    int numero = 0;                          // joint number in the register
    QString tipo;                            // joint type as stored, may be empty
    bool verificato = false;                 // the report, not the note
    QString normativa;                       // the calculation's code, as page headers name it
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

}
