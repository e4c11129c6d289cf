#include "calcolo/TipologieMateriali.h"

namespace {
// The captions of the types, as the NTC 2008 coefficients tab names rows 1..4.
const char* const nomi[Tipologia::Massima + 1] = {"", "Legno massiccio", "Legno Lamellare incollato",
                                                  "Pannelli di particelle o di fibre",
                                                  "Compensato, panneli di scaglie orientate",
                                                  "Pannelli di tavole incollate a strati incrociati (CLT)"};
// Checked in this order: a description that also names an older type keeps the type it had.
const char* const parole[Tipologia::Massima + 1] = {"", "Massiccio", "Lamellare", "Fibre", "Compensato", "CLT"};
}  // namespace

QString Tipologia::Nome(int t) { return t >= 1 && t <= Massima ? QString::fromUtf8(nomi[t]) : QString(); }

QStringList Tipologia::Nomi()
{
    QStringList n;
    for (int t = 1; t <= Massima; ++t)
        n << Nome(t);
    return n;
}

int Tipologia::PerNome(const QString& nome)
{
    for (int t = 1; t <= Massima; ++t)
        if (nome == Nome(t))
            return t;
    return Nessuna;
}

int Tipologia::DaDescrizione(const QString& descrizione)
{
    for (int t = 1; t <= Massima; ++t)
        if (descrizione.contains(QString::fromLatin1(parole[t]), Qt::CaseInsensitive))
            return t;
    return Nessuna;
}

void TipologieMateriali::Imposta(int numero, const QString& descrizione, int tipologia)
{
    tabella_.insert({numero, descrizione}, tipologia);
}

int TipologieMateriali::Di(int numero, const QString& descrizione) const
{
    const auto t = tabella_.constFind({numero, descrizione});
    return t != tabella_.constEnd() ? *t : Tipologia::DaDescrizione(descrizione);
}

int TipologieMateriali::Di(const clsAsta& a) const
{
    return Di(a.NumeroMateriale, QString::fromStdString(a.DescrizioneMateriale));
}
