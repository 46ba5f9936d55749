#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <concepts>
#include <functional>
#include <memory>

class QAbstractButton;

// Base of every screen. A form is made with TForm::New<F>(parent), which builds the controls
// (CreateForm) and runs OnInitialize before it returns. Show() is modeless and returns at
// once; ShowModal() returns when the form has closed, and the opener may still read the
// closed form's members. A form that closes itself while it initialises never appears, even
// when its opener calls Show() afterwards.
//
// Application forms declare a public constructor `explicit TX(TForm* parent = nullptr)` and
// are made through New/NewModal, never with a bare `new`.
//
// Ownership: a form belongs to its parent form (Qt parent), or to the application when the
// parent is nullptr. A form shown modelessly is deleted by the toolkit after it closes, once
// control is back in the event loop; it is detached from its parent when shown, so that a
// hand-over (show the next form, close this one) never takes the next form down with the old
// one. A modal form lives on until its owner is deleted (use TForm::NewModal to get a
// std::unique_ptr that frees it when the opener is done; keep that pointer inside the
// opener's handler so that the opener outlives it).
class TForm : public QWidget {
    Q_OBJECT
  public:
    template <class F>
    static F* New(TForm* parent = nullptr) {
        auto* form = new F(parent);  // owned by `parent`, or adopted by the application
        form->construct();
        return form;
    }
    template <class F>
    static std::unique_ptr<F> NewModal(TForm* parent = nullptr) {
        std::unique_ptr<F> form(new F(parent));
        form->m_heldByOpener = true;
        form->construct();
        return form;
    }
    // As New/NewModal, but `preset(form)` runs before CreateForm and OnInitialize, so that
    // the members an opener hands over (CNX, Empresa, ...) are in place while the form
    // initialises:  TForm::NewModal<TBusEmpresa>(this, [&](TBusEmpresa& f) { f.CNX = CNX; });
    template <class F, class Preset>
    requires std::invocable<Preset&, F&>
    static F* New(TForm* parent, Preset&& preset) {
        auto* form = new F(parent);
        preset(*form);
        form->construct();
        return form;
    }
    template <class F, class Preset>
    requires std::invocable<Preset&, F&>
    static std::unique_ptr<F> NewModal(TForm* parent, Preset&& preset) {
        std::unique_ptr<F> form(new F(parent));
        form->m_heldByOpener = true;
        preset(*form);
        form->construct();
        return form;
    }

    ~TForm() override;

    // Properties.
    QString cText() const;
    void cText(const QString& caption);
    int nWidth() const;
    void nWidth(int w);
    int nHeight() const;
    void nHeight(int h);
    int nTop() const;
    void nTop(int t);
    int nLeft() const;
    void nLeft(int l);
    int nBorderStyle = 0;  // 2 or 5: resizable frame; anything else: fixed frame
    int nFormType = 0;     // 2 for the application's dialogs
    bool lModal = false;
    bool lAutoScroll = false;
    bool lParentIcon = true;  // true: the application's icon
    bool lSysMenu = true;     // false: no system menu and no close box
    // An independent window (the report viewer) lives beside the function forms: a modal
    // form never takes it as the window it blocks, so it stays usable while one is open.
    bool lIndependent = false;
    QFont oFont;  // "MS Sans Serif" 8 (mapped to the platform's UI font)

    std::function<void(TForm*)> OnInitialize;
    std::function<void(TForm*)> OnClose;

    void SetBounds(int left, int top, int width, int height);
    void SetClientSize(int width, int height);
    void Center();  // centre on the screen (again when the form is first shown)
    // A form that is neither centred nor placed by the program opens centred on the window
    // that opened it (kept inside the screen).
    void SetIcon(const QIcon& icon);
    void SetBackground(const QColor& color);

    // The button that Enter presses anywhere in the form (nullptr: none).
    void SetDefaultButton(QAbstractButton* button);

    void Show();
    // Modal over the window that opened it: the opener (its parent, else the newest open
    // form that is not independent) and that window's own openers are blocked until this
    // form closes; independent windows are not. With no opener on screen, modal over the
    // whole application.
    void ShowModal();
    void Close();
    bool IsClosed() const { return m_closed; }
    // True once Show or ShowModal has put the form on screen.
    bool WasShown() const { return m_everShown; }

  Q_SIGNALS:
    // Emitted once, when the form has closed (after OnClose).
    void closed();

  protected:
    explicit TForm(TForm* parent);
    // Builds the controls. Overrides call TForm::CreateForm() first.
    virtual void CreateForm();

    // Asked when the user closes the window from its frame (the close box, Alt+F4); false
    // keeps the form open. Close() does not ask: a form's own "Salir" asks first if it must.
    virtual bool CanClose() { return true; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void construct();
    void applyFrame();
    void present(TForm* modalOver = nullptr);
    void centreOnOpener();
    void finishClose();
    TForm* modalOpener() const;

    QPointer<QAbstractButton> m_defaultButton;
    QPointer<QWidget> m_opener;  // the parent given at construction, kept after Show unparents
    bool m_closed = false;
    bool m_shownModeless = false;
    bool m_everShown = false;
    bool m_centre = false;
    bool m_placed = false;        // nTop, nLeft or SetBounds gave the position
    bool m_heldByOpener = false;  // made by NewModal: the opener's pointer frees it
    bool m_closing = false;       // inside Close(): the frame's question is not asked
};

// Binds a control or form event to a member function of the owning form, checked at compile
// time:  btnEntrar->OnClick = Bind(this, &TLogin::btnEntrarClick);
// The handler runs guarded: the toolkit calls every event through ui::Guarded, so an
// exception that escapes it goes to the unhandled-error report.
template <class Form, class F, class R, class... Args>
requires std::derived_from<Form, F>
auto Bind(Form* form, R (F::*method)(Args...)) {
    return [form, method](Args... args) { (form->*method)(std::forward<Args>(args)...); };
}
