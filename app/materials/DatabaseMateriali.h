#pragma once
#include <QString>
#include <memory>
#include <vector>

class RecordsetMateriali;
struct MaterialeAsta;

// The materials archive: where its file lives, its provisioning from the template distributed
// with the program, the one connection and the record sets opened on it.
namespace DatabaseMateriali {
extern QString PercorsoDatabase;   // working database; empty when opening it failed
extern QString PercorsoModello;    // template distributed with the program
void InizializzaDatabaseMateriali();
void ImpostaPercorsiArchivio();
void ApriDatabaseMateriali();
void ChiudiDatabaseMateriali();
void ApriRecordset(std::shared_ptr<RecordsetMateriali>& rs, const QString& sql, QString& errText);
// Material numero as a bar takes it. False when it cannot be read (errText says why) or is
// not in the archive (errText empty).
bool LeggiMateriale(int numero, MaterialeAsta& materiale, QString& errText);

// What the archive holds, as far as a reader of it can tell without reading the rows: the
// connection (each opening is a new one), the writes of this program's record sets on it,
// and SQLite's data version, which moves when another connection (another program) commits.
// Two equal stamps mean the rows read at the first are still the archive's.
struct ImprontaArchivio {
    quint64 apertura = 0;
    quint64 scritture = 0;
    qint64 versione = -1;   // -1: no open connection, or the version could not be read
    bool operator==(const ImprontaArchivio& a) const
    {
        return apertura == a.apertura && scritture == a.scritture && versione == a.versione;
    }
    bool operator!=(const ImprontaArchivio& a) const { return !(*this == a); }
};
ImprontaArchivio Impronta();

// Number, class and description of every material, by number, for a picker; empty when the
// archive cannot be read (errText says why).
struct VoceMateriale {
    int numero = 0;
    QString classe;
    QString descrizione;
};
std::vector<VoceMateriale> ElencoMateriali(QString& errText);

inline constexpr const char* NomeConnessione = "cnMateriali";
inline constexpr const char* NomeDatabase = "MaterialiQor.dms";
inline constexpr const char* NomeModello = "DalvexQOR.DEF";

// Path rules. A folder that begins with a drive letter keeps the archive in the drive's root;
// any other folder keeps it in cartellaDati (the per-user data folder).
bool HaLetteraUnita(const QString& cartella);
QString PercorsoDatabaseSuUnita(const QString& cartellaApplicazione);  // drive-letter rule
QString PercorsoDatabasePer(const QString& cartellaApplicazione, const QString& cartellaDati);
QString PercorsoModelloPer(const QString& cartellaApplicazione);

// The folders provisioning uses: by default the application's folder and
// QStandardPaths::AppDataLocation. Tests point them at temporary folders; empty restores.
void ImpostaCartelle(const QString& cartellaApplicazione, const QString& cartellaDati);
QString CartellaApplicazione();
QString CartellaDati();

// "Errore N." + number (a blank before a number that is not negative) + the rest of the text.
QString TestoErroreLettura(int numero, const QString& descrizione);
}
