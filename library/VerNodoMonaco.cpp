// King post – inclined bars, single steps: bar 1 left inclined bar, bar 2 king post
// (notched, its strengths govern both notches), bar 3 right inclined bar. Each side is the
// tie–rafter notch with θ = 90° − α, the angle between the bar and the king post, in the
// place of α; the left side writes the unsuffixed results, the right side the B ones.
#include "Calcolo.h"

using namespace qor;

namespace {

struct Lato {
    int barra;
    float clsNodo::*tv;
    float clsNodo::*Lv;
    float clsNodo::*alfa;
    float clsNodo::*beta;
    float clsNodo::*F1;
    float clsNodo::*F2;
    float clsNodo::*fd1;
    float clsNodo::*tens1;
    float clsNodo::*Angolo1;
    float clsNodo::*fd2;
    float clsNodo::*tens2;
    float clsNodo::*Angolo2;
    float clsNodo::*tau;
    const char* messaggio;
};

const Lato sinistro{1, &clsNodo::tv, &clsNodo::Lv, &clsNodo::alfa, &clsNodo::beta,
                    &clsNodo::F1, &clsNodo::F2, &clsNodo::fd1, &clsNodo::tens1,
                    &clsNodo::Angolo1, &clsNodo::fd2, &clsNodo::tens2, &clsNodo::Angolo2,
                    &clsNodo::tau,
                    "Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone di Sx risulta =0."};
const Lato destro{3, &clsNodo::tvB, &clsNodo::LvB, &clsNodo::alfaB, &clsNodo::betaB,
                  &clsNodo::F1B, &clsNodo::F2B, &clsNodo::fd1B, &clsNodo::tens1B,
                  &clsNodo::Angolo1B, &clsNodo::fd2B, &clsNodo::tens2B, &clsNodo::Angolo2B,
                  &clsNodo::tauB,
                  "Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone di Dx risulta =0."};

// One side; false when the bar's inclination is zero (nothing of the side written).
template <class Avvisa>
bool verificaLato(clsNodo& nodo, const Lato& s, Avvisa avvisa) {
    const double pi = PiGreco();
    const int I = s.barra;

    const auto [b, fc0d, fc90d, N] = leggiDente(nodo, I, 2, 2, I);
    const float h = mm(asta(nodo, I)->Altezza);

    if (asta(nodo, I)->Angolo == 0) {
        avvisa(s.messaggio);
        return false;
    }

    const float tv = mm(nodo.*s.tv);
    const float a = radianti(asta(nodo, I)->Angolo);
    const float teta = aFloat(pi / 2.0 - a);

    const float L = aFloat(dividi(h, std::sin(teta)));
    const float X = aFloat(L - tv * std::tan(teta / 2.0));
    const float beta = aFloat(std::atan(dividi(tv, X)));

    nodo.*s.alfa = gradi(a);
    nodo.*s.beta = gradi(beta);
    nodo.*s.F1 = aFloat(N * std::sin(teta / 2.0) * std::tan(beta - teta / 2.0) + N * std::cos(teta / 2.0));
    nodo.*s.F2 = aFloat(dividi(N * std::sin(teta / 2.0), std::cos(beta - teta / 2.0)));

    const float t1 = aFloat(teta / 2.0);
    nodo.*s.fd1 = fd(fc0d, fc90d, t1);
    nodo.*s.tens1 = aFloat(dividi(nodo.*s.F1, dividi(static_cast<double>(tv) * b, std::cos(teta / 2.0))));
    nodo.*s.Angolo1 = gradi(t1);

    const float t2 = aFloat(pi / 2.0 - beta);
    nodo.*s.fd2 = fd(fc0d, fc90d, t2);
    nodo.*s.tens2 = aFloat(dividi(nodo.*s.F2, dividi(static_cast<double>(b) * X, std::cos(beta))));
    nodo.*s.Angolo2 = gradi(t2);

    // The heel takes the thrust divided by cos θ.
    const float Lh = mm(nodo.*s.Lv);
    nodo.*s.tau = aFloat(dividi(dividi(N, std::cos(teta)), static_cast<double>(Lh) * b));
    return true;
}

}  // namespace

void clsGenVerNodi::VerNodoMPMSDS(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);
    const auto avvisa = [this](const char* testo) { this->avvisa(testo, false); };
    Procedi = verificaLato(*nodo, sinistro, avvisa) && verificaLato(*nodo, destro, avvisa);
}
