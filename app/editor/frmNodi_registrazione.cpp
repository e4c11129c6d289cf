// Registration of the fields into the current joint, its verification and report, and the
// filling of the fields from a joint record.
#include "editor/frmNodi.h"

#include "calcolo/Numeri.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/RegistrazioneNodo.h"
#include "calcolo/NodoVerificato.h"
#include "calcolo/TipiNodo.h"
#include "report/FonteCoefficienti.h"
#include "report/RelazioneComune.h"
#include "report/SuperficieQTextEdit.h"
#include "report/SuperficieRegistrata.h"
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
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
const QString LF_ = QStringLiteral("\n");
}

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
    const DatiNodo dati = LeggiDatiNodo();
    const Coefficienti coefficienti = LeggiCoefficienti();
    if (const QString rifiuto = TipologiaSenzaRiga(dati, coefficienti); !rifiuto.isEmpty()) {
        ModuloTrevon::Beep();
        ModuloTrevon::MsgBox(rifiuto, ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica,
                             QStringLiteral("Controllo Dati"));
        procedi = false;
        return;
    }
    if (!RegistraNodo(*GenVerNodi, NumeroNodoCorrente(), *NodoCorrente, dati, coefficienti, ModuloTrevon::PiGreco,
                      &CalcoloInCorso::Istanza().tipologie(), &CalcoloInCorso::Istanza().durate())) {
        ModuloTrevon::MsgBox(TestoTipoNonImplementato());
        procedi = false;
    }
    CalcoloInCorso::Istanza().SegnalaModifica();
}

void frmNodi::ScriviRelazione(const QString& numeroNodo, const QString& motivo)
{
    // Composed apart first: a composition that raises leaves the report box as it was. A joint
    // not verified shows that, and why when known, never figures that could read as a pass.
    SuperficieRegistrata composta;
    const Normativa normativa = LeggiCoefficienti().normativa;
    if (motivo.isNull() && Relazione::NodoVerificato(*NodoCorrente, normativa))
        Relazione::CreaRelVerNodi(composta, *NodoCorrente, numeroNodo, CoefficientiRelazione());
    else
        Relazione::CreaRelNonVerificato(composta, numeroNodo, motivo, normativa);

    {
        SuperficieQTextEdit box(RichTextBox1);
        box.Cancella();
        composta.Riproduci(box);
    }
    // The reader starts at the title, not where the last run was appended.
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void frmNodi::AvviaVerifica(bool& procedi)
{
    EsitoVerifica esito;
    {
        ModuloTrevon::CursoreOccupato occupato;
        const QString tipo = cmbTipoNodo->currentText();
        if (tipo.isEmpty() || !GenVerNodi || !NodoCorrente) {
            ModuloTrevon::Beep();
            return;
        }
        const std::int16_t n = NumeroNodoCorrente();
        CalcoloInCorso::Istanza().DimenticaAvvisoLibreria();
        esito = EseguiVerifica(*GenVerNodi, n, LeggiCoefficienti().normativa);
        if (!esito.tipoNoto) {
            ModuloTrevon::Beep();
            ModuloTrevon::MsgBox(TestoTipoNonImplementato());
        }
        procedi = esito.eseguita;
        try {
            if (procedi) {
                ScriviRelazione(lblNodoCorrente->text());
                ModifNodo = 0;
                Command8->setEnabled(false);
            } else {
                // What failed, for this joint: the library's refusal, its error or the invalid result.
                QString motivo = esito.Motivo();
                if (!esito.errore.isNull())
                    motivo = QStringLiteral("Impossibile eseguire Verifica\n") + esito.errore;
                else if (motivo.isEmpty())
                    motivo = CalcoloInCorso::Istanza().UltimoAvvisoLibreria();
                if (motivo.isEmpty())
                    motivo = QStringLiteral("La verifica non è stata eseguita.");
                ScriviRelazione(lblNodoCorrente->text(), motivo);
            }
        } catch (const std::out_of_range& e) {
            esito.errore = QString::fromStdString(e.what());
            procedi = false;
        }
    }
    if (!esito.errore.isNull()) {
        procedi = false;
        ModuloTrevon::MsgBox(QStringLiteral("Impossibile eseguire Verifica\n") + esito.errore,
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica);
    } else if (!esito.nonValido.isEmpty()) {
        ModuloTrevon::Beep();
        ModuloTrevon::MsgBox(QStringLiteral("Impossibile eseguire Verifica\nNodo N.") + lblNodoCorrente->text() + LF_ +
                                 esito.Motivo(),
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
    {
        const QSignalBlocker blocco(cmbDurataCarico);   // showing a joint changes nothing
        cmbDurataCarico->setCurrentIndex(
            (NodoCorrente ? CalcoloInCorso::Istanza().durate().Di(*NodoCorrente) : DurataCarico::Permanente) - 1);
    }
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

    const TipoNodo& t = TipoNodo::Tutti()[static_cast<std::size_t>(indice)];
    for (int i = 1; i <= 4; ++i)
        if (t.UsaMisura(i))
            txtMis[static_cast<std::size_t>(i)]->setText(Numeri::Testo(nodo.*MisureNodo[static_cast<std::size_t>(i - 1)]));
    if (t.appoggio) {
        txtReaz->setText(Numeri::Testo(nodo.ReazioneY));
        txtLapp->setText(Numeri::Testo(nodo.LunghezzaAppoggio));
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
    // the joint shown before. A joint of a known type without its bars has no report; the
    // layout's text stays.
    if (!nodo.AsteReg || nodo.Asta->Count() == 0)
        return;
    try {
        ScriviRelazione(QString::number(nn));
    } catch (const std::out_of_range&) {
    }
}

void frmNodi::MostraNodo(std::int16_t n)
{
    compilaTextDatiNodo(n);
    ImpostaContatore(QString::number(n));
}
