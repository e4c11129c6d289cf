#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The code a calculation is made under. A calculation without a stated code (files written
// before the choice existed) is an NTC 2008 one.
enum class Normativa { NTC2008, NTC2018 };

namespace Normative {
QString Nome(Normativa n);            // "NTC 2018": the list entry and the file's value
QString Titolo(Normativa n);          // "NTC 2018 – DM 17/01/2018"
std::optional<Normativa> PerNome(const QString& nome);
QStringList Nomi();                   // list order: NTC 2018 first
}  // namespace Normative

// Load-duration classes (Table 4.4.IV's columns), 1..5.
namespace DurataCarico {
constexpr int Permanente = 1;
constexpr int Istantanea = 5;
QString Nome(int durata);            // "Permanente", "Lunga durata", …; empty outside 1..5
QStringList Nomi();
int PerNome(const QString& nome);    // 0 when it names no class
}  // namespace DurataCarico

// The normative coefficients of a calculation: its code, the service class, kmod by service
// class and load-duration class (Table 4.4.IV) and the partial factors γM of the code's
// Table 4.4.III (six rows under NTC 2008, seven under NTC 2018, whose column A or B is chosen).
// A default-constructed value is the NTC 2008 set.
struct Coefficienti {
    using TabellaKmod = std::array<std::array<float, 5>, 3>;   // [service class - 1][duration - 1]

    Normativa normativa = Normativa::NTC2008;
    char colonnaGammaM = 'A';                                // NTC 2018 only: 'A' or 'B'
    int classeServizio = 1;                                  // 1..3; 0 = none selected
    TabellaKmod kmod = KmodPredefiniti(Normativa::NTC2008);
    std::vector<float> gammaM = GammaMPredefiniti(Normativa::NTC2008, 'A');   // rows of the γM table

    // The defaults of a code: what a new calculation starts from (NTC 2018, column A).
    static Coefficienti Predefiniti(Normativa n, char colonna = 'A');
    static TabellaKmod KmodPredefiniti(Normativa n);
    static std::vector<float> GammaMPredefiniti(Normativa n, char colonna);
    static QStringList RigheGammaM(Normativa n);   // captions of the γM rows

    bool Ntc2018() const { return normativa == Normativa::NTC2018; }
    float valKmod(int durata = DurataCarico::Permanente) const;   // of the service class; 0 when none
    float valGM(const QString& DescrMat) const;     // γM recognised from a material description
    float gammaMTipologia(int tipologia) const;     // γM of a timber type; 0 when the code has no row
    // Row (1-based) of the γM table that gives the partial factor of a timber type; 0 = none.
    int RigaTipologia(int tipologia) const;
    QString strClasse() const;                      // caption of the service class

    static QString TestoClasse(int classe);         // caption of service class 1..3

    bool operator==(const Coefficienti& o) const
    {
        return normativa == o.normativa && colonnaGammaM == o.colonnaGammaM && classeServizio == o.classeServizio &&
               kmod == o.kmod && gammaM == o.gammaM;
    }
    bool operator!=(const Coefficienti& o) const { return !(*this == o); }
};
