#pragma once
#include <QMainWindow>

class QMdiArea;

// The multi-document frame that holds every other window of the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    QMdiArea* AreaFinestre() const { return area_; }

private:
    QMdiArea* area_;
};
