#pragma once
#include "materials/ColonnaValori.h"

#include <QSqlDatabase>
#include <QStringList>

#include <vector>

// Reads every row of a query straight from the SQLite connection under a Qt SQL database into
// columns, each value as the Qt SQLite driver hands it (whole numbers as qlonglong, decimals as
// double, texts as QString, blobs as QByteArray, a null as a null QString), without a QVariant
// a value on the way.
namespace LetturaSqlite {

enum class Esito { Letto, Fallito, NonSqlite };

// NonSqlite: the connection is not an open SQLite one (nothing read; the caller reads as
// usual). Fallito: errore and numero describe the failure, campi and colonne are empty.
Esito Leggi(const QSqlDatabase& db, const QString& sql, QStringList& campi, std::vector<ColonnaValori>& colonne,
            QString& errore, int& numero);

}  // namespace LetturaSqlite
