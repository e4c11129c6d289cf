#include "materials/ArchivioProva.h"
#include "materials/ModelloMateriali.h"

using namespace DatabaseMateriali;

namespace {

// One state of the filter box and of the search box.
struct Passo {
    const char* filtro;
    const char* cerca;
};

class Recordset : public ArchivioProva {
protected:
    void SetUp() override
    {
        ArchivioProva::SetUp();
        apriArchivioCompleto();
    }

    static QList<int> numeri(RecordsetMateriali& rs)
    {
        QList<int> n;
        for (rs.MoveFirst(); !rs.Fine(); rs.MoveNext())
            n << rs.Campo(QStringLiteral("Numero")).toInt();
        return n;
    }

    // A new record through AddNew / ImpostaCampo / Update.
    static bool aggiungi(RecordsetMateriali& rs, int numero, const QString& descrizione)
    {
        return rs.AddNew() && rs.ImpostaCampo(QStringLiteral("Numero"), numero) &&
               rs.ImpostaCampo(QStringLiteral("Classe"), QStringLiteral("X")) &&
               rs.ImpostaCampo(QStringLiteral("Descrizione"), descrizione) &&
               rs.ImpostaCampo(QStringLiteral("Fmk"), QStringLiteral("12,5")) && rs.Update();
    }
};

}  // namespace

TEST_F(Recordset, SortedByNumeroWhateverTheQueryOrder)
{
    auto rs = apri(QStringLiteral("Select * from Legno order by Numero desc"));
    ASSERT_TRUE(rs);
    const QList<int> n = numeri(*rs);
    ASSERT_EQ(n.size(), 24);
    EXPECT_TRUE(std::is_sorted(n.begin(), n.end()));
}

TEST_F(Recordset, MovesStopAtBeginningAndEnd)
{
    auto rs = apri(QStringLiteral("Select * from Legno where Numero <= 3"));
    ASSERT_TRUE(rs);
    EXPECT_FALSE(rs->BOF());
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 1);   // opens on the first record
    rs->MoveLast();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 3);
    rs->MoveNext();
    EXPECT_TRUE(rs->Fine());
    EXPECT_FALSE(rs->Campo(QStringLiteral("Numero")).isValid());
    rs->MoveNext();
    EXPECT_TRUE(rs->Fine());
    rs->MovePrevious();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 3);
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->BOF());
    EXPECT_FALSE(rs->Fine());
    rs->MoveNext();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 1);
    EXPECT_FALSE(rs->Campo(QStringLiteral("NonEsiste")).isValid());
}

TEST_F(Recordset, NullFieldReadsAsNull)
{
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Fvk = NULL, Classe = NULL WHERE Numero = 5"));
    auto rs = apri(QStringLiteral("Select * From Legno Where Numero=5"));
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->Campo(QStringLiteral("Fvk")).isNull());
    EXPECT_TRUE(rs->Campo(QStringLiteral("Classe")).isNull());
    EXPECT_FALSE(rs->Campo(QStringLiteral("Fmk")).isNull());
}

TEST_F(Recordset, AddNewUpdateWritesAtOnceThroughBoundParameters)
{
    auto rs = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(rs);
    const QString insidiosa = QStringLiteral("Legno Massiccio d'abete'); DROP TABLE Legno; --");
    ASSERT_TRUE(rs->AddNew());
    EXPECT_TRUE(rs->Campo(QStringLiteral("Numero")).isNull());
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Numero"), QStringLiteral("25")));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Classe"), QStringLiteral("C24'")));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Descrizione"), insidiosa));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Fmk"), QStringLiteral("24,5")));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("rok"), 350.0));
    ASSERT_TRUE(rs->Update()) << rs->Errore().toStdString();
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 25);

    EXPECT_EQ(contaSuFile(), 25);
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT Descrizione FROM Legno WHERE Numero=25")).value(0).toString(),
              insidiosa);
    EXPECT_DOUBLE_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT Fmk FROM Legno WHERE Numero=25")).value(0).toDouble(),
                     24.5);
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT typeof(Fmk) FROM Legno WHERE Numero=25")).value(0).toString(),
              QStringLiteral("real"));
    EXPECT_TRUE(EseguiSuFile(archivio, QStringLiteral("SELECT Fvk FROM Legno WHERE Numero=25")).value(0).isNull());
}

TEST_F(Recordset, DuplicateOrInvalidNumberIsRefusedAndNothingIsLost)
{
    auto rs = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(rs);
    const QByteArray prima = Contenuto(archivio);

    struct Caso {
        const char* nome;
        QVariant numero;
        QString motivo;   // the Italian sentence of the refusal
    };
    const Caso casi[] = {
        {"number in use", QVariant(12), QStringLiteral("Il numero del materiale è già assegnato")},
        {"zero", QVariant(0), QStringLiteral("maggiore di zero")},
        {"negative", QVariant(-3), QStringLiteral("maggiore di zero")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ASSERT_TRUE(rs->AddNew());
        ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Numero"), caso.numero));
        ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Classe"), QStringLiteral("Doppione")));
        EXPECT_FALSE(rs->Update());
        EXPECT_TRUE(rs->Errore().contains(caso.motivo)) << rs->Errore().toStdString();
        EXPECT_TRUE(rs->ModificaInSospeso());
        rs->CancelUpdate();
        EXPECT_FALSE(rs->ModificaInSospeso());
        EXPECT_EQ(rs->RecordCount(), 0);
    }
    EXPECT_EQ(contaSuFile(), 24);
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT Classe FROM Legno WHERE Numero=12")).value(0).toString(),
              QStringLiteral("D24"));

    // Values that are no whole number never reach the database.
    ASSERT_TRUE(rs->AddNew());
    EXPECT_FALSE(rs->ImpostaCampo(QStringLiteral("Numero"), QStringLiteral("abc")));
    EXPECT_FALSE(rs->ImpostaCampo(QStringLiteral("Numero"), 2.5));
    EXPECT_FALSE(rs->ImpostaCampo(QStringLiteral("Fmk"), QStringLiteral("dodici")));
    EXPECT_FALSE(rs->Errore().isEmpty());
    EXPECT_FALSE(rs->Update());   // Numero still empty
    rs->CancelUpdate();
    EXPECT_EQ(Contenuto(archivio), prima);
}

TEST_F(Recordset, ChangingACurrentRecordToANumberInUseIsRefused)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->SetBookmark(7));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Numero"), 8));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Descrizione"), QStringLiteral("cambiata")));
    EXPECT_EQ(rs->Campo(QStringLiteral("Descrizione")).toString(), QStringLiteral("cambiata"));
    EXPECT_FALSE(rs->Update());
    rs->CancelUpdate();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 7);
    EXPECT_EQ(rs->Campo(QStringLiteral("Descrizione")).toString(), QStringLiteral("Legno Massiccio di Conifera C27"));
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT Classe FROM Legno WHERE Numero IN (7, 8) ORDER BY Numero")),
              (QVariantList{QStringLiteral("C27"), QStringLiteral("C30")}));
}

TEST_F(Recordset, ModifyWritesTheCurrentRecordAndKeepsTheSetSorted)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->SetBookmark(3));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Numero"), 30));
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Fvk"), QStringLiteral("3,6")));
    ASSERT_TRUE(rs->Update()) << rs->Errore().toStdString();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 30);   // the changed record stays current
    EXPECT_EQ(rs->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("C18"));
    const QList<int> n = numeri(*rs);
    EXPECT_TRUE(std::is_sorted(n.begin(), n.end()));
    EXPECT_EQ(n.last(), 30);
    EXPECT_EQ(contaSuFile(QStringLiteral("Numero=3")), 0);
    EXPECT_DOUBLE_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT Fvk FROM Legno WHERE Numero=30")).value(0).toDouble(),
                     3.6);
    EXPECT_EQ(contaSuFile(), 24);
}

TEST_F(Recordset, DeleteTouchesOnlyTheCurrentRecord)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->SetBookmark(12));
    ASSERT_TRUE(rs->Delete()) << rs->Errore().toStdString();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 13);   // the next record is current
    EXPECT_EQ(rs->RecordCount(), 23);
    EXPECT_EQ(contaSuFile(), 23);
    EXPECT_EQ(contaSuFile(QStringLiteral("Numero=12")), 0);
    EXPECT_EQ(contaSuFile(QStringLiteral("Numero IN (11, 13)")), 2);

    rs->MoveLast();
    ASSERT_TRUE(rs->Delete());
    EXPECT_TRUE(rs->Fine());
    EXPECT_FALSE(rs->Delete());   // no current record: nothing happens
    EXPECT_FALSE(rs->Errore().isEmpty());
    EXPECT_EQ(contaSuFile(), 22);
}

TEST_F(Recordset, DeleteOfARecordGoneFromTheDatabaseReportsItAndKeepsTheRest)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero=1"));
    EXPECT_FALSE(rs->Delete());
    EXPECT_FALSE(rs->Errore().isEmpty());
    EXPECT_EQ(contaSuFile(), 23);
}

TEST_F(Recordset, DescriptionFilterIsACaseInsensitiveLiteralPrefix)
{
    auto aggiunte = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(aggiunte);
    ASSERT_TRUE(aggiungi(*aggiunte, 30, QStringLiteral("L'abete rosso")));
    ASSERT_TRUE(aggiungi(*aggiunte, 31, QStringLiteral("Labirinto")));
    ASSERT_TRUE(aggiungi(*aggiunte, 32, QStringLiteral("100% rovere")));
    ASSERT_TRUE(aggiungi(*aggiunte, 33, QStringLiteral("_sottolineato")));
    ASSERT_TRUE(aggiungi(*aggiunte, 34, QStringLiteral("Legno massiccio ÈRBA")));

    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    rs->MoveLast();
    struct Caso {
        QString inizio;
        QList<int> attesi;   // empty list: count only
        int quanti;
    };
    QList<int> conifere, latifoglie, lamellari;
    for (int i = 1; i <= 10; ++i) conifere << i;
    for (int i = 11; i <= 18; ++i) latifoglie << i;
    for (int i = 19; i <= 24; ++i) lamellari << i;
    const Caso casi[] = {
        {QStringLiteral("legno massiccio di c"), conifere, 10},
        {QStringLiteral("LEGNO MASSICCIO DI LATIFOGLIA"), latifoglie, 8},
        {QStringLiteral("Legno Lamellare"), lamellari, 6},
        {QStringLiteral("Legno massiccio"), {}, 19},
        {QStringLiteral("l'ab"), {30}, 1},
        {QStringLiteral("L'"), {30}, 1},
        {QStringLiteral("100%"), {32}, 1},
        {QStringLiteral("%"), {}, 0},
        {QStringLiteral("_"), {33}, 1},
        {QStringLiteral("L_g"), {}, 0},
        {QStringLiteral("Legno massiccio è"), {34}, 1},
        {QStringLiteral("Legno "), {}, 25},
        {QStringLiteral(""), {}, 29},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.inizio.toStdString());
        rs->FiltraDescrizione(caso.inizio);
        EXPECT_EQ(rs->Filtro(), caso.inizio);
        EXPECT_EQ(rs->RecordCount(), caso.quanti);
        if (!caso.attesi.isEmpty()) {
            EXPECT_EQ(numeri(*rs), caso.attesi);
        }
        rs->MoveFirst();
        EXPECT_EQ(rs->Fine(), caso.quanti == 0);
    }
    EXPECT_EQ(contaSuFile(), 29);   // filtering reads and writes nothing
}

// The search finds a class or any part of a description, ignoring case, every character
// literal; it narrows the begins-with filter, which stays as it is.
TEST_F(Recordset, SearchFindsAClassOrAnyPartOfTheDescription)
{
    auto aggiunte = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(aggiunte);
    ASSERT_TRUE(aggiungi(*aggiunte, 30, QStringLiteral("Castagno 100% italiano")));
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    struct Caso {
        const char* filtro;
        const char* cerca;
        QList<int> attesi;
    };
    const Caso casi[] = {
        {"", "c24", {6}},                      // class and description of C24
        {"", "GL24h", {19}},
        {"", "gl24", {19, 22}},
        {"", "Lamellare", {19, 20, 21, 22, 23, 24}},
        {"", "combinato", {22, 23, 24}},
        {"", "  castagno ", {30}},             // blanks around the text do not count
        {"", "100%", {30}},
        {"", "%", {30}},                        // literal, not a wildcard
        {"", "_", {}},
        {"", "X", {30}},                        // the class the helper gives
        {"Legno Massiccio di L", "D3", {13, 14}},
        {"Legno Lamellare", "c24", {}},         // both must hold
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.filtro) + " / " + c.cerca);
        rs->FiltraDescrizione(QString::fromUtf8(c.filtro));
        rs->Cerca(QString::fromUtf8(c.cerca));
        EXPECT_EQ(rs->Ricerca(), QString::fromUtf8(c.cerca).trimmed());
        EXPECT_EQ(numeri(*rs), c.attesi);
    }
    rs->FiltraDescrizione(QString());
    rs->Cerca(QStringLiteral("   "));
    EXPECT_EQ(rs->RecordCount(), 25) << "an empty search removes it";
}

// Keystroke by keystroke, growing texts narrow the view already shown and shorter ones look
// at every row again: after each step the rows are those a set opened afresh keeps with the
// same filter and search, a write in between included.
TEST_F(Recordset, TypingAndErasingKeepTheRowsOfAFreshFilter)
{
    auto aggiunte = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(aggiunte);
    ASSERT_TRUE(aggiungi(*aggiunte, 30, QStringLiteral("Legno massiccio ÈRBA")));
    ASSERT_TRUE(aggiungi(*aggiunte, 31, QStringLiteral("legno massiccio èrba c24")));
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    const Passo passi[] = {
        {"L", ""}, {"Le", ""}, {"Legno massiccio ", ""}, {"Legno massiccio è", ""}, {"Legno massiccio È", "c"},
        {"Legno massiccio È", "c2"}, {"Legno massiccio È", "c24"}, {"Legno massiccio È", "c2"}, {"Legno massiccio", "c2"},
        {"Legno massiccio di l", "c2"}, {"Legno massiccio di l", "D"}, {"Legno massiccio di l", "D3"}, {"", "D3"},
        {"", ""}, {"l", "gl"}, {"le", "gl24"}, {"leg", "gl24h"}, {"le", "gl24h"}, {"le", "gl24"}, {"l", "gl"},
        {"L", "gl"}, {"La", ""}, {"L", ""}, {"", ""}, {"L", ""}, {"La", ""}, {"L", ""},
        {"Le", ""}, {"Leg", "c"}, {"Le", ""}, {"L", ""}, {"", ""}, {"", "c"}, {"", ""},
    };
    int k = 0;
    for (const Passo& p : passi) {
        SCOPED_TRACE(std::string(p.filtro) + " / " + p.cerca);
        // A record rewritten mid-way, the second time just before a backspace: its new
        // description counts at once.
        if (++k == 8 || k == 31) {
            ASSERT_TRUE(rs->SetBookmark(31));
            ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Descrizione"),
                                         QString::fromUtf8(k == 8 ? "Legno massiccio èrba C2x" : "Abete")));
            ASSERT_TRUE(rs->Update());
        }
        rs->Filtra(QString::fromUtf8(p.filtro), QString::fromUtf8(p.cerca));
        auto nuovo = apri(QStringLiteral("Select * from Legno "));
        ASSERT_TRUE(nuovo);
        nuovo->Filtra(QString::fromUtf8(p.filtro), QString::fromUtf8(p.cerca));
        EXPECT_EQ(numeri(*rs), numeri(*nuovo));
    }
}

// An archive past the sizes a small one keeps in dictionaries: the numbers, the descriptions
// (Latin-1 letters beyond ASCII, one character past Latin-1, nulls) read, sort, filter and
// write as the plain texts say.
TEST_F(Recordset, ALargeArchiveReadsFiltersAndWritesAsItsTextsSay)
{
    struct Materiale {
        int numero;
        QString descrizione;   // null: a null field
    };
    std::vector<Materiale> materiali;
    for (int i = 100; i < 70100; ++i) {
        const QString inizio[] = {QStringLiteral("Érable"), QStringLiteral("érable ß"), QStringLiteral("Abete")};
        // "ſ" (long s) and "K" (Kelvin sign) fold to ASCII letters when case is ignored.
        materiali.push_back({i, i % 1000 == 3   ? QString()
                                : i == 50000    ? QStringLiteral("Łarice n.50000")
                                : i % 500 == 7  ? QStringLiteral("ſab\u212A n.%1").arg(i)
                                : i % 700 == 11 ? QStringLiteral("Ab")
                                                : inizio[i % 3] + QStringLiteral(" n.") + QString::number(i)});
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grande"));
        db.setDatabaseName(archivio);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(db.transaction());
        QSqlQuery q(db);
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO Legno (Numero, Classe, Descrizione, Fmk) VALUES (?, 'X', ?, ?)")));
        for (const Materiale& m : materiali) {
            q.addBindValue(m.numero);
            q.addBindValue(m.descrizione.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(m.descrizione));
            q.addBindValue(m.numero * 0.5);
            ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        }
        ASSERT_TRUE(db.commit());
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grande"));

    auto rs = apri(QStringLiteral("Select * from Legno where Numero >= 100 order by Descrizione desc"));
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->RecordCount(), static_cast<int>(materiali.size()));
    auto attesi = [&materiali](const QString& filtro, const QString& cerca) {
        QList<int> n;
        for (const Materiale& m : materiali)
            if ((filtro.isEmpty() || (!m.descrizione.isNull() && m.descrizione.startsWith(filtro, Qt::CaseInsensitive))) &&
                (cerca.isEmpty() || m.descrizione.contains(cerca, Qt::CaseInsensitive) ||
                 QStringLiteral("X").contains(cerca, Qt::CaseInsensitive)))
                n << m.numero;
        return n;
    };
    const Passo passi[] = {{"é", ""}, {"ÉRABLE ß", ""}, {"érable n.1", ""}, {"ł", ""}, {"", "ß N.7"},
                           {"a", "n.6999"}, {"", "x"}, {"AB", ""}, {"abe", ""}, {"ABETE N.69", ""},
                           {"sabk", ""}, {"SabK n.1", ""}, {"abete n.", "9"}};
    auto verifica = [&] {
        for (const Passo& p : passi) {
            SCOPED_TRACE(std::string(p.filtro) + " / " + p.cerca);
            rs->Filtra(QString::fromUtf8(p.filtro), QString::fromUtf8(p.cerca));
            EXPECT_EQ(numeri(*rs), attesi(QString::fromUtf8(p.filtro), QString::fromUtf8(p.cerca)));
        }
        rs->Filtra(QString(), QString());
    };
    verifica();
    ASSERT_TRUE(rs->SetBookmark(152));
    EXPECT_EQ(rs->Campo(QStringLiteral("Descrizione")).toString(), materiali[52].descrizione);
    EXPECT_DOUBLE_EQ(rs->Campo(QStringLiteral("Fmk")).toDouble(), 76.0);
    EXPECT_TRUE(rs->Campo(QStringLiteral("Ft0k")).isNull());

    // A rewrite with a character past Latin-1, a deletion, a new record at the front.
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Descrizione"), QStringLiteral("Łarice rosso")));
    ASSERT_TRUE(rs->Update());
    materiali[52].descrizione = QStringLiteral("Łarice rosso");
    ASSERT_TRUE(rs->SetBookmark(151));
    ASSERT_TRUE(rs->Delete());
    materiali.erase(materiali.begin() + 51);
    ASSERT_TRUE(aggiungi(*rs, 99, QStringLiteral("Érable ß nuovo")));
    materiali.insert(materiali.begin(), {99, QStringLiteral("Érable ß nuovo")});
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 99);
    rs->Filtra(QStringLiteral("Ł"), QString());
    EXPECT_EQ(numeri(*rs), (QList<int>{152, 50000}));
    rs->Filtra(QString(), QString());
    verifica();
    // The records below 100 are the template's.
    rs = apri(QStringLiteral("Select * from Legno where Numero >= 99"));
    ASSERT_TRUE(rs);
    verifica();
}

TEST_F(Recordset, NewNumberProposalUsesTheLastRecordOfTheFilteredView)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    rs->FiltraDescrizione(QStringLiteral("Legno Massiccio di Latifoglia"));
    rs->MoveLast();
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt() + 1, 19);
}

TEST_F(Recordset, BookmarkIsRestoredOnAReloadedSet)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->SetBookmark(15));
    EXPECT_EQ(rs->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("D40"));
    const QVariant segnalibro = rs->Bookmark();

    // Another record set (a record sheet) removes a material before this one.
    auto altro = apri(QStringLiteral("Select * From Legno Where Numero=2"));
    ASSERT_TRUE(altro && altro->Delete());

    auto ricaricato = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(ricaricato);
    ASSERT_TRUE(ricaricato->SetBookmark(segnalibro));
    EXPECT_EQ(ricaricato->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("D40"));
    EXPECT_EQ(ricaricato->Posizione(), 13);

    // A bookmark of a record that is gone leaves the position where it was.
    ricaricato->MoveFirst();
    EXPECT_FALSE(ricaricato->SetBookmark(2));
    EXPECT_EQ(ricaricato->Campo(QStringLiteral("Numero")).toInt(), 1);
    EXPECT_FALSE(ricaricato->SetBookmark(QVariant()));

    // Outside the filter the bookmark is not found either.
    ricaricato->FiltraDescrizione(QStringLiteral("Legno Lamellare"));
    EXPECT_FALSE(ricaricato->SetBookmark(segnalibro));
}

TEST_F(Recordset, SnapshotKeepsItsRowsUntilReloaded)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero > 20"));
    EXPECT_EQ(rs->RecordCount(), 24);
    EXPECT_EQ(apri(QStringLiteral("Select * from Legno "))->RecordCount(), 20);
}

TEST_F(Recordset, WritesAfterTheConnectionClosedFailWithATextAndKeepTheSnapshot)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ChiudiDatabaseMateriali();
    EXPECT_FALSE(rs->Delete());
    EXPECT_FALSE(rs->Errore().isEmpty());
    EXPECT_EQ(rs->RecordCount(), 24);
    EXPECT_EQ(contaSuFile(), 24);
}

TEST_F(Recordset, TableModelFollowsTheRecordSet)
{
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    ModelloMateriali modello;
    modello.ImpostaRecordset(rs);
    EXPECT_EQ(modello.rowCount(), 24);
    ASSERT_EQ(modello.columnCount(), 15);
    EXPECT_EQ(modello.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Numero"));
    EXPECT_EQ(modello.headerData(13, Qt::Horizontal).toString(), QStringLiteral("rok"));
    EXPECT_EQ(modello.data(modello.index(18, 1)).toString(), QStringLiteral("GL24h"));
    EXPECT_DOUBLE_EQ(modello.data(modello.index(0, 3)).toDouble(), 14.0);

    int azzeramenti = 0;
    QObject::connect(&modello, &QAbstractItemModel::modelReset, [&azzeramenti] { ++azzeramenti; });
    rs->FiltraDescrizione(QStringLiteral("Legno Lamellare"));
    EXPECT_EQ(modello.rowCount(), 6);
    EXPECT_EQ(modello.data(modello.index(0, 0)).toInt(), 19);
    rs->MoveFirst();
    ASSERT_TRUE(rs->Delete());
    EXPECT_EQ(modello.rowCount(), 5);
    EXPECT_EQ(modello.data(modello.index(0, 0)).toInt(), 20);
    EXPECT_EQ(azzeramenti, 2);

    modello.ImpostaRecordset(nullptr);
    EXPECT_EQ(modello.rowCount(), 0);
    EXPECT_EQ(modello.columnCount(), 0);
}
