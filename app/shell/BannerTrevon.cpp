#include "shell/BannerTrevon.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace BannerTrevon {

namespace {

struct Asta {
    QPointF da, a;
};

// King-post truss in the left part of the strip: tie, rafters, king post, struts.
const QPointF appoggioSx(12, 47), appoggioDx(98, 47), colmo(55, 10), piedeMonaco(55, 47),
    baseSaette(55, 40), meta1((12 + 55) / 2.0, (47 + 10) / 2.0), meta2((98 + 55) / 2.0, (47 + 10) / 2.0);
const Asta aste[] = {{appoggioSx, appoggioDx}, {appoggioSx, colmo}, {appoggioDx, colmo},
                     {colmo, piedeMonaco},     {baseSaette, meta1}, {baseSaette, meta2}};
const QPointF nodi[] = {appoggioSx, meta1, colmo, meta2, appoggioDx};

constexpr int fotogrammiCostruzione = 10;
constexpr double xTesto = 110;

double lunghezza(const Asta& s) { return std::hypot(s.a.x() - s.da.x(), s.a.y() - s.da.y()); }

void disegnaAsta(QPainter& p, const QPointF& da, const QPointF& a) {
    p.setPen(QPen(QColor(0x5C, 0x38, 0x16), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(da, a);
    p.setPen(QPen(QColor(0xE2, 0xB1, 0x70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(da, a);
}

// Bars appear in order, as if drawn with one continuous stroke over the building frames.
void disegnaCapriata(QPainter& p, int indice) {
    double totale = 0;
    for (const Asta& s : aste)
        totale += lunghezza(s);
    double disponibile = totale * std::min(indice, fotogrammiCostruzione) / fotogrammiCostruzione;
    for (const Asta& s : aste) {
        if (disponibile <= 0)
            break;
        const double t = std::min(1.0, disponibile / lunghezza(s));
        disegnaAsta(p, s.da, s.da + (s.a - s.da) * t);
        disponibile -= lunghezza(s);
    }
}

void disegnaAppoggi(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8F, 0xA8, 0xC8));
    for (const QPointF& c : {appoggioSx, appoggioDx}) {
        const QPointF triangolo[] = {c + QPointF(0, 3), c + QPointF(-5, 9), c + QPointF(5, 9)};
        p.drawPolygon(triangolo, 3);
    }
}

void evidenziaNodo(QPainter& p, int indice) {
    const int n = indice - fotogrammiCostruzione;   // 1..5
    if (n < 1 || n > static_cast<int>(std::size(nodi)))
        return;
    for (int i = 0; i < n - 1; ++i) {   // joints already checked keep a small mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x7C, 0xD9, 0x7C));
        p.drawEllipse(nodi[i], 2.5, 2.5);
    }
    const QPointF c = nodi[n - 1];
    p.setBrush(QColor(255, 230, 80, 90));
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x40), 2));
    p.drawEllipse(c, 7, 7);
}

QFont caratteri(int pixel, bool grassetto) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The title's outline, made once for every frame: glyph outlines are the costly part.
QPainterPath percorsoTitolo() {
    QPainterPath percorso;
    percorso.addText(xTesto, 29, caratteri(24, true), QStringLiteral("Trevon-SL"));
    return percorso;
}

// The title, filled with a light band whose centre slides from left to right.
void disegnaTitolo(QPainter& p, const QPainterPath& percorso, int indice) {
    const QRectF r = percorso.boundingRect();
    const double centro = -0.2 + 1.4 * (indice - 1) / (NumeroFotogrammi - 1);
    QLinearGradient g(r.left(), 0, r.right(), 0);
    const QColor base(0xDC, 0xE6, 0xF5), luce(0xFF, 0xF0, 0x9A);
    g.setColorAt(0, base);
    g.setColorAt(1, base);
    for (double d : {-0.15, 0.0, 0.15}) {
        const double pos = centro + d;
        if (pos > 0 && pos < 1)
            g.setColorAt(pos, d == 0.0 ? luce : base);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(percorso);

    // An underline that grows with the frames, like a timber beam laid under the name.
    const double lunghezzaMax = Larghezza - 6 - xTesto;
    p.setPen(QPen(QColor(0xE2, 0xB1, 0x70), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(xTesto, 35), QPointF(xTesto + lunghezzaMax * indice / NumeroFotogrammi, 35));
}

void disegnaSottotitolo(QPainter& p) {
    const QString testo = QString::fromUtf8("Verifica unioni a dente \u2014 NTC 2018 e NTC 2008");
    const double disponibile = Larghezza - 6 - xTesto;
    int pixel = 11;
    QFont f = caratteri(pixel, false);
    while (pixel > 7 && QFontMetricsF(f).horizontalAdvance(testo) > disponibile)
        f = caratteri(--pixel, false);
    p.setFont(f);
    p.setPen(QColor(0xBF, 0xD3, 0xF0));
    p.drawText(QPointF(xTesto, 50), testo);
}

void preparaPittore(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// What every frame shares: the background, the supports, the subtitle and the border. The
// subtitle lies right of the truss and below the title, and the border's pixels are the strip's
// edge, which nothing else reaches: drawing them before the rest leaves every pixel as if they
// were drawn after it.
QPixmap sfondoComune() {
    QPixmap immagine(Larghezza, Altezza);
    QPainter p(&immagine);
    preparaPittore(p);
    QLinearGradient sfondo(0, 0, 0, Altezza);
    sfondo.setColorAt(0, QColor(0x0B, 0x2A, 0x5B));
    sfondo.setColorAt(1, QColor(0x15, 0x45, 0x85));
    p.fillRect(immagine.rect(), sfondo);
    disegnaAppoggi(p);
    disegnaSottotitolo(p);
    p.setPen(QColor(0x06, 0x18, 0x38));
    p.setBrush(Qt::NoBrush);
    p.drawRect(immagine.rect().adjusted(0, 0, -1, -1));
    return immagine;
}

QPixmap fotogramma(const QPixmap& sfondo, const QPainterPath& titolo, int indice) {
    QPixmap immagine = sfondo.copy();
    QPainter p(&immagine);
    preparaPittore(p);
    disegnaCapriata(p, indice);
    evidenziaNodo(p, indice);
    disegnaTitolo(p, titolo, indice);
    return immagine;
}

}  // namespace

QPixmap Fotogramma(int indice) {
    if (indice < 1 || indice > NumeroFotogrammi)
        return QPixmap();
    return fotogramma(sfondoComune(), percorsoTitolo(), indice);
}

std::array<QPixmap, NumeroFotogrammi> Fotogrammi() {
    const QPixmap sfondo = sfondoComune();
    const QPainterPath titolo = percorsoTitolo();
    std::array<QPixmap, NumeroFotogrammi> fotogrammi;
    for (int i = 0; i < NumeroFotogrammi; ++i)
        fotogrammi[i] = fotogramma(sfondo, titolo, i + 1);
    return fotogrammi;
}

}  // namespace BannerTrevon
