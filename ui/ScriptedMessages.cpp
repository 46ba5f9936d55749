#include "ui/ScriptedMessages.h"

#include <cstdio>

namespace ui {

// ---- Message boxes ----

ScriptedMessages::ScriptedMessages() : m_previous(CurrentMessageService()) {
    SetMessageService(this);
}

ScriptedMessages::~ScriptedMessages() {
    if (CurrentMessageService() == this)
        SetMessageService(m_previous);
}

ScriptedMessages& ScriptedMessages::answer(bool yes) {
    m_answers.push_back(yes);
    return *this;
}

ScriptedMessages& ScriptedMessages::answerSave(SaveChoice choice) {
    m_saveAnswers.push_back(choice);
    return *this;
}

SaveChoice ScriptedMessages::askSave(const QString& text, const QString& caption) {
    m_messages.push_back({MsgKind::SaveDiscardCancel, text, caption});
    if (m_saveAnswers.empty()) {
        m_unexpected = true;
        std::fprintf(stderr, "ScriptedMessages: unexpected question, cancelled: %s\n",
                     text.toLocal8Bit().constData());
        return SaveChoice::Cancel;
    }
    const SaveChoice choice = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return choice;
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const auto& m : m_messages)
        out << m.text;
    return out;
}

QStringList ScriptedMessages::texts(MsgKind kind) const {
    QStringList out;
    for (const auto& m : m_messages)
        if (m.kind == kind)
            out << m.text;
    return out;
}

int ScriptedMessages::count(MsgKind kind) const {
    int n = 0;
    for (const auto& m : m_messages)
        n += m.kind == kind ? 1 : 0;
    return n;
}

RecordedMessage ScriptedMessages::last() const {
    return m_messages.empty() ? RecordedMessage{MsgKind::Info, {}, {}} : m_messages.back();
}

bool ScriptedMessages::contains(const QString& text) const {
    for (const auto& m : m_messages)
        if (m.text == text)
            return true;
    return false;
}

bool ScriptedMessages::show(MsgKind kind, const QString& text, const QString& caption) {
    m_messages.push_back({kind, text, caption});
    if (kind != MsgKind::NoYes)
        return false;
    if (m_answers.empty()) {
        m_unexpected = true;
        std::fprintf(stderr, "ScriptedMessages: unexpected question, answered No: %s\n",
                     text.toLocal8Bit().constData());
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

// ---- End of message boxes ----

}  // namespace ui
