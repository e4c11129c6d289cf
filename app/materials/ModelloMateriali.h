#pragma once
#include <QAbstractTableModel>
#include <memory>

class RecordsetMateriali;

// Read-only table model over a RecordsetMateriali: one row per record of its view (the filter
// applies), one column per field in table order, headed by the field name. It follows the
// record set's changes; the grid's formats belong to the window that shows it.
class ModelloMateriali : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloMateriali(QObject* parent = nullptr);

    void ImpostaRecordset(std::shared_ptr<RecordsetMateriali> rs);
    std::shared_ptr<RecordsetMateriali> Recordset() const { return rs_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento,
                        int ruolo = Qt::DisplayRole) const override;

private:
    std::shared_ptr<RecordsetMateriali> rs_;
};
