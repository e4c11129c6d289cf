#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "calcolo/DatiNodo.h"

class QComboBox;
class QCompleter;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class QToolButton;
class QRadioButton;
class QStackedWidget;
class DisegnoSvg;
class QTabWidget;
class QTextEdit;
class QTreeWidget;
class clsAsta;
class QAction;
namespace Relazione { struct SezioneRelazione; }
class clsNodo;
struct Coefficienti;
struct CampoNodo;
class CoefficientiCalcolo;

// The joint editor: one joint at a time, its type, notch and support fields, the bars on the
// tabs of SSTab2 with their materials, the normative coefficients and the report box.
//
// Controls are public members named as the window names them; arrays keep the window's
// indexes (txtMis[1..4], bar arrays [1..6], FrameAsta[0..6], ImgTipoUnione/PicNodo[0..] one
// per joint type), index 0 of the 1-based arrays is unused. The domain (types, validation,
// registration, coefficients) lives in the calculation core; the handlers here are its faces.
class frmNodi : public QWidget {
    Q_OBJECT

public:
    static constexpr int NumAste = 6;   // bar panels and tabs of SSTab2

    explicit frmNodi(QWidget* parent = nullptr);
    ~frmNodi() override;

    // --- Joint types (the core's table) ---------------------------------------------------
    static const QStringList& TipiNodo();                 // the type names, list order
    static int IndiceTipo(const QString& tipo);           // position in the list, or -1
    static int NumeroAsteTipo(const QString& tipo);       // bars of the type; 0 for any other text
    static QString NomeAsta(const QString& tipo, int k);  // role of bar k (1-based); empty if none

    // --- State -----------------------------------------------------------------------------
    std::int16_t ModifNodo = 0;   // 1 when the joint shown was edited since loaded or verified

    bool SchedaDisponibile(int j) const;   // tab j (0..5) of SSTab2 can be selected
    int NumeroSchedeDisponibili() const;   // bars of the joint = available tabs
    static bool Mostrato(const QWidget* campo);   // the field is shown for the current type
    int AstaSelezionata() const;           // k = selected tab of SSTab2 + 1

    // --- Validation and keys ---------------------------------------------------------------
    // Fixed-order checks; on the first failure: beep, msg, focus (and bar tab), procedi False.
    void controlladati(bool& procedi, QString& msg);
    // The joint as the fields describe it (the type's bars only).
    DatiNodo LeggiDatiNodo() const;
    // The material list of bar k as registration reads it, by row label.
    MaterialeAsta MaterialeMostrato(int k) const;

    // --- Materials and coefficients --------------------------------------------------------
    void CaricaDatiMat(QTreeWidget* listW, int nMat);     // fills a bar list from the archive
    int NumeroMateriale(int k) const;   // material number in LstMatAsta(k), 0 when none
    // Copies the rows of LstMatAsta(k) into the bar record's material properties.
    void CopiaMaterialeInAsta(int k, clsAsta& a) const;
    // LstMatAsta(k) showing a material, rows as CaricaDatiMat writes them.
    void MostraMateriale(QTreeWidget* listW, const MaterialeAsta& m);
    // Design strengths characteristic × kmod / γM (after the material and the axial force).
    void CalcolaResistenzeProgetto(clsAsta& a) const;
    float valKmod() const;                          // kmod of the selected service class
    float valGM(const QString& DescrMat) const;     // γM recognised from the description
    QString strClasse() const;                      // caption of the selected service class
    // The calculation's coefficients become those of the boxes (each change of a box).
    void PubblicaCoefficienti();

    // --- Handlers (run by the controls' signals; callable where a caller must rerun them) ---
    void TipoSelezionato();              // layout of the type selected in cmbTipoNodo
    void SezioneSelezionata(int i);      // section shape of bar i
    void MostraDiametro(int i);          // a circular bar i: its diameter beside the radius
    void SchedaAstaSelezionata(int j);   // bar tab j selected: material field and bar name
    void SelezionaScheda(int j);         // selects tab j of SSTab2 (runs the handler on a change)

    // Short plain text in the report box (Courier New), as the layout states show it.
    void ScriviAvvisoRelazione(const QString& testo);

    // --- Registration, verification, filling (frmNodi_registrazione.cpp) ------------------
    // Validates, then copies the fields into NodoCorrente and its bars; procedi False on refusal.
    void registraDatiNodo(bool& procedi);
    // Verifies the current joint by its type and, on success, writes its report.
    void AvviaVerifica(bool& procedi);
    // Fills the fields from NodoCorrente (joint nn) and writes its report from stored results.
    void compilaTextDatiNodo(std::int16_t nn);
    // compilaTextDatiNodo(n), then the counter shows n.
    void MostraNodo(std::int16_t n);

    // --- Navigation and commands (frmNodi_navigazione.cpp) ---------------------------------
    std::int16_t NumeroNodoCorrente() const;      // the counter's number, 0 when it holds none
    void ImpostaContatore(const QString& testo);  // lblNodoCorrente := testo (runs its handler)
    void lblNodoCorrente_Change();                // enabling of Rimuovi, Indietro, Avanti
    void Command3_Click();   // "Aggiungi Nodo"
    void DatiProgetto_Click();   // "Dati Progetto": the form, window-modal
    void Command4_Click();   // "Indietro"
    void Command5_Click();   // "Avanti"
    void Command6_Click();   // "Rimuovi Nodo"
    void Command7_Click();   // guidance document
    void Command8_Click();   // "Registra"
    void Command9_Click();   // "Esci"

    // --- Report on paper and in PDF (frmNodi_stampa.cpp) -----------------------------------
    void StampaRelazione_Click();   // "Stampa Relazione": the current joint's report
    void EsportaPdf_Click();        // "Esporta PDF": the current joint's report
    void StampaCompleta_Click();    // "Relazione Completa", printed: every joint in order
    void EsportaCompleta_Click();   // "Relazione Completa", exported to PDF
    static QString CartellaRelazioni();   // folder proposed for a PDF: the last one used

    // --- Calculation files (frmNodi_calcolo.cpp) -------------------------------------------
    // When the joint shown has unregistered edits: the prompt with the joint's number and the
    // question; Yes registers and verifies. False when the caller must stop.
    bool RegistraSeModificato(const QString& domanda);
    // Closing the editor (or the program): typed edits of a joint with a type get the prompt of
    // RegistraSeModificato. False when the window must stay open.
    bool ConsentiChiusuraEditor();
    Coefficienti LeggiCoefficienti() const;   // numbers of the coefficient boxes
    void ImpostaCoefficienti(const Coefficienti& c);
    // Shows joint 1 of an opened calculation (saved = its saved record) with its report.
    void MostraCalcoloAperto(const std::shared_ptr<clsNodo>& salvato);
    // LstMatAsta(k) with the material values of a bar record, rows as CaricaDatiMat writes them.
    void MostraMaterialeAsta(int k, const clsAsta& a);

    // Asked before the window closes; false keeps it open (the shell's save prompt).
    std::function<bool()> ControlloChiusura;

    // --- Controls --------------------------------------------------------------------------
    QLabel* lblTitolo = nullptr;
    QLabel* lblNodoCorrente = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* lblNodiTot = nullptr;
    QPushButton* Command1 = nullptr;   // "Tabella Materiali"
    QPushButton* Command3 = nullptr;   // "Aggiungi Nodo"
    QPushButton* Command4 = nullptr;   // "Indietro"
    QPushButton* Command5 = nullptr;   // "Avanti"
    QPushButton* Command6 = nullptr;   // "Rimuovi Nodo"
    QPushButton* Command7 = nullptr;   // "Appunti SL"
    QPushButton* Command8 = nullptr;   // "Registra"
    QPushButton* Command9 = nullptr;   // "Esci"
    QPushButton* cmdApriCalcolo = nullptr;    // "Apri Calcolo"
    QToolButton* cmdRecenti = nullptr;        // beside it: the recent calculation files
    QMenu* menuRecenti = nullptr;             // filled when it opens
    QCompleter* propostaMateriali = nullptr;  // the material field's picker
    QPushButton* cmdSalvaCalcolo = nullptr;   // "Salva Calcolo"
    QPushButton* cmdDatiProgetto = nullptr;   // "Dati Progetto"
    QTabWidget* SSTab1 = nullptr;

    QFrame* FrameTipo = nullptr;
    QLabel* lblTipo = nullptr;
    QComboBox* cmbTipoNodo = nullptr;
    QStackedWidget* Disegni = nullptr;              // the place shared by picker and drawings
    QWidget* PicTipoNodi = nullptr;
    std::vector<QLabel*> ImgTipoUnione;             // one per joint type, list order
    std::vector<DisegnoSvg*> PicNodo;               // one per joint type, list order

    QGroupBox* FrameParamNodo = nullptr;
    std::array<QLabel*, 5> lblMis{};
    std::array<QLineEdit*, 5> txtMis{};
    QLabel* lblReaz = nullptr;
    QLineEdit* txtReaz = nullptr;
    QLabel* lblLapp = nullptr;
    QLineEdit* txtLapp = nullptr;

    std::array<QWidget*, NumAste + 1> FrameAsta{};  // [0] the bars group, [1..6] bar panels
    QLineEdit* Text1 = nullptr;
    QLabel* Text2 = nullptr;
    QTabWidget* SSTab2 = nullptr;
    QLineEdit* txtMatAsta = nullptr;
    std::array<QLabel*, NumAste + 1> lblAsta{};     // [0] "Asta N.", [i] "Tipo Sezione"
    std::array<QComboBox*, NumAste + 1> ComboAsta{};
    std::array<QLabel*, NumAste + 1> lblBase{};
    std::array<QLabel*, NumAste + 1> lblDiametro{};   // a circular bar's diameter, beside its radius
    std::array<QLineEdit*, NumAste + 1> txtBAsta{};
    std::array<QLabel*, NumAste + 1> lblAltezza{};
    std::array<QLineEdit*, NumAste + 1> txtHAsta{};
    std::array<QLabel*, NumAste + 1> lblAngAsta{};
    std::array<QLineEdit*, NumAste + 1> txtAngAsta{};
    std::array<QLabel*, NumAste + 1> lblNAsta{};
    std::array<QLineEdit*, NumAste + 1> txtNAsta{};
    std::array<QTreeWidget*, NumAste + 1> LstMatAsta{};

    QTextEdit* RichTextBox1 = nullptr;
    QPushButton* cmdStampaRelazione = nullptr;     // "Stampa Relazione"
    QPushButton* cmdEsportaPdf = nullptr;          // "Esporta PDF"
    QPushButton* cmdRelazioneCompleta = nullptr;   // "Relazione Completa", with its menu
    QAction* actStampaCompleta = nullptr;
    QAction* actEsportaCompleta = nullptr;

    std::array<QRadioButton*, 4> Option2{};          // [1..3]
    std::array<QLineEdit*, 4> txtCoefCar{};          // [1..3]
    std::array<QLineEdit*, 8> txtCoefMat{};          // [1..6] under NTC 2008, [1..7] under NTC 2018
    std::array<std::array<QLineEdit*, 6>, 4> txtKmod{};   // [class 1..3][duration 2..5]; the permanent one is txtCoefCar
    QComboBox* cmbNormativa = nullptr;               // the calculation's code
    QComboBox* cmbColonnaGammaM = nullptr;           // column A or B of the NTC 2018 γM table
    QLabel* lblNotaColonna = nullptr;
    QComboBox* cmbDurataCarico = nullptr;            // the joint's load-duration class
    QLabel* lblDurataCarico = nullptr;

signals:
    void chiuso();   // the window closed: the start window shows again
    void salvaCalcoloRichiesto();   // "Salva Calcolo"
    void apriCalcoloRichiesto();    // "Apri Calcolo"

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // Construction (frmNodi.cpp)
    QWidget* CreaPulsanti();
    QWidget* CreaSchedaDati();
    QWidget* CreaPicker();
    QWidget* CreaPannelloAsta(int i);
    QWidget* CreaSchedaCoefficienti();
    void CollegaEventi();

    // Types, sections, tabs, pictures (frmNodi_tipi.cpp)
    void EvidenziaImmagine(int k);   // k = -1 removes every border
    bool EventoImmagine(QObject* oggetto, QEvent* evento);

    // Materials and coefficients (frmNodi_materiali.cpp)
    void MaterialeModificato();
    void ImpostaMateriale(const QString& testo, bool bloccato);
    bool TastoCoefficiente(QLineEdit* box, int tasto);
    std::vector<QLineEdit*> BoxCoefficienti() const;   // every kmod and γM box
    Normativa NormativaMostrata() const;   // the code cmbNormativa shows
    void NormativaScelta();            // cmbNormativa changed: asks, then the code's defaults
    void ColonnaGammaMScelta();        // cmbColonnaGammaM changed: the column's γM values
    void MostraNormativa(Normativa n); // captions, rows and titles of the code
    QString TestoPredefinito(QLineEdit* box) const;   // the default of a coefficient box under the code shown
    void CoefficienteLasciato(QLineEdit* box);

    // Keys and changes (frmNodi_validazione.cpp)
    void CampoModificato();
    bool TastoPremuto(QObject* oggetto, int tasto, const QString& testo);
    void InvioAngolo(int i);
    void InvioSforzo(int i);
    void FocusPulsanteRegistra();
    void MettiFuoco(const CampoNodo& campo);   // focus on a refused field (and its bar tab)

    // Registration and navigation (frmNodi_registrazione.cpp, frmNodi_navigazione.cpp)
    // Report of NodoCorrente, all or nothing; with a reason (or when the joint is not
    // verified) the title, "Nodo non verificato" and the reason instead of the checks.
    void ScriviRelazione(const QString& numeroNodo, const QString& motivo = QString());
    void ListaTipiAbilitata(bool abilitata);
    void Sposta(int passo, const QString& domanda);    // Indietro (-1), Avanti (+1)
    void CollegaComandi();
    void CollegaComandiCalcolo();
    void CreaScorciatoie();   // Ctrl+S, Ctrl+O, Ctrl+P, F1, Ctrl+PgUp/PgDn
    // The material field's picker: typing other than a number lists the archive's materials
    // whose number, class or description contain the text; choosing one writes its number.
    void CreaPropostaMateriali();
    void ProponiMateriali(const QString& testo);

    // Report commands (frmNodi_stampa.cpp)
    // What the report takes its coefficients from: the boxes, and the bars' timber types.
    CoefficientiCalcolo CoefficientiRelazione() const;
    QWidget* CreaSchedaRelazione();
    bool SezioneCorrente(std::vector<Relazione::SezioneRelazione>& sezioni);   // verified, or told
    std::vector<Relazione::SezioneRelazione> SezioniComplete() const;
    void StampaSezioni(const std::vector<Relazione::SezioneRelazione>& sezioni);
    void EsportaSezioni(const std::vector<Relazione::SezioneRelazione>& sezioni, const QString& nomeProposto);

    bool bloccoMateriale_ = false;   // txtMatAsta written by the tab switch: no reload
    std::vector<MaterialeAsta> materialiAste_ = std::vector<MaterialeAsta>(NumAste + 1);   // [k]: LstMatAsta(k)'s material
    bool inCostruzione_ = true;
    bool senzaProposta_ = false;   // a tab shown by a failed check proposes no material
    bool bloccoCoefficienti_ = false;   // the boxes are being filled: one publication at the end
    QGroupBox* tabKmod = nullptr;
    QGroupBox* tabGM = nullptr;
    QLabel* lblColonna = nullptr;
    QLabel* lblSle = nullptr;
    std::array<QLabel*, 8> lblCoefMat{};
    std::array<QWidget*, 8> puntiCoefMat{};
};
