#include "shell/DialoghiFile.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace DialoghiFile {

namespace {
Selettore& selettore()
{
    static Selettore s;
    return s;
}
}  // namespace

void ImpostaSelettore(Selettore s) { selettore() = std::move(s); }

QString ScegliFile(const Richiesta& richiesta)
{
    QString scelto;
    if (selettore()) {
        scelto = selettore()(richiesta);
    } else {
        const bool salva = richiesta.scopo == Scopo::Salva;
        QFileDialog dialogo(QApplication::activeWindow(),
                            salva ? QStringLiteral("Salva Calcolo") : QStringLiteral("Apri Calcolo"),
                            richiesta.cartella, QStringLiteral("Calcoli Trevon-SL (*.trv)"));
        dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialogo.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialogo.setDefaultSuffix(QStringLiteral("trv"));
        // Replacing another file is asked by the program, in its own words.
        dialogo.setOption(QFileDialog::DontConfirmOverwrite);
        if (salva && !richiesta.nomeProposto.isEmpty())
            dialogo.selectFile(QDir(richiesta.cartella).filePath(richiesta.nomeProposto));
        if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
            scelto = dialogo.selectedFiles().first();
    }
    if (!scelto.isEmpty() && richiesta.scopo == Scopo::Salva &&
        !scelto.endsWith(QStringLiteral(".trv"), Qt::CaseInsensitive))
        scelto += QStringLiteral(".trv");
    return scelto;
}

}  // namespace DialoghiFile
