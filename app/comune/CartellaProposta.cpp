#include "comune/CartellaProposta.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CartellaProposta(const QString& ultima)
{
    if (!ultima.isEmpty() && QFileInfo(ultima).isDir())
        return ultima;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.isEmpty() && QFileInfo(documenti).isDir())
        return documenti;
    return QDir::homePath();
}
