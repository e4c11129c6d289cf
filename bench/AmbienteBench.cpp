#include "AmbienteBench.h"

#include "materials/DatabaseMateriali.h"
#include "shell/ModuloTrevon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <memory>

namespace AmbienteBench {

namespace {

std::unique_ptr<QTemporaryDir>& radice()
{
    static std::unique_ptr<QTemporaryDir> r;
    return r;
}

QStringList& avvisi()
{
    static QStringList a;
    return a;
}

QHash<int, QString>& generati()
{
    static QHash<int, QString> g;
    return g;
}

// Descriptions of the generated records: five beginnings, so a one-letter filter keeps a
// share of the archive and a longer one narrows it further.
const char* const Inizi[] = {"Legno Massiccio di Conifera", "Legno Lamellare incollato",
                             "Latifoglia", "Abete rosso", "Castagno"};
const char* const Classi[] = {"C24", "GL24h", "D30", "C30", "D40"};

}  // namespace

QString Cartella() { return radice()->path(); }
QString CartellaApplicazione() { return radice()->filePath(QStringLiteral("programma")); }
QString CartellaDati() { return radice()->filePath(QStringLiteral("dati/QOR/Trevon-SL")); }
QString CartellaImpostazioni() { return radice()->filePath(QStringLiteral("impostazioni")); }

void Prepara()
{
    QStandardPaths::setTestModeEnabled(true);
    radice() = std::make_unique<QTemporaryDir>();
    QDir().mkpath(CartellaApplicazione());
    QDir().mkpath(CartellaDati());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, CartellaImpostazioni());
    const QString modello =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(DatabaseMateriali::NomeModello));
    if (!QFile::copy(modello, QDir(CartellaApplicazione()).filePath(QString::fromLatin1(DatabaseMateriali::NomeModello))))
        std::fprintf(stderr, "template %s not found beside the benchmark\n", qPrintable(modello));
    DatabaseMateriali::ImpostaCartelle(CartellaApplicazione(), CartellaDati());
    ModuloTrevon::ImpostaRisponditore([](const ModuloTrevon::Avviso& a) {
        avvisi() << a.testo;
        std::fprintf(stderr, "message box: %s\n", qPrintable(a.testo.left(120)));
        switch (a.pulsanti) {
        case ModuloTrevon::Pulsanti::SiNo: return ModuloTrevon::Risposta::No;
        case ModuloTrevon::Pulsanti::SiNoAnnulla: return ModuloTrevon::Risposta::Annulla;
        case ModuloTrevon::Pulsanti::OK: break;
        }
        return ModuloTrevon::Risposta::OK;
    });
    ModuloTrevon::ImpostaBeep([] {});
    ModuloTrevon::PiGreco = static_cast<float>(4.0 * std::atan(1.0));
}

void ApriArchivioModello()
{
    DatabaseMateriali::ChiudiDatabaseMateriali();
    // Start-up copies the template when the archive is missing, and opens it.
    DatabaseMateriali::InizializzaDatabaseMateriali();
}

QString ArchivioGenerato(int materiali)
{
    if (generati().contains(materiali))
        return generati().value(materiali);
    const QString percorso = radice()->filePath(QStringLiteral("Legno_%1.dms").arg(materiali));
    const QString nome = QStringLiteral("bench_genera");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        if (!db.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
            return {};
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral(
            "CREATE TABLE Legno (Numero INTEGER PRIMARY KEY CHECK (Numero > 0), Classe TEXT, "
            "Descrizione TEXT, Fmk REAL, Ft0k REAL, Ft90k REAL, Fc0k REAL, Fc90k REAL, Fvk REAL, "
            "E0mean REAL, E05 REAL, E90mean REAL, Gmean REAL, rok REAL)"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO Legno VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i <= materiali; ++i) {
            const int k = i % 5;
            q.addBindValue(i);
            q.addBindValue(QString::fromLatin1(Classi[k]));
            q.addBindValue(QString::fromLatin1(Inizi[k]) + QStringLiteral(" n.") + QString::number(i));
            const double s = 14 + (i % 37);
            for (double v : {s, s * 0.6, 0.4, s * 0.85, 2.5, 4.0, 11000.0 + i % 1000, 7400.0,
                             370.0, 690.0, 350.0 + i % 100})
                q.addBindValue(v);
            if (!q.exec())
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    generati().insert(materiali, percorso);
    return percorso;
}

void ApriArchivio(const QString& percorso)
{
    DatabaseMateriali::ChiudiDatabaseMateriali();
    DatabaseMateriali::PercorsoDatabase = percorso;
    DatabaseMateriali::ApriDatabaseMateriali();
}

QStringList AvvisiRicevuti()
{
    QStringList a;
    a.swap(avvisi());
    return a;
}

void Elabora()
{
    for (int i = 0; i < 2; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace AmbienteBench
