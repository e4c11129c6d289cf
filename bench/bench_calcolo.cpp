// A calculation of 1,000 joints (the four single-step types in turn): opening its file in the
// editor (every joint registered and verified, the shown joint's report written), composing
// its complete report (one text document a joint, cover and summary) and exporting it as a
// PDF; beside them the floor, the same 1,000 reports composed into a plain string.
#include "AmbienteBench.h"
#include "CalcoliProva.h"

#include "calcolo/CalcoloInCorso.h"
#include "calcolo/FileCalcolo.h"
#include "editor/frmNodi.h"
#include "report/DocumentoRelazione.h"
#include "report/ImpaginatoreRelazione.h"
#include "report/RelazioneComune.h"
#include "report/SuperficieRegistrata.h"
#include "shell/GestioneCalcolo.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int Nodi = 1000;

// The calculation file, written once for the run.
QString fileMilleNodi()
{
    static QString percorso;
    if (!percorso.isEmpty())
        return percorso;
    FileCalcolo::Calcolo c;
    const FileCalcolo::Calcolo quattro = CalcoliProva::QuattroTipi();
    for (int i = 0; i < Nodi; ++i)
        c.nodi.push_back(quattro.nodi[static_cast<std::size_t>(i % 4)]);
    percorso = QDir(AmbienteBench::Cartella()).filePath(QStringLiteral("mille.trv"));
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(FileCalcolo::Scrivi(c)) < 0)
        percorso.clear();
    return percorso;
}

// The editor open on the template archive. The file's bars carry material 24 with values of
// their own, so opening tells once that the archive's material 24 reads differently: that box
// is part of opening; any other is an error.
class EditorAperto {
public:
    EditorAperto()
    {
        AmbienteBench::ApriArchivioModello();
        AmbienteBench::AvvisiRicevuti();
        ModuloTrevon::AvviaGestioneNodi();
        f = ModuloTrevon::EditorAperto();
        if (f) {
            f->show();
            AmbienteBench::Elabora();
        }
    }
    ~EditorAperto()
    {
        delete f.data();
        ModuloTrevon::RilasciaGestioneNodi();
        AmbienteBench::Elabora();
    }
    EditorAperto(const EditorAperto&) = delete;
    EditorAperto& operator=(const EditorAperto&) = delete;

    bool apri(const QString& percorso)
    {
        if (!ModuloTrevon::ApriCalcoloDaFile(percorso))
            return false;
        AmbienteBench::Elabora();
        for (const QString& a : AmbienteBench::AvvisiRicevuti())
            if (!a.contains(QStringLiteral("Nodi interessati")))
                return false;
        return ModuloTrevon::GenVerNodi && ModuloTrevon::GenVerNodi->Nodi->Count() == Nodi &&
               f->RichTextBox1->toPlainText().contains(QStringLiteral("VERIFICA NODO N.1"));
    }

    // The 1,000-joint calculation open, for the report benchmarks; false (the benchmark
    // skipped) otherwise.
    bool calcoloAperto(benchmark::State& state)
    {
        if (f && apri(fileMilleNodi()))
            return true;
        state.SkipWithError("the calculation did not open");
        return false;
    }

    QPointer<frmNodi> f;
};

// The complete report of the open calculation, as printing and the PDF export compose it.
std::vector<Relazione::SezioneRelazione> relazioneDelCalcolo(const CoefficientiCalcolo& coefficienti)
{
    return Relazione::RelazioneCompleta(*ModuloTrevon::GenVerNodi, coefficienti, CalcoloInCorso::Istanza().progetto());
}

CoefficientiCalcolo coefficientiDelCalcolo()
{
    const CalcoloInCorso& c = CalcoloInCorso::Istanza();
    return CoefficientiCalcolo(c.coefficienti(), c.tipologie(), c.durate());
}

void aperturaCalcolo(benchmark::State& state)
{
    const QString percorso = fileMilleNodi();
    EditorAperto editor;
    if (percorso.isEmpty() || !editor.f) {
        state.SkipWithError("no file or no editor");
        return;
    }
    for (auto _ : state) {
        if (!editor.apri(percorso)) {
            state.SkipWithError("the calculation did not open as expected");
            break;
        }
    }
}

// The complete report's sections, as printing and the PDF export compose them.
void relazioneCompleta(benchmark::State& state)
{
    EditorAperto editor;
    if (!editor.calcoloAperto(state))
        return;
    const CoefficientiCalcolo coefficienti = coefficientiDelCalcolo();
    for (auto _ : state) {
        const auto sezioni = relazioneDelCalcolo(coefficienti);
        if (sezioni.size() < static_cast<std::size_t>(Nodi) || !sezioni.back().documento ||
            !sezioni.back().documento->toPlainText().contains(QStringLiteral("VERIFICA NODO N.1000"))) {
            state.SkipWithError("the report is incomplete");
            break;
        }
    }
}

// Composition and export of the complete report to a PDF file.
void relazioneCompletaPdf(benchmark::State& state)
{
    EditorAperto editor;
    if (!editor.calcoloAperto(state))
        return;
    const CoefficientiCalcolo coefficienti = coefficientiDelCalcolo();
    const QString pdf = QDir(AmbienteBench::Cartella()).filePath(QStringLiteral("mille.pdf"));
    for (auto _ : state) {
        QString errore;
        if (!Relazione::EsportaPdf(pdf, relazioneDelCalcolo(coefficienti), errore) ||
            QFileInfo(pdf).size() < 100000) {
            state.SkipWithError("the PDF was not written");
            break;
        }
    }
}

// The floor: every joint's report composed into a plain string (no text document, no layout).
void relazioneTestoSemplice(benchmark::State& state)
{
    EditorAperto editor;
    if (!editor.calcoloAperto(state))
        return;
    const CoefficientiCalcolo coefficienti = coefficientiDelCalcolo();
    const clsGenVerNodi& registro = *ModuloTrevon::GenVerNodi;
    for (auto _ : state) {
        qsizetype lunghezza = 0;
        for (int n = 1; n <= registro.Nodi->Count(); ++n) {
            SuperficieRegistrata testo;
            Relazione::CreaRelVerNodi(testo, *registro.Nodi->Item(n), QString::number(n), coefficienti);
            lunghezza += testo.Testo().size();
        }
        if (lunghezza < 1000 * Nodi) {
            state.SkipWithError("the reports are incomplete");
            break;
        }
    }
}

}  // namespace

BENCHMARK(aperturaCalcolo)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(relazioneCompleta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(relazioneCompletaPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(relazioneTestoSemplice)->Unit(benchmark::kMillisecond)->MinTime(2.0);
