// controlladati, the key table of the input fields and the change handling.
#include "AmbienteEditor.h"

#include <QRadioButton>
#include <QTabBar>

#include <functional>

namespace {

void Riempi(frmNodi& f, int tipo, const std::function<void(int, int)>& materiale)
{
    f.cmbTipoNodo->setCurrentIndex(tipo);
    auto asta = [&](int i, const char* b, const char* h, const char* ang, const char* n) {
        const auto ii = static_cast<std::size_t>(i);
        f.txtBAsta[ii]->setText(QString::fromLatin1(b));
        f.txtHAsta[ii]->setText(QString::fromLatin1(h));
        if (ang)
            f.txtAngAsta[ii]->setText(QString::fromLatin1(ang));
        f.txtNAsta[ii]->setText(QString::fromLatin1(n));
        materiale(i, i == 2 ? 7 : 4);
    };
    switch (tipo) {
    case 0:
        f.txtMis[1]->setText(QStringLiteral("5"));
        f.txtMis[2]->setText(QStringLiteral("20"));
        f.txtReaz->setText(QStringLiteral("12,5"));
        f.txtLapp->setText(QStringLiteral("30"));
        asta(1, "20", "24", nullptr, "");
        asta(2, "16", "20", "30", "-25");
        break;
    case 1:
        f.txtMis[1]->setText(QStringLiteral("4"));
        asta(1, "16", "20", "30", "");
        asta(2, "16", "20", "30", "");
        asta(3, "12", "16", "60", "18");
        break;
    default:
        for (int i = 1; i <= 4; ++i)
            f.txtMis[static_cast<std::size_t>(i)]->setText(i % 2 ? QStringLiteral("3") : QStringLiteral("15"));
        asta(1, "16", "20", "35", "20");
        asta(2, "16", "16", nullptr, "");
        asta(3, "16", "20", "35", "20");
        break;
    }
}

}  // namespace

struct CasoControllo {
    const char* caso;
    int tipo;
    std::function<void(frmNodi&)> modifica;
    QString messaggio;     // empty: every check passes
    QString focus;         // widget holding the focus after a refusal; empty: a hidden field
    int scheda;            // SSTab2 tab after a refusal; -1 = the tab it had before
};

void PrintTo(const CasoControllo& c, std::ostream* os) { *os << c.caso; }

class Controllo : public EditorTest, public ::testing::WithParamInterface<CasoControllo> {
protected:
    void SetUp() override { archivio.MaterialiTipici(); }
    ArchivioProva archivio;
};

TEST_P(Controllo, FirstFailingCheckGivesItsMessageFocusAndTab)
{
    const CasoControllo& c = GetParam();
    Riempi(*f, c.tipo, [this](int k, int n) { Materiale(k, n); });
    const int ultima = f->NumeroSchedeDisponibili() - 1;
    f->SSTab2->setCurrentIndex(ultima);
    if (c.modifica)
        c.modifica(*f);
    const int beepPrima = avvisi.beep;

    bool procedi = false;
    QString msg = QStringLiteral("prima");
    f->controlladati(procedi, msg);

    if (c.messaggio.isEmpty()) {
        EXPECT_TRUE(procedi);
        EXPECT_EQ(msg, QStringLiteral("prima")) << "msg is left unchanged";
        EXPECT_EQ(avvisi.beep, beepPrima);
        return;
    }
    EXPECT_FALSE(procedi);
    EXPECT_EQ(msg, c.messaggio);
    EXPECT_EQ(avvisi.beep, beepPrima + 1);
    if (!c.focus.isEmpty()) {
        EXPECT_EQ(NomeFocus(*f), c.focus);
    }
    EXPECT_EQ(f->SSTab2->currentIndex(), c.scheda < 0 ? ultima : c.scheda);
    EXPECT_TRUE(avvisi.avvisi.empty()) << "controlladati shows no box itself";
}

namespace {

template <class Campo>
std::function<void(frmNodi&)> Imposta(Campo campo, int i, const char* t)
{
    return [campo, i, t](frmNodi& f) { (f.*campo)[static_cast<std::size_t>(i)]->setText(QString::fromUtf8(t)); };
}
std::function<void(frmNodi&)> Imposta(QLineEdit* frmNodi::*campo, const char* t)
{
    return [campo, t](frmNodi& f) { (f.*campo)->setText(QString::fromUtf8(t)); };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Tabella, Controllo,
    ::testing::Values(
        CasoControllo{"ValidTieRafter", 0, {}, {}, {}, 0},
        CasoControllo{"ValidRafterStrut", 1, {}, {}, {}, 0},
        CasoControllo{"ValidKingPostRafters", 2, {}, {}, {}, 0},
        CasoControllo{"ValidKingPostStruts", 3, {}, {}, {}, 0},
        CasoControllo{"NoType", 0, [](frmNodi& f) { f.cmbTipoNodo->setCurrentIndex(-1); },
                      "Selezionare Tipo Unione", "cmbTipoNodo", -1},
        CasoControllo{"TvEmpty", 0, Imposta(&frmNodi::txtMis, 1, ""),
                      "Inserire Misura Intaglio [cm.]  tv =, con formato Numerico Corretto.", "txtMis(1)", -1},
        CasoControllo{"TvZero", 0, Imposta(&frmNodi::txtMis, 1, "0"),
                      "Inserire Misura Intaglio [cm.]  tv = >0.", "txtMis(1)", -1},
        CasoControllo{"LvLetters", 0, Imposta(&frmNodi::txtMis, 2, "abc"),
                      "Inserire Misura Intaglio Lv =, con formato Numerico Corretto.", "txtMis(2)", -1},
        CasoControllo{"LvNegative", 0, Imposta(&frmNodi::txtMis, 2, "-3"),
                      "Inserire Misura Intaglio Lv = >0.", "txtMis(2)", -1},
        CasoControllo{"LvThousandsSeparator", 0, Imposta(&frmNodi::txtMis, 2, "1.200,5"),
                      "Inserire Misura Intaglio Lv =, con formato Numerico Corretto.", "txtMis(2)", -1},
        CasoControllo{"HiddenNotchFieldIgnored", 1, Imposta(&frmNodi::txtMis, 2, "abc"), {}, {}, 0},
        CasoControllo{"KingPostTv2Empty", 2, Imposta(&frmNodi::txtMis, 3, ""),
                      "Inserire Misura Intaglio tv2=, con formato Numerico Corretto.", "txtMis(3)", -1},
        CasoControllo{"KingPostLv2Zero", 3, Imposta(&frmNodi::txtMis, 4, "0"),
                      "Inserire Misura Intaglio Lv2= >0.", "txtMis(4)", -1},
        CasoControllo{"ReactionLetters", 0, Imposta(&frmNodi::txtReaz, "x"),
                      "Inserire Reazione Vincolare con formato Numerico Corretto.", "txtReaz", -1},
        CasoControllo{"BearingLengthTwoSeparators", 0, Imposta(&frmNodi::txtLapp, "1.2.3"),
                      "Inserire Lunghezza Appoggio con formato Numerico Corretto.", "txtLapp", -1},
        CasoControllo{"NegativeSupportValuesPass", 0,
                      [](frmNodi& f) {
                          f.txtReaz->setText(QStringLiteral("-4"));
                          f.txtLapp->setText(QStringLiteral("0"));
                      },
                      {}, {}, 0},
        CasoControllo{"Bar2NoSection", 0, [](frmNodi& f) { f.ComboAsta[2]->setCurrentIndex(-1); },
                      "Selezionare Tipo Sezione Asta N. 2", "ComboAsta(2)", 1},
        CasoControllo{"Bar1BaseLetters", 0, Imposta(&frmNodi::txtBAsta, 1, "abc"),
                      "Inserire Base Sezione Asta N. 1 con formato Numerico Corretto.", "txtBAsta(1)", 0},
        CasoControllo{"Bar3CircularRadiusLetters", 1,
                      [](frmNodi& f) {
                          f.ComboAsta[3]->setCurrentIndex(1);
                          f.txtBAsta[3]->setText(QStringLiteral("abc"));
                      },
                      "Inserire Raggio Sezione Asta N. 3 con formato Numerico Corretto.", "txtBAsta(3)", 2},
        CasoControllo{"Bar3CircularRadiusNegative", 1,
                      [](frmNodi& f) {
                          f.ComboAsta[3]->setCurrentIndex(1);
                          f.txtBAsta[3]->setText(QStringLiteral("-1"));
                      },
                      "Inserire Raggio Sezione Asta N. 3 >0.", "txtBAsta(3)", 2},
        CasoControllo{"Bar2HeightZero", 0, Imposta(&frmNodi::txtHAsta, 2, "0"),
                      "Inserire Altezza Sezione Asta N. 2 >0.", "txtHAsta(2)", 1},
        CasoControllo{"Bar1HeightEmpty", 0, Imposta(&frmNodi::txtHAsta, 1, ""),
                      "Inserire Altezza Sezione Asta N. 1 con formato Numerico Corretto.", "txtHAsta(1)", 0},
        CasoControllo{"CircularBarWithEmptyHeightPasses", 0,
                      [](frmNodi& f) {
                          f.ComboAsta[2]->setCurrentIndex(1);
                          f.txtHAsta[2]->setText(QString());
                      },
                      {}, {}, 0},
        CasoControllo{"TieAngleNotZero", 0, Imposta(&frmNodi::txtAngAsta, 1, "5"),
                      "L'Angolo dell'Asta N. 1, Ossia della catena deve essere ZERO.", {}, 0},  // hidden: no focus
        CasoControllo{"RafterAngleFivePasses", 0, Imposta(&frmNodi::txtAngAsta, 2, "5"), {}, {}, 0},
        CasoControllo{"RafterAngleEmptyPasses", 0, Imposta(&frmNodi::txtAngAsta, 2, ""), {}, {}, 0},
        CasoControllo{"RafterAt200Degrees", 0, Imposta(&frmNodi::txtAngAsta, 2, "200"),
                      "L'Angolo dell'Asta N. 2 deve essere compreso tra 0° e 90° (esclusi).", "txtAngAsta(2)", 1},
        CasoControllo{"NegativeBearingLength", 0, Imposta(&frmNodi::txtLapp, "-15"),
                      "Inserire Lunghezza Appoggio positiva, o zero se non c'è appoggio.", "txtLapp", -1},
        CasoControllo{"Bar2AngleNegative", 0, Imposta(&frmNodi::txtAngAsta, 2, "-1"),
                      "Inserire Angolo Asta N. 2 positivo.", "txtAngAsta(2)", 1},
        CasoControllo{"StrutAngleNegative", 1, Imposta(&frmNodi::txtAngAsta, 3, "-1"),
                      "Inserire Angolo Asta N. 3 positivo.", "txtAngAsta(3)", 2},
        CasoControllo{"Bar2AngleLetters", 0, Imposta(&frmNodi::txtAngAsta, 2, "3O"),
                      "Inserire Angolo Asta N. 2 con formato Numerico Corretto.", "txtAngAsta(2)", 1},
        CasoControllo{"AxialForceLetters", 0, Imposta(&frmNodi::txtNAsta, 2, "12a"),
                      "Inserire Sforzo Assiale Asta N. 2 con formato Numerico Corretto.", "txtNAsta(2)", 1},
        CasoControllo{"AxialForceNegativeDecimalPasses", 0, Imposta(&frmNodi::txtNAsta, 2, "-12,5"), {}, {}, 0},
        CasoControllo{"AxialForcePastedWithPointPasses", 0, Imposta(&frmNodi::txtNAsta, 2, " 12.5 "), {}, {}, 0},
        CasoControllo{"Bar2WithoutMaterial", 0,
                      [](frmNodi& f) { f.LstMatAsta[2]->clear(); },
                      "Specificare Materiale Asta N. 2", "txtMatAsta", 1},
        CasoControllo{"Bar1MaterialNotInArchive", 0,
                      [](frmNodi& f) {
                          f.SSTab2->setCurrentIndex(0);
                          f.txtMatAsta->setText(QStringLiteral("99"));
                          f.SSTab2->setCurrentIndex(1);
                      },
                      "Specificare Materiale Asta N. 1", "txtMatAsta", 0},
        CasoControllo{"UnavailableBarNeverValidated", 0,
                      [](frmNodi& f) {
                          f.ComboAsta[3]->setCurrentIndex(-1);
                          f.txtBAsta[4]->setText(QStringLiteral("abc"));
                      },
                      {}, {}, 0},
        CasoControllo{"TvHalfTieHeight", 0,
                      [](frmNodi& f) {
                          f.txtMis[1]->setText(QStringLiteral("10"));
                          f.txtHAsta[1]->setText(QStringLiteral("20"));
                      },
                      "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza della Catena",
                      "txtMis(1)", -1},
        CasoControllo{"TvJustBelowHalfTieHeightPasses", 0,
                      [](frmNodi& f) {
                          f.txtMis[1]->setText(QStringLiteral("9,99"));
                          f.txtHAsta[1]->setText(QStringLiteral("20"));
                      },
                      {}, {}, 0},
        CasoControllo{"TvHalfLowerRafterHeight", 1, Imposta(&frmNodi::txtMis, 1, "10"),
                      "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza del Puntone",
                      "txtMis(1)", -1},
        CasoControllo{"TvHalfKingPostHeight", 2, Imposta(&frmNodi::txtMis, 1, "8"),
                      "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza del Monaco",
                      "txtMis(1)", -1},
        CasoControllo{"TvHalfKingPostHeightStruts", 3, Imposta(&frmNodi::txtMis, 1, "8,5"),
                      "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza del Monaco",
                      "txtMis(1)", -1},
        CasoControllo{"CircularTieDepthIsItsDiameter", 0,
                      [](frmNodi& f) {
                          f.ComboAsta[1]->setCurrentIndex(1);
                          f.txtBAsta[1]->setText(QStringLiteral("9"));
                          f.txtHAsta[1]->setText(QStringLiteral("abc"));
                          f.txtMis[1]->setText(QStringLiteral("9"));
                      },
                      "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza della Catena",
                      "txtMis(1)", -1},
        CasoControllo{"CircularTieNotchBelowRadiusPasses", 0,
                      [](frmNodi& f) {
                          f.ComboAsta[1]->setCurrentIndex(1);
                          f.txtBAsta[1]->setText(QStringLiteral("9"));
                          f.txtHAsta[1]->setText(QStringLiteral("abc"));
                          f.txtMis[1]->setText(QStringLiteral("8,9"));
                      },
                      {}, {}, 0}),
    [](const ::testing::TestParamInfo<CasoControllo>& info) { return std::string(info.param.caso); });

TEST_F(EditorTest, EmptySupportFieldsBecomeZeroAndMarkTheJoint)
{
    ArchivioProva archivio;
    archivio.MaterialiTipici();
    Riempi(*f, 1, [this](int k, int n) { Materiale(k, n); });
    f->txtReaz->setText(QStringLiteral("  "));
    f->txtLapp->clear();
    f->ModifNodo = 0;
    f->Command8->setEnabled(false);

    bool procedi = false;
    QString msg;
    f->controlladati(procedi, msg);
    EXPECT_TRUE(procedi) << msg.toStdString();
    EXPECT_EQ(f->txtReaz->text(), QStringLiteral("0"));
    EXPECT_EQ(f->txtLapp->text(), QStringLiteral("0"));
    EXPECT_EQ(f->ModifNodo, 1);
    EXPECT_TRUE(f->Command8->isEnabled());
}

// ---------------------------------------------------------------------------------------
TEST_F(EditorTest, TypedPointBecomesCommaInEveryNumericField)
{
    f->cmbTipoNodo->setCurrentIndex(2);
    QList<QLineEdit*> campi{f->txtReaz, f->txtLapp};
    for (int i = 1; i <= 4; ++i)
        campi << f->txtMis[static_cast<std::size_t>(i)];
    for (int i = 1; i <= 3; ++i) {   // the bars of the type: the other tabs cannot be typed in
        const auto ii = static_cast<std::size_t>(i);
        campi << f->txtBAsta[ii] << f->txtHAsta[ii] << f->txtAngAsta[ii] << f->txtNAsta[ii];
        campi << f->txtCoefCar[ii];
    }
    for (int i = 1; i <= 6; ++i)
        campi << f->txtCoefMat[static_cast<std::size_t>(i)];
    for (QLineEdit* c : campi) {
        c->clear();
        Scrivi(c, QStringLiteral("-2.5"));
        EXPECT_EQ(c->text(), QStringLiteral("-2,5")) << c->objectName().toStdString();
    }

    // The material number is whole: both separators are dropped.
    f->txtMatAsta->clear();
    Scrivi(f->txtMatAsta, QStringLiteral("1.,2"));
    EXPECT_EQ(f->txtMatAsta->text(), QStringLiteral("12"));

    // The type list takes no typed key: any key goes on to the first notch field, selected.
    f->cmbTipoNodo->setCurrentIndex(0);
    f->txtMis[1]->setText(QStringLiteral("3"));
    f->cmbTipoNodo->setFocus();
    Scrivi(f->cmbTipoNodo, QStringLiteral("M"));
    EXPECT_EQ(f->cmbTipoNodo->currentIndex(), 0);
    EXPECT_EQ(f->focusWidget(), f->txtMis[1]);
    EXPECT_EQ(f->txtMis[1]->selectedText(), QStringLiteral("3"));
}

// The coefficient fields live on the third main tab.
const auto SchedaCoefficienti = [](frmNodi& f) { f.SSTab1->setCurrentIndex(2); };

struct CasoInvio {
    const char* caso;
    int tipo;
    std::function<void(frmNodi&)> prepara;
    QString campo;      // where Enter (or a key) is pressed
    QString focus;      // where the focus goes
    bool selezionato;   // the new field's text is selected
    int scheda;         // SSTab2 tab afterwards (-1: not checked)
};

void PrintTo(const CasoInvio& c, std::ostream* os) { *os << c.caso; }

class TastoInvio : public EditorTest, public ::testing::WithParamInterface<CasoInvio> {};

TEST_P(TastoInvio, EnterMovesTheFocus)
{
    const CasoInvio& c = GetParam();
    f->cmbTipoNodo->setCurrentIndex(c.tipo);
    for (QLineEdit* box : f->findChildren<QLineEdit*>()) {
        if (box->text().isEmpty() && box != f->Text1)
            box->setText(QStringLiteral("1"));
    }
    if (c.prepara)
        c.prepara(*f);
    auto* w = f->findChild<QWidget*>(c.campo);
    ASSERT_NE(w, nullptr) << c.campo.toStdString();
    w->setFocus();

    if (w == f->SSTab2->tabBar() || c.campo == QStringLiteral("SSTab2"))
        Premi(f->SSTab2->tabBar(), Qt::Key_X, QStringLiteral("x"));
    else
        Invio(w);

    EXPECT_EQ(NomeFocus(*f), c.focus);
    if (auto* box = qobject_cast<QLineEdit*>(f->focusWidget())) {
        EXPECT_EQ(box->hasSelectedText(), c.selezionato) << box->text().toStdString();
    }
    if (c.scheda >= 0) {
        EXPECT_EQ(f->SSTab2->currentIndex(), c.scheda);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, TastoInvio,
    ::testing::Values(
        CasoInvio{"TvToLv", 0, {}, "txtMis(1)", "txtMis(2)", true, -1},
        CasoInvio{"LvToReaction", 0, {}, "txtMis(2)", "txtReaz", true, -1},
        CasoInvio{"RafterStrutTvToMaterial", 1, {}, "txtMis(1)", "txtMatAsta", true, -1},
        CasoInvio{"KingPostLv2ToMaterial", 2, {}, "txtMis(4)", "txtMatAsta", true, -1},
        CasoInvio{"KingPostTv1ToLv1", 3, {}, "txtMis(1)", "txtMis(2)", true, -1},
        CasoInvio{"ReactionToBearing", 0, {}, "txtReaz", "txtLapp", true, -1},
        CasoInvio{"BearingToFirstBarMaterial", 0, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "txtLapp", "txtMatAsta", false, 0},
        CasoInvio{"SectionToBase", 0, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "ComboAsta(2)", "txtBAsta(2)", true, 1},
        CasoInvio{"BaseToHeight", 0, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "txtBAsta(2)", "txtHAsta(2)", true, 1},
        CasoInvio{"CircularBaseToAngle", 0,
                  [](frmNodi& f) {
                      f.SSTab2->setCurrentIndex(1);
                      f.ComboAsta[2]->setCurrentIndex(1);
                  },
                  "txtBAsta(2)", "txtAngAsta(2)", true, 1},
        CasoInvio{"TieHeightSkipsHiddenFieldsToNextBar", 0, {}, "txtHAsta(1)", "txtMatAsta", false, 1},
        CasoInvio{"CircularTieBaseSkipsHiddenFieldsToNextBar", 0,
                  [](frmNodi& f) { f.ComboAsta[1]->setCurrentIndex(1); },
                  "txtBAsta(1)", "txtMatAsta", false, 1},
        CasoInvio{"AngleToAxialForce", 0, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "txtAngAsta(2)", "txtNAsta(2)", true, 1},
        CasoInvio{"LastBarForceToRegister", 0, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "txtNAsta(2)", "Command8", false, 1},
        CasoInvio{"LastBarForceToExitWhenRegisterDisabled", 0,
                  [](frmNodi& f) {
                      f.SSTab2->setCurrentIndex(1);
                      f.Command8->setEnabled(false);
                  },
                  "txtNAsta(2)", "Command9", false, 1},
        CasoInvio{"RafterAngleWithHiddenForceToStrutTab", 1, [](frmNodi& f) { f.SSTab2->setCurrentIndex(1); },
                  "txtAngAsta(2)", "txtMatAsta", false, 2},
        CasoInvio{"KingPostRafterForceToKingPostTab", 2, {}, "txtNAsta(1)", "txtMatAsta", false, 1},
        CasoInvio{"TypeListToTv", 0, {}, "cmbTipoNodo", "txtMis(1)", true, -1},
        CasoInvio{"KeyOnBarTabsToMaterial", 0, {}, "SSTab2", "txtMatAsta", true, -1},
        CasoInvio{"MaterialToBaseOfSameBar", 1, [](frmNodi& f) { f.SSTab2->setCurrentIndex(2); },
                  "txtMatAsta", "txtBAsta(3)", true, 2},
        CasoInvio{"KmodToNextKmod", 0, SchedaCoefficienti, "txtCoefCar(1)", "txtCoefCar(2)", true, -1},
        CasoInvio{"LastKmodToRegister", 0, SchedaCoefficienti, "txtCoefCar(3)", "Command8", false, -1},
        CasoInvio{"GammaToNextGamma", 0, SchedaCoefficienti, "txtCoefMat(5)", "txtCoefMat(6)", true, -1},
        CasoInvio{"LastGammaBackToFirst", 0, SchedaCoefficienti, "txtCoefMat(6)", "txtCoefMat(1)", true, -1}),
    [](const ::testing::TestParamInfo<CasoInvio>& info) { return std::string(info.param.caso); });

TEST_F(EditorTest, EveryJointFieldEditMarksTheJointAndEnablesRegister)
{
    f->cmbTipoNodo->setCurrentIndex(2);
    QList<QLineEdit*> campi{f->txtReaz, f->txtLapp};
    for (int i = 1; i <= 4; ++i)
        campi << f->txtMis[static_cast<std::size_t>(i)];
    for (int i = 1; i <= 6; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        campi << f->txtBAsta[ii] << f->txtHAsta[ii] << f->txtAngAsta[ii] << f->txtNAsta[ii];
    }
    for (QLineEdit* c : campi) {
        f->ModifNodo = 0;
        f->Command8->setEnabled(false);
        c->setText(c->text() + QStringLiteral("7"));
        EXPECT_EQ(f->ModifNodo, 1) << c->objectName().toStdString();
        EXPECT_TRUE(f->Command8->isEnabled()) << c->objectName().toStdString();
    }

    const std::vector<std::pair<const char*, std::function<void()>>> altri = {
        {"section list", [this] { f->ComboAsta[3]->setCurrentIndex(1); }},
        {"type list", [this] { f->cmbTipoNodo->setCurrentIndex(3); }},
        {"material field", [this] { f->txtMatAsta->setText(QStringLiteral("5")); }},
    };
    for (const auto& [nome, azione] : altri) {
        f->ModifNodo = 0;
        f->Command8->setEnabled(false);
        azione();
        EXPECT_EQ(f->ModifNodo, 1) << nome;
        EXPECT_TRUE(f->Command8->isEnabled()) << nome;
    }
    avvisi.avvisi.clear();

    // The coefficients are not joint data.
    f->ModifNodo = 0;
    f->Command8->setEnabled(false);
    f->txtCoefCar[1]->setText(QStringLiteral("0,70"));
    f->txtCoefMat[2]->setText(QStringLiteral("1,30"));
    f->Option2[2]->setChecked(true);
    EXPECT_EQ(f->ModifNodo, 0);
    EXPECT_FALSE(f->Command8->isEnabled());
}
