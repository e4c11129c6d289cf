#include "NodiEsempio.h"

#include <gtest/gtest.h>

namespace NodiEsempio {

namespace {
clsGenVerNodi Registro()
{
    return clsGenVerNodi([](const std::string& testo, bool) {
        ADD_FAILURE() << "unexpected library message: " << testo;
    });
}

std::shared_ptr<clsAsta> Asta(float base, float altezza, float angolo, float sforzo,
                              const std::string& descrizione)
{
    auto asta = std::make_shared<clsAsta>();
    asta->Base = base;
    asta->Altezza = altezza;
    asta->Angolo = angolo;
    asta->SforzoAssiale = sforzo;
    asta->DescrizioneMateriale = descrizione;
    asta->TipoSezione = "Rettangolare";
    return asta;
}

void Resistenze(clsAsta& asta, float fc0k, float fc0d, float fc90k, float fc90d, float fvk,
                float fvd)
{
    asta.Res_Fc0k = fc0k;
    asta.Res_Fc0d = fc0d;
    asta.Res_Fc90k = fc90k;
    asta.Res_Fc90d = fc90d;
    asta.Res_Fvk = fvk;
    asta.Res_Fvd = fvd;
}
}

std::shared_ptr<clsNodo> CatenaPuntone(bool appoggio)
{
    auto registro = Registro();
    registro.CreaNodo("Catena Puntone a Dente Semplice");
    auto nodo = registro.Nodi->Item(1);
    nodo->tv = 3;
    nodo->Lv = 20;
    if (appoggio) {
        nodo->ReazioneY = 30;
        nodo->LunghezzaAppoggio = 15;
    }
    auto catena = Asta(10, 20, 0, 0, "Legno Massiccio C30");
    Resistenze(*catena, 30, 12, 6.25f, 2.5f, 6, 2.4f);
    auto puntone = Asta(10, 20, 30, 50, "Legno Massiccio C24");
    Resistenze(*puntone, 21, 8.4f, 2.5f, 1, 4, 1.6f);
    registro.AggiungiAsta(1, catena);
    registro.AggiungiAsta(1, puntone);
    bool procedi = false;
    registro.VerNodoCPDS(procedi, 1);
    EXPECT_TRUE(procedi);
    return nodo;
}

std::shared_ptr<clsNodo> PuntoneSaetta()
{
    auto registro = Registro();
    registro.CreaNodo("Puntone Saetta a Dente Semplice");
    auto nodo = registro.Nodi->Item(1);
    nodo->tv = 3;
    nodo->Lv = 20;
    nodo->ReazioneY = 30;
    nodo->LunghezzaAppoggio = 15;
    auto inferiore = Asta(12, 20, 30, 20, "Legno Lamellare GL24h");
    auto superiore = Asta(12, 20, 30, 20, "Legno Lamellare GL24h");
    Resistenze(*inferiore, 24, 9.93f, 2.7f, 1.12f, 2.7f, 1.12f);
    Resistenze(*superiore, 24, 12, 2.7f, 2.5f, 2.7f, 1.12f);
    auto saetta = Asta(10, 15, 60, 30, "Legno Massiccio C24");
    Resistenze(*saetta, 21, 8.4f, 2.5f, 1, 4, 1.6f);
    registro.AggiungiAsta(1, inferiore);
    registro.AggiungiAsta(1, superiore);
    registro.AggiungiAsta(1, saetta);
    bool procedi = false;
    registro.VerNodoPSDS(procedi, 1);
    EXPECT_TRUE(procedi);
    return nodo;
}

std::shared_ptr<clsNodo> Monaco(const std::string& tipo)
{
    auto registro = Registro();
    registro.CreaNodo(tipo);
    auto nodo = registro.Nodi->Item(1);
    nodo->tv = 3;
    nodo->Lv = 20;
    nodo->tvB = 4;
    nodo->LvB = 25;
    auto sinistra = Asta(12, 20, 30, 50, "Legno Massiccio C24");
    Resistenze(*sinistra, 21, 8.4f, 2.5f, 1, 4, 1.6f);
    auto monaco = Asta(14, 14, 90, 0, "Legno Massiccio C30");
    Resistenze(*monaco, 30, 12, 6.25f, 2.5f, 6, 2.4f);
    auto destra = Asta(10, 18, 45, 40, "Legno Massiccio C24");
    Resistenze(*destra, 21, 8.4f, 2.5f, 1, 4, 1.6f);
    registro.AggiungiAsta(1, sinistra);
    registro.AggiungiAsta(1, monaco);
    registro.AggiungiAsta(1, destra);
    bool procedi = false;
    registro.VerNodoMPMSDS(procedi, 1);
    EXPECT_TRUE(procedi);
    return nodo;
}

std::shared_ptr<clsNodo> NodoVuoto(const std::string& tipo, int aste)
{
    auto registro = Registro();
    registro.CreaNodo(tipo);
    auto nodo = registro.Nodi->Item(1);
    for (int i = 0; i < aste; ++i)
        registro.AggiungiAsta(1, std::make_shared<clsAsta>());
    return nodo;
}

}
