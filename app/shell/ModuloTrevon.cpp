// Minimal stand-in of the shell module: message boxes, beep and focus helpers.
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace ModuloTrevon {

std::shared_ptr<clsGenVerNodi> GenVerNodi;
std::shared_ptr<clsNodo> NodoCorrente;
float PiGreco = 0;

namespace {
Risponditore risponditore;
std::function<void()> gancioBeep;
}

Risposta MsgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo)
{
    const Avviso avviso{testo, pulsanti, icona,
                        titolo.isEmpty() ? QApplication::applicationName() : titolo};
    if (risponditore)
        return risponditore(avviso);

    QMessageBox box;
    box.setWindowTitle(avviso.titolo);
    box.setText(testo);
    switch (icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
    QPushButton* annulla = nullptr;
    if (pulsanti == Pulsanti::OK) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    } else {
        si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        if (pulsanti == Pulsanti::SiNoAnnulla)
            annulla = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    }
    box.exec();
    QAbstractButton* scelto = box.clickedButton();
    if (scelto == si) return Risposta::Si;
    if (scelto == no) return Risposta::No;
    if (scelto == annulla) return Risposta::Annulla;
    if (scelto == ok) return Risposta::OK;
    return pulsanti == Pulsanti::OK ? Risposta::OK
         : pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Annulla;
}

void ImpostaRisponditore(Risponditore r) { risponditore = std::move(r); }

void Beep()
{
    if (gancioBeep)
        gancioBeep();
    else
        QApplication::beep();
}

void ImpostaBeep(std::function<void()> gancio) { gancioBeep = std::move(gancio); }

CursoreOccupato::CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
CursoreOccupato::~CursoreOccupato() { QApplication::restoreOverrideCursor(); }

void SelezionaTesto(QLineEdit* box)
{
    if (!box)
        return;
    box->setFocus();
    box->selectAll();
}

void ApriDocumento(const QString& percorso)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(percorso));
}

}  // namespace ModuloTrevon
