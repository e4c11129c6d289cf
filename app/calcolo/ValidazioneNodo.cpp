#include "calcolo/ValidazioneNodo.h"

#include "calcolo/GeometriaNodo.h"
#include "calcolo/Numeri.h"
#include "calcolo/TestiBrevi.h"
#include "calcolo/TipiNodo.h"

#include <optional>

namespace {

// Bar numbers in messages read "Asta N. 2".
QString numeroAsta(int i) { return QLatin1Char(' ') + QString::number(i); }

EsitoValidazione Rifiuto(CampoNodo::Tipo tipo, int indice, const QString& messaggio, int passo)
{
    return EsitoValidazione{false, CampoNodo{tipo, indice}, messaggio, passo};
}

}  // namespace

EsitoValidazione ValidaNodo(const DatiNodo& dati)
{
    using T = CampoNodo::Tipo;

    // 1. Joint type.
    const TipoNodo* tipo = TipoNodo::perNome(dati.tipo);
    if (dati.tipo.isEmpty())
        return Rifiuto(T::TipoNodo, 0, QStringLiteral("Selezionare Tipo Unione"), 1);

    // 2. Notch measures that the type asks for.
    for (int i = 1; i <= 4 && tipo; ++i) {
        if (!tipo->UsaMisura(i))
            continue;
        const std::optional<float> v = Numeri::LeggiFloat(dati.misure[static_cast<std::size_t>(i - 1)]);
        if (!v || !(*v > 0.0f))
            return Rifiuto(T::Misura, i,
                           QStringLiteral("Inserire Misura Intaglio ") + tipo->didascalie[static_cast<std::size_t>(i - 1)] +
                               (v ? QStringLiteral(" >0.") : QStringLiteral(", con formato Numerico Corretto.")), 2);
    }

    // 3. Support values: an empty field means no support.
    auto supporto = [](const QString& t) { return t.trimmed().isEmpty() ? QStringLiteral("0") : t; };
    if (!Numeri::EUnNumero(supporto(dati.reazione)))
        return Rifiuto(T::Reazione, 0, QStringLiteral("Inserire Reazione Vincolare con formato Numerico Corretto."), 3);
    if (!Numeri::EUnNumero(supporto(dati.appoggio)))
        return Rifiuto(T::Appoggio, 0, QStringLiteral("Inserire Lunghezza Appoggio con formato Numerico Corretto."), 3);
    // A bearing length below zero has no meaning (zero: no support check). The reaction's
    // sign is ignored by the check.
    if (*Numeri::LeggiFloat(supporto(dati.appoggio)) < 0.0f)
        return Rifiuto(T::Appoggio, 0, QStringLiteral("Inserire Lunghezza Appoggio positiva, o zero se non c'è appoggio."), 3);

    // 4. Bars.
    for (int i = 1; i <= static_cast<int>(dati.aste.size()); ++i) {
        const DatiAsta& a = dati.aste[static_cast<std::size_t>(i - 1)];
        const QString n = numeroAsta(i);
        if (a.sezione.isEmpty())
            return Rifiuto(T::Sezione, i, QStringLiteral("Selezionare Tipo Sezione Asta N.") + n, 4);
        const QString prefisso = a.sezione == QStringLiteral("Circolare")
                                     ? QStringLiteral("Inserire Raggio Sezione Asta N.")
                                     : QStringLiteral("Inserire Base Sezione Asta N.");
        const std::optional<float> b = Numeri::LeggiFloat(a.base);
        if (!b || !(*b > 0.0f))
            return Rifiuto(T::Base, i,
                           prefisso + n + (b ? QStringLiteral(" >0.") : QStringLiteral(" con formato Numerico Corretto.")), 4);
        if (a.sezione == QStringLiteral("Rettangolare")) {
            const std::optional<float> h = Numeri::LeggiFloat(a.altezza);
            if (!h || !(*h > 0.0f))
                return Rifiuto(T::Altezza, i,
                               QStringLiteral("Inserire Altezza Sezione Asta N.") + n +
                                   (h ? QStringLiteral(" >0.") : QStringLiteral(" con formato Numerico Corretto.")), 4);
        }
        if (!a.angolo.isEmpty()) {
            const std::optional<float> g = Numeri::LeggiFloat(a.angolo);
            if (!g)
                return Rifiuto(T::Angolo, i,
                               QStringLiteral("Inserire Angolo Asta N.") + n + QStringLiteral(" con formato Numerico Corretto."), 4);
            if (*g < 0.0f)
                return Rifiuto(T::Angolo, i, QStringLiteral("Inserire Angolo Asta N.") + n + QStringLiteral(" positivo."), 4);
            if (*g != 0.0f && tipo && i == tipo->astaOrizzontale)
                return Rifiuto(T::Angolo, i,
                               QStringLiteral("L'Angolo dell'Asta N.") + n +
                                   QStringLiteral(", Ossia della catena deve essere ZERO."), 4);
        }
        if (!a.sforzo.isEmpty() && !Numeri::EUnNumero(a.sforzo))
            return Rifiuto(T::Sforzo, i,
                           QStringLiteral("Inserire Sforzo Assiale Asta N.") + n +
                               QStringLiteral(" con formato Numerico Corretto."), 4);
        if (a.materiale.numero < 1)
            return Rifiuto(T::Materiale, i, QStringLiteral("Specificare Materiale Asta N.") + n, 4);
        // γM is that of the material's timber type: never guessed, never 1 by default.
        if (a.materiale.tipologia == Tipologia::Nessuna)
            return Rifiuto(T::Materiale, i,
                           QStringLiteral("Il Materiale N. %1 \"%2\" dell'Asta N.%3 non ha la Tipologia "
                                          "(legno massiccio, lamellare, ...) che ne dà il coefficiente \u03b3M.\n"
                                          "Impostarla nella sua Scheda (Tabella Materiali).")
                               .arg(a.materiale.numero)
                               .arg(Abbreviato(a.materiale.descrizione))
                               .arg(n),
                           4);
    }

    // 5. The notch may take less than half the depth of the notched bar. A circular bar's
    // depth is its diameter, twice the radius held in its width field.
    if (tipo && tipo->astaIntagliata <= static_cast<int>(dati.aste.size())) {
        const DatiAsta& intagliata = dati.aste[static_cast<std::size_t>(tipo->astaIntagliata - 1)];
        const bool circolare = intagliata.sezione == QStringLiteral("Circolare");
        const std::optional<float> tv = Numeri::LeggiFloat(dati.misure[0]);
        std::optional<float> h = Numeri::LeggiFloat(circolare ? intagliata.base : intagliata.altezza);
        if (h && circolare)
            *h *= 2.0f;
        if (tv && h && !(*tv < *h / 2.0f))
            return Rifiuto(T::Misura, 1,
                           QStringLiteral("La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza ") +
                               tipo->nomeIntagliata, 5);
    }

    // 6. The geometry of the joint must exist for its inclinations and notches.
    if (tipo) {
        std::vector<double> angoli, altezze;
        for (const DatiAsta& a : dati.aste) {
            angoli.push_back(Numeri::LeggiFloat(a.angolo).value_or(0.0f));
            altezze.push_back(Numeri::LeggiFloat(a.sezione.trimmed() == QStringLiteral("Rettangolare") ? a.altezza : a.base)
                                  .value_or(0.0f));
        }
        std::array<double, 4> misure{};
        for (std::size_t i = 0; i < 4; ++i)
            misure[i] = Numeri::LeggiFloat(dati.misure[i]).value_or(0.0f);
        FuoriGeometria e;
        if (!AngoliValidi(*tipo, angoli, e))
            return Rifiuto(T::Angolo, e.asta, e.messaggio, 6);
        if (!DentiValidi(*tipo, angoli, altezze, misure, e))
            return Rifiuto(T::Misura, e.misura, e.messaggio, 6);
    }
    return {};
}
