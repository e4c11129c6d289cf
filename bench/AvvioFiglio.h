#pragma once
// The start-up measured as a process of its own: the benchmark program started again with
// ArgomentoAvvio runs the program's start-up on the given folders and ends as soon as the
// start window is shown.

inline constexpr const char* ArgomentoAvvio = "--avvio-trevon";

// Processes events until the main window is exposed with the start window visible and
// painted; false after 10 s.
bool AttendiFinestraIniziale();

// Closes the archive's connection, as at the end of a run.
void DatabaseMateriali_Chiudi();

// argv: program ArgomentoAvvio applicationFolder dataFolder settingsFolder. Exit code 0 when
// the start window was shown.
int AvvioFiglio(int argc, char** argv);

// The memory of the materials list as a process of its own: started again with
// ArgomentoMemoria, the program opens the given archive in the list inside a main window and
// prints "base resident peak" in kB (resident before and after the list opened, and the
// process's peak). argv: program ArgomentoMemoria applicationFolder dataFolder settingsFolder
// archive records.
inline constexpr const char* ArgomentoMemoria = "--memoria-lista";
int MemoriaFiglio(int argc, char** argv);
