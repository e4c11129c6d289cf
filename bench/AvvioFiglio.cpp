#include "AvvioFiglio.h"

#include "AmbienteBench.h"

#include "materials/DatabaseMateriali.h"
#include "materials/FrmListaLegno.h"
#include "materials/RecordsetMateriali.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

bool AttendiFinestraIniziale()
{
    QElapsedTimer attesa;
    attesa.start();
    while (attesa.elapsed() < 10000) {
        QApplication::processEvents();
        const frmMain* f = ModuloTrevon::FinestraPrincipale();
        if (f && f->windowHandle() && f->windowHandle()->isExposed() && f->TipoVer() &&
            f->TipoVer()->isVisible()) {
            QApplication::processEvents();   // the paint the exposure asked for
            return true;
        }
    }
    return false;
}

void DatabaseMateriali_Chiudi() { DatabaseMateriali::ChiudiDatabaseMateriali(); }

namespace {

// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when absent.
long statoKb(const char* voce)
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray chiave = QByteArray(voce) + ':';
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith(chiave))
            return riga.mid(chiave.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

void ambienteFiglio(char** argv)
{
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[4]));
    DatabaseMateriali::ImpostaCartelle(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
}

}  // namespace

int AvvioFiglio(int argc, char** argv)
{
    if (argc < 5)
        return 2;
    QApplication app(argc, argv);
    ambienteFiglio(argv);
    int avvisi = 0;
    ModuloTrevon::ImpostaRisponditore([&avvisi](const ModuloTrevon::Avviso& a) {
        ++avvisi;
        std::fprintf(stderr, "message box: %s\n", qPrintable(a.testo));
        return ModuloTrevon::Risposta::OK;
    });
    ModuloTrevon::CaricaTraduzioneQt();
    if (ModuloTrevon::Main() != 0)
        return 3;
    const bool mostrata = AttendiFinestraIniziale();
    std::fflush(stderr);
    // Only the start-up is measured, not the teardown.
    std::_Exit(mostrata && avvisi == 0 ? 0 : 1);
}

int MemoriaFiglio(int argc, char** argv)
{
    if (argc < 7)
        return 2;
    QApplication app(argc, argv);
    ambienteFiglio(argv);
    ModuloTrevon::ImpostaRisponditore([](const ModuloTrevon::Avviso& a) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(a.testo));
        std::_Exit(4);
        return ModuloTrevon::Risposta::OK;
    });
    AmbienteBench::ApriArchivio(QString::fromLocal8Bit(argv[5]));
    frmMain principale;
    principale.resize(1280, 900);
    principale.show();
    AmbienteBench::Elabora();
    const long base = statoKb("VmRSS");
    FrmListaLegno* lista = FrmListaLegno::Apri(&principale);
    AmbienteBench::Elabora();
    if (!lista || !lista->rsLista || lista->rsLista->RecordCount() != QByteArray(argv[6]).toInt())
        std::_Exit(5);
    std::printf("%ld %ld %ld\n", base, statoKb("VmRSS"), statoKb("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);
}
