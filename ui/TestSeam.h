#pragma once

// Test seams of the toolkit: replacements for the parts of the user interface that would
// otherwise wait for a person.
//
// Modal forms (ShowModal) -------------------------------------------------------------
// Without a runner, ShowModal() shows the form application-modal and runs a local event
// loop until the form closes. A test installs a runner instead; ShowModal() then puts the
// form on screen (not modal), registers it in Application().OpenForms(), calls the runner
// with the form and returns. If the runner did not close the form, ShowModal closes it
// afterwards (OnClose runs), so the opener continues exactly as after a user's close and
// reads the closed form's members:
//
//     ui::ModalRunnerScope modal([](TForm& f) {
//         auto& look = dynamic_cast<TBusGrupos&>(f);   // the dialog the code opened
//         look.arraygrupo->GoTo(2);
//         look.btnAceptarClick(nullptr);               // closes it as "Aceptar" would
//     });
//     form.txtGrupoExit(...);                          // opens the dialog modally
//     EXPECT_EQ(modal.captions(), QStringList{"Grupos"});
//
// The scope records, in order, the caption of every form it ran (captions()) and how many
// (count()); it puts the previous runner back when it is destroyed. A scope made without a
// function only records and closes each form at once (as if the user pressed the close
// box). ui::SetModalRunner installs a runner without a scope (an empty function: back to
// the real modal loop).

#include "ui/ScriptedMessages.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class TForm;

namespace ui {

// Message boxes: ScriptedMessages (ui/ScriptedMessages.h), which needs Qt Core only.

// ---- Modal forms ----

using ModalRunner = std::function<void(TForm&)>;

// Installs the runner that ShowModal() calls instead of its own event loop; an empty
// function puts the real modal loop back.
void SetModalRunner(ModalRunner runner);
// The runner installed now (empty when none).
const ModalRunner& CurrentModalRunner();

// Installs a runner for its lifetime, records the forms it runs, and restores the previous
// runner when destroyed.
class ModalRunnerScope {
  public:
    explicit ModalRunnerScope(ModalRunner runner = {});
    ~ModalRunnerScope();
    ModalRunnerScope(const ModalRunnerScope&) = delete;
    ModalRunnerScope& operator=(const ModalRunnerScope&) = delete;

    // Captions of the forms run so far, in order.
    const QStringList& captions() const { return m_captions; }
    int count() const { return static_cast<int>(m_captions.size()); }

  private:
    ModalRunner m_previous;
    QStringList m_captions;
};

// ---- End of modal forms ----

}  // namespace ui
