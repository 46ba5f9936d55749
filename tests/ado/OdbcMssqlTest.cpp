// Runs against a real SQL Server when OXTA_TEST_MSSQL holds an ODBC connection string of a
// login that may create databases; skipped otherwise.

#include "ado/AdoError.h"
#include "ado/OdbcEngine.h"
#include "tests/support/TestDatabase.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdlib>

using ado::Decimal;
using ado::Value;

namespace {

class OdbcMssqlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* connection = std::getenv("OXTA_TEST_MSSQL");
        if (!connection || !*connection)
            GTEST_SKIP() << "OXTA_TEST_MSSQL not set";
        engine = ado::openOdbcEngineWithString(QString::fromUtf8(connection));
        database = QStringLiteral("oxta_test_%1").arg(QRandomGenerator::global()->generate());
        engine->execute(QStringLiteral("CREATE DATABASE [%1]").arg(database));
        engine->execute(QStringLiteral("USE [%1]").arg(database));
    }

    void TearDown() override {
        if (!engine)
            return;
        try {
            engine->execute(QStringLiteral("USE master"));
            engine->execute(
                QStringLiteral("ALTER DATABASE [%1] SET SINGLE_USER WITH ROLLBACK IMMEDIATE")
                    .arg(database));
            engine->execute(QStringLiteral("DROP DATABASE [%1]").arg(database));
        } catch (const ado::Error& e) {
            ADD_FAILURE() << "scratch database " << database.toStdString()
                          << " left behind: " << e.what();
        }
    }

    std::unique_ptr<ado::Engine> engine;
    QString database;
};

}  // namespace

TEST_F(OdbcMssqlTest, ValuesRoundTripWithTheirTypes) {
    engine->execute(QStringLiteral(
        "create table t (n int, b bigint, s smallint, f bit, e numeric(3,0), d decimal(18,2), "
        "m money, r float, v varchar(40), c char(15), w nvarchar(40), dt datetime, dd date)"));
    engine->execute(QStringLiteral(
        "insert into t values (-5, 9000000000, 7, 1, 5, 1234.5, 12.3456, 2.25, 'Camarista', "
        "'1100', N'Señor ñandú €', '2026-03-04T05:06:07.250', '2026-01-02')"));
    engine->execute(QStringLiteral(
        "insert into t values (null, null, null, null, null, null, null, null, null, null, "
        "null, null, null)"));
    const ado::ResultSet r = engine->query(QStringLiteral("select * from t order by n desc"));
    ASSERT_EQ(r.rows.size(), 2u);
    const auto& row = r.rows[0];
    EXPECT_EQ(row[0], Value(-5));
    EXPECT_EQ(row[1], Value(std::int64_t{9000000000}));
    EXPECT_EQ(row[2], Value(7));
    EXPECT_EQ(row[3], Value(1));
    EXPECT_EQ(row[4], Value(5));  // numeric(3,0): a whole number
    EXPECT_EQ(row[5], Value(Decimal{123450, 2}));
    EXPECT_EQ(row[6], Value(Decimal{123456, 4}));
    EXPECT_EQ(row[7], Value(Decimal{225, 2}));
    EXPECT_EQ(row[8], Value("Camarista"));
    EXPECT_EQ(row[9], Value(QStringLiteral("1100           ")));  // char keeps its padding
    EXPECT_EQ(row[10], Value(QStringLiteral("Señor ñandú €")));
    EXPECT_EQ(row[11], Value(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 250))));
    EXPECT_EQ(row[12], Value(QDateTime(QDate(2026, 1, 2), QTime(0, 0))));
    for (const Value& v : r.rows[1])
        EXPECT_TRUE(v.isNull());
}

TEST_F(OdbcMssqlTest, BatchesRunWholeAndQueriesGiveTheLastResultWithColumns) {
    engine->execute(
        QStringLiteral("create table k (a int)\n"
                       "insert into k values (1)\ninsert into k values (2)"));
    const ado::ResultSet r = engine->query(QStringLiteral(
        "select count(*) as primero from k; insert into k values (3); select a from k order by "
        "a"));
    EXPECT_EQ(r.columns, QStringList{QStringLiteral("a")});
    EXPECT_EQ(r.rows.size(), 3u);

    // An error in a later statement of a batch is not lost.
    try {
        engine->execute(QStringLiteral("insert into k values (4); select * from no_existe"));
        FAIL() << "no error";
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), QStringLiteral("Connection.Execute"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("[42S02]"))) << e.what();
    }
}

TEST_F(OdbcMssqlTest, SchemaScriptRunsTwiceAndTakesTheProgramsStatements) {
    RunScript(*engine, SqlFile("schema.sql"));
    RunScript(*engine, SqlFile("schema.sql"));
    engine->execute(QStringLiteral(
        "insert into perfiles values ('Administrador de Staffing','ST','{}','{}','N','N')"));
    engine->execute(QStringLiteral(
        "Insert into usuarios values ('ana','Ana Pech','jlwrv;;;', getdate() + 90)"));
    engine->execute(QStringLiteral(" Insert into hpwd values(  'ana', getdate(), 'jlwrv;;;')"));
    engine->execute(QStringLiteral(
        "insert into staff_reporte values ('   12.34','       1','1100','       111',"
        "'         1','         1','         3','         2',   11800,23600.5)"));
    EXPECT_EQ(engine->query(QStringLiteral("select idperfil from perfiles")).rows.at(0).at(0),
              Value(1));
    EXPECT_EQ(
        engine->query(QStringLiteral("select sueldoReal from staff_reporte")).rows.at(0).at(0),
        Value(Decimal{2360050, 2}));
}

TEST_F(OdbcMssqlTest, DemoLoadsOnTopOfTheSchema) {
    RunScript(*engine, SqlFile("schema.sql"));
    RunScript(*engine, SqlFile("demo.sql"));
    RunScript(*engine, SqlFile("demo.sql"));
    EXPECT_EQ(engine->query(QStringLiteral("select count(*) from empresas")).rows.at(0).at(0),
              Value(2));
    EXPECT_GE(
        engine->query(QStringLiteral("select count(*) from empleados")).rows.at(0).at(0).toInt(),
        300);
}
