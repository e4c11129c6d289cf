#include "calcolo/RisultatiNodo.h"

#include "calcolo/TipiNodo.h"

#include <cstdint>
#include <cstring>
#include <limits>

CopiaDiProva::CopiaDiProva(const clsNodo& nodo) : registro_([](const std::string&, bool) {})
{
    registro_.CreaNodo(nodo.TipoNodo);
    clsNodo& copia = Nodo();
    copia = nodo;
    copia.Asta = std::make_shared<Collezione<clsAsta>>();
    for (int k = 1; k <= nodo.Asta->Count(); ++k)
        copia.Asta->Add(std::make_shared<clsAsta>(*nodo.Asta->Item(k)));
}

#define RISULTATO(m) RisultatoNodo{#m, &clsNodo::m}

const std::vector<RisultatoNodo>& RisultatoNodo::Tutti()
{
    static const std::vector<RisultatoNodo> tutti{
        RISULTATO(alfa),     RISULTATO(beta),     RISULTATO(Teta),   RISULTATO(F1),     RISULTATO(F2),
        RISULTATO(fd1),      RISULTATO(tens1),    RISULTATO(Angolo1), RISULTATO(fd2),   RISULTATO(tens2),
        RISULTATO(Angolo2),  RISULTATO(tau),      RISULTATO(fvd),    RISULTATO(LAppEfficace),
        RISULTATO(tens3),    RISULTATO(fd3),      RISULTATO(alfaB),  RISULTATO(betaB),  RISULTATO(TetaB),
        RISULTATO(F1B),      RISULTATO(F2B),      RISULTATO(fd1B),   RISULTATO(tens1B), RISULTATO(Angolo1B),
        RISULTATO(fd2B),     RISULTATO(tens2B),   RISULTATO(Angolo2B), RISULTATO(tauB), RISULTATO(fvdB),
        RISULTATO(tens3B),   RISULTATO(fd3B)};
    return tutti;
}

#undef RISULTATO

std::vector<RisultatoNodo> RisultatoNodo::ScrittiDa(const clsNodo& nodo)
{
    std::vector<RisultatoNodo> scritti;
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return scritti;
    CopiaDiProva prova(nodo);
    clsNodo& copia = prova.Nodo();
    // A NaN payload no arithmetic produces marks what the run leaves alone.
    const std::uint32_t bitsMarca = 0x7fa5a5a5u;
    float marca;
    std::memcpy(&marca, &bitsMarca, sizeof marca);
    for (const RisultatoNodo& r : Tutti())
        copia.*r.membro = marca;
    bool procedi = true;
    try {
        (prova.Registro().*tipo->verifica)(procedi, 1);
    } catch (const std::exception&) {
        // the results written before the failing step still count
    }
    for (const RisultatoNodo& r : Tutti()) {
        std::uint32_t bits;
        const float v = copia.*r.membro;
        std::memcpy(&bits, &v, sizeof bits);
        if (bits != bitsMarca)
            scritti.push_back(r);
    }
    return scritti;
}
