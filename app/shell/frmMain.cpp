#include "shell/frmMain.h"

#include "editor/frmNodi.h"
#include "calcolo/CalcoloInCorso.h"
#include "shell/GestioneCalcolo.h"
#include "shell/GestioneNodi.h"
#include "shell/frmTipoVer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente in Legno"));
    area_->setObjectName(QStringLiteral("AreaFinestre"));
    area_->setBackground(QColor(0x3A, 0x4A, 0x5E));
    setCentralWidget(area_);
    resize(1200, 860);
    ModuloTrevon::ImpostaFinestraPrincipale(this);

    // The start window has no close box of its own: "Chiudi" is the way out.
    tipoVer_ = new frmTipoVer;
    corniceTipoVer_ = area_->addSubWindow(
        tipoVer_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    corniceTipoVer_->installEventFilter(this);
    corniceTipoVer_->show();
    area_->viewport()->installEventFilter(this);
    connect(tipoVer_, &frmTipoVer::avviaRichiesto, this, [] { ModuloTrevon::AvviaGestioneNodi(); });
    connect(tipoVer_, &frmTipoVer::chiudiRichiesto, this, &frmMain::ChiudiProgramma);
    connect(tipoVer_, &frmTipoVer::apriRichiesto, this, [this] {
        if (ModuloTrevon::ApriCalcolo())
            tipoVer_->hide();
    });
    connect(tipoVer_, &frmTipoVer::salvaRichiesto, this, [] { ModuloTrevon::SalvaCalcolo(); });

    // The title names the calculation's file and marks unsaved changes with "*".
    CalcoloInCorso& calcolo = CalcoloInCorso::Istanza();
    for (auto segnale : {&CalcoloInCorso::registroCambiato, &CalcoloInCorso::coefficientiCambiati,
                         &CalcoloInCorso::modificato})
        connect(&calcolo, segnale, this, &frmMain::AggiornaTitolo);
    connect(&calcolo, &CalcoloInCorso::nodiCambiati, this, &frmMain::AggiornaTitolo);
    connect(&calcolo, &CalcoloInCorso::fileCambiato, this, &frmMain::AggiornaTitolo);
    AggiornaTitolo();
}

void frmMain::AggiornaTitolo()
{
    setWindowTitle(ModuloTrevon::TitoloCalcolo());
    setWindowModified(ModuloTrevon::CalcoloDaSalvare());
}

frmMain::~frmMain()
{
    if (ModuloTrevon::FinestraPrincipale() == this)
        ModuloTrevon::ImpostaFinestraPrincipale(nullptr);
}

void frmMain::PosizionaTipoVer()
{
    if (!corniceTipoVer_)
        return;
    const QSize cliente = area_->viewport()->size();
    const QSize finestra = corniceTipoVer_->size();
    corniceTipoVer_->move((cliente.width() - finestra.width()) / 2, cliente.height() - finestra.height());
}

void frmMain::ChiudiProgramma()
{
    if (!ModuloTrevon::ConsentiChiusuraCalcolo())
        return;
    ModuloTrevon::RilasciaGestioneNodi();
    close();
}

void frmMain::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    PosizionaTipoVer();
}

void frmMain::closeEvent(QCloseEvent* evento)
{
    frmNodi* editor = ModuloTrevon::EditorAperto();
    if ((editor && !editor->ConsentiChiusuraEditor()) ||
        !ModuloTrevon::ConsentiChiusuraCalcolo()) {
        evento->ignore();
        return;
    }
    inChiusura_ = true;
    QMainWindow::closeEvent(evento);
    // All windows live inside this one: nothing more is to run.
    QCoreApplication::quit();
}

bool frmMain::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == area_->viewport() && evento->type() == QEvent::Resize) {
        PosizionaTipoVer();
    } else if (oggetto == corniceTipoVer_) {
        if (evento->type() == QEvent::Close && !inChiusura_) {
            // Any other way of closing the start window (a shortcut, the window menu) is "Chiudi".
            evento->ignore();
            QMetaObject::invokeMethod(this, &frmMain::ChiudiProgramma, Qt::QueuedConnection);
            return true;
        }
        if (evento->type() == QEvent::Show)
            PosizionaTipoVer();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}
