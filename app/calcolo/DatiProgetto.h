#pragma once
#include <QString>

#include <array>

// The project a calculation belongs to, as the complete report's cover and page headers
// print it. Every field may stay empty.
struct DatiProgetto {
    QString progetto;
    QString committente;
    QString localita;
    QString progettista;
    QString note;

    static constexpr int MassimoCampo = 200;    // characters of each field but the notes
    static constexpr int MassimoNote = 2000;

    bool Vuoto() const
    {
        return progetto.isEmpty() && committente.isEmpty() && localita.isEmpty() && progettista.isEmpty() &&
               note.isEmpty();
    }
    bool operator==(const DatiProgetto& o) const
    {
        return progetto == o.progetto && committente == o.committente && localita == o.localita &&
               progettista == o.progettista && note == o.note;
    }
    bool operator!=(const DatiProgetto& o) const { return !(*this == o); }

    // The fields with their file keys and captions, in the form's order.
    struct Campo {
        const char* chiave;       // key in the file's "progetto" object
        const char* etichetta;    // caption on the form and the cover
        QString DatiProgetto::*membro;
    };
    static const std::array<Campo, 5>& Campi();
};
