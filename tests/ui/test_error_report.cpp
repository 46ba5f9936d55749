#include "ui/ErrorReport.h"

#include "tests/support/TempDir.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <cstdlib>
#include <stdexcept>

namespace {

// Thrown below the handler that Guarded runs, so only a stack taken at the throw shows it.
[[gnu::noinline]] void ThrowFromDeepInside(const char* what) {
    throw std::runtime_error(what);
}

volatile int g_calls = 0;

[[gnu::noinline]] void Handler(const char* what) {
    ThrowFromDeepInside(what);
    g_calls = g_calls + 1;  // keeps the call above from becoming a jump
}

struct PayrollError : std::runtime_error {
    PayrollError() : std::runtime_error("payroll") {}
};

class ErrorReportTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ui::SetErrorWindowHook([this](const QString& log) { m_shown << log; });
    }
    void TearDown() override {
        ui::SetErrorWindowHook({});
        TempDirTest::TearDown();
    }
    QString log() const {
        QFile f(file("Error.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    QStringList m_shown;
};

}  // namespace

TEST_F(ErrorReportTest, UnhandledErrorWritesTheLogAndTheProgramGoesOn) {
    bool after = false;
    ui::Guarded([] { Handler("Invalid object name 'staff_mes'."); });
    after = true;  // Guarded returned normally
    EXPECT_TRUE(after);

    const QString text = log();
    const QStringList lines = text.split('\n');
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(lines[0].size(), 79);
    const qsizetype lead = lines[0].indexOf(QRegularExpression("[^=]"));
    const qsizetype trail = 79 - 1 - lines[0].lastIndexOf(QRegularExpression("[^=]"));
    EXPECT_LE(std::abs(lead - trail), 1) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("OXTAStaffing"));
    EXPECT_TRUE(lines[1].startsWith("Exe: /"));
    EXPECT_EQ(lines[2], "Version: " OXTA_VERSION);
    EXPECT_TRUE(lines[3].startsWith("User name: "));
    EXPECT_TRUE(lines[4].startsWith("Computer name: "));
    EXPECT_TRUE(lines[5].startsWith("Date: "));
    EXPECT_TRUE(lines[6].startsWith("Time: "));
    EXPECT_TRUE(text.contains("Subsystem: std::runtime_error"));
    EXPECT_TRUE(text.contains("Description: Invalid object name 'staff_mes'."));
    for (const char* label : {"Code: ", "Operation: ", "Arguments: "})
        EXPECT_TRUE(text.contains(label)) << label;

    // The chain of calls starts at the throw, with routine names, and line numbers when the
    // build carries debug information.
    const qsizetype chain = text.indexOf("Chain of calls:");
    ASSERT_GE(chain, 0);
    const QString calls = text.mid(chain);
    if (OXTA_DEBUG_INFO) {
        EXPECT_TRUE(calls.contains(QRegularExpression("ThrowFromDeepInside[^\\n]*\\(\\d+\\)")))
            << calls.toStdString();
    }
    EXPECT_TRUE(calls.contains("Handler")) << calls.toStdString();
    EXPECT_LT(calls.indexOf("ThrowFromDeepInside"), calls.indexOf("Handler"));

    ASSERT_EQ(m_shown.size(), 1);
    EXPECT_EQ(m_shown[0], text);
}

TEST_F(ErrorReportTest, ASecondErrorReplacesTheLog) {
    ui::Guarded([] { Handler("first failure"); });
    ui::Guarded([] { Handler("second failure"); });
    EXPECT_FALSE(log().contains("first failure"));
    EXPECT_TRUE(log().contains("second failure"));
    EXPECT_EQ(log().count("Exe: "), 1);
    EXPECT_EQ(m_shown.size(), 2);
}

TEST_F(ErrorReportTest, ReplacedReportsAreKeptNewestFirstUpToFive) {
    for (int i = 1; i <= 7; ++i) {
        const QByteArray what = "failure " + QByteArray::number(i);
        ui::Guarded([&what] { Handler(what.constData()); });
    }
    EXPECT_TRUE(log().contains("failure 7"));
    for (int kept = 1; kept <= 5; ++kept) {
        QFile f(file(QStringLiteral("Error.log.%1").arg(kept)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << kept;
        const QString text = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("failure %1\n").arg(7 - kept))) << kept;
        EXPECT_EQ(text.count("Exe: "), 1);
    }
    EXPECT_FALSE(QFile::exists(file("Error.log.6")));
}

TEST_F(ErrorReportTest, RegisteredDescribersNameSubsystemAndOperation) {
    ui::AddErrorDescriberFor<PayrollError>([](const PayrollError&) {
        return ui::ErrorInfo{"ADO", "80040E37", "Invalid object name", "Recordset.Open",
                             "select * from staff_mes"};
    });
    ui::Guarded([] { throw PayrollError(); });
    const QString text = log();
    EXPECT_TRUE(text.contains("Subsystem: ADO\n"));
    EXPECT_TRUE(text.contains("Code: 80040E37\n"));
    EXPECT_TRUE(text.contains("Description: Invalid object name\n"));
    EXPECT_TRUE(text.contains("Operation: Recordset.Open\n"));
    EXPECT_TRUE(text.contains("Arguments: select * from staff_mes\n"));

    // Other errors still get the generic description.
    ui::Guarded([] { throw std::out_of_range("index 7"); });
    EXPECT_TRUE(log().contains("Subsystem: std::out_of_range\n"));
}

TEST_F(ErrorReportTest, ErrorsOfAnyTypeAreCaught) {
    ui::Guarded([] { throw 42; });
    EXPECT_TRUE(log().contains("Description: "));
    EXPECT_TRUE(log().contains("Chain of calls:"));
    EXPECT_EQ(m_shown.size(), 1);
}

TEST_F(TempDirTest, ErrorWindowShowsTheDescriptionWithTheLogUnderDetalles) {
    QString labels;
    bool hasDetalles = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        for (auto* b : w->findChildren<QPushButton*>())
            hasDetalles |= b->text() == "Detalles";
        for (auto* l : w->findChildren<QLabel*>())
            labels += l->text();
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == "Aceptar")
                b->click();
    });
    ui::Guarded([] { throw std::runtime_error("la tabla no existe"); });
    EXPECT_TRUE(hasDetalles);
    EXPECT_TRUE(labels.contains("la tabla no existe"));
    EXPECT_TRUE(QFile::exists(file("Error.log")));
}
