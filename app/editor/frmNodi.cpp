// Construction of the joint editor: controls, layouts and the wiring of their events.
#include "editor/frmNodi.h"

#include "editor/DisegnoSvg.h"

#include "calcolo/CalcoloInCorso.h"
#include "calcolo/Coefficienti.h"
#include "calcolo/TipiNodo.h"
#include "materials/FrmListaLegno.h"
#include "comune/PuntiGuida.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QToolButton>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

// Resources of a static library must be registered by name from the global namespace.
static void registraRisorseEditor() { Q_INIT_RESOURCE(editor); }

namespace {

template <class W>
W* nominato(W* w, const QString& nome)
{
    w->setObjectName(nome);
    return w;
}

QString indice(const char* nome, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i);
}

QLineEdit* campoNumerico(QWidget* parent, const QString& nome, int larghezza = 90)
{
    auto* box = nominato(new QLineEdit(parent), nome);
    box->setMaximumWidth(larghezza);
    box->setMinimumWidth(60);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QPixmap disegnaSvg(const QString& file, const QSize& misura)
{
    QSvgRenderer renderer(file);
    const qreal scala = qApp->devicePixelRatio();
    QPixmap pixmap(misura * scala);
    pixmap.setDevicePixelRatio(scala);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(misura)));
    return pixmap;
}

}  // namespace

frmNodi::frmNodi(QWidget* parent) : QWidget(parent)
{
    registraRisorseEditor();
    setObjectName(QStringLiteral("frmNodi"));
    setWindowTitle(QStringLiteral("[QOR srl] - Unioni di Nodi in Legno"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* principale = new QVBoxLayout(this);

    // Title and joint counter with the navigation arrows around it.
    auto* testata = new QHBoxLayout;
    lblTitolo = nominato(new QLabel(QStringLiteral("Trevon-SL  \u2013  Verifica Unioni a Dente "
                                                   "in Legno (DM 14/01/2008)      Nodo N."),
                                    this),
                         QStringLiteral("lblTitolo"));
    QFont titolo = lblTitolo->font();
    titolo.setBold(true);
    titolo.setPointSizeF(titolo.pointSizeF() * 1.25);
    lblTitolo->setFont(titolo);
    lblNodoCorrente = nominato(new QLabel(QStringLiteral("0"), this), QStringLiteral("lblNodoCorrente"));
    Label35 = nominato(new QLabel(QStringLiteral("/"), this), QStringLiteral("Label35"));
    lblNodiTot = nominato(new QLabel(QStringLiteral("0"), this), QStringLiteral("lblNodiTot"));
    for (QLabel* l : {lblNodoCorrente, Label35, lblNodiTot})
        l->setFont(titolo);
    lblNodoCorrente->setMinimumWidth(24);
    lblNodoCorrente->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Command4 = nominato(new QPushButton(this), QStringLiteral("Command4"));
    Command4->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    Command4->setToolTip(QStringLiteral("Indietro"));
    Command5 = nominato(new QPushButton(this), QStringLiteral("Command5"));
    Command5->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    Command5->setToolTip(QStringLiteral("Avanti"));
    testata->addWidget(lblTitolo);
    testata->addWidget(Command4);
    testata->addWidget(lblNodoCorrente);
    testata->addWidget(Label35);
    testata->addWidget(lblNodiTot);
    testata->addWidget(Command5);
    testata->addStretch(1);
    principale->addLayout(testata);

    SSTab1 = nominato(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->addTab(CreaSchedaDati(), QStringLiteral("Dati Unione"));
    SSTab1->addTab(CreaSchedaRelazione(), QStringLiteral("Relazione di Verifica"));
    SSTab1->addTab(CreaSchedaCoefficienti(), QStringLiteral("Coefficienti Normativa"));
    principale->addWidget(SSTab1, 1);
    principale->addWidget(CreaPulsanti());

    CollegaEventi();
    CollegaComandi();
    CollegaComandiCalcolo();
    CreaScorciatoie();

    // Initial state: rectangular sections, first tabs, no type (runs the type selection).
    for (int i = 1; i <= NumAste; ++i)
        ComboAsta[i]->setCurrentIndex(0);
    SSTab1->setCurrentIndex(0);
    SSTab2->setCurrentIndex(0);
    ScriviAvvisoRelazione(QStringLiteral("Selezionare Tipo di Unione"));
    inCostruzione_ = false;
    cmbTipoNodo->setCurrentIndex(-1);
    TipoSelezionato();

    // The calculation's coefficients are those of the open editor's boxes; its joint total is
    // the counter's.
    ImpostaCoefficienti(Coefficienti::Predefiniti(Normativa::NTC2018));
    lblNodiTot->setText(QString::number(CalcoloInCorso::Istanza().TotaleNodi()));
    connect(&CalcoloInCorso::Istanza(), &CalcoloInCorso::nodiCambiati, this,
            [this](int totale) { lblNodiTot->setText(QString::number(totale)); });
    // New coefficients re-verified every joint: the report shown is written again with them.
    connect(&CalcoloInCorso::Istanza(), &CalcoloInCorso::coefficientiCambiati, this, [this] {
        if (ModuloTrevon::NodoCorrente && !ModuloTrevon::NodoCorrente->TipoNodo.empty() &&
            ModuloTrevon::NodoCorrente->AsteReg)
            ScriviRelazione(lblNodoCorrente->text());
    });

    resize(1180, 780);
}

frmNodi::~frmNodi() = default;

void frmNodi::CreaScorciatoie()
{
    // Keys of the commands, whichever tab is shown: each clicks its command when it is enabled.
    struct Scorciatoia {
        const char* nome;
        QKeySequence tasto;
        QPushButton* pulsante;
    };
    const Scorciatoia scorciatoie[] = {
        {"actSalvaCalcolo", QKeySequence(Qt::CTRL | Qt::Key_S), cmdSalvaCalcolo},
        {"actApriCalcolo", QKeySequence(Qt::CTRL | Qt::Key_O), cmdApriCalcolo},
        {"actStampaRelazione", QKeySequence(Qt::CTRL | Qt::Key_P), cmdStampaRelazione},
        {"actAppuntiSL", QKeySequence(Qt::Key_F1), Command7},
        {"actNodoPrecedente", QKeySequence(Qt::CTRL | Qt::Key_PageUp), Command4},
        {"actNodoSeguente", QKeySequence(Qt::CTRL | Qt::Key_PageDown), Command5},
    };
    for (const Scorciatoia& s : scorciatoie) {
        auto* azione = new QAction(this);
        azione->setObjectName(QLatin1String(s.nome));
        azione->setShortcut(s.tasto);
        azione->setShortcutContext(Qt::WindowShortcut);
        QPushButton* pulsante = s.pulsante;
        connect(azione, &QAction::triggered, this, [pulsante] {
            if (pulsante->isEnabled())
                pulsante->click();
        });
        addAction(azione);
    }
}

QWidget* frmNodi::CreaPulsanti()
{
    auto* riga = new QWidget(this);
    auto* l = new QHBoxLayout(riga);
    l->setContentsMargins(0, 0, 0, 0);
    Command3 = nominato(new QPushButton(QStringLiteral("&Aggiungi Nodo"), riga), QStringLiteral("Command3"));
    Command6 = nominato(new QPushButton(QStringLiteral("Ri&muovi Nodo"), riga), QStringLiteral("Command6"));
    cmdApriCalcolo = nominato(new QPushButton(QStringLiteral("Apr&i Calcolo"), riga), QStringLiteral("cmdApriCalcolo"));
    cmdSalvaCalcolo = nominato(new QPushButton(QStringLiteral("&Salva Calcolo"), riga), QStringLiteral("cmdSalvaCalcolo"));
    cmdDatiProgetto = nominato(new QPushButton(QStringLiteral("&Dati Progetto"), riga), QStringLiteral("cmdDatiProgetto"));
    cmdDatiProgetto->setToolTip(QStringLiteral("Progetto, committente, località, progettista e note della relazione"));
    Command1 = nominato(new QPushButton(QStringLiteral("&Tabella Materiali"), riga), QStringLiteral("Command1"));
    Command7 = nominato(new QPushButton(riga), QStringLiteral("Command7"));
    Command7->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    Command7->setToolTip(QStringLiteral("Appunti SL"));
    Command8 = nominato(new QPushButton(QStringLiteral("Registra"), riga), QStringLiteral("Command8"));
    Command8->setMinimumWidth(180);
    Command9 = nominato(new QPushButton(QStringLiteral("&Esci"), riga), QStringLiteral("Command9"));
    l->addWidget(Command3);
    l->addWidget(Command6);
    l->addSpacing(24);
    l->addWidget(cmdApriCalcolo);
    cmdRecenti = nominato(new QToolButton(riga), QStringLiteral("cmdRecenti"));
    cmdRecenti->setToolTip(QStringLiteral("Calcoli aperti di recente"));
    cmdRecenti->setArrowType(Qt::DownArrow);
    menuRecenti = nominato(new QMenu(cmdRecenti), QStringLiteral("menuRecenti"));
    cmdRecenti->setMenu(menuRecenti);
    cmdRecenti->setPopupMode(QToolButton::InstantPopup);
    l->addWidget(cmdRecenti);
    l->addWidget(cmdSalvaCalcolo);
    l->addWidget(cmdDatiProgetto);
    l->addSpacing(24);
    l->addWidget(Command1);
    l->addWidget(Command7);
    l->addStretch(1);
    l->addWidget(Command8);
    l->addWidget(Command9);
    return riga;
}

QWidget* frmNodi::CreaSchedaDati()
{
    auto* scheda = new QWidget(this);
    auto* l = new QHBoxLayout(scheda);

    // Left: type and drawings.
    auto* sinistra = new QVBoxLayout;
    FrameTipo = nominato(new QFrame(scheda), QStringLiteral("FrameTipo"));
    FrameTipo->setFrameShape(QFrame::StyledPanel);
    auto* lt = new QHBoxLayout(FrameTipo);
    lblTipo = nominato(new QLabel(QStringLiteral("Tipo Unione:"), FrameTipo), QStringLiteral("lblTipo"));
    cmbTipoNodo = nominato(new QComboBox(FrameTipo), QStringLiteral("cmbTipoNodo"));
    cmbTipoNodo->addItems(TipiNodo());
    cmbTipoNodo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    lt->addWidget(lblTipo);
    lt->addWidget(cmbTipoNodo, 1);
    sinistra->addWidget(FrameTipo);

    Disegni = nominato(new QStackedWidget(scheda), QStringLiteral("Disegni"));
    Disegni->setFrameShape(QFrame::StyledPanel);
    // Drawings sit on paper white, whatever the window's style.
    QPalette carta = Disegni->palette();
    carta.setColor(QPalette::Window, Qt::white);
    Disegni->setPalette(carta);
    Disegni->setAutoFillBackground(true);
    Disegni->addWidget(CreaPicker());
    const std::vector<TipoNodo>& tipi = TipoNodo::Tutti();
    PicNodo.assign(tipi.size(), nullptr);
    for (int k = 0; k < static_cast<int>(tipi.size()); ++k) {
        PicNodo[static_cast<std::size_t>(k)] =
            nominato(new DisegnoSvg(tipi[static_cast<std::size_t>(k)].disegno, Disegni), indice("PicNodo", k));
        DisegnoSvg* d = PicNodo[static_cast<std::size_t>(k)];
        d->setMinimumSize(380, 359);   // the drawings' 285 × 269 proportion
        d->setToolTip(TipiNodo().at(k));
        Disegni->addWidget(d);
    }
    sinistra->addWidget(Disegni, 1);
    l->addLayout(sinistra, 5);

    // Right: joint parameters and bars.
    auto* destra = new QVBoxLayout;
    FrameParamNodo = nominato(new QGroupBox(QStringLiteral("Parametri Nodo "), scheda),
                              QStringLiteral("FrameParamNodo"));
    auto* gp = new QGridLayout(FrameParamNodo);
    const char* const captions[5] = {"", "[cm.] a1 =", "a2 =", "a3 =", "a4 ="};
    for (int i = 1; i <= 4; ++i) {
        lblMis[static_cast<std::size_t>(i)] =
            nominato(new QLabel(QString::fromLatin1(captions[i]), FrameParamNodo), indice("lblMis", i));
        txtMis[static_cast<std::size_t>(i)] = campoNumerico(FrameParamNodo, indice("txtMis", i));
        lblMis[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int riga = (i - 1) / 2;
        const int col = ((i - 1) % 2) * 3;
        gp->addWidget(lblMis[static_cast<std::size_t>(i)], riga, col);
        gp->addWidget(txtMis[static_cast<std::size_t>(i)], riga, col + 1);
    }
    lblReaz = nominato(new QLabel(QStringLiteral("Reazione Vincolare (kN)"), FrameParamNodo),
                       QStringLiteral("lblReaz"));
    txtReaz = campoNumerico(FrameParamNodo, QStringLiteral("txtReaz"));
    lblLapp = nominato(new QLabel(QStringLiteral("Lap"), FrameParamNodo), QStringLiteral("lblLapp"));
    lblLapp->setToolTip(QStringLiteral("Lunghezza dell'Appoggio"));
    txtLapp = campoNumerico(FrameParamNodo, QStringLiteral("txtLapp"));
    txtLapp->setToolTip(QStringLiteral("Lunghezza dell'Appoggio"));
    for (QLabel* e : {lblReaz, lblLapp})
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gp->addWidget(lblReaz, 2, 0);
    gp->addWidget(txtReaz, 2, 1);
    gp->addWidget(lblLapp, 2, 3);
    gp->addWidget(txtLapp, 2, 4);
    // The class of the shortest action of the combination that gives the joint's forces.
    lblDurataCarico = nominato(new QLabel(QStringLiteral("Durata del Carico"), FrameParamNodo),
                               QStringLiteral("lblDurataCarico"));
    lblDurataCarico->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmbDurataCarico = nominato(new QComboBox(FrameParamNodo), QStringLiteral("cmbDurataCarico"));
    cmbDurataCarico->addItems(DurataCarico::Nomi());
    cmbDurataCarico->setToolTip(QStringLiteral("Classe di durata del carico dell'azione più breve della combinazione "
                                               "che dà le forze del Nodo"));
    lblDurataCarico->setBuddy(cmbDurataCarico);
    gp->addWidget(lblDurataCarico, 3, 0);
    gp->addWidget(cmbDurataCarico, 3, 1, 1, 2);
    gp->setColumnStretch(2, 1);
    gp->setColumnStretch(5, 1);
    gp->setColumnMinimumWidth(2, 16);
    destra->addWidget(FrameParamNodo);

    auto* barre = nominato(new QGroupBox(QStringLiteral("Caratteristiche Aste"), scheda),
                           QStringLiteral("FrameAsta(0)"));
    FrameAsta[0] = barre;
    auto* lb = new QVBoxLayout(barre);
    auto* intestazione = new QHBoxLayout;
    Text1 = nominato(new QLineEdit(barre), QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    QFont grassetto = Text1->font();
    grassetto.setBold(true);
    Text1->setFont(grassetto);
    Text1->setMinimumWidth(180);
    Text2 = nominato(new QLabel(QStringLiteral("Materiale N\u00b0"), barre), QStringLiteral("Text2"));
    txtMatAsta = campoNumerico(barre, QStringLiteral("txtMatAsta"), 80);
    intestazione->addWidget(Text1, 1);
    intestazione->addSpacing(16);
    intestazione->addWidget(Text2);
    intestazione->addWidget(txtMatAsta);
    lb->addLayout(intestazione);

    SSTab2 = nominato(new QTabWidget(barre), QStringLiteral("SSTab2"));
    lblAsta[0] = nominato(new QLabel(QStringLiteral("Asta N. "), SSTab2), QStringLiteral("lblAsta(0)"));
    lblAsta[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SSTab2->setCornerWidget(lblAsta[0], Qt::TopLeftCorner);
    for (int i = 1; i <= NumAste; ++i)
        SSTab2->addTab(CreaPannelloAsta(i), QString::number(i));
    lb->addWidget(SSTab2, 1);
    destra->addWidget(barre, 1);
    l->addLayout(destra, 6);
    return scheda;
}

QWidget* frmNodi::CreaPicker()
{
    PicTipoNodi = nominato(new QWidget(this), QStringLiteral("PicTipoNodi"));
    PicTipoNodi->setMouseTracking(true);
    auto* l = new QVBoxLayout(PicTipoNodi);
    auto* titolo = new QLabel(QStringLiteral("Selezionare il Tipo di Unione"), PicTipoNodi);
    QFont f = titolo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    titolo->setFont(f);
    titolo->setAlignment(Qt::AlignCenter);
    l->addWidget(titolo);
    auto* griglia = new QGridLayout;
    const std::vector<TipoNodo>& tipi = TipoNodo::Tutti();
    ImgTipoUnione.assign(tipi.size(), nullptr);
    for (int k = 0; k < static_cast<int>(tipi.size()); ++k) {
        const auto kk = static_cast<std::size_t>(k);
        ImgTipoUnione[kk] = nominato(new QLabel(PicTipoNodi), indice("ImgTipoUnione", k));
        QLabel* img = ImgTipoUnione[kk];
        img->setPixmap(disegnaSvg(tipi[kk].immagineTipo, QSize(104, 98)));
        img->setAlignment(Qt::AlignCenter);
        img->setFixedSize(112, 106);
        img->setToolTip(TipiNodo().at(k));
        img->setMouseTracking(true);
        img->setCursor(Qt::PointingHandCursor);
        img->setFrameShape(QFrame::NoFrame);
        auto* nome = new QLabel(TipiNodo().at(k), PicTipoNodi);
        nome->setWordWrap(true);
        nome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QFont piccolo = nome->font();
        piccolo.setPointSizeF(piccolo.pointSizeF() * 0.85);
        nome->setFont(piccolo);
        nome->setFixedWidth(112);
        nome->setMinimumHeight(QFontMetrics(piccolo).lineSpacing() * 3 + 4);
        // Four types a row: the single steps, then their rear-step twins below them.
        const int riga = 2 * (k / 4);
        griglia->addWidget(img, riga, k % 4, Qt::AlignHCenter);
        griglia->addWidget(nome, riga + 1, k % 4, Qt::AlignHCenter | Qt::AlignTop);
    }
    l->addStretch(1);
    l->addLayout(griglia);
    l->addStretch(2);
    return PicTipoNodi;
}

QWidget* frmNodi::CreaPannelloAsta(int i)
{
    const auto ii = static_cast<std::size_t>(i);
    auto* pannello = nominato(new QFrame(this), indice("FrameAsta", i));
    FrameAsta[ii] = pannello;
    auto* l = new QHBoxLayout(pannello);
    auto* g = new QGridLayout;
    lblAsta[ii] = nominato(new QLabel(QStringLiteral("Tipo Sezione"), pannello), indice("lblAsta", i));
    ComboAsta[ii] = nominato(new QComboBox(pannello), indice("ComboAsta", i));
    ComboAsta[ii]->addItems({QStringLiteral("Rettangolare"), QStringLiteral("Circolare")});
    lblBase[ii] = nominato(new QLabel(QStringLiteral("B (cm)"), pannello), indice("lblBase", i));
    txtBAsta[ii] = campoNumerico(pannello, indice("txtBAsta", i), 110);
    lblAltezza[ii] = nominato(new QLabel(QStringLiteral("H (cm)"), pannello), indice("lblAltezza", i));
    txtHAsta[ii] = campoNumerico(pannello, indice("txtHAsta", i), 110);
    lblAngAsta[ii] = nominato(new QLabel(QStringLiteral("\u03b1\u00b0"), pannello), indice("lblAngAsta", i));
    txtAngAsta[ii] = campoNumerico(pannello, indice("txtAngAsta", i), 110);
    lblNAsta[ii] = nominato(new QLabel(QStringLiteral("Axial N. (kN)"), pannello), indice("lblNAsta", i));
    txtNAsta[ii] = campoNumerico(pannello, indice("txtNAsta", i), 110);
    g->addWidget(lblAsta[ii], 0, 0);
    g->addWidget(ComboAsta[ii], 0, 1);
    g->addWidget(lblBase[ii], 1, 0);
    g->addWidget(txtBAsta[ii], 1, 1);
    // Engineers give a round bar's diameter: it is shown beside the radius the field holds.
    lblDiametro[ii] = nominato(new QLabel(pannello), indice("lblDiametro", i));
    lblDiametro[ii]->hide();
    g->addWidget(lblDiametro[ii], 1, 2);
    connect(txtBAsta[ii], &QLineEdit::textChanged, this, [this, i] { MostraDiametro(i); });
    g->addWidget(lblAltezza[ii], 2, 0);
    g->addWidget(txtHAsta[ii], 2, 1);
    g->addWidget(lblAngAsta[ii], 3, 0);
    g->addWidget(txtAngAsta[ii], 3, 1);
    g->addWidget(lblNAsta[ii], 4, 0);
    g->addWidget(txtNAsta[ii], 4, 1);
    g->setRowStretch(5, 1);
    // The captions and the diameter keep their whole text; the material list takes what is left.
    for (QWidget* w : std::initializer_list<QWidget*>{lblAsta[ii], lblBase[ii], lblAltezza[ii], lblAngAsta[ii], lblNAsta[ii],
                                                      lblDiametro[ii], ComboAsta[ii]})
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    lblBase[ii]->setMinimumWidth(lblBase[ii]->fontMetrics().horizontalAdvance(QStringLiteral("R (raggio) [cm]")) + 6);
    lblDiametro[ii]->setMinimumWidth(lblDiametro[ii]->fontMetrics().horizontalAdvance(QStringLiteral("\u00d8 = 999,99 cm")));
    l->addLayout(g);

    LstMatAsta[ii] = nominato(new QTreeWidget(pannello), indice("LstMatAsta", i));
    QTreeWidget* lista = LstMatAsta[ii];
    lista->setColumnCount(2);
    lista->setHeaderLabels({QStringLiteral("Codice"), QStringLiteral("Descrizione")});
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    lista->header()->setStretchLastSection(true);
    lista->setColumnWidth(0, 60);
    lista->setColumnWidth(1, 93);
    lista->setMinimumWidth(180);
    l->addWidget(lista, 1);
    return pannello;
}

QWidget* frmNodi::CreaSchedaCoefficienti()
{
    auto* scheda = new QWidget(this);
    auto* esterno = new QHBoxLayout(scheda);
    auto* colonna = new QVBoxLayout;
    esterno->addLayout(colonna, 3);
    esterno->addStretch(2);

    auto* classe = nominato(new QGroupBox(QStringLiteral("Classe di Servizio"), scheda),
                            QStringLiteral("FrameClasse"));
    auto* lc = new QVBoxLayout(classe);
    for (int i = 1; i <= 3; ++i) {
        Option2[static_cast<std::size_t>(i)] =
            nominato(new QRadioButton(Coefficienti::TestoClasse(i), classe), indice("Option2", i));
        lc->addWidget(Option2[static_cast<std::size_t>(i)]);
    }
    Option2[1]->setChecked(true);
    colonna->addWidget(classe);

    // The code of the calculation, which decides the tables below.
    auto* rigaNormativa = new QHBoxLayout;
    auto* lblNorm = new QLabel(QStringLiteral("Normativa del Calcolo:"), scheda);
    cmbNormativa = nominato(new QComboBox(scheda), QStringLiteral("cmbNormativa"));
    cmbNormativa->addItems(Normative::Nomi());
    lblNorm->setBuddy(cmbNormativa);
    rigaNormativa->addWidget(lblNorm);
    rigaNormativa->addWidget(cmbNormativa);
    rigaNormativa->addStretch(1);
    colonna->insertLayout(0, rigaNormativa);

    auto* coefficienti = nominato(
        new QGroupBox(QStringLiteral("Coefficienti Normativa per Resistenza di Calcolo Aste Capriata"), scheda),
        QStringLiteral("FrameCoefficienti"));
    auto* lk = new QVBoxLayout(coefficienti);

    tabKmod = nominato(new QGroupBox(QStringLiteral("Tabella 4.4.IV - DM 14/01/2008"), coefficienti),
                       QStringLiteral("FrameKmod"));
    auto* gk = new QGridLayout(tabKmod);
    gk->addWidget(new QLabel(QStringLiteral("Valori di kmod per Classe di Servizio e Classe di Durata del Carico"),
                             tabKmod),
                  0, 0, 1, 6);
    for (int d = DurataCarico::Permanente; d <= DurataCarico::Istantanea; ++d) {
        auto* intestazione = nominato(new QLabel(DurataCarico::Nome(d), tabKmod), indice("lblDurataKmod", d));
        intestazione->setAlignment(Qt::AlignCenter);
        gk->addWidget(intestazione, 1, d);
    }
    for (int i = 1; i <= 3; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        gk->addWidget(nominato(new QLabel(i == 1 ? QStringLiteral("Classe di Servizio: 1)") : QStringLiteral("Classe %1)").arg(i),
                                          tabKmod),
                               indice("lblClasseKmod", i)),
                      i + 1, 0);
        txtCoefCar[ii] = campoNumerico(tabKmod, indice("txtCoefCar", i));
        gk->addWidget(txtCoefCar[ii], i + 1, 1);
        for (int d = 2; d <= DurataCarico::Istantanea; ++d) {
            txtKmod[ii][static_cast<std::size_t>(d)] =
                campoNumerico(tabKmod, QStringLiteral("txtKmod(%1,%2)").arg(i).arg(d));
            gk->addWidget(txtKmod[ii][static_cast<std::size_t>(d)], i + 1, d);
        }
    }
    lk->addWidget(tabKmod);

    tabGM = nominato(new QGroupBox(QStringLiteral("Tabella 4.4.III - DM 14/01/2008"), coefficienti),
                     QStringLiteral("FrameGammaM"));
    auto* gm = new QGridLayout(tabGM);
    QFont grassetto = tabGM->font();
    grassetto.setBold(true);
    auto* slu = new QLabel(QStringLiteral("Stati Limite Ultimi"), tabGM);
    slu->setFont(grassetto);
    auto* colGM = new QLabel(QStringLiteral("\u03b3M"), tabGM);
    colGM->setFont(grassetto);
    colGM->setAlignment(Qt::AlignCenter);
    gm->addWidget(slu, 0, 0);
    gm->addWidget(colGM, 0, 2);
    // Column A or B of the NTC 2018 table, with the condition for B beside it.
    auto* rigaColonna = new QHBoxLayout;
    lblColonna = new QLabel(QStringLiteral("Colonna:"), tabGM);
    cmbColonnaGammaM = nominato(new QComboBox(tabGM), QStringLiteral("cmbColonnaGammaM"));
    cmbColonnaGammaM->addItems({QStringLiteral("A"), QStringLiteral("B")});
    lblColonna->setBuddy(cmbColonnaGammaM);
    lblNotaColonna = nominato(
        new QLabel(QStringLiteral("Colonna B solo per produzioni continuative, sotto un sistema di qualità "
                                  "(\u00a7 11.7), con coefficiente di variazione della resistenza non superiore "
                                  "al 15%: la scelta è del progettista."),
                   tabGM),
        QStringLiteral("lblNotaColonna"));
    lblNotaColonna->setWordWrap(true);
    rigaColonna->addWidget(lblColonna);
    rigaColonna->addWidget(cmbColonnaGammaM);
    rigaColonna->addWidget(lblNotaColonna, 1);
    gm->addLayout(rigaColonna, 1, 0, 1, 3);
    lblSle = new QLabel(QStringLiteral("Stati Limite di Esercizio"), tabGM);
    lblSle->setFont(grassetto);
    // Rows 1..5, the serviceability heading (NTC 2008), rows 6 and 7 (NTC 2018 only).
    const QStringList righe = Coefficienti::RigheGammaM(Normativa::NTC2008);
    for (int i = 1; i <= 7; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const int riga = i <= 5 ? i + 1 : i + 2;
        if (i == 6)
            gm->addWidget(lblSle, riga - 1, 0);
        txtCoefMat[ii] = campoNumerico(tabGM, indice("txtCoefMat", i));
        lblCoefMat[ii] = nominato(new QLabel(i <= righe.size() ? righe.at(i - 1) : QString(), tabGM), indice("lblCoefMat", i));
        puntiCoefMat[ii] = new PuntiGuida(tabGM);
        gm->addWidget(lblCoefMat[ii], riga, 0);
        gm->addWidget(puntiCoefMat[ii], riga, 1);
        gm->addWidget(txtCoefMat[ii], riga, 2);
    }
    gm->setColumnStretch(1, 1);
    lk->addWidget(tabGM);
    colonna->addWidget(coefficienti);
    colonna->addStretch(1);
    return scheda;
}

void frmNodi::CollegaEventi()
{
    connect(cmbTipoNodo, &QComboBox::currentIndexChanged, this, [this] { TipoSelezionato(); });
    connect(Command1, &QPushButton::clicked, this, [this] { FrmListaLegno::Apri(this); });
    connect(SSTab2, &QTabWidget::currentChanged, this, [this](int j) { SchedaAstaSelezionata(j); });
    connect(txtMatAsta, &QLineEdit::textChanged, this, [this] { MaterialeModificato(); });
    CreaPropostaMateriali();

    QList<QObject*> filtrati{cmbTipoNodo, txtReaz, txtLapp, txtMatAsta, SSTab2->tabBar(), PicTipoNodi};
    for (int i = 1; i <= 4; ++i)
        filtrati << txtMis[static_cast<std::size_t>(i)];
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        connect(ComboAsta[ii], &QComboBox::currentIndexChanged, this, [this, i] { SezioneSelezionata(i); });
        filtrati << ComboAsta[ii] << txtBAsta[ii] << txtHAsta[ii] << txtAngAsta[ii] << txtNAsta[ii];
    }
    for (int i = 1; i <= 3; ++i)
        filtrati << txtCoefCar[static_cast<std::size_t>(i)];
    for (int i = 1; i <= 7; ++i)
        filtrati << txtCoefMat[static_cast<std::size_t>(i)];
    for (int i = 1; i <= 3; ++i)
        for (int d = 2; d <= DurataCarico::Istantanea; ++d)
            filtrati << txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)];
    for (QLabel* img : ImgTipoUnione)
        filtrati << img;
    for (QObject* o : filtrati)
        o->installEventFilter(this);

    // Every edit of a joint field marks the joint as modified.
    QList<QLineEdit*> campi{txtReaz, txtLapp};
    for (int i = 1; i <= 4; ++i)
        campi << txtMis[static_cast<std::size_t>(i)];
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        campi << txtBAsta[ii] << txtHAsta[ii] << txtAngAsta[ii] << txtNAsta[ii];
    }
    for (QLineEdit* c : campi)
        connect(c, &QLineEdit::textChanged, this, [this] { CampoModificato(); });

    for (int i = 1; i <= 3; ++i) {
        connect(txtCoefCar[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this, [this] { PubblicaCoefficienti(); });
        connect(Option2[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this] { PubblicaCoefficienti(); });
    }
    for (int i = 1; i <= 7; ++i)
        connect(txtCoefMat[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this, [this] { PubblicaCoefficienti(); });
    for (int i = 1; i <= 3; ++i)
        for (int d = 2; d <= DurataCarico::Istantanea; ++d)
            connect(txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)], &QLineEdit::textChanged, this,
                    [this] { PubblicaCoefficienti(); });
    connect(cmbNormativa, &QComboBox::currentIndexChanged, this, [this] { NormativaScelta(); });
    connect(cmbColonnaGammaM, &QComboBox::currentIndexChanged, this, [this] { ColonnaGammaMScelta(); });
    connect(cmbDurataCarico, &QComboBox::currentIndexChanged, this, [this] { CampoModificato(); });
}

void frmNodi::ScriviAvvisoRelazione(const QString& testo)
{
    RichTextBox1->clear();
    QTextCharFormat formato;
    formato.setFontFamilies({QStringLiteral("Courier New")});
    formato.setFontPointSize(10);
    RichTextBox1->setCurrentCharFormat(formato);
    RichTextBox1->insertPlainText(testo);
}
