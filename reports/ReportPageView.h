#pragma once

#include "reports/engine/ReportLayout.h"

#include <QImage>
#include <QWidget>

// One page of a laid-out report on screen, on a grey desk with a shadow, at a given scale
// (screen pixels per page unit). The page is drawn once per page and scale and kept.
class ReportPageView : public QWidget {
    Q_OBJECT
  public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void setDocument(const report::Document* document);
    void setPage(int page);
    void setScale(double pixelsPerUnit);
    double scale() const { return m_scale; }
    int page() const { return m_page; }
    // The rectangle of the page inside the widget.
    QRect pageRect() const;

    static constexpr int kDesk = 16;  // grey margin around the page

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void refit();
    const report::Document* m_document = nullptr;
    int m_page = 0;
    double m_scale = 0.1;
    QImage m_cache;
};
