#include "report/FormatiRelazione.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace FormatiRelazione {

QString Fixed2(float valore)
{
    const double v = valore;
    if (!std::isfinite(v))
        return QString::number(v);
    // A float has 24 significant bits, so v · 100 is exact in a double and std::round
    // rounds the exact binary value, halves away from zero.
    const double centesimi = std::round(v * 100.0);
    QString testo;
    if (std::fabs(centesimi) < 1e17) {
        const std::int64_t n = static_cast<std::int64_t>(centesimi);
        const std::uint64_t assoluto = static_cast<std::uint64_t>(n < 0 ? -n : n);
        testo = QString::number(assoluto / 100) + QLatin1Char(',') +
                QStringLiteral("%1").arg(assoluto % 100, 2, 10, QLatin1Char('0'));
        if (n < 0)
            testo.prepend(QLatin1Char('-'));   // a value that rounds to zero is shown unsigned
    } else {
        // Floats this large are whole numbers: the digits are exact and the decimals zero.
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2f", v);
        testo = QString::fromLatin1(buffer).replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return testo;
}

QString Percento(double valore)
{
    if (!std::isfinite(valore))
        return QStringLiteral("n.d.");
    const double decimi = std::round(valore * 10.0);
    if (!(std::fabs(decimi) < 1e15))
        return QStringLiteral("n.d.");
    const std::int64_t n = static_cast<std::int64_t>(decimi);
    const std::uint64_t assoluto = static_cast<std::uint64_t>(n < 0 ? -n : n);
    QString testo = QString::number(assoluto / 10) + QLatin1Char(',') + QString::number(assoluto % 10) +
                    QStringLiteral(" %");
    if (n < 0)
        testo.prepend(QLatin1Char('-'));
    return testo;
}

QString Right5(float valore) { return Fixed2(valore).rightJustified(5, QLatin1Char(' ')); }
QString Right6(float valore) { return Fixed2(valore).rightJustified(6, QLatin1Char(' ')); }
QString Right2(int valore) { return QString::number(valore).rightJustified(2, QLatin1Char(' ')); }

}
