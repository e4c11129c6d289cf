#pragma once
#include <QString>
#include <functional>

// The file dialogs of the calculation files, behind one seam so tests choose the path
// without a window.
namespace DialoghiFile {

enum class Scopo { Apri, Salva };
struct Richiesta {
    Scopo scopo;
    QString cartella;       // folder the dialog opens in
    QString nomeProposto;   // file name proposed for saving (may be empty)
};
using Selettore = std::function<QString(const Richiesta&)>;

// The chosen path; empty when the user cancelled. A saved name always ends in ".trv".
QString ScegliFile(const Richiesta& richiesta);
void ImpostaSelettore(Selettore s);   // tests; {} restores the dialog

}  // namespace DialoghiFile
