#include "calcolo/RegistrazioneNodo.h"

#include "calcolo/ControlliNodo.h"
#include "calcolo/DettagliCostruttivi.h"
#include "calcolo/Numeri.h"
#include "calcolo/TipiNodo.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

float numero(const QString& testo) { return Numeri::LeggiFloat(testo).value_or(0.0f); }

}  // namespace

void CalcolaSezione(clsAsta& a, float piGreco)
{
    if (a.Base == 0.0f || a.Altezza == 0.0f)
        return;
    const QString sezione = QString::fromStdString(a.TipoSezione).trimmed();
    if (sezione == QStringLiteral("Rettangolare")) {
        const double h = a.Altezza;
        const double b = a.Base;
        a.area = static_cast<float>(h * b);
        a.ModInerzia = static_cast<float>(std::pow(h, 3) * b / 12.0);
        a.ModResistenza = static_cast<float>(std::pow(h, 2) * b / 6.0);
    } else if (sezione == QStringLiteral("Circolare")) {
        const double r = a.Base;
        a.area = static_cast<float>(std::pow(2.0 * r, 2) * piGreco / 4.0);
        a.ModInerzia = static_cast<float>(std::pow(r, 4) * piGreco / 4.0);
        a.ModResistenza = static_cast<float>(static_cast<double>(a.ModInerzia) / r);
    }
}

float GammaMUsato(const Coefficienti& c, int tipologia)
{
    if (tipologia != Tipologia::Nessuna && c.RigaTipologia(tipologia) == 0)
        return std::numeric_limits<float>::quiet_NaN();
    const float gm = tipologia == Tipologia::Nessuna ? 1.0f : c.gammaMTipologia(tipologia);
    return gm > 0.0f ? gm : 1.0f;
}

QString TipologiaSenzaRiga(const DatiNodo& dati, const Coefficienti& c)
{
    for (std::size_t k = 0; k < dati.aste.size(); ++k) {
        const int t = dati.aste[k].materiale.tipologia;
        if (dati.aste[k].materiale.numero >= 1 && t != Tipologia::Nessuna && c.RigaTipologia(t) == 0)
            return QStringLiteral("Il Materiale dell'Asta N. %1 è di Tipologia \"%2\", che la %3 non prevede "
                                  "(la sua Tabella 4.4.III non ne dà il coefficiente \u03b3M).\n"
                                  "Scegliere la NTC 2018 o un altro Materiale.")
                .arg(k + 1)
                .arg(Tipologia::Nome(t), Normative::Nome(c.normativa));
    }
    return {};
}

void CalcolaResistenzeProgetto(clsAsta& a, const Coefficienti& c)
{
    CalcolaResistenzeProgetto(a, c, Tipologia::DaDescrizione(QString::fromStdString(a.DescrizioneMateriale)));
}

void RicalcolaCalcolo(clsGenVerNodi& registro, const Coefficienti& c, const TipologieMateriali& tipologie,
                      const DurateCarico& durate)
{
    for (int n = 1; n <= registro.Nodi->Count(); ++n) {
        clsNodo& nodo = *registro.Nodi->Item(n);
        if (nodo.TipoNodo.empty() || !nodo.AsteReg)
            continue;
        for (int k = 1; k <= nodo.Asta->Count(); ++k) {
            clsAsta& a = *nodo.Asta->Item(k);
            if (a.NumeroMateriale >= 1)
                CalcolaResistenzeProgetto(a, c, tipologie.Di(a), durate.Di(nodo));
        }
        EseguiVerifica(registro, static_cast<std::int16_t>(n), c.normativa);
    }
}

void CalcolaResistenzeProgetto(clsAsta& a, const Coefficienti& c, int tipologia, int durata)
{
    const float kmod = c.valKmod(durata);
    const float gm = GammaMUsato(c, tipologia);
    a.Res_Fd = ((a.SforzoAssiale > 0.0f ? a.Res_Ft0k : a.Res_Fc0k) * kmod) / gm;
    a.Res_Fc0d = (a.Res_Fc0k * kmod) / gm;
    a.Res_Fvd = (a.Res_Fvk * kmod) / gm;
    a.Res_Fc90d = (a.Res_Fc90k * kmod) / gm;
}

bool RegistraNodo(clsGenVerNodi& registro, std::int16_t n, clsNodo& nodo, const DatiNodo& dati,
                  const Coefficienti& c, float piGreco, TipologieMateriali* tipologie, DurateCarico* durate)
{
    const TipoNodo* tipo = TipoNodo::perNome(dati.tipo);
    if (tipo == nullptr)
        return false;
    nodo.TipoNodo = dati.tipo.toStdString();
    if (tipo->appoggio) {
        nodo.ReazioneY = numero(dati.reazione);
        nodo.LunghezzaAppoggio = numero(dati.appoggio);
    }
    for (int i = 1; i <= 4; ++i)
        if (tipo->UsaMisura(i))
            nodo.*MisureNodo[static_cast<std::size_t>(i - 1)] = numero(dati.misure[static_cast<std::size_t>(i - 1)]);

    const int aste = static_cast<int>(dati.aste.size());
    for (int k = 1; k <= aste; ++k) {
        const DatiAsta& d = dati.aste[static_cast<std::size_t>(k - 1)];
        auto a = std::make_shared<clsAsta>();
        a->Altezza = d.sezione.trimmed() == QStringLiteral("Rettangolare") ? numero(d.altezza) : numero(d.base);
        a->Angolo = numero(d.angolo);
        a->Base = numero(d.base);
        // The sign typed by the user is not kept: the verifications use the magnitude.
        a->SforzoAssiale = static_cast<float>(std::fabs(Numeri::Leggi(d.sforzo).value_or(0.0)));
        a->TipoSezione = d.sezione.toStdString();
        CalcolaSezione(*a, piGreco);
        if (d.materiale.numero >= 1) {
            d.materiale.CopiaIn(*a);
            CalcolaResistenzeProgetto(*a, c, d.materiale.tipologia, dati.durata);
            if (tipologie)
                tipologie->Imposta(d.materiale.numero, d.materiale.descrizione, d.materiale.tipologia);
        }
        // A type changed to one with more bars than were registered: the new bars are
        // appended, as only registered bars can be modified.
        if (nodo.AsteReg && k <= nodo.Asta->Count())
            registro.ModificaAsta(n, static_cast<std::int16_t>(k), *a);
        else
            registro.AggiungiAsta(n, a);
    }
    // A type changed to one with fewer bars: the bars it no longer has leave the joint, so
    // neither the report nor the editor shows them as part of it.
    while (nodo.Asta->Count() > aste)
        nodo.Asta->Remove(nodo.Asta->Count());
    nodo.AsteReg = true;
    if (durate)
        durate->Imposta(registro.Nodi->Item(n), dati.durata);
    return true;
}

QString TestoTipoNonImplementato()
{
    return QStringLiteral("Impossibile Procedere.\nIl Tipo di nodo selezionato non è ancora implementato nella Classe");
}

QString EsitoVerifica::Motivo() const
{
    if (!tipoNoto)
        return TestoTipoNonImplementato();
    if (!errore.isNull())
        return errore;
    return nonValido.isEmpty() ? QString() : QStringLiteral("Il Nodo non è verificabile: ") + nonValido + QLatin1Char('.');
}

EsitoVerifica EseguiVerifica(clsGenVerNodi& registro, std::int16_t n, Normativa normativa)
{
    EsitoVerifica e;
    try {
        bool procedi = true;
        VerificaNodo(registro, n, procedi, &e.tipoNoto, normativa);
        if (procedi) {
            e.nonValido = RisultatoNonValido(*registro.Nodi->Item(n));
            e.eseguita = e.nonValido.isEmpty();
        }
    } catch (const ErroreCalcolo& x) {
        e.errore = QString::fromStdString(x.what());
    } catch (const std::out_of_range& x) {
        e.errore = QString::fromStdString(x.what());
    }
    return e;
}

namespace {

// The heel lengths as the verification reads them for the time of one call: lv,ef under
// NTC 2018; the typed values come back however the call ends.
class LunghezzeEfficaci {
public:
    LunghezzeEfficaci(clsNodo& nodo, bool attive) : nodo_(nodo), Lv_(nodo.Lv), LvB_(nodo.LvB)
    {
        if (attive) {
            nodo.Lv = DettagliCostruttivi::LunghezzaEfficace(nodo.Lv, nodo.tv);
            nodo.LvB = DettagliCostruttivi::LunghezzaEfficace(nodo.LvB, nodo.tvB);
        }
    }
    ~LunghezzeEfficaci()
    {
        nodo_.Lv = Lv_;
        nodo_.LvB = LvB_;
    }
    LunghezzeEfficaci(const LunghezzeEfficaci&) = delete;
    LunghezzeEfficaci& operator=(const LunghezzeEfficaci&) = delete;

private:
    clsNodo& nodo_;
    float Lv_;
    float LvB_;
};

}  // namespace

void VerificaNodo(clsGenVerNodi& registro, std::int16_t n, bool& procedi, bool* tipoNoto, Normativa normativa)
{
    const TipoNodo* tipo = TipoNodo::perNome(QString::fromStdString(registro.Nodi->Item(n)->TipoNodo));
    if (tipoNoto)
        *tipoNoto = tipo != nullptr;
    if (tipo == nullptr) {
        procedi = false;
        return;
    }
    LunghezzeEfficaci lunghezze(*registro.Nodi->Item(n), normativa == Normativa::NTC2018);
    (registro.*tipo->verifica)(procedi, n);
}
