#include "calcolo/LineaComando.h"

#include "calcolo/AperturaCalcolo.h"
#include "calcolo/ControlliNodo.h"
#include "calcolo/FileCalcolo.h"
#include "calcolo/RisultatiNodo.h"
#include "calcolo/ScritturaFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cmath>
#include <map>

namespace LineaComando {

namespace {

const QString LF = QStringLiteral("\n");

struct Argomenti {
    QString calcolo, json, pdf;
    bool aiuto = false;
};

// The arguments, or the reason they are refused.
bool Analizza(const QStringList& a, Argomenti& r, QString& errore)
{
    for (int i = 0; i < a.size(); ++i) {
        const QString& o = a.at(i);
        auto valore = [&](QString& dove) {
            if (i + 1 >= a.size() || (a.at(i + 1).startsWith(QLatin1String("--")) && a.at(i + 1) != QLatin1String("-"))) {
                errore = QStringLiteral("Manca il file dopo %1.").arg(o);
                return false;
            }
            if (!dove.isNull()) {
                errore = QStringLiteral("%1 è indicato più volte.").arg(o);
                return false;
            }
            dove = a.at(++i);
            return true;
        };
        if (o == QLatin1String("--help") || o == QLatin1String("-h")) {
            r.aiuto = true;
        } else if (o == QLatin1String("--verifica")) {
            if (!valore(r.calcolo))
                return false;
        } else if (o == QLatin1String("--json")) {
            if (!valore(r.json))
                return false;
        } else if (o == QLatin1String("--pdf")) {
            if (!valore(r.pdf))
                return false;
        } else {
            errore = QStringLiteral("Argomento sconosciuto: %1").arg(o);
            return false;
        }
    }
    if (!r.aiuto && r.calcolo.isEmpty()) {
        errore = QStringLiteral("Indicare il Calcolo da verificare con --verifica CALCOLO.trv.");
        return false;
    }
    if (r.pdf == QLatin1String("-")) {
        errore = QStringLiteral("La relazione PDF va scritta in un file, non sullo standard output.");
        return false;
    }
    return true;
}

// A float result as JSON: its shortest decimal form; a value that is not finite has none.
QJsonValue Valore(float v)
{
    return std::isfinite(v) ? QJsonValue(FileCalcolo::PerJson(v)) : QJsonValue(QJsonValue::Null);
}

// A utilisation, percent with one decimal as the report prints it; null when not finite.
QJsonValue ValoreEta(double v)
{
    return std::isfinite(v) ? QJsonValue(std::round(v * 10.0) / 10.0) : QJsonValue(QJsonValue::Null);
}

}  // namespace

bool Richiesta(const QStringList& argomenti)
{
    // Qt's own options take one dash (-platform, -style); any "--" word is ours, so a mistyped
    // option is refused on the command line instead of starting the windows.
    for (const QString& a : argomenti)
        if (a.startsWith(QLatin1String("--")) || a == QLatin1String("-h"))
            return true;
    return false;
}

QString Uso()
{
    return QStringLiteral(
        "Uso: Trevon-SL --verifica CALCOLO.trv [--json RISULTATI.json|-] [--pdf RELAZIONE.pdf]\n"
        "\n"
        "Verifica ogni nodo del Calcolo senza aprire alcuna finestra.\n"
        "  --verifica CALCOLO.trv  il Calcolo salvato da Trevon-SL (\"Salva Calcolo\")\n"
        "  --json FILE             scrive gli esiti in JSON; \"-\" li scrive sullo standard output\n"
        "  --pdf FILE              scrive la Relazione Completa in PDF\n"
        "  --help                  questo testo\n"
        "\n"
        "Stato di uscita: 0 ogni nodo verificato e ogni verifica soddisfatta;\n"
        "1 un nodo non soddisfa una verifica o non è stato verificato;\n"
        "2 argomenti, file o scrittura dei risultati rifiutati.\n");
}

int Esegui(const QStringList& argomenti, QTextStream& out, QTextStream& err, const ScrittorePdf& pdf)
{
    Argomenti arg;
    QString errore;
    if (!Analizza(argomenti, arg, errore)) {
        err << errore << LF << LF << Uso();
        err.flush();
        return Rifiutato;
    }
    if (arg.aiuto) {
        out << Uso();
        out.flush();
        return TuttoVerificato;
    }

    auto rifiuta = [&](const QString& motivo) {
        err << QStringLiteral("Impossibile aprire il Calcolo:") << LF << arg.calcolo << LF << LF << motivo << LF;
        err.flush();
        return Rifiutato;
    };
    const FileCalcolo::Lettura lettura = FileCalcolo::LeggiFile(arg.calcolo);
    if (!lettura.calcolo)
        return rifiuta(lettura.errore);
    const FileCalcolo::Calcolo& letto = *lettura.calcolo;

    // The library's own messages, by joint.
    std::map<int, QStringList> messaggi;
    int nodoInVerifica = 0;
    auto registro = std::make_shared<clsGenVerNodi>([&](const std::string& testo, bool) {
        messaggi[nodoInVerifica] << QString::fromStdString(testo);
    });
    const float piGreco = static_cast<float>(4.0 * std::atan(1.0));
    const AperturaCalcolo apertura = RegistraCalcolo(letto, registro, letto.coefficienti, piGreco,
                                                     [&nodoInVerifica](int n) { nodoInVerifica = n; });
    if (!apertura.Accettato())
        return rifiuta(QStringLiteral("Il Nodo N.%1 non supera il controllo dei dati:").arg(apertura.nodoRifiutato) + LF +
                       apertura.rifiuto);

    int esito = TuttoVerificato;
    QJsonArray nodi;
    for (int n = 1; n <= registro->Nodi->Count(); ++n) {
        const clsNodo& nodo = *registro->Nodi->Item(n);
        const EsitoVerifica& v = apertura.verifiche[static_cast<std::size_t>(n - 1)];
        QJsonObject o;
        o.insert(QStringLiteral("numero"), n);
        o.insert(QStringLiteral("tipo"), QString::fromStdString(nodo.TipoNodo));
        if (!nodo.TipoNodo.empty())
            o.insert(QStringLiteral("durataCarico"), DurataCarico::Nome(apertura.durate.Di(nodo)));
        QString testoEsito = QStringLiteral("NON ESEGUITA");
        QString messaggio;
        QJsonArray verifiche;
        if (nodo.TipoNodo.empty()) {
            messaggio = QStringLiteral("Nodo senza Tipo Unione: non registrato.");
        } else if (!v.errore.isNull()) {
            messaggio = QStringLiteral("Impossibile eseguire Verifica\n") + v.errore;
        } else if (!v.nonValido.isEmpty()) {
            messaggio = v.Motivo();
        } else if (!v.eseguita) {
            messaggio = messaggi[n].join(LF);
        } else {
            bool tutte = true;
            const std::vector<ControlloNodo> controlli = ControlliNodo(nodo, letto.coefficienti.normativa);
            for (const ControlloNodo& c : controlli) {
                QJsonObject j;
                j.insert(QStringLiteral("nome"), c.nome);
                j.insert(QStringLiteral("sollecitazione"), Valore(c.sollecitazione));
                j.insert(QStringLiteral("resistenza"), Valore(c.resistenza));
                j.insert(QStringLiteral("eta"), ValoreEta(Eta(c)));
                j.insert(QStringLiteral("esito"), c.esito);
                verifiche.append(j);
                tutte = tutte && c.esito;
            }
            if (const int d = Determinante(controlli); d >= 0) {
                const ControlloNodo& c = controlli[static_cast<std::size_t>(d)];
                o.insert(QStringLiteral("determinante"),
                         QJsonObject{{QStringLiteral("nome"), c.nome}, {QStringLiteral("eta"), ValoreEta(Eta(c))}});
            }
            testoEsito = tutte ? QStringLiteral("VERIFICA") : QStringLiteral("NON VERIFICA");
            messaggio = messaggi[n].join(LF);
        }
        if (testoEsito != QLatin1String("VERIFICA"))
            esito = NonVerificato;
        o.insert(QStringLiteral("esito"), testoEsito);
        o.insert(QStringLiteral("messaggio"), messaggio);
        QJsonObject risultati;
        if (!nodo.TipoNodo.empty() && v.errore.isNull() && v.eseguita)
            for (const RisultatoNodo& r : RisultatoNodo::ScrittiDa(nodo))
                risultati.insert(QLatin1String(r.nome), Valore(nodo.*r.membro));
        o.insert(QStringLiteral("risultati"), risultati);
        o.insert(QStringLiteral("verifiche"), verifiche);
        nodi.append(o);
    }

    if (!arg.json.isEmpty()) {
        QJsonObject radice;
        radice.insert(QStringLiteral("formato"), QStringLiteral("Trevon-SL Esito"));
        radice.insert(QStringLiteral("versione"), 1);
        radice.insert(QStringLiteral("normativa"), Normative::Nome(letto.coefficienti.normativa));
        radice.insert(QStringLiteral("nodi"), nodi);
        const QByteArray dati = QJsonDocument(radice).toJson(QJsonDocument::Indented);
        if (arg.json == QLatin1String("-")) {
            out << QString::fromUtf8(dati);
            out.flush();
        } else if (!ScriviFileCompleto(arg.json, dati, errore)) {
            err << QStringLiteral("Impossibile scrivere i risultati nel file:") << LF << arg.json << LF << errore << LF;
            err.flush();
            return Rifiutato;
        }
    }
    if (!arg.pdf.isEmpty()) {
        if (!pdf || !pdf(*registro, letto.coefficienti, letto.tipologie, apertura.durate, letto.progetto, arg.pdf, errore)) {
            err << QStringLiteral("Impossibile scrivere la relazione nel file:") << LF << arg.pdf << LF << errore << LF;
            err.flush();
            return Rifiutato;
        }
    }
    return esito;
}

}  // namespace LineaComando
