// The report tab's commands: the current joint's report or the whole calculation's, printed
// through the print dialog or exported to PDF.
#include "editor/frmNodi.h"

#include "editor/DialoghiRelazione.h"
#include "comune/Avanzamento.h"
#include "comune/CartellaProposta.h"
#include "report/DocumentoRelazione.h"
#include "report/FonteCoefficienti.h"
#include "report/ImpaginatoreRelazione.h"
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

using ModuloTrevon::GenVerNodi;
using ModuloTrevon::NodoCorrente;

namespace {

const QString kGruppo = QStringLiteral("Relazione");
const QString kCartella = QStringLiteral("UltimaCartella");

QSettings Impostazioni()
{
    return QSettings(QCoreApplication::organizationName(), QStringLiteral("Trevon-SL"));
}

}  // namespace

QString frmNodi::CartellaRelazioni()
{
    const QSettings s = Impostazioni();
    return CartellaProposta(s.value(kGruppo + QLatin1Char('/') + kCartella).toString());
}

QWidget* frmNodi::CreaSchedaRelazione()
{
    auto* scheda = new QWidget(this);
    auto* l = new QVBoxLayout(scheda);
    RichTextBox1 = new QTextEdit(scheda);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    // The bar is always there: a report never lays itself out twice because it appeared.
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l->addWidget(RichTextBox1, 1);

    auto* riga = new QHBoxLayout;
    cmdStampaRelazione = new QPushButton(QStringLiteral("Stampa Re&lazione"), scheda);
    cmdStampaRelazione->setObjectName(QStringLiteral("cmdStampaRelazione"));
    cmdEsportaPdf = new QPushButton(QStringLiteral("Esporta &PDF"), scheda);
    cmdEsportaPdf->setObjectName(QStringLiteral("cmdEsportaPdf"));
    cmdRelazioneCompleta = new QPushButton(QStringLiteral("Relazione &Completa"), scheda);
    cmdRelazioneCompleta->setObjectName(QStringLiteral("cmdRelazioneCompleta"));
    cmdRelazioneCompleta->setToolTip(QStringLiteral("Le relazioni di tutti i nodi del calcolo"));
    auto* menu = new QMenu(cmdRelazioneCompleta);
    actStampaCompleta = menu->addAction(QStringLiteral("Stampa Relazione Completa"));
    actStampaCompleta->setObjectName(QStringLiteral("actStampaCompleta"));
    actEsportaCompleta = menu->addAction(QStringLiteral("Esporta PDF Relazione Completa"));
    actEsportaCompleta->setObjectName(QStringLiteral("actEsportaCompleta"));
    cmdRelazioneCompleta->setMenu(menu);
    riga->addWidget(cmdStampaRelazione);
    riga->addWidget(cmdEsportaPdf);
    riga->addSpacing(24);
    riga->addWidget(cmdRelazioneCompleta);
    riga->addStretch(1);
    l->addLayout(riga);

    connect(cmdStampaRelazione, &QPushButton::clicked, this, [this] { StampaRelazione_Click(); });
    connect(cmdEsportaPdf, &QPushButton::clicked, this, [this] { EsportaPdf_Click(); });
    connect(actStampaCompleta, &QAction::triggered, this, [this] { StampaCompleta_Click(); });
    connect(actEsportaCompleta, &QAction::triggered, this, [this] { EsportaCompleta_Click(); });
    return scheda;
}

bool frmNodi::SezioneCorrente(std::vector<Relazione::SezioneRelazione>& sezioni)
{
    const int n = NumeroNodoCorrente();
    if (!GenVerNodi || !NodoCorrente || n < 1) {
        ModuloTrevon::Beep();
        return false;
    }
    Relazione::SezioneRelazione s = Relazione::SezioneNodo(*NodoCorrente, n, CoefficientiRelazione());
    if (!s.verificato) {
        ModuloTrevon::MsgBox(QStringLiteral("Il Nodo N.%1 non risulta verificato.\n"
                                            "Registrare e verificare il nodo prima di stamparne "
                                            "o esportarne la relazione.").arg(n),
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Informazione);
        return false;
    }
    s.progetto = CalcoloInCorso::Istanza().progetto();
    sezioni.push_back(std::move(s));
    return true;
}

CoefficientiCalcolo frmNodi::CoefficientiRelazione() const
{
    return CoefficientiCalcolo(LeggiCoefficienti(), CalcoloInCorso::Istanza().tipologie(),
                               CalcoloInCorso::Istanza().durate());
}

std::vector<Relazione::SezioneRelazione> frmNodi::SezioniComplete() const
{
    if (!GenVerNodi)
        return {};
    // A long calculation shows its progress and may be cancelled (nothing is printed then).
    Avanzamento avanzamento(QStringLiteral("Composizione della Relazione Completa..."), GenVerNodi->Nodi->Count());
    return Relazione::RelazioneCompleta(*GenVerNodi, CoefficientiRelazione(), CalcoloInCorso::Istanza().progetto(),
                                        avanzamento.Richiamo());
}

void frmNodi::StampaSezioni(const std::vector<Relazione::SezioneRelazione>& sezioni)
{
    QPrinter stampante(QPrinter::HighResolution);
    Relazione::ImpostaPagina(stampante);
    stampante.setDocName(QStringLiteral("Relazione di Verifica"));
    stampante.setCreator(QStringLiteral("Trevon-SL"));
    if (!DialoghiRelazione::ScegliStampante(this, stampante))
        return;
    int pagine = -1;
    {
        ModuloTrevon::CursoreOccupato occupato;
        Avanzamento avanzamento(QStringLiteral("Stampa della Relazione..."), 2 * static_cast<int>(sezioni.size()));
        pagine = Relazione::Impagina(stampante, sezioni, QDate::currentDate(),
                                     avanzamento.Richiamo());
    }
    if (pagine == Relazione::Annullata)
        return;
    if (pagine < 0)
        ModuloTrevon::MsgBox(QStringLiteral("Impossibile stampare la relazione.\n"
                                            "Verificare la stampante selezionata."),
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica);
}

void frmNodi::EsportaSezioni(const std::vector<Relazione::SezioneRelazione>& sezioni,
                             const QString& nomeProposto)
{
    const QString proposto = QDir(CartellaRelazioni()).filePath(nomeProposto);
    const QString percorso = DialoghiRelazione::ScegliPdf(this, proposto);
    if (percorso.isEmpty())
        return;
    QString errore;
    bool riuscito = false;
    bool annullato = false;
    {
        ModuloTrevon::CursoreOccupato occupato;
        Avanzamento avanzamento(QStringLiteral("Esportazione della Relazione in PDF..."),
                                2 * static_cast<int>(sezioni.size()));
        riuscito = Relazione::EsportaPdf(percorso, sezioni, errore,
                                         avanzamento.Richiamo(),
                                         &annullato);
    }
    if (annullato)
        return;   // nothing written, as asked
    if (!riuscito) {
        ModuloTrevon::MsgBox(QStringLiteral("Impossibile salvare la relazione nel file\n%1\n\n"
                                            "Verificare che la cartella esista e sia scrivibile e "
                                            "che il disco non sia pieno.\n(%2)")
                                 .arg(QDir::toNativeSeparators(percorso), errore),
                             ModuloTrevon::Pulsanti::OK, ModuloTrevon::Icona::Critica);
        return;
    }
    QSettings s = Impostazioni();
    s.setValue(kGruppo + QLatin1Char('/') + kCartella, QFileInfo(percorso).absolutePath());
}

void frmNodi::StampaRelazione_Click()
{
    std::vector<Relazione::SezioneRelazione> sezioni;
    if (SezioneCorrente(sezioni))
        StampaSezioni(sezioni);
}

void frmNodi::EsportaPdf_Click()
{
    std::vector<Relazione::SezioneRelazione> sezioni;
    if (SezioneCorrente(sezioni))
        EsportaSezioni(sezioni, QStringLiteral("Relazione Nodo %1.pdf").arg(sezioni.front().numero));
}

void frmNodi::StampaCompleta_Click()
{
    const auto sezioni = SezioniComplete();
    if (sezioni.empty()) {
        ModuloTrevon::Beep();
        return;
    }
    StampaSezioni(sezioni);
}

void frmNodi::EsportaCompleta_Click()
{
    const auto sezioni = SezioniComplete();
    if (sezioni.empty()) {
        ModuloTrevon::Beep();
        return;
    }
    EsportaSezioni(sezioni, QStringLiteral("Relazione Nodi.pdf"));
}
