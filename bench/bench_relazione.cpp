// Composing the whole report of one verified joint of each single-step type, into the rich
// text box the editor shows (QTextEdit) and into the recording surface.
#include "Giunti.h"

#include "report/RelazioneComune.h"
#include "report/SuperficieQTextEdit.h"
#include "report/SuperficieRegistrata.h"

#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The editor's default coefficients: service class 1, kmod 0.6, γM 1.5.
class Coefficienti : public FonteCoefficienti {
public:
    QString strClasse() const override { return QStringLiteral("1: T=20°C  U<65%"); }
    float valKmod() const override { return 0.6f; }
    float valGM(const QString&) const override { return 1.5f; }
};

struct Giunto {
    const char* tipo;
    void (*crea)(clsGenVerNodi&);
    Metodo metodo;
};

const Giunto Giunti[] = {
    {"Catena Puntone a Dente Semplice", catenaPuntone, &clsGenVerNodi::VerNodoCPDS},
    {"Puntone Saetta a Dente Semplice", puntoneSaetta, &clsGenVerNodi::VerNodoPSDS},
    {"Monaco Puntoni a Dente Semplice", monaco, &clsGenVerNodi::VerNodoMPMSDS},
    {"Monaco Saette a Dente Semplice", monaco, &clsGenVerNodi::VerNodoMPMSDS},
};

// A verified joint of the type, its bars with materials and strengths as the editor leaves them.
std::shared_ptr<clsNodo> giuntoVerificato(const Giunto& g, clsGenVerNodi& registro)
{
    g.crea(registro);
    auto nodo = registro.Nodi->Item(1);
    nodo->TipoNodo = g.tipo;
    nodo->ReazioneY = 30;
    nodo->LunghezzaAppoggio = 15;
    for (int i = 1; i <= nodo->Asta->Count(); ++i) {
        clsAsta& a = *nodo->Asta->Item(i);
        a.DescrizioneMateriale = "Legno Massiccio di Conifera C24";
        a.TipoSezione = "Rettangolare";
        if (a.Altezza == 0)
            a.Altezza = 20;
        a.Res_Fc0k = 21;
        a.Res_Fc90k = 2.5f;
        a.Res_Fvk = 4;
        if (a.Res_Fc0d == 0)
            a.Res_Fc0d = 8.4f;
        if (a.Res_Fc90d == 0)
            a.Res_Fc90d = 1;
        a.Res_Fvd = 1.6f;
    }
    bool procedi = false;
    (registro.*g.metodo)(procedi, 1);
    return procedi ? nodo : nullptr;
}

void relazione(benchmark::State& state, bool suTesto)
{
    const Giunto& g = Giunti[state.range(0)];
    state.SetLabel(g.tipo);
    clsGenVerNodi registro([](const std::string&, bool) {});
    const auto nodo = giuntoVerificato(g, registro);
    if (!nodo) {
        state.SkipWithError("the joint was refused");
        return;
    }
    const Coefficienti coefficienti;
    QTextEdit box;
    box.resize(700, 600);
    box.show();
    SuperficieQTextEdit testo(&box);
    SuperficieRegistrata registrata;
    SuperficieRelazione& superficie = suTesto ? static_cast<SuperficieRelazione&>(testo) : registrata;
    for (auto _ : state) {
        Relazione::CreaRelVerNodi(superficie, *nodo, QStringLiteral("1"), coefficienti);
        benchmark::ClobberMemory();
    }
    const QString scritto = suTesto ? box.toPlainText() : registrata.Testo();
    if (!scritto.contains(QStringLiteral("VERIFICA NODO N.1")) || !scritto.contains(QStringLiteral("Aste Collegate")))
        state.SkipWithError("the report is incomplete");
}

void relazioneQTextEdit(benchmark::State& state) { relazione(state, true); }
void relazioneRegistrata(benchmark::State& state) { relazione(state, false); }

}  // namespace

BENCHMARK(relazioneQTextEdit)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(relazioneRegistrata)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
