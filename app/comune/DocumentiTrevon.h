#pragma once
#include <QString>

// Documents shipped beside the program's executable (the build copies them there too).
namespace DocumentiTrevon {
QString PercorsoInformazioni();   // about page opened by the start window's banner
QString PercorsoAppuntiSL();      // guidance note (PDF) opened by the joint editor
}
