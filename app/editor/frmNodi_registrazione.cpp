// Registration of the fields into the current joint, its verification and report, and the
// filling of the fields from a joint record.
#include "editor/frmNodi.h"

#include "editor/Numeri.h"
#include "report/FonteCoefficienti.h"
#include "report/RelazioneComune.h"
#include "report/SuperficieQTextEdit.h"
#include "report/SuperficieRegistrata.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using ModuloTrevon::GenVerNodi;
using ModuloTrevon::NodoCorrente;

namespace {

const QString tipoNonImplementato = QStringLiteral(
    "Impossibile Procedere.\nIl Tipo di nodo selezionato non è ancora implementato nella Classe");

// The report reads the coefficients from the editor's fields as they are when it is written.
class CoefficientiEditor : public FonteCoefficienti {
public:
    explicit CoefficientiEditor(const frmNodi& f) : f_(f) {}
    QString strClasse() const override { return f_.strClasse(); }
    float valKmod() const override { return f_.valKmod(); }
    float valGM(const QString& DescrMat) const override { return f_.valGM(DescrMat); }

private:
    const frmNodi& f_;
};

float numero(const QLineEdit* campo) { return Numeri::LeggiFloat(campo->text()).value_or(0.0f); }

// Section values: each power in double precision, each result a float before the next one.
void CalcolaSezione(clsAsta& a, float piGreco)
{
    if (a.Base == 0.0f || a.Altezza == 0.0f)
        return;
    const QString sezione = QString::fromStdString(a.TipoSezione).trimmed();
    if (sezione == QStringLiteral("Rettangolare")) {
        const double h = a.Altezza;
        const double b = a.Base;
        a.area = static_cast<float>(h * b);
        a.ModInerzia = static_cast<float>(std::pow(h, 3) * b / 12.0);
        a.ModResistenza = static_cast<float>(std::pow(h, 2) * b / 6.0);
    } else if (sezione == QStringLiteral("Circolare")) {
        const double r = a.Base;
        a.area = static_cast<float>(std::pow(2.0 * r, 2) * piGreco / 4.0);
        a.ModInerzia = static_cast<float>(std::pow(r, 4) * piGreco / 4.0);
        a.ModResistenza = static_cast<float>(static_cast<double>(a.ModInerzia) / r);
    }
}

}  // namespace

void frmNodi::registraDatiNodo(bool& procedi)
{
    procedi = true;
    QString msg;
    controlladati(procedi, msg);
    if (!procedi) {
        ModuloTrevon::MsgBox(msg, ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica,
                             QStringLiteral("Controllo Dati"));
        return;
    }
    if (!GenVerNodi || !NodoCorrente) {
        procedi = false;
        return;
    }

    const int aste = NumeroSchedeDisponibili();
    clsNodo& nodo = *NodoCorrente;
    const QString tipo = cmbTipoNodo->currentText();
    nodo.TipoNodo = tipo.toStdString();

    switch (IndiceTipo(tipo)) {
    case 0:
        nodo.ReazioneY = numero(txtReaz);
        nodo.LunghezzaAppoggio = numero(txtLapp);
        nodo.tv = numero(txtMis[1]);
        nodo.Lv = numero(txtMis[2]);
        break;
    case 1:
        nodo.tv = numero(txtMis[1]);
        break;
    case 2:
    case 3:
        nodo.tv = numero(txtMis[1]);
        nodo.Lv = numero(txtMis[2]);
        nodo.tvB = numero(txtMis[3]);
        nodo.LvB = numero(txtMis[4]);
        break;
    default:
        ModuloTrevon::MsgBox(tipoNonImplementato);
        procedi = false;
        return;
    }

    const std::int16_t n = NumeroNodoCorrente();
    for (int k = 1; k <= aste; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        auto a = std::make_shared<clsAsta>();
        const QString sezione = ComboAsta[kk]->currentText();
        a->Altezza = sezione.trimmed() == QStringLiteral("Rettangolare") ? numero(txtHAsta[kk])
                                                                         : numero(txtBAsta[kk]);
        a->Angolo = numero(txtAngAsta[kk]);
        a->Base = numero(txtBAsta[kk]);
        // The sign typed by the user is not kept: the verifications use the magnitude.
        a->SforzoAssiale = static_cast<float>(std::fabs(Numeri::Leggi(txtNAsta[kk]->text()).value_or(0.0)));
        a->TipoSezione = sezione.toStdString();
        CalcolaSezione(*a, ModuloTrevon::PiGreco);
        if (LstMatAsta[kk]->topLevelItemCount() > 0) {
            CopiaMaterialeInAsta(k, *a);
            CalcolaResistenzeProgetto(*a);
        }
        // A type changed to one with more bars than were registered: the new bars are
        // appended, as only registered bars can be modified.
        if (nodo.AsteReg && k <= nodo.Asta->Count())
            GenVerNodi->ModificaAsta(n, static_cast<std::int16_t>(k), *a);
        else
            GenVerNodi->AggiungiAsta(n, a);
    }
    // A type changed to one with fewer bars: the bars it no longer has leave the joint, so
    // neither the report nor the editor shows them as part of it.
    while (nodo.Asta->Count() > aste)
        nodo.Asta->Remove(nodo.Asta->Count());
    nodo.AsteReg = true;
}

void frmNodi::ScriviRelazione(const QString& numeroNodo)
{
    // Composed apart first: a composition that raises leaves the report box as it was.
    SuperficieRegistrata composta;
    Relazione::CreaRelVerNodi(composta, *NodoCorrente, numeroNodo, CoefficientiEditor(*this));

    {
        SuperficieQTextEdit box(RichTextBox1);
        box.Cancella();
        for (const SuperficieRegistrata::Run& run : composta.Runs()) {
            if (!run.font.isEmpty())
                box.NomeFont(run.font);
            box.DimensioneFont(run.dimensione);
            box.Grassetto(run.grassetto);
            box.Sottolineato(run.sottolineato);
            box.Accoda(run.testo);
        }
    }
    // The reader starts at the title, not where the last run was appended.
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void frmNodi::AvviaVerifica(bool& procedi)
{
    QString errore;
    {
        ModuloTrevon::CursoreOccupato occupato;
        const QString tipo = cmbTipoNodo->currentText();
        if (tipo.isEmpty() || !GenVerNodi || !NodoCorrente) {
            ModuloTrevon::Beep();
            return;
        }
        const std::int16_t n = NumeroNodoCorrente();
        try {
            switch (IndiceTipo(tipo)) {
            case 0: GenVerNodi->VerNodoCPDS(procedi, n); break;
            case 1: GenVerNodi->VerNodoPSDS(procedi, n); break;
            case 2:
            case 3: GenVerNodi->VerNodoMPMSDS(procedi, n); break;
            default:
                ModuloTrevon::Beep();
                ModuloTrevon::MsgBox(tipoNonImplementato);
                procedi = false;
                break;
            }
            if (procedi) {
                ScriviRelazione(lblNodoCorrente->text());
                ModifNodo = 0;
                Command8->setEnabled(false);
            }
        } catch (const ErroreCalcolo& e) {
            errore = QString::fromStdString(e.what());
        } catch (const std::out_of_range& e) {
            errore = QString::fromStdString(e.what());
        }
    }
    if (!errore.isNull()) {
        procedi = false;
        ModuloTrevon::MsgBox(QStringLiteral("Impossibile eseguire Verifica\n") + errore,
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica);
    }
}

void frmNodi::compilaTextDatiNodo(std::int16_t nn)
{
    for (int i = 1; i <= 4; ++i)
        txtMis[static_cast<std::size_t>(i)]->clear();
    txtReaz->clear();
    txtLapp->clear();
    txtMatAsta->clear();
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        ComboAsta[ii]->setCurrentIndex(0);
        txtBAsta[ii]->clear();
        txtHAsta[ii]->clear();
        txtAngAsta[ii]->clear();
        txtNAsta[ii]->clear();
        LstMatAsta[ii]->clear();
    }
    if (!NodoCorrente)
        return;
    const clsNodo& nodo = *NodoCorrente;

    // The type selection runs even when the list already shows the type, so the layout is
    // always the one of the joint being shown.
    auto selezionaTipo = [this](int indice) {
        if (cmbTipoNodo->currentIndex() == indice)
            TipoSelezionato();
        else
            cmbTipoNodo->setCurrentIndex(indice);
    };
    const QString tipo = QString::fromStdString(nodo.TipoNodo);
    if (tipo.trimmed().isEmpty()) {
        selezionaTipo(-1);
        return;
    }
    int indice = -1;
    for (int i = 0; i < cmbTipoNodo->count(); ++i) {
        if (cmbTipoNodo->itemText(i).toUpper() == tipo.toUpper()) {
            indice = i;
            break;
        }
    }
    if (indice < 0)
        return;
    selezionaTipo(indice);

    switch (indice) {
    case 0:
        txtMis[1]->setText(Numeri::Testo(nodo.tv));
        txtMis[2]->setText(Numeri::Testo(nodo.Lv));
        txtReaz->setText(Numeri::Testo(nodo.ReazioneY));
        txtLapp->setText(Numeri::Testo(nodo.LunghezzaAppoggio));
        break;
    case 1:
        txtMis[1]->setText(Numeri::Testo(nodo.tv));
        break;
    default:
        txtMis[1]->setText(Numeri::Testo(nodo.tv));
        txtMis[2]->setText(Numeri::Testo(nodo.Lv));
        txtMis[3]->setText(Numeri::Testo(nodo.tvB));
        txtMis[4]->setText(Numeri::Testo(nodo.LvB));
        break;
    }

    const int aste = std::min(nodo.Asta->Count(), static_cast<int>(NumAste));
    for (int k = 1; k <= aste; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        const auto a = nodo.Asta->Item(k);
        ComboAsta[kk]->setCurrentIndex(a->TipoSezione == "Circolare" ? 1 : 0);
        txtBAsta[kk]->setText(Numeri::Testo(a->Base));
        txtHAsta[kk]->setText(Numeri::Testo(a->Altezza));
        txtAngAsta[kk]->setText(Numeri::Testo(a->Angolo));
        txtNAsta[kk]->setText(Numeri::Testo(a->SforzoAssiale));
        SelezionaScheda(k - 1);
        txtMatAsta->clear();
        txtMatAsta->setText(QString::number(a->NumeroMateriale));
    }

    // The report is titled with the joint being shown: the counter still holds the number of
    // the joint shown before.
    try {
        ScriviRelazione(QString::number(nn));
    } catch (const std::out_of_range&) {
        // A joint of a known type without its bars has no report; the layout's text stays.
    }
}
