#pragma once
#include "calcolo/Coefficienti.h"

#include "QOR_TRVSL10.h"

#include <QString>

#include <vector>

// The checks the report states for a verified joint, in the report's order: stress against
// design strength, N/mm²; a notch depth against its limit, mm.
struct ControlloNodo {
    QString nome;
    float sollecitazione = 0;
    float resistenza = 0;
    bool esito = false;   // Verificato(sollecitazione, resistenza, normativa)
};

// Under NTC 2008 a check passes only when the stress is strictly less than the strength;
// under NTC 2018 when it is not greater (the codes' form). A stress that is negative or not
// finite, or a strength that is not finite, never passes.
bool Verificato(float sollecitazione, float resistenza, Normativa normativa = Normativa::NTC2008);

// The checks of a joint's stored results; empty for a joint of no known type. Under NTC 2018
// the notch depth limits come first.
std::vector<ControlloNodo> ControlliNodo(const clsNodo& nodo, Normativa normativa = Normativa::NTC2008);

// Utilisation of a check: stress / strength in percent; infinite for a strength that is not
// positive.
double Eta(const ControlloNodo& c);

// The joint's verdict over its checks: there are some, and every one passes.
bool TuttiSuperati(const std::vector<ControlloNodo>& controlli);

// The governing check: the one of highest utilisation (the first of equal ones); -1 for none.
int Determinante(const std::vector<ControlloNodo>& controlli);

// The first face force, or stress or strength of the joint's checks, that is negative or not
// finite, named with its value ("Intaglio SX compressione inclinata F1: la tensione risulta
// -10,81 N/mm²"); empty when every one is valid.
// A joint with such a result is not verifiable.
QString RisultatoNonValido(const clsNodo& nodo);
