// The editor's part in saving and opening calculations: the two commands, the coefficients
// as numbers, and an opened calculation shown.
#include "editor/frmNodi.h"

#include "calcolo/CalcoloInCorso.h"
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/Numeri.h"
#include "calcolo/RegistrazioneNodo.h"
#include "comune/Avvisi.h"
#include "editor/frmDatiProgetto.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
    connect(cmdDatiProgetto, &QPushButton::clicked, this, [this] { DatiProgetto_Click(); });
}

void frmNodi::DatiProgetto_Click()
{
    auto* modulo = new frmDatiProgetto(CalcoloInCorso::Istanza().progetto(), this);
    modulo->setAttribute(Qt::WA_DeleteOnClose);
    connect(modulo, &QDialog::accepted, this, [modulo] { CalcoloInCorso::Istanza().ImpostaProgetto(modulo->Dati()); });
    modulo->open();
}

Normativa frmNodi::NormativaMostrata() const
{
    return Normative::PerNome(cmbNormativa->currentText()).value_or(Normativa::NTC2018);
}

std::vector<QLineEdit*> frmNodi::BoxCoefficienti() const
{
    std::vector<QLineEdit*> box;
    for (int i = 1; i <= 3; ++i) {
        box.push_back(txtCoefCar[static_cast<std::size_t>(i)]);
        for (int d = 2; d <= DurataCarico::Istantanea; ++d)
            box.push_back(txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)]);
    }
    for (int i = 1; i <= 7; ++i)
        box.push_back(txtCoefMat[static_cast<std::size_t>(i)]);
    return box;
}

QString frmNodi::TestoPredefinito(QLineEdit* box) const
{
    const Normativa n = NormativaMostrata();
    const Coefficienti predefiniti = Coefficienti::Predefiniti(n, cmbColonnaGammaM->currentIndex() == 1 ? 'B' : 'A');
    for (std::size_t i = 1; i <= 3; ++i)
        for (std::size_t d = 1; d <= 5; ++d)
            if (box == (d == 1 ? txtCoefCar[i] : txtKmod[i][d]))
                return TestoCoefficiente(predefiniti.kmod[i - 1][d - 1]);
    for (std::size_t i = 1; i <= predefiniti.gammaM.size(); ++i)
        if (box == txtCoefMat[i])
            return TestoCoefficiente(predefiniti.gammaM[i - 1]);
    return {};
}

Coefficienti frmNodi::LeggiCoefficienti() const
{
    Coefficienti c;
    c.normativa = NormativaMostrata();
    c.colonnaGammaM = c.normativa == Normativa::NTC2018 && cmbColonnaGammaM->currentIndex() == 1 ? 'B' : 'A';
    c.classeServizio = 0;   // none selected: kmod 0, as the boxes say
    for (int i = 1; i <= 3; ++i) {
        if (Option2[static_cast<std::size_t>(i)]->isChecked())
            c.classeServizio = i;
    }
    // A box whose text is not a number stands for its default, which is also what the box
    // shows again once it is left.
    const Coefficienti predefiniti = Coefficienti::Predefiniti(c.normativa, c.colonnaGammaM);
    c.kmod = predefiniti.kmod;
    c.gammaM = predefiniti.gammaM;
    for (std::size_t i = 1; i <= 3; ++i)
        for (std::size_t d = 1; d <= 5; ++d)
            if (const auto v = Numeri::LeggiFloat((d == 1 ? txtCoefCar[i] : txtKmod[i][d])->text()))
                c.kmod[i - 1][d - 1] = *v;
    for (std::size_t i = 1; i <= c.gammaM.size(); ++i)
        if (const auto v = Numeri::LeggiFloat(txtCoefMat[i]->text()))
            c.gammaM[i - 1] = *v;
    return c;
}

void frmNodi::MostraNormativa(Normativa n)
{
    const bool ntc2018 = n == Normativa::NTC2018;
    const QString dm = ntc2018 ? QStringLiteral("DM 17/01/2018") : QStringLiteral("DM 14/01/2008");
    tabKmod->setTitle(QStringLiteral("Tabella 4.4.IV - ") + dm);
    tabGM->setTitle(QStringLiteral("Tabella 4.4.III - ") + dm);
    const QStringList righe = Coefficienti::RigheGammaM(n);
    for (int i = 1; i <= 7; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const bool usata = i <= righe.size();
        lblCoefMat[ii]->setText(usata ? righe.at(i - 1) : QString());
        for (QWidget* w : {static_cast<QWidget*>(lblCoefMat[ii]), puntiCoefMat[ii], static_cast<QWidget*>(txtCoefMat[ii])})
            w->setVisible(usata);
    }
    lblSle->setVisible(!ntc2018);
    for (QWidget* w : {static_cast<QWidget*>(lblColonna), static_cast<QWidget*>(cmbColonnaGammaM),
                       static_cast<QWidget*>(lblNotaColonna)})
        w->setVisible(ntc2018);
    // An NTC 2008 calculation keeps the titles it always had.
    lblTitolo->setText(QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente in Legno (") +
                       (ntc2018 ? Normative::Titolo(n) : dm) + QStringLiteral(")      Nodo N."));
    setWindowTitle(QStringLiteral("[QOR srl] - Unioni di Nodi in Legno") +
                   (ntc2018 ? QStringLiteral("  \u2013  ") + Normative::Titolo(n) : QString()));
}

void frmNodi::ImpostaCoefficienti(const Coefficienti& c)
{
    bloccoCoefficienti_ = true;
    cmbNormativa->setCurrentText(Normative::Nome(c.normativa));
    cmbColonnaGammaM->setCurrentIndex(c.colonnaGammaM == 'B' ? 1 : 0);
    MostraNormativa(c.normativa);
    if (c.classeServizio >= 1 && c.classeServizio <= 3)
        Option2[static_cast<std::size_t>(c.classeServizio)]->setChecked(true);
    for (std::size_t i = 1; i <= 3; ++i)
        for (std::size_t d = 1; d <= 5; ++d)
            (d == 1 ? txtCoefCar[i] : txtKmod[i][d])->setText(TestoCoefficiente(c.kmod[i - 1][d - 1]));
    for (std::size_t i = 1; i <= 7; ++i)
        txtCoefMat[i]->setText(i <= c.gammaM.size() ? TestoCoefficiente(c.gammaM[i - 1]) : QString());
    bloccoCoefficienti_ = false;
    PubblicaCoefficienti();
}

void frmNodi::NormativaScelta()
{
    if (bloccoCoefficienti_)
        return;
    const Normativa nuova = NormativaMostrata();
    const Coefficienti attuali = CalcoloInCorso::Istanza().coefficienti();
    if (nuova == attuali.normativa)
        return;
    auto annulla = [&] {
        bloccoCoefficienti_ = true;
        cmbNormativa->setCurrentText(Normative::Nome(attuali.normativa));
        bloccoCoefficienti_ = false;
    };
    if (CalcoloInCorso::Istanza().HaNodiRegistrati() && ModuloTrevon::GenVerNodi) {
        // A timber type the new code's table has no γM for cannot be verified under it.
        Coefficienti prova = Coefficienti::Predefiniti(nuova);
        for (int n = 1; n <= ModuloTrevon::GenVerNodi->Nodi->Count(); ++n) {
            const clsNodo& nodo = *ModuloTrevon::GenVerNodi->Nodi->Item(n);
            if (nodo.TipoNodo.empty())
                continue;
            const QString rifiuto = TipologiaSenzaRiga(DatiNodo::DaNodo(nodo, CalcoloInCorso::Istanza().tipologie()), prova);
            if (!rifiuto.isEmpty()) {
                ModuloTrevon::MsgBox(QStringLiteral("Nodo N.%1: ").arg(n) + rifiuto, ModuloTrevon::Pulsanti::OK,
                                     ModuloTrevon::Icona::Critica, QStringLiteral("Normativa"));
                annulla();
                return;
            }
        }
        if (ModuloTrevon::MsgBox(QStringLiteral("Adottare la %1 per il Calcolo?\n"
                                                "I coefficienti tornano ai valori della %1 e tutti i Nodi registrati "
                                                "saranno verificati di nuovo.")
                                     .arg(Normative::Titolo(nuova)),
                                 ModuloTrevon::Pulsanti::SiNo, ModuloTrevon::Icona::Domanda,
                                 QStringLiteral("Normativa")) != ModuloTrevon::Risposta::Si) {
            annulla();
            return;
        }
    }
    Coefficienti c = Coefficienti::Predefiniti(nuova);
    c.classeServizio = attuali.classeServizio;
    ImpostaCoefficienti(c);
}

void frmNodi::ColonnaGammaMScelta()
{
    if (bloccoCoefficienti_)
        return;
    Coefficienti c = LeggiCoefficienti();
    c.gammaM = Coefficienti::GammaMPredefiniti(c.normativa, c.colonnaGammaM);
    ImpostaCoefficienti(c);
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
