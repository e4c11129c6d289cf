#include "report/DocumentoRelazione.h"

#include "calcolo/NodoVerificato.h"
#include "report/RelazioneComune.h"
#include "report/RelazioneRiepilogo.h"
#include "report/SuperficieQTextEdit.h"

#include <QTextDocument>

namespace Relazione {

SezioneRelazione SezioneNodo(const clsNodo& nodo, int numero, const FonteCoefficienti& coefficienti)
{
    SezioneRelazione sezione;
    sezione.numero = numero;
    sezione.tipo = QString::fromStdString(nodo.TipoNodo).trimmed();
    sezione.verificato = NodoVerificato(nodo, coefficienti.normativa());
    sezione.normativa = Normative::Titolo(coefficienti.normativa());

    // A document alone, composed as the editor composes its box: no widget to build and lay out.
    sezione.documento = std::make_shared<QTextDocument>();
    {
        SuperficieQTextEdit superficie(sezione.documento.get());
        if (sezione.verificato)
            CreaRelVerNodi(superficie, nodo, QString::number(numero), coefficienti);
        else
            CreaRelNonVerificato(superficie, QString::number(numero), QString(), coefficienti.normativa());
    }
    return sezione;
}

std::vector<SezioneRelazione> SezioniCalcolo(const clsGenVerNodi& registro,
                                             const FonteCoefficienti& coefficienti,
                                             const std::function<bool(int, int)>& avanzamento)
{
    std::vector<SezioneRelazione> sezioni;
    for (int n = 1; n <= registro.Nodi->Count(); ++n) {
        if (avanzamento && !avanzamento(n - 1, registro.Nodi->Count()))
            return {};
        sezioni.push_back(SezioneNodo(*registro.Nodi->Item(n), n, coefficienti));
    }
    return sezioni;
}

namespace {

// A section composed by a writer of the surface, not a joint's.
template <class Scrivi>
SezioneRelazione SezioneComposta(const QString& titolo, const FonteCoefficienti& coefficienti, Scrivi scrivi)
{
    SezioneRelazione sezione;
    sezione.titolo = titolo;
    sezione.verificato = true;
    sezione.normativa = Normative::Titolo(coefficienti.normativa());
    sezione.documento = std::make_shared<QTextDocument>();
    {
        SuperficieQTextEdit superficie(sezione.documento.get());
        scrivi(superficie);
    }
    return sezione;
}

}  // namespace

std::vector<SezioneRelazione> RelazioneCompleta(const clsGenVerNodi& registro, const FonteCoefficienti& coefficienti,
                                                const DatiProgetto& progetto,
                                                const std::function<bool(int, int)>& avanzamento, const QDate& data)
{
    std::vector<SezioneRelazione> sezioni;
    if (registro.Nodi->Count() == 0)
        return sezioni;
    if (RelazioneEstesa(coefficienti) || !progetto.Vuoto()) {
        const std::vector<RigaRiepilogo> righe = Riepilogo(registro, coefficienti);
        sezioni.push_back(SezioneComposta(QStringLiteral("Frontespizio"), coefficienti, [&](SuperficieRelazione& box) {
            CreaRelCopertina(box, progetto, coefficienti, righe, data);
        }));
        sezioni.push_back(SezioneComposta(QStringLiteral("Riepilogo delle Verifiche"), coefficienti,
                                          [&](SuperficieRelazione& box) { CreaRelRiepilogo(box, righe); }));
    }
    std::vector<SezioneRelazione> nodi = SezioniCalcolo(registro, coefficienti, avanzamento);
    if (nodi.empty() && registro.Nodi->Count() > 0)
        return {};
    for (SezioneRelazione& s : nodi)
        sezioni.push_back(std::move(s));
    for (SezioneRelazione& s : sezioni)
        s.progetto = progetto;
    return sezioni;
}

}
