#pragma once

#include "ui/TControl.h"

#include <QCheckBox>

class TCheckBox : public QCheckBox, public TControl {
  public:
    static TCheckBox* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    bool lChecked() const;
    void lChecked(bool c);  // raises no event
    void Click();           // toggles and raises OnClick and OnChange, as a user click
    ClickEvent OnClick;
    ChangeEvent OnChange;

  protected:
    explicit TCheckBox(QWidget* parent);
    void realise() override;

  private:
    bool m_realised = false;
};
