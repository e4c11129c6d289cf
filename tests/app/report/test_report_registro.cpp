// The NTC 2018 report as a calculation record: the joint's drawing, its inputs, the
// utilisation and reference of each check, and the joint's verdict.
#include "NodiEsempio.h"

#include "calcolo/RisultatiNodo.h"
#include "report/DisegnoNodo.h"
#include "report/RelazioneComune.h"
#include "report/SuperficieQTextEdit.h"
#include "report/SuperficieRegistrata.h"

#include <QImage>
#include <QTextEdit>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace {

class Coefficienti2018 : public NodiEsempio::CoefficientiProva {
public:
    Normativa normativa() const override { return Normativa::NTC2018; }
};

const QString kDisegno = QString(QChar::ObjectReplacementCharacter);

// The report's lines as the reader sees them in the report box (Greek letters shown), composed
// apart and then replayed on the box as the editor does.
QStringList Righe(const clsNodo& nodo, const FonteCoefficienti& c, SuperficieRegistrata* registrata = nullptr)
{
    SuperficieRegistrata propria;
    SuperficieRegistrata& composta = registrata ? *registrata : propria;
    Relazione::CreaRelVerNodi(composta, nodo, QStringLiteral("1"), c);
    QTextEdit edit;
    {
        SuperficieQTextEdit box(&edit);
        composta.Riproduci(box);
    }
    return edit.toPlainText().split(QLatin1Char('\n'));
}

// The lines attese appear in righe in this order (other lines may come between them).
void InOrdine(const QStringList& righe, const QStringList& attese)
{
    int da = 0;
    for (const QString& riga : attese) {
        const int i = righe.indexOf(riga, da);
        ASSERT_GE(i, 0) << "missing or out of order: \"" << riga.toStdString() << "\"\nin:\n"
                        << righe.join(QLatin1Char('\n')).toStdString();
        da = i + 1;
    }
}

QString Verdetto(const QStringList& righe)
{
    for (const QString& r : righe)
        if (r.startsWith(QStringLiteral(" ESITO: ")))
            return r;
    return {};
}

}  // namespace

// The worked tie–rafter joint: every figure a checker needs, each check's utilisation with its
// formula, and the verdict with the check that governs it (face 1 fails at 14,77 > 9,57 N/mm²).
TEST(RelazioneRegistro, TheTieRafterJointPrintsItsInputsUtilisationAndVerdict)
{
    const auto nodo = NodiEsempio::CatenaPuntone(true);
    const QStringList righe = Righe(*nodo, Coefficienti2018());
    InOrdine(righe, {
        QStringLiteral(" VERIFICA NODO N.1   (NTC 2018 – DM 17/01/2018)"),
        kDisegno,
        QStringLiteral(" Tipologia Nodo:          Catena Puntone a Dente Semplice"),
        QStringLiteral(" Profondità Intaglio:     tv  =  3,00 cm."),
        QStringLiteral(" Lunghezza Resistente:    Lv  = 20,00 cm."),
        QStringLiteral(" Reazione Appoggio:       R   = 30,00 kN"),
        QStringLiteral(" Lunghezza Appoggio:      La  = 15,00 cm."),
        // La + h/3 = 150 + 200/3 mm, the smallest of the three candidates.
        QStringLiteral(" Lunghezza Efficace:      Lef = 21,67 cm.  = min(2·La; La + h/3; 40 cm), h = altezza del Puntone"),
        QStringLiteral("   η = tv/tv,max = 60,0 %"),
        QStringLiteral(" fd = kmod·fk/γM  (NTC 2018, formula 4.4.1)"),
        QStringLiteral(" Asta N. 2  B=10,00cm. x H=20,00cm."),
        QStringLiteral("            α = 30,00°   |N| = 50,00 kN"),
        QStringLiteral("                σ =  14,77 N/mmq  >  fcα1,d  -  NON VERIFICA"),
        QStringLiteral("                η = σ/fcα1,d = 154,4 %   (EN 1995-1-1 (6.16), kc,90 = 1)"),
        QStringLiteral("                η = σ/fcα2,d = 13,3 %   (EN 1995-1-1 (6.16), kc,90 = 1)"),
        QStringLiteral(" τ =   2,17N/mmq  ≤  fvd"),
        QStringLiteral(" η = τ/fvd = 90,2 %   (EN 1995-1-1 (6.13))"),
        QStringLiteral(" σ =   1,38N/mmq  ≤  fc90d"),
        QStringLiteral(" η = σ/fc90d = 55,4 %   (EN 1995-1-1 (6.3), kc,90 = 1; σ = R/(B·Lef))"),
        QStringLiteral(" ESITO: NON VERIFICATO   (verifica determinante: Intaglio SX: compressione inclinata F1, η = 154,4 %)"),
    });
    // The tie has neither inclination nor force of its own to print.
    const int tie = righe.indexOf(QStringLiteral(" Asta N. 1  B=10,00cm. x H=20,00cm."));
    ASSERT_GE(tie, 0);
    EXPECT_FALSE(righe.at(tie + 4).contains(QStringLiteral("α ="))) << righe.at(tie + 4).toStdString();
    const auto eta = [](const QStringList& r) {
        return std::count_if(r.begin(), r.end(), [](const QString& x) { return x.trimmed().startsWith(QStringLiteral("η =")); });
    };
    EXPECT_EQ(eta(righe), 5) << "depth, two faces, heel, support";
}

// Without a support check there are no support lines; the verdict names the governing check
// of a passing joint, and a stress equal to its strength is 100 % and passes under NTC 2018.
TEST(RelazioneRegistro, TheVerdictFollowsEveryCheckAndNamesTheGoverningOne)
{
    struct Caso {
        const char* caso;
        std::function<void(clsNodo&)> modifica;
        const char* esito;
    };
    const std::vector<Caso> casi = {
        {"face 1 at half its strength: the heel governs", [](clsNodo& n) { n.tens1 = n.fd1 / 2; },
         " ESITO: VERIFICATO   (verifica determinante: Taglio tallone, η = 90,2 %)"},
        {"heel stress equal to its strength", [](clsNodo& n) {
             n.tens1 = n.fd1 / 2;
             n.tau = n.Asta->Item(1)->Res_Fvd;
         },
         " ESITO: VERIFICATO   (verifica determinante: Taglio tallone, η = 100,0 %)"},
        {"heel just over", [](clsNodo& n) {
             n.tens1 = n.fd1 / 2;
             n.tau = n.Asta->Item(1)->Res_Fvd * 1.001f;
         },
         " ESITO: NON VERIFICATO   (verifica determinante: Taglio tallone, η = 100,1 %)"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.caso);
        const auto nodo = NodiEsempio::CatenaPuntone(false);
        c.modifica(*nodo);
        const QStringList righe = Righe(*nodo, Coefficienti2018());
        EXPECT_EQ(Verdetto(righe), QString::fromUtf8(c.esito));
        EXPECT_TRUE(righe.filter(QStringLiteral("Reazione Appoggio")).isEmpty());
        EXPECT_TRUE(righe.filter(QStringLiteral("fc90d =")).isEmpty());
    }
}

// The verdict line alone is bold; a king post names the side of its governing check, and its
// post has neither inclination nor force lines.
TEST(RelazioneRegistro, AKingPostNamesTheSideOfItsGoverningCheckInABoldVerdict)
{
    const auto nodo = NodiEsempio::Monaco("Monaco Puntoni a Dente Semplice");
    nodo->Asta->Item(2)->Altezza = 30;   // both notches within h/6: a face governs
    SuperficieRegistrata box;
    const QStringList righe = Righe(*nodo, Coefficienti2018(), &box);
    const QString esito = Verdetto(righe);
    ASSERT_FALSE(esito.isEmpty()) << righe.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(esito.contains(QStringLiteral("(verifica determinante: Saetta di "))) << esito.toStdString();
    InOrdine(righe, {QStringLiteral("            α = 30,00°   |N| = 50,00 kN"),
                     QStringLiteral(" Asta N. 2  B=14,00cm. x H=30,00cm."),
                     QStringLiteral(" Asta N. 3  B=10,00cm. x H=18,00cm."),
                     QStringLiteral("            α = 45,00°   |N| = 40,00 kN")});
    const int post = righe.indexOf(QStringLiteral(" Asta N. 2  B=14,00cm. x H=30,00cm."));
    EXPECT_TRUE(righe.at(post + 5).startsWith(QStringLiteral(" Asta N. 3"))) << "no input line for the post";
    EXPECT_EQ(righe.filter(QStringLiteral("η = σ/fcα")).size(), 4) << "two faces on each side";
    EXPECT_EQ(righe.filter(QStringLiteral("η = tv")).size(), 2) << "a depth check on each side";
    for (const SuperficieRegistrata::Run& r : box.Runs())
        EXPECT_EQ(r.grassetto, r.testo.startsWith(QStringLiteral(" ESITO: ")) || r.testo.startsWith(QStringLiteral(" VERIFICA NODO")))
            << r.testo.toStdString();
}

// An NTC 2008 report has none of the record's additions (its text is fixed by the report tests).
TEST(RelazioneRegistro, AnNtc2008ReportHasNoneOfTheAdditions)
{
    const auto nodo = NodiEsempio::CatenaPuntone(true);
    const QString testo = Righe(*nodo, NodiEsempio::CoefficientiProva()).join(QLatin1Char('\n'));
    for (const QString& aggiunta : {kDisegno, QStringLiteral("η ="), QStringLiteral("ESITO"), QStringLiteral("|N|"),
                                    QStringLiteral("Lef"), QStringLiteral("EN 1995-1-1")})
        EXPECT_FALSE(testo.contains(aggiunta)) << aggiunta.toStdString();
}

// The drawing is built from the joint's own data, in mm and degrees, for each family.
TEST(DisegnoNodo, TakesEachFamilysGeometryFromTheJoint)
{
    const auto cp = NodiEsempio::CatenaPuntone(true);
    const DisegnoNodo a = DisegnoDi(*cp);
    ASSERT_TRUE(a.Valido());
    EXPECT_EQ(a.forma, DisegnoNodo::Forma::CatenaPuntone);
    EXPECT_DOUBLE_EQ(a.hIntagliata, 200.0);
    ASSERT_EQ(a.denti.size(), 1u);
    EXPECT_DOUBLE_EQ(a.denti[0].tv, 30.0);
    EXPECT_DOUBLE_EQ(a.denti[0].lv, 200.0);
    EXPECT_DOUBLE_EQ(a.denti[0].gamma, 30.0);
    EXPECT_DOUBLE_EQ(a.denti[0].N, 50.0);
    EXPECT_DOUBLE_EQ(a.appoggio, 150.0);
    EXPECT_DOUBLE_EQ(a.reazione, 30.0);
    EXPECT_DOUBLE_EQ(DisegnoDi(*NodiEsempio::CatenaPuntone(false)).appoggio, 0.0) << "no support check, no support";

    const DisegnoNodo b = DisegnoDi(*NodiEsempio::PuntoneSaetta());
    ASSERT_TRUE(b.Valido());
    EXPECT_DOUBLE_EQ(b.inclinazione, 30.0);
    EXPECT_DOUBLE_EQ(b.denti[0].gamma, 90.0) << "180° − 30° − 60°";
    EXPECT_DOUBLE_EQ(b.denti[0].lv, 0.0) << "the rafter–strut joint has no heel";
    EXPECT_DOUBLE_EQ(b.denti[0].h, 150.0) << "the strut's depth";

    for (const char* tipo : {"Monaco Puntoni a Dente Semplice", "Monaco Saette a Dente Semplice"}) {
        SCOPED_TRACE(tipo);
        const DisegnoNodo c = DisegnoDi(*NodiEsempio::Monaco(tipo));
        ASSERT_TRUE(c.Valido());
        ASSERT_EQ(c.denti.size(), 2u);
        EXPECT_DOUBLE_EQ(c.denti[0].gamma, 60.0);
        EXPECT_DOUBLE_EQ(c.denti[1].gamma, 45.0);
        EXPECT_DOUBLE_EQ(c.denti[1].tv, 40.0);
        EXPECT_DOUBLE_EQ(c.denti[1].lv, 250.0);
    }
    EXPECT_EQ(DisegnoDi(*NodiEsempio::Monaco("Monaco Saette a Dente Semplice")).forma, DisegnoNodo::Forma::MonacoSaette);

    // Nothing to draw for a degenerate joint: the report draws nothing rather than a wrong shape.
    DisegnoNodo d = a;
    d.denti[0].gamma = 0;
    EXPECT_FALSE(d.Valido());
    d = a;
    d.denti[0].tv = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(d.Valido());
    EXPECT_FALSE(DisegnoDi(*NodiEsempio::NodoVuoto("Catena Puntone a Dente Semplice", 1)).Valido());
}

// The report box draws the joint on screen (its document knows the drawing object), under
// NTC 2018 only: the timber's fill colour shows in the box.
TEST(DisegnoNodo, TheReportBoxDrawsTheJoint)
{
    auto pixelLegno = [](const FonteCoefficienti& c) {
        QTextEdit edit;
        edit.resize(900, 700);
        edit.show();
        {
            SuperficieQTextEdit box(&edit);
            Relazione::CreaRelVerNodi(box, *NodiEsempio::CatenaPuntone(true), QStringLiteral("1"), c);
        }
        edit.moveCursor(QTextCursor::Start);
        const QImage img = edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(0xf1, 0xdf, 0xbd))
                    ++n;
        return n;
    };
    EXPECT_GT(pixelLegno(Coefficienti2018()), 2000);
    EXPECT_EQ(pixelLegno(NodiEsempio::CoefficientiProva()), 0);
}

// A rear step under NTC 2018: one face with its utilisation, the heel and support as before, the
// verdict over those checks, and a drawing of the square-cut end.
TEST(RelazioneRegistro, ARearStepReportsOneFaceWithItsUtilisationAndVerdict)
{
    auto nodo = NodiEsempio::CatenaPuntone(true);
    nodo->TipoNodo = "Catena Puntone a Dente Arretrato";
    CopiaDiProva prova(*nodo);
    bool procedi = false;
    prova.Registro().VerNodoCPDA(procedi, 1);
    ASSERT_TRUE(procedi);
    const QStringList righe = Righe(prova.Nodo(), Coefficienti2018());
    InOrdine(righe, {
        QStringLiteral(" Tipologia Nodo:          Catena Puntone a Dente Arretrato"),
        QStringLiteral(" Intaglio SX:   Componente di compressione F1 =  50,00 kN"),
        QStringLiteral("                σ =  14,43 N/mmq  >  fcα1,d  -  NON VERIFICA"),
        // 14,43 / 6,154 N/mm²: the whole thrust at α to the grain
        QStringLiteral("                η = σ/fcα1,d = 234,5 %   (EN 1995-1-1 (6.16), kc,90 = 1)"),
        QStringLiteral(" η = τ/fvd = 90,2 %   (EN 1995-1-1 (6.13))"),
        QStringLiteral(" η = σ/fc90d = 55,4 %   (EN 1995-1-1 (6.3), kc,90 = 1; σ = R/(B·Lef))"),
        QStringLiteral(" ESITO: NON VERIFICATO   (verifica determinante: Intaglio SX: compressione inclinata F1, η = 234,5 %)"),
    });
    EXPECT_TRUE(righe.filter(QStringLiteral("F2")).isEmpty());
    const DisegnoNodo d = DisegnoDi(prova.Nodo());
    EXPECT_TRUE(d.Valido());
    EXPECT_TRUE(d.arretrato);
}
