#pragma once
#include "calcolo/Coefficienti.h"

#include "QOR_TRVSL10.h"

namespace Relazione {

// True when the joint's stored results are those of a successful verification of the data
// registered in it: a verification run now on a copy, by the method of the joint's type, is
// not refused, raises nothing and gives exactly the stored results. A joint never verified,
// refused by its last verification, registered again without a new verification, or of no
// known type is not verified. The joint itself is not changed and no message is shown.
// The verification is the one of the calculation's code (heel lengths under NTC 2018).
bool NodoVerificato(const clsNodo& nodo, Normativa normativa = Normativa::NTC2008);

}
