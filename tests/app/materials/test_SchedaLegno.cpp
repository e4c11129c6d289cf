#include "materials/FinestreMateriali.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

using ModuloTrevon::Icona;
using ModuloTrevon::Pulsanti;
using ModuloTrevon::Risposta;
using namespace ModuloSchedaLegno;

namespace {

const QString PromptNuovo = QStringLiteral(
    "Attenzione!\nLa Scheda non è stata registrata. \nSalvare la Scheda Materiale prima di Uscire?");
const QString PromptModifica = QStringLiteral(
    "Attenzione!\nLe modifiche apportate alla Scheda non sono state registrate. \n"
    "Salvare la Scheda Materiale prima di Uscire?");
const QString NumeroObbligatorio = QStringLiteral("Inserire Numero del Materiale. Campo Obbligatorio");
const QString NumeroPositivo = QStringLiteral("Il Campo Numero del Materiale deve essere un numero intero positivo.");
const QString FormatoNumerico = QStringLiteral("Inserire Valore con formato numerico corretto.");

class Scheda : public FinestreMateriali {
protected:
    void SetUp() override
    {
        FinestreMateriali::SetUp();
        lista = apriLista();
    }

    // The sheet open in the area is closed by then.
    bool aperta(const QPointer<SchedaLegno>& s)
    {
        Elabora();
        return !s.isNull();
    }

    QString suFile(int numero, const char* campo)
    {
        const QVariantList v = EseguiSuFile(archivio, QStringLiteral("SELECT ") + QString::fromLatin1(campo) +
                                                          QStringLiteral(" FROM Legno WHERE Numero = ") +
                                                          QString::number(numero));
        return v.isEmpty() ? QStringLiteral("<none>") : v.first().toString();
    }

    void riempi(SchedaLegno* s, int numero, const QString& descrizione)
    {
        s->Text2->setText(QString::number(numero));
        s->Text1[0]->setText(QStringLiteral("T1"));
        s->Text1[1]->setText(descrizione);
        for (int i = 2; i <= 7; ++i)   // the strengths, which a material must have
            s->Text1[static_cast<std::size_t>(i)]->setText(QStringLiteral("12,5"));
        s->Text1[12]->setText(QStringLiteral("380"));
    }

    QMdiArea* areaLista() { return area(); }

    FrmListaLegno* lista = nullptr;
};

bool bloccato(const QLineEdit* box)
{
    return box->isReadOnly() && box->palette().color(QPalette::Base) == QColor(0xE0, 0xE0, 0xE0);
}

}  // namespace

TEST_F(Scheda, TheFourModesSetCaptionsButtonsAndFields)
{
    selezionaNumero(lista, 6);   // C24
    struct Modo {
        const char* nome;
        SchedaLegno* (*apri)(const std::shared_ptr<RecordsetMateriali>&, QMdiArea*);
        const char* titolo;
        const char* comando1;   // empty: hidden
        const char* comando2;
        bool bloccata;
    };
    const Modo modi[] = {
        {"view", VisualizzaSchedaLegno, "Visualizza Scheda Materiale (LEGNO): C24", "", "Esci", true},
        {"modify", ModificaSchedaLegno, "Modifica Scheda Materiale (LEGNO): C24", "Registra Modifica", "Esci", false},
        {"delete", EliminaSchedaLegno, "Elimina Scheda Materiale (LEGNO): C24", "Conferma Elimina", "Annulla", true},
    };
    for (const Modo& m : modi) {
        QPointer<SchedaLegno> s = m.apri(lista->rsLista, area());
        ASSERT_TRUE(s) << m.nome;
        Elabora();
        EXPECT_EQ(s->windowTitle(), QString::fromUtf8(m.titolo)) << m.nome;
        EXPECT_EQ(s->Command1->isVisible(), *m.comando1 != 0) << m.nome;
        if (*m.comando1) {
            EXPECT_EQ(s->Command1->text(), QString::fromUtf8(m.comando1)) << m.nome;
        }
        EXPECT_EQ(s->Command2->text(), QString::fromUtf8(m.comando2)) << m.nome;
        EXPECT_EQ(bloccato(s->Text2), m.bloccata) << m.nome;
        for (QLineEdit* box : s->Text1)
            EXPECT_EQ(bloccato(box), m.bloccata) << m.nome << " " << box->objectName().toStdString();
        EXPECT_EQ(s->modif, 0) << m.nome;
        EXPECT_EQ(s->Text2->text(), QStringLiteral("6"));
        EXPECT_EQ(s->Text1[1]->text(), QStringLiteral("Legno Massiccio di Conifera C24"));
        EXPECT_EQ(s->Text1[4]->text(), QStringLiteral("0,4"));     // Ft90k
        EXPECT_EQ(s->Text1[8]->text(), QStringLiteral("11000"));   // E0mean
        EXPECT_EQ(s->Text1[12]->text(), QStringLiteral("350"));    // rok
        s->Chiudi();
        EXPECT_FALSE(aperta(s)) << m.nome;
    }

    QPointer<SchedaLegno> nuova = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    EXPECT_EQ(nuova->windowTitle(), QStringLiteral("Nuovo Materiale (LEGNO): Scheda N. 1"));
    EXPECT_EQ(nuova->Command1->text(), QStringLiteral("Registra"));
    EXPECT_TRUE(nuova->Command1->isVisible());
    EXPECT_EQ(nuova->Command2->text(), QStringLiteral("Esci"));
    EXPECT_FALSE(bloccato(nuova->Text2));
    EXPECT_EQ(nuova->Text1[1]->text(), QString());
    EXPECT_EQ(nuova->Frame1->title(), QStringLiteral("PROFILO CARATTERISTICO"));
    EXPECT_EQ(nuova->lblNumero->text(), QStringLiteral("Materiale  Numero : "));
    for (int i = 0; i < SchedaLegno::NumCampi; ++i)
        EXPECT_NE(nuova->findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i)), nullptr) << i;
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(nuova->parentWidget())->mdiArea(), area());
}

// Every value exactly as stored: a zero is 0, a value with many digits keeps them all (it
// used to pass through a 32-bit float: 12345,678 showed as 12345,68 and was saved so).
TEST_F(Scheda, ValuesShowExactlyAsStored)
{
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Fvk = 0, Fmk = 12345.678, Gmean = NULL, Classe = '  ' "
                                          "WHERE Numero = 6"));
    lista->Toolbar1_ButtonClick(7);
    selezionaNumero(lista, 6);
    SchedaLegno* s = VisualizzaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(s->Text1[7]->text(), QStringLiteral("0"));           // Fvk = 0
    EXPECT_EQ(s->Text1[2]->text(), QStringLiteral("12345,678"));   // Fmk
    EXPECT_EQ(s->Text1[11]->text(), QString());   // Gmean null: a modulus may have no value
    EXPECT_EQ(s->Text1[0]->text(), QString());    // blank Classe
    EXPECT_EQ(s->windowTitle(), QStringLiteral("Visualizza Scheda Materiale (LEGNO): "));
}

TEST_F(Scheda, NumberProposalIsOneAfterTheLastListedRecord)
{
    SchedaLegno* s = NuovaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(s->Text2->text(), QStringLiteral("25"));
    EXPECT_EQ(numeroCorrente(lista->rsLista), 24);   // the list moved to its last record
    EXPECT_EQ(lista->DataGrid1->currentIndex().row(), 23);

    lista->Text3->setText(QStringLiteral("Legno Massiccio di Latifoglia"));
    s = NuovaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(s->Text2->text(), QStringLiteral("19"));

    lista->Text3->setText(QStringLiteral("zzz"));
    s = NuovaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(s->Text2->text(), QString());
    AvvisiProva avvisi;
    bool procedi = true;
    s->controlladati(procedi);
    EXPECT_FALSE(procedi);
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.testo, NumeroObbligatorio);
}

TEST_F(Scheda, NewSheetsAreNumberedByTheOpenSheets)
{
    QPointer<SchedaLegno> a = NuovaSchedaLegno(lista->rsLista, area());
    QPointer<SchedaLegno> b = NuovaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(a->windowTitle(), QStringLiteral("Nuovo Materiale (LEGNO): Scheda N. 1"));
    EXPECT_EQ(b->windowTitle(), QStringLiteral("Nuovo Materiale (LEGNO): Scheda N. 2"));
    EXPECT_EQ(NumSchede, 2);
    EXPECT_EQ(frmScheda, b);
    a->Chiudi();
    EXPECT_FALSE(aperta(a));
    EXPECT_EQ(NumSchede, 1);
    QPointer<SchedaLegno> c = NuovaSchedaLegno(lista->rsLista, area());
    EXPECT_EQ(c->windowTitle(), QStringLiteral("Nuovo Materiale (LEGNO): Scheda N. 2"));
    b->Chiudi();
    c->Chiudi();
    Elabora();
    EXPECT_EQ(NumSchede, 0);
}

TEST_F(Scheda, ChecksRefuseInTheirOrderWithTheirMessages)
{
    struct Caso {
        const char* nome;
        const char* numero;
        int campo;           // Text1 box given the text below; -1 none
        const char* valore;
        QString messaggio;   // empty: passes
        int focus;           // Text1 box that gets the focus; -1 none
    };
    const Caso casi[] = {
        {"number empty", "  ", -1, "", NumeroObbligatorio, -1},
        {"number zero", "0", -1, "", NumeroPositivo, -1},
        {"number negative", "-3", -1, "", NumeroPositivo, -1},
        {"number letters", "abc", -1, "", NumeroPositivo, -1},
        {"number not whole", "12,5", -1, "", NumeroPositivo, -1},
        {"number first", "", 5, "xx", NumeroObbligatorio, -1},
        {"letters in a value", "40", 5, "1x", FormatoNumerico, 5},
        {"letters in the last value", "40", 12, "abc", FormatoNumerico, 12},
        {"two separators", "40", 2, "1,2,3", FormatoNumerico, 2},
        {"strengths given, moduli and density empty", "40", -1, "", QString(), -1},
        {"a strength empty", "40", 4, "",
         QStringLiteral("Inserire il valore di Trazione Ortogonale alle fibre (Ft90k): è necessario alle verifiche."), 4},
        {"point decimal", "40", 3, "2.5", QString(), -1},
        {"class and description may stay empty", "40", 0, "", QString(), -1},
    };
    for (const Caso& c : casi) {
        QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
        Elabora();
        for (int i = 2; i <= 7; ++i)   // the strengths, which a material must have
            s->Text1[static_cast<std::size_t>(i)]->setText(QStringLiteral("1"));
        s->Text2->setText(QString::fromUtf8(c.numero));
        if (c.campo >= 0)
            s->Text1[static_cast<std::size_t>(c.campo)]->setText(QString::fromUtf8(c.valore));
        AvvisiProva avvisi;
        bool procedi = true;
        s->controlladati(procedi);
        EXPECT_EQ(procedi, c.messaggio.isEmpty()) << c.nome;
        if (c.messaggio.isEmpty()) {
            EXPECT_TRUE(avvisi.ricevuti.empty()) << c.nome;
            for (int i = 8; i < SchedaLegno::NumCampi; ++i)
                if (i != c.campo) {
                    EXPECT_EQ(s->Text1[static_cast<std::size_t>(i)]->text(), QString()) << c.nome << ": left without a value";
                }
        } else {
            ASSERT_EQ(avvisi.ricevuti.size(), 1u) << c.nome;
            const auto& r = avvisi.ricevuti.front();
            EXPECT_EQ(r.avviso.testo, c.messaggio) << c.nome;
            EXPECT_EQ(r.avviso.pulsanti, Pulsanti::OK);
            EXPECT_EQ(r.avviso.icona, Icona::Nessuna);
            EXPECT_EQ(r.avviso.titolo, QStringLiteral("Trevon-SL"));
            EXPECT_EQ(r.beepPrima, 1) << c.nome;
        }
        if (c.focus >= 0) {
            QLineEdit* box = s->Text1[static_cast<std::size_t>(c.focus)];
            EXPECT_TRUE(box->hasFocus()) << c.nome;
            EXPECT_EQ(box->selectedText(), box->text()) << c.nome;
        }
        s->modif = 0;
        s->Chiudi();
        EXPECT_FALSE(aperta(s)) << c.nome;
    }
    EXPECT_EQ(contaSuFile(), 24);
}

TEST_F(Scheda, AddModifyAndDeleteReachTheArchiveAndTheGrid)
{
    // Add: typed values, a typed point becomes a comma.
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    EXPECT_EQ(s->Text2->text(), QStringLiteral("25"));
    s->Text1[0]->setText(QStringLiteral(" GL20h "));
    s->Text1[1]->setText(QStringLiteral("GL Lamellare di prova"));
    s->Text1[2]->setFocus();
    Scrivi(s->Text1[2], QStringLiteral("20.5"));
    EXPECT_EQ(s->Text1[2]->text(), QStringLiteral("20,5"));
    for (int i = 3; i <= 7; ++i)
        s->Text1[static_cast<std::size_t>(i)]->setText(QStringLiteral("0"));
    s->Text1[12]->setText(QStringLiteral("370"));
    EXPECT_EQ(s->modif, 1);
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(contaSuFile(), 25);
    EXPECT_EQ(suFile(25, "Classe"), QStringLiteral("GL20h"));
    EXPECT_EQ(suFile(25, "Fmk"), QStringLiteral("20.5"));
    EXPECT_EQ(suFile(25, "Fvk"), QStringLiteral("0"));
    EXPECT_EQ(suFile(25, "rok"), QStringLiteral("370"));
    EXPECT_TRUE(righeGriglia(lista).contains(25));
    lista->Text3->setText(QStringLiteral("GL"));
    EXPECT_EQ(righeGriglia(lista), QList<int>{25});

    // Modify the new material.
    s = ModificaSchedaLegno(lista->rsLista, area());
    Elabora();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Text1[2]->text(), QStringLiteral("20,5"));
    s->Text1[1]->setText(QStringLiteral("GL Lamellare cambiato"));
    s->Text1[7]->setText(QStringLiteral("3,5"));
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(suFile(25, "Descrizione"), QStringLiteral("GL Lamellare cambiato"));
    EXPECT_EQ(suFile(25, "Fvk"), QStringLiteral("3.5"));
    EXPECT_EQ(righeGriglia(lista), QList<int>{25});
    EXPECT_EQ(lista->rsLista->Campo(QStringLiteral("Descrizione")).toString(), QStringLiteral("GL Lamellare cambiato"));

    // Delete it.
    s = EliminaSchedaLegno(lista->rsLista, area());
    Elabora();
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(contaSuFile(), 24);
    EXPECT_EQ(suFile(25, "Numero"), QStringLiteral("<none>"));
    EXPECT_TRUE(righeGriglia(lista).isEmpty());
    EXPECT_EQ(lista->Text3->text(), QStringLiteral("GL"));
}

TEST_F(Scheda, DuplicateNumberIsRefusedAndNothingIsLost)
{
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    riempi(s, 6, QStringLiteral("Doppione"));
    AvvisiProva avvisi;
    s->Command1->click();
    EXPECT_TRUE(aperta(s));
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const ModuloTrevon::Avviso& a = avvisi.ricevuti.front().avviso;
    EXPECT_TRUE(a.testo.startsWith(QStringLiteral("Impossibile Registrare Materiale.\n\n"))) << a.testo.toStdString();
    EXPECT_GT(a.testo.size(), QStringLiteral("Impossibile Registrare Materiale.\n\n").size());
    EXPECT_EQ(a.pulsanti, Pulsanti::OK);
    EXPECT_EQ(a.icona, Icona::Nessuna);
    EXPECT_EQ(s->Text1[1]->text(), QStringLiteral("Doppione"));
    EXPECT_EQ(s->Text2->text(), QStringLiteral("6"));
    EXPECT_EQ(s->modif, 1);
    EXPECT_EQ(contaSuFile(), 24);
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Legno Massiccio di Conifera C24"));

    // The same sheet registers once the number is free.
    s->Text2->setText(QStringLiteral("40"));
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(suFile(40, "Descrizione"), QStringLiteral("Doppione"));
}

TEST_F(Scheda, ModifyToATakenNumberIsRefusedWithTheCriticalMessage)
{
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> s = ModificaSchedaLegno(lista->rsLista, area());
    Elabora();
    s->Text2->setText(QStringLiteral("7"));
    AvvisiProva avvisi;
    s->Command1->click();
    EXPECT_TRUE(aperta(s));
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const ModuloTrevon::Avviso& a = avvisi.ricevuti.front().avviso;
    EXPECT_TRUE(a.testo.startsWith(QStringLiteral("Impossibile effettuare Registrazione Modifica Materiale.\n\n")));
    EXPECT_EQ(a.icona, Icona::Critica);
    EXPECT_EQ(suFile(6, "Classe"), QStringLiteral("C24"));
    EXPECT_EQ(suFile(7, "Classe"), QStringLiteral("C27"));
    EXPECT_EQ(s->Text2->text(), QStringLiteral("7"));
}

TEST_F(Scheda, ClosingPromptTable)
{
    struct Caso {
        const char* nome;
        bool modifica;        // modify mode, else new
        bool valida;          // the typed sheet passes the checks
        Risposta risposta;
        bool restaAperta;
        bool registrato;
        int avvisi;           // boxes: the prompt and any refusal
    };
    const Caso casi[] = {
        {"new, cancel", false, true, Risposta::Annulla, true, false, 1},
        {"new, no", false, true, Risposta::No, false, false, 1},
        {"new, yes", false, true, Risposta::Si, false, true, 1},
        {"new, yes, refused", false, false, Risposta::Si, true, false, 2},
        {"modify, cancel", true, true, Risposta::Annulla, true, false, 1},
        {"modify, no", true, true, Risposta::No, false, false, 1},
        {"modify, yes", true, true, Risposta::Si, false, true, 1},
        // The sheet keeps the typed changes when the check fails after Yes.
        {"modify, yes, refused", true, false, Risposta::Si, true, false, 2},
    };
    for (const Caso& c : casi) {
        selezionaNumero(lista, 6);
        QPointer<SchedaLegno> s = c.modifica ? ModificaSchedaLegno(lista->rsLista, area())
                                             : NuovaSchedaLegno(lista->rsLista, area());
        Elabora();
        const int numero = c.modifica ? 6 : 50;
        if (!c.modifica)
            s->Text2->setText(QStringLiteral("50"));
        s->Text1[1]->setText(QStringLiteral("Scritta"));
        for (int i = 2; i <= 7; ++i)
            s->Text1[static_cast<std::size_t>(i)]->setText(QStringLiteral("9"));
        s->Text1[3]->setText(c.valida ? QStringLiteral("9") : QStringLiteral("9x"));
        AvvisiProva avvisi;
        avvisi.Rispondi(c.risposta);
        s->Command2->click();
        EXPECT_EQ(aperta(s), c.restaAperta) << c.nome;
        ASSERT_EQ(static_cast<int>(avvisi.ricevuti.size()), c.avvisi) << c.nome;
        const ModuloTrevon::Avviso& p = avvisi.ricevuti.front().avviso;
        EXPECT_EQ(p.testo, c.modifica ? PromptModifica : PromptNuovo) << c.nome;
        EXPECT_EQ(p.pulsanti, Pulsanti::SiNoAnnulla);
        EXPECT_EQ(p.icona, Icona::Informazione);
        EXPECT_EQ(p.titolo, QStringLiteral("Trevon-SL"));
        if (c.avvisi == 2) {
            EXPECT_EQ(avvisi.ricevuti[1].avviso.testo, FormatoNumerico) << c.nome;
        }
        EXPECT_EQ(suFile(numero, "Descrizione") == QStringLiteral("Scritta"), c.registrato) << c.nome;
        if (s) {
            EXPECT_EQ(s->Text1[1]->text(), QStringLiteral("Scritta")) << c.nome;
            s->modif = 0;
            s->Chiudi();
            EXPECT_FALSE(aperta(s));
        }
        if (c.registrato && !c.modifica)
            EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero = 50"));
        if (c.registrato && c.modifica)
            EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Descrizione = 'Legno Massiccio di Conifera C24', Ft0k = 14 WHERE Numero = 6"));
        lista->Toolbar1_ButtonClick(7);
    }
}

TEST_F(Scheda, NoPromptWithoutEditsOrInViewAndDeleteModes)
{
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    s->Text2->setText(QStringLiteral("77"));   // the number alone does not count as an edit
    EXPECT_EQ(s->modif, 0);
    s->Chiudi();
    EXPECT_FALSE(aperta(s));

    for (auto apri : {VisualizzaSchedaLegno, EliminaSchedaLegno}) {
        s = apri(lista->rsLista, area());
        Elabora();
        s->modif = 1;
        s->Command2->click();
        EXPECT_FALSE(aperta(s));
    }
    EXPECT_EQ(contaSuFile(), 24);
}

TEST_F(Scheda, SheetIsPinnedToItsRecordWhenTheListMoves)
{
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> modifica = ModificaSchedaLegno(lista->rsLista, area());
    selezionaNumero(lista, 3);
    QPointer<SchedaLegno> elimina = EliminaSchedaLegno(lista->rsLista, area());
    Elabora();
    // The list moves on and even filters the records out.
    selezionaNumero(lista, 7);
    lista->Text3->setText(QStringLiteral("Legno Lamellare"));
    lista->Attivata();

    modifica->Text1[1]->setText(QStringLiteral("Abete cambiato"));
    modifica->Command1->click();
    EXPECT_FALSE(aperta(modifica));
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Abete cambiato"));
    EXPECT_EQ(suFile(7, "Descrizione"), QStringLiteral("Legno Massiccio di Conifera C27"));
    EXPECT_EQ(suFile(19, "Descrizione"), QStringLiteral("Legno Lamellare incollato omogeneo GL24h"));

    elimina->Command1->click();
    EXPECT_FALSE(aperta(elimina));
    EXPECT_EQ(suFile(3, "Numero"), QStringLiteral("<none>"));
    EXPECT_EQ(contaSuFile(), 23);
    EXPECT_EQ(righeGriglia(lista), (QList<int>{19, 20, 21, 22, 23, 24}));
}

TEST_F(Scheda, PinnedRecordGoneIsReportedAndTheSheetStays)
{
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> modifica = ModificaSchedaLegno(lista->rsLista, area());
    QPointer<SchedaLegno> elimina = EliminaSchedaLegno(lista->rsLista, area());
    Elabora();
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero = 6"));

    AvvisiProva avvisi;
    modifica->Text1[1]->setText(QStringLiteral("Non si perde"));
    modifica->Command1->click();
    EXPECT_TRUE(aperta(modifica));
    elimina->Command1->click();
    EXPECT_TRUE(aperta(elimina));
    ASSERT_EQ(avvisi.ricevuti.size(), 2u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.testo,
              QStringLiteral("Impossibile effettuare Registrazione Modifica Materiale.\n\n"
                             "Il materiale N. 6 non è più presente nell'archivio."));
    EXPECT_EQ(avvisi.ricevuti[0].avviso.icona, Icona::Critica);
    EXPECT_EQ(avvisi.ricevuti[1].avviso.testo,
              QStringLiteral("Impossibile Eliminare Materiale.\n\nErrore nell'Eliminazione della scheda dal "
                             "Database.\n\nIl materiale N. 6 non è più presente nell'archivio."));
    EXPECT_EQ(avvisi.ricevuti[1].avviso.icona, Icona::Critica);
    EXPECT_EQ(modifica->Text1[1]->text(), QStringLiteral("Non si perde"));
    EXPECT_EQ(contaSuFile(), 23);
}

TEST_F(Scheda, ClosingTheSheetReactivatesAndReloadsTheList)
{
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    EXPECT_EQ(area()->activeSubWindow()->widget(), s.data());
    EseguiSuFile(archivio, QStringLiteral("DELETE FROM Legno WHERE Numero = 2"));
    s->Chiudi();
    Elabora();
    EXPECT_EQ(area()->activeSubWindow(), lista->Cornice());
    EXPECT_FALSE(righeGriglia(lista).contains(2));
}

TEST_F(Scheda, KeysMoveThroughTheBoxesAndFilterSeparators)
{
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    s->Text2->clear();
    s->Text2->setFocus();
    Scrivi(s->Text2, QStringLiteral("1.2,3"));
    EXPECT_EQ(s->Text2->text(), QStringLiteral("123"));
    EXPECT_EQ(s->modif, 0);
    s->Text1[0]->setText(QStringLiteral("C."));   // no conversion in the class box
    Premi(s->Text2, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(s->Text1[0]->hasFocus());
    EXPECT_EQ(s->Text1[0]->selectedText(), QStringLiteral("C."));
    Scrivi(s->Text1[0], QStringLiteral("."));
    EXPECT_EQ(s->Text1[0]->text(), QStringLiteral("."));
    for (int i = 0; i < SchedaLegno::NumCampi - 1; ++i) {
        Premi(s->Text1[static_cast<std::size_t>(i)], Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_TRUE(s->Text1[static_cast<std::size_t>(i + 1)]->hasFocus()) << i;
    }
    Premi(s->Text1[12], Qt::Key_Enter, QStringLiteral("\r"));
    EXPECT_TRUE(s->Command1->hasFocus());
    s->modif = 0;
    s->Chiudi();
    Elabora();

    selezionaNumero(lista, 6);
    s = VisualizzaSchedaLegno(lista->rsLista, area());
    Elabora();
    s->Text1[12]->setFocus();
    Scrivi(s->Text1[12], QStringLiteral("."));
    EXPECT_EQ(s->Text1[12]->text(), QStringLiteral("350"));   // locked
    Premi(s->Text1[12], Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(s->Command2->hasFocus());
}

// A stored value that cannot be read is named when the sheet opens and is never replaced
// without a word; the values nobody touched are written back exactly as they were.
TEST_F(Scheda, UnreadableValuesAreNamedAndUntouchedValuesKeptExactly)
{
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Fmk = 12345.678, Fc0k = 'abc', Fvk = NULL WHERE Numero = 6"));
    lista->Toolbar1_ButtonClick(7);
    selezionaNumero(lista, 6);
    AvvisiProva avvisi;
    QPointer<SchedaLegno> s = ModificaSchedaLegno(lista->rsLista, area());
    Elabora();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    const QString testo = avvisi.ricevuti[0].avviso.testo;
    EXPECT_TRUE(testo.contains(QStringLiteral("Compressione Parallela alle fibre (Fc0k): \"abc\""))) << testo.toStdString();
    EXPECT_TRUE(testo.contains(QStringLiteral("Taglio (Fvk): nessun valore"))) << testo.toStdString();
    avvisi.ricevuti.clear();
    EXPECT_EQ(s->Text1[5]->text(), QStringLiteral("abc"));

    // Saving as it is is refused; nothing is written.
    s->Text1[1]->setText(QStringLiteral("Descrizione nuova"));
    s->Command1->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    avvisi.ricevuti.clear();
    EXPECT_TRUE(aperta(s));
    EXPECT_EQ(suFile(6, "Fc0k"), QStringLiteral("abc"));

    // Once corrected, the untouched Fmk is written back exactly.
    s->Text1[5]->setText(QStringLiteral("21"));
    s->Text1[7]->setText(QStringLiteral("4"));
    s->Command1->click();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(suFile(6, "Fmk"), QStringLiteral("12345.678"));
    EXPECT_EQ(suFile(6, "Fc0k"), QStringLiteral("21"));
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Descrizione nuova"));
}

// The sheet shows and edits the timber type; the template states it for every class.
TEST_F(Scheda, TheTimberTypeIsShownAndEdited)
{
    EXPECT_EQ(EseguiSuFile(archivio, QStringLiteral("SELECT COUNT(*) FROM Legno WHERE Tipologia IS NULL")).value(0).toInt(), 0);
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> s = ModificaSchedaLegno(lista->rsLista, area());
    Elabora();
    EXPECT_EQ(s->cmbTipologia->currentText(), QStringLiteral("Legno massiccio"));
    s->cmbTipologia->setCurrentIndex(2);
    EXPECT_EQ(s->modif, 1);
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(suFile(6, "Tipologia"), QStringLiteral("2"));

    selezionaNumero(lista, 6);
    s = VisualizzaSchedaLegno(lista->rsLista, area());
    Elabora();
    EXPECT_EQ(s->cmbTipologia->currentText(), QStringLiteral("Legno Lamellare incollato"));
    EXPECT_FALSE(s->cmbTipologia->isEnabled());
    s->Chiudi();
}

// Two sheets on material 6: B saves a new description, then A saves Fmk. A's save used to put
// A's old description back without a word; now nothing is overwritten and A may reload.
TEST_F(Scheda, AMaterialChangedMeanwhileIsNotOverwritten)
{
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> a = ModificaSchedaLegno(lista->rsLista, area());
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> b = ModificaSchedaLegno(lista->rsLista, area());
    Elabora();
    ASSERT_TRUE(a && b && a != b);
    b->Text1[1]->setText(QStringLiteral("Descrizione di B"));
    b->Command1->click();
    ASSERT_FALSE(aperta(b));
    ASSERT_EQ(suFile(6, "Descrizione"), QStringLiteral("Descrizione di B"));

    AvvisiProva avvisi;
    a->Text1[2]->setText(QStringLiteral("99"));
    avvisi.Rispondi(Risposta::No);
    a->Command1->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_TRUE(avvisi.ricevuti[0].avviso.testo.startsWith(QStringLiteral("Il Materiale N. 6 è stato modificato")))
        << avvisi.ricevuti[0].avviso.testo.toStdString();
    EXPECT_EQ(avvisi.ricevuti[0].avviso.pulsanti, Pulsanti::SiNo);
    avvisi.ricevuti.clear();
    EXPECT_TRUE(aperta(a));
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Descrizione di B"));
    EXPECT_NE(suFile(6, "Fmk"), QStringLiteral("99"));

    // Another program changes it too; A reloads, then its own change goes through.
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Classe = 'Z' WHERE Numero = 6"));
    avvisi.Rispondi(Risposta::Si);
    a->Command1->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    avvisi.ricevuti.clear();
    EXPECT_EQ(a->Text1[1]->text(), QStringLiteral("Descrizione di B"));
    EXPECT_EQ(a->Text1[0]->text(), QStringLiteral("Z"));
    a->Text1[2]->setText(QStringLiteral("99"));
    a->Command1->click();
    EXPECT_TRUE(avvisi.ricevuti.empty());
    EXPECT_FALSE(aperta(a));
    EXPECT_EQ(suFile(6, "Fmk"), QStringLiteral("99"));
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Descrizione di B"));
}

// The same for a delete: a material changed since the sheet read it is not deleted.
TEST_F(Scheda, AMaterialChangedMeanwhileIsNotDeleted)
{
    selezionaNumero(lista, 6);
    QPointer<SchedaLegno> s = EliminaSchedaLegno(lista->rsLista, area());
    Elabora();
    EseguiSuFile(archivio, QStringLiteral("UPDATE Legno SET Descrizione = 'Cambiata' WHERE Numero = 6"));
    AvvisiProva avvisi;
    avvisi.Rispondi(Risposta::No);
    s->Command1->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_TRUE(avvisi.ricevuti[0].avviso.testo.startsWith(QStringLiteral("Il Materiale N. 6 è stato modificato")));
    avvisi.ricevuti.clear();
    EXPECT_EQ(suFile(6, "Descrizione"), QStringLiteral("Cambiata"));
    s->Chiudi();
}

// A 40,000-character description was cut to 32,767 by the box and saved cut: the whole text is
// kept in the box and the archive's limit is stated when registering.
TEST_F(Scheda, ALongDescriptionIsNeverCutSilently)
{
    QPointer<SchedaLegno> s = NuovaSchedaLegno(lista->rsLista, area());
    Elabora();
    riempi(s, 40, QString(40000, QLatin1Char('d')));
    EXPECT_EQ(s->Text1[1]->text().size(), 40000);
    AvvisiProva avvisi;
    s->Command1->click();
    ASSERT_EQ(avvisi.ricevuti.size(), 1u);
    EXPECT_EQ(avvisi.ricevuti[0].avviso.testo,
              QStringLiteral("La Descrizione del Materiale può avere al più 1000 caratteri (ne ha 40000)."));
    avvisi.ricevuti.clear();
    EXPECT_TRUE(aperta(s));
    EXPECT_EQ(contaSuFile(), 24);
    s->Text1[1]->setText(QString(1000, QLatin1Char('d')));
    s->Command1->click();
    EXPECT_FALSE(aperta(s));
    EXPECT_EQ(suFile(40, "Descrizione").size(), 1000);
}
