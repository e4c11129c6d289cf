#pragma once

namespace ModuloTrevon {
// Loads Qt's own Italian texts (standard buttons "Sì", "No", "Annulla") when installed.
bool CaricaTraduzioneQt();
}
