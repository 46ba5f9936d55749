#include "ui/Msg.h"

#include "ui/Application.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <cstdio>

namespace ui {
namespace {

MessageService* g_service = nullptr;

// The boxes draw their sign from the program's own pictures, as every button does, instead of
// the platform theme's.
void SetSign(QMessageBox& box, QMessageBox::Icon fallback, const QString& picture) {
    const QIcon icon = BitmapIcon(picture);
    if (icon.isNull()) {
        box.setIcon(fallback);
        return;
    }
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(icon.pixmap(QSize(side, side), box.devicePixelRatio()));
}

QWidget* ActiveWindow() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        w = QApplication::activeWindow();
    return w;
}

// The real boxes; without a widget application (a command-line tool that forgot to install
// ConsoleMessages) they fall back to the console instead of crashing.
bool ShowRealBox(MsgKind kind, const QString& text, const QString& caption) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return ConsoleMessages().show(kind, text, caption);

    QMessageBox box(ActiveWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (kind) {
        case MsgKind::Info:
            SetSign(box, QMessageBox::Information, QStringLiteral("msg-information"));
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgKind::Stop:
            SetSign(box, QMessageBox::Critical, QStringLiteral("msg-critical"));
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgKind::NoYes: {
            SetSign(box, QMessageBox::Question, QStringLiteral("msg-question"));
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
            box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        }
    }
    return box.exec() == QMessageBox::Yes;
}

bool Dispatch(MsgKind kind, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? Application().cTitle : caption;
    if (g_service)
        return g_service->show(kind, text, title);
    return ShowRealBox(kind, text, title);
}

}  // namespace

void SetMessageService(MessageService* service) {
    g_service = service;
}

MessageService* CurrentMessageService() {
    return g_service;
}

bool ConsoleMessages::show(MsgKind, const QString& text, const QString& caption) {
    const QString line = caption + QStringLiteral(": ") + text + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    return false;
}

}  // namespace ui

void MsgInfo(const QString& text, const QString& caption) {
    ui::Dispatch(ui::MsgKind::Info, text, caption);
}

void MsgStop(const QString& text, const QString& caption) {
    ui::Dispatch(ui::MsgKind::Stop, text, caption);
}

bool MsgNoYes(const QString& text, const QString& caption) {
    return ui::Dispatch(ui::MsgKind::NoYes, text, caption);
}
