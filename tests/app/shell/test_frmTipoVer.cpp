// Start window: hover colours of the label-buttons, banner frames, the two buttons, banner click.
#include "shell/BannerTrevon.h"
#include "comune/DocumentiTrevon.h"
#include "shell/ModuloTrevon.h"
#include "shell/frmTipoVer.h"

#include <QCoreApplication>
#include <QFile>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTimer>
#include <QTemporaryDir>
#include <cstdlib>

#include <gtest/gtest.h>

namespace {

class StartWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ModuloTrevon::ImpostaRisponditore([](const ModuloTrevon::Avviso& a) {
            ADD_FAILURE() << "unexpected message box: " << a.testo.toStdString();
            return ModuloTrevon::Risposta::OK;
        });
        finestra.show();
    }
    void TearDown() override { ModuloTrevon::ImpostaRisponditore({}); }

    template <class T = QLabel>
    T* controllo(const char* nome) {
        T* c = finestra.findChild<T*>(nome);
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }
    static QColor sfondo(QLabel* l) { return l->palette().color(QPalette::Window); }

    static void muovi(QWidget* w, QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    static void muovi(QWidget* w) { muovi(w, w->rect().center()); }
    static void clicca(QWidget* w, Qt::MouseButton tasto = Qt::LeftButton, QPoint rilascio = {-1, -1}) {
        const QPoint p = w->rect().center();
        const QPoint r = rilascio == QPoint(-1, -1) ? p : rilascio;
        QMouseEvent premi(QEvent::MouseButtonPress, p, w->mapToGlobal(p), tasto, tasto, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &premi);
        QMouseEvent rilascia(QEvent::MouseButtonRelease, r, w->mapToGlobal(r), tasto, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &rilascia);
    }
    QImage immagineBanner() { return controllo("Picture1")->pixmap().toImage(); }
    QImage fotogramma(int i) {
        return finestra.findChild<QLabel*>(QString("PicBase(%1)").arg(i))->pixmap().toImage();
    }

    frmTipoVer finestra;
};

TEST_F(StartWindow, ControlsCarryTheirNamesAndStartBlueWithWhiteText) {
    QLabel* avvia = controllo("Label1");
    QLabel* chiudi = controllo("Label2");
    ASSERT_TRUE(avvia && chiudi);
    EXPECT_EQ(avvia->text(), "Avvia");
    EXPECT_EQ(chiudi->text(), "Chiudi");
    for (QLabel* l : {avvia, chiudi}) {
        EXPECT_EQ(sfondo(l), QColor(0, 0, 255)) << l->objectName().toStdString();
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(l->parentWidget(), controllo<QWidget>("Picture2"));
    }
    EXPECT_EQ(controllo("Picture1")->size(), QSize(300, 60));
    auto* timer = controllo<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(timer->isActive());
    for (int i = 1; i <= 15; ++i) {
        auto* base = finestra.findChild<QLabel*>(QString("PicBase(%1)").arg(i));
        ASSERT_NE(base, nullptr) << i;
        EXPECT_TRUE(base->isHidden()) << i;
        EXPECT_EQ(base->pixmap().size(), QSize(300, 60)) << i;
    }
}

TEST_F(StartWindow, HoverColoursFollowTheRegionUnderTheMouse) {
    const QColor B(0, 0, 255), Y(255, 255, 0);
    struct Caso {
        const char* nome;
        const char* prima;     // region the mouse was over before (nullptr: none)
        const char* regione;   // region it moves over now
        QColor avvia, chiudi;
    };
    const Caso casi[] = {
        {"over Avvia from rest", nullptr, "Label1", Y, B},
        {"over Avvia leaves a yellow Chiudi alone", "Label2", "Label1", Y, Y},
        {"over Chiudi from rest", nullptr, "Label2", B, Y},
        {"over Chiudi resets Avvia", "Label1", "Label2", B, Y},
        {"over the banner after Avvia", "Label1", "Picture1", B, B},
        {"over the banner after Chiudi", "Label2", "Picture1", B, B},
        {"over the panel after Avvia", "Label1", "Picture2", B, B},
        {"over the panel after Chiudi", "Label2", "Picture2", B, B},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        muovi(controllo<QWidget>("Picture1"));   // start from both blue
        if (c.prima)
            muovi(controllo<QWidget>(c.prima));
        QWidget* w = controllo<QWidget>(c.regione);
        // on the panel, a point in the gap between the two labels
        muovi(w, std::string(c.regione) == "Picture2" ? QPoint(150, 20) : w->rect().center());
        EXPECT_EQ(sfondo(controllo("Label1")), c.avvia);
        EXPECT_EQ(sfondo(controllo("Label2")), c.chiudi);
        // The caption stays readable: white on blue, dark on yellow.
        for (const char* nome : {"Label1", "Label2"}) {
            const QPalette p = controllo(nome)->palette();
            const QColor testo = p.color(QPalette::WindowText);
            const QColor fondo = p.color(QPalette::Window);
            EXPECT_GT(std::abs(qGray(testo.rgb()) - qGray(fondo.rgb())), 120) << nome;
        }
    }
}

TEST_F(StartWindow, PanelPointBetweenTheLabelsIsOutsideBoth) {
    QWidget* pannello = controllo<QWidget>("Picture2");
    const QPoint tra(150, 20);
    EXPECT_EQ(pannello->childAt(tra), nullptr);
}

TEST_F(StartWindow, BannerShowsTheFrameOfTheCounter) {
    EXPECT_EQ(finestra.Contatore(), 0);
    for (int tick = 1; tick <= 11; ++tick)
        finestra.Timer1_Timer();
    EXPECT_EQ(finestra.Contatore(), 11);
    EXPECT_EQ(immagineBanner(), fotogramma(11));
    EXPECT_NE(immagineBanner(), fotogramma(10));

    for (int tick = 12; tick <= 16; ++tick)
        finestra.Timer1_Timer();
    EXPECT_EQ(finestra.Contatore(), 1);
    EXPECT_EQ(immagineBanner(), fotogramma(1));

    for (int tick = 17; tick <= 45; ++tick) {
        finestra.Timer1_Timer();
        const int atteso = (tick - 1) % 15 + 1;
        ASSERT_EQ(finestra.Contatore(), atteso) << "tick " << tick;
        ASSERT_EQ(immagineBanner(), fotogramma(atteso)) << "tick " << tick;
    }
}

TEST_F(StartWindow, RealTimerAdvancesTheBanner) {
    QTimer limite;
    limite.setSingleShot(true);
    limite.start(3000);
    while (finestra.Contatore() < 2 && limite.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_GE(finestra.Contatore(), 2);
}

TEST_F(StartWindow, AvviaEmitsTurnsBlueAndHides) {
    int avvii = 0, chiusure = 0;
    bool visibileNelSegnale = false;
    QObject::connect(&finestra, &frmTipoVer::avviaRichiesto, [&] {
        ++avvii;
        visibileNelSegnale = finestra.isVisible();
    });
    QObject::connect(&finestra, &frmTipoVer::chiudiRichiesto, [&] { ++chiusure; });

    muovi(controllo("Label1"));
    ASSERT_EQ(sfondo(controllo("Label1")), QColor(255, 255, 0));
    clicca(controllo("Label1"));
    EXPECT_EQ(avvii, 1);
    EXPECT_EQ(chiusure, 0);
    EXPECT_TRUE(visibileNelSegnale);
    EXPECT_EQ(sfondo(controllo("Label1")), QColor(0, 0, 255));
    EXPECT_TRUE(finestra.isHidden());

    finestra.show();   // the editor shows it again when it closes; a second start works too
    clicca(controllo("Label1"));
    EXPECT_EQ(avvii, 2);
    EXPECT_TRUE(finestra.isHidden());
}

TEST(StartWindowInMdi, AvviaHidesTheSubWindowAndShowBringsItBack) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto* finestra = new frmTipoVer;
    QMdiSubWindow* cornice = area.addSubWindow(finestra);
    cornice->show();
    ASSERT_TRUE(finestra->isVisible());

    auto* avvia = finestra->findChild<QLabel*>("Label1");
    const QPoint p = avvia->rect().center();
    QMouseEvent premi(QEvent::MouseButtonPress, p, avvia->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent rilascia(QEvent::MouseButtonRelease, p, avvia->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(avvia, &premi);
    QCoreApplication::sendEvent(avvia, &rilascia);
    EXPECT_FALSE(cornice->isVisible()) << "an empty frame would stay in the main window";
    EXPECT_FALSE(finestra->isVisible());

    finestra->show();
    EXPECT_TRUE(cornice->isVisible());
    EXPECT_TRUE(finestra->isVisible());
}

TEST_F(StartWindow, ChiudiEmitsOnlyItsSignal) {
    int avvii = 0, chiusure = 0;
    QObject::connect(&finestra, &frmTipoVer::avviaRichiesto, [&] { ++avvii; });
    QObject::connect(&finestra, &frmTipoVer::chiudiRichiesto, [&] { ++chiusure; });
    clicca(controllo("Label2"));
    EXPECT_EQ(chiusure, 1);
    EXPECT_EQ(avvii, 0);
    EXPECT_TRUE(finestra.isVisible());
}

TEST_F(StartWindow, OnlyALeftClickReleasedOnTheLabelCounts) {
    int avvii = 0;
    QObject::connect(&finestra, &frmTipoVer::avviaRichiesto, [&] { ++avvii; });
    clicca(controllo("Label1"), Qt::RightButton);
    clicca(controllo("Label1"), Qt::LeftButton, QPoint(-20, -20));   // dragged off before release
    EXPECT_EQ(avvii, 0);
    EXPECT_TRUE(finestra.isVisible());
}

TEST_F(StartWindow, BannerClickOpensTheAboutPage) {
    // A stand-in opener writes the target it was given into a file.
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString registro = cartella.filePath(QStringLiteral("aperto.txt"));
    ModuloTrevon::ImpostaApritore(QStringLiteral("/bin/sh"),
                                  {QStringLiteral("-c"), QStringLiteral("printf '%s' \"$1\" > \"$0\""),
                                   registro});
    clicca(controllo("Picture1"));
    ModuloTrevon::ImpostaApritore({});
    QFile aperto(registro);
    ASSERT_TRUE(aperto.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(aperto.readAll()), DocumentiTrevon::PercorsoInformazioni());
    EXPECT_TRUE(finestra.isVisible());
}

TEST(BannerFrames, FifteenDistinctFramesOfThreeHundredBySixty) {
    EXPECT_TRUE(BannerTrevon::Fotogramma(0).isNull());
    EXPECT_TRUE(BannerTrevon::Fotogramma(16).isNull());
    QList<QImage> immagini;
    const auto insieme = BannerTrevon::Fotogrammi();   // the start window's frames, drawn at once
    for (int i = 1; i <= BannerTrevon::NumeroFotogrammi; ++i) {
        const QImage im = BannerTrevon::Fotogramma(i).toImage();
        ASSERT_EQ(im.size(), QSize(300, 60)) << i;
        EXPECT_EQ(insieme[i - 1].toImage(), im) << i;
        for (int j = 0; j < immagini.size(); ++j)
            EXPECT_NE(im, immagini[j]) << "frames " << j + 1 << " and " << i;
        immagini.append(im);
    }
}

}  // namespace

