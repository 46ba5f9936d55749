#include "bench/support/BenchDatabase.h"

#include "ado/SqlScript.h"
#include "ui/TIni.h"

#include <QDir>
#include <QFile>

namespace bench {

std::unique_ptr<ado::Connection> CreateDatabase(const QString& folder) {
    ado::ConnectionSettings s;
    s.motor = ado::ConnectionSettings::Motor::Sqlite;
    s.server = folder;
    ado::Connection master;
    master.Settings = s;
    master.Open();
    master.Execute("CREATE DATABASE bench");
    s.database = "bench";
    auto connection = std::make_unique<ado::Connection>();
    connection->Settings = s;
    connection->Open();
    return connection;
}

void RunSchema(ado::Connection& connection) {
    QFile schema(QStringLiteral(OXTA_SOURCE_DIR "/sql/schema.sql"));
    schema.open(QIODevice::ReadOnly);
    for (const QString& batch : sql::splitBatches(QString::fromUtf8(schema.readAll())))
        connection.Execute(batch);
}

void ConfigureDatabaseWithSchema(const QString& folder) {
    QDir().mkpath(folder);
    RunSchema(*CreateDatabase(QDir(folder).absolutePath()));
    EscribeIni("CONFIG", "MOTOR", "SQLITE");
    EscribeIni("CONFIG", "SERVER", QDir(folder).absolutePath());
    EscribeIni("CONFIG", "BD", "bench");
}

}  // namespace bench
