// The editor's part in saving and opening calculations: the two commands, the coefficients
// as numbers, and a saved joint registered again through the editor's own fields.
#include "editor/frmNodi.h"

#include "editor/Numeri.h"
#include "shell/FileCalcolo.h"
#include "shell/GestioneCalcolo.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"

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

bool StessoMateriale(const clsAsta& a, const clsAsta& b)
{
    return a.NumeroMateriale == b.NumeroMateriale && a.DescrizioneMateriale == b.DescrizioneMateriale &&
           a.Res_Fmk == b.Res_Fmk && a.Res_Ft0k == b.Res_Ft0k && a.Res_Ft90k == b.Res_Ft90k &&
           a.Res_Fc0k == b.Res_Fc0k && a.Res_Fc90k == b.Res_Fc90k && a.Res_Fvk == b.Res_Fvk &&
           a.ModEl_0mean == b.ModEl_0mean && a.ModEl_05 == b.ModEl_05 && a.ModEl_90 == b.ModEl_90 &&
           a.ModEl_Gmean == b.ModEl_Gmean && a.Peso == b.Peso;
}

}  // namespace

void frmNodi::CollegaComandiCalcolo()
{
    connect(cmdSalvaCalcolo, &QPushButton::clicked, this, [] { ModuloTrevon::SalvaCalcolo(); });
    connect(cmdApriCalcolo, &QPushButton::clicked, this, [] { ModuloTrevon::ApriCalcolo(); });
}

FileCalcolo::Coefficienti frmNodi::LeggiCoefficienti() const
{
    FileCalcolo::Coefficienti c;
    c.classeServizio = 1;
    for (int i = 1; i <= 3; ++i) {
        if (Option2[static_cast<std::size_t>(i)]->isChecked())
            c.classeServizio = i;
    }
    // A box whose text is not a number stands for its default, as in the calculation.
    for (int i = 1; i <= 3; ++i)
        c.kmod[static_cast<std::size_t>(i - 1)] =
            Numeri::LeggiFloat(txtCoefCar[static_cast<std::size_t>(i)]->text())
                .value_or(Numeri::LeggiFloat(TestoPredefinitoCoefCar(i)).value_or(0.0f));
    for (int i = 1; i <= 6; ++i)
        c.gammaM[static_cast<std::size_t>(i - 1)] =
            Numeri::LeggiFloat(txtCoefMat[static_cast<std::size_t>(i)]->text())
                .value_or(Numeri::LeggiFloat(TestoPredefinitoCoefMat(i)).value_or(0.0f));
    return c;
}

void frmNodi::ImpostaCoefficienti(const FileCalcolo::Coefficienti& c)
{
    Option2[static_cast<std::size_t>(c.classeServizio)]->setChecked(true);
    for (int i = 1; i <= 3; ++i)
        txtCoefCar[static_cast<std::size_t>(i)]->setText(TestoCoefficiente(c.kmod[static_cast<std::size_t>(i - 1)]));
    for (int i = 1; i <= 6; ++i)
        txtCoefMat[static_cast<std::size_t>(i)]->setText(TestoCoefficiente(c.gammaM[static_cast<std::size_t>(i - 1)]));
}

bool frmNodi::RegistraNodoSalvato(std::int16_t n, const std::shared_ptr<clsNodo>& salvato, bool& materialeCambiato,
                                  QString& rifiuto)
{
    materialeCambiato = false;
    const std::shared_ptr<clsNodo> destinazione = NodoCorrente;
    // The fields are filled from the saved record as from any joint shown.
    NodoCorrente = salvato;
    compilaTextDatiNodo(n);
    ImpostaContatore(QString::number(n));
    NodoCorrente = destinazione;

    for (int k = 1; k <= salvato->Asta->Count() && k <= NumAste; ++k) {
        const clsAsta& registrata = *salvato->Asta->Item(k);
        clsAsta archivio;
        if (NumeroMateriale(k) >= 1)
            CopiaMaterialeInAsta(k, archivio);
        if (!StessoMateriale(archivio, registrata)) {
            MostraMaterialeAsta(k, registrata);
            materialeCambiato = true;
        }
    }

    // Values the type does not use stay as they were saved; registration writes the others.
    destinazione->tv = salvato->tv;
    destinazione->Lv = salvato->Lv;
    destinazione->ReazioneY = salvato->ReazioneY;
    destinazione->LunghezzaAppoggio = salvato->LunghezzaAppoggio;
    destinazione->tvB = salvato->tvB;
    destinazione->LvB = salvato->LvB;

    bool procedi = true;
    controlladati(procedi, rifiuto);
    if (!procedi)
        return false;
    registraDatiNodo(procedi);
    if (!procedi)
        return false;
    AvviaVerifica(procedi);   // a joint the library refuses stays registered, as it was saved
    return true;
}

void frmNodi::MostraCalcoloAperto(const std::shared_ptr<clsNodo>& salvato)
{
    NodoCorrente = ModuloTrevon::GenVerNodi->Nodi->Item(1);
    ModuloTrevon::MostraNodo(1);
    for (int k = 1; k <= NodoCorrente->Asta->Count() && k <= NumAste; ++k) {
        const clsAsta& registrata = *NodoCorrente->Asta->Item(k);
        clsAsta archivio;
        if (NumeroMateriale(k) >= 1)
            CopiaMaterialeInAsta(k, archivio);
        if (!StessoMateriale(archivio, registrata))
            MostraMaterialeAsta(k, *salvato->Asta->Item(k));
    }
    const bool registrato = !NodoCorrente->TipoNodo.empty();
    SSTab1->setCurrentIndex(registrato ? 1 : 0);
    ListaTipiAbilitata(!registrato);
    ModifNodo = 0;
    Command8->setEnabled(false);
}
