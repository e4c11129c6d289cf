// The materials list at 10 000, 100 000 and 1 000 000 records: reading the record set (beside
// the floor, SQLite's own interface reading the same rows), the list window's reload (record
// set read and grid model filled, grid laid out and painted), keystrokes in the filter box
// (typing apart from clearing), the reload on activation with the current record kept, and
// the memory of a process with the list open.
#include "AmbienteBench.h"
#include "AvvioFiglio.h"

#include "materials/DatabaseMateriali.h"
#include "materials/FrmListaLegno.h"
#include "materials/ModelloMateriali.h"
#include "materials/RecordsetMateriali.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QPointer>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <chrono>
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

// Keystrokes in the filter box, grid repainted. Each iteration types "L" and "a", then two
// backspaces back to "L" and to the empty box: the three that leave a text ("L", "La", "L")
// are the typing figure; the last one, which removes the filter, is the clearing figure.
void listaFiltro(benchmark::State& state, bool digitazione)
{
    const int n = static_cast<int>(state.range(0));
    ListaAperta l(n);
    if (!l.pronta(n)) {
        state.SkipWithError("the list did not open");
        return;
    }
    QLineEdit* filtro = l.lista->Text3;
    filtro->setFocus();
    auto tasto = [&](int k, const QString& t) {
        const auto inizio = std::chrono::steady_clock::now();
        premi(filtro, k, t);
        AmbienteBench::Elabora();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    };
    for (auto _ : state) {
        const double l1 = tasto(Qt::Key_L, QStringLiteral("L"));
        const double la = tasto(Qt::Key_A, QStringLiteral("a"));
        const double l2 = tasto(Qt::Key_Backspace, QString());
        const double vuoto = tasto(Qt::Key_Backspace, QString());
        state.SetIterationTime(digitazione ? (l1 + la + l2) / 3 : vuoto);
    }
    // "La" keeps the Latifoglia fifth of the generated records, the empty box every record.
    const bool tutti = l.lista->rsLista->RecordCount() == n;
    filtro->setText(QStringLiteral("La"));
    if (!tutti || l.lista->rsLista->RecordCount() != n / 5)
        state.SkipWithError("the filter kept the wrong records");
    controllaAvvisi(state);
}

void listaFiltroDigitazione(benchmark::State& state) { listaFiltro(state, true); }
void listaFiltroCancellazione(benchmark::State& state) { listaFiltro(state, false); }

// The list made active again, as when the user comes back to it from another window of the
// main window: another window activated (not measured), then the list, its grid painted. With
// `esterno`, another connection (another program) has changed one record before each return,
// so the list must show the change: bookmark taken, rows read again, the same record current.
void riattivazione(benchmark::State& state, bool esterno)
{
    const int n = static_cast<int>(state.range(0));
    ListaAperta l(n);
    if (!l.pronta(n)) {
        state.SkipWithError("the list did not open");
        return;
    }
    QMdiArea* area = l.principale->AreaFinestre();
    QMdiSubWindow* altra = area->addSubWindow(new QWidget);
    altra->show();
    QMdiSubWindow* cornice = nullptr;
    for (QMdiSubWindow* w : area->subWindowList())
        if (w->widget() == l.lista)
            cornice = w;
    const int segnato = n / 2 + 1;
    l.lista->rsLista->SetBookmark(segnato);
    AmbienteBench::Elabora();
    const QString connessione = QStringLiteral("bench_esterno");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
        db.setDatabaseName(DatabaseMateriali::PercorsoDatabase);
        db.open();
    }
    // A value never written before in this run: an update that leaves the row as it was
    // commits no change another connection could see.
    static int scritto = 0;
    for (auto _ : state) {
        state.PauseTiming();
        area->setActiveSubWindow(altra);
        AmbienteBench::Elabora();
        if (esterno) {
            QSqlQuery q(QSqlDatabase::database(connessione));
            q.prepare(QStringLiteral("UPDATE Legno SET rok=? WHERE Numero=?"));
            q.addBindValue(300 + ++scritto);
            q.addBindValue(segnato);
            if (!q.exec()) {
                state.SkipWithError("the outside write failed");
                break;
            }
        }
        state.ResumeTiming();
        area->setActiveSubWindow(cornice);
        AmbienteBench::Elabora();
    }
    QSqlDatabase::removeDatabase(connessione);
    if (!l.pronta(n) || l.lista->rsLista->Campo(QStringLiteral("Numero")).toInt() != segnato)
        state.SkipWithError("the bookmark was not restored");
    else if (esterno && l.lista->rsLista->Campo(QStringLiteral("rok")).toInt() != 300 + scritto)
        state.SkipWithError("the outside change is not shown");
    controllaAvvisi(state);
}

void listaRiattivazione(benchmark::State& state) { riattivazione(state, false); }
void listaRiattivazioneDopoScrittura(benchmark::State& state) { riattivazione(state, true); }

// The floor of reading the archive: SQLite's own interface steps through the same query and
// takes every column's value (numbers as numbers, texts as UTF-16), storing nothing.
void sqliteLettura(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const QByteArray percorso = AmbienteBench::ArchivioGenerato(n).toLocal8Bit();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(percorso.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        state.SkipWithError("the archive did not open");
        return;
    }
    for (auto _ : state) {
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db, SqlLista.toUtf8().constData(), -1, &q, nullptr);
        int righe = 0;
        double somma = 0;
        while (q && sqlite3_step(q) == SQLITE_ROW) {
            ++righe;
            for (int c = 0; c < sqlite3_column_count(q); ++c) {
                if (sqlite3_column_type(q, c) == SQLITE_TEXT)
                    somma += sqlite3_column_bytes16(q, c) > 0 ? 1 : 0;
                else
                    somma += sqlite3_column_double(q, c);
            }
        }
        sqlite3_finalize(q);
        benchmark::DoNotOptimize(somma);
        if (righe != n) {
            state.SkipWithError("wrong count");
            break;
        }
    }
    sqlite3_close(db);
}

// Memory of a new process with the main window and the list open on the archive: resident
// before the list opened, after it, and the process's peak (MB).
void listaMemoria(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    AmbienteBench::ApriArchivioModello();
    DatabaseMateriali::ChiudiDatabaseMateriali();
    const QString archivio = AmbienteBench::ArchivioGenerato(n);
    const QStringList argomenti = {QString::fromLatin1(ArgomentoMemoria), AmbienteBench::CartellaApplicazione(),
                                   AmbienteBench::CartellaDati(), AmbienteBench::CartellaImpostazioni(), archivio,
                                   QString::number(n)};
    double base = 0, residente = 0, picco = 0;
    for (auto _ : state) {
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(), argomenti);
        const QList<QByteArray> kb = figlio.waitForFinished(600000) && figlio.exitCode() == 0
                                         ? figlio.readAllStandardOutput().trimmed().split(' ')
                                         : QList<QByteArray>();
        if (kb.size() != 3) {
            state.SkipWithError("the list did not open in the child process");
            break;
        }
        base = kb[0].toDouble() / 1024;
        residente = kb[1].toDouble() / 1024;
        picco = kb[2].toDouble() / 1024;
    }
    state.counters["base_MB"] = base;
    state.counters["lista_MB"] = residente;
    state.counters["picco_MB"] = picco;
}

}  // namespace

// Three repetitions at each size: the figure is their median.
void taglie(benchmark::internal::Benchmark* b)
{
    b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
}

BENCHMARK(sqliteLettura)->Apply(taglie);
BENCHMARK(recordsetApri)->Apply(taglie);
BENCHMARK(listaRequery)->Apply(taglie);
BENCHMARK(listaFiltroDigitazione)->Apply(taglie)->UseManualTime()->MinTime(1.0);
BENCHMARK(listaFiltroCancellazione)->Apply(taglie)->UseManualTime()->MinTime(1.0);
BENCHMARK(listaRiattivazione)->Apply(taglie);
BENCHMARK(listaRiattivazioneDopoScrittura)->Apply(taglie);
BENCHMARK(listaMemoria)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
