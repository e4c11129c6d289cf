#pragma once
#include "materials/DatabaseMateriali.h"
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QFileSystemWatcher;
class QMdiArea;
class QTimer;
class QMdiSubWindow;
class QTableView;
class QToolBar;
class ModelloMateriali;
class RecordsetMateriali;

// The archive's browser: every record of table Legno in a grid, narrowed by the beginning of
// the description, with the toolbar that opens the record sheets. A child window of the main
// window's MDI area (a top-level window when there is none); one instance at a time. It keeps
// its state, place and size in the per-user settings, group "ListaLegname".
class FrmListaLegno : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Titolo = "DataBase Materiale Legno";
    static constexpr const char* GruppoImpostazioni = "ListaLegname";
    static constexpr int PosizioniToolbar = 9;

    // Opens the list in the MDI area that holds vicino (or the main window's), or brings the
    // open one to the front.
    static FrmListaLegno* Apri(QWidget* vicino = nullptr);
    static FrmListaLegno* Istanza();
    // A record sheet changed the archive: the open list reloads as on activation.
    static void ArchivioCambiato();
    // The area sheets and the list open in: the one holding w, else the main window's.
    static QMdiArea* AreaPer(QWidget* w);

    ~FrmListaLegno() override;

    std::shared_ptr<RecordsetMateriali> rsLista;   // all materials; the grid shows it

    void posizionaoggetti();
    void Requery_Lista();
    void Salva_Parametri_Registro_ListaLegname();
    void Leggi_Parametri_Registro_ListaLegname();
    void Imposta_DataGrid();
    void Attivata();                        // the window became the active child window
    void Toolbar1_ButtonClick(int posizione);   // 1..9
    QAction* Pulsante(int posizione) const;     // the toolbar's position 1..9 (separators too)

    static QString InformazioniArchivio();  // the text of Text1
    static QSize DimensioneProgettata();    // the window's designed size (frame included)
    QMdiSubWindow* Cornice() const;         // the MDI frame, or null for a top-level window

    QToolBar* Toolbar1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* lblCerca = nullptr;
    QLineEdit* txtCerca = nullptr;   // class or any part of the description, beside the filter
    QTableView* DataGrid1 = nullptr;

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    explicit FrmListaLegno(QWidget* parent = nullptr);
    // Another program on the same archive: the list reloads when the file changes.
    void OsservaArchivio();
    void Carica();                 // load: information line, settings, reload, layout
    void FiltroCambiato();
    void ApplicaFiltro();
    void CollegaRecordset();
    void RigaSelezionata(int riga);
    void PosizioneCambiata();
    void Ridimensionata();
    void MostraDavanti();
    int twipsInPixelX(double twips) const;
    int twipsInPixelY(double twips) const;
    double pixelInTwipsX(int pixel) const;
    double pixelInTwipsY(int pixel) const;

    static QPointer<FrmListaLegno>& istanza();

    ModelloMateriali* modello_ = nullptr;
    QList<QAction*> pulsanti_;      // positions 1..9 at 0..8
    bool inRicarica_ = false;
    bool inSincronia_ = false;
    bool inRidimensionamento_ = false;
    bool salvato_ = false;
    bool appenaCaricata_ = false;
    // The archive's stamp when the shown rows were read; an activation reads again only when
    // the archive's stamp has moved since (a write here or by another program, a new connection).
    std::optional<DatabaseMateriali::ImprontaArchivio> letta_;   // none when the reading failed
    short statoLetto_ = 0;          // window state read from the settings
    QRect geometriaNormale_;        // last place and size of the normal window
    QFileSystemWatcher* osservatore_ = nullptr;
    QTimer* ricaricaRitardata_ = nullptr;   // one reload for a burst of changes
};
