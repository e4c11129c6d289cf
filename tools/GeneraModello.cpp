// Build step: turns the reviewable SQL text of the materials template into the SQLite file
// the program copies at first start. Usage: GeneraModello <input.sql> <output.DEF>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

namespace {

// Splits on semicolons outside quoted text and drops "--" comments.
QStringList istruzioni(const QString& testo)
{
    QStringList risultato;
    QString corrente;
    bool inStringa = false;
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (!inStringa && c == u'-' && i + 1 < testo.size() && testo.at(i + 1) == u'-') {
            while (i < testo.size() && testo.at(i) != u'\n')
                ++i;
            corrente += u'\n';
            continue;
        }
        if (c == u'\'')
            inStringa = !inStringa;
        if (c == u';' && !inStringa) {
            if (!corrente.trimmed().isEmpty())
                risultato << corrente.trimmed();
            corrente.clear();
            continue;
        }
        corrente += c;
    }
    if (!corrente.trimmed().isEmpty())
        risultato << corrente.trimmed();
    return risultato;
}

int fallisci(const QString& testo)
{
    QTextStream(stderr) << "GeneraModello: " << testo << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() != 3)
        return fallisci(QStringLiteral("usage: GeneraModello <input.sql> <output>"));

    QFile sorgente(argomenti.at(1));
    if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Text))
        return fallisci(sorgente.fileName() + QStringLiteral(": ") + sorgente.errorString());
    const QString testo = QString::fromUtf8(sorgente.readAll());

    // Written under a temporary name and renamed, so a failed run leaves no half-built template.
    const QString destinazione = argomenti.at(2);
    const QString provvisorio = destinazione + QStringLiteral(".tmp");
    QFile::remove(provvisorio);

    int esito = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("modello"));
        db.setDatabaseName(provvisorio);
        if (!db.open()) {
            esito = fallisci(db.lastError().text());
        } else {
            db.transaction();
            QSqlQuery q(db);
            for (const QString& istruzione : istruzioni(testo)) {
                if (!q.exec(istruzione)) {
                    esito = fallisci(q.lastError().text() + QStringLiteral("\n") + istruzione);
                    break;
                }
            }
            if (esito == 0 && !db.commit())
                esito = fallisci(db.lastError().text());
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("modello"));

    if (esito != 0) {
        QFile::remove(provvisorio);
        return esito;
    }
    QFile::remove(destinazione);
    if (!QFile::rename(provvisorio, destinazione))
        return fallisci(QStringLiteral("cannot write ") + destinazione);
    return 0;
}
