#pragma once
#include <cstdint>
#include <memory>

class clsGenVerNodi;

class frmMain;
class frmNodi;

// The procedures of the main module that start and end a calculation and show its joints in
// the joint editor. The editor is an MDI child of the main window when one is registered,
// a window of its own otherwise (tests of the editor alone).
namespace ModuloTrevon {

// A new, empty register whose library messages reach MsgBox (beep first when the library
// asks, OK, no icon, title "QOR_TRVSL10"); then MostraEditorNodi.
void AvviaGestioneNodi();
// A new, empty register whose library messages reach MsgBox.
std::shared_ptr<clsGenVerNodi> NuovoRegistro();
// Releases the register and the current joint.
void RilasciaGestioneNodi();

// NuovoNodo, MostraNodo(count), then shows the editor (not modal).
void MostraEditorNodi();
// Appends a joint with an empty type; it becomes NodoCorrente; the editor's total follows.
void NuovoNodo();
// Fills the editor for joint n (NodoCorrente already set to it), then sets the counter to n.
void MostraNodo(std::int16_t n);

// The open joint editor, created on first use; EditorAperto() does not create it.
frmNodi* EditorNodi();
frmNodi* EditorAperto();

// The main window that holds the editor and the start window (set by frmMain itself).
void ImpostaFinestraPrincipale(frmMain* finestra);
frmMain* FinestraPrincipale();

}  // namespace ModuloTrevon
