#include "calcolo/ProprietaMateriali.h"

#include <QStringList>

namespace {

std::vector<ProprietaMateriale> CreaProprieta()
{
    const QString res = QStringLiteral("Resistenza Caratteristica");
    const QString rig = QStringLiteral("Rigidezza");
    const QString massa = QStringLiteral("Massa");
    const QString nmm = QStringLiteral("N/mm²");
    const QString kgm = QStringLiteral("Kg/m³");
    // The characteristic strengths are required; moduli and density are not used by the
    // verifications and may be left without a value.
    auto p = [&res](const char* col, const char* et, const char* did, const char* sim, const QString& gr,
                    const QString& un, float clsAsta::*m) {
        return ProprietaMateriale{QString::fromLatin1(col), QString::fromLatin1(et), QString::fromUtf8(did),
                                  QString::fromUtf8(sim),   gr, un, QString::fromLatin1(col), m, gr == res};
    };
    return {
        p("Fmk", "Fmk", "Flessione", "f<sub>m,k</sub>", res, nmm, &clsAsta::Res_Fmk),
        p("Ft0k", "Ft,0,k", "Trazione Parallela alle fibre", "f<sub>t,0,k</sub>", res, nmm, &clsAsta::Res_Ft0k),
        p("Ft90k", "Ft,90,k", "Trazione Ortogonale alle fibre", "f<sub>t,90,k</sub>", res, nmm, &clsAsta::Res_Ft90k),
        p("Fc0k", "Fc,0,k", "Compressione Parallela alle fibre", "f<sub>c,0,k</sub>", res, nmm, &clsAsta::Res_Fc0k),
        p("Fc90k", "Fc,90,k", "Compressione Ortogonale alle fibre", "f<sub>c,90,k</sub>", res, nmm,
          &clsAsta::Res_Fc90k),
        p("Fvk", "Fvk", "Taglio", "f<sub>v,k</sub>", res, nmm, &clsAsta::Res_Fvk),
        p("E0mean", "E0,mean", "Modulo Elastico Parallelo Medio", "E<sub>0,mean</sub>", rig, nmm,
          &clsAsta::ModEl_0mean),
        p("E05", "E0,05", "Modulo Elastico Parallelo Caratteristico", "E<sub>0,05</sub>", rig, nmm,
          &clsAsta::ModEl_05),
        p("E90mean", "E90,mean", "Modulo Elastico Ortogonale Medio", "E<sub>90,mean</sub>", rig, nmm,
          &clsAsta::ModEl_90),
        p("Gmean", "Gmean", "Modulo Elastico Tangenziale Medio", "G<sub>mean</sub>", rig, nmm,
          &clsAsta::ModEl_Gmean),
        p("rok", "Massa", "Massa Volumica Caratteristica", "&rho;<sub>k</sub>", massa, kgm, &clsAsta::Peso),
    };
}

}  // namespace

const std::vector<ProprietaMateriale>& ProprietaMateriale::Tutte()
{
    static const std::vector<ProprietaMateriale> tutte = CreaProprieta();
    return tutte;
}

const ProprietaMateriale* ProprietaMateriale::perColonna(const QString& colonna)
{
    for (const ProprietaMateriale& p : Tutte())
        if (p.colonna.compare(colonna, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

const ProprietaMateriale* ProprietaMateriale::perEtichetta(const QString& etichetta)
{
    for (const ProprietaMateriale& p : Tutte())
        if (p.etichetta == etichetta)
            return &p;
    return nullptr;
}

QStringList ColonneMateriale::Essenziali()
{
    QStringList c{Numero, Classe, Descrizione};
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
        c << p.colonna;
    return c;
}

QStringList ColonneMateriale::Tutte() { return Essenziali() << Tipologia; }
