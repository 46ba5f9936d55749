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

void WriteXlsx(const SectionDef& section, const SectionData& data, const QString& sheetName,
               const QString& path) {
    // libxlsxwriter writes the file itself on close; build it beside the target and move it
    // into place afterwards, so that a failure leaves any earlier file untouched.
    const QString scratch = path + QStringLiteral(".part");
    const QByteArray scratchName = QFile::encodeName(scratch);
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(scratchName.constData()));
    if (!wb)
        cannotWrite(path, QStringLiteral("no se pudo crear el libro"));

    // Sheet names: at most 31 characters, none of []:*?/\ .
    QString name = sheetName;
    for (QChar bad : QStringLiteral("[]:*?/\\"))
        name.replace(bad, u' ');
    name = name.left(31).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Reporte");
    lxw_worksheet* ws = workbook_add_worksheet(wb.get(), name.toUtf8().constData());

    lxw_format* header = workbook_add_format(wb.get());
    format_set_bold(header);
    format_set_bg_color(header, 0xDCE3EE);
    format_set_font_color(header, 0x1F3864);
    format_set_bottom(header, LXW_BORDER_THIN);

    const auto& r = data.result;
    const auto nCols = static_cast<std::size_t>(r.columns.size());
    // Per field: the report column's number format, else one by the values' kind.
    std::vector<lxw_format*> formats(nCols, nullptr);
    std::vector<QString> formatText(nCols);
    for (std::size_t c = 0; c < nCols; ++c) {
        for (const ColumnDef& col : section.columns)
            if (col.field.compare(r.columns.at(static_cast<qsizetype>(c)), Qt::CaseInsensitive) ==
                0)
                formatText[c] = col.format;
        if (formatText[c].isEmpty() && !r.rows.empty()) {
            const ado::Value& v = r.rows.front()[c];
            if (v.type() == ado::Value::Type::Decimal) {
                const QString text = v.toText();
                const qsizetype dot = text.indexOf(u'.');
                const qsizetype scale = dot < 0 ? 0 : text.size() - dot - 1;
                formatText[c] = scale > 0 ? QStringLiteral("#,##0.") + QString(scale, u'0')
                                          : QStringLiteral("#,##0");
            }
        }
        if (!formatText[c].isEmpty()) {
            formats[c] = workbook_add_format(wb.get());
            format_set_num_format(formats[c], formatText[c].toUtf8().constData());
        }
    }

    std::vector<double> widths(nCols, 8);
    for (std::size_t c = 0; c < nCols; ++c) {
        const QString h = r.columns.at(static_cast<qsizetype>(c));
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), h.toUtf8().constData(), header);
        widths[c] = std::max<double>(widths[c], h.size() + 2);
    }
    lxw_row_t row = 1;
    for (const auto& values : r.rows) {
        for (std::size_t c = 0; c < nCols; ++c) {
            const ado::Value& v = values[c];
            const auto col = static_cast<lxw_col_t>(c);
            QString shown;
            if (v.isNull()) {
                continue;
            } else if (v.isNumber()) {
                worksheet_write_number(ws, row, col, v.toDouble(), formats[c]);
                shown = FormatNumber(v.toDouble(), formatText[c]);
            } else {
                shown = plainText(v);
                worksheet_write_string(ws, row, col, shown.toUtf8().constData(), nullptr);
            }
            widths[c] = std::max<double>(widths[c], shown.size() + 2);
        }
        ++row;
    }
    for (std::size_t c = 0; c < nCols; ++c) {
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             std::min(widths[c], 60.0), nullptr);
    }
    worksheet_freeze_panes(ws, 1, 0);
    if (nCols > 0)
        worksheet_autofilter(ws, 0, 0, row - 1, static_cast<lxw_col_t>(nCols - 1));

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
