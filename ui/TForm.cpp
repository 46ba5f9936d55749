#include "ui/TForm.h"

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

TForm::TForm(TForm* parent) : QWidget(parent, Qt::Window), m_opener(parent) {
    oFont = MakeFont(QStringLiteral("MS Sans Serif"), 8);
    setFont(oFont);
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (!Application().oIcon.isNull())
        setWindowIcon(Application().oIcon);
}

TForm::~TForm() {
    // A form deleted while still open (its owner went first) leaves the list of open forms.
    if (!m_closed && m_everShown)
        Application().formClosed(this);
}

void TForm::construct() {
    ui::Guarded([this] {
        CreateForm();
        if (OnInitialize)
            OnInitialize(this);
    });
}

void TForm::CreateForm() {}

QString TForm::cText() const {
    return windowTitle();
}
void TForm::cText(const QString& caption) {
    setWindowTitle(caption);
}

namespace {
// A fixed frame keeps its size pinned; run-time changes move the pin.
void resizeForm(QWidget* w, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (w->minimumSize() == w->maximumSize())
        w->setFixedSize(width, height);
    else
        w->resize(width, height);
}
}  // namespace

int TForm::nWidth() const {
    return width();
}
void TForm::nWidth(int w) {
    resizeForm(this, w, height());
}
int TForm::nHeight() const {
    return height();
}
void TForm::nHeight(int h) {
    resizeForm(this, width(), h);
}
int TForm::nTop() const {
    return y();
}
void TForm::nTop(int t) {
    m_centre = false;  // placed by the program
    m_placed = true;
    move(x(), t);
}
int TForm::nLeft() const {
    return x();
}
void TForm::nLeft(int l) {
    m_centre = false;
    m_placed = true;
    move(l, y());
}

void TForm::SetBounds(int left, int top, int width, int height) {
    m_centre = false;
    m_placed = true;
    move(left, top);
    resizeForm(this, width, height);
}

void TForm::SetClientSize(int width, int height) {
    resizeForm(this, width, height);
}

void TForm::Center() {
    m_centre = true;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void TForm::centreOnOpener() {
    QWidget* opener = m_opener ? m_opener->window() : QApplication::activeWindow();
    if (!opener || opener == this || !opener->isVisible())
        return;
    const QScreen* screen = opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    // Not yet shown, the form has no frame: count the opener's.
    const QRect frame = opener->frameGeometry();
    const QRect inner = opener->geometry();
    const QSize outer =
        size() + QSize(frame.width() - inner.width(), frame.height() - inner.height());
    QRect placed(QPoint(0, 0), outer);
    placed.moveCenter(opener->frameGeometry().center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), area.left(),
                                   std::max(area.left(), area.right() + 1 - outer.width())));
        placed.moveTop(std::clamp(placed.top(), area.top(),
                                  std::max(area.top(), area.bottom() + 1 - outer.height())));
    }
    move(placed.topLeft());
}

void TForm::SetIcon(const QIcon& icon) {
    lParentIcon = false;
    setWindowIcon(icon);
}

void TForm::SetBackground(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::applyFrame() {
    const bool resizable = nBorderStyle == 2 || nBorderStyle == 5;
    Qt::WindowFlags flags = (nFormType == 2 || lModal) ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (lSysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (lSysMenu && !lModal && nFormType != 2)
        flags |= Qt::WindowMinimizeButtonHint;
    if (resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    else
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    const QPoint where = pos();
    setWindowFlags(flags);
    move(where);
    if (!resizable)
        setFixedSize(size());
    setFont(oFont);
    if (lParentIcon && !Application().oIcon.isNull())
        setWindowIcon(Application().oIcon);
}

void TForm::present(TForm* modalOver) {
    applyFrame();
    if (m_centre)
        Center();
    else if (!m_placed && !m_everShown)
        centreOnOpener();
    if (modalOver && !parentWidget()) {
        // A parentless form has no transient parent of its own; Qt reads it when the form is
        // shown to decide which windows the form blocks.
        create();
        if (windowHandle() && modalOver->windowHandle())
            windowHandle()->setTransientParent(modalOver->windowHandle());
    }
    m_everShown = true;
    Application().formShown(this);
    QWidget::show();
    raise();
    activateWindow();
}

void TForm::Show() {
    if (m_closed) {
        // Closed while initialising: it never appears. Nobody owns a parentless one.
        if (!parentWidget() && !m_everShown && !m_heldByOpener)
            deleteLater();
        return;
    }
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    m_shownModeless = true;
    // A modeless form outlives its opener (hand-overs close the opener right after).
    if (parentWidget())
        setParent(nullptr, windowFlags());
    present();
}

void TForm::ShowModal() {
    if (m_closed || isVisible())
        return;
    lModal = true;
    qApp->setQuitOnLastWindowClosed(false);
    const ui::ModalRunner runner = ui::CurrentModalRunner();
    QPointer<TForm> self(this);
    if (runner) {
        present();
        runner(*this);
        if (self && !m_closed)
            Close();
        return;
    }
    // Modal over its opener only: the opener and the windows that opened it wait, while an
    // independent window (a report viewer opened earlier, or from this very form) stays
    // usable. Qt blocks a window-modal form's parents, following the transient parents.
    TForm* const opener = modalOpener();
    setWindowModality(opener ? Qt::WindowModal : Qt::ApplicationModal);
    present(opener);
    if (m_closed)
        return;
    QEventLoop loop;
    connect(this, &TForm::closed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

TForm* TForm::modalOpener() const {
    if (auto* parent = qobject_cast<TForm*>(parentWidget() ? parentWidget()->window() : nullptr))
        return parent->isVisible() ? parent : nullptr;
    const std::vector<TForm*>& open = Application().OpenForms();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (*it != this && !(*it)->lIndependent && (*it)->isVisible())
            return *it;
    return nullptr;
}

void TForm::Close() {
    if (m_closed)
        return;
    if (isVisible()) {
        m_closing = true;
        QWidget::close();  // through closeEvent
        m_closing = false;
    }
    if (!m_closed)
        finishClose();
}

void TForm::SetDefaultButton(QAbstractButton* button) {
    m_defaultButton = button;
}

// Enter in an edit box reaches the form (the boxes leave it unhandled) and presses the
// default button, as in any dialog.
void TForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_defaultButton &&
        m_defaultButton->isVisibleTo(this) && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (!m_closed && !m_closing) {
        bool cierra = false;  // a question that failed keeps the form and what it holds
        ui::Guarded([&] { cierra = CanClose(); });
        if (!cierra) {
            event->ignore();
            return;
        }
    }
    if (!m_closed)
        finishClose();
    event->accept();
}

void TForm::finishClose() {
    m_closed = true;
    if (OnClose)
        ui::Guarded([this] { OnClose(this); });
    if (m_everShown)
        Application().formClosed(this);
    hide();
    Q_EMIT closed();
    if (m_shownModeless && !m_heldByOpener)
        deleteLater();
}
