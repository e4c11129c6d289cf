#include "report/SuperficieRegistrata.h"

bool SuperficieRegistrata::Run::operator==(const Run& altro) const
{
    return font == altro.font && dimensione == altro.dimensione && grassetto == altro.grassetto &&
           sottolineato == altro.sottolineato && testo == altro.testo &&
           disegno == altro.disegno;
}

void SuperficieRegistrata::Cancella()
{
    runs_.clear();
    disegni_.clear();
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

void SuperficieRegistrata::Disegno(const DisegnoNodo& disegno)
{
    Run run = formato_;
    run.testo = QString(QChar::ObjectReplacementCharacter);
    run.disegno = static_cast<int>(disegni_.size());
    runs_.push_back(run);
    disegni_.push_back(disegno);
}

QString SuperficieRegistrata::Testo() const
{
    QString testo;
    for (const Run& run : runs_)
        testo += run.testo;
    return testo;
}

void SuperficieRegistrata::Riproduci(SuperficieRelazione& su) const
{
    for (const Run& run : runs_) {
        if (!run.font.isEmpty())
            su.NomeFont(run.font);
        su.DimensioneFont(run.dimensione);
        su.Grassetto(run.grassetto);
        su.Sottolineato(run.sottolineato);
        if (run.disegno >= 0)
            su.Disegno(disegni_[static_cast<std::size_t>(run.disegno)]);
        else
            su.Accoda(run.testo);
    }
}
