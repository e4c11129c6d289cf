#pragma once
// Test surroundings of the joint editor: recorded message boxes and beeps, a temporary
// materials archive on the "cnMateriali" connection, and key presses.
#include "TastiProva.h"
#include "calcolo/Coefficienti.h"
#include "editor/frmNodi.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Answers every message box with `risposta` and keeps it; counts beeps.
class AvvisiRegistrati {
public:
    AvvisiRegistrati()
    {
        ModuloTrevon::ImpostaRisponditore([this](const ModuloTrevon::Avviso& a) {
            avvisi.push_back(a);
            return risposta;
        });
        ModuloTrevon::ImpostaBeep([this] { ++beep; });
    }
    ~AvvisiRegistrati()
    {
        ModuloTrevon::ImpostaRisponditore({});
        ModuloTrevon::ImpostaBeep({});
    }
    AvvisiRegistrati(const AvvisiRegistrati&) = delete;
    AvvisiRegistrati& operator=(const AvvisiRegistrati&) = delete;

    std::vector<ModuloTrevon::Avviso> avvisi;
    int beep = 0;
    ModuloTrevon::Risposta risposta = ModuloTrevon::Risposta::OK;
};

// A temporary SQLite file with table Legno, open as the "cnMateriali" connection.
class ArchivioProva {
public:
    explicit ArchivioProva(bool conTabella = true)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cnMateriali"));
            db.setDatabaseName(cartella_.filePath(QStringLiteral("MaterialiQor.dms")));
            EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
            if (conTabella) {
                QSqlQuery q(db);
                EXPECT_TRUE(q.exec(QStringLiteral(
                    "CREATE TABLE Legno (Numero INTEGER PRIMARY KEY, Classe TEXT, Descrizione TEXT, "
                    "Fmk REAL, Ft0k REAL, Ft90k REAL, Fc0k REAL, Fc90k REAL, Fvk REAL, E0mean REAL, "
                    "E05 REAL, E90mean REAL, Gmean REAL, rok REAL)")))
                    << q.lastError().text().toStdString();
            }
        }
    }
    ~ArchivioProva()
    {
        QSqlDatabase::database(QStringLiteral("cnMateriali"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("cnMateriali"));
    }
    ArchivioProva(const ArchivioProva&) = delete;
    ArchivioProva& operator=(const ArchivioProva&) = delete;

    // Values in the order Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok.
    void Aggiungi(int numero, const QString& descrizione, const std::vector<double>& valori)
    {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("cnMateriali")));
        q.prepare(QStringLiteral("INSERT INTO Legno VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(numero);
        q.addBindValue(QStringLiteral("C"));
        q.addBindValue(descrizione);
        for (double v : valori)
            q.addBindValue(v);
        EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }

    void Esegui(const QString& sql)
    {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("cnMateriali")));
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
    }

    // A spruce C24 and a glulam GL24h, with the values of the strength-class tables.
    void MaterialiTipici()
    {
        Aggiungi(4, QStringLiteral("Legno Massiccio Abete C24"),
                 {24, 14, 0.4, 21, 2.5, 4, 11000, 7400, 370, 690, 350});
        Aggiungi(7, QStringLiteral("Legno Lamellare incollato GL24h"),
                 {24, 16.5, 0.4, 24, 2.7, 2.7, 11600, 9400, 390, 720, 380});
    }

private:
    QTemporaryDir cartella_;
};

inline QString NomeFocus(const QWidget& finestra)
{
    return finestra.focusWidget() ? finestra.focusWidget()->objectName() : QString();
}

// The editor on its own, with recorded boxes; a box nobody expected fails the test.
class EditorTest : public ::testing::Test {
protected:
    // Shown, as the user sees it: a hidden box never takes the focus.
    // These tests were written for NTC 2008 calculations, an explicit choice since NTC 2018 is
    // the default of a new one.
    EditorTest()
    {
        f->ImpostaCoefficienti(Coefficienti{});
        f->show();
    }

    void TearDown() override
    {
        for (const ModuloTrevon::Avviso& a : avvisi.avvisi)
            ADD_FAILURE() << "unexpected message box: " << a.testo.toStdString();
    }

    // Selects bar k's tab and types its material number.
    void Materiale(int k, int numero)
    {
        f->SSTab2->setCurrentIndex(k - 1);
        f->txtMatAsta->setText(QString::number(numero));
    }

    AvvisiRegistrati avvisi;
    std::unique_ptr<frmNodi> f = std::make_unique<frmNodi>();
};
