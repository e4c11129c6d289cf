#include "calcolo/NodoVerificato.h"

#include "calcolo/ControlliNodo.h"
#include "calcolo/RegistrazioneNodo.h"
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

bool NodoVerificato(const clsNodo& nodo, Normativa normativa)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr || !nodo.AsteReg || nodo.Asta->Count() < tipo->NumeroAste())
        return false;

    CopiaDiProva prova(nodo);   // refusals stay silent
    clsNodo& copia = prova.Nodo();

    bool procedi = true;
    try {
        VerificaNodo(prova.Registro(), 1, procedi, nullptr, normativa);
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
