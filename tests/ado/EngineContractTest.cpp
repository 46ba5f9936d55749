// What the application relies on from any engine behind ado::Connection.
#include "EngineParam.h"

#include "tests/support/CadenasHostiles.h"

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

// ---- Parameters ------------------------------------------------------------------------

TEST_P(EngineContractTest, HostileTextBoundAsAParameterComesBackExactly) {
    db->Execute("insert into oxta_contract (id, name) values (1, 'keep')");
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        ado::Recordset rs;
        rs.Open("select @texto, count(*) from oxta_contract where name <> @texto", db.get(),
                {{"@texto", h.texto}});
        ASSERT_FALSE(rs.Eof()) << prueba::Muestra(h.texto);
        EXPECT_EQ(rs.Fields(0).Value, Value(h.texto)) << prueba::Muestra(h.texto);
        EXPECT_EQ(rs.Fields(1).Value.toInt(), 1) << prueba::Muestra(h.texto);
    }
    // Stored through a parameter, the value is the row's value and nothing more.
    db->Execute("insert into oxta_contract (id, name) values (@id, @name)",
                {{"@id", 2}, {"@name", "a';drop table x--"}});
    const auto rows = read("select name from oxta_contract where id = 2");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], Value("a';drop table x--"));
}

TEST_P(EngineContractTest, ParametersKeepTheirTypes) {
    db->Execute(
        "insert into oxta_contract (id, amount, name, fixed, moment) values "
        "(@id, @amount, @name, @fixed, @moment)",
        {{"@id", 1},
         {"@amount", Decimal{123450, 2}},
         {"@name", "Ana"},
         {"@fixed", ado::Value()},
         {"@moment", QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 123))}});
    // Text compares as a quoted literal does (letter case and trailing blanks ignored); a
    // number adds as a number; NULL is NULL whatever the name says.
    const auto rows = read(
        "select id + @one, amount, fixed, moment, @none from oxta_contract "
        "where name = @name and moment = @moment and fixed is null",
        {{"@one", 1},
         {"name", "ANA  "},
         {"@MOMENT", QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 123))},
         {"@none", ado::Value()}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], Value(2));
    EXPECT_EQ(rows[0][1], Value(Decimal{123450, 2}));
    EXPECT_TRUE(rows[0][2].isNull());
    EXPECT_EQ(rows[0][3].toDateTime(), QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 123)));
    EXPECT_TRUE(rows[0][4].isNull());
    // Text meeting a number or a date-time is converted to it, as a quoted literal would be.
    EXPECT_EQ(read("select name from oxta_contract where id = @id and moment = @moment",
                   {{"@id", " 1"}, {"@moment", "2026-03-04T05:06:07.123"}})
                  .size(),
              1u);
}

TEST_P(EngineContractTest, AMissingOrSurplusParameterIsRefused) {
    const auto failure = [&](const QString& sql, const ado::Parameters& parameters) {
        try {
            db->Execute(sql, parameters);
        } catch (const ado::Error& e) {
            EXPECT_EQ(e.operation(), "Connection.Execute");
            return e.description();
        }
        return QStringLiteral("(ran)");
    };
    const QString insert = QStringLiteral("insert into oxta_contract (id, name) values (@id, @n)");
    EXPECT_TRUE(failure(insert, {{"@id", 1}}).contains("Must declare the scalar variable"));
    EXPECT_TRUE(failure(insert, {{"@id", 1}, {"@n", "x"}, {"@extra", 2}}).contains("@extra"));
    EXPECT_TRUE(failure(insert, {{"@id", 1}, {"@n", "x"}, {"@N", "y"}}).contains("@N"));
    EXPECT_TRUE(failure(insert, {{"@id", 1}, {"@n", "x"}, {"@a b", 2}}).contains("@a b"));
    EXPECT_TRUE(read("select id from oxta_contract").empty());  // none of them ran
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
