#pragma once
#include "QOR_TRVSL10.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

// The timber type of a material: the row of the γM table (DM 14/01/2008, Table 4.4.III) that
// gives its partial factor. 0 = not stated.
namespace Tipologia {
constexpr int Nessuna = 0;
constexpr int Massima = 4;   // rows 1..4 are materials; 5 (joints) and 6 (SLS) are not
QString Nome(int tipologia);   // the γM table's row caption; empty for 0
QStringList Nomi();            // rows 1..4
int PerNome(const QString& nome);   // 0 when it names no row
// The type the words of a description name ("Massiccio", "Lamellare", "Fibre", "Compensato",
// any letter case, in this order); 0 when none. What archives without the column start from.
int DaDescrizione(const QString& descrizione);
}  // namespace Tipologia

// The timber types of the materials a calculation's bars were registered with, by material
// number and description. A bar with no entry takes the type its description names.
class TipologieMateriali {
public:
    void Imposta(int numero, const QString& descrizione, int tipologia);
    int Di(int numero, const QString& descrizione) const;
    int Di(const clsAsta& a) const;
    bool operator==(const TipologieMateriali& o) const { return tabella_ == o.tabella_; }

private:
    QHash<QPair<int, QString>, int> tabella_;
};
