// The editor's part in saving and opening calculations: the two commands, the coefficients
// as numbers, and an opened calculation shown.
#include "editor/frmNodi.h"

#include "calcolo/CalcoloInCorso.h"
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/Numeri.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

using ModuloTrevon::NodoCorrente;

namespace {

// A coefficient's text: two decimals as the defaults read, unless the number needs more.
QString TestoCoefficiente(float v)
{
    const QString due = Numeri::TestoDueDecimali(static_cast<double>(v));
    return Numeri::LeggiFloat(due) == v ? due : Numeri::Testo(v);
}

}  // namespace

void frmNodi::CollegaComandiCalcolo()
{
    connect(cmdSalvaCalcolo, &QPushButton::clicked, this, [this] { emit salvaCalcoloRichiesto(); });
    connect(cmdApriCalcolo, &QPushButton::clicked, this, [this] { emit apriCalcoloRichiesto(); });
}

Coefficienti frmNodi::LeggiCoefficienti() const
{
    Coefficienti c;
    c.classeServizio = 0;   // none selected: kmod 0, as the boxes say
    for (int i = 1; i <= 3; ++i) {
        if (Option2[static_cast<std::size_t>(i)]->isChecked())
            c.classeServizio = i;
    }
    // A box whose text is not a number stands for its default, which is also what the box
    // shows again once it is left.
    for (int i = 1; i <= 3; ++i)
        c.kmod[static_cast<std::size_t>(i - 1)] =
            Numeri::LeggiFloat(txtCoefCar[static_cast<std::size_t>(i)]->text())
                .value_or(Numeri::LeggiFloat(Coefficienti::TestoPredefinitoKmod(i)).value_or(0.0f));
    for (int i = 1; i <= 6; ++i)
        c.gammaM[static_cast<std::size_t>(i - 1)] =
            Numeri::LeggiFloat(txtCoefMat[static_cast<std::size_t>(i)]->text())
                .value_or(Numeri::LeggiFloat(Coefficienti::TestoPredefinitoGammaM(i)).value_or(0.0f));
    return c;
}

void frmNodi::ImpostaCoefficienti(const Coefficienti& c)
{
    if (c.classeServizio >= 1 && c.classeServizio <= 3)
        Option2[static_cast<std::size_t>(c.classeServizio)]->setChecked(true);
    for (int i = 1; i <= 3; ++i)
        txtCoefCar[static_cast<std::size_t>(i)]->setText(TestoCoefficiente(c.kmod[static_cast<std::size_t>(i - 1)]));
    for (int i = 1; i <= 6; ++i)
        txtCoefMat[static_cast<std::size_t>(i)]->setText(TestoCoefficiente(c.gammaM[static_cast<std::size_t>(i - 1)]));
}

void frmNodi::MostraCalcoloAperto(const std::shared_ptr<clsNodo>& salvato)
{
    NodoCorrente = ModuloTrevon::GenVerNodi->Nodi->Item(1);
    MostraNodo(1);
    // Bars whose material now reads differently in the archive show the values they were
    // registered with.
    for (int k = 1; k <= NodoCorrente->Asta->Count() && k <= NumAste; ++k) {
        if (MaterialeMostrato(k) != MaterialeAsta::DaAsta(*NodoCorrente->Asta->Item(k), CalcoloInCorso::Istanza().tipologie()))
            MostraMateriale(LstMatAsta[static_cast<std::size_t>(k)],
                            MaterialeAsta::DaAsta(*salvato->Asta->Item(k), CalcoloInCorso::Istanza().tipologie()));
    }
    const bool registrato = !NodoCorrente->TipoNodo.empty();
    SSTab1->setCurrentIndex(registrato ? 1 : 0);
    ListaTipiAbilitata(!registrato);
    ModifNodo = 0;
    Command8->setEnabled(false);
}
