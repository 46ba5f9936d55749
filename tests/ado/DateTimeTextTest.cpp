// Date-times as the engine reads and writes their text: the fixed forms only, the same in
// every time zone of the machine, a clock time that daylight saving skips included.
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
