// "Registra" in the joint editor, end to end: validation of the fields, copy into the joint
// and its bars with the design strengths, the verification and the report written into the
// report box, which is then shown and painted.
#include "AmbienteBench.h"

#include "editor/frmNodi.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int C24 = 6;   // material numbers of the template archive
constexpr int C30 = 8;

void materiale(frmNodi* f, int k, int numero)
{
    f->SSTab2->setCurrentIndex(k - 1);
    f->txtMatAsta->setText(QString::number(numero));
}

void asta(frmNodi* f, int k, const char* b, const char* h, const char* angolo, const char* sforzo)
{
    const auto kk = static_cast<std::size_t>(k);
    f->txtBAsta[kk]->setText(QString::fromLatin1(b));
    f->txtHAsta[kk]->setText(QString::fromLatin1(h));
    if (angolo)
        f->txtAngAsta[kk]->setText(QString::fromLatin1(angolo));
    if (sforzo)
        f->txtNAsta[kk]->setText(QString::fromLatin1(sforzo));
}

// The worked tie–rafter example: tie C30 10 × 20, rafter C24 10 × 20 at 30° with 50 kN,
// tv 3, Lv 20, support 30 kN over 15 cm.
void catenaPuntone(frmNodi* f)
{
    f->cmbTipoNodo->setCurrentIndex(0);
    f->txtMis[1]->setText(QStringLiteral("3"));
    f->txtMis[2]->setText(QStringLiteral("20"));
    f->txtReaz->setText(QStringLiteral("30"));
    f->txtLapp->setText(QStringLiteral("15"));
    materiale(f, 1, C30);
    asta(f, 1, "10", "20", nullptr, nullptr);
    materiale(f, 2, C24);
    asta(f, 2, "10", "20", "30", "50");
}

// King post C30 14 × 20 between two rafters C24 at 30° (50 kN) and 45° (40 kN).
void monaco(frmNodi* f)
{
    f->cmbTipoNodo->setCurrentIndex(2);
    f->txtMis[1]->setText(QStringLiteral("3"));
    f->txtMis[2]->setText(QStringLiteral("20"));
    f->txtMis[3]->setText(QStringLiteral("4"));
    f->txtMis[4]->setText(QStringLiteral("25"));
    materiale(f, 1, C24);
    asta(f, 1, "12", "20", "30", "50");
    materiale(f, 2, C30);
    asta(f, 2, "14", "20", nullptr, nullptr);
    materiale(f, 3, C24);
    asta(f, 3, "10", "18", "45", "40");
}

void registraEVerifica(benchmark::State& state, void (*compila)(frmNodi*))
{
    AmbienteBench::ApriArchivioModello();
    AmbienteBench::AvvisiRicevuti();
    ModuloTrevon::AvviaGestioneNodi();
    QPointer<frmNodi> f = ModuloTrevon::EditorAperto();
    if (!f) {
        state.SkipWithError("no editor");
        return;
    }
    f->show();
    AmbienteBench::Elabora();
    compila(f);
    f->Command8_Click();
    AmbienteBench::Elabora();
    if (!f->RichTextBox1->toPlainText().contains(QStringLiteral("VERIFICA NODO N.1")))
        state.SkipWithError("the joint was not verified");
    for (auto _ : state) {
        f->Command8_Click();
        AmbienteBench::Elabora();
    }
    if (!AmbienteBench::AvvisiRicevuti().isEmpty())
        state.SkipWithError("a message box came up");
    delete f.data();
    ModuloTrevon::RilasciaGestioneNodi();
    AmbienteBench::Elabora();
}

}  // namespace

BENCHMARK_CAPTURE(registraEVerifica, CatenaPuntone, catenaPuntone)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(registraEVerifica, MonacoPuntoni, monaco)->Unit(benchmark::kMillisecond);
