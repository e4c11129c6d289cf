#pragma once
#include "calcolo/Coefficienti.h"

#include <QString>

// Where the report takes the normative coefficients from (strClasse, valKmod, valGM), read
// when the report is written.
class FonteCoefficienti {
public:
    virtual ~FonteCoefficienti() = default;

    virtual QString strClasse() const = 0;                    // caption of the selected service class
    virtual float valKmod() const = 0;                        // kmod of the selected service class
    virtual float valGM(const QString& DescrMat) const = 0;   // γM for a material description
};

// The coefficients of a calculation.
class CoefficientiCalcolo : public FonteCoefficienti {
public:
    explicit CoefficientiCalcolo(const Coefficienti& c) : c_(c) {}
    QString strClasse() const override { return c_.strClasse(); }
    float valKmod() const override { return c_.valKmod(); }
    float valGM(const QString& DescrMat) const override { return c_.valGM(DescrMat); }

private:
    Coefficienti c_;
};
