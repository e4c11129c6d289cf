// Rear-step joints through the editor: each type registered and verified by its family's
// rear-step method, reported with its one notch face, and refused past its depth limit.
#include "GestioneProva.h"

#include "calcolo/RisultatiNodo.h"
#include "calcolo/TipiNodo.h"

#include <cstring>
#include <functional>
#include <vector>

using ModuloTrevon::Icona;
using ModuloTrevon::Pulsanti;

namespace {

using Metodo = void (clsGenVerNodi::*)(bool&, std::int16_t);

// The library's own figures for a joint's data: the rear-step method called directly on a copy
// of the joint and of its bars.
clsNodo Libreria(const clsNodo& nodo, Metodo metodo)
{
    CopiaDiProva prova(nodo);
    bool procedi = false;
    (prova.Registro().*metodo)(procedi, 1);
    EXPECT_TRUE(procedi);
    return prova.Nodo();
}

bool StessiBit(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

// The worked examples of the rear-step methods, typed in the editor: the stored results are
// the library's to the bit, the figures those of the examples, and the report shows one notch
// face per side, the heel and support blocks where the family has them.
TEST_F(GestioneTest, EachRearStepTypeIsVerifiedByItsRearStepMethodAndReportsOneFace)
{
    struct Caso {
        int tipo;
        Metodo metodo;
        std::vector<std::pair<float clsNodo::*, float>> attesi;   // to four figures
        std::vector<const char*> righe;                             // in the report, in order
        int facce;
    };
    const std::vector<Caso> casi = {
        {4, &clsGenVerNodi::VerNodoCPDA,
         {{&clsNodo::F1, 50000}, {&clsNodo::fd1, 6.154f}, {&clsNodo::tens1, 14.43f}, {&clsNodo::Angolo1, 30},
          {&clsNodo::tau, 2.165f}},
         {" Tipologia Nodo:          Catena Puntone a Dente Arretrato", " Intaglio SX:   Componente di compressione F1 =  50,00 kN",
          "                σ =  14,43 N/mmq  >  fcα1,d  -  NON VERIFICA", " Verifica a Taglio - tallone",
          " Verifica Appoggio - Compressione Perpendicolare alla fibratura"},
         1},
        {5, &clsGenVerNodi::VerNodoPSDA,
         {{&clsNodo::Teta, 120}, {&clsNodo::F1, 30000}, {&clsNodo::fd1, 3.117f}, {&clsNodo::tens1, 5.000f},
          {&clsNodo::Angolo1, 120}},
         {" Tipologia Nodo:          Puntone Saetta a Dente Arretrato", " Intaglio SUP:  Componente di compressione F1 =  30,00 kN",
          "                Resistenza a compressione inclinata fcα1,d =   3,12N/mmq"},
         1},
        {6, &clsGenVerNodi::VerNodoMPMSDA,
         {{&clsNodo::fd1, 6.154f}, {&clsNodo::tens1, 12.03f}, {&clsNodo::fd1B, 4.138f}, {&clsNodo::tens1B, 7.071f},
          {&clsNodo::Angolo1B, 45}},
         {" Tipologia Nodo:          Monaco Puntoni a Dente Arretrato", " Profondità Intaglio:     tv1 =  3,00 cm.",
          " Profondità Intaglio:     tv2 =  4,00 cm.", " Saetta di sinistra",
          " Intaglio SUP:  Componente di compressione F1 =  50,00 kN", " Saetta di destra",
          " Intaglio SUP:  Componente di compressione F1 =  40,00 kN"},
         2},
        {7, &clsGenVerNodi::VerNodoMPMSDA,
         {{&clsNodo::fd1, 6.154f}, {&clsNodo::tens1, 12.03f}, {&clsNodo::fd1B, 4.138f}, {&clsNodo::tens1B, 7.071f}},
         {" Tipologia Nodo:          Monaco Saette a Dente Arretrato", " Intaglio INF:  Componente di compressione F1 =  50,00 kN",
          " Intaglio INF:  Componente di compressione F1 =  40,00 kN"},
         2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.tipo);
        NuovoNodoSenzaRegistrare();
        DenteArretrato(c.tipo);
        const TipoNodo& tipo = TipoNodo::Tutti()[static_cast<std::size_t>(c.tipo)];
        // The king post's rear steps ask for no heels.
        EXPECT_EQ(frmNodi::Mostrato(f->txtMis[2]), tipo.famiglia == FamigliaRelazione::CatenaPuntone);
        EXPECT_FALSE(frmNodi::Mostrato(f->txtMis[4]));
        f->Command8->click();
        ASSERT_TRUE(Presi().empty());
        ASSERT_EQ(f->SSTab1->currentIndex(), 1) << "verified";

        const clsNodo& nodo = *ModuloTrevon::NodoCorrente;
        EXPECT_EQ(nodo.TipoNodo, tipo.nome.toStdString());
        const clsNodo libreria = Libreria(nodo, c.metodo);
        for (const RisultatoNodo& r : RisultatoNodo::Tutti())
            EXPECT_TRUE(StessiBit(nodo.*r.membro, libreria.*r.membro)) << r.nome;
        for (const auto& [membro, valore] : c.attesi)
            EXPECT_NEAR(nodo.*membro, valore, std::fabs(valore) * 5e-4f);

        const QStringList righe = Relazione().split(QLatin1Char('\n'));
        int da = 0;
        for (const char* riga : c.righe) {
            const int i = righe.indexOf(QString::fromUtf8(riga), da);
            ASSERT_GE(i, 0) << riga << "\n" << Relazione().toStdString();
            da = i + 1;
        }
        EXPECT_EQ(righe.filter(QStringLiteral("Componente di compressione F1")).size(), c.facce);
        EXPECT_TRUE(righe.filter(QStringLiteral("F2")).isEmpty()) << "no second face";
        EXPECT_TRUE(righe.filter(QStringLiteral("Lv1")).isEmpty());
    }
}

// A rear-step rafter–strut joint notched past its geometric limit: the library's refusal with
// the limit, as the single-step refusals reach the user, and no report figures.
TEST_F(GestioneTest, ARearStepRafterStrutPastItsDepthLimitShowsTheLibrarysMessage)
{
    DenteArretrato(5, QStringLiteral("8"));
    f->Command8->click();
    const auto presi = Presi();
    ASSERT_EQ(presi.size(), 1u);
    EXPECT_EQ(presi[0].testo, QStringLiteral("Impossibile eseguire Verifica\nNodo N. 1\nPer il Tipo di Unione Specificato, "
                                             "\"Puntone Saetta a Dente Arretrato\" l'intaglio tv deve essere minore di "
                                             "7,50 cm."));
    EXPECT_EQ(presi[0].pulsanti, Pulsanti::OK);
    EXPECT_EQ(presi[0].icona, Icona::Nessuna);
    EXPECT_TRUE(Relazione().contains(QStringLiteral(" Nodo non verificato\n")));
    EXPECT_FALSE(Relazione().contains(QStringLiteral("Componente di compressione")));
    EXPECT_EQ(f->SSTab1->currentIndex(), 0);

    // Within the limit the same joint is verified.
    Batti(f->txtMis[1], QStringLiteral("7"));
    f->Command8->click();
    EXPECT_TRUE(Presi().empty());
    EXPECT_EQ(f->SSTab1->currentIndex(), 1);
}
