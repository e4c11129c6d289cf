// Adding, stepping through and removing joints, the prompt for unregistered changes, the
// joint counter, the guidance note and closing the editor.
#include "GestioneProva.h"

#include "comune/DocumentiTrevon.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QSet>
#include <QTemporaryDir>

using ModuloTrevon::Icona;
using ModuloTrevon::NodoCorrente;
using ModuloTrevon::Pulsanti;
using ModuloTrevon::Risposta;

namespace {

QString Prompt(const QString& nodo, const QString& domanda)
{
    return QStringLiteral("Attenzione!\n\nLe modifiche apportate al Nodo Corrente non sono state registrate\n\n") +
           nodo + domanda;
}

}  // namespace

TEST_F(GestioneTest, OpensOnOneNewJointWithoutType)
{
    ASSERT_EQ(Totale(), 1);
    EXPECT_EQ(NodoCorrente.get(), &Nodo(1));
    EXPECT_EQ(Nodo(1).TipoNodo, "");
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    EXPECT_EQ(f->lblNodiTot->text(), QStringLiteral("1"));
    EXPECT_EQ(f->ModifNodo, 1);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), -1);
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_EQ(f->Command8->text(), QStringLiteral("Seleziona Tipo Unione"));
    EXPECT_EQ(Relazione(), QStringLiteral("Selezionare Tipo di Unione"));
    for (QPushButton* b : {f->Command4, f->Command5, f->Command6})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(GestioneTest, CounterEnablesRemovalAndSteps)
{
    struct Caso {
        const char* corrente;
        const char* totale;
        bool rimuovi, indietro, avanti;
    };
    const Caso casi[] = {
        {"1", "1", false, false, false}, {"1", "2", false, false, true},
        {"2", "2", true, true, false},   {"2", "3", true, true, true},
        {"3", "3", true, true, false},   {"", "3", true, false, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.corrente) + " / " + c.totale);
        f->ImpostaContatore(QStringLiteral("x"));   // a change in every row
        f->lblNodiTot->setText(QString::fromLatin1(c.totale));
        f->ImpostaContatore(QString::fromLatin1(c.corrente));
        EXPECT_EQ(f->Command6->isEnabled(), c.rimuovi);
        EXPECT_EQ(f->Command4->isEnabled(), c.indietro);
        EXPECT_EQ(f->Command5->isEnabled(), c.avanti);
    }
}

TEST_F(GestioneTest, AddingAfterAVerifiedJointAsksNothingAndOpensTheTypeList)
{
    CatenaPuntone();
    f->Command8->click();
    ASSERT_FALSE(f->cmbTipoNodo->isEnabled());
    f->Command3->click();
    EXPECT_TRUE(Presi().empty());
    ASSERT_EQ(Totale(), 2);
    EXPECT_EQ(NodoCorrente.get(), &Nodo(2));
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    EXPECT_EQ(f->lblNodiTot->text(), QStringLiteral("2"));
    EXPECT_EQ(f->SSTab1->currentIndex(), 0);
    EXPECT_TRUE(f->cmbTipoNodo->isEnabled());
    EXPECT_EQ(NomeFocus(*f), QStringLiteral("cmbTipoNodo"));
    EXPECT_EQ(f->cmbTipoNodo->palette().color(QPalette::Button), QColor(Qt::white));
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), -1);
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_TRUE(f->Command4->isEnabled());
    EXPECT_FALSE(f->Command5->isEnabled());
    EXPECT_TRUE(f->Command6->isEnabled());
}

// Joint 1 verified, joint 2 a rafter–strut joint typed and not registered: each command asks,
// and the answer decides.
TEST_F(GestioneTest, PromptForUnregisteredChangesDecidesEachCommand)
{
    enum class Comando { Aggiungi, Indietro, Avanti };
    struct Caso {
        const char* caso;
        Comando comando;
        Risposta risposta;
        QString testo;
        int corrente;       // counter afterwards
        int totale;
        bool registrato;    // the typed joint was registered
    };
    const QString nodo2 = QStringLiteral("Nodo N.2  \"Puntone Saetta a Dente Semplice\"\n\n");
    const QString nodo1 = QStringLiteral("Nodo N.1  \"Puntone Saetta a Dente Semplice\"\n\n");
    const QString nuovo = QStringLiteral("Registrare Modifiche prima di creare nuovo Nodo?");
    const QString prec = QStringLiteral("Registrare Modifiche prima di spostarsi al Nodo Precedente?");
    const QString succ = QStringLiteral("Registrare Modifiche prima di spostarsi al Nodo Successivo?");
    const Caso casi[] = {
        {"Aggiungi, Cancel", Comando::Aggiungi, Risposta::Annulla, Prompt({}, nuovo), 2, 2, false},
        {"Aggiungi, No", Comando::Aggiungi, Risposta::No, Prompt({}, nuovo), 3, 3, false},
        {"Aggiungi, Yes", Comando::Aggiungi, Risposta::Si, Prompt({}, nuovo), 3, 3, true},
        {"Indietro, Cancel", Comando::Indietro, Risposta::Annulla, Prompt(nodo2, prec), 2, 2, false},
        {"Indietro, No", Comando::Indietro, Risposta::No, Prompt(nodo2, prec), 1, 2, false},
        {"Indietro, Yes", Comando::Indietro, Risposta::Si, Prompt(nodo2, prec), 1, 2, true},
        {"Avanti, Cancel", Comando::Avanti, Risposta::Annulla, Prompt(nodo1, succ), 1, 2, false},
        {"Avanti, No", Comando::Avanti, Risposta::No, Prompt(nodo1, succ), 2, 2, false},
        {"Avanti, Yes", Comando::Avanti, Risposta::Si, Prompt(nodo1, succ), 2, 2, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.caso);
        NuovoCalcoloNoSalva();
        CatenaPuntone();
        f->Command8->click();
        f->Command3->click();
        ASSERT_EQ(Totale(), 2);
        clsNodo* modificato = &Nodo(2);
        if (c.comando == Comando::Avanti) {
            f->Command4->click();   // the rafter–strut joint is typed over joint 1
            modificato = &Nodo(1);
        }
        ASSERT_TRUE(Presi().empty());
        PuntoneSaetta();
        ASSERT_EQ(f->ModifNodo, 1);
        const QString relazione = Relazione();

        avvisi.Rispondi(c.risposta);
        switch (c.comando) {
        case Comando::Aggiungi: f->Command3->click(); break;
        case Comando::Indietro: f->Command4->click(); break;
        case Comando::Avanti: f->Command5->click(); break;
        }
        const auto presi = Presi();
        ASSERT_EQ(presi.size(), 1u);
        EXPECT_EQ(presi[0].testo, c.testo);
        EXPECT_EQ(presi[0].pulsanti, Pulsanti::SiNoAnnulla);
        EXPECT_EQ(presi[0].icona, Icona::Domanda);
        EXPECT_EQ(presi[0].titolo, QStringLiteral("Trevon-SL"));
        EXPECT_EQ(f->lblNodoCorrente->text(), QString::number(c.corrente));
        EXPECT_EQ(Totale(), c.totale);
        EXPECT_EQ(f->lblNodiTot->text(), QString::number(c.totale));
        EXPECT_EQ(NodoCorrente.get(), &Nodo(c.corrente));
        EXPECT_EQ(modificato->TipoNodo == "Puntone Saetta a Dente Semplice", c.registrato);
        if (c.risposta == Risposta::Annulla) {
            EXPECT_EQ(f->ModifNodo, 1);
            EXPECT_EQ(Relazione(), relazione);
            EXPECT_EQ(f->txtNAsta[3]->text(), QStringLiteral("30")) << "the typed data stay";
        }
        if (c.registrato && c.comando != Comando::Aggiungi) {
            // The registered joint was also verified before the move.
            EXPECT_NE(modificato->tens1, 0.0f);
        }
    }
}

TEST_F(GestioneTest, PromptNamesAJointWithoutTypeByItsNumberOnly)
{
    CatenaPuntone();
    f->Command8->click();
    f->Command3->click();
    f->txtReaz->setText(QStringLiteral("1"));   // an edit on the joint without type
    avvisi.Rispondi(Risposta::Annulla);
    f->Command4->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].testo,
              Prompt(QStringLiteral("Nodo N.2\n\n"),
                     QStringLiteral("Registrare Modifiche prima di spostarsi al Nodo Precedente?")));
}

TEST_F(GestioneTest, AnsweringYesWithRefusedDataStaysOnTheJoint)
{
    CatenaPuntone();
    f->Command8->click();
    f->Command3->click();
    f->cmbTipoNodo->setCurrentIndex(1);   // typed, but nothing filled in
    avvisi.Rispondi(Risposta::Si);
    f->Command4->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 2u);
    EXPECT_EQ(presi[1].titolo, QStringLiteral("Controllo Dati"));
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    EXPECT_EQ(NodoCorrente.get(), &Nodo(2));
}

TEST_F(GestioneTest, StepsStopAtTheFirstAndLastJoint)
{
    CatenaPuntone();
    f->Command8->click();
    const QString relazione = Relazione();
    clsNodo* corrente = NodoCorrente.get();

    f->ModifNodo = 0;
    int beep = avvisi.beep;
    f->Command4_Click();   // the button is disabled on joint 1: the handler itself
    EXPECT_EQ(avvisi.beep, beep + 1);
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    EXPECT_EQ(NodoCorrente.get(), corrente);
    EXPECT_EQ(Relazione(), relazione) << "nothing reloaded";

    f->Command3->click();
    f->ModifNodo = 0;
    corrente = NodoCorrente.get();
    beep = avvisi.beep;
    f->Command5_Click();
    EXPECT_EQ(avvisi.beep, beep + 1);
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    EXPECT_EQ(NodoCorrente.get(), corrente);
    EXPECT_TRUE(Presi().empty());
}

TEST_F(GestioneTest, SteppingShowsTheJointAgainAndVerifiesIt)
{
    CatenaPuntone();
    f->Command8->click();
    const QString relazione = Relazione();
    f->Command3->click();
    ASSERT_EQ(Relazione(), QStringLiteral("Selezionare Tipo di Unione"));

    f->Command4->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(NodoCorrente.get(), &Nodo(1));
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), 0);
    EXPECT_EQ(f->txtMis[1]->text(), QStringLiteral("3"));
    EXPECT_EQ(f->txtMis[2]->text(), QStringLiteral("20"));
    EXPECT_EQ(f->txtReaz->text(), QStringLiteral("30"));
    EXPECT_EQ(f->txtLapp->text(), QStringLiteral("15"));
    EXPECT_EQ(f->txtAngAsta[2]->text(), QStringLiteral("30"));
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItem(0)->text(1), QString::number(C30));
    EXPECT_EQ(f->LstMatAsta[2]->topLevelItem(0)->text(1), QString::number(C24));
    EXPECT_EQ(f->SSTab2->currentIndex(), 1) << "the last bar's tab";
    EXPECT_EQ(Relazione(), relazione);
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_FALSE(f->Command8->isEnabled());

    f->Command5->click();   // joint 2 has no type: shown, not verified
    EXPECT_EQ(NodoCorrente.get(), &Nodo(2));
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), -1);
    EXPECT_EQ(f->txtMis[1]->text(), QString());
    EXPECT_EQ(Relazione(), QStringLiteral("Selezionare Tipo di Unione"));
    EXPECT_TRUE(Presi().empty());
}

// A joint shown again whose data no longer pass (its material left the archive) keeps the
// report written from its stored results, titled with its own number.
TEST_F(GestioneTest, ReportOfAJointShownWithoutVerificationNamesThatJoint)
{
    CatenaPuntone();
    f->Command8->click();
    f->Command3->click();
    archivio.Esegui(QStringLiteral("DELETE FROM Legno WHERE Numero=24"));
    const int beep = avvisi.beep;
    f->Command4->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_GT(avvisi.beep, beep);
    EXPECT_TRUE(Relazione().startsWith(QStringLiteral(" VERIFICA NODO N.1\n"))) << Relazione().left(40).toStdString();
    EXPECT_TRUE(Relazione().contains(QStringLiteral("Verifica a Taglio - tallone")));
}

TEST_F(GestioneTest, RemovalRenumbersAndShowsTheNeighbour)
{
    // Three joints told apart by their notch depth.
    for (int n = 1; n <= 3; ++n) {
        if (n > 1)
            f->Command3->click();
        CatenaPuntone();
        Batti(f->txtMis[1], QString::number(n + 1));
        f->Command8->click();
    }
    ASSERT_EQ(Totale(), 3);
    ASSERT_TRUE(Presi().empty());
    const std::shared_ptr<clsNodo> terzo = ModuloTrevon::GenVerNodi->Nodi->Item(3);

    avvisi.Rispondi(Risposta::No);
    f->Command6->click();
    auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].testo, QStringLiteral("Rimuovere il Nodo Selezionato?\n"));
    EXPECT_EQ(presi[0].pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(presi[0].icona, Icona::Domanda);
    EXPECT_EQ(Totale(), 3);

    // Removing joint 3 of 3 shows joint 2.
    avvisi.Rispondi(Risposta::Si);
    f->Command6->click();
    ASSERT_EQ(Presi().size(), 1u);
    EXPECT_EQ(Totale(), 2);
    EXPECT_EQ(f->lblNodiTot->text(), QStringLiteral("2"));
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    EXPECT_EQ(f->txtMis[1]->text(), QStringLiteral("3"));
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_FALSE(f->Command5->isEnabled());

    // Removing joint 2 of 3 shows joint 1, and the last joint moves down to number 2.
    ModuloTrevon::GenVerNodi->Nodi->Add(terzo);
    f->lblNodiTot->setText(QStringLiteral("3"));
    avvisi.Rispondi(Risposta::Si);
    f->Command6->click();
    ASSERT_EQ(Presi().size(), 1u);
    EXPECT_EQ(Totale(), 2);
    EXPECT_EQ(ModuloTrevon::GenVerNodi->Nodi->Item(2), terzo);
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    EXPECT_EQ(NodoCorrente.get(), &Nodo(1));
    EXPECT_EQ(f->txtMis[1]->text(), QStringLiteral("2"));
    EXPECT_FALSE(f->Command6->isEnabled()) << "joint 1 is never removed";
}

TEST_F(GestioneTest, GuidanceButtonOpensTheNoteBesideTheProgram)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString registro = cartella.filePath(QStringLiteral("aperto.txt"));
    ModuloTrevon::ImpostaApritore(QStringLiteral("/bin/sh"),
                                  {QStringLiteral("-c"), QStringLiteral("printf '%s' \"$1\" > \"$0\""), registro});
    f->Command7->click();
    ModuloTrevon::ImpostaApritore({});
    QFile aperto(registro);
    ASSERT_TRUE(aperto.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(aperto.readAll()), DocumentiTrevon::PercorsoAppuntiSL());
    EXPECT_TRUE(Presi().empty());
}

TEST_F(GestioneTest, ClosingReleasesTheCurrentJointAndKeepsTheRegister)
{
    CatenaPuntone();
    NuovoNodoSenzaRegistrare();
    f->txtReaz->setText(QStringLiteral("5"));   // edits are lost without a prompt
    int chiusure = 0;
    QObject::connect(f.data(), &frmNodi::chiuso, [&chiusure] { ++chiusure; });
    f->Command9->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(chiusure, 1);
    EXPECT_EQ(NodoCorrente, nullptr);
    ASSERT_NE(ModuloTrevon::GenVerNodi, nullptr);
    EXPECT_EQ(Totale(), 2);
    EXPECT_TRUE(f.isNull()) << "the window is destroyed when closed";

    ModuloTrevon::AvviaGestioneNodi();   // "Avvia" again: a new editor on a new register
    f = ModuloTrevon::EditorAperto();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Totale(), 1);
    EXPECT_EQ(Nodo(1).TipoNodo, "");
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
}

// "Esci" with typed edits of a registered joint asks, as the joint navigation does: Cancel
// keeps the window and the edit, Yes registers and verifies before closing, No lets it go.
TEST_F(GestioneTest, ClosingWithTypedEditsAsksToRegisterThem)
{
    for (const Risposta r : {Risposta::Annulla, Risposta::Si, Risposta::No}) {
        SCOPED_TRACE(static_cast<int>(r));
        CatenaPuntone();
        f->Command8->click();
        ASSERT_EQ(f->ModifNodo, 0);
        Batti(f->txtMis[1], QStringLiteral("4"));   // tv 3 → 4 cm, not registered
        ASSERT_EQ(f->ModifNodo, 1);
        avvisi.Rispondi(r);
        if (r != Risposta::Annulla)
            avvisi.Rispondi(Risposta::No);   // the save prompt that follows
        f->Command9->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto presi = Presi();
        ASSERT_GE(presi.size(), 1u);
        EXPECT_TRUE(presi[0].testo.endsWith(QStringLiteral("Registrare Modifiche prima di chiudere?")));
        EXPECT_TRUE(presi[0].testo.contains(QStringLiteral("Nodo N.1  \"Catena Puntone a Dente Semplice\"")));
        EXPECT_EQ(presi[0].pulsanti, ModuloTrevon::Pulsanti::SiNoAnnulla);
        if (r == Risposta::Annulla) {
            ASSERT_FALSE(f.isNull()) << "the editor stays open";
            EXPECT_EQ(f->txtMis[1]->text(), QStringLiteral("4"));
            EXPECT_EQ(Nodo(1).tv, 3.0f);
            f->ModifNodo = 0;
            avvisi.Rispondi(Risposta::No);
            NuovoCalcolo();
            Presi();
            continue;
        }
        EXPECT_TRUE(f.isNull());
        EXPECT_EQ(Nodo(1).tv, r == Risposta::Si ? 4.0f : 3.0f);
        ModuloTrevon::AvviaGestioneNodi();
        f = ModuloTrevon::EditorAperto();
        ASSERT_NE(f, nullptr);
    }
}

// The keyboard: each command has its Alt letter, the letters differ, and the editor's keys
// (Ctrl+S, Ctrl+O, Ctrl+P, F1, Ctrl+PgUp/PgDn) click their command when it is enabled.
TEST_F(GestioneTest, CommandsHaveTheirAltLettersAndKeys)
{
    QSet<QChar> lettere;
    for (QPushButton* b : {f->Command3, f->Command6, f->cmdApriCalcolo, f->cmdSalvaCalcolo, f->cmdDatiProgetto, f->Command1,
                           f->Command9, f->cmdStampaRelazione, f->cmdEsportaPdf, f->cmdRelazioneCompleta}) {
        const QString t = b->text();
        ASSERT_EQ(t.count(QLatin1Char('&')), 1) << t.toStdString();
        const QChar lettera = t.at(t.indexOf(QLatin1Char('&')) + 1).toLower();
        EXPECT_FALSE(lettere.contains(lettera)) << t.toStdString();
        lettere.insert(lettera);
    }
    struct Tasto {
        const char* azione;
        QKeySequence tasto;
    };
    for (const Tasto& t : {Tasto{"actSalvaCalcolo", QKeySequence(Qt::CTRL | Qt::Key_S)},
                           Tasto{"actApriCalcolo", QKeySequence(Qt::CTRL | Qt::Key_O)},
                           Tasto{"actStampaRelazione", QKeySequence(Qt::CTRL | Qt::Key_P)},
                           Tasto{"actAppuntiSL", QKeySequence(Qt::Key_F1)},
                           Tasto{"actNodoPrecedente", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
                           Tasto{"actNodoSeguente", QKeySequence(Qt::CTRL | Qt::Key_PageDown)}}) {
        auto* a = f->findChild<QAction*>(QLatin1String(t.azione));
        ASSERT_NE(a, nullptr) << t.azione;
        EXPECT_EQ(a->shortcut(), t.tasto) << t.azione;
    }

    // Ctrl+PgUp and Ctrl+PgDn step through the joints, whichever tab is shown.
    CatenaPuntone();
    f->Command8->click();
    f->Command3->click();
    Presi();
    ASSERT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    f->SSTab1->setCurrentIndex(2);
    f->findChild<QAction*>(QStringLiteral("actNodoPrecedente"))->trigger();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    f->findChild<QAction*>(QStringLiteral("actNodoSeguente"))->trigger();
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
    // A disabled command is not clicked by its key.
    f->Command5->setEnabled(false);
    f->findChild<QAction*>(QStringLiteral("actNodoSeguente"))->trigger();
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("2"));
}
