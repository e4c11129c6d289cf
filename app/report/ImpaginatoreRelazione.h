#pragma once
#include "report/DocumentoRelazione.h"

#include <QDate>
#include <QString>

#include <functional>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

// Report sections on paper or in PDF: each section starts on a new page; every page has a
// header (program, joint number and type, date) and its number in the footer. The report's
// own fonts and monospaced columns are kept; pages break between lines, never inside one.
namespace Relazione {

// Told the steps done of the total (each section is laid out, then painted: two steps a
// section); false stops the work.
using AvanzamentoPagine = std::function<bool(int fatti, int totale)>;

// Paints the sections on the device; the number of pages, -1 when painting cannot begin,
// Annullata when avanzamento stopped it (a printer's job is then aborted, nothing printed).
constexpr int Annullata = -2;
int Impagina(QPagedPaintDevice& dispositivo, const std::vector<SezioneRelazione>& sezioni,
             const QDate& data = QDate::currentDate(), const AvanzamentoPagine& avanzamento = {});

// Page size and margins of a report page (A4 portrait).
void ImpostaPagina(QPagedPaintDevice& dispositivo);

// Writes the PDF through a temporary file in the same folder that replaces the target only
// once complete: a failed write leaves neither a partial file nor a damaged old one.
// On failure, errore holds the system's reason.
// Stopped by avanzamento: false, *annullato true, no file written or changed.
bool EsportaPdf(const QString& percorso, const std::vector<SezioneRelazione>& sezioni,
                QString& errore, const AvanzamentoPagine& avanzamento = {}, bool* annullato = nullptr);

// The complete report of a calculation ("Relazione Completa", RelazioneCompleta) exported to a PDF.
bool EsportaRelazioneCompleta(const clsGenVerNodi& registro, const Coefficienti& coefficienti,
                              const TipologieMateriali& tipologie, const DurateCarico& durate,
                              const DatiProgetto& progetto, const QString& percorso, QString& errore);

}
