#include "ui/Msg.h"
#include "ui/Resources.h"
#include "ui/TestSeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using ui::MsgKind;
using ui::ScriptedMessages;

TEST(ScriptedMessages, RecordsEveryBoxAndAnswersFromTheScriptInOrder) {
    ScriptedMessages msgs;
    msgs.answer(true).answer(false);
    MsgInfo("Datos guardados");
    MsgStop("Falló", "CONEXION NO REALIZADA.");
    EXPECT_TRUE(MsgNoYes("¿Desea eliminar el registro?"));
    EXPECT_FALSE(MsgNoYes("¿Otra vez?"));

    ASSERT_EQ(msgs.count(), 4);
    EXPECT_EQ(msgs.messages()[0].kind, MsgKind::Info);
    EXPECT_EQ(msgs.messages()[0].caption, "OXTAStaffing");
    EXPECT_EQ(msgs.messages()[1].kind, MsgKind::Stop);
    EXPECT_EQ(msgs.messages()[1].caption, "CONEXION NO REALIZADA.");
    EXPECT_EQ(msgs.last().kind, MsgKind::NoYes);
    EXPECT_EQ(msgs.texts(), (QStringList{"Datos guardados", "Falló", "¿Desea eliminar el registro?",
                                         "¿Otra vez?"}));
    EXPECT_EQ(msgs.texts(MsgKind::Stop), QStringList{"Falló"});
    EXPECT_EQ(msgs.count(MsgKind::NoYes), 2);
    EXPECT_EQ(msgs.pendingAnswers(), 0);
    EXPECT_FALSE(msgs.unexpectedQuestion());
}

TEST(ScriptedMessages, QuestionWithoutScriptedAnswerIsFlaggedAndAnsweredNo) {
    ScriptedMessages msgs;
    EXPECT_FALSE(MsgNoYes("¿inesperada?"));
    EXPECT_TRUE(msgs.unexpectedQuestion());
    EXPECT_EQ(msgs.texts(), QStringList{"¿inesperada?"});
}

TEST(ScriptedMessages, RestoresThePreviousServiceWhenDestroyed) {
    EXPECT_EQ(ui::CurrentMessageService(), nullptr);
    ScriptedMessages outer;
    {
        ScriptedMessages inner;
        EXPECT_EQ(ui::CurrentMessageService(), &inner);
        MsgInfo("interior");
        EXPECT_EQ(inner.count(), 1);
    }
    EXPECT_EQ(ui::CurrentMessageService(), &outer);
    MsgInfo("exterior");
    EXPECT_EQ(outer.texts(), QStringList{"exterior"});
}

TEST(ConsoleMessages, PrintsCaptionAndTextAndAnswersNo) {
    ui::ConsoleMessages console;
    ui::SetMessageService(&console);
    testing::internal::CaptureStderr();
    MsgInfo("Base actualizada");
    const bool answer = MsgNoYes("¿Continuar?", "Script");
    const std::string out = testing::internal::GetCapturedStderr();
    ui::SetMessageService(nullptr);

    EXPECT_FALSE(answer);
    EXPECT_EQ(QString::fromLocal8Bit(out.c_str()),
              "OXTAStaffing: Base actualizada\nScript: ¿Continuar?\n");
}

// The real boxes: a zero timer acts on the box once its modal loop runs.
class RealMessageBox : public ::testing::Test {
  protected:
    // The box shows the program's own picture of that name, not the platform theme's sign.
    static bool ShowsPicture(const QMessageBox& box, const QString& name) {
        const QPixmap shown = box.iconPixmap();
        if (shown.isNull())
            return false;
        const QPixmap own = ui::BitmapIcon(name).pixmap(shown.deviceIndependentSize().toSize(),
                                                        shown.devicePixelRatio());
        return shown.toImage() == own.toImage();
    }

    void whenShown(std::function<void(QMessageBox&)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            act(*box);
            if (box->isVisible())
                box->done(QMessageBox::Cancel);
        });
    }
};

TEST_F(RealMessageBox, QuestionDefaultsToNoAndEscapeAnswersNo) {
    bool sign = false;
    QString title;
    QAbstractButton* defaultButton = nullptr;
    QAbstractButton* noButton = nullptr;
    whenShown([&](QMessageBox& box) {
        sign = ShowsPicture(box, "msg-question");
        title = box.windowTitle();
        defaultButton = box.defaultButton();
        noButton = box.button(QMessageBox::No);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &esc);
    });
    EXPECT_FALSE(MsgNoYes("¿Desea salir?"));
    EXPECT_TRUE(sign);
    EXPECT_EQ(title, "OXTAStaffing");
    EXPECT_NE(noButton, nullptr);
    EXPECT_EQ(defaultButton, noButton);
}

TEST_F(RealMessageBox, YesButtonAnswersTrue) {
    whenShown([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(MsgNoYes("¿Desea salir?", "Salir"));
}

TEST_F(RealMessageBox, InfoAndStopShowTheirIconsAndCaption) {
    bool infoSign = false;
    QString infoText;
    whenShown([&](QMessageBox& box) {
        infoSign = ShowsPicture(box, "msg-information") && !ShowsPicture(box, "msg-critical");
        infoText = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    MsgInfo("Datos guardados");
    EXPECT_TRUE(infoSign);
    EXPECT_EQ(infoText, "Datos guardados");

    bool stopSign = false;
    QString stopTitle;
    whenShown([&](QMessageBox& box) {
        stopSign = ShowsPicture(box, "msg-critical");
        stopTitle = box.windowTitle();
        box.button(QMessageBox::Ok)->click();
    });
    MsgStop("No se pudo", "CONEXION NO REALIZADA");
    EXPECT_TRUE(stopSign);
    EXPECT_EQ(stopTitle, "CONEXION NO REALIZADA");
}
