#pragma once
#include <QString>

#include <array>

// The normative coefficients of a calculation: the service class with its kmod, and the
// partial factors γM of the material table (DM 14/01/2008, Tables 4.4.IV and 4.4.III).
struct Coefficienti {
    int classeServizio = 1;                                                  // 1..3; 0 = none selected
    std::array<float, 3> kmod{0.60f, 0.60f, 0.50f};                          // per service class
    std::array<float, 6> gammaM{1.50f, 1.45f, 1.50f, 1.40f, 1.50f, 1.00f};   // rows of the γM table

    float valKmod() const;                          // kmod of the service class; 0 when none
    float valGM(const QString& DescrMat) const;     // γM recognised from a material description
    float gammaMTipologia(int tipologia) const;     // γM of a timber type (row 1..4); 0 for none
    QString strClasse() const;                      // caption of the service class

    static QString TestoClasse(int classe);         // caption of service class 1..3
    static QString TestoPredefinitoKmod(int i);     // default text of kmod i, 1..3 ("0,60")
    static QString TestoPredefinitoGammaM(int i);   // default text of γM row i, 1..6 ("1,50")

    bool operator==(const Coefficienti& o) const
    {
        return classeServizio == o.classeServizio && kmod == o.kmod && gammaM == o.gammaM;
    }
    bool operator!=(const Coefficienti& o) const { return !(*this == o); }
};
