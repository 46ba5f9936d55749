#pragma once

#include "ui/TControl.h"

#include <QRadioButton>

// Radio buttons with the same parent exclude one another.
class TRadio : public QRadioButton, public TControl {
  public:
    static TRadio* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    bool lChecked() const;
    void lChecked(bool c);  // raises no event
    void Click();           // as a user click
    ClickEvent OnClick;

  protected:
    explicit TRadio(QWidget* parent);
    void realise() override;

  private:
    bool m_realised = false;
};
