// Validation of a joint's data without any window: the first failing check gives its field
// and its exact message.
#include "calcolo/ValidazioneNodo.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using T = CampoNodo::Tipo;

MaterialeAsta C24()
{
    MaterialeAsta m;
    m.numero = 24;
    m.descrizione = QStringLiteral("Legno Massiccio C24");
    m.tipologia = 1;
    return m;
}

DatiAsta Asta(const char* b, const char* h, const char* angolo, const char* sforzo)
{
    return {QStringLiteral("Rettangolare"), QString::fromLatin1(b), QString::fromLatin1(h),
            QString::fromLatin1(angolo), QString::fromLatin1(sforzo), C24()};
}

// The tie–rafter joint of the worked example, as the editor's fields give it.
DatiNodo CatenaPuntone()
{
    DatiNodo d;
    d.tipo = QStringLiteral("Catena Puntone a Dente Semplice");
    d.misure = {QStringLiteral("3"), QStringLiteral("20"), QString(), QString()};
    d.aste = {Asta("10", "20", "", ""), Asta("10", "20", "30", "50")};
    return d;
}

// A king post with its bars: the notched bar is bar 2.
DatiNodo Monaco()
{
    DatiNodo d;
    d.tipo = QStringLiteral("Monaco Puntoni a Dente Semplice");
    d.misure = {QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("3"), QStringLiteral("20")};
    d.aste = {Asta("12", "20", "30", "40"), Asta("15", "20", "90", ""), Asta("12", "20", "30", "40")};
    return d;
}

struct Caso {
    const char* nome;
    std::function<DatiNodo()> dati;
    T campo;
    int indice;
    const char* messaggio;   // nullptr: the data pass
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Validazione : public ::testing::TestWithParam<Caso> {};

TEST_P(Validazione, FirstFailingCheckGivesFieldAndMessage)
{
    const Caso& c = GetParam();
    const EsitoValidazione e = ValidaNodo(c.dati());
    if (c.messaggio == nullptr) {
        EXPECT_TRUE(e.valido) << e.messaggio.toStdString();
        return;
    }
    ASSERT_FALSE(e.valido);
    EXPECT_EQ(e.messaggio.toStdString(), c.messaggio);
    EXPECT_EQ(e.campo.tipo, c.campo);
    EXPECT_EQ(e.campo.indice, c.indice);
}

template <class F>
std::function<DatiNodo()> Con(std::function<DatiNodo()> base, F modifica)
{
    return [base, modifica] {
        DatiNodo d = base();
        modifica(d);
        return d;
    };
}

const Caso casi[] = {
    {"worked example passes", CatenaPuntone, T::Nessuno, 0, nullptr},
    {"king post passes", Monaco, T::Nessuno, 0, nullptr},
    {"no type", [] { return DatiNodo{}; }, T::TipoNodo, 0, "Selezionare Tipo Unione"},
    {"tv not a number", Con(CatenaPuntone, [](DatiNodo& d) { d.misure[0] = QStringLiteral("3,x"); }), T::Misura, 1,
     "Inserire Misura Intaglio [cm.]  tv =, con formato Numerico Corretto."},
    {"Lv zero", Con(CatenaPuntone, [](DatiNodo& d) { d.misure[1] = QStringLiteral("0"); }), T::Misura, 2,
     "Inserire Misura Intaglio Lv = >0."},
    {"second notch of king post empty", Con(Monaco, [](DatiNodo& d) { d.misure[3].clear(); }), T::Misura, 4,
     "Inserire Misura Intaglio Lv2=, con formato Numerico Corretto."},
    {"rafter-strut needs no Lv",
     [] {
         DatiNodo d;
         d.tipo = QStringLiteral("Puntone Saetta a Dente Semplice");
         d.misure = {QStringLiteral("3"), QString(), QString(), QString()};
         d.aste = {Asta("12", "20", "30", ""), Asta("12", "20", "30", ""), Asta("10", "15", "60", "30")};
         return d;
     },
     T::Nessuno, 0, nullptr},
    {"empty support means none", Con(CatenaPuntone, [](DatiNodo& d) { d.reazione.clear(); d.appoggio.clear(); }),
     T::Nessuno, 0, nullptr},
    {"reaction not a number", Con(CatenaPuntone, [](DatiNodo& d) { d.reazione = QStringLiteral("dieci"); }),
     T::Reazione, 0, "Inserire Reazione Vincolare con formato Numerico Corretto."},
    {"bearing length not a number", Con(CatenaPuntone, [](DatiNodo& d) { d.appoggio = QStringLiteral("1.000,5"); }),
     T::Appoggio, 0, "Inserire Lunghezza Appoggio con formato Numerico Corretto."},
    {"no section", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].sezione.clear(); }), T::Sezione, 2,
     "Selezionare Tipo Sezione Asta N. 2"},
    {"circular radius zero",
     Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].sezione = QStringLiteral("Circolare"); d.aste[1].base = QStringLiteral("0"); }),
     T::Base, 2, "Inserire Raggio Sezione Asta N. 2 >0."},
    {"circular bar needs no height",
     Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].sezione = QStringLiteral("Circolare"); d.aste[1].altezza.clear(); }),
     T::Nessuno, 0, nullptr},
    {"height not a number", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[0].altezza = QStringLiteral("-"); }), T::Altezza, 1,
     "Inserire Altezza Sezione Asta N. 1 con formato Numerico Corretto."},
    {"negative angle", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].angolo = QStringLiteral("-30"); }), T::Angolo, 2,
     "Inserire Angolo Asta N. 2 positivo."},
    {"tie at an angle", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[0].angolo = QStringLiteral("5"); }), T::Angolo, 1,
     "L'Angolo dell'Asta N. 1, Ossia della catena deve essere ZERO."},
    {"force not a number", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].sforzo = QStringLiteral("50kN"); }), T::Sforzo,
     2, "Inserire Sforzo Assiale Asta N. 2 con formato Numerico Corretto."},
    {"no material", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[0].materiale = MaterialeAsta{}; }), T::Materiale, 1,
     "Specificare Materiale Asta N. 1"},
    {"material without its timber type", Con(CatenaPuntone, [](DatiNodo& d) {
         d.aste[1].materiale.tipologia = 0;
         d.aste[1].materiale.numero = 9;
         d.aste[1].materiale.descrizione = QStringLiteral("Pioppo");
     }),
     T::Materiale, 2,
     "Il Materiale N. 9 \"Pioppo\" dell'Asta N. 2 non ha la Tipologia (legno massiccio, lamellare, ...) che ne dà "
     "il coefficiente \u03b3M.\nImpostarla nella sua Scheda (Tabella Materiali)."},
    {"notch half the tie", Con(CatenaPuntone, [](DatiNodo& d) { d.misure[0] = QStringLiteral("10"); }), T::Misura, 1,
     "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza della Catena"},
    {"notch against a circular king post's diameter",
     Con(Monaco,
         [](DatiNodo& d) {
             d.aste[1].sezione = QStringLiteral("Circolare");
             d.aste[1].base = QStringLiteral("6");
             d.misure[0] = QStringLiteral("6");
         }),
     T::Misura, 1, "La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza del Monaco"},
    {"rafter at 120 degrees",
     Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].angolo = QStringLiteral("120"); }), T::Angolo, 2,
     "L'Angolo dell'Asta N. 2 deve essere compreso tra 0° e 90° (esclusi)."},
    {"rafter at 90 degrees", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].angolo = QStringLiteral("90"); }), T::Angolo,
     2, "L'Angolo dell'Asta N. 2 deve essere compreso tra 0° e 90° (esclusi)."},
    {"rafter at 0 degrees is the verification's refusal", Con(CatenaPuntone, [](DatiNodo& d) { d.aste[1].angolo.clear(); }),
     T::Nessuno, 0, nullptr},
    {"king post right bar at 95 degrees", Con(Monaco, [](DatiNodo& d) { d.aste[2].angolo = QStringLiteral("95"); }),
     T::Angolo, 3, "L'Angolo dell'Asta N. 3 deve essere compreso tra 0° e 90° (esclusi)."},
    {"strut closing the angle with the rafter",
     [] {
         DatiNodo d;
         d.tipo = QStringLiteral("Puntone Saetta a Dente Semplice");
         d.misure = {QStringLiteral("3"), QString(), QString(), QString()};
         d.aste = {Asta("12", "20", "30", ""), Asta("12", "20", "30", ""), Asta("10", "15", "150", "30")};
         return d;
     },
     T::Angolo, 3,
     "L'Angolo dell'Asta N. 3 deve essere compreso tra 0° e 150° (esclusi): l'angolo tra Puntone e Saetta, "
     "180° − 30° − α3, deve essere positivo."},
    {"notch leaving no run on a thin steep rafter",
     Con(CatenaPuntone,
         [](DatiNodo& d) {
             d.aste[1].altezza = QStringLiteral("0,5");
             d.aste[1].angolo = QStringLiteral("60");
         }),
     T::Misura, 1,
     "La Misura dell'Intaglio tv è troppo grande per l'Altezza e l'inclinazione dell'Asta N. 2: la faccia del dente "
     "non avrebbe lunghezza."},
    {"negative bearing length", Con(CatenaPuntone, [](DatiNodo& d) { d.appoggio = QStringLiteral("-15"); }), T::Appoggio,
     0, "Inserire Lunghezza Appoggio positiva, o zero se non c'è appoggio."},
    {"negative reaction: its sign is ignored",
     Con(CatenaPuntone, [](DatiNodo& d) { d.reazione = QStringLiteral("-20"); d.appoggio = QStringLiteral("15"); }),
     T::Nessuno, 0, nullptr},
    {"notch just under half a circular king post",
     Con(Monaco,
         [](DatiNodo& d) {
             d.aste[1].sezione = QStringLiteral("Circolare");
             d.aste[1].base = QStringLiteral("6");
             d.misure[0] = QStringLiteral("5,9");
         }),
     T::Nessuno, 0, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Casi, Validazione, ::testing::ValuesIn(casi), [](const auto& info) {
    std::string n = info.param.nome;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return n;
});

}  // namespace
