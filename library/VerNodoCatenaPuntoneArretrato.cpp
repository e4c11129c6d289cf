// Tie beam – rafter joint, rear step: one face square to the rafter carries the whole
// thrust, at the rafter inclination α to the grain of the tie beam.
#include "Calcolo.h"

using namespace qor;

void clsGenVerNodi::VerNodoCPDA(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);

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

    nodo->alfa = gradi(a);
    nodo->F1 = N;
    nodo->fd1 = fd(fc0d, fc90d, a);
    nodo->tens1 = aFloat(dividi(nodo->F1, dividi(static_cast<double>(tv) * b, std::cos(a))));
    nodo->Angolo1 = gradi(a);
    nodo->tau = aFloat(dividi(N * std::cos(a), static_cast<double>(b) * Lv));

    verificaAppoggio(*nodo, La, h);
}
