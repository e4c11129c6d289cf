#pragma once
#include <QPixmap>
#include <array>

// The start window's animated title strip, drawn at run time: frames 1..15, 300 × 60 px.
// Frames 1–10 build a king-post truss bar by bar; frames 11–15 mark its five joints in turn.
// A highlight slides across the title from frame to frame.
namespace BannerTrevon {
constexpr int NumeroFotogrammi = 15;
constexpr int Larghezza = 300;   // px
constexpr int Altezza = 60;      // px
QPixmap Fotogramma(int indice);  // indice 1..NumeroFotogrammi; outside that range, a null pixmap
std::array<QPixmap, NumeroFotogrammi> Fotogrammi();   // every frame, as Fotogramma draws them, at once
}
