// The dotted leader between a caption and its box or symbol on a form.
#pragma once

#include <QPalette>
#include <QWidget>

class PuntiGuida : public QWidget {
public:
    explicit PuntiGuida(QWidget* parent, QPalette::ColorRole colore = QPalette::WindowText);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPalette::ColorRole colore_;
};
