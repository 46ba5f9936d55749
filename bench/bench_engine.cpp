// Round trips on the embedded engine, with its translation cache warm and cold, next to the
// same statements sent to SQLite directly; and whole scripts (many single-row INSERTs, many
// point SELECTs, one INSERT of many rows, the test template's scripts) against the same
// statements run by SQLite directly from their text.
#include "ado/Connection.h"
#include "ado/SqlScript.h"
#include "ado/SqliteEngine.h"
#include "bench/support/BenchDatabase.h"
#include "tests/reports/NominaSintetica.h"

#include <QDir>
#include <QFile>
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

// ---- scripts ----

constexpr int kScriptRows = 10000;

// A table shaped as the program's: whole-number key, text, date-time and amount.
const char* const kCargaTable =
    "CREATE TABLE [dbo].[carga]([id] [int] NOT NULL,[nombre] [varchar](40) NULL,[alta] "
    "[datetime] NULL,[monto] [numeric](12, 2) NULL,CONSTRAINT [PK_carga] PRIMARY KEY CLUSTERED "
    "([id] ASC)) ON [PRIMARY]";

// The database of one scripted benchmark: its own folder, the table, a direct SQLite handle
// on the same file.
struct ScriptDatabase {
    QTemporaryDir dir;
    std::unique_ptr<ado::Connection> connection;
    sqlite3* direct = nullptr;

    ScriptDatabase() {
        connection = bench::CreateDatabase(dir.path());
        connection->Execute(kCargaTable);
        sqlite3_open_v2(QDir(dir.path()).filePath("bench.sqlite").toUtf8().constData(), &direct,
                        SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(direct, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
        sqlite3_busy_timeout(direct, 5000);
    }
    ~ScriptDatabase() { sqlite3_close_v2(direct); }
    ScriptDatabase(const ScriptDatabase&) = delete;
    ScriptDatabase& operator=(const ScriptDatabase&) = delete;

    ado::Engine& engine() { return connection->engine("bench"); }
    void empty() { engine().execute("delete from carga"); }
    void fill(int rows) {
        empty();
        engine().execute(insertBatch(rows, false));
    }
    void runDirect(const QByteArray& text) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(direct, text.constData(), static_cast<int>(text.size()), &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
    }

    // One INSERT per row, in the engine's dialect or in SQLite's.
    static QString insertRow(int id, bool sqliteForm) {
        return sqliteForm ? QStringLiteral(
                                "INSERT INTO carga VALUES (%1, 'Empleado %1', "
                                "'2024-05-17 08:30:00.000', %2)")
                                .arg(id)
                                .arg(id % 9000 + 0.25, 0, 'f', 2)
                          : QStringLiteral(
                                "insert into carga values (%1, 'Empleado %1', "
                                "'2024-05-17 08:30', %2)")
                                .arg(id)
                                .arg(id % 9000 + 0.25, 0, 'f', 2);
    }
    static QString insertBatch(int rows, bool sqliteForm) {
        QString batch;
        for (int i = 1; i <= rows; ++i)
            batch += insertRow(i, sqliteForm) + QStringLiteral("\r\n");
        return batch;
    }
};

// Seconds per statement (or row), shown with its SI prefix ("4.1u" is 4.1 µs).
void perStatement(benchmark::State& state, int statements) {
    state.counters["per_statement"] = benchmark::Counter(
        static_cast<double>(statements),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 10,000 single-row INSERTs in one batch (one transaction).
void insertScriptEngine(benchmark::State& state) {
    ScriptDatabase db;
    const QString batch = ScriptDatabase::insertBatch(kScriptRows, false);
    for (auto _ : state) {
        state.PauseTiming();
        db.empty();
        state.ResumeTiming();
        db.engine().execute(batch);
    }
    perStatement(state, kScriptRows);
}

void insertScriptDirect(benchmark::State& state) {
    ScriptDatabase db;
    std::vector<QByteArray> texts;
    for (int i = 1; i <= kScriptRows; ++i)
        texts.push_back(ScriptDatabase::insertRow(i, true).toUtf8());
    for (auto _ : state) {
        state.PauseTiming();
        db.empty();
        state.ResumeTiming();
        sqlite3_exec(db.direct, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (const QByteArray& t : texts)
            db.runDirect(t);
        sqlite3_exec(db.direct, "COMMIT", nullptr, nullptr, nullptr);
    }
    perStatement(state, kScriptRows);
}

// 10,000 point SELECTs, each its own round trip, a different key each time.
void selectScriptEngine(benchmark::State& state) {
    ScriptDatabase db;
    db.fill(kScriptRows);
    for (auto _ : state) {
        for (int i = 1; i <= kScriptRows; ++i) {
            benchmark::DoNotOptimize(
                db.engine().query(QStringLiteral("select nombre from carga where id = %1").arg(i)));
        }
    }
    perStatement(state, kScriptRows);
}

void selectScriptDirect(benchmark::State& state) {
    ScriptDatabase db;
    db.fill(kScriptRows);
    for (auto _ : state) {
        for (int i = 1; i <= kScriptRows; ++i)
            db.runDirect(QByteArray("SELECT nombre FROM carga WHERE id = ") +
                         QByteArray::number(i));
    }
    perStatement(state, kScriptRows);
}

// One INSERT … VALUES of state.range(0) rows: the time per row should not grow with the rows.
void multiRowValues(benchmark::State& state) {
    ScriptDatabase db;
    const int rows = static_cast<int>(state.range(0));
    QString statement = QStringLiteral("insert into carga values ");
    for (int i = 1; i <= rows; ++i) {
        statement += QStringLiteral("%1(%2, 'Empleado %2', '2024-05-17 08:30', %3.25)")
                         .arg(i > 1 ? QStringLiteral(", ") : QString())
                         .arg(i)
                         .arg(i % 9000);
    }
    for (auto _ : state) {
        state.PauseTiming();
        db.empty();
        state.ResumeTiming();
        db.engine().execute(statement);
    }
    perStatement(state, rows);
}

// The test template: a new database, sql/schema.sql and sql/demo.sql batch by batch.
void templateBuild(benchmark::State& state) {
    QStringList batches;
    for (const char* script : {"schema.sql", "demo.sql"}) {
        QFile f(QStringLiteral(OXTA_SOURCE_DIR "/sql/") + QLatin1String(script));
        f.open(QIODevice::ReadOnly);
        batches += sql::splitBatches(QString::fromUtf8(f.readAll()));
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        auto connection = bench::CreateDatabase(dir.path());
        state.ResumeTiming();
        for (const QString& batch : batches)
            connection->Execute(batch);
    }
}

// The report bench's payroll (5,000 planned entries, 100,000 employees) loaded into the
// program's tables, as oxta_bench_report loads it, statements generated beforehand.
void payrollLoad(benchmark::State& state) {
    std::vector<QString> statements;
    prueba::GeneraNomina([&statements](const QString& sql) { statements.push_back(sql); }, 5000,
                         100000, {1});
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        auto connection = bench::CreateDatabase(dir.path());
        bench::RunSchema(*connection);
        state.ResumeTiming();
        for (const QString& sql : statements)
            connection->Execute(sql);
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

BENCHMARK(insertScriptEngine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(insertScriptDirect)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(selectScriptEngine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(selectScriptDirect)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(multiRowValues)->Arg(100)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(templateBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(payrollLoad)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
