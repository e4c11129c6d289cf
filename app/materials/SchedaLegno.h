#pragma once
#include <QVariant>
#include <QVariantMap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordsetMateriali;

// The record sheet of one timber material: number, class, description and the eleven
// mechanical values of a Legno record. The opening procedures of ModuloSchedaLegno set its
// mode (new, view, modify, delete), which the caption of Command1 identifies.
//
// A sheet opened on a record of the list is pinned to that record's Numero: registering a
// change or confirming a delete reads that record afresh by number, whatever the list shows
// or selects meanwhile.
class SchedaLegno : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumCampi = 13;   // Text1(0..12): class, description, the material values
    static constexpr int MassimoClasse = 50;         // characters the archive keeps of a class
    static constexpr int MassimoDescrizione = 1000;  // characters the archive keeps of a description

    explicit SchedaLegno(QWidget* parent = nullptr);
    ~SchedaLegno() override;

    // Field of the Legno record held by Text1(i).
    static QString CampoDi(int i);

    std::shared_ptr<RecordsetMateriali> rs_OneMat;   // the set read from and written to
    std::int16_t modif = 0;   // 1 when a Text1 box was edited since filled or registered
    QVariant NumeroFissato;   // Numero of the record shown (view, modify, delete)
    QVariantMap ValoriCaricati;   // the record as the sheet loaded it: a change or delete needs it unchanged

    void MostraDati_Mat();
    void disattiva_controlli();
    bool compilaMat_conText();          // false, with rs_OneMat's error, when a field is refused
    void controlladati(bool& procedi);
    void registraMat(bool& procedi);
    void registraModificaMat(bool& procedi);
    void eliminaMat(bool& procedi);
    bool EseguiComando1();              // the register button's action; true when it succeeded
    void Chiudi();                      // closes the sheet (the closing prompt applies)

    QLabel* lblNumero = nullptr;
    QComboBox* cmbTipologia = nullptr;   // timber type: row of the γM table; index 0 = not stated
    QLineEdit* Text2 = nullptr;
    std::array<QLineEdit*, NumCampi> Text1{};
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool apriRecordFissato(QString& errore);
    // The record changed since the sheet loaded it: nothing was written; the user may reload it.
    void ModificatoNelFrattempo();
};
