#include "AvvioFiglio.h"

#include "materials/DatabaseMateriali.h"
#include "shell/GestioneNodi.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QApplication>
#include <QElapsedTimer>
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

int AvvioFiglio(int argc, char** argv)
{
    if (argc < 5)
        return 2;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[4]));
    DatabaseMateriali::ImpostaCartelle(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
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
