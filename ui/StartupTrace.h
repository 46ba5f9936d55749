#pragma once

// Start-up timing, for measuring the way to the first window and for launch loops.
//
// With the environment variable OXTA_STARTUP_TRACE set (to anything but empty or "0"), the
// program writes to standard error one line per stage of its start, timed from the start of
// main(), with the processor time the process has used since it began:
//     startup:   41.2 ms  cpu   52.3 ms  application object
// and, when a form is painted on screen for the first time, a line with its caption and the
// resident memory of the process:
//     startup:  126.8 ms  cpu  118.0 ms  shown "STAFFING"  rss 38.4 MB
// With OXTA_STARTUP_TRACE=quit the program closes its forms and ends normally right after the
// first form has been painted, so that a script can launch it over and over.
namespace ui::startup {

// Starts the clock; the first thing main() does. Reads the environment variable.
void Begin();
// Writes a stage line (when tracing).
void Mark(const char* stage);
// Watches for the first painting of each form; call once the QApplication exists.
void WatchWindows();
// True when tracing.
bool Enabled();

// Resident memory of this process in kilobytes (VmRSS), 0 when unknown.
long ResidentKb();

}  // namespace ui::startup
