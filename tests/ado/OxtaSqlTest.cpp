// The command-line tool, run as a separate process.
#include "tests/support/TempDir.h"
#include "ui/TIni.h"

#include <QFile>
#include <QProcess>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

class OxtaSqlTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        QDir().mkdir("datos");
        TIni ini(file("config.ini"));
        ini.SetEntry("CONFIG", "MOTOR", "SQLITE");
        ini.SetEntry("CONFIG", "SERVER", "datos");  // relative to the current folder
        ini.SetEntry("CONFIG", "BD", "master");
    }
    ToolRun run(const QStringList& args) {
        QProcess p;
        p.setWorkingDirectory(dir());
        p.start(QStringLiteral(OXTA_BINARY_DIR "/tools/oxta-sql"), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    void write(const QString& name, const QByteArray& text) {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

}  // namespace

TEST_F(OxtaSqlTest, RunsScriptsAndPrintsRowsTabSeparated) {
    ASSERT_EQ(run({"-Q", "CREATE DATABASE nomina"}).exitCode, 0);
    write("script.sql",
          "create table t (id int, amount decimal(9,2), name varchar(10), moment datetime)\r\n"
          "go\r\n"
          "insert into t values (1, 2.5, 'uno', '2026-01-02 03:04:05')\n"
          "insert into t values (2, NULL, NULL, NULL)\n"
          "  GO  \n"
          "select id, amount, name, moment from t order by id\n");  // no closing GO: still runs
    const ToolRun r = run({"-d", "nomina", "-i", "script.sql"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              "id\tamount\tname\tmoment\n"
              "1\t2.50\tuno\t2026-01-02 03:04:05.000\n"
              "2\tNULL\tNULL\tNULL\n");
    EXPECT_TRUE(
        run({"-Q", "select name from sysdatabases order by name"}).out.contains("\nnomina\n"));
}

TEST_F(OxtaSqlTest, ReportsErrorsOnStderrWithFailureStatus) {
    ToolRun r = run({"-Q", "select * from nada"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), "Invalid object name 'nada'.");
    EXPECT_TRUE(r.out.isEmpty());

    r = run({"-d", "noexiste", "-Q", "select 1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("CONEXION NO REALIZADA.")) << r.err.toStdString();
    EXPECT_EQ(run({}).exitCode, 2);
}

TEST_F(OxtaSqlTest, ReadsAnotherSettingsFile) {
    QDir().mkdir("otro");
    TIni other(file("otro.ini"));
    other.SetEntry("CONFIG", "MOTOR", "sqlite");
    other.SetEntry("CONFIG", "SERVER", "otro");
    ASSERT_EQ(run({"-c", "otro.ini", "-Q", "create database x"}).exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(file("otro/x.sqlite")));
    EXPECT_FALSE(QFileInfo::exists(file("datos/x.sqlite")));
}

// Date-times print in their type's own form, as sqlcmd prints them.
TEST_F(OxtaSqlTest, PrintsDateTimesInTheirTypesForm) {
    ASSERT_EQ(run({"-Q", "CREATE DATABASE nomina"}).exitCode, 0);
    const ToolRun r = run({"-d", "nomina", "-Q",
                           "select cast('2016-12-26' as date), cast('10:11:12.1234567' as time), "
                           "cast('2016-12-26 10:11:12.5' as datetime2(2)), "
                           "cast('2016-12-26 10:11:12.5' as datetime), "
                           "cast('2016-12-26 10:11:12' as smalldatetime)"});
    EXPECT_EQ(r.out.section(u'\n', 1, 1).toStdString(),
              "2016-12-26\t10:11:12.1234567\t2016-12-26 10:11:12.50\t2016-12-26 10:11:12.500\t"
              "2016-12-26 10:11:00");
}
