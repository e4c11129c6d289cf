#pragma once
// Shorthands for expected report runs.
#include "report/SuperficieRegistrata.h"

#include <QString>
#include <ostream>
#include <vector>

namespace RunsAttesi {
using RunTesto = SuperficieRegistrata::Run;
using Runs = std::vector<RunTesto>;

inline RunTesto C(const char* testo)   // body text
{
    return {QStringLiteral("Courier New"), 8, false, false, QString::fromUtf8(testo)};
}
inline RunTesto U(const char* testo)   // underlined body text
{
    return {QStringLiteral("Courier New"), 8, false, true, QString::fromUtf8(testo)};
}
inline RunTesto S(const char* lettera)   // one Symbol letter
{
    return {QStringLiteral("Symbol"), 8, false, false, QString::fromUtf8(lettera)};
}
inline RunTesto T(const char* testo)   // title
{
    return {QStringLiteral("Times New Roman"), 12, true, false, QString::fromUtf8(testo)};
}

inline Runs operator+(Runs a, const Runs& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}

// Readable failure output.
inline void PrintTo(const SuperficieRegistrata::Run& r, std::ostream* os)
{
    *os << "{" << r.font.toStdString() << " " << r.dimensione << (r.grassetto ? " B" : "")
        << (r.sottolineato ? " U" : "") << " \"" << r.testo.toStdString() << "\"}";
}

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
