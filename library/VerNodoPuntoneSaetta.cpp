// Rafter – strut joint, single step: bar 1 rafter below the joint (inclination only),
// bar 2 rafter above the joint (notched), bar 3 strut. θ is the angle between the lower
// rafter segment and the strut.
#include "Calcolo.h"

using namespace qor;

void clsGenVerNodi::VerNodoPSDS(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);
    const double pi = PiGreco();

    const auto [b, fc0d, fc90d, N] = leggiDente(*nodo, 2, 3, 2, 3);
    const float h = mm(asta(*nodo, 3)->Altezza);
    const float tv = mm(nodo->tv);

    const float a = radianti(asta(*nodo, 3)->Angolo);
    const float teta = radianti((180.0 - asta(*nodo, 1)->Angolo) - asta(*nodo, 3)->Angolo);
    if (a == 0) {
        avvisa("Impossibile eseguire Verifica\nL'angolo di inclinazione della Saetta risulta =0.", false);
        Procedi = false;
        return;
    }
    if (teta == 0) {
        avvisa("Impossibile eseguire Verifica\nL'angolo tra il Puntone e la Saetta risulta =0.", false);
        Procedi = false;
        return;
    }

    const float L = aFloat(dividi(h, std::sin(pi - teta)));
    const float X = aFloat(L - tv * std::tan(teta / 2.0));
    const float beta = aFloat(std::atan(dividi(tv, X)));

    nodo->alfa = gradi(a);
    nodo->beta = gradi(beta);
    nodo->Teta = gradi(teta);

    // The side of π/2 on which θ − β falls decides how the thrust splits on the faces.
    const float d = aFloat(static_cast<double>(teta) - beta);
    const double tb = static_cast<double>(teta) - beta;
    if (d < static_cast<float>(pi / 2.0)) {
        nodo->F1 = aFloat(dividi(N * std::sin(pi / 2.0 - tb), std::cos(beta - teta / 2.0)));
        nodo->F2 = aFloat(N * std::sin(pi / 2.0 - tb) * std::tan(beta - teta / 2.0) +
                          N * std::cos(pi / 2.0 - tb));
    } else {
        nodo->F1 = aFloat(dividi(N * std::sin(tb - pi / 2.0), std::cos(beta - teta / 2.0)));
        nodo->F2 = aFloat(N * std::cos(tb - pi / 2.0) -
                          N * std::sin(tb - pi / 2.0) * std::tan(beta - teta / 2.0));
    }

    const float t1 = aFloat(pi / 2.0 - beta);
    nodo->fd1 = fd(fc0d, fc90d, t1);
    nodo->tens1 = aFloat(dividi(nodo->F1, dividi(static_cast<double>(tv) * b, std::cos(teta / 2.0))));
    nodo->Angolo1 = gradi(t1);

    const float t2 = aFloat(teta / 2.0);
    nodo->fd2 = fd(fc0d, fc90d, t2);
    nodo->tens2 = aFloat(dividi(nodo->F2, dividi(static_cast<double>(b) * X, std::cos(beta))));
    nodo->Angolo2 = gradi(t2);
}
