#include "report/ImpaginatoreRelazione.h"

#include "calcolo/ScritturaFile.h"

#include "report/OggettoDisegno.h"
#include "report/SuperficieQTextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace Relazione {

namespace {

// The header's first line: the program and the code of the calculation.
QString Programma(const SezioneRelazione& s)
{
    return QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente in Legno (") +
           (s.normativa.isEmpty() ? Normative::Titolo(Normativa::NTC2008) : s.normativa) + QLatin1Char(')');
}

QFont FontPagina(bool grassetto)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(9);
    f.setBold(grassetto);
    return f;
}

QString TitoloSezione(const SezioneRelazione& s)
{
    if (s.numero == 0)
        return s.titolo;
    QString t = QStringLiteral("Nodo N. %1").arg(s.numero);
    if (!s.tipo.isEmpty())
        t += QStringLiteral("  \u2013  ") + s.tipo;
    return t;
}

// Header and footer of one page within the printable area; the body's rectangle comes back.
struct Cornice {
    QRectF corpo;
    qreal alto = 0;    // header height
    qreal basso = 0;   // footer height
    bool progetto = false;   // the header has the project's line
};

// The header's third line, when the project's data are given: project and place on the left,
// client and designer on the right.
std::pair<QString, QString> RigaProgetto(const DatiProgetto& d)
{
    QStringList sinistra, destra;
    if (!d.progetto.isEmpty())
        sinistra << QStringLiteral("Progetto: ") + d.progetto;
    if (!d.localita.isEmpty())
        sinistra << QStringLiteral("Località: ") + d.localita;
    if (!d.committente.isEmpty())
        destra << QStringLiteral("Committente: ") + d.committente;
    if (!d.progettista.isEmpty())
        destra << QStringLiteral("Progettista: ") + d.progettista;
    const QString separatore = QStringLiteral("  \u2013  ");
    return {sinistra.join(separatore), destra.join(separatore)};
}

bool ConProgetto(const DatiProgetto& d)
{
    const auto [sinistra, destra] = RigaProgetto(d);
    return !sinistra.isEmpty() || !destra.isEmpty();
}

Cornice Misura(QPainter& p, const QRectF& area, bool progetto)
{
    const qreal riga = QFontMetricsF(FontPagina(true), p.device()).lineSpacing();
    Cornice c;
    c.progetto = progetto;
    c.alto = riga * (progetto ? 3 : 2) + riga * 0.9;
    c.basso = riga * 1.8;
    c.corpo = area.adjusted(0, c.alto, 0, -c.basso);
    return c;
}

void DisegnaCornice(QPainter& p, const QRectF& area, const Cornice& c, const SezioneRelazione& s,
                    int pagina, int pagine, const QDate& data)
{
    p.save();
    p.setPen(Qt::black);
    const qreal riga = QFontMetricsF(FontPagina(true), p.device()).lineSpacing();
    const QRectF r1(area.left(), area.top(), area.width(), riga);
    const QRectF r2(area.left(), area.top() + riga, area.width(), riga);
    p.setFont(FontPagina(true));
    p.drawText(r1, Qt::AlignLeft | Qt::AlignVCenter, Programma(s));
    p.setFont(FontPagina(false));
    p.drawText(r1, Qt::AlignRight | Qt::AlignVCenter, data.toString(QStringLiteral("dd/MM/yyyy")));
    p.drawText(r2, Qt::AlignLeft | Qt::AlignVCenter, TitoloSezione(s));
    p.drawText(r2, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Relazione di Verifica"));
    const bool progetto = c.progetto;
    if (progetto) {
        // Each half keeps to its side: a long field is elided, never overprinted.
        const auto [sinistra, destra] = RigaProgetto(s.progetto);
        const QRectF r3(area.left(), area.top() + 2 * riga, area.width(), riga);
        const QFontMetricsF m(FontPagina(false), p.device());
        const qreal meta = area.width() / 2 - riga;
        p.drawText(r3, Qt::AlignLeft | Qt::AlignVCenter, m.elidedText(sinistra, Qt::ElideRight, meta));
        p.drawText(r3, Qt::AlignRight | Qt::AlignVCenter, m.elidedText(destra, Qt::ElideRight, meta));
    }
    QPen tratto(Qt::black);
    tratto.setWidthF(riga / 20);
    p.setPen(tratto);
    const qreal yAlto = area.top() + riga * (progetto ? 3 : 2) + riga * 0.25;
    p.drawLine(QPointF(area.left(), yAlto), QPointF(area.right(), yAlto));
    const qreal yBasso = area.bottom() - c.basso + riga * 0.5;
    p.drawLine(QPointF(area.left(), yBasso), QPointF(area.right(), yBasso));
    p.setPen(Qt::black);
    const QRectF piede(area.left(), area.bottom() - riga, area.width(), riga);
    p.drawText(piede, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Trevon-SL"));
    p.drawText(piede, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Pagina %1 di %2").arg(pagina).arg(pagine));
    p.restore();
}

// Lays the document out on the device in the body's width, as one long page, once. Margin and
// width lay out again a document that has its layout, so they come first; the layout lays the
// document out as it is made, so the device and the drawings' handler are given to it from the
// signal that announces it, before that first layout.
void Prepara(QTextDocument& doc, QPagedPaintDevice& dispositivo, qreal larghezza)
{
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(larghezza, 1e9));
    const auto sulDispositivo = [&doc, &dispositivo] {
        doc.documentLayout()->setPaintDevice(&dispositivo);
        OggettoDisegno::Registra(&doc);
    };
    const QMetaObject::Connection nuovo =
        QObject::connect(&doc, &QTextDocument::documentLayoutChanged, sulDispositivo);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        b.layout()->setCacheEnabled(true);   // drawing the lines does not shape them again
    const QAbstractTextDocumentLayout* layout = doc.documentLayout();
    QObject::disconnect(nuovo);
    if (layout->paintDevice() != &dispositivo) {   // a layout made without the signal
        sulDispositivo();
        doc.markContentsDirty(0, doc.characterCount());
    }
}

// Where each page of the document begins and ends: a page holds the whole lines that fit,
// and the next page begins at the first line that did not.
std::vector<std::pair<qreal, qreal>> Pagine(const QTextDocument& doc, qreal altezza)
{
    std::vector<std::pair<qreal, qreal>> righe;   // top and bottom of every line
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        const qreal y = doc.documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine riga = layout->lineAt(i);
            righe.emplace_back(y + riga.y(), y + riga.y() + riga.height());
        }
    }
    std::vector<std::pair<qreal, qreal>> pagine;
    qreal inizio = 0;
    qreal fine = 0;
    for (const auto& [alto, basso] : righe) {
        if (basso - inizio > altezza && fine > inizio) {
            pagine.emplace_back(inizio, fine);
            inizio = alto;
        }
        fine = basso;
    }
    pagine.emplace_back(inizio, std::max(fine, inizio));
    return pagine;
}

}  // namespace

void ImpostaPagina(QPagedPaintDevice& dispositivo)
{
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(22, 15, 15, 15), QPageLayout::Millimeter));
}

int Impagina(QPagedPaintDevice& dispositivo, const std::vector<SezioneRelazione>& sezioni,
             const QDate& data, const AvanzamentoPagine& avanzamento)
{
    const int passi = 2 * static_cast<int>(sezioni.size());
    int fatti = 0;
    SuperficieQTextEdit::RegistraSostituzioniFont();
    QPainter p;
    if (!p.begin(&dispositivo))
        return -1;
    const QRectF area(0, 0, dispositivo.width(), dispositivo.height());
    const bool progetto = std::any_of(sezioni.begin(), sezioni.end(),
                                      [](const SezioneRelazione& s) { return ConProgetto(s.progetto); });
    const Cornice c = Misura(p, area, progetto);

    // Every section laid out first: the footer names the total.
    std::vector<std::unique_ptr<QTextDocument>> documenti;
    std::vector<std::vector<std::pair<qreal, qreal>>> impaginati;
    int pagine = 0;
    auto ferma = [&p, &dispositivo]() {
        if (auto* stampante = dynamic_cast<QPrinter*>(&dispositivo))
            stampante->abort();
        p.end();
        return Annullata;
    };
    for (const SezioneRelazione& s : sezioni) {
        if (avanzamento && !avanzamento(fatti++, passi))
            return ferma();
        documenti.emplace_back(s.documento->clone(nullptr));
        Prepara(*documenti.back(), dispositivo, c.corpo.width());
        impaginati.push_back(Pagine(*documenti.back(), c.corpo.height()));
        pagine += static_cast<int>(impaginati.back().size());
    }

    int pagina = 0;
    for (std::size_t i = 0; i < sezioni.size(); ++i) {
        if (avanzamento && !avanzamento(fatti++, passi))
            return ferma();
        QTextDocument& doc = *documenti[i];
        for (const auto& [inizio, fine] : impaginati[i]) {
            if (pagina > 0)
                dispositivo.newPage();
            ++pagina;
            DisegnaCornice(p, area, c, sezioni[i], pagina, pagine, data);
            // Only the page's own lines are drawn: none hides clipped on another page.
            p.save();
            p.setPen(Qt::black);
            p.translate(c.corpo.left(), c.corpo.top() - inizio);
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
                const QPointF origine = doc.documentLayout()->blockBoundingRect(b).topLeft();
                const QTextLayout* layout = b.layout();
                for (int r = 0; r < layout->lineCount(); ++r) {
                    const QTextLine riga = layout->lineAt(r);
                    const qreal alto = origine.y() + riga.y();
                    if (alto >= inizio && alto < fine)
                        riga.draw(&p, origine);
                }
            }
            p.restore();
        }
    }
    p.end();
    return pagina;
}

bool EsportaPdf(const QString& percorso, const std::vector<SezioneRelazione>& sezioni,
                QString& errore, const AvanzamentoPagine& avanzamento, bool* annullato)
{
    if (annullato)
        *annullato = false;
    // The PDF is made in memory, then written whole or not at all: a write that fails late
    // (a full disk, a size limit) is seen, never reported as done.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    int pagine = -1;
    {
        QPdfWriter pdf(&file);   // the PDF is complete when the writer's painter ends
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Trevon-SL"));
        pdf.setTitle(QStringLiteral("Relazione di Verifica"));
        ImpostaPagina(pdf);
        pagine = Impagina(pdf, sezioni, QDate::currentDate(), avanzamento);
    }
    if (pagine == Annullata) {
        if (annullato)
            *annullato = true;
        return false;
    }
    if (pagine < 0) {
        errore = QStringLiteral("impaginazione non riuscita");
        return false;
    }
    return ScriviFileCompleto(percorso, file.data(), errore);
}

bool EsportaRelazioneCompleta(const clsGenVerNodi& registro, const Coefficienti& coefficienti,
                              const TipologieMateriali& tipologie, const DurateCarico& durate,
                              const DatiProgetto& progetto, const QString& percorso, QString& errore)
{
    return EsportaPdf(percorso, RelazioneCompleta(registro, CoefficientiCalcolo(coefficienti, tipologie, durate), progetto),
                      errore);
}

}
