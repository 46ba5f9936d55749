#include "reports/engine/ReportLayout.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>

#include <algorithm>
#include <array>
#include <cmath>

namespace report {

namespace {

// Page geometry and colours, in page units (1/720 inch).
constexpr double kMargin = 280;  // about 1 cm
constexpr double kFooterHeight = 170;
constexpr double kPad = 28;  // inside a cell
constexpr double kRow = 112;
constexpr double kGroupGap = 40;
// Chart height per category: Qt Charts shortens the names to "..." when a band is lower
// than a label line and its padding.
constexpr double kChartBand = 220;

const QColor kAccent(0x1F, 0x38, 0x64);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x59, 0x59, 0x59);
const QColor kHeaderFill(0xDC, 0xE3, 0xEE);
const QColor kZebra(0xF4, 0xF6, 0xFA);
const QColor kSubtotalFill(0xE9, 0xED, 0xF4);
const QColor kTotalFill(0xC9, 0xD3, 0xE3);
const QColor kRule(0xB4, 0xBE, 0xCD);

QString numberText(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

class Layouter {
  public:
    Layouter(const ReportDefinition& def, const Parameters& params, const ReportData& data,
             const QDateTime& printedAt)
        : m_def(def), m_params(params), m_data(data), m_printedAt(printedAt) {
        const QSizeF paper = QPageSize(def.paper).size(QPageSize::Inch) * kUnitsPerInch;
        m_doc.landscape = def.landscape;
        m_doc.paper = def.paper;
        m_doc.pageSize = def.landscape ? paper.transposed() : paper;
        m_right = m_doc.pageSize.width() - kMargin;
        m_bottom = m_doc.pageSize.height() - kMargin - kFooterHeight;
        m_doc.title = fill(def.title, nullptr, -1);
    }

    Document run() {
        section(m_def.main, m_data.main, true);
        for (std::size_t i = 0; i < m_def.subreports.size(); ++i)
            section(m_def.subreports[i], m_data.subreports[i], false);
        footers();
        return std::move(m_doc);
    }

  private:
    // ---- texts ----

    QString fill(const QString& text, const SectionData* rows, int row) const {
        return FillReportText(text, m_def, m_params, m_data, rows, row);
    }

    // ---- drawing primitives ----

    Page& page() { return m_doc.pages.back(); }

    void text(const QRectF& r, const QString& t, FontRole font, Align align, const QColor& color,
              bool elide = true) {
        Item item;
        item.rect = r;
        item.font = font;
        item.align = align;
        item.color = color;
        item.text = t;
        if (elide) {
            const QFontMetricsF& fm = PageFontMetrics(font);
            item.text = fm.elidedText(t, Qt::ElideRight, r.width());
        }
        page().items.push_back(item);
    }

    void line(double x1, double y1, double x2, double y2, const QColor& color, double width) {
        Item item;
        item.kind = Item::Kind::Line;
        item.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
        item.color = color;
        item.width = width;
        page().items.push_back(item);
    }

    void box(const QRectF& r, const QColor& fill) {
        Item item;
        item.kind = Item::Kind::Box;
        item.rect = r;
        item.color = fill;
        page().items.push_back(item);
    }

    double width() const { return m_right - kMargin; }

    // ---- pages ----

    void newPage() {
        m_doc.pages.emplace_back();
        m_y = kMargin;
        pageHeading();
        if (m_columns)
            columnHeadings();
    }

    void ensure(double height) {
        if (m_doc.pages.empty() || m_y + height > m_bottom)
            newPage();
    }

    void pageHeading() {
        const QString stamp =
            QStringLiteral("Fecha: ") + m_printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
        const double stampWidth = 2200;
        text({kMargin, m_y, width() - stampWidth, 170}, CompanyLine(m_def, m_params, m_data),
             FontRole::Company, Align::Left, kAccent);
        text({m_right - stampWidth, m_y + 30, stampWidth, 120}, stamp, FontRole::Subtitle,
             Align::Right, kMuted);
        m_y += 185;
        text({kMargin, m_y, width(), 150}, m_doc.title, FontRole::Title, Align::Left, kInk);
        m_y += 160;
        for (const QString& l : m_def.headingLines) {
            text({kMargin, m_y, width(), 110}, fill(l, nullptr, -1), FontRole::Subtitle,
                 Align::Left, kMuted);
            m_y += 110;
        }
        m_y += 40;
        line(kMargin, m_y, m_right, m_y, kAccent, 14);
        m_y += 70;
    }

    // ---- columns ----

    void placeColumns(const SectionDef& s) {
        double total = 0;
        for (const ColumnDef& c : s.columns)
            total += c.width;
        m_x.clear();
        double x = kMargin;
        for (const ColumnDef& c : s.columns) {
            m_x.push_back(x);
            x += width() * c.width / total;
        }
        m_x.push_back(m_right);
    }

    QRectF cell(std::size_t c, double y, double h) const {
        return {m_x[c] + kPad, y, m_x[c + 1] - m_x[c] - 2 * kPad, h};
    }

    void columnHeadings() {
        const auto& cols = m_columns->columns;
        const QFontMetricsF& fm = PageFontMetrics(FontRole::Header);
        int lines = 1;
        for (std::size_t c = 0; c < cols.size(); ++c) {
            const QRectF r = cell(c, 0, 10000);
            const QRectF need = fm.boundingRect(r, Qt::TextWordWrap, cols[c].header);
            lines = std::max(lines,
                             static_cast<int>(std::ceil(need.height() / fm.lineSpacing() - 0.01)));
        }
        lines = std::min(lines, 3);
        const double h = lines * fm.lineSpacing() + 60;
        box({kMargin, m_y, width(), h}, kHeaderFill);
        for (std::size_t c = 0; c < cols.size(); ++c) {
            Item item;
            item.rect = cell(c, m_y + 30, h - 60);
            item.text = cols[c].header;
            item.font = FontRole::Header;
            item.align = cols[c].align;
            item.wrap = true;
            item.color = kAccent;
            page().items.push_back(item);
        }
        m_y += h;
        line(kMargin, m_y, m_right, m_y, kAccent, 8);
        m_y += 20;
    }

    // ---- rows ----

    void detail(const SectionDef& s, const SectionData& d, int row) {
        ensure(kRow);
        if (m_zebra)
            box({kMargin, m_y, width(), kRow}, kZebra);
        m_zebra = !m_zebra;
        const auto& values = d.result.rows[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            const ColumnDef& col = s.columns[c];
            const ado::Value& v = values[static_cast<std::size_t>(d.column(col.field))];
            text(cell(c, m_y, kRow), FormatValue(v, col.format), FontRole::Body, col.align, kInk);
        }
        m_y += kRow;
    }

    // A totals line: the label over the columns before the first summed one, the sums under
    // their columns.
    void totals(const SectionDef& s, const QString& label, const std::vector<double>& sums,
                const QColor& fill, double indent) {
        const double h = kRow + 20;
        ensure(h + 20);
        m_y += 10;
        box({kMargin, m_y, width(), h}, fill);
        line(kMargin, m_y, m_right, m_y, kRule, 6);
        std::size_t first = s.columns.size();
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            if (s.columns[c].total) {
                first = c;
                break;
            }
        }
        const double labelRight = first < s.columns.size() ? m_x[first] : m_right;
        text({kMargin + kPad + indent, m_y + 10, labelRight - kMargin - 2 * kPad - indent, kRow},
             label, FontRole::Bold, Align::Left, kAccent);
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            if (!s.columns[c].total)
                continue;
            text(cell(c, m_y + 10, kRow), FormatNumber(sums[c], s.columns[c].format),
                 FontRole::Bold, s.columns[c].align, kInk);
        }
        m_y += h + 10;
        m_zebra = false;
    }

    static constexpr double kGroupHeader = kGroupGap + kRow + 20;

    void groupHeader(const SectionDef& s, const SectionData& d, std::size_t level, int row) {
        ensure(kGroupHeader + kRow);
        m_y += kGroupGap;
        const double indent = 80.0 * static_cast<double>(level);
        text({kMargin + kPad + indent, m_y, width() - indent - kPad, kRow + 10},
             fill(s.groups[level].header, &d, row), FontRole::Bold, Align::Left, kAccent);
        m_y += kRow + 10;
        line(kMargin + indent, m_y, m_right, m_y, kRule, 4);
        m_y += 10;
        m_zebra = false;
    }

    void section(const SectionDef& s, const SectionData& d, bool isMain) {
        m_columns = nullptr;
        placeColumns(s);
        if (m_doc.pages.empty())
            newPage();
        if (!isMain) {
            ensure(300 + kRow * 3);
            m_y += 120;
            text({kMargin, m_y, width(), 150}, fill(s.title, nullptr, -1), FontRole::Title,
                 Align::Left, kInk);
            m_y += 170;
        }
        m_columns = &s;
        ensure(250 + kRow);
        columnHeadings();

        const std::size_t nCols = s.columns.size();
        const std::size_t nGroups = s.groups.size();
        std::vector<int> groupCol;
        for (const GroupDef& g : s.groups)
            groupCol.push_back(d.column(g.field));
        std::vector<std::vector<double>> groupSums(nGroups, std::vector<double>(nCols, 0));
        std::vector<double> grand(nCols, 0);
        std::vector<int> groupFirstRow(nGroups, -1);
        const auto& rows = d.result.rows;

        auto key = [&](std::size_t level, int row) {
            const int c = groupCol[level];
            return c < 0
                       ? QString()
                       : rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)].trimmed();
        };
        auto closeGroups = [&](std::size_t from) {
            for (std::size_t level = nGroups; level-- > from;) {
                if (!s.groups[level].footer.isEmpty()) {
                    totals(s, fill(s.groups[level].footer, &d, groupFirstRow[level]),
                           groupSums[level], kSubtotalFill, 80.0 * static_cast<double>(level));
                }
                std::fill(groupSums[level].begin(), groupSums[level].end(), 0.0);
            }
        };

        if (rows.empty()) {
            ensure(300);
            text({kMargin, m_y + 80, width(), 160}, s.noDataText, FontRole::Note, Align::Center,
                 kMuted);
            m_y += 320;
        }
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const int row = static_cast<int>(r);
            std::size_t changed = nGroups;
            for (std::size_t level = 0; level < nGroups; ++level) {
                if (r == 0 || key(level, row) != key(level, row - 1)) {
                    changed = level;
                    break;
                }
            }
            if (changed < nGroups) {
                if (r > 0)
                    closeGroups(changed);
                // Never a header at the foot of a page without its first row.
                ensure(kGroupHeader * static_cast<double>(nGroups - changed) + kRow);
                for (std::size_t level = changed; level < nGroups; ++level) {
                    groupFirstRow[level] = row;
                    groupHeader(s, d, level, row);
                }
            }
            detail(s, d, row);
            for (std::size_t c = 0; c < nCols; ++c) {
                if (!s.columns[c].total)
                    continue;
                const double v =
                    rows[r][static_cast<std::size_t>(d.column(s.columns[c].field))].toDouble();
                grand[c] += v;
                for (auto& sums : groupSums)
                    sums[c] += v;
            }
        }
        if (!rows.empty()) {
            closeGroups(0);
            const bool anyTotal = std::any_of(s.columns.begin(), s.columns.end(),
                                              [](const ColumnDef& c) { return c.total; });
            if (s.grandTotal && anyTotal)
                totals(s, QStringLiteral("Total general"), grand, kTotalFill, 0);
        }
        m_columns = nullptr;
        if (s.chart && !rows.empty()) {
            ChartData chart = ChartFor(*s.chart, d);
            // Room for every category's bars, up to a page below the heading.
            const double wanted = 1300 + kChartBand * static_cast<double>(chart.categories.size());
            const double h = std::min(wanted, m_bottom - kMargin - 800);
            ensure(h + 150);
            m_y += 150;
            Item item;
            item.kind = Item::Kind::Chart;
            item.rect = {kMargin, m_y, width(), h};
            item.chart = static_cast<int>(m_doc.charts.size());
            m_doc.charts.push_back(std::move(chart));
            m_doc.charts.back().title = fill(s.chart->title, nullptr, -1);
            page().items.push_back(item);
            m_y += h;
        }
    }

    void footers() {
        const int total = static_cast<int>(m_doc.pages.size());
        const QString left = QStringLiteral("OXTAStaffing · ") + QFileInfo(m_def.path).fileName();
        for (int i = 0; i < total; ++i) {
            m_doc.pages[static_cast<std::size_t>(i)].items.reserve(
                m_doc.pages[static_cast<std::size_t>(i)].items.size() + 3);
            const double y = m_doc.pageSize.height() - kMargin - kFooterHeight + 60;
            Page& p = m_doc.pages[static_cast<std::size_t>(i)];
            Item rule;
            rule.kind = Item::Kind::Line;
            rule.rect = QRectF(QPointF(kMargin, y), QPointF(m_right, y));
            rule.color = kRule;
            rule.width = 6;
            p.items.push_back(rule);
            Item l;
            l.rect = {kMargin, y + 20, width() / 2, 100};
            l.text = left;
            l.font = FontRole::Footer;
            l.color = kMuted;
            p.items.push_back(l);
            Item r = l;
            r.rect = {kMargin + width() / 2, y + 20, width() / 2, 100};
            r.text = QStringLiteral("Página %1 de %2").arg(i + 1).arg(total);
            r.align = Align::Right;
            p.items.push_back(r);
        }
    }

    const ReportDefinition& m_def;
    const Parameters& m_params;
    const ReportData& m_data;
    QDateTime m_printedAt;
    Document m_doc;
    double m_right = 0;
    double m_bottom = 0;
    double m_y = 0;
    std::vector<double> m_x;
    const SectionDef* m_columns = nullptr;  // the body whose headings each new page repeats
    bool m_zebra = false;
};

}  // namespace

namespace {

QFont makeFont(FontRole role) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: "ffi" stays three letters that a PDF reader finds and copies.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    switch (role) {
        case FontRole::Company:
            f.setPixelSize(135);
            f.setBold(true);
            break;
        case FontRole::Title:
            f.setPixelSize(115);
            f.setBold(true);
            break;
        case FontRole::Subtitle:
            f.setPixelSize(80);
            break;
        case FontRole::Header:
            f.setPixelSize(68);
            f.setBold(true);
            break;
        case FontRole::Body:
            f.setPixelSize(72);
            break;
        case FontRole::Bold:
            f.setPixelSize(72);
            f.setBold(true);
            break;
        case FontRole::Footer:
            f.setPixelSize(64);
            break;
        case FontRole::Note:
            f.setPixelSize(100);
            f.setItalic(true);
            break;
    }
    return f;
}

}  // namespace

const QFont& PageFont(FontRole role) {
    static const std::array<QFont, 8> fonts = [] {
        std::array<QFont, 8> f;
        for (std::size_t i = 0; i < f.size(); ++i)
            f[i] = makeFont(static_cast<FontRole>(i));
        return f;
    }();
    return fonts[static_cast<std::size_t>(role)];
}

const QFontMetricsF& PageFontMetrics(FontRole role) {
    static const std::array<QFontMetricsF, 8> metrics = [] {
        return std::array<QFontMetricsF, 8>{
            QFontMetricsF(PageFont(FontRole::Company)),  QFontMetricsF(PageFont(FontRole::Title)),
            QFontMetricsF(PageFont(FontRole::Subtitle)), QFontMetricsF(PageFont(FontRole::Header)),
            QFontMetricsF(PageFont(FontRole::Body)),     QFontMetricsF(PageFont(FontRole::Bold)),
            QFontMetricsF(PageFont(FontRole::Footer)),   QFontMetricsF(PageFont(FontRole::Note))};
    }();
    return metrics[static_cast<std::size_t>(role)];
}

QStringList Document::texts(int page) const {
    QStringList out;
    for (const Item& item : pages.at(static_cast<std::size_t>(page)).items)
        if (item.kind == Item::Kind::Text)
            out << item.text;
    return out;
}

QString FillReportText(const QString& text, const ReportDefinition& definition,
                       const Parameters& parameters, const ReportData& data,
                       const SectionData* rows, int row) {
    return FillTemplate(text, [&](const QString& name) -> std::optional<ado::Value> {
        if (rows && row >= 0) {
            const int c = rows->column(name);
            if (c >= 0)
                return rows->result
                    .rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
        }
        const auto h = data.heading.find(name.toLower());
        if (h != data.heading.end())
            return h.value();
        if (definition.parameter(name))
            return parameters.value(name);
        return std::nullopt;
    });
}

QString CompanyLine(const ReportDefinition& definition, const Parameters& parameters,
                    const ReportData& data) {
    const QString company =
        FillReportText(QStringLiteral("{empresa}"), definition, parameters, data);
    return company != u"{empresa}" && !company.isEmpty() ? company : QStringLiteral("OXTAStaffing");
}

QString FormatNumber(double value, const QString& format) {
    if (format.isEmpty()) {
        if (value == std::floor(value) && std::abs(value) < 1e15)
            return QString::number(static_cast<qlonglong>(value));
        return QString::number(value, 'g', 15);
    }
    const qsizetype firstDigit = [&] {
        for (qsizetype i = 0; i < format.size(); ++i)
            if (format[i] == u'#' || format[i] == u'0')
                return i;
        return format.size();
    }();
    const QString prefix = format.left(firstDigit);
    const QString pattern = format.mid(firstDigit);
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.mid(point + 1).count(u'0'));
    const bool grouped = pattern.contains(u',');

    QString digits = numberText(std::abs(value), decimals);
    if (digits.count(u'0') + (decimals ? 1 : 0) == digits.size())
        value = 0;  // no "-0.00"
    if (grouped) {
        const qsizetype dot = digits.indexOf(u'.');
        for (qsizetype i = (dot < 0 ? digits.size() : dot) - 3; i > 0; i -= 3)
            digits.insert(i, u',');
    }
    return (value < 0 ? QStringLiteral("-") : QString()) + prefix + digits;
}

QString FormatValue(const ado::Value& value, const QString& format) {
    if (value.isNumber() && !format.isEmpty())
        return FormatNumber(value.toDouble(), format);
    return value.trimmed();
}

ChartData ChartFor(const ChartDef& chart, const SectionData& data) {
    ChartData out;
    out.title = chart.title;
    const int cat = data.column(chart.category);
    std::vector<int> cols;
    for (const ChartSeriesDef& s : chart.series) {
        cols.push_back(data.column(s.field));
        out.series.push_back({s.label, {}});
    }
    QHash<QString, int> index;
    for (const auto& row : data.result.rows) {
        const QString category = cat < 0 ? QString() : row[static_cast<std::size_t>(cat)].trimmed();
        auto it = index.find(category);
        if (it == index.end()) {
            it = index.insert(category, static_cast<int>(out.categories.size()));
            out.categories << category;
            for (ChartSeries& s : out.series)
                s.values.push_back(0);
        }
        for (std::size_t i = 0; i < cols.size(); ++i)
            if (cols[i] >= 0)
                out.series[i].values[static_cast<std::size_t>(it.value())] +=
                    row[static_cast<std::size_t>(cols[i])].toDouble();
    }
    return out;
}

Document LayOut(const ReportDefinition& definition, const Parameters& parameters,
                const ReportData& data, const QDateTime& printedAt) {
    return Layouter(definition, parameters, data, printedAt).run();
}

}  // namespace report
