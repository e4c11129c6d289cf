// The joint register: joints, bars and the library's messages.
#include "Calcolo.h"

#include <iostream>

clsGenVerNodi::clsGenVerNodi(GestoreAvvisi avvisi)
    : Nodi(std::make_shared<Collezione<clsNodo>>()), avvisi_(std::move(avvisi)) {}

std::shared_ptr<clsNodo> clsGenVerNodi::nodo(std::int16_t NNodo) const {
    if (!Nodi) throw std::out_of_range("Nessun nodo registrato");
    return Nodi->Item(NNodo);
}

void clsGenVerNodi::avvisa(const std::string& testo, bool beep) const {
    if (avvisi_) {
        avvisi_(testo, beep);
        return;
    }
    if (beep) std::cerr << '\a';
    std::cerr << testo << '\n';
}

void clsGenVerNodi::CreaNodo(const std::string& TipoNodo) {
    if (!Nodi) Nodi = std::make_shared<Collezione<clsNodo>>();
    auto nuovo = std::make_shared<clsNodo>();
    nuovo->TipoNodo = TipoNodo;
    nuovo->AsteReg = false;
    Nodi->Add(nuovo);
}

void clsGenVerNodi::AggiungiAsta(std::int16_t NNodo, std::shared_ptr<clsAsta> auxAsta) {
    auto n = nodo(NNodo);
    if (!n->Asta) n->Asta = std::make_shared<Collezione<clsAsta>>();
    n->Asta->Add(std::move(auxAsta));
}

void clsGenVerNodi::ModificaAsta(std::int16_t NNodo, std::int16_t NAsta, const clsAsta& auxAsta) {
    auto n = nodo(NNodo);
    const int conteggio = n->Asta ? n->Asta->Count() : 0;
    if (NAsta < 1 || NAsta > conteggio) {
        avvisa("L'asta N." + std::to_string(NAsta) + " appartenenete al nodo N." +
                   std::to_string(NNodo) + " non risulta registrata",
               true);
        return;
    }
    *n->Asta->Item(NAsta) = auxAsta;
}
