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

// A cold process to the first painted start window, beside the floor: the minimal Qt Widgets
// program built with the same flags, started in turn with ours so that the machine's load
// weighs on both alike. The figure is this program's time; the counters give both means and
// their ratio.
void avvioProcesso(benchmark::State& state)
{
    AmbienteBench::ApriArchivioModello();
    DatabaseMateriali_Chiudi();
    const QStringList argomenti = {QString::fromLatin1(ArgomentoAvvio), AmbienteBench::CartellaApplicazione(),
                                   AmbienteBench::CartellaDati(), AmbienteBench::CartellaImpostazioni()};
    const QString minimo = QCoreApplication::applicationDirPath() + QStringLiteral("/trevon_bench_minimo");
    auto avvia = [](const QString& programma, const QStringList& arg) {
        QElapsedTimer tempo;
        tempo.start();
        QProcess figlio;
        figlio.start(programma, arg);
        const bool ok = figlio.waitForFinished(30000) && figlio.exitStatus() == QProcess::NormalExit &&
                        figlio.exitCode() == 0;
        return ok ? static_cast<double>(tempo.nsecsElapsed()) / 1e9 : -1.0;
    };
    double nostro = 0, base = 0;
    int volte = 0;
    for (auto _ : state) {
        const double m = avvia(minimo, {});
        const double t = avvia(QCoreApplication::applicationFilePath(), argomenti);
        if (t < 0 || m < 0) {
            state.SkipWithError("a program did not reach its first painted window");
            break;
        }
        state.SetIterationTime(t);
        nostro += t;
        base += m;
        ++volte;
    }
    if (volte > 0) {
        state.counters["trevon_ms"] = nostro / volte * 1000;
        state.counters["minimo_ms"] = base / volte * 1000;
        state.counters["rapporto"] = nostro / base;
    }
}

}  // namespace

// In process: a warm re-run of Main() in a process whose libraries and Qt are already loaded.
BENCHMARK(avvioMain)->Unit(benchmark::kMillisecond)->Name("avvioMain/in_processo_a_caldo");
BENCHMARK(avvioProcesso)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(4.0);
