#pragma once
// Message boxes and beeps in the application's tests.
#include "shell/ModuloTrevon.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

// The answer to a box no test expected: fails the test and takes the mildest button.
inline ModuloTrevon::Risposta RispostaInattesa(const ModuloTrevon::Avviso& a)
{
    ADD_FAILURE() << "unexpected message box \"" << a.titolo.toStdString() << "\": "
                  << a.testo.toStdString();
    switch (a.pulsanti) {
    case ModuloTrevon::Pulsanti::SiNo: return ModuloTrevon::Risposta::No;
    case ModuloTrevon::Pulsanti::SiNoAnnulla: return ModuloTrevon::Risposta::Annulla;
    case ModuloTrevon::Pulsanti::OK: break;
    }
    return ModuloTrevon::Risposta::OK;
}

// For the life of the object: records every box (with the beeps sounded before it) and every
// beep, and answers the boxes from a queue (OK when the queue is empty).
class AvvisiProva {
public:
    struct Ricevuto {
        ModuloTrevon::Avviso avviso;
        int beepPrima;   // beeps sounded before this box
    };

    AvvisiProva()
    {
        ModuloTrevon::ImpostaRisponditore([this](const ModuloTrevon::Avviso& a) {
            ricevuti.push_back({a, beep});
            if (risposte.empty())
                return ModuloTrevon::Risposta::OK;
            const ModuloTrevon::Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        });
        ModuloTrevon::ImpostaBeep([this] { ++beep; });
    }
    ~AvvisiProva()
    {
        ModuloTrevon::ImpostaRisponditore(RispostaInattesa);
        ModuloTrevon::ImpostaBeep([] {});
    }
    AvvisiProva(const AvvisiProva&) = delete;
    AvvisiProva& operator=(const AvvisiProva&) = delete;

    void Rispondi(ModuloTrevon::Risposta r) { risposte.push_back(r); }

    std::vector<Ricevuto> ricevuti;
    int beep = 0;

private:
    std::deque<ModuloTrevon::Risposta> risposte;
};
