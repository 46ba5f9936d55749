// Date-times as the engine reads and writes their text: the fixed forms only, the same in
// every time zone of the machine, a clock time that daylight saving skips included.
#include "ado/SqlDateTimes.h"
#include "ado/SqlTypes.h"
#include "tests/support/EmbeddedDb.h"

#include <cstdlib>
#include <ctime>

namespace {

// Runs the test in a time zone that skips 02:00-03:00 on 2024-03-10.
class InZone {
  public:
    explicit InZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        if (m_old.empty()) {
            unsetenv("TZ");
        } else {
            setenv("TZ", m_old.c_str(), 1);
        }
        tzset();
    }
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;

  private:
    std::string m_old;
};

std::string parsed(const char* text) {
    const auto dt = sql::parseDateTime(QString::fromUtf8(text));
    return dt ? sql::formatDateTime(*dt).toStdString() : "refused";
}

}  // namespace

TEST(DateTimeTextTest, ReadsTheFixedFormsAndNothingElse) {
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {
        {"2020-03-04 13:05:06.123", "2020-03-04 13:05:06.123"},
        {"2020-03-04 13:05:06.5", "2020-03-04 13:05:06.500"},
        {"2020-03-04 13:05:06.05", "2020-03-04 13:05:06.050"},
        {"2020-03-04 13:05:06.998", "2020-03-04 13:05:06.997"},  // to 1/300 s
        {"2020-03-04 23:59:59.999", "2020-03-05 00:00:00.000"},  // rounded into the next day
        {"2020-12-31 23:59:59.999", "2021-01-01 00:00:00.000"},
        {"2020-03-04 13:05", "2020-03-04 13:05:00.000"},
        {"2020-03-04T13:05:06.12", "2020-03-04 13:05:06.120"},
        {"  2020-03-04  ", "2020-03-04 00:00:00.000"},
        {"20200304 13:05:06", "2020-03-04 13:05:06.000"},
        {"3/4/2020", "2020-03-04 00:00:00.000"},
        {"03/04/2020 13:05:06", "2020-03-04 13:05:06.000"},
        {"2020-02-29 23:59:59.998", "2020-02-29 23:59:59.997"},
        {"9999-12-31 23:59:59.997", "9999-12-31 23:59:59.997"},
        {"2020-03-04 13:05:06.1234", "refused"},
        {"2020-03-04 13:05:06.", "refused"},
        {"2020-03-04T13:05", "refused"},
        {"2020-3-4", "refused"},
        {"2020-03-04 1:05:06", "refused"},
        {"20200304 13:05", "refused"},
        {"3/4/2020 13:05", "refused"},
        {"3/4/20", "refused"},
        {"2020-02-30", "refused"},
        {"2019-02-29", "refused"},
        {"0000-01-01", "refused"},
        {"2020-03-04 24:00:00", "refused"},
        {"2020-03-04 13:60:00", "refused"},
        {"2020-03-04 13:05:60", "refused"},
        {"2020-03-04  13:05:06", "refused"},
        {"+2020-03-04", "refused"},
        {"12345-01-01", "refused"},
        {"2020/03/04", "refused"},
        {"2020-03-04 13:05:06Z", "refused"},
        {"2020-03-04\n13:05:06", "refused"},
        {"2020-03-04 13:05:06\xC2\xA0x", "refused"},
        {"", "refused"},
    };
    for (const char* zone : {"UTC", "America/New_York"}) {
        const InZone in(zone);
        for (const auto& c : cases)
            EXPECT_EQ(parsed(c.text), c.stored) << c.text << " in " << zone;
    }
}

// A string stored in each date-time type as SQL Server converts it: read under us_english,
// rounded to the type's precision, held to its range. "241" and "242": SQL Server's error.
TEST(DateTimeTextTest, StringsStoredInEachTypeAsSqlServerConvertsThem) {
    const struct {
        const char* text;
        const char* type;
        const char* stored;
    } cases[] = {
        {"12.26.2016", "datetime", "2016-12-26 00:00:00.000"},
        {"12-26-16 4 PM", "datetime", "2016-12-26 16:00:00.000"},
        {"Dec 26 2016 12:05AM", "datetime", "2016-12-26 00:05:00.000"},
        {"26 December, 2016", "date", "2016-12-26"},
        {"2016", "date", "2016-01-01"},
        {"161226", "date", "2016-12-26"},
        {"10:20:30:5", "datetime", "1900-01-01 10:20:30.007"},  // ":5" is 5 milliseconds
        {"9999-12-31 23:59:59.9999999", "datetime2(7)", "9999-12-31 23:59:59.9999999"},
        {"9999-12-31 23:59:59.9999999", "datetime2(6)", "242"},
        {"9999-12-31 23:59:59.999", "datetime", "242"},
        {"2079-06-06 23:59:30", "smalldatetime", "242"},
        {"1899-12-31", "smalldatetime", "242"},
        {"2016-12-26 10:20:30.1234", "datetime", "241"},
        {"2016-12-26 10:20:30.1234", "datetime2(2)", "2016-12-26 10:20:30.1200000"},
        {"23:59:59.99999995", "time(7)", "241"},  // eight figures: no type reads them
        {"23:59:59.6", "time(0)", "00:00:00.0000000"},
        {"13:00 PM", "time(7)", "241"},
        {"2016-12-26T10:20", "datetime2(0)", "2016-12-26 10:20:00.0000000"},
        {"12/26/2016T10:20", "datetime", "241"},  // "T" only after an ISO date
        {"26/12/2016", "date", "241"},
        {"", "time(7)", "00:00:00.0000000"},
    };
    for (const auto& c : cases) {
        std::string got;
        try {
            got =
                sql::dateTimeFromText(QString::fromUtf8(c.text), sql::SqlType::parse(c.type), true)
                    .t.toStdString();
        } catch (const sql::ConversionError& e) {
            got = std::to_string(ado::serverErrorInfo(e.error()).number);
        }
        EXPECT_EQ(got, c.stored) << c.text << " as " << c.type;
    }
}

// Where daylight saving moves the clock, SQL Server's datetime, which has no time zone,
// still has every hour.
class DateTimeZoneTest : public EmbeddedDbTest {};

TEST_F(DateTimeZoneTest, ClockTimesSkippedByDaylightSavingStillExist) {
    const InZone in("America/New_York");
    const struct {
        const char* query;
        const char* value;
    } cases[] = {
        {"select convert(varchar(23), cast('2024-03-10 02:30' as datetime), 121)",
         "2024-03-10 02:30:00.000"},
        {"select datediff(hour, '2024-03-10 01:00', '2024-03-10 03:00')", "2"},
        {"select datediff(minute, '2024-11-03 00:30', '2024-11-03 02:30')", "120"},
        {"select convert(varchar(23), dateadd(hour, 1, '2024-03-10 01:30'), 121)",
         "2024-03-10 02:30:00.000"},
        {"select convert(varchar(23), dateadd(day, 1, '2024-03-09 02:30'), 121)",
         "2024-03-10 02:30:00.000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scalar(QString::fromUtf8(c.query)).toText().toStdString(), c.value) << c.query;
}

// Literals of INSERT rows are bound to shared prepared statements: every kind of literal keeps
// its value, whichever row it stands in and whatever the rows before it held.
TEST_F(DateTimeZoneTest, InsertedLiteralsKeepTheirValuesInSharedStatements) {
    exec("create table t (n int null, b bigint null, d numeric(12,2) null, s varchar(10) null)");
    exec(
        "insert into t values (1, 9223372036854775807, 12.345, 'O''B'), "
        "(-5, -9223372036854775807, -0.005, NULL), (NULL, 0, 7, '')");
    exec("insert into t values (2, 3, 1.5, 'x')");
    exec("insert into t values (NULL, NULL, NULL, NULL)");
    exec("insert into t values (3, 4, 2.25, 'y')");
    const char* const expected[] = {
        "1|9223372036854775807|12.35|O'B",
        "-5|-9223372036854775807|-0.01|NULL",
        "NULL|0|7.00|",
        "2|3|1.50|x",
        "NULL|NULL|NULL|NULL",
        "3|4|2.25|y",
    };
    const auto r = rows("select n, b, d, s from t");
    ASSERT_EQ(r.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        QStringList row;
        for (const ado::Value& v : r.rows[i])
            row << (v.isNull() ? QStringLiteral("NULL") : v.toText());
        EXPECT_EQ(row.join(u'|').toStdString(), expected[i]);
    }
    EXPECT_EQ(error("insert into t values ('abc', 1, 1, 'a')").toStdString(),
              "Conversion failed when converting the varchar value 'abc' to data type int.");
}

// SYSDATETIME reads the clock below the millisecond, in the local time GETDATE gives.
TEST_F(DateTimeZoneTest, SysDateTimeKeepsTheClocksFiguresBelowTheMillisecond) {
    const InZone in("America/New_York");
    bool below = false;
    for (int i = 0; i < 5 && !below; ++i)
        below = scalar("select datepart(nanosecond, sysdatetime()) % 1000000").toInt() != 0;
    EXPECT_TRUE(below);
    EXPECT_LE(scalar("select abs(datediff(second, sysdatetime(), getdate()))").toInt(), 1);
}
