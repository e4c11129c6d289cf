#include "calcolo/DurateCarico.h"

void DurateCarico::Imposta(const std::shared_ptr<clsNodo>& nodo, int durata)
{
    if (!nodo)
        return;
    // Entries of records that are gone are dropped as the table grows.
    for (auto i = tabella_.begin(); i != tabella_.end();)
        i = i->second.first.expired() ? tabella_.erase(i) : std::next(i);
    tabella_[nodo.get()] = {nodo, durata};
}

int DurateCarico::Di(const clsNodo& nodo) const
{
    const auto i = tabella_.find(&nodo);
    if (i == tabella_.end())
        return DurataCarico::Permanente;
    // An address reused by a newer record does not inherit the class of the old one.
    const std::shared_ptr<clsNodo> vivo = i->second.first.lock();
    return vivo.get() == &nodo ? i->second.second : DurataCarico::Permanente;
}
