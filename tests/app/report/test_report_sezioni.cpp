// The composer and the two common sections: coefficients and bar parameters.
#include "NodiEsempio.h"
#include "RunsAttesi.h"

#include "report/RelazioneComune.h"
#include "report/RelazioneDenteSemplice.h"
#include "report/SuperficieQTextEdit.h"

#include <QTextEdit>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace RunsAttesi;
using NodiEsempio::CoefficientiProva;

namespace {

QStringList Righe(const QString& testo)
{
    return testo.split(QLatin1Char('\n'));
}

TEST(CreaRelVerNodi, ClearsAndWritesTitleAndTypeThenTheStepJointSection)
{
    const auto nodo = NodiEsempio::CatenaPuntone(true);
    CoefficientiProva coef;

    SuperficieRegistrata sezione;
    Relazione::creaRelVerNodiCapriataDenteSemplice(sezione, *nodo, coef);
    ASSERT_FALSE(sezione.Runs().empty());

    SuperficieRegistrata box;
    box.Sottolineato(true);   // left over from an earlier composition
    box.Accoda(QStringLiteral("vecchio testo"));
    Relazione::CreaRelVerNodi(box, *nodo, QStringLiteral("7"), coef);

    EXPECT_EQ(box.Cancellazioni(), 1);
    const Runs testa = {
        T(" VERIFICA NODO N.7\n"),
        C(" "),
        U("Tipologia Nodo:          Catena Puntone a Dente Semplice\n"),
    };
    EXPECT_EQ(box.Runs(), testa + sezione.Runs());
}

TEST(CreaRelVerNodi, OtherTypesGetOnlyTitleAndTypeLine)
{
    for (const char* tipo : {"", "Puntone Saetta a Doppio Dente", "catena puntone a dente semplice"}) {
        const auto nodo = NodiEsempio::NodoVuoto(tipo, 2);
        CoefficientiProva coef;
        SuperficieRegistrata box;
        Relazione::CreaRelVerNodi(box, *nodo, QStringLiteral("12"), coef);
        const Runs attesi = {
            T(" VERIFICA NODO N.12\n"),
            C(" "),
            U((std::string("Tipologia Nodo:          ") + tipo + "\n").c_str()),
        };
        EXPECT_EQ(box.Runs(), attesi) << tipo;
        EXPECT_TRUE(coef.descrizioniRichieste.isEmpty()) << tipo;
    }
}

TEST(CreaRelVerNodi, JointWithoutBarsStopsWithTheErrorAndKeepsTheRunsWritten)
{
    const auto nodo = NodiEsempio::NodoVuoto("Monaco Saette a Dente Semplice", 0);
    CoefficientiProva coef;
    SuperficieRegistrata box;
    EXPECT_THROW(Relazione::CreaRelVerNodi(box, *nodo, QStringLiteral("1"), coef),
                 std::out_of_range);
    ASSERT_FALSE(box.Runs().empty());
    EXPECT_EQ(box.Runs().front(), T(" VERIFICA NODO N.1\n"));
    EXPECT_EQ(box.Runs().back(), S("g"));   // γM needs bar 1
}

TEST(CreaRelValNorm, WritesServiceClassKmodAndGammaMOfBarOne)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    CoefficientiProva coef;
    coef.classe = QStringLiteral("2: U>85% x  poche settimane");
    coef.kmod = 0.6f;
    coef.gammaM = 1.45f;
    SuperficieRegistrata box;
    Relazione::CreaRelValNorm(box, *nodo, coef);
    const Runs attesi = {
        C(" "),
        U("Coefficienti Normativi:\n"),
        C(" Classe di Servizio: 2: U>85% x  poche settimane"),
        C("\n"),
        C(" Kmod= 0,60\n"),
        C(" "),
        S("g"),
        C("M  = 1,45\n"),
        C("\n"),
    };
    EXPECT_EQ(box.Runs(), attesi);
    EXPECT_EQ(coef.descrizioniRichieste, QStringList({"Legno Massiccio C30", "Legno Massiccio C24"}))
        << "the γM of every bar is looked at: one line when they agree";
}

// Bars of different timber types: each bar's γM, the one its design strengths used.
TEST(CreaRelValNorm, StatesTheGammaMOfEachBarWhenTheyDiffer)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    nodo->Asta->Item(2)->DescrizioneMateriale = "Legno Lamellare GL24h";
    Coefficienti c;
    SuperficieRegistrata box;
    Relazione::CreaRelValNorm(box, *nodo, CoefficientiCalcolo(c));
    const Runs& r = box.Runs();
    ASSERT_GE(r.size(), 9u);
    const Runs coda(r.end() - 7, r.end());
    const Runs attesi = {
        S("g"), C("M  = 1,50  Asta N. 1\n"), C(" "), S("g"), C("M  = 1,45  Asta N. 2\n"), C("\n"),
    };
    EXPECT_EQ(Runs(coda.begin() + 1, coda.end()), attesi);
}

TEST(CreaRelValNorm, RendersAsOnAnItalianSystem)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    CoefficientiProva coef;   // kmod 0.6, γM 1.5
    QTextEdit editor;
    SuperficieQTextEdit box(&editor);
    Relazione::CreaRelValNorm(box, *nodo, coef);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral(u" Coefficienti Normativi:\n"
                                                   u" Classe di Servizio: 1: T=20°C  U<65%\n"
                                                   u" Kmod= 0,60\n"
                                                   u" γM  = 1,50\n"
                                                   u"\n"));
}

TEST(CreaRelParamAste, WritesFiveLinesPerBar)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    SuperficieRegistrata box;
    Relazione::CreaRelParamAste(box, *nodo);
    const Runs attesi = {
        C(" "),
        U("Aste Collegate:\n"),
        C(" Asta N. 1  B=10,00cm. x H=20,00cm.\n"),
        C("            Materiale: Legno Massiccio C30\n"),
        C("            fc0k =30,00N/mmq     "), C("fc0d =12,00N/mmq\n"),
        C("            fc90k= 6,25N/mmq     "), C("fc90d= 2,50N/mmq\n"),
        C("            fvk  = 6,00N/mmq     "), C("fvd  = 2,40N/mmq\n"),
        C(" Asta N. 2  B=10,00cm. x H=20,00cm.\n"),
        C("            Materiale: Legno Massiccio C24\n"),
        C("            fc0k =21,00N/mmq     "), C("fc0d = 8,40N/mmq\n"),
        C("            fc90k= 2,50N/mmq     "), C("fc90d= 1,00N/mmq\n"),
        C("            fvk  = 4,00N/mmq     "), C("fvd  = 1,60N/mmq\n"),
        C("\n"),
    };
    EXPECT_EQ(box.Runs(), attesi);
}

TEST(CreaRelParamAste, RendersBarLinesAsOnAnItalianSystem)
{
    clsNodo nodo;
    auto asta = std::make_shared<clsAsta>();
    asta->Base = 10;
    asta->Altezza = 20;
    asta->Res_Fc0k = 21;
    asta->Res_Fc0d = 9.69f;
    asta->Res_Fvd = 123.456f;
    nodo.Asta->Add(asta);
    QTextEdit editor;
    SuperficieQTextEdit box(&editor);
    Relazione::CreaRelParamAste(box, nodo);
    const QStringList righe = Righe(editor.toPlainText());
    ASSERT_EQ(righe.size(), 8);
    EXPECT_EQ(righe[0], QStringLiteral(" Aste Collegate:"));
    EXPECT_EQ(righe[1], QStringLiteral(" Asta N. 1  B=10,00cm. x H=20,00cm."));
    EXPECT_EQ(righe[2], QStringLiteral("            Materiale: "));   // empty description
    EXPECT_EQ(righe[3], QStringLiteral("            fc0k =21,00N/mmq     fc0d = 9,69N/mmq"));
    EXPECT_EQ(righe[4], QStringLiteral("            fc90k= 0,00N/mmq     fc90d= 0,00N/mmq"));
    EXPECT_EQ(righe[5], QStringLiteral("            fvk  = 0,00N/mmq     fvd  =123,46N/mmq"));
    EXPECT_EQ(righe[6], QString());
    EXPECT_EQ(righe[7], QString());
}

TEST(CreaRelParamAste, NumbersTwelveBarsInTwoColumns)
{
    const auto nodo = NodiEsempio::NodoVuoto("Puntone Saetta a Dente Semplice", 12);
    SuperficieRegistrata box;
    Relazione::CreaRelParamAste(box, *nodo);
    QStringList numeri;
    for (const QString& riga : Righe(box.Testo()))
        if (riga.startsWith(QStringLiteral(" Asta N.")))
            numeri << riga.mid(8, 2);
    EXPECT_EQ(numeri, (QStringList{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10",
                                   "11", "12"}));
    EXPECT_EQ(box.Runs().size(), 2u + 12u * 8u + 1u);
}

}

// A 1 MB description froze the window for minutes (one unbroken line is laid out in quadratic
// time): the report shows a prefix of it, the bar keeps the whole text.
TEST(CreaRelParamAste, AHugeDescriptionShowsAPrefixAndRendersAtOnce)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    nodo->Asta->Item(1)->DescrizioneMateriale = std::string(1000000, 'x');
    SuperficieRegistrata box;
    Relazione::CreaRelParamAste(box, *nodo);
    QString testo;
    for (const RunTesto& r : box.Runs())
        testo += r.testo;
    EXPECT_TRUE(testo.contains(QStringLiteral("Materiale: ") + QString(200, QLatin1Char('x')) + QStringLiteral("\u2026\n")));
    EXPECT_LT(testo.size(), 5000);
    EXPECT_EQ(nodo->Asta->Item(1)->DescrizioneMateriale.size(), 1000000u);
}
