#pragma once

#include "ui/TControl.h"

#include <QLineEdit>

class TEdit : public QLineEdit, public TControl {
  public:
    static TEdit* New(QWidget* parent);
    QWidget* widget() const override;
    ~TEdit() override;
    // The text of the box. Assigning converts to text and removes trailing blanks; leading
    // blanks stay.
    QString Value() const;
    void Value(const QString& v);
    void Value(const char* v) { Value(QString::fromUtf8(v)); }
    void Value(int v) { Value(static_cast<long long>(v)); }
    void Value(long long v);
    void Value(double v);  // whole numbers without decimals, others in shortest form
    QString cText() const { return Value(); }
    void cText(const QString& v) { Value(v); }
    int nMaxLength() const;  // 0: no limit
    void nMaxLength(int n);
    bool lNumeric() const;  // only digits may be typed
    void lNumeric(bool n);
    int nAlignment() const;  // 2: right-aligned
    void nAlignment(int a);
    bool lPassword() const;  // characters shown masked
    void lPassword(bool p);
    void cPasswordChar(QChar mask);  // mask character of a password box ("*" by default)
    QChar cPasswordChar() const;
    bool lAutoSelect() const;  // content selected on entry
    void lAutoSelect(bool a);
    ExitEvent OnExit;

  protected:
    explicit TEdit(QWidget* parent);
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool m_numeric = false;
    bool m_autoSelect = false;
    bool m_selectOnClick = false;
    QChar m_mask = QLatin1Char('*');
    int m_alignment = 0;
    std::unique_ptr<QStyle> m_maskStyle;  // draws the chosen mask character
};
