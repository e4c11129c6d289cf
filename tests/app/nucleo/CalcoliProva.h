#pragma once
// Calculations of the four joint types as a calculation file holds them.
#include "calcolo/FileCalcolo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>
#include <string>
#include <vector>

namespace CalcoliProva {

// A bar of C24 solid timber ("Legno Massiccio", so γM of row 1), material number 24 unless
// said otherwise.
inline std::shared_ptr<clsAsta> Asta(const char* sezione, float b, float h, float angolo, float n, int materiale = 24,
                                     const char* descrizione = "Legno Massiccio C24")
{
    auto a = std::make_shared<clsAsta>();
    a->TipoSezione = sezione;
    a->Base = b;
    a->Altezza = h;
    a->Angolo = angolo;
    a->SforzoAssiale = n;
    a->NumeroMateriale = materiale;
    a->DescrizioneMateriale = descrizione;
    a->Res_Fmk = 24;
    a->Res_Ft0k = 14.5f;
    a->Res_Ft90k = 0.4f;
    a->Res_Fc0k = 21;
    a->Res_Fc90k = 2.5f;
    a->Res_Fvk = 4;
    a->ModEl_0mean = 11000;
    a->ModEl_05 = 7400;
    a->ModEl_90 = 370;
    a->ModEl_Gmean = 690;
    a->Peso = 350;
    return a;
}

inline std::shared_ptr<clsNodo> Nodo(const std::string& tipo, std::vector<std::shared_ptr<clsAsta>> aste,
                                     float tv = 3, float Lv = 20)
{
    auto n = std::make_shared<clsNodo>();
    n->TipoNodo = tipo;
    n->tv = tv;
    n->Lv = Lv;
    n->tvB = tv;
    n->LvB = Lv;
    for (auto& a : aste)
        n->Asta->Add(a);
    n->AsteReg = !aste.empty();
    return n;
}

// Tie beam 10 x 20, rafter 10 x 20 at 30° with axial force n (kN), tv 3, Lv 20.
inline std::shared_ptr<clsNodo> CatenaPuntone(float n)
{
    return Nodo("Catena Puntone a Dente Semplice",
                {Asta("Rettangolare", 10, 20, 0, 0), Asta("Rettangolare", 10, 20, 30, n)});
}

// Each of the four types once, all lightly loaded.
inline FileCalcolo::Calcolo QuattroTipi()
{
    FileCalcolo::Calcolo c;
    c.nodi.push_back(CatenaPuntone(5));
    c.nodi.push_back(Nodo("Puntone Saetta a Dente Semplice",
                          {Asta("Rettangolare", 12, 20, 30, 0), Asta("Rettangolare", 12, 20, 30, 0),
                           Asta("Circolare", 7.5f, 7.5f, 60, 5)}));
    c.nodi.push_back(Nodo("Monaco Puntoni a Dente Semplice",
                          {Asta("Rettangolare", 12, 20, 30, 5), Asta("Rettangolare", 15, 20, 90, 0),
                           Asta("Rettangolare", 12, 20, 30, 5)}));
    c.nodi.push_back(Nodo("Monaco Saette a Dente Semplice",
                          {Asta("Rettangolare", 10, 15, 45, 4), Asta("Rettangolare", 15, 20, 90, 0),
                           Asta("Rettangolare", 10, 15, 45, 4)}));
    return c;
}

// A calculation file as format version 1 wrote it: no code (an NTC 2008 calculation), kmod a
// list of three values (the permanent column), no γM column.
inline QByteArray ComeVersione1(const QByteArray& dati, const QJsonArray& kmod)
{
    QJsonObject radice = QJsonDocument::fromJson(dati).object();
    radice[QStringLiteral("versione")] = 1;
    radice.remove(QStringLiteral("normativa"));
    QJsonObject coefficienti = radice[QStringLiteral("coefficienti")].toObject();
    coefficienti[QStringLiteral("kmod")] = kmod;
    coefficienti.remove(QStringLiteral("colonnaGammaM"));
    radice[QStringLiteral("coefficienti")] = coefficienti;
    return QJsonDocument(radice).toJson();
}

// The four types again, as their rear-step twins.
inline FileCalcolo::Calcolo QuattroArretrati()
{
    FileCalcolo::Calcolo c = QuattroTipi();
    for (auto& n : c.nodi) {
        const std::string semplice = " a Dente Semplice";
        n->TipoNodo = n->TipoNodo.substr(0, n->TipoNodo.size() - semplice.size()) + " a Dente Arretrato";
    }
    return c;
}

}  // namespace CalcoliProva
