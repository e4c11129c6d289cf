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
        bool operator==(const Run& altro) const;
    };

    void Cancella() override;
    void NomeFont(const QString& nome) override;
    void DimensioneFont(int punti) override;
    void Grassetto(bool attivo) override;
    void Sottolineato(bool attivo) override;
    void Accoda(const QString& testo) override;

    const std::vector<Run>& Runs() const { return runs_; }
    int Cancellazioni() const { return cancellazioni_; }   // how many times the text was cleared
    QString Testo() const;                                  // the runs' texts joined, as composed

private:
    Run formato_;                 // current format; its text is unused
    std::vector<Run> runs_;
    int cancellazioni_ = 0;
};
