#pragma once
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <vector>

// Snapshot record set over table Legno, sorted by Numero (minimal stand-in).
class RecordsetMateriali {
public:
    explicit RecordsetMateriali(std::vector<QSqlRecord> righe = {});

    int RecordCount() const;       // exact count
    bool BOF() const;              // before first
    bool Fine() const;             // after last
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    QVariant Campo(const QString& nome) const;   // current record's field; null QVariant possible

private:
    std::vector<QSqlRecord> righe_;
    int posizione_ = 0;            // -1 = BOF, size() = EOF
};
