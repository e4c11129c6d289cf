#include "comune/PuntiGuida.h"

#include <QPainter>
#include <QPen>

PuntiGuida::PuntiGuida(QWidget* parent, QPalette::ColorRole colore) : QWidget(parent), colore_(colore)
{
    setMinimumWidth(24);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PuntiGuida::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(palette().color(colore_), 1, Qt::DotLine));
    const int y = height() / 2 + fontMetrics().ascent() / 3;
    p.drawLine(4, y, width() - 4, y);
}
