#include "AvvisiProva.h"

#include "comune/CartellaProposta.h"
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace ModuloTrevon;

namespace {

// The desktop opener replaced by a shell one-liner; the target arrives as "$1".
class ApriDocumentoProva : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        documento = cartella.filePath(QStringLiteral("relazione.pdf"));
        QFile f(documento);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void TearDown() override { ImpostaApritore({}); }

    void apritoreCheEsce(int stato)
    {
        ImpostaApritore(QStringLiteral("/bin/sh"),
                        {QStringLiteral("-c"), QStringLiteral("exit %1").arg(stato), QStringLiteral("apritore")});
    }

    QStringList testi() const
    {
        QStringList t;
        for (const auto& r : avvisi.ricevuti)
            t << r.avviso.testo;
        return t;
    }

    QTemporaryDir cartella;
    QString documento;
    AvvisiProva avvisi;
};

}  // namespace

TEST_F(ApriDocumentoProva, OpenerOutcomesGiveTheMessagesOfTheirCodes)
{
    struct Caso {
        const char* nome;
        int uscita;
        QString messaggio;   // empty: opened, no message
    };
    const Caso casi[] = {
        {"opened", 0, {}},
        {"target missing (code 2)", 2, QStringLiteral("File non trovato.")},
        {"no program for it (code 31)", 3,
         QStringLiteral("Nessun Programma installato nel PC è dedicato ad aprire file con estensione .PDF")},
        {"syntax error", 1, QStringLiteral("Errore non individuabile nell'apertura del File")},
        {"action failed", 4, QStringLiteral("Errore non individuabile nell'apertura del File")},
        {"other status", 77, QStringLiteral("Errore non individuabile nell'apertura del File")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        avvisi.ricevuti.clear();
        apritoreCheEsce(caso.uscita);
        ApriDocumento(documento);
        if (caso.messaggio.isEmpty()) {
            EXPECT_TRUE(avvisi.ricevuti.empty());
            continue;
        }
        ASSERT_EQ(avvisi.ricevuti.size(), 1u);
        const Avviso& a = avvisi.ricevuti[0].avviso;
        EXPECT_EQ(a.testo, caso.messaggio);
        EXPECT_EQ(a.pulsanti, Pulsanti::OK);
        EXPECT_EQ(a.icona, Icona::Nessuna);
        EXPECT_EQ(a.titolo, QStringLiteral("Trevon-SL"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(ApriDocumentoProva, OpenerKilledCountsAsUnknownError)
{
    ImpostaApritore(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $$"),
                                                QStringLiteral("apritore")});
    ApriDocumento(documento);
    EXPECT_EQ(testi(), QStringList{QStringLiteral("Errore non individuabile nell'apertura del File")});
}

TEST_F(ApriDocumentoProva, CodeThirtyOneShowsTheLastFourCharactersInUpperCase)
{
    const QString foglio = cartella.filePath(QStringLiteral("calcolo.xlsx"));
    QFile f(foglio);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    apritoreCheEsce(3);
    ApriDocumento(foglio);
    EXPECT_EQ(testi(), QStringList{QStringLiteral(
                           "Nessun Programma installato nel PC è dedicato ad aprire file con estensione XLSX")});
}

// No opener can be started (no xdg-open): the desktop's services are tried; when they fail
// too, one box names the file (there were two, one of them speaking of Windows).
TEST_F(ApriDocumentoProva, OpenerThatCannotStartFallsBackThenNamesTheFile)
{
    ImpostaApritore(cartella.filePath(QStringLiteral("nessun-apritore")));
    QList<QUrl> chiesti;
    ImpostaApritoreDiRiserva([&chiesti](const QUrl& u) {
        chiesti << u;
        return false;
    });
    ApriDocumento(documento);
    ASSERT_EQ(chiesti.size(), 1);
    EXPECT_EQ(chiesti[0], QUrl::fromLocalFile(QFileInfo(documento).absoluteFilePath()));
    EXPECT_EQ(testi(), QStringList{QStringLiteral("Impossibile aprire il file:\n") + documento +
                                   QStringLiteral("\n\nNessun programma del sistema è in grado di aprirlo "
                                                  "(il programma xdg-open non è disponibile).")});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    avvisi.ricevuti.clear();

    ImpostaApritoreDiRiserva([](const QUrl&) { return true; });
    ApriDocumento(documento);
    EXPECT_TRUE(testi().isEmpty()) << "opened by the desktop's services: nothing to say";
    ImpostaApritoreDiRiserva({});
}

TEST_F(ApriDocumentoProva, MissingLocalFileBeepsAndNeverCallsTheOpener)
{
    const QString traccia = cartella.filePath(QStringLiteral("chiamato"));
    ImpostaApritore(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("touch \"$0\""), traccia});
    const QString mancante = cartella.filePath(QStringLiteral("manca.pdf"));
    ApriDocumento(mancante);
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.testo,
              QStringLiteral("Il file specificato:\n") + mancante +
                  QStringLiteral("\nNon esiste nell'Archivio Server."));
    EXPECT_EQ(avvisi.ricevuti[0].beepPrima, 1);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.pulsanti, Pulsanti::OK);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.icona, Icona::Nessuna);
    EXPECT_FALSE(QFile::exists(traccia));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ApriDocumentoProva, AddressesSkipTheExistenceTestAndArriveAsOneVerbatimArgument)
{
    const QString ricevuto = cartella.filePath(QStringLiteral("argomento"));
    // The opener writes what it got as $1 and the number of its arguments.
    ImpostaApritore(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("printf '%s|%s' \"$#\" \"$1\" > \"$0\""), ricevuto});
    const QString indirizzi[] = {
        QStringLiteral("https://www.example.org/a b?x=1&y='2';$(touch nope)"),
        QStringLiteral("mailto:ufficio@example.org"),
        QStringLiteral("http:"),
    };
    for (const QString& indirizzo : indirizzi) {
        SCOPED_TRACE(indirizzo.toStdString());
        QFile::remove(ricevuto);
        ApriDocumento(indirizzo);
        EXPECT_TRUE(avvisi.ricevuti.empty());
        QFile f(ricevuto);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("1|") + indirizzo);
    }
    EXPECT_FALSE(QFile::exists(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("nope"))));
}

TEST_F(ApriDocumentoProva, PrefixesAreCaseSensitive)
{
    apritoreCheEsce(0);
    ApriDocumento(QStringLiteral("HTTP://www.example.org"));
    ApriDocumento(QStringLiteral("Mailto:ufficio@example.org"));
    ASSERT_EQ(avvisi.ricevuti.size(), 2u);
    EXPECT_TRUE(avvisi.ricevuti[0].avviso.testo.startsWith(QStringLiteral("Il file specificato:\nHTTP://")));
    EXPECT_TRUE(avvisi.ricevuti[1].avviso.testo.startsWith(QStringLiteral("Il file specificato:\nMailto:")));
}

TEST_F(ApriDocumentoProva, OpenerStillRunningAfterTheWaitCountsAsOpened)
{
    // A generic launcher keeps xdg-open in the foreground while the viewer is open.
    ImpostaApritore(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("sleep 4; exit 4"),
                                                QStringLiteral("apritore")});
    ApriDocumento(documento);
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The folder a dialog proposes always exists: the last one used, Documents, or home.
TEST(CartellaProposta, AlwaysAFolderThatExists)
{
    QTemporaryDir cartella;
    EXPECT_EQ(CartellaProposta(cartella.path()), cartella.path());
    const QString proposta = CartellaProposta(cartella.filePath(QStringLiteral("sparita")));
    EXPECT_TRUE(QFileInfo(proposta).isDir()) << proposta.toStdString();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documenti).isDir()) {
        EXPECT_EQ(proposta, QDir::homePath());
    }
}
