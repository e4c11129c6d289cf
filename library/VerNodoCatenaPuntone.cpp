// Tie beam – rafter joint, single step: bar 1 tie beam (notched), bar 2 rafter.
// Face 1 bisects the outer angle between the bars (F1 at α/2 to the grain); face 2 rises
// at β over the run X (F2 at 90° − β to the grain).
#include "Calcolo.h"

using namespace qor;

void clsGenVerNodi::VerNodoCPDS(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);
    const double pi = PiGreco();

    const auto [b, fc0d, fc90d, N] = leggiDente(*nodo, 1, 2, 1, 2);
    const float h = mm(asta(*nodo, 2)->Altezza);

    if (asta(*nodo, 2)->Angolo == 0) {
        avvisa("Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone risulta =0.", false);
        Procedi = false;
        return;
    }

    const float tv = mm(nodo->tv);
    const float Lv = mm(nodo->Lv);
    const float La = mm(nodo->LunghezzaAppoggio);
    const float a = radianti(asta(*nodo, 2)->Angolo);

    const float X = aFloat(dividi(h, std::sin(a)) - tv * std::tan(a / 2.0));
    const float beta = aFloat(std::atan(dividi(tv, X)));

    nodo->alfa = gradi(a);
    nodo->beta = gradi(beta);
    nodo->F1 = aFloat(N * std::cos(a / 2.0) + N * std::sin(a / 2.0) * std::tan(beta - a / 2.0));
    nodo->F2 = aFloat(dividi(N * std::sin(a / 2.0), std::cos(beta - a / 2.0)));

    nodo->fd1 = fd(fc0d, fc90d, a / 2.0);
    nodo->tens1 = aFloat(dividi(nodo->F1, dividi(static_cast<double>(tv) * b, std::cos(a / 2.0))));
    nodo->Angolo1 = gradi(a / 2.0);

    nodo->fd2 = fd(fc0d, fc90d, pi / 2.0 - beta);
    nodo->tens2 = aFloat(dividi(nodo->F2, dividi(static_cast<double>(b) * X, std::cos(beta))));
    nodo->Angolo2 = gradi(pi / 2.0 - beta);

    nodo->tau = aFloat(dividi(N * std::cos(a), static_cast<double>(b) * Lv));

    verificaAppoggio(*nodo, La, h);
}
