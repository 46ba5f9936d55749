#pragma once

#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportQuery.h"

#include <QByteArray>
#include <QString>

namespace report {

// The writers throw ReportError naming the file when it cannot be written.

// The laid-out pages as PDF, text kept as text.
void WritePdf(const Document& document, const QString& path);

// The rows of a body as CSV: UTF-8, comma-separated, CRLF line ends, fields quoted as
// RFC 4180 asks, one header row with the data's field names, numbers plain ("1234.5").
QByteArray CsvText(const SectionData& data);
void WriteCsv(const SectionData& data, const QString& path);

// The same rows for people opening the file in Excel: UTF-8 with a byte order mark (Excel
// reads UTF-8 only with one), comma-separated as Excel expects under Mexican (es-MX)
// regional settings, CRLF; the printed columns under their printed headings, in order, then
// the further data fields under their names; numbers plain ("1234.5"), as Excel reads them
// there.
QByteArray CsvExcelText(const SectionDef& section, const SectionData& data);
void WriteCsvExcel(const SectionDef& section, const SectionData& data, const QString& path);

// The main body as one XLSX sheet, as printed: the company, the title and the filter lines
// above; a header row with the printed headings of the printed columns in order, then the
// further data fields under their names, frozen and with a filter; the rows with numbers as
// numbers in their column's format; one subtotal row per group that prints a footer and the
// grand total where the report prints one, as SUBTOTAL formulas over the rows above, so a
// changed figure recomputes.
void WriteXlsx(const ReportDefinition& definition, const Parameters& parameters,
               const ReportData& data, const QString& path);

}  // namespace report
