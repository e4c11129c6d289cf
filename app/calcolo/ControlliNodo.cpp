#include "calcolo/ControlliNodo.h"

#include "calcolo/Numeri.h"
#include "calcolo/TipiNodo.h"

#include <cmath>

bool Verificato(float sollecitazione, float resistenza)
{
    return std::isfinite(sollecitazione) && std::isfinite(resistenza) && sollecitazione >= 0.0f &&
           sollecitazione < resistenza;
}

std::vector<ControlloNodo> ControlliNodo(const clsNodo& nodo)
{
    std::vector<ControlloNodo> controlli;
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return controlli;
    auto aggiungi = [&controlli](const QString& nome, float s, float r) {
        controlli.push_back({nome, s, r, Verificato(s, r)});
    };
    auto facce = [&](const QString& lato, float s1, float fd1, float s2, float fd2) {
        aggiungi(lato + tipo->etichetteFacce[0].trimmed() + QStringLiteral(" compressione inclinata F1"), s1, fd1);
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

QString RisultatoNonValido(const clsNodo& nodo)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return {};
    struct Valore {
        const char* nome;
        float v;
        const char* unita;
    };
    std::vector<Valore> valori{{"la forza F1", nodo.F1 / 1000, "kN"},
                               {"la forza F2", nodo.F2 / 1000, "kN"},
                               {"la tensione \u03c31", nodo.tens1, "N/mm\u00b2"},
                               {"la resistenza fc\u03b11,d", nodo.fd1, "N/mm\u00b2"},
                               {"la tensione \u03c32", nodo.tens2, "N/mm\u00b2"},
                               {"la resistenza fc\u03b12,d", nodo.fd2, "N/mm\u00b2"}};
    if (tipo->famiglia == FamigliaRelazione::CatenaPuntone) {
        valori.push_back({"la tensione tangenziale \u03c4", nodo.tau, "N/mm\u00b2"});
        if (nodo.ReazioneY != 0 && nodo.LunghezzaAppoggio != 0)
            valori.push_back({"la tensione d'appoggio \u03c3", nodo.tens3, "N/mm\u00b2"});
    }
    if (tipo->famiglia == FamigliaRelazione::Monaco) {
        valori.insert(valori.end(), {{"la forza F1 della saetta di destra", nodo.F1B / 1000, "kN"},
                                     {"la forza F2 della saetta di destra", nodo.F2B / 1000, "kN"},
                                     {"la tensione \u03c31 della saetta di destra", nodo.tens1B, "N/mm\u00b2"},
                                     {"la resistenza fc\u03b11,d della saetta di destra", nodo.fd1B, "N/mm\u00b2"},
                                     {"la tensione \u03c32 della saetta di destra", nodo.tens2B, "N/mm\u00b2"},
                                     {"la resistenza fc\u03b12,d della saetta di destra", nodo.fd2B, "N/mm\u00b2"}});
    }
    for (const Valore& x : valori) {
        if (!std::isfinite(x.v))
            return QString::fromUtf8(x.nome) + QStringLiteral(" non risulta un numero finito");
        if (x.v < 0.0f)
            return QString::fromUtf8(x.nome) + QStringLiteral(" risulta negativa (") +
                   Numeri::TestoDueDecimali(static_cast<double>(x.v)) + QLatin1Char(' ') + QString::fromUtf8(x.unita) +
                   QLatin1Char(')');
    }
    return {};
}
