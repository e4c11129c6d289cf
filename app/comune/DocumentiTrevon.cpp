#include "comune/DocumentiTrevon.h"

#include <QCoreApplication>

namespace DocumentiTrevon {

QString PercorsoInformazioni() {
    return QCoreApplication::applicationDirPath() + "/informazioni.html";
}

QString PercorsoAppuntiSL() {
    return QCoreApplication::applicationDirPath() + "/AppuntiSL.pdf";
}

}  // namespace DocumentiTrevon
