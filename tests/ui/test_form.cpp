#include "tests/support/TempDir.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/ErrorReport.h"
#include "ui/TForm.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

namespace {

// A small form as the application writes them.
class TProbe : public TForm {
  public:
    explicit TProbe(TForm* parent = nullptr) : TForm(parent) {}

    TButton* btnAceptar = nullptr;
    TEdit* txtCodigo = nullptr;
    QStringList log;
    bool closeWhileInitialising = false;
    bool failWhileInitialising = false;
    QString vCodigo;
    int closes = 0;

    void FormInitialize(TForm* sender) {
        log << (sender == this ? "init" : "init from another sender");
        if (failWhileInitialising)
            throw std::runtime_error("sin base de datos");
        if (closeWhileInitialising)
            Close();
    }
    void btnAceptarClick(TControl* sender) {
        log << (sender == btnAceptar ? "click" : "click from another sender");
        vCodigo = txtCodigo->Value();
        Close();
    }
    void Failing(TControl*) { throw std::runtime_error("fallo en el manejador"); }
    void WrongSignature(TEdit*) {}

  protected:
    void CreateForm() override {
        TForm::CreateForm();
        log << "CreateForm";
        cText("Prueba");
        SetBounds(10, 20, 300, 200);
        txtCodigo = TEdit::New(this);
        txtCodigo->SetBounds(10, 10, 100, 22);
        txtCodigo->Create();
        btnAceptar = TButton::New(this);
        btnAceptar->SetBounds(10, 40, 80, 26);
        btnAceptar->cText("Aceptar");
        btnAceptar->OnClick = Bind(this, &TProbe::btnAceptarClick);
        btnAceptar->Create();
        OnInitialize = Bind(this, &TProbe::FormInitialize);
        OnClose = [this](TForm*) { ++closes; };
    }
};

// Binding checks the handler's arguments at compile time.
static_assert(
    std::is_assignable_v<ClickEvent&, decltype(Bind(std::declval<TProbe*>(), &TProbe::Failing))>);
static_assert(!std::is_assignable_v<ClickEvent&, decltype(Bind(std::declval<TProbe*>(),
                                                               &TProbe::WrongSignature))>);

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormTest : public TempDirTest {
  protected:
    void TearDown() override {
        ui::SetErrorWindowHook({});
        TempDirTest::TearDown();
    }
};

}  // namespace

TEST_F(FormTest, NewBuildsTheControlsAndInitialisesBeforeItReturns) {
    auto form = TForm::NewModal<TProbe>();
    EXPECT_EQ(form->log, (QStringList{"CreateForm", "init"}));
    EXPECT_EQ(form->cText(), "Prueba");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->txtCodigo->parentWidget(), form.get());
    EXPECT_TRUE(Application().OpenForms().empty());
}

TEST_F(FormTest, PresetRunsBeforeTheFormInitialises) {
    auto form = TForm::NewModal<TProbe>(nullptr, [](TProbe& f) { f.log << "preset"; });
    EXPECT_EQ(form->log, (QStringList{"preset", "CreateForm", "init"}));
}

TEST_F(FormTest, ShowIsModelessAndAClosedModelessFormIsDeletedLater) {
    QPointer<TProbe> form = TForm::New<TProbe>();
    form->Show();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Application().OpenForms(), std::vector<TForm*>{form.data()});
    EXPECT_EQ(Application().MainForm(), form.data());

    form->txtCodigo->Value("  42");
    form->btnAceptar->Click();
    ASSERT_FALSE(form.isNull());  // still readable until control is back in the event loop
    EXPECT_TRUE(form->IsClosed());
    EXPECT_EQ(form->vCodigo, "  42");
    EXPECT_EQ(form->closes, 1);
    EXPECT_TRUE(Application().OpenForms().empty());
    flushDeletes();
    EXPECT_TRUE(form.isNull());
}

TEST_F(FormTest, AFormThatClosesWhileInitialisingNeverAppears) {
    QPointer<TProbe> form =
        TForm::New<TProbe>(nullptr, [](TProbe& f) { f.closeWhileInitialising = true; });
    ASSERT_TRUE(form->IsClosed());
    form->Show();  // the opener shows it anyway
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->WasShown());
    EXPECT_TRUE(Application().OpenForms().empty());
    EXPECT_EQ(form->closes, 1);
    flushDeletes();
    EXPECT_TRUE(form.isNull());
}

TEST_F(FormTest, ShowModalWithARunnerHandsTheOpenFormOverAndClosesItAfterwards) {
    auto form = TForm::NewModal<TProbe>();
    bool sawItOpen = false;
    {
        ui::ModalRunnerScope modal([&](TForm& f) {
            sawItOpen = f.isVisible() && Application().FindForm<TProbe>() == &f;
            static_cast<TProbe&>(f).vCodigo = "7";
        });
        form->ShowModal();
        EXPECT_EQ(modal.captions(), QStringList{"Prueba"});
    }
    EXPECT_TRUE(sawItOpen);
    EXPECT_TRUE(form->IsClosed());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->closes, 1);
    EXPECT_EQ(form->vCodigo, "7");  // the opener reads the closed form's members
    EXPECT_TRUE(Application().OpenForms().empty());
    flushDeletes();  // a modal form belongs to its opener: still there
    EXPECT_EQ(form->vCodigo, "7");
}

TEST_F(FormTest, ARunnerThatClosesTheFormClosesItOnlyOnce) {
    auto form = TForm::NewModal<TProbe>();
    ui::ModalRunnerScope modal([](TForm& f) {
        auto& probe = static_cast<TProbe&>(f);
        probe.txtCodigo->Value("A1   ");
        probe.btnAceptar->Click();
    });
    form->ShowModal();
    EXPECT_EQ(form->vCodigo, "A1");
    EXPECT_EQ(form->closes, 1);
}

TEST_F(FormTest, ModalRunnerScopesNestAndRestoreThePreviousRunner) {
    EXPECT_FALSE(ui::CurrentModalRunner());
    {
        ui::ModalRunnerScope outer;
        {
            ui::ModalRunnerScope inner;
            auto form = TForm::NewModal<TProbe>();
            form->ShowModal();
            EXPECT_EQ(inner.count(), 1);
        }
        auto form = TForm::NewModal<TProbe>();
        form->ShowModal();
        EXPECT_EQ(outer.count(), 1);
        EXPECT_TRUE(form->IsClosed());
    }
    EXPECT_FALSE(ui::CurrentModalRunner());
}

TEST_F(FormTest, ShowModalWithoutARunnerWaitsInItsOwnLoopUntilTheFormCloses) {
    auto form = TForm::NewModal<TProbe>();
    bool modalWhileOpen = false;
    QTimer::singleShot(0, form.get(), [&] {
        modalWhileOpen = form->isVisible() && form->windowModality() == Qt::ApplicationModal;
        form->txtCodigo->Value("15");
        form->btnAceptar->Click();
    });
    form->ShowModal();
    EXPECT_TRUE(modalWhileOpen);
    EXPECT_TRUE(form->IsClosed());
    EXPECT_EQ(form->vCodigo, "15");
}

TEST_F(FormTest, AModelessFormOutlivesTheOpenerThatClosesAfterShowingIt) {
    QPointer<TProbe> login = TForm::New<TProbe>();
    login->Show();
    QPointer<TProbe> next = TForm::New<TProbe>(login);
    next->Show();
    login->Close();
    flushDeletes();
    EXPECT_TRUE(login.isNull());
    ASSERT_FALSE(next.isNull());
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(Application().MainForm(), next.data());
    next->Close();
    flushDeletes();
}

TEST_F(FormTest, RunServesHandOversAndReturnsWhenNoFormIsLeft) {
    QPointer<TProbe> first = TForm::New<TProbe>();
    first->Show();
    QPointer<TProbe> second;
    QStringList mains;
    // The old form closes before the next one is shown, inside one handler.
    QTimer::singleShot(0, [&] {
        first->Close();
        second = TForm::New<TProbe>();
        second->Show();
        mains << Application().MainForm()->cText();
        QTimer::singleShot(0, [&] { second->Close(); });
    });
    EXPECT_EQ(Application().Run(), 0);
    EXPECT_EQ(mains, QStringList{"Prueba"});
    EXPECT_TRUE(Application().OpenForms().empty());
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

TEST_F(FormTest, TheFirstFormStillOpenTakesTheMainFormsPlace) {
    auto* a = TForm::New<TProbe>();
    auto* b = TForm::New<TProbe>();
    auto* c = TForm::New<TProbe>();
    a->Show();
    b->Show();
    c->Show();
    EXPECT_EQ(Application().MainForm(), a);
    a->Close();
    EXPECT_EQ(Application().MainForm(), b);
    EXPECT_EQ(Application().OpenForms(), (std::vector<TForm*>{b, c}));
    c->Close();
    b->Close();
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_EQ(Application().Run(), 0);  // nothing open: returns at once
}

TEST_F(FormTest, GeometryIsReadAndWrittenAtRunTimeUnderAFixedFrame) {
    auto* form = TForm::New<TProbe>();
    EXPECT_EQ(form->nLeft(), 10);
    EXPECT_EQ(form->nTop(), 20);
    EXPECT_EQ(form->nWidth(), 300);
    EXPECT_EQ(form->nHeight(), 200);
    form->Show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // fixed frame
    form->nWidth(180);                                    // hides a side panel
    EXPECT_EQ(form->nWidth(), 180);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    form->nLeft(40);
    form->nTop(50);
    EXPECT_EQ(form->nLeft(), 40);
    EXPECT_EQ(form->nTop(), 50);
    form->SetClientSize(320, 240);
    EXPECT_EQ(form->size(), QSize(320, 240));
    form->Close();
}

TEST_F(FormTest, AResizableFrameKeepsItsSizeFree) {
    auto* form = TForm::New<TProbe>(nullptr, [](TProbe& f) { f.nBorderStyle = 2; });
    form->Show();
    EXPECT_NE(form->minimumSize(), form->maximumSize());
    form->Close();
}

TEST_F(FormTest, WithoutSystemMenuTheFormHasNoCloseBox) {
    auto* form = TForm::New<TProbe>();
    form->lSysMenu = false;
    form->Show();
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowTitleHint);
    form->Close();

    auto* other = TForm::New<TProbe>();
    other->Show();
    EXPECT_TRUE(other->windowFlags() & Qt::WindowCloseButtonHint);
    other->Close();
}

TEST_F(FormTest, WhiteBackgroundAndCentring) {
    auto* form = TForm::New<TProbe>();
    form->SetBackground(Qt::white);
    form->Center();
    form->Show();
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(form->autoFillBackground());
    const QRect screen = form->screen()->availableGeometry();
    const QPoint centre = form->frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - screen.center().x()), 2);
    EXPECT_LE(std::abs(centre.y() - screen.center().y()), 2);
    form->Close();
}

TEST_F(FormTest, TheFormFontIsTheMappedDialogFont) {
    auto form = TForm::NewModal<TProbe>();
    EXPECT_EQ(form->oFont.family(), MakeFont("MS Sans Serif", 8).family());
    EXPECT_EQ(form->font().pixelSize(), 11);  // 8 points at 96 dots per inch
    EXPECT_EQ(form->txtCodigo->font().family(), form->oFont.family());
}

TEST_F(FormTest, AnExceptionInAHandlerIsReportedAndGoesNoFurther) {
    QString logged;
    ui::SetErrorWindowHook([&](const QString& text) { logged = text; });
    auto form = TForm::NewModal<TProbe>();
    form->btnAceptar->OnClick = Bind(form.get(), &TProbe::Failing);
    EXPECT_NO_THROW(form->btnAceptar->Click());
    EXPECT_TRUE(logged.contains("fallo en el manejador"));
}

TEST_F(FormTest, AnExceptionWhileInitialisingIsReportedAndNewStillReturnsTheForm) {
    QString logged;
    ui::SetErrorWindowHook([&](const QString& text) { logged = text; });
    auto form = TForm::NewModal<TProbe>(nullptr, [](TProbe& f) { f.failWhileInitialising = true; });
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(logged.contains("sin base de datos"));
    EXPECT_FALSE(form->IsClosed());
}

TEST_F(FormTest, AFormDeletedWhileOpenLeavesTheOpenForms) {
    auto* owner = TForm::New<TProbe>();
    auto* child = TForm::New<TProbe>(owner);
    {
        ui::ModalRunnerScope modal([&](TForm&) {
            EXPECT_EQ(Application().OpenForms().size(), 1u);
            delete owner;  // takes the open modal child with it
            EXPECT_TRUE(Application().OpenForms().empty());
        });
        child->ShowModal();
    }
    EXPECT_TRUE(Application().OpenForms().empty());
}

TEST_F(FormTest, AFormPlacedByTheProgramIsNotCentredAgain) {
    auto* form = TForm::New<TProbe>();
    form->Center();
    form->nLeft(5);
    form->nTop(7);
    form->Show();
    EXPECT_EQ(form->nLeft(), 5);
    EXPECT_EQ(form->nTop(), 7);
    form->Close();
}

// A form that the program neither centres nor places opens over the middle of its opener, and
// stays inside the screen when the opener sits at its edge.
class TSinLugar : public TForm {
  public:
    explicit TSinLugar(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override {
        TForm::CreateForm();
        SetClientSize(200, 100);
    }
};

TEST_F(FormTest, AnUnplacedFormOpensCentredOnItsOpener) {
    auto* opener = TForm::New<TProbe>();
    opener->SetBounds(40, 60, 500, 400);
    opener->Show();
    {
        auto child = TForm::NewModal<TSinLugar>(opener);
        child->Show();
        const QPoint expected = opener->frameGeometry().center();
        EXPECT_LE((child->frameGeometry().center() - expected).manhattanLength(), 2);
        child->Close();
    }
    const QRect area = opener->screen()->availableGeometry();
    opener->nLeft(area.right() - 250);
    opener->nTop(area.bottom() - 150);
    {
        auto child = TForm::NewModal<TSinLugar>(opener);
        child->Show();
        EXPECT_TRUE(area.contains(child->frameGeometry()))
            << child->x() << "," << child->y() << " " << child->frameGeometry().width() << "x"
            << child->frameGeometry().height() << " in " << area.width() << "x" << area.height();
        child->Close();
    }
    {
        // Placed by the program: left where it was put.
        auto child = TForm::NewModal<TSinLugar>(opener);
        child->nLeft(3);
        child->nTop(4);
        child->Show();
        EXPECT_EQ(child->pos(), QPoint(3, 4));
        child->Close();
    }
    opener->Close();
}

TEST_F(FormTest, AFormHeldByItsOpenerIsNotDeletedByTheToolkit) {
    auto form = TForm::NewModal<TProbe>();
    QPointer<TProbe> watch = form.get();
    form->Show();
    form->Close();
    flushDeletes();
    EXPECT_FALSE(watch.isNull());  // the opener's pointer frees it, once
}

TEST_F(FormTest, EnterInAnEditBoxPressesTheDefaultButtonWhileItIsEnabled) {
    auto form = TForm::NewModal<TProbe>();
    const auto pressEnter = [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(form->txtCodigo, &enter);
    };
    form->txtCodigo->Value("12");

    pressEnter();  // no default button yet
    EXPECT_FALSE(form->log.contains("click"));

    form->SetDefaultButton(form->btnAceptar);
    form->btnAceptar->lEnabled(false);
    pressEnter();
    EXPECT_FALSE(form->log.contains("click"));

    form->btnAceptar->lEnabled(true);
    pressEnter();
    EXPECT_TRUE(form->log.contains("click"));
    EXPECT_EQ(form->vCodigo, "12");
}
