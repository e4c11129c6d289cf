#include "calcolo/NodoVerificato.h"

#include "calcolo/ControlliNodo.h"
#include "calcolo/RisultatiNodo.h"
#include "calcolo/TipiNodo.h"

#include <QString>

#include <array>
#include <cstring>

namespace Relazione {

namespace {

// Bitwise: the same code on the same data gives the same bits; a NaN equals itself.
bool Uguali(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool NodoVerificato(const clsNodo& nodo)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr || !nodo.AsteReg || nodo.Asta->Count() < tipo->NumeroAste())
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
        (prova.*tipo->verifica)(procedi, 1);
    } catch (const std::exception&) {
        return false;
    }
    if (!procedi || !RisultatoNonValido(copia).isEmpty())
        return false;
    for (const RisultatoNodo& r : RisultatoNodo::Tutti()) {
        if (!Uguali(copia.*r.membro, nodo.*r.membro))
            return false;
    }
    return true;
}

}
