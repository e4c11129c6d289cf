#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/FileCalcolo.h"
#include "calcolo/RegistrazioneNodo.h"

#include "QOR_TRVSL10.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// An opened calculation registered and verified joint by joint into a new register, through
// the same validation and registration as the editor's "Registra". Nothing of the calculation
// in progress is touched: the caller adopts the register when the whole file was accepted.
struct AperturaCalcolo {
    std::shared_ptr<clsGenVerNodi> registro;   // every joint registered (a refused verification included)
    int nodoRifiutato = 0;                      // first joint the validation refused; 0 = none
    QString rifiuto;                            // the validation's message for it
    std::vector<EsitoVerifica> verifiche;       // per joint, in order (a joint with no type: not eseguita)
    DurateCarico durate;                        // load-duration class of each new joint record
    bool annullato = false;                     // the progress callback asked to stop

    bool Accettato() const { return nodoRifiutato == 0 && !annullato && registro != nullptr; }
};

// registro is the new, empty register to fill (its messages go where its owner sends them);
// inizioNodo, when given, is told the number of each joint before it is verified.
AperturaCalcolo RegistraCalcolo(const FileCalcolo::Calcolo& letto, std::shared_ptr<clsGenVerNodi> registro,
                                const Coefficienti& coefficienti, float piGreco,
                                const std::function<void(int)>& inizioNodo = {},
                                const std::function<bool(int fatti, int totale)>& avanzamento = {});
