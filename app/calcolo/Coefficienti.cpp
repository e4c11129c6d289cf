#include "calcolo/Coefficienti.h"

#include "calcolo/TipologieMateriali.h"

namespace {
const char* const classi[4] = {"", "1: T=20\u00b0C  U<65%", "2: U>85% x  poche settimane", "3: U>85%"};
const char* const predefinitiKmod[4] = {"", "0,60", "0,60", "0,50"};
const char* const predefinitiGammaM[7] = {"", "1,50", "1,45", "1,50", "1,40", "1,50", "1,00"};
}  // namespace

float Coefficienti::valKmod() const
{
    return classeServizio >= 1 && classeServizio <= 3 ? kmod[static_cast<std::size_t>(classeServizio - 1)] : 0.0f;
}

float Coefficienti::valGM(const QString& DescrMat) const
{
    const int t = Tipologia::DaDescrizione(DescrMat);
    return t == Tipologia::Nessuna ? 1.0f : gammaMTipologia(t);
}

float Coefficienti::gammaMTipologia(int t) const
{
    return t >= 1 && t <= Tipologia::Massima ? gammaM[static_cast<std::size_t>(t - 1)] : 0.0f;
}

QString Coefficienti::strClasse() const { return TestoClasse(classeServizio); }

QString Coefficienti::TestoClasse(int classe)
{
    return classe >= 1 && classe <= 3 ? QString::fromUtf8(classi[classe]) : QString();
}

QString Coefficienti::TestoPredefinitoKmod(int i)
{
    return i >= 1 && i <= 3 ? QString::fromLatin1(predefinitiKmod[i]) : QString();
}

QString Coefficienti::TestoPredefinitoGammaM(int i)
{
    return i >= 1 && i <= 6 ? QString::fromLatin1(predefinitiGammaM[i]) : QString();
}
