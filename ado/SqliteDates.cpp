// Date-times: GETDATE, DATEADD, DATEDIFF, DATEPART, DATENAME, DATEFROMPARTS, ISDATE and
// datetime + n.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlTypes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
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

void dateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto part = datePartArg(argv[0]);
    if (!part) {
        resultError(ctx, ado::ServerError::UnknownOption, {textOf(argv[0]), calledName(ctx)});
        return;
    }
    const auto dt = dateArg(ctx, argv[2]);
    if (!dt)
        return;
    // The number is an int: fractions are cut off, and a number beyond int is an overflow
    // (before any arithmetic on it, which then stays well inside 64 bits).
    const double number = std::trunc(numberArg(argv[1]));
    if (!(number >= -2147483648.0 && number <= 2147483647.0)) {
        resultError(ctx, ado::ServerError::ArithmeticOverflow, {QStringLiteral("int")});
        return;
    }
    const qint64 n = static_cast<qint64>(number);
    // Moves beyond the datetime range are caught before Qt's own limits are reached.
    constexpr qint64 kMaxMonths = 12 * 10000;
    using P = sql::DatePart;
    QDateTime r;
    switch (*part) {
        case P::Year:
            r = std::llabs(n) < 10000 ? dt->addYears(static_cast<int>(n)) : QDateTime();
            break;
        case P::Quarter:
            r = std::llabs(3 * n) < kMaxMonths ? dt->addMonths(static_cast<int>(3 * n))
                                               : QDateTime();
            break;
        case P::Month:
            r = std::llabs(n) < kMaxMonths ? dt->addMonths(static_cast<int>(n)) : QDateTime();
            break;
        case P::Day:
        case P::DayOfYear:
        case P::Weekday:
            r = dt->addDays(n);
            break;
        case P::Week:
            r = dt->addDays(7 * n);
            break;
        case P::Hour:
            r = dt->addSecs(3600 * n);
            break;
        case P::Minute:
            r = dt->addSecs(60 * n);
            break;
        case P::Second:
            r = dt->addSecs(n);
            break;
        case P::Millisecond:
            r = dt->addMSecs(n);
            break;
    }
    if (!sql::inDateTimeRange(r)) {
        resultError(ctx, ado::ServerError::DateAddOverflow);
        return;
    }
    resultText(ctx, sql::formatDateTime(r));
}

// Boundaries crossed between two date-times, as SQL Server counts them.
void dateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto part = datePartArg(argv[0]);
    if (!part) {
        resultError(ctx, ado::ServerError::UnknownOption, {textOf(argv[0]), calledName(ctx)});
        return;
    }
    const auto a = dateArg(ctx, argv[1]);
    if (!a)
        return;
    const auto b = dateArg(ctx, argv[2]);
    if (!b)
        return;
    using P = sql::DatePart;
    qint64 r = 0;
    switch (*part) {
        case P::Year:
            r = b->date().year() - a->date().year();
            break;
        case P::Quarter:
            r = (b->date().year() - a->date().year()) * 4 + (b->date().month() - 1) / 3 -
                (a->date().month() - 1) / 3;
            break;
        case P::Month:
            r = (b->date().year() - a->date().year()) * 12 + b->date().month() - a->date().month();
            break;
        case P::Day:
        case P::DayOfYear:
        case P::Weekday:
            r = a->date().daysTo(b->date());
            break;
        case P::Week:
            r = (a->date().addDays(-(a->date().dayOfWeek() % 7)))
                    .daysTo(b->date().addDays(-(b->date().dayOfWeek() % 7))) /
                7;
            break;
        case P::Hour:
            r = (a->date().daysTo(b->date()) * 24) + b->time().hour() - a->time().hour();
            break;
        case P::Minute:
            r = (a->date().daysTo(b->date()) * 1440) +
                (b->time().hour() * 60 + b->time().minute()) -
                (a->time().hour() * 60 + a->time().minute());
            break;
        case P::Second:
            r = a->secsTo(*b);
            break;
        case P::Millisecond:
            r = a->msecsTo(*b);
            break;
    }
    sqlite3_result_int64(ctx, r);
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
qint64 datePartValue(sql::DatePart part, const QDateTime& dt) {
    using P = sql::DatePart;
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
            return dt.time().msec();
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
    const auto dt = dateArg(ctx, argv[1]);
    if (!dt)
        return std::nullopt;
    return std::pair{*part, datePartValue(*part, *dt)};
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
    if (!date.isValid() || date.year() < 1753) {
        // Dates before 1753 exist in SQL Server's date type but not in what this engine keeps.
        return resultError(ctx, date.isValid() ? ado::ServerError::DatesBefore1753
                                               : ado::ServerError::InvalidDateParts);
    }
    resultText(ctx, sql::formatDateTime(sql::dateTimeOf(date)));
}

// ISDATE(text): 1 when the text converts to a datetime.
void isDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    try {
        sql::convertTo(scalarOf(argv[0]), SqlType::datetime());
        sqlite3_result_int(ctx, 1);
    } catch (const sql::ConversionError&) {
        sqlite3_result_int(ctx, 0);
    }
}

}  // namespace native

}  // namespace ado
