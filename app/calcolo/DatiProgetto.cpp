#include "calcolo/DatiProgetto.h"

const std::array<DatiProgetto::Campo, 5>& DatiProgetto::Campi()
{
    static const std::array<Campo, 5> campi{{
        {"progetto", "Progetto", &DatiProgetto::progetto},
        {"committente", "Committente", &DatiProgetto::committente},
        {"localita", "Località", &DatiProgetto::localita},
        {"progettista", "Progettista", &DatiProgetto::progettista},
        {"note", "Note", &DatiProgetto::note},
    }};
    return campi;
}
