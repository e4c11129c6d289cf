// GeneraPdf <input.html> <output.pdf>: lays out an HTML text on A4 pages and writes a PDF.
// Used by the build to produce the guidance documents from their sources in resources/.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 3) {
        std::fprintf(stderr, "uso: GeneraPdf <input.html> <output.pdf>\n");
        return 2;
    }
    QFile sorgente(argomenti.at(1));
    if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "GeneraPdf: impossibile leggere %s\n", qPrintable(argomenti.at(1)));
        return 1;
    }
    const QString html = QString::fromUtf8(sorgente.readAll());

    QTextDocument documento;
    // Images named in the text are read beside the HTML file.
    documento.setBaseUrl(QUrl::fromLocalFile(QFileInfo(argomenti.at(1)).absolutePath() + "/"));
    documento.setDefaultFont(QFont("DejaVu Serif", 10));
    documento.setHtml(html);

    QPdfWriter pdf(argomenti.at(2));
    pdf.setCreator("Trevon-SL");
    pdf.setTitle(documento.metaInformation(QTextDocument::DocumentTitle));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));   // print() adds its own 2 cm
    documento.print(&pdf);

    if (!QFileInfo(argomenti.at(2)).isFile() || QFileInfo(argomenti.at(2)).size() == 0) {
        std::fprintf(stderr, "GeneraPdf: %s non scritto\n", qPrintable(argomenti.at(2)));
        return 1;
    }
    return 0;
}
