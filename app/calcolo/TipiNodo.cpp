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
        // Rear steps: the bar's end, cut square to its axis, bears on one notch face with its whole
        // thrust; the rear-step methods read no second face and the king post's none of its heels.
        {QStringLiteral("Catena Puntone a Dente Arretrato"),
         {QStringLiteral("Catena"), QStringLiteral("Puntone")},
         {cm + QStringLiteral("tv ="), QStringLiteral("Lv ="), QString(), QString()},
         true, 1, QStringLiteral("della Catena"),
         1, {1}, {1},
         0, &clsGenVerNodi::VerNodoCPDA, FamigliaRelazione::CatenaPuntone,
         {QStringLiteral(" Intaglio SX:  "), QString()},
         QStringLiteral(":/editor/TipoCatenaPuntoneArretrato.svg"),
         QStringLiteral(":/editor/DisegnoCatenaPuntoneArretrato.svg"), false, true},
        {QStringLiteral("Puntone Saetta a Dente Arretrato"),
         {QStringLiteral("Puntone Inferiore"), QStringLiteral("Puntone Superiore"), QStringLiteral("Saetta")},
         {cm + QStringLiteral("tv ="), QString(), QString(), QString()},
         false, 1, QStringLiteral("del Puntone"),
         0, {}, {1, 2},
         0, &clsGenVerNodi::VerNodoPSDA, FamigliaRelazione::PuntoneSaetta,
         {QStringLiteral(" Intaglio SUP: "), QString()},
         QStringLiteral(":/editor/TipoPuntoneSaettaArretrato.svg"),
         QStringLiteral(":/editor/DisegnoPuntoneSaettaArretrato.svg"), false, true},
        {QStringLiteral("Monaco Puntoni a Dente Arretrato"),
         {QStringLiteral("Puntone Sx"), QStringLiteral("Monaco"), QStringLiteral("Puntone Dx")},
         {cm + QStringLiteral("tv1="), QString(), QStringLiteral("tv2="), QString()},
         false, 2, QStringLiteral("del Monaco"),
         0, {2}, {2},
         2, &clsGenVerNodi::VerNodoMPMSDA, FamigliaRelazione::Monaco,
         {QStringLiteral(" Intaglio SUP: "), QString()},
         QStringLiteral(":/editor/TipoMonacoPuntoniArretrato.svg"),
         QStringLiteral(":/editor/DisegnoMonacoPuntoniArretrato.svg"), false, true},
        {QStringLiteral("Monaco Saette a Dente Arretrato"),
         {QStringLiteral("Saetta Sx"), QStringLiteral("Monaco"), QStringLiteral("Saetta Dx")},
         {cm + QStringLiteral("tv1="), QString(), QStringLiteral("tv2="), QString()},
         false, 2, QStringLiteral("del Monaco"),
         0, {2}, {2},
         2, &clsGenVerNodi::VerNodoMPMSDA, FamigliaRelazione::Monaco,
         {QStringLiteral(" Intaglio INF: "), QString()},
         QStringLiteral(":/editor/TipoMonacoSaetteArretrato.svg"),
         QStringLiteral(":/editor/DisegnoMonacoSaetteArretrato.svg"), true, true},
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
