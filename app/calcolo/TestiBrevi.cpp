#include "calcolo/TestiBrevi.h"

QString Abbreviato(const QString& testo, int massimo)
{
    return testo.size() <= massimo ? testo : testo.left(massimo) + QStringLiteral("\u2026");
}
