// Bar materials from the archive, the normative coefficients and the design strengths.
#include "editor/frmNodi.h"

#include "editor/Numeri.h"
#include "materials/DatabaseMateriali.h"
#include "materials/RecordsetMateriali.h"
#include "shell/ModuloTrevon.h"

#include "QOR_TRVSL10.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// Twips are 1/15 pixel at 96 dpi.
constexpr int Pixel(int twips) { return twips / 15; }

struct RigaMateriale {
    const char* etichetta;
    const char* campo;
};

// Rows 3..13 of a material list: label and field of table Legno.
const RigaMateriale righeNumeriche[] = {
    {"Fmk", "Fmk"},           {"Ft,0,k", "Ft0k"},     {"Ft,90,k", "Ft90k"},   {"Fc,0,k", "Fc0k"},
    {"Fc,90,k", "Fc90k"},     {"Fvk", "Fvk"},         {"E0,mean", "E0mean"},  {"E0,05", "E05"},
    {"E90,mean", "E90mean"},  {"Gmean", "Gmean"},     {"Massa", "rok"},
};

const char* const predefinitiCoefCar[4] = {"", "0,60", "0,60", "0,50"};
const char* const predefinitiCoefMat[7] = {"", "1,50", "1,45", "1,50", "1,40", "1,50", "1,00"};

void aggiungiRiga(QTreeWidget* lista, const QString& etichetta, const QString& valore = QString())
{
    new QTreeWidgetItem(lista, {etichetta, valore});
}

// A coefficient box's number; a text that is not a number stands for the box's default,
// which is also what the box shows again once it is left.
float coefficiente(const QLineEdit* box, const QString& predefinito)
{
    return Numeri::LeggiFloat(box->text()).value_or(Numeri::LeggiFloat(predefinito).value_or(0.0f));
}

}  // namespace

QString frmNodi::TestoPredefinitoCoefCar(int i)
{
    return i >= 1 && i <= 3 ? QString::fromLatin1(predefinitiCoefCar[i]) : QString();
}

QString frmNodi::TestoPredefinitoCoefMat(int i)
{
    return i >= 1 && i <= 6 ? QString::fromLatin1(predefinitiCoefMat[i]) : QString();
}

void frmNodi::CaricaDatiMat(QTreeWidget* listW, int nMat)
{
    listW->clear();
    listW->setToolTip(QString());
    listW->setColumnWidth(0, Pixel(900));
    listW->setColumnWidth(1, Pixel(1400));
    if (nMat <= 0)
        return;

    std::shared_ptr<RecordsetMateriali> rs;
    QString errText;
    DatabaseMateriali::ApriRecordset(rs, QStringLiteral("Select * From Legno Where Numero=") + QString::number(nMat),
                                     errText);
    if (!errText.trimmed().isEmpty()) {
        aggiungiRiga(listW, errText);
        listW->setColumnWidth(0, Pixel(2100));
        return;
    }
    if (!rs || rs->RecordCount() == 0) {
        aggiungiRiga(listW, QStringLiteral("Materiale Insesistente nel DataBase"));
        listW->setColumnWidth(0, Pixel(2100));
        return;
    }

    rs->MoveFirst();
    const QString descrizione = rs->Campo(QStringLiteral("Descrizione")).toString();
    aggiungiRiga(listW, QStringLiteral("N\u00b0"), QString::number(nMat));
    aggiungiRiga(listW, QStringLiteral("Descrizione"), descrizione);
    for (const RigaMateriale& r : righeNumeriche) {
        const QVariant valore = rs->Campo(QString::fromLatin1(r.campo));
        // A missing value stays empty rather than passing for zero.
        aggiungiRiga(listW, QString::fromLatin1(r.etichetta),
                     valore.isNull() ? QString() : Numeri::TestoDueDecimali(valore.toDouble()));
    }
    listW->setToolTip(QStringLiteral("Materiale N. ") + QString::number(nMat) + QStringLiteral(") ") + descrizione);
}

void frmNodi::MostraMaterialeAsta(int k, const clsAsta& a)
{
    QTreeWidget* listW = LstMatAsta[static_cast<std::size_t>(k)];
    listW->clear();
    const QString descrizione = QString::fromStdString(a.DescrizioneMateriale);
    aggiungiRiga(listW, QStringLiteral("N\u00b0"), QString::number(a.NumeroMateriale));
    aggiungiRiga(listW, QStringLiteral("Descrizione"), descrizione);
    const float valori[] = {a.Res_Fmk,     a.Res_Ft0k, a.Res_Ft90k, a.Res_Fc0k,    a.Res_Fc90k, a.Res_Fvk,
                            a.ModEl_0mean, a.ModEl_05, a.ModEl_90,  a.ModEl_Gmean, a.Peso};
    std::size_t i = 0;
    for (const RigaMateriale& r : righeNumeriche)
        aggiungiRiga(listW, QString::fromLatin1(r.etichetta), Numeri::TestoDueDecimali(static_cast<double>(valori[i++])));
    listW->setToolTip(QStringLiteral("Materiale N. ") + QString::number(a.NumeroMateriale) + QStringLiteral(") ") +
                      descrizione);
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

void frmNodi::CopiaMaterialeInAsta(int k, clsAsta& a) const
{
    const QTreeWidget* lista = LstMatAsta[static_cast<std::size_t>(k)];
    auto valore = [lista](int riga) {
        return riga < lista->topLevelItemCount() ? lista->topLevelItem(riga)->text(1) : QString();
    };
    auto numero = [&](int riga) { return Numeri::LeggiFloat(valore(riga)).value_or(0.0f); };
    a.NumeroMateriale = NumeroMateriale(k);
    a.DescrizioneMateriale = valore(1).toStdString();
    a.Res_Fmk = numero(2);
    a.Res_Ft0k = numero(3);
    a.Res_Ft90k = numero(4);
    a.Res_Fc0k = numero(5);
    a.Res_Fc90k = numero(6);
    a.Res_Fvk = numero(7);
    a.ModEl_0mean = numero(8);
    a.ModEl_05 = numero(9);
    a.ModEl_90 = numero(10);
    a.ModEl_Gmean = numero(11);
    a.Peso = numero(12);
}

void frmNodi::CalcolaResistenzeProgetto(clsAsta& a) const
{
    const float kmod = valKmod();
    float gm = valGM(QString::fromStdString(a.DescrizioneMateriale));
    if (!(gm > 0.0f))
        gm = 1.0f;
    a.Res_Fd = ((a.SforzoAssiale > 0.0f ? a.Res_Ft0k : a.Res_Fc0k) * kmod) / gm;
    a.Res_Fc0d = (a.Res_Fc0k * kmod) / gm;
    a.Res_Fvd = (a.Res_Fvk * kmod) / gm;
    a.Res_Fc90d = (a.Res_Fc90k * kmod) / gm;
}

float frmNodi::valKmod() const
{
    for (int c = 1; c <= 3; ++c) {
        if (Option2[static_cast<std::size_t>(c)]->isChecked())
            return coefficiente(txtCoefCar[static_cast<std::size_t>(c)], TestoPredefinitoCoefCar(c));
    }
    return 0.0f;
}

float frmNodi::valGM(const QString& DescrMat) const
{
    // Any letter case: "legno massiccio" is solid timber as much as "Legno Massiccio".
    static const char* const parole[5] = {"", "Massiccio", "Lamellare", "Fibre", "Compensato"};
    for (int i = 1; i <= 4; ++i) {
        if (DescrMat.contains(QString::fromLatin1(parole[i]), Qt::CaseInsensitive))
            return coefficiente(txtCoefMat[static_cast<std::size_t>(i)], TestoPredefinitoCoefMat(i));
    }
    return 1.0f;
}

QString frmNodi::strClasse() const
{
    for (int c = 1; c <= 3; ++c) {
        if (Option2[static_cast<std::size_t>(c)]->isChecked())
            return Option2[static_cast<std::size_t>(c)]->text();
    }
    return {};
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
    for (int i = 1; i <= 6; ++i) {
        if (box != txtCoefMat[static_cast<std::size_t>(i)])
            continue;
        ModuloTrevon::SelezionaTesto(txtCoefMat[static_cast<std::size_t>(i < 6 ? i + 1 : 1)]);
        return true;
    }
    return false;
}

void frmNodi::CoefficienteLasciato(QLineEdit* box)
{
    if (Numeri::EUnNumero(box->text()))
        return;
    for (int i = 1; i <= 3; ++i) {
        if (box == txtCoefCar[static_cast<std::size_t>(i)])
            box->setText(TestoPredefinitoCoefCar(i));
    }
    for (int i = 1; i <= 6; ++i) {
        if (box == txtCoefMat[static_cast<std::size_t>(i)])
            box->setText(TestoPredefinitoCoefMat(i));
    }
}
