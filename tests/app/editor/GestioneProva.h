#pragma once
// A calculation started as "Avvia" starts it (AvviaGestioneNodi, no main window): the editor
// on a new joint, a temporary archive with the materials of the worked example, recorded
// message boxes answered from a queue.
#include "AmbienteEditor.h"
#include "AvvisiProva.h"
#include "calcolo/Coefficienti.h"

#include "shell/GestioneCalcolo.h"
#include "shell/GestioneNodi.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>

#include <cmath>

class GestioneTest : public ::testing::Test {
protected:
    static constexpr int C30 = 30;   // the tie of the worked example
    static constexpr int C24 = 24;   // its rafter

    void SetUp() override
    {
        ModuloTrevon::PiGreco = static_cast<float>(4.0 * std::atan(1.0));
        archivio.Aggiungi(C30, QStringLiteral("Legno Massiccio C30"),
                          {30, 18, 0.6, 30, 6.25, 6, 12000, 8000, 400, 750, 380});
        archivio.Aggiungi(C24, QStringLiteral("Legno Massiccio C24"),
                          {24, 14, 0.4, 21, 2.5, 4, 11000, 7400, 370, 690, 350});
        ModuloTrevon::AvviaGestioneNodi();
        f = ModuloTrevon::EditorAperto();
        ASSERT_NE(f, nullptr);
        // These tests were written for NTC 2008 calculations, an explicit choice since NTC 2018
        // is the default of a new one.
        f->ImpostaCoefficienti(Coefficienti{});
    }

    void TearDown() override
    {
        if (f)
            delete f.data();
        ModuloTrevon::RilasciaGestioneNodi();
        for (const AvvisiProva::Ricevuto& r : avvisi.ricevuti)
            ADD_FAILURE() << "message box not looked at: " << r.avviso.testo.toStdString();
    }

    // The boxes received so far, taken out of the record.
    std::vector<ModuloTrevon::Avviso> Presi()
    {
        std::vector<ModuloTrevon::Avviso> v;
        for (const AvvisiProva::Ricevuto& r : avvisi.ricevuti)
            v.push_back(r.avviso);
        avvisi.ricevuti.clear();
        return v;
    }

    // Selects bar k's tab and types its material number.
    void Materiale(int k, int numero)
    {
        f->SSTab2->setCurrentIndex(k - 1);
        f->txtMatAsta->setText(QString::number(numero));
    }

    // Replaces a field's text by typing, as a user does after selecting it.
    static void Batti(QLineEdit* campo, const QString& testo)
    {
        campo->selectAll();
        Premi(campo, Qt::Key_Delete);
        Scrivi(campo, testo);
    }

    // The tie–rafter joint of the worked example, as a user types it: rafter 10 × 20 cm at 30°
    // with 50 kN, tie 10 × 20 cm, tv 3, Lv 20, support 30 kN over 15 cm.
    void CatenaPuntone(const QString& sforzo = QStringLiteral("50"), const QString& angolo = QStringLiteral("30"),
                       int tipo = 0)
    {
        f->cmbTipoNodo->setCurrentIndex(tipo);
        Batti(f->txtMis[1], QStringLiteral("3"));
        Batti(f->txtMis[2], QStringLiteral("20"));
        Batti(f->txtReaz, QStringLiteral("30"));
        Batti(f->txtLapp, QStringLiteral("15"));
        Materiale(1, C30);
        Batti(f->txtBAsta[1], QStringLiteral("10"));
        Batti(f->txtHAsta[1], QStringLiteral("20"));
        Materiale(2, C24);
        Batti(f->txtBAsta[2], QStringLiteral("10"));
        Batti(f->txtHAsta[2], QStringLiteral("20"));
        Batti(f->txtAngAsta[2], angolo);
        Batti(f->txtNAsta[2], sforzo);
    }

    // The rear-step joints of the library's worked examples, typed: k = 4 tie–rafter (the
    // tie–rafter above), 5 rafter–strut (bar 2 of C30, strut 10 × 15 at 30° with −30 kN on a
    // rafter at 30°, tv 3), 6 and 7 king post (C30 post 14 cm wide; left bar 12 cm at 30° with
    // −50 kN, tv1 3; right bar 10 cm at 45° with −40 kN, tv2 4).
    void DenteArretrato(int k, const QString& tv = QStringLiteral("3"))
    {
        if (k == 4) {
            CatenaPuntone(QStringLiteral("50"), QStringLiteral("30"), 4);
            Batti(f->txtMis[1], tv);
            return;
        }
        f->cmbTipoNodo->setCurrentIndex(k);
        Batti(f->txtMis[1], tv);
        if (k == 5) {
            for (int b = 1; b <= 3; ++b) {
                const auto bb = static_cast<std::size_t>(b);
                Materiale(b, b == 2 ? C30 : C24);
                Batti(f->txtBAsta[bb], b == 3 ? QStringLiteral("10") : QStringLiteral("12"));
                Batti(f->txtHAsta[bb], b == 3 ? QStringLiteral("15") : QStringLiteral("20"));
                Batti(f->txtAngAsta[bb], QStringLiteral("30"));
            }
            Batti(f->txtNAsta[3], QStringLiteral("-30"));
            return;
        }
        Batti(f->txtMis[3], QStringLiteral("4"));
        const char* basi[] = {"12", "14", "10"};
        for (int b = 1; b <= 3; ++b) {
            const auto bb = static_cast<std::size_t>(b);
            Materiale(b, b == 2 ? C30 : C24);
            Batti(f->txtBAsta[bb], QString::fromUtf8(basi[b - 1]));
            Batti(f->txtHAsta[bb], QStringLiteral("20"));
        }
        Batti(f->txtAngAsta[1], QStringLiteral("30"));
        Batti(f->txtNAsta[1], QStringLiteral("-50"));
        Batti(f->txtAngAsta[3], QStringLiteral("45"));
        Batti(f->txtNAsta[3], QStringLiteral("-40"));
    }

    // A rafter–strut joint: rafter 12 × 20, strut 10 × 15 at 60° with 30 kN, tv 3.
    void PuntoneSaetta()
    {
        f->cmbTipoNodo->setCurrentIndex(1);
        f->txtMis[1]->setText(QStringLiteral("3"));
        for (int k = 1; k <= 3; ++k) {
            const auto kk = static_cast<std::size_t>(k);
            Materiale(k, C24);
            f->txtBAsta[kk]->setText(k == 3 ? QStringLiteral("10") : QStringLiteral("12"));
            f->txtHAsta[kk]->setText(k == 3 ? QStringLiteral("15") : QStringLiteral("20"));
            f->txtAngAsta[kk]->setText(k == 3 ? QStringLiteral("60") : QStringLiteral("30"));
        }
        f->txtNAsta[3]->setText(QStringLiteral("30"));
    }

    // The editor closed ("Esci") and "Avvia" again: a new editor on a new register. Typed
    // edits of a joint with a type are let go (No to the prompt).
    void NuovoCalcolo()
    {
        const bool domanda = f->ModifNodo == 1 && f->cmbTipoNodo->currentIndex() >= 0;
        if (domanda)
            avvisi.Rispondi(ModuloTrevon::Risposta::No);
        const std::size_t prima = avvisi.ricevuti.size();
        f->Command9->click();
        if (domanda) {
            // The prompt comes first, before any save prompt.
            ASSERT_GT(avvisi.ricevuti.size(), prima);
            EXPECT_TRUE(avvisi.ricevuti[prima].avviso.testo.endsWith(QStringLiteral("Registrare Modifiche prima di chiudere?")));
            avvisi.ricevuti.erase(avvisi.ricevuti.begin() + static_cast<std::ptrdiff_t>(prima));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(f.isNull());
        ModuloTrevon::AvviaGestioneNodi();
        f = ModuloTrevon::EditorAperto();
        ASSERT_NE(f, nullptr);
        // These tests were written for NTC 2008 calculations, an explicit choice since NTC 2018
        // is the default of a new one.
        f->ImpostaCoefficienti(Coefficienti{});
    }

    // Closes the editor answering No to the save prompt when it comes, then "Avvia" again.
    void NuovoCalcoloNoSalva()
    {
        if (ModuloTrevon::CalcoloDaSalvare())
            avvisi.Rispondi(ModuloTrevon::Risposta::No);
        const bool domanda = ModuloTrevon::CalcoloDaSalvare();
        NuovoCalcolo();
        ASSERT_EQ(Presi().size(), domanda ? 1u : 0u);
    }

    // "Aggiungi Nodo", answering No to the prompt for unregistered changes when it comes.
    void NuovoNodoSenzaRegistrare()
    {
        const bool domanda = f->ModifNodo == 1;
        if (domanda)
            avvisi.Rispondi(ModuloTrevon::Risposta::No);
        f->Command3->click();
        const auto presi = Presi();
        ASSERT_EQ(presi.size(), domanda ? 1u : 0u);
        if (domanda) {
            EXPECT_EQ(presi[0].pulsanti, ModuloTrevon::Pulsanti::SiNoAnnulla);
        }
    }

    clsNodo& Nodo(int n) { return *ModuloTrevon::GenVerNodi->Nodi->Item(n); }
    int Totale() const { return ModuloTrevon::GenVerNodi->Nodi->Count(); }
    QString Relazione() const { return f->RichTextBox1->toPlainText(); }

    ArchivioProva archivio;
    AvvisiProva avvisi;
    QPointer<frmNodi> f;
};
