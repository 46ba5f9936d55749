#pragma once

// A recorder of message boxes for tests, in the Qt-Core part of the toolkit so that the
// tests of the cores (no QApplication) use it as the form tests do.

#include "ui/Msg.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace ui {

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
    // Queues the answer for the next save / discard / cancel question (unscripted: Cancel,
    // flagged as unexpected).
    ScriptedMessages& answerSave(SaveChoice choice);

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
    int pendingAnswers() const { return static_cast<int>(m_answers.size() + m_saveAnswers.size()); }
    bool unexpectedQuestion() const { return m_unexpected; }
    // Forgets the recorded boxes (the script and the flag stay).
    void clear() { m_messages.clear(); }

    bool show(MsgKind kind, const QString& text, const QString& caption) override;
    SaveChoice askSave(const QString& text, const QString& caption) override;

  private:
    MessageService* m_previous;
    std::vector<RecordedMessage> m_messages;
    std::deque<bool> m_answers;
    std::deque<SaveChoice> m_saveAnswers;
    bool m_unexpected = false;
};

}  // namespace ui
