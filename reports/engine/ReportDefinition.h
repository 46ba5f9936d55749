#pragma once

#include "ado/Value.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace report {

// A report definition as read from its file (JSON, see reportes/README.md):
//
//   { "title": "Puestos al {porc} %", "orientation": "landscape", "paper": "letter",
//     "parameters": [ { "name": "empresa", "type": "number" }, ... ],
//     "heading": { "sql": "select nombre_empresa as empresa from ...", "lines": ["Plan: {plan}"] },
//     "data": { "sql": "select ... where p.empresa = @empresa", "orderBy": "centro, ocupacion" },
//     "groups": [ { "field": "centro", "header": "{centro} {nomdepto}", "footer": "Total
//     {nomdepto}" } ], "columns": [ { "header": "Puesto", "field": "ocupacion", "width": 12,
//     "align": "right",
//                    "format": "0", "total": false }, ... ],
//     "chart": { "title": "...", "category": "nomdepto", "series": [ { "field": "plazas", "label":
//     "Planeadas" } ] }, "subreports": [ { "name": "...", "title": "...", "data": {...}, "columns":
//     [...] } ] }
//
// Texts between braces are filled from the heading row, the parameters and, in group texts,
// the group's first row.

enum class ParameterType { Number, Text };

struct ParameterDef {
    QString name;
    ParameterType type = ParameterType::Text;
    // "default": the value used when the caller gives none; without it the parameter must
    // be given.
    std::optional<ado::Value> defaultValue;
};

enum class Align { Left, Center, Right };

struct ColumnDef {
    QString header;
    QString field;
    double width = 10;  // relative: the columns share the printable width in these proportions
    Align align = Align::Left;
    QString format;      // number format ("#,##0", "#,##0.00", "$#,##0.00"); empty: as read
    bool total = false;  // summed in group footers and the grand total
};

struct GroupDef {
    QString field;   // a new group starts when this field's value changes
    QString header;  // text template of the group's header line
    QString footer;  // text template of its totals line; empty: no footer
};

struct ChartSeriesDef {
    QString field;
    QString label;
};

// A bar chart after the report's body: one category per distinct value of `category` (in
// order of appearance), each series the sum of its field over the category's rows.
struct ChartDef {
    QString title;
    QString category;
    std::vector<ChartSeriesDef> series;
};

// One body of rows: the main report or a subreport.
struct SectionDef {
    QString name;   // empty for the main report
    QString title;  // subreports: the line above their rows
    QString sql;
    QString orderBy;
    std::vector<GroupDef> groups;
    std::vector<ColumnDef> columns;
    bool grandTotal = true;
    QString noDataText = QStringLiteral("Sin datos");
    std::optional<ChartDef> chart;
};

struct ReportDefinition {
    QString path;  // the file it was read from
    QString title;
    bool landscape = false;
    QPageSize::PageSizeId paper = QPageSize::Letter;  // "letter" (carta), "legal" or "a4"
    std::vector<ParameterDef> parameters;
    QString headingSql;        // optional: one row whose fields the texts may use
    QStringList headingLines;  // the filter lines under the title
    SectionDef main;
    std::vector<SectionDef> subreports;

    const ParameterDef* parameter(const QString& name) const;  // letter case ignored
    const SectionDef* subreport(const QString& name) const;
};

// Where a definition named relative to the working directory ("reportes/rptPorcentaje.rpt")
// is read from: the working directory first, then the installed share folder
// (<exe dir>/../share/oxta-staffing/), then beside the executable (a build tree). An absolute
// path, or one found nowhere, is returned as given (the error then names it).
QString FindDefinition(const QString& path);

// Reads a definition file. Throws ReportError naming the file when it is missing, unreadable
// or malformed.
ReportDefinition LoadDefinition(const QString& path);
// The same from JSON text (`path` only names it in errors).
ReportDefinition ParseDefinition(const QByteArray& json, const QString& path);

}  // namespace report
