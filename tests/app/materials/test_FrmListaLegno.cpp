#include "materials/FinestreMateriali.h"

#include "editor/frmNodi.h"
#include "materials/DelegatoColonnaLegno.h"

#include <QThread>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QToolBar>

using ModuloTrevon::Risposta;

namespace {

class ListaLegno : public FinestreMateriali {
protected:
    // Materials whose descriptions test the filter; added before the list opens.
    void aggiungiDescrizioni()
    {
        EseguiSuFile(archivio, QStringLiteral(
            "INSERT INTO Legno (Numero, Classe, Descrizione, Fmk) VALUES "
            "(30, 'X', 'Ciliegio', 1), (31, 'X', 'Noce d''India', 1), (32, 'X', '100% abete', 1), "
            "(33, 'X', '_Prova', 1), (34, 'X', 'castagno', 1)"));
    }
};

int pixel(const QWidget* w, int twips) { return static_cast<int>(std::lround(twips * w->logicalDpiX() / 1440.0)); }

}  // namespace

TEST_F(ListaLegno, OpensAsOneChildOfTheMainWindowWithItsControls)
{
    FrmListaLegno* f = apriLista();
    ASSERT_NE(f, nullptr);
    ASSERT_NE(f->Cornice(), nullptr);
    EXPECT_EQ(f->Cornice()->mdiArea(), area());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("DataBase Materiale Legno"));
    EXPECT_EQ(f->Text1->text(), QStringLiteral("Archivio: \"") + archivio + QStringLiteral("\"   [ Valori in N/mm² ]"));
    EXPECT_EQ(f->Text2->text(), QStringLiteral("Filtro:"));
    EXPECT_EQ(f->Text3->toolTip(), QStringLiteral("Seleziona Materiale la cui Descrizione inizia per ......"));
    for (const char* nome : {"Toolbar1", "Text1", "Text2", "Text3", "DataGrid1"})
        EXPECT_NE(f->findChild<QWidget*>(QString::fromLatin1(nome)), nullptr) << nome;

    const QStringList suggerimenti = {QString(), QStringLiteral("Nuovo Materiale (LEGNO)"),
                                      QStringLiteral("Visualizza"), QStringLiteral("Modifica"),
                                      QStringLiteral("Elimina"), QString(), QStringLiteral("Refresh Database"),
                                      QString(), QStringLiteral("Chiudi Elenco")};
    for (int p = 1; p <= FrmListaLegno::PosizioniToolbar; ++p) {
        QAction* a = f->Pulsante(p);
        ASSERT_NE(a, nullptr) << p;
        EXPECT_EQ(a->isSeparator(), suggerimenti.at(p - 1).isEmpty()) << p;
        if (!a->isSeparator()) {
            EXPECT_EQ(a->toolTip(), suggerimenti.at(p - 1)) << p;
            EXPECT_FALSE(a->icon().isNull()) << p;
        }
    }
    EXPECT_EQ(f->Pulsante(10), nullptr);

    // Opening again brings the same window to the front.
    EXPECT_EQ(FrmListaLegno::Apri(principale.get()), f);
    Elabora();
    EXPECT_EQ(finestreAperte(), 1);
    EXPECT_EQ(area()->activeSubWindow(), f->Cornice());
}

TEST_F(ListaLegno, GridShowsEveryFieldWithItsWidthAlignmentAndFormat)
{
    FrmListaLegno* f = apriLista();
    QAbstractItemModel* m = f->DataGrid1->model();
    ASSERT_EQ(m->rowCount(), 24);
    ASSERT_EQ(m->columnCount(), 15);   // the values and the timber type, last
    EXPECT_EQ(righeGriglia(f).first(), 1);
    EXPECT_EQ(righeGriglia(f).last(), 24);

    struct Colonna { const char* campo; int twips; Qt::Alignment allineamento; };
    const Colonna attese[] = {
        {"Numero", 630, Qt::AlignHCenter | Qt::AlignVCenter},
        {"Classe", 1000, Qt::AlignLeft | Qt::AlignVCenter},
        {"Descrizione", 4000, Qt::AlignLeft | Qt::AlignVCenter},
        {"Fmk", 800, Qt::AlignRight | Qt::AlignVCenter},
        {"rok", 800, Qt::AlignRight | Qt::AlignVCenter},
    };
    const int colonne[] = {0, 1, 2, 3, 13};
    for (int k = 0; k < 5; ++k) {
        const int c = colonne[k];
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(attese[k].campo));
        // The designed width, or more where this screen's font needs it.
        EXPECT_GE(f->DataGrid1->columnWidth(c), pixel(f, attese[k].twips)) << attese[k].campo;
        EXPECT_LE(f->DataGrid1->columnWidth(c), pixel(f, attese[k].twips) + 60) << attese[k].campo;
        auto* d = qobject_cast<DelegatoColonnaLegno*>(f->DataGrid1->itemDelegateForColumn(c));
        ASSERT_NE(d, nullptr) << attese[k].campo;
        EXPECT_EQ(d->Allineamento(), attese[k].allineamento) << attese[k].campo;
    }

    // Row of C24 (Numero 6): E0mean 11000, Ft90k 0.4.
    auto testo = [&](int riga, int colonna) {
        auto* d = static_cast<QStyledItemDelegate*>(f->DataGrid1->itemDelegateForColumn(colonna));
        return d->displayText(m->data(m->index(riga, colonna)), QLocale::c());
    };
    EXPECT_EQ(testo(5, 0), QStringLiteral("6"));
    EXPECT_EQ(testo(5, 1), QStringLiteral("C24"));
    EXPECT_EQ(testo(5, 5), QStringLiteral("0,40"));
    EXPECT_EQ(testo(5, 9), QStringLiteral("11.000,00"));
    EXPECT_GE(f->DataGrid1->columnWidth(9), f->DataGrid1->fontMetrics().horizontalAdvance(testo(5, 9)));
    // The description column is the designed width, or as wide as the longest description:
    // none is cut.
    EXPECT_GE(f->DataGrid1->columnWidth(2), pixel(f, 4000));
    for (int r = 0; r < m->rowCount(); ++r)
        EXPECT_GE(f->DataGrid1->columnWidth(2), f->DataGrid1->fontMetrics().horizontalAdvance(testo(r, 2))) << r;
    // Each value column's header names its quantity and unit; the density is in kg/m³.
    EXPECT_EQ(m->headerData(13, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("Massa Volumica Caratteristica [kg/m³]"));
    EXPECT_EQ(m->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("Flessione [N/mm²]"));
}

TEST(FormatoGriglia, ItalianGroupingAndTwoDecimals)
{
    struct Caso { QVariant valore; const char* atteso; };
    const Caso casi[] = {
        {1234.5, "1.234,50"}, {11600.0, "11.600,00"}, {0.4, "0,40"}, {0.0, "0,00"},
        {-1234.567, "-1.234,57"}, {1234567.0, "1.234.567,00"}, {QVariant(), ""},
        {QVariant(QMetaType::fromType<double>()), ""}, {QStringLiteral("abc"), ""},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(DelegatoColonnaLegno::TestoDecimale(c.valore), QString::fromUtf8(c.atteso)) << c.atteso;
}

TEST_F(ListaLegno, FilterKeepsDescriptionsThatBeginWithTheTextLiterally)
{
    aggiungiDescrizioni();
    FrmListaLegno* f = apriLista();
    struct Caso { const char* filtro; QList<int> numeri; };
    const QList<int> tutti = [] { QList<int> n; for (int i = 1; i <= 24; ++i) n << i; n << 30 << 31 << 32 << 33 << 34; return n; }();
    const Caso casi[] = {
        {"C", {30, 34}},                     // "begins with", letter case ignored
        {"", tutti},                         // cleared
        {"_", tutti},                        // a lone "_"
        {"   ", tutti},                      // blanks
        {"Noce d'", {31}},                   // apostrophe
        {"100%", {32}},                      // "%" is a character
        {"%", {}},
        {"_P", {33}},                        // "_" is a character
        {"Legno Lamellare", {19, 20, 21, 22, 23, 24}},
        {"zzz", {}},
    };
    for (const Caso& c : casi) {
        f->Text3->setText(QString::fromUtf8(c.filtro));
        EXPECT_EQ(righeGriglia(f), c.numeri) << c.filtro;
        EXPECT_EQ(f->rsLista->RecordCount(), c.numeri.size()) << c.filtro;
        EXPECT_TRUE(f->DataGrid1->isEnabled());
    }
}

// Beside the "begins with" filter, the search finds a class or any part of a description.
TEST_F(ListaLegno, SearchFindsAClassOrAnyPartOfTheDescription)
{
    FrmListaLegno* f = apriLista();
    ASSERT_NE(f->txtCerca, nullptr);
    EXPECT_EQ(f->lblCerca->text(), QStringLiteral("Cerca:"));
    f->txtCerca->setText(QStringLiteral("c24"));
    EXPECT_EQ(righeGriglia(f), QList<int>({6}));
    f->txtCerca->setText(QStringLiteral("Lamellare"));
    EXPECT_EQ(righeGriglia(f), QList<int>({19, 20, 21, 22, 23, 24}));
    f->Text3->setText(QStringLiteral("Legno Lamellare incollato c"));
    EXPECT_EQ(righeGriglia(f), QList<int>({22, 23, 24})) << "both narrow the grid";
    f->txtCerca->clear();
    EXPECT_EQ(righeGriglia(f), QList<int>({22, 23, 24})) << "the filter stays";
    f->Text3->clear();
    EXPECT_EQ(righeGriglia(f).size(), 24);
}

TEST_F(ListaLegno, ReloadKeepsTheFilterAndTheCurrentRecord)
{
    FrmListaLegno* f = apriLista();
    f->Text3->setText(QStringLiteral("Legno Lamellare"));
    selezionaNumero(f, 21);
    EXPECT_EQ(f->DataGrid1->currentIndex().row(), 2);   // the grid follows the record set
    const RecordsetMateriali* prima = f->rsLista.get();
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Classe = 'NUOVA' WHERE Numero = 22"));

    f->Attivata();
    EXPECT_NE(f->rsLista.get(), prima);
    EXPECT_EQ(f->Text3->text(), QStringLiteral("Legno Lamellare"));
    EXPECT_EQ(righeGriglia(f), (QList<int>{19, 20, 21, 22, 23, 24}));
    EXPECT_EQ(numeroCorrente(f->rsLista), 21);
    EXPECT_EQ(f->DataGrid1->currentIndex().row(), 2);
    f->rsLista->SetBookmark(22);
    EXPECT_EQ(f->rsLista->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("NUOVA"));

    // The toolbar's reload keeps the filter as well.
    f->Toolbar1_ButtonClick(7);
    EXPECT_EQ(righeGriglia(f), (QList<int>{19, 20, 21, 22, 23, 24}));

    // Selecting a row in the grid moves the record set.
    f->DataGrid1->setCurrentIndex(f->DataGrid1->model()->index(4, 2));
    EXPECT_EQ(numeroCorrente(f->rsLista), 23);
}

TEST_F(ListaLegno, ActivatedAgainItReloads)
{
    FrmListaLegno* f = apriLista();
    auto* altra = area()->addSubWindow(new QWidget);
    altra->show();
    area()->setActiveSubWindow(altra);
    Elabora();
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero = 3"));
    area()->setActiveSubWindow(f->Cornice());
    Elabora();
    EXPECT_FALSE(righeGriglia(f).contains(3));
    EXPECT_EQ(f->rsLista->RecordCount(), 23);
}

// Coming back to the list reads the archive again only when it changed: not at all when
// nothing was written, at once after a write of this program's own (a record sheet's).
TEST_F(ListaLegno, ActivatedAgainWithoutAChangeItKeepsTheRowsItHas)
{
    FrmListaLegno* f = apriLista();
    auto* altra = area()->addSubWindow(new QWidget);
    altra->show();
    const RecordsetMateriali* letto = f->rsLista.get();
    for (int volta = 0; volta < 2; ++volta) {
        area()->setActiveSubWindow(altra);
        Elabora();
        area()->setActiveSubWindow(f->Cornice());
        Elabora();
        EXPECT_EQ(f->rsLista.get(), letto);
    }
    std::shared_ptr<RecordsetMateriali> scheda;
    QString errore;
    DatabaseMateriali::ApriRecordset(scheda, QStringLiteral("Select * From Legno where Numero =0"), errore);
    ASSERT_TRUE(scheda) << errore.toStdString();
    ASSERT_TRUE(scheda->AddNew() && scheda->ImpostaCampo(QStringLiteral("Numero"), 40) &&
                scheda->ImpostaCampo(QStringLiteral("Descrizione"), QStringLiteral("Larice")) && scheda->Update())
        << scheda->Errore().toStdString();
    area()->setActiveSubWindow(altra);
    Elabora();
    area()->setActiveSubWindow(f->Cornice());
    Elabora();
    EXPECT_NE(f->rsLista.get(), letto);
    EXPECT_TRUE(righeGriglia(f).contains(40));
}

TEST_F(ListaLegno, CleanSettingsKeepTheDesignedSizeAndCloseWritesTheFiveKeys)
{
    FrmListaLegno* f = apriLista();
    QMdiSubWindow* cornice = f->Cornice();
    EXPECT_EQ(cornice->size(), FrmListaLegno::DimensioneProgettata());
    cornice->setGeometry(30, 20, 700, 400);
    Elabora();
    const int dpiX = f->logicalDpiX(), dpiY = f->logicalDpiY();
    cornice->close();
    Elabora();
    EXPECT_EQ(FrmListaLegno::Istanza(), nullptr);

    QSettings s = impostazioni();
    s.beginGroup(QStringLiteral("ListaLegname"));
    EXPECT_EQ(s.childKeys().size(), 5);
    EXPECT_EQ(s.value(QStringLiteral("Windowstate")).toString(), QStringLiteral("0"));
    EXPECT_EQ(s.value(QStringLiteral("Top")).toString(), QString::number(static_cast<float>(20 * 1440.0 / dpiY)));
    EXPECT_EQ(s.value(QStringLiteral("Left")).toString(), QString::number(static_cast<float>(30 * 1440.0 / dpiX)));
    EXPECT_EQ(s.value(QStringLiteral("Width")).toString(), QString::number(static_cast<float>(700 * 1440.0 / dpiX)));
    EXPECT_EQ(s.value(QStringLiteral("Height")).toString(), QString::number(static_cast<float>(400 * 1440.0 / dpiY)));
    s.endGroup();

    FrmListaLegno* g = apriLista();
    EXPECT_EQ(g->Cornice()->geometry(), QRect(30, 20, 700, 400));
}

TEST_F(ListaLegno, SettingsReadEachValueOnItsOwn)
{
    {
        QSettings s = impostazioni();
        s.beginGroup(QStringLiteral("ListaLegname"));
        s.setValue(QStringLiteral("Windowstate"), QStringLiteral("x"));
        s.setValue(QStringLiteral("Top"), QStringLiteral("1500"));
        s.setValue(QStringLiteral("Left"), QStringLiteral("abc"));
        s.setValue(QStringLiteral("Width"), QStringLiteral("9000,0"));
    }
    FrmListaLegno* f = apriLista();
    const QRect g = f->Cornice()->geometry();
    EXPECT_EQ(g.y(), static_cast<int>(std::lround(1500 * f->logicalDpiY() / 1440.0)));
    EXPECT_EQ(g.width(), pixel(f, 9000));
    EXPECT_EQ(g.height(), FrmListaLegno::DimensioneProgettata().height());   // missing
    EXPECT_FALSE(f->Cornice()->isMinimized());
}

TEST_F(ListaLegno, MinimisedStateIsRestored)
{
    {
        QSettings s = impostazioni();
        s.setValue(QStringLiteral("ListaLegname/Windowstate"), QStringLiteral("1"));
    }
    FrmListaLegno* f = apriLista();
    EXPECT_TRUE(f->Cornice()->isMinimized());
    f->Cornice()->close();
    Elabora();
    EXPECT_EQ(impostazioni().value(QStringLiteral("ListaLegname/Windowstate")).toString(), QStringLiteral("1"));
    EXPECT_EQ(impostazioni().value(QStringLiteral("ListaLegname/Width")).toString(),
              QString::number(static_cast<float>(FrmListaLegno::DimensioneProgettata().width() * 1440.0 /
                                                 principale->logicalDpiX())));
}

TEST_F(ListaLegno, MaximisingGivesANormalWindowFillingTheArea)
{
    FrmListaLegno* f = apriLista();
    f->Cornice()->showMaximized();
    Elabora();
    EXPECT_FALSE(f->Cornice()->isMaximized());
    EXPECT_EQ(f->Cornice()->geometry(), QRect(QPoint(0, 0), area()->viewport()->size()));
    // The grid fills the window below the toolbar, 100 twips from each edge.
    const QRect grid = f->DataGrid1->geometry();
    EXPECT_EQ(grid.x(), pixel(f, 100));
    EXPECT_EQ(grid.y(), f->Toolbar1->height() + static_cast<int>(std::lround(100 * f->logicalDpiY() / 1440.0)));
    EXPECT_EQ(grid.width(), f->width() - pixel(f, 200));
}

TEST_F(ListaLegno, EscAndTheCloseButtonCloseTheWindowAndSaveItsPlace)
{
    FrmListaLegno* f = apriLista();
    Premi(f->Text3, Qt::Key_Escape, QStringLiteral("\x1b"));
    Elabora();
    EXPECT_EQ(FrmListaLegno::Istanza(), nullptr);
    EXPECT_TRUE(impostazioni().contains(QStringLiteral("ListaLegname/Height")));

    f = apriLista();
    Premi(f->DataGrid1, Qt::Key_Escape, QStringLiteral("\x1b"));
    Elabora();
    EXPECT_EQ(FrmListaLegno::Istanza(), nullptr);

    f = apriLista();
    f->Pulsante(9)->trigger();
    Elabora();
    EXPECT_EQ(FrmListaLegno::Istanza(), nullptr);
    EXPECT_EQ(finestreAperte(), 0);
}

TEST_F(ListaLegno, ViewModifyDeleteWithoutACurrentRecordDoNothing)
{
    FrmListaLegno* f = apriLista();
    f->Text3->setText(QStringLiteral("zzz"));
    const int prima = ModuloSchedaLegno::NumSchede;
    for (int p : {3, 4, 5})
        f->Pulsante(p)->trigger();
    Elabora();
    EXPECT_EQ(ModuloSchedaLegno::NumSchede, prima);
    EXPECT_EQ(finestreAperte(), 1);
    EXPECT_EQ(ModuloSchedaLegno::VisualizzaSchedaLegno(nullptr), nullptr);
    for (int p : {1, 6, 8})
        f->Toolbar1_ButtonClick(p);   // separators
    EXPECT_EQ(finestreAperte(), 1);
}

TEST_F(ListaLegno, ArchiveUnavailableShowsTheErrorOnceAndAnEmptyGrid)
{
    DatabaseMateriali::ChiudiDatabaseMateriali();
    AvvisiProva avvisi;
    FrmListaLegno* f = apriLista();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const ModuloTrevon::Avviso& a = avvisi.ricevuti.front().avviso;
    EXPECT_TRUE(a.testo.startsWith(QStringLiteral("Errore N. 3709 nella lettura del Database.\n\n"))) << a.testo.toStdString();
    EXPECT_EQ(a.pulsanti, ModuloTrevon::Pulsanti::OK);
    EXPECT_EQ(a.icona, ModuloTrevon::Icona::Nessuna);
    EXPECT_EQ(a.titolo, QStringLiteral("Trevon-SL"));
    EXPECT_EQ(f->DataGrid1->model()->rowCount(), 0);
    f->Text3->setText(QStringLiteral("C"));   // no record set: nothing to filter, no fault
    f->Pulsante(2)->trigger();                // a new sheet still opens, with no proposal
    Elabora();
    ASSERT_TRUE(ModuloSchedaLegno::frmScheda);
    EXPECT_EQ(ModuloSchedaLegno::frmScheda->Text2->text(), QString());
}

TEST_F(ListaLegno, TheEditorsTabellaMaterialiOpensTheList)
{
    auto* editor = new frmNodi;
    QMdiSubWindow* cornice = area()->addSubWindow(editor);
    cornice->show();
    Elabora();
    editor->Command1->click();
    Elabora();
    FrmListaLegno* f = FrmListaLegno::Istanza();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Cornice()->mdiArea(), area());
    EXPECT_EQ(area()->activeSubWindow(), f->Cornice());
    editor->Command1->click();
    Elabora();
    EXPECT_EQ(FrmListaLegno::Istanza(), f);
    EXPECT_EQ(finestreAperte(), 2);
}

TEST_F(ListaLegno, ClosingTheMainWindowKeepsThePlaceOfTheList)
{
    FrmListaLegno* f = apriLista();
    f->Cornice()->setGeometry(15, 25, 640, 380);
    Elabora();
    principale->close();
    Elabora();
    QSettings s = impostazioni();
    EXPECT_EQ(s.value(QStringLiteral("ListaLegname/Left")).toString(),
              QString::number(static_cast<float>(15 * 1440.0 / principale->logicalDpiX())));
    EXPECT_EQ(s.value(QStringLiteral("ListaLegname/Width")).toString(),
              QString::number(static_cast<float>(640 * 1440.0 / principale->logicalDpiX())));
}

TEST_F(ListaLegno, AStoredMaximisedStateOpensAsANormalWindowFillingTheArea)
{
    {
        QSettings s = impostazioni();
        s.setValue(QStringLiteral("ListaLegname/Windowstate"), QStringLiteral("2"));
    }
    FrmListaLegno* f = apriLista();
    EXPECT_FALSE(f->Cornice()->isMaximized());
    EXPECT_EQ(f->Cornice()->geometry(), QRect(QPoint(0, 0), area()->viewport()->size()));
}

// A huge stored size (the settings file is the user's to edit) is cut to the space the window
// lives in, and the window stays inside it.
TEST_F(ListaLegno, AStoredSizeLargerThanTheAreaIsCutToIt)
{
    {
        QSettings s = impostazioni();
        s.beginGroup(QStringLiteral("ListaLegname"));
        s.setValue(QStringLiteral("Top"), QStringLiteral("-900000"));
        s.setValue(QStringLiteral("Left"), QStringLiteral("900000000"));
        s.setValue(QStringLiteral("Width"), QStringLiteral("2000000000"));
        s.setValue(QStringLiteral("Height"), QStringLiteral("2000000000"));
    }
    FrmListaLegno* f = apriLista();
    const QRect g = f->Cornice()->geometry();
    const QRect spazio(QPoint(0, 0), f->Cornice()->mdiArea()->viewport()->size());
    EXPECT_TRUE(spazio.contains(g)) << g.x() << "," << g.y() << " " << g.width() << "x" << g.height();
}

// A second program on the same archive changes a material: the list follows without being
// activated again (it went stale until then).
TEST_F(ListaLegno, AChangeMadeByAnotherProgramReachesTheList)
{
    FrmListaLegno* f = apriLista();
    QAbstractItemModel* m = f->DataGrid1->model();
    ASSERT_EQ(m->rowCount(), 24);
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero = 24"));
    for (int i = 0; i < 300 && f->DataGrid1->model()->rowCount() == 24; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    EXPECT_EQ(f->DataGrid1->model()->rowCount(), 23);
    EXPECT_FALSE(righeGriglia(f).contains(24));
}
