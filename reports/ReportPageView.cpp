#include "reports/ReportPageView.h"

#include "reports/engine/ReportPainter.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReportPageView::setDocument(const report::Document* document) {
    m_document = document;
    m_page = 0;
    refit();
}

void ReportPageView::setPage(int page) {
    if (page == m_page)
        return;
    m_page = page;
    m_cache = QImage();
    update();
}

void ReportPageView::setScale(double pixelsPerUnit) {
    if (std::abs(pixelsPerUnit - m_scale) < 1e-9)
        return;
    m_scale = pixelsPerUnit;
    refit();
}

QRect ReportPageView::pageRect() const {
    if (!m_document)
        return {};
    return {kDesk, kDesk, static_cast<int>(std::lround(m_document->pageSize.width() * m_scale)),
            static_cast<int>(std::lround(m_document->pageSize.height() * m_scale))};
}

void ReportPageView::refit() {
    m_cache = QImage();
    const QRect page = pageRect();
    setFixedSize(page.width() + 2 * kDesk, page.height() + 2 * kDesk);
    update();
}

void ReportPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0x8A, 0x91, 0x9C));
    if (!m_document || m_document->pages.empty())
        return;
    const QRect page = pageRect();
    painter.fillRect(page.translated(4, 4), QColor(0, 0, 0, 70));
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull()) {
        m_cache = QImage(page.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_cache.fill(Qt::white);
        QPainter p(&m_cache);
        p.scale(m_scale * ratio, m_scale * ratio);
        report::PaintPage(p, *m_document, m_page);
        m_cache.setDevicePixelRatio(ratio);
    }
    painter.drawImage(page.topLeft(), m_cache);
}
