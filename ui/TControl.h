#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>

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
