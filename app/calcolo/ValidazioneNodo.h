#pragma once
#include "calcolo/DatiNodo.h"

#include <QString>

// The checks a joint's data must pass before registration, in their fixed order; the first
// failure gives the field to put the focus on and the exact message.
struct CampoNodo {
    enum class Tipo { Nessuno, TipoNodo, Misura, Reazione, Appoggio, Sezione, Base, Altezza, Angolo, Sforzo, Materiale };
    Tipo tipo = Tipo::Nessuno;
    int indice = 0;   // measure 1..4 or bar 1..n; 0 otherwise

    bool operator==(const CampoNodo& o) const { return tipo == o.tipo && indice == o.indice; }
};

struct EsitoValidazione {
    bool valido = true;
    CampoNodo campo;    // the failing field
    QString messaggio;  // the message of the Controllo Dati box
    int passo = 0;      // the check that failed: 1 type, 2 notch, 3 support, 4 bars, 5 notch depth, 6 geometry
};

EsitoValidazione ValidaNodo(const DatiNodo& dati);
