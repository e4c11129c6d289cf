#include "AvvisiProva.h"

#include "calcolo/CalcoloInCorso.h"
#include "calcolo/FileCalcolo.h"
#include "nucleo/CalcoliProva.h"
#include "materials/DatabaseMateriali.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <stdexcept>

using namespace ModuloTrevon;

namespace {

// Answers the real modal box MsgBox opens: records it and clicks the button with role.
struct ClicDifferito {
    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QStringList pulsanti;

    void prepara(QMessageBox::StandardButton daPremere)
    {
        QTimer::singleShot(0, [this, daPremere] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            titolo = box->windowTitle();
            testo = box->text();
            icona = box->icon();
            for (QAbstractButton* b : box->buttons())
                pulsanti << b->text().remove(u'&');
            box->button(daPremere)->click();
        });
    }
};

}  // namespace

TEST(MsgBox, ResponderReceivesTextButtonsIconAndTitle)
{
    AvvisiProva avvisi;
    avvisi.Rispondi(Risposta::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Salvare?\nRiga due"), Pulsanti::SiNoAnnulla, Icona::Informazione,
                     QStringLiteral("Titolo")),
              Risposta::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Solo testo")), Risposta::OK);
    ASSERT_EQ(avvisi.ricevuti.size(), 2u);
    const Avviso& primo = avvisi.ricevuti[0].avviso;
    EXPECT_EQ(primo.testo, QStringLiteral("Salvare?\nRiga due"));
    EXPECT_EQ(primo.pulsanti, Pulsanti::SiNoAnnulla);
    EXPECT_EQ(primo.icona, Icona::Informazione);
    EXPECT_EQ(primo.titolo, QStringLiteral("Titolo"));
    const Avviso& secondo = avvisi.ricevuti[1].avviso;
    EXPECT_EQ(secondo.pulsanti, Pulsanti::OK);
    EXPECT_EQ(secondo.icona, Icona::Nessuna);
    EXPECT_EQ(secondo.titolo, QStringLiteral("Trevon-SL"));   // the application's name
}

TEST(MsgBox, RealBoxHasItalianButtonsAndMapsTheAnswer)
{
    ASSERT_TRUE(CaricaTraduzioneQt()) << "qt6-translations-l10n is not installed";
    ImpostaRisponditore({});
    struct Caso {
        Pulsanti pulsanti;
        Icona icona;
        QMessageBox::StandardButton premuto;
        Risposta attesa;
        QMessageBox::Icon iconaQt;
        QStringList testiPulsanti;
    };
    const Caso casi[] = {
        {Pulsanti::OK, Icona::Nessuna, QMessageBox::Ok, Risposta::OK, QMessageBox::NoIcon, {"OK"}},
        {Pulsanti::SiNo, Icona::Domanda, QMessageBox::Yes, Risposta::Si, QMessageBox::Question,
         {"Sì", "No"}},
        {Pulsanti::SiNo, Icona::Critica, QMessageBox::No, Risposta::No, QMessageBox::Critical,
         {"Sì", "No"}},
        {Pulsanti::SiNoAnnulla, Icona::Informazione, QMessageBox::Cancel, Risposta::Annulla,
         QMessageBox::Information, {"Sì", "No", "Annulla"}},
    };
    for (const Caso& caso : casi) {
        ClicDifferito clic;
        clic.prepara(caso.premuto);
        const Risposta r = MsgBox(QStringLiteral("Domanda"), caso.pulsanti, caso.icona);
        EXPECT_EQ(r, caso.attesa);
        EXPECT_EQ(clic.titolo, QStringLiteral("Trevon-SL"));
        EXPECT_EQ(clic.testo, QStringLiteral("Domanda"));
        EXPECT_EQ(clic.icona, caso.iconaQt);
        QStringList ordinati = clic.pulsanti, attesi = caso.testiPulsanti;
        ordinati.sort();
        attesi.sort();
        EXPECT_EQ(ordinati, attesi);
    }
    ImpostaRisponditore(RispostaInattesa);
}

TEST(Beep, HookObservesBeeps)
{
    int beep = 0;
    ImpostaBeep([&beep] { ++beep; });
    Beep();
    Beep();
    EXPECT_EQ(beep, 2);
    ImpostaBeep([] {});
}

TEST(CursoreOccupato, RestoresThePointerOnEveryPath)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CursoreOccupato occupato;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    try {
        CursoreOccupato occupato;
        throw std::runtime_error("errore nel mezzo");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    {   // nested guards: the pointer is busy until the outer one ends
        CursoreOccupato esterno;
        { CursoreOccupato interno; }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(SelezionaTesto, ShownBoxGetsFocusAndWholeSelection)
{
    QWidget finestra;
    auto* altro = new QLineEdit(QStringLiteral("altro"), &finestra);
    auto* box = new QLineEdit(QStringLiteral("12,5 kN"), &finestra);
    finestra.show();
    altro->setFocus();
    box->setCursorPosition(2);

    SelezionaTesto(box);
    EXPECT_EQ(finestra.focusWidget(), box);
    EXPECT_EQ(box->selectionStart(), 0);
    EXPECT_EQ(box->selectedText(), QStringLiteral("12,5 kN"));
}

TEST(SelezionaTesto, HiddenOrDisabledBoxIsLeftAlone)
{
    QWidget finestra;
    auto* altro = new QLineEdit(QStringLiteral("altro"), &finestra);
    auto* nascosto = new QLineEdit(QStringLiteral("nascosto"), &finestra);
    auto* disattivo = new QLineEdit(QStringLiteral("disattivo"), &finestra);
    nascosto->hide();
    disattivo->setEnabled(false);
    finestra.show();
    altro->setFocus();

    SelezionaTesto(nascosto);
    SelezionaTesto(disattivo);
    SelezionaTesto(nullptr);
    EXPECT_EQ(finestra.focusWidget(), altro);
    EXPECT_FALSE(nascosto->hasSelectedText());
    EXPECT_FALSE(disattivo->hasSelectedText());
}

TEST(StatoCalcolo, AbsentBeforeAnyCalculation)
{
    EXPECT_EQ(GenVerNodi, nullptr);
    EXPECT_EQ(NodoCorrente, nullptr);
}

// Start-up in temporary folders: PiGreco, provisioning, and the main window in every case.
class AvvioProgramma : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        applicazione = cartella.filePath(QStringLiteral("app"));
        dati = cartella.filePath(QStringLiteral("dati"));
        ASSERT_TRUE(QDir().mkpath(applicazione));
        DatabaseMateriali::ImpostaCartelle(applicazione, dati);
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w))
                w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DatabaseMateriali::ChiudiDatabaseMateriali();
        DatabaseMateriali::ImpostaCartelle({}, {});
    }
    // The main window Main() opened, or null.
    static frmMain* finestraPrincipale()
    {
        frmMain* principale = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<frmMain*>(w))
                principale = m;
        return principale;
    }
    static int finestrePrincipaliVisibili()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w) && w->isVisible())
                ++n;
        return n;
    }

    QTemporaryDir cartella;
    QString applicazione, dati;
};

TEST_F(AvvioProgramma, SetsPiGrecoProvisionsTheArchiveAndShowsTheMainWindow)
{
    const QString modello = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("DalvexQOR.DEF"));
    ASSERT_TRUE(QFile::copy(modello, QDir(applicazione).filePath(QStringLiteral("DalvexQOR.DEF"))));
    PiGreco = 0;
    EXPECT_EQ(Main(), 0);
    EXPECT_EQ(PiGreco, 3.1415927f);
    EXPECT_EQ(PiGreco, static_cast<float>(3.14159265358979323846));
    EXPECT_TRUE(QFile::exists(QDir(dati).filePath(QStringLiteral("MaterialiQor.dms"))));
    EXPECT_EQ(finestrePrincipaliVisibili(), 1);

    // The start window opens inside it, at the bottom centre of the client area.
    frmMain* principale = finestraPrincipale();
    ASSERT_NE(principale, nullptr);
    QApplication::processEvents();
    auto* cornice = qobject_cast<QMdiSubWindow*>(principale->TipoVer()->parentWidget());
    ASSERT_NE(cornice, nullptr);
    EXPECT_TRUE(principale->TipoVer()->isVisible());
    const QSize cliente = principale->AreaFinestre()->viewport()->size();
    EXPECT_EQ(cornice->x(), (cliente.width() - cornice->width()) / 2);
    EXPECT_EQ(cornice->y(), cliente.height() - cornice->height());
}

TEST_F(AvvioProgramma, MissingArchiveShowsItsMessageAndTheMainWindowStillOpens)
{
    AvvisiProva avvisi;
    EXPECT_EQ(Main(), 0);
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.titolo, QStringLiteral("ERRORE SISTEMA SOFTWARE"));
    EXPECT_EQ(finestrePrincipaliVisibili(), 1);
}

// The main window's title names the calculation's file and marks its unsaved changes with "*".
TEST_F(AvvioProgramma, TheTitleNamesTheCalculationAndMarksUnsavedChanges)
{
    AvvisiProva avvisi;
    EXPECT_EQ(Main(), 0);
    frmMain* principale = finestraPrincipale();
    ASSERT_NE(principale, nullptr);
    const QString programma = QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente in Legno");
    AvviaGestioneNodi();
    EXPECT_EQ(principale->windowTitle(), programma + QStringLiteral("  \u2013  Nuovo Calcolo[*]"));
    EXPECT_FALSE(principale->isWindowModified()) << "nothing registered yet";

    CalcoloInCorso& calcolo = CalcoloInCorso::Istanza();
    calcolo.registro->Nodi->Item(1)->TipoNodo = "Catena Puntone a Dente Semplice";
    calcolo.SegnalaModifica();
    EXPECT_TRUE(principale->isWindowModified());

    calcolo.SegnaSalvato(cartella.filePath(QStringLiteral("capriata.trv")), FileCalcolo::Scrivi(calcolo.Dati()));
    EXPECT_EQ(principale->windowTitle(), programma + QStringLiteral("  \u2013  capriata.trv[*]"));
    EXPECT_FALSE(principale->isWindowModified());
    DatiProgetto d;
    d.progetto = QStringLiteral("Fienile");
    calcolo.ImpostaProgetto(d);
    EXPECT_TRUE(principale->isWindowModified()) << "the project's data are part of the calculation";
    RilasciaGestioneNodi();
}

// A calculation file given at start-up ("Trevon-SL capriata.trv", the desktop's "Apri con") is
// opened once the main window shows, and the start window makes way for the editor.
TEST_F(AvvioProgramma, AFileGivenAtStartUpIsOpened)
{
    const QString modello = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("DalvexQOR.DEF"));
    ASSERT_TRUE(QFile::copy(modello, QDir(applicazione).filePath(QStringLiteral("DalvexQOR.DEF"))));
    FileCalcolo::Calcolo c;
    c.nodi.push_back(CalcoliProva::CatenaPuntone(5));
    const QString file = cartella.filePath(QStringLiteral("capriata.trv"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(FileCalcolo::Scrivi(c));
    }
    AvvisiProva avvisi;
    avvisi.Rispondi(Risposta::OK);   // the file's material differs from the archive's: told once
    EXPECT_EQ(Main(file), 0);
    frmMain* principale = finestraPrincipale();
    ASSERT_NE(principale, nullptr);
    EXPECT_EQ(CalcoloInCorso::Istanza().Percorso(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(CalcoloInCorso::Istanza().TotaleNodi(), 1);
    EXPECT_FALSE(principale->TipoVer()->isVisible());
    EXPECT_TRUE(principale->windowTitle().endsWith(QStringLiteral("capriata.trv[*]")));
    RilasciaGestioneNodi();
}
