#include "calcolo/GeometriaNodo.h"

#include "calcolo/Numeri.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace {

constexpr double pi = 3.14159265358979323846;

double radianti(double gradi) { return gradi * pi / 180.0; }

double angolo(const std::vector<double>& angoli, int k)
{
    return k >= 1 && k <= static_cast<int>(angoli.size()) ? angoli[static_cast<std::size_t>(k - 1)] : 0.0;
}

QString Numero(double v) { return Numeri::Testo(static_cast<float>(v)); }

bool Fuori(int k, double massimo, const QString& perche, FuoriGeometria& e)
{
    e.asta = k;
    e.misura = 0;
    e.messaggio = QStringLiteral("L'Angolo dell'Asta N. %1 deve essere compreso tra 0° e %2° (esclusi)").arg(k).arg(Numero(massimo)) +
                  perche + QLatin1Char('.');
    return false;
}

// θ of the notch cut for bar k, in radians.
double Teta(const TipoNodo& t, const std::vector<double>& angoli, int k)
{
    switch (t.famiglia) {
    case FamigliaRelazione::CatenaPuntone: return radianti(angolo(angoli, k));
    case FamigliaRelazione::PuntoneSaetta: return radianti(180.0 - angolo(angoli, 1) - angolo(angoli, k));
    case FamigliaRelazione::Monaco: break;
    }
    return radianti(90.0 - angolo(angoli, k));
}

}  // namespace

bool AngoliValidi(const TipoNodo& t, const std::vector<double>& angoli, FuoriGeometria& e)
{
    switch (t.famiglia) {
    case FamigliaRelazione::CatenaPuntone: {
        const double a = angolo(angoli, 2);
        if (a != 0.0 && !(a > 0.0 && a < 90.0))
            return Fuori(2, 90.0, QString(), e);
        return true;
    }
    case FamigliaRelazione::PuntoneSaetta: {
        const double a1 = angolo(angoli, 1);
        const double a3 = angolo(angoli, 3);
        if (!(a1 >= 0.0 && a1 < 180.0))
            return Fuori(1, 180.0, QStringLiteral(": il Puntone e la Saetta devono formare un angolo"), e);
        if (a3 != 0.0 && !(a3 > 0.0 && a3 < 180.0 - a1))
            return Fuori(3, 180.0 - a1,
                         QStringLiteral(": l'angolo tra Puntone e Saetta, 180° − %1° − α3, deve essere positivo").arg(Numero(a1)),
                         e);
        return true;
    }
    case FamigliaRelazione::Monaco:
        for (int k : {1, 3}) {
            const double a = angolo(angoli, k);
            if (a != 0.0 && !(a > 0.0 && a < 90.0))
                return Fuori(k, 90.0, QString(), e);
        }
        return true;
    }
    return true;
}

bool DentiValidi(const TipoNodo& t, const std::vector<double>& angoli, const std::vector<double>& altezze,
                 const std::array<double, 4>& misure, FuoriGeometria& e)
{
    // A rear step has no run beside a front face: the tie–rafter and king-post methods take any
    // depth, the rafter–strut one refuses a notch past its own limit with its message.
    if (t.arretrato)
        return true;
    // The notches of the family: the bar whose inclination lays them out and their depth.
    struct Dente { int asta; int misura; const char* nome; };
    static const Dente catena[] = {{2, 1, "tv"}};
    static const Dente saetta[] = {{3, 1, "tv"}};
    static const Dente monaco[] = {{1, 1, "tv1"}, {3, 3, "tv2"}};
    const std::pair<const Dente*, const Dente*> denti =
        t.famiglia == FamigliaRelazione::CatenaPuntone   ? std::pair{std::begin(catena), std::end(catena)}
        : t.famiglia == FamigliaRelazione::PuntoneSaetta ? std::pair{std::begin(saetta), std::end(saetta)}
                                                         : std::pair{std::begin(monaco), std::end(monaco)};
    for (const Dente* d = denti.first; d != denti.second; ++d) {
        if (angolo(angoli, d->asta) == 0.0 || d->asta > static_cast<int>(altezze.size()))
            continue;   // the verification refuses a zero inclination itself
        const double teta = Teta(t, angoli, d->asta);
        const double h = altezze[static_cast<std::size_t>(d->asta - 1)];
        const double tv = misure[static_cast<std::size_t>(d->misura - 1)];
        const double X = h / std::sin(teta) - tv * std::tan(teta / 2.0);
        if (!(X > 0.0) || !std::isfinite(X)) {
            e.asta = 0;
            e.misura = d->misura;
            e.messaggio = QStringLiteral("La Misura dell'Intaglio %1 è troppo grande per l'Altezza e l'inclinazione "
                                         "dell'Asta N. %2: la faccia del dente non avrebbe lunghezza.")
                              .arg(QLatin1String(d->nome))
                              .arg(d->asta);
            return false;
        }
    }
    return true;
}
