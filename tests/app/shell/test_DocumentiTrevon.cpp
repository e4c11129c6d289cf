// The about page and the guidance PDF the build places beside every executable.
#include "comune/DocumentiTrevon.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QByteArray leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Documents, PathsPointBesideTheExecutable) {
    const QString cartella = QCoreApplication::applicationDirPath();
    EXPECT_EQ(DocumentiTrevon::PercorsoInformazioni(), cartella + "/informazioni.html");
    EXPECT_EQ(DocumentiTrevon::PercorsoAppuntiSL(), cartella + "/AppuntiSL.pdf");
}

TEST(Documents, AboutPageIsBesideTheExecutableWithItsVersion) {
    const QString pagina = QString::fromUtf8(leggi(DocumentiTrevon::PercorsoInformazioni()));
    ASSERT_FALSE(pagina.isEmpty()) << DocumentiTrevon::PercorsoInformazioni().toStdString();
    EXPECT_TRUE(pagina.contains("<title>Trevon-SL"));
    EXPECT_TRUE(pagina.contains("DM 14/01/2008"));
    EXPECT_TRUE(pagina.contains("responsabilit&agrave;"));
    EXPECT_FALSE(pagina.contains('@')) << "unsubstituted build variable";
    EXPECT_TRUE(QRegularExpression("versione \\d+\\.\\d+").match(pagina).hasMatch());
}

TEST(Documents, GuideIsAPdfWithPagesBesideTheExecutable) {
    const QByteArray pdf = leggi(DocumentiTrevon::PercorsoAppuntiSL());
    ASSERT_GT(pdf.size(), 4000) << DocumentiTrevon::PercorsoAppuntiSL().toStdString();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const auto pagine = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(pdf));
    int n = 0;
    for (auto it = pagine; it.hasNext(); it.next())
        ++n;
    EXPECT_GE(n, 1);
}

TEST(Documents, GuideTextCarriesTheFormulas) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {DocumentiTrevon::PercorsoAppuntiSL(), "-"});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* atteso : {"Appunti SL", "Catena Puntone a Dente Semplice",
                               "Puntone Saetta a Dente Semplice", "Tabella 4.4.III", "Tabella 4.4.IV",
                               "0,60", "0,50", "1,50", "1,45", "400 mm", "NON VERIFICA",
                               "Il dente arretrato", "Catena Puntone a Dente Arretrato",
                               "Puntone Saetta a Dente Arretrato", "7,50 cm", "14,43"})
        EXPECT_TRUE(testo.contains(QString::fromUtf8(atteso))) << atteso;
}

}  // namespace
