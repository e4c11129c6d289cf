#include "materials/RecordsetMateriali.h"

#include <algorithm>

RecordsetMateriali::RecordsetMateriali(std::vector<QSqlRecord> righe) : righe_(std::move(righe))
{
    std::stable_sort(righe_.begin(), righe_.end(), [](const QSqlRecord& a, const QSqlRecord& b) {
        return a.value(QStringLiteral("Numero")).toLongLong() <
               b.value(QStringLiteral("Numero")).toLongLong();
    });
}

int RecordsetMateriali::RecordCount() const { return static_cast<int>(righe_.size()); }
bool RecordsetMateriali::BOF() const { return righe_.empty() || posizione_ < 0; }
bool RecordsetMateriali::Fine() const { return righe_.empty() || posizione_ >= RecordCount(); }
void RecordsetMateriali::MoveFirst() { posizione_ = 0; }
void RecordsetMateriali::MoveLast() { posizione_ = RecordCount() - 1; }
void RecordsetMateriali::MoveNext() { if (posizione_ < RecordCount()) ++posizione_; }
void RecordsetMateriali::MovePrevious() { if (posizione_ >= 0) --posizione_; }

QVariant RecordsetMateriali::Campo(const QString& nome) const
{
    if (BOF() || Fine())
        return {};
    return righe_[static_cast<std::size_t>(posizione_)].value(nome);
}
