// An opened calculation registered and verified by the core: every joint of the four types,
// the first refused joint named, and a large file in a fraction of a second.
#include "CalcoliProva.h"

#include "calcolo/AperturaCalcolo.h"
#include "calcolo/NodoVerificato.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <sys/stat.h>
#include <cmath>

namespace {

const float pi = static_cast<float>(4.0 * std::atan(1.0));

std::shared_ptr<clsGenVerNodi> Registro()
{
    return std::make_shared<clsGenVerNodi>([](const std::string&, bool) {});
}

TEST(AperturaCalcolo, EveryJointOfTheFourTypesIsRegisteredAndVerified)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroTipi();
    c.nodi.push_back(CalcoliProva::Nodo("", {}));   // added and never registered
    const AperturaCalcolo a = RegistraCalcolo(c, Registro(), c.coefficienti, pi);
    ASSERT_TRUE(a.Accettato()) << a.rifiuto.toStdString();
    ASSERT_EQ(a.registro->Nodi->Count(), 5);
    for (int n = 1; n <= 4; ++n) {
        const clsNodo& nodo = *a.registro->Nodi->Item(n);
        EXPECT_EQ(nodo.TipoNodo, c.nodi[static_cast<std::size_t>(n - 1)]->TipoNodo);
        EXPECT_TRUE(a.verifiche[static_cast<std::size_t>(n - 1)].eseguita) << n;
        EXPECT_TRUE(Relazione::NodoVerificato(nodo)) << n;
        EXPECT_GT(nodo.tens1, 0.0f) << n;
    }
    EXPECT_TRUE(a.registro->Nodi->Item(5)->TipoNodo.empty());
    EXPECT_FALSE(a.verifiche[4].eseguita);
    // The values of the saved record a type does not use are kept as saved.
    EXPECT_EQ(a.registro->Nodi->Item(2)->Lv, c.nodi[1]->Lv);
}

TEST(AperturaCalcolo, TheFirstJointTheValidationRefusesStopsTheRegistration)
{
    FileCalcolo::Calcolo c = CalcoliProva::QuattroTipi();
    c.nodi[2]->tv = 10;   // half the king post's depth
    const AperturaCalcolo a = RegistraCalcolo(c, Registro(), c.coefficienti, pi);
    EXPECT_FALSE(a.Accettato());
    EXPECT_EQ(a.nodoRifiutato, 3);
    EXPECT_EQ(a.rifiuto, QStringLiteral("La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza del Monaco"));
    EXPECT_EQ(a.registro->Nodi->Count(), 3) << "joints after the refused one are not read";
}

TEST(AperturaCalcolo, ARefusedVerificationKeepsTheJointRegistered)
{
    FileCalcolo::Calcolo c;
    c.nodi.push_back(CalcoliProva::CatenaPuntone(50));
    c.nodi.front()->Asta->Item(2)->Angolo = 0;   // zero decisive angle: the library refuses
    std::vector<std::string> messaggi;
    const AperturaCalcolo a = RegistraCalcolo(
        c, std::make_shared<clsGenVerNodi>([&](const std::string& t, bool) { messaggi.push_back(t); }), c.coefficienti, pi);
    ASSERT_TRUE(a.Accettato());
    EXPECT_FALSE(a.verifiche[0].eseguita);
    EXPECT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(a.registro->Nodi->Item(1)->TipoNodo, "Catena Puntone a Dente Semplice");
    EXPECT_FALSE(Relazione::NodoVerificato(*a.registro->Nodi->Item(1)));
}

TEST(AperturaCalcolo, AThousandJointsInAFractionOfASecond)
{
    FileCalcolo::Calcolo c;
    const FileCalcolo::Calcolo quattro = CalcoliProva::QuattroTipi();
    for (int i = 0; i < 1000; ++i)
        c.nodi.push_back(quattro.nodi[static_cast<std::size_t>(i % 4)]);
    const FileCalcolo::Lettura letta = FileCalcolo::Leggi(FileCalcolo::Scrivi(c));
    ASSERT_TRUE(letta.calcolo);
    const auto inizio = std::chrono::steady_clock::now();
    const AperturaCalcolo a = RegistraCalcolo(*letta.calcolo, Registro(), c.coefficienti, pi);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inizio);
    ASSERT_TRUE(a.Accettato());
    EXPECT_EQ(a.registro->Nodi->Count(), 1000);
#ifdef TREVON_SANITIZE
    const long limite = 2000;   // the sanitizers make every step several times slower
#else
    const long limite = 500;
#endif
    EXPECT_LT(ms.count(), limite) << "registering 1,000 joints took " << ms.count() << " ms";
    RecordProperty("ms", static_cast<int>(ms.count()));
}

}  // namespace

namespace {

// A FIFO blocked the program for ever, a link to /dev/zero read without end: only a regular
// file of at most 64 MB is read.
TEST(LetturaFile, OnlyARegularFileWithinTheLimitIsRead)
{
    QTemporaryDir cartella;
    const QString fifo = cartella.filePath(QStringLiteral("canale.trv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = cartella.filePath(QStringLiteral("zero.trv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString grande = cartella.filePath(QStringLiteral("grande.trv"));
    {
        QFile f(grande);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(FileCalcolo::MassimaDimensione + 1));   // sparse: no disk used
    }
    const QString buono = cartella.filePath(QStringLiteral("buono.trv"));
    {
        QFile f(buono);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(FileCalcolo::Scrivi(CalcoliProva::QuattroTipi()));
    }
    struct Caso { QString percorso; const char* motivo; };
    const Caso casi[] = {
        {fifo, "non indica un file ordinario"},
        {zero, "non indica un file ordinario"},
        {cartella.path(), "non indica un file ordinario"},
        {grande, "troppo grande per essere un Calcolo di Trevon-SL (al massimo 64 MB)"},
    };
    for (const Caso& c : casi) {
        const FileCalcolo::Lettura l = FileCalcolo::LeggiFile(c.percorso);
        EXPECT_FALSE(l.calcolo) << c.percorso.toStdString();
        EXPECT_TRUE(l.errore.contains(QString::fromUtf8(c.motivo))) << l.errore.toStdString();
    }
    EXPECT_TRUE(FileCalcolo::LeggiFile(buono).calcolo);
}

}  // namespace
