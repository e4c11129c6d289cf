#pragma once
#include "report/FonteCoefficienti.h"
#include "report/SuperficieRelazione.h"

#include "QOR_TRVSL10.h"

#include <QString>

namespace Relazione {

// True for the four single-step joint types whose report has the step-joint section.
bool TipoDenteSemplice(const QString& tipoNodo);

// Appends the step-joint section: notch geometry, coefficients, bars, the face checks and,
// for the tie–rafter joint, the heel shear and support checks, each with its verdict
// (a check passes only when the stress is strictly less than the strength). Writes nothing
// for a joint of another type.
void creaRelVerNodiCapriataDenteSemplice(SuperficieRelazione& box, const clsNodo& nodo,
                                         const FonteCoefficienti& coefficienti);

}
