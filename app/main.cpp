#include "calcolo/LineaComando.h"
#include "calcolo/ScritturaFile.h"
#include "report/ImpaginatoreRelazione.h"
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// The windows need a display; without one Qt's platform plugin would abort with its own
// English advice. A platform chosen explicitly (offscreen, vnc, ...) is the user's business.
bool SchermoDisponibile()
{
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty() && !piattaforma.startsWith("xcb") && !piattaforma.startsWith("wayland"))
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

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
    if (!SchermoDisponibile()) {
        std::fprintf(stderr, "%s\n",
                     QStringLiteral("Trevon-SL: nessuno schermo disponibile (DISPLAY non impostata): avviare il "
                                    "programma in una sessione grafica, oppure con \"xvfb-run Trevon-SL\"; "
                                    "la verifica senza finestre è \"Trevon-SL --verifica CALCOLO.trv\".")
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    ModuloTrevon::CaricaTraduzioneQt();
    // "Trevon-SL capriata.trv" (and the desktop's "Apri con") opens that calculation.
    // Qt has taken its own options (-platform, ...) out of the arguments by now.
    QString daAprire;
    for (const QString& a : QCoreApplication::arguments().mid(1))
        if (!a.startsWith(QLatin1Char('-'))) {
            daAprire = a;
            break;
        }
    if (const int esito = ModuloTrevon::Main(daAprire))
        return esito;
    return QApplication::exec();
}
