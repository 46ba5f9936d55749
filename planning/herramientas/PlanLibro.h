#pragma once

// A whole plan in a file the planner edits in a spreadsheet: a workbook with the sheets
// "Porcentaje" and "Mes" (one row per entry: centre, group and position with their names,
// then the figures) and a protected sheet "Catálogos" listing the company's centres, groups
// and positions; or a CSV file with the columns of one of the two sheets.
//
// Reading gives the cells as text, so that the import can say what is wrong with each row.

#include "planning/herramientas/PlanDatos.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace planeacion {

// A file that cannot be written or read; the message is for the user, in Spanish.
struct ErrorArchivo {
    QString mensaje;
};

// The headings of a sheet: centro, nombre del centro, grupo, nombre del grupo, puesto,
// nombre del puesto, then the figures' headings.
QStringList EncabezadosHoja(Tabla tabla);
inline const QString kHojaCatalogos = QStringLiteral("Catálogos");

// Writes the workbook (replacing the file only once it is complete). Throws ErrorArchivo.
void EscribeLibro(const QString& ruta, const EntradasPlan& entradas, const Catalogos& catalogos);
// Writes the entries of one table as CSV (UTF-8 with a byte-order mark, comma-separated).
void EscribeCsv(const QString& ruta, Tabla tabla, const std::vector<EntradaClave>& entradas,
                const Catalogos& catalogos);

// A row as read, with its line (a workbook's row number, a CSV record's first line).
struct FilaLeida {
    int linea = 0;
    QStringList celdas;
};

// A sheet of the file holding entries of one table; the first row read is the headings.
struct HojaLeida {
    Tabla tabla = Tabla::Porcentaje;
    std::vector<FilaLeida> filas;
};

// Reads the sheets "Porcentaje" and "Mes" of a workbook (sheet names in any letter case; a
// workbook without either is an error), or a CSV file whose headings name the months (the
// month entries) or not (the percentage entries). The kind goes by the file's extension
// (.csv, anything else a workbook). Throws ErrorArchivo.
std::vector<HojaLeida> LeeArchivo(const QString& ruta);
std::vector<HojaLeida> LeeLibro(const QString& ruta);
HojaLeida LeeCsv(const QString& ruta);
// The rows of a workbook's first sheet (the first in the workbook's order, whatever its
// name), or of a CSV file, by the extension as LeeArchivo goes. Throws ErrorArchivo.
std::vector<FilaLeida> LeePrimeraHoja(const QString& ruta);

// The rows of CSV text: separator comma, semicolon or tab (the one the headings use most),
// fields between double quotes may hold separators, quotes ("") and line breaks.
std::vector<FilaLeida> FilasCsv(const QString& texto);

}  // namespace planeacion
