#pragma once
#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QTimer;

// Start window (an MDI child of frmMain): the label-buttons "Avvia" and "Chiudi" on the panel
// Picture2, and the banner Picture1 cycling through the frames held by PicBase(1..15).
class frmTipoVer : public QWidget {
    Q_OBJECT
public:
    static const QColor ColoreNormale;     // pure blue, the label-buttons at rest
    static const QColor ColoreEvidenziato; // yellow (red + green), the label under the mouse

    explicit frmTipoVer(QWidget* parent = nullptr);

    std::int16_t Contatore() const { return contatore_; }   // frame shown (0 before the first tick)

    // Showing or hiding the window also shows or hides its MDI sub-window frame, if it has one.
    void setVisible(bool visibile) override;

signals:
    void avviaRichiesto();    // "Avvia": start a new calculation (AvviaGestioneNodi)
    void chiudiRichiesto();   // "Chiudi": end the calculation and the program
    void apriRichiesto();     // "Apri Calcolo": open a calculation file
    void salvaRichiesto();    // "Salva Calcolo": save the calculation kept after the editor closed

public slots:
    void Timer1_Timer();      // the banner timer's tick, every 500 ms

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Label1_Click();
    void Label2_Click();
    void Picture1_Click();
    void evidenzia(QLabel* etichetta, const QColor& colore);

    QLabel* Picture1_;
    QWidget* Picture2_;
    QLabel* Label1_;
    QLabel* Label2_;
    QLabel* Label3_;   // "Apri Calcolo", under "Avvia"
    QLabel* Label4_;   // "Salva Calcolo", under "Chiudi"
    std::array<QLabel*, 15> PicBase_{};
    QTimer* Timer1_;
    std::int16_t contatore_ = 0;
};
