#include "ui/ErrorReport.h"

#include "ui/Application.h"
#include "ui/ErrorReportThrow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include <boost/core/demangle.hpp>
#include <boost/stacktrace/frame.hpp>

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <vector>

namespace ui {
namespace {

std::function<void(const QString&)> g_windowHook;

std::vector<ErrorDescriber>& Describers() {
    static std::vector<ErrorDescriber> list;
    return list;
}

constexpr int kTitleWidth = 79;

QString TitleLine() {
    const QString text = QStringLiteral(" %1 - Error.log ").arg(Application().cTitle);
    const int left = (kTitleWidth - static_cast<int>(text.size())) / 2;
    const int right = kTitleWidth - left - static_cast<int>(text.size());
    return QString(left, QLatin1Char('=')) + text + QString(right, QLatin1Char('='));
}

QString ExePath() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString UserName() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    for (const char* var : {"USER", "LOGNAME", "USERNAME"})
        if (const char* v = std::getenv(var))
            return QString::fromLocal8Bit(v);
    return {};
}

// The chain of calls, innermost first, one "routine(line)  file" entry a call, without the
// frames of the error machinery itself (everything up to the runtime's throw function, or up
// to the report when the chain was taken where the error was caught). The addresses are
// return addresses: one byte back lies inside the call, which names the right routine and
// line even when the call was the routine's last instruction.
QStringList Calls(const std::vector<void*>& frames) {
    std::vector<boost::stacktrace::frame> trace;
    std::size_t first = 0;
    for (void* address : frames) {
        trace.emplace_back(static_cast<const char*>(address) - 1);
        const std::string name = trace.back().name();
        if (name.find("__cxa_throw") != std::string::npos ||
            name.find("ui::ReportUnhandledError") != std::string::npos)
            first = trace.size();
    }
    QStringList out;
    for (std::size_t i = first; i < trace.size(); ++i) {
        const auto& frame = trace[i];
        QString name = QString::fromStdString(frame.name());
        if (name.isEmpty())
            name = QStringLiteral("0x%1").arg(quintptr(frame.address()), 0, 16);
        const std::size_t line = frame.source_line();
        QString entry = line ? QStringLiteral("%1(%2)").arg(name).arg(line) : name;
        const std::string file = frame.source_file();
        if (!file.empty())
            entry += QStringLiteral("  ") + QFileInfo(QString::fromStdString(file)).fileName();
        out << entry;
    }
    return out;
}

// The most-derived object behind a caught std::exception: the address the throw stored.
const void* ThrownObject(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return dynamic_cast<const void*>(&e);
    } catch (...) {
    }
    return nullptr;
}

// The reports before the newest are kept as Error.log.1 (the one just replaced) to
// Error.log.5, so the first fault of a chain is not lost to the next one.
constexpr int kKeptLogs = 5;

QString KeptLog(int n) {
    return QStringLiteral("Error.log.%1").arg(n);
}

void KeepEarlierLog() {
    QFile::remove(KeptLog(kKeptLogs));
    for (int n = kKeptLogs - 1; n >= 1; --n)
        QFile::rename(KeptLog(n), KeptLog(n + 1));
    QFile::rename(QStringLiteral("Error.log"), KeptLog(1));
}

bool WriteLog(const QString& text) {
    QSaveFile f(QStringLiteral("Error.log"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    f.write(text.toUtf8());
    if (QFile::exists(QStringLiteral("Error.log")))
        KeepEarlierLog();
    return f.commit();
}

// The error window: what went wrong in a sentence, the log under "Detalles".
class ErrorWindow : public QDialog {
  public:
    ErrorWindow(const ErrorInfo& info, const QString& log, bool logWritten, QWidget* parent)
        : QDialog(parent) {
        setWindowTitle(Application().cTitle);
        setModal(true);
        setMinimumWidth(440);

        auto* icon = new QLabel(this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(48, 48));
        icon->setAlignment(Qt::AlignTop);

        QString message = QStringLiteral("Ocurrió un error no controlado.\n\n");
        if (!info.operation.isEmpty())
            message += info.operation + QStringLiteral("\n");
        message += info.description;
        message += logWritten ? QStringLiteral("\n\nEl detalle quedó en Error.log.")
                              : QStringLiteral("\n\nNo se pudo escribir Error.log.");
        auto* text = new QLabel(message, this);
        text->setWordWrap(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);

        auto* details = new QPlainTextEdit(log, this);
        details->setReadOnly(true);
        details->setLineWrapMode(QPlainTextEdit::NoWrap);
        details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        details->setMinimumSize(640, 260);
        details->hide();

        auto* buttons = new QDialogButtonBox(this);
        QPushButton* ok =
            buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
        QPushButton* more =
            buttons->addButton(QStringLiteral("Detalles"), QDialogButtonBox::ActionRole);
        more->setCheckable(true);
        ok->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(more, &QPushButton::toggled, this, [this, details](bool on) {
            details->setVisible(on);
            adjustSize();
        });

        auto* top = new QHBoxLayout;
        top->addWidget(icon);
        top->addWidget(text, 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(details, 1);
        layout->addWidget(buttons);
    }
};

void ShowWindow(const ErrorInfo& info, const QString& log, bool logWritten) {
    if (g_windowHook) {
        g_windowHook(log);
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fputs(log.toLocal8Bit().constData(), stderr);
        return;
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    ErrorWindow window(info, log, logWritten, parent);
    window.exec();
}

}  // namespace

void AddErrorDescriber(ErrorDescriber describer) {
    Describers().push_back(std::move(describer));
}

ErrorInfo DescribeError(const std::exception_ptr& error) {
    const auto& list = Describers();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (auto info = (*it)(error))
            return *info;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return {QString::fromStdString(boost::core::demangle(typeid(e).name())),
                {},
                QString::fromLocal8Bit(e.what()),
                {},
                {}};
    } catch (...) {
        return {QStringLiteral("C++"), {}, QStringLiteral("Excepción de tipo desconocido"), {}, {}};
    }
}

QString ErrorLogText(const ErrorInfo& info, const QStringList& calls) {
    const QDateTime now = QDateTime::currentDateTime();
    QStringList lines;
    lines << TitleLine();
    lines << QStringLiteral("Exe: ") + ExePath();
    lines << QStringLiteral("Version: ") + QStringLiteral(OXTA_VERSION);
    lines << QStringLiteral("User name: ") + UserName();
    lines << QStringLiteral("Computer name: ") + QSysInfo::machineHostName();
    lines << QStringLiteral("Date: ") + now.toString(QStringLiteral("yyyy-MM-dd"));
    lines << QStringLiteral("Time: ") + now.toString(QStringLiteral("HH:mm:ss"));
    lines << QString();
    lines << QStringLiteral("Error description:");
    lines << QStringLiteral("   Subsystem: ") + info.subsystem;
    lines << QStringLiteral("   Code: ") + info.code;
    lines << QStringLiteral("   Description: ") + info.description;
    lines << QStringLiteral("   Operation: ") + info.operation;
    lines << QStringLiteral("   Arguments: ") + info.arguments;
    lines << QString();
    lines << QStringLiteral("Chain of calls:");
    for (const QString& call : calls)
        lines << QStringLiteral("   Called from ") + call;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ReportUnhandledError(std::exception_ptr error) {
    try {
        if (!error)
            return;
        const ErrorInfo info = DescribeError(error);
        auto frames = detail::FramesAtThrow(ThrownObject(error));
        if (!frames)
            frames = detail::CurrentFrames();  // where it was caught
        const QString log = ErrorLogText(info, Calls(*frames));
        const bool written = WriteLog(log);
        ShowWindow(info, log, written);
    } catch (...) {
        std::fputs("Error while reporting an unhandled error\n", stderr);
    }
}

void Guarded(const std::function<void()>& fn) {
    try {
        if (fn)
            fn();
    } catch (...) {
        ReportUnhandledError(std::current_exception());
    }
}

void SetErrorWindowHook(std::function<void(const QString& logText)> hook) {
    g_windowHook = std::move(hook);
}

}  // namespace ui
