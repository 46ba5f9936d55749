#pragma once

#include "ado/Connection.h"

#include <QString>

#include <memory>

// The benchmarks' database: "bench" on the embedded engine, in a folder of databases that the
// benchmark owns (a temporary one).
namespace bench {

// Creates the database in `folder` and opens a connection to it.
std::unique_ptr<ado::Connection> CreateDatabase(const QString& folder);
// Runs sql/schema.sql on the connection, batch by batch.
void RunSchema(ado::Connection& connection);
// For benchmarks that go through clsConexion: makes ./config.ini point at "bench" in `folder`
// (the current directory must be the benchmark's own), creates it and runs the schema on it.
void ConfigureDatabaseWithSchema(const QString& folder);

}  // namespace bench
