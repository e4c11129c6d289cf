#include "materials/RecordsetMateriali.h"

#include "materials/LetturaSqlite.h"

#include "calcolo/ProprietaMateriali.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The set's own error numbers, for failures the database does not see.
constexpr int ErroreConnessione = 3709;   // no open connection
constexpr int ErroreOperazione = 3021;    // no current record, or an unusable field or value

const QString Tabella = QStringLiteral("Legno");

QString nomeSql(const QString& nome)
{
    return QLatin1Char('"') + QString(nome).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

int numeroNativo(const QSqlError& errore)
{
    bool ok = false;
    const int numero = errore.nativeErrorCode().toInt(&ok);
    return ok ? numero : 0;
}

QString descrizione(const QSqlError& errore)
{
    const QString testo = errore.databaseText().trimmed();
    return testo.isEmpty() ? errore.text().trimmed() : testo;
}

// A refused write told in Italian, with the engine's own words after it.
QString descrizioneScrittura(const QSqlError& errore)
{
    const int numero = numeroNativo(errore);
    QString frase;
    switch (numero) {
    case 1555:   // primary key
    case 2067:   // unique
        frase = QStringLiteral("Il numero del materiale è già assegnato a un altro materiale dell'archivio.");
        break;
    case 275:    // check
        frase = QStringLiteral("Il numero del materiale deve essere un numero intero maggiore di zero.");
        break;
    case 20:     // mismatch
        frase = QStringLiteral("Valore non ammesso per un campo del materiale.");
        break;
    default:
        switch (numero & 0xff) {
        case 5:  // busy
        case 6:  // locked
            frase = QStringLiteral("Il database dei materiali è occupato da un altro programma.");
            break;
        case 8:  // read-only
            frase = QStringLiteral("Il database dei materiali è in sola lettura.");
            break;
        default:
            break;
        }
    }
    const QString motore = descrizione(errore);
    return frase.isEmpty() ? motore : frase + QStringLiteral(" (") + motore + QStringLiteral(")");
}

enum class Tipo { Intero, Testo, Decimale, Libero };

Tipo tipoCampo(const QString& nome)
{
    if (nome.compare(QStringLiteral("Numero"), Qt::CaseInsensitive) == 0 ||
        nome.compare(ColonneMateriale::Tipologia, Qt::CaseInsensitive) == 0)
        return Tipo::Intero;
    if (nome.compare(QStringLiteral("Classe"), Qt::CaseInsensitive) == 0 ||
        nome.compare(QStringLiteral("Descrizione"), Qt::CaseInsensitive) == 0)
        return Tipo::Testo;
    if (ProprietaMateriale::perColonna(nome) != nullptr)
        return Tipo::Decimale;
    return Tipo::Libero;
}

bool stessoNumero(const QVariant& a, const QVariant& b)
{
    bool okA = false, okB = false;
    const qlonglong x = a.toLongLong(&okA);
    const qlonglong y = b.toLongLong(&okB);
    return !a.isNull() && !b.isNull() && okA && okB && x == y;
}

bool comeDecimale(const QVariant& valore, double& numero)
{
    bool ok = false;
    if (valore.userType() == QMetaType::QString) {
        const QString testo = valore.toString().trimmed();
        numero = QLocale().toDouble(testo, &ok);
        if (!ok)
            numero = QLocale::c().toDouble(testo, &ok);
        if (!ok)
            numero = QLocale(QLocale::Italian).toDouble(testo, &ok);
    } else {
        numero = valore.toDouble(&ok);
    }
    return ok && std::isfinite(numero);
}

quint64& scritture()
{
    static quint64 n = 0;
    return n;
}

}  // namespace

RecordsetMateriali::RecordsetMateriali() = default;

quint64 RecordsetMateriali::Scritture() { return scritture(); }

bool RecordsetMateriali::Apri(const QString& sql, const QString& connessione)
{
    emit primaDelCambio();
    connessione_ = connessione;
    campi_.clear();
    colonne_.clear();
    filtro_.clear();
    sospeso_ = Sospeso::Nessuno;
    bool esito = false;
    {
        QSqlDatabase db = QSqlDatabase::database(connessione, false);
        if (!db.isValid() || !db.isOpen()) {
            fallisci(QStringLiteral("La connessione al database dei materiali non è aperta."),
                     ErroreConnessione);
        } else if (const LetturaSqlite::Esito letto = LetturaSqlite::Leggi(db, sql, campi_, colonne_, errore_, numeroErrore_);
                   letto != LetturaSqlite::Esito::NonSqlite) {
            esito = letto == LetturaSqlite::Esito::Letto;
        } else {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(sql)) {
                fallisci(descrizione(q.lastError()), numeroNativo(q.lastError()));
            } else {
                const QSqlRecord struttura = q.record();
                for (int i = 0; i < struttura.count(); ++i)
                    campi_ << struttura.fieldName(i);
                colonne_.resize(static_cast<std::size_t>(struttura.count()));
                while (q.next()) {
                    for (int i = 0; i < struttura.count(); ++i)
                        colonne_[static_cast<std::size_t>(i)].Aggiungi(q.value(i));
                }
                if (q.lastError().isValid()) {
                    fallisci(descrizione(q.lastError()), numeroNativo(q.lastError()));
                    campi_.clear();
                    colonne_.clear();
                } else {
                    esito = true;
                }
            }
        }
    }
    for (ColonnaValori& c : colonne_)
        c.Compatta();
    ordina();
    ricostruisciVista();
    posizione_ = 0;
    if (esito)
        riuscito();
    emit dopoIlCambio();
    emit posizioneCambiata();
    return esito;
}

void RecordsetMateriali::Close()
{
    emit primaDelCambio();
    campi_.clear();
    colonne_.clear();
    vista_.clear();
    precedenti_.clear();
    filtro_.clear();
    sospeso_ = Sospeso::Nessuno;
    posizione_ = 0;
    emit dopoIlCambio();
    emit posizioneCambiata();
}

int RecordsetMateriali::RecordCount() const { return static_cast<int>(vista_.size()); }

bool RecordsetMateriali::BOF() const { return vista_.empty() || posizione_ < 0; }

bool RecordsetMateriali::Fine() const { return vista_.empty() || posizione_ >= RecordCount(); }

void RecordsetMateriali::MoveFirst() { SpostaA(0); }

void RecordsetMateriali::MoveLast() { SpostaA(RecordCount() - 1); }

void RecordsetMateriali::MoveNext()
{
    if (!Fine())
        SpostaA(posizione_ + 1);
}

void RecordsetMateriali::MovePrevious()
{
    if (!BOF())
        SpostaA(posizione_ - 1);
}

int RecordsetMateriali::Posizione() const { return vista_.empty() ? -1 : posizione_; }

void RecordsetMateriali::SpostaA(int riga)
{
    // Moving away drops a pending change rather than writing it behind the caller's back.
    sospeso_ = Sospeso::Nessuno;
    posizione_ = std::clamp(riga, -1, RecordCount());
    emit posizioneCambiata();
}

QStringList RecordsetMateriali::NomiCampi() const { return campi_; }

int RecordsetMateriali::indiceCampo(const QString& nome) const
{
    for (int i = 0; i < campi_.size(); ++i)
        if (campi_.at(i).compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::size_t RecordsetMateriali::quanteRighe() const
{
    return colonne_.empty() ? 0 : colonne_.front().Righe();
}

int RecordsetMateriali::rigaCorrente() const
{
    if (BOF() || Fine())
        return -1;
    return vista_[static_cast<std::size_t>(posizione_)];
}

QVariant RecordsetMateriali::numeroDi(int indice) const
{
    const int colonna = indiceCampo(QStringLiteral("Numero"));
    if (indice < 0 || colonna < 0)
        return {};
    return colonne_[static_cast<std::size_t>(colonna)].Valore(static_cast<std::size_t>(indice));
}

RecordsetMateriali::Riga RecordsetMateriali::riga(int indice) const
{
    Riga r(static_cast<int>(colonne_.size()));
    for (std::size_t c = 0; c < colonne_.size(); ++c)
        r[static_cast<int>(c)] = colonne_[c].Valore(static_cast<std::size_t>(indice));
    return r;
}

QVariant RecordsetMateriali::Campo(const QString& nome) const
{
    const int colonna = indiceCampo(nome);
    if (colonna < 0)
        return {};
    if (sospeso_ != Sospeso::Nessuno)
        return inSospeso_.at(colonna);
    const int corrente = rigaCorrente();
    return corrente < 0 ? QVariant()
                        : colonne_[static_cast<std::size_t>(colonna)].Valore(static_cast<std::size_t>(corrente));
}

QVariant RecordsetMateriali::Valore(int riga, int colonna) const
{
    if (riga < 0 || riga >= RecordCount() || colonna < 0 || colonna >= campi_.size())
        return {};
    return colonne_[static_cast<std::size_t>(colonna)].Valore(
        static_cast<std::size_t>(vista_[static_cast<std::size_t>(riga)]));
}

bool RecordsetMateriali::converti(int colonna, const QVariant& valore, QVariant& convertito)
{
    const QString& nome = campi_.at(colonna);
    const bool vuoto = valore.isNull() ||
                       (valore.userType() == QMetaType::QString && valore.toString().trimmed().isEmpty());
    switch (tipoCampo(nome)) {
    case Tipo::Intero: {
        if (vuoto) {
            convertito = QVariant(QMetaType::fromType<qlonglong>());
            return true;
        }
        double numero = 0;
        if (!comeDecimale(valore, numero) || numero != std::floor(numero) ||
            std::fabs(numero) > 9.0e15)
            return fallisci(QStringLiteral("Valore non valido per il campo ") + nome +
                                QStringLiteral(": è richiesto un numero intero."),
                            ErroreOperazione);
        convertito = QVariant::fromValue(static_cast<qlonglong>(numero));
        return true;
    }
    case Tipo::Decimale: {
        if (vuoto) {
            convertito = QVariant(QMetaType::fromType<double>());
            return true;
        }
        double numero = 0;
        if (!comeDecimale(valore, numero))
            return fallisci(QStringLiteral("Valore non valido per il campo ") + nome +
                                QStringLiteral(": è richiesto un numero."),
                            ErroreOperazione);
        convertito = numero;
        return true;
    }
    case Tipo::Testo:
        convertito = valore.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(valore.toString());
        return true;
    case Tipo::Libero:
        break;
    }
    convertito = valore;
    return true;
}

bool RecordsetMateriali::ImpostaCampo(const QString& nome, const QVariant& valore)
{
    const int colonna = indiceCampo(nome);
    if (colonna < 0)
        return fallisci(QStringLiteral("Campo inesistente: ") + nome + QStringLiteral("."),
                        ErroreOperazione);
    if (sospeso_ == Sospeso::Nessuno) {
        const int corrente = rigaCorrente();
        if (corrente < 0)
            return fallisci(QStringLiteral("Nessun record corrente."), ErroreOperazione);
        inSospeso_ = riga(corrente);
        sospeso_ = Sospeso::Modifica;
    }
    QVariant convertito;
    if (!converti(colonna, valore, convertito))
        return false;
    inSospeso_[colonna] = convertito;
    riuscito();
    return true;
}

bool RecordsetMateriali::AddNew()
{
    if (campi_.isEmpty())
        return fallisci(QStringLiteral("Il record set non è aperto."), ErroreOperazione);
    inSospeso_ = Riga(campi_.size());
    for (int i = 0; i < campi_.size(); ++i)
        converti(i, QVariant(), inSospeso_[i]);
    sospeso_ = Sospeso::Nuovo;
    riuscito();
    return true;
}

bool RecordsetMateriali::ModificaInSospeso() const { return sospeso_ != Sospeso::Nessuno; }

void RecordsetMateriali::CancelUpdate() { sospeso_ = Sospeso::Nessuno; }

// Runs one statement inside a transaction and keeps it only when it touched exactly one
// record: Numero alone identifies a record, and a table without the unique key must not lose
// several records to one delete.
bool RecordsetMateriali::scrivi(const QVariant& numeroAttuale)
{
    const int colNumero = indiceCampo(QStringLiteral("Numero"));
    if (colNumero < 0)
        return fallisci(QStringLiteral("Il record set non contiene il campo Numero."), ErroreOperazione);
    if (sospeso_ != Sospeso::Nessuno && inSospeso_.at(colNumero).isNull())
        return fallisci(QStringLiteral("Il campo Numero non può essere vuoto."), ErroreOperazione);

    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    if (!db.isValid() || !db.isOpen())
        return fallisci(QStringLiteral("La connessione al database dei materiali non è aperta."),
                        ErroreConnessione);

    QString sql;
    QVariantList parametri;
    if (sospeso_ == Sospeso::Nuovo) {
        QStringList nomi, segnaposto;
        for (int i = 0; i < campi_.size(); ++i) {
            nomi << nomeSql(campi_.at(i));
            segnaposto << QStringLiteral("?");
            parametri << inSospeso_.at(i);
        }
        sql = QStringLiteral("INSERT INTO ") + Tabella + QStringLiteral(" (") + nomi.join(u',') +
              QStringLiteral(") VALUES (") + segnaposto.join(u',') + QStringLiteral(")");
    } else if (sospeso_ == Sospeso::Modifica) {
        QStringList assegnazioni;
        for (int i = 0; i < campi_.size(); ++i) {
            assegnazioni << nomeSql(campi_.at(i)) + QStringLiteral("=?");
            parametri << inSospeso_.at(i);
        }
        sql = QStringLiteral("UPDATE ") + Tabella + QStringLiteral(" SET ") +
              assegnazioni.join(u',') + QStringLiteral(" WHERE Numero=?");
        parametri << numeroAttuale;
    } else {
        sql = QStringLiteral("DELETE FROM ") + Tabella + QStringLiteral(" WHERE Numero=?");
        parametri << numeroAttuale;
    }
    // The record must still hold what was loaded: compared in the same statement, so another
    // program's change in between cannot be overwritten (IS compares NULL too).
    if (sospeso_ != Sospeso::Nuovo) {
        for (auto a = attesi_.cbegin(); a != attesi_.cend(); ++a) {
            if (indiceCampo(a.key()) < 0)
                continue;
            sql += QStringLiteral(" AND ") + nomeSql(a.key()) + QStringLiteral(" IS ?");
            parametri << a.value();
        }
    }

    if (!db.transaction())
        return fallisci(descrizioneScrittura(db.lastError()), numeroNativo(db.lastError()));
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& p : parametri)
        q.addBindValue(p);
    if (!q.exec()) {
        const QSqlError errore = q.lastError();
        q.finish();
        db.rollback();
        return fallisci(descrizioneScrittura(errore), numeroNativo(errore));
    }
    if (q.numRowsAffected() != 1) {
        const int toccati = q.numRowsAffected();
        q.finish();
        bool ancoraPresente = false;
        if (toccati == 0 && !attesi_.isEmpty()) {
            QSqlQuery c(db);
            c.prepare(QStringLiteral("SELECT COUNT(*) FROM ") + Tabella + QStringLiteral(" WHERE Numero=?"));
            c.addBindValue(numeroAttuale);
            ancoraPresente = c.exec() && c.next() && c.value(0).toInt() == 1;
        }
        db.rollback();
        if (ancoraPresente)
            return fallisci(QStringLiteral("Il materiale è stato modificato nel frattempo."), ModificatoNelFrattempo);
        return fallisci(toccati == 0 ? QStringLiteral("Il record non esiste più nel database.")
                                     : QStringLiteral("Il numero del materiale non identifica un solo record."),
                        ErroreOperazione);
    }
    q.finish();
    if (!db.commit()) {
        const QSqlError errore = db.lastError();
        db.rollback();
        return fallisci(descrizioneScrittura(errore), numeroNativo(errore));
    }
    ++scritture();
    return true;
}

bool RecordsetMateriali::Update()
{
    if (sospeso_ == Sospeso::Nessuno) {
        riuscito();
        return true;
    }
    const int corrente = rigaCorrente();
    if (sospeso_ == Sospeso::Modifica && corrente < 0)
        return fallisci(QStringLiteral("Nessun record corrente."), ErroreOperazione);
    if (!scrivi(numeroDi(corrente)))
        return false;   // the pending record stays for CancelUpdate or another try

    emit primaDelCambio();
    for (std::size_t c = 0; c < colonne_.size(); ++c) {
        if (sospeso_ == Sospeso::Nuovo)
            colonne_[c].Aggiungi(inSospeso_.at(static_cast<int>(c)));
        else
            colonne_[c].Imposta(static_cast<std::size_t>(corrente), inSospeso_.at(static_cast<int>(c)));
    }
    const QVariant numero = inSospeso_.at(indiceCampo(QStringLiteral("Numero")));
    sospeso_ = Sospeso::Nessuno;
    ordina();
    ricostruisciVista();
    posizionaSu(numero);
    riuscito();
    emit dopoIlCambio();
    emit posizioneCambiata();
    return true;
}

bool RecordsetMateriali::Delete()
{
    const int corrente = rigaCorrente();
    if (corrente < 0)
        return fallisci(QStringLiteral("Nessun record corrente."), ErroreOperazione);
    sospeso_ = Sospeso::Nessuno;
    if (!scrivi(numeroDi(corrente)))
        return false;

    emit primaDelCambio();
    for (ColonnaValori& c : colonne_)
        c.Rimuovi(static_cast<std::size_t>(corrente));
    ricostruisciVista();
    posizione_ = std::min(posizione_, RecordCount());
    riuscito();
    emit dopoIlCambio();
    emit posizioneCambiata();
    return true;
}

void RecordsetMateriali::FiltraDescrizione(const QString& inizio) { Filtra(inizio, cerca_); }

void RecordsetMateriali::Cerca(const QString& testo) { Filtra(filtro_, testo); }

void RecordsetMateriali::Filtra(const QString& inizio, const QString& testo)
{
    emit primaDelCambio();
    sospeso_ = Sospeso::Nessuno;
    // A longer beginning or a longer searched text can only drop rows from the present view
    // (each character compared ignoring case on its own), so only that view is looked at.
    const QString cercato = testo.trimmed();
    const bool restringe = inizio.startsWith(filtro_, Qt::CaseInsensitive) &&
                           cercato.contains(cerca_, Qt::CaseInsensitive);
    const bool uguale = inizio == filtro_ && cercato == cerca_;
    if (restringe) {
        // Kept for going back (a backspace) to what was shown, while the rows stay the same.
        if (!uguale) {
            if (precedenti_.size() >= MassimoPrecedenti)
                precedenti_.erase(precedenti_.begin());
            precedenti_.push_back({filtro_, cerca_, vista_});
        }
        filtro_ = inizio;
        cerca_ = cercato;
        ricostruisciVista(true);
    } else {
        auto tornato = std::find_if(precedenti_.rbegin(), precedenti_.rend(), [&](const VistaPrecedente& v) {
            return v.filtro == inizio && v.cerca == cercato;
        });
        filtro_ = inizio;
        cerca_ = cercato;
        if (tornato != precedenti_.rend()) {
            vista_ = std::move(tornato->vista);
            precedenti_.erase(std::prev(tornato.base()), precedenti_.end());
        } else {
            ricostruisciVista();
        }
    }
    posizione_ = 0;
    emit dopoIlCambio();
    emit posizioneCambiata();
}

QString RecordsetMateriali::Filtro() const { return filtro_; }


QVariant RecordsetMateriali::Bookmark() const { return Campo(QStringLiteral("Numero")); }

bool RecordsetMateriali::SetBookmark(const QVariant& segnalibro)
{
    const int colonna = indiceCampo(QStringLiteral("Numero"));
    if (colonna < 0 || segnalibro.isNull() || !segnalibro.isValid())
        return false;
    for (int i = 0; i < RecordCount(); ++i) {
        if (stessoNumero(Valore(i, colonna), segnalibro)) {
            SpostaA(i);
            return true;
        }
    }
    return false;
}

QString RecordsetMateriali::Errore() const { return errore_; }

int RecordsetMateriali::NumeroErrore() const { return numeroErrore_; }

void RecordsetMateriali::ordina()
{
    const int colonna = indiceCampo(QStringLiteral("Numero"));
    if (colonna < 0)
        return;
    const ColonnaValori& numeri = colonne_[static_cast<std::size_t>(colonna)];
    // Null numbers first, then by value.
    auto chiave = [&numeri](std::size_t i) {
        const QVariant v = numeri.Valore(i);
        return std::pair<bool, qlonglong>(!v.isNull(), v.isNull() ? 0 : v.toLongLong());
    };
    // The archive usually hands its rows over in key order already: looked at without a copy.
    bool ordinate = true;
    for (std::size_t i = 1; i < numeri.Righe() && ordinate; ++i)
        ordinate = !(chiave(i) < chiave(i - 1));
    if (ordinate)
        return;
    std::vector<std::pair<bool, qlonglong>> chiavi(numeri.Righe());
    for (std::size_t i = 0; i < chiavi.size(); ++i)
        chiavi[i] = chiave(i);
    std::vector<int> ordine(chiavi.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::stable_sort(ordine.begin(), ordine.end(), [&chiavi](int x, int y) {
        return chiavi[static_cast<std::size_t>(x)] < chiavi[static_cast<std::size_t>(y)];
    });
    for (ColonnaValori& c : colonne_)
        c.Permuta(ordine);
}

void RecordsetMateriali::ricostruisciVista(bool soloVista)
{
    if (!soloVista)
        precedenti_.clear();   // the rows may have changed: earlier views no longer hold
    std::vector<int> candidati;
    if (soloVista)
        candidati.swap(vista_);
    vista_.clear();
    const int colonna = indiceCampo(QStringLiteral("Descrizione"));
    const int classe = indiceCampo(QStringLiteral("Classe"));
    const ColonnaValori* descrizioni = colonna < 0 ? nullptr : &colonne_[static_cast<std::size_t>(colonna)];
    const ColonnaValori* classi = classe < 0 ? nullptr : &colonne_[static_cast<std::size_t>(classe)];
    // A text is looked at where it lies (a null value never passes).
    auto contiene = [this](auto t) { return t.contains(QStringView(cerca_), Qt::CaseInsensitive); };
    const int quante = soloVista ? static_cast<int>(candidati.size()) : static_cast<int>(quanteRighe());
    if (filtro_.isEmpty() && cerca_.isEmpty() && !soloVista) {
        vista_.resize(quanteRighe());
        for (int i = 0; i < quante; ++i)
            vista_[static_cast<std::size_t>(i)] = i;
        return;
    }
    // The beginning first, over the whole column at once; the search then over what is left.
    std::vector<int> dopoFiltro;
    const std::vector<int>* restanti = soloVista ? &candidati : nullptr;
    if (!filtro_.isEmpty()) {
        if (!descrizioni)
            return;
        std::vector<int>& scelte = cerca_.isEmpty() ? vista_ : dopoFiltro;
        scelte.reserve(static_cast<std::size_t>(quante));
        descrizioni->Iniziano(restanti, scelte, filtro_);
        if (cerca_.isEmpty())
            return;
        restanti = &dopoFiltro;
    }
    const int daCercare = restanti ? static_cast<int>(restanti->size()) : quante;
    for (int k = 0; k < daCercare; ++k) {
        const int i = restanti ? (*restanti)[static_cast<std::size_t>(k)] : k;
        const std::size_t r = static_cast<std::size_t>(i);
        if (!(classi && classi->ProvaTesto(r, contiene)) && !(descrizioni && descrizioni->ProvaTesto(r, contiene)))
            continue;
        vista_.push_back(i);
    }
}

void RecordsetMateriali::posizionaSu(const QVariant& numero)
{
    const int colonna = indiceCampo(QStringLiteral("Numero"));
    posizione_ = 0;
    for (int i = 0; i < RecordCount(); ++i)
        if (stessoNumero(Valore(i, colonna), numero))
            posizione_ = i;
}

bool RecordsetMateriali::fallisci(const QString& descrizione, int numero)
{
    errore_ = descrizione;
    numeroErrore_ = numero;
    return false;
}

void RecordsetMateriali::riuscito()
{
    errore_.clear();
    numeroErrore_ = 0;
}
