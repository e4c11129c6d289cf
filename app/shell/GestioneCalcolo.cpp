#include "shell/GestioneCalcolo.h"

#include "calcolo/AperturaCalcolo.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/ScritturaFile.h"
#include "calcolo/TestiBrevi.h"
#include "comune/Avanzamento.h"
#include "comune/CartellaProposta.h"
#include "calcolo/CalcoloInCorso.h"
#include "editor/frmNodi.h"
#include "materials/DatabaseMateriali.h"
#include "shell/DialoghiFile.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <map>
#include <optional>

namespace ModuloTrevon {

namespace {

CalcoloInCorso& calcolo() { return CalcoloInCorso::Istanza(); }

const QString chiaveCartella = QStringLiteral("Calcolo/UltimaCartella");
const QString LF = QStringLiteral("\n");

QString UltimaCartella()
{
    return CartellaProposta(QSettings().value(chiaveCartella).toString());
}

const QString chiaveRecenti = QStringLiteral("Calcolo/Recenti");
constexpr int MassimoRecenti = 8;

// The folder of the last calculation file, and the file at the head of the recent ones.
void RicordaCartella(const QString& file)
{
    QSettings impostazioni;
    impostazioni.setValue(chiaveCartella, QFileInfo(file).absolutePath());
    const QString assoluto = QFileInfo(file).absoluteFilePath();
    QStringList recenti = impostazioni.value(chiaveRecenti).toStringList();
    recenti.removeAll(assoluto);
    recenti.prepend(assoluto);
    while (recenti.size() > MassimoRecenti)
        recenti.removeLast();
    impostazioni.setValue(chiaveRecenti, recenti);
}

// Unregistered edits in the editor: the editor's own prompt, then registration and verification.
bool RegistraModificheEditor(const QString& domanda)
{
    frmNodi* f = EditorAperto();
    return f == nullptr || f->RegistraSeModificato(domanda);
}

}  // namespace

QString PercorsoCalcolo() { return calcolo().Percorso(); }

void NuovoCalcoloSenzaFile()
{
    calcolo().DimenticaFile();
    calcolo().ImpostaProgetto({});   // a new calculation belongs to no project yet
}

FileCalcolo::Calcolo CalcoloCorrente() { return calcolo().Dati(); }

bool CalcoloDaSalvare() { return calcolo().DaSalvare(); }

QString TitoloCalcolo()
{
    const QString programma = QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente in Legno");
    if (!calcolo().registro)
        return programma;
    const QString percorso = calcolo().Percorso();
    return programma + QStringLiteral("  \u2013  ") +
           (percorso.isEmpty() ? QStringLiteral("Nuovo Calcolo") : QFileInfo(percorso).fileName()) + QStringLiteral("[*]");
}

bool SalvaCalcoloIn(const QString& percorso)
{
    const QByteArray dati = FileCalcolo::Scrivi(CalcoloCorrente());
    // Never a file that "Apri Calcolo" would refuse (a coefficient out of its range, say).
    const FileCalcolo::Lettura rilettura = FileCalcolo::Leggi(dati);
    if (!rilettura.calcolo) {
        Beep();
        MsgBox(QStringLiteral("Impossibile salvare il Calcolo: il file non potrebbe essere riaperto.") + LF + LF +
                   rilettura.errore + LF + LF + QStringLiteral("Correggere il valore indicato e salvare di nuovo."),
               Pulsanti::OK, Icona::Critica, QStringLiteral("Salva Calcolo"));
        return false;
    }
    QString motivo;
    const bool riuscito = ScriviFileCompleto(percorso, dati, motivo);
    if (!riuscito) {
        Beep();
        MsgBox(QStringLiteral("Impossibile salvare il Calcolo nel file:") + LF + percorso + LF + LF +
                   motivo + LF + LF +
                   QStringLiteral("L'eventuale file precedente non è stato modificato."),
               Pulsanti::OK, Icona::Critica, QStringLiteral("Salva Calcolo"));
        return false;
    }
    calcolo().SegnaSalvato(QFileInfo(percorso).absoluteFilePath(), dati);
    RicordaCartella(percorso);
    return true;
}

namespace {

QString ScegliFileSalvataggio()
{
    const QString attuale = calcolo().Percorso();
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
    if (!calcolo().HaNodiRegistrati()) {
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
        calcolo().AccettaModifiche();   // the user let these changes go
        return true;
    }
    const QString percorso = calcolo().Percorso().isEmpty() ? ScegliFileSalvataggio() : calcolo().Percorso();
    return !percorso.isEmpty() && SalvaCalcoloIn(percorso);
}

QStringList CalcoliRecenti()
{
    QSettings impostazioni;
    const QStringList salvati = impostazioni.value(chiaveRecenti).toStringList();
    QStringList esistenti;
    for (const QString& p : salvati)
        if (QFileInfo(p).isFile() && !esistenti.contains(p) && esistenti.size() < MassimoRecenti)
            esistenti << p;
    if (esistenti != salvati)
        impostazioni.setValue(chiaveRecenti, esistenti);   // missing files are dropped for good
    return esistenti;
}

namespace {

// Before another calculation replaces this one: the editor's unregistered edits, then the
// unsaved changes.
bool PrimaDiAprire()
{
    return RegistraModificheEditor(QStringLiteral("Registrare Modifiche prima di aprire un altro Calcolo?")) &&
           ConsentiChiusuraCalcolo();
}

}  // namespace

bool ApriCalcoloRecente(const QString& percorso)
{
    return PrimaDiAprire() && ApriCalcoloDaFile(percorso);
}

bool ApriCalcolo()
{
    if (!PrimaDiAprire())
        return false;
    const QString percorso = DialoghiFile::ScegliFile(
        {DialoghiFile::Scopo::Apri,
         calcolo().Percorso().isEmpty() ? UltimaCartella() : QFileInfo(calcolo().Percorso()).absolutePath(), QString()});
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

    const FileCalcolo::Lettura lettura = FileCalcolo::LeggiFile(percorso);
    if (!lettura.calcolo)
        return rifiuta(lettura.errore);
    const FileCalcolo::Calcolo& letto = *lettura.calcolo;

    // Every joint registered and verified into a new register; the calculation in memory is
    // replaced only when the whole file was accepted.
    // The library's refusals are collected joint by joint, not shown one box each.
    std::map<int, QString> rifiutiLibreria;
    int nodoInVerifica = 0;
    auto inizioNodo = [&](int n) {
        if (nodoInVerifica != 0 && !calcolo().UltimoAvvisoLibreria().isEmpty())
            rifiutiLibreria[nodoInVerifica] = calcolo().UltimoAvvisoLibreria();
        calcolo().DimenticaAvvisoLibreria();
        nodoInVerifica = n;
    };
    const std::shared_ptr<clsGenVerNodi> registro = NuovoRegistro();
    calcolo().ImpostaSilenzioso(true);
    AperturaCalcolo apertura;
    {
        Avanzamento avanzamento(QStringLiteral("Apertura del Calcolo e verifica dei Nodi..."),
                                static_cast<int>(letto.nodi.size()));
        apertura = RegistraCalcolo(letto, registro, letto.coefficienti, PiGreco, inizioNodo,
                                   avanzamento.Richiamo());
    }
    inizioNodo(0);
    calcolo().ImpostaSilenzioso(false);
    if (apertura.annullato)
        return false;   // cancelled: the calculation in memory is as it was
    if (!apertura.Accettato())
        return rifiuta(QStringLiteral("Il Nodo N.%1 non supera il controllo dei dati:").arg(apertura.nodoRifiutato) +
                       LF + apertura.rifiuto);

    // One box for every joint not verified: number, type and reason, the first ones in full.
    QStringList nonVerificati;
    int oltre = 0;
    constexpr int MassimoElencati = 12;
    for (std::size_t i = 0; i < apertura.verifiche.size(); ++i) {
        const EsitoVerifica& v = apertura.verifiche[i];
        const clsNodo& nodo = *apertura.registro->Nodi->Item(static_cast<int>(i + 1));
        if (v.eseguita || nodo.TipoNodo.empty())
            continue;
        QString motivo = !v.errore.isNull() ? QStringLiteral("Impossibile eseguire Verifica: ") + v.errore
                         : !v.nonValido.isEmpty() ? v.Motivo()
                                                  : rifiutiLibreria[static_cast<int>(i + 1)];
        motivo.replace(LF, QStringLiteral(" - "));
        if (nonVerificati.size() < MassimoElencati)
            nonVerificati << QStringLiteral("Nodo N.%1 \"%2\": ").arg(i + 1).arg(QString::fromStdString(nodo.TipoNodo)) +
                                 Abbreviato(motivo, 160);
        else
            ++oltre;
    }
    if (!nonVerificati.isEmpty())
        MsgBox(QStringLiteral("Alcuni Nodi del Calcolo non sono stati verificati:") + LF + LF + nonVerificati.join(LF) +
                   (oltre > 0 ? LF + QStringLiteral("... e altri %1 Nodi.").arg(oltre) : QString()),
               Pulsanti::OK, Icona::Critica, QStringLiteral("Apri Calcolo"));

    // Joints whose bars' materials now read differently in the archive: the saved values
    // were used; the user is told which.
    QStringList cambiati;
    QHash<int, std::optional<MaterialeAsta>> archivio;   // one read per material number
    auto inArchivio = [&archivio](int numero) {
        auto trovato = archivio.find(numero);
        if (trovato == archivio.end()) {
            MaterialeAsta m;
            QString errore;
            trovato = archivio.insert(numero, DatabaseMateriali::LeggiMateriale(numero, m, errore)
                                                  ? std::optional<MaterialeAsta>(m)
                                                  : std::nullopt);
        }
        return *trovato;
    };
    for (std::size_t i = 0; i < letto.nodi.size(); ++i) {
        const clsNodo& salvato = *letto.nodi[i];
        for (int k = 1; k <= salvato.Asta->Count() && !salvato.TipoNodo.empty(); ++k) {
            const clsAsta& a = *salvato.Asta->Item(k);
            if (inArchivio(a.NumeroMateriale) != MaterialeAsta::DaAsta(a, letto.tipologie)) {
                cambiati << QString::number(i + 1);
                break;
            }
        }
    }

    frmNodi* f = EditorNodi();
    calcolo().ImpostaTipologie(letto.tipologie);
    calcolo().ImpostaDurate(apertura.durate);
    calcolo().ImpostaProgetto(letto.progetto);
    calcolo().ImpostaRegistro(apertura.registro);
    f->ImpostaCoefficienti(letto.coefficienti);
    f->MostraCalcoloAperto(letto.nodi.front());
    calcolo().SegnaSalvato(QFileInfo(percorso).absoluteFilePath(), FileCalcolo::Scrivi(CalcoloCorrente()));
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
