#include "materials/LetturaSqlite.h"

#include <QByteArray>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <cstring>

namespace LetturaSqlite {

namespace {

sqlite3* connessioneDi(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.isOpen() || db.driverName() != QStringLiteral("QSQLITE") || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool ascii(const unsigned char* testo, int lunghezza)
{
    for (int i = 0; i < lunghezza; ++i)
        if (testo[i] >= 0x80)
            return false;
    return true;
}

}  // namespace

Esito Leggi(const QSqlDatabase& db, const QString& sql, QStringList& campi, std::vector<ColonnaValori>& colonne,
            QString& errore, int& numero)
{
    sqlite3* connessione = connessioneDi(db);
    if (!connessione)
        return Esito::NonSqlite;
    auto fallito = [&](sqlite3_stmt* istruzione) {
        errore = QString::fromUtf8(sqlite3_errmsg(connessione));
        numero = sqlite3_extended_errcode(connessione);
        sqlite3_finalize(istruzione);
        campi.clear();
        colonne.clear();
        return Esito::Fallito;
    };
    sqlite3_stmt* istruzione = nullptr;
    const QByteArray testoSql = sql.toUtf8();
    const char* resto = nullptr;
    if (sqlite3_prepare_v2(connessione, testoSql.constData(), static_cast<int>(testoSql.size()), &istruzione,
                           &resto) != SQLITE_OK)
        return fallito(istruzione);
    // More than one statement, or none: the driver's own answer.
    if (!istruzione || !QByteArray(resto).trimmed().isEmpty()) {
        sqlite3_finalize(istruzione);
        return Esito::NonSqlite;
    }
    const int quante = sqlite3_column_count(istruzione);
    campi.clear();
    for (int i = 0; i < quante; ++i)   // named as the driver names them
        campi << QString::fromUtf8(sqlite3_column_name(istruzione, i)).remove(u'"');
    colonne.assign(static_cast<std::size_t>(quante), ColonnaValori());
    const QVariant nullo(QMetaType::fromType<QString>());
    int passo = SQLITE_ROW;
    while ((passo = sqlite3_step(istruzione)) == SQLITE_ROW) {
        for (int i = 0; i < quante; ++i) {
            ColonnaValori& colonna = colonne[static_cast<std::size_t>(i)];
            switch (sqlite3_column_type(istruzione, i)) {
            case SQLITE_INTEGER:
                colonna.AggiungiIntero(sqlite3_column_int64(istruzione, i));
                break;
            case SQLITE_FLOAT:
                colonna.AggiungiDecimale(sqlite3_column_double(istruzione, i));
                break;
            case SQLITE_NULL:
                colonna.Aggiungi(nullo);
                break;
            case SQLITE_BLOB:
                colonna.Aggiungi(QByteArray(static_cast<const char*>(sqlite3_column_blob(istruzione, i)),
                                            sqlite3_column_bytes(istruzione, i)));
                break;
            default: {
                const unsigned char* testo = sqlite3_column_text(istruzione, i);
                const int lunghezza = sqlite3_column_bytes(istruzione, i);
                // Plain ASCII is the same in UTF-8; anything else is decoded by SQLite itself,
                // as the driver has it decoded.
                if (testo && ascii(testo, lunghezza)) {
                    colonna.AggiungiAscii(reinterpret_cast<const char*>(testo), static_cast<std::size_t>(lunghezza));
                } else {
                    const void* utf16 = sqlite3_column_text16(istruzione, i);
                    colonna.Aggiungi(QString(static_cast<const QChar*>(utf16),
                                             sqlite3_column_bytes16(istruzione, i) / static_cast<int>(sizeof(QChar))));
                }
                break;
            }
            }
        }
    }
    if (passo != SQLITE_DONE)
        return fallito(istruzione);
    sqlite3_finalize(istruzione);
    return Esito::Letto;
}

}  // namespace LetturaSqlite
