#pragma once
#include <QByteArray>
#include <QString>

// Writes a whole file or nothing: through a temporary file beside it, unbuffered so that a
// short write (full disk, size limit) is seen at once, with the size checked before the
// temporary file replaces the old one. On failure no file is left and any old file is as it
// was; motivo says why, in Italian, with the system's own words in brackets.
bool ScriviFileCompleto(const QString& percorso, const QByteArray& dati, QString& motivo);

// The process as the program runs it: a write beyond the file-size limit fails with an error
// the program reports, instead of killing it (SIGXFSZ ignored). Called first at start-up.
void PreparaProcesso();
