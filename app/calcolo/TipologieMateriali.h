#pragma once
#include "QOR_TRVSL10.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

// The timber type of a material, which picks the row of the code's γM table (Table 4.4.III)
// that gives its partial factor. Types 1..4 are rows 1..4 of the NTC 2008 table; 5 (CLT) has
// a row in the NTC 2018 table only. 0 = not stated.
namespace Tipologia {
constexpr int Nessuna = 0;
constexpr int CLT = 5;
constexpr int Massima = 5;
QString Nome(int tipologia);   // the type's caption; empty for 0
QStringList Nomi();            // types 1..5
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
