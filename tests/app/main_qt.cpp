// Shared main of the application's test executables.
#include "AvvisiProva.h"

#include "calcolo/ScritturaFile.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    PreparaProcesso();   // as the program starts: a write past a size limit fails, no signal
    // Also when a test binary runs outside ctest (test discovery, by hand): no display needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevon-SL"));
    QApplication::setOrganizationName(QStringLiteral("QOR"));
    QStandardPaths::setTestModeEnabled(true);
    // ctest runs every case in its own process, side by side: each gets settings of its own,
    // so one case's last folder or column widths never reach another.
    QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
    // A box no test expects must fail that test, never wait for a click.
    ModuloTrevon::ImpostaRisponditore(RispostaInattesa);
    ModuloTrevon::ImpostaBeep([] {});
    return RUN_ALL_TESTS();
}
