#include "materials/SchedaLegno.h"

#include "calcolo/ProprietaMateriali.h"
#include "calcolo/TestiBrevi.h"
#include "calcolo/TipologieMateriali.h"

#include "calcolo/Numeri.h"
#include "materials/DatabaseMateriali.h"
#include "materials/FrmListaLegno.h"
#include "materials/ModuloSchedaLegno.h"
#include "materials/RecordsetMateriali.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"
#include "comune/PuntiGuida.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <tuple>

using namespace ModuloTrevon;

namespace {

const QString Registra = QStringLiteral("Registra");
const QString RegistraModifica = QStringLiteral("Registra Modifica");
const QString ConfermaElimina = QStringLiteral("Conferma Elimina");

struct Riga {
    QString campo;
    QString didascalia;
    QString simbolo;
    QString gruppo;
    QString unita;
};

// Text1(0..12): class and description, then the material values in the table's order.
const std::array<Riga, SchedaLegno::NumCampi>& Righe()
{
    static const std::array<Riga, SchedaLegno::NumCampi> righe = [] {
        std::array<Riga, SchedaLegno::NumCampi> r;
        r[0] = {ColonneMateriale::Classe, QStringLiteral("Classe"), {}, {}, {}};
        r[1] = {ColonneMateriale::Descrizione, QStringLiteral("Descrizione"), {}, {}, {}};
        std::size_t i = 2;
        for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
            r.at(i++) = {p.colonna, p.didascalia, p.simbolo, p.gruppo, p.unita};
        return r;
    }();
    return righe;
}

QLabel* intestazione(const QString& testo, const QString& unita, QWidget* parent)
{
    auto* l = new QLabel(QStringLiteral("<b>") + testo + QStringLiteral("</b>&nbsp;&nbsp;(") + unita +
                             QStringLiteral(")"),
                         parent);
    l->setContentsMargins(0, 6, 0, 2);
    return l;
}

bool invio(int tasto) { return tasto == Qt::Key_Return || tasto == Qt::Key_Enter; }

void beepEMessaggio(const QString& testo)
{
    Beep();
    MsgBox(testo);
}

}  // namespace

QString SchedaLegno::CampoDi(int i)
{
    return i >= 0 && i < NumCampi ? Righe()[static_cast<std::size_t>(i)].campo : QString();
}

SchedaLegno::SchedaLegno(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SchedaLegno"));
    setWindowTitle(QStringLiteral("Scheda Materiale Legno"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon::fromTheme(QStringLiteral("document-properties"),
                                   style()->standardIcon(QStyle::SP_FileDialogInfoView)));

    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(14, 12, 14, 12);
    principale->setSpacing(10);

    auto* testa = new QGridLayout;
    testa->setHorizontalSpacing(8);
    lblNumero = new QLabel(QStringLiteral("Materiale  Numero : "), this);
    lblNumero->setObjectName(QStringLiteral("lblNumero"));
    {
        QFont f = lblNumero->font();
        f.setBold(true);
        lblNumero->setFont(f);
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFixedWidth(90);
    Text2->setAlignment(Qt::AlignRight);
    testa->addWidget(lblNumero, 0, 0);
    testa->addWidget(Text2, 0, 1, Qt::AlignLeft);

    for (int i = 0; i < NumCampi; ++i) {
        auto* box = new QLineEdit(this);
        // No box cuts a text silently (the default keeps 32767 characters): the archive's
        // limits are checked, with a message, when the material is registered.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        Text1[static_cast<std::size_t>(i)] = box;
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this] { modif = 1; });
    }
    Text2->installEventFilter(this);

    auto didascalia = [this](int i) {
        return new QLabel(Righe()[static_cast<std::size_t>(i)].didascalia, this);
    };
    testa->addWidget(didascalia(0), 1, 0);
    Text1[0]->setFixedWidth(140);
    testa->addWidget(Text1[0], 1, 1, Qt::AlignLeft);
    testa->addWidget(didascalia(1), 2, 0);
    Text1[1]->setMinimumWidth(360);
    testa->addWidget(Text1[1], 2, 1);
    // The timber type gives the material its partial factor γM.
    cmbTipologia = new QComboBox(this);
    cmbTipologia->setObjectName(QStringLiteral("cmbTipologia"));
    cmbTipologia->addItem(QString());
    cmbTipologia->addItems(Tipologia::Nomi());
    cmbTipologia->setToolTip(QStringLiteral("Riga della tabella dei coefficienti \u03b3M che vale per il materiale"));
    connect(cmbTipologia, &QComboBox::currentIndexChanged, this, [this] { modif = 1; });
    testa->addWidget(new QLabel(QStringLiteral("Tipologia"), this), 3, 0);
    testa->addWidget(cmbTipologia, 3, 1, Qt::AlignLeft);
    testa->setColumnStretch(1, 1);
    principale->addLayout(testa);

    Frame1 = new QGroupBox(QStringLiteral("PROFILO CARATTERISTICO"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* griglia = new QGridLayout(Frame1);
    griglia->setHorizontalSpacing(6);
    griglia->setVerticalSpacing(4);
    griglia->setColumnStretch(1, 1);
    int r = 0;
    auto riga = [&](int i) {
        const Riga& d = Righe()[static_cast<std::size_t>(i)];
        griglia->addWidget(new QLabel(d.didascalia, Frame1), r, 0);
        griglia->addWidget(new PuntiGuida(Frame1, QPalette::Mid), r, 1);
        auto* simbolo = new QLabel(d.simbolo, Frame1);
        simbolo->setTextFormat(Qt::RichText);
        simbolo->setMinimumWidth(54);
        griglia->addWidget(simbolo, r, 2);
        QLineEdit* box = Text1[static_cast<std::size_t>(i)];
        box->setFixedWidth(110);
        box->setAlignment(Qt::AlignRight);
        griglia->addWidget(box, r, 3);
        ++r;
    };
    // A heading before the first value of each group.
    for (int i = 2; i < NumCampi; ++i) {
        const Riga& d = Righe()[static_cast<std::size_t>(i)];
        if (d.gruppo != Righe()[static_cast<std::size_t>(i - 1)].gruppo)
            griglia->addWidget(intestazione(d.gruppo, d.unita, Frame1), r++, 0, 1, 4);
        riga(i);
    }
    principale->addWidget(Frame1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    Command1 = new QPushButton(Registra, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(150);
    Command2 = new QPushButton(QStringLiteral("Esci"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setMinimumWidth(100);
    pulsanti->addWidget(Command1);
    pulsanti->addWidget(Command2);
    principale->addLayout(pulsanti);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (EseguiComando1())
            Chiudi();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { Chiudi(); });
}

SchedaLegno::~SchedaLegno()
{
    using ModuloSchedaLegno::NumSchede;
    NumSchede = static_cast<std::int16_t>(NumSchede > 0 ? NumSchede - 1 : 0);
    rs_OneMat.reset();
}

void SchedaLegno::MostraDati_Mat()
{
    if (!rs_OneMat)
        return;
    const QVariant numero = rs_OneMat->Campo(QStringLiteral("Numero"));
    NumeroFissato = numero;
    ValoriCaricati.clear();
    for (const QString& campo : rs_OneMat->NomiCampi())
        ValoriCaricati.insert(campo, rs_OneMat->Campo(campo));
    Text2->setText(numero.isNull() ? QString() : QString::number(numero.toLongLong()));
    for (int i = 0; i <= 1; ++i) {
        const QString testo = rs_OneMat->Campo(CampoDi(i)).toString();
        if (!testo.trimmed().isEmpty())
            Text1[static_cast<std::size_t>(i)]->setText(testo);
    }
    if (rs_OneMat->NomiCampi().contains(ColonneMateriale::Tipologia, Qt::CaseInsensitive)) {
        bool ok = false;
        const int t = rs_OneMat->Campo(ColonneMateriale::Tipologia).toInt(&ok);
        cmbTipologia->setCurrentIndex(ok && t >= 1 && t <= Tipologia::Massima ? t : 0);
    }
    // Each value exactly as stored, so that registering again changes nothing; a stored value
    // that is not a number is shown as it is and named, never replaced without a word.
    QStringList illeggibili;
    for (int i = 2; i < NumCampi; ++i) {
        const QVariant v = rs_OneMat->Campo(CampoDi(i));
        const ProprietaMateriale* p = ProprietaMateriale::perColonna(CampoDi(i));
        if (v.isNull()) {
            // No value: a strength the verifications need is named; a modulus may have none.
            if (p && p->obbligatoria)
                illeggibili << QStringLiteral("- ") + p->didascalia + QStringLiteral(" (") + p->colonna +
                                   QStringLiteral("): nessun valore");
            continue;
        }
        bool ok = false;
        const double numeroCampo = v.userType() == QMetaType::QString ? 0.0 : v.toDouble(&ok);
        if (ok && std::isfinite(numeroCampo)) {
            Text1[static_cast<std::size_t>(i)]->setText(Numeri::TestoEsatto(numeroCampo));
        } else {
            Text1[static_cast<std::size_t>(i)]->setText(v.toString());
            illeggibili << QStringLiteral("- ") + Righe()[static_cast<std::size_t>(i)].didascalia + QStringLiteral(" (") +
                               CampoDi(i) + QStringLiteral("): \"") + Abbreviato(v.toString(), 40) + QStringLiteral("\"");
        }
    }
    if (!illeggibili.isEmpty())
        MsgBox(QStringLiteral("Alcuni valori del Materiale N. ") + Text2->text() +
                   QStringLiteral(" nell'archivio non sono numeri validi:\n") + illeggibili.join(QLatin1Char('\n')) +
                   QStringLiteral("\n\nCorreggerli prima di registrare il materiale."),
               Pulsanti::OK, Icona::Informazione);
}

void SchedaLegno::disattiva_controlli()
{
    auto blocca = [](QLineEdit* box) {
        box->setReadOnly(true);
        QPalette p = box->palette();
        p.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
        box->setPalette(p);
    };
    blocca(Text2);
    for (QLineEdit* box : Text1)
        blocca(box);
    cmbTipologia->setEnabled(false);
}

bool SchedaLegno::compilaMat_conText()
{
    if (!rs_OneMat)
        return false;
    bool ok = true;
    const std::optional<double> numero = Numeri::Leggi(Text2->text());
    ok = rs_OneMat->ImpostaCampo(QStringLiteral("Numero"),
                                 numero ? QVariant::fromValue(static_cast<qlonglong>(std::llround(*numero)))
                                        : QVariant(Text2->text())) && ok;
    ok = rs_OneMat->ImpostaCampo(CampoDi(0), Text1[0]->text().trimmed()) && ok;
    ok = rs_OneMat->ImpostaCampo(CampoDi(1), Text1[1]->text().trimmed()) && ok;
    if (rs_OneMat->NomiCampi().contains(ColonneMateriale::Tipologia, Qt::CaseInsensitive))
        ok = rs_OneMat->ImpostaCampo(ColonneMateriale::Tipologia,
                                     cmbTipologia->currentIndex() > 0 ? QVariant(cmbTipologia->currentIndex()) : QVariant()) &&
             ok;
    for (int i = 2; i < NumCampi; ++i) {
        const QString testo = Text1[static_cast<std::size_t>(i)]->text();
        const std::optional<double> valore = Numeri::Leggi(testo);
        ok = rs_OneMat->ImpostaCampo(CampoDi(i), valore ? QVariant(*valore) : QVariant(testo)) && ok;
    }
    return ok;
}

void SchedaLegno::controlladati(bool& procedi)
{
    procedi = true;
    const QString numero = Text2->text().trimmed();
    if (numero.isEmpty()) {
        beepEMessaggio(QStringLiteral("Inserire Numero del Materiale. Campo Obbligatorio"));
        procedi = false;
        return;
    }
    for (const auto& [i, massimo, nome] : {std::tuple{0, MassimoClasse, "La Classe"},
                                            std::tuple{1, MassimoDescrizione, "La Descrizione"}}) {
        QLineEdit* box = Text1[static_cast<std::size_t>(i)];
        if (box->text().trimmed().size() > massimo) {
            beepEMessaggio(QString::fromLatin1(nome) + QStringLiteral(" del Materiale può avere al più %1 caratteri (ne ha %2).")
                                                           .arg(massimo)
                                                           .arg(box->text().trimmed().size()));
            SelezionaTesto(box);
            procedi = false;
            return;
        }
    }
    // A material number is a whole number: a pasted "12,5" is refused as "abc" is.
    const std::optional<double> valore = Numeri::Leggi(numero);
    if (!valore || *valore != std::floor(*valore) || *valore <= 0 || *valore > 2147483647.0) {
        beepEMessaggio(QStringLiteral("Il Campo Numero del Materiale deve essere un numero intero positivo."));
        procedi = false;
        return;
    }
    for (int i = 2; i < NumCampi; ++i) {
        QLineEdit* box = Text1[static_cast<std::size_t>(i)];
        // A strength the verifications use must be given; a modulus or the density may stay
        // without a value (stored as none, not as 0).
        if (box->text().trimmed().isEmpty()) {
            const ProprietaMateriale* p = ProprietaMateriale::perColonna(CampoDi(i));
            if (p == nullptr || !p->obbligatoria)
                continue;
            beepEMessaggio(QStringLiteral("Inserire il valore di ") + p->didascalia + QStringLiteral(" (") + p->colonna +
                           QStringLiteral("): è necessario alle verifiche."));
            SelezionaTesto(box);
            procedi = false;
            return;
        }
        if (!Numeri::EUnNumero(box->text())) {
            beepEMessaggio(QStringLiteral("Inserire Valore con formato numerico corretto."));
            SelezionaTesto(box);
            procedi = false;
            return;
        }
    }
}

void SchedaLegno::registraMat(bool& procedi)
{
    const QString titolo = QStringLiteral("Impossibile Registrare Materiale.\n\n");
    QString errText;
    bool ok = false;
    {
        CursoreOccupato occupato;
        DatabaseMateriali::ApriRecordset(rs_OneMat, QStringLiteral("Select * From Legno where Numero =0"), errText);
    }
    if (!errText.trimmed().isEmpty()) {
        MsgBox(titolo + errText);
        procedi = false;
        return;
    }
    if (!rs_OneMat->AddNew()) {
        MsgBox(titolo + rs_OneMat->Errore());
        procedi = false;
        return;
    }
    {
        CursoreOccupato occupato;
        ok = compilaMat_conText() && rs_OneMat->Update();
    }
    if (!ok) {
        MsgBox(titolo + rs_OneMat->Errore());
        rs_OneMat->CancelUpdate();
        procedi = false;
        return;
    }
    modif = 0;
    FrmListaLegno::ArchivioCambiato();
}

bool SchedaLegno::apriRecordFissato(QString& errore)
{
    bool ok = false;
    const qlonglong numero = NumeroFissato.toLongLong(&ok);
    if (NumeroFissato.isNull() || !ok) {
        errore = QStringLiteral("La scheda non è associata a un materiale dell'archivio.");
        return false;
    }
    std::shared_ptr<RecordsetMateriali> rs;
    DatabaseMateriali::ApriRecordset(rs, QStringLiteral("Select * From Legno Where Numero=") + QString::number(numero),
                                     errore);
    if (!errore.trimmed().isEmpty())
        return false;
    if (!ModuloSchedaLegno::HaRecordCorrente(rs)) {
        errore = QStringLiteral("Il materiale N. ") + QString::number(numero) +
                 QStringLiteral(" non è più presente nell'archivio.");
        return false;
    }
    rs_OneMat = rs;
    return true;
}

void SchedaLegno::registraModificaMat(bool& procedi)
{
    const QString titolo = QStringLiteral("Impossibile effettuare Registrazione Modifica Materiale.\n\n");
    QString errore;
    bool ok = false;
    {
        CursoreOccupato occupato;
        ok = apriRecordFissato(errore);
        if (ok) {
            rs_OneMat->ImpostaValoriAttesi(ValoriCaricati);
            ok = compilaMat_conText() && rs_OneMat->Update();
            if (!ok)
                errore = rs_OneMat->Errore();
        }
    }
    if (!ok && rs_OneMat && rs_OneMat->NumeroErrore() == RecordsetMateriali::ModificatoNelFrattempo) {
        rs_OneMat->CancelUpdate();
        ModificatoNelFrattempo();
        procedi = false;
        return;
    }
    if (!ok) {
        MsgBox(titolo + errore, Pulsanti::OK, Icona::Critica);
        if (rs_OneMat)
            rs_OneMat->CancelUpdate();
        procedi = false;
        return;
    }
    NumeroFissato = rs_OneMat->Campo(QStringLiteral("Numero"));
    ValoriCaricati.clear();
    for (const QString& campo : rs_OneMat->NomiCampi())
        ValoriCaricati.insert(campo, rs_OneMat->Campo(campo));
    modif = 0;
    FrmListaLegno::ArchivioCambiato();
}

void SchedaLegno::ModificatoNelFrattempo()
{
    Beep();
    if (MsgBox(QStringLiteral("Il Materiale N. ") + NumeroFissato.toString() +
                   QStringLiteral(" è stato modificato, da un'altra scheda o da un altro programma, dopo che questa "
                                  "scheda lo ha letto.\nNon è stato sovrascritto nulla.\n\n"
                                  "Ricaricare nella scheda i valori attuali del materiale?\n"
                                  "(le modifiche fatte in questa scheda andranno perse)"),
               Pulsanti::SiNo, Icona::Domanda) != Risposta::Si)
        return;
    QString errore;
    if (!apriRecordFissato(errore)) {
        MsgBox(errore, Pulsanti::OK, Icona::Critica);
        return;
    }
    for (QLineEdit* box : Text1)
        box->clear();
    cmbTipologia->setCurrentIndex(0);
    MostraDati_Mat();
    modif = 0;
}

void SchedaLegno::eliminaMat(bool& procedi)
{
    QString errore;
    bool ok = false;
    {
        CursoreOccupato occupato;
        ok = apriRecordFissato(errore);
        if (ok) {
            rs_OneMat->ImpostaValoriAttesi(ValoriCaricati);
            ok = rs_OneMat->Delete();
            if (!ok)
                errore = rs_OneMat->Errore();
        }
    }
    if (!ok && rs_OneMat && rs_OneMat->NumeroErrore() == RecordsetMateriali::ModificatoNelFrattempo) {
        ModificatoNelFrattempo();
        procedi = false;
        return;
    }
    if (!ok) {
        MsgBox(QStringLiteral("Impossibile Eliminare Materiale.\n\nErrore nell'Eliminazione della scheda "
                              "dal Database.\n\n") + errore,
               Pulsanti::OK, Icona::Critica);
        procedi = false;
        return;
    }
    FrmListaLegno::ArchivioCambiato();
}

bool SchedaLegno::EseguiComando1()
{
    bool procedi = true;
    const QString modo = Command1->text();
    if (modo == Registra) {
        controlladati(procedi);
        if (procedi)
            registraMat(procedi);
    } else if (modo == RegistraModifica) {
        controlladati(procedi);
        if (procedi)
            registraModificaMat(procedi);
    } else if (modo == ConfermaElimina) {
        eliminaMat(procedi);
    } else {
        procedi = false;
    }
    return procedi;
}

void SchedaLegno::Chiudi()
{
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
    else
        close();
}

void SchedaLegno::closeEvent(QCloseEvent* evento)
{
    const QString modo = Command1->text();
    // A view sheet keeps the designed caption on its hidden button: nothing to save there.
    if (modif == 1 && !Command1->isHidden() && (modo == Registra || modo == RegistraModifica)) {
        const QString stato = modo == Registra
                                  ? QStringLiteral("La Scheda non è stata registrata. \n")
                                  : QStringLiteral("Le modifiche apportate alla Scheda non sono state registrate. \n");
        const Risposta r = MsgBox(QStringLiteral("Attenzione!\n") + stato +
                                      QStringLiteral("Salvare la Scheda Materiale prima di Uscire?"),
                                  Pulsanti::SiNoAnnulla, Icona::Informazione);
        // Yes saves first; a refused check or a failed write keeps the sheet and its text.
        if (r == Risposta::Annulla || (r == Risposta::Si && !EseguiComando1())) {
            evento->ignore();
            return;
        }
    }
    evento->accept();
    // Back to the list the sheet came from, whatever other window the area holds: the list
    // reloads on activation and shows the change.
    if (FrmListaLegno* lista = FrmListaLegno::Istanza()) {
        QPointer<QMdiSubWindow> cornice = lista->Cornice();
        QTimer::singleShot(0, lista, [cornice] {
            if (cornice && cornice->mdiArea())
                cornice->mdiArea()->setActiveSubWindow(cornice);
        });
    }
}

bool SchedaLegno::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (oggetto == Text2) {
        if (tasto->text() == QStringLiteral(".") || tasto->text() == QStringLiteral(","))
            return true;
        if (invio(tasto->key())) {
            SelezionaTesto(Text1[0]);
            return true;
        }
        return false;
    }
    for (int i = 0; i < NumCampi; ++i) {
        QLineEdit* box = Text1[static_cast<std::size_t>(i)];
        if (oggetto != box)
            continue;
        if (invio(tasto->key())) {
            if (i < NumCampi - 1)
                SelezionaTesto(Text1[static_cast<std::size_t>(i + 1)]);
            else if (Command1->isVisible())
                Command1->setFocus(Qt::TabFocusReason);
            else
                Command2->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (i >= 2 && tasto->text() == QStringLiteral(".")) {
            if (!box->isReadOnly())
                box->insert(QStringLiteral(","));
            return true;
        }
        return false;
    }
    return QWidget::eventFilter(oggetto, evento);
}
