#pragma once
#include <QStyledItemDelegate>

// Display of one column of the materials grid: the material number centred, texts as they
// are, the mechanical values right-aligned with thousands grouping and two decimals in the
// Italian style ("##,#0.00": 11600 -> "11.600,00").
class DelegatoColonnaLegno : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Formato { Numero, Testo, Decimale };

    explicit DelegatoColonnaLegno(Formato formato, QObject* parent = nullptr);

    Formato FormatoColonna() const { return formato_; }
    Qt::Alignment Allineamento() const;

    QString displayText(const QVariant& valore, const QLocale& locale) const override;

    // "##,#0.00" with the Italian separators; empty for a null or non-numeric value.
    static QString TestoDecimale(const QVariant& valore);

protected:
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override;

private:
    Formato formato_;
};
