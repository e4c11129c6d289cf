#pragma once
#include <QString>
#include <functional>

// How every window tells the user something: one modal message box, the system beep and the
// busy pointer.
namespace ModuloTrevon {

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

}  // namespace ModuloTrevon
