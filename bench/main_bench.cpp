// The benchmark program: a QApplication on the offscreen platform, temporary folders for the
// archive and the settings, then every registered benchmark.
#include "AmbienteBench.h"
#include "AvvioFiglio.h"

#include <QApplication>
#include <QByteArray>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

// The offscreen platform's notice about size hints would bury the figures.
void messaggioQt(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (testo.contains(QStringLiteral("propagateSizeHints")) || testo.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contesto, testo)));
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(messaggioQt);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], ArgomentoAvvio) == 0)
        return AvvioFiglio(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], ArgomentoMemoria) == 0)
        return MemoriaFiglio(argc, argv);

    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    AmbienteBench::Prepara();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
