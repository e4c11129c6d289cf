// Minimal stand-in of the main module: just what the start window and its tests use.
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

namespace ModuloTrevon {

std::shared_ptr<clsGenVerNodi> GenVerNodi;
std::shared_ptr<clsNodo> NodoCorrente;
float PiGreco = 0.0f;

namespace {
Risponditore risponditore;
std::function<void()> gancioBeep;
}

Risposta MsgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo) {
    const Avviso avviso{testo, pulsanti, icona,
                        titolo.isEmpty() ? QCoreApplication::applicationName() : titolo};
    if (risponditore)
        return risponditore(avviso);
    QMessageBox box(QMessageBox::NoIcon, avviso.titolo, testo);
    box.setStandardButtons(pulsanti == Pulsanti::OK ? QMessageBox::Ok
                           : pulsanti == Pulsanti::SiNo
                               ? QMessageBox::Yes | QMessageBox::No
                               : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return Risposta::OK;
    }
}

void ImpostaRisponditore(Risponditore r) { risponditore = std::move(r); }

void Beep() {
    if (gancioBeep)
        gancioBeep();
    else
        QApplication::beep();
}

void ImpostaBeep(std::function<void()> gancio) { gancioBeep = std::move(gancio); }

CursoreOccupato::CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
CursoreOccupato::~CursoreOccupato() { QApplication::restoreOverrideCursor(); }

void SelezionaTesto(QLineEdit* box) {
    if (box && box->isVisible() && box->isEnabled()) {
        box->setFocus();
        box->selectAll();
    }
}

void ApriDocumento(const QString& percorso) {
    CursoreOccupato occupato;
    const bool indirizzo = percorso.startsWith("http") || percorso.startsWith("mailto");
    if (!indirizzo && !QFileInfo::exists(percorso)) {
        Beep();
        MsgBox("Il file specificato:\n" + percorso + "\nNon esiste nell'Archivio Server.");
        return;
    }
    const QUrl url = indirizzo ? QUrl(percorso) : QUrl::fromLocalFile(percorso);
    if (!QDesktopServices::openUrl(url))
        MsgBox("Errore non individuabile nell'apertura del File");
}

int Main() { return 0; }

}  // namespace ModuloTrevon
