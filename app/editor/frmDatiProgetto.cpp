#include "editor/frmDatiProgetto.h"

#include "comune/Avvisi.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmDatiProgetto::frmDatiProgetto(const DatiProgetto& dati, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDatiProgetto"));
    setWindowTitle(QStringLiteral("Dati Progetto"));
    auto* l = new QVBoxLayout(this);
    auto* modulo = new QFormLayout;
    auto campo = [this, modulo](QLineEdit*& box, const char* nome, const char* etichetta, const QString& valore) {
        box = new QLineEdit(valore, this);
        box->setObjectName(QLatin1String(nome));
        box->setMaxLength(DatiProgetto::MassimoCampo);
        box->setMinimumWidth(420);
        modulo->addRow(QString::fromUtf8(etichetta) + QLatin1Char(':'), box);
    };
    campo(txtProgetto, "txtProgetto", "Progetto", dati.progetto);
    campo(txtCommittente, "txtCommittente", "Committente", dati.committente);
    campo(txtLocalita, "txtLocalita", "Località", dati.localita);
    campo(txtProgettista, "txtProgettista", "Progettista", dati.progettista);
    txtNote = new QPlainTextEdit(dati.note, this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setTabChangesFocus(true);
    modulo->addRow(QStringLiteral("Note:"), txtNote);
    l->addLayout(modulo);
    auto* nota = new QLabel(QStringLiteral("I dati compaiono nel frontespizio della Relazione Completa e "
                                           "nell'intestazione di ogni pagina stampata."),
                            this);
    nota->setWordWrap(true);
    l->addWidget(nota);

    auto* riga = new QHBoxLayout;
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    riga->addStretch(1);
    riga->addWidget(cmdOK);
    riga->addWidget(cmdAnnulla);
    l->addLayout(riga);
    connect(cmdOK, &QPushButton::clicked, this, [this] { OK_Click(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

DatiProgetto frmDatiProgetto::Dati() const
{
    DatiProgetto d;
    d.progetto = txtProgetto->text().trimmed();
    d.committente = txtCommittente->text().trimmed();
    d.localita = txtLocalita->text().trimmed();
    d.progettista = txtProgettista->text().trimmed();
    d.note = txtNote->toPlainText().trimmed();
    return d;
}

void frmDatiProgetto::OK_Click()
{
    // Notes longer than a file keeps are refused with what was typed left in place.
    if (txtNote->toPlainText().trimmed().size() > DatiProgetto::MassimoNote) {
        ModuloTrevon::Beep();
        ModuloTrevon::MsgBox(QStringLiteral("Le note superano i %1 caratteri.\nAbbreviarle prima di confermare.")
                                 .arg(DatiProgetto::MassimoNote),
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Informazione, QStringLiteral("Dati Progetto"));
        txtNote->setFocus();
        return;
    }
    accept();
}
