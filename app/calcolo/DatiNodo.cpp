#include "calcolo/DatiNodo.h"

#include "calcolo/Numeri.h"
#include "calcolo/ProprietaMateriali.h"
#include "calcolo/TipiNodo.h"

MaterialeAsta MaterialeAsta::DaAsta(const clsAsta& a, const TipologieMateriali& tipologie)
{
    MaterialeAsta m;
    m.numero = a.NumeroMateriale;
    m.descrizione = QString::fromStdString(a.DescrizioneMateriale);
    m.tipologia = tipologie.Di(a);
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
        m.valori.insert(p.colonna, a.*p.membro);
    return m;
}

MaterialeAsta MaterialeAsta::DaArchivio(int numero, const QString& descrizione, const QHash<QString, double>& valori,
                                        int tipologia)
{
    MaterialeAsta m;
    m.numero = numero;
    m.descrizione = descrizione;
    m.tipologia = tipologia;
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte()) {
        const auto v = valori.constFind(p.colonna);
        if (v != valori.constEnd())
            m.valori.insert(p.colonna, static_cast<float>(*v));   // full stored precision
    }
    return m;
}

bool MaterialeAsta::operator==(const MaterialeAsta& o) const
{
    if (numero != o.numero || descrizione != o.descrizione || tipologia != o.tipologia)
        return false;
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
        if (Valore(p.colonna) != o.Valore(p.colonna))
            return false;
    return true;
}

void MaterialeAsta::CopiaIn(clsAsta& a) const
{
    a.NumeroMateriale = numero;
    a.DescrizioneMateriale = descrizione.toStdString();
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
        a.*p.membro = Valore(p.colonna);
}

DatiNodo DatiNodo::DaNodo(const clsNodo& nodo, const TipologieMateriali& tipologie)
{
    DatiNodo d;
    d.tipo = QString::fromStdString(nodo.TipoNodo);
    const TipoNodo* tipo = TipoNodo::perNome(d.tipo);
    if (tipo == nullptr)
        return d;
    for (int i = 1; i <= 4; ++i)
        if (tipo->UsaMisura(i))
            d.misure[static_cast<std::size_t>(i - 1)] = Numeri::Testo(nodo.*MisureNodo[static_cast<std::size_t>(i - 1)]);
    if (tipo->appoggio) {
        d.reazione = Numeri::Testo(nodo.ReazioneY);
        d.appoggio = Numeri::Testo(nodo.LunghezzaAppoggio);
    }
    for (int k = 1; k <= tipo->NumeroAste(); ++k) {
        DatiAsta b;
        if (k <= nodo.Asta->Count()) {
            const clsAsta& a = *nodo.Asta->Item(k);
            b.sezione = a.TipoSezione == "Circolare" ? QStringLiteral("Circolare") : QStringLiteral("Rettangolare");
            b.base = Numeri::Testo(a.Base);
            b.altezza = Numeri::Testo(a.Altezza);
            b.angolo = Numeri::Testo(a.Angolo);
            b.sforzo = Numeri::Testo(a.SforzoAssiale);
            b.materiale = MaterialeAsta::DaAsta(a, tipologie);
        } else {
            b.sezione = QStringLiteral("Rettangolare");
            if (k == tipo->astaVerticale)
                b.angolo = QStringLiteral("90");
        }
        d.aste.push_back(b);
    }
    return d;
}
