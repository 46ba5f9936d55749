#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// The controls of the form toolkit. Each is made with New(parent), which returns a control
// owned by its parent widget; place it with SetBounds, set its properties, then Create()
// realises it (shows it inside its parent). Properties are read with name() and written
// with name(value). Events hold std::function objects, normally set with Bind (TForm.h);
// the toolkit runs every handler guarded (ui::Guarded).

class TControl;
using ClickEvent = std::function<void(TControl* sender)>;
using ChangeEvent = std::function<void(TControl* sender)>;
// OnExit: the sender and the control that receives the focus next (nullptr when none).
using ExitEvent = std::function<void(TControl* sender, TControl* next)>;
// OnChange of a combo box: sender, index of the new item, index of the previous one
// (1-based; 0 when none).
using ComboChangeEvent = std::function<void(TControl* sender, int newIndex, int oldIndex)>;
// OnDblClick of a browse: sender, key state, column, row (1-based).
using BrowseDblClickEvent =
    std::function<void(TControl* sender, int keyState, int column, int row)>;

// Common surface of every control. The widget is the real Qt widget.
class TControl {
public:
    virtual ~TControl() = default;
    virtual QWidget* widget() const = 0;

    void SetBounds(int left, int top, int width, int height);
    void Create();  // shows the control in its parent
    bool lVisible() const;
    void lVisible(bool v);
    bool lEnabled() const;
    void lEnabled(bool v);
    QString cToolTip() const;
    void cToolTip(const QString& tip);
    QFont oFont() const;
    void oFont(const QFont& font);
    void SetFocus();
    void SetHandCursor();  // the hand-shaped mouse pointer of the application's buttons
};

// Font helper: face and point size as the forms name them; "MS Sans Serif" and "Tahoma"
// map to the platform's sans-serif face.
QFont MakeFont(const QString& face, int pointSize, bool bold = false);
// Colour from a Windows colour value (0x00BBGGRR): 8388608 is navy.
QColor ColorFromWin(int bgr);

// Alignment values: 0 left, 1 centre, 2 right; 66 in a browse column: data right-aligned
// under a centred header.

class TLabel : public TControl {
public:
    static TLabel* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    int nAlignment() const;
    void nAlignment(int a);
    QColor nClrText() const;
    void nClrText(const QColor& c);
    void lTransparent(bool t);
};

// A caption line attached to another control (placed above it).
class TLabelBuddy : public TControl {
public:
    static TLabelBuddy* New(TControl* buddy);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
};

class TEdit : public TControl {
public:
    static TEdit* New(QWidget* parent);
    QWidget* widget() const override;
    // The text of the box. Assigning converts to text and removes trailing blanks; leading
    // blanks stay.
    QString Value() const;
    void Value(const QString& v);
    void Value(long long v);
    void Value(double v);
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
    bool lAutoSelect() const;        // content selected on entry
    void lAutoSelect(bool a);
    ExitEvent OnExit;
};

// Push button with a bitmap resource (oBitmaps: "agregar", "editar", ...).
class TBtnBmp : public TControl {
public:
    static TBtnBmp* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    void oBitmaps(const QString& resourceName);
    bool lFlat() const;
    void lFlat(bool f);
    void Click();  // as if the user clicked it (only when enabled)
    ClickEvent OnClick;
};

class TButton : public TControl {
public:
    static TButton* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    void Click();
    ClickEvent OnClick;
};

// Frame with a caption; the parent of the controls inside it (pass widget() as parent).
class TGroupBox : public TControl {
public:
    static TGroupBox* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
};

class TComboBox : public TControl {
public:
    static TComboBox* New(QWidget* parent);
    QWidget* widget() const override;
    QStringList aItems() const;
    void aItems(const QStringList& items);  // an empty list clears; nothing selected after
    void AddItem(const QString& text);      // shown with leading blanks removed
    QString cText() const;                  // the selected item as shown; empty when none
    int nAt() const;                        // 1-based index of the selection, 0 when none
    void Select(int index);                 // 1-based; raises OnChange
    // Selects the first item whose shown text begins with `text`, ignoring letter case;
    // raises no OnChange.
    void SelectString(const QString& text);
    int nStyle() const;  // 1: drop-down list without typing
    void nStyle(int s);
    ComboChangeEvent OnChange;
};

class TCheckBox : public TControl {
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
};

class TRadio : public TControl {
public:
    static TRadio* New(QWidget* parent);
    QWidget* widget() const override;
    QString cText() const;
    void cText(const QString& t);
    bool lChecked() const;
    void lChecked(bool c);
    ClickEvent OnClick;
};

class TListBox : public TControl {
public:
    static TListBox* New(QWidget* parent);
    QWidget* widget() const override;
    QStringList aItems() const;
    void aItems(const QStringList& items);
    QString cText() const;  // the selected line
    void Select(int index);  // 1-based; raises OnChange
    ChangeEvent OnChange;
};

// A picture from the image resources (ui/Resources.h), fitted to the control.
class TImage : public TControl {
public:
    static TImage* New(QWidget* parent);
    QWidget* widget() const override;
    void oPicture(const QString& resourceName);
    QString oPicture() const;
    void lTransparent(bool t);
};

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

// Status bar at the bottom edge of a form.
class TStatusBar : public TControl {
public:
    static TStatusBar* New(QWidget* parent);
    QWidget* widget() const override;
    TStatusPanel* AddPanel(int width = 0);
    TStatusPanel* Panel(int index);  // 1-based
};

class TArrayBrowse;

// One column of a browse: column n shows element n of every row.
class TArrayBrwColumn {
public:
    static TArrayBrwColumn* New(TArrayBrowse* browse);  // appended; owned by the browse
    QString cHeader() const;
    void cHeader(const QString& h);
    int nWidth() const;
    void nWidth(int w);
    int nAlignment() const;  // 0 left, 1 centre, 2 right, 66 right under a centred header
    void nAlignment(int a);

private:
    friend class TArrayBrowse;
    TArrayBrowse* m_browse = nullptr;
    int m_index = 0;
};

// The record-selector column at the left of a browse.
class TBrwRecSel {
public:
    static TBrwRecSel* New(TArrayBrowse* browse);
    void nWidth(int w);
};

// Grid over an in-memory table of rows, each row a list of texts. Rows, columns and
// Bookmark are 1-based. Backed by a Qt item model; the filter bar and header ordering act
// on the loaded rows only.
class TArrayBrowse : public TControl {
public:
    using Row = QStringList;
    using Rows = QList<QStringList>;

    static TArrayBrowse* New(QWidget* parent);
    QWidget* widget() const override;

    // Replaces the rows and moves the selection to the first row, raising no OnChange.
    // Column n takes the n-th header when headers are given. `autoColumns`: a browse
    // without predefined columns builds one per element of the first row and orders by
    // header.
    void SetArray(const Rows& rows, const QStringList& headers = {}, bool autoColumns = true);
    const Rows& aArrayData() const;
    // Column n of the selected row (as shown, with its blanks); empty without rows.
    QString GetValue(int column) const;
    QString GetValue(const QString& header) const;
    void GoTo(int row);  // raises OnChange when the browse holds rows
    int Bookmark() const;  // selected row, 1-based; 0 without rows
    void Refresh();        // redraws; raises no OnChange
    int nLen() const;      // number of rows held

    int nRowDividerStyle = 0;
    int nMarqueeStyle = 0;  // 4: whole-row selection
    void nHeaderHeight(int h);
    void lFilterBar(bool on);
    bool lFilterBar() const;
    void lAutoOrder(bool on);
    void SetFilter(int column, const QString& text);  // as if typed in the filter box
    void OrderBy(int column);                         // as a click on the header

    // As the user's double click on a row (1-based), for forms and tests.
    void DblClick(int row, int column = 1);

    BrowseDblClickEvent OnDblClick;
    ChangeEvent OnChange;
    ClickEvent OnClick;

    // Columns created in CreateForm (owned by the browse).
    int ColumnCount() const;
    TArrayBrwColumn* Column(int n) const;  // 1-based
};
