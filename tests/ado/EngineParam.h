#pragma once

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// One engine under the common data-layer contract: a name and a way to open a connection to
// an empty scratch database (the folder is the test's own temporary folder). A suite for
// another engine instantiates EngineContractTest with its own case:
//
//     INSTANTIATE_TEST_SUITE_P(Odbc, EngineContractTest,
//                              ::testing::Values(EngineCase{"odbc", openMyOdbcConnection}));
struct EngineCase {
    const char* name;
    std::function<std::unique_ptr<ado::Connection>(const QString& dir)> open;
};

inline void PrintTo(const EngineCase& c, std::ostream* os) {
    *os << c.name;
}

// The contract suite (tests in EngineContractTest.cpp): each test runs in its own folder on
// a fresh connection with the table oxta_contract.
class EngineContractTest : public TempDirTest, public ::testing::WithParamInterface<EngineCase> {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        db = GetParam().open(dir());
        ASSERT_TRUE(db && db->isOpen());
        db->Execute("if object_id('oxta_contract') is not null drop table oxta_contract");
        db->Execute(
            "create table oxta_contract (id int not null primary key, big bigint null, "
            "small smallint null, amount decimal(9,2) null, code numeric(3,0) null, "
            "name varchar(20) null, fixed char(6) null, moment datetime null)");
    }
    void TearDown() override {
        if (db)
            db->Execute("drop table oxta_contract");
        TempDirTest::TearDown();
    }
    std::vector<std::vector<ado::Value>> read(const QString& sql,
                                              const ado::Parameters& parameters = {}) {
        std::vector<std::vector<ado::Value>> out;
        ado::Recordset rs;
        rs.Open(sql, db.get(), parameters);
        for (; !rs.Eof(); rs.MoveNext()) {
            std::vector<ado::Value> row;
            for (int i = 0;; ++i) {
                try {
                    row.push_back(rs.Fields(i).Value);
                } catch (const ado::Error&) {
                    break;
                }
            }
            out.push_back(std::move(row));
        }
        rs.Close();
        return out;
    }
    std::unique_ptr<ado::Connection> db;
};
