#pragma once

#include "ui/TControl.h"

#include <QGroupBox>

// Frame with a caption; the parent of the controls inside it (pass widget() as parent).
class TGroupBox : public QGroupBox, public TControl {
  public:
    static TGroupBox* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);

  protected:
    explicit TGroupBox(QWidget* parent);
};
