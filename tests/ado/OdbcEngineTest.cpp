#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/OdbcEngine.h"
#include "tests/support/SqliteOdbcDb.h"

#include <QDateTime>

#include <gtest/gtest.h>

using ado::ConnectionSettings;
using ado::Decimal;
using ado::Value;

namespace {

ConnectionSettings sqlLogin(const QString& password) {
    ConnectionSettings s;
    s.server = QStringLiteral("db01\\nomina");
    s.database = QStringLiteral("oxta");
    s.user = QStringLiteral("sa");
    s.password = password;
    s.trusted = false;
    return s;
}

}  // namespace

// ---- Connection strings -------------------------------------------------------------

TEST(OdbcConnectionString, QuotesEveryValueSoSeparatorsInAPasswordStayInside) {
    EXPECT_EQ(ado::odbcQuote(QStringLiteral("a;b}c{d")), QStringLiteral("{a;b}}c{d}"));
    EXPECT_EQ(ado::odbcQuote(QString()), QStringLiteral("{}"));

    EXPECT_EQ(ado::buildOdbcConnectionString(sqlLogin(QStringLiteral("se;cr}et")), ado::kFreeTds),
              QStringLiteral("DRIVER={FreeTDS};SERVER={db01\\nomina};DATABASE={oxta};UID={sa};"
                             "PWD={se;cr}}et};TDS_Version=7.4"));
}

TEST(OdbcConnectionString, WindowsAuthenticationCarriesNoCredentials) {
    ConnectionSettings s = sqlLogin(QStringLiteral("ignored"));
    s.trusted = true;
    const QString text = ado::buildOdbcConnectionString(s, ado::kMsOdbc18);
    EXPECT_EQ(text,
              QStringLiteral("DRIVER={ODBC Driver 18 for SQL Server};SERVER={db01\\nomina};"
                             "DATABASE={oxta};Trusted_Connection=yes;TrustServerCertificate=yes"));
}

TEST(OdbcConnectionString, EmptyServerAndDatabaseAreLeftToTheDriver) {
    ConnectionSettings s = sqlLogin(QString());
    s.server.clear();
    s.database.clear();
    const QString text = ado::buildOdbcConnectionString(s, QStringLiteral("My Driver"));
    EXPECT_EQ(text, QStringLiteral("DRIVER={My Driver};UID={sa};PWD={}"));
}

TEST(OdbcConnectionString, DriverChoice) {
    const QStringList both{QStringLiteral("SQLite3"), ado::kMsOdbc17, ado::kMsOdbc18,
                           ado::kFreeTds};
    EXPECT_EQ(ado::chooseOdbcDriver(QStringLiteral("  FreeTDS "), both), ado::kFreeTds);
    EXPECT_EQ(ado::chooseOdbcDriver(QString(), both), ado::kMsOdbc18);
    EXPECT_EQ(ado::chooseOdbcDriver(QString(), {ado::kMsOdbc17}), ado::kMsOdbc17);
    EXPECT_EQ(ado::chooseOdbcDriver(QString(), {QStringLiteral("SQLite3")}), ado::kFreeTds);
    EXPECT_EQ(ado::chooseOdbcDriver(QStringLiteral("   "), {}), ado::kFreeTds);
}

// ---- Decimal text as drivers render it ------------------------------------------------

TEST(OdbcDecimal, ParsesAtTheColumnScale) {
    struct Case {
        const char* text;
        int scale;
        Decimal expected;
    };
    const Case cases[] = {
        {"1234.50", 2, {123450, 2}}, {"1234.5", 2, {123450, 2}},
        {"-.25", 2, {-25, 2}},       {"+7", 0, {7, 0}},
        {" 12 ", 3, {12000, 3}},     {"0.005", 2, {1, 2}},
        {"-0.994", 2, {-99, 2}},     {"2.5", 0, {3, 0}},
        {"1E+3", 2, {100000, 2}},    {"9223372036854775807", 0, {9223372036854775807LL, 0}},
        {"$12.5", 2, {1250, 2}},     {"-$0.5", 0, {-1, 0}},  // money as some drivers write it
    };
    for (const Case& c : cases) {
        const auto parsed = ado::parseOdbcDecimal(QString::fromLatin1(c.text), c.scale);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
}

TEST(OdbcDecimal, RefusesWhatIsNoNumberOrDoesNotFit) {
    // 38 figures fit (numeric(38,s)); the 39th does not, also when the scale adds it.
    for (const char* text : {"", "-", ".", "12a", "1.2.3", "abc", "$", "1e", "--1",
                             "999999999999999999999999999999999999999"})
        EXPECT_FALSE(ado::parseOdbcDecimal(QString::fromLatin1(text), 0).has_value()) << text;
    EXPECT_FALSE(ado::parseOdbcDecimal(QStringLiteral("9999999999999999999999999999999999999"), 2)
                     .has_value());
}

// ---- A real driver: unixODBC with the SQLite3 driver ------------------------------------

class OdbcSqliteTest : public SqliteOdbcTest {};

TEST_F(OdbcSqliteTest, ExecuteThenWalkTheRowsInOrder) {
    engine->execute(QStringLiteral("create table centros (centro varchar(15), personas int)"));
    engine->execute(QStringLiteral("insert into centros values ('COC', 12)"));
    engine->execute(QStringLiteral("insert into centros values ('ALB', 30)"));
    engine->execute(QStringLiteral("update centros set personas = personas + 1"));
    engine->execute(QStringLiteral("delete from centros where centro = 'nadie'"));  // no rows

    const ado::ResultSet r =
        engine->query(QStringLiteral("select centro, personas from centros order by centro"));
    EXPECT_EQ(r.columns, (QStringList{QStringLiteral("centro"), QStringLiteral("personas")}));
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][0], Value("ALB"));
    EXPECT_EQ(r.rows[0][1], Value(31));
    EXPECT_EQ(r.rows[1][0], Value("COC"));
    EXPECT_EQ(r.rows[1][1], Value(13));

    EXPECT_TRUE(engine->query(QStringLiteral("select * from centros where 1 = 0")).rows.empty());
}

TEST_F(OdbcSqliteTest, ValuesComeBackTyped) {
    engine->execute(
        QStringLiteral("create table t (n int, b bigint, s smallint, f float, d datetime, "
                       "v varchar(40), x text)"));
    engine->execute(
        QStringLiteral("insert into t values (-5, 9000000000, 7, 2.25, "
                       "'2026-03-04 05:06:07', 'Camarista ñandú €', '')"));
    engine->execute(
        QStringLiteral("insert into t values (null, null, null, null, null, null, "
                       "null)"));
    const ado::ResultSet r = engine->query(QStringLiteral("select * from t order by n desc"));
    ASSERT_EQ(r.rows.size(), 2u);
    const auto& row = r.rows[0];
    EXPECT_EQ(row[0], Value(-5));
    EXPECT_EQ(row[1], Value(std::int64_t{9000000000}));
    EXPECT_EQ(row[2], Value(7));
    EXPECT_EQ(row[3], Value(Decimal{225, 2}));
    EXPECT_EQ(row[4], Value(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))));
    EXPECT_EQ(row[5], Value(QStringLiteral("Camarista ñandú €")));
    EXPECT_EQ(row[6], Value(QString()));  // empty text is not NULL
    EXPECT_FALSE(row[6].isNull());
    for (const Value& v : r.rows[1])
        EXPECT_TRUE(v.isNull());
}

TEST_F(OdbcSqliteTest, LongTextArrivesWhole) {
    const QString longText =
        QString(5000, QLatin1Char('a')) + QStringLiteral("ó") + QString(3000, QLatin1Char('z'));
    engine->execute(QStringLiteral("create table notas (texto text)"));
    engine->execute(QStringLiteral("insert into notas values ('") + longText +
                    QStringLiteral("')"));
    const ado::ResultSet r = engine->query(QStringLiteral("select texto from notas"));
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0].toText(), longText);
}

TEST_F(OdbcSqliteTest, ErrorsCarryTheOperationAndTheDiagnostic) {
    try {
        engine->query(QStringLiteral("select * from no_existe"));
        FAIL() << "no error";
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), QStringLiteral("Recordset.Open"));
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("[HY000] "))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("no_existe"))) << e.what();
    }
    try {
        engine->execute(QStringLiteral("insert into no_existe values (1)"));
        FAIL() << "no error";
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), QStringLiteral("Connection.Execute"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("no_existe"))) << e.what();
    }
    // The connection is still usable after a failed statement.
    EXPECT_EQ(engine->query(QStringLiteral("select 1")).rows.size(), 1u);
}

TEST_F(OdbcSqliteTest, DriverManagerListsTheInstalledDrivers) {
    const QStringList drivers = ado::installedOdbcDrivers();
    EXPECT_TRUE(drivers.contains(QStringLiteral("SQLite3"))) << drivers.join(u',').toStdString();
    EXPECT_TRUE(drivers.contains(ado::kFreeTds)) << drivers.join(u',').toStdString();
}

// ---- Refused connections ------------------------------------------------------------

TEST(OdbcConnect, UnknownDriverFailsWithTheDriverManagersDiagnostic) {
    try {
        ado::openOdbcEngineWithString(QStringLiteral("DRIVER={No Such Driver};SERVER={x}"));
        FAIL() << "connected";
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), QStringLiteral("Connection.Open"));
        EXPECT_TRUE(e.description().startsWith(u'[')) << e.what();  // "[SQLSTATE] text"
        EXPECT_TRUE(e.description().contains(QStringLiteral("No Such Driver"))) << e.what();
    }
}

TEST(OdbcConnect, RefusedServerGivesEveryDiagnosticRecord) {
    ConnectionSettings s = sqlLogin(QStringLiteral("x;y"));
    s.server = QStringLiteral("127.0.0.1,1");  // nothing listens on port 1
    s.driver = ado::kFreeTds;
    try {
        ado::openOdbcEngine(s);
        FAIL() << "connected";
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), QStringLiteral("Connection.Open"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("[08001]"))) << e.what();
        EXPECT_GE(e.description().count(u'\n'), 1) << "all diagnostic records: " << e.what();
        EXPECT_TRUE(e.sqlState().startsWith("08")) << "the first record's state: " << e.what();
        EXPECT_TRUE(e.isConnectionFailure());
    }
    // Through the connection object the driver's code still tells a refused connection apart,
    // though the driver's words are none the engine knows.
    ado::Connection cn;
    cn.Settings = s;
    try {
        cn.Open();
        FAIL() << "connected";
    } catch (const ado::Error& e) {
        EXPECT_TRUE(e.sqlState().startsWith("08")) << e.what();
        EXPECT_TRUE(e.isConnectionFailure());
    }
}
