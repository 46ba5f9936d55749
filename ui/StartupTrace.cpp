#include "ui/StartupTrace.h"

#include "ui/Application.h"
#include "ui/TForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace ui::startup {
namespace {

enum class Mode { Off, Log, Quit };

Mode g_mode = Mode::Off;
QElapsedTimer g_clock;

double ElapsedMs() {
    return g_clock.isValid() ? static_cast<double>(g_clock.nsecsElapsed()) / 1e6 : 0.0;
}

// Processor time of the whole process (all threads, loading of libraries included): unlike
// the elapsed time it hardly depends on what else the machine is doing.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void WriteLine(const QString& what) {
    std::fprintf(stderr, "startup: %8.1f ms  cpu %6.1f ms  %s\n", ElapsedMs(), CpuMs(),
                 what.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Sees every event of the application; reacts to the first paint of each form.
class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (auto* form = qobject_cast<TForm*>(watched); form && !m_painted.contains(form)) {
                m_painted.insert(form);
                WriteLine(QStringLiteral("shown \"%1\"  rss %2 MB")
                              .arg(form->cText())
                              .arg(ResidentKb() / 1024.0, 0, 'f', 1));
                if (g_mode == Mode::Quit && !m_quitting) {
                    m_quitting = true;
                    // After the paint has reached the screen: close everything, and Run returns.
                    QTimer::singleShot(0, [] {
                        const std::vector<TForm*> open = Application().OpenForms();
                        for (TForm* f : open)
                            f->Close();
                    });
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QSet<const QObject*> m_painted;  // compared only, never dereferenced
    bool m_quitting = false;
};

}  // namespace

void Begin() {
    g_clock.start();
    const QByteArray value = qgetenv("OXTA_STARTUP_TRACE").trimmed().toLower();
    if (value.isEmpty() || value == "0")
        g_mode = Mode::Off;
    else
        g_mode = value == "quit" ? Mode::Quit : Mode::Log;
    Mark("main");  // the processor time so far went to loading the program and its libraries
}

bool Enabled() {
    return g_mode != Mode::Off;
}

void Mark(const char* stage) {
    if (Enabled())
        WriteLine(QString::fromUtf8(stage));
}

void WatchWindows() {
    if (!Enabled() || !qApp)
        return;
    qApp->installEventFilter(new FirstPaintWatcher(qApp));
}

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

}  // namespace ui::startup
