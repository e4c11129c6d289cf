#include "calcolo/Coefficienti.h"

#include "calcolo/TipologieMateriali.h"

namespace {
const char* const classi[4] = {"", "1: T=20\u00b0C  U<65%", "2: U>85% x  poche settimane", "3: U>85%"};
const char* const durate[6] = {"", "Permanente", "Lunga durata", "Media durata", "Breve durata", "Istantanea"};

// Table 4.4.IV for solid timber, glulam, LVL and plywood. The two codes differ in the
// instantaneous column of service classes 1 and 2 (1,10 in 2008, 1,00 in 2018).
constexpr Coefficienti::TabellaKmod kmod2008{{{0.60f, 0.70f, 0.80f, 0.90f, 1.10f},
                                              {0.60f, 0.70f, 0.80f, 0.90f, 1.10f},
                                              {0.50f, 0.55f, 0.65f, 0.70f, 0.90f}}};
constexpr Coefficienti::TabellaKmod kmod2018{{{0.60f, 0.70f, 0.80f, 0.90f, 1.00f},
                                              {0.60f, 0.70f, 0.80f, 0.90f, 1.00f},
                                              {0.50f, 0.55f, 0.65f, 0.70f, 0.90f}}};
}  // namespace

QString Normative::Nome(Normativa n)
{
    return n == Normativa::NTC2018 ? QStringLiteral("NTC 2018") : QStringLiteral("NTC 2008");
}

QString Normative::Titolo(Normativa n)
{
    return n == Normativa::NTC2018 ? QStringLiteral("NTC 2018 \u2013 DM 17/01/2018")
                                   : QStringLiteral("NTC 2008 \u2013 DM 14/01/2008");
}

std::optional<Normativa> Normative::PerNome(const QString& nome)
{
    for (Normativa n : {Normativa::NTC2018, Normativa::NTC2008})
        if (nome == Nome(n))
            return n;
    return std::nullopt;
}

QStringList Normative::Nomi() { return {Nome(Normativa::NTC2018), Nome(Normativa::NTC2008)}; }

QString DurataCarico::Nome(int d) { return d >= Permanente && d <= Istantanea ? QString::fromLatin1(durate[d]) : QString(); }

QStringList DurataCarico::Nomi()
{
    QStringList n;
    for (int d = Permanente; d <= Istantanea; ++d)
        n << Nome(d);
    return n;
}

int DurataCarico::PerNome(const QString& nome)
{
    for (int d = Permanente; d <= Istantanea; ++d)
        if (nome == Nome(d))
            return d;
    return 0;
}

Coefficienti Coefficienti::Predefiniti(Normativa n, char colonna)
{
    Coefficienti c;
    c.normativa = n;
    c.colonnaGammaM = n == Normativa::NTC2018 && colonna == 'B' ? 'B' : 'A';
    c.kmod = KmodPredefiniti(n);
    c.gammaM = GammaMPredefiniti(n, c.colonnaGammaM);
    return c;
}

Coefficienti::TabellaKmod Coefficienti::KmodPredefiniti(Normativa n)
{
    return n == Normativa::NTC2018 ? kmod2018 : kmod2008;
}

std::vector<float> Coefficienti::GammaMPredefiniti(Normativa n, char colonna)
{
    if (n == Normativa::NTC2008)
        return {1.50f, 1.45f, 1.50f, 1.40f, 1.50f, 1.00f};
    if (colonna == 'B')
        return {1.45f, 1.35f, 1.35f, 1.40f, 1.30f, 1.40f, 1.00f};
    return {1.50f, 1.45f, 1.45f, 1.50f, 1.40f, 1.50f, 1.00f};
}

QStringList Coefficienti::RigheGammaM(Normativa n)
{
    if (n == Normativa::NTC2008)
        return {QStringLiteral("Legno massiccio"), QStringLiteral("Legno Lamellare incollato"),
                QStringLiteral("Pannelli di particelle o di fibre"),
                QStringLiteral("Compensato, panneli di scaglie orientate"), QStringLiteral("Unioni"),
                QStringLiteral("Tutti i materiali")};
    return {QStringLiteral("Legno massiccio"),
            QStringLiteral("Legno lamellare incollato"),
            QStringLiteral("Pannelli di tavole incollate a strati incrociati (CLT)"),
            QStringLiteral("Pannelli di particelle o di fibre"),
            QStringLiteral("LVL, compensato, pannelli di scaglie orientate"),
            QStringLiteral("Unioni"),
            QStringLiteral("Combinazioni eccezionali")};
}

float Coefficienti::valKmod(int durata) const
{
    if (classeServizio < 1 || classeServizio > 3 || durata < DurataCarico::Permanente || durata > DurataCarico::Istantanea)
        return 0.0f;
    return kmod[static_cast<std::size_t>(classeServizio - 1)][static_cast<std::size_t>(durata - 1)];
}

float Coefficienti::valGM(const QString& DescrMat) const
{
    const int t = Tipologia::DaDescrizione(DescrMat);
    return t == Tipologia::Nessuna ? 1.0f : gammaMTipologia(t);
}

int Coefficienti::RigaTipologia(int t) const
{
    if (t < 1 || t > Tipologia::Massima)
        return 0;
    if (normativa == Normativa::NTC2008)
        return t == Tipologia::CLT ? 0 : t;   // the 2008 table has no CLT row
    static const int righe2018[Tipologia::Massima + 1] = {0, 1, 2, 4, 5, 3};
    return righe2018[t];
}

float Coefficienti::gammaMTipologia(int t) const
{
    const int r = RigaTipologia(t);
    return r >= 1 && r <= static_cast<int>(gammaM.size()) ? gammaM[static_cast<std::size_t>(r - 1)] : 0.0f;
}

QString Coefficienti::strClasse() const { return TestoClasse(classeServizio); }

QString Coefficienti::TestoClasse(int classe)
{
    return classe >= 1 && classe <= 3 ? QString::fromUtf8(classi[classe]) : QString();
}

