// Bar materials from the archive, the normative coefficients and the design strengths.
#include "editor/frmNodi.h"

#include "calcolo/Numeri.h"
#include "materials/DatabaseMateriali.h"
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/ProprietaMateriali.h"
#include "calcolo/RegistrazioneNodo.h"
#include "calcolo/TestiBrevi.h"
#include "comune/TestoInChiaro.h"
#include "calcolo/TipologieMateriali.h"
#include "calcolo/CalcoloInCorso.h"
#include "comune/ApriDocumento.h"
#include "comune/Avvisi.h"
#include "comune/SelezionaTesto.h"

#include "QOR_TRVSL10.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStandardItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// Twips are 1/15 pixel at 96 dpi.
constexpr int Pixel(int twips) { return twips / 15; }

void aggiungiRiga(QTreeWidget* lista, const QString& etichetta, const QString& valore = QString())
{
    new QTreeWidgetItem(lista, {etichetta, valore});
}


}  // namespace



void frmNodi::CaricaDatiMat(QTreeWidget* listW, int nMat)
{
    for (int k = 1; k <= NumAste; ++k)
        if (LstMatAsta[static_cast<std::size_t>(k)] == listW)
            materialiAste_.at(static_cast<std::size_t>(k)) = MaterialeAsta{};
    listW->clear();
    listW->setToolTip(QString());
    listW->setColumnWidth(0, Pixel(900));
    listW->setColumnWidth(1, Pixel(1400));
    if (nMat <= 0)
        return;

    MaterialeAsta materiale;
    QString errText;
    if (!DatabaseMateriali::LeggiMateriale(nMat, materiale, errText)) {
        aggiungiRiga(listW, errText.trimmed().isEmpty() ? QStringLiteral("Materiale Insesistente nel DataBase") : errText);
        listW->setColumnWidth(0, Pixel(2100));
        return;
    }
    MostraMateriale(listW, materiale);
}

void frmNodi::MostraMateriale(QTreeWidget* listW, const MaterialeAsta& m)
{
    for (int k = 1; k <= NumAste; ++k)
        if (LstMatAsta[static_cast<std::size_t>(k)] == listW)
            materialiAste_.at(static_cast<std::size_t>(k)) = m;
    listW->clear();
    aggiungiRiga(listW, QStringLiteral("N\u00b0"), QString::number(m.numero));
    // A long description would take the list seconds to lay out: it shows a prefix, the bar
    // takes the whole text.
    aggiungiRiga(listW, QStringLiteral("Descrizione"), Abbreviato(m.descrizione, 200));
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte()) {
        // A missing value stays empty rather than passing for zero.
        const auto v = m.valori.constFind(p.colonna);
        aggiungiRiga(listW, p.etichetta, v == m.valori.constEnd() ? QString() : Numeri::TestoDueDecimali(static_cast<double>(*v)));
    }
    aggiungiRiga(listW, ColonneMateriale::Tipologia,
                 m.tipologia == Tipologia::Nessuna ? QStringLiteral("(non indicata)") : Tipologia::Nome(m.tipologia));
    listW->setToolTip(TestoInChiaro(QStringLiteral("Materiale N. ") + QString::number(m.numero) +
                                           QStringLiteral(") ") + Abbreviato(m.descrizione, 200)));
}

void frmNodi::MostraMaterialeAsta(int k, const clsAsta& a)
{
    MostraMateriale(LstMatAsta[static_cast<std::size_t>(k)], MaterialeAsta::DaAsta(a));
}

int frmNodi::NumeroMateriale(int k) const
{
    if (k < 1 || k > NumAste)
        return 0;
    const QTreeWidget* lista = LstMatAsta[static_cast<std::size_t>(k)];
    if (lista->topLevelItemCount() == 0)
        return 0;
    bool ok = false;
    const int n = lista->topLevelItem(0)->text(1).trimmed().toInt(&ok);
    return ok ? n : 0;
}

MaterialeAsta frmNodi::MaterialeMostrato(int k) const
{
    MaterialeAsta m;
    m.numero = NumeroMateriale(k);
    if (k < 1 || k > NumAste)
        return m;
    // The material as loaded, at its full precision; the list's rows are read only when they
    // were written by other means.
    const MaterialeAsta& caricato = materialiAste_.at(static_cast<std::size_t>(k));
    if (m.numero >= 1 && caricato.numero == m.numero)
        return caricato;
    const QTreeWidget* lista = LstMatAsta[static_cast<std::size_t>(k)];
    bool conTipologia = false;
    for (int riga = 0; riga < lista->topLevelItemCount(); ++riga) {
        const QTreeWidgetItem* r = lista->topLevelItem(riga);
        conTipologia = conTipologia || r->text(0) == ColonneMateriale::Tipologia;
        if (r->text(0) == QStringLiteral("Descrizione"))
            m.descrizione = r->text(1);
        else if (r->text(0) == ColonneMateriale::Tipologia)
            m.tipologia = Tipologia::PerNome(r->text(1));
        else if (const ProprietaMateriale* p = ProprietaMateriale::perEtichetta(r->text(0)))
            m.valori.insert(p->colonna, Numeri::LeggiFloat(r->text(1)).value_or(0.0f));
    }
    if (!conTipologia)
        m.tipologia = Tipologia::DaDescrizione(m.descrizione);
    return m;
}

void frmNodi::CopiaMaterialeInAsta(int k, clsAsta& a) const { MaterialeMostrato(k).CopiaIn(a); }

void frmNodi::CalcolaResistenzeProgetto(clsAsta& a) const { ::CalcolaResistenzeProgetto(a, LeggiCoefficienti()); }

float frmNodi::valKmod() const { return LeggiCoefficienti().valKmod(); }

float frmNodi::valGM(const QString& DescrMat) const { return LeggiCoefficienti().valGM(DescrMat); }

QString frmNodi::strClasse() const
{
    for (int c = 1; c <= 3; ++c) {
        if (Option2[static_cast<std::size_t>(c)]->isChecked())
            return Option2[static_cast<std::size_t>(c)]->text();
    }
    return {};
}

void frmNodi::PubblicaCoefficienti()
{
    if (!inCostruzione_ && !bloccoCoefficienti_)
        CalcoloInCorso::Istanza().ImpostaCoefficienti(LeggiCoefficienti());
}

void frmNodi::MaterialeModificato()
{
    if (bloccoMateriale_)
        return;
    ModifNodo = 1;
    Command8->setEnabled(true);
    CaricaDatiMat(LstMatAsta[static_cast<std::size_t>(AstaSelezionata())],
                  Numeri::NumeroIniziale(txtMatAsta->text()));
}

void frmNodi::ImpostaMateriale(const QString& testo, bool bloccato)
{
    bloccoMateriale_ = bloccato;
    txtMatAsta->setText(testo);
    bloccoMateriale_ = false;
}

bool frmNodi::TastoCoefficiente(QLineEdit* box, int tasto)
{
    if (tasto != Qt::Key_Return && tasto != Qt::Key_Enter)
        return false;
    for (int i = 1; i <= 3; ++i) {
        if (box != txtCoefCar[static_cast<std::size_t>(i)])
            continue;
        if (i < 3)
            ModuloTrevon::SelezionaTesto(txtCoefCar[static_cast<std::size_t>(i + 1)]);
        else
            FocusPulsanteRegistra();
        return true;
    }
    // The other durations, row by row; the last one leads to "Registra".
    for (int i = 1; i <= 3; ++i)
        for (int d = 2; d <= DurataCarico::Istantanea; ++d) {
            if (box != txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)])
                continue;
            if (d < DurataCarico::Istantanea)
                ModuloTrevon::SelezionaTesto(txtKmod[static_cast<std::size_t>(i)][static_cast<std::size_t>(d + 1)]);
            else if (i < 3)
                ModuloTrevon::SelezionaTesto(txtKmod[static_cast<std::size_t>(i + 1)][2]);
            else
                FocusPulsanteRegistra();
            return true;
        }
    const int righe = static_cast<int>(Coefficienti::GammaMPredefiniti(LeggiCoefficienti().normativa, 'A').size());
    for (int i = 1; i <= righe; ++i) {
        if (box != txtCoefMat[static_cast<std::size_t>(i)])
            continue;
        ModuloTrevon::SelezionaTesto(txtCoefMat[static_cast<std::size_t>(i < righe ? i + 1 : 1)]);
        return true;
    }
    return false;
}

void frmNodi::CoefficienteLasciato(QLineEdit* box)
{
    if (!Numeri::EUnNumero(box->text()))
        box->setText(TestoPredefinito(box));
}

void frmNodi::CreaPropostaMateriali()
{
    auto* modello = new QStandardItemModel(this);
    propostaMateriali = new QCompleter(modello, this);
    propostaMateriali->setObjectName(QStringLiteral("propostaMateriali"));
    propostaMateriali->setCaseSensitivity(Qt::CaseInsensitive);
    propostaMateriali->setFilterMode(Qt::MatchContains);
    propostaMateriali->setCompletionMode(QCompleter::PopupCompletion);
    propostaMateriali->setMaxVisibleItems(12);
    // Attached by hand, not as the field's completer: the field must receive the number, not
    // the line chosen.
    propostaMateriali->setWidget(txtMatAsta);
    connect(txtMatAsta, &QLineEdit::textEdited, this, [this](const QString& testo) { ProponiMateriali(testo); });
    connect(propostaMateriali, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
            [this](const QModelIndex& indice) {
                const QString numero = indice.data(Qt::UserRole).toString();
                if (!numero.isEmpty())
                    txtMatAsta->setText(numero);
            });
}

void frmNodi::ProponiMateriali(const QString& testo)
{
    const QString cercato = testo.trimmed();
    bool numero = false;
    cercato.toInt(&numero);
    if (cercato.isEmpty() || numero) {   // a number is typed as always
        if (QAbstractItemView* lista = propostaMateriali->popup())
            lista->hide();
        return;
    }
    // The list is read again each time: the archive may have changed since.
    auto* modello = static_cast<QStandardItemModel*>(propostaMateriali->model());
    modello->clear();
    QString errText;
    for (const DatabaseMateriali::VoceMateriale& v : DatabaseMateriali::ElencoMateriali(errText)) {
        auto* voce = new QStandardItem(QStringLiteral("%1  %2  %3").arg(v.numero).arg(v.classe, v.descrizione));
        voce->setData(QString::number(v.numero), Qt::UserRole);
        modello->appendRow(voce);
    }
    propostaMateriali->setCompletionPrefix(cercato);
    propostaMateriali->complete();
}
