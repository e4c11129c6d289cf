#include "report/RelazioneRiepilogo.h"

#include "report/FormatiRelazione.h"

#include "calcolo/ControlliNodo.h"
#include "calcolo/NodoVerificato.h"
#include "calcolo/TestiBrevi.h"

#include <QStringList>

#include <algorithm>

namespace Relazione {

namespace {
const QString kCorpo = QStringLiteral("Courier New");
const QString kTitolo = QStringLiteral("Times New Roman");
const QString LF = QStringLiteral("\n");

void Carattere(SuperficieRelazione& box, const QString& font, int punti, bool grassetto)
{
    box.NomeFont(font);
    box.DimensioneFont(punti);
    box.Grassetto(grassetto);
    box.Sottolineato(false);
}

QString Colonna(const QString& testo, int larghezza) { return testo.leftJustified(larghezza, QLatin1Char(' ')); }
}  // namespace

std::vector<RigaRiepilogo> Riepilogo(const clsGenVerNodi& registro, const FonteCoefficienti& coefficienti)
{
    std::vector<RigaRiepilogo> righe;
    const Normativa normativa = coefficienti.normativa();
    for (int n = 1; n <= registro.Nodi->Count(); ++n) {
        const clsNodo& nodo = *registro.Nodi->Item(n);
        RigaRiepilogo r;
        r.numero = n;
        r.tipo = QString::fromStdString(nodo.TipoNodo).trimmed();
        r.verificato = NodoVerificato(nodo, normativa);
        if (r.verificato) {
            const std::vector<ControlloNodo> controlli = ControlliNodo(nodo, normativa);
            r.esito = TuttiSuperati(controlli);
            if (const int d = Determinante(controlli); d >= 0) {
                r.determinante = controlli[static_cast<std::size_t>(d)].nome;
                r.eta = Eta(controlli[static_cast<std::size_t>(d)]);
            }
        }
        righe.push_back(r);
    }
    return righe;
}

int NodiNonVerificati(const std::vector<RigaRiepilogo>& righe)
{
    return static_cast<int>(std::count_if(righe.begin(), righe.end(), [](const RigaRiepilogo& r) { return !r.esito; }));
}

void CreaRelCopertina(SuperficieRelazione& box, const DatiProgetto& progetto, const FonteCoefficienti& coefficienti,
                      const std::vector<RigaRiepilogo>& righe, const QDate& data)
{
    box.Cancella();
    Carattere(box, kTitolo, 12, false);
    box.Accoda(LF + LF + LF);
    Carattere(box, kTitolo, 20, true);
    box.Accoda(QStringLiteral(" RELAZIONE DI CALCOLO") + LF);
    Carattere(box, kTitolo, 14, false);
    box.Accoda(QStringLiteral(" Verifica delle Unioni a Dente nelle Capriate in Legno") + LF);
    box.Accoda(QStringLiteral(" ") + Normative::Titolo(coefficienti.normativa()) + LF);
    box.Accoda(LF + LF);

    // A long field shows a prefix: the cover stays one page.
    Carattere(box, kTitolo, 12, false);
    for (const DatiProgetto::Campo& campo : DatiProgetto::Campi()) {
        if (campo.membro == &DatiProgetto::note)
            continue;
        const QString valore = progetto.*campo.membro;
        box.Grassetto(true);
        box.Accoda(QStringLiteral(" ") + QString::fromUtf8(campo.etichetta) + QStringLiteral(":  "));
        box.Grassetto(false);
        box.Accoda((valore.isEmpty() ? QStringLiteral("\u2013") : Abbreviato(valore, 120)) + LF);
    }
    if (!progetto.note.isEmpty()) {
        box.Accoda(LF);
        box.Grassetto(true);
        box.Accoda(QStringLiteral(" Note:") + LF);
        box.Grassetto(false);
        const QStringList note = progetto.note.split(LF);
        for (int i = 0; i < std::min<int>(static_cast<int>(note.size()), 12); ++i)
            box.Accoda(QStringLiteral(" ") + Abbreviato(note.at(i), 200) + LF);
    }
    box.Accoda(LF + LF);
    Carattere(box, kCorpo, 9, false);
    auto riga = [&box](const char* etichetta, const QString& valore) {
        box.Accoda(QStringLiteral(" ") + Colonna(QString::fromUtf8(etichetta), 22) + valore + LF);
    };
    riga("Normativa:", Normative::Titolo(coefficienti.normativa()));
    riga("Classe di Servizio:", coefficienti.strClasse());
    riga("Nodi del calcolo:", QString::number(righe.size()));
    riga("Nodi non verificati:", QString::number(NodiNonVerificati(righe)));
    riga("Data:", data.toString(QStringLiteral("dd/MM/yyyy")));
    riga("Programma:", QStringLiteral("Trevon-SL (libreria di calcolo QOR_TRVSL10)"));
}

void CreaRelRiepilogo(SuperficieRelazione& box, const std::vector<RigaRiepilogo>& righe)
{
    box.Cancella();
    Carattere(box, kTitolo, 12, true);
    box.Accoda(QStringLiteral(" RIEPILOGO DELLE VERIFICHE") + LF);
    Carattere(box, kCorpo, 8, false);
    box.Accoda(LF);
    box.Sottolineato(true);
    box.Accoda(QStringLiteral(" Nodo  ") + Colonna(QStringLiteral("Tipologia"), 36) + Colonna(QStringLiteral("\u03b7 max").rightJustified(9, QLatin1Char(' ')), 11) +
               QStringLiteral("Esito") + LF);
    box.Sottolineato(false);
    for (const RigaRiepilogo& r : righe) {
        const QString esito = r.esito ? QStringLiteral("VERIFICATO") : QStringLiteral("NON VERIFICATO");
        const QString eta = r.verificato ? FormatiRelazione::Percento(r.eta) : QStringLiteral("\u2013");
        box.Accoda(QStringLiteral(" ") + QString::number(r.numero).rightJustified(4, QLatin1Char(' ')) +
                   QStringLiteral("  ") + Colonna(Abbreviato(r.tipo.isEmpty() ? QStringLiteral("\u2013") : r.tipo, 34), 36) +
                   Colonna(eta.rightJustified(9, QLatin1Char(' ')), 11) + esito + LF);
        box.Accoda(QStringLiteral("       ") +
                   (r.verificato ? QStringLiteral("verifica determinante: ") + r.determinante
                                 : QStringLiteral("nodo non verificato (registrare e verificare il nodo)")) +
                   LF);
    }
    box.Accoda(LF);
    const int falliti = NodiNonVerificati(righe);
    box.Grassetto(true);
    box.Accoda(QStringLiteral(" Nodi che non soddisfano le verifiche: %1 su %2").arg(falliti).arg(righe.size()) + LF);
    box.Grassetto(false);
}

}
