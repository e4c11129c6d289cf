#include "report/DocumentoRelazione.h"

#include "calcolo/NodoVerificato.h"
#include "report/RelazioneComune.h"
#include "report/SuperficieQTextEdit.h"

#include <QTextEdit>

namespace Relazione {

SezioneRelazione SezioneNodo(const clsNodo& nodo, int numero, const FonteCoefficienti& coefficienti)
{
    SezioneRelazione sezione;
    sezione.numero = numero;
    sezione.tipo = QString::fromStdString(nodo.TipoNodo).trimmed();
    sezione.verificato = NodoVerificato(nodo, coefficienti.normativa());
    sezione.normativa = Normative::Titolo(coefficienti.normativa());

    QTextEdit box;   // never shown: the report is written as the editor writes it on screen
    SuperficieQTextEdit superficie(&box);
    if (sezione.verificato) {
        CreaRelVerNodi(superficie, nodo, QString::number(numero), coefficienti);
    } else {
        CreaRelNonVerificato(superficie, QString::number(numero), QString(), coefficienti.normativa());
    }
    sezione.documento.reset(box.document()->clone(nullptr));
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

}
