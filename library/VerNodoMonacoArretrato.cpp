// King post – inclined bars, rear steps: on each side the whole thrust acts on one face,
// at the bar inclination α to the grain of the king post (bar 2). Left side: bar 1 and the
// unsuffixed results; right side: bar 3 and the B results.
#include "Calcolo.h"

using namespace qor;

namespace {

struct Lato {
    int barra;
    float clsNodo::*tv;
    float clsNodo::*alfa;
    float clsNodo::*F1;
    float clsNodo::*fd1;
    float clsNodo::*tens1;
    float clsNodo::*Angolo1;
    const char* messaggio;
};

const Lato sinistro{1, &clsNodo::tv, &clsNodo::alfa, &clsNodo::F1, &clsNodo::fd1,
                    &clsNodo::tens1, &clsNodo::Angolo1,
                    "Impossibile eseguire Verifica\nL'angolo di inclinazione dell'Asta di Sx risulta =0."};
const Lato destro{3, &clsNodo::tvB, &clsNodo::alfaB, &clsNodo::F1B, &clsNodo::fd1B,
                  &clsNodo::tens1B, &clsNodo::Angolo1B,
                  "Impossibile eseguire Verifica\nL'angolo di inclinazione dell'Asta di Dx risulta =0."};

template <class Avvisa>
bool verificaLato(clsNodo& nodo, const Lato& s, Avvisa avvisa) {
    const int I = s.barra;

    const auto [b, fc0d, fc90d, N] = leggiDente(nodo, I, 2, 2, I);

    if (asta(nodo, I)->Angolo == 0) {
        avvisa(s.messaggio);
        return false;
    }

    const float tv = mm(nodo.*s.tv);
    const float a = radianti(asta(nodo, I)->Angolo);

    nodo.*s.alfa = gradi(a);
    nodo.*s.F1 = N;
    nodo.*s.fd1 = fd(fc0d, fc90d, a);
    nodo.*s.tens1 = aFloat(dividi(nodo.*s.F1, dividi(static_cast<double>(tv) * b, std::cos(a))));
    nodo.*s.Angolo1 = gradi(a);
    return true;
}

}  // namespace

void clsGenVerNodi::VerNodoMPMSDA(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);
    const auto avvisa = [this](const char* testo) { this->avvisa(testo, false); };
    Procedi = verificaLato(*nodo, sinistro, avvisa) && verificaLato(*nodo, destro, avvisa);
}
