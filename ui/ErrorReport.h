#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace ui {

// Reports an error that no handler caught: writes "Error.log" in the current directory
// (replacing an earlier one) and shows the error window. The program goes on afterwards.
void ReportUnhandledError(std::exception_ptr error);

// Runs `fn`; any exception that escapes it is reported as above. Every event handler and
// every form initialisation runs through here.
void Guarded(const std::function<void()>& fn);

// Test seam: when set, the error window is not shown; the callback receives the log text.
void SetErrorWindowHook(std::function<void(const QString& logText)> hook);

}  // namespace ui
