#pragma once
#include "QOR_TRVSL10.h"

#include <QString>

#include <vector>

// The mechanical values of a timber material, declared once: the archive's column, the
// editor's row label, the record sheet's caption and symbol, the unit, the calculation file's
// key and the bar record's member. The SQL template, the sheet, the editor's material list and
// the file format all read this table; values are looked up by name, never by position.
struct ProprietaMateriale {
    QString colonna;      // column of table Legno
    QString etichetta;    // row label in the editor's bar material list
    QString didascalia;   // caption on the record sheet
    QString simbolo;      // symbol on the record sheet (rich text)
    QString gruppo;       // heading of the sheet's group the value belongs to
    QString unita;        // unit of the value
    QString chiaveFile;   // key in a calculation file's material object
    float clsAsta::*membro;   // where a bar keeps it
    bool obbligatoria;        // a strength the verifications use: a material must have it

    static const std::vector<ProprietaMateriale>& Tutte();
    static const ProprietaMateriale* perColonna(const QString& colonna);   // any letter case
    static const ProprietaMateriale* perEtichetta(const QString& etichetta);
};

// The columns of a Legno record that are not mechanical values.
namespace ColonneMateriale {
inline const QString Numero = QStringLiteral("Numero");
inline const QString Classe = QStringLiteral("Classe");
inline const QString Descrizione = QStringLiteral("Descrizione");
inline const QString Tipologia = QStringLiteral("Tipologia");   // timber type, row 1..4 of the γM table
// Numero, Classe, Descrizione, then every value of ProprietaMateriale::Tutte().
QStringList Essenziali();
// The columns of an archive: Essenziali() and Tipologia (added to older archives on open).
QStringList Tutte();
}
