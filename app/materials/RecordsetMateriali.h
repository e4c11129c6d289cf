#pragma once
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>
#include <vector>

#include "materials/ColonnaValori.h"

// Snapshot record set over table Legno, sorted by Numero: the rows are read once when it is
// opened (exact count, scrollable); changes are written to the database at once through bound
// parameters and mirrored in the snapshot. Obtained through DatabaseMateriali::ApriRecordset.
//
// Failing operations return false and leave Errore() (and NumeroErrore()) describing why;
// nothing of the snapshot or of the database is lost by a failure.
class RecordsetMateriali : public QObject {
    Q_OBJECT
public:
    RecordsetMateriali();

    // Reads the rows of sql on the named connection. False with the error when it fails.
    bool Apri(const QString& sql, const QString& connessione);
    void Close();   // drops the rows; the set is then empty

    int RecordCount() const;       // exact count (of the filtered view when a filter is set)
    bool BOF() const; bool Fine() const;   // before first / after last
    void MoveFirst(); void MoveLast(); void MoveNext(); void MovePrevious();
    int Posizione() const;         // current row of the view from 0; -1 before first, RecordCount() after last
    void SpostaA(int riga);        // makes row riga of the view current (clamped to BOF / Fine)

    QStringList NomiCampi() const;                 // field names in table order
    QVariant Campo(const QString& nome) const;     // current record's field by name; null QVariant possible
    QVariant Valore(int riga, int colonna) const;  // any row of the view, for the grid

    // Sets a field of the current record (or of the new record after AddNew); the change is
    // pending until Update. The value is converted to the field's kind: Numero a whole number,
    // Classe and Descrizione text, the mechanical values decimal numbers (a string may use the
    // locale's decimal comma).
    bool ImpostaCampo(const QString& nome, const QVariant& valore);
    bool AddNew();                 // starts a new record, every field null
    bool Update();                 // writes the pending record at once; no pending change: true
    void CancelUpdate();           // drops the pending record
    bool ModificaInSospeso() const;
    bool Delete();                 // deletes the current record only; the next one becomes current

    // Keeps only records whose Descrizione begins with inizio, ignoring case; every character
    // is literal (apostrophes, "%" and "_" included). An empty text removes the filter. The
    // rows are not read again; the first record of the view becomes current.
    void FiltraDescrizione(const QString& inizio);
    QString Filtro() const;

    // Besides the filter: keeps only records whose Classe or Descrizione contains testo (any
    // part of it, "c24", "GL24h", "lamellare"), ignoring case and blanks around it; every
    // character is literal. An empty text removes the search. As the filter, the rows are not
    // read again and the first record of the view becomes current.
    void Cerca(const QString& testo);
    QString Ricerca() const { return cerca_; }
    // The filter and the search at once: the view is rebuilt once.
    void Filtra(const QString& inizio, const QString& testo);

    // The current record's Numero: restorable on this set or on a reloaded one.
    QVariant Bookmark() const;
    bool SetBookmark(const QVariant& segnalibro);  // false, position unchanged, when not in the view

    // An update or delete then writes only while the record still holds these values (the
    // ones a sheet loaded, by field name); otherwise it fails with ModificatoNelFrattempo and
    // changes nothing. An empty map: no condition.
    void ImpostaValoriAttesi(const QVariantMap& valori) { attesi_ = valori; }
    static constexpr int ModificatoNelFrattempo = 3197;   // the record changed since it was loaded

    // Writes committed by every record set of the program since it started.
    static quint64 Scritture();

    QString Errore() const;        // description of the last failure; empty after a success
    int NumeroErrore() const;      // the database's native number, or the set's own

signals:
    void primaDelCambio();         // rows or columns are about to change
    void dopoIlCambio();           // rows or columns changed
    void posizioneCambiata();      // the current record moved

private:
    enum class Sospeso { Nessuno, Modifica, Nuovo };
    using Riga = QVector<QVariant>;

    int indiceCampo(const QString& nome) const;
    int rigaCorrente() const;      // index into the columns; -1 with no current record
    Riga riga(int indice) const;
    QVariant numeroDi(int indice) const;   // the row's Numero; null without the row or the field
    std::size_t quanteRighe() const;
    bool converti(int colonna, const QVariant& valore, QVariant& convertito);
    bool scrivi(const QVariant& numeroAttuale);   // the record's Numero in the database
    void ordina();
    void ricostruisciVista(bool soloVista = false);   // soloVista: only rows of the present view
    void posizionaSu(const QVariant& numero);
    bool fallisci(const QString& descrizione, int numero = 0);
    void riuscito();

    QString connessione_;
    QStringList campi_;
    std::vector<ColonnaValori> colonne_;   // all records read, a column a field, sorted by Numero
    std::vector<int> vista_;       // rows of the records the filter lets through
    // The views a growing filter or search narrowed, oldest first, while the rows stay the same.
    struct VistaPrecedente {
        QString filtro;
        QString cerca;
        std::vector<int> vista;
    };
    static constexpr std::size_t MassimoPrecedenti = 16;
    std::vector<VistaPrecedente> precedenti_;
    int posizione_ = -1;
    QString filtro_;
    QString cerca_;
    Sospeso sospeso_ = Sospeso::Nessuno;
    Riga inSospeso_;
    QString errore_;
    int numeroErrore_ = 0;
    QVariantMap attesi_;
};
