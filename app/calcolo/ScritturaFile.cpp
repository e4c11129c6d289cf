#include "calcolo/ScritturaFile.h"

#include <QSaveFile>

#include <cerrno>
#include <csignal>

namespace {

QString Motivo(int errore, const QString& testo)
{
    QString frase;
    switch (errore) {
    case ENOSPC: frase = QStringLiteral("Spazio esaurito sul disco."); break;
    case EFBIG: frase = QStringLiteral("Superato il limite di dimensione dei file."); break;
    case EDQUOT: frase = QStringLiteral("Superata la quota di spazio disco dell'utente."); break;
    case EACCES:
    case EPERM: frase = QStringLiteral("Permesso negato: la cartella o il file non sono scrivibili."); break;
    case EROFS: frase = QStringLiteral("Il disco è in sola lettura."); break;
    case ENOENT:
    case ENOTDIR: frase = QStringLiteral("La cartella non esiste."); break;
    case EISDIR: frase = QStringLiteral("Il percorso indica una cartella."); break;
    case EIO: frase = QStringLiteral("Errore di lettura o scrittura del disco."); break;
    default: frase = QStringLiteral("Scrittura non riuscita."); break;
    }
    return testo.isEmpty() ? frase : frase + QStringLiteral(" (") + testo + QLatin1Char(')');
}

}  // namespace

bool ScriviFileCompleto(const QString& percorso, const QByteArray& dati, QString& motivo)
{
    QSaveFile file(percorso);
    errno = 0;
    bool riuscito = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    int errore = errno;
    if (riuscito) {
        errno = 0;
        riuscito = file.write(dati) == dati.size();
        errore = errno;
    }
    if (riuscito) {
        errno = 0;
        riuscito = file.flush() && file.size() == dati.size();
        errore = errno;
    }
    if (!riuscito) {
        // The reason of the step that failed, before cancelling replaces it.
        motivo = Motivo(errore, file.errorString());
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        motivo = Motivo(errno, file.errorString());
        return false;
    }
    return true;
}

void PreparaProcesso() { std::signal(SIGXFSZ, SIG_IGN); }
