// The six verifications: the worked examples, and which results each one writes before it
// finishes, refuses or fails.
#include "Campi.h"
#include "Giunti.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

struct Messaggio {
    std::string testo;
    bool beep;
};

float& campo(clsNodo& n, const std::string& nome) {
    for (const auto& c : risultati())
        if (nome == c.nome) return n.*c.campo;
    throw std::invalid_argument(nome);
}

struct Attesa {
    const char* campo;
    double valore;
};

struct Esempio {
    const char* nome;
    Metodo metodo;
    std::function<void(clsGenVerNodi&)> giunto;
    std::function<void(clsNodo&)> varia;
    std::vector<Attesa> attese;
};

const auto nessunaVariazione = [](clsNodo&) {};

const std::vector<Esempio>& esempi() {
    static const std::vector<Esempio> tutti = {
        {"tie-rafter single step", &clsGenVerNodi::VerNodoCPDS, catenaPuntone, nessunaVariazione,
         {{"alfa", 30}, {"beta", 4.377}, {"F1", 45869}, {"F2", 13167}, {"fd1", 9.565},
          {"tens1", 14.77}, {"Angolo1", 15}, {"fd2", 2.512}, {"tens2", 0.3349},
          {"Angolo2", 85.62}, {"tau", 2.165}}},
        {"tie-rafter single step, tie wider than rafter, bearing 50 cm",
         &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 1).Base = 12; n.ReazioneY = -30; n.LunghezzaAppoggio = 50; },
         {{"tens1", 14.77}, {"tens2", 0.3349}, {"tau", 2.165}, {"LAppEfficace", 500},
          {"tens3", 30000.0 / (120 * 500)}}},
        {"tie-rafter single step, bearing 15 cm, rafter 30 cm high",
         &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).Altezza = 30; n.ReazioneY = 20; n.LunghezzaAppoggio = 15; },
         {{"LAppEfficace", 250}, {"tens3", 20000.0 / (100 * 250)}}},
        {"tie-rafter single step, bearing 30 cm, rafter 60 cm high",
         &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).Altezza = 60; n.ReazioneY = 20; n.LunghezzaAppoggio = 30; },
         {{"LAppEfficace", 400}, {"tens3", 20000.0 / (100 * 400)}}},
        {"tie-rafter single step, negative thrust", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).SforzoAssiale = -50; },
         {{"F1", 45869}, {"F2", 13167}, {"tens1", 14.77}, {"tau", 2.165}}},
        {"tie-rafter rear step", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { n.ReazioneY = 20; n.LunghezzaAppoggio = 15; },
         {{"alfa", 30}, {"F1", 50000}, {"fd1", 6.154}, {"tens1", 14.43}, {"Angolo1", 30},
          {"tau", 2.165}, {"LAppEfficace", 216.6667}, {"tens3", 20000.0 / (100 * 216.6667)}}},
        {"rafter-strut single step, theta 90", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         nessunaVariazione,
         {{"alfa", 60}, {"beta", 14.04}, {"Teta", 90}, {"F1", 8485}, {"F2", 24739},
          {"fd1", 2.622}, {"tens1", 2.000}, {"Angolo1", 75.96}, {"fd2", 4.138},
          {"tens2", 2.000}, {"Angolo2", 45}}},
        {"rafter-strut single step, theta 90 from 35 and 55", &clsGenVerNodi::VerNodoPSDS,
         puntoneSaetta, [](clsNodo& n) { bar(n, 1).Angolo = 35; bar(n, 3).Angolo = 55; },
         {{"alfa", 55}, {"beta", 14.04}, {"Teta", 90}, {"F1", 8485}, {"F2", 24739},
          {"tens1", 2.000}, {"tens2", 2.000}}},
        {"rafter-strut single step, theta 120", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; },
         {{"alfa", 30}, {"beta", 13.90}, {"Teta", 120}, {"F1", 12000}, {"F2", 37470},
          {"fd1", 2.620}, {"tens1", 2.000}, {"Angolo1", 76.10}, {"fd2", 3.117},
          {"tens2", 3.000}, {"Angolo2", 60}}},
        {"rafter-strut single step, strut wider than rafter", &clsGenVerNodi::VerNodoPSDS,
         puntoneSaetta, [](clsNodo& n) { bar(n, 2).Base = 10; bar(n, 3).Base = 12; },
         {{"tens1", 2.000}, {"tens2", 2.000}}},
        {"rafter-strut rear step, first case", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; },
         {{"alfa", 30}, {"Teta", 120}, {"F1", 30000}, {"fd1", 3.117}, {"tens1", 5.000},
          {"Angolo1", 120}}},
        {"rafter-strut rear step, second case", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 100; },
         {{"alfa", 100}, {"Teta", 50}, {"F1", 30000}, {"fd1", 3.715}, {"tens1", 9.063},
          {"Angolo1", 130}}},
        {"king post single steps", &clsGenVerNodi::VerNodoMPMSDS, monaco, nessunaVariazione,
         {{"alfa", 30}, {"beta", 7.994}, {"F1", 33198}, {"F2", 26964}, {"fd1", 6.154},
          {"tens1", 7.986}, {"Angolo1", 30}, {"fd2", 2.539}, {"tens2", 1.042},
          {"Angolo2", 82.01}, {"tau", 4.167}, {"alfaB", 45}, {"betaB", 9.541},
          {"F1B", 33433}, {"F2B", 15707}, {"fd1B", 7.710}, {"tens1B", 7.722},
          {"Angolo1B", 22.5}, {"fd2B", 2.556}, {"tens2B", 0.6509}, {"Angolo2B", 80.46},
          {"tauB", 2.263}}},
        {"king post rear steps", &clsGenVerNodi::VerNodoMPMSDA, monaco, nessunaVariazione,
         {{"alfa", 30}, {"F1", 50000}, {"fd1", 6.154}, {"tens1", 12.03}, {"Angolo1", 30},
          {"alfaB", 45}, {"F1B", 40000}, {"fd1B", 4.138}, {"tens1B", 7.071},
          {"Angolo1B", 45}}},
    };
    return tutti;
}

void PrintTo(const Esempio& e, std::ostream* os) { *os << e.nome; }

class EsempiDiCalcolo : public testing::TestWithParam<Esempio> {};

TEST_P(EsempiDiCalcolo, MatchToFourFigures) {
    const Esempio& e = GetParam();
    std::vector<Messaggio> messaggi;
    clsGenVerNodi g([&](const std::string& t, bool b) { messaggi.push_back({t, b}); });
    e.giunto(g);
    auto nodo = g.Nodi->Item(1);
    e.varia(*nodo);
    // Bars beyond those of the joint type are never read.
    g.AggiungiAsta(1, barra(0, 0, 0, 0));

    bool procedi = false;
    (g.*e.metodo)(procedi, 1);
    EXPECT_TRUE(procedi);
    EXPECT_TRUE(messaggi.empty());
    for (const auto& a : e.attese) {
        const double valore = campo(*nodo, a.campo);
        EXPECT_NEAR(valore, a.valore, std::fabs(a.valore) * 5e-4 + 1e-9) << a.campo;
    }

    // A second run on the unchanged joint gives the very same numbers.
    const clsNodo prima = *nodo;
    (g.*e.metodo)(procedi, 1);
    for (const auto& c : risultati()) EXPECT_EQ((*nodo).*c.campo, prima.*c.campo) << c.nome;
}

INSTANTIATE_TEST_SUITE_P(Verifiche, EsempiDiCalcolo, testing::ValuesIn(esempi()),
                         [](const testing::TestParamInfo<Esempio>& info) {
                             std::string nome;
                             for (const char* p = info.param.nome; *p; ++p)
                                 nome += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return nome;
                         });

// Which results a run writes: every result starts at a sentinel, the run ends as expected,
// and exactly the listed results differ from it.
enum class Esito { Completa, Rifiutata, ErroreCalcolo, FuoriIntervallo };

struct Scrittura {
    const char* nome;
    Metodo metodo;
    std::function<void(clsGenVerNodi&)> giunto;
    std::function<void(clsNodo&)> varia;
    Esito esito;
    std::vector<std::string> scritti;
    std::string messaggio;  // for a refusal
    std::int16_t numero = 1;
};

const std::vector<std::string> cpdsFacce = {"alfa", "beta", "F1", "F2", "fd1", "tens1",
                                            "Angolo1", "fd2", "tens2", "Angolo2", "tau"};
const std::vector<std::string> psdsTutti = {"alfa", "beta", "Teta", "F1", "F2", "fd1",
                                            "tens1", "Angolo1", "fd2", "tens2", "Angolo2"};
const std::vector<std::string> monacoSx = {"alfa", "beta", "F1", "F2", "fd1", "tens1",
                                           "Angolo1", "fd2", "tens2", "Angolo2", "tau"};
const std::vector<std::string> monacoDx = {"alfaB", "betaB", "F1B", "F2B", "fd1B", "tens1B",
                                           "Angolo1B", "fd2B", "tens2B", "Angolo2B", "tauB"};

std::vector<std::string> primi(const std::vector<std::string>& v, std::size_t n) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n)};
}
std::vector<std::string> unione(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const char* const kPuntone0 = "Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone risulta =0.";
const char* const kSaetta0 = "Impossibile eseguire Verifica\nL'angolo di inclinazione della Saetta risulta =0.";
const char* const kTeta0 = "Impossibile eseguire Verifica\nL'angolo tra il Puntone e la Saetta risulta =0.";

const auto dueAste = [](clsNodo& n) { n.Asta->Remove(3); };
const auto unaAsta = [](clsNodo& n) { n.Asta->Remove(2); };

const std::vector<Scrittura>& scritture() {
    static const std::vector<Scrittura> tutte = {
        // tie beam – rafter, single step
        {"CPDS complete without support", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         nessunaVariazione, Esito::Completa, cpdsFacce, ""},
        {"CPDS complete with support", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.ReazioneY = 10; n.LunghezzaAppoggio = 20; }, Esito::Completa,
         unione(cpdsFacce, {"LAppEfficace", "tens3"}), ""},
        {"CPDS reaction zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.LunghezzaAppoggio = 20; }, Esito::Completa, cpdsFacce, ""},
        {"CPDS bearing length zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.ReazioneY = 10; }, Esito::Completa, cpdsFacce, ""},
        {"CPDS rafter angle zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).Angolo = 0; }, Esito::Rifiutata, {}, kPuntone0},
        {"CPDS tv zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.tv = 0; }, Esito::ErroreCalcolo, primi(cpdsFacce, 5), ""},
        {"CPDS run X zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.tv = 0; bar(n, 2).Altezza = 0; }, Esito::ErroreCalcolo, {}, ""},
        {"CPDS fc90d zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 1).Res_Fc90d = 0; }, Esito::ErroreCalcolo, primi(cpdsFacce, 4), ""},
        {"CPDS width zero", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).Base = 0; }, Esito::ErroreCalcolo, primi(cpdsFacce, 5), ""},
        {"CPDS Lv zero with support", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.Lv = 0; n.ReazioneY = 10; n.LunghezzaAppoggio = 20; },
         Esito::ErroreCalcolo, primi(cpdsFacce, 10), ""},
        {"CPDS tie width zero over the support", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 1).Base = 0; bar(n, 2).Base = -10; n.ReazioneY = 10; n.LunghezzaAppoggio = 20; },
         Esito::ErroreCalcolo, unione(cpdsFacce, {"LAppEfficace"}), ""},
        {"CPDS thrust beyond float range", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).SforzoAssiale = 3e38f; }, Esito::ErroreCalcolo, {}, ""},
        {"CPDS heel shear beyond float range", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         [](clsNodo& n) { n.Lv = 1e-37f; }, Esito::ErroreCalcolo, primi(cpdsFacce, 10), ""},
        {"CPDS one bar only", &clsGenVerNodi::VerNodoCPDS, catenaPuntone, unaAsta,
         Esito::FuoriIntervallo, {}, ""},
        {"CPDS joint out of range", &clsGenVerNodi::VerNodoCPDS, catenaPuntone,
         nessunaVariazione, Esito::FuoriIntervallo, {}, "", 2},
        // tie beam – rafter, rear step
        {"CPDA complete with support", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { n.ReazioneY = 10; n.LunghezzaAppoggio = 20; }, Esito::Completa,
         {"alfa", "F1", "fd1", "tens1", "Angolo1", "tau", "LAppEfficace", "tens3"}, ""},
        {"CPDA rafter angle zero", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { bar(n, 2).Angolo = 0; }, Esito::Rifiutata, {}, kPuntone0},
        {"CPDA tv zero", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { n.tv = 0; }, Esito::ErroreCalcolo, {"alfa", "F1", "fd1"}, ""},
        {"CPDA fc90d zero", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { bar(n, 1).Res_Fc90d = 0; }, Esito::ErroreCalcolo, {"alfa", "F1"}, ""},
        {"CPDA Lv zero", &clsGenVerNodi::VerNodoCPDA, catenaPuntone,
         [](clsNodo& n) { n.Lv = 0; }, Esito::ErroreCalcolo,
         {"alfa", "F1", "fd1", "tens1", "Angolo1"}, ""},
        {"CPDA one bar only", &clsGenVerNodi::VerNodoCPDA, catenaPuntone, unaAsta,
         Esito::FuoriIntervallo, {}, ""},
        // rafter – strut, single step
        {"PSDS complete", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta, nessunaVariazione,
         Esito::Completa, psdsTutti, ""},
        {"PSDS strut angle zero", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 0; }, Esito::Rifiutata, {}, kSaetta0},
        {"PSDS rafter and strut in line", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { bar(n, 1).Angolo = 120; bar(n, 3).Angolo = 60; }, Esito::Rifiutata,
         {}, kTeta0},
        {"PSDS both angles zero", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { bar(n, 1).Angolo = 180; bar(n, 3).Angolo = 0; }, Esito::Rifiutata,
         {}, kSaetta0},
        {"PSDS tv zero", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { n.tv = 0; }, Esito::ErroreCalcolo, primi(psdsTutti, 6), ""},
        {"PSDS fc90d zero", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { bar(n, 2).Res_Fc90d = 0; }, Esito::ErroreCalcolo, primi(psdsTutti, 5), ""},
        {"PSDS run X zero", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta,
         [](clsNodo& n) { n.tv = 0; bar(n, 3).Altezza = 0; }, Esito::ErroreCalcolo, {}, ""},
        {"PSDS two bars only", &clsGenVerNodi::VerNodoPSDS, puntoneSaetta, dueAste,
         Esito::FuoriIntervallo, {}, ""},
        // rafter – strut, rear step
        {"PSDA complete", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; }, Esito::Completa,
         {"alfa", "Teta", "F1", "fd1", "tens1", "Angolo1"}, ""},
        {"PSDA strut at 90 degrees", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 90; }, Esito::Completa,
         {"alfa", "Teta", "F1", "fd1", "tens1", "Angolo1"}, ""},
        {"PSDA strut angle zero", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 0; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nNodo N. 1\nL'angolo di inclinazione della Saetta risulta =0."},
        {"PSDA rafter and strut in line", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 1).Angolo = 120; bar(n, 3).Angolo = 60; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nNodo N. 1\nL'angolo tra il Puntone e la Saetta risulta =0."},
        {"PSDA notch too deep, first case", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; n.tv = 8; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nNodo N. 1\nPer il Tipo di Unione Specificato, "
         "\"Puntone Saetta a Dente Arretrato\" l'intaglio tv deve essere minore di 7,50 cm."},
        {"PSDA notch too deep, second case", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 100; n.tv = 12; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nNodo N. 1\nPer il Tipo di Unione Specificato, "
         "\"Puntone Saetta a Dente Arretrato\" l'intaglio tv deve essere minore di 9,64 cm."},
        {"PSDA fc90d zero", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; bar(n, 2).Res_Fc90d = 0; },
         Esito::ErroreCalcolo, {"alfa", "Teta", "F1"}, ""},
        {"PSDA tv zero", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta,
         [](clsNodo& n) { bar(n, 3).Angolo = 30; n.tv = 0; }, Esito::ErroreCalcolo,
         {"alfa", "Teta", "F1", "fd1"}, ""},
        {"PSDA two bars only", &clsGenVerNodi::VerNodoPSDA, puntoneSaetta, dueAste,
         Esito::FuoriIntervallo, {}, ""},
        // king post, single steps
        {"MPMSDS complete", &clsGenVerNodi::VerNodoMPMSDS, monaco, nessunaVariazione,
         Esito::Completa, unione(monacoSx, monacoDx), ""},
        {"MPMSDS left angle zero", &clsGenVerNodi::VerNodoMPMSDS, monaco,
         [](clsNodo& n) { bar(n, 1).Angolo = 0; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone di Sx risulta =0."},
        {"MPMSDS right angle zero", &clsGenVerNodi::VerNodoMPMSDS, monaco,
         [](clsNodo& n) { bar(n, 3).Angolo = 0; }, Esito::Rifiutata, monacoSx,
         "Impossibile eseguire Verifica\nL'angolo di inclinazione del Puntone di Dx risulta =0."},
        {"MPMSDS Lv zero", &clsGenVerNodi::VerNodoMPMSDS, monaco,
         [](clsNodo& n) { n.Lv = 0; }, Esito::ErroreCalcolo, primi(monacoSx, 10), ""},
        {"MPMSDS tvB zero", &clsGenVerNodi::VerNodoMPMSDS, monaco,
         [](clsNodo& n) { n.tvB = 0; }, Esito::ErroreCalcolo,
         unione(monacoSx, primi(monacoDx, 5)), ""},
        {"MPMSDS king post fc90d zero", &clsGenVerNodi::VerNodoMPMSDS, monaco,
         [](clsNodo& n) { bar(n, 2).Res_Fc90d = 0; }, Esito::ErroreCalcolo, primi(monacoSx, 4), ""},
        {"MPMSDS two bars only", &clsGenVerNodi::VerNodoMPMSDS, monaco, dueAste,
         Esito::FuoriIntervallo, monacoSx, ""},
        // king post, rear steps
        {"MPMSDA complete", &clsGenVerNodi::VerNodoMPMSDA, monaco, nessunaVariazione,
         Esito::Completa,
         {"alfa", "F1", "fd1", "tens1", "Angolo1", "alfaB", "F1B", "fd1B", "tens1B", "Angolo1B"}, ""},
        {"MPMSDA left angle zero", &clsGenVerNodi::VerNodoMPMSDA, monaco,
         [](clsNodo& n) { bar(n, 1).Angolo = 0; }, Esito::Rifiutata, {},
         "Impossibile eseguire Verifica\nL'angolo di inclinazione dell'Asta di Sx risulta =0."},
        {"MPMSDA right angle zero", &clsGenVerNodi::VerNodoMPMSDA, monaco,
         [](clsNodo& n) { bar(n, 3).Angolo = 0; }, Esito::Rifiutata,
         {"alfa", "F1", "fd1", "tens1", "Angolo1"},
         "Impossibile eseguire Verifica\nL'angolo di inclinazione dell'Asta di Dx risulta =0."},
        {"MPMSDA tvB zero", &clsGenVerNodi::VerNodoMPMSDA, monaco,
         [](clsNodo& n) { n.tvB = 0; }, Esito::ErroreCalcolo,
         {"alfa", "F1", "fd1", "tens1", "Angolo1", "alfaB", "F1B", "fd1B"}, ""},
        {"MPMSDA two bars only", &clsGenVerNodi::VerNodoMPMSDA, monaco, dueAste,
         Esito::FuoriIntervallo, {"alfa", "F1", "fd1", "tens1", "Angolo1"}, ""},
    };
    return tutte;
}

void PrintTo(const Scrittura& s, std::ostream* os) { *os << s.nome; }

class OrdineDiScrittura : public testing::TestWithParam<Scrittura> {};

TEST_P(OrdineDiScrittura, WritesExactlyTheResultsBeforeItStops) {
    const Scrittura& s = GetParam();
    std::vector<Messaggio> messaggi;
    clsGenVerNodi g([&](const std::string& t, bool b) { messaggi.push_back({t, b}); });
    s.giunto(g);
    auto nodo = g.Nodi->Item(1);
    s.varia(*nodo);
    constexpr float sentinella = -777.25f;
    for (const auto& c : risultati()) (*nodo).*c.campo = sentinella;

    bool procedi = false;
    switch (s.esito) {
    case Esito::Completa:
        (g.*s.metodo)(procedi, s.numero);
        EXPECT_TRUE(procedi);
        break;
    case Esito::Rifiutata:
        (g.*s.metodo)(procedi, s.numero);
        EXPECT_FALSE(procedi);
        break;
    case Esito::ErroreCalcolo:
        EXPECT_THROW((g.*s.metodo)(procedi, s.numero), ErroreCalcolo);
        EXPECT_TRUE(procedi);
        break;
    case Esito::FuoriIntervallo:
        EXPECT_THROW((g.*s.metodo)(procedi, s.numero), std::out_of_range);
        break;
    }

    const std::set<std::string> attesi(s.scritti.begin(), s.scritti.end());
    for (const auto& c : risultati()) {
        const bool scritto = (*nodo).*c.campo != sentinella;
        EXPECT_EQ(scritto, attesi.count(c.nome) == 1) << c.nome;
        if (scritto) {
            EXPECT_TRUE(std::isfinite((*nodo).*c.campo)) << c.nome;
        }
    }

    if (s.esito == Esito::Rifiutata) {
        ASSERT_EQ(messaggi.size(), 1u);
        EXPECT_EQ(messaggi[0].testo, s.messaggio);
        EXPECT_FALSE(messaggi[0].beep);
    } else {
        EXPECT_TRUE(messaggi.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Verifiche, OrdineDiScrittura, testing::ValuesIn(scritture()),
                         [](const testing::TestParamInfo<Scrittura>& info) {
                             std::string nome;
                             for (const char* p = info.param.nome; *p; ++p)
                                 nome += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return nome;
                         });

TEST(Verifiche, RefusalNamesTheJointNumber) {
    std::vector<Messaggio> messaggi;
    clsGenVerNodi g([&](const std::string& t, bool b) { messaggi.push_back({t, b}); });
    for (int i = 0; i < 3; ++i) g.CreaNodo("");
    g.Nodi->Remove(1);
    g.Nodi->Remove(1);
    puntoneSaetta(g);  // becomes joint 2
    puntoneSaetta(g);
    puntoneSaetta(g);
    puntoneSaetta(g);  // joint 4
    g.Nodi->Item(4)->Asta->Item(3)->Angolo = 30;
    g.Nodi->Item(4)->tv = 8;
    bool procedi = true;
    g.VerNodoPSDA(procedi, 4);
    EXPECT_FALSE(procedi);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].testo.substr(0, 39), "Impossibile eseguire Verifica\nNodo N. 4");
}

TEST(Verifiche, RearStepKeepsTheSecondFaceOfAnEarlierSingleStep) {
    clsGenVerNodi g([](const std::string&, bool) {});
    catenaPuntone(g);
    auto nodo = g.Nodi->Item(1);
    bool procedi = false;
    g.VerNodoCPDS(procedi, 1);
    const clsNodo semplice = *nodo;
    g.VerNodoCPDA(procedi, 1);
    EXPECT_EQ(nodo->F2, semplice.F2);
    EXPECT_EQ(nodo->fd2, semplice.fd2);
    EXPECT_EQ(nodo->tens2, semplice.tens2);
    EXPECT_EQ(nodo->Angolo2, semplice.Angolo2);
    EXPECT_EQ(nodo->beta, semplice.beta);
    EXPECT_EQ(nodo->tau, semplice.tau);
    EXPECT_NE(nodo->F1, semplice.F1);
}

TEST(Verifiche, KingPostTypeIsNotRead) {
    clsGenVerNodi g([](const std::string&, bool) {});
    monaco(g);
    monaco(g);
    g.Nodi->Item(2)->TipoNodo = "Monaco Saette a Dente Semplice";
    bool procedi = false;
    g.VerNodoMPMSDS(procedi, 1);
    g.VerNodoMPMSDS(procedi, 2);
    for (const auto& c : risultati())
        EXPECT_EQ((*g.Nodi->Item(1)).*c.campo, (*g.Nodi->Item(2)).*c.campo) << c.nome;
}

}  // namespace
