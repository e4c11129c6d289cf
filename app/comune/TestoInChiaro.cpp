#include "comune/TestoInChiaro.h"

#include <QTextDocument>

QString TestoInChiaro(const QString& testo)
{
    return Qt::mightBeRichText(testo) ? Qt::convertFromPlainText(testo, Qt::WhiteSpaceNormal) : testo;
}
