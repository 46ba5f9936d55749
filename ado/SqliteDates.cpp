// Date-times: GETDATE, DATEADD, DATEDIFF, DATEPART, DATENAME, DATEFROMPARTS, ISDATE and
// datetime + n.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlDateTimes.h"
#include "ado/SqlTypes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <sqlite3.h>

namespace ado {

using sql::Scalar;
using sql::SqlType;
using namespace support;

namespace {

std::optional<QDateTime> dateArg(sqlite3_context* ctx, sqlite3_value* v) {
    try {
        const Scalar s = sql::convertTo(scalarOf(v), SqlType::datetime());
        return sql::parseDateTime(s.t);
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
        return std::nullopt;
    }
}

// A date argument of DATEADD, DATEDIFF, DATEPART or DATENAME with its type, which the
// translation hands over after the arguments. A value of none of the date-time types is read
// as `textType` (a string) or as datetime (a number of days).
struct DateValue {
    sql::Moment moment;
    SqlType type;
};

std::optional<DateValue> typedDateArg(sqlite3_context* ctx, sqlite3_value* v,
                                      const SqlType& declared, const SqlType& textType) {
    try {
        const Scalar value = scalarOf(v);
        SqlType type = declared;
        Scalar stored = value;
        if (!type.isDateTime()) {
            type = value.kind == Scalar::Kind::Text ? textType : SqlType::datetime();
            stored = value.kind == Scalar::Kind::Text ? sql::dateTimeFromText(value.t, type, true)
                                                      : sql::convertTo(value, type);
        }
        const auto m = sql::momentOfStored(stored.t);
        if (!m) {
            resultError(ctx, ado::ServerError::DateConversionFailed);
            return std::nullopt;
        }
        return DateValue{*m, type};
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
        return std::nullopt;
    }
}

SqlType datetime2() {
    return *SqlType::fromName(QStringLiteral("datetime2"));
}

QString typeWordOf(const SqlType& t) {
    return t.name().section(u'(', 0, 0);
}

// Error 9810 when the type has no such part: a date has no time of day, a time no day.
bool partExists(sqlite3_context* ctx, sql::DatePart part, const SqlType& type) {
    const bool missing = (type.base == SqlType::Base::Date && !sql::isDayPart(part)) ||
                         (type.base == SqlType::Base::Time && sql::isDayPart(part));
    if (missing) {
        resultError(
            ctx, ado::ServerError::DatePartNotSupported,
            {QString::fromLatin1(sql::datePartName(part)), calledName(ctx), typeWordOf(type)});
    }
    return !missing;
}

// 100-ns ticks of one unit of a part of the time of day.
qint64 ticksOf(sql::DatePart part) {
    using P = sql::DatePart;
    switch (part) {
        case P::Hour:
            return 3600 * sql::kTicksPerSecond;
        case P::Minute:
            return 60 * sql::kTicksPerSecond;
        case P::Second:
            return sql::kTicksPerSecond;
        case P::Millisecond:
            return 10'000;
        case P::Microsecond:
            return 10;
        default:
            return 1;
    }
}

// Ticks since 0001-01-01, for counting boundaries of the time of day.
__int128 absoluteTicks(const sql::Moment& m) {
    return static_cast<__int128>(QDate(1, 1, 1).daysTo(m.date)) * sql::kTicksPerDay + m.ticks;
}

__int128 floorDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

namespace helpers {

// datetime + n: n days, fractions as time of day.
void fnDtAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto dt = dateArg(ctx, argv[0]);
    if (!dt)
        return;
    const auto r = sql::addDays(*dt, numberArg(argv[1]));
    if (!r) {
        resultError(ctx, ado::ServerError::ArithmeticOverflow, {QStringLiteral("datetime")});
        return;
    }
    resultText(ctx, sql::formatDateTime(*r));
}

}  // namespace helpers

namespace native {

void getDate(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, sql::formatDateTime(QDateTime::currentDateTime()));
}

// SYSDATETIME(): a datetime2(7), the local time to the 100 ns of the system clock (the
// milliseconds' local day and time from Qt, the figures below them from the same reading).
void sysDateTime(sqlite3_context* ctx, int, sqlite3_value**) {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const qint64 ticks =
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count() / 100;
    const qint64 ms = ticks / 10'000 - (ticks % 10'000 < 0 ? 1 : 0);
    sql::Moment now = sql::momentOf(QDateTime::fromMSecsSinceEpoch(ms));
    now.ticks += ticks - ms * 10'000;
    resultText(ctx, sql::storedText(now, datetime2()));
}

}  // namespace native

namespace {

// The part that a call names: its number, as the translation gives a constant part, or a word
// that only the run knows (a variable), read then.
std::optional<sql::DatePart> datePartArg(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER)
        return sql::datePartOfCode(sqlite3_value_int64(v));
    return sql::parseDatePart(textOf(v));
}

}  // namespace

namespace native {

// DATEADD(part, number, date, 'number type', 'date type'): the date's own type back (a string
// is read as datetime).
void dateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto part = datePartArg(argv[0]);
    if (!part) {
        resultError(ctx, ado::ServerError::UnknownOption, {textOf(argv[0]), calledName(ctx)});
        return;
    }
    const auto d = typedDateArg(ctx, argv[2], typeArgument(argv, 4), SqlType::datetime());
    if (!d || !partExists(ctx, *part, d->type))
        return;
    using P = sql::DatePart;
    if ((*part == P::Microsecond || *part == P::Nanosecond) &&
        d->type.base != SqlType::Base::DateTime2 && d->type.base != SqlType::Base::Time) {
        return resultError(
            ctx, ado::ServerError::DatePartNotSupported,
            {QString::fromLatin1(sql::datePartName(*part)), calledName(ctx), typeWordOf(d->type)});
    }
    // The number is an int: fractions are cut off, and a number beyond int is an overflow
    // (before any arithmetic on it, which then stays well inside 64 bits).
    const double number = std::trunc(numberArg(argv[1]));
    if (!(number >= -2147483648.0 && number <= 2147483647.0)) {
        resultError(ctx, ado::ServerError::ArithmeticOverflow, {QStringLiteral("int")});
        return;
    }
    const qint64 n = static_cast<qint64>(number);
    const auto overflow = [&] {
        if (d->type.base == SqlType::Base::DateTime)
            return resultError(ctx, ado::ServerError::DateAddOverflow);
        resultError(ctx, ado::ServerError::DateAddOverflowOf, {typeWordOf(d->type)});
    };
    // Moves beyond the year 9999 are caught before Qt's own limits are reached.
    constexpr qint64 kMaxMonths = 12 * 10000;
    sql::Moment r = d->moment;
    switch (*part) {
        case P::Year:
        case P::Quarter:
        case P::Month: {
            const qint64 months = *part == P::Year ? 12 * n : *part == P::Quarter ? 3 * n : n;
            if (std::llabs(months) >= kMaxMonths)
                return overflow();
            r.date = r.date.addMonths(static_cast<int>(months));
            break;
        }
        case P::Day:
        case P::DayOfYear:
        case P::Weekday:
            r.date = r.date.addDays(n);
            break;
        case P::Week:
            r.date = r.date.addDays(7 * n);
            break;
        default: {
            // Nanoseconds are added in whole ticks of 100, rounded.
            const __int128 delta = *part == P::Nanosecond
                                       ? (n >= 0 ? (n + 50) / 100 : -((-n + 50) / 100))
                                       : static_cast<__int128>(n) * ticksOf(*part);
            const __int128 total = static_cast<__int128>(r.ticks) + delta;
            const __int128 days = floorDiv(total, sql::kTicksPerDay);
            r.ticks = static_cast<qint64>(total - days * sql::kTicksPerDay);
            if (d->type.base != SqlType::Base::Time)  // a time of day goes round the clock
                r.date = r.date.addDays(static_cast<qint64>(days));
        }
    }
    if (!r.date.isValid() || r.date.year() < 1 || r.date.year() > 9999)
        return overflow();
    try {
        resultText(ctx, sql::storedText(sql::fitMoment(r, d->type, typeWordOf(d->type)), d->type));
    } catch (const sql::ConversionError&) {
        overflow();
    }
}

// DATEDIFF(part, start, end, 'start type', 'end type'): boundaries crossed between two
// date-times, as SQL Server counts them (strings read as datetime2); an int.
void dateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto part = datePartArg(argv[0]);
    if (!part) {
        resultError(ctx, ado::ServerError::UnknownOption, {textOf(argv[0]), calledName(ctx)});
        return;
    }
    const auto a = typedDateArg(ctx, argv[1], typeArgument(argv, 3), datetime2());
    if (!a)
        return;
    const auto b = typedDateArg(ctx, argv[2], typeArgument(argv, 4), datetime2());
    if (!b)
        return;
    const QDate x = a->moment.date;
    const QDate y = b->moment.date;
    using P = sql::DatePart;
    __int128 r = 0;
    switch (*part) {
        case P::Year:
            r = y.year() - x.year();
            break;
        case P::Quarter:
            r = (y.year() - x.year()) * 4 + (y.month() - 1) / 3 - (x.month() - 1) / 3;
            break;
        case P::Month:
            r = (y.year() - x.year()) * 12 + y.month() - x.month();
            break;
        case P::Day:
        case P::DayOfYear:
        case P::Weekday:
            r = x.daysTo(y);
            break;
        case P::Week:
            r = (x.addDays(-(x.dayOfWeek() % 7))).daysTo(y.addDays(-(y.dayOfWeek() % 7))) / 7;
            break;
        case P::Nanosecond:
            r = (absoluteTicks(b->moment) - absoluteTicks(a->moment)) * 100;
            break;
        default: {
            const qint64 unit = ticksOf(*part);
            r = floorDiv(absoluteTicks(b->moment), unit) - floorDiv(absoluteTicks(a->moment), unit);
        }
    }
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        return resultError(ctx, ado::ServerError::DateDiffOverflow);
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(r));
}

}  // namespace native

namespace {

// The week of the year as SQL Server counts it with Sunday as the first day of the week: the
// week of January 1 is week 1, and each Sunday starts the next.
int weekOfYear(const QDate& d) {
    const QDate first(d.year(), 1, 1);
    const QDate firstSunday = first.addDays(-(first.dayOfWeek() % 7));
    return static_cast<int>(firstSunday.daysTo(d) / 7) + 1;
}

// The number that DATEPART gives for `part`.
qint64 datePartValue(sql::DatePart part, const sql::Moment& m) {
    using P = sql::DatePart;
    const QDateTime dt = sql::dateTimeOfMoment(m);
    switch (part) {
        case P::Year:
            return dt.date().year();
        case P::Quarter:
            return (dt.date().month() - 1) / 3 + 1;
        case P::Month:
            return dt.date().month();
        case P::Day:
            return dt.date().day();
        case P::DayOfYear:
            return dt.date().dayOfYear();
        case P::Weekday:
            return dt.date().dayOfWeek() % 7 + 1;  // Sunday is 1
        case P::Week:
            return weekOfYear(dt.date());
        case P::Hour:
            return dt.time().hour();
        case P::Minute:
            return dt.time().minute();
        case P::Second:
            return dt.time().second();
        case P::Millisecond:
            return m.ticks / 10'000 % 1000;
        case P::Microsecond:
            return m.ticks / 10 % 1'000'000;
        case P::Nanosecond:
            return m.ticks % sql::kTicksPerSecond * 100;
    }
    return 0;
}

// DATEPART and DATENAME: the part of argv[1] named by argv[0], or the error for an unknown
// part (nullopt then, the error set).
std::optional<std::pair<sql::DatePart, qint64>> datePartOf(sqlite3_context* ctx,
                                                           sqlite3_value** argv) {
    const auto part = datePartArg(argv[0]);
    if (!part) {
        resultError(ctx, ado::ServerError::UnknownOption, {textOf(argv[0]), calledName(ctx)});
        return std::nullopt;
    }
    const auto d = typedDateArg(ctx, argv[1], typeArgument(argv, 2), datetime2());
    if (!d || !partExists(ctx, *part, d->type))
        return std::nullopt;
    return std::pair{*part, datePartValue(*part, d->moment)};
}

// us_english names, the language of a server's default login.
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

}  // namespace

namespace native {

void datePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (const auto r = datePartOf(ctx, argv))
        sqlite3_result_int64(ctx, r->second);
}

// DATENAME: the month and the weekday by name, every other part as its number.
void dateName(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto r = datePartOf(ctx, argv);
    if (!r)
        return;
    if (r->first == sql::DatePart::Month)
        resultText(ctx, QString::fromLatin1(kMonthNames[r->second - 1]));
    else if (r->first == sql::DatePart::Weekday)
        resultText(ctx, QString::fromLatin1(kDayNames[r->second - 1]));
    else
        resultText(ctx, QString::number(r->second));
}

// DATEFROMPARTS(year, month, day): a date, or SQL Server's error for a day that does not exist.
void dateFromParts(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const qint64 y = sqlite3_value_int64(argv[0]);
    const qint64 m = sqlite3_value_int64(argv[1]);
    const qint64 d = sqlite3_value_int64(argv[2]);
    const QDate date = y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= 31
                           ? QDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d))
                           : QDate();
    if (!date.isValid())
        return resultError(ctx, ado::ServerError::InvalidDateParts);
    resultText(ctx, sql::storedText(sql::Moment{date, 0}, SqlType{SqlType::Base::Date}));
}

// DATETIMEFROMPARTS(year, month, day, hour, minute, seconds, milliseconds): a datetime.
void dateTimeFromParts(sqlite3_context* ctx, int, sqlite3_value** argv) {
    qint64 parts[7];
    for (int i = 0; i < 7; ++i)
        parts[i] = sqlite3_value_int64(argv[i]);
    const auto m = sql::dateTimeFromParts(parts[0], parts[1], parts[2], parts[3], parts[4],
                                          parts[5], parts[6]);
    if (!m)
        return resultError(ctx, ado::ServerError::DateTimePartsInvalid);
    resultText(ctx, sql::storedText(*m, SqlType::datetime()));
}

namespace {

// The value that the parts name in `type`, or error 289 naming the type.
void resultOfParts(sqlite3_context* ctx, const sql::DateTimeParts& parts, const SqlType& type) {
    const auto m = sql::momentOfParts(parts, type);
    if (!m)
        return resultError(ctx, ado::ServerError::PartsInvalidOf, {typeWordOf(type)});
    resultText(ctx, sql::storedText(*m, type));
}

SqlType ofPrecision(SqlType::Base base, sqlite3_value* precision) {
    return SqlType{base, 0, 18, static_cast<int>(sqlite3_value_int64(precision))};
}

}  // namespace

// DATETIME2FROMPARTS(year, month, day, hour, minute, seconds, fractions, precision); the
// translation has checked that the precision is a constant of 0 to 7.
void dateTime2FromParts(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sql::DateTimeParts p;
    qint64* const fields[] = {&p.year,   &p.month,   &p.day,      &p.hour,
                              &p.minute, &p.seconds, &p.fractions};
    for (int i = 0; i < 7; ++i)
        *fields[i] = sqlite3_value_int64(argv[i]);
    resultOfParts(ctx, p, ofPrecision(SqlType::Base::DateTime2, argv[7]));
}

// TIMEFROMPARTS(hour, minute, seconds, fractions, precision)
void timeFromParts(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sql::DateTimeParts p;
    p.hour = sqlite3_value_int64(argv[0]);
    p.minute = sqlite3_value_int64(argv[1]);
    p.seconds = sqlite3_value_int64(argv[2]);
    p.fractions = sqlite3_value_int64(argv[3]);
    resultOfParts(ctx, p, ofPrecision(SqlType::Base::Time, argv[4]));
}

// SMALLDATETIMEFROMPARTS(year, month, day, hour, minute)
void smallDateTimeFromParts(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sql::DateTimeParts p;
    qint64* const fields[] = {&p.year, &p.month, &p.day, &p.hour, &p.minute};
    for (int i = 0; i < 5; ++i)
        *fields[i] = sqlite3_value_int64(argv[i]);
    resultOfParts(ctx, p, SqlType{SqlType::Base::SmallDateTime});
}

// ISDATE(text): 1 when the text converts to a datetime, read as a string is (a whole number
// as its figures).
void isDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int storage = sqlite3_value_type(argv[0]);
    // Blank text converts to 1900-01-01 but is no date for ISDATE.
    if ((storage != SQLITE_TEXT && storage != SQLITE_INTEGER) ||
        textOf(argv[0]).trimmed().isEmpty()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    try {
        sql::dateTimeFromText(textOf(argv[0]), SqlType::datetime(), true);
        sqlite3_result_int(ctx, 1);
    } catch (const sql::ConversionError&) {
        sqlite3_result_int(ctx, 0);
    }
}

}  // namespace native

}  // namespace ado
