#pragma once
#include "materials/RecordsetMateriali.h"
#include <QString>
#include <memory>

namespace DatabaseMateriali {
extern QString PercorsoDatabase;
extern QString PercorsoModello;
void InizializzaDatabaseMateriali();
void ImpostaPercorsiArchivio();
void ApriDatabaseMateriali();
void ChiudiDatabaseMateriali();
void ApriRecordset(std::shared_ptr<RecordsetMateriali>& rs, const QString& sql, QString& errText);
}
