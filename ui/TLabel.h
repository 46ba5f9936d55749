#pragma once

#include "ui/TControl.h"

#include <QLabel>
#include <QPointer>

class TLabel : public QLabel, public TControl {
  public:
    static TLabel* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    int nAlignment() const;
    void nAlignment(int a);
    QColor nClrText() const;
    void nClrText(const QColor& c);
    bool lTransparent() const;
    void lTransparent(bool t);

  protected:
    explicit TLabel(QWidget* parent);
    void realise() override;

  private:
    int m_alignment = 0;
    bool m_realised = false;
};

// A caption line attached to another control (placed just above it, following it when it
// moves, and shown or hidden with it).
class TLabelBuddy : public QLabel, public TControl {
  public:
    static TLabelBuddy* New(TControl* buddy);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    // The control the label names; nullptr once that control is destroyed.
    TControl* buddy() const { return m_buddyWidget ? m_buddy : nullptr; }

  protected:
    TLabelBuddy(TControl* buddy, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void realise() override;

  private:
    void follow();
    TControl* m_buddy;
    // The buddy's widget, kept apart so that events its destructor still sends are told
    // apart without calling into the half-destroyed control.
    QPointer<QWidget> m_buddyWidget;
};
