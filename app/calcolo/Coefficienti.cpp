#include "calcolo/Coefficienti.h"

namespace {
const char* const classi[4] = {"", "1: T=20\u00b0C  U<65%", "2: U>85% x  poche settimane", "3: U>85%"};
const char* const predefinitiKmod[4] = {"", "0,60", "0,60", "0,50"};
const char* const predefinitiGammaM[7] = {"", "1,50", "1,45", "1,50", "1,40", "1,50", "1,00"};
// Words of a material description that select rows 1..4 of the γM table.
const char* const parole[5] = {"", "Massiccio", "Lamellare", "Fibre", "Compensato"};
}  // namespace

float Coefficienti::valKmod() const
{
    return classeServizio >= 1 && classeServizio <= 3 ? kmod[static_cast<std::size_t>(classeServizio - 1)] : 0.0f;
}

float Coefficienti::valGM(const QString& DescrMat) const
{
    // Any letter case: "legno massiccio" is solid timber as much as "Legno Massiccio".
    for (int i = 1; i <= 4; ++i) {
        if (DescrMat.contains(QString::fromLatin1(parole[i]), Qt::CaseInsensitive))
            return gammaM[static_cast<std::size_t>(i - 1)];
    }
    return 1.0f;
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
