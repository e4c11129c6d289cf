#pragma once
#include "QOR_TRVSL10.h"

#include <QString>

#include <vector>

// The checks the report states for a verified joint, in the report's order: stress against
// design strength, N/mm².
struct ControlloNodo {
    QString nome;
    float sollecitazione = 0;
    float resistenza = 0;
    bool esito = false;   // Verificato(sollecitazione, resistenza)
};

// A check passes only when the stress is strictly less than the strength (a NaN never passes).
inline bool Verificato(float sollecitazione, float resistenza) { return sollecitazione < resistenza; }

// The checks of a joint's stored results; empty for a joint of no known type.
std::vector<ControlloNodo> ControlliNodo(const clsNodo& nodo);
