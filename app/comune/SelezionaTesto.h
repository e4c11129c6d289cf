#pragma once
class QLineEdit;

namespace ModuloTrevon {
// Gives the box the focus and selects its whole text; a box that cannot take the focus is
// left as it is.
void SelezionaTesto(QLineEdit* box);
}
