#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// Base of every screen. A form is made with TForm::New<F>(parent), which builds the controls
// (CreateForm) and runs OnInitialize before it returns. Show() is modeless and returns at
// once; ShowModal() returns when the form has closed, and the opener may still read the
// closed form's members. A form that closes itself while it initialises never appears, even
// when its opener calls Show() afterwards.
//
// Ownership: a form belongs to its parent form (Qt parent), or to the application when the
// parent is nullptr. A form shown modelessly is deleted by the toolkit after it closes, once
// control is back in the event loop; a modal form lives on until its owner is deleted (use
// TForm::NewModal to get a std::unique_ptr that frees it when the opener is done).
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
    int nBorderStyle = 0;   // fixed frame in every application form
    int nFormType = 0;      // 2 for the application's dialogs
    bool lModal = false;
    bool lAutoScroll = false;
    bool lParentIcon = true;
    bool lSysMenu = true;   // false: no system menu and no close box
    QFont oFont;            // "MS Sans Serif" 8 (mapped to the platform's UI font)

    std::function<void(TForm*)> OnInitialize;
    std::function<void(TForm*)> OnClose;

    void SetBounds(int left, int top, int width, int height);
    void SetClientSize(int width, int height);
    void Center();  // centre on the screen
    void SetIcon(const QIcon& icon);
    void SetBackground(const QColor& color);

    void Show();
    void ShowModal();
    void Close();
    bool IsClosed() const { return m_closed; }

protected:
    explicit TForm(TForm* parent);
    // Builds the controls. Overrides call TForm::CreateForm() first.
    virtual void CreateForm();

    void closeEvent(QCloseEvent* event) override;

private:
    void construct();
    bool m_closed = false;
    bool m_shownModeless = false;
};

// Binds a control or form event to a member function of the owning form, checked at compile
// time:  btnEntrar->OnClick = Bind(this, &TLogin::btnEntrarClick);
// The handler runs guarded: an exception that escapes it goes to the unhandled-error report.
template <class F, class... Args>
auto Bind(F* form, void (F::*method)(Args...)) {
    return [form, method](Args... args) { (form->*method)(args...); };
}
