#pragma once
#include "report/SuperficieRelazione.h"

#include <QString>
#include <vector>

// A surface that keeps the runs exactly as composed, for tests.
class SuperficieRegistrata : public SuperficieRelazione {
public:
    struct Run {
        QString font;
        int dimensione = 0;       // points
        bool grassetto = false;
        bool sottolineato = false;
        QString testo;
        int disegno = -1;         // a drawing: its index in Disegni()
        bool operator==(const Run& altro) const;
    };

    void Cancella() override;
    void NomeFont(const QString& nome) override;
    void DimensioneFont(int punti) override;
    void Grassetto(bool attivo) override;
    void Sottolineato(bool attivo) override;
    void Accoda(const QString& testo) override;
    // Kept as a run of one object character, as the rich-text box holds it.
    void Disegno(const DisegnoNodo& disegno) override;

    const std::vector<Run>& Runs() const { return runs_; }
    const std::vector<DisegnoNodo>& Disegni() const { return disegni_; }
    int Cancellazioni() const { return cancellazioni_; }   // how many times the text was cleared
    QString Testo() const;                                  // the runs' texts joined, as composed
    // Composes the same runs and drawings, in order, on another surface (without clearing it).
    void Riproduci(SuperficieRelazione& su) const;

private:
    Run formato_;                 // current format; its text is unused
    std::vector<Run> runs_;
    std::vector<DisegnoNodo> disegni_;
    int cancellazioni_ = 0;
};
