#include "materials/DelegatoColonnaLegno.h"

#include <QLocale>

#include <cmath>

DelegatoColonnaLegno::DelegatoColonnaLegno(Formato formato, QObject* parent)
    : QStyledItemDelegate(parent), formato_(formato)
{
}

Qt::Alignment DelegatoColonnaLegno::Allineamento() const
{
    switch (formato_) {
    case Formato::Numero: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Formato::Decimale: return Qt::AlignRight | Qt::AlignVCenter;
    case Formato::Testo: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString DelegatoColonnaLegno::TestoDecimale(const QVariant& valore)
{
    if (valore.isNull() || !valore.isValid())
        return {};
    bool ok = false;
    const double numero = valore.toDouble(&ok);
    if (!ok || !std::isfinite(numero))
        return {};
    // Negative zero would print as "-0,00".
    static const QLocale italiano(QLocale::Italian, QLocale::Italy);   // looked up once, not per cell
    return italiano.toString(numero == 0 ? 0.0 : numero, 'f', 2);
}

QString DelegatoColonnaLegno::displayText(const QVariant& valore, const QLocale& locale) const
{
    switch (formato_) {
    case Formato::Decimale:
        return TestoDecimale(valore);
    case Formato::Numero:
        if (!valore.isNull() && valore.isValid()) {
            bool ok = false;
            const qlonglong n = valore.toLongLong(&ok);
            if (ok)
                return QString::number(n);
        }
        break;
    case Formato::Testo:
        break;
    }
    return valore.isNull() ? QString() : QStyledItemDelegate::displayText(valore, locale);
}

void DelegatoColonnaLegno::initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const
{
    QStyledItemDelegate::initStyleOption(opzione, indice);
    opzione->displayAlignment = Allineamento();
}
