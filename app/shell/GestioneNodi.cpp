#include "shell/GestioneNodi.h"

#include "editor/frmNodi.h"
#include "shell/GestioneCalcolo.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QLabel>
#include <QMdiArea>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPointer>

namespace ModuloTrevon {

namespace {

QPointer<frmMain>& principale()
{
    static QPointer<frmMain> p;
    return p;
}

QPointer<frmNodi>& editor()
{
    static QPointer<frmNodi> e;
    return e;
}

// The library's own messages: the zero decisive angle, an unregistered bar number.
void AvvisoLibreria(const std::string& testo, bool beep)
{
    if (beep)
        Beep();
    MsgBox(QString::fromStdString(testo), Pulsanti::OK, Icona::Nessuna, QStringLiteral("QOR_TRVSL10"));
}

}  // namespace

void ImpostaFinestraPrincipale(frmMain* finestra) { principale() = finestra; }

frmMain* FinestraPrincipale() { return principale(); }

frmNodi* EditorAperto() { return editor(); }

frmNodi* EditorNodi()
{
    if (editor())
        return editor();
    auto* nuovo = new frmNodi;
    editor() = nuovo;
    if (frmMain* m = principale()) {
        QMdiSubWindow* cornice = m->AreaFinestre()->addSubWindow(nuovo);
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        cornice->move(0, 0);
        QObject::connect(nuovo, &frmNodi::chiuso, m, [m] {
            if (frmTipoVer* inizio = m->TipoVer())
                inizio->show();
        });
    }
    QObject::connect(nuovo, &frmNodi::salvaCalcoloRichiesto, nuovo, [] { SalvaCalcolo(); });
    QObject::connect(nuovo, &frmNodi::apriCalcoloRichiesto, nuovo, [] { ApriCalcolo(); });
    // The recent files, read when the list opens (one deleted since is no longer offered).
    QMenu* recenti = nuovo->menuRecenti;
    QObject::connect(recenti, &QMenu::aboutToShow, recenti, [recenti] {
        recenti->clear();
        const QStringList file = CalcoliRecenti();
        for (int i = 0; i < file.size(); ++i) {
            const QString percorso = file.at(i);
            QAction* voce = recenti->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(QFileInfo(percorso).fileName()));
            voce->setToolTip(QDir::toNativeSeparators(percorso));
            voce->setData(percorso);
            QObject::connect(voce, &QAction::triggered, recenti, [percorso] { ApriCalcoloRecente(percorso); });
        }
        if (file.isEmpty())
            recenti->addAction(QStringLiteral("Nessun Calcolo recente"))->setEnabled(false);
    });
    nuovo->ControlloChiusura = [] { return ConsentiChiusuraCalcolo(); };
    return nuovo;
}

std::shared_ptr<clsGenVerNodi> NuovoRegistro()
{
    CalcoloInCorso::Istanza().ImpostaGestoreAvvisi(AvvisoLibreria);
    return CalcoloInCorso::Istanza().NuovoRegistro();
}

void AvviaGestioneNodi()
{
    GenVerNodi = NuovoRegistro();
    NuovoCalcoloSenzaFile();
    MostraEditorNodi();
}

void RilasciaGestioneNodi() { CalcoloInCorso::Istanza().Rilascia(); }

void NuovoNodo()
{
    EditorNodi();   // its total follows the calculation's joints
    CalcoloInCorso::Istanza().NuovoNodo();
}

void MostraNodo(std::int16_t n)
{
    frmNodi* f = EditorNodi();
    f->MostraNodo(n);
}

void MostraEditorNodi()
{
    NuovoNodo();
    MostraNodo(static_cast<std::int16_t>(GenVerNodi->Nodi->Count()));
    frmNodi* f = EditorNodi();
    f->show();
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(f->parentWidget())) {
        cornice->show();
        cornice->raise();
        f->setFocus();
    }
    f->activateWindow();
}

}  // namespace ModuloTrevon
