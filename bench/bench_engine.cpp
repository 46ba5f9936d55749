// Round trips on the embedded engine, with its translation cache warm and cold, next to the
// same statements sent to SQLite directly.
#include "ado/Connection.h"
#include "ado/SqliteEngine.h"
#include "bench/support/BenchDatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

const char* const kPointSelect = "select nombre from staffing where idStaffing = 500";
const char* const kInsert = "insert into staffing values (5, 'Plan nuevo', 'S,Q')";
const char* const kUpdate = "update staffing set nombre = 'Plan 500' where idStaffing = 500";

// The SQLite forms of the same statements, as the translation would read if written by hand.
const char* const kDirectPointSelect = "SELECT nombre FROM staffing WHERE idStaffing = 500";
const char* const kDirectInsert =
    "INSERT INTO staffing (empresa, nombre, tiposNomina) VALUES (5, 'Plan nuevo', 'S,Q')";
const char* const kDirectUpdate = "UPDATE staffing SET nombre = 'Plan 500' WHERE idStaffing = 500";

// A database "bench" with the plans table and 1000 plans, shared by all benchmarks.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ado::Connection> connection;

    Fixture() {
        connection = bench::CreateDatabase(dir.path());
        connection->Execute(
            "CREATE TABLE [dbo].[staffing]([idStaffing] [bigint] IDENTITY(1,1) NOT NULL,[empresa] "
            "[numeric](3, 0) NULL,[nombre] [varchar](150) NULL,[tiposNomina] [varchar](50) NULL,"
            "CONSTRAINT [PK_staffing] PRIMARY KEY CLUSTERED (   [idStaffing] ASC)) ON [PRIMARY]");
        for (int i = 0; i < 1000; ++i)
            connection->Execute(kInsert);
    }
    QString file() const { return QDir(dir.path()).filePath("bench.sqlite"); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void embedded(benchmark::State& state, const char* sql, bool rows, bool cold) {
    ado::Connection& c = *fixture().connection;
    ado::Engine& engine = c.engine("bench");
    for (auto _ : state) {
        if (cold)
            ado::clearTranslationCache(engine);
        if (rows) {
            benchmark::DoNotOptimize(engine.query(sql));
        } else {
            engine.execute(sql);
        }
    }
}

void direct(benchmark::State& state, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(fixture().file().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, 5000);
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 0));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(db);
}

// Look-ups of a different plan each time: the key pasted into the text (a new statement to
// parse and translate every time) or bound as a parameter (one statement, translated once).
void lookupLiteral(benchmark::State& state) {
    ado::Engine& engine = fixture().connection->engine("bench");
    int key = 0;
    for (auto _ : state) {
        key = key % 1000 + 1;
        benchmark::DoNotOptimize(
            engine.query(QStringLiteral("select nombre from staffing where idStaffing = %1 and "
                                        "nombre = 'Plan nuevo'")
                             .arg(key)));
    }
}

void lookupBound(benchmark::State& state) {
    ado::Engine& engine = fixture().connection->engine("bench");
    const QString sql =
        QStringLiteral("select nombre from staffing where idStaffing = @plan and nombre = @nombre");
    int key = 0;
    for (auto _ : state) {
        key = key % 1000 + 1;
        benchmark::DoNotOptimize(
            engine.query(sql, {{QStringLiteral("@plan"), key},
                               {QStringLiteral("@nombre"), QStringLiteral("Plan nuevo")}}));
    }
}

}  // namespace

BENCHMARK(lookupLiteral);
BENCHMARK(lookupBound);
BENCHMARK_CAPTURE(embedded, point_select_warm, kPointSelect, true, false);
BENCHMARK_CAPTURE(embedded, point_select_cold, kPointSelect, true, true);
BENCHMARK_CAPTURE(direct, point_select, kDirectPointSelect);
BENCHMARK_CAPTURE(embedded, insert_warm, kInsert, false, false);
BENCHMARK_CAPTURE(embedded, insert_cold, kInsert, false, true);
BENCHMARK_CAPTURE(direct, insert, kDirectInsert);
BENCHMARK_CAPTURE(embedded, update_warm, kUpdate, false, false);
BENCHMARK_CAPTURE(embedded, update_cold, kUpdate, false, true);
BENCHMARK_CAPTURE(direct, update, kDirectUpdate);

BENCHMARK_MAIN();
