#pragma once
#include "calcolo/FileCalcolo.h"

#include <QString>
#include <QStringList>

// Saving and opening the calculation in progress (.trv files), and the prompt that guards
// closing with joints changed since the last save.
namespace ModuloTrevon {

// "Salva Calcolo": registers unregistered edits when asked, chooses the file (the current one
// proposed) and saves. True when saved.
bool SalvaCalcolo();
// Writes the calculation to percorso through a temporary file renamed into place; a failure
// is shown and leaves any previous file as it was. True when saved.
bool SalvaCalcoloIn(const QString& percorso);

// "Apri Calcolo": the prompts for unregistered and unsaved changes, the file dialog, then
// ApriCalcoloDaFile. True when the calculation was replaced.
bool ApriCalcolo();
// Reads and checks the whole file, then replaces the calculation, registering and verifying
// every joint through the calculation core, and shows joint 1. A refused file is explained and leaves
// the calculation in memory untouched.
bool ApriCalcoloDaFile(const QString& percorso);

// The last calculation files saved or opened (at most 8, the newest first), those that no
// longer exist dropped from the settings.
QStringList CalcoliRecenti();

// "Apri Calcolo" on a recent file: the prompts of ApriCalcolo, then the file without the dialog.
bool ApriCalcoloRecente(const QString& percorso);

// The calculation as the file would hold it: the register and the editor's coefficients (or
// those the editor had when it closed).
FileCalcolo::Calcolo CalcoloCorrente();
// True when the calculation has registered joints and differs from what was last saved/opened.
bool CalcoloDaSalvare();
// The main window's title: the program, and while a calculation is open its file's name
// ("Nuovo Calcolo" before it has one) with Qt's "[*]" for the unsaved mark.
QString TitoloCalcolo();
// Closing prompt (Yes/No/Cancel) when CalcoloDaSalvare; true when closing may go on.
bool ConsentiChiusuraCalcolo();

// A new calculation has no file yet (start of "Avvia").
void NuovoCalcoloSenzaFile();
QString PercorsoCalcolo();   // file of the calculation, empty when never saved or opened

}  // namespace ModuloTrevon
