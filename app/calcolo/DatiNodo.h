#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/TipologieMateriali.h"

#include "QOR_TRVSL10.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

// A joint as the editor's fields describe it, in plain data: the texts as typed, and per bar
// the material as its list shows it. Validation and registration work on this value, so the
// editor, a calculation file and the command line share one path.

// A bar's material as loaded from the archive (or from a calculation file).
struct MaterialeAsta {
    int numero = 0;                 // material number; 0 = none
    QString descrizione;
    QHash<QString, float> valori;   // by column (ProprietaMateriale::colonna); absent = no value
    int tipologia = 0;              // timber type, row of the γM table (Tipologia); 0 = not stated

    float Valore(const QString& colonna) const { return valori.value(colonna, 0.0f); }
    // The values a bar record keeps. Values are used at their full precision: the editor's
    // list rounds them for display only.
    static MaterialeAsta DaAsta(const clsAsta& a, const TipologieMateriali& tipologie = {});
    static MaterialeAsta DaArchivio(int numero, const QString& descrizione, const QHash<QString, double>& valori,
                                    int tipologia);
    // Number, description and every value written into the bar record.
    void CopiaIn(clsAsta& a) const;
    // Same number, description and values as registration reads them (a missing value reads 0).
    bool operator==(const MaterialeAsta& o) const;
    bool operator!=(const MaterialeAsta& o) const { return !(*this == o); }
};

struct DatiAsta {
    QString sezione;   // "Rettangolare", "Circolare"; empty when none is selected
    QString base;      // cm; the radius for a circular section
    QString altezza;   // cm
    QString angolo;    // degrees; empty = not given
    QString sforzo;    // kN; empty = not given
    MaterialeAsta materiale;
};

struct DatiNodo {
    QString tipo;                      // joint type name; empty when none is selected
    std::array<QString, 4> misure;     // notch measures as the editor's txtMis(1..4), cm
    QString reazione;                  // support reaction, kN; empty = no support
    QString appoggio;                  // bearing length, cm; empty = no support
    std::vector<DatiAsta> aste;        // bars 1..n of the type
    int durata = DurataCarico::Permanente;   // load-duration class of the joint's forces

    // The fields as the editor shows a joint record (its type's fields only; every bar's
    // section, sizes, angle, force and material).
    static DatiNodo DaNodo(const clsNodo& nodo, const TipologieMateriali& tipologie = {});
};
