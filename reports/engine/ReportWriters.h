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

// The rows of a body as one XLSX sheet: bold header row with the field names, frozen,
// numbers as numbers with the format of their report column, widths that fit.
void WriteXlsx(const SectionDef& section, const SectionData& data, const QString& sheetName,
               const QString& path);

}  // namespace report
