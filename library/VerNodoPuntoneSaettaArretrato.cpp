// Rafter – strut joint, rear step: the whole strut thrust acts on one face. The notch
// depth is limited by the geometry; a deeper notch is refused with the limit.
#include "Calcolo.h"

#include <cmath>
#include <cstdio>

using namespace qor;

namespace {

// "0.00" with a decimal comma, halves away from zero.
std::string formatta2(double valore) {
    const double centesimi = std::round(std::fabs(valore) * 100.0);
    const bool negativo = valore < 0 && centesimi > 0;
    char testo[400];
    std::snprintf(testo, sizeof testo, "%s%.0f,%02d", negativo ? "-" : "",
                  std::floor(centesimi / 100.0), static_cast<int>(std::fmod(centesimi, 100.0)));
    return testo;
}

}  // namespace

void clsGenVerNodi::VerNodoPSDA(bool& Procedi, std::int16_t NNodo) {
    Procedi = true;
    auto nodo = this->nodo(NNodo);
    const double pi = PiGreco();
    const auto rifiuta = [&](const std::string& motivo) {
        avvisa("Impossibile eseguire Verifica\nNodo N." + numeroConSegno(NNodo) + "\n" + motivo, false);
        Procedi = false;
    };

    const auto [b, fc0d, fc90d, N] = leggiDente(*nodo, 2, 3, 2, 3);
    const float h = mm(asta(*nodo, 3)->Altezza);
    const float tv = mm(nodo->tv);

    const float a = radianti(asta(*nodo, 3)->Angolo);
    const float teta = radianti((180.0 - asta(*nodo, 1)->Angolo) - asta(*nodo, 3)->Angolo);
    if (a == 0) return rifiuta("L'angolo di inclinazione della Saetta risulta =0.");
    if (teta == 0) return rifiuta("L'angolo tra il Puntone e la Saetta risulta =0.");

    const float L = aFloat(dividi(h, std::sin(pi - teta)));

    const bool primoCaso = a < static_cast<float>(pi / 2.0);
    float Xr;
    double S;
    if (primoCaso) {
        Xr = aFloat(L - tv * std::tan(pi - teta) - tv * std::tan(teta - pi / 2.0));
        S = std::tan(teta - pi / 2.0) + std::tan(pi - teta);
    } else {
        Xr = aFloat(L - tv * std::tan(static_cast<double>(teta)) - tv * std::tan(pi / 2.0 - teta));
        S = std::tan(pi / 2.0 - teta) + std::tan(static_cast<double>(teta));
    }
    if (Xr < 0) {
        const double tvmax = dividi(L / 10.0, S);  // cm
        return rifiuta("Per il Tipo di Unione Specificato, \"Puntone Saetta a Dente Arretrato\""
                       " l'intaglio tv deve essere minore di " + formatta2(tvmax) + " cm.");
    }

    nodo->alfa = gradi(a);
    nodo->Teta = gradi(teta);
    nodo->F1 = N;

    const float t = primoCaso ? teta : aFloat(pi - teta);
    nodo->fd1 = fd(fc0d, fc90d, t);
    nodo->tens1 = aFloat(dividi(nodo->F1, dividi(static_cast<double>(tv) * b, std::cos(teta / 2.0))));
    nodo->Angolo1 = gradi(t);
}
