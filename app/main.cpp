#include "shell/ModuloTrevon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    ModuloTrevon::CaricaTraduzioneQt();
    if (const int esito = ModuloTrevon::Main())
        return esito;
    return QApplication::exec();
}
