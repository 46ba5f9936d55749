#include "reports/engine/ReportWriters.h"

#include "reports/engine/ReportError.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <memory>

#include "reports/engine/ReportPainter.h"

namespace report {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& why) {
    throw ReportError(
        QStringLiteral("No se pudo escribir \"%1\": %2").arg(QDir::toNativeSeparators(path), why));
}

QString plainText(const ado::Value& v) {
    switch (v.type()) {
        case ado::Value::Type::Null:
            return {};
        case ado::Value::Type::DateTime:
            return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case ado::Value::Type::Text:
            return v.trimmed();
        default:
            return v.toText();  // numbers: no padding, "." as decimal point
    }
}

QString csvField(const QString& text) {
    const bool quote =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quote)
        return text;
    QString out = text;
    out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void saveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, file.errorString());
    file.write(bytes);
    if (!file.commit())
        cannotWrite(path, file.errorString());
}

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const { workbook_close(wb); }
};

}  // namespace

void WritePdf(const Document& document, const QString& path) {
    // Written beside and moved into place, so a failed run never leaves half a file.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        cannotWrite(path, target.errorString());
    {
        QPdfWriter pdf(&target);
        pdf.setResolution(static_cast<int>(kUnitsPerInch));
        pdf.setPageLayout(
            QPageLayout(QPageSize(document.paper),
                        document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(document.title);
        pdf.setCreator(QStringLiteral("OXTAStaffing"));
        QPainter painter;
        if (!painter.begin(&pdf))
            cannotWrite(path, QStringLiteral("el PDF no pudo iniciarse"));
        for (int i = 0; i < static_cast<int>(document.pages.size()); ++i) {
            if (i > 0)
                pdf.newPage();
            PaintPage(painter, document, i);
        }
        painter.end();
    }
    if (!target.commit())
        cannotWrite(path, target.errorString());
}

QByteArray CsvText(const SectionData& data) {
    QString out;
    const auto& r = data.result;
    QStringList fields;
    for (const QString& c : r.columns)
        fields << csvField(c);
    out += fields.join(u',') + QStringLiteral("\r\n");
    for (const auto& row : r.rows) {
        fields.clear();
        for (const ado::Value& v : row)
            fields << csvField(plainText(v));
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

void WriteCsv(const SectionData& data, const QString& path) {
    saveFile(path, CsvText(data));
}

namespace {

// The printed columns first, in order, then every further field of the data.
struct ExportColumn {
    int field;       // index in the data
    QString header;  // printed heading, or the field's name
    QString format;  // the printed column's number format, or empty
    bool total = false;
};

std::vector<ExportColumn> exportColumns(const SectionDef& section, const SectionData& data) {
    std::vector<ExportColumn> out;
    std::vector<bool> used(static_cast<std::size_t>(data.result.columns.size()), false);
    for (const ColumnDef& c : section.columns) {
        const int f = data.column(c.field);
        if (f < 0)
            continue;
        out.push_back({f, c.header, c.format, c.total});
        used[static_cast<std::size_t>(f)] = true;
    }
    for (int f = 0; f < data.result.columns.size(); ++f)
        if (!used[static_cast<std::size_t>(f)])
            out.push_back({f, data.result.columns.at(f), {}, false});
    return out;
}

// A1-style name of a column (0 -> "A", 26 -> "AA").
QString columnName(int column) {
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

// A number format of the report ("#,##0", "$#,##0.00") as Excel writes it.
QString excelFormat(const ColumnDef* column, const ado::Value& sample) {
    if (column && !column->format.isEmpty())
        return column->format;
    if (sample.type() == ado::Value::Type::Decimal) {
        const QString text = sample.toText();
        const qsizetype dot = text.indexOf(u'.');
        const qsizetype scale = dot < 0 ? 0 : text.size() - dot - 1;
        return scale > 0 ? QStringLiteral("#,##0.") + QString(scale, u'0')
                         : QStringLiteral("#,##0");
    }
    return {};
}

}  // namespace

QByteArray CsvExcelText(const SectionDef& section, const SectionData& data) {
    const std::vector<ExportColumn> columns = exportColumns(section, data);
    QStringList fields;
    for (const ExportColumn& c : columns)
        fields << csvField(c.header);
    QString out = fields.join(u',') + QStringLiteral("\r\n");
    for (const auto& row : data.result.rows) {
        fields.clear();
        for (const ExportColumn& c : columns)
            fields << csvField(plainText(row[static_cast<std::size_t>(c.field)]));
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

void WriteCsvExcel(const SectionDef& section, const SectionData& data, const QString& path) {
    saveFile(path, CsvExcelText(section, data));
}

void WriteXlsx(const ReportDefinition& definition, const Parameters& parameters,
               const ReportData& report, const QString& path) {
    // libxlsxwriter writes the file itself on close; build it beside the target and move it
    // into place afterwards, so that a failure leaves any earlier file untouched.
    const QString scratch = path + QStringLiteral(".part");
    const QByteArray scratchName = QFile::encodeName(scratch);
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(scratchName.constData()));
    if (!wb)
        cannotWrite(path, QStringLiteral("no se pudo crear el libro"));

    const SectionDef& section = definition.main;
    const SectionData& data = report.main;
    const auto fill = [&](const QString& text, int row = -1) {
        return FillReportText(text, definition, parameters, report, &data, row);
    };

    // Sheet names: at most 31 characters, none of []:*?/\ .
    QString name = fill(definition.title);
    for (QChar bad : QStringLiteral("[]:*?/\\"))
        name.replace(bad, u' ');
    name = name.left(31).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Reporte");
    lxw_worksheet* ws = workbook_add_worksheet(wb.get(), name.toUtf8().constData());
    const auto text = [&](lxw_row_t r, int c, const QString& t, lxw_format* f) {
        worksheet_write_string(ws, r, static_cast<lxw_col_t>(c), t.toUtf8().constData(), f);
    };

    lxw_format* company = workbook_add_format(wb.get());
    format_set_bold(company);
    format_set_font_size(company, 14);
    format_set_font_color(company, 0x1F3864);
    lxw_format* title = workbook_add_format(wb.get());
    format_set_bold(title);
    format_set_font_size(title, 12);
    lxw_format* header = workbook_add_format(wb.get());
    format_set_bold(header);
    format_set_bg_color(header, 0xDCE3EE);
    format_set_font_color(header, 0x1F3864);
    format_set_bottom(header, LXW_BORDER_THIN);
    format_set_text_wrap(header);
    lxw_format* boldText = workbook_add_format(wb.get());
    format_set_bold(boldText);

    // The heading, as on every printed page.
    lxw_row_t row = 0;
    text(row++, 0, CompanyLine(definition, parameters, report), company);
    text(row++, 0, fill(definition.title), title);
    for (const QString& line : definition.headingLines)
        text(row++, 0, fill(line), nullptr);
    ++row;

    const std::vector<ExportColumn> columns = exportColumns(section, data);
    const auto& rows = data.result.rows;
    std::vector<lxw_format*> formats(columns.size(), nullptr);
    std::vector<lxw_format*> totalFormats(columns.size(), nullptr);
    std::vector<QString> formatText(columns.size());
    std::vector<double> widths(columns.size(), 8);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnDef* printed = nullptr;
        for (const ColumnDef& col : section.columns)
            if (data.column(col.field) == columns[c].field)
                printed = &col;
        formatText[c] = excelFormat(
            printed,
            rows.empty() ? ado::Value() : rows.front()[static_cast<std::size_t>(columns[c].field)]);
        totalFormats[c] = workbook_add_format(wb.get());
        format_set_bold(totalFormats[c]);
        if (!formatText[c].isEmpty()) {
            formats[c] = workbook_add_format(wb.get());
            format_set_num_format(formats[c], formatText[c].toUtf8().constData());
            format_set_num_format(totalFormats[c], formatText[c].toUtf8().constData());
        }
        text(row, static_cast<int>(c), columns[c].header, header);
        widths[c] =
            std::max<double>(widths[c], std::min<qsizetype>(columns[c].header.size(), 24) + 2);
    }
    const lxw_row_t headerRow = row++;
    const lxw_row_t firstDetail = row;

    // Groups that print a footer get a subtotal row when they end.
    std::vector<std::size_t> levels;
    for (std::size_t g = 0; g < section.groups.size(); ++g)
        if (!section.groups[g].footer.isEmpty() && data.column(section.groups[g].field) >= 0)
            levels.push_back(g);
    std::vector<lxw_row_t> groupStart(section.groups.size(), firstDetail);
    std::vector<int> groupFirstRow(section.groups.size(), 0);
    std::vector<std::vector<double>> sums(section.groups.size() + 1,
                                          std::vector<double>(columns.size(), 0));
    const auto key = [&](std::size_t g, std::size_t r) {
        return rows[r][static_cast<std::size_t>(data.column(section.groups[g].field))].trimmed();
    };
    const auto totalRow = [&](const QString& label, lxw_row_t from, std::vector<double>& sum) {
        text(row, 0, label, boldText);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!columns[c].total)
                continue;
            const QString ref = columnName(static_cast<int>(c));
            const QString formula = QStringLiteral("=SUBTOTAL(9,%1%2:%1%3)")
                                        .arg(ref)
                                        .arg(from + 1)
                                        .arg(row);  // the rows above, 1-based
            worksheet_write_formula_num(ws, row, static_cast<lxw_col_t>(c),
                                        formula.toUtf8().constData(), totalFormats[c], sum[c]);
        }
        std::fill(sum.begin(), sum.end(), 0.0);
        ++row;
    };
    const auto closeGroups = [&](std::size_t from) {
        for (auto it = levels.rbegin(); it != levels.rend(); ++it)
            if (*it >= from)
                totalRow(fill(section.groups[*it].footer, groupFirstRow[*it]), groupStart[*it],
                         sums[*it]);
    };

    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::size_t changed = section.groups.size();
        for (std::size_t g : levels) {
            if (r == 0 || key(g, r) != key(g, r - 1)) {
                changed = g;
                break;
            }
        }
        if (changed < section.groups.size()) {
            if (r > 0)
                closeGroups(changed);
            for (std::size_t g : levels)
                if (g >= changed) {
                    groupStart[g] = row;
                    groupFirstRow[g] = static_cast<int>(r);
                }
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const ado::Value& v = rows[r][static_cast<std::size_t>(columns[c].field)];
            const auto col = static_cast<lxw_col_t>(c);
            QString shown;
            if (v.isNull()) {
                continue;
            } else if (v.isNumber()) {
                worksheet_write_number(ws, row, col, v.toDouble(), formats[c]);
                shown = FormatNumber(v.toDouble(), formatText[c]);
                for (auto& sum : sums)
                    sum[c] += v.toDouble();
            } else {
                shown = plainText(v);
                worksheet_write_string(ws, row, col, shown.toUtf8().constData(), nullptr);
            }
            widths[c] = std::max<double>(widths[c], shown.size() + 2);
        }
        ++row;
    }
    if (!rows.empty()) {
        closeGroups(0);
        const bool anyTotal = std::any_of(columns.begin(), columns.end(),
                                          [](const ExportColumn& c) { return c.total; });
        if (section.grandTotal && anyTotal)
            totalRow(QStringLiteral("Total general"), firstDetail, sums.back());
    } else {
        text(row++, 0, section.noDataText, nullptr);
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             std::min(widths[c], 60.0), nullptr);
    }
    worksheet_freeze_panes(ws, headerRow + 1, 0);
    if (!columns.empty())
        worksheet_autofilter(ws, headerRow, 0, std::max(headerRow, row - 1),
                             static_cast<lxw_col_t>(columns.size() - 1));

    const lxw_error closed = workbook_close(wb.release());
    if (closed != LXW_NO_ERROR) {
        QFile::remove(scratch);
        cannotWrite(path, QString::fromUtf8(lxw_strerror(closed)));
    }
    QFile::remove(path);
    if (!QFile::rename(scratch, path)) {
        QFile::remove(scratch);
        cannotWrite(path, QStringLiteral("no se pudo reemplazar el archivo"));
    }
}

}  // namespace report
