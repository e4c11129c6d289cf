// Joint data validation, the key table of the input fields and the change handling.
#include "editor/frmNodi.h"

#include "calcolo/DatiNodo.h"
#include "calcolo/Numeri.h"
#include "calcolo/ValidazioneNodo.h"
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using ModuloTrevon::SelezionaTesto;

namespace {

bool invio(int tasto) { return tasto == Qt::Key_Return || tasto == Qt::Key_Enter; }

}  // namespace

void frmNodi::controlladati(bool& procedi, QString& msg)
{
    procedi = true;
    const EsitoValidazione esito = ValidaNodo(LeggiDatiNodo());
    // Once type and notch passed, an empty support field means no support, and shows it.
    if (esito.valido || esito.passo >= 3) {
        if (txtReaz->text().trimmed().isEmpty())
            txtReaz->setText(QStringLiteral("0"));
        if (txtLapp->text().trimmed().isEmpty())
            txtLapp->setText(QStringLiteral("0"));
    }
    if (esito.valido)
        return;
    ModuloTrevon::Beep();
    msg = esito.messaggio;
    procedi = false;
    MettiFuoco(esito.campo);
}

DatiNodo frmNodi::LeggiDatiNodo() const
{
    DatiNodo d;
    d.tipo = cmbTipoNodo->currentIndex() >= 0 ? cmbTipoNodo->currentText() : QString();
    for (int i = 1; i <= 4; ++i)
        d.misure[static_cast<std::size_t>(i - 1)] = txtMis[static_cast<std::size_t>(i)]->text();
    d.reazione = txtReaz->text();
    d.appoggio = txtLapp->text();
    d.durata = cmbDurataCarico->currentIndex() + 1;
    for (int i = 1; i <= SSTab2->count() && i <= NumAste; ++i) {
        if (!SchedaDisponibile(i - 1))
            continue;
        const auto ii = static_cast<std::size_t>(i);
        DatiAsta a;
        a.sezione = ComboAsta[ii]->currentIndex() >= 0 ? ComboAsta[ii]->currentText() : QString();
        a.base = txtBAsta[ii]->text();
        a.altezza = txtHAsta[ii]->text();
        a.angolo = txtAngAsta[ii]->text();
        a.sforzo = txtNAsta[ii]->text();
        a.materiale = MaterialeMostrato(i);
        d.aste.push_back(a);
    }
    return d;
}

void frmNodi::MettiFuoco(const CampoNodo& campo)
{
    using T = CampoNodo::Tipo;
    const auto ii = static_cast<std::size_t>(campo.indice);
    const bool asta = campo.indice >= 1 && campo.indice <= NumAste;
    switch (campo.tipo) {
    case T::TipoNodo: cmbTipoNodo->setFocus(); return;
    case T::Misura:
        if (campo.indice >= 1 && campo.indice <= 4)
            SelezionaTesto(txtMis[ii]);
        return;
    case T::Reazione: SelezionaTesto(txtReaz); return;
    case T::Appoggio: SelezionaTesto(txtLapp); return;
    case T::Nessuno: return;
    default: break;
    }
    if (!asta)
        return;
    {
        // Showing the bar that failed changes nothing else: no material is proposed to it.
        const bool prima = senzaProposta_;
        senzaProposta_ = true;
        SelezionaScheda(campo.indice - 1);
        senzaProposta_ = prima;
    }
    switch (campo.tipo) {
    case T::Sezione: ComboAsta[ii]->setFocus(); break;
    case T::Base: SelezionaTesto(txtBAsta[ii]); break;
    case T::Altezza: SelezionaTesto(txtHAsta[ii]); break;
    case T::Angolo: SelezionaTesto(txtAngAsta[ii]); break;
    case T::Sforzo: SelezionaTesto(txtNAsta[ii]); break;
    case T::Materiale: SelezionaTesto(txtMatAsta); break;
    default: break;
    }
}

void frmNodi::CampoModificato()
{
    ModifNodo = 1;
    Command8->setEnabled(true);
}

void frmNodi::FocusPulsanteRegistra()
{
    if (Command8->isEnabled())
        Command8->setFocus();
    else
        Command9->setFocus();
}

void frmNodi::InvioAngolo(int i)
{
    const auto ii = static_cast<std::size_t>(i);
    if (Mostrato(txtNAsta[ii]))
        SelezionaTesto(txtNAsta[ii]);
    else
        InvioSforzo(i);
}

void frmNodi::InvioSforzo(int i)
{
    if (i < NumAste && SchedaDisponibile(i)) {
        SelezionaScheda(i);
        txtMatAsta->setFocus();
    } else {
        FocusPulsanteRegistra();
    }
}

bool frmNodi::TastoPremuto(QObject* oggetto, int tasto, const QString& testo)
{
    const bool punto = testo == QStringLiteral(".");
    auto virgola = [&](QLineEdit* box) {
        if (!punto)
            return false;
        box->insert(QStringLiteral(","));
        return true;
    };

    if (oggetto == cmbTipoNodo) {
        // A typed key, Enter included, goes on to the first notch field; the list itself takes
        // none (the arrows still choose the type).
        if (!testo.isEmpty() || invio(tasto)) {
            SelezionaTesto(txtMis[1]);
            return true;
        }
        return false;
    }
    if (oggetto == SSTab2->tabBar()) {
        if (testo.isEmpty() && !invio(tasto))
            return false;
        SelezionaTesto(txtMatAsta);
        return true;
    }
    if (oggetto == txtMatAsta) {
        if (testo == QStringLiteral(".") || testo == QStringLiteral(","))
            return true;
        if (invio(tasto)) {
            SelezionaTesto(txtBAsta[static_cast<std::size_t>(AstaSelezionata())]);
            return true;
        }
        return false;
    }
    for (int i = 1; i <= 4; ++i) {
        if (oggetto != txtMis[static_cast<std::size_t>(i)])
            continue;
        if (invio(tasto)) {
            if (i < 4 && Mostrato(txtMis[static_cast<std::size_t>(i + 1)]))
                SelezionaTesto(txtMis[static_cast<std::size_t>(i + 1)]);
            else if (Mostrato(txtReaz))
                SelezionaTesto(txtReaz);
            else
                SelezionaTesto(txtMatAsta);
            return true;
        }
        return virgola(txtMis[static_cast<std::size_t>(i)]);
    }
    if (oggetto == txtReaz) {
        if (invio(tasto)) {
            SelezionaTesto(txtLapp);
            return true;
        }
        return virgola(txtReaz);
    }
    if (oggetto == txtLapp) {
        if (invio(tasto)) {
            SelezionaScheda(0);
            txtMatAsta->setFocus();
            return true;
        }
        return virgola(txtLapp);
    }
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        if (oggetto == ComboAsta[ii]) {
            if (!invio(tasto))
                return false;
            SelezionaTesto(txtBAsta[ii]);
            return true;
        }
        if (oggetto == txtBAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtBAsta[ii]);
            if (Mostrato(txtHAsta[ii]))
                SelezionaTesto(txtHAsta[ii]);
            else if (Mostrato(txtAngAsta[ii]))
                SelezionaTesto(txtAngAsta[ii]);
            else
                InvioAngolo(i);   // never into a hidden field
            return true;
        }
        if (oggetto == txtHAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtHAsta[ii]);
            if (Mostrato(txtAngAsta[ii]))
                SelezionaTesto(txtAngAsta[ii]);
            else
                InvioAngolo(i);
            return true;
        }
        if (oggetto == txtAngAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtAngAsta[ii]);
            InvioAngolo(i);
            return true;
        }
        if (oggetto == txtNAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtNAsta[ii]);
            InvioSforzo(i);
            return true;
        }
    }
    for (QLineEdit* box : BoxCoefficienti())
        if (oggetto == box)
            return virgola(box) || TastoCoefficiente(box, tasto);
    return false;
}

bool frmNodi::eventFilter(QObject* oggetto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (TastoPremuto(oggetto, tasto->key(), tasto->text()))
            return true;
        break;
    }
    case QEvent::FocusOut:
        for (QLineEdit* box : BoxCoefficienti())
            if (oggetto == box)
                CoefficienteLasciato(box);
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
        if (EventoImmagine(oggetto, evento))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(oggetto, evento);
}
