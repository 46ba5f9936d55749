#pragma once

#include "ui/Msg.h"

namespace ui {

// The real message boxes of Msg.h: modal over the active window, the program's own pictures
// as signs, "Sí" and "No" with No the default and the answer to Escape.
class MessageBoxes : public MessageService {
  public:
    bool show(MsgKind kind, const QString& text, const QString& caption) override;
    SaveChoice askSave(const QString& text, const QString& caption) override;
};

// Makes the real boxes the program's message service, with the application title as the
// caption of a box given none. The program calls it at start-up, after creating its
// QApplication.
void InstallMessageBoxes();

}  // namespace ui
