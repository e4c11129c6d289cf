#pragma once
#include "QOR_TRVSL10.h"

#include <QString>

#include <vector>

// The detailing limits of a step joint applied to NTC 2018 calculations. The NTC give no rule
// for carpentry joints; these follow the German national annex to EN 1995-1-1
// (DIN EN 1995-1-1/NA, NCI NA.12.1).
namespace DettagliCostruttivi {

inline const QString Riferimento = QStringLiteral("DIN EN 1995-1-1/NA, NCI NA.12.1");

// The depth limit of one notch: tv ≤ h/4 where the angle γ between the bars is ≤ 50°,
// tv ≤ h/6 where γ > 60°, linear between; a member notched from both sides tv ≤ h/6 per side.
struct LimiteIntaglio {
    QString nome;          // check name ("Profondità intaglio", "Profondità intaglio tv1")
    QString simbolo;       // "tv", "tv1", "tv2"
    float tv = 0;          // mm
    float tvMax = 0;       // mm
    float h = 0;           // mm: depth of the notched member
    float gamma = 0;       // degrees: angle between the bars at the notch
    bool dueLati = false;  // the member is notched from both sides
};

// The limits of every notch of the joint's type, in the report's order; empty for a joint of
// no known type or without its bars.
std::vector<LimiteIntaglio> LimitiIntaglio(const clsNodo& nodo);

// Depth of a bar's section in the plane of the truss, cm: the height of a rectangle, the
// diameter of a circle.
double Profondita(const clsAsta& a);

// The largest depth for a notch in a member of depth h at angle γ (degrees), same unit as h.
double ProfonditaMassima(double h, double gamma, bool dueLati);

// The heel length the shear check may count: lv,ef = min(lv, 8·tv).
float LunghezzaEfficace(float lv, float tv);

}  // namespace DettagliCostruttivi
