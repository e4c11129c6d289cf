#include "calcolo/FileCalcolo.h"

#include "calcolo/GeometriaNodo.h"
#include "calcolo/Numeri.h"
#include "calcolo/ProprietaMateriali.h"
#include "calcolo/TestiBrevi.h"
#include "calcolo/TipiNodo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <charconv>
#include <sys/stat.h>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace FileCalcolo {

namespace {

QString TroppoGrande()
{
    return QStringLiteral("Il file è troppo grande per essere un Calcolo di Trevon-SL (al massimo %1 MB).")
        .arg(MassimaDimensione / (1024 * 1024));
}

const QString Formato = QStringLiteral("Trevon-SL Calcolo");

struct ValoreNodo {
    const char* chiave;
    float clsNodo::*campo;
};
const ValoreNodo valoriNodo[] = {
    {"tv", &clsNodo::tv},               {"Lv", &clsNodo::Lv},
    {"ReazioneY", &clsNodo::ReazioneY}, {"LunghezzaAppoggio", &clsNodo::LunghezzaAppoggio},
    {"tvB", &clsNodo::tvB},             {"LvB", &clsNodo::LvB},
};

// The JSON parser's errors in Italian.
QString TestoErroreJson(QJsonParseError::ParseError e)
{
    switch (e) {
    case QJsonParseError::UnterminatedObject: return QStringLiteral("oggetto non chiuso");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("manca il separatore \":\"");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("elenco non chiuso");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("manca il separatore \",\"");
    case QJsonParseError::IllegalValue: return QStringLiteral("valore non ammesso");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("il file finisce dentro un numero");
    case QJsonParseError::IllegalNumber: return QStringLiteral("numero non valido");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("sequenza di escape non valida");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("testo non in UTF-8");
    case QJsonParseError::UnterminatedString: return QStringLiteral("testo non chiuso");
    case QJsonParseError::MissingObject: return QStringLiteral("manca un oggetto");
    case QJsonParseError::DeepNesting: return QStringLiteral("annidamento troppo profondo");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("documento troppo grande");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("caratteri in eccesso dopo la fine");
    case QJsonParseError::NoError: break;
    }
    return QStringLiteral("errore di sintassi");
}

// A refusal while reading: the reason, in Italian.
struct Rifiuto : std::runtime_error {
    explicit Rifiuto(const QString& t) : std::runtime_error(t.toStdString()), testo(t) {}
    QString testo;
};

QJsonValue Campo(const QJsonObject& o, const char* chiave, const QString& dove)
{
    const QJsonValue v = o.value(QLatin1String(chiave));
    if (v.isUndefined())
        throw Rifiuto(dove + QStringLiteral("manca il valore \"%1\".").arg(QLatin1String(chiave)));
    return v;
}

float Numero(const QJsonObject& o, const char* chiave, const QString& dove)
{
    const QJsonValue v = Campo(o, chiave, dove);
    const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!v.isDouble() || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
        throw Rifiuto(dove + QStringLiteral("il valore \"%1\" non è un numero valido.").arg(QLatin1String(chiave)));
    return static_cast<float>(d);
}

qint64 Intero(const QJsonObject& o, const char* chiave, const QString& dove, qint64 minimo, qint64 massimo)
{
    const QJsonValue v = Campo(o, chiave, dove);
    const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < static_cast<double>(minimo) ||
        d > static_cast<double>(massimo))
        throw Rifiuto(dove + QStringLiteral("il valore \"%1\" deve essere un numero intero da %2 a %3.")
                                 .arg(QLatin1String(chiave))
                                 .arg(minimo)
                                 .arg(massimo));
    return static_cast<qint64>(d);
}

QString Testo(const QJsonObject& o, const char* chiave, const QString& dove)
{
    const QJsonValue v = Campo(o, chiave, dove);
    if (!v.isString())
        throw Rifiuto(dove + QStringLiteral("il valore \"%1\" deve essere un testo.").arg(QLatin1String(chiave)));
    return v.toString();
}

void Positivo(float v, const QString& dove, const QString& nome)
{
    if (!(v > 0.0f))
        throw Rifiuto(dove + nome + QStringLiteral(" deve essere maggiore di 0."));
}

void NonNegativo(float v, const QString& dove, const QString& nome)
{
    if (v < 0.0f)
        throw Rifiuto(dove + nome + QStringLiteral(" non può essere negativo."));
}

std::shared_ptr<clsAsta> LeggiAsta(const QJsonValue& valore, const QString& tipo, int k, const QString& doveNodo,
                                   TipologieMateriali& tipologie, const Coefficienti& coefficienti)
{
    const QString dove = doveNodo.left(doveNodo.size() - 2) + QStringLiteral(", Asta N.%1: ").arg(k);
    if (!valore.isObject())
        throw Rifiuto(dove + QStringLiteral("i dati dell'asta non sono leggibili."));
    const QJsonObject o = valore.toObject();
    auto a = std::make_shared<clsAsta>();
    const QString sezione = Testo(o, "TipoSezione", dove);
    if (sezione != QStringLiteral("Rettangolare") && sezione != QStringLiteral("Circolare"))
        throw Rifiuto(dove + QStringLiteral("tipo di sezione sconosciuto \"%1\".").arg(Abbreviato(sezione)));
    a->TipoSezione = sezione.toStdString();
    a->Base = Numero(o, "Base", dove);
    a->Altezza = Numero(o, "Altezza", dove);
    a->Angolo = Numero(o, "Angolo", dove);
    a->SforzoAssiale = Numero(o, "SforzoAssiale", dove);
    Positivo(a->Base, dove, sezione == QStringLiteral("Circolare") ? QStringLiteral("il Raggio della sezione")
                                                                    : QStringLiteral("la Base della sezione"));
    if (sezione == QStringLiteral("Rettangolare"))
        Positivo(a->Altezza, dove, QStringLiteral("l'Altezza della sezione"));
    else
        NonNegativo(a->Altezza, dove, QStringLiteral("l'Altezza della sezione"));
    NonNegativo(a->Angolo, dove, QStringLiteral("l'Angolo"));
    const TipoNodo* t = TipoNodo::perNome(tipo);
    if (t && k == t->astaOrizzontale && a->Angolo != 0.0f)
        throw Rifiuto(dove + QStringLiteral("l'Angolo della catena deve essere zero."));
    NonNegativo(a->SforzoAssiale, dove, QStringLiteral("lo Sforzo Assiale (se ne registra il valore assoluto)"));

    const QJsonValue m = Campo(o, "materiale", dove);
    if (!m.isObject())
        throw Rifiuto(dove + QStringLiteral("i dati del materiale non sono leggibili."));
    const QJsonObject mat = m.toObject();
    a->NumeroMateriale = static_cast<std::int32_t>(Intero(mat, "Numero", dove, 1, std::numeric_limits<std::int32_t>::max()));
    a->DescrizioneMateriale = Testo(mat, "Descrizione", dove).toStdString();
    for (const ProprietaMateriale& p : ProprietaMateriale::Tutte()) {
        const QByteArray chiave = p.chiaveFile.toLatin1();
        (*a).*p.membro = Numero(mat, chiave.constData(), dove);
    }
    // Files written before the type was stated have none: the description's words then name it.
    if (mat.contains(QStringLiteral("Tipologia")))
        tipologie.Imposta(a->NumeroMateriale, QString::fromStdString(a->DescrizioneMateriale),
                          static_cast<int>(Intero(mat, "Tipologia", dove, 1, Tipologia::Massima)));
    if (const int t = tipologie.Di(*a); t != Tipologia::Nessuna && coefficienti.RigaTipologia(t) == 0)
        throw Rifiuto(dove + QStringLiteral("il materiale è di Tipologia \"%1\", che la %2 non prevede.")
                                 .arg(Tipologia::Nome(t), Normative::Nome(coefficienti.normativa)));
    return a;
}

std::shared_ptr<clsNodo> LeggiNodo(const QJsonValue& valore, int n, Calcolo& calcolo)
{
    const QString dove = QStringLiteral("Nodo N.%1: ").arg(n);
    if (!valore.isObject())
        throw Rifiuto(dove + QStringLiteral("i dati del nodo non sono leggibili."));
    const QJsonObject o = valore.toObject();
    auto nodo = std::make_shared<clsNodo>();
    const QString tipo = Testo(o, "tipo", dove);
    const TipoNodo* t = TipoNodo::perNome(tipo);
    if (!tipo.isEmpty() && t == nullptr)
        throw Rifiuto(dove + QStringLiteral("tipo di nodo sconosciuto \"%1\".").arg(Abbreviato(tipo)));
    nodo->TipoNodo = tipo.toStdString();
    for (const ValoreNodo& v : valoriNodo)
        (*nodo).*v.campo = Numero(o, v.chiave, dove);

    // The notch measures a type asks for must be positive; the others are kept as saved
    // (a value left by an earlier type) and only may not be negative.
    for (int i : {0, 1, 4, 5}) {
        const float v = (*nodo).*valoriNodo[i].campo;
        const QString nome = QStringLiteral("la misura %1").arg(QLatin1String(valoriNodo[i].chiave));
        int misura = 0;   // txtMis index of this value
        for (int m = 1; m <= 4; ++m)
            if (MisureNodo[static_cast<std::size_t>(m - 1)] == valoriNodo[i].campo)
                misura = m;
        if (t && t->UsaMisura(misura))
            Positivo(v, dove, nome);
        else
            NonNegativo(v, dove, nome);
    }
    // Zero means no support; the reaction's sign is ignored by the check.
    if (nodo->LunghezzaAppoggio < 0.0f)
        throw Rifiuto(dove + QStringLiteral("la Lunghezza dell'Appoggio non può essere minore di 0."));

    const QJsonValue aste = Campo(o, "aste", dove);
    if (!aste.isArray())
        throw Rifiuto(dove + QStringLiteral("l'elenco delle aste non è leggibile."));
    const QJsonArray elenco = aste.toArray();
    const int attese = t ? t->NumeroAste() : 0;
    if (elenco.size() != attese)
        throw Rifiuto(dove + QStringLiteral("il nodo ha %1 aste, il suo tipo ne prevede %2.")
                                 .arg(elenco.size())
                                 .arg(attese));
    for (int k = 1; k <= attese; ++k)
        nodo->Asta->Add(LeggiAsta(elenco.at(k - 1), tipo, k, dove, calcolo.tipologie, calcolo.coefficienti));
    if (t) {
        std::vector<double> angoli;
        for (int k = 1; k <= attese; ++k)
            angoli.push_back(nodo->Asta->Item(k)->Angolo);
        FuoriGeometria e;
        if (!AngoliValidi(*t, angoli, e))
            throw Rifiuto(dove.left(dove.size() - 2) + QStringLiteral(", Asta N.%1: ").arg(e.asta) + e.messaggio);
    }
    nodo->AsteReg = attese > 0;
    if (o.contains(QStringLiteral("durataCarico"))) {
        const QString durata = Testo(o, "durataCarico", dove);
        const int d = DurataCarico::PerNome(durata);
        if (d == 0)
            throw Rifiuto(dove + QStringLiteral("classe di durata del carico sconosciuta \"%1\" (ammesse: %2).")
                                     .arg(Abbreviato(durata), DurataCarico::Nomi().join(QStringLiteral(", "))));
        calcolo.durate.Imposta(nodo, d);
    }
    return nodo;
}

}  // namespace

double PerJson(float v)
{
    char testo[64];
    const auto fine = std::to_chars(testo, testo + sizeof testo, v).ptr;
    double d = 0;
    std::from_chars(testo, fine, d);
    return d;
}

Lettura LeggiFile(const QString& percorso)
{
    Lettura esito;
    // Only a regular file: a FIFO would block the program for ever, a device would read
    // without end.
    struct stat info {};
    if (::stat(QFile::encodeName(percorso).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        esito.errore = QStringLiteral("Il percorso non indica un file ordinario (è una cartella, un dispositivo o "
                                      "un canale): non può contenere un Calcolo.");
        return esito;
    }
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        esito.errore = QStringLiteral("Il file non può essere letto (") + file.errorString() + QStringLiteral(").");
        return esito;
    }
    // Read at most one byte past the limit, whatever size the file claims.
    const QByteArray dati = file.read(MassimaDimensione + 1);
    if (file.size() > MassimaDimensione || dati.size() > MassimaDimensione) {
        esito.errore = TroppoGrande();
        return esito;
    }
    return Leggi(dati);
}

QByteArray Scrivi(const Calcolo& calcolo)
{
    QJsonArray nodi;
    for (const std::shared_ptr<clsNodo>& nodo : calcolo.nodi) {
        QJsonObject n;
        n.insert(QStringLiteral("tipo"), QString::fromStdString(nodo->TipoNodo));
        for (const ValoreNodo& v : valoriNodo)
            n.insert(QLatin1String(v.chiave), PerJson((*nodo).*v.campo));
        QJsonArray aste;
        for (int k = 1; k <= nodo->Asta->Count(); ++k) {
            const clsAsta& a = *nodo->Asta->Item(k);
            QJsonObject m;
            m.insert(QStringLiteral("Numero"), static_cast<qint64>(a.NumeroMateriale));
            m.insert(QStringLiteral("Descrizione"), QString::fromStdString(a.DescrizioneMateriale));
            for (const ProprietaMateriale& p : ProprietaMateriale::Tutte())
                m.insert(p.chiaveFile, PerJson(a.*p.membro));
            if (const int t = calcolo.tipologie.Di(a); t != Tipologia::Nessuna)
                m.insert(QStringLiteral("Tipologia"), t);
            QJsonObject o;
            o.insert(QStringLiteral("TipoSezione"), QString::fromStdString(a.TipoSezione));
            o.insert(QStringLiteral("Base"), PerJson(a.Base));
            o.insert(QStringLiteral("Altezza"), PerJson(a.Altezza));
            o.insert(QStringLiteral("Angolo"), PerJson(a.Angolo));
            o.insert(QStringLiteral("SforzoAssiale"), PerJson(a.SforzoAssiale));
            o.insert(QStringLiteral("materiale"), m);
            aste.append(o);
        }
        n.insert(QStringLiteral("aste"), aste);
        n.insert(QStringLiteral("durataCarico"), DurataCarico::Nome(calcolo.durate.Di(*nodo)));
        nodi.append(n);
    }
    const Coefficienti& c = calcolo.coefficienti;
    QJsonArray kmod, gammaM;
    for (const auto& classe : c.kmod) {
        QJsonArray riga;
        for (float v : classe)
            riga.append(PerJson(v));
        kmod.append(riga);
    }
    for (float v : c.gammaM)
        gammaM.append(PerJson(v));
    QJsonObject coefficienti;
    coefficienti.insert(QStringLiteral("classeServizio"), c.classeServizio);
    coefficienti.insert(QStringLiteral("colonnaGammaM"), QString(QLatin1Char(c.colonnaGammaM)));
    coefficienti.insert(QStringLiteral("kmod"), kmod);
    coefficienti.insert(QStringLiteral("gammaM"), gammaM);

    QJsonObject radice;
    radice.insert(QStringLiteral("formato"), Formato);
    radice.insert(QStringLiteral("versione"), Versione);
    radice.insert(QStringLiteral("normativa"), Normative::Nome(c.normativa));
    QJsonObject progetto;
    for (const DatiProgetto::Campo& campo : DatiProgetto::Campi())
        progetto.insert(QLatin1String(campo.chiave), calcolo.progetto.*campo.membro);
    radice.insert(QStringLiteral("progetto"), progetto);
    radice.insert(QStringLiteral("coefficienti"), coefficienti);
    radice.insert(QStringLiteral("nodi"), nodi);
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}

Lettura Leggi(const QByteArray& dati)
{
    Lettura esito;
    const QString nonCalcolo = QStringLiteral("Il file non contiene un Calcolo di Trevon-SL.");
    if (dati.trimmed().isEmpty()) {
        esito.errore = QStringLiteral("Il file è vuoto.");
        return esito;
    }
    if (dati.size() > MassimaDimensione) {
        esito.errore = TroppoGrande();
        return esito;
    }
    QByteArray testo = dati;
    if (testo.startsWith("\xEF\xBB\xBF"))   // a byte-order mark left by a text editor
        testo.remove(0, 3);
    if (!testo.trimmed().startsWith('{')) {
        esito.errore = nonCalcolo;
        return esito;
    }
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(testo, &errore);
    if (errore.error != QJsonParseError::NoError) {
        esito.errore = QStringLiteral("Il file è danneggiato o incompleto (errore al carattere %1: %2).")
                           .arg(errore.offset)
                           .arg(TestoErroreJson(errore.error));
        return esito;
    }
    const QJsonObject radice = documento.object();
    if (radice.value(QStringLiteral("formato")).toString() != Formato) {
        esito.errore = nonCalcolo;
        return esito;
    }
    try {
        const QString dove;
        const qint64 versione = Intero(radice, "versione", dove, 1, std::numeric_limits<int>::max());
        if (versione > Versione)
            throw Rifiuto(QStringLiteral("Il file è stato scritto da una versione più recente di Trevon-SL "
                                         "(formato %1; questo programma legge fino al formato %2).\n"
                                         "Aggiornare il programma per aprirlo.")
                              .arg(versione)
                              .arg(Versione));
        Calcolo calcolo;
        Coefficienti& cf = calcolo.coefficienti;
        // A file without the key was computed under NTC 2008.
        if (radice.contains(QStringLiteral("normativa"))) {
            const QString nome = Testo(radice, "normativa", dove);
            const std::optional<Normativa> n = Normative::PerNome(nome);
            if (!n)
                throw Rifiuto(QStringLiteral("Normativa sconosciuta \"%1\" (ammesse: %2).")
                                  .arg(Abbreviato(nome), Normative::Nomi().join(QStringLiteral(", "))));
            cf.normativa = *n;
        }
        const QJsonValue c = Campo(radice, "coefficienti", dove);
        if (!c.isObject())
            throw Rifiuto(QStringLiteral("I coefficienti della normativa non sono leggibili."));
        const QJsonObject coeff = c.toObject();
        const QString doveCoeff = QStringLiteral("Coefficienti: ");
        cf.classeServizio = static_cast<int>(Intero(coeff, "classeServizio", doveCoeff, 1, 3));
        char colonna = 'A';
        if (coeff.contains(QStringLiteral("colonnaGammaM"))) {
            const QString testoColonna = Testo(coeff, "colonnaGammaM", doveCoeff);
            if (testoColonna != QLatin1String("A") && testoColonna != QLatin1String("B"))
                throw Rifiuto(doveCoeff + QStringLiteral("\"colonnaGammaM\" deve essere \"A\" o \"B\"."));
            if (testoColonna == QLatin1String("B") && cf.normativa != Normativa::NTC2018)
                throw Rifiuto(doveCoeff + QStringLiteral("la colonna B dei coefficienti \u03b3M esiste solo nella NTC 2018."));
            colonna = testoColonna.at(0).toLatin1();
        }
        // Where the file has no table, the code's own applies.
        const Coefficienti predefiniti = Coefficienti::Predefiniti(cf.normativa, colonna);
        cf.colonnaGammaM = predefiniti.colonnaGammaM;
        cf.kmod = predefiniti.kmod;
        cf.gammaM = predefiniti.gammaM;
        // A list of numbers under a key: the message names the key, as a single value's does.
        auto numeri = [&](const char* chiave, const QJsonValue& v, std::size_t quanti, const QString& forma) {
            const QJsonArray a = v.toArray();
            if (!v.isArray() || a.size() != static_cast<qsizetype>(quanti))
                throw Rifiuto(doveCoeff + forma);
            std::vector<float> valori;
            for (qsizetype i = 0; i < a.size(); ++i) {
                QJsonObject uno;
                uno.insert(QLatin1String(chiave), a.at(i));
                valori.push_back(Numero(uno, chiave, doveCoeff));
            }
            return valori;
        };
        bool kmodPermanenti = false;   // the version-1 form: the permanent column only
        if (coeff.contains(QStringLiteral("kmod"))) {
            const QJsonValue v = coeff.value(QStringLiteral("kmod"));
            const QJsonArray a = v.toArray();
            if (v.isArray() && (a.isEmpty() || !a.at(0).isArray())) {
                kmodPermanenti = true;
                const std::vector<float> permanenti = numeri("kmod", v, 3, QStringLiteral("\"kmod\" deve contenere 3 numeri."));
                for (std::size_t i = 0; i < 3; ++i)
                    cf.kmod[i][0] = permanenti[i];
            } else {
                const QString forma = QStringLiteral("\"kmod\" deve contenere 3 righe (classi di servizio 1–3) di 5 numeri "
                                                     "(dalla durata permanente all'istantanea).");
                if (!v.isArray() || a.size() != 3)
                    throw Rifiuto(doveCoeff + forma);
                for (std::size_t i = 0; i < 3; ++i) {
                    const std::vector<float> riga = numeri("kmod", a.at(static_cast<qsizetype>(i)), 5, forma);
                    std::copy(riga.begin(), riga.end(), cf.kmod[i].begin());
                }
            }
        }
        if (coeff.contains(QStringLiteral("gammaM")))
            cf.gammaM = numeri("gammaM", coeff.value(QStringLiteral("gammaM")), predefiniti.gammaM.size(),
                               QStringLiteral("\"gammaM\" deve contenere %1 numeri, le righe della Tabella 4.4.III "
                                              "della %2.")
                                   .arg(predefiniti.gammaM.size())
                                   .arg(Normative::Nome(cf.normativa)));
        // Physical ranges: kmod reduces or at most slightly raises a strength (instantaneous
        // actions reach 1,10); a partial factor never lowers the safety below 1.
        for (std::size_t i = 0; i < cf.kmod.size(); ++i)
            for (std::size_t d = 0; d < cf.kmod[i].size(); ++d) {
                const float v = cf.kmod[i][d];
                if (!(v > 0.0f && v <= 1.1f))
                    throw Rifiuto(doveCoeff + QStringLiteral("il valore %1 di \"kmod\" (classe di servizio %2%3) è fuori "
                                                             "dall'intervallo ammesso: maggiore di 0 e al più 1,1.")
                                                  .arg(Numeri::Testo(v))
                                                  .arg(i + 1)
                                                  .arg(kmodPermanenti ? QString()
                                                                      : QStringLiteral(", durata ") +
                                                                            DurataCarico::Nome(static_cast<int>(d) + 1).toLower()));
            }
        for (std::size_t i = 0; i < cf.gammaM.size(); ++i) {
            const float v = cf.gammaM[i];
            if (!(v >= 1.0f && v <= 2.0f))
                throw Rifiuto(doveCoeff + QStringLiteral("il valore %1 di \"gammaM\" (riga %2 della tabella) è fuori "
                                                         "dall'intervallo ammesso: da 1 a 2.")
                                              .arg(Numeri::Testo(v))
                                              .arg(i + 1));
        }

        if (radice.contains(QStringLiteral("progetto"))) {
            const QJsonValue v = radice.value(QStringLiteral("progetto"));
            if (!v.isObject())
                throw Rifiuto(QStringLiteral("I dati del progetto non sono leggibili."));
            const QJsonObject o = v.toObject();
            const QString doveProgetto = QStringLiteral("Dati Progetto: ");
            for (const DatiProgetto::Campo& campo : DatiProgetto::Campi()) {
                if (!o.contains(QLatin1String(campo.chiave)))
                    continue;
                const QString testo = Testo(o, campo.chiave, doveProgetto);
                const int massimo = campo.membro == &DatiProgetto::note ? DatiProgetto::MassimoNote : DatiProgetto::MassimoCampo;
                if (testo.size() > massimo)
                    throw Rifiuto(doveProgetto + QStringLiteral("il valore \"%1\" supera i %2 caratteri.")
                                                     .arg(QLatin1String(campo.chiave))
                                                     .arg(massimo));
                calcolo.progetto.*campo.membro = testo;
            }
        }

        const QJsonValue nodi = Campo(radice, "nodi", dove);
        if (!nodi.isArray())
            throw Rifiuto(QStringLiteral("L'elenco dei nodi non è leggibile."));
        const QJsonArray elenco = nodi.toArray();
        if (elenco.isEmpty())
            throw Rifiuto(QStringLiteral("Il Calcolo non contiene alcun nodo."));
        if (elenco.size() > MassimoNodi)
            throw Rifiuto(QStringLiteral("Il Calcolo contiene %1 nodi, più dei %2 ammessi.")
                              .arg(elenco.size())
                              .arg(MassimoNodi));
        for (qsizetype i = 0; i < elenco.size(); ++i)
            calcolo.nodi.push_back(LeggiNodo(elenco.at(i), static_cast<int>(i + 1), calcolo));
        esito.calcolo = std::move(calcolo);
    } catch (const Rifiuto& r) {
        esito.errore = r.testo;
    }
    return esito;
}

}  // namespace FileCalcolo
