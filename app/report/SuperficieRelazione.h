#pragma once
#include "report/DisegnoNodo.h"

#include <QString>

// The rich-text surface the report is composed on: a text that is only ever cleared or
// extended at its end, each appended run taking the character format set before it; a
// joint's drawing is appended as one character of the text.
class SuperficieRelazione {
public:
    virtual ~SuperficieRelazione() = default;

    virtual void Cancella() = 0;                              // whole text := ""
    virtual void NomeFont(const QString& nome) = 0;           // font family for what follows
    virtual void DimensioneFont(int punti) = 0;               // font size in points for what follows
    virtual void Grassetto(bool attivo) = 0;                  // bold for what follows
    virtual void Sottolineato(bool attivo) = 0;               // underline for what follows
    virtual void Accoda(const QString& testo) = 0;            // append at the end; "\n" ends a line
    virtual void Disegno(const DisegnoNodo& disegno) = 0;     // append the drawing at the end
};
