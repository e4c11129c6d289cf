// Steps shared by the verification methods: unit and angle conversion, the design strength
// for compression inclined to the grain, checked division and checked narrowing to float.
//
// IEEE arithmetic does not trap, so every divisor that can be zero and every store into a
// 32-bit float is checked here; the first failing step raises ErroreCalcolo and the
// results already stored stay in the joint.
#pragma once

#include "QOR_TRVSL10.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace qor {

// Module constant pi, 4·atan(1) in double precision.
inline double PiGreco() { return 4.0 * std::atan(1.0); }

// A finite double narrowed to a 32-bit float; overflow and NaN raise.
inline float aFloat(double x) {
    if (std::isnan(x)) throw ErroreCalcolo("Operazione non valida");
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) throw ErroreCalcolo("Overflow");
    return static_cast<float>(x);
}

// Division that raises on a zero divisor and on a result that is not a finite number.
inline double dividi(double a, double b) {
    if (b == 0.0) throw ErroreCalcolo("Divisione per zero");
    const double r = a / b;
    if (std::isnan(r)) throw ErroreCalcolo("Operazione non valida");
    if (std::isinf(r)) throw ErroreCalcolo("Overflow");
    return r;
}

// cm → mm
inline float mm(float cm) { return aFloat(static_cast<double>(cm) * 10.0); }

// |kN| → N
inline float newton(float kN) { return aFloat(std::fabs(static_cast<double>(kN)) * 1000.0); }

// degrees → radians, held as a 32-bit float
inline float radianti(double gradi) { return aFloat(gradi * PiGreco() / 180.0); }

// radians → degrees, as stored in the joint
inline float gradi(double radianti) { return aFloat(radianti * 180.0 / PiGreco()); }

// Design strength for compression at the angle t (rad) to the grain:
// fc0d / ((fc0d / fc90d)·sin²t + cos²t).
inline float fd(float fc0d, float fc90d, double t) {
    const double s = std::sin(t);
    const double c = std::cos(t);
    const double rapporto = dividi(fc0d, fc90d);
    return aFloat(dividi(fc0d, rapporto * (s * s) + c * c));
}

// Smaller of two widths (cm → mm), the first one kept on a tie.
inline float minore(float primo, float secondo) {
    float b = mm(primo);
    const float altro = mm(secondo);
    if (b > altro) b = altro;
    return b;
}

// Bar at position i of the joint; out_of_range when it is missing.
inline std::shared_ptr<clsAsta> asta(const clsNodo& nodo, int posizione) {
    if (!nodo.Asta) throw std::out_of_range("Il nodo non ha aste");
    return nodo.Asta->Item(posizione);
}

// Inputs common to every notch: b the narrower of two bar widths (the first kept on a tie),
// the strengths of the notched bar and the thrust of the loaded bar.
struct Dente {
    float b;     // mm
    float fc0d;  // N/mm²
    float fc90d; // N/mm²
    float N;     // N
};

inline Dente leggiDente(const clsNodo& nodo, int larghezza1, int larghezza2, int intagliata,
                        int caricata) {
    Dente d;
    d.b = minore(asta(nodo, larghezza1)->Base, asta(nodo, larghezza2)->Base);
    d.fc0d = asta(nodo, intagliata)->Res_Fc0d;
    d.fc90d = asta(nodo, intagliata)->Res_Fc90d;
    d.N = newton(asta(nodo, caricata)->SforzoAssiale);
    return d;
}

// Support check of the tie–rafter joints: effective bearing length and compression
// perpendicular to the grain over the support. La and h (rafter height) in mm.
inline void verificaAppoggio(clsNodo& nodo, float La, float h) {
    if (nodo.ReazioneY == 0 || nodo.LunghezzaAppoggio == 0) return;
    float Lef;
    if (La > 400.0f) {
        Lef = La;
    } else {
        // Each candidate is a 32-bit float before it is compared.
        Lef = 400.0f;
        const float doppia = aFloat(2.0 * La);
        if (doppia < Lef) Lef = doppia;
        const float piuTerzo = aFloat(La + h / 3.0);
        if (piuTerzo < Lef) Lef = piuTerzo;
    }
    nodo.LAppEfficace = Lef;
    const float bt = mm(asta(nodo, 1)->Base);
    nodo.tens3 = aFloat(dividi(std::fabs(static_cast<double>(nodo.ReazioneY)) * 1000.0,
                               static_cast<double>(bt) * Lef));
}

// Text of a 16-bit number with a leading blank when it is not negative.
inline std::string numeroConSegno(int n) {
    return (n >= 0 ? " " : "") + std::to_string(n);
}

}  // namespace qor
