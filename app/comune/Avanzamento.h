#pragma once
#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;

// Progress of a long piece of work, with "Annulla": a modal dialog that appears only when the
// work lasts more than half a second. Work of fewer than Minimo steps has none (the dialog
// lets events run at each step). Tests install a stand-in that answers each step.
class Avanzamento {
public:
    static constexpr int Minimo = 200;
    Avanzamento(const QString& testo, int totale);
    ~Avanzamento();
    Avanzamento(const Avanzamento&) = delete;
    Avanzamento& operator=(const Avanzamento&) = delete;

    // fatti of totale steps done; false once the user asked to cancel.
    bool Passo(int fatti);
    // Passo as the callback work that reports its progress takes (fatti, totale).
    std::function<bool(int, int)> Richiamo()
    {
        return [this](int fatti, int) { return Passo(fatti); };
    }

    using Risponditore = std::function<bool(int fatti, int totale)>;
    static void ImpostaRisponditore(Risponditore r);   // {} restores the dialog

private:
    int totale_;
    std::unique_ptr<QProgressDialog> dialogo_;
};
