// Shared main of the application's test executables.
#include "AvvisiProva.h"

#include "calcolo/ScritturaFile.h"

#include <QApplication>
#include <QStandardPaths>

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
    // A box no test expects must fail that test, never wait for a click.
    ModuloTrevon::ImpostaRisponditore(RispostaInattesa);
    ModuloTrevon::ImpostaBeep([] {});
    return RUN_ALL_TESTS();
}
