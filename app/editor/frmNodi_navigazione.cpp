// The commands of the editor: add, step through and remove joints with the prompt for
// unregistered changes, register and verify, the joint counter, the guidance note, closing.
#include "editor/frmNodi.h"

#include "calcolo/Numeri.h"
#include "comune/DocumentiTrevon.h"
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>
#include <limits>
#include <optional>

using ModuloTrevon::GenVerNodi;
using ModuloTrevon::NodoCorrente;
using ModuloTrevon::Risposta;

namespace {

// The number a counter label holds, halves to even; none when it holds no number.
std::optional<double> NumeroEtichetta(const QLabel* etichetta)
{
    return Numeri::Leggi(etichetta->text());
}

int Intero(const QLabel* etichetta)
{
    const std::optional<double> v = NumeroEtichetta(etichetta);
    return v ? static_cast<int>(std::nearbyint(*v)) : 0;
}

const QString LF = QStringLiteral("\n");

}  // namespace

void frmNodi::CollegaComandi()
{
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
}

std::int16_t frmNodi::NumeroNodoCorrente() const
{
    const std::optional<double> v = NumeroEtichetta(lblNodoCorrente);
    if (!v)
        return 0;
    const double r = std::nearbyint(*v);   // the default rounding mode: halves to even
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(r);
}

void frmNodi::ImpostaContatore(const QString& testo)
{
    if (lblNodoCorrente->text() == testo)
        return;
    lblNodoCorrente->setText(testo);
    lblNodoCorrente_Change();
}

void frmNodi::lblNodoCorrente_Change()
{
    const int c = Intero(lblNodoCorrente);
    const int T = Intero(lblNodiTot);
    Command6->setEnabled(c != 1);   // joint 1 is never removed
    if (T < 2) {
        Command4->setEnabled(false);
        Command5->setEnabled(false);
    } else {
        Command4->setEnabled(c >= 2);
        Command5->setEnabled(c < T);
    }
}

void frmNodi::ListaTipiAbilitata(bool abilitata)
{
    cmbTipoNodo->setEnabled(abilitata);
    QPalette p = cmbTipoNodo->palette();
    const QColor sfondo = abilitata ? QColor(Qt::white) : QApplication::palette().color(QPalette::Button);
    p.setColor(QPalette::Base, sfondo);
    p.setColor(QPalette::Button, sfondo);
    cmbTipoNodo->setPalette(p);
}

// The prompt for unregistered changes; the navigation commands name the joint they leave.
static Risposta ChiediRegistrazione(const frmNodi& f, bool conNodo, const QString& domanda)
{
    QString testo = QStringLiteral("Attenzione!") + LF + LF +
                    QStringLiteral("Le modifiche apportate al Nodo Corrente non sono state registrate") + LF + LF;
    if (conNodo) {
        testo += QStringLiteral("Nodo N.") + f.lblNodoCorrente->text();
        const QString tipo = f.cmbTipoNodo->currentText();
        if (!tipo.trimmed().isEmpty())
            testo += QStringLiteral("  \"") + tipo + QStringLiteral("\"");
        testo += LF + LF;
    }
    testo += domanda;
    return ModuloTrevon::MsgBox(testo, ModuloTrevon::Pulsanti::SiNoAnnulla, ModuloTrevon::Icona::Domanda);
}

void frmNodi::Command3_Click()
{
    if (ModifNodo == 1) {
        const Risposta r = ChiediRegistrazione(*this, false, QStringLiteral("Registrare Modifiche prima di creare nuovo Nodo?"));
        if (r == Risposta::Annulla)
            return;
        if (r == Risposta::Si) {
            bool procedi = true;
            registraDatiNodo(procedi);
            if (!procedi)
                return;
        }
    }
    CalcoloInCorso::Istanza().NuovoNodo();
    MostraNodo(static_cast<std::int16_t>(GenVerNodi->Nodi->Count()));
    SSTab1->setCurrentIndex(0);
    ListaTipiAbilitata(true);
    cmbTipoNodo->setFocus();
    ModifNodo = 0;
    Command8->setEnabled(false);
}

void frmNodi::Sposta(int passo, const QString& domanda)
{
    if (ModifNodo == 1) {
        const Risposta r = ChiediRegistrazione(*this, true, domanda);
        if (r == Risposta::Annulla)
            return;
        if (r == Risposta::Si) {
            bool procedi = true;
            registraDatiNodo(procedi);
            if (procedi)
                AvviaVerifica(procedi);
            if (!procedi)
                return;
        }
    }

    const std::optional<double> c = NumeroEtichetta(lblNodoCorrente);
    const int m = c ? static_cast<int>(std::nearbyint(*c + passo)) : 0;
    const int T = Intero(lblNodiTot);
    if (passo < 0 && m < 1) {
        ModuloTrevon::Beep();
        ImpostaContatore(QStringLiteral("1"));
        return;
    }
    if (m < 1 || m > T) {   // past the last joint (or a counter without a number)
        ModuloTrevon::Beep();
        ImpostaContatore(QString::number(T));
        return;
    }

    NodoCorrente = GenVerNodi->Nodi->Item(m);
    MostraNodo(static_cast<std::int16_t>(m));
    Command8->setEnabled(false);
    ModifNodo = 0;
    // The joint shown again is verified again; a failing check only beeps and moves the focus.
    bool procedi = true;
    QString msg;
    controlladati(procedi, msg);
    if (procedi)
        AvviaVerifica(procedi);
}

bool frmNodi::RegistraSeModificato(const QString& domanda)
{
    if (ModifNodo != 1)
        return true;
    const Risposta r = ChiediRegistrazione(*this, true, domanda);
    if (r == Risposta::Annulla)
        return false;
    if (r == Risposta::No)
        return true;
    bool procedi = true;
    registraDatiNodo(procedi);
    if (procedi)
        AvviaVerifica(procedi);
    return procedi;
}

bool frmNodi::ConsentiChiusuraEditor()
{
    // A joint with no type has nothing to register.
    if (cmbTipoNodo->currentIndex() < 0)
        return true;
    return RegistraSeModificato(QStringLiteral("Registrare Modifiche prima di chiudere?"));
}

void frmNodi::Command4_Click()
{
    Sposta(-1, QStringLiteral("Registrare Modifiche prima di spostarsi al Nodo Precedente?"));
}

void frmNodi::Command5_Click()
{
    Sposta(+1, QStringLiteral("Registrare Modifiche prima di spostarsi al Nodo Successivo?"));
}

void frmNodi::Command6_Click()
{
    if (ModuloTrevon::MsgBox(QStringLiteral("Rimuovere il Nodo Selezionato?") + LF, ModuloTrevon::Pulsanti::SiNo,
                             ModuloTrevon::Icona::Domanda) != Risposta::Si)
        return;
    const int n = NumeroNodoCorrente();
    if (!GenVerNodi || n < 1 || n > GenVerNodi->Nodi->Count())
        return;
    CalcoloInCorso::Istanza().RimuoviNodo(n);
    const int totale = GenVerNodi->Nodi->Count();
    if (totale > 0) {
        const int m = n < 2 ? 1 : n - 1;
        NodoCorrente = GenVerNodi->Nodi->Item(m);
        MostraNodo(static_cast<std::int16_t>(m));
    }
    cmbTipoNodo->setFocus();
    ModifNodo = 0;
    Command8->setEnabled(false);
}

void frmNodi::Command7_Click() { ModuloTrevon::ApriDocumento(DocumentiTrevon::PercorsoAppuntiSL()); }

void frmNodi::Command8_Click()
{
    SSTab1->setCurrentIndex(0);
    bool procedi = true;
    registraDatiNodo(procedi);
    if (procedi)
        AvviaVerifica(procedi);
    if (procedi) {
        SSTab1->setCurrentIndex(1);
        ListaTipiAbilitata(false);   // a verified joint keeps its type until "Aggiungi Nodo"
    }
}

void frmNodi::Command9_Click()
{
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
    else
        close();
}

void frmNodi::closeEvent(QCloseEvent* evento)
{
    if (!ConsentiChiusuraEditor() || (ControlloChiusura && !ControlloChiusura())) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
    if (!evento->isAccepted())
        return;
    NodoCorrente.reset();
    emit chiuso();
}
