#include "materials/FrmListaLegno.h"

#include "calcolo/ProprietaMateriali.h"

#include "materials/DatabaseMateriali.h"
#include "materials/DelegatoColonnaLegno.h"
#include "materials/ModelloMateriali.h"
#include "materials/ModuloSchedaLegno.h"
#include "materials/RecordsetMateriali.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString SqlLista = QStringLiteral("Select * from Legno ");

// The per-user store of the program's settings (tests redirect it with QSettings::setPath).
QSettings impostazioni()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(), QStringLiteral("Trevon-SL"));
}

// A value written by this window or by hand: a point or a comma before the decimals.
bool leggiDecimale(const QString& testo, double& valore)
{
    bool ok = false;
    valore = QString(testo).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(valore);
}

}  // namespace

QPointer<FrmListaLegno>& FrmListaLegno::istanza()
{
    static QPointer<FrmListaLegno> f;
    return f;
}

FrmListaLegno* FrmListaLegno::Istanza() { return istanza().data(); }

QMdiArea* FrmListaLegno::AreaPer(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* area = qobject_cast<QMdiArea*>(p))
            return area;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* principale = qobject_cast<QMainWindow*>(t); principale && principale->isVisible())
            if (auto* area = qobject_cast<QMdiArea*>(principale->centralWidget()))
                return area;
    return nullptr;
}

FrmListaLegno* FrmListaLegno::Apri(QWidget* vicino)
{
    if (FrmListaLegno* aperta = Istanza()) {
        aperta->MostraDavanti();
        return aperta;
    }
    auto* f = new FrmListaLegno;
    istanza() = f;
    if (QMdiArea* area = AreaPer(vicino)) {
        QMdiSubWindow* cornice = area->addSubWindow(f);
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        cornice->setWindowIcon(f->windowIcon());
        cornice->resize(DimensioneProgettata());
        connect(area, &QMdiArea::subWindowActivated, f, [f](QMdiSubWindow* w) {
            if (w && w == f->Cornice())
                f->Attivata();
        });
        // Handled once the state change is complete, never in its middle.
        connect(cornice, &QMdiSubWindow::windowStateChanged, f, &FrmListaLegno::Ridimensionata,
                Qt::QueuedConnection);
        cornice->installEventFilter(f);
        if (QWidget* principale = area->window())
            principale->installEventFilter(f);
    } else {
        f->resize(DimensioneProgettata());
    }
    f->Carica();
    f->MostraDavanti();
    f->appenaCaricata_ = false;
    if (f->statoLetto_ == 1)
        (f->Cornice() ? static_cast<QWidget*>(f->Cornice()) : f)->showMinimized();
    else if (f->statoLetto_ == 2)
        (f->Cornice() ? static_cast<QWidget*>(f->Cornice()) : f)->showMaximized();   // then the rule
    return f;
}

void FrmListaLegno::ArchivioCambiato()
{
    if (FrmListaLegno* f = Istanza()) {
        f->appenaCaricata_ = false;
        f->Attivata();
    }
}

QSize FrmListaLegno::DimensioneProgettata() { return {1000, 520}; }

FrmListaLegno::FrmListaLegno(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmListaLegno"));
    setWindowTitle(QString::fromUtf8(Titolo));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon::fromTheme(QStringLiteral("x-office-spreadsheet"),
                                   style()->standardIcon(QStyle::SP_FileDialogDetailedView)));

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);

    auto icona = [this](const char* tema, QStyle::StandardPixmap standard) {
        return QIcon::fromTheme(QString::fromLatin1(tema), style()->standardIcon(standard));
    };
    auto pulsante = [this](const QIcon& i, const QString& testo, const QString& nome, int posizione) {
        QAction* a = Toolbar1->addAction(i, testo);
        a->setToolTip(testo);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, [this, posizione] { Toolbar1_ButtonClick(posizione); });
        pulsanti_ << a;
    };
    pulsanti_ << Toolbar1->addSeparator();
    pulsante(icona("document-new", QStyle::SP_FileIcon), QStringLiteral("Nuovo Materiale (LEGNO)"),
             QStringLiteral("NuovoMateriale"), 2);
    pulsante(icona("document-open", QStyle::SP_FileDialogContentsView), QStringLiteral("Visualizza"),
             QStringLiteral("Visualizza"), 3);
    pulsante(icona("document-edit", QStyle::SP_FileDialogDetailedView), QStringLiteral("Modifica"),
             QStringLiteral("Modifica"), 4);
    pulsante(icona("edit-delete", QStyle::SP_TrashIcon), QStringLiteral("Elimina"),
             QStringLiteral("Elimina"), 5);
    pulsanti_ << Toolbar1->addSeparator();
    pulsante(icona("view-refresh", QStyle::SP_BrowserReload), QStringLiteral("Refresh Database"),
             QStringLiteral("RefreshDatabase"), 7);
    pulsanti_ << Toolbar1->addSeparator();
    pulsante(icona("window-close", QStyle::SP_DialogCloseButton), QStringLiteral("Chiudi Elenco"),
             QStringLiteral("ChiudiElenco"), 9);

    // The information line above the filter, beside the buttons.
    auto* riquadro = new QWidget(Toolbar1);
    // The information line keeps to the filter's side: stretched over the grid its
    // "[ Valori in N/mm² ]" ended above the density column, which is in kg/m³.
    riquadro->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* colonna = new QVBoxLayout(riquadro);
    colonna->setContentsMargins(12, 2, 4, 2);
    colonna->setSpacing(2);
    Text1 = new QLineEdit(riquadro);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFrame(false);
    Text1->setFocusPolicy(Qt::ClickFocus);
    {
        QPalette p = Text1->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        Text1->setPalette(p);
    }
    colonna->addWidget(Text1);
    auto* riga = new QHBoxLayout;
    riga->setSpacing(6);
    Text2 = new QLabel(QStringLiteral("Filtro:"), riquadro);
    Text2->setObjectName(QStringLiteral("Text2"));
    riga->addWidget(Text2);
    Text3 = new QLineEdit(riquadro);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setToolTip(QStringLiteral("Seleziona Materiale la cui Descrizione inizia per ......"));
    Text3->setFixedWidth(240);
    Text3->setClearButtonEnabled(true);
    riga->addWidget(Text3);
    // The filter finds only the start of a description (and every description starts with
    // "Legno"): the search finds a class or any part of it.
    riga->addSpacing(12);
    lblCerca = new QLabel(QStringLiteral("Cerca:"), riquadro);
    lblCerca->setObjectName(QStringLiteral("lblCerca"));
    riga->addWidget(lblCerca);
    txtCerca = new QLineEdit(riquadro);
    txtCerca->setObjectName(QStringLiteral("txtCerca"));
    txtCerca->setToolTip(QStringLiteral("Seleziona Materiale la cui Classe o Descrizione contiene il testo "
                                        "(per esempio \"c24\", \"GL24h\", \"lamellare\")"));
    txtCerca->setPlaceholderText(QStringLiteral("classe o descrizione"));
    txtCerca->setFixedWidth(240);
    txtCerca->setClearButtonEnabled(true);
    riga->addWidget(txtCerca);
    riga->addStretch(1);
    colonna->addLayout(riga);
    Toolbar1->addWidget(riquadro);

    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setAlternatingRowColors(true);
    DataGrid1->setWordWrap(false);
    DataGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid1->verticalHeader()->setDefaultSectionSize(DataGrid1->fontMetrics().height() + 8);
    DataGrid1->verticalHeader()->hide();
    DataGrid1->horizontalHeader()->setHighlightSections(false);
    DataGrid1->horizontalHeader()->setStretchLastSection(true);
    modello_ = new ModelloMateriali(this);
    DataGrid1->setModel(modello_);
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& attuale) { RigaSelezionata(attuale.isValid() ? attuale.row() : -1); });

    connect(Text3, &QLineEdit::textChanged, this, [this] { FiltroCambiato(); });
    connect(txtCerca, &QLineEdit::textChanged, this, [this] { FiltroCambiato(); });
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text3), static_cast<QWidget*>(txtCerca),
                       static_cast<QWidget*>(DataGrid1), static_cast<QWidget*>(Toolbar1)})
        w->installEventFilter(this);
}

FrmListaLegno::~FrmListaLegno()
{
    modello_->ImpostaRecordset(nullptr);
    rsLista.reset();
}

QMdiSubWindow* FrmListaLegno::Cornice() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

QAction* FrmListaLegno::Pulsante(int posizione) const
{
    return posizione >= 1 && posizione <= pulsanti_.size() ? pulsanti_.at(posizione - 1) : nullptr;
}

QString FrmListaLegno::InformazioniArchivio()
{
    return QStringLiteral("Archivio: \"") + DatabaseMateriali::PercorsoDatabase.trimmed() +
           QStringLiteral("\"   [ Valori in N/mm² ]");
}

int FrmListaLegno::twipsInPixelX(double twips) const
{
    return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0));
}

int FrmListaLegno::twipsInPixelY(double twips) const
{
    return static_cast<int>(std::lround(twips * logicalDpiY() / 1440.0));
}

double FrmListaLegno::pixelInTwipsX(int pixel) const { return pixel * 1440.0 / logicalDpiX(); }

double FrmListaLegno::pixelInTwipsY(int pixel) const { return pixel * 1440.0 / logicalDpiY(); }

void FrmListaLegno::Carica()
{
    Text1->setText(InformazioniArchivio());
    Text1->setToolTip(Text1->text());
    Text1->setCursorPosition(0);
    Leggi_Parametri_Registro_ListaLegname();
    OsservaArchivio();
    Requery_Lista();
    posizionaoggetti();
    appenaCaricata_ = true;
}

void FrmListaLegno::MostraDavanti()
{
    if (QMdiSubWindow* cornice = Cornice()) {
        if (cornice->isMinimized() && cornice->isVisible())
            cornice->showNormal();
        else
            cornice->show();
        cornice->raise();
        if (QMdiArea* area = cornice->mdiArea())
            area->setActiveSubWindow(cornice);
    } else {
        show();
        raise();
        activateWindow();
    }
}

void FrmListaLegno::posizionaoggetti()
{
    const int altezza = Toolbar1->sizeHint().height();
    Toolbar1->setGeometry(0, 0, width(), altezza);
    DataGrid1->setGeometry(twipsInPixelX(100), altezza + twipsInPixelY(100),
                           std::max(0, width() - twipsInPixelX(200)),
                           std::max(0, height() - altezza - twipsInPixelY(200)));
}

void FrmListaLegno::OsservaArchivio()
{
    // A second Trevon-SL on the same archive may change it: the list follows (a change made
    // meanwhile is never overwritten by a sheet either, it is checked when saving).
    if (!osservatore_) {
        osservatore_ = new QFileSystemWatcher(this);
        ricaricaRitardata_ = new QTimer(this);
        ricaricaRitardata_->setSingleShot(true);
        ricaricaRitardata_->setInterval(300);
        connect(ricaricaRitardata_, &QTimer::timeout, this, [] { ArchivioCambiato(); });
        connect(osservatore_, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
            if (!osservatore_->files().contains(file) && QFileInfo::exists(file))
                osservatore_->addPath(file);
            ricaricaRitardata_->start();
        });
    }
    if (!osservatore_->files().isEmpty())
        osservatore_->removePaths(osservatore_->files());
    if (!DatabaseMateriali::PercorsoDatabase.isEmpty() && QFileInfo::exists(DatabaseMateriali::PercorsoDatabase))
        osservatore_->addPath(DatabaseMateriali::PercorsoDatabase);
}

void FrmListaLegno::Requery_Lista()
{
    QString errText;
    {
        ModuloTrevon::CursoreOccupato occupato;
        // Only this window's reference goes: an open sheet keeps the set it was given.
        rsLista.reset();
        // Taken before reading: a write that lands while the rows are read moves the stamp.
        const DatabaseMateriali::ImprontaArchivio prima = DatabaseMateriali::Impronta();
        DatabaseMateriali::ApriRecordset(rsLista, SqlLista, errText);
        letta_.reset();
        if (errText.trimmed().isEmpty() && rsLista && prima.versione >= 0)
            letta_ = prima;
    }
    if (!errText.trimmed().isEmpty())
        ModuloTrevon::MsgBox(errText);
    CollegaRecordset();
    Imposta_DataGrid();
    // The filter box keeps its text, so the reloaded list keeps obeying it.
    ApplicaFiltro();
}

void FrmListaLegno::CollegaRecordset()
{
    modello_->ImpostaRecordset(rsLista);
    if (rsLista)
        connect(rsLista.get(), &RecordsetMateriali::posizioneCambiata, this,
                &FrmListaLegno::PosizioneCambiata, Qt::UniqueConnection);
    PosizioneCambiata();
}

void FrmListaLegno::Imposta_DataGrid()
{
    if (!rsLista)
        return;
    const QStringList campi = rsLista->NomiCampi();
    for (int c = 0; c < campi.size(); ++c) {
        const QString& nome = campi.at(c);
        DelegatoColonnaLegno::Formato formato = DelegatoColonnaLegno::Formato::Decimale;
        int larghezza = 800;
        if (nome.compare(QStringLiteral("Numero"), Qt::CaseInsensitive) == 0 ||
            nome.compare(ColonneMateriale::Tipologia, Qt::CaseInsensitive) == 0) {   // whole numbers
            formato = DelegatoColonnaLegno::Formato::Numero;
            larghezza = 630;
        } else if (nome.compare(QStringLiteral("Classe"), Qt::CaseInsensitive) == 0) {
            formato = DelegatoColonnaLegno::Formato::Testo;
            larghezza = 1000;
        } else if (nome.compare(QStringLiteral("Descrizione"), Qt::CaseInsensitive) == 0) {
            formato = DelegatoColonnaLegno::Formato::Testo;
            larghezza = 4000;
        }
        const bool descrizione = nome.compare(QStringLiteral("Descrizione"), Qt::CaseInsensitive) == 0;
        auto* attuale = qobject_cast<DelegatoColonnaLegno*>(DataGrid1->itemDelegateForColumn(c));
        if (!attuale || attuale->FormatoColonna() != formato) {
            DataGrid1->setItemDelegateForColumn(c, new DelegatoColonnaLegno(formato, DataGrid1));
            delete attuale;
        }
        // The designed width, widened where this screen's font needs more room for the header
        // or for a value up to 99.999,99.
        const QFontMetrics fm = DataGrid1->fontMetrics();
        const QFontMetrics fmTesta = DataGrid1->horizontalHeader()->fontMetrics();
        int necessaria = fmTesta.horizontalAdvance(nome) + 16;
        if (formato == DelegatoColonnaLegno::Formato::Decimale)
            necessaria = std::max(necessaria, fm.horizontalAdvance(QStringLiteral("999.999,99")) + 16);
        // The description as long as the longest of the first rows (not cut when there is room).
        if (descrizione)
            for (int r = 0; r < std::min(rsLista->RecordCount(), 2000); ++r)
                necessaria = std::max(necessaria, fm.horizontalAdvance(rsLista->Valore(r, c).toString()) + 16);
        DataGrid1->setColumnWidth(c, std::max(twipsInPixelX(larghezza), necessaria));
    }
}

void FrmListaLegno::FiltroCambiato()
{
    if (Text3->isReadOnly())
        return;
    ApplicaFiltro();
}

void FrmListaLegno::ApplicaFiltro()
{
    if (!rsLista)
        return;
    DataGrid1->setEnabled(false);
    const QString testo = Text3->text();
    const QString ridotto = testo.trimmed();
    // The record set matches every character literally (apostrophe, "%" and "_" included).
    rsLista->Filtra(ridotto.isEmpty() || ridotto == QStringLiteral("_") ? QString() : testo, txtCerca->text());
    DataGrid1->setEnabled(true);
}

void FrmListaLegno::RigaSelezionata(int riga)
{
    if (inSincronia_ || !rsLista || riga < 0 || riga >= rsLista->RecordCount())
        return;
    if (rsLista->Posizione() != riga)
        rsLista->SpostaA(riga);
}

void FrmListaLegno::PosizioneCambiata()
{
    inSincronia_ = true;
    const int riga = rsLista ? rsLista->Posizione() : -1;
    if (rsLista && riga >= 0 && riga < rsLista->RecordCount()) {
        const int colonna = std::max(0, DataGrid1->currentIndex().column());
        const QModelIndex indice = modello_->index(riga, colonna);
        DataGrid1->selectionModel()->setCurrentIndex(
            indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        DataGrid1->scrollTo(indice);
    } else {
        DataGrid1->selectionModel()->clear();
    }
    inSincronia_ = false;
}

void FrmListaLegno::Attivata()
{
    if (inRicarica_)
        return;
    // The first activation follows the load at once: one reading (and one error box) is enough.
    if (appenaCaricata_) {
        appenaCaricata_ = false;
        posizionaoggetti();
        return;
    }
    posizionaoggetti();
    // Nothing changed since the rows were read: they are shown as they are.
    if (rsLista && letta_ && *letta_ == DatabaseMateriali::Impronta())
        return;
    inRicarica_ = true;
    QVariant segnalibro;
    if (rsLista && rsLista->RecordCount() > 0)
        segnalibro = rsLista->Bookmark();
    Requery_Lista();
    if (rsLista && segnalibro.isValid() && !segnalibro.isNull())
        rsLista->SetBookmark(segnalibro);
    inRicarica_ = false;
}

void FrmListaLegno::Toolbar1_ButtonClick(int posizione)
{
    QMdiArea* area = Cornice() ? Cornice()->mdiArea() : nullptr;
    switch (posizione) {
    case 2: ModuloSchedaLegno::NuovaSchedaLegno(rsLista, area); break;
    case 3: ModuloSchedaLegno::VisualizzaSchedaLegno(rsLista, area); break;
    case 4: ModuloSchedaLegno::ModificaSchedaLegno(rsLista, area); break;
    case 5: ModuloSchedaLegno::EliminaSchedaLegno(rsLista, area); break;
    case 7: Requery_Lista(); break;
    case 9:
        if (QMdiSubWindow* cornice = Cornice())
            cornice->close();
        else
            close();
        break;
    default: break;   // separators
    }
}

void FrmListaLegno::Salva_Parametri_Registro_ListaLegname()
{
    const QWidget* w = Cornice() ? static_cast<QWidget*>(Cornice()) : this;
    const int stato = w->isMinimized() ? 1 : w->isMaximized() ? 2 : 0;
    const QRect g = (stato == 0 || !geometriaNormale_.isValid()) ? w->geometry() : geometriaNormale_;
    QSettings s = impostazioni();
    s.beginGroup(QString::fromLatin1(GruppoImpostazioni));
    auto scrivi = [&s](const char* chiave, double twips) {
        s.setValue(QString::fromLatin1(chiave), QString::number(static_cast<float>(twips)));
    };
    s.setValue(QStringLiteral("Windowstate"), QString::number(stato));
    scrivi("Top", pixelInTwipsY(g.y()));
    scrivi("Left", pixelInTwipsX(g.x()));
    scrivi("Width", pixelInTwipsX(g.width()));
    scrivi("Height", pixelInTwipsY(g.height()));
    s.endGroup();
    s.sync();
}

void FrmListaLegno::Leggi_Parametri_Registro_ListaLegname()
{
    QSettings s = impostazioni();
    s.beginGroup(QString::fromLatin1(GruppoImpostazioni));
    auto leggi = [&s](const char* chiave) { return s.value(QString::fromLatin1(chiave), QString()).toString(); };
    QWidget* w = Cornice() ? static_cast<QWidget*>(Cornice()) : this;

    bool ok = false;
    const short stato = leggi("Windowstate").trimmed().toShort(&ok);
    if (ok)
        statoLetto_ = stato;
    QRect g = w->geometry();
    double valore = 0;
    if (leggiDecimale(leggi("Top"), valore))
        g.moveTop(twipsInPixelY(valore));
    if (leggiDecimale(leggi("Left"), valore))
        g.moveLeft(twipsInPixelX(valore));
    // A window never shrinks below a usable size, whatever the store holds.
    if (leggiDecimale(leggi("Width"), valore))
        g.setWidth(std::max(160, twipsInPixelX(valore)));
    if (leggiDecimale(leggi("Height"), valore))
        g.setHeight(std::max(120, twipsInPixelY(valore)));
    s.endGroup();
    // Within the place the window lives in: a stored size larger than the screen (or the main
    // window's area) is cut to it, and the window stays reachable.
    QRect spazio;
    if (QMdiSubWindow* cornice = Cornice(); cornice && cornice->mdiArea())
        spazio = QRect(QPoint(0, 0), cornice->mdiArea()->viewport()->size());
    else if (const QScreen* schermo = w->screen())
        spazio = schermo->availableGeometry();
    if (spazio.isValid()) {
        g.setWidth(std::min(g.width(), spazio.width()));
        g.setHeight(std::min(g.height(), spazio.height()));
        g.moveLeft(std::clamp(g.left(), spazio.left(), spazio.right() - g.width() + 1));
        g.moveTop(std::clamp(g.top(), spazio.top(), spazio.bottom() - g.height() + 1));
    }
    w->setGeometry(g);
    geometriaNormale_ = g;
}

void FrmListaLegno::Ridimensionata()
{
    if (inRidimensionamento_)
        return;
    QMdiSubWindow* cornice = Cornice();
    if (cornice && cornice->isMaximized()) {
        inRidimensionamento_ = true;
        cornice->showNormal();
        if (QMdiArea* area = cornice->mdiArea())
            cornice->setGeometry(0, 0, area->viewport()->width(), area->viewport()->height());
        inRidimensionamento_ = false;
    }
    posizionaoggetti();
}

void FrmListaLegno::closeEvent(QCloseEvent* evento)
{
    Salva_Parametri_Registro_ListaLegname();
    salvato_ = true;
    evento->accept();
}

void FrmListaLegno::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        Toolbar1_ButtonClick(9);
        return;
    }
    QWidget::keyPressEvent(evento);
}

void FrmListaLegno::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    posizionaoggetti();
    if (Cornice() && Cornice()->isMaximized())
        QMetaObject::invokeMethod(this, &FrmListaLegno::Ridimensionata, Qt::QueuedConnection);
}

void FrmListaLegno::changeEvent(QEvent* evento)
{
    // A top-level list (no main window) reloads when it becomes the active window.
    if (evento->type() == QEvent::ActivationChange && !Cornice() && isActiveWindow())
        Attivata();
    QWidget::changeEvent(evento);
}

bool FrmListaLegno::eventFilter(QObject* oggetto, QEvent* evento)
{
    QMdiSubWindow* cornice = Cornice();
    if (cornice && oggetto == cornice) {
        if ((evento->type() == QEvent::Move || evento->type() == QEvent::Resize) &&
            !cornice->isMinimized() && !cornice->isMaximized())
            geometriaNormale_ = cornice->geometry();
        return false;
    }
    if (cornice && cornice->mdiArea() && oggetto == cornice->mdiArea()->window()) {
        // Program end: the list is destroyed with the main window, its place is kept first.
        if (evento->type() == QEvent::Close && !salvato_)
            Salva_Parametri_Registro_ListaLegname();
        return false;
    }
    if (evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        Toolbar1_ButtonClick(9);
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}
