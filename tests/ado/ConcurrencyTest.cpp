// Several processes on one embedded database file: writers that wait for each other, and a
// writer killed in the middle of a long script, which must leave the file whole.
#include "tests/support/TempDir.h"
#include "ui/TIni.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

class ConcurrencyTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        QDir().mkdir("datos");
        TIni ini(file("config.ini"));
        ini.SetEntry("CONFIG", "MOTOR", "SQLITE");
        ini.SetEntry("CONFIG", "SERVER", "datos");
        ini.SetEntry("CONFIG", "BD", "nomina");
        ASSERT_EQ(runSql({"-d", "master", "-Q", "CREATE DATABASE nomina"}), 0);
        ASSERT_EQ(runSql({"-Q",
                          "create table filas (id int primary key, quien varchar(10), "
                          "texto varchar(200) not null)"}),
                  0);
    }

    std::unique_ptr<QProcess> start(const QStringList& args) const {
        auto p = std::make_unique<QProcess>();
        p->setWorkingDirectory(dir());
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->setStandardOutputFile(QProcess::nullDevice());
        p->start(QStringLiteral(OXTA_BINARY_DIR "/tools/oxta-sql"), args);
        EXPECT_TRUE(p->waitForStarted());
        return p;
    }
    int runSql(const QStringList& args) const {
        auto p = start(args);
        EXPECT_TRUE(p->waitForFinished(120000));
        return p->exitCode();
    }

    // A script of `count` single-row inserts from id `first` on, each its own batch; every
    // row carries a text whose length and end tell a whole row from a torn one.
    QString script(const QString& name, int first, int count, const QString& quien) const {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        for (int id = first; id < first + count; ++id)
            f.write(QStringLiteral("insert into filas values (%1, '%2', '%3|fin')\nGO\n")
                        .arg(id)
                        .arg(quien, QString(150, QLatin1Char('x')))
                        .toUtf8());
        return file(name);
    }

    struct Estado {
        QString integridad;
        int filas = 0;
        int maximo = 0;
        int rotas = 0;
    };
    // Read with SQLite itself, below the engine: the file's integrity and its rows (with
    // `completo` false, only the number of rows).
    Estado leer(bool completo = true) const {
        Estado e;
        sqlite3* raw = nullptr;
        const QByteArray path = QFile::encodeName(file("datos/nomina.sqlite"));
        EXPECT_EQ(sqlite3_open_v2(path.constData(), &raw, SQLITE_OPEN_READONLY, nullptr),
                  SQLITE_OK);
        sqlite3_busy_timeout(raw, 5000);
        const auto text = [&](const char* sql) {
            sqlite3_stmt* st = nullptr;
            QString v;
            if (sqlite3_prepare_v2(raw, sql, -1, &st, nullptr) == SQLITE_OK &&
                sqlite3_step(st) == SQLITE_ROW)
                v = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            else
                v = QString::fromUtf8(sqlite3_errmsg(raw));
            sqlite3_finalize(st);
            return v;
        };
        e.filas = text("select count(*) from filas").toInt();
        if (completo) {
            e.integridad = text("PRAGMA integrity_check");
            e.maximo = text("select coalesce(max(id), 0) from filas").toInt();
            e.rotas = text(
                          "select count(*) from filas where length(texto) <> 154 or "
                          "texto not like '%|fin'")
                          .toInt();
        }
        sqlite3_close(raw);
        return e;
    }
};

}  // namespace

TEST_F(ConcurrencyTest, TwoWritersAtOnceWaitForEachOther) {
    const QString a = script("a.sql", 1, 1000, "a");
    const QString b = script("b.sql", 1001, 1000, "b");
    auto first = start({"-i", a});
    auto second = start({"-i", b});
    ASSERT_TRUE(first->waitForFinished(120000));
    ASSERT_TRUE(second->waitForFinished(120000));
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_EQ(second->exitCode(), 0);

    const Estado e = leer();
    EXPECT_EQ(e.integridad, "ok");
    EXPECT_EQ(e.filas, 2000);
    EXPECT_EQ(e.rotas, 0);
}

TEST_F(ConcurrencyTest, AWriterKilledMidScriptLeavesEveryStatementDoneOrNotDone) {
    const QString largo = script("largo.sql", 1, 5000, "k");
    for (int vez = 0; vez < 20; ++vez) {
        SCOPED_TRACE(vez);
        ASSERT_EQ(runSql({"-Q", "delete from filas"}), 0);
        // The kill comes after a random number of statements, however busy the machine is,
        // and lands wherever the writer happens to be then.
        const int objetivo = QRandomGenerator::global()->bounded(1, 2500);
        auto p = start({"-i", largo});
        while (p->state() == QProcess::Running && leer(false).filas < objetivo)
            QThread::msleep(2);
        ASSERT_EQ(p->state(), QProcess::Running) << "the script ended before the kill";
        p->kill();
        p->waitForFinished();

        const Estado e = leer();
        EXPECT_EQ(e.integridad, "ok");
        EXPECT_EQ(e.rotas, 0);
        // Statements run in order, one at a time: what is there is the first k, whole.
        EXPECT_EQ(e.filas, e.maximo);
        EXPECT_GE(e.filas, objetivo);
    }
    // The database is still usable afterwards.
    EXPECT_EQ(runSql({"-Q", "insert into filas values (0, 'z', 'fin')"}), 0);
}
