// The floor of the start-up: a minimal Qt Widgets program, built with the program's flags,
// that shows one window and ends as soon as it is exposed and painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLabel finestra(QStringLiteral("Trevon-SL"));
    finestra.resize(800, 600);
    finestra.show();
    QElapsedTimer attesa;
    attesa.start();
    while (attesa.elapsed() < 10000) {
        QApplication::processEvents();
        if (finestra.windowHandle() && finestra.windowHandle()->isExposed()) {
            QApplication::processEvents();   // the paint the exposure asked for
            std::_Exit(0);
        }
    }
    std::_Exit(1);
}
