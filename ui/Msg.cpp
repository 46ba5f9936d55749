#include "ui/Msg.h"

#include <cstdio>
#include <utility>

namespace ui {
namespace {

MessageService* g_service = nullptr;
MessageService* g_program = nullptr;

std::function<QString()>& CaptionSource() {
    static std::function<QString()> source;
    return source;
}

QString Title(const QString& caption) {
    if (!caption.isEmpty())
        return caption;
    return CaptionSource() ? CaptionSource()() : QStringLiteral("OXTAStaffing");
}

MessageService* Service() {
    return g_service ? g_service : g_program;
}

bool Dispatch(MsgKind kind, const QString& text, const QString& caption) {
    if (MessageService* s = Service())
        return s->show(kind, text, Title(caption));
    return ConsoleMessages().show(kind, text, Title(caption));
}

}  // namespace

void SetMessageService(MessageService* service) {
    g_service = service;
}

MessageService* CurrentMessageService() {
    return g_service;
}

void SetProgramMessageService(MessageService* service) {
    g_program = service;
}

void SetDefaultCaption(std::function<QString()> caption) {
    CaptionSource() = std::move(caption);
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

ui::SaveChoice MsgSaveDiscardCancel(const QString& text, const QString& caption) {
    if (ui::MessageService* s = ui::Service())
        return s->askSave(text, ui::Title(caption));
    return ui::ConsoleMessages().askSave(text, ui::Title(caption));
}

bool MsgMayLeaveUnsaved(const QString& text, const std::function<bool()>& save) {
    switch (MsgSaveDiscardCancel(text)) {
        case ui::SaveChoice::Discard:
            return true;
        case ui::SaveChoice::Cancel:
            return false;
        case ui::SaveChoice::Save:
            break;
    }
    return save();
}
