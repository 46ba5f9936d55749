#pragma once

#include "ui/TControl.h"

#include <QListWidget>
#include <QStringList>

class TListBox : public QListWidget, public TControl {
  public:
    static TListBox* New(QWidget* parent);
    QWidget* widget() const override;
    QStringList aItems() const;
    void aItems(const QStringList& items);  // nothing selected after; raises no OnChange
    QString cText() const;                  // the selected line
    int nAt() const;                        // 1-based, 0 when none
    void Select(int index);                 // 1-based; raises OnChange
    ChangeEvent OnChange;

  protected:
    explicit TListBox(QWidget* parent);

  private:
    bool m_silent = false;
};
