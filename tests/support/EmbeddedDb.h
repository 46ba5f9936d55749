#pragma once

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestDatabase.h"

#include <memory>
#include <ostream>

namespace ado {
// Readable values in test failures.
inline void PrintTo(const Value& v, std::ostream* os) {
    *os << (v.isNull() ? std::string("NULL") : '\'' + v.toText().toStdString() + '\'');
}
}  // namespace ado

// Fixture: an embedded server in the test's own folder with one database "nomina", a copy
// of the test database that `datos` names (empty unless a derived fixture says otherwise),
// and a connection to it.
class EmbeddedDbTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_TRUE(CopyTestDatabase(datos, dir(), QStringLiteral("nomina")));
        db = open(QStringLiteral("nomina"));
    }

    std::unique_ptr<ado::Connection> open(const QString& database) const {
        auto c = std::make_unique<ado::Connection>();
        ado::ConnectionSettings s;
        s.motor = ado::ConnectionSettings::Motor::Sqlite;
        s.server = dir();
        s.database = database;
        c->Settings = s;
        c->Open();
        return c;
    }

    void exec(const QString& sql) { db->Execute(sql); }
    ado::ResultSet rows(const QString& sql) { return db->engine("test").query(sql); }
    // The first column of the first row (NULL when there is no row).
    ado::Value scalar(const QString& sql) {
        const auto r = rows(sql);
        return r.rows.empty() ? ado::Value() : r.rows.front().front();
    }
    // The description of the error that the statement raises ("" when it runs).
    QString error(const QString& sql) {
        try {
            db->Execute(sql);
        } catch (const ado::Error& e) {
            return e.description();
        }
        return {};
    }

    TestData datos = TestData::Empty;
    std::unique_ptr<ado::Connection> db;
};
