#pragma once
#include <QString>

// Where the report takes the normative coefficients from: the joint editor's service class
// and coefficient fields (strClasse, valKmod, valGM), read when the report is written.
class FonteCoefficienti {
public:
    virtual ~FonteCoefficienti() = default;

    virtual QString strClasse() const = 0;                    // caption of the selected service class
    virtual float valKmod() const = 0;                        // kmod of the selected service class
    virtual float valGM(const QString& DescrMat) const = 0;   // γM for a material description
};
