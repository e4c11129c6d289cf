#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/DurateCarico.h"
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
    // The calculation's code; by default NTC 2008.
    virtual Normativa normativa() const { return Normativa::NTC2008; }
    // The γM column of an NTC 2018 calculation ('A' or 'B').
    virtual char colonnaGammaM() const { return 'A'; }
    // A joint's load-duration class, and the kmod its design strengths were computed with.
    virtual int durataNodo(const clsNodo&) const { return DurataCarico::Permanente; }
    virtual float kmodNodo(const clsNodo&) const { return valKmod(); }
};

// The coefficients of a calculation, γM by the timber type of each bar's material, kmod by
// each joint's load-duration class.
class CoefficientiCalcolo : public FonteCoefficienti {
public:
    explicit CoefficientiCalcolo(const Coefficienti& c, const TipologieMateriali& t = {}, const DurateCarico& d = {})
        : c_(c), t_(t), d_(d)
    {
    }
    QString strClasse() const override { return c_.strClasse(); }
    float valKmod() const override { return c_.valKmod(); }
    float valGM(const QString& DescrMat) const override { return c_.valGM(DescrMat); }
    float gammaMAsta(const clsAsta& a) const override { return GammaMUsato(c_, t_.Di(a)); }
    Normativa normativa() const override { return c_.normativa; }
    char colonnaGammaM() const override { return c_.colonnaGammaM; }
    int durataNodo(const clsNodo& n) const override { return d_.Di(n); }
    float kmodNodo(const clsNodo& n) const override { return c_.valKmod(d_.Di(n)); }

private:
    Coefficienti c_;
    TipologieMateriali t_;
    DurateCarico d_;
};
