#include "calcolo/Numeri.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace Numeri {

std::optional<double> Leggi(const QString& testo)
{
    static const QRegularExpression forma(
        QStringLiteral(R"(^\s*([+-]?)(\d*)(?:[.,](\d*))?\s*$)"));
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch())
        return std::nullopt;
    const QString intera = m.captured(2);
    const QString decimali = m.captured(3);
    if (intera.isEmpty() && decimali.isEmpty())
        return std::nullopt;
    // Rebuilt in the C locale so the user's locale cannot reinterpret the separator.
    const QString c = m.captured(1) + (intera.isEmpty() ? QStringLiteral("0") : intera) +
                      QLatin1Char('.') + (decimali.isEmpty() ? QStringLiteral("0") : decimali);
    bool ok = false;
    const double valore = c.toDouble(&ok);
    if (!ok || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

std::optional<float> LeggiFloat(const QString& testo)
{
    const std::optional<double> valore = Leggi(testo);
    if (!valore)
        return std::nullopt;
    const float f = static_cast<float>(*valore);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

bool EUnNumero(const QString& testo) { return LeggiFloat(testo).has_value(); }

QString Testo(float valore)
{
    QString s = QString::number(static_cast<double>(valore), 'g', 7);
    if (s.contains(QLatin1Char('e'))) {
        // Fixed notation with the same seven significant digits.
        const int esponente = static_cast<int>(std::floor(std::log10(std::fabs(valore))));
        const int decimali = std::max(0, 6 - esponente);
        s = QString::number(static_cast<double>(valore), 'f', decimali);
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        }
    }
    if (s == QStringLiteral("-0"))
        s = QStringLiteral("0");
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString TestoEsatto(double valore)
{
    if (!std::isfinite(valore))
        return QString();
    char testo[400];
    const auto fine = std::to_chars(testo, testo + sizeof testo, valore, std::chars_format::fixed).ptr;
    QString s = QString::fromLatin1(testo, static_cast<qsizetype>(fine - testo));
    if (s == QStringLiteral("-0"))
        s = QStringLiteral("0");
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString TestoDueDecimali(double valore)
{
    QString s = QString::number(valore, 'f', 2);
    if (s == QStringLiteral("-0.00"))
        s = QStringLiteral("0.00");
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

int NumeroIniziale(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral(R"(^\s*([+-]?\d+(?:[.,]\d*)?))"));
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch())
        return 0;
    const std::optional<double> valore = Leggi(m.captured(1));
    if (!valore || std::fabs(*valore) > 2147483647.0)
        return 0;
    return static_cast<int>(std::nearbyint(*valore));  // default rounding mode: half to even
}

}  // namespace Numeri
