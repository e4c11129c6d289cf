#pragma once
#include <QString>

// A text for a tool tip or label that shows as it is: one that Qt would take for markup
// ("<b>", "<img>") is escaped, any other is returned unchanged.
QString TestoInChiaro(const QString& testo);
