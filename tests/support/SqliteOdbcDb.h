#pragma once

#include "ado/OdbcEngine.h"
#include "tests/support/TempDir.h"

#include <memory>

// Fixture: the ODBC engine for real, through unixODBC and its SQLite3 driver, on a database
// file in the test's own folder.
class SqliteOdbcTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        engine = ado::openOdbcEngineWithString(QStringLiteral("DRIVER={SQLite3};Database=") +
                                               file(QStringLiteral("odbc.db")));
    }
    std::unique_ptr<ado::Engine> engine;
};
