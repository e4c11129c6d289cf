// The work cycle in the main window: the start window's place, "Avvia" opening the editor
// inside the main window, the library's messages, closing the editor, "Chiudi".
#include "AvvisiProva.h"

#include "editor/frmNodi.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

using namespace ModuloTrevon;

namespace {

void Clicca(QWidget* w)
{
    const QPoint p = w->rect().center();
    QMouseEvent premi(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &premi);
    QMouseEvent rilascia(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &rilascia);
}

void Elabora()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class CicloDiLavoro : public ::testing::Test {
protected:
    void SetUp() override
    {
        principale = new frmMain;
        principale->setAttribute(Qt::WA_DeleteOnClose);
        principale->resize(1000, 700);
        principale->show();
        Elabora();
    }
    void TearDown() override
    {
        delete principale.data();
        RilasciaGestioneNodi();
        Elabora();
    }

    QMdiSubWindow* cornice() const { return qobject_cast<QMdiSubWindow*>(principale->TipoVer()->parentWidget()); }
    QLabel* etichetta(const char* nome) const { return principale->TipoVer()->findChild<QLabel*>(nome); }

    QPointer<frmMain> principale;
};

}  // namespace

TEST_F(CicloDiLavoro, StartWindowSitsAtTheBottomCentreWithoutACloseBox)
{
    QMdiSubWindow* c = cornice();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_FALSE(c->windowFlags() & Qt::WindowCloseButtonHint);
    for (const QSize misura : {QSize(1000, 700), QSize(760, 560)}) {
        principale->resize(misura);
        Elabora();
        const QSize cliente = principale->AreaFinestre()->viewport()->size();
        EXPECT_EQ(c->x(), (cliente.width() - c->width()) / 2) << misura.width();
        EXPECT_EQ(c->y(), cliente.height() - c->height()) << misura.width();
    }
}

TEST_F(CicloDiLavoro, AvviaOpensTheEditorInsideAndClosingItBringsTheStartWindowBack)
{
    AvvisiProva avvisi;
    EXPECT_EQ(GenVerNodi, nullptr);
    Clicca(etichetta("Label1"));
    Elabora();
    ASSERT_NE(GenVerNodi, nullptr);
    EXPECT_EQ(GenVerNodi->Nodi->Count(), 1);
    EXPECT_EQ(NodoCorrente, GenVerNodi->Nodi->Item(1));
    EXPECT_FALSE(cornice()->isVisible());

    QPointer<frmNodi> editor = EditorAperto();
    ASSERT_NE(editor, nullptr);
    auto* corniceEditor = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    ASSERT_NE(corniceEditor, nullptr) << "the editor is a child window of the main window";
    EXPECT_TRUE(principale->AreaFinestre()->subWindowList().contains(corniceEditor));
    EXPECT_TRUE(editor->isVisible());

    // The register speaks through MsgBox: beep first when it asks, OK, no icon, its own title.
    GenVerNodi->ModificaAsta(1, 3, clsAsta{});
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.testo,
              QStringLiteral("L'asta N.3 appartenenete al nodo N.1 non risulta registrata"));
    EXPECT_EQ(avvisi.ricevuti[0].avviso.titolo, QStringLiteral("QOR_TRVSL10"));
    EXPECT_EQ(avvisi.ricevuti[0].avviso.icona, Icona::Nessuna);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.pulsanti, Pulsanti::OK);
    EXPECT_EQ(avvisi.ricevuti[0].beepPrima, 1);
    avvisi.ricevuti.clear();

    avvisi.Rispondi(Risposta::No);   // a second joint, the first one not registered
    editor->Command3->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    avvisi.ricevuti.clear();
    ASSERT_EQ(GenVerNodi->Nodi->Count(), 2);

    corniceEditor->close();   // the window's close box
    Elabora();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(principale->AreaFinestre()->subWindowList().size() == 1);
    EXPECT_TRUE(cornice()->isVisible());
    EXPECT_EQ(NodoCorrente, nullptr);
    ASSERT_NE(GenVerNodi, nullptr);
    EXPECT_EQ(GenVerNodi->Nodi->Count(), 2) << "the register stays until the next Avvia";

    Clicca(etichetta("Label1"));
    Elabora();
    EXPECT_EQ(GenVerNodi->Nodi->Count(), 1);
    EXPECT_EQ(GenVerNodi->Nodi->Item(1)->TipoNodo, "");
    ASSERT_NE(EditorAperto(), nullptr);
    EXPECT_EQ(EditorAperto()->lblNodiTot->text(), QStringLiteral("1"));
    EXPECT_TRUE(avvisi.ricevuti.empty());
}

TEST_F(CicloDiLavoro, ChiudiReleasesTheCalculationAndClosesTheMainWindow)
{
    struct Caso {
        const char* caso;
        bool daEtichetta;   // "Chiudi", otherwise any other close of the start window
    };
    for (const Caso c : {Caso{"Chiudi", true}, Caso{"closing the start window", false}}) {
        SCOPED_TRACE(c.caso);
        if (!principale) {
            SetUp();
        }
        AvvisiProva avvisi;
        Clicca(etichetta("Label1"));
        Elabora();
        EditorAperto()->Command9->click();
        Elabora();
        ASSERT_NE(GenVerNodi, nullptr);
        ASSERT_TRUE(cornice()->isVisible());

        if (c.daEtichetta)
            Clicca(etichetta("Label2"));
        else
            cornice()->close();
        Elabora();
        EXPECT_EQ(GenVerNodi, nullptr);
        EXPECT_EQ(NodoCorrente, nullptr);
        EXPECT_TRUE(principale.isNull()) << "the main window closed and was destroyed";
        EXPECT_TRUE(avvisi.ricevuti.empty());
    }
}

// Closing the main window with typed edits in the editor asks first; Cancel keeps the program.
TEST_F(CicloDiLavoro, ClosingTheMainWindowAsksForTypedEdits)
{
    AvvisiProva avvisi;
    Clicca(etichetta("Label1"));
    Elabora();
    frmNodi* editor = EditorAperto();
    ASSERT_NE(editor, nullptr);
    editor->cmbTipoNodo->setCurrentIndex(0);   // a type chosen: something to register
    ASSERT_EQ(editor->ModifNodo, 1);

    avvisi.Rispondi(ModuloTrevon::Risposta::Annulla);
    principale->close();
    Elabora();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_TRUE(avvisi.ricevuti[0].avviso.testo.endsWith(QStringLiteral("Registrare Modifiche prima di chiudere?")));
    avvisi.ricevuti.clear();
    ASSERT_FALSE(principale.isNull());
    EXPECT_TRUE(principale->isVisible());

    avvisi.Rispondi(ModuloTrevon::Risposta::No);
    principale->close();
    Elabora();
    EXPECT_EQ(avvisi.ricevuti.size(), 1u);
    avvisi.ricevuti.clear();
    EXPECT_TRUE(principale.isNull() || !principale->isVisible());
}
