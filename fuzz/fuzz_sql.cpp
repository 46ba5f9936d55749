// One T-SQL batch through the embedded engine, on a fresh copy of a database that holds the
// payroll schema. Any answer is fine, a row set or a database error; a crash, a hang, a
// sanitizer report or another exception is a finding.
#include "ado/AdoError.h"
#include "ado/Engine.h"
#include "ado/SqlScript.h"
#include "fuzz/FuzzTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Lives until the process ends (QCoreApplication keeps a reference to argc).
QCoreApplication* g_app = nullptr;
int g_argc = 1;
char g_name[] = "fuzz_sql";
char* g_argv[] = {g_name, nullptr};
std::unique_ptr<QTemporaryDir> g_dir;
QByteArray g_template;
const bool g_verbose =
    std::getenv("OXTA_FUZZ_VERBOSE") !=
    nullptr;  // answers on stderr  // kept in memory: an input may well drop or alter databases

ado::ConnectionSettings embedded(const QString& database) {
    ado::ConnectionSettings s;
    s.motor = ado::ConnectionSettings::Motor::Sqlite;
    s.server = g_dir->path();
    s.database = database;
    return s;
}

QString databaseFile(const QString& name) {
    return QDir(g_dir->path()).filePath(name + QStringLiteral(".sqlite"));
}

// The template database: the schema script, batch by batch, as the provisioning runs it.
void buildTemplate() {
    ado::openEngine(embedded(QStringLiteral("master")))
        ->execute(QStringLiteral("CREATE DATABASE plantilla"));
    QFile script(QStringLiteral(OXTA_SOURCE_DIR "/sql/schema.sql"));
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fuzz_sql: cannot read %s\n", qPrintable(script.fileName()));
        std::exit(2);
    }
    const auto engine = ado::openEngine(embedded(QStringLiteral("plantilla")));
    for (const QString& batch : sql::splitBatches(QString::fromUtf8(script.readAll())))
        engine->execute(batch);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_app = new QCoreApplication(g_argc, g_argv);
    g_dir = std::make_unique<QTemporaryDir>();
    buildTemplate();
    QFile built(databaseFile(QStringLiteral("plantilla")));
    if (!built.open(QIODevice::ReadOnly))
        std::exit(2);
    g_template = built.readAll();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString batch =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QFile work(databaseFile(QStringLiteral("nomina")));
    FUZZ_CHECK(work.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(work.write(g_template) == g_template.size());
    work.close();
    try {
        const auto engine = ado::openEngine(embedded(QStringLiteral("nomina")));
        const ado::ResultSet result = engine->query(batch);
        // Every way the forms read a value.
        for (const auto& row : result.rows) {
            for (const ado::Value& v : row) {
                (void)v.toText();
                (void)v.toInt();
                (void)v.toDouble();
                (void)v.rightAligned(9);
                (void)v.toDateTime();
            }
        }
        if (g_verbose)
            std::fprintf(stderr, "%zu rows\n", result.rows.size());
    } catch (const ado::Error& e) {
        // SQL Server's answer to a statement it refuses.
        if (g_verbose)
            std::fprintf(stderr, "error: %s\n", e.what());
    }
    return 0;
}
