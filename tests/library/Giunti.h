// Fixture joints for the verification tests: the data of the worked examples, which a test
// case may then alter.
#pragma once

#include "QOR_TRVSL10.h"

#include <functional>

using Metodo = void (clsGenVerNodi::*)(bool&, std::int16_t);

inline std::int16_t ultimo(const clsGenVerNodi& g) { return static_cast<std::int16_t>(g.Nodi->Count()); }

inline std::shared_ptr<clsAsta> barra(float base, float altezza, float sforzo, float angolo,
                                      float fc0d = 0, float fc90d = 0) {
    auto a = std::make_shared<clsAsta>();
    a->Base = base;
    a->Altezza = altezza;
    a->SforzoAssiale = sforzo;
    a->Angolo = angolo;
    a->Res_Fc0d = fc0d;
    a->Res_Fc90d = fc90d;
    return a;
}

// Tie beam 10 cm wide (fc0d 12, fc90d 2.5) under a rafter 10 × 20 cm at 30° with 50 kN;
// tv 3 cm, Lv 20 cm, no support.
inline void catenaPuntone(clsGenVerNodi& g) {
    g.CreaNodo("Catena Puntone a Dente Semplice");
    g.AggiungiAsta(ultimo(g), barra(10, 0, 0, 0, 12, 2.5f));
    g.AggiungiAsta(ultimo(g), barra(10, 20, 50, 30));
    auto n = g.Nodi->Item(ultimo(g));
    n->tv = 3;
    n->Lv = 20;
}

// Lower rafter at 30°, upper rafter 12 cm wide (fc0d 12, fc90d 2.5), strut 10 × 15 cm at
// 60° with −30 kN; tv 3 cm.
inline void puntoneSaetta(clsGenVerNodi& g) {
    g.CreaNodo("Puntone Saetta a Dente Semplice");
    g.AggiungiAsta(ultimo(g), barra(0, 0, 0, 30));
    g.AggiungiAsta(ultimo(g), barra(12, 0, 0, 0, 12, 2.5f));
    g.AggiungiAsta(ultimo(g), barra(10, 15, -30, 60));
    g.Nodi->Item(ultimo(g))->tv = 3;
}

// Left bar 12 × 20 cm at 30° with −50 kN, king post 14 cm (fc0d 12, fc90d 2.5), right bar
// 10 × 18 cm at 45° with −40 kN; tv 3, Lv 20, tvB 4, LvB 25 cm.
inline void monaco(clsGenVerNodi& g) {
    g.CreaNodo("Monaco Puntoni a Dente Semplice");
    g.AggiungiAsta(ultimo(g), barra(12, 20, -50, 30));
    g.AggiungiAsta(ultimo(g), barra(14, 0, 0, 0, 12, 2.5f));
    g.AggiungiAsta(ultimo(g), barra(10, 18, -40, 45));
    auto n = g.Nodi->Item(ultimo(g));
    n->tv = 3;
    n->Lv = 20;
    n->tvB = 4;
    n->LvB = 25;
}

inline clsAsta& bar(clsNodo& n, int i) { return *n.Asta->Item(i); }
