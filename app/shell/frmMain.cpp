#include "shell/frmMain.h"

#include <QApplication>
#include <QMdiArea>

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QApplication::applicationName());
    area_->setObjectName(QStringLiteral("AreaFinestre"));
    setCentralWidget(area_);
    resize(1024, 720);
}
