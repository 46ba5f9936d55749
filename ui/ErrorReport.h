#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <optional>
#include <utility>

namespace ui {

// Reports an error that no handler caught: writes "Error.log" in the current directory
// (the earlier one becomes Error.log.1, and so on up to Error.log.5) and shows the error
// window. The program goes on afterwards.
void ReportUnhandledError(std::exception_ptr error);

// Runs `fn`; any exception that escapes it is reported as above. Every event handler and
// every form initialisation runs through here.
void Guarded(const std::function<void()>& fn);

// Fires an event (a std::function that may be empty) guarded. The handler is copied first,
// since it may replace itself while it runs.
template <class Event, class... Args>
void Fire(const Event& event, Args... args) {
    if (!event)
        return;
    const Event handler = event;
    Guarded([&] { handler(args...); });
}

// Test seam: when set, the error window is not shown; the callback receives the log text.
void SetErrorWindowHook(std::function<void(const QString& logText)> hook);

// What the log and the window say about an error.
struct ErrorInfo {
    QString subsystem;    // where it came from: "ADO", or the exception's type
    QString code;         // a numeric or symbolic code, when the source has one
    QString description;  // the message
    QString operation;    // the failing operation, e.g. "Recordset.Open"
    QString arguments;    // its arguments, e.g. the SQL text
};

// Layers with their own exception types (the data layer's ado::Error) teach the report how
// to describe them, without the toolkit depending on those layers. A describer returns
// nothing for errors it does not know; the newest describer is asked first. Errors no
// describer knows are described by type and what().
using ErrorDescriber = std::function<std::optional<ErrorInfo>(const std::exception_ptr&)>;
void AddErrorDescriber(ErrorDescriber describer);

// Shorthand for one exception type:
//     ui::AddErrorDescriberFor<ado::Error>([](const ado::Error& e) {
//         return ui::ErrorInfo{"ADO", {}, e.description(), e.operation(), {}};
//     });
template <class E, class F>
void AddErrorDescriberFor(F describe) {
    AddErrorDescriber(
        [describe = std::move(describe)](const std::exception_ptr& p) -> std::optional<ErrorInfo> {
            try {
                std::rethrow_exception(p);
            } catch (const E& e) {
                return describe(e);
            } catch (...) {
            }
            return std::nullopt;
        });
}

// The description the report would give (describers first, then the generic one).
ErrorInfo DescribeError(const std::exception_ptr& error);

// The text of Error.log for an error and the chain of calls (one "routine(line)" a line).
QString ErrorLogText(const ErrorInfo& info, const QStringList& calls);

}  // namespace ui
