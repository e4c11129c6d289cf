#include "materials/ModelloMateriali.h"

#include "calcolo/ProprietaMateriali.h"

#include "materials/RecordsetMateriali.h"

ModelloMateriali::ModelloMateriali(QObject* parent) : QAbstractTableModel(parent) {}

void ModelloMateriali::ImpostaRecordset(std::shared_ptr<RecordsetMateriali> rs)
{
    beginResetModel();
    if (rs_)
        rs_->disconnect(this);
    rs_ = std::move(rs);
    if (rs_) {
        connect(rs_.get(), &RecordsetMateriali::primaDelCambio, this, &ModelloMateriali::beginResetModel);
        connect(rs_.get(), &RecordsetMateriali::dopoIlCambio, this, &ModelloMateriali::endResetModel);
    }
    endResetModel();
}

int ModelloMateriali::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rs_ ? 0 : rs_->RecordCount();
}

int ModelloMateriali::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rs_ ? 0 : static_cast<int>(rs_->NomiCampi().size());
}

QVariant ModelloMateriali::data(const QModelIndex& indice, int ruolo) const
{
    if (!rs_ || !indice.isValid() || (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole))
        return {};
    return rs_->Valore(indice.row(), indice.column());
}

QVariant ModelloMateriali::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    // Each value column names its quantity and unit: the density is not in N/mm².
    if (ruolo == Qt::ToolTipRole && rs_ && orientamento == Qt::Horizontal) {
        const QStringList campi = rs_->NomiCampi();
        if (sezione >= 0 && sezione < campi.size())
            if (const ProprietaMateriale* p = ProprietaMateriale::perColonna(campi.at(sezione)))
                return p->didascalia + QStringLiteral(" [") +
                       (p->colonna == QStringLiteral("rok") ? QStringLiteral("kg/m\u00b3") : p->unita) +
                       QLatin1Char(']');
        return QVariant();
    }
    if (ruolo != Qt::DisplayRole || !rs_)
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    if (orientamento == Qt::Horizontal) {
        const QStringList campi = rs_->NomiCampi();
        return sezione >= 0 && sezione < campi.size() ? QVariant(campi.at(sezione)) : QVariant();
    }
    return sezione + 1;
}
