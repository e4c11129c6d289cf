#include "calcolo/DatiNodo.h"
#include "calcolo/ProprietaMateriali.h"
#include "materials/SchedaLegno.h"
#include "materials/ArchivioProva.h"

#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <thread>
#include <QTextStream>

using namespace DatabaseMateriali;

TEST(PercorsiArchivio, DriveLetterRuleAndPerUserFolder)
{
    struct Caso {
        const char* nome;
        QString applicazione, database, modello;
    };
    const QString dati = QStringLiteral("/home/ing/.local/share/QOR/Trevon-SL");
    const Caso casi[] = {
        {"program folder on drive C", QStringLiteral("C:\\Programs\\App"), QStringLiteral("C:\\MaterialiQor.dms"),
         QStringLiteral("C:\\Programs\\App\\DalvexQOR.DEF")},
        {"drive root", QStringLiteral("D:\\"), QStringLiteral("D:\\MaterialiQor.dms"), QStringLiteral("D:\\DalvexQOR.DEF")},
        {"forward slashes", QStringLiteral("C:/Programmi/Trevon"), QStringLiteral("C:/MaterialiQor.dms"),
         QStringLiteral("C:/Programmi/Trevon/DalvexQOR.DEF")},
        {"third character not a separator", QStringLiteral("E:Trevon"), QStringLiteral("E:\\MaterialiQor.dms"),
         QStringLiteral("E:Trevon/DalvexQOR.DEF")},
        {"bare drive", QStringLiteral("F:"), QStringLiteral("F:\\MaterialiQor.dms"), QStringLiteral("F:/DalvexQOR.DEF")},
        {"Linux program folder", QStringLiteral("/opt/trevon/bin"), dati + QStringLiteral("/MaterialiQor.dms"),
         QStringLiteral("/opt/trevon/bin/DalvexQOR.DEF")},
        {"Linux root folder", QStringLiteral("/"), dati + QStringLiteral("/MaterialiQor.dms"), QStringLiteral("/DalvexQOR.DEF")},
        {"network share", QStringLiteral("\\\\server\\trevon"), dati + QStringLiteral("/MaterialiQor.dms"),
         QStringLiteral("\\\\server\\trevon\\DalvexQOR.DEF")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(PercorsoDatabasePer(caso.applicazione, dati), caso.database);
        EXPECT_EQ(PercorsoModelloPer(caso.applicazione), caso.modello);
    }
}

TEST(PercorsiArchivio, DefaultsAreTheProgramFolderAndTheAppDataLocation)
{
    ImpostaCartelle({}, {});
    EXPECT_EQ(CartellaApplicazione(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(CartellaDati(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(CartellaDati().endsWith(QStringLiteral("/QOR/Trevon-SL")));
    ImpostaPercorsiArchivio();
    EXPECT_EQ(PercorsoDatabase, QString());
    EXPECT_EQ(PercorsoModello, QCoreApplication::applicationDirPath() + QStringLiteral("/DalvexQOR.DEF"));
}

TEST(TestoErrore, NumberWithBlankUnlessNegativeThenTwoLineFeeds)
{
    EXPECT_EQ(TestoErroreLettura(1, QStringLiteral("no such table: X")),
              QStringLiteral("Errore N. 1 nella lettura del Database.\n\nno such table: X"));
    EXPECT_EQ(TestoErroreLettura(0, QStringLiteral("d")), QStringLiteral("Errore N. 0 nella lettura del Database.\n\nd"));
    EXPECT_EQ(TestoErroreLettura(-2147217865, QStringLiteral("d")),
              QStringLiteral("Errore N.-2147217865 nella lettura del Database.\n\nd"));
}

TEST(ModelloDalvex, BuiltTemplateHoldsEveryClassOfTheCsvInOrder)
{
    QFile csv(QStringLiteral(TREVON_CLASSI_CSV));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text)) << TREVON_CLASSI_CSV;
    QTextStream righe(&csv);
    const QStringList intestazione = righe.readLine().split(u',');
    ASSERT_EQ(intestazione.size(), 14);

    QTemporaryDir cartella;
    const QString copia = cartella.filePath(QStringLiteral("modello.db"));
    ASSERT_TRUE(QFile::copy(ModelloCostruito(), copia));
    int numero = 0;
    while (!righe.atEnd()) {
        const QStringList campi = righe.readLine().split(u',');
        if (campi.size() < 14)
            continue;
        ++numero;
        SCOPED_TRACE(campi.at(0).toStdString());
        for (int i = 0; i < 13; ++i) {
            const QVariantList v = EseguiSuFile(
                copia, QStringLiteral("SELECT \"%1\" FROM Legno WHERE Numero=%2").arg(intestazione.at(i)).arg(numero));
            ASSERT_EQ(v.size(), 1) << intestazione.at(i).toStdString();
            if (i < 2)
                EXPECT_EQ(v.first().toString(), campi.at(i)) << intestazione.at(i).toStdString();
            else
                EXPECT_DOUBLE_EQ(v.first().toDouble(), campi.at(i).toDouble()) << intestazione.at(i).toStdString();
        }
        const QString descrizione = campi.at(1);
        EXPECT_TRUE(descrizione.startsWith(QStringLiteral("Legno Massiccio ")) ||
                    descrizione.startsWith(QStringLiteral("Legno Lamellare ")));
    }
    EXPECT_EQ(numero, 24);
    EXPECT_EQ(EseguiSuFile(copia, QStringLiteral("SELECT COUNT(*) FROM Legno")).value(0).toInt(), numero);
}

TEST(ModelloDalvex, TableHasTheFieldsInOrderAndAPositiveUniqueNumber)
{
    QTemporaryDir cartella;
    const QString copia = cartella.filePath(QStringLiteral("modello.db"));
    ASSERT_TRUE(QFile::copy(ModelloCostruito(), copia));
    QFile::setPermissions(copia, QFile::permissions(copia) | QFileDevice::WriteOwner);
    QStringList campi;
    for (const QVariant& v : EseguiSuFile(copia, QStringLiteral("SELECT name FROM pragma_table_info('Legno') ORDER BY cid")))
        campi << v.toString();
    EXPECT_EQ(campi, QStringList({"Numero", "Classe", "Descrizione", "Fmk", "Ft0k", "Ft90k", "Fc0k", "Fc90k",
                                  "Fvk", "E0mean", "E05", "E90mean", "Gmean", "rok", "Tipologia"}));
    // The program's material-property table reads exactly these columns, in this order, and
    // the record sheet shows them.
    EXPECT_EQ(campi, ColonneMateriale::Tutte());
    for (int i = 0; i < SchedaLegno::NumCampi; ++i)
        EXPECT_EQ(SchedaLegno::CampoDi(i), campi.at(i + 1)) << i;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vincoli"));
        db.setDatabaseName(copia);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO Legno (Numero, Classe) VALUES (1, 'doppio')")));
        EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO Legno (Numero, Classe) VALUES (0, 'zero')")));
        EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO Legno (Numero, Classe) VALUES (-4, 'negativo')")));
        EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO Legno (Numero, Classe) VALUES ('abc', 'testo')")));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("vincoli"));
    EXPECT_EQ(EseguiSuFile(copia, QStringLiteral("SELECT COUNT(*) FROM Legno")).value(0).toInt(), 24);
}

using Provisioning = ArchivioProva;

TEST_F(Provisioning, PresentArchiveIsOpenedAsItIsWithoutLookingForTheTemplate)
{
    ASSERT_TRUE(QDir().mkpath(dati));
    ASSERT_TRUE(QFile::copy(ModelloCostruito(), archivio));
    QFile::setPermissions(archivio, QFile::permissions(archivio) | QFileDevice::WriteOwner);
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero > 3"));
    const QByteArray prima = Contenuto(archivio);

    AvvisiProva avvisi;   // no template in the program folder, and no message about it
    InizializzaDatabaseMateriali();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_EQ(avvisi.beep, 0);
    EXPECT_EQ(PercorsoDatabase, archivio);
    EXPECT_EQ(PercorsoModello, modello);
    EXPECT_EQ(apri(QStringLiteral("Select * from Legno "))->RecordCount(), 3);

    // Start-up again with a template present: the user's archive is kept byte for byte.
    ChiudiDatabaseMateriali();
    mettiModello();
    InizializzaDatabaseMateriali();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_EQ(Contenuto(archivio), prima);
    EXPECT_EQ(apri(QStringLiteral("Select * from Legno "))->RecordCount(), 3);
}

TEST_F(Provisioning, AbsentArchiveIsCopiedFromTheTemplateIntoANewDataFolderAndOpened)
{
    mettiModello();
    ASSERT_FALSE(QDir(dati).exists());
    AvvisiProva avvisi;
    InizializzaDatabaseMateriali();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_EQ(PercorsoDatabase, archivio);
    EXPECT_EQ(Contenuto(archivio), Contenuto(modello));
    EXPECT_TRUE(QFileInfo(archivio).isWritable());
    auto rs = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 24);
}

TEST_F(Provisioning, ReadOnlyTemplateStillGivesAWritableArchive)
{
    mettiModello();
    ASSERT_TRUE(QFile::setPermissions(modello, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    AvvisiProva avvisi;
    InizializzaDatabaseMateriali();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_TRUE(QFile::permissions(archivio) & QFileDevice::WriteOwner);
    auto rs = apri(QStringLiteral("Select * From Legno Where Numero=1"));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->ImpostaCampo(QStringLiteral("Classe"), QStringLiteral("C14 rivisto")));
    EXPECT_TRUE(rs->Update()) << rs->Errore().toStdString();
}

TEST_F(Provisioning, MissingTemplateBeepsAndShowsItsMessageWithoutOpening)
{
    AvvisiProva avvisi;
    InizializzaDatabaseMateriali();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const auto& r = avvisi.ricevuti[0];
    EXPECT_EQ(r.beepPrima, 1);
    EXPECT_EQ(r.avviso.titolo, QStringLiteral("ERRORE SISTEMA SOFTWARE"));
    EXPECT_EQ(r.avviso.pulsanti, ModuloTrevon::Pulsanti::OK);
    EXPECT_EQ(r.avviso.icona, ModuloTrevon::Icona::Nessuna);
    EXPECT_EQ(r.avviso.testo,
              QStringLiteral("Impossibile gestire il database dei materiali.\n\nIl file distribuito con il "
                             "programma: \r") +
                  modello +
                  QStringLiteral("\r\nnon esiste.\n\nCopiare tale file nella directory di installazione del "
                                 "software o reinstallare lo stesso.\n"));
    EXPECT_FALSE(QFile::exists(archivio));
    EXPECT_EQ(PercorsoDatabase, archivio);

    std::shared_ptr<RecordsetMateriali> rs;
    QString errore;
    ApriRecordset(rs, QStringLiteral("Select * from Legno "), errore);
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Errore N. ")));
    EXPECT_EQ(rs, nullptr);
}

TEST_F(Provisioning, CopyFailureBeepsAndShowsTheCopyMessage)
{
    struct Caso {
        const char* nome;
        void (*prepara)(const QString& dati, const QString& modello);
    };
    const Caso casi[] = {
        {"data folder taken by a file",
         [](const QString& dati, const QString& modello) {
             ASSERT_TRUE(QFile::copy(ModelloCostruito(), modello));
             QDir().mkpath(QFileInfo(dati).path());
             QFile f(dati);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         }},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir altra;
        const QString app = altra.filePath(QStringLiteral("programma"));
        const QString d = altra.filePath(QStringLiteral("dati/Trevon-SL"));
        QDir().mkpath(app);
        ImpostaCartelle(app, d);
        caso.prepara(d, QDir(app).filePath(QStringLiteral("DalvexQOR.DEF")));

        AvvisiProva avvisi;
        InizializzaDatabaseMateriali();
        ASSERT_EQ(avvisi.ricevuti.size(), 1u);
        const auto& r = avvisi.ricevuti[0];
        const QString atteso = QDir(d).filePath(QStringLiteral("MaterialiQor.dms"));
        EXPECT_EQ(r.beepPrima, 1);
        EXPECT_EQ(r.avviso.titolo, QStringLiteral("ERRORE CREAZIONE DATABASE MATERIALI"));
        EXPECT_EQ(r.avviso.pulsanti, ModuloTrevon::Pulsanti::OK);
        EXPECT_EQ(r.avviso.icona, ModuloTrevon::Icona::Nessuna);
        const QString inizio = QStringLiteral("Impossibile gestire il database dei materiali.\n\nErrore nella "
                                              "inizializzazione dello stesso \r") +
                               atteso + QStringLiteral("\r\n");
        EXPECT_TRUE(r.avviso.testo.startsWith(inizio)) << r.avviso.testo.toStdString();
        EXPECT_TRUE(r.avviso.testo.endsWith(QStringLiteral("\n\n")));
        EXPECT_GT(r.avviso.testo.size(), inizio.size() + 2) << "the error description is missing";
        EXPECT_FALSE(QFileInfo(atteso).isFile());
        EXPECT_FALSE(QSqlDatabase::database(QString::fromLatin1(NomeConnessione), false).isOpen());
    }
}

TEST_F(Provisioning, UnusableArchiveGivesTheOpenMessageAndIsLeftUntouched)
{
    struct Caso {
        const char* nome;
        QByteArray contenuto;   // empty: an SQLite file without the table
    };
    const Caso casi[] = {
        {"damaged file", QByteArray("Questo non e' un database.\n").repeated(200)},
        {"zero bytes", QByteArray("")},
        {"database without Legno", QByteArray()},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ASSERT_TRUE(QDir().mkpath(dati));
        QFile::remove(archivio);
        if (std::string(caso.nome) == "database without Legno") {
            EseguiSuFile(archivio, QStringLiteral("CREATE TABLE Altro (x INTEGER)"));
        } else {
            QFile f(archivio);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(caso.contenuto);
        }
        const QByteArray prima = Contenuto(archivio);
        mettiModello();

        AvvisiProva avvisi;
        InizializzaDatabaseMateriali();
        ASSERT_EQ(avvisi.ricevuti.size(), 1u);
        const auto& r = avvisi.ricevuti[0];
        EXPECT_EQ(r.beepPrima, 0);
        EXPECT_EQ(r.avviso.titolo, QStringLiteral("Sub: Apri Database Materiali"));
        EXPECT_EQ(r.avviso.pulsanti, ModuloTrevon::Pulsanti::OK);
        EXPECT_EQ(r.avviso.icona, ModuloTrevon::Icona::Nessuna);
        EXPECT_FALSE(r.avviso.testo.trimmed().isEmpty());
        EXPECT_EQ(PercorsoDatabase, QString());
        EXPECT_EQ(Contenuto(archivio), prima);

        // The program runs on without the archive: every query answers with an error text.
        std::shared_ptr<RecordsetMateriali> rs;
        QString errore;
        ApriRecordset(rs, QStringLiteral("Select * From Legno Where Numero=1"), errore);
        EXPECT_TRUE(errore.startsWith(QStringLiteral("Errore N. "))) << errore.toStdString();
        EXPECT_EQ(rs, nullptr);
        QFile::remove(modello);
    }
}

TEST_F(Provisioning, OpeningANamedFileThatIsMissingNeverCreatesIt)
{
    PercorsoDatabase = archivio;
    AvvisiProva avvisi;
    ApriDatabaseMateriali();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.titolo, QStringLiteral("Sub: Apri Database Materiali"));
    EXPECT_FALSE(QFile::exists(archivio));
    EXPECT_EQ(PercorsoDatabase, QString());
}

using Interrogazioni = ArchivioProva;

TEST_F(Interrogazioni, TheThreeStatementsOfTheProgram)
{
    apriArchivioCompleto();

    auto tutti = apri(QStringLiteral("Select * from Legno "));
    ASSERT_TRUE(tutti);
    EXPECT_EQ(tutti->RecordCount(), 24);
    EXPECT_EQ(tutti->NomiCampi().size(), 15);   // the values and the timber type
    EXPECT_EQ(tutti->Campo(QStringLiteral("Numero")).toInt(), 1);
    EXPECT_EQ(tutti->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("C14"));

    auto uno = apri(QStringLiteral("Select * From Legno Where Numero=12"));
    ASSERT_TRUE(uno);
    EXPECT_EQ(uno->RecordCount(), 1);
    EXPECT_EQ(uno->Campo(QStringLiteral("Classe")).toString(), QStringLiteral("D24"));
    EXPECT_EQ(uno->Campo(QStringLiteral("Descrizione")).toString(), QStringLiteral("Legno Massiccio di Latifoglia D24"));
    EXPECT_DOUBLE_EQ(uno->Campo(QStringLiteral("Fc90k")).toDouble(), 4.9);
    EXPECT_DOUBLE_EQ(uno->Campo(QStringLiteral("rok")).toDouble(), 485);

    auto vuoto = apri(QStringLiteral("Select * From Legno where Numero =0"));
    ASSERT_TRUE(vuoto);
    EXPECT_EQ(vuoto->RecordCount(), 0);
    EXPECT_TRUE(vuoto->BOF());
    EXPECT_TRUE(vuoto->Fine());
    EXPECT_EQ(vuoto->NomiCampi().size(), 15);   // ready to add into
    EXPECT_TRUE(vuoto->AddNew());
}

TEST_F(Interrogazioni, FailingQueryReturnsTheErrorTextAndLeavesTheRecordSetAlone)
{
    apriArchivioCompleto();
    auto rs = apri(QStringLiteral("Select * From Legno Where Numero=3"));
    ASSERT_TRUE(rs);
    const auto prima = rs;
    QString errore = QStringLiteral("vecchio");
    ApriRecordset(rs, QStringLiteral("Select * From Legname"), errore);
    EXPECT_EQ(rs, prima);
    EXPECT_EQ(rs->Campo(QStringLiteral("Numero")).toInt(), 3);
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Errore N. 1 nella lettura del Database.\n\n")))
        << errore.toStdString();
    EXPECT_TRUE(errore.contains(QStringLiteral("Legname")));

    ChiudiDatabaseMateriali();
    ApriRecordset(rs, QStringLiteral("Select * from Legno "), errore);
    EXPECT_EQ(rs, prima);
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Errore N. ")));
    EXPECT_TRUE(errore.contains(QStringLiteral(" nella lettura del Database.\n\n")));
    EXPECT_FALSE(errore.section(QStringLiteral("\n\n"), 1).trimmed().isEmpty());
}

// An archive of the time before the timber type was a column gets it on open, filled from the
// words of each description where they name a type; no other value changes.
TEST_F(Provisioning, AnOlderArchiveGetsTheTimberTypeColumnWithItsDataUntouched)
{
    ASSERT_TRUE(QDir().mkpath(dati));
    EseguiSuFile(archivio, QStringLiteral("CREATE TABLE Legno (Numero INTEGER PRIMARY KEY, Classe TEXT, Descrizione TEXT, "
                                          "Fmk REAL, Ft0k REAL, Ft90k REAL, Fc0k REAL, Fc90k REAL, Fvk REAL, E0mean REAL, "
                                          "E05 REAL, E90mean REAL, Gmean REAL, rok REAL)"));
    EseguiSuFile(archivio, QStringLiteral("INSERT INTO Legno VALUES (1, 'C24', 'legno massiccio C24', 24, 14.5, 0.4, 21, "
                                          "2.5, 4, 11000, 7400, 370, 690, 350), (2, 'GL24h', 'Legno Lamellare GL24h', 24, "
                                          "19.2, 0.5, 24, 2.5, 3.5, 11500, 9600, 300, 650, 385), (3, 'X', 'Quercia "
                                          "stagionata', 30, 18, 0.6, 23, 8, 3.9, 11000, 9200, 730, 690, 690)"));
    const QString colonne = ColonneMateriale::Essenziali().join(QStringLiteral(" || '|' || "));
    const QVariantList prima = EseguiSuFile(archivio, QStringLiteral("SELECT ") + colonne + QStringLiteral(" FROM Legno"));
    {
        AvvisiProva nessunAvviso;
        DatabaseMateriali::InizializzaDatabaseMateriali();
    }
    ASSERT_FALSE(DatabaseMateriali::PercorsoDatabase.isEmpty());
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT ") + colonne + QStringLiteral(" FROM Legno")), prima);
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT ifnull(Tipologia, 0) FROM Legno ORDER BY Numero")),
              QVariantList({1, 2, 0}));
    MaterialeAsta m;
    QString errore;
    ASSERT_TRUE(DatabaseMateriali::LeggiMateriale(2, m, errore));
    EXPECT_EQ(m.tipologia, 2);
    ASSERT_TRUE(DatabaseMateriali::LeggiMateriale(3, m, errore));
    EXPECT_EQ(m.tipologia, 0) << "no word names a type: none is guessed";
    EXPECT_EQ(m.Valore(QStringLiteral("Fc90k")), 8.0f);
}

// An archive whose type column stopped at 4 takes the CLT type (5) once opened, every value kept.
TEST_F(Provisioning, AnArchiveWithTypesUpToFourAcceptsCltOnceOpened)
{
    ASSERT_TRUE(QDir().mkpath(dati));
    EseguiSuFile(archivio, QStringLiteral("CREATE TABLE Legno (Numero INTEGER PRIMARY KEY CHECK (Numero > 0), Classe TEXT, "
                                          "Descrizione TEXT, Fmk REAL, Ft0k REAL, Ft90k REAL, Fc0k REAL, Fc90k REAL, "
                                          "Fvk REAL, E0mean REAL, E05 REAL, E90mean REAL, Gmean REAL, rok REAL, "
                                          "Tipologia INTEGER CHECK (Tipologia BETWEEN 1 AND 4))"));
    EseguiSuFile(archivio, QStringLiteral("INSERT INTO Legno VALUES (1, 'C24', 'Legno Massiccio C24', 24, 14.5, 0.4, 21, "
                                          "2.5, 4, 11000, 7400, 370, 690, 350, 1), (2, 'CL24h', 'Pannello X', 24, "
                                          "14, 0.4, 21, 2.5, 4, 11600, 9700, 370, 650, 350, NULL)"));
    const QString tutte = QStringLiteral("SELECT Numero || '|' || Classe || '|' || Descrizione || '|' || Fc0k || '|' || "
                                         "ifnull(Tipologia, 0) FROM Legno ORDER BY Numero");
    const QVariantList prima = EseguiSuFile(archivio, tutte);
    {
        AvvisiProva nessunAvviso;
        DatabaseMateriali::InizializzaDatabaseMateriali();
    }
    ASSERT_FALSE(DatabaseMateriali::PercorsoDatabase.isEmpty());
    EXPECT_EQ(EseguiSuFile(archivio, tutte), prima);
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Tipologia = 5 WHERE Numero = 2"));
    MaterialeAsta m;
    QString errore;
    ASSERT_TRUE(DatabaseMateriali::LeggiMateriale(2, m, errore)) << errore.toStdString();
    EXPECT_EQ(m.tipologia, Tipologia::CLT);
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name LIKE 'Legno_%'")),
              QVariantList({0}));
}

// A damaged template is found before it is copied: no damaged archive is made from it.
TEST_F(Provisioning, ADamagedTemplateIsNotCopied)
{
    for (const char* caso : {"garbage", "folder"}) {
        SCOPED_TRACE(caso);
        QFile::remove(modello);
        QDir(modello).removeRecursively();
        if (std::string(caso) == "folder") {
            ASSERT_TRUE(QDir().mkpath(modello));
        } else {
            QFile f(modello);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("non un database ").repeated(100));
        }
        AvvisiProva avvisi;
        InizializzaDatabaseMateriali();
        ASSERT_EQ(avvisi.ricevuti.size(), 1u);
        const QString& t = avvisi.ricevuti[0].avviso.testo;
        EXPECT_TRUE(t.contains(QDir::toNativeSeparators(modello) + QStringLiteral("\nè danneggiato: "))) << t.toStdString();
        EXPECT_TRUE(t.endsWith(QStringLiteral("Reinstallare il programma per ripristinarlo.")));
        EXPECT_FALSE(QFileInfo::exists(archivio));
        EXPECT_EQ(PercorsoDatabase.isEmpty() || !QFileInfo::exists(PercorsoDatabase), true);
    }
}

// A lock held by another program for longer than the driver's 5 s used to leave the program
// without its archive until restarted: it is waited for a while longer.
TEST_F(Provisioning, AnArchiveLockedForSomeSecondsIsWaitedFor)
{
    apriArchivioCompleto();
    DatabaseMateriali::ChiudiDatabaseMateriali();
    std::atomic<bool> bloccato{false};
    std::thread altroProgramma([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocco"));
            db.setDatabaseName(archivio);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            bloccato = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(6500));
            q.exec(QStringLiteral("COMMIT"));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("blocco"));
    });
    while (!bloccato)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    AvvisiProva nessunAvviso;
    DatabaseMateriali::InizializzaDatabaseMateriali();
    altroProgramma.join();
    EXPECT_FALSE(PercorsoDatabase.isEmpty());
}

// The open message says, in Italian, which file and what to do.
TEST_F(Provisioning, TheOpenMessageNamesTheFileAndWhatToDo)
{
    ASSERT_TRUE(QDir().mkpath(dati));
    {
        QFile f(archivio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("Questo non e' un database.\n").repeated(200));
    }
    mettiModello();
    AvvisiProva avvisi;
    InizializzaDatabaseMateriali();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const QString& t = avvisi.ricevuti[0].avviso.testo;
    EXPECT_TRUE(t.startsWith(QStringLiteral("Impossibile aprire l'archivio dei materiali:\n") + QDir::toNativeSeparators(archivio)))
        << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Il file è danneggiato o non è un archivio dei materiali.")));
    EXPECT_TRUE(t.contains(QStringLiteral("al prossimo avvio sarà ricreato dal modello")));
}
