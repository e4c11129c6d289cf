#pragma once
#include "calcolo/TipiNodo.h"

#include <QString>

#include <array>
#include <vector>

// Where a joint's geometry exists. The verifications divide by sin θ and take tan(θ/2), where
// θ is the tie–rafter's α, the rafter–strut's 180° − α1 − α3 or the king post's 90° − α, and
// lay the notch's front face over the run X = h / sin θ − tv · tan(θ/2): the joint exists only
// for 0° < θ < 180° and X > 0. A zero inclination is left to the verification, which refuses
// it with its own message.

struct FuoriGeometria {
    int asta = 0;     // bar whose inclination is out of range; 0 = the notch is too deep
    int misura = 0;   // notch measure (1 = tv or tv1, 3 = tv2) that leaves no run X
    QString messaggio;
};

// The first inclination out of its range. angoli[k - 1] is bar k's angle in degrees.
bool AngoliValidi(const TipoNodo& tipo, const std::vector<double>& angoli, FuoriGeometria& errore);

// With valid inclinations: the first notch whose run X is not positive. altezze[k - 1] is
// the height bar k was registered with (cm; a circular bar's radius), misure the joint's
// txtMis(1..4) values (cm).
bool DentiValidi(const TipoNodo& tipo, const std::vector<double>& angoli, const std::vector<double>& altezze,
                 const std::array<double, 4>& misure, FuoriGeometria& errore);
