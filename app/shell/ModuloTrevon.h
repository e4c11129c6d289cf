#pragma once
#include "QOR_TRVSL10.h"
#include <QString>
#include <functional>
#include <memory>
class QLineEdit;
namespace ModuloTrevon {
extern std::shared_ptr<clsGenVerNodi> GenVerNodi;   // register of the calculation in progress
extern std::shared_ptr<clsNodo> NodoCorrente;       // joint shown in the editor
extern float PiGreco;                               // 4·atan(1) as float, set at start-up

enum class Pulsanti { OK, SiNo, SiNoAnnulla };
enum class Icona { Nessuna, Critica, Domanda, Informazione };
enum class Risposta { OK, Si, No, Annulla };
struct Avviso { QString testo; Pulsanti pulsanti; Icona icona; QString titolo; };
using Risponditore = std::function<Risposta(const Avviso&)>;

// The one place the program shows a message box (modal QMessageBox, Italian buttons).
// An empty titolo means the application's name.
Risposta MsgBox(const QString& testo, Pulsanti pulsanti = Pulsanti::OK,
                Icona icona = Icona::Nessuna, const QString& titolo = QString());
void ImpostaRisponditore(Risponditore r);        // tests: answer boxes without a window; {} restores
void Beep();                                      // QApplication::beep, or the test hook
void ImpostaBeep(std::function<void()> gancio);  // tests: observe beeps; {} restores

class CursoreOccupato {   // RAII busy pointer, restored on every path
public: CursoreOccupato(); ~CursoreOccupato();
  CursoreOccupato(const CursoreOccupato&) = delete; CursoreOccupato& operator=(const CursoreOccupato&) = delete; };

void SelezionaTesto(QLineEdit* box);
void ApriDocumento(const QString& percorso);
int Main();   // start-up procedure
}
