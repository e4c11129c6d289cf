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
