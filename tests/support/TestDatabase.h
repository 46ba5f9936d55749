#pragma once

#include "ado/Engine.h"

#include <QString>

// The test database: the tables of sql/schema.sql on the embedded engine, optionally with the
// rows of sql/demo.sql. Each kind is built once per test program (kept in the build tree
// until the program or the scripts change); every test receives a copy of the file, which is
// much faster than running the scripts again.
enum class TestData {
    Empty,   // a database without tables
    Schema,  // sql/schema.sql
    Demo,    // sql/schema.sql followed by sql/demo.sql
};

// Places a copy of the database of that kind in `folder` (the embedded engine's folder of
// databases, created when missing) as database `name`, replacing one of that name.
// Returns false, with a test failure added, when it could not be built or copied.
bool CopyTestDatabase(TestData data, const QString& folder, const QString& name);

// The path of a script under sql/ of the source tree.
QString SqlFile(const char* name);

// Runs a script batch by batch, as sqlcmd does; a failing batch is reported as a test failure
// that names it, and the run goes on.
void RunScript(ado::Engine& engine, const QString& path);
