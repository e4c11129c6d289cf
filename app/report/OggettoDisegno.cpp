#include "report/OggettoDisegno.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Device units per millimetre of the device the document is laid out for (the screen when
// it has none).
double UnitaPerMm(QTextDocument* doc)
{
    const QPaintDevice* dispositivo = doc ? doc->documentLayout()->paintDevice() : nullptr;
    double dpi = 96.0;
    if (dispositivo != nullptr)
        dpi = dispositivo->logicalDpiX();
    else if (const QScreen* schermo = QGuiApplication::primaryScreen())
        dpi = schermo->logicalDotsPerInchX();
    return dpi / 25.4;
}

}  // namespace

void OggettoDisegno::Registra(QTextDocument* documento)
{
    QAbstractTextDocumentLayout* layout = documento->documentLayout();
    if (layout->handlerForObject(Tipo) != nullptr)
        return;
    layout->registerHandler(Tipo, new OggettoDisegno(documento));   // goes with the document
}

void OggettoDisegno::Inserisci(QTextCursor& cursore, const DisegnoNodo& disegno)
{
    QTextCharFormat formato;
    formato.setObjectType(Tipo);
    formato.setProperty(Dati, QVariant::fromValue(disegno));
    cursore.insertText(QString(QChar::ObjectReplacementCharacter), formato);
}

QSizeF OggettoDisegno::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format)
{
    const QSizeF mm = DimensioneDisegno(format.property(Dati).value<DisegnoNodo>());
    return mm * UnitaPerMm(doc);
}

void OggettoDisegno::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    Disegna(*painter, rect, format.property(Dati).value<DisegnoNodo>());
}
