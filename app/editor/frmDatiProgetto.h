#pragma once
#include "calcolo/DatiProgetto.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Dati Progetto": the project's data of the calculation, as the complete report's cover and
// page headers print them. OK keeps what was typed; Annulla or closing keeps nothing.
class frmDatiProgetto : public QDialog {
    Q_OBJECT

public:
    frmDatiProgetto(const DatiProgetto& dati, QWidget* parent = nullptr);

    DatiProgetto Dati() const;   // as typed, each field trimmed

    QLineEdit* txtProgetto = nullptr;
    QLineEdit* txtCommittente = nullptr;
    QLineEdit* txtLocalita = nullptr;
    QLineEdit* txtProgettista = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAnnulla = nullptr;

private:
    void OK_Click();
};
