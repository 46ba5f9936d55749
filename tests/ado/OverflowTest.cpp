// Numbers and dates at the edge of their types: SQL Server's value, or its overflow error,
// never a wrapped-around number or a date before 1753.
#include "tests/support/EmbeddedDb.h"

namespace {

class OverflowTest : public EmbeddedDbTest {
  protected:
    std::string text(const QString& sql) { return scalar(sql).toText().toStdString(); }
    std::string fails(const QString& sql) { return error(sql).toStdString(); }
};

const char* const kIntOverflow =
    "Arithmetic overflow error converting expression to data type int.";
const char* const kDateTimeOverflow =
    "Arithmetic overflow error converting expression to data type datetime.";
const char* const kDateAddOverflow = "Adding a value to a 'datetime' column caused an overflow.";

}  // namespace

TEST_F(OverflowTest, DecimalsKeepEveryFigureUpTo38) {
    EXPECT_EQ(text("select 1.00000000000000000000001"), "1.00000000000000000000001");
    EXPECT_EQ(text("select 12345678901.123456789"), "12345678901.123456789");
    EXPECT_EQ(text("select -12345678901.123456789"), "-12345678901.123456789");
    EXPECT_EQ(text("select cast('12345678901234567.89' as decimal(38,2))"), "12345678901234567.89");
    EXPECT_EQ(text("select cast(12345678901234.56 as decimal(18,2))"), "12345678901234.56");
    // decimal(22,21), as SQL Server types 1.0 / bigint.
    EXPECT_EQ(text("select 1.0 / cast(3 as bigint)"), "0.333333333333333333333");
    EXPECT_EQ(text("select cast(12345678901234.56 as decimal(18,2)) * 2"), "24691357802469.12");
    EXPECT_EQ(text("select cast(cast('12345678901234567.89' as decimal(38,2)) as varchar(40))"),
              "12345678901234567.89");
    EXPECT_EQ(text("select cast(cast('12345678901234567.89' as decimal(38,2)) as bigint)"),
              "12345678901234567");
    // A float's figures become a decimal of more than a double's figures nowhere yet.
    EXPECT_EQ(fails("select cast(1e30 as numeric(38,0))"),
              "Decimal values of more than 15 significant digits are not supported by the "
              "embedded engine.");
    // Fewer figures at a scale beyond what 2^53 units hold keep their value.
    EXPECT_EQ(text("select cast(2147483647 as decimal(38,25))"),
              "2147483647.0000000000000000000000000");
    // Up to 15 figures, and whole numbers of 64 bits, keep their value.
    EXPECT_EQ(text("select 1234567890123.45"), "1234567890123.45");
    EXPECT_EQ(text("select cast(123456789012345 as decimal(15,0))"), "123456789012345");
    EXPECT_EQ(text("select cast('1234567890123456789' as decimal(19,0))"), "1234567890123456789");
    EXPECT_EQ(text("select 0.100000000000000000000"), "0.100000000000000000000");
    EXPECT_EQ(text("select 0.100000000000000"), "0.100000000000000");
    // Past 64 bits a whole number shows in full, as SQL Server's 38-digit numerics do.
    EXPECT_EQ(text("select 9223372036854775807 + 1"), "9223372036854775808");
    EXPECT_EQ(text("select cast(12345.678 as numeric(10,2))"), "12345.68");
    // The declared precision still holds.
    EXPECT_EQ(fails("select cast(1e30 as numeric(20,0))"),
              "Arithmetic overflow error converting float to data type numeric.");
}

TEST_F(OverflowTest, DateArithmeticStaysInsideTheDatetimeRange) {
    EXPECT_EQ(text("select dateadd(day, 1, '2020-02-28')"), "2020-02-29 00:00:00.000");
    EXPECT_EQ(text("select dateadd(month, -1, '2020-03-31')"), "2020-02-29 00:00:00.000");
    EXPECT_EQ(text("select dateadd(day, 2.9, '2020-01-01')"), "2020-01-03 00:00:00.000");
    EXPECT_EQ(text("select dateadd(year, 7979, '2020-01-01')"), "9999-01-01 00:00:00.000");
    EXPECT_EQ(text("select cast('2020-01-01' as datetime) + 1.5"), "2020-01-02 12:00:00.000");

    // The number of dateadd is an int.
    for (const char* sql :
         {"select dateadd(day, 1e30, '2020-01-01')", "select dateadd(hour, 9e18, '2020-01-01')",
          "select dateadd(millisecond, -2147483649, '2020-01-01')"})
        EXPECT_EQ(fails(sql), kIntOverflow) << sql;
    // An int that moves the date out of range.
    for (const char* sql :
         {"select dateadd(day, 2147483647, '2020-01-01')",
          "select dateadd(month, 2000000000, '2020-01-01')",
          "select dateadd(quarter, 715827883, '2020-01-01')",
          "select dateadd(year, -300, '2020-01-01')", "select dateadd(day, -1, '1753-01-01')",
          "select dateadd(second, 1, '9999-12-31 23:59:59')",
          "select dateadd(week, 2147483647, '2020-01-01')"})
        EXPECT_EQ(fails(sql), kDateAddOverflow) << sql;
    // Numbers turned into dates.
    for (const char* sql :
         {"select cast('2020-01-01' as datetime) + 1e30",
          "select cast('2020-01-01' as datetime) - 1e7", "select cast(1e30 as datetime)"})
        EXPECT_EQ(fails(sql), kDateTimeOverflow) << sql;
}

// Stored values are converted only when they need it: at the very edge of a column's type they
// are kept as they are, one step beyond it they fail as SQL Server fails.
TEST_F(OverflowTest, StoredValuesAtTheEdgesOfTheirColumns) {
    exec("create table e (s smallint, t tinyint, b bit, v varchar(3), m varchar(max))");
    exec("insert into e values (32767, 255, 1, 'abc', 'x')");
    exec("insert into e values (-32768, 0, 0, 'ñáé', '')");
    EXPECT_EQ(scalar("select sum(cast(s as int)) from e").toInt(), -1);
    EXPECT_EQ(scalar("select max(v) from e where t = 0").toText(), "ñáé");  // 6 bytes, 3 letters
    EXPECT_EQ(error("insert into e (s) values (32768)"),
              "Arithmetic overflow error converting expression to data type smallint.");
    EXPECT_EQ(error("insert into e (t) values (-1)"),
              "Arithmetic overflow error converting expression to data type tinyint.");
    EXPECT_EQ(error("insert into e (v) values ('abcd')"),
              "String or binary data would be truncated.");
    EXPECT_EQ(error("insert into e (v) values ('ñáéí')"),
              "String or binary data would be truncated.");
    EXPECT_EQ(scalar("select count(*) from e").toInt(), 2);
    // The same through INSERT ... SELECT, where every value passes the conversion.
    exec("insert into e (s, v) select s, v from e");
    EXPECT_EQ(scalar("select count(*) from e where v = 'abc'").toInt(), 2);
    EXPECT_EQ(error("insert into e (s) select s + 1 from e where s = 32767"),
              "Arithmetic overflow error converting expression to data type smallint.");
}
