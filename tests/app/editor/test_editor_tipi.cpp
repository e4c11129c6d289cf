// The editor's controls, the four joint-type layouts, sections, bar tabs and type pictures.
#include "AmbienteEditor.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStackedWidget>
#include "editor/DisegnoSvg.h"
#include <QTextEdit>

namespace {

QString indice(const char* nome, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i); }

void Mouse(QWidget* w, QEvent::Type tipo)
{
    const QPointF p(5, 5);
    QMouseEvent e(tipo, p, w->mapToGlobal(p), tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

TEST_F(EditorTest, EveryNamedControlExistsWithItsKind)
{
    struct Atteso { QString nome; const char* classe; };
    std::vector<Atteso> attesi = {
        {"lblMis(1)", "QLabel"}, {"txtReaz", "QLineEdit"}, {"txtLapp", "QLineEdit"},
        {"cmbTipoNodo", "QComboBox"}, {"SSTab1", "QTabWidget"}, {"SSTab2", "QTabWidget"},
        {"txtMatAsta", "QLineEdit"}, {"Text1", "QLineEdit"}, {"Text2", "QLabel"},
        {"PicTipoNodi", "QWidget"}, {"RichTextBox1", "QTextEdit"}, {"lblNodoCorrente", "QLabel"},
        {"Label35", "QLabel"}, {"lblNodiTot", "QLabel"}, {"lblTitolo", "QLabel"},
        {"FrameParamNodo", "QGroupBox"}, {"FrameTipo", "QFrame"}, {"lblTipo", "QLabel"},
        {"lblReaz", "QLabel"}, {"lblLapp", "QLabel"}, {"lblAsta(0)", "QLabel"},
    };
    for (int i = 1; i <= 4; ++i)
        attesi.push_back({indice("txtMis", i), "QLineEdit"});
    for (int i = 1; i <= 6; ++i) {
        for (const char* n : {"txtBAsta", "txtHAsta", "txtAngAsta", "txtNAsta"})
            attesi.push_back({indice(n, i), "QLineEdit"});
        attesi.push_back({indice("ComboAsta", i), "QComboBox"});
        attesi.push_back({indice("LstMatAsta", i), "QTreeWidget"});
        attesi.push_back({indice("txtCoefMat", i), "QLineEdit"});
    }
    for (int i = 0; i <= 6; ++i)
        attesi.push_back({indice("FrameAsta", i), "QWidget"});
    for (int i = 0; i <= 3; ++i) {
        attesi.push_back({indice("ImgTipoUnione", i), "QLabel"});
        attesi.push_back({indice("PicNodo", i), "DisegnoSvg"});
    }
    for (int i = 1; i <= 3; ++i) {
        attesi.push_back({indice("Option2", i), "QRadioButton"});
        attesi.push_back({indice("txtCoefCar", i), "QLineEdit"});
    }
    for (int i : {1, 3, 4, 5, 6, 7, 8, 9})
        attesi.push_back({QStringLiteral("Command%1").arg(i), "QPushButton"});

    for (const Atteso& a : attesi) {
        const QList<QWidget*> trovati = f->findChildren<QWidget*>(a.nome);
        ASSERT_EQ(trovati.size(), 1) << a.nome.toStdString();
        EXPECT_TRUE(trovati.front()->inherits(a.classe)) << a.nome.toStdString() << " is "
                                                         << trovati.front()->metaObject()->className();
    }
    EXPECT_EQ(f->windowTitle(), QStringLiteral("[QOR srl] - Unioni di Nodi in Legno"));
}

TEST_F(EditorTest, ButtonsTabsAndListsCarryTheirTexts)
{
    const std::vector<std::pair<QPushButton*, QString>> didascalie = {
        {f->Command3, "Aggiungi Nodo"}, {f->Command6, "Rimuovi Nodo"}, {f->Command9, "Esci"},
        {f->Command1, "Tabella Materiali"}};
    // The caption as shown: the "&" before a button's Alt letter is not part of it.
    for (const auto& [pulsante, testo] : didascalie)
        EXPECT_EQ(QString(pulsante->text()).remove(QLatin1Char('&')), testo);
    EXPECT_EQ(f->Command4->toolTip(), QStringLiteral("Indietro"));
    EXPECT_EQ(f->Command5->toolTip(), QStringLiteral("Avanti"));
    EXPECT_EQ(f->Command7->toolTip(), QStringLiteral("Appunti SL"));
    for (QPushButton* b : {f->Command4, f->Command5, f->Command7})
        EXPECT_FALSE(b->icon().isNull());

    ASSERT_EQ(f->SSTab1->count(), 3);
    EXPECT_EQ(f->SSTab1->tabText(0), QStringLiteral("Dati Unione"));
    EXPECT_EQ(f->SSTab1->tabText(1), QStringLiteral("Relazione di Verifica"));
    EXPECT_EQ(f->SSTab1->tabText(2), QStringLiteral("Coefficienti Normativa"));
    ASSERT_EQ(f->SSTab2->count(), 6);
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(f->SSTab2->tabText(j), QString::number(j + 1));

    EXPECT_EQ(f->cmbTipoNodo->count(), 8) << "four single steps, then their rear-step twins";
    EXPECT_EQ(frmNodi::TipiNodo(),
              QStringList({QStringLiteral("Catena Puntone a Dente Semplice"), QStringLiteral("Puntone Saetta a Dente Semplice"),
                           QStringLiteral("Monaco Puntoni a Dente Semplice"), QStringLiteral("Monaco Saette a Dente Semplice"),
                           QStringLiteral("Catena Puntone a Dente Arretrato"), QStringLiteral("Puntone Saetta a Dente Arretrato"),
                           QStringLiteral("Monaco Puntoni a Dente Arretrato"), QStringLiteral("Monaco Saette a Dente Arretrato")}));
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(f->cmbTipoNodo->itemText(k), frmNodi::TipiNodo().at(k));
        EXPECT_EQ(f->ImgTipoUnione[static_cast<std::size_t>(k)]->toolTip(), frmNodi::TipiNodo().at(k));
        EXPECT_FALSE(f->ImgTipoUnione[static_cast<std::size_t>(k)]->pixmap().isNull());
        EXPECT_TRUE(f->PicNodo[static_cast<std::size_t>(k)]->renderer()->isValid()) << k;
    }
    for (int i = 1; i <= 6; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        ASSERT_EQ(f->ComboAsta[ii]->count(), 2);
        EXPECT_EQ(f->ComboAsta[ii]->itemText(0), QStringLiteral("Rettangolare"));
        EXPECT_EQ(f->ComboAsta[ii]->itemText(1), QStringLiteral("Circolare"));
        EXPECT_EQ(f->ComboAsta[ii]->currentIndex(), 0);
        EXPECT_EQ(f->LstMatAsta[ii]->headerItem()->text(0), QStringLiteral("Codice"));
        EXPECT_EQ(f->LstMatAsta[ii]->headerItem()->text(1), QStringLiteral("Descrizione"));
        EXPECT_EQ(f->lblAngAsta[ii]->text(), QStringLiteral("\u03b1\u00b0"));
        EXPECT_EQ(f->lblNAsta[ii]->text(), QStringLiteral("Axial N. (kN)"));
    }
    EXPECT_EQ(f->lblLapp->toolTip(), QStringLiteral("Lunghezza dell'Appoggio"));
    EXPECT_EQ(f->Text2->text(), QStringLiteral("Materiale N\u00b0"));
    EXPECT_TRUE(f->RichTextBox1->isReadOnly());
}

TEST_F(EditorTest, OpensWithNoTypeLayout)
{
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), -1);
    EXPECT_EQ(f->Disegni->currentWidget(), f->PicTipoNodi);
    EXPECT_FALSE(f->FrameParamNodo->isEnabled());
    EXPECT_FALSE(f->FrameAsta[0]->isEnabled());
    EXPECT_FALSE(f->SSTab2->isEnabled());
    EXPECT_FALSE(f->txtMatAsta->isEnabled());
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_EQ(f->Command8->text(), QStringLiteral("Seleziona Tipo Unione"));
    EXPECT_EQ(f->RichTextBox1->toPlainText(), QStringLiteral("Selezionare Tipo di Unione"));
    EXPECT_EQ(f->RichTextBox1->currentFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(f->SSTab1->currentIndex(), 0);
    EXPECT_EQ(f->SSTab2->currentIndex(), 0);
    EXPECT_EQ(f->lblNodoCorrente->text(), QStringLiteral("0"));
    EXPECT_EQ(f->Label35->text(), QStringLiteral("/"));
    EXPECT_EQ(f->lblNodiTot->text(), QStringLiteral("0"));
    EXPECT_EQ(f->lblMis[1]->text(), QStringLiteral("[cm.] a1 ="));
    EXPECT_EQ(f->lblMis[4]->text(), QStringLiteral("a4 ="));
    EXPECT_EQ(f->ModifNodo, 1);
    EXPECT_TRUE(f->Option2[1]->isChecked());
}

// ---------------------------------------------------------------------------------------
struct LayoutTipo {
    const char* caso;
    int k;
    QStringList aste;          // Text1 for tabs 1..n
    QStringList didascalie;    // lblMis(1..4), empty = hidden
    bool appoggio;
    QStringList nascosti;      // bar fields hidden (labels go with them)
};

void PrintTo(const LayoutTipo& c, std::ostream* os) { *os << c.caso; }

class LayoutTipi : public EditorTest, public ::testing::WithParamInterface<LayoutTipo> {};

TEST_P(LayoutTipi, TypeReshapesTheWindow)
{
    const LayoutTipo& c = GetParam();
    // Angles typed under another type, and a selected tab beyond the new type's bars.
    f->cmbTipoNodo->setCurrentIndex(c.k == 1 ? 0 : 1);
    f->SSTab2->setCurrentIndex(f->NumeroSchedeDisponibili() - 1);
    for (int i = 1; i <= 6; ++i)
        f->txtAngAsta[static_cast<std::size_t>(i)]->setText(QStringLiteral("15"));

    f->cmbTipoNodo->setCurrentIndex(c.k);

    EXPECT_EQ(f->Disegni->currentWidget(), f->PicNodo[static_cast<std::size_t>(c.k)]);
    EXPECT_TRUE(f->FrameParamNodo->isEnabled());
    EXPECT_TRUE(f->SSTab2->isEnabled());
    EXPECT_TRUE(f->Command8->isEnabled());
    EXPECT_EQ(QString(f->Command8->text()).remove(QLatin1Char('&')), QStringLiteral("Registra Dati e Verifica"));
    EXPECT_EQ(f->RichTextBox1->toPlainText(), QStringLiteral("Registrare i Dati del Nodo ed eseguire Verifica"));
    EXPECT_EQ(NomeFocus(*f), QStringLiteral("txtMis(1)"));
    EXPECT_EQ(f->SSTab2->currentIndex(), 0);
    EXPECT_EQ(f->NumeroSchedeDisponibili(), c.aste.size());
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(f->SchedaDisponibile(j), j < c.aste.size()) << "tab " << j;

    for (int i = 1; i <= 4; ++i) {
        const QString& d = c.didascalie.at(i - 1);
        EXPECT_EQ(frmNodi::Mostrato(f->txtMis[static_cast<std::size_t>(i)]), !d.isEmpty()) << i;
        EXPECT_EQ(frmNodi::Mostrato(f->lblMis[static_cast<std::size_t>(i)]), !d.isEmpty()) << i;
        if (!d.isEmpty()) {
            EXPECT_EQ(f->lblMis[static_cast<std::size_t>(i)]->text(), d);
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{f->txtReaz, f->txtLapp, f->lblReaz, f->lblLapp})
        EXPECT_EQ(frmNodi::Mostrato(w), c.appoggio) << w->objectName().toStdString();

    for (int i = 1; i <= 6; ++i) {
        for (const char* n : {"txtAngAsta", "txtNAsta", "txtBAsta", "txtHAsta"}) {
            const QString nome = indice(n, i);
            auto* campo = f->findChild<QLineEdit*>(nome);
            EXPECT_EQ(frmNodi::Mostrato(campo), !c.nascosti.contains(nome)) << nome.toStdString();
        }
    }
    for (int i = 1; i <= 6; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        EXPECT_EQ(frmNodi::Mostrato(f->lblAngAsta[ii]), frmNodi::Mostrato(f->txtAngAsta[ii]));
        EXPECT_EQ(frmNodi::Mostrato(f->lblNAsta[ii]), frmNodi::Mostrato(f->txtNAsta[ii]));
        const bool monaco = c.k >= 2 && i == 2;
        EXPECT_EQ(f->txtAngAsta[ii]->text(), monaco ? QStringLiteral("90") : QString()) << "bar " << i;
    }

    for (int j = 0; j < c.aste.size(); ++j) {
        f->SSTab2->setCurrentIndex(j);
        EXPECT_EQ(f->Text1->text(), c.aste.at(j)) << "tab " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    QuattroTipi, LayoutTipi,
    ::testing::Values(
        LayoutTipo{"CatenaPuntone", 0, {"Catena", "Puntone"}, {"[cm.]  tv =", "Lv =", "", ""}, true,
                   {"txtAngAsta(1)", "txtNAsta(1)"}},
        LayoutTipo{"PuntoneSaetta", 1, {"Puntone Inferiore", "Puntone Superiore", "Saetta"},
                   {"[cm.]  tv =", "", "", ""}, false, {"txtNAsta(1)", "txtNAsta(2)"}},
        LayoutTipo{"MonacoPuntoni", 2, {"Puntone Sx", "Monaco", "Puntone Dx"},
                   {"[cm.]  tv1=", "Lv1=", "tv2=", "Lv2="}, false, {"txtAngAsta(2)", "txtNAsta(2)"}},
        LayoutTipo{"MonacoSaette", 3, {"Saetta Sx", "Monaco", "Saetta Dx"},
                   {"[cm.]  tv1=", "Lv1=", "tv2=", "Lv2="}, false, {"txtAngAsta(2)", "txtNAsta(2)"}}),
    [](const ::testing::TestParamInfo<LayoutTipo>& info) { return std::string(info.param.caso); });

TEST_F(EditorTest, ShownWindowShowsTheTypeFieldsAndHidesTheOthers)
{
    f->show();
    f->cmbTipoNodo->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->txtMis[2]->isVisible());
    EXPECT_FALSE(f->txtMis[3]->isVisible());
    EXPECT_TRUE(f->txtReaz->isVisible());
    EXPECT_TRUE(f->txtBAsta[1]->isVisible());
    EXPECT_FALSE(f->txtAngAsta[1]->isVisible());
    EXPECT_TRUE(f->PicNodo[0]->isVisible());
    EXPECT_FALSE(f->PicTipoNodi->isVisible());
    f->SSTab2->setCurrentIndex(1);
    EXPECT_TRUE(f->txtAngAsta[2]->isVisible());
    EXPECT_FALSE(f->txtBAsta[1]->isVisible());
    f->hide();
}

TEST_F(EditorTest, BackToNoTypeDisablesTheDataAndKeepsTheTabs)
{
    f->cmbTipoNodo->setCurrentIndex(1);
    f->cmbTipoNodo->setCurrentIndex(-1);
    EXPECT_EQ(f->Disegni->currentWidget(), f->PicTipoNodi);
    EXPECT_FALSE(f->FrameParamNodo->isEnabled());
    EXPECT_FALSE(f->SSTab2->isEnabled());
    EXPECT_FALSE(f->Command8->isEnabled());
    EXPECT_EQ(f->Command8->text(), QStringLiteral("Seleziona Tipo Unione"));
    EXPECT_EQ(f->RichTextBox1->toPlainText(), QStringLiteral("Selezionare Tipo di Unione"));
    EXPECT_EQ(f->NumeroSchedeDisponibili(), 3);
    EXPECT_EQ(f->Text1->text(), QString());
    // A later edit enables "Registra" again; the validation then refuses the missing type.
    f->txtMis[1]->setText(QStringLiteral("3"));
    EXPECT_TRUE(f->Command8->isEnabled());
}

TEST_F(EditorTest, SectionShapeSwitchesWidthCaptionAndHeightField)
{
    f->cmbTipoNodo->setCurrentIndex(0);
    f->txtHAsta[2]->setText(QStringLiteral("24"));
    f->ModifNodo = 0;
    f->Command8->setEnabled(false);

    f->txtBAsta[2]->setText(QStringLiteral("7,5"));
    EXPECT_FALSE(frmNodi::Mostrato(f->lblDiametro[2])) << "a rectangle has no diameter";
    f->ComboAsta[2]->setCurrentIndex(1);
    // The field holds the radius; the diameter engineers give is shown beside it.
    EXPECT_EQ(f->lblBase[2]->text(), QStringLiteral("R (raggio) [cm]"));
    EXPECT_TRUE(frmNodi::Mostrato(f->lblDiametro[2]));
    EXPECT_EQ(f->lblDiametro[2]->text(), QStringLiteral("Ø = 15,00 cm"));
    f->txtBAsta[2]->setText(QStringLiteral("abc"));
    EXPECT_EQ(f->lblDiametro[2]->text(), QStringLiteral("Ø = – cm"));
    f->txtBAsta[2]->setText(QStringLiteral("7,5"));
    EXPECT_FALSE(frmNodi::Mostrato(f->txtHAsta[2]));
    EXPECT_FALSE(frmNodi::Mostrato(f->lblAltezza[2]));
    EXPECT_EQ(f->ModifNodo, 1);
    EXPECT_TRUE(f->Command8->isEnabled());
    EXPECT_EQ(f->lblBase[1]->text(), QStringLiteral("B (cm)")) << "other bars keep their shape";

    f->ComboAsta[2]->setCurrentIndex(0);
    EXPECT_EQ(f->lblBase[2]->text(), QStringLiteral("B (cm)"));
    EXPECT_FALSE(frmNodi::Mostrato(f->lblDiametro[2]));
    EXPECT_TRUE(frmNodi::Mostrato(f->txtHAsta[2]));
    EXPECT_TRUE(frmNodi::Mostrato(f->lblAltezza[2]));
    EXPECT_EQ(f->txtHAsta[2]->text(), QStringLiteral("24"));
}

TEST_F(EditorTest, TypePicturesHighlightOnHoverAndSelectTheirType)
{
    auto bordi = [this] {
        QString s;
        for (QLabel* img : f->ImgTipoUnione)
            s += img->frameShape() == QFrame::NoFrame ? QLatin1Char('-') : QLatin1Char('#');
        return s;
    };
    Mouse(f->ImgTipoUnione[1], QEvent::MouseMove);
    EXPECT_EQ(bordi(), QStringLiteral("-#------"));
    Mouse(f->ImgTipoUnione[3], QEvent::MouseMove);
    EXPECT_EQ(bordi(), QStringLiteral("---#----"));
    Mouse(f->PicTipoNodi, QEvent::MouseMove);
    EXPECT_EQ(bordi(), QStringLiteral("--------"));

    f->cmbTipoNodo->setEnabled(false);   // works whether or not the list is enabled
    Mouse(f->ImgTipoUnione[2], QEvent::MouseMove);
    Mouse(f->ImgTipoUnione[2], QEvent::MouseButtonRelease);
    EXPECT_EQ(bordi(), QStringLiteral("--------"));
    EXPECT_EQ(f->cmbTipoNodo->currentText(), QStringLiteral("Monaco Puntoni a Dente Semplice"));
    EXPECT_EQ(f->Disegni->currentWidget(), f->PicNodo[2]);
    EXPECT_EQ(f->NumeroSchedeDisponibili(), 3);
}

// ---------------------------------------------------------------------------------------
class SchedeAste : public EditorTest {
protected:
    void SetUp() override
    {
        archivio.MaterialiTipici();
        f->cmbTipoNodo->setCurrentIndex(0);
    }
    ArchivioProva archivio;
};

TEST_F(SchedeAste, NextBarIsOfferedThePreviousBarsMaterial)
{
    Materiale(1, 4);
    ASSERT_EQ(f->NumeroMateriale(1), 4);
    f->ModifNodo = 0;

    f->SSTab2->setCurrentIndex(1);
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("4"));
    EXPECT_EQ(f->NumeroMateriale(2), 4);
    EXPECT_EQ(f->LstMatAsta[2]->topLevelItemCount(), 14);
    EXPECT_EQ(f->ModifNodo, 1) << "the proposal is an edit";
    EXPECT_EQ(f->Text1->text(), QStringLiteral("Puntone"));

    // Back to bar 1: its own number is shown without reloading its list.
    archivio.Esegui(QStringLiteral("UPDATE Legno SET Descrizione='cambiata' WHERE Numero=4"));
    f->ModifNodo = 0;
    f->SSTab2->setCurrentIndex(0);
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("4"));
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItem(1)->text(1), QStringLiteral("Legno Massiccio Abete C24"));
}

TEST_F(SchedeAste, BarWithItsOwnMaterialIsNotOfferedAnother)
{
    Materiale(2, 7);
    Materiale(1, 4);
    f->SSTab2->setCurrentIndex(1);
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("7"));
    EXPECT_EQ(f->NumeroMateriale(2), 7);
}

TEST_F(SchedeAste, FirstBarWithoutMaterialEmptiesTheFieldAndProposesNothing)
{
    Materiale(2, 7);
    f->SSTab2->setCurrentIndex(0);
    EXPECT_EQ(f->txtMatAsta->text(), QString());
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItemCount(), 0);
}

TEST_F(SchedeAste, TypeChangeFromALaterTabProposesNothingToOtherBars)
{
    f->cmbTipoNodo->setCurrentIndex(1);
    Materiale(1, 4);
    f->SSTab2->setCurrentIndex(2);   // bar 3: bar 2 has no material, nothing proposed
    ASSERT_EQ(f->LstMatAsta[3]->topLevelItemCount(), 0);

    f->cmbTipoNodo->setCurrentIndex(0);
    EXPECT_EQ(f->SSTab2->currentIndex(), 0);
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("4"));
    EXPECT_EQ(f->LstMatAsta[2]->topLevelItemCount(), 0);
    EXPECT_FALSE(f->SchedaDisponibile(2));
}
