#include "report/RelazioneDenteSemplice.h"

#include "report/FormatiRelazione.h"
#include "report/RelazioneComune.h"

#include "calcolo/ControlliNodo.h"
#include "calcolo/DettagliCostruttivi.h"
#include "calcolo/TipiNodo.h"

#include <array>

using namespace FormatiRelazione;

namespace Relazione {

namespace {
const QString kCorpo = QStringLiteral("Courier New");
const QString kSymbol = QStringLiteral("Symbol");
const QString LF = QStringLiteral("\n");
const QString k16Spazi = QString(16, QLatin1Char(' '));

void Greca(SuperficieRelazione& box, const char* lettera)
{
    box.NomeFont(kSymbol);
    box.Accoda(QLatin1String(lettera));
    box.NomeFont(kCorpo);
}

void Geometria(SuperficieRelazione& box, const char* etichetta, float valore)
{
    box.Accoda(QString::fromUtf8(etichetta) + Right5(valore) + QStringLiteral(" cm.") + LF);
}

struct Faccia {
    float F;      // N
    float angolo; // degrees
    float fd;     // N/mm²
    float sigma;  // N/mm²
};

// References of the checks, printed beside their utilisation.
const QString kRifCompressione = QStringLiteral("EN 1995-1-1 (6.16), kc,90 = 1");
const QString kRifTaglio = QStringLiteral("EN 1995-1-1 (6.13)");
const QString kRifAppoggio = QStringLiteral("EN 1995-1-1 (6.3), kc,90 = 1");

// The utilisation line of a check: "η = σ/fcα1,d = 154,3 %   (reference)".
QString RigaEta(const QString& rientro, const QString& rapporto, float sollecitazione, float resistenza,
                const QString& riferimento = QString())
{
    const double eta = Eta(ControlloNodo{QString(), sollecitazione, resistenza, false});
    return rientro + QStringLiteral("\u03b7 = ") + rapporto + QStringLiteral(" = ") + Percento(eta) +
           (riferimento.isEmpty() ? QString() : QStringLiteral("   (") + riferimento + QLatin1Char(')')) + LF;
}

// The sign of a passed check: strictly less under NTC 2008, not greater under NTC 2018.
QString Minore(Normativa normativa)
{
    return normativa == Normativa::NTC2018 ? QStringLiteral("  \u2264  ") : QStringLiteral("  <  ");
}

void BloccoFaccia(SuperficieRelazione& box, const QString& etichetta, int k, const Faccia& f, Normativa normativa,
                  bool estesa)
{
    const QString n = QString::number(k);
    box.Accoda(etichetta);
    box.Accoda(QStringLiteral(" Componente di compressione F") + n + QStringLiteral(" = ") +
               Right6(f.F / 1000) + QStringLiteral(" kN") + LF);

    box.Accoda(k16Spazi + QStringLiteral("Angolo tra componente di compressione F") + n +
               QStringLiteral(" e Fibratura: "));
    Greca(box, "a");
    box.Accoda(n + QStringLiteral(" = ") + Right6(f.angolo) + QStringLiteral("°") + LF);

    box.Accoda(k16Spazi + QStringLiteral("Resistenza a compressione inclinata fc"));
    Greca(box, "a");
    box.Accoda(n + QStringLiteral(",d = "));
    box.Accoda(Right6(f.fd) + QStringLiteral("N/mmq") + LF);

    box.Accoda(k16Spazi);
    Greca(box, "s");
    box.Accoda(QStringLiteral(" = ") + Right6(f.sigma) + QStringLiteral(" N/mmq"));
    if (Verificato(f.sigma, f.fd, normativa)) {
        box.Accoda(Minore(normativa) + QStringLiteral("fc"));
        Greca(box, "a");
        box.Accoda(n + QStringLiteral(",d") + LF);
    } else {
        box.Accoda(QStringLiteral("  >  fc"));
        Greca(box, "a");
        box.Accoda(n + QStringLiteral(",d  -  NON VERIFICA") + LF);
    }
    if (estesa)
        box.Accoda(RigaEta(k16Spazi, QStringLiteral("\u03c3/fc\u03b1") + n + QStringLiteral(",d"), f.sigma, f.fd,
                           kRifCompressione));
}

// Heel shear and support checks share one shape: heading, stress, verdict against a strength
// of the tie beam.
void Controllo(SuperficieRelazione& box, const char* titolo, const char* lettera, float tensione,
               float resistenza, const char* nomeResistenza, Normativa normativa, const QString& nota = QString(),
               const QString& eta = QString())
{
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QLatin1String(titolo) + LF);
    if (!nota.isEmpty()) {
        box.Sottolineato(false);
        box.Accoda(nota + LF);
        box.Sottolineato(true);
    }
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(false);
    Greca(box, lettera);
    box.Accoda(QStringLiteral(" = "));
    box.Accoda(Right6(tensione) + QStringLiteral("N/mmq"));
    if (Verificato(tensione, resistenza, normativa))
        box.Accoda(Minore(normativa) + QLatin1String(nomeResistenza) + LF);
    else
        box.Accoda(QStringLiteral("  >  ") + QLatin1String(nomeResistenza) +
                   QStringLiteral(" -  NON VERIFICA") + LF);
    if (!eta.isEmpty())
        box.Accoda(eta);
    box.Accoda(LF);
}

QString Mm(float v) { return Fixed2(v).trimmed(); }

// The notch depth limits of an NTC 2018 calculation, one line per notch.
void DettagliIntaglio(SuperficieRelazione& box, const clsNodo& nodo)
{
    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QStringLiteral("Dettagli Costruttivi (") + DettagliCostruttivi::Riferimento + QStringLiteral(")") + LF);
    box.Sottolineato(false);
    for (const DettagliCostruttivi::LimiteIntaglio& l : DettagliCostruttivi::LimitiIntaglio(nodo)) {
        const QString regola = l.dueLati        ? QStringLiteral("h/6, due lati")
                               : l.gamma <= 50.0f ? QStringLiteral("h/4, \u03b3 = %1\u00b0 \u2264 50\u00b0").arg(Fixed2(l.gamma).trimmed())
                               : l.gamma > 60.0f  ? QStringLiteral("h/6, \u03b3 = %1\u00b0 > 60\u00b0").arg(Fixed2(l.gamma).trimmed())
                                                  : QStringLiteral("tra h/4 e h/6, \u03b3 = %1\u00b0").arg(Fixed2(l.gamma).trimmed());
        const bool ok = Verificato(l.tv, l.tvMax, Normativa::NTC2018);
        box.Accoda(QStringLiteral(" Profondità Intaglio: ") + l.simbolo + QStringLiteral(" = ") + Mm(l.tv) +
                   QStringLiteral(" mm") + (ok ? Minore(Normativa::NTC2018) : QStringLiteral("  >  ")) +
                   QStringLiteral("tv,max = ") + Mm(l.tvMax) + QStringLiteral(" mm  (") + regola +
                   QStringLiteral("; h = ") + Mm(l.h) + QStringLiteral(" mm)") +
                   (ok ? QString() : QStringLiteral("  -  NON VERIFICA")) + LF);
        box.Accoda(RigaEta(QStringLiteral("   "), l.simbolo + QStringLiteral("/tv,max"), l.tv, l.tvMax));
    }
    box.Accoda(LF);
}

// The heel length the NTC 2018 shear check counted.
QString NotaLunghezzaEfficace(const clsNodo& nodo)
{
    const float otto = 8.0f * nodo.tv;
    const float lvef = DettagliCostruttivi::LunghezzaEfficace(nodo.Lv, nodo.tv);
    if (lvef < nodo.Lv)
        return QStringLiteral(" lv,ef = min(Lv; 8\u00b7tv) = 8\u00b7tv = ") + Fixed2(lvef).trimmed() +
               QStringLiteral(" cm  (Lv = ") + Fixed2(nodo.Lv).trimmed() + QStringLiteral(" cm ridotta; ") +
               DettagliCostruttivi::Riferimento + QLatin1Char(')');
    return QStringLiteral(" lv,ef = Lv = ") + Fixed2(lvef).trimmed() + QStringLiteral(" cm  (non supera 8\u00b7tv = ") +
           Fixed2(otto).trimmed() + QStringLiteral(" cm)");
}


// The support's data the support check reads, under the notch geometry.
void DatiAppoggio(SuperficieRelazione& box, const clsNodo& nodo)
{
    box.Accoda(QStringLiteral(" Reazione Appoggio:       R   = ") + Right5(nodo.ReazioneY) + QStringLiteral(" kN") + LF);
    Geometria(box, " Lunghezza Appoggio:      La  = ", nodo.LunghezzaAppoggio);
    box.Accoda(QStringLiteral(" Lunghezza Efficace:      Lef = ") + Right5(nodo.LAppEfficace / 10.0f) +
               QStringLiteral(" cm.  = min(2\u00b7La; La + h/3; 40 cm), h = altezza del Puntone") + LF);
}

// The joint's verdict over every check the report states, and the check that governs it.
void Esito(SuperficieRelazione& box, const clsNodo& nodo, Normativa normativa)
{
    const std::vector<ControlloNodo> controlli = ControlliNodo(nodo, normativa);
    QString riga = TuttiSuperati(controlli) ? QStringLiteral(" ESITO: VERIFICATO") : QStringLiteral(" ESITO: NON VERIFICATO");
    if (const int d = Determinante(controlli); d >= 0) {
        const ControlloNodo& c = controlli[static_cast<std::size_t>(d)];
        riga += QStringLiteral("   (verifica determinante: ") + c.nome + QStringLiteral(", \u03b7 = ") + Percento(Eta(c)) +
                QLatin1Char(')');
    }
    box.Grassetto(true);
    box.Accoda(riga + LF);
    box.Grassetto(false);
    box.Accoda(LF);
}
}

bool TipoDenteSemplice(const QString& tipoNodo)
{
    return TipoNodo::perNome(tipoNodo) != nullptr;
}

void creaRelVerNodiCapriataDenteSemplice(SuperficieRelazione& box, const clsNodo& nodo,
                                         const FonteCoefficienti& coefficienti)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(nodo.TipoNodo));
    if (tipo == nullptr)
        return;

    box.NomeFont(kCorpo);
    box.DimensioneFont(8);
    box.Grassetto(false);
    box.Sottolineato(false);

    const Normativa normativa = coefficienti.normativa();
    const bool estesa = RelazioneEstesa(coefficienti);
    const bool appoggio = tipo->famiglia == FamigliaRelazione::CatenaPuntone && nodo.ReazioneY != 0 &&
                          nodo.LunghezzaAppoggio != 0;
    switch (tipo->famiglia) {
    case FamigliaRelazione::CatenaPuntone:
        Geometria(box, " Profondità Intaglio:     tv  = ", nodo.tv);
        Geometria(box, " Lunghezza Resistente:    Lv  = ", nodo.Lv);
        if (estesa && appoggio)
            DatiAppoggio(box, nodo);
        break;
    case FamigliaRelazione::PuntoneSaetta:
        Geometria(box, " Profondità Intaglio:     tv  = ", nodo.tv);
        break;
    case FamigliaRelazione::Monaco:
        // The king post's rear steps have no heels.
        Geometria(box, " Profondità Intaglio:     tv1 = ", nodo.tv);
        if (tipo->UsaMisura(2))
            Geometria(box, " Lunghezza Resistente:    Lv1 = ", nodo.Lv);
        Geometria(box, " Profondità Intaglio:     tv2 = ", nodo.tvB);
        if (tipo->UsaMisura(4))
            Geometria(box, " Lunghezza Resistente:    Lv2 = ", nodo.LvB);
        break;
    }
    box.Accoda(LF);

    if (normativa == Normativa::NTC2018)
        DettagliIntaglio(box, nodo);

    CreaRelValNorm(box, nodo, coefficienti);
    CreaRelParamAste(box, nodo, estesa);

    box.Accoda(QStringLiteral(" "));
    box.Sottolineato(true);
    box.Accoda(QStringLiteral("Verifica a Compressione Inclinata rispetto le fibrature") + LF);
    box.Sottolineato(false);

    const bool monaco = tipo->famiglia == FamigliaRelazione::Monaco;
    if (monaco) {
        box.Accoda(LF);
        box.Accoda(QStringLiteral(" Saetta di sinistra") + LF);
        box.Accoda(LF);
    }
    BloccoFaccia(box, tipo->etichetteFacce[0], 1, {nodo.F1, nodo.Angolo1, nodo.fd1, nodo.tens1}, normativa, estesa);
    if (!tipo->arretrato)
        BloccoFaccia(box, tipo->etichetteFacce[1], 2, {nodo.F2, nodo.Angolo2, nodo.fd2, nodo.tens2}, normativa, estesa);
    box.Accoda(LF);

    if (tipo->famiglia == FamigliaRelazione::CatenaPuntone) {
        const auto catena = nodo.Asta->Item(1);
        Controllo(box, "Verifica a Taglio - tallone", "t", nodo.tau, catena->Res_Fvd, "fvd", normativa,
                  normativa == Normativa::NTC2018 ? NotaLunghezzaEfficace(nodo) : QString(),
                  estesa ? RigaEta(QStringLiteral(" "), QStringLiteral("\u03c4/fvd"), nodo.tau, catena->Res_Fvd, kRifTaglio)
                         : QString());
        if (appoggio)
            Controllo(box, "Verifica Appoggio - Compressione Perpendicolare alla fibratura", "s",
                      nodo.tens3, catena->Res_Fc90d, "fc90d", normativa, QString(),
                      estesa ? RigaEta(QStringLiteral(" "), QStringLiteral("\u03c3/fc90d"), nodo.tens3, catena->Res_Fc90d,
                                       kRifAppoggio + QStringLiteral("; \u03c3 = R/(B\u00b7Lef)"))
                             : QString());
    }

    if (monaco) {
        box.Accoda(QStringLiteral(" Saetta di destra") + LF);
        box.Accoda(LF);
        BloccoFaccia(box, tipo->etichetteFacce[0], 1, {nodo.F1B, nodo.Angolo1B, nodo.fd1B, nodo.tens1B}, normativa, estesa);
        if (!tipo->arretrato)
            BloccoFaccia(box, tipo->etichetteFacce[1], 2, {nodo.F2B, nodo.Angolo2B, nodo.fd2B, nodo.tens2B}, normativa,
                         estesa);
        box.Accoda(LF);
    }
    if (estesa)
        Esito(box, nodo, normativa);
}

}
