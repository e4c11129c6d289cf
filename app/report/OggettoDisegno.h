#pragma once
#include "report/DisegnoNodo.h"

#include <QObject>
#include <QTextObjectInterface>

class QTextCursor;
class QTextDocument;

// A joint's drawing as an object inside a report's rich text: one character of the text that
// its document's layout draws with Disegna, on screen, on paper and in a PDF alike.
class OggettoDisegno : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int Tipo = QTextFormat::UserObject + 1;
    static constexpr int Dati = QTextFormat::UserProperty + 1;   // the DisegnoNodo

    // Lets the document's layout draw the drawings it holds; a copy of a document (clone)
    // needs it again. Idempotent.
    static void Registra(QTextDocument* documento);

    // Appends the drawing at the cursor, on the document the cursor belongs to; the document
    // draws it once registered (before or after: registering makes the document's layout).
    static void Inserisci(QTextCursor& cursore, const DisegnoNodo& disegno);

    QSizeF intrinsicSize(QTextDocument* doc, int posInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int posInDocument,
                    const QTextFormat& format) override;

private:
    using QObject::QObject;
};
