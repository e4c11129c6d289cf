#include "shell/GestioneCalcolo.h"

#include "editor/frmNodi.h"
#include "shell/DialoghiFile.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace ModuloTrevon {

namespace {

struct Stato {
    QString percorso;                       // file of the calculation
    QByteArray salvato;                     // its bytes when last saved or opened
    FileCalcolo::Coefficienti coefficienti; // of the last editor, once it closed
};

Stato& stato()
{
    static Stato s;
    return s;
}

const QString chiaveCartella = QStringLiteral("Calcolo/UltimaCartella");
const QString LF = QStringLiteral("\n");

QString UltimaCartella()
{
    const QString c = QSettings().value(chiaveCartella).toString();
    if (!c.isEmpty() && QDir(c).exists())
        return c;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RicordaCartella(const QString& file)
{
    QSettings().setValue(chiaveCartella, QFileInfo(file).absolutePath());
}

bool HaNodiRegistrati()
{
    if (!GenVerNodi)
        return false;
    for (int n = 1; n <= GenVerNodi->Nodi->Count(); ++n) {
        if (!GenVerNodi->Nodi->Item(n)->TipoNodo.empty())
            return true;
    }
    return false;
}

// Unregistered edits in the editor: the editor's own prompt, then registration and verification.
bool RegistraModificheEditor(const QString& domanda)
{
    frmNodi* f = EditorAperto();
    return f == nullptr || f->RegistraSeModificato(domanda);
}

}  // namespace

QString PercorsoCalcolo() { return stato().percorso; }

void NuovoCalcoloSenzaFile()
{
    stato().percorso.clear();
    stato().salvato.clear();
}

void RicordaCoefficienti(const FileCalcolo::Coefficienti& c) { stato().coefficienti = c; }

FileCalcolo::Calcolo CalcoloCorrente()
{
    FileCalcolo::Calcolo c;
    if (GenVerNodi) {
        for (int n = 1; n <= GenVerNodi->Nodi->Count(); ++n)
            c.nodi.push_back(GenVerNodi->Nodi->Item(n));
    }
    const frmNodi* f = EditorAperto();
    c.coefficienti = f ? f->LeggiCoefficienti() : stato().coefficienti;
    return c;
}

bool CalcoloDaSalvare()
{
    return HaNodiRegistrati() && FileCalcolo::Scrivi(CalcoloCorrente()) != stato().salvato;
}

bool SalvaCalcoloIn(const QString& percorso)
{
    const QByteArray dati = FileCalcolo::Scrivi(CalcoloCorrente());
    QSaveFile file(percorso);
    // Unbuffered, so a short write (full disk, size limit) is seen here; the size check before
    // the rename catches one the system reports late.
    bool riuscito = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (riuscito)
        riuscito = file.write(dati) == dati.size() && file.flush() && file.size() == dati.size();
    const QString motivo = file.errorString();
    // commit() renames the complete temporary file into place; on any failure it is removed
    // and the previous file stays as it was.
    riuscito = riuscito ? file.commit() : (file.cancelWriting(), false);
    if (!riuscito) {
        Beep();
        MsgBox(QStringLiteral("Impossibile salvare il Calcolo nel file:") + LF + percorso + LF + LF +
                   (file.errorString().isEmpty() ? motivo : file.errorString()) + LF + LF +
                   QStringLiteral("L'eventuale file precedente non è stato modificato."),
               Pulsanti::OK, Icona::Critica, QStringLiteral("Salva Calcolo"));
        return false;
    }
    stato().percorso = QFileInfo(percorso).absoluteFilePath();
    stato().salvato = dati;
    RicordaCartella(percorso);
    return true;
}

namespace {

QString ScegliFileSalvataggio()
{
    const QString attuale = stato().percorso;
    const QString cartella = attuale.isEmpty() ? UltimaCartella() : QFileInfo(attuale).absolutePath();
    const QString nome = attuale.isEmpty() ? QStringLiteral("Calcolo.trv") : QFileInfo(attuale).fileName();
    const QString scelto = DialoghiFile::ScegliFile({DialoghiFile::Scopo::Salva, cartella, nome});
    if (scelto.isEmpty())
        return {};
    if (QFileInfo::exists(scelto) && QFileInfo(scelto).absoluteFilePath() != attuale &&
        MsgBox(QStringLiteral("Il file") + LF + scelto + LF + QStringLiteral("esiste già. Sostituirlo?"),
               Pulsanti::SiNo, Icona::Domanda, QStringLiteral("Salva Calcolo")) != Risposta::Si)
        return {};
    return scelto;
}

}  // namespace

bool SalvaCalcolo()
{
    if (!RegistraModificheEditor(QStringLiteral("Registrare Modifiche prima di salvare il Calcolo?")))
        return false;
    if (!HaNodiRegistrati()) {
        MsgBox(QStringLiteral("Nessun Nodo registrato: non c'è alcun Calcolo da salvare."), Pulsanti::OK,
               Icona::Informazione, QStringLiteral("Salva Calcolo"));
        return false;
    }
    const QString percorso = ScegliFileSalvataggio();
    return !percorso.isEmpty() && SalvaCalcoloIn(percorso);
}

bool ConsentiChiusuraCalcolo()
{
    if (!CalcoloDaSalvare())
        return true;
    const Risposta r = MsgBox(QStringLiteral("Attenzione!") + LF + LF +
                                  QStringLiteral("I Nodi del Calcolo sono stati modificati dopo l'ultimo salvataggio.") +
                                  LF + LF + QStringLiteral("Salvare il Calcolo?"),
                              Pulsanti::SiNoAnnulla, Icona::Domanda);
    if (r != Risposta::Si && r != Risposta::No)
        return false;
    if (r == Risposta::No) {
        stato().salvato = FileCalcolo::Scrivi(CalcoloCorrente());   // the user let these changes go
        return true;
    }
    const QString percorso = stato().percorso.isEmpty() ? ScegliFileSalvataggio() : stato().percorso;
    return !percorso.isEmpty() && SalvaCalcoloIn(percorso);
}

bool ApriCalcolo()
{
    if (!RegistraModificheEditor(QStringLiteral("Registrare Modifiche prima di aprire un altro Calcolo?")))
        return false;
    if (!ConsentiChiusuraCalcolo())
        return false;
    const QString percorso = DialoghiFile::ScegliFile(
        {DialoghiFile::Scopo::Apri,
         stato().percorso.isEmpty() ? UltimaCartella() : QFileInfo(stato().percorso).absolutePath(), QString()});
    return !percorso.isEmpty() && ApriCalcoloDaFile(percorso);
}

bool ApriCalcoloDaFile(const QString& percorso)
{
    auto rifiuta = [&percorso](const QString& motivo) {
        Beep();
        MsgBox(QStringLiteral("Impossibile aprire il Calcolo:") + LF + percorso + LF + LF + motivo +
                   LF + LF + QStringLiteral("Il Calcolo in memoria non è stato modificato."),
               Pulsanti::OK, Icona::Critica, QStringLiteral("Apri Calcolo"));
        return false;
    };

    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return rifiuta(QStringLiteral("Il file non può essere letto (") + file.errorString() + QStringLiteral(")."));
    if (file.size() > FileCalcolo::MassimaDimensione)
        return rifiuta(QStringLiteral("Il file è troppo grande per essere un Calcolo di Trevon-SL."));
    const FileCalcolo::Lettura lettura = FileCalcolo::Leggi(file.readAll());
    file.close();
    if (!lettura.calcolo)
        return rifiuta(lettura.errore);
    const FileCalcolo::Calcolo& letto = *lettura.calcolo;

    // What is replaced, kept until every joint has been registered again.
    const std::shared_ptr<clsGenVerNodi> registroPrima = GenVerNodi;
    const std::shared_ptr<clsNodo> correntePrima = NodoCorrente;
    const bool editorEsisteva = EditorAperto() != nullptr;
    frmNodi* f = EditorNodi();
    const std::int16_t numeroPrima = f->NumeroNodoCorrente();
    const QString totalePrima = f->lblNodiTot->text();
    const FileCalcolo::Coefficienti coefficientiPrima = f->LeggiCoefficienti();

    GenVerNodi = NuovoRegistro();
    f->ImpostaCoefficienti(letto.coefficienti);
    QStringList cambiati;
    QString rifiuto;
    int nodoRifiutato = 0;
    for (std::size_t i = 0; i < letto.nodi.size() && nodoRifiutato == 0; ++i) {
        const auto n = static_cast<std::int16_t>(i + 1);
        NuovoNodo();
        if (letto.nodi[i]->TipoNodo.empty()) {
            MostraNodo(n);
            continue;
        }
        bool cambiato = false;
        if (!f->RegistraNodoSalvato(n, letto.nodi[i], cambiato, rifiuto))
            nodoRifiutato = n;
        else if (cambiato)
            cambiati << QString::number(n);
    }

    if (nodoRifiutato != 0) {
        GenVerNodi = registroPrima;
        NodoCorrente = correntePrima;
        if (!editorEsisteva) {
            NodoCorrente.reset();
            if (auto* cornice = qobject_cast<QMdiSubWindow*>(f->parentWidget()))
                delete cornice;
            else
                delete f;
        } else {
            f->ImpostaCoefficienti(coefficientiPrima);
            f->lblNodiTot->setText(totalePrima);
            if (GenVerNodi && NodoCorrente)
                MostraNodo(numeroPrima);
            else
                f->ImpostaContatore(QString::number(numeroPrima));
        }
        return rifiuta(QStringLiteral("Il Nodo N.%1 non supera il controllo dei dati:").arg(nodoRifiutato) + LF +
                       rifiuto);
    }

    f->MostraCalcoloAperto(letto.nodi.front());
    stato().percorso = QFileInfo(percorso).absoluteFilePath();
    stato().salvato = FileCalcolo::Scrivi(CalcoloCorrente());
    RicordaCartella(percorso);
    f->show();
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(f->parentWidget())) {
        cornice->show();
        cornice->raise();
    }
    f->activateWindow();

    if (!cambiati.isEmpty())
        MsgBox(QStringLiteral("I valori dei materiali di alcune aste sono cambiati nell'archivio dei materiali, "
                              "o non vi si trovano più.") +
                   LF + QStringLiteral("Per queste aste sono stati usati i valori salvati nel Calcolo.") + LF + LF +
                   QStringLiteral("Nodi interessati: ") + cambiati.join(QStringLiteral(", ")),
               Pulsanti::OK, Icona::Informazione, QStringLiteral("Apri Calcolo"));
    return true;
}

}  // namespace ModuloTrevon
