#pragma once

#include <QString>

#include <functional>

// Modal message boxes over the active window. The caption defaults to the application
// title. This interface needs Qt Core only: the database layer, the cores of the application
// folders and the command-line tools call it without any widget code; the boxes themselves
// are a service that the program installs at start-up (ui/MsgBoxes.h).
void MsgInfo(const QString& text, const QString& caption = {});
void MsgStop(const QString& text, const QString& caption = {});
// Yes/No question, No is the default button; true when the user chose Yes.
bool MsgNoYes(const QString& text, const QString& caption = {});

namespace ui {
// The answer to a question before unsaved changes are left behind.
enum class SaveChoice { Save, Discard, Cancel };
}  // namespace ui
// "Guardar" / "Descartar" / "Cancelar" question, Guardar the default button and Escape
// cancelling. A service that cannot ask (the console) answers Cancel: nothing is lost.
ui::SaveChoice MsgSaveDiscardCancel(const QString& text, const QString& caption = {});
// Asks that question before unsaved changes are left behind: true when the caller may go on,
// the changes discarded or written by `save` (which tells whether it managed to).
bool MsgMayLeaveUnsaved(const QString& text, const std::function<bool()>& save);

namespace ui {

enum class MsgKind { Info, Stop, NoYes, SaveDiscardCancel };

// The service behind the three functions: the real boxes (ui/MsgBoxes.h), a recorder for
// tests (ScriptedMessages in ui/ScriptedMessages.h) or the console for command-line tools.
class MessageService {
  public:
    virtual ~MessageService() = default;
    // Shows a box; for NoYes returns the answer (ignored for the other kinds).
    virtual bool show(MsgKind kind, const QString& text, const QString& caption) = 0;
    // The three-way question before unsaved changes are left; by default the box is shown
    // through show() and the answer is Cancel.
    virtual SaveChoice askSave(const QString& text, const QString& caption) {
        show(MsgKind::SaveDiscardCancel, text, caption);
        return SaveChoice::Cancel;
    }
};

// Installs a service that takes precedence over the program's own (nullptr: back to the
// program's own). Not owned.
void SetMessageService(MessageService* service);
// The service installed now by SetMessageService, nullptr when the program's own is in use.
MessageService* CurrentMessageService();

// The program's own service, installed once at start-up (the real boxes), and the source of
// the caption of a box given none. Until it is installed every box goes to the console.
void SetProgramMessageService(MessageService* service);
void SetDefaultCaption(std::function<QString()> caption);

// For command-line tools: every box is printed as "<caption>: <text>" to stderr and every
// question is answered No.
class ConsoleMessages : public MessageService {
  public:
    bool show(MsgKind kind, const QString& text, const QString& caption) override;
};

}  // namespace ui
