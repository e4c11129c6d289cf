#include "materials/ColonnaValori.h"
#include "materials/LetturaSqlite.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Same type, same null, same bits (2 and 2.0 differ, as -0.0 and 0.0, a null and an empty text).
::testing::AssertionResult identico(const QVariant& atteso, const QVariant& letto)
{
    if (atteso.metaType() != letto.metaType() || atteso.isNull() != letto.isNull())
        return ::testing::AssertionFailure() << "type or null differs: " << atteso.typeName() << " "
                                             << atteso.isNull() << " / " << letto.typeName() << " " << letto.isNull();
    if (atteso.isNull())
        return ::testing::AssertionSuccess();
    if (atteso.userType() == QMetaType::Double) {
        const double a = atteso.toDouble(), b = letto.toDouble();
        if (std::memcmp(&a, &b, sizeof a) != 0)
            return ::testing::AssertionFailure() << a << " read " << b;
        return ::testing::AssertionSuccess();
    }
    if (atteso.userType() == QMetaType::QString) {
        const QString a = atteso.toString(), b = letto.toString();
        if (a != b || a.isNull() != b.isNull())
            return ::testing::AssertionFailure() << a.toStdString() << " read " << b.toStdString();
        return ::testing::AssertionSuccess();
    }
    if (atteso != letto)
        return ::testing::AssertionFailure() << atteso.toString().toStdString() << " read "
                                             << letto.toString().toStdString();
    return ::testing::AssertionSuccess();
}

// Every row reads back as the reference holds it, and its text reaches a test as QVariant's text.
void confronta(const ColonnaValori& colonna, const std::vector<QVariant>& attesi)
{
    ASSERT_EQ(colonna.Righe(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        ASSERT_TRUE(identico(attesi[i], colonna.Valore(i))) << "row " << i;
        QString visto;
        const bool passato = colonna.ProvaTesto(i, [&visto](auto t) {
            visto = t.toString();
            return true;
        });
        ASSERT_EQ(passato, !attesi[i].isNull()) << "row " << i;
        if (passato) {
            ASSERT_EQ(visto, attesi[i].toString()) << "row " << i;
        }
    }
}

QVariant nulloDi(QMetaType tipo) { return QVariant(tipo); }

// Appends a value as the archive's reading does: whole numbers, decimals and ASCII texts
// through their typed appends, anything else (a null QString among it) as a QVariant.
void aggiungiComeLettura(ColonnaValori& colonna, const QVariant& v)
{
    if (!v.isNull() && v.userType() == QMetaType::LongLong) {
        colonna.AggiungiIntero(v.toLongLong());
    } else if (!v.isNull() && v.userType() == QMetaType::Double) {
        colonna.AggiungiDecimale(v.toDouble());
    } else if (!v.isNull() && v.userType() == QMetaType::QString) {
        const QString t = v.toString();
        if (!t.isNull() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            const QByteArray ascii = t.toLatin1();
            colonna.AggiungiAscii(ascii.constData(), static_cast<std::size_t>(ascii.size()));
        } else {
            colonna.Aggiungi(v);
        }
    } else {
        colonna.Aggiungi(v);
    }
}

struct Caso {
    const char* nome;
    std::function<QVariant(int)> valore;   // the value of row i
    int righe;
};

}  // namespace

// Each sequence drives the column through its forms (a dictionary, then the array, pool or
// QVariant form its values call for); every row must read back exactly, after appends, after
// rewrites, deletions and a reordering done alike on a plain vector.
TEST(ColonnaValori, EveryValueReadsBackExactlyThroughEachForm)
{
    const int molte = 70000;   // more distinct values than the dictionary takes
    const Caso casi[] = {
        {"few values of mixed kinds",
         [](int i) {
             const QVariant v[] = {QVariant(qlonglong(2)), QVariant(2.0), QVariant(QStringLiteral("2")),
                                   nulloDi(QMetaType::fromType<QString>()), nulloDi(QMetaType::fromType<double>()),
                                   QVariant(QString()), QVariant(QStringLiteral("")), QVariant(-0.0), QVariant(0.0),
                                   QVariant(QByteArray("blob")), QVariant(), QVariant(true)};
             return v[i % 12];
         },
         500},
        {"whole numbers, a null among them",
         [](int i) { return i % 997 == 5 ? nulloDi(QMetaType::fromType<qlonglong>()) : QVariant(qlonglong(i) * 3 - 100); },
         molte},
        {"decimals", [](int i) { return QVariant(i * 0.1 + 1e-9); }, molte},
        {"Latin-1 texts, then one past it",
         [](int i) {
             if (i == molte - 10)
                 return QVariant(QStringLiteral("Łódź abete n.%1").arg(i));
             if (i % 1000 == 7)
                 return nulloDi(QMetaType::fromType<QString>());
             return QVariant(QStringLiteral("%1 n.%2").arg(i % 2 ? QStringLiteral("Érable µ ß") : QStringLiteral("Abete"))
                                 .arg(i));
         },
         molte},
        {"texts, then a number",
         [](int i) { return i == molte - 3 ? QVariant(qlonglong(7)) : QVariant(QStringLiteral("t%1").arg(i)); }, molte},
        {"whole numbers with nulls of two kinds",
         [](int i) {
             return i == 3 ? QVariant() : i == 4 ? nulloDi(QMetaType::fromType<QString>()) : QVariant(qlonglong(i));
         },
         2000},
        {"each decimal twice: the dictionary fills up", [](int i) { return QVariant((i / 2) * 0.5); }, 140000},
        {"whole numbers, then a null of another kind",
         [](int i) { return i == molte - 2 ? nulloDi(QMetaType::fromType<QString>()) : QVariant(qlonglong(i)); }, molte},
        {"whole numbers, decimals and a null of the same bits",
         [](int i) {
             const QVariant v[] = {nulloDi(QMetaType::fromType<qlonglong>()), QVariant(qlonglong(0)), QVariant(0.0),
                                   QVariant(qlonglong(0x4000000000000000)), QVariant(2.0), QVariant(QStringLiteral("0"))};
             return v[(i * 7) % 6];
         },
         300},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ColonnaValori colonna;
        std::vector<QVariant> attesi;
        for (int i = 0; i < caso.righe; ++i) {
            attesi.push_back(caso.valore(i));
            colonna.Aggiungi(attesi.back());
        }
        colonna.Compatta();
        confronta(colonna, attesi);
        {
            ColonnaValori letta;
            for (const QVariant& v : attesi)
                aggiungiComeLettura(letta, v);
            confronta(letta, attesi);
        }

        // Rewrites with values of the sequence's own kinds, deletions and the rows reversed, in
        // the form the sequence reached; then a text of no kind seen yet and one more row.
        const std::size_t n = attesi.size();
        for (std::size_t riga : {n / 3, n - 2}) {
            colonna.Imposta(riga, caso.valore(static_cast<int>(riga / 2)));
            attesi[riga] = caso.valore(static_cast<int>(riga / 2));
        }
        for (std::size_t riga : {n - 1, std::size_t(0), n / 2}) {
            colonna.Rimuovi(riga);
            attesi.erase(attesi.begin() + static_cast<std::ptrdiff_t>(riga));
        }
        std::vector<int> ordine(attesi.size());
        for (std::size_t k = 0; k < ordine.size(); ++k)
            ordine[k] = static_cast<int>(ordine.size() - 1 - k);
        colonna.Permuta(ordine);
        std::reverse(attesi.begin(), attesi.end());
        confronta(colonna, attesi);

        colonna.Imposta(1, QVariant(QStringLiteral("Ĳssel nuovo")));
        attesi[1] = QVariant(QStringLiteral("Ĳssel nuovo"));
        colonna.Aggiungi(caso.valore(3));
        attesi.push_back(caso.valore(3));
        confronta(colonna, attesi);
    }
}

// Rows read straight from SQLite are the rows the Qt driver hands over: names, kinds, nulls,
// empty texts, texts past ASCII, blobs, a text in a number's column, a failing query.
TEST(LetturaSqlite, ReadsEveryValueAsTheQtDriverDoes)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString nome = QStringLiteral("lettura_diretta");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(cartella.filePath(QStringLiteral("prova.db")));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE t (n INTEGER, r REAL, \"Cl\"\"asse\" TEXT, m)")));
        // More rows than a dictionary takes, so every column leaves it on the way.
        ASSERT_TRUE(q.exec(QStringLiteral(
            "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 70000) "
            "INSERT INTO t SELECT CASE WHEN i % 900 = 1 THEN NULL WHEN i = 69000 THEN 'uno' ELSE i * 7 END, "
            "CASE WHEN i % 800 = 2 THEN NULL ELSE i * 0.25 END, "
            "CASE i % 6 WHEN 0 THEN 'Abete n.' || i WHEN 1 THEN 'Érable ' || i WHEN 2 THEN '' "
            "WHEN 3 THEN NULL WHEN 4 THEN 'Łarice ' || i ELSE 'x' || i END, "
            "CASE i % 5 WHEN 0 THEN i WHEN 1 THEN i * 1.5 WHEN 2 THEN 't' || i WHEN 3 THEN x'00ff10' ELSE NULL END "
            "FROM k")));
        q.finish();

        const QString sql = QStringLiteral("SELECT * FROM t ORDER BY rowid DESC");
        QStringList campi;
        std::vector<ColonnaValori> colonne;
        QString errore;
        int numero = 0;
        ASSERT_EQ(LetturaSqlite::Leggi(db, sql, campi, colonne, errore, numero), LetturaSqlite::Esito::Letto);
        QSqlQuery attesa(db);
        attesa.setForwardOnly(true);
        ASSERT_TRUE(attesa.exec(sql));
        QStringList nomi;
        for (int c = 0; c < attesa.record().count(); ++c)
            nomi << attesa.record().fieldName(c);
        EXPECT_EQ(campi, nomi);
        ASSERT_EQ(colonne.size(), 4u);
        std::size_t riga = 0;
        while (attesa.next()) {
            for (int c = 0; c < 4; ++c)
                ASSERT_TRUE(identico(attesa.value(c), colonne[static_cast<std::size_t>(c)].Valore(riga)))
                    << "row " << riga << " column " << c;
            ++riga;
        }
        EXPECT_EQ(riga, 70000u);
        EXPECT_EQ(colonne[0].Righe(), 70000u);

        campi = QStringList{QStringLiteral("vecchio")};
        EXPECT_EQ(LetturaSqlite::Leggi(db, QStringLiteral("SELECT * FROM manca"), campi, colonne, errore, numero),
                  LetturaSqlite::Esito::Fallito);
        EXPECT_TRUE(errore.contains(QStringLiteral("manca"))) << errore.toStdString();
        EXPECT_NE(numero, 0);
        EXPECT_TRUE(campi.isEmpty() && colonne.empty());
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}
