// The code of a calculation in the editor: NTC 2018 for a new one, the question before a
// change re-verifies the joints, and the joint's load-duration class.
#include "GestioneProva.h"

#include "calcolo/CalcoloInCorso.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include <cstdlib>

#include <gtest/gtest.h>

TEST_F(GestioneTest, ANewEditorIsAnNtc2018CalculationWithItsTables)
{
    frmNodi nuovo;
    EXPECT_EQ(nuovo.cmbNormativa->currentText(), QStringLiteral("NTC 2018"));
    EXPECT_EQ(CalcoloInCorso::Istanza().coefficienti(), Coefficienti::Predefiniti(Normativa::NTC2018));
    EXPECT_TRUE(nuovo.windowTitle().endsWith(QStringLiteral("NTC 2018 \u2013 DM 17/01/2018")));
    EXPECT_TRUE(nuovo.lblTitolo->text().contains(QStringLiteral("(NTC 2018 \u2013 DM 17/01/2018)")));
    auto* cella = nuovo.findChild<QLineEdit*>(QStringLiteral("txtCoefMat(3)"));
    ASSERT_NE(cella, nullptr);
    EXPECT_EQ(cella->text(), QStringLiteral("1,45")) << "the CLT row";
    EXPECT_FALSE(nuovo.findChild<QLineEdit*>(QStringLiteral("txtCoefMat(7)"))->isHidden());
    EXPECT_TRUE(f->findChild<QLineEdit*>(QStringLiteral("txtCoefMat(7)"))->isHidden()) << "NTC 2008 has six rows";
    EXPECT_EQ(nuovo.findChild<QLineEdit*>(QStringLiteral("txtKmod(1,5)"))->text(), QStringLiteral("1,00"));
    // Column B: its own γM values.
    nuovo.cmbColonnaGammaM->setCurrentIndex(1);
    EXPECT_EQ(cella->text(), QStringLiteral("1,35"));
    EXPECT_EQ(CalcoloInCorso::Istanza().coefficienti().colonnaGammaM, 'B');
}

TEST_F(GestioneTest, ChangingTheCodeAsksThenVerifiesTheJointsAgain)
{
    CatenaPuntone();
    f->Command8->click();
    ASSERT_TRUE(Presi().empty());
    const QString relazione2008 = Relazione();

    // No: nothing changes.
    avvisi.Rispondi(ModuloTrevon::Risposta::No);
    f->cmbNormativa->setCurrentText(QStringLiteral("NTC 2018"));
    std::vector<ModuloTrevon::Avviso> presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_TRUE(presi[0].testo.startsWith(QStringLiteral("Adottare la NTC 2018 \u2013 DM 17/01/2018 per il Calcolo?")));
    EXPECT_EQ(f->cmbNormativa->currentText(), QStringLiteral("NTC 2008"));
    EXPECT_EQ(Relazione(), relazione2008);

    // Yes: the report is the NTC 2018 one.
    avvisi.Rispondi(ModuloTrevon::Risposta::Si);
    f->cmbNormativa->setCurrentText(QStringLiteral("NTC 2018"));
    ASSERT_EQ(Presi().size(), 1u);
    EXPECT_EQ(CalcoloInCorso::Istanza().coefficienti().normativa, Normativa::NTC2018);
    const QString r = Relazione();
    EXPECT_TRUE(r.startsWith(QStringLiteral(" VERIFICA NODO N.1   (NTC 2018 \u2013 DM 17/01/2018)\n"))) << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral(" Profondità Intaglio: tv = 30,00 mm  \u2264  tv,max = 50,00 mm  (h/4, \u03b3 = 30,00\u00b0 \u2264 50\u00b0; h = 200,00 mm)")))
        << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral(" Classe di Durata del Carico: Permanente\n Kmod= 0,60\n")));
    EXPECT_TRUE(r.contains(QStringLiteral(" lv,ef = Lv = 20,00 cm  (non supera 8\u00b7tv = 24,00 cm)")));

    // The joint's load-duration class: instantaneous actions, kmod 1,00.
    f->cmbDurataCarico->setCurrentText(QStringLiteral("Istantanea"));
    EXPECT_EQ(f->ModifNodo, 1);
    f->Command8->click();
    ASSERT_TRUE(Presi().empty());
    EXPECT_TRUE(Relazione().contains(QStringLiteral(" Classe di Durata del Carico: Istantanea\n Kmod= 1,00\n")))
        << Relazione().toStdString();
    EXPECT_EQ(CalcoloInCorso::Istanza().durate().Di(Nodo(1)), DurataCarico::Istantanea);
}

// Each kmod box stands on the line of its service class and under its load-duration heading.
TEST_F(EditorTest, KmodBoxesLineUpWithTheirClassAndDuration)
{
    f->resize(1200, 860);
    f->SSTab1->setCurrentIndex(2);
    QApplication::processEvents();
    auto centro = [this](QWidget* w) { return w->mapTo(f.get(), w->rect().center()); };
    for (int i = 1; i <= 3; ++i) {
        auto* classe = f->findChild<QLabel*>(QStringLiteral("lblClasseKmod(%1)").arg(i));
        ASSERT_NE(classe, nullptr) << i;
        EXPECT_LE(std::abs(centro(classe).y() - centro(f->txtCoefCar[static_cast<std::size_t>(i)]).y()), 2) << i;
        for (int d = 2; d <= DurataCarico::Istantanea; ++d)
            EXPECT_EQ(centro(f->txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)]).y(),
                      centro(f->txtCoefCar[static_cast<std::size_t>(i)]).y());
    }
    for (int d = DurataCarico::Permanente; d <= DurataCarico::Istantanea; ++d) {
        auto* durata = f->findChild<QLabel*>(QStringLiteral("lblDurataKmod(%1)").arg(d));
        ASSERT_NE(durata, nullptr) << d;
        QWidget* box = d == DurataCarico::Permanente ? static_cast<QWidget*>(f->txtCoefCar[1])
                                                      : f->txtKmod[1][static_cast<std::size_t>(d)];
        EXPECT_LE(std::abs(centro(durata).x() - centro(box).x()), 3) << d;
    }
}
