#pragma once
#include "QOR_TRVSL10.h"

#include <QMetaType>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

// A joint drawn from its registered data at its real proportions and angles: the notched
// member, each incoming bar with its depth and inclination, the notch at depth tv, the heel
// and the support, with their dimensions written. Lengths in mm, angles in degrees.
struct DisegnoNodo {
    struct Dente {
        double tv = 0;        // notch depth
        double lv = 0;        // heel length; 0 = the joint has no heel
        double gamma = 0;     // angle between the incoming bar and the notched member
        double h = 0;         // depth of the incoming bar
        double N = 0;         // thrust of the incoming bar, kN (magnitude)
        QString pedice;       // "" or "1", "2": the suffix of the report's symbols
    };
    enum class Forma { Nessuna, CatenaPuntone, PuntoneSaetta, MonacoPuntoni, MonacoSaette };

    Forma forma = Forma::Nessuna;
    bool arretrato = false;      // rear steps: the bar's square end on one notch face
    double hIntagliata = 0;      // depth of the notched member
    double inclinazione = 0;     // of the notched rafter of a rafter–strut joint
    std::vector<Dente> denti;    // one, or left and right of a king post
    double appoggio = 0;         // bearing length; 0 = no support check
    double reazione = 0;         // support reaction, kN

    // Every length positive and every angle strictly between 0° and 180°.
    bool Valido() const;
};
Q_DECLARE_METATYPE(DisegnoNodo)

// The drawing of a registered joint; Forma::Nessuna for a type that has none.
DisegnoNodo DisegnoDi(const clsNodo& nodo);

// Size of the drawing on paper, mm.
QSizeF DimensioneDisegno(const DisegnoNodo& d);

// Draws the joint fitted in area (device units), as lines, fills and text: vectors on any
// device. Draws nothing for a drawing that is not valid.
void Disegna(QPainter& p, const QRectF& area, const DisegnoNodo& d);
