#pragma once
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The dialogs of the report commands, behind a seam: tests choose the file or the printer
// without a window.
namespace DialoghiRelazione {

using SceltaFile = std::function<QString(const QString& proposto)>;   // empty: cancelled
using SceltaStampante = std::function<bool(QPrinter& stampante)>;      // false: cancelled

// The save dialog for a PDF, opened on the proposed path; it asks before replacing a file.
QString ScegliPdf(QWidget* parent, const QString& proposto);
// The system's print dialog on the given printer.
bool ScegliStampante(QWidget* parent, QPrinter& stampante);

void ImpostaSceltaFile(SceltaFile scelta);             // {} restores the dialog
void ImpostaSceltaStampante(SceltaStampante scelta);   // {} restores the dialog

}
