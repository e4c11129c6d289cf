#include "comune/Avvisi.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

namespace ModuloTrevon {

namespace {

Risponditore& risponditore()
{
    static Risponditore r;
    return r;
}

std::function<void()>& gancioBeep()
{
    static std::function<void()> g;
    return g;
}

QMessageBox::StandardButtons pulsantiQt(Pulsanti p)
{
    switch (p) {
    case Pulsanti::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case Pulsanti::SiNoAnnulla: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Pulsanti::OK: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconaQt(Icona i)
{
    switch (i) {
    case Icona::Critica: return QMessageBox::Critical;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Risposta MsgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo)
{
    const QString titoloEffettivo = titolo.isEmpty() ? QApplication::applicationName() : titolo;
    if (risponditore())
        return risponditore()(Avviso{testo, pulsanti, icona, titoloEffettivo});

    QMessageBox box(iconaQt(icona), titoloEffettivo, testo, pulsantiQt(pulsanti),
                    QApplication::activeWindow());
    // Closing the box with Esc or its close button is the mildest answer the box offers.
    if (pulsanti == Pulsanti::SiNoAnnulla)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (pulsanti == Pulsanti::SiNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: break;
    }
    return pulsanti == Pulsanti::SiNoAnnulla ? Risposta::Annulla
         : pulsanti == Pulsanti::SiNo        ? Risposta::No
                                             : Risposta::OK;
}

void ImpostaRisponditore(Risponditore r) { risponditore() = std::move(r); }

void Beep()
{
    if (gancioBeep())
        gancioBeep()();
    else
        QApplication::beep();
}

void ImpostaBeep(std::function<void()> gancio) { gancioBeep() = std::move(gancio); }

CursoreOccupato::CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }

CursoreOccupato::~CursoreOccupato() { QApplication::restoreOverrideCursor(); }

}  // namespace ModuloTrevon
