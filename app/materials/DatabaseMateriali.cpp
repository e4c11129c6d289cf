// Minimal stand-in of the materials database module: record sets on "cnMateriali".
#include "materials/DatabaseMateriali.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <vector>

namespace DatabaseMateriali {

QString PercorsoDatabase;
QString PercorsoModello;

void ApriRecordset(std::shared_ptr<RecordsetMateriali>& rs, const QString& sql, QString& errText)
{
    errText.clear();
    const QString connessione = QStringLiteral("cnMateriali");
    QSqlError errore;
    std::vector<QSqlRecord> righe;
    if (!QSqlDatabase::contains(connessione)) {
        errore = QSqlError(QStringLiteral("Connessione al database non aperta"), QString(),
                           QSqlError::ConnectionError, QStringLiteral("-1"));
    } else {
        QSqlQuery query(QSqlDatabase::database(connessione));
        if (query.exec(sql)) {
            while (query.next())
                righe.push_back(query.record());
        } else {
            errore = query.lastError();
        }
    }
    if (errore.isValid()) {
        const int numero = errore.nativeErrorCode().toInt();
        errText = QStringLiteral("Errore N.") +
                  (numero >= 0 ? QStringLiteral(" ") : QString()) + QString::number(numero) +
                  QStringLiteral(" nella lettura del Database.\n\n") + errore.text();
        return;
    }
    rs = std::make_shared<RecordsetMateriali>(std::move(righe));
}

}  // namespace DatabaseMateriali
