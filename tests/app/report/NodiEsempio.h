#pragma once
// Joints of the worked examples, verified by the real library, and a coefficient source with
// the editor's default values.
#include "report/FonteCoefficienti.h"

#include "QOR_TRVSL10.h"

#include <QStringList>
#include <memory>
#include <string>

namespace NodiEsempio {

// Rafter 30°, thrust 50 kN, rafter 10 x 20 cm, tie 10 x 20 cm, tv 3 cm, Lv 20 cm,
// tie fc0d 12, fc90d 2.5, fvd 2.4 N/mm². With appoggio: reaction 30 kN on 15 cm.
std::shared_ptr<clsNodo> CatenaPuntone(bool appoggio);

// Lower rafter 30°, strut 60° (10 x 15 cm, 30 kN) on the upper rafter (12 x 20 cm,
// fc0d 12, fc90d 2.5), tv 3 cm; Lv, reaction and bearing length given but not reported.
std::shared_ptr<clsNodo> PuntoneSaetta();

// Left bar 12 x 20 cm at 30°, 50 kN, tv 3, Lv 20; right bar 10 x 18 cm at 45°, 40 kN,
// tv 4, Lv 25; king post 14 cm wide, fc0d 12, fc90d 2.5. tipo: one of the two king-post types.
std::shared_ptr<clsNodo> Monaco(const std::string& tipo);

// A joint of the given type with n bars whose values are all 0, never verified.
std::shared_ptr<clsNodo> NodoVuoto(const std::string& tipo, int aste);

class CoefficientiProva : public FonteCoefficienti {
public:
    QString classe = QStringLiteral("1: T=20°C  U<65%");
    float kmod = 0.6f;
    float gammaM = 1.5f;
    mutable QStringList descrizioniRichieste;   // what valGM was asked for

    QString strClasse() const override { return classe; }
    float valKmod() const override { return kmod; }
    float valGM(const QString& DescrMat) const override
    {
        descrizioniRichieste << DescrMat;
        return gammaM;
    }
};

}
