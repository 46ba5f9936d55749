#pragma once

#include "ui/TControl.h"

#include <QPushButton>
#include <QRect>
#include <QToolButton>

// Push button with a bitmap resource (oBitmaps: "agregar", "editar", ...).
class TBtnBmp : public QToolButton, public TControl {
  public:
    static TBtnBmp* New(QWidget* parent);
    // The forms' picture button in one call: placed at (left, top, width, height), with its
    // caption, picture, optional tool tip and the hand-shaped pointer, `onClick` bound, and
    // shown.
    static TBtnBmp* Make(QWidget* parent, const QRect& bounds, const QString& caption,
                         const QString& bitmap, ClickEvent onClick, const QString& toolTip = {});
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    void oBitmaps(const QString& resourceName);
    QString oBitmaps() const { return m_bitmap; }
    bool lFlat() const;
    void lFlat(bool f);
    void Click();  // as if the user clicked it (only when enabled)
    ClickEvent OnClick;

  protected:
    explicit TBtnBmp(QWidget* parent);
    void resizeEvent(QResizeEvent* event) override;
    // Enter on the focused button presses it, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void boundsChanged() override { arrange(); }

  private:
    void arrange();
    QString m_bitmap;
};

class TButton : public QPushButton, public TControl {
  public:
    static TButton* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    void Click();  // as if the user clicked it (only when enabled)
    ClickEvent OnClick;

  protected:
    explicit TButton(QWidget* parent);
    // Enter on the focused button presses it, as Space does (not the form's default button).
    void keyPressEvent(QKeyEvent* event) override;
};
