#include "calcolo/TipiNodo.h"

#include <algorithm>

namespace {

std::vector<TipoNodo> CreaTipi()
{
    const QString cm = QStringLiteral("[cm.]  ");
    return {
        {QStringLiteral("Catena Puntone a Dente Semplice"),
         {QStringLiteral("Catena"), QStringLiteral("Puntone")},
         {cm + QStringLiteral("tv ="), QStringLiteral("Lv ="), QString(), QString()},
         true, 1, QStringLiteral("della Catena"),
         1, {1}, {1},   // the tie is horizontal and carries no axial force of its own here
         0, &clsGenVerNodi::VerNodoCPDS, FamigliaRelazione::CatenaPuntone,
         {QStringLiteral(" Intaglio SX:  "), QStringLiteral(" Intaglio DX:  ")},
         QStringLiteral(":/editor/TipoCatenaPuntone.svg"), QStringLiteral(":/editor/DisegnoCatenaPuntone.svg")},
        {QStringLiteral("Puntone Saetta a Dente Semplice"),
         {QStringLiteral("Puntone Inferiore"), QStringLiteral("Puntone Superiore"), QStringLiteral("Saetta")},
         {cm + QStringLiteral("tv ="), QString(), QString(), QString()},
         false, 1, QStringLiteral("del Puntone"),
         0, {}, {1, 2},   // the rafter's forces come from the strut
         0, &clsGenVerNodi::VerNodoPSDS, FamigliaRelazione::PuntoneSaetta,
         {QStringLiteral(" Intaglio SUP: "), QStringLiteral(" Intaglio INF: ")},
         QStringLiteral(":/editor/TipoPuntoneSaetta.svg"), QStringLiteral(":/editor/DisegnoPuntoneSaetta.svg")},
        {QStringLiteral("Monaco Puntoni a Dente Semplice"),
         {QStringLiteral("Puntone Sx"), QStringLiteral("Monaco"), QStringLiteral("Puntone Dx")},
         {cm + QStringLiteral("tv1="), QStringLiteral("Lv1="), QStringLiteral("tv2="), QStringLiteral("Lv2=")},
         false, 2, QStringLiteral("del Monaco"),
         0, {2}, {2},   // the king post is vertical
         2, &clsGenVerNodi::VerNodoMPMSDS, FamigliaRelazione::Monaco,
         {QStringLiteral(" Intaglio SUP: "), QStringLiteral(" Intaglio INF: ")},
         QStringLiteral(":/editor/TipoMonacoPuntoni.svg"), QStringLiteral(":/editor/DisegnoMonacoPuntoni.svg")},
        {QStringLiteral("Monaco Saette a Dente Semplice"),
         {QStringLiteral("Saetta Sx"), QStringLiteral("Monaco"), QStringLiteral("Saetta Dx")},
         {cm + QStringLiteral("tv1="), QStringLiteral("Lv1="), QStringLiteral("tv2="), QStringLiteral("Lv2=")},
         false, 2, QStringLiteral("del Monaco"),
         0, {2}, {2},
         2, &clsGenVerNodi::VerNodoMPMSDS, FamigliaRelazione::Monaco,
         {QStringLiteral(" Intaglio INF: "), QStringLiteral(" Intaglio SUP: ")},
         QStringLiteral(":/editor/TipoMonacoSaette.svg"), QStringLiteral(":/editor/DisegnoMonacoSaette.svg"),
         true},
    };
}

bool Contiene(const std::vector<int>& v, int k) { return std::find(v.begin(), v.end(), k) != v.end(); }

}  // namespace

bool TipoNodo::ChiedeAngolo(int k) const { return !Contiene(senzaAngolo, k); }

bool TipoNodo::ChiedeSforzo(int k) const { return !Contiene(senzaSforzo, k); }

const std::vector<TipoNodo>& TipoNodo::Tutti()
{
    static const std::vector<TipoNodo> tipi = CreaTipi();
    return tipi;
}

int TipoNodo::Indice(const QString& nome)
{
    const std::vector<TipoNodo>& tipi = Tutti();
    for (std::size_t i = 0; i < tipi.size(); ++i)
        if (tipi[i].nome == nome)
            return static_cast<int>(i);
    return -1;
}

const TipoNodo* TipoNodo::perNome(const QString& nome)
{
    const int i = Indice(nome);
    return i < 0 ? nullptr : &Tutti()[static_cast<std::size_t>(i)];
}

QStringList TipoNodo::Nomi()
{
    QStringList nomi;
    for (const TipoNodo& t : Tutti())
        nomi << t.nome;
    return nomi;
}
