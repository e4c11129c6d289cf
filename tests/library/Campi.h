// Named pointers to the result fields of a joint, for the tests that check which results a
// verification writes.
#pragma once

#include "QOR_TRVSL10.h"

#include <string>
#include <vector>

struct CampoNodo {
    const char* nome;
    float clsNodo::*campo;
};

inline const std::vector<CampoNodo>& risultati() {
    static const std::vector<CampoNodo> tutti = {
        {"LAppEfficace", &clsNodo::LAppEfficace}, {"tens1", &clsNodo::tens1},
        {"tens2", &clsNodo::tens2},               {"tens3", &clsNodo::tens3},
        {"Angolo1", &clsNodo::Angolo1},           {"Angolo2", &clsNodo::Angolo2},
        {"fd1", &clsNodo::fd1},                   {"fd2", &clsNodo::fd2},
        {"fd3", &clsNodo::fd3},                   {"tau", &clsNodo::tau},
        {"fvd", &clsNodo::fvd},                   {"alfa", &clsNodo::alfa},
        {"beta", &clsNodo::beta},                 {"Teta", &clsNodo::Teta},
        {"F1", &clsNodo::F1},                     {"F2", &clsNodo::F2},
        {"tens1B", &clsNodo::tens1B},             {"tens2B", &clsNodo::tens2B},
        {"tens3B", &clsNodo::tens3B},             {"Angolo1B", &clsNodo::Angolo1B},
        {"Angolo2B", &clsNodo::Angolo2B},         {"fd1B", &clsNodo::fd1B},
        {"fd2B", &clsNodo::fd2B},                 {"fd3B", &clsNodo::fd3B},
        {"tauB", &clsNodo::tauB},                 {"fvdB", &clsNodo::fvdB},
        {"alfaB", &clsNodo::alfaB},               {"betaB", &clsNodo::betaB},
        {"TetaB", &clsNodo::TetaB},               {"F1B", &clsNodo::F1B},
        {"F2B", &clsNodo::F2B},
    };
    return tutti;
}

// Every float of the joint: the inputs and the results.
inline std::vector<CampoNodo> numeriNodo() {
    std::vector<CampoNodo> tutti = {
        {"tv", &clsNodo::tv}, {"Lv", &clsNodo::Lv}, {"ReazioneY", &clsNodo::ReazioneY},
        {"LunghezzaAppoggio", &clsNodo::LunghezzaAppoggio}, {"tvB", &clsNodo::tvB},
        {"LvB", &clsNodo::LvB}};
    tutti.insert(tutti.end(), risultati().begin(), risultati().end());
    return tutti;
}
