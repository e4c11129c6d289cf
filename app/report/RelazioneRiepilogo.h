#pragma once
#include "report/FonteCoefficienti.h"
#include "report/SuperficieRelazione.h"

#include "calcolo/DatiProgetto.h"

#include "QOR_TRVSL10.h"

#include <QDate>
#include <QString>

#include <vector>

// The complete report's opening pages: a cover with the project's data and a summary of
// every joint of the calculation.
namespace Relazione {

// One joint of the summary.
struct RigaRiepilogo {
    int numero = 0;
    QString tipo;
    bool verificato = false;   // the joint was verified (its report exists)
    bool esito = false;        // every check passes
    QString determinante;      // the governing check; empty when not verified
    double eta = 0;            // its utilisation, percent
};

// The summary of the register's joints under the coefficients' code.
std::vector<RigaRiepilogo> Riepilogo(const clsGenVerNodi& registro, const FonteCoefficienti& coefficienti);

// Joints that fail: not verified, or with a check that does not pass.
int NodiNonVerificati(const std::vector<RigaRiepilogo>& righe);

// Clears the surface and writes the cover.
void CreaRelCopertina(SuperficieRelazione& box, const DatiProgetto& progetto, const FonteCoefficienti& coefficienti,
                      const std::vector<RigaRiepilogo>& righe, const QDate& data);

// Clears the surface and writes the summary table and the count of the joints that fail.
void CreaRelRiepilogo(SuperficieRelazione& box, const std::vector<RigaRiepilogo>& righe);

}
