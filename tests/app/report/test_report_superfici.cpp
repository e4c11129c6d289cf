// The two report surfaces: the recording one used by the tests and the one over a QTextEdit.
#include "RunsAttesi.h"

#include "report/SuperficieQTextEdit.h"
#include "report/SuperficieRegistrata.h"

#include <QFont>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using RunTesto = SuperficieRegistrata::Run;

// Drives a surface through the same sequence of operations.
void Componi(SuperficieRelazione& s)
{
    s.NomeFont(QStringLiteral("Times New Roman"));
    s.DimensioneFont(12);
    s.Grassetto(true);
    s.Accoda(QStringLiteral(" TITOLO\n"));
    s.NomeFont(QStringLiteral("Courier New"));
    s.DimensioneFont(8);
    s.Grassetto(false);
    s.Sottolineato(true);
    s.Accoda(QStringLiteral("Sezione\n"));
    s.Sottolineato(false);
    s.NomeFont(QStringLiteral("Symbol"));
    s.Accoda(QStringLiteral("s"));
    s.NomeFont(QStringLiteral("Courier New"));
    s.Accoda(QStringLiteral(" = 1,00"));
}

TEST(SuperficieRegistrata, KeepsEachRunWithTheFormatSetBeforeIt)
{
    SuperficieRegistrata s;
    Componi(s);
    const std::vector<RunTesto> attesi = {
        {"Times New Roman", 12, true, false, " TITOLO\n"},
        {"Courier New", 8, false, true, "Sezione\n"},
        {"Symbol", 8, false, false, "s"},
        {"Courier New", 8, false, false, " = 1,00"},
    };
    EXPECT_EQ(s.Runs(), attesi);
    EXPECT_EQ(s.Testo(), QStringLiteral(" TITOLO\nSezione\ns = 1,00"));
}

TEST(SuperficieRegistrata, ClearDropsTheRunsButNotTheFormat)
{
    SuperficieRegistrata s;
    Componi(s);
    s.Cancella();
    EXPECT_TRUE(s.Runs().empty());
    EXPECT_EQ(s.Cancellazioni(), 1);
    s.Accoda(QStringLiteral("x"));
    const std::vector<RunTesto> attesi = {{"Courier New", 8, false, false, "x"}};
    EXPECT_EQ(s.Runs(), attesi);
}

TEST(SuperficieQTextEdit, SymbolLettersBecomeGreekLetters)
{
    const struct {
        QChar latina;
        QChar greca;
    } casi[] = {
        {u'a', u'α'}, {u'g', u'γ'}, {u's', u'σ'}, {u't', u'τ'}, {u'b', u'β'}, {u'z', u'ζ'},
        {u'D', u'Δ'}, {u'W', u'Ω'}, {u'Z', u'Ζ'}, {u'1', u'1'}, {u' ', u' '}, {u',', u','},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(SuperficieQTextEdit::LetteraSymbol(caso.latina), caso.greca)
            << QString(caso.latina).toStdString();
}

TEST(SuperficieQTextEdit, WritesRunsWithTheirFormatAndGreekInTheBodyFont)
{
    QTextEdit box;
    box.setPlainText(QStringLiteral("Selezionare Tipo di Unione"));
    SuperficieQTextEdit s(&box);
    s.Cancella();
    Componi(s);

    EXPECT_EQ(box.toPlainText(), QStringLiteral(" TITOLO\nSezione\nσ = 1,00"));
    ASSERT_EQ(box.document()->blockCount(), 3);

    // Format of the character just after a position in the document.
    auto formato = [&box](int blocco, int colonna) {
        QTextCursor c(box.document()->findBlockByNumber(blocco));
        c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, colonna + 1);
        return c.charFormat();
    };
    const QTextCharFormat titolo = formato(0, 1);
    EXPECT_EQ(titolo.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(titolo.fontPointSize(), 12);
    EXPECT_EQ(titolo.fontWeight(), QFont::Bold);
    EXPECT_FALSE(titolo.fontUnderline());

    const QTextCharFormat sezione = formato(1, 0);
    EXPECT_EQ(sezione.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(sezione.fontPointSize(), 8);
    EXPECT_EQ(sezione.fontWeight(), QFont::Normal);
    EXPECT_TRUE(sezione.fontUnderline());

    const QTextCharFormat sigma = formato(2, 0);
    EXPECT_EQ(sigma.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(sigma.fontPointSize(), 8);
    EXPECT_FALSE(sigma.fontUnderline());
}

TEST(SuperficieQTextEdit, ClearReplacesTheWholeText)
{
    QTextEdit box;
    SuperficieQTextEdit s(&box);
    Componi(s);
    s.Cancella();
    EXPECT_TRUE(box.toPlainText().isEmpty());
    s.Accoda(QStringLiteral("nuovo"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("nuovo"));
}

// The box lays a report out on each change of its document: the runs of one composition
// must reach it as one change, also when the surface composed and cleared before.
TEST(SuperficieQTextEdit, ARunOfAppendsReachesTheBoxAsOneChange)
{
    QTextEdit box;
    box.show();
    int cambi = 0;
    QObject::connect(box.document(), &QTextDocument::contentsChange, &box, [&cambi] { ++cambi; });
    for (const bool giaUsata : {false, true}) {
        {
            SuperficieQTextEdit s(&box);
            s.Cancella();
            if (giaUsata) {
                Componi(s);
                s.Cancella();
            }
            cambi = 0;
            Componi(s);
            EXPECT_EQ(box.toPlainText(), QStringLiteral(" TITOLO\nSezione\nσ = 1,00")) << giaUsata;
        }
        EXPECT_EQ(cambi, 1) << giaUsata;
        EXPECT_EQ(box.document()->blockCount(), 3) << giaUsata;
    }
}

TEST(SuperficieQTextEdit, SubstitutesTheWindowsFontsWithMetricCompatibleOnes)
{
    QTextEdit box;
    SuperficieQTextEdit s(&box);
    const struct {
        const char* windows;
        const char* liberation;
    } casi[] = {{"Courier New", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"}};
    for (const auto& caso : casi) {
        const QString sostituto = QFont::substitute(QString::fromLatin1(caso.windows));
        EXPECT_EQ(sostituto.compare(QLatin1String(caso.liberation), Qt::CaseInsensitive), 0)
            << caso.windows << " -> " << sostituto.toStdString();
        // The font actually used when the report asks for the Windows one.
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(caso.windows))).family(),
                  QLatin1String(caso.liberation));
    }
}

}
