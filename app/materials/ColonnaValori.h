#pragma once
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// One field of every record of a record set, stored by the kind of its values: while it holds
// few distinct values (the strength classes, the mechanical values of an archive) as 16-bit
// codes into a dictionary; past that, whole numbers or decimals in a plain array, texts in one
// pool (one byte a character while every character is Latin-1), anything else as QVariants.
// A value reads back exactly as it was put: its type, its null and its text.
class ColonnaValori {
public:
    std::size_t Righe() const { return righe_; }
    void Aggiungi(const QVariant& valore);
    // The same for a qlonglong, a double, a QString of plain ASCII, without making a QVariant
    // where the column's form needs none.
    void AggiungiIntero(qint64 valore);
    void AggiungiDecimale(double valore);
    void AggiungiAscii(const char* testo, std::size_t lunghezza);
    void Imposta(std::size_t riga, const QVariant& valore);
    QVariant Valore(std::size_t riga) const;
    void Rimuovi(std::size_t riga);
    // Row k becomes the old row ordine[k]; ordine is a permutation of the rows.
    void Permuta(const std::vector<int>& ordine);
    void Compatta();   // returns the arrays' spare room, once the rows are read

    // prova(text) for a value that is not null, its text handed as a QStringView or a
    // QLatin1StringView where it lies (a value of another kind through its QVariant text);
    // false for a null value.
    template <class Prova>
    bool ProvaTesto(std::size_t riga, Prova&& prova) const;
    // The rows of righe (every row when null), in their order, whose value is not null and
    // whose text begins with inizio ignoring case, exactly as QString::startsWith with
    // Qt::CaseInsensitive says; appended to esito.
    void Iniziano(const std::vector<int>* righe, std::vector<int>& esito, QStringView inizio) const;

private:
    enum class Forma { Dizionario, Interi, Decimali, Testi, Varianti };
    struct Chiave {
        int tipo = 0;
        bool nullo = false;
        bool testoNullo = false;
        quint64 bit = 0;
        QString testo;
        bool operator==(const Chiave& altra) const;
    };
    struct HashChiave {
        std::size_t operator()(const Chiave& c) const;
    };
    struct Tratto {
        std::uint32_t inizio = 0;
        std::uint32_t lunghezza = 0;   // NessunTesto: a null value
    };
    static constexpr std::uint32_t NessunTesto = UINT32_MAX;
    static constexpr std::size_t MassimoDistinti = 65536;
    static constexpr std::size_t PrimiDistinti = 512;   // seen before judging a column mostly distinct

    static bool chiaveDi(const QVariant& valore, Chiave& chiave);
    static Forma formaDi(const QVariant& valore);
    bool entra(const QVariant& valore) const;   // fits the present array or pool form
    bool codice(const QVariant& valore, quint16& esito);
    // Appends the code of a value already in the dictionary (codici one of its maps by bits or
    // bytes, chiave the value's there).
    template <class Mappa, class Chiavi>
    bool codiceNoto(const Mappa& codici, const Chiavi& chiave);
    // A number of the kind of form propria (its array valori), bit its bits for the dictionary.
    template <class T>
    void aggiungiNumero(Forma propria, std::vector<T>& valori, T valore,
                        const std::unordered_map<quint64, quint16>& codici, quint64 bit);
    Forma formaDeiDistinti(const QVariant* ancora) const;
    void passaA(Forma nuova);
    void metti(std::size_t riga, const QVariant& valore);   // riga == righe_: appended
    bool testo(const QString& t, Tratto& tratto);
    void allarga();

    Forma forma_ = Forma::Dizionario;
    std::size_t righe_ = 0;

    std::vector<QVariant> distinti_;
    std::unordered_map<Chiave, quint16, HashChiave> codiceDi_;
    // The codes of the whole numbers, decimals and ASCII texts among them again, by their bits
    // or bytes alone: a value read from the archive finds its code without building a key.
    std::unordered_map<quint64, quint16> codiceIntero_;
    std::unordered_map<quint64, quint16> codiceDecimale_;
    std::unordered_map<std::string, quint16> codiceAscii_;
    std::vector<quint16> codici_;

    QVariant nullo_;          // the null value of the array and pool forms, as it was put
    bool conNullo_ = false;
    std::vector<bool> nulli_;
    std::vector<qint64> interi_;
    std::vector<double> decimali_;

    std::vector<Tratto> tratti_;
    // A text's first four characters folded to lower case, one byte each (0 past its end),
    // when they are plain ASCII; Ignota otherwise. A short ASCII beginning is settled on them
    // without reading the pool.
    static constexpr std::uint32_t Ignota = UINT32_MAX;
    template <class Vista>
    static std::uint32_t abbrevia(Vista t);   // t a QStringView or a QLatin1StringView
    std::vector<std::uint32_t> abbreviati_;
    bool largo_ = false;      // the pool holds UTF-16
    std::string latino_;
    std::u16string utf16_;

    std::vector<QVariant> varianti_;
};

template <class Prova>
bool ColonnaValori::ProvaTesto(std::size_t riga, Prova&& prova) const
{
    auto comeTesto = [&prova](const QVariant& v) {
        if (v.isNull())
            return false;
        if (v.userType() == QMetaType::QString)
            return static_cast<bool>(prova(QStringView(*static_cast<const QString*>(v.constData()))));
        const QString t = v.toString();
        return static_cast<bool>(prova(QStringView(t)));
    };
    switch (forma_) {
    case Forma::Dizionario:
        return comeTesto(distinti_[codici_[riga]]);
    case Forma::Testi: {
        const Tratto& t = tratti_[riga];
        if (t.lunghezza == NessunTesto)
            return false;
        if (largo_)
            return static_cast<bool>(prova(QStringView(utf16_.data() + t.inizio, t.lunghezza)));
        return static_cast<bool>(prova(QLatin1StringView(latino_.data() + t.inizio, t.lunghezza)));
    }
    case Forma::Varianti:
        return comeTesto(varianti_[riga]);
    case Forma::Interi:
    case Forma::Decimali:
        break;
    }
    return comeTesto(Valore(riga));
}

