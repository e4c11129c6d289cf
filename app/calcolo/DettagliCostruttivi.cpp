#include "calcolo/DettagliCostruttivi.h"

#include "calcolo/TipiNodo.h"

#include <algorithm>

namespace DettagliCostruttivi {

namespace {

double Angolo(const clsNodo& nodo, int k) { return static_cast<double>(nodo.Asta->Item(k)->Angolo); }

}  // namespace

double Profondita(const clsAsta& a)
{
    return QString::fromStdString(a.TipoSezione).trimmed() == QStringLiteral("Circolare") ? 2.0 * static_cast<double>(a.Base) : static_cast<double>(a.Altezza);
}

double ProfonditaMassima(double h, double gamma, bool dueLati)
{
    if (dueLati || gamma > 60.0)
        return h / 6.0;
    if (gamma <= 50.0)
        return h / 4.0;
    return h / 4.0 - (gamma - 50.0) / 10.0 * (h / 4.0 - h / 6.0);
}

float LunghezzaEfficace(float lv, float tv) { return std::min(lv, 8.0f * tv); }

std::vector<LimiteIntaglio> LimitiIntaglio(const clsNodo& nodo)
{
    std::vector<LimiteIntaglio> limiti;
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr || nodo.Asta->Count() < tipo->NumeroAste())
        return limiti;
    const double h = Profondita(*nodo.Asta->Item(tipo->astaIntagliata));
    auto aggiungi = [&](const QString& nome, const QString& simbolo, float tv, double gamma, bool dueLati) {
        LimiteIntaglio l;
        l.nome = nome;
        l.simbolo = simbolo;
        l.tv = tv * 10.0f;
        l.h = static_cast<float>(h * 10.0);
        l.gamma = static_cast<float>(gamma);
        l.dueLati = dueLati;
        l.tvMax = static_cast<float>(ProfonditaMassima(h * 10.0, gamma, dueLati));
        limiti.push_back(l);
    };
    const QString nome = QStringLiteral("Profondità intaglio");
    switch (tipo->famiglia) {
    case FamigliaRelazione::CatenaPuntone:
        aggiungi(nome, QStringLiteral("tv"), nodo.tv, Angolo(nodo, 2), false);
        break;
    case FamigliaRelazione::PuntoneSaetta:
        aggiungi(nome, QStringLiteral("tv"), nodo.tv, 180.0 - Angolo(nodo, 1) - Angolo(nodo, 3), false);
        break;
    case FamigliaRelazione::Monaco: {
        // The post carries a notch from each side.
        const bool due = nodo.tv > 0.0f && nodo.tvB > 0.0f;
        aggiungi(nome + QStringLiteral(" tv1"), QStringLiteral("tv1"), nodo.tv, 90.0 - Angolo(nodo, 1), due);
        aggiungi(nome + QStringLiteral(" tv2"), QStringLiteral("tv2"), nodo.tvB, 90.0 - Angolo(nodo, 3), due);
        break;
    }
    }
    return limiti;
}

}  // namespace DettagliCostruttivi
