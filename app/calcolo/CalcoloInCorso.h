#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/FileCalcolo.h"

#include "QOR_TRVSL10.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

// The calculation in progress: it owns the register, the joint shown, the normative
// coefficients, the file it was saved to or opened from and what that file holds. Windows
// listen to its signals instead of calling each other.
class CalcoloInCorso : public QObject {
    Q_OBJECT
public:
    using GestoreAvvisi = std::function<void(const std::string& testo, bool beep)>;

    static CalcoloInCorso& Istanza();

    std::shared_ptr<clsGenVerNodi> registro;   // reached as ModuloTrevon::GenVerNodi
    std::shared_ptr<clsNodo> corrente;         // reached as ModuloTrevon::NodoCorrente
    float piGreco = 0;                         // 4·atan(1) as float, set at start-up (ModuloTrevon::PiGreco)

    // Where the library's own messages go (a zero decisive angle, an unregistered bar).
    void ImpostaGestoreAvvisi(GestoreAvvisi g) { avvisi_ = std::move(g); }
    // A new, empty register whose library messages reach the handler.
    std::shared_ptr<clsGenVerNodi> NuovoRegistro();
    // The last message of the library through a register made here; cleared on request.
    QString UltimoAvvisoLibreria() const { return ultimoAvviso_; }
    void DimenticaAvvisoLibreria() { ultimoAvviso_.clear(); }
    // While true the library's messages are recorded (UltimoAvvisoLibreria) but not shown.
    void ImpostaSilenzioso(bool s) { silenzioso_ = s; }

    // A new calculation: an empty register, no current joint, no file.
    void Nuovo();
    // Replaces the register (an opened calculation); the current joint becomes joint 1.
    void ImpostaRegistro(std::shared_ptr<clsGenVerNodi> r);
    void Rilascia();   // no register, no current joint
    // Appends a joint with an empty type; it becomes the current joint.
    void NuovoNodo();
    void RimuoviNodo(int n);   // joint n leaves the register (the current joint is the caller's)
    int TotaleNodi() const;

    const Coefficienti& coefficienti() const { return coefficienti_; }
    // New coefficients: every registered bar's design strengths are computed again and every
    // registered joint verified again (silently), so no figure uses other coefficients than
    // those shown; coefficientiCambiati follows.
    void ImpostaCoefficienti(const Coefficienti& c);

    // The timber types of the materials the bars were registered with.
    TipologieMateriali& tipologie() { return tipologie_; }
    const TipologieMateriali& tipologie() const { return tipologie_; }
    void ImpostaTipologie(const TipologieMateriali& t) { tipologie_ = t; }

    // The load-duration class of each joint.
    DurateCarico& durate() { return durate_; }
    const DurateCarico& durate() const { return durate_; }
    void ImpostaDurate(const DurateCarico& d) { durate_ = d; }

    // The project's data, printed on the complete report's cover and page headers.
    const DatiProgetto& progetto() const { return progetto_; }
    void ImpostaProgetto(const DatiProgetto& p)
    {
        progetto_ = p;
        emit modificato();
    }

    // Tells whoever shows the unsaved state that the calculation may have changed (a joint
    // registered in place, say).
    void SegnalaModifica() { emit modificato(); }

    QString Percorso() const { return percorso_; }
    // The calculation as a file holds it.
    FileCalcolo::Calcolo Dati() const;
    // Records the file the calculation was saved to or opened from, with its bytes.
    void SegnaSalvato(const QString& percorso, const QByteArray& dati);
    void DimenticaFile();                        // a calculation with no file yet
    void AccettaModifiche();                     // the changes were let go: nothing to save
    bool HaNodiRegistrati() const;
    // Registered joints that differ from what was last saved or opened.
    bool DaSalvare() const;

signals:
    void registroCambiato();          // a new or replaced register
    void nodiCambiati(int totale);    // joints appended or removed
    void coefficientiCambiati();
    void fileCambiato(const QString& percorso);
    void modificato();                // a change that may need saving

private:
    CalcoloInCorso() = default;
    GestoreAvvisi avvisi_;
    QString ultimoAvviso_;
    Coefficienti coefficienti_ = Coefficienti::Predefiniti(Normativa::NTC2018);
    TipologieMateriali tipologie_;
    DurateCarico durate_;
    DatiProgetto progetto_;
    bool silenzioso_ = false;   // the library's messages are not shown (recomputing)
    QString percorso_;
    QByteArray salvato_;
};

// The names by which the program reaches the calculation's register and current joint.
namespace ModuloTrevon {
extern std::shared_ptr<clsGenVerNodi>& GenVerNodi;   // register of the calculation in progress
extern std::shared_ptr<clsNodo>& NodoCorrente;       // joint shown in the editor
extern float& PiGreco;                               // 4·atan(1) as float, set at start-up
}
