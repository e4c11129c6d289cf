#include "calcolo/ControlliNodo.h"

#include "calcolo/TipiNodo.h"

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
