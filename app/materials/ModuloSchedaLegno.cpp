#include "materials/ModuloSchedaLegno.h"

#include "materials/RecordsetMateriali.h"
#include "materials/SchedaLegno.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace ModuloSchedaLegno {

std::int16_t NumSchede = 0;
QPointer<SchedaLegno> frmScheda;

namespace {

QString classe(const std::shared_ptr<RecordsetMateriali>& rs)
{
    return rs->Campo(QStringLiteral("Classe")).toString().trimmed();
}

void mostraDavanti(SchedaLegno* scheda)
{
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(scheda->parentWidget())) {
        cornice->adjustSize();
        cornice->show();
        cornice->raise();
        if (QMdiArea* area = cornice->mdiArea())
            area->setActiveSubWindow(cornice);
    } else {
        scheda->show();
        scheda->raise();
        scheda->activateWindow();
    }
}

// The sheet of an existing record: shows it and pins the sheet to its Numero.
SchedaLegno* schedaDelRecord(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area,
                             const QString& titolo)
{
    if (!HaRecordCorrente(rsLista))
        return nullptr;
    SchedaLegno* scheda = CreaSchedaLegno(area);
    scheda->setWindowTitle(titolo + classe(rsLista));
    scheda->rs_OneMat = rsLista;
    scheda->MostraDati_Mat();
    return scheda;
}

}  // namespace

bool HaRecordCorrente(const std::shared_ptr<RecordsetMateriali>& rs)
{
    return rs && !rs->BOF() && !rs->Fine();
}

SchedaLegno* CreaSchedaLegno(QMdiArea* area)
{
    auto* scheda = new SchedaLegno;
    if (area) {
        QMdiSubWindow* cornice = area->addSubWindow(scheda);
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        cornice->setWindowIcon(scheda->windowIcon());
    }
    frmScheda = scheda;
    NumSchede = static_cast<std::int16_t>(NumSchede + 1);
    if (NumSchede < 1)
        NumSchede = 1;
    return scheda;
}

SchedaLegno* NuovaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area)
{
    SchedaLegno* scheda = CreaSchedaLegno(area);
    scheda->setWindowTitle(QStringLiteral("Nuovo Materiale (LEGNO): Scheda N.") + QLatin1Char(' ') +
                           QString::number(NumSchede));
    if (rsLista && rsLista->RecordCount() > 0) {
        rsLista->MoveLast();
        bool ok = false;
        const qlonglong ultimo = rsLista->Campo(QStringLiteral("Numero")).toLongLong(&ok);
        if (ok)
            scheda->Text2->setText(QString::number(ultimo + 1));
    }
    scheda->modif = 0;
    mostraDavanti(scheda);
    return scheda;
}

SchedaLegno* VisualizzaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area)
{
    SchedaLegno* scheda =
        schedaDelRecord(rsLista, area, QStringLiteral("Visualizza Scheda Materiale (LEGNO): "));
    if (!scheda)
        return nullptr;
    scheda->disattiva_controlli();
    scheda->Command1->hide();
    scheda->modif = 0;
    mostraDavanti(scheda);
    return scheda;
}

SchedaLegno* ModificaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area)
{
    SchedaLegno* scheda =
        schedaDelRecord(rsLista, area, QStringLiteral("Modifica Scheda Materiale (LEGNO): "));
    if (!scheda)
        return nullptr;
    scheda->Command1->setText(QStringLiteral("Registra Modifica"));
    scheda->modif = 0;
    mostraDavanti(scheda);
    return scheda;
}

SchedaLegno* EliminaSchedaLegno(const std::shared_ptr<RecordsetMateriali>& rsLista, QMdiArea* area)
{
    SchedaLegno* scheda =
        schedaDelRecord(rsLista, area, QStringLiteral("Elimina Scheda Materiale (LEGNO): "));
    if (!scheda)
        return nullptr;
    scheda->Command1->setText(QStringLiteral("Conferma Elimina"));
    scheda->Command2->setText(QStringLiteral("Annulla"));
    scheda->disattiva_controlli();
    scheda->modif = 0;
    mostraDavanti(scheda);
    return scheda;
}

}  // namespace ModuloSchedaLegno
