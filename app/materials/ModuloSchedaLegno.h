#pragma once
#include <QPointer>
#include <cstdint>
#include <memory>

class QMdiArea;
class RecordsetMateriali;
class SchedaLegno;

// Opening of the material record sheets from the list window, and the count of open sheets.
// Each procedure shows the sheet in front (in area when given) and returns it; viewing,
// changing and deleting without a current record in rsLista open nothing and return null.
namespace ModuloSchedaLegno {
extern std::int16_t NumSchede;          // open sheets; never below 0
extern QPointer<SchedaLegno> frmScheda;  // the most recently created sheet

SchedaLegno* CreaSchedaLegno(QMdiArea* area = nullptr);
SchedaLegno* NuovaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area = nullptr);
SchedaLegno* VisualizzaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area = nullptr);
SchedaLegno* ModificaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area = nullptr);
SchedaLegno* EliminaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area = nullptr);

// True when rs has a current record to show.
bool HaRecordCorrente(const std::shared_ptr<RecordsetMateriali>& rs);
}
