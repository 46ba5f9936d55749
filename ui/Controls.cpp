#include "ui/Controls.h"

#include "ui/ErrorReport.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <cmath>

namespace {

QString withoutLeadingBlanks(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return s.mid(i);
}

QString withoutTrailingBlanks(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

Qt::Alignment horizontalAlignment(int a) {
    switch (a) {
        case 1:
            return Qt::AlignHCenter;
        case 2:
        case 66:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// The platform's sans-serif face, chosen once.
QString sansFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& f : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Noto Sans")})
            if (families.contains(f))
                return f;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

// Shows a chosen character in place of every character of a password box.
class MaskStyle : public QProxyStyle {
  public:
    explicit MaskStyle(QChar mask) : m_mask(mask) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_mask.unicode();
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }

  private:
    QChar m_mask;
};

// Widens `w` to its caption's needs, keeping the side given by the alignment in place.
void growToFit(QWidget* w, int alignment) {
    const int need = w->sizeHint().width();
    if (need <= w->width())
        return;
    const int extra = need - w->width();
    QRect r = w->geometry();
    switch (alignment) {
        case 1:
            r.adjust(-extra / 2, 0, extra - extra / 2, 0);
            break;
        case 2:
            r.adjust(-extra, 0, 0, 0);
            break;
        default:
            r.adjust(0, 0, extra, 0);
            break;
    }
    w->setGeometry(r);
}

}  // namespace

// ---- Helpers ----

QFont MakeFont(const QString& face, int pointSize, bool bold) {
    static const QStringList mapped = {
        QStringLiteral("ms sans serif"),  QStringLiteral("tahoma"), QStringLiteral("ms shell dlg"),
        QStringLiteral("ms shell dlg 2"), QStringLiteral("arial"),  QStringLiteral("verdana"),
        QStringLiteral("segoe ui")};
    const bool toSans = face.isEmpty() || mapped.contains(face.trimmed().toLower());
    QFont font(toSans ? sansFamily() : face);
    // Forms were laid out at 96 dots per inch: a point is 4/3 of a pixel.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QColor ColorFromWin(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// ---- TControl ----

void TControl::SetBounds(int left, int top, int width, int height) {
    widget()->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    boundsChanged();
}

void TControl::Create() {
    realise();
    widget()->show();
}

bool TControl::lVisible() const {
    return !widget()->isHidden();
}
void TControl::lVisible(bool v) {
    widget()->setVisible(v);
}
bool TControl::lEnabled() const {
    return widget()->isEnabled();
}
void TControl::lEnabled(bool v) {
    widget()->setEnabled(v);
}
QString TControl::cToolTip() const {
    return widget()->toolTip();
}
void TControl::cToolTip(const QString& tip) {
    widget()->setToolTip(tip);
}
QFont TControl::oFont() const {
    return widget()->font();
}
void TControl::oFont(const QFont& font) {
    widget()->setFont(font);
}
void TControl::SetFocus() {
    widget()->setFocus(Qt::OtherFocusReason);
}
void TControl::SetHandCursor() {
    widget()->setCursor(Qt::PointingHandCursor);
}

TControl* TControl::Of(QWidget* w) {
    while (w) {
        if (auto* control = dynamic_cast<TControl*>(w))
            return control;
        if (w->isWindow())
            break;
        w = w->parentWidget();
    }
    return nullptr;
}

// ---- TLabel ----

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}
TLabel* TLabel::New(QWidget* parent) {
    return new TLabel(parent);
}
QWidget* TLabel::widget() const {
    return const_cast<TLabel*>(this);
}
QString TLabel::cText() const {
    return text();
}
void TLabel::cText(const QString& t) {
    setText(t);
    if (m_realised)
        growToFit(this, m_alignment);
}
void TLabel::realise() {
    m_realised = true;
    if (!wordWrap())
        growToFit(this, m_alignment);
}
int TLabel::nAlignment() const {
    return m_alignment;
}
void TLabel::nAlignment(int a) {
    m_alignment = a;
    setAlignment(horizontalAlignment(a) | Qt::AlignVCenter);
}
QColor TLabel::nClrText() const {
    return palette().color(QPalette::WindowText);
}
void TLabel::nClrText(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}
bool TLabel::lTransparent() const {
    return !autoFillBackground();
}
void TLabel::lTransparent(bool t) {
    setAutoFillBackground(!t);
}

// ---- TLabelBuddy ----

TLabelBuddy::TLabelBuddy(TControl* buddy, QWidget* parent)
    : QLabel(parent), m_buddy(buddy), m_buddyWidget(buddy->widget()) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_buddyWidget->installEventFilter(this);
    // The label stops following as soon as its buddy starts dying: QWidget's destructor
    // still sends events (hide, child removal) after the control's own part is gone.
    connect(m_buddyWidget, &QObject::destroyed, this, [this] {
        m_buddyWidget = nullptr;
        m_buddy = nullptr;
    });
    setBuddy(buddy->widget());
    follow();
}
TLabelBuddy* TLabelBuddy::New(TControl* buddy) {
    return new TLabelBuddy(buddy, buddy->widget()->parentWidget());
}
QWidget* TLabelBuddy::widget() const {
    return const_cast<TLabelBuddy*>(this);
}
QString TLabelBuddy::cText() const {
    return text();
}
void TLabelBuddy::cText(const QString& t) {
    setText(t);
    follow();
}
void TLabelBuddy::realise() {
    follow();
}
void TLabelBuddy::follow() {
    if (!m_buddyWidget)
        return;
    const QRect b = m_buddyWidget->geometry();
    const int h = fontMetrics().height() + 2;
    setGeometry(b.x(), b.y() - h - 1, std::max(b.width(), fontMetrics().horizontalAdvance(text())),
                h);
}
bool TLabelBuddy::eventFilter(QObject* watched, QEvent* event) {
    if (m_buddyWidget && watched == m_buddyWidget.data()) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                follow();
                break;
            case QEvent::ShowToParent:
                show();
                break;
            case QEvent::HideToParent:
                hide();
                break;
            default:
                break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

// ---- TEdit ----

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}
TEdit::~TEdit() {
    if (m_maskStyle)
        setStyle(nullptr);
}
TEdit* TEdit::New(QWidget* parent) {
    return new TEdit(parent);
}
QWidget* TEdit::widget() const {
    return const_cast<TEdit*>(this);
}

QString TEdit::Value() const {
    return text();
}
void TEdit::Value(const QString& v) {
    setText(withoutTrailingBlanks(v));
}
void TEdit::Value(long long v) {
    setText(QString::number(v));
}
void TEdit::Value(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        setText(QString::number(static_cast<long long>(v)));
    else
        setText(QString::number(v, 'g', 15));
}

int TEdit::nMaxLength() const {
    return maxLength() == 32767 ? 0 : maxLength();
}
void TEdit::nMaxLength(int n) {
    setMaxLength(n > 0 ? n : 32767);
}

bool TEdit::lNumeric() const {
    return m_numeric;
}
void TEdit::lNumeric(bool n) {
    m_numeric = n;
    if (n) {
        // Digits only; leading blanks pass so that right-aligned figures set by the program
        // stay editable.
        static const QRegularExpression digits(QStringLiteral(" *[0-9]*"));
        setValidator(new QRegularExpressionValidator(digits, this));
    } else {
        setValidator(nullptr);
    }
}

int TEdit::nAlignment() const {
    return m_alignment;
}
void TEdit::nAlignment(int a) {
    m_alignment = a;
    setAlignment(horizontalAlignment(a) | Qt::AlignVCenter);
}

bool TEdit::lPassword() const {
    return echoMode() == QLineEdit::Password;
}
void TEdit::lPassword(bool p) {
    if (p && !m_maskStyle)
        cPasswordChar(m_mask);
    setEchoMode(p ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::cPasswordChar(QChar mask) {
    m_mask = mask;
    auto style = std::make_unique<MaskStyle>(mask);
    setStyle(style.get());
    m_maskStyle = std::move(style);  // the old one is freed only after the new one is in use
}
QChar TEdit::cPasswordChar() const {
    return m_mask;
}

bool TEdit::lAutoSelect() const {
    return m_autoSelect;
}
void TEdit::lAutoSelect(bool a) {
    m_autoSelect = a;
}

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!m_autoSelect)
        return;
    if (event->reason() == Qt::MouseFocusReason)
        m_selectOnClick = true;  // the click that follows would undo the selection
    else
        selectAll();
}

void TEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (m_selectOnClick) {
        m_selectOnClick = false;
        selectAll();
    }
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_selectOnClick = false;
    // Another window or a popup taking the focus is no exit from the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // Nor is the closing of its window, or the box being hidden.
    if (!isVisible())
        return;
    TControl* next = TControl::Of(QApplication::focusWidget());
    if (next == this)
        return;
    ui::Fire(OnExit, static_cast<TControl*>(this), next);
}

// ---- TBtnBmp ----

namespace {

// Enter or Return without modifiers (the keypad's Enter included).
bool EsEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

TBtnBmp::TBtnBmp(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this,
            [this] { ui::Fire(OnClick, static_cast<TControl*>(this)); });
}
TBtnBmp* TBtnBmp::New(QWidget* parent) {
    return new TBtnBmp(parent);
}
TBtnBmp* TBtnBmp::Make(QWidget* parent, const QRect& bounds, const QString& caption,
                       const QString& bitmap, ClickEvent onClick, const QString& toolTip) {
    TBtnBmp* const button = New(parent);
    button->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    button->cText(caption);
    if (!toolTip.isEmpty())
        button->cToolTip(toolTip);
    button->oBitmaps(bitmap);
    button->SetHandCursor();
    button->OnClick = std::move(onClick);
    button->Create();
    return button;
}
QWidget* TBtnBmp::widget() const {
    return const_cast<TBtnBmp*>(this);
}
QString TBtnBmp::cText() const {
    return text();
}
void TBtnBmp::cText(const QString& t) {
    setText(t);
    arrange();
}
void TBtnBmp::oBitmaps(const QString& resourceName) {
    m_bitmap = resourceName;
    setIcon(ui::BitmapIcon(resourceName));
    arrange();
}
bool TBtnBmp::lFlat() const {
    return autoRaise();
}
void TBtnBmp::lFlat(bool f) {
    setAutoRaise(f);
}
void TBtnBmp::Click() {
    if (isEnabled())
        click();
}
void TBtnBmp::resizeEvent(QResizeEvent* event) {
    QToolButton::resizeEvent(event);
    arrange();
}
// Every picture button of the program looks the same way: the picture to the left of the
// caption, at the same size whatever the button's height; a button without a caption shows its
// picture alone, as large as it fits.
void TBtnBmp::arrange() {
    if (icon().isNull()) {
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    if (text().isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        const int s = std::clamp(std::min(width(), height()) - 10, 12, 48);
        setIconSize(QSize(s, s));
        return;
    }
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const int s = std::clamp(height() - 12, 12, 24);
    setIconSize(QSize(s, s));
}

// ---- TButton ----

void TBtnBmp::keyPressEvent(QKeyEvent* event) {
    if (EsEnter(event) && isEnabled()) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void TButton::keyPressEvent(QKeyEvent* event) {
    if (EsEnter(event) && isEnabled()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [this] { ui::Fire(OnClick, static_cast<TControl*>(this)); });
}
TButton* TButton::New(QWidget* parent) {
    return new TButton(parent);
}
QWidget* TButton::widget() const {
    return const_cast<TButton*>(this);
}
QString TButton::cText() const {
    return text();
}
void TButton::cText(const QString& t) {
    setText(t);
}
void TButton::Click() {
    if (isEnabled())
        click();
}

// ---- TGroupBox ----

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent) {}
TGroupBox* TGroupBox::New(QWidget* parent) {
    return new TGroupBox(parent);
}
QWidget* TGroupBox::widget() const {
    return const_cast<TGroupBox*>(this);
}
QString TGroupBox::cText() const {
    return title();
}
void TGroupBox::cText(const QString& t) {
    setTitle(t);
}

// ---- TComboBox ----

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    nStyle(0);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) { indexChanged(row); });
}
TComboBox* TComboBox::New(QWidget* parent) {
    return new TComboBox(parent);
}
QWidget* TComboBox::widget() const {
    return const_cast<TComboBox*>(this);
}

QStringList TComboBox::aItems() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TComboBox::aItems(const QStringList& items) {
    m_silent = true;
    clear();
    for (const QString& item : items)
        addItem(withoutLeadingBlanks(item));
    setCurrentIndex(-1);
    m_silent = false;
    m_last = -1;
}

void TComboBox::AddItem(const QString& text) {
    const int before = currentIndex();
    m_silent = true;
    addItem(withoutLeadingBlanks(text));
    if (currentIndex() != before)
        setCurrentIndex(before);  // adding selects nothing
    m_silent = false;
    m_last = currentIndex();
}

QString TComboBox::cText() const {
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}
int TComboBox::nAt() const {
    return currentIndex() + 1;
}

void TComboBox::selectSilently(int row) {
    m_silent = true;
    setCurrentIndex(row);
    m_silent = false;
    m_last = currentIndex();
}

void TComboBox::Select(int index) {
    if (index < 1 || index > count())
        return;
    const int old = m_last;
    selectSilently(index - 1);
    ui::Fire(OnChange, static_cast<TControl*>(this), index, old + 1);
}

void TComboBox::SelectString(const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            selectSilently(i);
            return;
        }
    }
}

int TComboBox::nStyle() const {
    return m_style;
}
void TComboBox::nStyle(int s) {
    m_style = s;
    const int row = currentIndex();
    m_silent = true;
    setEditable(s != 1);
    if (isEditable())
        setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(row);
    m_silent = false;
}

void TComboBox::indexChanged(int row) {
    if (m_silent)
        return;
    const int old = m_last;
    m_last = row;
    if (row == old)
        return;
    ui::Fire(OnChange, static_cast<TControl*>(this), row + 1, old + 1);
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::clicked, this, [this] {
        ui::Fire(OnClick, static_cast<TControl*>(this));
        ui::Fire(OnChange, static_cast<TControl*>(this));
    });
}
TCheckBox* TCheckBox::New(QWidget* parent) {
    return new TCheckBox(parent);
}
QWidget* TCheckBox::widget() const {
    return const_cast<TCheckBox*>(this);
}
QString TCheckBox::cText() const {
    return text();
}
void TCheckBox::cText(const QString& t) {
    setText(t);
    if (m_realised)
        growToFit(this, 0);
}
void TCheckBox::realise() {
    m_realised = true;
    growToFit(this, 0);
}
bool TCheckBox::lChecked() const {
    return isChecked();
}
void TCheckBox::lChecked(bool c) {
    setChecked(c);
}
void TCheckBox::Click() {
    if (isEnabled())
        click();
}

// ---- TRadio ----

TRadio::TRadio(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::clicked, this,
            [this] { ui::Fire(OnClick, static_cast<TControl*>(this)); });
}
TRadio* TRadio::New(QWidget* parent) {
    return new TRadio(parent);
}
QWidget* TRadio::widget() const {
    return const_cast<TRadio*>(this);
}
QString TRadio::cText() const {
    return text();
}
void TRadio::cText(const QString& t) {
    setText(t);
    if (m_realised)
        growToFit(this, 0);
}
void TRadio::realise() {
    m_realised = true;
    growToFit(this, 0);
}
bool TRadio::lChecked() const {
    return isChecked();
}
void TRadio::lChecked(bool c) {
    // An exclusive radio button refuses to be cleared directly.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(c);
    if (c && exclusive) {
        const auto siblings = parentWidget() ? parentWidget()->findChildren<QRadioButton*>(
                                                   QString(), Qt::FindDirectChildrenOnly)
                                             : QList<QRadioButton*>{};
        for (QRadioButton* other : siblings)
            if (other != this && other->autoExclusive()) {
                other->setAutoExclusive(false);
                other->setChecked(false);
                other->setAutoExclusive(true);
            }
    }
    setAutoExclusive(exclusive);
}
void TRadio::Click() {
    if (isEnabled())
        click();
}

// ---- TListBox ----

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_silent)
            ui::Fire(OnChange, static_cast<TControl*>(this));
    });
}
TListBox* TListBox::New(QWidget* parent) {
    return new TListBox(parent);
}
QWidget* TListBox::widget() const {
    return const_cast<TListBox*>(this);
}
QStringList TListBox::aItems() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << item(i)->text();
    return items;
}
void TListBox::aItems(const QStringList& items) {
    m_silent = true;
    clear();
    addItems(items);
    setCurrentRow(-1);
    m_silent = false;
}
QString TListBox::cText() const {
    return currentItem() ? currentItem()->text() : QString();
}
int TListBox::nAt() const {
    return currentRow() + 1;
}
void TListBox::Select(int index) {
    if (index < 1 || index > count())
        return;
    m_silent = true;
    setCurrentRow(index - 1);
    m_silent = false;
    ui::Fire(OnChange, static_cast<TControl*>(this));
}

// ---- TImage ----

TImage::TImage(QWidget* parent) : QWidget(parent) {}
TImage* TImage::New(QWidget* parent) {
    return new TImage(parent);
}
QWidget* TImage::widget() const {
    return const_cast<TImage*>(this);
}
void TImage::oPicture(const QString& resourceName) {
    m_name = resourceName;
    m_pixmap = ui::Picture(resourceName);
    m_fitted = QPixmap();
    update();
}
QString TImage::oPicture() const {
    return m_name;
}
void TImage::lTransparent(bool t) {
    setAutoFillBackground(!t);
}
void TImage::paintEvent(QPaintEvent*) {
    if (m_pixmap.isNull())
        return;
    const QSize fitted = m_pixmap.size().scaled(size(), Qt::KeepAspectRatio);
    if (fitted.isEmpty())
        return;
    if (m_fitted.size() != fitted) {
        m_fitted = ui::Picture(m_name, fitted);
        if (m_fitted.size() != fitted)
            m_fitted = m_pixmap.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPainter painter(this);
    painter.drawPixmap((width() - fitted.width()) / 2, (height() - fitted.height()) / 2, m_fitted);
}

// ---- TStatusBar ----

QString TStatusPanel::cText() const {
    return static_cast<QLabel*>(m_label)->text();
}
void TStatusPanel::cText(const QString& t) {
    static_cast<QLabel*>(m_label)->setText(t);
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // A strip of its own, also on forms with a white background.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(pal);
    setAutoFillBackground(true);
    if (parent)
        parent->installEventFilter(this);
    dock();
}
TStatusBar::~TStatusBar() = default;
TStatusBar* TStatusBar::New(QWidget* parent) {
    return new TStatusBar(parent);
}
QWidget* TStatusBar::widget() const {
    return const_cast<TStatusBar*>(this);
}

TStatusPanel* TStatusBar::AddPanel(int width) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(4, 0, 4, 0);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (width > 0) {
        label->setFixedWidth(width);
        addWidget(label, 0);
    } else {
        addWidget(label, 1);
    }
    m_panels.push_back(std::unique_ptr<TStatusPanel>(new TStatusPanel(label)));
    return m_panels.back().get();
}

TStatusPanel* TStatusBar::Panel(int index) {
    if (index < 1 || index > static_cast<int>(m_panels.size()))
        return nullptr;
    return m_panels[static_cast<size_t>(index - 1)].get();
}

void TStatusBar::dock() {
    if (!parentWidget())
        return;
    const int h = std::max(sizeHint().height(), fontMetrics().height() + 8);
    setGeometry(0, parentWidget()->height() - h, parentWidget()->width(), h);
}

bool TStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        dock();
    return QStatusBar::eventFilter(watched, event);
}
