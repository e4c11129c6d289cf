// Joint types: the layout each type gives the editor, section shapes, bar tabs, type pictures.
#include "editor/frmNodi.h"

#include "calcolo/Numeri.h"
#include "calcolo/TipiNodo.h"

#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include "editor/DisegnoSvg.h"
#include <QTabWidget>

namespace {

const QString tipoNonImplementato =
    QStringLiteral("Il Tipo di nodo selezionato non è ancora implementato nella Classe");

}  // namespace

const QStringList& frmNodi::TipiNodo()
{
    static const QStringList nomi = TipoNodo::Nomi();
    return nomi;
}

int frmNodi::IndiceTipo(const QString& tipo) { return TipoNodo::Indice(tipo); }

int frmNodi::NumeroAsteTipo(const QString& tipo)
{
    const TipoNodo* t = TipoNodo::perNome(tipo);
    return t ? t->NumeroAste() : 0;
}

QString frmNodi::NomeAsta(const QString& tipo, int k)
{
    const TipoNodo* t = TipoNodo::perNome(tipo);
    return t ? t->NomeAsta(k) : QString();
}

bool frmNodi::SchedaDisponibile(int j) const { return j >= 0 && j < SSTab2->count() && SSTab2->isTabEnabled(j); }

int frmNodi::NumeroSchedeDisponibili() const
{
    int n = 0;
    for (int j = 0; j < SSTab2->count(); ++j)
        n += SchedaDisponibile(j) ? 1 : 0;
    return n;
}

bool frmNodi::Mostrato(const QWidget* campo) { return !campo->isHidden(); }

int frmNodi::AstaSelezionata() const { return SSTab2->currentIndex() + 1; }

void frmNodi::TipoSelezionato()
{
    ModifNodo = 1;
    const QString t = cmbTipoNodo->currentIndex() >= 0 ? cmbTipoNodo->currentText() : QString();

    // Full layout first; the type then hides what it does not ask for.
    FrameAsta[1]->setEnabled(true);
    Command8->setEnabled(true);
    Command8->setText(QStringLiteral("&Registra Dati e Verifica"));
    ScriviAvvisoRelazione(QStringLiteral("Registrare i Dati del Nodo ed eseguire Verifica"));
    FrameParamNodo->setEnabled(true);
    for (int i = 1; i <= 4; ++i) {
        lblMis[static_cast<std::size_t>(i)]->show();
        txtMis[static_cast<std::size_t>(i)]->show();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblReaz, lblLapp, txtReaz, txtLapp})
        w->show();
    FrameAsta[0]->setEnabled(true);
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        lblNAsta[ii]->show();
        txtNAsta[ii]->show();
        lblAngAsta[ii]->show();
        txtAngAsta[ii]->show();
        txtAngAsta[ii]->clear();
    }
    Text1->clear();

    const int k = IndiceTipo(t);
    if (t.trimmed().isEmpty()) {
        Disegni->setCurrentWidget(PicTipoNodi);
        FrameParamNodo->setEnabled(false);
        FrameAsta[0]->setEnabled(false);   // bar tabs, material field and panels with it
        Command8->setText(QStringLiteral("Seleziona Tipo Unione"));
        Command8->setEnabled(false);
        ScriviAvvisoRelazione(QStringLiteral("Selezionare Tipo di Unione"));
    } else if (k >= 0) {
        const TipoNodo& d = TipoNodo::Tutti()[static_cast<std::size_t>(k)];
        Disegni->setCurrentWidget(PicNodo[static_cast<std::size_t>(k)]);
        Text1->setText(d.NomeAsta(1));
        for (int i = 1; i <= 4; ++i) {
            if (!d.UsaMisura(i)) {
                lblMis[static_cast<std::size_t>(i)]->hide();
                txtMis[static_cast<std::size_t>(i)]->hide();
            } else {
                lblMis[static_cast<std::size_t>(i)]->setText(d.didascalie[static_cast<std::size_t>(i - 1)]);
            }
        }
        if (!d.appoggio) {
            for (QWidget* w : std::initializer_list<QWidget*>{lblReaz, lblLapp, txtReaz, txtLapp})
                w->hide();
        }
        if (d.astaVerticale >= 1 && d.astaVerticale <= NumAste)
            txtAngAsta[static_cast<std::size_t>(d.astaVerticale)]->setText(QStringLiteral("90"));
        for (int i = 1; i <= d.NumeroAste() && i <= NumAste; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            if (!d.ChiedeAngolo(i)) {
                lblAngAsta[ii]->hide();
                txtAngAsta[ii]->hide();
            }
            if (!d.ChiedeSforzo(i)) {
                lblNAsta[ii]->hide();
                txtNAsta[ii]->hide();
            }
        }
    }

    const int n = NumeroAsteTipo(t);
    if (n > 0) {
        // Tab 0 first, so disabling the selected tab cannot move the selection through the
        // other bars (each move would propose materials to them).
        SelezionaScheda(0);
        for (int j = 0; j < SSTab2->count(); ++j)
            SSTab2->setTabEnabled(j, j < n);
    }

    if (!t.trimmed().isEmpty())
        txtMis[1]->setFocus();
}

void frmNodi::SezioneSelezionata(int i)
{
    const auto ii = static_cast<std::size_t>(i);
    ModifNodo = 1;
    Command8->setEnabled(true);
    const QString sezione = ComboAsta[ii]->currentText();
    if (sezione == QStringLiteral("Rettangolare")) {
        lblBase[ii]->setText(QStringLiteral("B (cm)"));
        lblAltezza[ii]->show();
        txtHAsta[ii]->show();
    } else if (sezione == QStringLiteral("Circolare")) {
        // The field holds the radius (stored files rely on it): the caption says so.
        lblBase[ii]->setText(QStringLiteral("R (raggio) [cm]"));
        lblAltezza[ii]->hide();
        txtHAsta[ii]->hide();
    }
    MostraDiametro(i);
}

void frmNodi::MostraDiametro(int i)
{
    const auto ii = static_cast<std::size_t>(i);
    if (ComboAsta[ii]->currentText() != QStringLiteral("Circolare")) {
        lblDiametro[ii]->hide();
        return;
    }
    const std::optional<double> r = Numeri::Leggi(txtBAsta[ii]->text());
    lblDiametro[ii]->setText(QStringLiteral("\u00d8 = ") +
                             (r && *r > 0 ? Numeri::TestoDueDecimali(2.0 * *r) : QStringLiteral("\u2013")) +
                             QStringLiteral(" cm"));
    lblDiametro[ii]->show();
}

void frmNodi::SchedaAstaSelezionata(int j)
{
    if (inCostruzione_ || j < 0)
        return;
    const int k = j + 1;
    const int n = NumeroMateriale(k);
    if (n >= 1) {
        ImpostaMateriale(QString::number(n), true);
    } else {
        ImpostaMateriale(QString(), false);
        if (k > 1 && !senzaProposta_) {
            const int p = NumeroMateriale(k - 1);
            if (p >= 1)
                ImpostaMateriale(QString::number(p), false);   // proposal: loads bar k's list
        }
    }

    const QString tipo = cmbTipoNodo->currentIndex() >= 0 ? cmbTipoNodo->currentText() : QString();
    if (IndiceTipo(tipo) >= 0) {
        const QString nome = NomeAsta(tipo, k);
        if (!nome.isEmpty())
            Text1->setText(nome);
    } else if (!tipo.trimmed().isEmpty()) {
        ModuloTrevon::Beep();
        ModuloTrevon::MsgBox(QStringLiteral("Attenzione!\n") + tipoNonImplementato);
    }
}

void frmNodi::SelezionaScheda(int j)
{
    if (SSTab2->currentIndex() != j)
        SSTab2->setCurrentIndex(j);
}

void frmNodi::EvidenziaImmagine(int k)
{
    for (int i = 0; i < static_cast<int>(ImgTipoUnione.size()); ++i)
        ImgTipoUnione[static_cast<std::size_t>(i)]->setFrameShape(i == k ? QFrame::Box : QFrame::NoFrame);
}

bool frmNodi::EventoImmagine(QObject* oggetto, QEvent* evento)
{
    if (oggetto == PicTipoNodi) {
        if (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Leave)
            EvidenziaImmagine(-1);
        return false;
    }
    for (int k = 0; k < static_cast<int>(ImgTipoUnione.size()); ++k) {
        if (oggetto != ImgTipoUnione[static_cast<std::size_t>(k)])
            continue;
        if (evento->type() == QEvent::MouseMove) {
            EvidenziaImmagine(k);
            return true;   // not on to the picker, which would clear the border again
        } else if (evento->type() == QEvent::MouseButtonRelease) {
            ImgTipoUnione[static_cast<std::size_t>(k)]->setFrameShape(QFrame::NoFrame);
            cmbTipoNodo->setCurrentIndex(k);   // also while the list is disabled
            return true;
        }
        return false;
    }
    return false;
}
