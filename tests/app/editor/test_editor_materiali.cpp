// Bar material lists from the archive, the coefficient fields, kmod, γM and design strengths.
#include "AmbienteEditor.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QRadioButton>

namespace {

void Lascia(QWidget* w)
{
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &e);
}

QStringList Colonna(const QTreeWidget* lista, int colonna)
{
    QStringList testi;
    for (int r = 0; r < lista->topLevelItemCount(); ++r)
        testi << lista->topLevelItem(r)->text(colonna);
    return testi;
}

}  // namespace

class Materiali : public EditorTest {
protected:
    void SetUp() override
    {
        archivio.MaterialiTipici();
        f->cmbTipoNodo->setCurrentIndex(0);
    }
    ArchivioProva archivio;
};

TEST_F(Materiali, LoadsTheRowsWithTheTimberTypeAndToolTip)
{
    QTreeWidget* lista = f->LstMatAsta[1];
    f->CaricaDatiMat(lista, 7);
    EXPECT_EQ(Colonna(lista, 0),
              QStringList({"N\u00b0", "Descrizione", "Fmk", "Ft,0,k", "Ft,90,k", "Fc,0,k", "Fc,90,k", "Fvk",
                           "E0,mean", "E0,05", "E90,mean", "Gmean", "Massa", "Tipologia"}));
    EXPECT_EQ(Colonna(lista, 1),
              QStringList({"7", "Legno Lamellare incollato GL24h", "24,00", "16,50", "0,40", "24,00", "2,70",
                           "2,70", "11600,00", "9400,00", "390,00", "720,00", "380,00", "Legno Lamellare incollato"}));
    EXPECT_EQ(lista->toolTip(), QStringLiteral("Materiale N. 7) Legno Lamellare incollato GL24h"));
    EXPECT_EQ(lista->columnWidth(0), 60);    // 900 twips
    EXPECT_EQ(f->NumeroMateriale(1), 7);
}

TEST_F(Materiali, ZeroOrNegativeNumberLeavesTheListEmptyWithoutToolTip)
{
    QTreeWidget* lista = f->LstMatAsta[2];
    for (int n : {0, -3}) {
        f->CaricaDatiMat(lista, 4);
        ASSERT_EQ(lista->topLevelItemCount(), 14);
        f->CaricaDatiMat(lista, n);
        EXPECT_EQ(lista->topLevelItemCount(), 0) << n;
        EXPECT_EQ(lista->toolTip(), QString()) << n;
        EXPECT_EQ(f->NumeroMateriale(2), 0);
    }
}

TEST_F(Materiali, NumberNotInArchiveGivesOneMessageRowAndNoMaterial)
{
    QTreeWidget* lista = f->LstMatAsta[1];
    f->CaricaDatiMat(lista, 4);
    f->CaricaDatiMat(lista, 99);
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    EXPECT_EQ(lista->topLevelItem(0)->text(0), QStringLiteral("Materiale Insesistente nel DataBase"));
    EXPECT_EQ(lista->columnWidth(0), 140);   // 2100 twips
    EXPECT_EQ(lista->toolTip(), QString());
    EXPECT_EQ(f->NumeroMateriale(1), 0);
}

TEST_F(Materiali, MissingValueStaysEmptyInsteadOfZero)
{
    archivio.Esegui(QStringLiteral("INSERT INTO Legno (Numero, Descrizione, Fc0k) VALUES (12, 'Rovere', 30)"));
    f->CaricaDatiMat(f->LstMatAsta[1], 12);
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItem(5)->text(1), QStringLiteral("30,00"));
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItem(2)->text(1), QString());
    EXPECT_EQ(f->LstMatAsta[1]->toolTip(), QStringLiteral("Materiale N. 12) Rovere"));
}

TEST_F(EditorTest, QueryErrorShowsOnlyAsAnErrorRow)
{
    ArchivioProva senzaTabella(false);
    QTreeWidget* lista = f->LstMatAsta[1];
    f->CaricaDatiMat(lista, 4);
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    const QString riga = lista->topLevelItem(0)->text(0);
    EXPECT_TRUE(riga.startsWith(QStringLiteral("Errore N."))) << riga.toStdString();
    EXPECT_TRUE(riga.contains(QStringLiteral(" nella lettura del Database.\n\n"))) << riga.toStdString();
    EXPECT_EQ(lista->columnWidth(0), 140);
    EXPECT_EQ(f->NumeroMateriale(1), 0);
}

TEST_F(Materiali, MaterialFieldLoadsTheSelectedBarsList)
{
    f->SSTab2->setCurrentIndex(1);
    f->ModifNodo = 0;
    f->Command8->setEnabled(false);
    f->txtMatAsta->setText(QStringLiteral("4"));
    EXPECT_EQ(f->NumeroMateriale(2), 4);
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItemCount(), 0) << "only the selected bar";
    EXPECT_EQ(f->ModifNodo, 1);
    EXPECT_TRUE(f->Command8->isEnabled());

    f->txtMatAsta->setText(QStringLiteral("7x"));
    EXPECT_EQ(f->NumeroMateriale(2), 7) << "the leading number counts";
    f->txtMatAsta->setText(QStringLiteral("abc"));
    EXPECT_EQ(f->LstMatAsta[2]->topLevelItemCount(), 0);
    f->txtMatAsta->setText(QStringLiteral("4"));
    f->txtMatAsta->clear();
    EXPECT_EQ(f->LstMatAsta[2]->topLevelItemCount(), 0);
}

TEST_F(Materiali, RowsGoIntoTheBarRecord)
{
    f->CaricaDatiMat(f->LstMatAsta[2], 4);
    clsAsta a;
    f->CopiaMaterialeInAsta(2, a);
    EXPECT_EQ(a.NumeroMateriale, 4);
    EXPECT_EQ(a.DescrizioneMateriale, "Legno Massiccio Abete C24");
    EXPECT_FLOAT_EQ(a.Res_Fmk, 24.0f);
    EXPECT_FLOAT_EQ(a.Res_Ft0k, 14.0f);
    EXPECT_FLOAT_EQ(a.Res_Ft90k, 0.4f);
    EXPECT_FLOAT_EQ(a.Res_Fc0k, 21.0f);
    EXPECT_FLOAT_EQ(a.Res_Fc90k, 2.5f);
    EXPECT_FLOAT_EQ(a.Res_Fvk, 4.0f);
    EXPECT_FLOAT_EQ(a.ModEl_0mean, 11000.0f);
    EXPECT_FLOAT_EQ(a.ModEl_05, 7400.0f);
    EXPECT_FLOAT_EQ(a.ModEl_90, 370.0f);
    EXPECT_FLOAT_EQ(a.ModEl_Gmean, 690.0f);
    EXPECT_FLOAT_EQ(a.Peso, 350.0f);
}

// The list rounds for display only: the bar takes the stored values (Fc90k 0,004 used to
// become 0 and a division by zero, Fvk 2,345 became 2,35).
TEST_F(Materiali, ArchiveValuesReachTheBarAtFullPrecision)
{
    archivio.Aggiungi(9, QStringLiteral("Pioppo"), {18.456, 11, 0.3, 17.004, 0.004, 2.345, 9000, 6000, 300, 560, 330});
    f->CaricaDatiMat(f->LstMatAsta[1], 9);
    EXPECT_EQ(f->LstMatAsta[1]->topLevelItem(2)->text(1), QStringLiteral("18,46"));
    clsAsta a;
    f->CopiaMaterialeInAsta(1, a);
    EXPECT_EQ(a.Res_Fmk, 18.456f);
    EXPECT_EQ(a.Res_Fc0k, 17.004f);
    EXPECT_EQ(a.Res_Fc90k, 0.004f);
    EXPECT_EQ(a.Res_Fvk, 2.345f);
    f->CalcolaResistenzeProgetto(a);
    EXPECT_GT(a.Res_Fc90d, 0.0f);
}

// ---------------------------------------------------------------------------------------
TEST_F(EditorTest, CoefficientFieldsStartWithTheTableValues)
{
    const char* kmod[] = {"0,60", "0,60", "0,50"};
    const char* gm[] = {"1,50", "1,45", "1,50", "1,40", "1,50", "1,00"};
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(f->txtCoefCar[static_cast<std::size_t>(i)]->text(), QString::fromLatin1(kmod[i - 1]));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(f->txtCoefMat[static_cast<std::size_t>(i)]->text(), QString::fromLatin1(gm[i - 1]));
}

TEST_F(EditorTest, ServiceClassGivesKmodAndCaption)
{
    struct Caso { int classe; const char* kmod; float atteso; const char* didascalia; };
    const Caso casi[] = {
        {1, nullptr, 0.60f, "1: T=20\u00b0C  U<65%"},
        {2, "0,70", 0.70f, "2: U>85% x  poche settimane"},
        {3, nullptr, 0.50f, "3: U>85%"},
        {2, "0", 0.0f, "2: U>85% x  poche settimane"},
    };
    for (const Caso& c : casi) {
        if (c.kmod)
            f->txtCoefCar[static_cast<std::size_t>(c.classe)]->setText(QString::fromLatin1(c.kmod));
        f->Option2[static_cast<std::size_t>(c.classe)]->setChecked(true);
        EXPECT_FLOAT_EQ(f->valKmod(), c.atteso) << c.classe;
        EXPECT_EQ(f->strClasse(), QString::fromUtf8(c.didascalia));
    }
    for (QRadioButton* o : {f->Option2[1], f->Option2[2], f->Option2[3]}) {
        o->setAutoExclusive(false);
        o->setChecked(false);
    }
    EXPECT_FLOAT_EQ(f->valKmod(), 0.0f);
    EXPECT_EQ(f->strClasse(), QString());
}

TEST_F(EditorTest, GammaMIsRecognisedFromTheDescriptionInAnyCase)
{
    // Distinct values show which box each description reads.
    const char* valori[] = {"1,51", "1,46", "1,52", "1,41"};
    for (int i = 1; i <= 4; ++i)
        f->txtCoefMat[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(valori[i - 1]));
    struct Caso { const char* descrizione; float gm; };
    const Caso casi[] = {
        {"Legno Massiccio Abete C24", 1.51f},
        {"legno massiccio", 1.51f},            // lower case: still solid timber
        {"LEGNO LAMELLARE GL24h", 1.46f},
        {"Pannelli di Fibre", 1.52f},
        {"pannello di fibre", 1.52f},
        {"Compensato marino", 1.41f},
        {"Massiccio e Lamellare", 1.51f},      // first match wins
        {"Acciaio S235", 1.0f},
        {"", 1.0f},
    };
    for (const Caso& c : casi)
        EXPECT_FLOAT_EQ(f->valGM(QString::fromUtf8(c.descrizione)), c.gm) << c.descrizione;
}

TEST_F(EditorTest, DesignStrengthsAreCharacteristicTimesKmodOverGammaM)
{
    auto asta = [](const char* descrizione, float sforzo) {
        clsAsta a;
        a.DescrizioneMateriale = descrizione;
        a.Res_Ft0k = 16.5f;
        a.Res_Fc0k = 24.0f;
        a.Res_Fvk = 2.7f;
        a.Res_Fc90k = 2.7f;
        a.SforzoAssiale = sforzo;
        return a;
    };
    f->Option2[2]->setChecked(true);

    clsAsta lamellare = asta("Legno Lamellare incollato GL24h", 0.0f);
    f->CalcolaResistenzeProgetto(lamellare);
    EXPECT_FLOAT_EQ(lamellare.Res_Fc0d, (24.0f * 0.6f) / 1.45f);
    EXPECT_NEAR(lamellare.Res_Fc0d, 9.93f, 0.005f);
    EXPECT_FLOAT_EQ(lamellare.Res_Fd, lamellare.Res_Fc0d) << "no force: compression strength";
    EXPECT_FLOAT_EQ(lamellare.Res_Fvd, (2.7f * 0.6f) / 1.45f);
    EXPECT_FLOAT_EQ(lamellare.Res_Fc90d, (2.7f * 0.6f) / 1.45f);

    clsAsta tesa = asta("Legno Lamellare incollato GL24h", 5.0f);
    f->CalcolaResistenzeProgetto(tesa);
    EXPECT_FLOAT_EQ(tesa.Res_Fd, (16.5f * 0.6f) / 1.45f) << "a force: tensile strength";

    // Lower-case solid timber takes its 1,50, not the 1 of an unknown product.
    clsAsta massiccio = asta("legno massiccio", 0.0f);
    f->CalcolaResistenzeProgetto(massiccio);
    EXPECT_FLOAT_EQ(massiccio.Res_Fc0d, (24.0f * 0.6f) / 1.5f);

    // A γM box set to 0 stands for 1; the function itself still reads 0.
    f->txtCoefMat[2]->setText(QStringLiteral("0"));
    EXPECT_FLOAT_EQ(f->valGM(QStringLiteral("Lamellare")), 0.0f);
    clsAsta zero = asta("Lamellare", 0.0f);
    f->CalcolaResistenzeProgetto(zero);
    EXPECT_FLOAT_EQ(zero.Res_Fc0d, 24.0f * 0.6f);

    // kmod has no guard.
    f->txtCoefCar[2]->setText(QStringLiteral("0"));
    clsAsta nulla = asta("Lamellare", 3.0f);
    f->CalcolaResistenzeProgetto(nulla);
    EXPECT_FLOAT_EQ(nulla.Res_Fd, 0.0f);
    EXPECT_FLOAT_EQ(nulla.Res_Fc90d, 0.0f);
}

TEST_F(EditorTest, CoefficientBoxLeftWithoutANumberGetsItsDefaultBack)
{
    struct Caso { QLineEdit* box; const char* scritto; const char* dopo; };
    const Caso casi[] = {
        {f->txtCoefMat[2], "abc", "1,45"},
        {f->txtCoefMat[6], "", "1,00"},
        {f->txtCoefCar[3], "0,5,5", "0,50"},
        {f->txtCoefCar[1], "0", "0"},
        {f->txtCoefMat[1], "-1,2", "-1,2"},
        {f->txtCoefMat[4], "1.3", "1.3"},
    };
    for (const Caso& c : casi) {
        c.box->setText(QString::fromLatin1(c.scritto));
        Lascia(c.box);
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.dopo)) << c.box->objectName().toStdString();
    }
    // A box still holding letters (not yet left) counts as its default.
    f->txtCoefMat[1]->setText(QStringLiteral("xx"));
    EXPECT_FLOAT_EQ(f->valGM(QStringLiteral("Massiccio")), 1.5f);
    f->txtCoefCar[1]->setText(QStringLiteral("xx"));
    EXPECT_FLOAT_EQ(f->valKmod(), 0.6f);
}

// A description with markup is shown as it is written, never as markup (an <img> would load).
TEST_F(Materiali, TheToolTipShowsADescriptionWithMarkupAsText)
{
    archivio.Aggiungi(9, QStringLiteral("<b>Pioppo</b> <img src=\"x.png\">"), {18, 11, 0.3, 17, 2.2, 3.4, 9000, 6000, 300, 560, 330});
    f->CaricaDatiMat(f->LstMatAsta[1], 9);
    const QString tip = f->LstMatAsta[1]->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;Pioppo&lt;/b&gt;"))) << tip.toStdString();
    EXPECT_FALSE(tip.contains(QStringLiteral("<img")));
    EXPECT_EQ(f->MaterialeMostrato(1).descrizione, QStringLiteral("<b>Pioppo</b> <img src=\"x.png\">"));
}

// The material field's picker: a text that is not a number lists the materials whose number,
// class or description contain it; choosing one writes its number, which loads the material
// as typing it does. A number typed keeps working without the list.
TEST_F(Materiali, TheFieldOffersTheMaterialsMatchingAnyPartOfThem)
{
    auto righe = [this] {
        QStringList r;
        QAbstractItemModel* m = f->propostaMateriali->completionModel();
        for (int i = 0; i < m->rowCount(); ++i)
            r << m->index(i, 0).data().toString();
        return r;
    };
    f->SSTab2->setCurrentIndex(0);
    f->txtMatAsta->setFocus();
    Scrivi(f->txtMatAsta, QStringLiteral("gl24"));
    EXPECT_EQ(righe(), QStringList({QStringLiteral("7  C  Legno Lamellare incollato GL24h")}));
    f->txtMatAsta->clear();
    Scrivi(f->txtMatAsta, QStringLiteral("ABETE"));
    ASSERT_EQ(righe(), QStringList({QStringLiteral("4  C  Legno Massiccio Abete C24")}));
    emit f->propostaMateriali->activated(f->propostaMateriali->completionModel()->index(0, 0));
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("4"));
    EXPECT_EQ(f->MaterialeMostrato(1).numero, 4);

    f->txtMatAsta->clear();
    Scrivi(f->txtMatAsta, QStringLiteral("7"));
    EXPECT_FALSE(f->propostaMateriali->popup()->isVisible()) << "a number needs no list";
    EXPECT_EQ(f->MaterialeMostrato(1).numero, 7);
}
