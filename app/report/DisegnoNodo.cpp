#include "report/DisegnoNodo.h"

#include "report/FormatiRelazione.h"

#include "calcolo/DettagliCostruttivi.h"
#include "calcolo/TipiNodo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

using FormatiRelazione::Fixed2;

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double gradi) { return gradi * kPi / 180.0; }

// Each notch is built in its own frame: the notched member's face along x, the member below
// (y < 0), the incoming bar above, the heel toward -x from the origin, where the loaded face
// meets the member's face. The bar's far edge meets the face at R.
// Front step: the front face runs down to Q at depth tv, the seat face back up to R
// (R.x = h / sin γ), as the verification lays the two faces out.
// Rear step: the bar's end, cut square to its axis, runs from the origin down to Z at depth tv
// on the far edge (the face tv / cos γ long); a notch deeper than h·cos γ leaves the near edge
// ending on that face.
struct Intaglio {
    std::vector<QPointF> fondo;   // the bar's outline below the member's face, near edge to R
    QPointF piede;                // where the near edge ends
    QPointF R;
    QPointF d;     // direction of the bar, away from the joint
    QPointF n;     // across the bar, from the near edge to the far one
    double xTv = 0;   // where the notch depth is measured
    double l1 = 0;    // drawn length of the near edge
    double l2 = 0;    // of the far edge: the bar's end is cut square
};

double Scalare(const QPointF& a, const QPointF& b) { return a.x() * b.x() + a.y() * b.y(); }

Intaglio Costruisci(const DisegnoNodo::Dente& t, bool arretrato)
{
    const double g = Rad(t.gamma);
    Intaglio i;
    i.d = QPointF(std::cos(g), std::sin(g));
    i.n = QPointF(std::sin(g), -std::cos(g));
    const QPointF O(0, 0);
    if (!arretrato) {
        const QPointF Q(t.tv * std::tan(g / 2.0), -t.tv);
        i.R = QPointF(t.h / std::sin(g), 0.0);
        i.piede = O;
        i.fondo = {O, Q, i.R};
    } else {
        const QPointF Z(t.tv * std::tan(g), -t.tv);
        i.R = Z + (t.tv / std::sin(g)) * i.d;
        const QPointF P(i.R.x() - t.h / std::sin(g), 0.0);
        i.xTv = Z.x();
        if (P.x() <= 0.0) {
            i.piede = P;
            i.fondo = {P, O, Z, i.R};
        } else {
            // The near edge meets the end face below the member's face.
            const QPointF faccia = Z - O;
            const double u = (P.x() * i.d.y() - P.y() * i.d.x()) / (faccia.x() * i.d.y() - faccia.y() * i.d.x());
            i.piede = O + u * faccia;
            i.fondo = {i.piede, Z, i.R};
        }
    }
    i.l1 = std::max(0.0, t.h * std::cos(g) / std::sin(g)) + 2.2 * t.h;
    i.l2 = i.l1 - Scalare(i.R - i.piede, i.d);
    return i;
}

struct Poligono {
    QPolygonF punti;
    QColor colore;
};
struct Quota {
    QPointF a, b;       // measured points
    QPointF scarto;     // from the measured points to the dimension line
    QString testo;
    QPointF lato;       // where the label goes from the line's middle; null: away from the line
};
struct Arco {
    QPointF centro;
    double raggio = 0;
    QPointF da, a;      // unit directions of the two sides
    QString testo;
};
struct Freccia {
    QPointF coda, punta;
    QString testo;
};

// The drawing in world coordinates (mm, y upward).
struct Scena {
    std::vector<Poligono> poligoni;
    std::vector<Quota> quote;
    std::vector<Arco> archi;
    std::vector<Freccia> frecce;

    QRectF Limiti() const
    {
        QRectF r;
        auto include = [&r](const QPointF& p) {
            r = r.isNull() ? QRectF(p, QSizeF(1e-9, 1e-9)) : r.united(QRectF(p, QSizeF(1e-9, 1e-9)));
        };
        for (const Poligono& p : poligoni)
            for (const QPointF& q : p.punti)
                include(q);
        for (const Quota& q : quote) {
            include(q.a + q.scarto);
            include(q.b + q.scarto);
        }
        // An arrow's label lies beyond its tail.
        for (const Freccia& f : frecce)
            include(f.coda + 0.6 * (f.coda - f.punta));
        return r;
    }
};

const QColor kMembro(0xf1, 0xdf, 0xbd);
const QColor kAsta(0xe2, 0xc6, 0x92);
const QColor kAppoggio(0xc8, 0xc8, 0xc8);

QString Cm(double mm) { return Fixed2(static_cast<float>(mm / 10.0)).trimmed() + QStringLiteral(" cm"); }
QString Gradi(double g) { return Fixed2(static_cast<float>(g)).trimmed() + QStringLiteral("\u00b0"); }
QString Kn(double kn) { return Fixed2(static_cast<float>(kn)).trimmed() + QStringLiteral(" kN"); }

QPointF Unita(const QPointF& v)
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : v;
}

// One notch and its bar, mapped by t from the notch frame to the world. The member itself
// is drawn by the caller. simboloAngolo names the angle γ as the report does.
void AggiungiDente(Scena& s, const DisegnoNodo::Dente& dente, bool arretrato, const QTransform& t,
                   const QString& simboloAngolo)
{
    const Intaglio i = Costruisci(dente, arretrato);
    const QPointF O(0, 0);
    QPolygonF asta;
    for (const QPointF& p : i.fondo)
        asta << p;
    asta << i.R + i.l2 * i.d << i.piede + i.l1 * i.d;
    s.poligoni.push_back({t.map(asta), kAsta});

    const double h = dente.h;
    // Depth of the notch, beside the loaded face inside the member.
    const QPointF alto(i.xTv, 0);
    s.quote.push_back({t.map(alto), t.map(QPointF(i.xTv, -dente.tv)), t.map(QPointF(-0.12 * h, 0)) - t.map(O),
                       QStringLiteral("tv") + dente.pedice + QStringLiteral(" = ") + Cm(dente.tv),
                       t.map(QPointF(-0.35, 1.0)) - t.map(O)});
    // The heel along the face, outside the member.
    if (dente.lv > 0)
        s.quote.push_back({t.map(QPointF(-dente.lv, 0)), t.map(O), t.map(QPointF(0, 0.75 * h)) - t.map(O),
                           QStringLiteral("Lv") + dente.pedice + QStringLiteral(" = ") + Cm(dente.lv), QPointF()});
    // The bar's depth across it, near its end.
    const QPointF a = i.piede + 0.8 * std::min(i.l1, i.l2) * i.d;
    s.quote.push_back({t.map(a), t.map(a + h * i.n), QPointF(0, 0), QStringLiteral("h = ") + Cm(h),
                       t.map(i.d) - t.map(O)});
    // The angle between the bar and the member, at R.
    s.archi.push_back({t.map(i.R), 0.9 * h, Unita(t.map(i.R + QPointF(1, 0)) - t.map(i.R)),
                       Unita(t.map(i.R + i.d) - t.map(i.R)), simboloAngolo + QStringLiteral(" = ") + Gradi(dente.gamma)});
    // The thrust along the bar's axis, toward the joint.
    const QPointF asse = i.piede + 0.5 * h * i.n;
    if (dente.N > 0)
        s.frecce.push_back({t.map(asse + (i.l1 + 1.6 * h) * i.d), t.map(asse + (i.l1 + 0.3 * h) * i.d),
                            QStringLiteral("N") + dente.pedice + QStringLiteral(" = ") + Kn(dente.N)});
}

QPolygonF Rettangolo(double x0, double y0, double x1, double y1)
{
    return QPolygonF({QPointF(x0, y0), QPointF(x1, y0), QPointF(x1, y1), QPointF(x0, y1)});
}

Scena CatenaPuntone(const DisegnoNodo& d)
{
    Scena s;
    const DisegnoNodo::Dente& dente = d.denti.front();
    const Intaglio i = Costruisci(dente, d.arretrato);
    const double hn = d.hIntagliata;
    const double sinistra = -dente.lv;
    const double destra = i.R.x() + std::max(dente.lv, 1.5 * hn);
    s.poligoni.push_back({Rettangolo(sinistra, 0, destra, -hn), kMembro});
    s.quote.push_back({QPointF(destra, 0), QPointF(destra, -hn), QPointF(0.25 * hn, 0),
                       QStringLiteral("h = ") + Cm(hn), QPointF()});
    if (d.appoggio > 0) {
        // The wall plate under the joint, centred under the seat of the rafter.
        const double centro = i.R.x() / 2.0;
        const double x0 = centro - d.appoggio / 2.0;
        const double x1 = centro + d.appoggio / 2.0;
        const double sotto = -hn - 0.3 * hn;
        s.poligoni.push_back({Rettangolo(x0, -hn, x1, sotto), kAppoggio});
        s.quote.push_back({QPointF(x0, sotto), QPointF(x1, sotto), QPointF(0, -0.3 * hn),
                           QStringLiteral("La = ") + Cm(d.appoggio), QPointF()});
        if (d.reazione != 0)
            s.frecce.push_back({QPointF(x1 + 0.45 * hn, sotto - 0.5 * hn), QPointF(x1 + 0.45 * hn, -hn),
                                QStringLiteral("R = ") + Kn(std::fabs(d.reazione))});
    }
    AggiungiDente(s, dente, d.arretrato, QTransform(), QStringLiteral("\u03b1"));
    return s;
}

Scena PuntoneSaetta(const DisegnoNodo& d)
{
    Scena s;
    const DisegnoNodo::Dente& dente = d.denti.front();
    const Intaglio i = Costruisci(dente, d.arretrato);
    const double hn = d.hIntagliata;
    const double lato = std::max(2.0 * hn, 1.5 * dente.h);
    // The rafter runs along its inclination; the strut comes from below, θ from the lower rafter.
    QTransform t;
    t.rotate(d.inclinazione + 180.0);
    s.poligoni.push_back({t.map(Rettangolo(-lato, 0, i.R.x() + lato, -hn)), kMembro});
    s.quote.push_back({t.map(QPointF(-lato, 0)), t.map(QPointF(-lato, -hn)), t.map(QPointF(-0.25 * hn, 0)),
                       QStringLiteral("h = ") + Cm(hn), QPointF()});
    AggiungiDente(s, dente, d.arretrato, t, QStringLiteral("\u03b8"));
    return s;
}

Scena Monaco(const DisegnoNodo& d, bool dalBasso)
{
    Scena s;
    const double hp = d.hIntagliata;
    const DisegnoNodo::Dente& sx = d.denti[0];
    const DisegnoNodo::Dente& dx = d.denti[1];
    // A rear step's post has no heel: it is drawn a little past its notches.
    auto tratto = [hp](const DisegnoNodo::Dente& t) { return t.lv > 0 ? t.lv : 0.8 * hp; };
    const double tallone = std::max(tratto(sx), tratto(dx));
    const double corsa =
        std::max(Costruisci(sx, d.arretrato).R.x(), Costruisci(dx, d.arretrato).R.x()) + 1.5 * hp;
    // The post's end is where the heels end: above the notches for rafters, below for struts.
    const double verso = dalBasso ? -1.0 : 1.0;
    const double estremo = verso * tallone;
    const double altro = -verso * corsa;
    s.poligoni.push_back({Rettangolo(-hp / 2, std::min(estremo, altro), hp / 2, std::max(estremo, altro)), kMembro});
    s.quote.push_back({QPointF(-hp / 2, altro), QPointF(hp / 2, altro), QPointF(0, -verso * 0.3 * hp),
                       QStringLiteral("h = ") + Cm(hp), QPointF()});
    // Notch frame: x along the post away from the heel, y outward from the post's face.
    for (int lato = 0; lato < 2; ++lato) {
        const DisegnoNodo::Dente& dente = d.denti[static_cast<std::size_t>(lato)];
        const double segnoX = lato == 0 ? -1.0 : 1.0;
        const double y0 = estremo - verso * tratto(dente);
        // (x, y) -> (segnoX·y + face, -verso·x + y0)
        const QTransform t(0, -verso, segnoX, 0, segnoX * hp / 2, y0);
        AggiungiDente(s, dente, d.arretrato, t, QStringLiteral("\u03b8") + dente.pedice);
    }
    return s;
}

Scena ScenaDi(const DisegnoNodo& d)
{
    switch (d.forma) {
    case DisegnoNodo::Forma::CatenaPuntone:
        return CatenaPuntone(d);
    case DisegnoNodo::Forma::PuntoneSaetta:
        return PuntoneSaetta(d);
    case DisegnoNodo::Forma::MonacoPuntoni:
        return Monaco(d, false);
    case DisegnoNodo::Forma::MonacoSaette:
        return Monaco(d, true);
    case DisegnoNodo::Forma::Nessuna:
        break;
    }
    return {};
}

constexpr double kLarghezza = 120.0;   // mm on paper

bool Finito(double v) { return std::isfinite(v); }

void Punta(QPainter& p, const QPointF& punta, const QPointF& verso, double lunghezza)
{
    const QPointF u = Unita(verso);
    const QPointF n(-u.y(), u.x());
    QPainterPath path;
    path.moveTo(punta);
    path.lineTo(punta - lunghezza * u + 0.35 * lunghezza * n);
    path.lineTo(punta - lunghezza * u - 0.35 * lunghezza * n);
    path.closeSubpath();
    p.fillPath(path, Qt::black);
}

// A label beside a point, pushed away from it along a direction, and further along it while
// it would overlap a label already written (posati).
void Etichetta(QPainter& p, const QPointF& presso, const QPointF& verso, const QString& testo,
               std::vector<QRectF>& posati)
{
    const QFontMetricsF m(p.font(), p.device());
    const QRectF r = m.boundingRect(testo);
    const QPointF u = Unita(verso);
    const double gap = m.height() * 0.3;
    // The box's centre sits far enough along u that the box clears the point.
    const double estensione = std::fabs(u.x()) * r.width() / 2 + std::fabs(u.y()) * r.height() / 2;
    QPointF centro = presso + (estensione + gap) * u;
    auto riquadro = [&r](const QPointF& c) {
        return QRectF(c.x() - r.width() / 2 - 1, c.y() - r.height() / 2, r.width() + 2, r.height());
    };
    for (int passo = 0; passo < 60; ++passo) {
        const QRectF q = riquadro(centro);
        if (std::none_of(posati.begin(), posati.end(), [&q](const QRectF& altro) { return altro.intersects(q); }))
            break;
        centro += gap * u;
    }
    posati.push_back(riquadro(centro));
    p.drawText(riquadro(centro), Qt::AlignCenter, testo);
}

}  // namespace

bool DisegnoNodo::Valido() const
{
    if (forma == Forma::Nessuna || !(hIntagliata > 0) || !Finito(hIntagliata) || !Finito(inclinazione) ||
        !Finito(appoggio) || !Finito(reazione) || appoggio < 0)
        return false;
    const std::size_t attesi = forma == Forma::MonacoPuntoni || forma == Forma::MonacoSaette ? 2 : 1;
    if (denti.size() != attesi)
        return false;
    return std::all_of(denti.begin(), denti.end(), [](const Dente& t) {
        return t.tv > 0 && t.h > 0 && t.lv >= 0 && t.gamma > 0 && t.gamma < 180 && Finito(t.tv) && Finito(t.h) &&
               Finito(t.lv) && Finito(t.N) && t.h * std::fabs(std::cos(Rad(t.gamma))) / std::sin(Rad(t.gamma)) < 1e5;
    });
}

DisegnoNodo DisegnoDi(const clsNodo& nodo)
{
    DisegnoNodo d;
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr || nodo.Asta->Count() < tipo->NumeroAste())
        return d;
    auto asta = [&nodo](int k) -> const clsAsta& { return *nodo.Asta->Item(k); };
    auto profondita = [&asta](int k) { return 10.0 * DettagliCostruttivi::Profondita(asta(k)); };
    auto dente = [&](float tv, float lv, double gamma, int k, const QString& pedice) {
        DisegnoNodo::Dente t;
        t.tv = 10.0 * static_cast<double>(tv);
        t.lv = 10.0 * static_cast<double>(lv);
        t.gamma = gamma;
        t.h = profondita(k);
        t.N = std::fabs(static_cast<double>(asta(k).SforzoAssiale));
        t.pedice = pedice;
        return t;
    };
    d.hIntagliata = profondita(tipo->astaIntagliata);
    d.arretrato = tipo->arretrato;
    switch (tipo->famiglia) {
    case FamigliaRelazione::CatenaPuntone:
        d.forma = DisegnoNodo::Forma::CatenaPuntone;
        d.denti.push_back(dente(nodo.tv, nodo.Lv, asta(2).Angolo, 2, QString()));
        if (nodo.ReazioneY != 0 && nodo.LunghezzaAppoggio != 0) {
            d.appoggio = 10.0 * static_cast<double>(nodo.LunghezzaAppoggio);
            d.reazione = static_cast<double>(nodo.ReazioneY);
        }
        break;
    case FamigliaRelazione::PuntoneSaetta:
        d.forma = DisegnoNodo::Forma::PuntoneSaetta;
        d.inclinazione = asta(1).Angolo;
        d.denti.push_back(dente(nodo.tv, 0.0f, 180.0 - asta(1).Angolo - asta(3).Angolo, 3, QString()));
        break;
    case FamigliaRelazione::Monaco:
        d.forma = tipo->asteDalBasso ? DisegnoNodo::Forma::MonacoSaette : DisegnoNodo::Forma::MonacoPuntoni;
        // Heels only where the type asks for them (a rear step's king post has none).
        d.denti.push_back(dente(nodo.tv, tipo->UsaMisura(2) ? nodo.Lv : 0.0f, 90.0 - asta(1).Angolo, 1, QStringLiteral("1")));
        d.denti.push_back(dente(nodo.tvB, tipo->UsaMisura(4) ? nodo.LvB : 0.0f, 90.0 - asta(3).Angolo, 3, QStringLiteral("2")));
        break;
    }
    return d;
}

QSizeF DimensioneDisegno(const DisegnoNodo& d)
{
    if (!d.Valido())
        return QSizeF(kLarghezza, 1.0);
    const QRectF r = ScenaDi(d).Limiti();
    const double altezza = r.width() > 0 ? kLarghezza * r.height() / r.width() : kLarghezza;
    return QSizeF(kLarghezza, std::clamp(altezza, 55.0, 90.0));
}

void Disegna(QPainter& p, const QRectF& area, const DisegnoNodo& d)
{
    if (!d.Valido() || area.width() <= 0 || area.height() <= 0)
        return;
    const Scena s = ScenaDi(d);
    const QRectF limiti = s.Limiti();
    if (!(limiti.width() > 0) || !(limiti.height() > 0))
        return;

    const double unitaMm = area.width() / kLarghezza;    // device units per mm of paper
    // Room around the drawing for the labels.
    const QRectF utile = area.adjusted(18 * unitaMm, 8 * unitaMm, -18 * unitaMm, -8 * unitaMm);
    const double scala = std::min(utile.width() / limiti.width(), utile.height() / limiti.height());
    const QPointF c = limiti.center();
    const QPointF centro = utile.center();
    auto m = [&](const QPointF& w) {
        return QPointF(centro.x() + (w.x() - c.x()) * scala, centro.y() - (w.y() - c.y()) * scala);
    };
    auto verso = [&](const QPointF& w) { return QPointF(w.x(), -w.y()); };   // a world direction on the page

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(2.4 * unitaMm))));
    p.setFont(font);
    QPen tratto(Qt::black);
    tratto.setWidthF(0.25 * unitaMm);
    QPen sottile(Qt::black);
    sottile.setWidthF(0.15 * unitaMm);

    for (const Poligono& poligono : s.poligoni) {
        QPolygonF q;
        for (const QPointF& w : poligono.punti)
            q << m(w);
        p.setPen(tratto);
        p.setBrush(poligono.colore);
        p.drawPolygon(q);
    }
    p.setBrush(Qt::NoBrush);
    const double punta = 1.6 * unitaMm;
    std::vector<QRectF> posati;
    for (const Quota& q : s.quote) {
        const QPointF a = m(q.a), b = m(q.b);
        const QPointF la = m(q.a + q.scarto), lb = m(q.b + q.scarto);
        p.setPen(sottile);
        if (q.scarto != QPointF(0, 0)) {
            p.drawLine(a, la);
            p.drawLine(b, lb);
        }
        p.drawLine(la, lb);
        Punta(p, la, la - lb, punta);
        Punta(p, lb, lb - la, punta);
        p.setPen(Qt::black);
        const QPointF lungo = Unita(lb - la);
        QPointF fuori = !q.lato.isNull()             ? Unita(verso(q.lato))
                        : q.scarto != QPointF(0, 0) ? Unita(verso(q.scarto))
                                                    : QPointF(-lungo.y(), lungo.x());
        if (fuori == QPointF(0, 0))
            fuori = QPointF(0, -1);
        Etichetta(p, (la + lb) / 2, fuori, q.testo, posati);
    }
    for (const Arco& a : s.archi) {
        const QPointF centroArco = m(a.centro);
        const double r = a.raggio * scala;
        // Qt's arc angles turn counter-clockwise as seen, as world angles do (y upward).
        const double inizio = std::atan2(a.da.y(), a.da.x()) * 180.0 / kPi;
        const double fine = std::atan2(a.a.y(), a.a.x()) * 180.0 / kPi;
        double ampiezza = fine - inizio;
        while (ampiezza > 180.0)
            ampiezza -= 360.0;
        while (ampiezza < -180.0)
            ampiezza += 360.0;
        p.setPen(sottile);
        p.drawArc(QRectF(centroArco.x() - r, centroArco.y() - r, 2 * r, 2 * r), static_cast<int>(std::lround(inizio * 16)),
                  static_cast<int>(std::lround(ampiezza * 16)));
        const double meta = Rad(inizio + ampiezza / 2);
        const QPointF dir(std::cos(meta), -std::sin(meta));
        p.setPen(Qt::black);
        Etichetta(p, centroArco + r * dir, dir, a.testo, posati);
    }
    for (const Freccia& f : s.frecce) {
        const QPointF coda = m(f.coda), testa = m(f.punta);
        QPen forza(Qt::black);
        forza.setWidthF(0.35 * unitaMm);
        p.setPen(forza);
        p.drawLine(coda, testa);
        Punta(p, testa, testa - coda, 2.2 * punta);
        p.setPen(Qt::black);
        Etichetta(p, coda, coda - testa, f.testo, posati);
    }
    p.restore();
}
