#pragma once

#include "ui/TControl.h"

#include <QStatusBar>

#include <memory>
#include <vector>

class TStatusBar;
class TStatusPanel {
  public:
    QString cText() const;
    void cText(const QString& t);

  private:
    friend class TStatusBar;
    explicit TStatusPanel(QWidget* label) : m_label(label) {}
    QWidget* m_label;
};

// Status bar at the bottom edge of a form (it follows the form's size).
class TStatusBar : public QStatusBar, public TControl {
  public:
    static TStatusBar* New(QWidget* parent);
    QWidget* widget() const override;
    TStatusPanel* AddPanel(int width = 0);  // 0: takes the room left
    TStatusPanel* Panel(int index);         // 1-based; nullptr when there is none
    ~TStatusBar() override;

  protected:
    explicit TStatusBar(QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void dock();
    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
};
