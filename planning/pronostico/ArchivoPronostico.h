#pragma once

// The file of an import of the twelve figures: two columns, mes and ocupación, one row per
// month, the cells as text for PreparaImportacion. A CSV file (comma, semicolon or tab; the
// planner's tools read it) or an XLSX workbook (its first sheet).

#include <QString>
#include <QStringList>

#include <vector>

namespace pronostico {

// Throws planeacion::ErrorArchivo (planning/herramientas/PlanLibro.h) when the file cannot be
// read or is no workbook.
std::vector<QStringList> LeeArchivoPronostico(const QString& ruta);

}  // namespace pronostico
