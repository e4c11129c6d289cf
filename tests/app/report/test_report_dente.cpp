// The step-joint section: geometry, face checks, heel and support checks, verdicts.
#include "NodiEsempio.h"
#include "RelazioneAttesa.h"
#include "RunsAttesi.h"

#include "report/RelazioneComune.h"
#include "report/RelazioneDenteSemplice.h"
#include "report/SuperficieQTextEdit.h"

#include <QTextEdit>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace RunsAttesi;
using NodiEsempio::CoefficientiProva;

namespace {

const char* const kSedici = "                ";

Runs Sezione(const clsNodo& nodo)
{
    CoefficientiProva coef;
    SuperficieRegistrata box;
    Relazione::creaRelVerNodiCapriataDenteSemplice(box, nodo, coef);
    return box.Runs();
}

// The two common sections as their own procedures write them for this joint.
Runs SezioniComuni(const clsNodo& nodo)
{
    CoefficientiProva coef;
    SuperficieRegistrata box;
    Relazione::CreaRelValNorm(box, nodo, coef);
    Relazione::CreaRelParamAste(box, nodo);
    return box.Runs();
}

std::string Str(const std::string& a, const std::string& b) { return a + b; }

// A face block as the table of runs lays it out; numbers are given as printed.
Runs Faccia(const char* etichetta, const char* k, const char* F, const char* angolo,
            const char* fd, const char* sigma, bool passa)
{
    const std::string n = k;
    Runs r = {
        C(etichetta),
        C(Str(" Componente di compressione F" + n + " = ", F).append(" kN\n").c_str()),
        C(Str(kSedici, "Angolo tra componente di compressione F" + n + " e Fibratura: ").c_str()),
        S("a"),
        C((n + " = " + angolo + "°\n").c_str()),
        C(Str(kSedici, "Resistenza a compressione inclinata fc").c_str()),
        S("a"),
        C((n + ",d = ").c_str()),
        C(Str(fd, "N/mmq\n").c_str()),
        C(kSedici),
        S("s"),
        C(Str(" = ", sigma).append(" N/mmq").c_str()),
    };
    if (passa)
        r = r + Runs{C("  <  fc"), S("a"), C((n + ",d\n").c_str())};
    else
        r = r + Runs{C("  >  fc"), S("a"), C((n + ",d  -  NON VERIFICA\n").c_str())};
    return r;
}

QStringList Verdetti(const clsNodo& nodo)
{
    SuperficieRegistrata box;
    CoefficientiProva coef;
    Relazione::creaRelVerNodiCapriataDenteSemplice(box, nodo, coef);
    QStringList righe;
    for (const QString& riga : box.Testo().split(QLatin1Char('\n')))
        if (riga.contains(QStringLiteral("  <  ")) || riga.contains(QStringLiteral("  >  ")))
            righe << riga;
    return righe;
}

TEST(creaRelVerNodiCapriataDenteSemplice, TieRafterWithSupport)
{
    const auto nodo = NodiEsempio::CatenaPuntone(true);
    const Runs testa = {
        C(" Profondità Intaglio:     tv  =  3,00 cm.\n"),
        C(" Lunghezza Resistente:    Lv  = 20,00 cm.\n"),
        C("\n"),
    };
    const Runs coda = {
        C(" "),
        U("Verifica a Compressione Inclinata rispetto le fibrature\n"),
        C(" Intaglio SX:  "),
        C(" Componente di compressione F1 =  45,87 kN\n"),
        C("                Angolo tra componente di compressione F1 e Fibratura: "),
        S("a"),
        C("1 =  15,00°\n"),
        C("                Resistenza a compressione inclinata fc"),
        S("a"),
        C("1,d = "),
        C("  9,57N/mmq\n"),
        C("                "),
        S("s"),
        C(" =  14,77 N/mmq"),
        C("  >  fc"),
        S("a"),
        C("1,d  -  NON VERIFICA\n"),
        C(" Intaglio DX:  "),
        C(" Componente di compressione F2 =  13,17 kN\n"),
        C("                Angolo tra componente di compressione F2 e Fibratura: "),
        S("a"),
        C("2 =  85,62°\n"),
        C("                Resistenza a compressione inclinata fc"),
        S("a"),
        C("2,d = "),
        C("  2,51N/mmq\n"),
        C("                "),
        S("s"),
        C(" =   0,33 N/mmq"),
        C("  <  fc"),
        S("a"),
        C("2,d\n"),
        C("\n"),
        C(" "),
        U("Verifica a Taglio - tallone\n"),
        U(" "),
        S("t"),
        C(" = "),
        C("  2,17N/mmq"),
        C("  <  fvd\n"),
        C("\n"),
        C(" "),
        U("Verifica Appoggio - Compressione Perpendicolare alla fibratura\n"),
        U(" "),
        S("s"),
        C(" = "),
        C("  1,38N/mmq"),
        C("  <  fc90d\n"),
        C("\n"),
    };
    EXPECT_EQ(Sezione(*nodo), testa + SezioniComuni(*nodo) + coda);
}

TEST(creaRelVerNodiCapriataDenteSemplice, RafterStrutHasOneGeometryLineAndNoHeelOrSupport)
{
    const auto nodo = NodiEsempio::PuntoneSaetta();
    const Runs testa = {
        C(" Profondità Intaglio:     tv  =  3,00 cm.\n"),
        C("\n"),
    };
    const Runs titolo = {C(" "), U("Verifica a Compressione Inclinata rispetto le fibrature\n")};
    const Runs atteso = testa + SezioniComuni(*nodo) + titolo +
                        Faccia(" Intaglio SUP: ", "1", "  8,49", " 75,96", "  2,62", "  2,00", true) +
                        Faccia(" Intaglio INF: ", "2", " 24,74", " 45,00", "  4,14", "  2,00", true) +
                        Runs{C("\n")};
    EXPECT_EQ(Sezione(*nodo), atteso);
}

TEST(creaRelVerNodiCapriataDenteSemplice, KingPostRaftersReportBothSides)
{
    const auto nodo = NodiEsempio::Monaco("Monaco Puntoni a Dente Semplice");
    const Runs testa = {
        C(" Profondità Intaglio:     tv1 =  3,00 cm.\n"),
        C(" Lunghezza Resistente:    Lv1 = 20,00 cm.\n"),
        C(" Profondità Intaglio:     tv2 =  4,00 cm.\n"),
        C(" Lunghezza Resistente:    Lv2 = 25,00 cm.\n"),
        C("\n"),
    };
    const Runs sinistra = {
        C(" "),
        U("Verifica a Compressione Inclinata rispetto le fibrature\n"),
        C("\n"),
        C(" Saetta di sinistra\n"),
        C("\n"),
    };
    const Runs destra = {C(" Saetta di destra\n"), C("\n")};
    const Runs atteso =
        testa + SezioniComuni(*nodo) + sinistra +
        Faccia(" Intaglio SUP: ", "1", " 33,20", " 30,00", "  6,15", "  7,99", false) +
        Faccia(" Intaglio INF: ", "2", " 26,96", " 82,01", "  2,54", "  1,04", true) +
        Runs{C("\n")} + destra +
        Faccia(" Intaglio SUP: ", "1", " 33,43", " 22,50", "  7,71", "  7,72", false) +
        Faccia(" Intaglio INF: ", "2", " 15,71", " 80,46", "  2,56", "  0,65", true) +
        Runs{C("\n")};
    EXPECT_EQ(Sezione(*nodo), atteso);
}

TEST(creaRelVerNodiCapriataDenteSemplice, KingPostFaceLabelsForRaftersAndStruts)
{
    const struct {
        const char* tipo;
        QStringList etichette;
    } casi[] = {
        {"Monaco Puntoni a Dente Semplice",
         {" Intaglio SUP: ", " Intaglio INF: ", " Intaglio SUP: ", " Intaglio INF: "}},
        {"Monaco Saette a Dente Semplice",
         {" Intaglio INF: ", " Intaglio SUP: ", " Intaglio INF: ", " Intaglio SUP: "}},
    };
    for (const auto& caso : casi) {
        const auto nodo = NodiEsempio::Monaco(caso.tipo);
        QStringList etichette;
        QStringList lati;
        for (const RunTesto& run : Sezione(*nodo)) {
            if (run.testo.startsWith(QStringLiteral(" Intaglio ")))
                etichette << run.testo;
            if (run.testo.startsWith(QStringLiteral(" Saetta di ")))
                lati << run.testo;
        }
        EXPECT_EQ(etichette, caso.etichette) << caso.tipo;
        EXPECT_EQ(lati, (QStringList{" Saetta di sinistra\n", " Saetta di destra\n"})) << caso.tipo;
    }
}

TEST(creaRelVerNodiCapriataDenteSemplice, AStressEqualToItsStrengthFails)
{
    using Modifica = std::function<void(clsNodo&, bool uguale)>;
    auto sotto = [](float resistenza, bool uguale) {
        return uguale ? resistenza : std::nextafter(resistenza, 0.0f);
    };
    const struct {
        const char* nome;
        std::function<std::shared_ptr<clsNodo>()> nodo;
        int verdetto;   // position among the verdict lines
        Modifica modifica;
    } casi[] = {
        {"tie-rafter face 1", [] { return NodiEsempio::CatenaPuntone(true); }, 0,
         [&](clsNodo& n, bool u) { n.tens1 = sotto(n.fd1, u); }},
        {"tie-rafter face 2", [] { return NodiEsempio::CatenaPuntone(true); }, 1,
         [&](clsNodo& n, bool u) { n.tens2 = sotto(n.fd2, u); }},
        {"heel shear", [] { return NodiEsempio::CatenaPuntone(true); }, 2,
         [&](clsNodo& n, bool u) { n.tau = sotto(n.Asta->Item(1)->Res_Fvd, u); }},
        {"support", [] { return NodiEsempio::CatenaPuntone(true); }, 3,
         [&](clsNodo& n, bool u) { n.tens3 = sotto(n.Asta->Item(1)->Res_Fc90d, u); }},
        {"rafter-strut face 1", [] { return NodiEsempio::PuntoneSaetta(); }, 0,
         [&](clsNodo& n, bool u) { n.tens1 = sotto(n.fd1, u); }},
        {"king post right face 1",
         [] { return NodiEsempio::Monaco("Monaco Saette a Dente Semplice"); }, 2,
         [&](clsNodo& n, bool u) { n.tens1B = sotto(n.fd1B, u); }},
        {"king post right face 2",
         [] { return NodiEsempio::Monaco("Monaco Puntoni a Dente Semplice"); }, 3,
         [&](clsNodo& n, bool u) { n.tens2B = sotto(n.fd2B, u); }},
    };
    for (const auto& caso : casi) {
        for (const bool uguale : {true, false}) {
            const auto nodo = caso.nodo();
            caso.modifica(*nodo, uguale);
            const QStringList verdetti = Verdetti(*nodo);
            ASSERT_GT(verdetti.size(), caso.verdetto) << caso.nome;
            const QString riga = verdetti[caso.verdetto];
            EXPECT_EQ(riga.endsWith(QStringLiteral("NON VERIFICA")), uguale)
                << caso.nome << (uguale ? " equal: " : " just below: ") << riga.toStdString();
            EXPECT_EQ(riga.contains(QStringLiteral("  >  ")), uguale) << caso.nome;
        }
    }
}

TEST(creaRelVerNodiCapriataDenteSemplice, AJointNeverVerifiedFailsEveryCheck)
{
    const struct {
        const char* tipo;
        int aste;
        int verdetti;   // two faces per side, plus the heel for the tie-rafter joint
    } casi[] = {
        {"Catena Puntone a Dente Semplice", 2, 3},
        {"Puntone Saetta a Dente Semplice", 3, 2},
        {"Monaco Puntoni a Dente Semplice", 3, 4},
        {"Monaco Saette a Dente Semplice", 3, 4},
    };
    for (const auto& caso : casi) {
        const auto nodo = NodiEsempio::NodoVuoto(caso.tipo, caso.aste);
        const QStringList verdetti = Verdetti(*nodo);
        ASSERT_EQ(verdetti.size(), caso.verdetti) << caso.tipo;
        for (const QString& riga : verdetti) {
            EXPECT_TRUE(riga.endsWith(QStringLiteral("NON VERIFICA"))) << riga.toStdString();
            EXPECT_TRUE(riga.contains(QStringLiteral("   0,00"))) << riga.toStdString();
        }
    }
}

TEST(creaRelVerNodiCapriataDenteSemplice, SupportBlockOnlyWithReactionAndBearingLength)
{
    const struct {
        const char* nome;
        float reazione;
        float lunghezza;
        bool appoggio;
    } casi[] = {
        {"reaction and bearing length", 30, 15, true},
        {"negative reaction", -30, 15, true},
        {"no reaction", 0, 15, false},
        {"no bearing length", 30, 0, false},
        {"neither", 0, 0, false},
    };
    const QString titolo =
        QStringLiteral("Verifica Appoggio - Compressione Perpendicolare alla fibratura\n");
    for (const auto& caso : casi) {
        const auto nodo = NodiEsempio::CatenaPuntone(true);
        nodo->ReazioneY = caso.reazione;
        nodo->LunghezzaAppoggio = caso.lunghezza;
        const Runs runs = Sezione(*nodo);
        const bool presente = std::any_of(runs.begin(), runs.end(),
                                          [&](const RunTesto& r) { return r.testo == titolo; });
        EXPECT_EQ(presente, caso.appoggio) << caso.nome;
        if (!caso.appoggio) {
            ASSERT_GE(runs.size(), 2u);
            EXPECT_EQ(runs[runs.size() - 2], C("  <  fvd\n")) << caso.nome;   // heel block ends it
            EXPECT_EQ(runs.back(), C("\n")) << caso.nome;
        }
    }
}

TEST(creaRelVerNodiCapriataDenteSemplice, WritesNothingForAnotherType)
{
    const auto nodo = NodiEsempio::NodoVuoto("Puntone Saetta a Doppio Dente", 3);
    EXPECT_TRUE(Sezione(*nodo).empty());
}

TEST(RelazioneResa, TieRafterExampleReadsWithGreekLetters)
{
    const auto nodo = NodiEsempio::CatenaPuntone(false);
    CoefficientiProva coef;
    QTextEdit editor;
    SuperficieQTextEdit box(&editor);
    Relazione::CreaRelVerNodi(box, *nodo, QStringLiteral("1"), coef);
    EXPECT_EQ(editor.toPlainText(), RelazioneAttesa::CatenaPuntone(false));
}

}
