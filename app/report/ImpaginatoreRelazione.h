#pragma once
#include "report/DocumentoRelazione.h"

#include <QDate>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

// Report sections on paper or in PDF: each section starts on a new page; every page has a
// header (program, joint number and type, date) and its number in the footer. The report's
// own fonts and monospaced columns are kept; pages break between lines, never inside one.
namespace Relazione {

// Paints the sections on the device; the number of pages, or -1 when painting cannot begin.
int Impagina(QPagedPaintDevice& dispositivo, const std::vector<SezioneRelazione>& sezioni,
             const QDate& data = QDate::currentDate());

// Page size and margins of a report page (A4 portrait).
void ImpostaPagina(QPagedPaintDevice& dispositivo);

// Writes the PDF through a temporary file in the same folder that replaces the target only
// once complete: a failed write leaves neither a partial file nor a damaged old one.
// On failure, errore holds the system's reason.
bool EsportaPdf(const QString& percorso, const std::vector<SezioneRelazione>& sezioni,
                QString& errore);

// The complete report of a calculation ("Relazione Completa", RelazioneCompleta) exported to a PDF.
bool EsportaRelazioneCompleta(const clsGenVerNodi& registro, const Coefficienti& coefficienti,
                              const TipologieMateriali& tipologie, const DurateCarico& durate,
                              const DatiProgetto& progetto, const QString& percorso, QString& errore);

}
