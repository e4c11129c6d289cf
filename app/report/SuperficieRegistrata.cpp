#include "report/SuperficieRegistrata.h"

bool SuperficieRegistrata::Run::operator==(const Run& altro) const
{
    return font == altro.font && dimensione == altro.dimensione && grassetto == altro.grassetto &&
           sottolineato == altro.sottolineato && testo == altro.testo;
}

void SuperficieRegistrata::Cancella()
{
    runs_.clear();
    ++cancellazioni_;
}

void SuperficieRegistrata::NomeFont(const QString& nome) { formato_.font = nome; }
void SuperficieRegistrata::DimensioneFont(int punti) { formato_.dimensione = punti; }
void SuperficieRegistrata::Grassetto(bool attivo) { formato_.grassetto = attivo; }
void SuperficieRegistrata::Sottolineato(bool attivo) { formato_.sottolineato = attivo; }

void SuperficieRegistrata::Accoda(const QString& testo)
{
    Run run = formato_;
    run.testo = testo;
    runs_.push_back(run);
}

QString SuperficieRegistrata::Testo() const
{
    QString testo;
    for (const Run& run : runs_)
        testo += run.testo;
    return testo;
}
