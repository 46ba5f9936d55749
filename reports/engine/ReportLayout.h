#pragma once

#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportQuery.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// Pages are laid out once, in page units of 1/720 inch (a tenth of a point), and then drawn
// by one painter on the screen, the printer, PDF files and images alike.
constexpr double kUnitsPerInch = 720.0;

enum class FontRole { Company, Title, Subtitle, Header, Body, Bold, Footer, Note };

// The font of a role, sized in page units, and its metrics (made once).
const QFont& PageFont(FontRole role);
const QFontMetricsF& PageFontMetrics(FontRole role);

struct Item {
    enum class Kind { Text, Line, Box, Chart };
    Kind kind = Kind::Text;
    QRectF rect;  // a line runs from the top-left to the bottom-right corner
    QString text;
    FontRole font = FontRole::Body;
    Align align = Align::Left;
    bool wrap = false;  // text may break into lines inside its rectangle
    QColor color;       // text or line colour, box fill
    double width = 0;   // line width
    int chart = -1;     // index into Document::charts
};

struct Page {
    std::vector<Item> items;
};

struct ChartSeries {
    QString label;
    std::vector<double> values;  // one per category
};

struct ChartData {
    QString title;
    QStringList categories;
    std::vector<ChartSeries> series;
};

struct Document {
    QSizeF pageSize;  // page units
    bool landscape = false;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QString title;
    std::vector<Page> pages;
    std::vector<ChartData> charts;

    // Every text of a page, in drawing order (for tests and searching).
    QStringList texts(int page) const;
};

// Lays the report out: the heading (company, title, filter lines, date) on every page, the
// column headings, group headers, detail rows, group and grand totals, "Sin datos" when a
// body has no rows, the chart, and "Página n de m" at the foot of every page.
Document LayOut(const ReportDefinition& definition, const Parameters& parameters,
                const ReportData& data, const QDateTime& printedAt);

// A {name} text of a report filled as its pages fill it: from the row `row` of `rows` when
// given (group lines), then the heading row, then the parameters.
QString FillReportText(const QString& text, const ReportDefinition& definition,
                       const Parameters& parameters, const ReportData& data,
                       const SectionData* rows = nullptr, int row = -1);
// The company line at the top of every page: the heading's `empresa`, else "OXTAStaffing".
QString CompanyLine(const ReportDefinition& definition, const Parameters& parameters,
                    const ReportData& data);

// Numbers as a column's format asks: "#,##0" (thousands grouped, no decimals), "0.00",
// "$#,##0.00" (a prefix before the first digit); an empty format gives the number as read.
QString FormatNumber(double value, const QString& format);
QString FormatValue(const ado::Value& value, const QString& format);

// The chart data of a body: per distinct category value, in order of appearance, each
// series summed.
ChartData ChartFor(const ChartDef& chart, const SectionData& data);

}  // namespace report
