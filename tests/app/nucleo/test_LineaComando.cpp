// Verification from the command line: exit status, the JSON of the results, refusals in
// Italian on standard error, and the program itself run with no display.
#include "CalcoliProva.h"

#include "calcolo/LineaComando.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <gtest/gtest.h>

#include <set>
#include <sys/resource.h>

namespace {

class LineaComandoTest : public ::testing::Test {
protected:
    QString Scrivi(const FileCalcolo::Calcolo& c, const QString& nome = QStringLiteral("calcolo.trv"))
    {
        const QString percorso = cartella.filePath(nome);
        QFile f(percorso);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(FileCalcolo::Scrivi(c));
        return percorso;
    }

    int Esegui(const QStringList& argomenti, const LineaComando::ScrittorePdf& pdf = {})
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return LineaComando::Esegui(argomenti, o, e, pdf);
    }

    // The program's environment with no display and no platform chosen, at home in the folder.
    QProcessEnvironment SenzaSchermo() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("HOME"), cartella.path());
        return env;
    }

    QJsonArray Nodi() const { return QJsonDocument::fromJson(out.toUtf8()).object().value(QStringLiteral("nodi")).toArray(); }

    QTemporaryDir cartella;
    QString out, err;
};

// A passing and a failing joint: status 1, and each joint's verdict follows its checks.
TEST_F(LineaComandoTest, APassingAndAFailingJointGiveStatusOneAndTheirChecks)
{
    FileCalcolo::Calcolo c;
    c.nodi.push_back(CalcoliProva::CatenaPuntone(5));
    c.nodi.push_back(CalcoliProva::CatenaPuntone(80));
    c.nodi.back()->ReazioneY = 30;
    c.nodi.back()->LunghezzaAppoggio = 15;
    ASSERT_EQ(Esegui({QStringLiteral("--verifica"), Scrivi(c), QStringLiteral("--json"), QStringLiteral("-")}),
              LineaComando::NonVerificato)
        << err.toStdString();
    const QJsonObject radice = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(radice.value(QStringLiteral("formato")).toString(), QStringLiteral("Trevon-SL Esito"));
    EXPECT_EQ(radice.value(QStringLiteral("versione")).toInt(), 1);
    const QJsonArray nodi = Nodi();
    ASSERT_EQ(nodi.size(), 2);

    const QJsonObject primo = nodi.at(0).toObject();
    EXPECT_EQ(primo.value(QStringLiteral("numero")).toInt(), 1);
    EXPECT_EQ(primo.value(QStringLiteral("tipo")).toString(), QStringLiteral("Catena Puntone a Dente Semplice"));
    EXPECT_EQ(primo.value(QStringLiteral("esito")).toString(), QStringLiteral("VERIFICA"));
    EXPECT_EQ(primo.value(QStringLiteral("verifiche")).toArray().size(), 3) << "faces and heel, no support";
    // Only what the verification writes: without a support there is no support stress.
    const QJsonObject r1 = primo.value(QStringLiteral("risultati")).toObject();
    EXPECT_TRUE(r1.contains(QStringLiteral("F1")));
    EXPECT_TRUE(r1.contains(QStringLiteral("tau")));
    EXPECT_FALSE(r1.contains(QStringLiteral("tens3")));
    EXPECT_FALSE(r1.contains(QStringLiteral("F1B")));

    const QJsonObject secondo = nodi.at(1).toObject();
    EXPECT_EQ(secondo.value(QStringLiteral("esito")).toString(), QStringLiteral("NON VERIFICA"));
    const QJsonArray verifiche = secondo.value(QStringLiteral("verifiche")).toArray();
    ASSERT_EQ(verifiche.size(), 4) << "with the support check";
    const QJsonObject r2 = secondo.value(QStringLiteral("risultati")).toObject();
    EXPECT_TRUE(r2.contains(QStringLiteral("tens3")));
    bool unaFallita = false;
    double etaMassima = -1;
    QString governa;
    for (const QJsonValue& v : verifiche) {
        const QJsonObject o = v.toObject();
        const double s = o.value(QStringLiteral("sollecitazione")).toDouble();
        const double f = o.value(QStringLiteral("resistenza")).toDouble();
        EXPECT_EQ(o.value(QStringLiteral("esito")).toBool(), s < f) << o.value(QStringLiteral("nome")).toString().toStdString();
        unaFallita = unaFallita || !o.value(QStringLiteral("esito")).toBool();
        // The utilisation in percent, one decimal as the report prints it.
        const double eta = o.value(QStringLiteral("eta")).toDouble(-1);
        EXPECT_NEAR(eta, 100.0 * s / f, 0.05 + 1e-9) << o.value(QStringLiteral("nome")).toString().toStdString();
        EXPECT_DOUBLE_EQ(eta * 10.0, std::round(eta * 10.0));
        if (eta > etaMassima) {
            etaMassima = eta;
            governa = o.value(QStringLiteral("nome")).toString();
        }
    }
    EXPECT_TRUE(unaFallita);
    EXPECT_GT(etaMassima, 100.0);
    // The governing check: the one of highest utilisation.
    const QJsonObject determinante = secondo.value(QStringLiteral("determinante")).toObject();
    EXPECT_EQ(determinante.value(QStringLiteral("nome")).toString(), governa);
    EXPECT_DOUBLE_EQ(determinante.value(QStringLiteral("eta")).toDouble(), etaMassima);
    // The first check is face 1: its stress is the stored tens1.
    EXPECT_EQ(verifiche.at(0).toObject().value(QStringLiteral("sollecitazione")).toDouble(),
              r2.value(QStringLiteral("tens1")).toDouble());
}

TEST_F(LineaComandoTest, FourPassingTypesGiveStatusZeroWithEveryCheckOfTheirReport)
{
    const QString json = cartella.filePath(QStringLiteral("esito.json"));
    ASSERT_EQ(Esegui({QStringLiteral("--verifica"), Scrivi(CalcoliProva::QuattroTipi()), QStringLiteral("--json"), json}),
              LineaComando::TuttoVerificato)
        << err.toStdString();
    QFile f(json);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    out = QString::fromUtf8(f.readAll());
    const QJsonArray nodi = Nodi();
    ASSERT_EQ(nodi.size(), 4);
    const int attese[] = {3, 2, 4, 4};   // tie–rafter faces and heel; rafter–strut faces; king post both sides
    for (int i = 0; i < 4; ++i) {
        const QJsonObject n = nodi.at(i).toObject();
        EXPECT_EQ(n.value(QStringLiteral("esito")).toString(), QStringLiteral("VERIFICA")) << i;
        EXPECT_EQ(n.value(QStringLiteral("verifiche")).toArray().size(), attese[i]) << i;
    }
    EXPECT_TRUE(nodi.at(2).toObject().value(QStringLiteral("risultati")).toObject().contains(QStringLiteral("tens1B")));
}

// The rear-step types on the command line: one face per notch, the heel and support of the
// tie–rafter, and only the results their verification writes.
TEST_F(LineaComandoTest, RearStepTypesGiveOneFaceCheckPerNotch)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroArretrati();
    c.nodi[0]->ReazioneY = 10;
    c.nodi[0]->LunghezzaAppoggio = 15;
    // A strut square to the rafter leaves a rear step no depth at all (the library's limit is 0):
    // the strut is inclined so that θ = 120°.
    c.nodi[1]->Asta->Item(3)->Angolo = 30;
    ASSERT_EQ(Esegui({QStringLiteral("--verifica"), Scrivi(c), QStringLiteral("--json"), QStringLiteral("-")}),
              LineaComando::TuttoVerificato)
        << err.toStdString() << out.toStdString();
    const QJsonArray nodi = Nodi();
    ASSERT_EQ(nodi.size(), 4);
    const std::vector<QStringList> attese = {
        {QStringLiteral("Intaglio SX: compressione inclinata F1"), QStringLiteral("Taglio tallone"),
         QStringLiteral("Appoggio compressione perpendicolare alla fibratura")},
        {QStringLiteral("Intaglio SUP: compressione inclinata F1")},
        {QStringLiteral("Saetta di sinistra, Intaglio SUP: compressione inclinata F1"),
         QStringLiteral("Saetta di destra, Intaglio SUP: compressione inclinata F1")},
        {QStringLiteral("Saetta di sinistra, Intaglio INF: compressione inclinata F1"),
         QStringLiteral("Saetta di destra, Intaglio INF: compressione inclinata F1")},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QJsonObject n = nodi.at(i).toObject();
        EXPECT_EQ(n.value(QStringLiteral("esito")).toString(), QStringLiteral("VERIFICA"));
        QStringList nomi;
        for (const QJsonValue& v : n.value(QStringLiteral("verifiche")).toArray())
            nomi << v.toObject().value(QStringLiteral("nome")).toString();
        EXPECT_EQ(nomi, attese[static_cast<std::size_t>(i)]);
        const QJsonObject r = n.value(QStringLiteral("risultati")).toObject();
        EXPECT_TRUE(r.contains(QStringLiteral("tens1")));
        for (const char* mai : {"F2", "tens2", "beta", "tens2B"})
            EXPECT_FALSE(r.contains(QLatin1String(mai))) << mai;
    }
}

TEST_F(LineaComandoTest, JointsNotVerifiedAreNamedWithTheirReason)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroTipi();
    c.nodi[0]->Asta->Item(2)->Angolo = 0;           // the library refuses a zero decisive angle
    c.nodi.push_back(CalcoliProva::Nodo("", {}));   // never registered
    ASSERT_EQ(Esegui({QStringLiteral("--verifica"), Scrivi(c), QStringLiteral("--json"), QStringLiteral("-")}),
              LineaComando::NonVerificato);
    const QJsonArray nodi = Nodi();
    ASSERT_EQ(nodi.size(), 5);
    for (int i : {0, 4}) {
        const QJsonObject n = nodi.at(i).toObject();
        EXPECT_EQ(n.value(QStringLiteral("esito")).toString(), QStringLiteral("NON ESEGUITA")) << i;
        EXPECT_FALSE(n.value(QStringLiteral("messaggio")).toString().isEmpty()) << i;
        EXPECT_TRUE(n.value(QStringLiteral("verifiche")).toArray().isEmpty()) << i;
    }
}

TEST_F(LineaComandoTest, RefusedArgumentsFilesAndJointsGiveStatusTwoAndTheReason)
{
    FileCalcolo::Calcolo profondo = CalcoliProva::QuattroTipi();
    profondo.nodi[0]->tv = 10;   // the editor's validation refuses it; the file's reader does not
    const QString trv = Scrivi(CalcoliProva::QuattroTipi(), QStringLiteral("buono.trv"));
    struct Caso { QStringList argomenti; const char* motivo; };
    const Caso casi[] = {
        {{}, "Indicare il Calcolo da verificare"},
        {{QStringLiteral("--verifica")}, "Manca il file dopo --verifica"},
        {{QStringLiteral("--verifica"), trv, QStringLiteral("--xml")}, "Argomento sconosciuto: --xml"},
        {{QStringLiteral("--verifica"), trv, QStringLiteral("--pdf"), QStringLiteral("-")}, "non sullo standard output"},
        {{QStringLiteral("--verifica"), cartella.filePath(QStringLiteral("manca.trv"))}, "Il file non può essere letto"},
        {{QStringLiteral("--verifica"), Scrivi(profondo, QStringLiteral("profondo.trv"))},
         "Il Nodo N.1 non supera il controllo dei dati:\nLa Misura dell'Intaglio tv deve essere MINORE"},
        {{QStringLiteral("--verifica"), trv, QStringLiteral("--json"), cartella.filePath(QStringLiteral("no/esito.json"))},
         "Impossibile scrivere i risultati nel file"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(Esegui(c.argomenti), LineaComando::Rifiutato) << c.motivo;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.motivo))) << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << c.motivo;
    }
    EXPECT_EQ(Esegui({QStringLiteral("--verifica"), trv, QStringLiteral("--pdf"), cartella.filePath(QStringLiteral("r.pdf"))},
                     [](const clsGenVerNodi&, const Coefficienti&, const TipologieMateriali&, const DurateCarico&, const DatiProgetto&,
                        const QString&, QString& e) {
                         e = QStringLiteral("disco pieno");
                         return false;
                     }),
              LineaComando::Rifiutato);
    EXPECT_TRUE(err.contains(QStringLiteral("disco pieno")));
}

TEST_F(LineaComandoTest, HelpPrintsTheUsage)
{
    EXPECT_TRUE(LineaComando::Richiesta({QStringLiteral("--verfica"), QStringLiteral("a.trv")})) << "a typo is refused, no window";
    EXPECT_FALSE(LineaComando::Richiesta({QStringLiteral("-platform"), QStringLiteral("xcb")}));
    EXPECT_FALSE(LineaComando::Richiesta({}));
    EXPECT_EQ(Esegui({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Uso: Trevon-SL --verifica CALCOLO.trv")));
}

// The program itself, with no display and no platform chosen: it opens no window, writes the
// JSON and the complete report, and exits with the status of the joints.
TEST_F(LineaComandoTest, TheProgramRunsWithoutADisplay)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroTipi();
    c.nodi.push_back(CalcoliProva::CatenaPuntone(80));
    const QString json = cartella.filePath(QStringLiteral("esito.json"));
    const QString pdf = cartella.filePath(QStringLiteral("relazione.pdf"));
    QProcess p;
    p.setProcessEnvironment(SenzaSchermo());
    p.start(QStringLiteral(TREVON_PROGRAMMA),
            {QStringLiteral("--verifica"), Scrivi(c), QStringLiteral("--json"), json, QStringLiteral("--pdf"), pdf});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), LineaComando::NonVerificato) << p.readAllStandardError().toStdString();
    QFile f(json);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    out = QString::fromUtf8(f.readAll());
    const QJsonArray nodi = Nodi();
    ASSERT_EQ(nodi.size(), 5);
    EXPECT_EQ(nodi.at(4).toObject().value(QStringLiteral("esito")).toString(), QStringLiteral("NON VERIFICA"));
    QFile r(pdf);
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    const QByteArray testa = r.read(5);
    EXPECT_EQ(testa, QByteArray("%PDF-"));
    EXPECT_GT(r.size(), 5000);
}

// The windows without a display: one Italian line saying how to run it, a non-zero status,
// not Qt's abort.
TEST_F(LineaComandoTest, TheWindowsWithoutADisplaySayWhatToDo)
{
    QProcess p;
    p.setProcessEnvironment(SenzaSchermo());
    p.start(QStringLiteral(TREVON_PROGRAMMA), QStringList());
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "not an abort";
    EXPECT_NE(p.exitCode(), 0);
    const QString errore = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    EXPECT_EQ(errore.count(QLatin1Char('\n')), 0) << errore.toStdString();
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Trevon-SL: nessuno schermo disponibile"))) << errore.toStdString();
    EXPECT_TRUE(errore.contains(QStringLiteral("xvfb-run")));
}

}  // namespace

// The program under a file-size limit too small for its PDF: the write fails with a reason
// and status 2, the program is not killed by the signal and leaves no file.
TEST_F(LineaComandoTest, ThePdfPastAFileSizeLimitIsRefusedNotAKill)
{
    const QString pdf = cartella.filePath(QStringLiteral("relazione.pdf"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), cartella.path());
    p.setProcessEnvironment(env);
    p.setChildProcessModifier([] {
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        limite.rlim_cur = 8192;
        setrlimit(RLIMIT_FSIZE, &limite);
    });
    p.start(QStringLiteral(TREVON_PROGRAMMA),
            {QStringLiteral("--verifica"), Scrivi(CalcoliProva::QuattroTipi()), QStringLiteral("--pdf"), pdf});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "not killed by SIGXFSZ";
    EXPECT_EQ(p.exitCode(), LineaComando::Rifiutato);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Superato il limite di dimensione dei file.")));
    EXPECT_FALSE(QFile::exists(pdf));
}
