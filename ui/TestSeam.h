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

#include "ui/Msg.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class TForm;

namespace ui {

// ---- Message boxes ----

// One box as it was asked for (the caption already resolved to the application title when
// none was given).
struct RecordedMessage {
    MsgKind kind;
    QString text;
    QString caption;
};

// Installs itself as the message service for its lifetime and puts the previous service
// back when destroyed. Records every box in order and answers the yes/no questions from a
// script:
//
//     ui::ScriptedMessages msgs;
//     msgs.answer(true);          // the next question is answered Yes
//     form.btnEliminarClick();
//     EXPECT_EQ(msgs.texts(), QStringList{"¿Desea eliminar...?", "Datos eliminados"});
//
// A question with no scripted answer is recorded, answered No, flags unexpectedQuestion()
// and is reported on stderr, so a test that did not expect it fails on its own check.
class ScriptedMessages : public MessageService {
  public:
    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Queues the answer for the next unanswered question (true = Yes).
    ScriptedMessages& answer(bool yes);

    const std::vector<RecordedMessage>& messages() const { return m_messages; }
    // The texts of every box in order, and of the boxes of one kind.
    QStringList texts() const;
    QStringList texts(MsgKind kind) const;
    int count() const { return static_cast<int>(m_messages.size()); }
    int count(MsgKind kind) const;
    // The newest box; an empty Info record when there was none.
    RecordedMessage last() const;
    bool contains(const QString& text) const;
    // Scripted answers not used yet.
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    bool unexpectedQuestion() const { return m_unexpected; }
    // Forgets the recorded boxes (the script and the flag stay).
    void clear() { m_messages.clear(); }

    bool show(MsgKind kind, const QString& text, const QString& caption) override;

  private:
    MessageService* m_previous;
    std::vector<RecordedMessage> m_messages;
    std::deque<bool> m_answers;
    bool m_unexpected = false;
};

// ---- End of message boxes ----

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
