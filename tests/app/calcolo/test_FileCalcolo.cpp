// The calculation file format on its own: a round trip keeps every input value, and every
// kind of bad file is refused with its reason.
#include "calcolo/FileCalcolo.h"
#include "nucleo/CalcoliProva.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace {

std::shared_ptr<clsAsta> Asta(const char* sezione, float b, float h, float angolo, float n, int materiale)
{
    return CalcoliProva::Asta(sezione, b, h, angolo, n, materiale, "Legno Massiccio C24 – abete");
}

std::shared_ptr<clsNodo> Nodo(const char* tipo, std::vector<std::shared_ptr<clsAsta>> aste)
{
    auto n = std::make_shared<clsNodo>();
    n->TipoNodo = tipo;
    n->tv = 3;
    n->Lv = 20.5f;
    n->ReazioneY = -30;   // the sign is ignored by the check, and kept
    n->LunghezzaAppoggio = 15;
    n->tvB = 2.75f;
    n->LvB = 18;
    for (auto& a : aste)
        n->Asta->Add(a);
    n->AsteReg = !aste.empty();
    return n;
}

FileCalcolo::Calcolo Esempio()
{
    FileCalcolo::Calcolo c;
    c.nodi.push_back(Nodo("Catena Puntone a Dente Semplice",
                          {Asta("Rettangolare", 10, 20, 0, 0, 30), Asta("Rettangolare", 10, 20, 30, 50, 24)}));
    c.nodi.push_back(Nodo("Puntone Saetta a Dente Semplice",
                          {Asta("Rettangolare", 12, 20, 30, 0, 24), Asta("Rettangolare", 12, 20, 30, 0, 24),
                           Asta("Circolare", 7.5f, 7.5f, 60, 30, 24)}));
    c.nodi.push_back(Nodo("Monaco Puntoni a Dente Semplice",
                          {Asta("Rettangolare", 12, 20, 30, 40, 24), Asta("Rettangolare", 15, 20, 90, 0, 30),
                           Asta("Rettangolare", 12, 20, 30, 40, 24)}));
    c.nodi.push_back(Nodo("Monaco Saette a Dente Semplice",
                          {Asta("Rettangolare", 10, 15, 45, 20, 24), Asta("Rettangolare", 15, 20, 90, 0, 30),
                           Asta("Rettangolare", 10, 15, 45, 20.125f, 24)}));
    c.nodi.push_back(Nodo("", {}));   // a joint added and never registered
    c.coefficienti.classeServizio = 2;
    c.coefficienti.kmod[1][0] = 0.8f;
    c.coefficienti.gammaM = {1.5f, 1.45f, 1.5f, 1.4f, 1.5f, 1.0f};
    c.progetto.progetto = QStringLiteral("Copertura \"fienile\" – capriate C1…C4");
    c.progetto.localita = QStringLiteral("Località Piàn d'Ëre");
    c.progetto.note = QStringLiteral("Prima riga\nseconda riga");
    return c;
}

void StesseAste(const clsAsta& a, const clsAsta& b)
{
    EXPECT_EQ(a.TipoSezione, b.TipoSezione);
    EXPECT_EQ(a.Base, b.Base);
    EXPECT_EQ(a.Altezza, b.Altezza);
    EXPECT_EQ(a.Angolo, b.Angolo);
    EXPECT_EQ(a.SforzoAssiale, b.SforzoAssiale);
    EXPECT_EQ(a.NumeroMateriale, b.NumeroMateriale);
    EXPECT_EQ(a.DescrizioneMateriale, b.DescrizioneMateriale);
    for (float clsAsta::*p : {&clsAsta::Res_Fmk, &clsAsta::Res_Ft0k, &clsAsta::Res_Ft90k, &clsAsta::Res_Fc0k,
                              &clsAsta::Res_Fc90k, &clsAsta::Res_Fvk, &clsAsta::ModEl_0mean, &clsAsta::ModEl_05,
                              &clsAsta::ModEl_90, &clsAsta::ModEl_Gmean, &clsAsta::Peso})
        EXPECT_EQ(a.*p, b.*p);
}

QJsonObject Radice() { return QJsonDocument::fromJson(FileCalcolo::Scrivi(Esempio())).object(); }

// The example file with one change made to its JSON.
QByteArray Modificato(const std::function<void(QJsonObject&)>& modifica)
{
    QJsonObject r = Radice();
    modifica(r);
    return QJsonDocument(r).toJson();
}

// Changes key of bar k (1-based) of joint n, or of its material when inMateriale.
std::function<void(QJsonObject&)> SuAsta(int n, int k, const char* chiave, QJsonValue valore, bool inMateriale = false)
{
    return [=](QJsonObject& r) {
        QJsonArray nodi = r[QStringLiteral("nodi")].toArray();
        QJsonObject nodo = nodi[n - 1].toObject();
        QJsonArray aste = nodo[QStringLiteral("aste")].toArray();
        QJsonObject asta = aste[k - 1].toObject();
        if (inMateriale) {
            QJsonObject m = asta[QStringLiteral("materiale")].toObject();
            m[QLatin1String(chiave)] = valore;
            asta[QStringLiteral("materiale")] = m;
        } else {
            asta[QLatin1String(chiave)] = valore;
        }
        aste[k - 1] = asta;
        nodo[QStringLiteral("aste")] = aste;
        nodi[n - 1] = nodo;
        r[QStringLiteral("nodi")] = nodi;
    };
}

std::function<void(QJsonObject&)> SuNodo(int n, const std::function<void(QJsonObject&)>& modifica)
{
    return [=](QJsonObject& r) {
        QJsonArray nodi = r[QStringLiteral("nodi")].toArray();
        QJsonObject nodo = nodi[n - 1].toObject();
        modifica(nodo);
        nodi[n - 1] = nodo;
        r[QStringLiteral("nodi")] = nodi;
    };
}

}  // namespace

TEST(FileCalcolo, RoundTripKeepsEveryInputOfEachJointTypeAndTheCoefficients)
{
    const FileCalcolo::Calcolo originale = Esempio();
    const QByteArray dati = FileCalcolo::Scrivi(originale);
    const FileCalcolo::Lettura l = FileCalcolo::Leggi(dati);
    ASSERT_TRUE(l.calcolo) << l.errore.toStdString();
    const FileCalcolo::Calcolo& letto = *l.calcolo;
    ASSERT_EQ(letto.nodi.size(), originale.nodi.size());
    for (std::size_t i = 0; i < originale.nodi.size(); ++i) {
        SCOPED_TRACE(originale.nodi[i]->TipoNodo);
        const clsNodo& a = *originale.nodi[i];
        const clsNodo& b = *letto.nodi[i];
        EXPECT_EQ(a.TipoNodo, b.TipoNodo);
        for (float clsNodo::*p : {&clsNodo::tv, &clsNodo::Lv, &clsNodo::ReazioneY, &clsNodo::LunghezzaAppoggio,
                                  &clsNodo::tvB, &clsNodo::LvB})
            EXPECT_EQ(a.*p, b.*p);
        EXPECT_EQ(a.AsteReg, b.AsteReg);
        ASSERT_EQ(a.Asta->Count(), b.Asta->Count());
        for (int k = 1; k <= a.Asta->Count(); ++k)
            StesseAste(*a.Asta->Item(k), *b.Asta->Item(k));
    }
    EXPECT_EQ(letto.coefficienti.classeServizio, 2);
    EXPECT_EQ(letto.coefficienti.kmod, originale.coefficienti.kmod);
    EXPECT_EQ(letto.coefficienti.gammaM, originale.coefficienti.gammaM);
    EXPECT_EQ(letto.progetto, originale.progetto);
    // Writing what was read gives the same bytes; floats are stored in their short form.
    EXPECT_EQ(FileCalcolo::Scrivi(letto), dati);
    EXPECT_TRUE(dati.contains("\"kmod\": [\n            [\n                0.6,\n                0.7,")) << dati.toStdString();
    EXPECT_TRUE(dati.contains("\"versione\": 2"));
    EXPECT_TRUE(QString::fromUtf8(dati).contains(QStringLiteral("C24 – abete")));
}

TEST(FileCalcolo, BadFilesAreRefusedWithTheirReason)
{
    const QByteArray buono = FileCalcolo::Scrivi(Esempio());
    struct Caso {
        const char* caso;
        QByteArray dati;
        const char* motivo;   // part of the Italian message
    };
    auto suCoefficienti = [](const char* chiave, QJsonValue v) {
        return [=](QJsonObject& r) {
            QJsonObject c = r[QStringLiteral("coefficienti")].toObject();
            c[QLatin1String(chiave)] = v;
            r[QStringLiteral("coefficienti")] = c;
        };
    };
    const Caso casi[] = {
        {"empty file", QByteArray(), "Il file è vuoto."},
        {"plain text", "Capriata di prova\n", "Il file non contiene un Calcolo di Trevon-SL."},
        {"other JSON", "{\"nome\": \"x\"}", "Il file non contiene un Calcolo di Trevon-SL."},
        {"truncated", buono.left(buono.size() / 2), "Il file è danneggiato o incompleto"},
        {"illegal number", QByteArray(buono).replace("\"versione\": 2", "\"versione\": -x"),
         "Il file è danneggiato o incompleto (errore al carattere"},
        {"a huge type name is quoted short",
         Modificato(SuNodo(2, [](QJsonObject& n) { n[QStringLiteral("tipo")] = QString(1000000, QLatin1Char('T')); })),
         "Nodo N.2: tipo di nodo sconosciuto \"TTTTTTTTTT"},
        {"last byte missing", buono.left(buono.trimmed().size() - 1), "Il file è danneggiato o incompleto"},
        {"newer version", Modificato([](QJsonObject& r) { r[QStringLiteral("versione")] = 3; }),
         "versione più recente di Trevon-SL (formato 3"},
        {"version zero", Modificato([](QJsonObject& r) { r[QStringLiteral("versione")] = 0; }),
         "\"versione\" deve essere un numero intero"},
        {"version as text", Modificato([](QJsonObject& r) { r[QStringLiteral("versione")] = QStringLiteral("1"); }),
         "\"versione\" deve essere un numero intero"},
        {"no joints", Modificato([](QJsonObject& r) { r[QStringLiteral("nodi")] = QJsonArray(); }),
         "non contiene alcun nodo"},
        {"unknown joint type",
         Modificato(SuNodo(2, [](QJsonObject& n) { n[QStringLiteral("tipo")] = QStringLiteral("Capriata Palladiana"); })),
         "Nodo N.2: tipo di nodo sconosciuto \"Capriata Palladiana\""},
        {"missing notch depth", Modificato(SuNodo(1, [](QJsonObject& n) { n.remove(QStringLiteral("tv")); })),
         "Nodo N.1: manca il valore \"tv\""},
        {"zero notch depth", Modificato(SuNodo(1, [](QJsonObject& n) { n[QStringLiteral("tv")] = 0; })),
         "Nodo N.1: la misura tv deve essere maggiore di 0."},
        {"negative second heel", Modificato(SuNodo(2, [](QJsonObject& n) { n[QStringLiteral("LvB")] = -1; })),
         "Nodo N.2: la misura LvB non può essere negativo."},
        {"too many bars", Modificato(SuNodo(1, [](QJsonObject& n) {
             QJsonArray a = n[QStringLiteral("aste")].toArray();
             a.append(a.at(1));
             n[QStringLiteral("aste")] = a;
         })),
         "Nodo N.1: il nodo ha 3 aste, il suo tipo ne prevede 2."},
        {"bars of an empty joint", Modificato(SuNodo(5, [](QJsonObject& n) {
             n[QStringLiteral("aste")] = QJsonArray{QJsonObject{}};
         })),
         "Nodo N.5: il nodo ha 1 aste, il suo tipo ne prevede 0."},
        {"negative base", Modificato(SuAsta(1, 2, "Base", -10)), "Nodo N.1, Asta N.2: la Base della sezione deve essere maggiore di 0."},
        {"zero radius", Modificato(SuAsta(2, 3, "Base", 0)), "Nodo N.2, Asta N.3: il Raggio della sezione deve essere"},
        {"negative height", Modificato(SuAsta(3, 1, "Altezza", -20)), "Nodo N.3, Asta N.1: l'Altezza della sezione deve"},
        {"number as text", Modificato(SuAsta(1, 1, "Base", QStringLiteral("NaN"))),
         "Nodo N.1, Asta N.1: il valore \"Base\" non è un numero valido."},
        {"beyond a float", Modificato(SuAsta(1, 2, "SforzoAssiale", 1e39)), "il valore \"SforzoAssiale\" non è un numero valido."},
        {"literal NaN", QByteArray(buono).replace("\"Angolo\": 30", "\"Angolo\": NaN"), "Il file è danneggiato o incompleto"},
        {"negative angle", Modificato(SuAsta(4, 1, "Angolo", -45)), "Nodo N.4, Asta N.1: l'Angolo non può essere negativo."},
        {"inclined tie", Modificato(SuAsta(1, 1, "Angolo", 5)), "l'Angolo della catena deve essere zero."},
        {"rafter past 90 degrees", Modificato(SuAsta(1, 2, "Angolo", 200)),
         "Nodo N.1, Asta N.2: L'Angolo dell'Asta N. 2 deve essere compreso tra 0° e 90° (esclusi)."},
        {"strut closing the angle with the rafter", Modificato(SuAsta(2, 3, "Angolo", 150)),
         "Nodo N.2, Asta N.3: L'Angolo dell'Asta N. 3 deve essere compreso tra 0° e 150° (esclusi)"},
        {"king post bar at 90 degrees", Modificato(SuAsta(3, 3, "Angolo", 90)),
         "Nodo N.3, Asta N.3: L'Angolo dell'Asta N. 3 deve essere compreso tra 0° e 90° (esclusi)."},
        {"kmod of a thousand", Modificato(suCoefficienti("kmod", QJsonArray{0.6, 1000, 0.5})),
         "Coefficienti: il valore 1000 di \"kmod\" (classe di servizio 2) è fuori dall'intervallo ammesso: maggiore di 0 e al più 1,1."},
        {"kmod zero", Modificato(suCoefficienti("kmod", QJsonArray{0, 0.6, 0.5})), "il valore 0 di \"kmod\" (classe di servizio 1)"},
        {"gammaM zero", Modificato(suCoefficienti("gammaM", QJsonArray{1.5, 1.45, 1.5, 1.4, 1.5, 0})),
         "Coefficienti: il valore 0 di \"gammaM\" (riga 6 della tabella) è fuori dall'intervallo ammesso: da 1 a 2."},
        {"gammaM below one", Modificato(suCoefficienti("gammaM", QJsonArray{0.9, 1.45, 1.5, 1.4, 1.5, 1})),
         "il valore 0,9 di \"gammaM\" (riga 1 della tabella)"},
        {"negative bearing length",
         Modificato(SuNodo(1, [](QJsonObject& n) { n[QStringLiteral("LunghezzaAppoggio")] = -15; })),
         "Nodo N.1: la Lunghezza dell'Appoggio non può essere minore di 0."},
        {"negative axial force", Modificato(SuAsta(1, 2, "SforzoAssiale", -50)), "lo Sforzo Assiale"},
        {"unknown section", Modificato(SuAsta(1, 2, "TipoSezione", QStringLiteral("Ellittica"))),
         "tipo di sezione sconosciuto \"Ellittica\""},
        {"material number zero", Modificato(SuAsta(1, 1, "Numero", 0, true)), "\"Numero\" deve essere un numero intero da 1"},
        {"material number with decimals", Modificato(SuAsta(1, 1, "Numero", 2.5, true)), "\"Numero\" deve essere un numero intero"},
        {"material value missing", Modificato([](QJsonObject& r) {
             SuAsta(1, 1, "Fc0k", 0, true)(r);
             QJsonArray nodi = r[QStringLiteral("nodi")].toArray();
             QJsonObject n = nodi[0].toObject();
             QJsonArray aste = n[QStringLiteral("aste")].toArray();
             QJsonObject a = aste[0].toObject();
             QJsonObject m = a[QStringLiteral("materiale")].toObject();
             m.remove(QStringLiteral("Fc0k"));
             a[QStringLiteral("materiale")] = m;
             aste[0] = a;
             n[QStringLiteral("aste")] = aste;
             nodi[0] = n;
             r[QStringLiteral("nodi")] = nodi;
         }),
         "Nodo N.1, Asta N.1: manca il valore \"Fc0k\""},
        {"service class 4", Modificato(suCoefficienti("classeServizio", 4)), "\"classeServizio\" deve essere un numero intero da 1 a 3"},
        {"two kmod values", Modificato(suCoefficienti("kmod", QJsonArray{0.6, 0.6})), "\"kmod\" deve contenere 3 numeri."},
        {"kmod as text", Modificato(suCoefficienti("gammaM", QJsonArray{1.5, 1.45, 1.5, 1.4, 1.5, QStringLiteral("x")})),
         "il valore \"gammaM\" non è un numero valido."},
        {"project data as a list", Modificato([](QJsonObject& r) { r[QStringLiteral("progetto")] = QJsonArray{1}; }),
         "I dati del progetto non sono leggibili."},
        {"client as a number", Modificato([](QJsonObject& r) {
             r[QStringLiteral("progetto")] = QJsonObject{{QStringLiteral("committente"), 7}};
         }),
         "Dati Progetto: il valore \"committente\" deve essere un testo."},
        {"designer past its length", Modificato([](QJsonObject& r) {
             r[QStringLiteral("progetto")] = QJsonObject{{QStringLiteral("progettista"), QString(201, QLatin1Char('x'))}};
         }),
         "Dati Progetto: il valore \"progettista\" supera i 200 caratteri."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.caso);
        const FileCalcolo::Lettura l = FileCalcolo::Leggi(c.dati);
        EXPECT_FALSE(l.calcolo.has_value());
        EXPECT_TRUE(l.errore.contains(QString::fromUtf8(c.motivo))) << l.errore.toStdString();
        // Italian only, and a value is quoted short.
        for (const char* inglese : {"illegal", "unterminated", "missing", "garbage", "number", "value"})
            EXPECT_FALSE(l.errore.contains(QLatin1String(inglese), Qt::CaseInsensitive)) << l.errore.toStdString();
        EXPECT_LT(l.errore.size(), 400);
    }
    // A byte-order mark is not a fault.
    EXPECT_TRUE(FileCalcolo::Leggi(QByteArray("\xEF\xBB\xBF") + buono).calcolo.has_value());
}

// The timber type of each bar's material travels with the file; a file written before it was
// stated takes the type its descriptions name.
TEST(FileCalcolo, TheTimberTypeOfTheMaterialsTravelsWithTheFile)
{
    FileCalcolo::Calcolo c = Esempio();
    clsAsta& a = *c.nodi[0]->Asta->Item(2);
    a.DescrizioneMateriale = "Abete";
    c.tipologie.Imposta(a.NumeroMateriale, QStringLiteral("Abete"), 2);
    const QByteArray dati = FileCalcolo::Scrivi(c);
    const FileCalcolo::Lettura l = FileCalcolo::Leggi(dati);
    ASSERT_TRUE(l.calcolo) << l.errore.toStdString();
    EXPECT_EQ(l.calcolo->tipologie.Di(*l.calcolo->nodi[0]->Asta->Item(2)), 2);
    EXPECT_EQ(l.calcolo->tipologie.Di(*l.calcolo->nodi[0]->Asta->Item(1)), 1) << "\"Legno Massiccio\"";

    QJsonObject radice = QJsonDocument::fromJson(dati).object();
    QJsonArray nodi = radice[QStringLiteral("nodi")].toArray();
    QJsonObject n = nodi[0].toObject();
    QJsonArray aste = n[QStringLiteral("aste")].toArray();
    QJsonObject b = aste[1].toObject();
    QJsonObject m = b[QStringLiteral("materiale")].toObject();
    EXPECT_EQ(m[QStringLiteral("Tipologia")].toInt(), 2);
    m.remove(QStringLiteral("Tipologia"));
    b[QStringLiteral("materiale")] = m;
    aste[1] = b;
    n[QStringLiteral("aste")] = aste;
    nodi[0] = n;
    radice[QStringLiteral("nodi")] = nodi;
    const FileCalcolo::Lettura vecchio = FileCalcolo::Leggi(QJsonDocument(radice).toJson());
    ASSERT_TRUE(vecchio.calcolo);
    EXPECT_EQ(vecchio.calcolo->tipologie.Di(*vecchio.calcolo->nodi[0]->Asta->Item(2)), 0) << "\"Abete\" names no type";
}
