#include "report/SuperficieQTextEdit.h"

#include "report/OggettoDisegno.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
const QString kSymbol = QStringLiteral("Symbol");

// Greek letters of the Symbol font, in the order of the Latin letters that select them.
const QString kGrecheMinuscole = QStringLiteral(u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
const QString kGrecheMaiuscole = QStringLiteral(u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
}

void SuperficieQTextEdit::RegistraSostituzioniFont()
{
    static const bool registrate = [] {
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        return true;
    }();
    (void)registrate;
}

SuperficieQTextEdit::SuperficieQTextEdit(QTextEdit* box) : box_(box), documento_(box->document())
{
    RegistraSostituzioniFont();
}

SuperficieQTextEdit::SuperficieQTextEdit(QTextDocument* documento) : documento_(documento)
{
    RegistraSostituzioniFont();
}

QChar SuperficieQTextEdit::LetteraSymbol(QChar latina)
{
    const char16_t c = latina.unicode();
    if (c >= u'a' && c <= u'z')
        return kGrecheMinuscole.at(c - u'a');
    if (c >= u'A' && c <= u'Z')
        return kGrecheMaiuscole.at(c - u'A');
    return latina;
}

SuperficieQTextEdit::~SuperficieQTextEdit() { chiudiBlocco(); }

void SuperficieQTextEdit::chiudiBlocco()
{
    if (!bloccoAperto_)
        return;
    bloccoAperto_ = false;
    cursore_.endEditBlock();
    cursore_ = QTextCursor();
}

void SuperficieQTextEdit::Cancella()
{
    chiudiBlocco();
    if (box_)
        box_->clear();
    else
        documento_->clear();
}

void SuperficieQTextEdit::NomeFont(const QString& nome)
{
    symbol_ = (nome == kSymbol);
    if (!symbol_)
        formato_.setFontFamilies({nome});
}

void SuperficieQTextEdit::DimensioneFont(int punti)
{
    formato_.setFontPointSize(punti);
}

void SuperficieQTextEdit::Grassetto(bool attivo)
{
    formato_.setFontWeight(attivo ? QFont::Bold : QFont::Normal);
}

void SuperficieQTextEdit::Sottolineato(bool attivo)
{
    formato_.setFontUnderline(attivo);
}

void SuperficieQTextEdit::Accoda(const QString& testo)
{
    QString scritto = testo;
    if (symbol_) {
        for (QChar& c : scritto)
            c = LetteraSymbol(c);
    }
    apriBlocco();
    cursore_.insertText(scritto, formato_);
}

void SuperficieQTextEdit::apriBlocco()
{
    if (!bloccoAperto_) {
        cursore_ = QTextCursor(documento_);
        cursore_.beginEditBlock();
        bloccoAperto_ = true;
    }
    cursore_.movePosition(QTextCursor::End);
}

void SuperficieQTextEdit::Disegno(const DisegnoNodo& disegno)
{
    // A box has its layout already; a document alone is not laid out while it is composed
    // (making its layout would lay it out): who lays it out registers the drawings.
    if (box_)
        OggettoDisegno::Registra(documento_);
    apriBlocco();
    OggettoDisegno::Inserisci(cursore_, disegno);
}
