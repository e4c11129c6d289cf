// Program start-up to the start window shown, with the archive present: in this process
// (ModuloTrevon::Main: archive opened, main window maximised, start window placed and
// painted) and as a whole new process (loading, QApplication, Qt's translation, Main).
#include "AmbienteBench.h"
#include "AvvioFiglio.h"

#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

void avvioMain(benchmark::State& state)
{
    AmbienteBench::ApriArchivioModello();   // the archive exists before the program starts
    DatabaseMateriali_Chiudi();
    AmbienteBench::AvvisiRicevuti();
    for (auto _ : state) {
        ModuloTrevon::Main();
        if (!AttendiFinestraIniziale()) {
            state.SkipWithError("the start window was not shown");
            break;
        }
        state.PauseTiming();
        delete ModuloTrevon::FinestraPrincipale();
        AmbienteBench::Elabora();
        DatabaseMateriali_Chiudi();
        state.ResumeTiming();
    }
    if (!AmbienteBench::AvvisiRicevuti().isEmpty())
        state.SkipWithError("a message box came up");
}

void avvioProcesso(benchmark::State& state)
{
    AmbienteBench::ApriArchivioModello();
    DatabaseMateriali_Chiudi();
    const QStringList argomenti = {QString::fromLatin1(ArgomentoAvvio), AmbienteBench::CartellaApplicazione(),
                                   AmbienteBench::CartellaDati(), AmbienteBench::CartellaImpostazioni()};
    for (auto _ : state) {
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(), argomenti);
        if (!figlio.waitForFinished(30000) || figlio.exitStatus() != QProcess::NormalExit ||
            figlio.exitCode() != 0) {
            state.SkipWithError("the program did not reach the start window");
            break;
        }
    }
}

}  // namespace

BENCHMARK(avvioMain)->Unit(benchmark::kMillisecond);
BENCHMARK(avvioProcesso)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
