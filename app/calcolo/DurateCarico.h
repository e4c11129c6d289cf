#pragma once
#include "calcolo/Coefficienti.h"

#include "QOR_TRVSL10.h"

#include <memory>
#include <unordered_map>
#include <utility>

// The load-duration class of each joint of a calculation (the class of the shortest action of
// the combination that gives the joint's forces), by joint record. A joint with no entry, or
// whose record is gone, is "Permanente".
class DurateCarico {
public:
    void Imposta(const std::shared_ptr<clsNodo>& nodo, int durata);
    int Di(const clsNodo& nodo) const;
    void Cancella() { tabella_.clear(); }

private:
    std::unordered_map<const clsNodo*, std::pair<std::weak_ptr<clsNodo>, int>> tabella_;
};
