#pragma once
#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class frmTipoVer;

// The multi-document frame that holds every other window of the program. It opens with the
// start window at the bottom centre of its client area; closing it ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;
    QMdiArea* AreaFinestre() const { return area_; }
    frmTipoVer* TipoVer() const { return tipoVer_; }

    // Bottom centre of the client area: left = (width − window width) / 2,
    // top = height − window height.
    void PosizionaTipoVer();

    // "Chiudi": releases the calculation, then ends the program.
    void ChiudiProgramma();
    void AggiornaTitolo();   // file name and unsaved mark of the calculation

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QMdiArea* area_;
    frmTipoVer* tipoVer_ = nullptr;
    QMdiSubWindow* corniceTipoVer_ = nullptr;
    bool inChiusura_ = false;
};
