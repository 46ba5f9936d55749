#pragma once

#include <QString>

// Modal message boxes over the active window. The caption defaults to Application().cTitle.
void MsgInfo(const QString& text, const QString& caption = {});
void MsgStop(const QString& text, const QString& caption = {});
// Yes/No question, No is the default button; true when the user chose Yes.
bool MsgNoYes(const QString& text, const QString& caption = {});

namespace ui {

enum class MsgKind { Info, Stop, NoYes };

// The service behind the three functions. The default shows real message boxes; tests
// (ScriptedMessages in ui/TestSeam.h) and command-line tools install their own.
class MessageService {
  public:
    virtual ~MessageService() = default;
    // Shows a box; for NoYes returns the answer (ignored for the other kinds).
    virtual bool show(MsgKind kind, const QString& text, const QString& caption) = 0;
};

// Installs a service (nullptr: back to the real message boxes). Not owned.
void SetMessageService(MessageService* service);
// The service installed now, nullptr when the real message boxes are in use.
MessageService* CurrentMessageService();

// For command-line tools: every box is printed as "<caption>: <text>" to stderr and every
// question is answered No.
class ConsoleMessages : public MessageService {
  public:
    bool show(MsgKind kind, const QString& text, const QString& caption) override;
};

}  // namespace ui
