#include "editor/DialoghiRelazione.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace DialoghiRelazione {

namespace {
SceltaFile sceltaFile;
SceltaStampante sceltaStampante;
}

QString ScegliPdf(QWidget* parent, const QString& proposto)
{
    if (sceltaFile)
        return sceltaFile(proposto);
    QFileDialog dialogo(parent, QStringLiteral("Esporta Relazione in PDF"), proposto,
                        QStringLiteral("Documenti PDF (*.pdf)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("pdf"));
    dialogo.selectFile(proposto);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().constFirst();
}

bool ScegliStampante(QWidget* parent, QPrinter& stampante)
{
    if (sceltaStampante)
        return sceltaStampante(stampante);
    QPrintDialog dialogo(&stampante, parent);
    dialogo.setWindowTitle(QStringLiteral("Stampa Relazione"));
    return dialogo.exec() == QDialog::Accepted;
}

void ImpostaSceltaFile(SceltaFile scelta) { sceltaFile = std::move(scelta); }
void ImpostaSceltaStampante(SceltaStampante scelta) { sceltaStampante = std::move(scelta); }

}
