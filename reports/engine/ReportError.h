#pragma once

#include <QString>

#include <stdexcept>

namespace report {

// A report that cannot be opened, given its parameters or read: the text names the
// definition file and, where it applies, the parameter. An unhandled one reaches the error
// window with that text.
class ReportError : public std::runtime_error {
  public:
    explicit ReportError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

  private:
    QString m_text;
};

}  // namespace report
