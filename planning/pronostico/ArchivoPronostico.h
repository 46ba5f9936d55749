#pragma once

// The file of an import of the twelve figures: two columns, mes and ocupación, one row per
// month, the cells as text with the line each row is on (a sheet's row number, a CSV
// record's first line) for PreparaImportacion. A CSV file (comma, semicolon or tab) or an
// XLSX workbook (its first sheet), both read by the plan import's reader
// (planning/herramientas/PlanLibro.h).

#include "planning/herramientas/PlanLibro.h"

#include <QString>

#include <vector>

namespace pronostico {

// Throws planeacion::ErrorArchivo (planning/herramientas/PlanLibro.h) when the file cannot be
// read or is no workbook.
std::vector<planeacion::FilaLeida> LeeArchivoPronostico(const QString& ruta);

}  // namespace pronostico
