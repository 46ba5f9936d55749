// What the application relies on from any engine behind ado::Connection.
#include "EngineParam.h"

using ado::Decimal;
using ado::Value;

TEST_P(EngineContractTest, ReturnsTypedValuesAndNulls) {
    db->Execute(
        "insert into oxta_contract values (1, 9000000000, -5, 1234.5, 7, 'Ana', 'ab', "
        "'2026-03-04 05:06:07.123')");
    db->Execute("insert into oxta_contract (id) values (2)");
    const auto rows = read(
        "select id, big, small, amount, code, name, fixed, moment from oxta_contract order by id");
    ASSERT_EQ(rows.size(), 2u);
    const auto& r = rows[0];
    EXPECT_EQ(r[0], Value(1));
    EXPECT_EQ(r[1], Value(std::int64_t{9000000000}));
    EXPECT_EQ(r[2], Value(-5));
    EXPECT_EQ(r[3], Value(Decimal{123450, 2}));
    EXPECT_EQ(r[3].toText(), "1234.50");
    EXPECT_EQ(r[4].toInt(), 7);
    EXPECT_EQ(r[4].rightAligned(8), "       7");
    EXPECT_EQ(r[5], Value("Ana"));
    EXPECT_EQ(r[6], Value("ab    "));
    EXPECT_EQ(r[7].toDateTime(), QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 123)));
    for (std::size_t i = 1; i < rows[1].size(); ++i)
        EXPECT_TRUE(rows[1][i].isNull()) << i;
}

TEST_P(EngineContractTest, RecordsetOnNoRowsIsAtEofAtOnce) {
    ado::Recordset rs;
    rs.Open("select id from oxta_contract", db.get());
    EXPECT_TRUE(rs.Eof());
}

TEST_P(EngineContractTest, AggregatesAndExpressions) {
    db->Execute("insert into oxta_contract (id, amount, name) values (1, 10.25, 'x')");
    db->Execute("insert into oxta_contract (id, amount, name) values (2, 0.5, 'y')");
    const auto r = read(
        "select count(*), sum(amount), isnull(max(code), 0), max(name) + '!' from oxta_contract");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0].toInt(), 2);
    EXPECT_EQ(r[0][1].toText(), "10.75");
    EXPECT_EQ(r[0][2].toInt(), 0);
    EXPECT_EQ(r[0][3], Value("y!"));
}

TEST_P(EngineContractTest, ErrorsNameTheOperationAndDescribeTheFault) {
    try {
        db->Execute(
            "insert into oxta_contract (id) values (1) insert into oxta_contract (id) values (1)");
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), "Connection.Execute");
        EXPECT_TRUE(e.description().contains("PRIMARY KEY")) << e.description().toStdString();
    }
    try {
        ado::Recordset rs;
        rs.Open("select * from oxta_no_such_table", db.get());
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), "Recordset.Open");
        EXPECT_TRUE(e.description().contains("Invalid object name 'oxta_no_such_table'"))
            << e.description().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Embedded, EngineContractTest,
                         ::testing::Values(EngineCase{
                             "embedded", [](const QString& dir) {
                                 ado::ConnectionSettings s;
                                 s.motor = ado::ConnectionSettings::Motor::Sqlite;
                                 s.server = dir;
                                 auto master = std::make_unique<ado::Connection>();
                                 master->Settings = s;
                                 master->Open();
                                 master->Execute("create database contrato");
                                 auto c = std::make_unique<ado::Connection>();
                                 s.database = "contrato";
                                 c->Settings = s;
                                 c->Open();
                                 return c;
                             }}));
