#include "shell/frmTipoVer.h"

#include "shell/BannerTrevon.h"
#include "comune/DocumentiTrevon.h"
#include "shell/ModuloTrevon.h"

#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

const QColor frmTipoVer::ColoreNormale(0x00, 0x00, 0xFF);
const QColor frmTipoVer::ColoreEvidenziato(0xFF, 0xFF, 0x00);

namespace {

constexpr int altezzaPannello = 72;   // px, the panel under the banner: two rows of label-buttons
constexpr int intervalloBanner = 500; // ms

QLabel* pulsanteEtichetta(QWidget* pannello, const char* nome, const QString& testo, int x, int y = 8) {
    auto* etichetta = new QLabel(testo, pannello);
    etichetta->setObjectName(nome);
    etichetta->setGeometry(x, y, 100, 24);
    etichetta->setAlignment(Qt::AlignCenter);
    QFont f = etichetta->font();
    f.setBold(true);
    etichetta->setFont(f);
    etichetta->setAutoFillBackground(true);
    etichetta->setMouseTracking(true);
    return etichetta;
}

}  // namespace

frmTipoVer::frmTipoVer(QWidget* parent) : QWidget(parent) {
    setObjectName("frmTipoVer");
    setWindowTitle("Trevon-SL");
    setFixedSize(BannerTrevon::Larghezza, BannerTrevon::Altezza + altezzaPannello);

    const auto fotogrammi = BannerTrevon::Fotogrammi();
    for (int i = 0; i < BannerTrevon::NumeroFotogrammi; ++i) {
        PicBase_[i] = new QLabel(this);
        PicBase_[i]->setObjectName(QString("PicBase(%1)").arg(i + 1));
        PicBase_[i]->setPixmap(fotogrammi[i]);
        PicBase_[i]->hide();
    }

    Picture1_ = new QLabel(this);
    Picture1_->setObjectName("Picture1");
    Picture1_->setGeometry(0, 0, BannerTrevon::Larghezza, BannerTrevon::Altezza);
    Picture1_->setPixmap(PicBase_[0]->pixmap());   // until the first tick
    Picture1_->setCursor(Qt::PointingHandCursor);
    Picture1_->setToolTip("Informazioni su Trevon-SL");
    Picture1_->setMouseTracking(true);

    Picture2_ = new QWidget(this);
    Picture2_->setObjectName("Picture2");
    Picture2_->setGeometry(0, BannerTrevon::Altezza, BannerTrevon::Larghezza, altezzaPannello);
    Picture2_->setAutoFillBackground(true);
    QPalette pannello = Picture2_->palette();
    pannello.setColor(QPalette::Window, QColor(0x0B, 0x2A, 0x5B));
    Picture2_->setPalette(pannello);
    Picture2_->setMouseTracking(true);

    // The gap between the labels lets the panel see the mouse when it goes from one to the other.
    Label1_ = pulsanteEtichetta(Picture2_, "Label1", "Avvia", 40);
    Label2_ = pulsanteEtichetta(Picture2_, "Label2", "Chiudi", 160);
    Label3_ = pulsanteEtichetta(Picture2_, "Label3", "Apri Calcolo", 40, 40);
    Label4_ = pulsanteEtichetta(Picture2_, "Label4", "Salva Calcolo", 160, 40);
    for (QLabel* l : {Label1_, Label2_, Label3_, Label4_})
        evidenzia(l, ColoreNormale);

    setMouseTracking(true);
    for (QObject* o : {static_cast<QObject*>(Picture1_), static_cast<QObject*>(Picture2_),
                       static_cast<QObject*>(Label1_), static_cast<QObject*>(Label2_),
                       static_cast<QObject*>(Label3_), static_cast<QObject*>(Label4_)})
        o->installEventFilter(this);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(intervalloBanner);
    connect(Timer1_, &QTimer::timeout, this, &frmTipoVer::Timer1_Timer);
    Timer1_->start();
}

void frmTipoVer::setVisible(bool visibile) {
    QWidget::setVisible(visibile);
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (cornice && cornice->isVisible() != visibile)
        cornice->setVisible(visibile);
}

void frmTipoVer::evidenzia(QLabel* etichetta, const QColor& colore) {
    QPalette p = etichetta->palette();
    p.setColor(QPalette::Window, colore);
    // White reads on blue; on yellow the caption turns dark blue, or it could not be read.
    p.setColor(QPalette::WindowText, colore == ColoreEvidenziato ? QColor(0x0B, 0x2A, 0x5B) : QColor(Qt::white));
    etichetta->setPalette(p);
}

bool frmTipoVer::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        // The file label-buttons are yellow only while the mouse is on them.
        evidenzia(Label3_, oggetto == Label3_ ? ColoreEvidenziato : ColoreNormale);
        evidenzia(Label4_, oggetto == Label4_ ? ColoreEvidenziato : ColoreNormale);
        if (oggetto == Label1_) {
            evidenzia(Label1_, ColoreEvidenziato);
        } else if (oggetto == Label2_) {
            evidenzia(Label1_, ColoreNormale);
            evidenzia(Label2_, ColoreEvidenziato);
        } else {   // banner, the panel outside the labels, or a file label-button
            evidenzia(Label1_, ColoreNormale);
            evidenzia(Label2_, ColoreNormale);
        }
        return true;   // a label's move must not reach the panel under it
    }
    if (evento->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(evento);
        auto* controllo = static_cast<QWidget*>(oggetto);
        if (mouse->button() != Qt::LeftButton || !controllo->rect().contains(mouse->position().toPoint()))
            return false;
        if (oggetto == Label1_)
            Label1_Click();
        else if (oggetto == Label2_)
            Label2_Click();
        else if (oggetto == Label3_)
            emit apriRichiesto();
        else if (oggetto == Label4_)
            emit salvaRichiesto();
        else if (oggetto == Picture1_)
            Picture1_Click();
        else
            return false;
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void frmTipoVer::Label1_Click() {
    emit avviaRichiesto();
    evidenzia(Label1_, ColoreNormale);
    hide();
}

void frmTipoVer::Label2_Click() {
    emit chiudiRichiesto();
}

void frmTipoVer::Picture1_Click() {
    ModuloTrevon::ApriDocumento(DocumentiTrevon::PercorsoInformazioni());
}

void frmTipoVer::Timer1_Timer() {
    contatore_ = contatore_ == BannerTrevon::NumeroFotogrammi ? 1 : contatore_ + 1;
    Picture1_->setPixmap(PicBase_[contatore_ - 1]->pixmap());
}
