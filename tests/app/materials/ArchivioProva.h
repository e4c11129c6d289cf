#pragma once
// Temporary folders for the materials archive, and a second connection to look at its file.
#include "AvvisiProva.h"

#include "materials/DatabaseMateriali.h"
#include "materials/RecordsetMateriali.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

// The template the build places beside every test executable.
inline QString ModelloCostruito()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("DalvexQOR.DEF"));
}

// Runs one statement on a file through a connection of its own; returns the first column of
// every row.
inline QVariantList EseguiSuFile(const QString& file, const QString& sql)
{
    QVariantList valori;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString() << " in " << sql.toStdString();
        while (q.next())
            valori << q.value(0);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    return valori;
}

inline QByteArray Contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Application and data folders in a temporary directory; the archive is closed afterwards.
class ArchivioProva : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        applicazione = cartella.filePath(QStringLiteral("programma"));
        dati = cartella.filePath(QStringLiteral("dati/QOR/Trevon-SL"));
        ASSERT_TRUE(QDir().mkpath(applicazione));
        DatabaseMateriali::ImpostaCartelle(applicazione, dati);
        archivio = QDir(dati).filePath(QStringLiteral("MaterialiQor.dms"));
        modello = QDir(applicazione).filePath(QStringLiteral("DalvexQOR.DEF"));
    }
    void TearDown() override
    {
        DatabaseMateriali::ChiudiDatabaseMateriali();
        DatabaseMateriali::ImpostaCartelle({}, {});
        DatabaseMateriali::PercorsoDatabase.clear();
    }

    void mettiModello() { ASSERT_TRUE(QFile::copy(ModelloCostruito(), modello)); }

    // A working archive copied from the built template and opened by start-up.
    void apriArchivioCompleto()
    {
        ASSERT_TRUE(QDir().mkpath(dati));
        ASSERT_TRUE(QFile::copy(ModelloCostruito(), archivio));
        QFile::setPermissions(archivio, QFile::permissions(archivio) | QFileDevice::WriteOwner);
        AvvisiProva nessunAvviso;
        DatabaseMateriali::InizializzaDatabaseMateriali();
        ASSERT_TRUE(nessunAvviso.ricevuti.empty());
    }

    std::shared_ptr<RecordsetMateriali> apri(const QString& sql)
    {
        std::shared_ptr<RecordsetMateriali> rs;
        QString errore;
        DatabaseMateriali::ApriRecordset(rs, sql, errore);
        EXPECT_EQ(errore, QString()) << sql.toStdString();
        return rs;
    }

    int contaSuFile(const QString& condizione = QStringLiteral("1"))
    {
        const QVariantList v = EseguiSuFile(archivio, QStringLiteral("SELECT COUNT(*) FROM Legno WHERE ") + condizione);
        return v.isEmpty() ? -1 : v.first().toInt();
    }

    QTemporaryDir cartella;
    QString applicazione, dati, archivio, modello;
};
