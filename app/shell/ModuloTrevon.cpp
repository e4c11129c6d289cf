#include "shell/ModuloTrevon.h"

#include "materials/DatabaseMateriali.h"
#include "shell/GestioneCalcolo.h"
#include "shell/frmMain.h"
#include "shell/frmTipoVer.h"

#include <QScreen>

#include <cmath>

namespace ModuloTrevon {

int Main(const QString& calcoloDaAprire)
{
    PiGreco = static_cast<float>(4.0 * std::atan(1.0));
    DatabaseMateriali::InizializzaDatabaseMateriali();
    auto* finestra = new frmMain;
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    // Maximised; the screen's size also where no window manager maximises it.
    if (const QScreen* schermo = finestra->screen())
        finestra->setGeometry(schermo->availableGeometry());
    finestra->showMaximized();
    if (!calcoloDaAprire.isEmpty() && ApriCalcoloDaFile(calcoloDaAprire))
        finestra->TipoVer()->hide();
    return 0;
}

}  // namespace ModuloTrevon
