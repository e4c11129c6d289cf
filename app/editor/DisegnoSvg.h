#pragma once
#include <QSvgRenderer>
#include <QWidget>

// An SVG drawing scaled to the widget with its proportions kept, centred.
class DisegnoSvg : public QWidget {
    Q_OBJECT

public:
    explicit DisegnoSvg(const QString& file, QWidget* parent = nullptr);

    QSvgRenderer* renderer() { return &renderer_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer renderer_;
};
