#pragma once
// Surroundings of the benchmark program: temporary folders for the archive and the settings,
// unexpected message boxes recorded instead of shown, generated materials archives.
#include <QString>
#include <QStringList>

class QTemporaryDir;

namespace AmbienteBench {

// Called once by main after the QApplication exists: test paths, a temporary settings store,
// the message box responder, the template archive in a temporary data folder.
void Prepara();

QString Cartella();             // the temporary root of this run
QString CartellaApplicazione(); // where the template lies
QString CartellaDati();         // where MaterialiQor.dms lies
QString CartellaImpostazioni(); // the QSettings path

// Opens the template-based working archive (24 strength classes) as the program does at start-up.
void ApriArchivioModello();

// A SQLite file with table Legno and `materiali` generated records; created on first request
// and kept for the run. Returns its path.
QString ArchivioGenerato(int materiali);
// Makes the file the working archive on the program's connection.
void ApriArchivio(const QString& percorso);

// Message boxes shown since the last call (they are answered with the mildest button).
QStringList AvvisiRicevuti();

// Lets queued calls, deferred deletes and paints run.
void Elabora();

}  // namespace AmbienteBench
