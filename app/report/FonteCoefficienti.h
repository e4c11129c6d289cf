#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/RegistrazioneNodo.h"
#include "calcolo/TipologieMateriali.h"

#include "QOR_TRVSL10.h"

#include <QString>

// Where the report takes the normative coefficients from (strClasse, valKmod, valGM), read
// when the report is written.
class FonteCoefficienti {
public:
    virtual ~FonteCoefficienti() = default;

    virtual QString strClasse() const = 0;                    // caption of the selected service class
    virtual float valKmod() const = 0;                        // kmod of the selected service class
    virtual float valGM(const QString& DescrMat) const = 0;   // γM for a material description
    // γM a bar's design strengths were computed with; by default that of its description.
    virtual float gammaMAsta(const clsAsta& a) const { return valGM(QString::fromStdString(a.DescrizioneMateriale)); }
};

// The coefficients of a calculation, γM by the timber type of each bar's material.
class CoefficientiCalcolo : public FonteCoefficienti {
public:
    explicit CoefficientiCalcolo(const Coefficienti& c, const TipologieMateriali& t = {}) : c_(c), t_(t) {}
    QString strClasse() const override { return c_.strClasse(); }
    float valKmod() const override { return c_.valKmod(); }
    float valGM(const QString& DescrMat) const override { return c_.valGM(DescrMat); }
    float gammaMAsta(const clsAsta& a) const override { return GammaMUsato(c_, t_.Di(a)); }

private:
    Coefficienti c_;
    TipologieMateriali t_;
};
