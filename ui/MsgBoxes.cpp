#include "ui/MsgBoxes.h"

#include "ui/Application.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace ui {
namespace {

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

}  // namespace

bool MessageBoxes::show(MsgKind kind, const QString& text, const QString& caption) {
    // Without a widget application (a tool that installed the boxes by mistake) the console
    // stands in instead of a crash.
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
        case MsgKind::SaveDiscardCancel:
            return askSave(text, caption) == SaveChoice::Save;
    }
    return box.exec() == QMessageBox::Yes;
}

SaveChoice MessageBoxes::askSave(const QString& text, const QString& caption) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return ConsoleMessages().askSave(text, caption);
    QMessageBox box(ActiveWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    SetSign(box, QMessageBox::Question, QStringLiteral("msg-question"));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Guardar"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Descartar"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

void InstallMessageBoxes() {
    static MessageBoxes boxes;
    SetProgramMessageService(&boxes);
    SetDefaultCaption([] { return Application().cTitle; });
}

}  // namespace ui
