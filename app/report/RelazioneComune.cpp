#include "report/RelazioneComune.h"

#include "report/FormatiRelazione.h"

#include "calcolo/TestiBrevi.h"
#include "calcolo/TipiNodo.h"
#include "report/RelazioneDenteSemplice.h"

#include <QStringList>

#include <algorithm>
#include <vector>

using namespace FormatiRelazione;

namespace Relazione {

namespace {
const QString kCorpo = QStringLiteral("Courier New");
const QString kTitolo = QStringLiteral("Times New Roman");
const QString kSymbol = QStringLiteral("Symbol");
const QString LF = QStringLiteral("\n");

void Corpo(SuperficieRelazione& box)
{
    box.NomeFont(kCorpo);
    box.DimensioneFont(8);
    box.Grassetto(false);
    box.Sottolineato(false);
}

// Clears the surface and writes the title. Every attribute is set: a composition that stopped
// on an error may have left any of them.
// An NTC 2018 calculation names its code on the title line; an NTC 2008 one keeps the title
// it always had.
void Titolo(SuperficieRelazione& box, const QString& numeroNodo, Normativa normativa = Normativa::NTC2008)
{
    box.Cancella();
    box.NomeFont(kTitolo);
    box.DimensioneFont(12);
    box.Grassetto(true);
    box.Sottolineato(false);
    box.Accoda(QStringLiteral(" VERIFICA NODO N.") + numeroNodo +
               (normativa == Normativa::NTC2018 ? QStringLiteral("   (") + Normative::Titolo(normativa) + QLatin1Char(')')
                                                : QString()) +
               LF);
}
}

void CreaRelVerNodi(SuperficieRelazione& box, const clsNodo& nodo, const QString& numeroNodo,
                    const FonteCoefficienti& coefficienti)
{
    Titolo(box, numeroNodo, coefficienti.normativa());
    Corpo(box);
    const QString tipo = QString::fromStdString(nodo.TipoNodo);
    const bool dente = TipoDenteSemplice(tipo);
    if (dente && RelazioneEstesa(coefficienti)) {
        // The drawing sits on its own line between the title and the joint type.
        box.Disegno(DisegnoDi(nodo));
        box.Accoda(LF);
    }
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QStringLiteral("Tipologia Nodo:          ") + tipo + LF);
    box.Sottolineato(false);

    if (dente)
        creaRelVerNodiCapriataDenteSemplice(box, nodo, coefficienti);
}

bool RelazioneEstesa(const FonteCoefficienti& coefficienti) { return coefficienti.normativa() == Normativa::NTC2018; }

void CreaRelNonVerificato(SuperficieRelazione& box, const QString& numeroNodo, const QString& motivo,
                          Normativa normativa)
{
    Titolo(box, numeroNodo, normativa);
    Corpo(box);
    box.Accoda(QStringLiteral(" Nodo non verificato\n"));
    for (const QString& riga : motivo.split(LF, Qt::SkipEmptyParts))
        box.Accoda(QStringLiteral(" ") + riga + LF);
}

void CreaRelValNorm(SuperficieRelazione& box, const clsNodo& nodo,
                    const FonteCoefficienti& coefficienti)
{
    Corpo(box);
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QStringLiteral("Coefficienti Normativi:") + LF);
    box.Sottolineato(false);
    const Normativa normativa = coefficienti.normativa();
    if (normativa == Normativa::NTC2018)
        box.Accoda(QStringLiteral(" Normativa: ") + Normative::Titolo(normativa) + QStringLiteral(" (Tab. 4.4.III colonna ") +
                   QLatin1Char(coefficienti.colonnaGammaM()) + QStringLiteral(", Tab. 4.4.IV)") + LF);
    box.Accoda(QStringLiteral(" Classe di Servizio: ") + coefficienti.strClasse());
    box.Accoda(LF);
    // The load-duration class: always under NTC 2018; under NTC 2008 when it is not the
    // permanent one the report always assumed.
    const int durata = coefficienti.durataNodo(nodo);
    if (normativa == Normativa::NTC2018 || durata != DurataCarico::Permanente)
        box.Accoda(QStringLiteral(" Classe di Durata del Carico: ") + DurataCarico::Nome(durata) + LF);
    box.Accoda(QStringLiteral(" Kmod= ") + Fixed2(coefficienti.kmodNodo(nodo)) + LF);
    // One γM when every bar has the same; otherwise the γM of each bar, the one its design
    // strengths were computed with.
    auto simbolo = [&box] {
        box.Accoda(QStringLiteral(" "));
        box.NomeFont(kSymbol);
        box.Accoda(QStringLiteral("g"));
        box.NomeFont(kCorpo);
    };
    simbolo();
    std::vector<float> gamma{coefficienti.gammaMAsta(*nodo.Asta->Item(1))};   // a joint without bars raises here
    for (int i = 2; i <= nodo.Asta->Count(); ++i)
        gamma.push_back(coefficienti.gammaMAsta(*nodo.Asta->Item(i)));
    const bool uguali = std::all_of(gamma.begin(), gamma.end(), [&](float g) { return g == gamma.front(); });
    for (std::size_t i = 0; i < (uguali ? 1 : gamma.size()); ++i) {
        if (i > 0)
            simbolo();
        box.Accoda(QStringLiteral("M  = ") + Fixed2(gamma[i]) +
                   (uguali ? QString() : QStringLiteral("  Asta N.") + Right2(static_cast<int>(i + 1))) + LF);
    }
    if (RelazioneEstesa(coefficienti))
        box.Accoda(QStringLiteral(" fd = kmod\u00b7fk/\u03b3M  (NTC 2018, formula 4.4.1)") + LF);
    box.Accoda(LF);
}

void CreaRelParamAste(SuperficieRelazione& box, const clsNodo& nodo, bool ingressi)
{
    const TipoNodo* tipoNodo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    const QString rientro = QStringLiteral("            ");
    const QString unita = QStringLiteral("N/mmq");
    const QString spazio = QStringLiteral("N/mmq     ");

    Corpo(box);
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QStringLiteral("Aste Collegate:") + LF);
    box.Sottolineato(false);
    for (int i = 1; i <= nodo.Asta->Count(); ++i) {
        const auto asta = nodo.Asta->Item(i);
        box.Accoda(QStringLiteral(" Asta N.") + Right2(i) + QStringLiteral("  B=") +
                   Fixed2(asta->Base) + QStringLiteral("cm. x H=") + Fixed2(asta->Altezza) +
                   QStringLiteral("cm.") + LF);
        // A report lays a long line out in quadratic time: a long description shows a prefix.
        box.Accoda(rientro + QStringLiteral("Materiale: ") +
                   Abbreviato(QString::fromStdString(asta->DescrizioneMateriale), 200) + LF);
        box.Accoda(rientro + QStringLiteral("fc0k =") + Right5(asta->Res_Fc0k) + spazio);
        box.Accoda(QStringLiteral("fc0d =") + Right5(asta->Res_Fc0d) + unita + LF);
        box.Accoda(rientro + QStringLiteral("fc90k=") + Right5(asta->Res_Fc90k) + spazio);
        box.Accoda(QStringLiteral("fc90d=") + Right5(asta->Res_Fc90d) + unita + LF);
        box.Accoda(rientro + QStringLiteral("fvk  =") + Right5(asta->Res_Fvk) + spazio);
        box.Accoda(QStringLiteral("fvd  =") + Right5(asta->Res_Fvd) + unita + LF);
        if (ingressi && tipoNodo != nullptr) {
            // The record keeps the magnitude of the axial force: the verifications use it.
            QStringList dati;
            if (tipoNodo->ChiedeAngolo(i))
                dati << QStringLiteral("\u03b1 = ") + Fixed2(asta->Angolo) + QStringLiteral("\u00b0");
            if (tipoNodo->ChiedeSforzo(i))
                dati << QStringLiteral("|N| = ") + Fixed2(asta->SforzoAssiale) + QStringLiteral(" kN");
            if (!dati.isEmpty())
                box.Accoda(rientro + dati.join(QStringLiteral("   ")) + LF);
        }
    }
    box.Accoda(LF);
}

}
