#include "reports/engine/ReportPainter.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
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
    chart->setMargins(QMargins(6, 4, 10, 4));
    chart->setBackgroundPen(QPen(QColor(0xB4, 0xBE, 0xCD), 0.6));
    chart->setTitle(data.title);
    chart->setTitleFont(chartFont(11, true));
    chart->setTitleBrush(QColor(0x1F, 0x38, 0x64));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(chartFont(8));

    // Horizontal bars: the cost centres' names read whole down the left side, the first
    // at the top.
    auto* series = new QHorizontalBarSeries;
    double top = 0;
    for (std::size_t i = 0; i < data.series.size(); ++i) {
        auto* set = new QBarSet(data.series[i].label);
        set->setColor(kSeriesColours[i % std::size(kSeriesColours)]);
        set->setBorderColor(Qt::transparent);
        const auto& values = data.series[i].values;
        for (auto v = values.rbegin(); v != values.rend(); ++v) {
            *set << *v;
            top = std::max(top, *v);
        }
        set->setLabelFont(chartFont(7));
        set->setLabelColor(QColor(0x20, 0x20, 0x20));
        series->append(set);
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(12);
    series->setBarWidth(0.8);
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    QStringList names;
    for (auto n = data.categories.rbegin(); n != data.categories.rend(); ++n)
        names << (n->size() > 40 ? n->left(39) + QChar(0x2026) : *n);
    categories->append(names);
    categories->setLabelsFont(chartFont(7));
    categories->setGridLineVisible(false);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    values->setRange(0, top <= 0 ? 1 : top * 1.12);
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setLabelsFont(chartFont(7));
    values->setGridLineColor(QColor(0xE0, 0xE4, 0xEA));
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);

    const QRectF natural(0, 0, target.width() / 10.0, target.height() / 10.0);
    chart->setGeometry(natural);
    scene.setSceneRect(natural);
    // Qt Charts lays its axes out on posted events; do it now, before drawing.
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
        if (chart->layout())
            chart->layout()->activate();
    }
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
