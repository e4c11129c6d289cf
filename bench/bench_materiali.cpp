// The materials list at 100, 10 000 and 100 000 records: reading the record set, the list
// window's reload (record set read and grid model filled, grid laid out and painted), one
// keystroke in the filter box, and the reload on activation with the current record kept.
#include "AmbienteBench.h"

#include "materials/DatabaseMateriali.h"
#include "materials/FrmListaLegno.h"
#include "materials/ModelloMateriali.h"
#include "materials/RecordsetMateriali.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString SqlLista = QStringLiteral("Select * from Legno ");

void premi(QWidget* w, int tasto, const QString& testo)
{
    QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(w, &giu);
    QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(w, &su);
}

// The list window open on a generated archive, inside a main window.
class ListaAperta {
public:
    explicit ListaAperta(int materiali)
    {
        AmbienteBench::ApriArchivio(AmbienteBench::ArchivioGenerato(materiali));
        principale = std::make_unique<frmMain>();
        principale->resize(1280, 900);
        principale->show();
        AmbienteBench::Elabora();
        lista = FrmListaLegno::Apri(principale.get());
        AmbienteBench::Elabora();
    }
    ~ListaAperta()
    {
        principale->AreaFinestre()->closeAllSubWindows();
        AmbienteBench::Elabora();
        principale.reset();
        AmbienteBench::Elabora();
        DatabaseMateriali::ChiudiDatabaseMateriali();
    }
    ListaAperta(const ListaAperta&) = delete;
    ListaAperta& operator=(const ListaAperta&) = delete;

    bool pronta(int materiali) const { return lista && lista->rsLista && lista->rsLista->RecordCount() == materiali; }

    std::unique_ptr<frmMain> principale;
    QPointer<FrmListaLegno> lista;
};

void controllaAvvisi(benchmark::State& state)
{
    if (!AmbienteBench::AvvisiRicevuti().isEmpty())
        state.SkipWithError("a message box came up");
}

// ApriRecordset alone: the query, every row read into the snapshot, sorted.
void recordsetApri(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    AmbienteBench::ApriArchivio(AmbienteBench::ArchivioGenerato(n));
    for (auto _ : state) {
        std::shared_ptr<RecordsetMateriali> rs;
        QString errText;
        DatabaseMateriali::ApriRecordset(rs, SqlLista, errText);
        if (!rs || rs->RecordCount() != n) {
            state.SkipWithError("wrong count");
            break;
        }
    }
    DatabaseMateriali::ChiudiDatabaseMateriali();
    controllaAvvisi(state);
}

// Requery_Lista with the grid shown: record set opened, grid model filled, grid painted.
void listaRequery(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListaAperta l(n);
    if (!l.pronta(n)) {
        state.SkipWithError("the list did not open");
        return;
    }
    for (auto _ : state) {
        l.lista->Requery_Lista();
        AmbienteBench::Elabora();
    }
    if (!l.pronta(n))
        state.SkipWithError("wrong count");
    controllaAvvisi(state);
}

// One keystroke in the filter box, grid repainted; the keystrokes cycle through
// "L", "La", back to "L" and to the empty box, so every one changes the rows shown.
void listaFiltro(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListaAperta l(n);
    if (!l.pronta(n)) {
        state.SkipWithError("the list did not open");
        return;
    }
    QLineEdit* filtro = l.lista->Text3;
    filtro->setFocus();
    int passo = 0;
    for (auto _ : state) {
        switch (passo++ % 4) {
        case 0: premi(filtro, Qt::Key_L, QStringLiteral("L")); break;
        case 1: premi(filtro, Qt::Key_A, QStringLiteral("a")); break;
        default: premi(filtro, Qt::Key_Backspace, QString()); break;
        }
        AmbienteBench::Elabora();
    }
    // "La" keeps the Latifoglia fifth of the generated records.
    filtro->setText(QStringLiteral("La"));
    if (l.lista->rsLista->RecordCount() != n / 5)
        state.SkipWithError("the filter kept the wrong records");
    controllaAvvisi(state);
}

// The reload the list runs each time it becomes active again (a record sheet closed):
// bookmark taken, record set read again, grid refilled, the same record current again.
void listaRiattivazione(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListaAperta l(n);
    if (!l.pronta(n)) {
        state.SkipWithError("the list did not open");
        return;
    }
    const int segnato = n / 2 + 1;
    l.lista->rsLista->SetBookmark(segnato);
    AmbienteBench::Elabora();
    for (auto _ : state) {
        FrmListaLegno::ArchivioCambiato();
        AmbienteBench::Elabora();
    }
    if (!l.pronta(n) || l.lista->rsLista->Campo(QStringLiteral("Numero")).toInt() != segnato)
        state.SkipWithError("the bookmark was not restored");
    controllaAvvisi(state);
}

}  // namespace

BENCHMARK(recordsetApri)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(listaRequery)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(listaFiltro)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(listaRiattivazione)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
