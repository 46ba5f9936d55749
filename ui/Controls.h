#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// The controls of the form toolkit. Each is made with New(parent), which returns a control
// owned by its parent widget; place it with SetBounds, set its properties, then Create()
// realises it (shows it inside its parent). Properties are read with name() and written
// with name(value). Events hold std::function objects, normally set with Bind (TForm.h);
// the toolkit runs every handler guarded (ui::Guarded).
//
// Every control is its Qt widget as well (TEdit is a QLineEdit, TArrayBrowse a QTableView,
// ...); widget() gives the same object as a QWidget.

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

    // The control that holds `w` (w itself or one of its ancestors inside the same window);
    // nullptr when none does.
    static TControl* Of(QWidget* w);

  protected:
    // Runs in Create() before the control is shown: applies properties that are plain data
    // members (set between New and Create).
    virtual void realise() {}
    // Runs after SetBounds (a hidden widget gets its resize event only when shown).
    virtual void boundsChanged() {}
};

// Font helper: face and point size as the forms name them; "MS Sans Serif" and "Tahoma"
// map to the platform's sans-serif face. Sizes are taken at 96 dots per inch, the
// resolution the forms' pixel positions were laid out for.
QFont MakeFont(const QString& face, int pointSize, bool bold = false);
// Colour from a Windows colour value (0x00BBGGRR): 8388608 is navy.
QColor ColorFromWin(int bgr);

// Alignment values: 0 left, 1 centre, 2 right; 66 in a browse column: data right-aligned
// under a centred header.
//
// Captions of labels, check boxes and radio buttons are never cut off: when the platform's
// font needs more room than the control was given, the control grows (to the right, to the
// left for right-aligned labels, both ways for centred ones) when it is created and when its
// caption changes afterwards.

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

// Push button with a bitmap resource (oBitmaps: "agregar", "editar", ...).
class TBtnBmp : public QToolButton, public TControl {
  public:
    static TBtnBmp* New(QWidget* parent);
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
};

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

// A picture from the image resources (ui/Resources.h), fitted to the control with its
// proportions kept, centred.
class TImage : public QWidget, public TControl {
  public:
    static TImage* New(QWidget* parent);
    QWidget* widget() const override;
    void oPicture(const QString& resourceName);
    QString oPicture() const;
    void lTransparent(bool t);
    const QPixmap& picture() const { return m_pixmap; }

  protected:
    explicit TImage(QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_name;
    QPixmap m_pixmap;  // at the picture's own size
    QPixmap m_fitted;  // drawn anew at the size it is shown (sharp vector pictures)
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
    int nIndex() const { return m_index; }  // 1-based

  private:
    friend class TArrayBrowse;
    TArrayBrowse* m_browse = nullptr;
    int m_index = 0;
};

// The record-selector column at the left of a browse: a narrow column with a marker on
// the selected row.
class TBrwRecSel {
  public:
    static TBrwRecSel* New(TArrayBrowse* browse);  // owned by the browse
    void nWidth(int w);
    int nWidth() const;

  private:
    friend class TArrayBrowse;
    TArrayBrowse* m_browse = nullptr;
};

namespace ui {
class BrowseModel;
class BrowseProxy;
class FilterHeader;
}  // namespace ui

// Grid over an in-memory table of rows, each row a list of texts. Rows, columns and
// Bookmark are 1-based, and rows are always counted in aArrayData (the order the rows were
// loaded), also while the filter bar or an ordering by header is in force. Backed by a Qt
// item model; the filter bar (case-insensitive "contains" per column) and header ordering
// act on the loaded rows only.
class TArrayBrowse : public QTableView, public TControl {
  public:
    using Row = QStringList;
    using Rows = QList<QStringList>;

    static TArrayBrowse* New(QWidget* parent);
    QWidget* widget() const override;
    ~TArrayBrowse() override;

    // Replaces the rows and moves the selection to the first row, raising no OnChange. The
    // filter texts and the ordering by header are cleared, so the rows show as loaded.
    // Column n takes the n-th header when headers are given. `autoColumns`: a browse
    // without predefined columns builds one per element of the first row and orders by
    // header.
    void SetArray(const Rows& rows, const QStringList& headers = {}, bool autoColumns = true);
    const Rows& aArrayData() const;
    // Column n of the selected row (as shown, with its blanks); empty without rows.
    QString GetValue(int column) const;
    QString GetValue(const QString& header) const;
    QString GetValue(const TArrayBrwColumn* column) const;
    // Selects row n; raises OnChange when the browse holds rows. A row hidden by the filter
    // bar clears the filter so that it can be shown.
    void GoTo(int row);
    int Bookmark() const;      // selected row, 1-based; 0 without rows
    void Refresh();            // redraws; raises no OnChange
    int nLen() const;          // number of rows held
    int nVisibleRows() const;  // rows that pass the filter bar

    int nRowDividerStyle = 0;  // 0: no grid lines; otherwise lines between rows and cells
    int nMarqueeStyle = 0;     // 4: whole-row selection (rows are always selected whole)
    void nHeaderHeight(int h);
    void lFilterBar(bool on);
    bool lFilterBar() const;
    void lAutoOrder(bool on);
    bool lAutoOrder() const { return m_autoOrder; }
    void SetFilter(int column, const QString& text);  // as if typed in the filter box
    QString Filter(int column) const;
    // As a click on the header: orders by that column, ascending; a second click on the
    // same column turns the order round. Ordering is by number when both texts are numbers.
    void OrderBy(int column);
    int nOrderColumn() const;  // 0 when unordered

    // As the user's double click on a row (1-based), for forms and tests.
    void DblClick(int row, int column = 1);

    BrowseDblClickEvent OnDblClick;
    ChangeEvent OnChange;
    ClickEvent OnClick;

    // Columns created in CreateForm (owned by the browse).
    int ColumnCount() const;
    TArrayBrwColumn* Column(int n) const;  // 1-based

  protected:
    explicit TArrayBrowse(QWidget* parent);
    void realise() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    friend class TArrayBrwColumn;
    friend class TBrwRecSel;
    TArrayBrwColumn* addColumn();
    void columnChanged(int index);
    void setRecSelWidth(int w);
    int recSelWidth() const;
    int columnOf(const QString& header) const;
    void selectSource(int sourceRow);  // 0-based; -1: none; raises nothing
    void notifyChange(bool always);
    int sourceRowOf(const QModelIndex& proxyIndex) const;
    void headerClicked(int section);
    void cellDoubleClicked(const QModelIndex& index);

    ui::BrowseModel* m_model;
    ui::BrowseProxy* m_proxy;
    ui::FilterHeader* m_header;
    std::vector<std::unique_ptr<TArrayBrwColumn>> m_columns;
    std::unique_ptr<TBrwRecSel> m_recSel;
    bool m_autoOrder = false;
    bool m_silent = false;
    int m_lastBookmark = 0;
    int m_orderColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
