#pragma once
#include "QOR_TRVSL10.h"

#include <vector>

// A silent register holding a copy of a joint and of its bars: a verification run on it
// leaves the joint itself untouched.
class CopiaDiProva {
public:
    explicit CopiaDiProva(const clsNodo& nodo);
    clsGenVerNodi& Registro() { return registro_; }
    clsNodo& Nodo() { return *registro_.Nodi->Item(1); }

private:
    clsGenVerNodi registro_;
};

// The results a verification may write into a joint record, by member name.
struct RisultatoNodo {
    const char* nome;        // the clsNodo member's name
    float clsNodo::*membro;

    static const std::vector<RisultatoNodo>& Tutti();
    // The results the verification of the joint's type writes for this joint, in table order:
    // found by running it on a copy whose results were all set to a marker. Empty when the
    // joint has no known type or the run raises.
    static std::vector<RisultatoNodo> ScrittiDa(const clsNodo& nodo);
};
