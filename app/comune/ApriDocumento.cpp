// ApriDocumento: hands a file, web or mail address to the desktop opener and turns its
// failures into the messages of the shell open service's return codes.
#include "comune/ApriDocumento.h"

#include "comune/Avvisi.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>

namespace ModuloTrevon {

namespace {

struct Apritore {
    QString programma = QStringLiteral("xdg-open");
    QStringList argomenti;
};

Apritore& apritore()
{
    static Apritore a;
    return a;
}

// xdg-open returns at once on a desktop session but stays in the foreground while the viewer
// runs when it falls back to a generic launcher: past this wait it counts as opened.
constexpr int AttesaApritoreMs = 3000;

// Codes of the shell open service; above 32 means success.
constexpr int CodiceRiuscito = 42;
constexpr int CodiceNonAvviato = 0;

QString messaggioCodice(int codice, const QString& percorso)
{
    switch (codice) {
    case 2: return QStringLiteral("File non trovato.");
    case 3: return QStringLiteral("Percorso non trovato");
    case 5: return QStringLiteral("Accesso negato");
    case 8: return QStringLiteral("Memoria insufficiente per aprire il file");
    case 11: return QStringLiteral("Invalid EXE file or error in EXE image");
    case 26: return QStringLiteral("A sharing violation occurred");
    case 27: return QStringLiteral("Incomplete or invalid file association");
    case 28: return QStringLiteral("DDE Time out");
    case 29: return QStringLiteral("DDE transaction failed");
    case 30: return QStringLiteral("DDE busy");
    case 31:
        return QStringLiteral("Nessun Programma installato nel PC è dedicato ad aprire file con "
                              "estensione ") + percorso.right(4).toUpper();
    case 32: return QStringLiteral("DLL not found");
    default: break;
    }
    return QStringLiteral("Errore non individuabile nell'apertura del File");
}

// xdg-open exit status → open service code: 2 the target does not exist, 3 no program for it.
int codiceDaUscita(int stato)
{
    switch (stato) {
    case 0: return CodiceRiuscito;
    case 2: return 2;
    case 3: return 31;
    default: break;
    }
    return 1;
}

// Runs the opener detached, the target as a plain argument: a small shell waits for it and
// writes its exit status to a file (the target never enters the shell's text). The program
// keeps nothing of it, so a viewer the opener keeps in the foreground outlives the program
// and is never killed with it.
bool eseguiApritore(const QString& percorso, int& codice)
{
    // The status files of openers that outlived their wait, once they are old.
    const QDir temporanea(QDir::tempPath());
    for (const QFileInfo& vecchio :
         temporanea.entryInfoList({QStringLiteral("trevon-apritore-*")}, QDir::Files | QDir::Hidden)) {
        if (vecchio.lastModified().secsTo(QDateTime::currentDateTime()) > 60)
            QFile::remove(vecchio.absoluteFilePath());
    }
    QTemporaryFile stato(QDir::tempPath() + QStringLiteral("/trevon-apritore-XXXXXX"));
    stato.setAutoRemove(false);
    if (!stato.open()) {
        codice = CodiceNonAvviato;
        return false;
    }
    const QString fileStato = stato.fileName();
    stato.close();
    QFile::remove(fileStato);   // it appears again when the opener ends

    QProcess processo;
    processo.setProgram(QStringLiteral("/bin/sh"));
    processo.setArguments(QStringList{QStringLiteral("-c"),
                                      QStringLiteral("\"$@\"; s=$?; echo $s > \"$TREVON_STATO.tmp\" && "
                                                     "mv \"$TREVON_STATO.tmp\" \"$TREVON_STATO\""),
                                      QStringLiteral("apri"), apritore().programma}
                          << apritore().argomenti << percorso);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("TREVON_STATO"), fileStato);
    processo.setProcessEnvironment(ambiente);
    processo.setWorkingDirectory(QCoreApplication::applicationDirPath());
    processo.setStandardInputFile(QProcess::nullDevice());
    processo.setStandardOutputFile(QProcess::nullDevice());
    processo.setStandardErrorFile(QProcess::nullDevice());
    if (!processo.startDetached()) {
        codice = CodiceNonAvviato;
        return false;
    }
    QElapsedTimer attesa;
    attesa.start();
    while (!QFileInfo::exists(fileStato)) {
        if (attesa.elapsed() > AttesaApritoreMs) {
            codice = CodiceRiuscito;   // still showing the document
            return true;
        }
        QThread::msleep(20);
    }
    QFile f(fileStato);
    const int uscita = f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toInt() : 1;
    f.close();
    QFile::remove(fileStato);
    // 126/127: the shell could not run the opener at all.
    if (uscita == 126 || uscita == 127) {
        codice = CodiceNonAvviato;
        return false;
    }
    codice = codiceDaUscita(uscita);
    return true;
}

}  // namespace

std::function<bool(const QUrl&)>& riserva()
{
    static std::function<bool(const QUrl&)> r;
    return r;
}

void ImpostaApritoreDiRiserva(std::function<bool(const QUrl&)> apri) { riserva() = std::move(apri); }

void ImpostaApritore(const QString& programma, const QStringList& argomentiIniziali)
{
    apritore().programma = programma.isEmpty() ? QStringLiteral("xdg-open") : programma;
    apritore().argomenti = programma.isEmpty() ? QStringList() : argomentiIniziali;
}

void ApriDocumento(const QString& percorso)
{
    CursoreOccupato occupato;
    QCoreApplication::processEvents();

    const bool indirizzo = percorso.left(4) == QStringLiteral("http") ||
                           percorso.left(6) == QStringLiteral("mailto");
    if (!indirizzo && !QFileInfo::exists(percorso)) {
        Beep();
        MsgBox(QStringLiteral("Il file specificato:\n") + percorso +
               QStringLiteral("\nNon esiste nell'Archivio Server."));
        return;
    }

    int codice = CodiceNonAvviato;
    if (!eseguiApritore(percorso, codice)) {
        // No opener could be started: the desktop's own services may still open it.
        const QUrl url = indirizzo ? QUrl(percorso) : QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath());
        const bool aperto = riserva() ? riserva()(url) : QDesktopServices::openUrl(url);
        if (!aperto)
            MsgBox(QStringLiteral("Impossibile aprire il file:\n") + percorso +
                   QStringLiteral("\n\nNessun programma del sistema è in grado di aprirlo "
                                  "(il programma xdg-open non è disponibile)."));
        return;
    }
    if (codice <= 32)
        MsgBox(messaggioCodice(codice, percorso));
}

}  // namespace ModuloTrevon
