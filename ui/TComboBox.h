#pragma once

#include "ui/TControl.h"

#include <QComboBox>
#include <QStringList>

class TComboBox : public QComboBox, public TControl {
  public:
    static TComboBox* New(QWidget* parent);
    QWidget* widget() const override;
    QStringList aItems() const;             // the items as shown
    void aItems(const QStringList& items);  // an empty list clears; nothing selected after
    void AddItem(const QString& text);      // shown with leading blanks removed
    QString cText() const;                  // the selected item as shown; empty when none
    int nAt() const;                        // 1-based index of the selection, 0 when none
    void Select(int index);                 // 1-based; raises OnChange
    // Selects the first item whose shown text begins with `text`, ignoring letter case;
    // raises no OnChange.
    void SelectString(const QString& text);
    int nStyle() const;  // 1: drop-down list without typing; otherwise the text may be typed
    void nStyle(int s);
    ComboChangeEvent OnChange;

  protected:
    explicit TComboBox(QWidget* parent);

  private:
    void selectSilently(int row);  // 0-based, -1 for none
    void indexChanged(int row);
    int m_style = 0;
    int m_last = -1;
    bool m_silent = false;
};
