#include "calcolo/ControlliNodo.h"

#include "calcolo/DettagliCostruttivi.h"
#include "calcolo/Numeri.h"
#include "calcolo/TipiNodo.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool Verificato(float sollecitazione, float resistenza, Normativa normativa)
{
    if (!std::isfinite(sollecitazione) || !std::isfinite(resistenza) || sollecitazione < 0.0f)
        return false;
    return normativa == Normativa::NTC2018 ? sollecitazione <= resistenza : sollecitazione < resistenza;
}

std::vector<ControlloNodo> ControlliNodo(const clsNodo& nodo, Normativa normativa)
{
    std::vector<ControlloNodo> controlli;
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return controlli;
    auto aggiungi = [&controlli, normativa](const QString& nome, float s, float r) {
        controlli.push_back({nome, s, r, Verificato(s, r, normativa)});
    };
    if (normativa == Normativa::NTC2018)
        for (const DettagliCostruttivi::LimiteIntaglio& l : DettagliCostruttivi::LimitiIntaglio(nodo))
            aggiungi(l.nome, l.tv, l.tvMax);
    auto facce = [&](const QString& lato, float s1, float fd1, float s2, float fd2) {
        aggiungi(lato + tipo->etichetteFacce[0].trimmed() + QStringLiteral(" compressione inclinata F1"), s1, fd1);
        if (!tipo->arretrato)
            aggiungi(lato + tipo->etichetteFacce[1].trimmed() + QStringLiteral(" compressione inclinata F2"), s2, fd2);
    };
    const bool monaco = tipo->famiglia == FamigliaRelazione::Monaco;
    facce(monaco ? QStringLiteral("Saetta di sinistra, ") : QString(), nodo.tens1, nodo.fd1, nodo.tens2, nodo.fd2);
    if (tipo->famiglia == FamigliaRelazione::CatenaPuntone && nodo.Asta->Count() >= 1) {
        const clsAsta& catena = *nodo.Asta->Item(1);
        aggiungi(QStringLiteral("Taglio tallone"), nodo.tau, catena.Res_Fvd);
        if (nodo.ReazioneY != 0 && nodo.LunghezzaAppoggio != 0)
            aggiungi(QStringLiteral("Appoggio compressione perpendicolare alla fibratura"), nodo.tens3, catena.Res_Fc90d);
    }
    if (monaco)
        facce(QStringLiteral("Saetta di destra, "), nodo.tens1B, nodo.fd1B, nodo.tens2B, nodo.fd2B);
    return controlli;
}

double Eta(const ControlloNodo& c)
{
    if (!(c.resistenza > 0.0f))
        return std::numeric_limits<double>::infinity();
    return 100.0 * static_cast<double>(c.sollecitazione) / static_cast<double>(c.resistenza);
}

bool TuttiSuperati(const std::vector<ControlloNodo>& controlli)
{
    return !controlli.empty() &&
           std::all_of(controlli.begin(), controlli.end(), [](const ControlloNodo& c) { return c.esito; });
}

int Determinante(const std::vector<ControlloNodo>& controlli)
{
    int migliore = -1;
    for (std::size_t i = 0; i < controlli.size(); ++i)
        if (migliore < 0 || Eta(controlli[i]) > Eta(controlli[static_cast<std::size_t>(migliore)]))
            migliore = static_cast<int>(i);
    return migliore;
}

QString RisultatoNonValido(const clsNodo& nodo)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return {};
    auto nonValido = [](const QString& nome, float v, const char* unita) {
        if (!std::isfinite(v))
            return nome + QStringLiteral(" non risulta un numero finito");
        if (v < 0.0f)
            return nome + QStringLiteral(" risulta negativa (") + Numeri::TestoDueDecimali(static_cast<double>(v)) +
                   QLatin1Char(' ') + QString::fromUtf8(unita) + QLatin1Char(')');
        return QString();
    };
    // The face forces, then the stress and the strength of every check the report states.
    // A rear step writes no second face: what F2 holds is not this verification's.
    std::vector<std::pair<QString, float>> forze{{QStringLiteral("la forza F1"), nodo.F1 / 1000}};
    if (!tipo->arretrato)
        forze.push_back({QStringLiteral("la forza F2"), nodo.F2 / 1000});
    if (tipo->famiglia == FamigliaRelazione::Monaco) {
        forze.push_back({QStringLiteral("la forza F1 della saetta di destra"), nodo.F1B / 1000});
        if (!tipo->arretrato)
            forze.push_back({QStringLiteral("la forza F2 della saetta di destra"), nodo.F2B / 1000});
    }
    for (const auto& [nome, v] : forze)
        if (const QString e = nonValido(nome, v, "kN"); !e.isEmpty())
            return e;
    for (const ControlloNodo& c : ControlliNodo(nodo)) {
        if (const QString e = nonValido(c.nome + QStringLiteral(": la tensione"), c.sollecitazione, "N/mm\u00b2"); !e.isEmpty())
            return e;
        if (const QString e = nonValido(c.nome + QStringLiteral(": la resistenza"), c.resistenza, "N/mm\u00b2"); !e.isEmpty())
            return e;
    }
    return {};
}
