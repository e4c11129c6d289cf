#include "calcolo/AperturaCalcolo.h"

#include "calcolo/DatiNodo.h"
#include "calcolo/RegistrazioneNodo.h"
#include "calcolo/ValidazioneNodo.h"

#include <stdexcept>

AperturaCalcolo RegistraCalcolo(const FileCalcolo::Calcolo& letto, std::shared_ptr<clsGenVerNodi> registro,
                                const Coefficienti& coefficienti, float piGreco,
                                const std::function<void(int)>& inizioNodo,
                                const std::function<bool(int, int)>& avanzamento)
{
    AperturaCalcolo esito;
    esito.registro = std::move(registro);
    clsGenVerNodi& reg = *esito.registro;
    for (std::size_t i = 0; i < letto.nodi.size(); ++i) {
        const auto n = static_cast<std::int16_t>(i + 1);
        if (avanzamento && !avanzamento(static_cast<int>(i), static_cast<int>(letto.nodi.size()))) {
            esito.annullato = true;
            return esito;
        }
        const clsNodo& salvato = *letto.nodi[i];
        reg.CreaNodo(std::string());
        esito.verifiche.emplace_back();
        if (salvato.TipoNodo.empty())
            continue;
        clsNodo& nodo = *reg.Nodi->Item(n);
        // Values the type does not use stay as they were saved; registration writes the others.
        nodo.tv = salvato.tv;
        nodo.Lv = salvato.Lv;
        nodo.ReazioneY = salvato.ReazioneY;
        nodo.LunghezzaAppoggio = salvato.LunghezzaAppoggio;
        nodo.tvB = salvato.tvB;
        nodo.LvB = salvato.LvB;

        DatiNodo dati = DatiNodo::DaNodo(salvato, letto.tipologie);
        dati.durata = letto.durate.Di(salvato);
        const EsitoValidazione v = ValidaNodo(dati);
        if (!v.valido || !RegistraNodo(reg, n, nodo, dati, coefficienti, piGreco, nullptr, &esito.durate)) {
            esito.nodoRifiutato = n;
            esito.rifiuto = v.valido ? TestoTipoNonImplementato() : v.messaggio;
            return esito;
        }
        // A joint the library refuses stays registered, as it was saved.
        if (inizioNodo)
            inizioNodo(n);
        esito.verifiche.back() = EseguiVerifica(reg, n, coefficienti.normativa);
    }
    return esito;
}
