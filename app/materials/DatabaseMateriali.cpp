#include "materials/DatabaseMateriali.h"

#include "materials/RecordsetMateriali.h"

#include "calcolo/DatiNodo.h"
#include "calcolo/ProprietaMateriali.h"
#include "comune/Avvisi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QStandardPaths>
#include <QUrl>

namespace DatabaseMateriali {

QString PercorsoDatabase;
QString PercorsoModello;

namespace {

quint64& apertureConnessione()
{
    static quint64 aperture = 0;
    return aperture;
}

QString& cartellaApplicazioneImpostata()
{
    static QString c;
    return c;
}

QString& cartellaDatiImpostata()
{
    static QString c;
    return c;
}

QString connessione() { return QString::fromLatin1(NomeConnessione); }

// The description of a database error as the engine gives it.
QString descrizione(const QSqlError& errore)
{
    const QString testo = errore.databaseText().trimmed();
    return testo.isEmpty() ? errore.text().trimmed() : testo;
}

// SQLite's primary result codes the messages explain.
constexpr int SqliteOccupato = 5;      // SQLITE_BUSY: another program holds a lock
constexpr int SqliteBloccato = 6;      // SQLITE_LOCKED
constexpr int SqliteSolaLettura = 8;   // SQLITE_READONLY
constexpr int SqlitePieno = 13;        // SQLITE_FULL
constexpr int SqliteNonApribile = 14;  // SQLITE_CANTOPEN
constexpr int SqliteNonArchivio = 26;  // SQLITE_NOTADB

int codiceSqlite(const QSqlError& e)
{
    bool ok = false;
    const int n = e.nativeErrorCode().toInt(&ok);
    return ok ? (n & 0xff) : -1;
}

// What went wrong opening the archive, in Italian, with what to do; the engine's own words
// follow in brackets.
QString frasePerErrore(const QSqlError& e)
{
    QString frase;
    switch (codiceSqlite(e)) {
    case SqliteOccupato:
    case SqliteBloccato:
        frase = QStringLiteral("L'archivio è bloccato da un altro programma che lo sta scrivendo. Chiudere quel "
                               "programma e riavviare Trevon-SL.");
        break;
    case SqliteSolaLettura:
        frase = QStringLiteral("L'archivio è in sola lettura: verificare i permessi del file e della cartella.");
        break;
    case SqlitePieno:
        frase = QStringLiteral("Il disco è pieno: liberare spazio e riavviare Trevon-SL.");
        break;
    case SqliteNonApribile:
        frase = QStringLiteral("Il file non può essere aperto: verificare che esista e che i permessi lo consentano.");
        break;
    case SqliteNonArchivio:
        frase = QStringLiteral("Il file è danneggiato o non è un archivio dei materiali. Sostituirlo con una copia "
                               "di sicurezza, oppure eliminarlo: al prossimo avvio sarà ricreato dal modello.");
        break;
    default:
        frase = QStringLiteral("Il file non contiene un archivio dei materiali utilizzabile. Sostituirlo con una "
                               "copia di sicurezza, oppure eliminarlo: al prossimo avvio sarà ricreato dal modello.");
        break;
    }
    return frase + QStringLiteral(" (") + descrizione(e) + QLatin1Char(')');
}

// Fails on a missing, damaged or foreign file: SQLite reads the file only at the first query.
// A lock held by another program is waited for: the driver waits 5 s for it, and the query is
// tried once more before giving up (about 10 s in all).
bool verificaArchivio(const QSqlDatabase& db, QString& errore)
{
    for (int tentativo = 0;; ++tentativo) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT ") + ColonneMateriale::Essenziali().join(QStringLiteral(", ")) +
                   QStringLiteral(" FROM Legno LIMIT 1")))
            return true;
        const int codice = codiceSqlite(q.lastError());
        if ((codice == SqliteOccupato || codice == SqliteBloccato) && tentativo < 1) {
            QThread::msleep(100);
            continue;
        }
        errore = frasePerErrore(q.lastError());
        return false;
    }
}

// An archive made before the timber type was a column gets it, filled from the words of each
// description where they name a type; no other value is touched. An archive that cannot be
// written keeps working without it (the types then come from the descriptions).
void AggiungiTipologia(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT Tipologia FROM Legno LIMIT 1")))
        return;
    q.finish();
    QSqlDatabase scrittura = db;
    if (!scrittura.transaction())
        return;
    bool ok = q.exec(QStringLiteral("ALTER TABLE Legno ADD COLUMN Tipologia INTEGER"));
    // The words, in the order of the γM table's rows: the first that matches decides.
    const char* const parole[] = {"massiccio", "lamellare", "fibre", "compensato"};
    for (int t = 4; t >= 1 && ok; --t) {
        QSqlQuery u(db);
        ok = u.prepare(QStringLiteral("UPDATE Legno SET Tipologia = ? WHERE lower(Descrizione) LIKE ?")) ;
        u.addBindValue(t);
        u.addBindValue(QStringLiteral("%") + QLatin1String(parole[t - 1]) + QStringLiteral("%"));
        ok = ok && u.exec();
    }
    if (ok)
        scrittura.commit();
    else
        scrittura.rollback();
}

// An archive made when the types stopped at 4 refuses the CLT type (5) by its CHECK: the
// table is made again with the wider range, every column and value kept. An archive that
// cannot be written keeps the old range (a CLT type then cannot be saved in it).
void AmpliaTipologie(const QSqlDatabase& db)
{
    const QString vecchio = QStringLiteral("BETWEEN 1 AND 4");
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'Legno'")) || !q.next())
        return;
    const QString crea = q.value(0).toString();
    if (!crea.contains(vecchio, Qt::CaseInsensitive))
        return;
    q.finish();
    QStringList colonne;
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(Legno)")))
        return;
    while (info.next())
        colonne << QLatin1Char('"') + info.value(1).toString().replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                       QLatin1Char('"');
    info.finish();
    QString nuova = crea;
    nuova.replace(vecchio, QStringLiteral("BETWEEN 1 AND %1").arg(Tipologia::Massima), Qt::CaseInsensitive);
    const QString elenco = colonne.join(QStringLiteral(", "));
    QSqlDatabase scrittura = db;
    if (!scrittura.transaction())
        return;
    QSqlQuery u(db);
    const bool ok = u.exec(QStringLiteral("ALTER TABLE Legno RENAME TO Legno_tipologie_1_4")) && u.exec(nuova) &&
                    u.exec(QStringLiteral("INSERT INTO Legno (%1) SELECT %1 FROM Legno_tipologie_1_4").arg(elenco)) &&
                    u.exec(QStringLiteral("DROP TABLE Legno_tipologie_1_4"));
    u.finish();
    if (ok)
        scrittura.commit();
    else
        scrittura.rollback();
}

// The template opens read-only and holds table Legno.
bool modelloUtilizzabile(const QString& percorso, QString& errore)
{
    const QString nome = QStringLiteral("verificaModello");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=ro"));
        if (!db.open())
            errore = frasePerErrore(db.lastError());
        else
            ok = verificaArchivio(db, errore);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

}  // namespace

bool HaLetteraUnita(const QString& cartella)
{
    return cartella.size() >= 2 && cartella.at(1) == u':' && cartella.at(0).isLetter() &&
           cartella.at(0).unicode() < 128;
}

QString PercorsoDatabaseSuUnita(const QString& cartellaApplicazione)
{
    const QString nome = QString::fromLatin1(NomeDatabase);
    const QChar terzo = cartellaApplicazione.size() > 2 ? cartellaApplicazione.at(2) : QChar();
    if (terzo == u'\\' || terzo == u'/')
        return cartellaApplicazione.left(3) + nome;
    return cartellaApplicazione.left(2) + QStringLiteral("\\") + nome;
}

QString PercorsoDatabasePer(const QString& cartellaApplicazione, const QString& cartellaDati)
{
    if (HaLetteraUnita(cartellaApplicazione))
        return PercorsoDatabaseSuUnita(cartellaApplicazione);
    return QDir(cartellaDati).filePath(QString::fromLatin1(NomeDatabase));
}

QString PercorsoModelloPer(const QString& cartellaApplicazione)
{
    const QString nome = QString::fromLatin1(NomeModello);
    if (cartellaApplicazione.endsWith(u'\\') || cartellaApplicazione.endsWith(u'/'))
        return cartellaApplicazione + nome;
    const QChar separatore = cartellaApplicazione.contains(u'\\') ? u'\\' : u'/';
    return cartellaApplicazione + separatore + nome;
}

void ImpostaCartelle(const QString& cartellaApplicazione, const QString& cartellaDati)
{
    cartellaApplicazioneImpostata() = cartellaApplicazione;
    cartellaDatiImpostata() = cartellaDati;
}

QString CartellaApplicazione()
{
    return cartellaApplicazioneImpostata().isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : cartellaApplicazioneImpostata();
}

QString CartellaDati()
{
    return cartellaDatiImpostata().isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
               : cartellaDatiImpostata();
}

QString TestoErroreLettura(int numero, const QString& descrizione)
{
    return QStringLiteral("Errore N.") + (numero >= 0 ? QStringLiteral(" ") : QString()) +
           QString::number(numero) + QStringLiteral(" nella lettura del Database.\n\n") +
           descrizione;
}

void ImpostaPercorsiArchivio()
{
    PercorsoDatabase.clear();
    PercorsoModello = PercorsoModelloPer(CartellaApplicazione());
}

void InizializzaDatabaseMateriali()
{
    using namespace ModuloTrevon;
    ImpostaPercorsiArchivio();
    const QString cartellaDati = CartellaDati();
    PercorsoDatabase = PercorsoDatabasePer(CartellaApplicazione(), cartellaDati);

    if (QFileInfo(PercorsoDatabase).isFile()) {
        ApriDatabaseMateriali();
        return;
    }

    if (!QFileInfo::exists(PercorsoModello)) {
        Beep();
        MsgBox(QStringLiteral("Impossibile gestire il database dei materiali.\n\n"
                              "Il file distribuito con il programma: \r") +
                   PercorsoModello +
                   QStringLiteral("\r\nnon esiste.\n\nCopiare tale file nella directory di "
                                  "installazione del software o reinstallare lo stesso.\n"),
               Pulsanti::OK, Icona::Nessuna, QStringLiteral("ERRORE SISTEMA SOFTWARE"));
        return;
    }

    // A damaged template would give a damaged archive: it is checked before it is copied.
    QString guasto;
    if (!modelloUtilizzabile(PercorsoModello, guasto)) {
        Beep();
        MsgBox(QStringLiteral("Impossibile gestire il database dei materiali.\n\nIl file distribuito con il programma:\n") +
                   QDir::toNativeSeparators(PercorsoModello) + QStringLiteral("\nè danneggiato: ") + guasto +
                   QStringLiteral("\n\nReinstallare il programma per ripristinarlo."),
               Pulsanti::OK, Icona::Nessuna, QStringLiteral("ERRORE SISTEMA SOFTWARE"));
        return;
    }

    QString errore;
    if (!HaLetteraUnita(CartellaApplicazione()) && !QDir().mkpath(cartellaDati))
        errore = QStringLiteral("Impossibile creare la cartella ") + QDir::toNativeSeparators(cartellaDati);
    if (errore.isEmpty()) {
        QFile modello(PercorsoModello);
        // QFile::copy never replaces an existing file, so an archive that appeared meanwhile
        // is kept.
        if (!modello.copy(PercorsoDatabase))
            errore = modello.errorString();
        else
            // The copy inherits the template's mode; an installed read-only template would
            // otherwise give an archive no sheet can write to.
            QFile::setPermissions(PercorsoDatabase, QFile::permissions(PercorsoDatabase) |
                                                        QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner);
    }
    if (!errore.isEmpty()) {
        Beep();
        MsgBox(QStringLiteral("Impossibile gestire il database dei materiali.\n\n"
                              "Errore nella inizializzazione dello stesso \r") +
                   PercorsoDatabase + QStringLiteral("\r\n") + errore + QStringLiteral("\n\n"),
               Pulsanti::OK, Icona::Nessuna, QStringLiteral("ERRORE CREAZIONE DATABASE MATERIALI"));
        return;
    }
    ApriDatabaseMateriali();
}

void ApriDatabaseMateriali()
{
    ++apertureConnessione();
    QString errore;
    {
        if (QSqlDatabase::contains(connessione()))
            QSqlDatabase::removeDatabase(connessione());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione());
        // Read-write without create: a missing file is an error, never a new empty archive.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(PercorsoDatabase).absoluteFilePath())
                               .toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        if (PercorsoDatabase.trimmed().isEmpty())
            errore = QStringLiteral("Percorso del database dei materiali non definito.");
        else if (!db.open())
            errore = frasePerErrore(db.lastError());
        else if (verificaArchivio(db, errore)) {
            AggiungiTipologia(db);
            AmpliaTipologie(db);
        }
    }
    if (errore.isEmpty())
        return;
    ModuloTrevon::MsgBox(QStringLiteral("Impossibile aprire l'archivio dei materiali:\n") +
                             QDir::toNativeSeparators(PercorsoDatabase) + QStringLiteral("\n\n") + errore +
                             QStringLiteral("\n\nIl programma prosegue senza l'archivio dei materiali."),
                         ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Nessuna,
                         QStringLiteral("Sub: Apri Database Materiali"));
    PercorsoDatabase.clear();
    ChiudiDatabaseMateriali();
}

void ChiudiDatabaseMateriali()
{
    ++apertureConnessione();
    if (!QSqlDatabase::contains(connessione()))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connessione(), false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connessione());
}

void ApriRecordset(std::shared_ptr<RecordsetMateriali>& rs, const QString& sql, QString& errText)
{
    errText.clear();
    auto nuovo = std::make_shared<RecordsetMateriali>();
    if (!nuovo->Apri(sql, connessione())) {
        errText = TestoErroreLettura(nuovo->NumeroErrore(), nuovo->Errore());
        return;
    }
    rs = std::move(nuovo);
}

ImprontaArchivio Impronta()
{
    ImprontaArchivio impronta;
    impronta.apertura = apertureConnessione();
    impronta.scritture = RecordsetMateriali::Scritture();
    QSqlDatabase db = QSqlDatabase::database(connessione(), false);
    if (db.isValid() && db.isOpen()) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA data_version")) && q.next())
            impronta.versione = q.value(0).toLongLong();
    }
    return impronta;
}

std::vector<VoceMateriale> ElencoMateriali(QString& errText)
{
    errText.clear();
    std::vector<VoceMateriale> voci;
    std::shared_ptr<RecordsetMateriali> rs;
    ApriRecordset(rs, QStringLiteral("Select * From Legno"), errText);
    if (!errText.trimmed().isEmpty() || !rs)
        return voci;
    const QStringList campi = rs->NomiCampi();
    const int n = static_cast<int>(campi.indexOf(ColonneMateriale::Numero));
    const int c = static_cast<int>(campi.indexOf(ColonneMateriale::Classe));
    const int d = static_cast<int>(campi.indexOf(ColonneMateriale::Descrizione));
    for (int r = 0; n >= 0 && r < rs->RecordCount(); ++r)
        voci.push_back({rs->Valore(r, n).toInt(), c >= 0 ? rs->Valore(r, c).toString() : QString(),
                        d >= 0 ? rs->Valore(r, d).toString() : QString()});
    return voci;
}

}  // namespace DatabaseMateriali

namespace DatabaseMateriali {

bool LeggiMateriale(int numero, MaterialeAsta& materiale, QString& errText)
{
    errText.clear();
    std::shared_ptr<RecordsetMateriali> rs;
    ApriRecordset(rs, QStringLiteral("Select * From Legno Where Numero=") + QString::number(numero), errText);
    if (!errText.trimmed().isEmpty() || !rs || rs->RecordCount() == 0)
        return false;
    rs->MoveFirst();
    QHash<QString, double> valori;
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte()) {
        const QVariant v = rs->Campo(p.colonna);
        if (!v.isNull())
            valori.insert(p.colonna, v.toDouble());
    }
    const QString descrizione = rs->Campo(ColonneMateriale::Descrizione).toString();
    // The stated type; an archive without the column gives the type its description names.
    int tipologia = Tipologia::Nessuna;
    if (rs->NomiCampi().contains(ColonneMateriale::Tipologia, Qt::CaseInsensitive)) {
        bool ok = false;
        const int t = rs->Campo(ColonneMateriale::Tipologia).toInt(&ok);
        tipologia = ok && t >= 1 && t <= Tipologia::Massima ? t : Tipologia::Nessuna;
    } else {
        tipologia = Tipologia::DaDescrizione(descrizione);
    }
    materiale = MaterialeAsta::DaArchivio(numero, descrizione, valori, tipologia);
    return true;
}

}  // namespace DatabaseMateriali
