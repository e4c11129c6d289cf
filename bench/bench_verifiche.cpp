// One verification of each method through the library's public interface, on the joints of
// the worked examples (the library tests' fixtures), with the support check where it exists.
#include "Giunti.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

void verifica(benchmark::State& state, Metodo metodo, const std::function<void(clsGenVerNodi&)>& giunto)
{
    int messaggi = 0;
    clsGenVerNodi registro([&messaggi](const std::string&, bool) { ++messaggi; });
    giunto(registro);
    bool procedi = false;
    (registro.*metodo)(procedi, 1);
    if (!procedi || messaggi != 0) {
        state.SkipWithError("the joint was refused");
        return;
    }
    for (auto _ : state) {
        (registro.*metodo)(procedi, 1);
        benchmark::DoNotOptimize(procedi);
        benchmark::ClobberMemory();
    }
    if (!procedi || messaggi != 0)
        state.SkipWithError("the joint was refused during the run");
}

void conAppoggio(clsGenVerNodi& g)
{
    catenaPuntone(g);
    auto n = g.Nodi->Item(1);
    n->ReazioneY = 30;
    n->LunghezzaAppoggio = 15;
}

// The rear step needs the strut on the far side of the rafter's normal (the first case).
void puntoneSaettaRetro(clsGenVerNodi& g)
{
    puntoneSaetta(g);
    g.Nodi->Item(1)->Asta->Item(3)->Angolo = 30;
}

void monacoSaette(clsGenVerNodi& g)
{
    monaco(g);
    g.Nodi->Item(1)->TipoNodo = "Monaco Saette a Dente Semplice";
}

}  // namespace

BENCHMARK_CAPTURE(verifica, VerNodoCPDS, &clsGenVerNodi::VerNodoCPDS, conAppoggio);
BENCHMARK_CAPTURE(verifica, VerNodoCPDA, &clsGenVerNodi::VerNodoCPDA, conAppoggio);
BENCHMARK_CAPTURE(verifica, VerNodoPSDS, &clsGenVerNodi::VerNodoPSDS, puntoneSaetta);
BENCHMARK_CAPTURE(verifica, VerNodoPSDA, &clsGenVerNodi::VerNodoPSDA, puntoneSaettaRetro);
BENCHMARK_CAPTURE(verifica, VerNodoMPMSDS, &clsGenVerNodi::VerNodoMPMSDS, monaco);
BENCHMARK_CAPTURE(verifica, VerNodoMPMSDA, &clsGenVerNodi::VerNodoMPMSDA, monacoSaette);
