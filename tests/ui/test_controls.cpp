#include "tests/support/TempDir.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>

#include <gtest/gtest.h>

namespace {

// A window to put the controls in; focus tests show it.
class ControlsTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(400, 300);
    }
    void TearDown() override {
        window.reset();
        TempDirTest::TearDown();
    }
    void showAndActivate() {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    std::unique_ptr<QWidget> window;
};

QValidator::State validate(const TEdit* edit, QString text) {
    int pos = 0;
    return edit->validator() ? edit->validator()->validate(text, pos) : QValidator::Acceptable;
}

}  // namespace

TEST_F(ControlsTest, EditValueDropsTrailingBlanksAndKeepsLeadingOnes) {
    auto* edit = TEdit::New(window.get());
    edit->Value("   42   ");
    EXPECT_EQ(edit->Value(), "   42");
    edit->Value(QString("abc \t"));
    EXPECT_EQ(edit->cText(), "abc");
    edit->Value(0);
    EXPECT_EQ(edit->Value(), "0");
    edit->Value(12345678901LL);
    EXPECT_EQ(edit->Value(), "12345678901");
    edit->Value(3.0);
    EXPECT_EQ(edit->Value(), "3");
    edit->Value(2.5);
    EXPECT_EQ(edit->Value(), "2.5");
    edit->cText("");
    EXPECT_EQ(edit->Value(), "");
}

TEST_F(ControlsTest, NumericEditAdmitsDigitsOnlyAndKeepsProgramSetBlanks) {
    auto* edit = TEdit::New(window.get());
    EXPECT_FALSE(edit->lNumeric());
    edit->lNumeric(true);
    EXPECT_EQ(validate(edit, "0123"), QValidator::Acceptable);
    EXPECT_EQ(validate(edit, ""), QValidator::Acceptable);
    EXPECT_EQ(validate(edit, "12a"), QValidator::Invalid);
    EXPECT_EQ(validate(edit, "1.5"), QValidator::Invalid);
    EXPECT_EQ(validate(edit, "-1"), QValidator::Invalid);
    EXPECT_EQ(validate(edit, "    7"), QValidator::Acceptable);  // right-aligned key
    edit->lNumeric(false);
    EXPECT_EQ(validate(edit, "12a"), QValidator::Acceptable);
}

TEST_F(ControlsTest, EditLengthLimitAndAlignment) {
    auto* edit = TEdit::New(window.get());
    EXPECT_EQ(edit->nMaxLength(), 0);
    edit->nMaxLength(3);
    edit->Value("12345");
    EXPECT_EQ(edit->Value(), "123");
    edit->nMaxLength(0);
    edit->Value("12345");
    EXPECT_EQ(edit->Value(), "12345");
    edit->nAlignment(2);
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
}

TEST_F(ControlsTest, PasswordEditMasksWithTheChosenCharacter) {
    auto* edit = TEdit::New(window.get());
    edit->lPassword(true);
    edit->Value("abc");
    EXPECT_EQ(edit->Value(), "abc");
    EXPECT_EQ(edit->displayText(), "***");

    auto* other = TEdit::New(window.get());
    other->cPasswordChar(QChar(0x00CF));  // Ï
    other->lPassword(true);
    other->Value("secreto");
    EXPECT_EQ(other->displayText(), QString(7, QChar(0x00CF)));
    EXPECT_EQ(other->Value(), "secreto");
    // Other boxes keep the platform style.
    EXPECT_NE(edit->style(), other->style());
    other->lPassword(false);
    EXPECT_EQ(other->displayText(), "secreto");
}

TEST_F(ControlsTest, OnExitNamesTheControlThatReceivesTheFocus) {
    auto* first = TEdit::New(window.get());
    auto* second = TEdit::New(window.get());
    auto* button = TButton::New(window.get());
    first->SetBounds(0, 0, 100, 22);
    second->SetBounds(0, 30, 100, 22);
    button->SetBounds(0, 60, 100, 22);
    button->setFocusPolicy(Qt::StrongFocus);
    TControl* exited = nullptr;
    TControl* next = nullptr;
    int exits = 0;
    first->OnExit = [&](TControl* s, TControl* n) {
        exited = s;
        next = n;
        ++exits;
    };
    showAndActivate();
    first->SetFocus();
    ASSERT_TRUE(first->hasFocus());
    second->SetFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(exited, first);
    EXPECT_EQ(next, second);

    first->SetFocus();
    button->SetFocus();
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(next, button);
}

TEST_F(ControlsTest, AutoSelectSelectsTheContentOnEntry) {
    auto* plain = TEdit::New(window.get());
    auto* edit = TEdit::New(window.get());
    edit->lAutoSelect(true);
    edit->Value("usuario");
    showAndActivate();
    plain->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(edit->selectedText(), "usuario");
}

TEST_F(ControlsTest, ComboItemsAreShownWithoutLeadingBlanksAndNothingSelected) {
    auto* combo = TComboBox::New(window.get());
    combo->nStyle(1);
    combo->AddItem("        3 - Nómina");
    combo->AddItem("       12 - Sistemas");
    EXPECT_EQ(combo->aItems(), (QStringList{"3 - Nómina", "12 - Sistemas"}));
    EXPECT_EQ(combo->cText(), "");
    EXPECT_EQ(combo->nAt(), 0);

    combo->Select(2);
    EXPECT_EQ(combo->cText(), "12 - Sistemas");
    combo->aItems({});
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->cText(), "");
    EXPECT_EQ(combo->nAt(), 0);
}

TEST_F(ControlsTest, ComboSelectStringMatchesTheBeginningIgnoringCaseSilently) {
    auto* combo = TComboBox::New(window.get());
    combo->nStyle(1);
    combo->aItems({"  1 - Planta", "2 - plan anual", "3 - Plan B"});
    int changes = 0;
    combo->OnChange = [&](TControl*, int, int) { ++changes; };
    combo->SelectString("2 - PLAN");
    EXPECT_EQ(combo->cText(), "2 - plan anual");
    combo->SelectString("1 - pl");  // shown without its leading blanks
    EXPECT_EQ(combo->cText(), "1 - Planta");
    combo->SelectString("Plan");  // no item begins with it: the selection stays
    EXPECT_EQ(combo->nAt(), 1);
    combo->SelectString("3");
    EXPECT_EQ(combo->nAt(), 3);
    EXPECT_EQ(changes, 0);
}

TEST_F(ControlsTest, ComboChangeGivesTheNewAndThePreviousIndex) {
    auto* combo = TComboBox::New(window.get());
    combo->nStyle(1);
    combo->aItems({"a", "b", "c"});
    std::vector<std::tuple<TControl*, int, int>> calls;
    combo->OnChange = [&](TControl* s, int n, int o) { calls.emplace_back(s, n, o); };
    combo->Select(2);
    combo->setCurrentIndex(2);  // as the user's choice
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_tuple(static_cast<TControl*>(combo), 2, 0));
    EXPECT_EQ(calls[1], std::make_tuple(static_cast<TControl*>(combo), 3, 2));
}

TEST_F(ControlsTest, ComboStyleOneAdmitsNoTyping) {
    auto* combo = TComboBox::New(window.get());
    EXPECT_TRUE(combo->isEditable());
    combo->aItems({"x", "y"});
    combo->SelectString("y");
    combo->nStyle(1);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->cText(), "y");
    EXPECT_EQ(combo->nStyle(), 1);
}

TEST_F(ControlsTest, CheckBoxClickRaisesClickAndChangeWithTheSender) {
    auto* check = TCheckBox::New(window.get());
    QStringList events;
    check->OnClick = [&](TControl* s) { events << (s == check ? "click" : "?"); };
    check->OnChange = [&](TControl* s) { events << (s == check ? "change" : "?"); };
    check->lChecked(true);  // no event
    EXPECT_TRUE(check->lChecked());
    EXPECT_TRUE(events.isEmpty());
    check->Click();
    EXPECT_FALSE(check->lChecked());
    EXPECT_EQ(events, (QStringList{"click", "change"}));
    check->lEnabled(false);
    check->Click();
    EXPECT_EQ(events.size(), 2);
}

TEST_F(ControlsTest, RadiosOfOneParentExcludeEachOtherAndCanBeCleared) {
    auto* a = TRadio::New(window.get());
    auto* b = TRadio::New(window.get());
    a->lChecked(true);
    b->Click();
    EXPECT_FALSE(a->lChecked());
    EXPECT_TRUE(b->lChecked());
    a->lChecked(true);
    EXPECT_FALSE(b->lChecked());
    a->lChecked(false);
    EXPECT_FALSE(a->lChecked());
}

TEST_F(ControlsTest, ListBoxSelection) {
    auto* list = TListBox::New(window.get());
    int changes = 0;
    list->OnChange = [&](TControl*) { ++changes; };
    list->aItems({"uno", "dos"});
    EXPECT_EQ(list->cText(), "");
    EXPECT_EQ(changes, 0);
    list->Select(2);
    EXPECT_EQ(list->cText(), "dos");
    EXPECT_EQ(changes, 1);
    list->setCurrentRow(0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list->aItems(), (QStringList{"uno", "dos"}));
}

TEST_F(ControlsTest, LabelAlignmentColourAndFont) {
    auto* label = TLabel::New(window.get());
    label->cText("empresa");
    label->nAlignment(1);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    label->nAlignment(2);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    label->nClrText(ColorFromWin(8388608));
    EXPECT_EQ(label->nClrText(), QColor(0, 0, 128));  // navy
    label->oFont(MakeFont("MS Sans Serif", 12, true));
    EXPECT_TRUE(label->oFont().bold());
    EXPECT_EQ(label->oFont().pixelSize(), 16);
    label->lTransparent(false);
    EXPECT_TRUE(label->autoFillBackground());
}

TEST_F(ControlsTest, FontsMapToThePlatformSansFace) {
    const QFont sans = MakeFont("MS Sans Serif", 8);
    EXPECT_EQ(MakeFont("Tahoma", 10).family(), sans.family());
    EXPECT_FALSE(sans.family().contains("MS Sans", Qt::CaseInsensitive));
    EXPECT_EQ(MakeFont("DejaVu Serif", 8).family(), "DejaVu Serif");
}

TEST_F(ControlsTest, ColoursFromWindowsValues) {
    EXPECT_EQ(ColorFromWin(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromWin(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromWin(0xFFFFFF), QColor(Qt::white));
}

TEST_F(ControlsTest, BitmapButtonTakesItsPictureAndClicksOnlyWhenEnabled) {
    auto* button = TBtnBmp::New(window.get());
    button->SetBounds(0, 0, 80, 60);
    button->cText("Agregar");
    button->oBitmaps("agregar");
    button->cToolTip("Agregar un registro");
    button->lFlat(true);
    button->SetHandCursor();
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(button->cToolTip(), "Agregar un registro");
    EXPECT_TRUE(button->lFlat());
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    int clicks = 0;
    button->OnClick = [&](TControl* s) { clicks += s == button ? 1 : 100; };
    button->Click();
    button->lEnabled(false);
    button->Click();
    EXPECT_EQ(clicks, 1);
}

// Every captioned picture button of every form looks the same way: the picture beside the
// caption at one size, whether the form made it tall or low; without a caption the picture
// fills the button.
TEST_F(ControlsTest, PictureButtonsLookTheSameWhateverTheirHeight) {
    auto* button = TBtnBmp::Make(window.get(), {0, 0, 128, 44}, "Entrar", "angulo2", {});
    const std::pair<int, int> heightAndPicture[] = {{34, 22}, {38, 24}, {44, 24}, {60, 24}};
    for (const auto& [height, picture] : heightAndPicture) {
        button->SetBounds(0, 0, 120, height);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon) << height;
        EXPECT_EQ(button->iconSize(), QSize(picture, picture)) << height;
    }
    button->cText("");
    button->SetBounds(0, 0, 40, 40);
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(button->iconSize(), QSize(30, 30));
}

TEST_F(ControlsTest, FormsMakeAPictureButtonInOneCall) {
    int clicks = 0;
    TBtnBmp* const button = TBtnBmp::Make(
        window.get(), {10, 20, 110, 38}, "Aceptar", "angulo2", [&](TControl*) { ++clicks; },
        "Entra al sistema");
    EXPECT_EQ(button->parentWidget(), window.get());
    EXPECT_EQ(button->geometry(), QRect(10, 20, 110, 38));
    EXPECT_EQ(button->cText(), "Aceptar");
    EXPECT_EQ(button->oBitmaps(), "angulo2");
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->cToolTip(), "Entra al sistema");
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(button->isHidden());  // created
    button->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(TBtnBmp::Make(window.get(), {0, 0, 80, 30}, "Salir", "puertasalida", {})->cToolTip(),
              "");
}

TEST_F(ControlsTest, GroupBoxIsTheParentOfTheControlsInside) {
    auto* group = TGroupBox::New(window.get());
    group->SetBounds(10, 10, 200, 100);
    group->cText("Datos");
    auto* edit = TEdit::New(group->widget());
    edit->SetBounds(5, 20, 100, 22);
    EXPECT_EQ(edit->parentWidget(), group);
    EXPECT_EQ(group->cText(), "Datos");
    group->lVisible(false);
    EXPECT_FALSE(group->lVisible());
}

TEST_F(ControlsTest, ControlsAreVisibleOnceCreatedAndCanBeHidden) {
    auto* label = TLabel::New(window.get());
    label->Create();
    EXPECT_TRUE(label->lVisible());
    label->lVisible(false);
    EXPECT_FALSE(label->lVisible());
    EXPECT_EQ(TControl::Of(label), label);
}

TEST_F(ControlsTest, ImageShowsAResourcePicture) {
    auto* image = TImage::New(window.get());
    image->SetBounds(0, 0, 100, 50);
    image->oPicture("plantillasfondo");
    EXPECT_EQ(image->oPicture(), "plantillasfondo");
    EXPECT_FALSE(image->picture().isNull());
    image->oPicture("no-existe");
    EXPECT_TRUE(image->picture().isNull());
    image->grab();  // draws without a picture too
}

TEST_F(ControlsTest, StatusBarPanelsAtTheBottomEdge) {
    auto* bar = TStatusBar::New(window.get());
    TStatusPanel* left = bar->AddPanel(120);
    TStatusPanel* right = bar->AddPanel();
    left->cText("Usuario: ADMIN");
    right->cText("Empresa 1");
    EXPECT_EQ(bar->Panel(1)->cText(), "Usuario: ADMIN");
    EXPECT_EQ(bar->Panel(2), right);
    EXPECT_EQ(bar->Panel(3), nullptr);
    showAndActivate();
    window->resize(500, 350);
    EXPECT_EQ(bar->geometry().bottom(), 349);
    EXPECT_EQ(bar->width(), 500);
}

TEST_F(ControlsTest, LabelBuddySitsAboveItsControlAndFollowsIt) {
    auto* edit = TEdit::New(window.get());
    edit->SetBounds(20, 50, 120, 22);
    auto* caption = TLabelBuddy::New(edit);
    caption->cText("Nombre");
    caption->Create();
    EXPECT_EQ(caption->parentWidget(), window.get());
    EXPECT_EQ(caption->x(), 20);
    EXPECT_LE(caption->geometry().bottom(), 50);
    showAndActivate();
    edit->SetBounds(30, 90, 120, 22);
    EXPECT_EQ(caption->x(), 30);
    EXPECT_LE(caption->geometry().bottom(), 90);
    EXPECT_GT(caption->geometry().bottom(), 70);
}

// The edit box dies first (its window deletes children in order): the label must neither
// call into the dying control (the sanitizer build checks the destructor's events) nor keep
// a dangling buddy, and stays usable on its own.
TEST_F(ControlsTest, LabelBuddyOutlivesItsControl) {
    auto* edit = TEdit::New(window.get());
    edit->SetBounds(20, 50, 120, 22);
    auto* caption = TLabelBuddy::New(edit);
    caption->cText("Nombre");
    caption->Create();
    edit->Create();
    showAndActivate();
    const QRect before = caption->geometry();

    delete edit;
    QApplication::processEvents();
    EXPECT_EQ(caption->buddy(), nullptr);
    caption->cText("Apellido paterno");
    caption->Create();
    EXPECT_EQ(caption->text(), QStringLiteral("Apellido paterno"));
    EXPECT_EQ(caption->geometry().topLeft(), before.topLeft());

    // A second pair torn down with its window, the edit box being destroyed first.
    auto* other = TEdit::New(window.get());
    TLabelBuddy::New(other)->cText("Puesto");
    other->Create();
    window.reset();
}

TEST_F(ControlsTest, CaptionsThatNeedMoreRoomAreNotCutOff) {
    auto* left = TLabel::New(window.get());
    left->SetBounds(10, 10, 20, 18);
    left->cText("Nombre del puesto");
    left->Create();
    EXPECT_EQ(left->x(), 10);
    EXPECT_GE(left->width(), left->sizeHint().width());

    auto* right = TLabel::New(window.get());
    right->SetBounds(100, 40, 20, 18);
    right->nAlignment(2);
    right->cText("Total:");
    right->Create();
    EXPECT_EQ(right->geometry().right(), 119);  // grows to the left
    EXPECT_GE(right->width(), right->sizeHint().width());

    auto* check = TCheckBox::New(window.get());
    check->SetBounds(10, 70, 30, 20);
    check->Create();
    check->cText("Mostrar todos los registros");  // changed after creation
    EXPECT_GE(check->width(), check->sizeHint().width());

    auto* roomy = TLabel::New(window.get());
    roomy->SetBounds(10, 100, 300, 18);
    roomy->cText("Corto");
    roomy->Create();
    EXPECT_EQ(roomy->width(), 300);  // never shrinks
}

TEST_F(ControlsTest, AnExitHandlerMayKeepTheFocusInItsBox) {
    auto* first = TEdit::New(window.get());
    auto* second = TEdit::New(window.get());
    int exits = 0;
    first->OnExit = [&](TControl*, TControl*) {
        ++exits;
        first->SetFocus();  // "the code must be filled in"
    };
    showAndActivate();
    first->SetFocus();
    second->SetFocus();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_FALSE(second->hasFocus());
    EXPECT_EQ(exits, 1);
}

// Enter on a focused button presses that button (both kinds), once, and only when enabled;
// other keys keep their meaning.
TEST_F(ControlsTest, EnterPressesTheFocusedButton) {
    int pulsados = 0;
    auto* imagen = TBtnBmp::Make(window.get(), {0, 0, 120, 40}, "Guardar", "angulo2",
                                 [&](TControl*) { ++pulsados; });
    auto* simple = TButton::New(window.get());
    simple->SetBounds(0, 50, 120, 30);
    simple->OnClick = [&](TControl*) { ++pulsados; };
    simple->Create();
    showAndActivate();
    const struct {
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        bool habilitado;
        int pulsa;
    } casos[] = {{Qt::Key_Return, Qt::NoModifier, true, 1},
                 {Qt::Key_Enter, Qt::KeypadModifier, true, 1},
                 {Qt::Key_Return, Qt::ControlModifier, true, 0},
                 {Qt::Key_Return, Qt::NoModifier, false, 0}};
    for (QWidget* boton : {static_cast<QWidget*>(imagen), static_cast<QWidget*>(simple)}) {
        for (const auto& c : casos) {
            SCOPED_TRACE(std::to_string(c.tecla) + (c.habilitado ? "" : " disabled"));
            boton->setEnabled(c.habilitado);
            boton->setFocus();
            pulsados = 0;
            QKeyEvent e(QEvent::KeyPress, c.tecla, c.modificadores);
            QApplication::sendEvent(boton, &e);
            EXPECT_EQ(pulsados, c.pulsa);
        }
    }
}
