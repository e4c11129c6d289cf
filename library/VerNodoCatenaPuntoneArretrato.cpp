// Tie beam – rafter joint, rear step: one face square to the rafter carries the whole
// thrust, at the rafter inclination α to the grain of the tie beam.
#include "Calcolo.h"

using namespace qor;

void clsGenVerNodi::VerNodoCPDA(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);

    const float b = minore(asta(*nodo, 1)->Base, asta(*nodo, 2)->Base);
    const float h = mm(asta(*nodo, 2)->Altezza);
    const float fc0d = asta(*nodo, 1)->Res_Fc0d;
    const float fc90d = asta(*nodo, 1)->Res_Fc90d;
    const float N = newton(asta(*nodo, 2)->SforzoAssiale);

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
