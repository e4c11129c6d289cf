#pragma once

#include "TastiProva.h"
// The materials windows on a temporary archive, inside a main window, with a temporary
// settings store.
#include "materials/ArchivioProva.h"

#include "materials/FrmListaLegno.h"
#include "materials/ModuloSchedaLegno.h"
#include "materials/SchedaLegno.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

#include <memory>

// Lets queued calls and deferred deletes run.
inline void Elabora()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class FinestreMateriali : public ArchivioProva {
protected:
    void SetUp() override
    {
        ArchivioProva::SetUp();
        apriArchivioCompleto();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           cartella.filePath(QStringLiteral("impostazioni")));
        principale = std::make_unique<frmMain>();
        principale->show();
        finestreIniziali = principale->AreaFinestre()->subWindowList().size();  // the start window
        Elabora();
    }
    void TearDown() override
    {
        {
            // Whatever the test left open goes without prompts.
            AvvisiProva silenzio;
            for (int i = 0; i < 4; ++i)
                silenzio.Rispondi(ModuloTrevon::Risposta::No);
            principale->AreaFinestre()->closeAllSubWindows();
            Elabora();
        }
        principale.reset();
        Elabora();
        ArchivioProva::TearDown();
    }

    FrmListaLegno* apriLista()
    {
        FrmListaLegno* f = FrmListaLegno::Apri(principale.get());
        Elabora();
        return f;
    }

    QMdiArea* area() const { return principale->AreaFinestre(); }
    // Child windows opened by the test, beside those the main window opens itself.
    qsizetype finestreAperte() const { return area()->subWindowList().size() - finestreIniziali; }

    static int numeroCorrente(const std::shared_ptr<RecordsetMateriali>& rs)
    {
        return rs ? rs->Campo(QStringLiteral("Numero")).toInt() : -1;
    }

    static void selezionaNumero(FrmListaLegno* f, int numero)
    {
        ASSERT_TRUE(f->rsLista);
        ASSERT_TRUE(f->rsLista->SetBookmark(numero)) << numero;
    }

    // Numeri of the grid's rows, top to bottom.
    static QList<int> righeGriglia(FrmListaLegno* f)
    {
        QList<int> n;
        QAbstractItemModel* m = f->DataGrid1->model();
        for (int r = 0; r < m->rowCount(); ++r)
            n << m->data(m->index(r, 0)).toInt();
        return n;
    }

    QSettings impostazioni() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QCoreApplication::organizationName(), QStringLiteral("Trevon-SL"));
    }

    std::unique_ptr<frmMain> principale;
    qsizetype finestreIniziali = 0;
};
