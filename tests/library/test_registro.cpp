// Records and register: defaults, independence of the fields, sharing versus copying,
// numbering and the refusals of the register.
#include "Campi.h"

#include <gtest/gtest.h>

namespace {

struct Messaggio {
    std::string testo;
    bool beep;
};

struct Registro {
    std::vector<Messaggio> messaggi;
    clsGenVerNodi g{[this](const std::string& t, bool b) { messaggi.push_back({t, b}); }};
};

// Every one of the 25 values set to something distinct from the others.
clsAsta astaPiena(float base) {
    clsAsta a;
    a.Altezza = base + 1; a.Base = base + 2; a.area = base + 3; a.ModInerzia = base + 4;
    a.ModResistenza = base + 5; a.NumeroMateriale = static_cast<std::int32_t>(base) + 6;
    a.DescrizioneMateriale = "Legno Massiccio " + std::to_string(base);
    a.TipoSezione = "Rettangolare"; a.Res_Fmk = base + 9; a.Res_Ft0k = base + 10;
    a.Res_Ft90k = base + 11; a.Res_Fc0k = base + 12; a.Res_Fc90k = base + 13;
    a.Res_Fvk = base + 14; a.ModEl_0mean = base + 15; a.ModEl_05 = base + 16;
    a.ModEl_90 = base + 17; a.ModEl_Gmean = base + 18; a.Peso = base + 19;
    a.SforzoAssiale = base + 20; a.Res_Fd = base + 21; a.Res_Fc0d = base + 22;
    a.Res_Fc90d = base + 23; a.Res_Fvd = base + 24; a.Angolo = base + 25;
    return a;
}

void attendiUguali(const clsAsta& a, const clsAsta& b) {
    EXPECT_EQ(a.Altezza, b.Altezza); EXPECT_EQ(a.Base, b.Base); EXPECT_EQ(a.area, b.area);
    EXPECT_EQ(a.ModInerzia, b.ModInerzia); EXPECT_EQ(a.ModResistenza, b.ModResistenza);
    EXPECT_EQ(a.NumeroMateriale, b.NumeroMateriale);
    EXPECT_EQ(a.DescrizioneMateriale, b.DescrizioneMateriale);
    EXPECT_EQ(a.TipoSezione, b.TipoSezione); EXPECT_EQ(a.Res_Fmk, b.Res_Fmk);
    EXPECT_EQ(a.Res_Ft0k, b.Res_Ft0k); EXPECT_EQ(a.Res_Ft90k, b.Res_Ft90k);
    EXPECT_EQ(a.Res_Fc0k, b.Res_Fc0k); EXPECT_EQ(a.Res_Fc90k, b.Res_Fc90k);
    EXPECT_EQ(a.Res_Fvk, b.Res_Fvk); EXPECT_EQ(a.ModEl_0mean, b.ModEl_0mean);
    EXPECT_EQ(a.ModEl_05, b.ModEl_05); EXPECT_EQ(a.ModEl_90, b.ModEl_90);
    EXPECT_EQ(a.ModEl_Gmean, b.ModEl_Gmean); EXPECT_EQ(a.Peso, b.Peso);
    EXPECT_EQ(a.SforzoAssiale, b.SforzoAssiale); EXPECT_EQ(a.Res_Fd, b.Res_Fd);
    EXPECT_EQ(a.Res_Fc0d, b.Res_Fc0d); EXPECT_EQ(a.Res_Fc90d, b.Res_Fc90d);
    EXPECT_EQ(a.Res_Fvd, b.Res_Fvd); EXPECT_EQ(a.Angolo, b.Angolo);
}

}  // namespace

TEST(Record, NewBarAndJointAreEmpty) {
    const clsAsta a;
    attendiUguali(a, clsAsta{});
    EXPECT_EQ(a.Base, 0.0f);
    EXPECT_EQ(a.NumeroMateriale, 0);
    EXPECT_EQ(a.DescrizioneMateriale, "");
    EXPECT_EQ(a.TipoSezione, "");

    const clsNodo n;
    EXPECT_FALSE(n.AsteReg);
    EXPECT_EQ(n.TipoNodo, "");
    ASSERT_TRUE(n.Asta);
    EXPECT_EQ(n.Asta->Count(), 0);
    for (const auto& c : numeriNodo()) EXPECT_EQ(n.*c.campo, 0.0f) << c.nome;
}

TEST(Record, NoFieldAliasesAnother) {
    for (const auto& scritto : numeriNodo()) {
        clsNodo n;
        n.*scritto.campo = 7.5f;
        for (const auto& c : numeriNodo())
            EXPECT_EQ(n.*c.campo, c.campo == scritto.campo ? 7.5f : 0.0f)
                << "setting " << scritto.nome << " changed " << c.nome;
    }
}

TEST(Record, BarCollectionIsShared) {
    clsNodo n;
    auto prima = n.Asta;
    auto seconda = n.Asta;
    prima->Add(std::make_shared<clsAsta>());
    EXPECT_EQ(seconda->Count(), 1);
}

TEST(Collezione, PositionsOutsideTheRangeRaise) {
    Collezione<clsAsta> c;
    EXPECT_THROW(c.Item(1), std::out_of_range);
    auto a = std::make_shared<clsAsta>();
    auto b = std::make_shared<clsAsta>();
    c.Add(a);
    c.Add(b);
    EXPECT_THROW(c.Item(0), std::out_of_range);
    EXPECT_THROW(c.Item(3), std::out_of_range);
    EXPECT_THROW(c.Remove(3), std::out_of_range);
    EXPECT_EQ(c.Count(), 2);
    c.Remove(1);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item(1), b);
}

TEST(Registro, CreaNodoAppendsInCallOrder) {
    Registro r;
    r.g.CreaNodo("Catena Puntone a Dente Semplice");
    r.g.CreaNodo("");
    r.g.CreaNodo("Monaco Saette a Dente Semplice");
    ASSERT_EQ(r.g.Nodi->Count(), 3);
    const char* tipi[] = {"Catena Puntone a Dente Semplice", "", "Monaco Saette a Dente Semplice"};
    for (int i = 1; i <= 3; ++i) {
        auto n = r.g.Nodi->Item(i);
        EXPECT_EQ(n->TipoNodo, tipi[i - 1]);
        EXPECT_FALSE(n->AsteReg);
        EXPECT_EQ(n->Asta->Count(), 0);
    }
}

TEST(Registro, AggiungiAstaKeepsTheCallersObject) {
    Registro r;
    r.g.CreaNodo("x");
    r.g.AggiungiAsta(1, std::make_shared<clsAsta>());
    r.g.AggiungiAsta(1, std::make_shared<clsAsta>());
    auto mia = std::make_shared<clsAsta>();
    r.g.AggiungiAsta(1, mia);
    auto nodo = r.g.Nodi->Item(1);
    ASSERT_EQ(nodo->Asta->Count(), 3);
    EXPECT_EQ(nodo->Asta->Item(3), mia);
    mia->Base = 12;
    EXPECT_EQ(nodo->Asta->Item(3)->Base, 12.0f);
}

TEST(Registro, ModificaAstaCopiesEveryValue) {
    Registro r;
    r.g.CreaNodo("x");
    auto prima = std::make_shared<clsAsta>(astaPiena(100));
    auto seconda = std::make_shared<clsAsta>();
    r.g.AggiungiAsta(1, prima);
    r.g.AggiungiAsta(1, seconda);

    clsAsta x = astaPiena(200);
    r.g.ModificaAsta(1, 2, x);
    auto nodo = r.g.Nodi->Item(1);
    EXPECT_EQ(nodo->Asta->Item(2), seconda) << "the registered object stays in place";
    attendiUguali(*seconda, x);
    attendiUguali(*prima, astaPiena(100));

    x.Base = -1;
    x.DescrizioneMateriale = "cambiata";
    EXPECT_EQ(seconda->Base, astaPiena(200).Base);
    EXPECT_EQ(seconda->DescrizioneMateriale, astaPiena(200).DescrizioneMateriale);
    EXPECT_TRUE(r.messaggi.empty());
}

TEST(Registro, ModificaAstaOfAnUnregisteredBarShowsTheMessage) {
    struct Caso {
        std::int16_t asta;
        const char* messaggio;
    };
    const Caso casi[] = {
        {3, "L'asta N.3 appartenenete al nodo N.1 non risulta registrata"},
        {0, "L'asta N.0 appartenenete al nodo N.1 non risulta registrata"},
        {-2, "L'asta N.-2 appartenenete al nodo N.1 non risulta registrata"},
    };
    for (const auto& caso : casi) {
        Registro r;
        r.g.CreaNodo("x");
        r.g.AggiungiAsta(1, std::make_shared<clsAsta>(astaPiena(1)));
        r.g.AggiungiAsta(1, std::make_shared<clsAsta>(astaPiena(2)));
        EXPECT_NO_THROW(r.g.ModificaAsta(1, caso.asta, astaPiena(9)));
        ASSERT_EQ(r.messaggi.size(), 1u) << caso.asta;
        EXPECT_EQ(r.messaggi[0].testo, caso.messaggio);
        EXPECT_TRUE(r.messaggi[0].beep);
        auto nodo = r.g.Nodi->Item(1);
        EXPECT_EQ(nodo->Asta->Count(), 2);
        attendiUguali(*nodo->Asta->Item(1), astaPiena(1));
        attendiUguali(*nodo->Asta->Item(2), astaPiena(2));
    }
}

TEST(Registro, JointOutsideTheRegisterRaisesAndChangesNothing) {
    Registro r;
    for (int i = 0; i < 4; ++i) r.g.CreaNodo("x");
    r.g.AggiungiAsta(4, std::make_shared<clsAsta>());
    EXPECT_THROW(r.g.AggiungiAsta(5, std::make_shared<clsAsta>()), std::out_of_range);
    EXPECT_THROW(r.g.AggiungiAsta(0, std::make_shared<clsAsta>()), std::out_of_range);
    EXPECT_THROW(r.g.ModificaAsta(5, 1, clsAsta{}), std::out_of_range);
    bool procedi = false;
    EXPECT_THROW(r.g.VerNodoCPDS(procedi, 5), std::out_of_range);
    EXPECT_EQ(r.g.Nodi->Count(), 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(r.g.Nodi->Item(i)->Asta->Count(), i == 4 ? 1 : 0);
    EXPECT_TRUE(r.messaggi.empty());
}

TEST(Registro, RemovingAJointRenumbersTheLaterOnes) {
    Registro r;
    r.g.CreaNodo("uno");
    r.g.CreaNodo("due");
    r.g.CreaNodo("tre");
    r.g.Nodi->Remove(2);
    r.g.AggiungiAsta(2, std::make_shared<clsAsta>());
    EXPECT_EQ(r.g.Nodi->Item(2)->TipoNodo, "tre");
    EXPECT_EQ(r.g.Nodi->Item(2)->Asta->Count(), 1);
    EXPECT_EQ(r.g.Nodi->Item(1)->Asta->Count(), 0);
    EXPECT_THROW(r.g.Nodi->Item(3), std::out_of_range);
}

TEST(Registro, WithoutAHandlerMessagesGoToStandardError) {
    clsGenVerNodi g;
    g.CreaNodo("x");
    testing::internal::CaptureStderr();
    g.ModificaAsta(1, 1, clsAsta{});
    const std::string uscita = testing::internal::GetCapturedStderr();
    EXPECT_NE(uscita.find("L'asta N.1 appartenenete al nodo N.1 non risulta registrata"),
              std::string::npos);
}
