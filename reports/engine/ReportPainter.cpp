#include "reports/engine/ReportPainter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QPainter>
#include <QTextOption>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

Qt::Alignment alignmentOf(Align a) {
    switch (a) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

const QColor kSeriesColours[] = {QColor(0x1F, 0x38, 0x64), QColor(0xE0, 0x8A, 0x1E),
                                 QColor(0x4F, 0x8F, 0x6F), QColor(0x9E, 0x3D, 0x3D)};

QFont chartFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A bar chart drawn by Qt Charts, in vectors, into `target` (page units). The chart is laid
// out at a tenth of the size (in points, where its fonts are sized) and scaled up.
void drawChart(QPainter& painter, const ChartData& data, const QRectF& target) {
    QGraphicsScene scene;
    auto* chart = new QChart;  // owned by the scene
    scene.addItem(chart);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundPen(QPen(QColor(0xB4, 0xBE, 0xCD), 0.6));
    chart->setTitle(data.title);
    chart->setTitleFont(chartFont(11, true));
    chart->setTitleBrush(QColor(0x1F, 0x38, 0x64));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(chartFont(8));

    auto* series = new QBarSeries;
    double top = 0;
    for (std::size_t i = 0; i < data.series.size(); ++i) {
        auto* set = new QBarSet(data.series[i].label);
        set->setColor(kSeriesColours[i % std::size(kSeriesColours)]);
        set->setBorderColor(Qt::transparent);
        for (double v : data.series[i].values) {
            *set << v;
            top = std::max(top, v);
        }
        set->setLabelFont(chartFont(7));
        set->setLabelColor(QColor(0x20, 0x20, 0x20));
        series->append(set);
    }
    series->setLabelsVisible(data.categories.size() <= 24);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(12);
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    QStringList names = data.categories;
    for (QString& n : names)
        if (n.size() > 28)
            n = n.left(27) + QChar(0x2026);
    categories->append(names);
    categories->setLabelsFont(chartFont(7));
    if (names.size() > 6)
        categories->setLabelsAngle(-35);  // whole names, slanted, rather than cut short
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    values->setRange(0, top <= 0 ? 1 : top * 1.15);
    values->applyNiceNumbers();
    values->setLabelFormat(top >= 1000 ? QStringLiteral("%.0f") : QStringLiteral("%g"));
    values->setLabelsFont(chartFont(7));
    values->setGridLineColor(QColor(0xE0, 0xE4, 0xEA));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    const QRectF natural(0, 0, target.width() / 10.0, target.height() / 10.0);
    chart->setGeometry(natural);
    scene.setSceneRect(natural);
    scene.render(&painter, target, natural);
}

}  // namespace

void ScaleToPageUnits(QPainter& painter, double dpi) {
    const double s = dpi / kUnitsPerInch;
    painter.scale(s, s);
}

void PaintPage(QPainter& painter, const Document& document, int page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Item& item : document.pages.at(static_cast<std::size_t>(page)).items) {
        switch (item.kind) {
            case Item::Kind::Box:
                painter.fillRect(item.rect, item.color);
                break;
            case Item::Kind::Line:
                painter.setPen(QPen(item.color, item.width, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
                break;
            case Item::Kind::Text: {
                painter.setFont(PageFont(item.font));
                painter.setPen(item.color);
                QTextOption option(alignmentOf(item.align) | Qt::AlignVCenter);
                option.setWrapMode(item.wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
                painter.drawText(item.rect, item.text, option);
                break;
            }
            case Item::Kind::Chart:
                drawChart(painter, document.charts.at(static_cast<std::size_t>(item.chart)),
                          item.rect);
                break;
        }
    }
    painter.restore();
}

QImage RenderPage(const Document& document, int page, double dpi) {
    const QSize size(static_cast<int>(std::ceil(document.pageSize.width() * dpi / kUnitsPerInch)),
                     static_cast<int>(std::ceil(document.pageSize.height() * dpi / kUnitsPerInch)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    ScaleToPageUnits(painter, dpi);
    PaintPage(painter, document, page);
    return image;
}

}  // namespace report
