// Registration of the fields into the joint, verification, the report it writes, and the
// failures on the way: refused data, a refused joint, a calculation error.
#include "GestioneProva.h"
#include "RelazioneAttesa.h"

#include "calcolo/NodoVerificato.h"
#include "report/FormatiRelazione.h"

#include <QRadioButton>

using ModuloTrevon::Icona;
using ModuloTrevon::Pulsanti;

TEST_F(GestioneTest, TypedTieRafterJointIsRegisteredVerifiedAndReported)
{
    CatenaPuntone();
    f->Command8->click();

    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(f->SSTab1->currentIndex(), 1);
    EXPECT_EQ(Relazione(), RelazioneAttesa::CatenaPuntone(true));
    EXPECT_EQ(f->RichTextBox1->textCursor().position(), 0) << "the report opens at its title";
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_FALSE(f->cmbTipoNodo->isEnabled());
    EXPECT_EQ(f->cmbTipoNodo->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));

    clsNodo& n = Nodo(1);
    EXPECT_EQ(ModuloTrevon::NodoCorrente.get(), &n);
    EXPECT_EQ(n.TipoNodo, "Catena Puntone a Dente Semplice");
    EXPECT_TRUE(n.AsteReg);
    EXPECT_EQ(n.tv, 3.0f);
    EXPECT_EQ(n.Lv, 20.0f);
    EXPECT_EQ(n.ReazioneY, 30.0f);
    EXPECT_EQ(n.LunghezzaAppoggio, 15.0f);
    ASSERT_EQ(n.Asta->Count(), 2);
    const clsAsta& catena = *n.Asta->Item(1);
    const clsAsta& puntone = *n.Asta->Item(2);
    EXPECT_EQ(catena.Angolo, 0.0f);
    EXPECT_EQ(catena.SforzoAssiale, 0.0f);
    EXPECT_EQ(catena.NumeroMateriale, C30);
    EXPECT_EQ(catena.TipoSezione, "Rettangolare");
    EXPECT_FLOAT_EQ(catena.Res_Fc90d, 2.5f);
    EXPECT_EQ(puntone.Angolo, 30.0f);
    EXPECT_EQ(puntone.SforzoAssiale, 50.0f);
    EXPECT_EQ(puntone.DescrizioneMateriale, "Legno Massiccio C24");
    // A non-zero force takes the tensile strength: 14 × 0,60 / 1,50.
    EXPECT_FLOAT_EQ(puntone.Res_Fd, 14.0f * 0.6f / 1.5f);
    EXPECT_NEAR(n.tens1, 14.77f, 0.005f);
    EXPECT_NEAR(n.tens3, 30000.0f / (100.0f * n.LAppEfficace), 1e-4f);
}

TEST_F(GestioneTest, NegativeAxialForceIsStoredAndShownWithoutSign)
{
    CatenaPuntone(QStringLiteral("-25"));
    f->Command8->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(Nodo(1).Asta->Item(2)->SforzoAssiale, 25.0f);

    f->Command3->click();   // a new joint, then back to the first
    f->Command4->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    EXPECT_EQ(f->txtNAsta[2]->text(), QStringLiteral("25"));
}

TEST_F(GestioneTest, SectionValuesOfRectangularAndCircularBars)
{
    struct Caso {
        const char* caso;
        int sezione;           // ComboAsta entry
        const char* b;
        const char* h;
        float base, altezza, area, inerzia, resistenza;
    };
    const Caso casi[] = {
        {"rectangular 12 x 20", 0, "12", "20", 12, 20, 240, 8000, 800},
        {"circular radius 10", 1, "10", "", 10, 10, 314.16f, 7853.98f, 785.40f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.caso);
        CatenaPuntone();
        f->ComboAsta[2]->setCurrentIndex(c.sezione);
        f->txtBAsta[2]->setText(QString::fromLatin1(c.b));
        f->txtHAsta[2]->setText(QString::fromLatin1(c.h));
        bool procedi = false;
        f->registraDatiNodo(procedi);
        ASSERT_TRUE(procedi);
        const clsAsta& a = *Nodo(1).Asta->Item(2);
        EXPECT_EQ(a.TipoSezione, c.sezione ? "Circolare" : "Rettangolare");
        EXPECT_EQ(a.Base, c.base);
        EXPECT_EQ(a.Altezza, c.altezza);
        EXPECT_NEAR(a.area, c.area, 0.005f);
        EXPECT_NEAR(a.ModInerzia, c.inerzia, 0.005f);
        EXPECT_NEAR(a.ModResistenza, c.resistenza, 0.005f);
    }
    EXPECT_TRUE(Presi().empty());
}

TEST_F(GestioneTest, FirstRegistrationAppendsTheSecondModifiesInPlace)
{
    CatenaPuntone();
    bool procedi = false;
    f->registraDatiNodo(procedi);
    ASSERT_TRUE(procedi);
    clsNodo& n = Nodo(1);
    ASSERT_EQ(n.Asta->Count(), 2);
    EXPECT_TRUE(n.AsteReg);
    const std::shared_ptr<clsAsta> puntone = n.Asta->Item(2);

    f->txtBAsta[2]->setText(QStringLiteral("12"));
    f->registraDatiNodo(procedi);
    ASSERT_TRUE(procedi);
    ASSERT_EQ(n.Asta->Count(), 2);
    EXPECT_EQ(n.Asta->Item(2), puntone) << "the registered bar receives the values";
    EXPECT_EQ(puntone->Base, 12.0f);
    EXPECT_EQ(ModuloTrevon::GenVerNodi->Nodi->Count(), 1);
    EXPECT_TRUE(Presi().empty());
}

// A joint whose type changes after its first registration keeps exactly the bars of its new
// type: missing ones are appended, surplus ones leave it.
TEST_F(GestioneTest, ChangedTypeRegistersExactlyTheBarsOfTheNewType)
{
    CatenaPuntone();
    f->Command8->click();
    f->Command3->click();   // enables the type list again
    f->Command4->click();   // back to joint 1
    ASSERT_TRUE(f->cmbTipoNodo->isEnabled());
    ASSERT_EQ(Nodo(1).Asta->Count(), 2);

    PuntoneSaetta();
    f->Command8->click();
    EXPECT_TRUE(Presi().empty()) << "no bar is reported as unregistered";
    clsNodo& n = Nodo(1);
    ASSERT_EQ(n.Asta->Count(), 3);
    EXPECT_EQ(n.Asta->Item(3)->Angolo, 60.0f);
    EXPECT_EQ(n.Asta->Item(3)->SforzoAssiale, 30.0f);
    EXPECT_EQ(f->SSTab1->currentIndex(), 1);
    EXPECT_TRUE(Relazione().contains(QStringLiteral("Puntone Saetta a Dente Semplice")));
    EXPECT_TRUE(Relazione().contains(QStringLiteral(" Asta N. 3  B=10,00cm. x H=15,00cm.")));

    f->Command3->click();   // joint 3; back over the empty joint 2 to joint 1
    f->Command4->click();
    f->Command4->click();
    ASSERT_EQ(f->lblNodoCorrente->text(), QStringLiteral("1"));
    ASSERT_TRUE(f->cmbTipoNodo->isEnabled());
    CatenaPuntone();
    f->Command8->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(n.Asta->Count(), 2);
    EXPECT_FALSE(Relazione().contains(QStringLiteral("Asta N. 3")));
    EXPECT_EQ(f->NumeroSchedeDisponibili(), 2);
}

TEST_F(GestioneTest, RefusedDataShowTheCheckAndRegisterNothing)
{
    f->cmbTipoNodo->setCurrentIndex(0);
    f->Command8->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].testo, QStringLiteral("Inserire Misura Intaglio [cm.]  tv =, con formato Numerico Corretto."));
    EXPECT_EQ(presi[0].titolo, QStringLiteral("Controllo Dati"));
    EXPECT_EQ(presi[0].icona, Icona::Critica);
    EXPECT_EQ(presi[0].pulsanti, Pulsanti::OK);
    EXPECT_EQ(Nodo(1).TipoNodo, "");
    EXPECT_EQ(Nodo(1).Asta->Count(), 0);
    EXPECT_FALSE(Nodo(1).AsteReg);
    EXPECT_EQ(f->SSTab1->currentIndex(), 0);
}

// The library refuses a rafter at 0°: its message; the report box says the joint is not
// verified and why (never the figures of an earlier verification); "Registra" stays on.
TEST_F(GestioneTest, RefusedVerificationShowsTheRefusalInsteadOfAReport)
{
    struct Caso {
        const char* caso;
        bool verificatoPrima;
    };
    for (const Caso c : {Caso{"first registration", false}, Caso{"after a verified report", true}}) {
        SCOPED_TRACE(c.caso);
        NuovoNodoSenzaRegistrare();
        CatenaPuntone();
        if (c.verificatoPrima) {
            f->Command8->click();
            ASSERT_EQ(f->SSTab1->currentIndex(), 1);
            f->SSTab1->setCurrentIndex(0);
        }
        f->txtAngAsta[2]->setText(QStringLiteral("0"));
        const bool tipoAttivo = f->cmbTipoNodo->isEnabled();
        ASSERT_TRUE(f->Command8->isEnabled());

        const int beepPrima = avvisi.beep;
        f->Command8->click();
        const auto presi = Presi();
        ASSERT_EQ(presi.size(), 1u);
        EXPECT_EQ(presi[0].testo,
                  QStringLiteral("Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone risulta =0."));
        EXPECT_EQ(presi[0].titolo, QStringLiteral("QOR_TRVSL10"));
        EXPECT_EQ(presi[0].icona, Icona::Nessuna);
        EXPECT_EQ(presi[0].pulsanti, Pulsanti::OK);
        EXPECT_EQ(avvisi.beep, beepPrima) << "the library does not ask for a beep here";
        EXPECT_EQ(Relazione(), QStringLiteral(" VERIFICA NODO N.") + f->lblNodoCorrente->text() +
                                   QStringLiteral("\n Nodo non verificato\n Impossibile eseguire Verifica\n"
                                                  " L'angolo di inclinazione del Puntone risulta =0.\n"));
        EXPECT_TRUE(f->Command8->isEnabled());
        EXPECT_EQ(f->ModifNodo, 1);
        EXPECT_EQ(f->SSTab1->currentIndex(), 0);
        EXPECT_EQ(f->cmbTipoNodo->isEnabled(), tipoAttivo);
    }
}

// Errors raised by the verification or the report reach the user as a sentence; the pointer
// comes back, the report box names the failure for the joint and the editor goes on working.
TEST_F(GestioneTest, CalculationErrorsAreShownAndTheEditorStaysUsable)
{
    struct Caso {
        const char* caso;
        bool daRegistra;   // through "Registra"; otherwise AvviaVerifica on the prepared joint
        std::function<void(frmNodi&)> prepara;
        std::function<void(frmNodi&)> ripristina;
    };
    const Caso casi[] = {
        {"kmod 0: design strengths 0 (ErroreCalcolo)", true,
         [](frmNodi& e) { e.txtCoefCar[1]->setText(QStringLiteral("0")); },
         [](frmNodi& e) { e.txtCoefCar[1]->setText(QStringLiteral("0,60")); }},
        {"a typed joint without its bars (out_of_range)", false,
         [](frmNodi& e) {
             bool procedi = true;
             e.registraDatiNodo(procedi);
             ASSERT_TRUE(procedi);
             while (ModuloTrevon::NodoCorrente->Asta->Count() > 0)
                 ModuloTrevon::NodoCorrente->Asta->Remove(1);
             ModuloTrevon::NodoCorrente->AsteReg = false;
         },
         [](frmNodi&) {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.caso);
        NuovoNodoSenzaRegistrare();
        CatenaPuntone();
        c.prepara(*f);

        if (c.daRegistra) {
            f->Command8->click();
            EXPECT_EQ(f->SSTab1->currentIndex(), 0);
        } else {
            bool procedi = true;
            f->AvviaVerifica(procedi);
            EXPECT_FALSE(procedi);
        }
        const auto presi = Presi();
        ASSERT_EQ(presi.size(), 1u);
        EXPECT_TRUE(presi[0].testo.startsWith(QStringLiteral("Impossibile eseguire Verifica\n"))) << presi[0].testo.toStdString();
        EXPECT_GT(presi[0].testo.size(), QStringLiteral("Impossibile eseguire Verifica\n").size());
        EXPECT_EQ(presi[0].icona, Icona::Critica);
        EXPECT_EQ(presi[0].pulsanti, Pulsanti::OK);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(Relazione().startsWith(QStringLiteral(" VERIFICA NODO N.") + f->lblNodoCorrente->text() +
                                           QStringLiteral("\n Nodo non verificato\n Impossibile eseguire Verifica\n ")))
            << Relazione().toStdString();
        EXPECT_FALSE(Relazione().contains(QStringLiteral("<"))) << "no line reads as a pass";
        EXPECT_TRUE(f->Command8->isEnabled());

        c.ripristina(*f);
        CatenaPuntone();
        f->Command8->click();
        EXPECT_TRUE(Presi().empty());
        EXPECT_EQ(f->SSTab1->currentIndex(), 1);
        EXPECT_TRUE(Relazione().contains(QStringLiteral("Verifica a Taglio - tallone")));
    }
}

TEST_F(GestioneTest, VerificationOfAJointWithoutTypeOnlyBeeps)
{
    const QString prima = Relazione();
    const int beepPrima = avvisi.beep;
    bool procedi = true;
    f->AvviaVerifica(procedi);
    EXPECT_TRUE(procedi) << "left as it came";
    EXPECT_EQ(avvisi.beep, beepPrima + 1);
    EXPECT_EQ(Relazione(), prima);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// kmod of class 1 from 0,60 to 0,90 after verifying: the bars' design strengths follow, the
// joints are verified again and the report shown prints the figures of the new coefficient.
TEST_F(GestioneTest, ChangedCoefficientsRecomputeEveryJointAndTheReport)
{
    CatenaPuntone();
    f->Command8->click();
    ASSERT_TRUE(Presi().empty());
    f->Command3->click();
    CatenaPuntone(QStringLiteral("20"));
    f->Command8->click();
    ASSERT_TRUE(Presi().empty());
    ASSERT_EQ(Totale(), 2);
    const float fc0dPrima = Nodo(1).Asta->Item(1)->Res_Fc0d;
    const float fd1Prima = Nodo(1).fd1;
    ASSERT_TRUE(Relazione().contains(QStringLiteral("Kmod= 0,60")));

    f->txtCoefCar[1]->setText(QStringLiteral("0,90"));
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        const clsAsta& tie = *Nodo(n).Asta->Item(1);
        EXPECT_FLOAT_EQ(tie.Res_Fc0d, tie.Res_Fc0k * 0.9f / 1.5f);
        EXPECT_TRUE(Relazione::NodoVerificato(Nodo(n))) << "verified again with the new strengths";
    }
    EXPECT_FLOAT_EQ(Nodo(1).Asta->Item(1)->Res_Fc0d, fc0dPrima * 1.5f);
    EXPECT_GT(Nodo(1).fd1, fd1Prima);
    EXPECT_TRUE(Relazione().contains(QStringLiteral("Kmod= 0,90")));
    EXPECT_TRUE(Relazione().contains(QStringLiteral("fc0d =") + FormatiRelazione::Right5(Nodo(2).Asta->Item(1)->Res_Fc0d)))
        << Relazione().toStdString();
    EXPECT_TRUE(ModuloTrevon::CalcoloDaSalvare());
    EXPECT_TRUE(Presi().empty()) << "recomputing shows no box";
}

// A material whose timber type is not stated cannot be registered: the message names it.
TEST_F(GestioneTest, AMaterialWithoutTimberTypeIsRefusedNamingIt)
{
    archivio.Aggiungi(9, QStringLiteral("Pioppo nostrano"), {18, 11, 0.3, 17, 2.2, 3.4, 9000, 6000, 300, 560, 330});
    CatenaPuntone();
    Materiale(2, 9);
    f->Command8->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].titolo, QStringLiteral("Controllo Dati"));
    EXPECT_TRUE(presi[0].testo.startsWith(QStringLiteral("Il Materiale N. 9 \"Pioppo nostrano\" dell'Asta N. 2 non ha la Tipologia")))
        << presi[0].testo.toStdString();
    EXPECT_TRUE(Nodo(1).TipoNodo.empty()) << "nothing registered";
}

// A failed bar check shows that bar's tab and changes nothing else: the previous bar's
// material is not proposed to it, so the next "Registra" fails again.
TEST_F(GestioneTest, AFailedBarCheckShowsTheBarAndProposesNoMaterial)
{
    f->cmbTipoNodo->setCurrentIndex(0);
    Batti(f->txtMis[1], QStringLiteral("3"));
    Batti(f->txtMis[2], QStringLiteral("20"));
    Materiale(1, C30);
    Batti(f->txtBAsta[1], QStringLiteral("10"));
    Batti(f->txtHAsta[1], QStringLiteral("20"));
    Batti(f->txtBAsta[2], QStringLiteral("10"));
    Batti(f->txtHAsta[2], QStringLiteral("20"));
    Batti(f->txtAngAsta[2], QStringLiteral("30"));
    Batti(f->txtNAsta[2], QStringLiteral("50"));
    ASSERT_EQ(f->SSTab2->currentIndex(), 0);
    for (int volta = 1; volta <= 2; ++volta) {
        SCOPED_TRACE(volta);
        f->Command8->click();
        const auto presi = Presi();
        ASSERT_EQ(presi.size(), 1u);
        EXPECT_EQ(presi[0].testo, QStringLiteral("Specificare Materiale Asta N. 2"));
        EXPECT_EQ(f->SSTab2->currentIndex(), 1);
        EXPECT_TRUE(f->txtMatAsta->text().isEmpty());
        EXPECT_EQ(f->LstMatAsta[2]->topLevelItemCount(), 0) << "no material proposed";
        EXPECT_EQ(f->SSTab1->currentIndex(), 0) << "not verified";
    }
    // Choosing the tab by hand still proposes the previous bar's material.
    f->SSTab2->setCurrentIndex(0);
    f->SSTab2->setCurrentIndex(1);
    EXPECT_EQ(f->txtMatAsta->text(), QString::number(C30));
}
