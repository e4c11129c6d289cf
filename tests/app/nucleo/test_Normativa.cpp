// The code of a calculation: NTC 2018 coefficients, load-duration classes, the notch depth
// limits and effective heel length of NTC 2018 calculations, and how files keep them.
#include "CalcoliProva.h"

#include "calcolo/AperturaCalcolo.h"
#include "calcolo/ControlliNodo.h"
#include "calcolo/DettagliCostruttivi.h"
#include "calcolo/LineaComando.h"
#include "calcolo/NodoVerificato.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const float piGreco = static_cast<float>(4.0 * std::atan(1.0));

FileCalcolo::Calcolo Calcolo(Normativa n, std::shared_ptr<clsNodo> nodo, int durata = DurataCarico::Permanente)
{
    FileCalcolo::Calcolo c;
    c.coefficienti = Coefficienti::Predefiniti(n);
    c.durate.Imposta(nodo, durata);
    c.nodi.push_back(std::move(nodo));
    return c;
}

// The calculation registered and verified as an opened file is; the register and outcome.
AperturaCalcolo Verifica(const FileCalcolo::Calcolo& c)
{
    return RegistraCalcolo(c, std::make_shared<clsGenVerNodi>([](const std::string&, bool) {}), c.coefficienti,
                           piGreco);
}

// A change of a file's first joint.
std::function<void(QJsonObject&)> SuPrimoNodo(std::function<void(QJsonObject&)> modifica)
{
    return [modifica](QJsonObject& radice) {
        QJsonArray nodi = radice[QStringLiteral("nodi")].toArray();
        QJsonObject n = nodi[0].toObject();
        modifica(n);
        nodi[0] = n;
        radice[QStringLiteral("nodi")] = nodi;
    };
}

const clsNodo& Primo(const AperturaCalcolo& a) { return *a.registro->Nodi->Item(1); }

std::vector<ControlloNodo> Controlli(const AperturaCalcolo& a, Normativa n) { return ControlliNodo(Primo(a), n); }

bool TuttiPassano(const std::vector<ControlloNodo>& c)
{
    return !c.empty() && std::all_of(c.begin(), c.end(), [](const ControlloNodo& x) { return x.esito; });
}

}  // namespace

// γM by timber type and column, kmod by service class and duration, as the code's tables give them.
TEST(Normativa, PartialFactorsAndKmodOfEachCode)
{
    struct Caso {
        Normativa normativa;
        char colonna;
        int tipologia;
        float gammaM;   // 0: the code has no row for the type
    };
    const Caso casi[] = {
        {Normativa::NTC2008, 'A', 1, 1.50f}, {Normativa::NTC2008, 'A', 2, 1.45f}, {Normativa::NTC2008, 'A', 3, 1.50f},
        {Normativa::NTC2008, 'A', 4, 1.40f}, {Normativa::NTC2008, 'A', Tipologia::CLT, 0.0f},
        {Normativa::NTC2018, 'A', 1, 1.50f}, {Normativa::NTC2018, 'A', 2, 1.45f}, {Normativa::NTC2018, 'A', Tipologia::CLT, 1.45f},
        {Normativa::NTC2018, 'A', 3, 1.50f}, {Normativa::NTC2018, 'A', 4, 1.40f},
        {Normativa::NTC2018, 'B', 1, 1.45f}, {Normativa::NTC2018, 'B', 2, 1.35f}, {Normativa::NTC2018, 'B', Tipologia::CLT, 1.35f},
        {Normativa::NTC2018, 'B', 3, 1.40f}, {Normativa::NTC2018, 'B', 4, 1.30f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(Normative::Nome(c.normativa).toStdString() + " " + c.colonna + " type " + std::to_string(c.tipologia));
        const Coefficienti k = Coefficienti::Predefiniti(c.normativa, c.colonna);
        EXPECT_EQ(k.gammaMTipologia(c.tipologia), c.gammaM);
        EXPECT_EQ(std::isnan(GammaMUsato(k, c.tipologia)), c.gammaM == 0.0f) << "a type with no row never passes";
    }
    EXPECT_EQ(Coefficienti::Predefiniti(Normativa::NTC2018).gammaM.size(), 7u);
    EXPECT_EQ(Coefficienti::Predefiniti(Normativa::NTC2018, 'B').gammaM.back(), 1.00f) << "exceptional combinations";
    EXPECT_EQ(Coefficienti{}, Coefficienti::Predefiniti(Normativa::NTC2008)) << "the legacy set is NTC 2008";
    EXPECT_EQ(Coefficienti::Predefiniti(Normativa::NTC2008, 'B').colonnaGammaM, 'A') << "NTC 2008 has one column";

    Coefficienti k = Coefficienti::Predefiniti(Normativa::NTC2018);
    const float attesi[3][5] = {{0.60f, 0.70f, 0.80f, 0.90f, 1.00f}, {0.60f, 0.70f, 0.80f, 0.90f, 1.00f},
                                {0.50f, 0.55f, 0.65f, 0.70f, 0.90f}};
    for (int s = 1; s <= 3; ++s)
        for (int d = DurataCarico::Permanente; d <= DurataCarico::Istantanea; ++d) {
            k.classeServizio = s;
            EXPECT_EQ(k.valKmod(d), attesi[s - 1][d - 1]) << s << " " << d;
        }
    k.classeServizio = 1;
    EXPECT_EQ(Coefficienti::Predefiniti(Normativa::NTC2008).valKmod(DurataCarico::Istantanea), 1.10f);
    EXPECT_EQ(k.valKmod(0), 0.0f);
}

// The worked joint fails with permanent actions and passes with instantaneous ones: kmod follows
// the joint's class under both codes, and a permanent NTC 2008 joint keeps today's strengths.
TEST(Normativa, TheLoadDurationClassOfAJointChangesItsVerdict)
{
    for (Normativa n : {Normativa::NTC2008, Normativa::NTC2018}) {
        SCOPED_TRACE(Normative::Nome(n).toStdString());
        const AperturaCalcolo permanente = Verifica(Calcolo(n, CalcoliProva::CatenaPuntone(20)));
        const AperturaCalcolo istantanea =
            Verifica(Calcolo(n, CalcoliProva::CatenaPuntone(20), DurataCarico::Istantanea));
        ASSERT_TRUE(permanente.Accettato() && istantanea.Accettato());
        ASSERT_TRUE(permanente.verifiche[0].eseguita && istantanea.verifiche[0].eseguita);
        EXPECT_FALSE(TuttiPassano(Controlli(permanente, n)));
        EXPECT_TRUE(TuttiPassano(Controlli(istantanea, n)));
        const float kmod = Coefficienti::Predefiniti(n).valKmod(DurataCarico::Istantanea);
        EXPECT_EQ(Primo(istantanea).Asta->Item(1)->Res_Fvd, (4.0f * kmod) / 1.5f);
        EXPECT_EQ(Primo(permanente).Asta->Item(1)->Res_Fvd, (4.0f * 0.6f) / 1.5f);
        EXPECT_EQ(istantanea.durate.Di(Primo(istantanea)), DurataCarico::Istantanea);
    }
}

// tv ≤ h/4 up to 50°, h/6 past 60°, linear between; h/6 for a member notched from both sides.
TEST(Normativa, NotchDepthLimitFollowsTheAngleBetweenTheBars)
{
    struct Caso {
        double gamma;
        bool dueLati;
        double massimo;   // for h = 240
    };
    const Caso casi[] = {{30, false, 60}, {50, false, 60}, {55, false, 50}, {60, false, 40},
                         {61, false, 40}, {30, true, 40}};
    for (const Caso& c : casi)
        EXPECT_DOUBLE_EQ(DettagliCostruttivi::ProfonditaMassima(240, c.gamma, c.dueLati), c.massimo) << c.gamma;

    // The tie (h = 20 cm) under a rafter at 30°: 50 mm allowed.
    auto nodo = CalcoliProva::CatenaPuntone(5);
    nodo->tv = 6;
    const AperturaCalcolo a = Verifica(Calcolo(Normativa::NTC2018, nodo));
    ASSERT_TRUE(a.verifiche[0].eseguita);
    const std::vector<ControlloNodo> c = Controlli(a, Normativa::NTC2018);
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(c.front().nome, QStringLiteral("Profondità intaglio"));
    EXPECT_EQ(c.front().sollecitazione, 60.0f);
    EXPECT_EQ(c.front().resistenza, 50.0f);
    EXPECT_FALSE(c.front().esito) << "an exceeded limit is a failed check";
    EXPECT_TRUE(std::all_of(c.begin() + 1, c.end(), [](const ControlloNodo& x) { return x.esito; }));
    EXPECT_EQ(ControlliNodo(Primo(a), Normativa::NTC2008).size() + 1, c.size()) << "NTC 2008 has no depth check";

    // A king post notched by both rafters: h/6 of the post on each side.
    auto monaco = CalcoliProva::QuattroTipi().nodi[2];
    const auto limiti = DettagliCostruttivi::LimitiIntaglio(*monaco);
    ASSERT_EQ(limiti.size(), 2u);
    for (const auto& l : limiti) {
        EXPECT_TRUE(l.dueLati);
        EXPECT_FLOAT_EQ(l.tvMax, 200.0f / 6.0f);
    }
}

// Under NTC 2018 the heel shear counts at most 8·tv of the heel; the joint keeps the typed Lv.
TEST(Normativa, HeelShearIsComputedOverAtMostEightTimesTheNotchDepth)
{
    auto nodo = [] {
        auto n = CalcoliProva::CatenaPuntone(5);
        n->tv = 2;   // 8·tv = 16 cm < Lv = 20 cm
        return n;
    };
    const AperturaCalcolo a2008 = Verifica(Calcolo(Normativa::NTC2008, nodo()));
    const AperturaCalcolo a2018 = Verifica(Calcolo(Normativa::NTC2018, nodo()));
    ASSERT_TRUE(a2008.verifiche[0].eseguita && a2018.verifiche[0].eseguita);
    EXPECT_FLOAT_EQ(Primo(a2018).tau, Primo(a2008).tau * 20.0f / 16.0f);
    EXPECT_EQ(Primo(a2018).Lv, 20.0f);
    EXPECT_EQ(Primo(a2018).F1, Primo(a2008).F1) << "nothing else changes";
    EXPECT_TRUE(Relazione::NodoVerificato(Primo(a2018), Normativa::NTC2018));
    EXPECT_FALSE(Relazione::NodoVerificato(Primo(a2018), Normativa::NTC2008)) << "results of the other code";
    EXPECT_EQ(DettagliCostruttivi::LunghezzaEfficace(20, 3), 20.0f);
}

// A stress equal to the strength passes under NTC 2018 only; a notch exactly at its limit too.
TEST(Normativa, EqualityPassesUnderNtc2018Only)
{
    EXPECT_TRUE(Verificato(5.6f, 5.6f, Normativa::NTC2018));
    EXPECT_FALSE(Verificato(5.6f, 5.6f, Normativa::NTC2008));
    EXPECT_FALSE(Verificato(5.61f, 5.6f, Normativa::NTC2018));
    EXPECT_FALSE(Verificato(std::nanf(""), 5.6f, Normativa::NTC2018));

    auto nodo = CalcoliProva::CatenaPuntone(5);
    nodo->tv = 5;   // 50 mm: the limit of a 20 cm tie under 30°
    const AperturaCalcolo a = Verifica(Calcolo(Normativa::NTC2018, nodo));
    const std::vector<ControlloNodo> c = Controlli(a, Normativa::NTC2018);
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(c.front().sollecitazione, c.front().resistenza);
    EXPECT_TRUE(c.front().esito);
}

// Code, column, kmod table and each joint's class are saved and read back; a version-1 file
// is an NTC 2008 calculation whose kmod list is the permanent column.
TEST(Normativa, FilesKeepTheCodeTheTablesAndTheLoadClasses)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroTipi();
    c.coefficienti = Coefficienti::Predefiniti(Normativa::NTC2018, 'B');
    c.coefficienti.kmod[2][3] = 0.75f;
    c.durate.Imposta(c.nodi[1], DurataCarico::PerNome(QStringLiteral("Breve durata")));
    const QByteArray dati = FileCalcolo::Scrivi(c);
    EXPECT_TRUE(dati.contains("\"normativa\": \"NTC 2018\"")) << dati.toStdString();
    EXPECT_TRUE(dati.contains("\"colonnaGammaM\": \"B\""));
    EXPECT_TRUE(dati.contains("\"durataCarico\": \"Breve durata\""));
    const FileCalcolo::Lettura l = FileCalcolo::Leggi(dati);
    ASSERT_TRUE(l.calcolo) << l.errore.toStdString();
    EXPECT_EQ(l.calcolo->coefficienti, c.coefficienti);
    EXPECT_EQ(l.calcolo->durate.Di(*l.calcolo->nodi[1]), 4);
    EXPECT_EQ(l.calcolo->durate.Di(*l.calcolo->nodi[0]), DurataCarico::Permanente);
    EXPECT_EQ(FileCalcolo::Scrivi(*l.calcolo), dati);

    // Version 1: no code, three kmod values.
    const FileCalcolo::Lettura v1 = FileCalcolo::Leggi(
        CalcoliProva::ComeVersione1(FileCalcolo::Scrivi(CalcoliProva::QuattroTipi()), QJsonArray{0.6, 0.65, 0.5}));
    ASSERT_TRUE(v1.calcolo) << v1.errore.toStdString();
    EXPECT_EQ(v1.calcolo->coefficienti.normativa, Normativa::NTC2008);
    EXPECT_EQ(v1.calcolo->coefficienti.kmod[1][0], 0.65f);
    EXPECT_EQ(v1.calcolo->coefficienti.kmod[1][4], 1.10f) << "the other columns: the 2008 table";

    // Refused: an unknown code or class, column B or a CLT material under NTC 2008.
    struct Rifiuto {
        const char* caso;
        std::function<void(QJsonObject&)> modifica;
        const char* motivo;
    };
    const Rifiuto rifiuti[] = {
        {"unknown code", [](QJsonObject& r) { r[QStringLiteral("normativa")] = QStringLiteral("NTC 2028"); },
         "Normativa sconosciuta \"NTC 2028\""},
        {"column B under 2008",
         [](QJsonObject& r) {
             QJsonObject k = r[QStringLiteral("coefficienti")].toObject();
             k[QStringLiteral("colonnaGammaM")] = QStringLiteral("B");
             r[QStringLiteral("coefficienti")] = k;
         },
         "la colonna B dei coefficienti γM esiste solo nella NTC 2018."},
        {"unknown load class",
         SuPrimoNodo([](QJsonObject& n) { n[QStringLiteral("durataCarico")] = QStringLiteral("Eterna"); }),
         "Nodo N.1: classe di durata del carico sconosciuta \"Eterna\""},
        {"CLT under 2008",
         SuPrimoNodo([](QJsonObject& n) {
             QJsonArray aste = n[QStringLiteral("aste")].toArray();
             QJsonObject a = aste[1].toObject();
             QJsonObject m = a[QStringLiteral("materiale")].toObject();
             m[QStringLiteral("Tipologia")] = Tipologia::CLT;
             a[QStringLiteral("materiale")] = m;
             aste[1] = a;
             n[QStringLiteral("aste")] = aste;
         }),
         "Nodo N.1, Asta N.2: il materiale è di Tipologia \"Pannelli di tavole incollate a strati incrociati (CLT)\", "
         "che la NTC 2008 non prevede."},
    };
    for (const Rifiuto& r : rifiuti) {
        SCOPED_TRACE(r.caso);
        QJsonObject o = QJsonDocument::fromJson(FileCalcolo::Scrivi(CalcoliProva::QuattroTipi())).object();
        r.modifica(o);
        const FileCalcolo::Lettura esito = FileCalcolo::Leggi(QJsonDocument(o).toJson());
        EXPECT_FALSE(esito.calcolo.has_value());
        EXPECT_TRUE(esito.errore.contains(QString::fromUtf8(r.motivo))) << esito.errore.toStdString();
    }
}

// The command line names the code, each joint's class and the depth check in millimetres.
TEST(Normativa, CommandLineReportsTheCodeAndTheDepthCheck)
{
    QTemporaryDir cartella;
    auto nodo = CalcoliProva::CatenaPuntone(5);
    nodo->tv = 6;
    const QString percorso = cartella.filePath(QStringLiteral("c.trv"));
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(FileCalcolo::Scrivi(Calcolo(Normativa::NTC2018, nodo, DurataCarico::PerNome(QStringLiteral("Media durata")))));
    f.close();
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(LineaComando::Esegui({QStringLiteral("--verifica"), percorso, QStringLiteral("--json"), QStringLiteral("-")},
                                   o, e, {}),
              LineaComando::NonVerificato)
        << err.toStdString();
    const QJsonObject radice = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(radice.value(QStringLiteral("normativa")).toString(), QStringLiteral("NTC 2018"));
    const QJsonObject n = radice.value(QStringLiteral("nodi")).toArray().at(0).toObject();
    EXPECT_EQ(n.value(QStringLiteral("durataCarico")).toString(), QStringLiteral("Media durata"));
    EXPECT_EQ(n.value(QStringLiteral("esito")).toString(), QStringLiteral("NON VERIFICA"));
    const QJsonObject profondita = n.value(QStringLiteral("verifiche")).toArray().at(0).toObject();
    EXPECT_EQ(profondita.value(QStringLiteral("nome")).toString(), QStringLiteral("Profondità intaglio"));
    EXPECT_EQ(profondita.value(QStringLiteral("sollecitazione")).toDouble(), 60.0);
    EXPECT_EQ(profondita.value(QStringLiteral("resistenza")).toDouble(), 50.0);
    EXPECT_FALSE(profondita.value(QStringLiteral("esito")).toBool());
}
