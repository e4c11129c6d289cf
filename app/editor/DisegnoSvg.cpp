#include "editor/DisegnoSvg.h"

#include <QPainter>

DisegnoSvg::DisegnoSvg(const QString& file, QWidget* parent) : QWidget(parent), renderer_(file)
{
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize DisegnoSvg::sizeHint() const { return renderer_.defaultSize(); }

void DisegnoSvg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&p, QRectF(rect()));
}
