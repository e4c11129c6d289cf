// Reports leaving the program: the current joint's and the whole calculation's, printed and
// exported to PDF, read back with pdftotext.
#include "GestioneProva.h"
#include "TestoPdf.h"

#include "comune/Avanzamento.h"
#include "editor/DialoghiRelazione.h"
#include "editor/frmDatiProgetto.h"
#include "calcolo/CalcoloInCorso.h"
#include "report/DocumentoRelazione.h"
#include "report/ImpaginatoreRelazione.h"
#include "calcolo/NodoVerificato.h"

#include <QAction>
#include <QDate>
#include <QDir>

#include <sys/resource.h>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QPdfWriter>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>

using ModuloTrevon::Icona;

namespace {

class RelazioniTest : public GestioneTest {
protected:
    void SetUp() override
    {
        GestioneTest::SetUp();
        // Settings of this test alone: ctest runs the cases in parallel processes.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
        DialoghiRelazione::ImpostaSceltaFile([this](const QString& proposto) {
            proposti << proposto;
            return scelto;
        });
        DialoghiRelazione::ImpostaSceltaStampante([this](QPrinter& stampante) {
            ++dialoghiStampa;
            if (stampato.isEmpty())
                return false;
            stampante.setOutputFormat(QPrinter::PdfFormat);
            stampante.setOutputFileName(stampato);
            return true;
        });
    }
    void TearDown() override
    {
        DialoghiRelazione::ImpostaSceltaFile({});
        DialoghiRelazione::ImpostaSceltaStampante({});
        GestioneTest::TearDown();
    }

    void Registra()
    {
        f->Command8->click();
        ASSERT_TRUE(Presi().empty());
        ASSERT_EQ(f->SSTab1->currentIndex(), 1) << "the joint was not verified";
    }
    // Joint 1 tie–rafter and joint 2 rafter–strut, both verified; joint 3 added, never typed.
    void TreNodi()
    {
        CatenaPuntone();
        Registra();
        f->Command3->click();
        PuntoneSaetta();
        Registra();
        f->Command3->click();
        ASSERT_EQ(Totale(), 3);
    }
    QString Pdf(const QString& nome) const { return cartella.filePath(nome); }

    QTemporaryDir impostazioni;
    QTemporaryDir cartella;
    QString scelto;          // the path the save dialog returns ("" = cancelled)
    QString stampato;        // where the printer writes ("" = print dialog cancelled)
    QStringList proposti;    // the paths the save dialog was opened on
    int dialoghiStampa = 0;
};

TEST_F(RelazioniTest, ExportedReportOfAVerifiedJointHoldsTheReportOnOnePage)
{
    CatenaPuntone();
    Registra();
    scelto = Pdf(QStringLiteral("nodo.pdf"));
    const QString predefinito = QDir(frmNodi::CartellaRelazioni()).filePath(QStringLiteral("Relazione Nodo 1.pdf"));
    f->cmdEsportaPdf->click();
    ASSERT_TRUE(Presi().empty());

    ASSERT_EQ(proposti.size(), 1);
    EXPECT_EQ(proposti[0], predefinito);
    ASSERT_TRUE(QFile::exists(scelto));
    const QStringList pagine = PagineTestoPdf(scelto);
    ASSERT_EQ(pagine.size(), 1);
    const QString pagina = Semplice(pagine[0]);
    // Every line of the report on screen, in its order, Greek letters and verdicts included.
    qsizetype da = 0;
    for (const QString& riga : Relazione().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype dove = pagina.indexOf(Semplice(riga), da);
        ASSERT_GE(dove, 0) << "missing or out of order: " << riga.toStdString();
        da = dove;
    }
    EXPECT_TRUE(pagina.contains(QStringLiteral(u"σ = ")));
    EXPECT_TRUE(pagina.contains(QStringLiteral(u"Nodo N. 1 – Catena Puntone a Dente Semplice")));
    EXPECT_TRUE(pagina.contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    EXPECT_TRUE(pagina.contains(QStringLiteral("Pagina 1 di 1")));
    // The folder is remembered for the next export.
    f->cmdEsportaPdf->click();
    ASSERT_EQ(proposti.size(), 2);
    EXPECT_EQ(proposti[1], Pdf(QStringLiteral("Relazione Nodo 1.pdf")));
}

TEST_F(RelazioniTest, CompleteReportGivesEveryJointItsOwnPagesInOrder)
{
    TreNodi();
    scelto = Pdf(QStringLiteral("tutti.pdf"));
    f->actEsportaCompleta->trigger();
    ASSERT_TRUE(Presi().empty());
    ASSERT_EQ(proposti.size(), 1);
    EXPECT_TRUE(proposti[0].endsWith(QStringLiteral("/Relazione Nodi.pdf")));

    const QStringList pagine = PagineTestoPdf(scelto);
    ASSERT_EQ(pagine.size(), 3);
    const char* const tipi[3] = {"Catena Puntone a Dente Semplice", "Puntone Saetta a Dente Semplice", nullptr};
    for (int i = 0; i < 3; ++i) {
        const QString p = Semplice(pagine[i]);
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(p.contains(QStringLiteral("VERIFICA NODO N.%1").arg(i + 1)));
        EXPECT_TRUE(p.contains(QStringLiteral("Pagina %1 di 3").arg(i + 1)));
        for (int j = 1; j <= 3; ++j) {
            if (j != i + 1) {
                EXPECT_FALSE(p.contains(QStringLiteral("VERIFICA NODO N.%1").arg(j)));
            }
        }
        if (tipi[i]) {
            EXPECT_TRUE(p.contains(QStringLiteral("Tipologia Nodo: ") + QLatin1String(tipi[i])));
            EXPECT_FALSE(p.contains(QStringLiteral("Nodo non verificato")));
            EXPECT_TRUE(p.contains(QStringLiteral("Verifica a Compressione Inclinata rispetto le fibrature")));
        } else {
            EXPECT_TRUE(p.contains(QStringLiteral("Nodo non verificato")));
            EXPECT_FALSE(p.contains(QStringLiteral("Tipologia Nodo")));
        }
    }
    // Only the joint-2 page holds the strut; the tie–rafter page has the heel check.
    EXPECT_TRUE(Semplice(pagine[0]).contains(QStringLiteral("Verifica a Taglio - tallone")));
    EXPECT_FALSE(Semplice(pagine[1]).contains(QStringLiteral("Verifica a Taglio - tallone")));
}

// Laying out and painting the pages of the complete report show their progress (two steps a
// joint); "Annulla" there leaves the file as it was and says nothing, as the user asked.
TEST_F(RelazioniTest, TheCompleteExportShowsItsPagesProgressAndCanBeCancelled)
{
    TreNodi();
    scelto = Pdf(QStringLiteral("tutti.pdf"));
    {
        QFile vecchio(scelto);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("vecchio");
    }
    std::vector<std::pair<int, int>> passi;
    bool annulla = true;
    Avanzamento::ImpostaRisponditore([&](int fatti, int totale) {
        if (totale == 6)   // the pages' steps; the composition counts the 3 joints
            passi.emplace_back(fatti, totale);
        return !(annulla && totale == 6 && fatti == 4);
    });
    f->actEsportaCompleta->trigger();
    EXPECT_TRUE(Presi().empty());
    ASSERT_FALSE(passi.empty());
    EXPECT_EQ(passi.front(), std::make_pair(0, 6));
    EXPECT_EQ(passi.back(), std::make_pair(4, 6));
    {
        QFile dopo(scelto);
        ASSERT_TRUE(dopo.open(QIODevice::ReadOnly));
        EXPECT_EQ(dopo.readAll(), QByteArray("vecchio"));
    }

    passi.clear();
    annulla = false;
    f->actEsportaCompleta->trigger();
    Avanzamento::ImpostaRisponditore({});
    EXPECT_TRUE(Presi().empty());
    ASSERT_FALSE(passi.empty());
    EXPECT_EQ(passi.back(), std::make_pair(5, 6));
    EXPECT_EQ(PagineTestoPdf(scelto).size(), 3);
}

TEST_F(RelazioniTest, PrintingGoesThroughThePrintDialog)
{
    CatenaPuntone();
    Registra();
    f->cmdStampaRelazione->click();   // dialog cancelled: nothing printed
    EXPECT_EQ(dialoghiStampa, 1);
    stampato = Pdf(QStringLiteral("stampa.pdf"));
    f->cmdStampaRelazione->click();
    EXPECT_EQ(dialoghiStampa, 2);
    QStringList pagine = PagineTestoPdf(stampato);
    ASSERT_EQ(pagine.size(), 1);
    EXPECT_TRUE(Semplice(pagine[0]).contains(QStringLiteral("VERIFICA NODO N.1")));

    f->Command3->click();   // joint 2, never verified
    f->actStampaCompleta->trigger();
    EXPECT_EQ(dialoghiStampa, 3);
    pagine = PagineTestoPdf(stampato);
    ASSERT_EQ(pagine.size(), 2);
    EXPECT_TRUE(Semplice(pagine[1]).contains(QStringLiteral("Nodo non verificato")));
    EXPECT_TRUE(proposti.isEmpty());
}

TEST_F(RelazioniTest, AJointNotVerifiedIsNotPrintedAlone)
{
    CatenaPuntone();   // typed, not registered
    scelto = Pdf(QStringLiteral("x.pdf"));
    stampato = Pdf(QStringLiteral("y.pdf"));
    f->cmdEsportaPdf->click();
    f->cmdStampaRelazione->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 2u);
    for (const auto& a : presi) {
        EXPECT_EQ(a.testo, QStringLiteral("Il Nodo N.1 non risulta verificato.\nRegistrare e verificare il nodo "
                                          "prima di stamparne o esportarne la relazione."));
        EXPECT_EQ(a.icona, Icona::Informazione);
    }
    EXPECT_TRUE(proposti.isEmpty());
    EXPECT_EQ(dialoghiStampa, 0);
    EXPECT_TRUE(QDir(cartella.path()).isEmpty());
}

// Which joints count as verified: the stored results must be those of its registered data.
TEST_F(RelazioniTest, AJointIsVerifiedOnlyWhileItsResultsMatchItsData)
{
    CatenaPuntone();
    bool procedi = true;
    f->registraDatiNodo(procedi);
    ASSERT_TRUE(procedi);
    EXPECT_FALSE(Relazione::NodoVerificato(Nodo(1))) << "registered, never verified";

    f->AvviaVerifica(procedi);
    ASSERT_TRUE(procedi);
    EXPECT_TRUE(Relazione::NodoVerificato(Nodo(1)));

    Batti(f->txtNAsta[2], QStringLiteral("80"));
    f->registraDatiNodo(procedi);
    ASSERT_TRUE(procedi);
    EXPECT_FALSE(Relazione::NodoVerificato(Nodo(1))) << "registered again after its verification";
    f->AvviaVerifica(procedi);
    EXPECT_TRUE(Relazione::NodoVerificato(Nodo(1)));

    clsNodo altroTipo = Nodo(1);
    altroTipo.TipoNodo = "Catena Puntone a Doppio Dente";
    EXPECT_FALSE(Relazione::NodoVerificato(altroTipo)) << "a type the editor does not verify";
    altroTipo.TipoNodo = "Catena Puntone a Dente Arretrato";
    EXPECT_FALSE(Relazione::NodoVerificato(altroTipo)) << "results of the single step, not of the rear step";
    clsNodo senzaAste = Nodo(1);
    senzaAste.Asta = std::make_shared<Collezione<clsAsta>>();
    EXPECT_FALSE(Relazione::NodoVerificato(senzaAste));

    // Data its verification refuses (a rafter at 0°: no decisive inclination), with the
    // results of an earlier verification still stored.
    clsNodo rifiutato = Nodo(1);
    rifiutato.Asta = std::make_shared<Collezione<clsAsta>>();
    for (int k = 1; k <= Nodo(1).Asta->Count(); ++k)
        rifiutato.Asta->Add(std::make_shared<clsAsta>(*Nodo(1).Asta->Item(k)));
    rifiutato.Asta->Item(2)->Angolo = 0;
    EXPECT_FALSE(Relazione::NodoVerificato(rifiutato));
    EXPECT_TRUE(Relazione::NodoVerificato(Nodo(1))) << "the copy's refusal touched the joint";
    EXPECT_TRUE(Presi().empty()) << "the check shows no message";
}

struct ScritturaFallita {
    const char* caso;
    // Makes, inside the folder, a path the PDF cannot be written to.
    QString (*prepara)(const QDir& cartella);
};

void PrintTo(const ScritturaFallita& c, std::ostream* os) { *os << c.caso; }

class ScritturaFallitaTest : public RelazioniTest, public ::testing::WithParamInterface<ScritturaFallita> {};

TEST_P(ScritturaFallitaTest, TellsWhyAndLeavesNoFile)
{
    CatenaPuntone();
    Registra();
    const QDir dir(cartella.path());
    scelto = GetParam().prepara(dir);
    const QStringList prima = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    f->cmdEsportaPdf->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].icona, Icona::Critica);
    EXPECT_TRUE(presi[0].testo.startsWith(QStringLiteral("Impossibile salvare la relazione nel file\n") +
                                          QDir::toNativeSeparators(scelto) + QStringLiteral("\n")))
        << presi[0].testo.toStdString();
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), prima);
    QDir interna(scelto);
    if (interna.exists()) {
        EXPECT_TRUE(interna.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
    // A failed export does not become the folder proposed next time.
    scelto.clear();
    f->cmdEsportaPdf->click();
    ASSERT_EQ(proposti.size(), 2);
    EXPECT_FALSE(proposti[1].startsWith(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ScritturaFallitaTest,
    ::testing::Values(
        // The folder named is a regular file: nothing can be created in it (also for root).
        ScritturaFallita{"parent is a file",
                         [](const QDir& d) {
                             QFile file(d.filePath(QStringLiteral("non una cartella")));
                             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                             return d.filePath(QStringLiteral("non una cartella/Relazione Nodo 1.pdf"));
                         }},
        // The name is taken by a folder: the finished temporary file cannot be renamed onto it.
        ScritturaFallita{"target is a folder",
                         [](const QDir& d) {
                             EXPECT_TRUE(d.mkdir(QStringLiteral("Relazione Nodo 1.pdf")));
                             return d.filePath(QStringLiteral("Relazione Nodo 1.pdf"));
                         }},
        ScritturaFallita{"folder does not exist",
                         [](const QDir& d) { return d.filePath(QStringLiteral("manca/Relazione Nodo 1.pdf")); }}),
    [](const ::testing::TestParamInfo<ScritturaFallita>& i) {
        std::string n = i.param.caso;
        for (char& c : n)
            if (c == ' ')
                c = '_';
        return n;
    });

TEST_F(RelazioniTest, AnExistingFileIsReplacedWhole)
{
    CatenaPuntone();
    Registra();
    scelto = Pdf(QStringLiteral("vecchia.pdf"));
    {
        QFile vecchio(scelto);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write(QByteArray(200000, 'x'));   // longer than the new PDF
    }
    f->cmdEsportaPdf->click();
    ASSERT_TRUE(Presi().empty());
    QFile nuovo(scelto);
    ASSERT_TRUE(nuovo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(nuovo.readAll().startsWith("%PDF-"));
    EXPECT_FALSE(nuovo.readAll().contains(QByteArray(64, 'x')));
    EXPECT_EQ(PagineTestoPdf(scelto).size(), 1);
}

// A report longer than a page goes on over pages that break between lines, each line whole
// and once, with the page numbers counting every page.
TEST(Impaginazione, LongSectionBreaksBetweenLines)
{
    QTemporaryDir cartella;
    Relazione::SezioneRelazione s;
    s.numero = 7;
    s.tipo = QStringLiteral("Monaco Saette a Dente Semplice");
    s.verificato = true;
    s.documento = std::make_shared<QTextDocument>();
    QTextCursor c(s.documento.get());
    QTextCharFormat corpo;
    corpo.setFontFamilies({QStringLiteral("Courier New")});
    corpo.setFontPointSize(8);
    const int righe = 250;
    for (int i = 1; i <= righe; ++i)
        c.insertText(QStringLiteral(" Riga %1 fc0k =21,00N/mmq     fc0d = 9,69N/mmq\n").arg(i, 3, 10, QLatin1Char('0')), corpo);
    Relazione::SezioneRelazione breve = s;
    breve.numero = 8;
    breve.documento = std::make_shared<QTextDocument>();
    QTextCursor(breve.documento.get()).insertText(QStringLiteral("Nodo non verificato"), corpo);

    const QString percorso = cartella.filePath(QStringLiteral("lunga.pdf"));
    QString errore;
    ASSERT_TRUE(Relazione::EsportaPdf(percorso, {s, breve}, errore)) << errore.toStdString();
    const QStringList pagine = PagineTestoPdf(percorso);
    ASSERT_GE(pagine.size(), 4);   // 250 lines of 8 points do not fit on 2 A4 pages
    const int totale = static_cast<int>(pagine.size());
    int attesa = 1;
    for (int k = 0; k < totale; ++k) {
        const QString p = Semplice(pagine[k]);
        EXPECT_TRUE(p.contains(QStringLiteral("Pagina %1 di %2").arg(k + 1).arg(totale)));
        EXPECT_TRUE(p.contains(k + 1 < totale ? QStringLiteral(u"Nodo N. 7 – Monaco Saette") : QStringLiteral("Nodo N. 8")));
        if (k + 1 == totale) {
            EXPECT_TRUE(p.contains(QStringLiteral("Nodo non verificato")));
            break;
        }
        for (const QString& riga : pagine[k].split(QLatin1Char('\n'))) {
            const QString r = Semplice(riga);
            if (!r.startsWith(QStringLiteral("Riga ")))
                continue;
            EXPECT_EQ(r, QStringLiteral("Riga %1 fc0k =21,00N/mmq fc0d = 9,69N/mmq").arg(attesa, 3, 10, QLatin1Char('0')));
            ++attesa;
        }
    }
    EXPECT_EQ(attesa, righe + 1);   // every line, once, in order
}

}  // namespace

// A write stopped by the system half-way (a file-size limit, as a full disk): the export says
// so with the reason in Italian and leaves no file; it used to report success with a truncated
// PDF, or the signal killed the program.
TEST_F(RelazioniTest, AnExportStoppedByTheSystemIsToldAndLeavesNoFile)
{
    CatenaPuntone();
    Registra();
    scelto = Pdf(QStringLiteral("limite.pdf"));
    rlimit vecchio{};
    getrlimit(RLIMIT_FSIZE, &vecchio);
    rlimit limite = vecchio;
    limite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    f->cmdEsportaPdf->click();
    setrlimit(RLIMIT_FSIZE, &vecchio);
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_TRUE(presi[0].testo.contains(QStringLiteral("Superato il limite di dimensione dei file."))) << presi[0].testo.toStdString();
    EXPECT_FALSE(QFile::exists(scelto));
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << "no temporary file either";
}

// The page header names the calculation's code; an NTC 2018 report states its depth check.
TEST_F(RelazioniTest, PageHeaderNamesTheCodeOfTheCalculation)
{
    CatenaPuntone();
    f->Command8->click();
    ASSERT_TRUE(Presi().empty());
    QTemporaryDir cartella;
    for (Normativa n : {Normativa::NTC2008, Normativa::NTC2018}) {
        SCOPED_TRACE(Normative::Nome(n).toStdString());
        const QString percorso = cartella.filePath(Normative::Nome(n) + QStringLiteral(".pdf"));
        QString errore;
        ASSERT_TRUE(Relazione::EsportaRelazioneCompleta(*ModuloTrevon::GenVerNodi, Coefficienti::Predefiniti(n), {}, {}, {},
                                                        percorso, errore))
            << errore.toStdString();
        const QStringList pagine = PagineTestoPdf(percorso);
        ASSERT_FALSE(pagine.isEmpty());
        for (const QString& pagina : pagine) {
            const QString p = Semplice(pagina);
            EXPECT_TRUE(p.contains(QStringLiteral("Verifica Unioni a Dente in Legno (") + Normative::Titolo(n) + QLatin1Char(')')))
                << p.toStdString();
        }
        EXPECT_EQ(Semplice(pagine.join(QLatin1Char(' '))).contains(QStringLiteral("Dettagli Costruttivi (DIN EN 1995-1-1/NA, NCI NA.12.1)")),
                  n == Normativa::NTC2018);
    }
}

namespace {

// Text of every page, and the number of raster images, of a PDF.
int ImmaginiPdf(const QString& percorso)
{
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), percorso});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    // Two heading lines, then one line per image.
    return static_cast<int>(QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

// Pixels of the drawing's timber colour on a page rendered by poppler.
int PixelLegno(const QString& percorso, int pagina, const QString& cartella)
{
    const QString radice = QDir(cartella).filePath(QStringLiteral("pagina"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
                                         QString::number(pagina), percorso, radice});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    const QImage img(radice + QStringLiteral(".png"));
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (std::abs(c.red() - 0xf1) <= 2 && std::abs(c.green() - 0xdf) <= 2 && std::abs(c.blue() - 0xbd) <= 2)
                ++n;
        }
    return n;
}

}  // namespace

// The complete NTC 2018 report of a failing tie–rafter joint, a passing one and a king post,
// with the project's data typed in "Dati Progetto": a cover, the summary of the three joints,
// the project in every page header, each joint's record lines and its drawing as vectors.
TEST_F(RelazioniTest, TheCompleteNtc2018ReportIsACalculationRecord)
{
    f->ImpostaCoefficienti(Coefficienti::Predefiniti(Normativa::NTC2018));
    CatenaPuntone();
    Registra();
    f->Command3->click();
    CatenaPuntone(QStringLiteral("20"));
    Registra();
    f->Command3->click();
    f->cmbTipoNodo->setCurrentIndex(2);
    for (const auto& [i, v] : std::vector<std::pair<int, const char*>>{{1, "3"}, {2, "20"}, {3, "2"}, {4, "15"}})
        Batti(f->txtMis[static_cast<std::size_t>(i)], QString::fromUtf8(v));
    for (std::size_t k = 1; k <= 3; ++k) {
        Materiale(static_cast<int>(k), C24);
        Batti(f->txtBAsta[k], QStringLiteral("14"));
        Batti(f->txtHAsta[k], k == 2 ? QStringLiteral("24") : QStringLiteral("18"));
        if (k != 2) {
            Batti(f->txtAngAsta[k], k == 1 ? QStringLiteral("30") : QStringLiteral("35"));
            Batti(f->txtNAsta[k], QStringLiteral("40"));
        }
    }
    Registra();

    f->cmdDatiProgetto->click();
    auto* modulo = f->findChild<frmDatiProgetto*>();
    ASSERT_NE(modulo, nullptr);
    modulo->txtProgetto->setText(QStringLiteral("Fienile Rossi"));
    modulo->txtCommittente->setText(QStringLiteral("Azienda Agricola Rossi"));
    modulo->txtLocalita->setText(QStringLiteral("Bardi (PR)"));
    modulo->txtProgettista->setText(QStringLiteral("Ing. Maria Bianchi"));
    modulo->txtNote->setPlainText(QStringLiteral("Combinazione SLU fondamentale."));
    modulo->cmdOK->click();

    scelto = Pdf(QStringLiteral("completa.pdf"));
    f->actEsportaCompleta->trigger();
    ASSERT_TRUE(Presi().empty());
    const QStringList pagine = PagineTestoPdf(scelto);
    ASSERT_GE(pagine.size(), 5);
    for (const QString& pagina : pagine)
        EXPECT_TRUE(Semplice(pagina).contains(QStringLiteral("Progetto: Fienile Rossi – Località: Bardi (PR)")))
            << pagina.toStdString();

    const QString copertina = Semplice(pagine[0]);
    for (const char* riga : {"RELAZIONE DI CALCOLO", "Progetto: Fienile Rossi", "Committente: Azienda Agricola Rossi",
                             "Località: Bardi (PR)", "Progettista: Ing. Maria Bianchi", "Combinazione SLU fondamentale.",
                             "Normativa: NTC 2018 – DM 17/01/2018", "Nodi del calcolo: 3", "Nodi non verificati: 2"})
        EXPECT_TRUE(copertina.contains(QString::fromUtf8(riga))) << riga;

    const QString riepilogo = Semplice(pagine[1]);
    for (const char* riga : {"RIEPILOGO DELLE VERIFICHE", "Nodo Tipologia η max Esito",
                             "1 Catena Puntone a Dente Semplice 154,4 % NON VERIFICATO "
                             "verifica determinante: Intaglio SX: compressione inclinata F1",
                             "2 Catena Puntone a Dente Semplice 61,8 % VERIFICATO",
                             "3 Monaco Puntoni a Dente Semplice", "Nodi che non soddisfano le verifiche: 2 su 3"})
        EXPECT_TRUE(riepilogo.contains(QString::fromUtf8(riga))) << riga << "\n" << riepilogo.toStdString();

    const QString nodi = Semplice(pagine.mid(2).join(QLatin1Char(' ')));
    for (const char* riga : {"α = 30,00° |N| = 50,00 kN", "η = σ/fcα1,d = 154,4 % (EN 1995-1-1 (6.16), kc,90 = 1)",
                             "Lunghezza Efficace: Lef = 21,67 cm.",
                             "ESITO: NON VERIFICATO (verifica determinante: Intaglio SX: compressione inclinata F1, η = 154,4 %)",
                             "α = 30,00° |N| = 20,00 kN", "ESITO: VERIFICATO (verifica determinante:",
                             "ESITO: NON VERIFICATO (verifica determinante: Saetta di",
                             // the drawings' dimensions, written as text
                             "tv = 3,00 cm", "Lv = 20,00 cm", "La = 15,00 cm", "R = 30,00 kN", "N = 50,00 kN", "tv1 = 3,00 cm",
                             "Lv2 = 15,00 cm", "θ2 = 55,00°"})
        EXPECT_TRUE(nodi.contains(QString::fromUtf8(riga))) << riga;
    // Vectors: no raster image anywhere, yet the first joint's page shows the drawing's fills.
    EXPECT_EQ(ImmaginiPdf(scelto), 0);
    EXPECT_GT(PixelLegno(scelto, 3, cartella.path()), 200);
    EXPECT_EQ(PixelLegno(scelto, 2, cartella.path()), 0) << "the summary has no drawing";
}

// "Dati Progetto": Annulla keeps nothing; notes past the limit are refused with what was typed
// left in place; an NTC 2008 report without project data has no cover.
TEST_F(RelazioniTest, ProjectDataAreKeptOnlyOnOkAndAnNtc2008ReportWithoutThemHasNoCover)
{
    CatenaPuntone();
    Registra();
    f->cmdDatiProgetto->click();
    auto* modulo = f->findChild<frmDatiProgetto*>();
    ASSERT_NE(modulo, nullptr);
    modulo->txtProgetto->setText(QStringLiteral("Da non tenere"));
    modulo->cmdAnnulla->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(CalcoloInCorso::Istanza().progetto().Vuoto());

    scelto = Pdf(QStringLiteral("senza.pdf"));
    f->actEsportaCompleta->trigger();
    ASSERT_TRUE(Presi().empty());
    const QStringList pagine = PagineTestoPdf(scelto);
    ASSERT_EQ(pagine.size(), 1) << "the joint's page alone";
    EXPECT_FALSE(pagine[0].contains(QStringLiteral("Progetto:")));

    f->cmdDatiProgetto->click();
    modulo = f->findChild<frmDatiProgetto*>();
    ASSERT_NE(modulo, nullptr);
    const QString lunghe(DatiProgetto::MassimoNote + 1, QLatin1Char('n'));
    modulo->txtProgetto->setText(QStringLiteral("Fienile"));
    modulo->txtNote->setPlainText(lunghe);
    modulo->cmdOK->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].testo, QStringLiteral("Le note superano i 2000 caratteri.\nAbbreviarle prima di confermare."));
    EXPECT_TRUE(modulo->isVisible());
    EXPECT_EQ(modulo->txtNote->toPlainText(), lunghe);
    EXPECT_TRUE(CalcoloInCorso::Istanza().progetto().Vuoto());
    // Shortened, they are kept; with project data even an NTC 2008 report opens with the cover.
    modulo->txtNote->setPlainText(QStringLiteral("Brevi"));
    modulo->cmdOK->click();
    EXPECT_EQ(CalcoloInCorso::Istanza().progetto().progetto, QStringLiteral("Fienile"));
    EXPECT_EQ(CalcoloInCorso::Istanza().progetto().note, QStringLiteral("Brevi"));
    scelto = Pdf(QStringLiteral("con.pdf"));
    f->actEsportaCompleta->trigger();
    const QStringList conCopertina = PagineTestoPdf(scelto);
    ASSERT_EQ(conCopertina.size(), 3);
    EXPECT_TRUE(conCopertina[0].contains(QStringLiteral("RELAZIONE DI CALCOLO")));
    EXPECT_TRUE(Semplice(conCopertina[2]).contains(QStringLiteral("Progetto: Fienile")));
    EXPECT_FALSE(conCopertina[2].contains(QStringLiteral("ESITO"))) << "an NTC 2008 joint's report is unchanged";
}
