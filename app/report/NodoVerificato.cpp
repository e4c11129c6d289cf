#include "report/NodoVerificato.h"

#include "editor/frmNodi.h"

#include <QString>

#include <array>
#include <cstring>

namespace Relazione {

namespace {

// Every result a verification writes into the joint.
constexpr std::array<float clsNodo::*, 31> kRisultati{
    &clsNodo::LAppEfficace, &clsNodo::tens1,   &clsNodo::tens2,    &clsNodo::tens3,
    &clsNodo::Angolo1,      &clsNodo::Angolo2, &clsNodo::fd1,      &clsNodo::fd2,
    &clsNodo::fd3,          &clsNodo::tau,     &clsNodo::fvd,      &clsNodo::alfa,
    &clsNodo::beta,         &clsNodo::Teta,    &clsNodo::F1,       &clsNodo::F2,
    &clsNodo::tens1B,       &clsNodo::tens2B,  &clsNodo::tens3B,   &clsNodo::Angolo1B,
    &clsNodo::Angolo2B,     &clsNodo::fd1B,    &clsNodo::fd2B,     &clsNodo::fd3B,
    &clsNodo::tauB,         &clsNodo::fvdB,    &clsNodo::alfaB,    &clsNodo::betaB,
    &clsNodo::TetaB,        &clsNodo::F1B,     &clsNodo::F2B};

// Bitwise: the same code on the same data gives the same bits; a NaN equals itself.
bool Uguali(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool NodoVerificato(const clsNodo& nodo)
{
    const int indice = frmNodi::IndiceTipo(QString::fromStdString(nodo.TipoNodo));
    if (indice < 0 || !nodo.AsteReg || nodo.Asta->Count() < frmNodi::NumeroAsteTipo(QString::fromStdString(nodo.TipoNodo)))
        return false;

    clsGenVerNodi prova([](const std::string&, bool) {});   // refusals stay silent
    prova.CreaNodo(nodo.TipoNodo);
    clsNodo& copia = *prova.Nodi->Item(1);
    copia = nodo;
    copia.Asta = std::make_shared<Collezione<clsAsta>>();
    for (int k = 1; k <= nodo.Asta->Count(); ++k)
        copia.Asta->Add(std::make_shared<clsAsta>(*nodo.Asta->Item(k)));

    bool procedi = true;
    try {
        switch (indice) {
        case 0: prova.VerNodoCPDS(procedi, 1); break;
        case 1: prova.VerNodoPSDS(procedi, 1); break;
        default: prova.VerNodoMPMSDS(procedi, 1); break;
        }
    } catch (const std::exception&) {
        return false;
    }
    if (!procedi)
        return false;
    for (float clsNodo::*r : kRisultati) {
        if (!Uguali(copia.*r, nodo.*r))
            return false;
    }
    return true;
}

}
