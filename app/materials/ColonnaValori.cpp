#include "materials/ColonnaValori.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// A text value that reads back as the same QString: not null, and holding a string that is
// not the null QString either.
bool testoPieno(const QVariant& v)
{
    return v.userType() == QMetaType::QString && !v.isNull() &&
           !static_cast<const QString*>(v.constData())->isNull();
}

template <class T>
void permuta(std::vector<T>& valori, const std::vector<int>& ordine)
{
    std::vector<T> nuovi;
    nuovi.reserve(valori.size());
    for (int k : ordine)
        nuovi.push_back(std::move(valori[static_cast<std::size_t>(k)]));
    valori.swap(nuovi);
}

void permuta(std::vector<bool>& valori, const std::vector<int>& ordine)
{
    std::vector<bool> nuovi(valori.size());
    for (std::size_t k = 0; k < ordine.size(); ++k)
        nuovi[k] = valori[static_cast<std::size_t>(ordine[k])];
    valori.swap(nuovi);
}

template <class T>
void mettiIn(std::vector<T>& valori, std::size_t riga, T valore)
{
    if (riga == valori.size())
        valori.push_back(std::move(valore));
    else
        valori[riga] = std::move(valore);
}

// t begins with inizio, ignoring case, exactly as startsWith with Qt::CaseInsensitive says
// (t a QStringView or a QLatin1StringView): plain ASCII pairs are settled here (most rows
// differ in their first letters), any other character hands the whole comparison to Qt.
template <class Vista>
bool iniziaCon(Vista t, QStringView inizio)
{
    if (t.size() < inizio.size())
        return t.startsWith(inizio, Qt::CaseInsensitive);
    for (qsizetype i = 0; i < inizio.size(); ++i) {
        const char16_t a = t[i].unicode();
        const char16_t b = inizio[i].unicode();
        if (a == b)
            continue;
        if (a >= 0x80 || b >= 0x80)
            return t.startsWith(inizio, Qt::CaseInsensitive);
        const char16_t la = (a >= u'A' && a <= u'Z') ? char16_t(a + 32) : a;
        const char16_t lb = (b >= u'A' && b <= u'Z') ? char16_t(b + 32) : b;
        if (la != lb)
            return false;
    }
    return true;
}

}  // namespace

bool ColonnaValori::Chiave::operator==(const Chiave& altra) const
{
    return tipo == altra.tipo && nullo == altra.nullo && testoNullo == altra.testoNullo &&
           bit == altra.bit && testo == altra.testo;
}

std::size_t ColonnaValori::HashChiave::operator()(const Chiave& c) const
{
    std::size_t h = std::hash<quint64>()(c.bit);
    h = h * 31 + static_cast<std::size_t>(c.tipo) * 4 + (c.nullo ? 2 : 0) + (c.testoNullo ? 1 : 0);
    return h * 31 + qHash(c.testo);
}

// The dictionary tells values apart by their exact type and bits: 2 and 2.0 are two values,
// as are a null text and a null number.
bool ColonnaValori::chiaveDi(const QVariant& valore, Chiave& chiave)
{
    chiave = Chiave();
    chiave.tipo = valore.userType();
    if (valore.isNull()) {
        chiave.nullo = true;
        return true;
    }
    switch (valore.userType()) {
    case QMetaType::LongLong:
        chiave.bit = static_cast<quint64>(valore.toLongLong());
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        chiave.bit = valore.toULongLong();
        return true;
    case QMetaType::Double: {
        const double d = valore.toDouble();
        std::memcpy(&chiave.bit, &d, sizeof d);
        return true;
    }
    case QMetaType::QString:
        chiave.testo = *static_cast<const QString*>(valore.constData());
        chiave.testoNullo = chiave.testo.isNull();
        return true;
    default:
        return false;   // any other kind is kept as it is
    }
}

ColonnaValori::Forma ColonnaValori::formaDi(const QVariant& valore)
{
    if (valore.isNull())
        return Forma::Varianti;
    if (valore.userType() == QMetaType::LongLong)
        return Forma::Interi;
    if (valore.userType() == QMetaType::Double)
        return Forma::Decimali;
    return testoPieno(valore) ? Forma::Testi : Forma::Varianti;
}

bool ColonnaValori::entra(const QVariant& valore) const
{
    if (valore.isNull())
        return !conNullo_ || valore.metaType() == nullo_.metaType();
    return formaDi(valore) == forma_;
}

bool ColonnaValori::codice(const QVariant& valore, quint16& esito)
{
    Chiave chiave;
    if (!chiaveDi(valore, chiave))
        return false;
    const auto trovato = codiceDi_.find(chiave);
    if (trovato != codiceDi_.end()) {
        esito = trovato->second;
        return true;
    }
    if (distinti_.size() >= MassimoDistinti)
        return false;
    esito = static_cast<quint16>(distinti_.size());
    distinti_.push_back(valore);
    if (!chiave.nullo && chiave.tipo == QMetaType::LongLong)
        codiceIntero_.emplace(chiave.bit, esito);
    else if (!chiave.nullo && chiave.tipo == QMetaType::Double)
        codiceDecimale_.emplace(chiave.bit, esito);
    else if (!chiave.nullo && !chiave.testoNullo && chiave.tipo == QMetaType::QString &&
             std::all_of(chiave.testo.begin(), chiave.testo.end(), [](QChar c) { return c.unicode() < 0x80; }))
        codiceAscii_.emplace(chiave.testo.toLatin1().toStdString(), esito);
    codiceDi_.emplace(std::move(chiave), esito);
    return true;
}

void ColonnaValori::Aggiungi(const QVariant& valore) { Imposta(righe_, valore); }

template <class Mappa, class Chiavi>
bool ColonnaValori::codiceNoto(const Mappa& codici, const Chiavi& chiave)
{
    const auto trovato = codici.find(chiave);
    if (trovato == codici.end())
        return false;
    codici_.push_back(trovato->second);
    ++righe_;
    return true;
}

template <class T>
void ColonnaValori::aggiungiNumero(Forma propria, std::vector<T>& valori, T valore,
                                   const std::unordered_map<quint64, quint16>& codici, quint64 bit)
{
    if (forma_ == propria) {
        valori.push_back(valore);
        nulli_.push_back(false);
        ++righe_;
        return;
    }
    if (forma_ == Forma::Dizionario && codiceNoto(codici, bit))
        return;
    Aggiungi(QVariant::fromValue(valore));
}

void ColonnaValori::AggiungiIntero(qint64 valore)
{
    aggiungiNumero(Forma::Interi, interi_, valore, codiceIntero_, static_cast<quint64>(valore));
}

void ColonnaValori::AggiungiDecimale(double valore)
{
    quint64 bit = 0;
    std::memcpy(&bit, &valore, sizeof valore);
    aggiungiNumero(Forma::Decimali, decimali_, valore, codiceDecimale_, bit);
}

void ColonnaValori::AggiungiAscii(const char* testo, std::size_t lunghezza)
{
    const std::size_t usato = largo_ ? utf16_.size() : latino_.size();
    if (forma_ == Forma::Testi && usato + lunghezza < NessunTesto) {
        Tratto t;
        t.inizio = static_cast<std::uint32_t>(usato);
        t.lunghezza = static_cast<std::uint32_t>(lunghezza);
        if (largo_)
            utf16_.append(testo, testo + lunghezza);
        else
            latino_.append(testo, lunghezza);
        tratti_.push_back(t);
        abbreviati_.push_back(abbrevia(QLatin1StringView(testo, static_cast<qsizetype>(lunghezza))));
        ++righe_;
        return;
    }
    if (forma_ == Forma::Dizionario && codiceNoto(codiceAscii_, std::string(testo, lunghezza)))
        return;
    Aggiungi(QString::fromLatin1(testo, static_cast<qsizetype>(lunghezza)));
}

void ColonnaValori::Imposta(std::size_t riga, const QVariant& valore)
{
    if (forma_ == Forma::Dizionario) {
        quint16 c = 0;
        if (codice(valore, c)) {
            mettiIn(codici_, riga, c);
            // Values that are mostly distinct (a key, a description) gain nothing from the
            // dictionary: they move to their array or pool as soon as that shows.
            if (distinti_.size() > PrimiDistinti && distinti_.size() * 2 > righe_ + 1) {
                if (riga == righe_)
                    ++righe_;
                passaA(formaDeiDistinti(nullptr));
                return;
            }
        } else {
            // Too many distinct values, or one of another kind: the rows move to the form
            // that holds every value there is and this one.
            passaA(formaDeiDistinti(&valore));
            Imposta(riga, valore);
            return;
        }
    } else if (forma_ != Forma::Varianti && !entra(valore)) {
        passaA(Forma::Varianti);
        Imposta(riga, valore);
        return;
    } else {
        metti(riga, valore);
    }
    if (riga == righe_)
        ++righe_;
}

// The one form that holds every value of the dictionary (and ancora, when given) as it is:
// values of one kind, nulls of one type; otherwise QVariants.
ColonnaValori::Forma ColonnaValori::formaDeiDistinti(const QVariant* ancora) const
{
    Forma forma = Forma::Varianti;
    bool conForma = false;
    QVariant nullo;
    bool conNullo = false;
    auto guarda = [&](const QVariant& v) {
        if (v.isNull()) {
            if (conNullo && v.metaType() != nullo.metaType())
                return false;
            nullo = v;
            conNullo = true;
            return true;
        }
        const Forma f = formaDi(v);
        if (f == Forma::Varianti || (conForma && f != forma))
            return false;
        forma = f;
        conForma = true;
        return true;
    };
    if (ancora && !guarda(*ancora))
        return Forma::Varianti;
    for (const QVariant& v : distinti_)
        if (!guarda(v))
            return Forma::Varianti;
    return conForma ? forma : Forma::Varianti;
}

void ColonnaValori::metti(std::size_t riga, const QVariant& valore)
{
    if (forma_ == Forma::Varianti) {
        mettiIn(varianti_, riga, valore);
        return;
    }
    if (valore.isNull() && !conNullo_) {
        nullo_ = valore;
        conNullo_ = true;
    }
    switch (forma_) {
    case Forma::Interi:
        mettiIn(interi_, riga, valore.isNull() ? qint64(0) : static_cast<qint64>(valore.toLongLong()));
        break;
    case Forma::Decimali:
        mettiIn(decimali_, riga, valore.isNull() ? 0.0 : valore.toDouble());
        break;
    case Forma::Testi: {
        Tratto t;
        t.lunghezza = NessunTesto;
        if (!valore.isNull() && !testo(*static_cast<const QString*>(valore.constData()), t)) {
            passaA(Forma::Varianti);   // the pool is full
            metti(riga, valore);
            return;
        }
        mettiIn(tratti_, riga, t);
        mettiIn(abbreviati_, riga,
                valore.isNull() ? Ignota : abbrevia(QStringView(*static_cast<const QString*>(valore.constData()))));
        return;
    }
    case Forma::Dizionario:
    case Forma::Varianti:
        return;
    }
    if (riga == nulli_.size())
        nulli_.push_back(valore.isNull());
    else
        nulli_[riga] = valore.isNull();
}

bool ColonnaValori::testo(const QString& t, Tratto& tratto)
{
    const std::size_t usato = largo_ ? utf16_.size() : latino_.size();
    if (usato + static_cast<std::size_t>(t.size()) >= NessunTesto)
        return false;
    if (!largo_) {
        for (QChar c : t) {
            if (c.unicode() > 0xff) {
                allarga();
                break;
            }
        }
    }
    tratto.inizio = static_cast<std::uint32_t>(usato);
    tratto.lunghezza = static_cast<std::uint32_t>(t.size());
    if (largo_) {
        utf16_.append(reinterpret_cast<const char16_t*>(t.utf16()), static_cast<std::size_t>(t.size()));
    } else {
        for (QChar c : t)
            latino_.push_back(static_cast<char>(c.unicode()));
    }
    return true;
}

// A character past Latin-1: the pool becomes UTF-16, the offsets stay.
void ColonnaValori::allarga()
{
    utf16_.reserve(latino_.size() * 2);
    for (char c : latino_)
        utf16_.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    std::string().swap(latino_);
    largo_ = true;
}

void ColonnaValori::passaA(Forma nuova)
{
    std::vector<QVariant> tutti;
    tutti.reserve(righe_);
    for (std::size_t i = 0; i < righe_; ++i)
        tutti.push_back(Valore(i));
    *this = ColonnaValori();
    forma_ = nuova;
    for (const QVariant& v : tutti) {
        metti(righe_, v);
        ++righe_;
    }
}

QVariant ColonnaValori::Valore(std::size_t riga) const
{
    switch (forma_) {
    case Forma::Dizionario:
        return distinti_[codici_[riga]];
    case Forma::Interi:
        return nulli_[riga] ? nullo_ : QVariant::fromValue(static_cast<qlonglong>(interi_[riga]));
    case Forma::Decimali:
        return nulli_[riga] ? nullo_ : QVariant(decimali_[riga]);
    case Forma::Testi: {
        const Tratto& t = tratti_[riga];
        if (t.lunghezza == NessunTesto)
            return nullo_;
        if (largo_)
            return QString(reinterpret_cast<const QChar*>(utf16_.data() + t.inizio), t.lunghezza);
        return QString::fromLatin1(latino_.data() + t.inizio, t.lunghezza);
    }
    case Forma::Varianti:
        return varianti_[riga];
    }
    return {};
}

void ColonnaValori::Rimuovi(std::size_t riga)
{
    const auto at = [riga](auto& v) { v.erase(v.begin() + static_cast<std::ptrdiff_t>(riga)); };
    switch (forma_) {
    case Forma::Dizionario: at(codici_); break;
    case Forma::Interi: at(interi_); at(nulli_); break;
    case Forma::Decimali: at(decimali_); at(nulli_); break;
    case Forma::Testi: at(tratti_); at(abbreviati_); break;   // its text stays in the pool, unreferenced
    case Forma::Varianti: at(varianti_); break;
    }
    --righe_;
}

void ColonnaValori::Permuta(const std::vector<int>& ordine)
{
    switch (forma_) {
    case Forma::Dizionario: permuta(codici_, ordine); break;
    case Forma::Interi: permuta(interi_, ordine); permuta(nulli_, ordine); break;
    case Forma::Decimali: permuta(decimali_, ordine); permuta(nulli_, ordine); break;
    case Forma::Testi: permuta(tratti_, ordine); permuta(abbreviati_, ordine); break;
    case Forma::Varianti: permuta(varianti_, ordine); break;
    }
}

void ColonnaValori::Compatta()
{
    codici_.shrink_to_fit();
    nulli_.shrink_to_fit();
    interi_.shrink_to_fit();
    decimali_.shrink_to_fit();
    tratti_.shrink_to_fit();
    abbreviati_.shrink_to_fit();
    latino_.shrink_to_fit();
    utf16_.shrink_to_fit();
    varianti_.shrink_to_fit();
}

template <class Vista>
std::uint32_t ColonnaValori::abbrevia(Vista t)
{
    std::uint32_t chiave = 0;
    for (qsizetype i = 0; i < 4 && i < t.size(); ++i) {
        char16_t c = t[i].unicode();
        if (c == 0 || c >= 0x80)
            return Ignota;   // Qt folds some other characters to ASCII letters
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + 32);
        chiave |= std::uint32_t(c) << (8 * i);
    }
    return chiave;
}

void ColonnaValori::Iniziano(const std::vector<int>* righe, std::vector<int>& esito, QStringView inizio) const
{
    const std::size_t quante = righe ? righe->size() : righe_;
    auto scorri = [&](auto&& passa) {
        for (std::size_t k = 0; k < quante; ++k) {
            const int r = righe ? (*righe)[k] : static_cast<int>(k);
            if (passa(static_cast<std::size_t>(r)))
                esito.push_back(r);
        }
    };
    auto nelPool = [this, inizio](std::size_t r) {
        const Tratto& t = tratti_[r];
        if (t.lunghezza == NessunTesto)
            return false;
        return largo_ ? iniziaCon(QStringView(utf16_.data() + t.inizio, t.lunghezza), inizio)
                      : iniziaCon(QLatin1StringView(latino_.data() + t.inizio, t.lunghezza), inizio);
    };
    if (forma_ != Forma::Testi) {
        scorri([&](std::size_t r) { return ProvaTesto(r, [inizio](auto t) { return iniziaCon(t, inizio); }); });
        return;
    }
    const std::uint32_t atteso = abbrevia(inizio);
    if (atteso == Ignota) {
        scorri(nelPool);
        return;
    }
    // An ASCII beginning: its first (up to four) characters against the rows' abbreviations;
    // the pool is read for what a row's abbreviation cannot tell.
    const qsizetype noti = std::min<qsizetype>(4, inizio.size());
    const std::uint32_t maschera = noti == 4 ? UINT32_MAX : (std::uint32_t(1) << (8 * noti)) - 1;
    scorri([&](std::size_t r) {
        const std::uint32_t chiave = abbreviati_[r];
        if (chiave == Ignota)
            return nelPool(r);
        if ((chiave & maschera) != atteso)
            return false;
        return inizio.size() <= 4 || nelPool(r);
    });
}
