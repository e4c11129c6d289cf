#include "calcolo/LineaComando.h"
#include "calcolo/ScritturaFile.h"
#include "report/ImpaginatoreRelazione.h"
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    PreparaProcesso();
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    if (LineaComando::Richiesta(argomenti)) {
        // No window and no display: the report is laid out off screen. Qt's own notices (a
        // missing runtime folder, say) would mix with the refusals on standard error.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(testo));
        });
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
        QApplication::setOrganizationName(QStringLiteral("QOR"));
        QTextStream out(stdout);
        QTextStream err(stderr);
        return LineaComando::Esegui(argomenti, out, err, Relazione::EsportaRelazioneCompleta);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    ModuloTrevon::CaricaTraduzioneQt();
    if (const int esito = ModuloTrevon::Main())
        return esito;
    return QApplication::exec();
}
