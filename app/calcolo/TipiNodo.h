#pragma once
#include "QOR_TRVSL10.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// The joint types: one row per type decides everything the program does differently for it
// (editor layout, validation, registration, verification, report, file). Nothing else asks
// which type a joint is by its position in a list.

// Report layout of a type's step-joint section; a rear-step type ("Dente Arretrato") shares its
// family's layout without the second face.
enum class FamigliaRelazione { CatenaPuntone, PuntoneSaetta, Monaco };

// Notch measures of the joint record, in the order of the editor's txtMis(1..4).
inline constexpr std::array<float clsNodo::*, 4> MisureNodo{&clsNodo::tv, &clsNodo::Lv, &clsNodo::tvB,
                                                            &clsNodo::LvB};

struct TipoNodo {
    using Verifica = void (clsGenVerNodi::*)(bool&, std::int16_t);

    QString nome;                        // as stored in clsNodo::TipoNodo and listed by the editor
    QStringList aste;                    // roles of bars 1..n
    std::array<QString, 4> didascalie;   // captions of the notch measures; empty = not used
    bool appoggio;                       // support reaction and bearing length used
    int astaIntagliata;                  // bar (1-based) that carries the notch
    QString nomeIntagliata;              // "della Catena": the notched bar in messages
    int astaOrizzontale;                 // bar whose angle must be zero; 0 = none
    std::vector<int> senzaAngolo;        // bars whose angle is not asked for
    std::vector<int> senzaSforzo;        // bars whose axial force is not asked for
    int astaVerticale;                   // bar whose angle is fixed at 90°; 0 = none
    Verifica verifica;                   // the register's method for this type
    FamigliaRelazione famiglia;
    std::array<QString, 2> etichetteFacce;   // report labels of faces 1 and 2
    QString immagineTipo;                // picture in the type picker (resource path)
    QString disegno;                     // drawing shown while the type is selected
    bool asteDalBasso = false;           // king post: the inclined bars come from below (struts)
    bool arretrato = false;              // rear step: one notch face (face 1) per notch, no face 2

    int NumeroAste() const { return static_cast<int>(aste.size()); }
    bool UsaMisura(int i) const { return i >= 1 && i <= 4 && !didascalie[static_cast<std::size_t>(i - 1)].isEmpty(); }
    bool ChiedeAngolo(int k) const;
    bool ChiedeSforzo(int k) const;
    QString NomeAsta(int k) const { return k >= 1 && k <= aste.size() ? aste.at(k - 1) : QString(); }

    static const std::vector<TipoNodo>& Tutti();          // list order of the editor
    static const TipoNodo* perNome(const QString& nome);  // null for any other text
    static int Indice(const QString& nome);               // position in Tutti(), -1 if none
    static QStringList Nomi();
};
