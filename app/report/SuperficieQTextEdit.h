#pragma once
#include "report/SuperficieRelazione.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextEdit;

// The report surface over the editor's rich-text box (RichTextBox1).
//
// A run in the "Symbol" font stands for Greek letters written as Latin ones; there is no
// Symbol font on Linux, so the Greek letters themselves are written in the last body font,
// which also keeps the text correct when copied. "Courier New" and "Times New Roman" are
// substituted by the metric-compatible Liberation Mono and Liberation Serif.
//
// The runs appended between two clearings form one edit block, closed by the next clearing
// or when the surface goes: the box lays the report out once, not once per run.
class SuperficieQTextEdit : public SuperficieRelazione {
public:
    explicit SuperficieQTextEdit(QTextEdit* box);   // the box is not owned
    // A document alone, no widget: what printing and PDF compose on (not owned).
    explicit SuperficieQTextEdit(QTextDocument* documento);
    ~SuperficieQTextEdit() override;
    SuperficieQTextEdit(const SuperficieQTextEdit&) = delete;
    SuperficieQTextEdit& operator=(const SuperficieQTextEdit&) = delete;

    void Cancella() override;
    void NomeFont(const QString& nome) override;
    void DimensioneFont(int punti) override;
    void Grassetto(bool attivo) override;
    void Sottolineato(bool attivo) override;
    void Accoda(const QString& testo) override;
    void Disegno(const DisegnoNodo& disegno) override;

    // The Greek letter a Latin letter stands for in the Symbol font; other characters unchanged.
    static QChar LetteraSymbol(QChar latina);

    // Registers the font substitutions once per process.
    static void RegistraSostituzioniFont();

private:
    void chiudiBlocco();
    void apriBlocco();   // the edit block open, the cursor at the end

    QTextEdit* box_ = nullptr;
    QTextDocument* documento_ = nullptr;
    QTextCursor cursore_;         // at the end of the text while a block is open
    bool bloccoAperto_ = false;
    QTextCharFormat formato_;
    bool symbol_ = false;
};
