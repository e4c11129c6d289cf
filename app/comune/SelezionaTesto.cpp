#include "comune/SelezionaTesto.h"

#include <QLineEdit>

namespace ModuloTrevon {

void SelezionaTesto(QLineEdit* box)
{
    if (box == nullptr || !box->isVisible() || !box->isEnabled())
        return;
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(0, static_cast<int>(box->text().size()));
}

}  // namespace ModuloTrevon
