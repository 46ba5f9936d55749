#pragma once

#include "ado/SqlTypes.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// SQL Server's five date and time types as the embedded engine keeps them: datetime (1/300 s,
// 1753 to 9999), smalldatetime (the minute, 1900 to 2079-06-06), date (the day, 0001 to 9999),
// time(n) and datetime2(n) (n figures of a second, 0 to 7, to 100 ns).
//
// Stored forms, which sort as the values do within one type:
//   datetime, smalldatetime  "yyyy-MM-dd HH:mm:ss.zzz"
//   date                     "yyyy-MM-dd"
//   time(n)                  "HH:mm:ss.fffffff"
//   datetime2(n)             "yyyy-MM-dd HH:mm:ss.fffffff"
namespace sql {

inline constexpr qint64 kTicksPerSecond = 10'000'000;  // of 100 ns
inline constexpr qint64 kTicksPerDay = 86'400 * kTicksPerSecond;

// A day and the ticks since its midnight (a time of day alone is on 1900-01-01).
struct Moment {
    QDate date;
    qint64 ticks = 0;
    bool operator==(const Moment&) const = default;
};

// What a text held: the moment, how many figures of a second it wrote, and whether it named
// a day and a time of day.
struct MomentText {
    Moment moment;
    int fractionDigits = 0;
    bool hasDate = false;
    bool hasTime = false;
};

// Text read as SQL Server reads a string as a date-time under us_english (month/day/year):
// "yyyy-MM-dd", "yyyy/MM/dd", "yyyy.MM.dd", "yyyyMMdd", "yyMMdd", "yyyy", "M/d/yyyy",
// "M-d-yyyy", "M.d.yyyy" (two-figure years too, 49 and below in the 2000s), "Mon d yyyy",
// "d Mon yyyy", "Month d, yyyy", each with or without a time "h:mm[:ss[.fffffff|:fff]]
// [AM|PM]" after a blank (or "T" after an ISO date), or the time alone. Blanks around it are
// ignored. nullopt when it is none of them or names a day or a time that does not exist.
std::optional<MomentText> readMomentText(QStringView text);

// A date-time type of the five (time and datetime2 too).
bool isDateTimeType(const SqlType& t);
// Whether the type's values are stored in the form of another type's: datetime and
// smalldatetime share one.
bool sameStoredForm(const SqlType& a, const SqlType& b);
// The type of the two that SQL Server converts the other to: datetime2, datetime,
// smalldatetime, date, time.
SqlType higherDateTimeType(const SqlType& a, const SqlType& b);

// The type of a result that takes the values of `a` and `b` (the branches of CASE and IIF, the
// arguments of COALESCE, the members of UNION) when either is a date-time: the one of higher
// precedence (datetime2, datetime, smalldatetime, date, time; the larger precision of one
// type), a date-time over text and unknown types, datetime and smalldatetime over numbers.
// nullopt when neither is a date-time. Throws ConversionError 206 for a date meeting a time,
// and a number meeting date, time or datetime2.
std::optional<SqlType> dateTimeBranchType(const SqlType& a, const SqlType& b);

// The moment in the range and precision of `to` (rounded as SQL Server rounds it); `from`
// names the source's type in the out-of-range error (error 242).
Moment fitMoment(const Moment& m, const SqlType& to, const QString& from);

// The stored form of a moment already fitted to `type`.
QString storedText(const Moment& m, const SqlType& type);
// A stored value of any of the five types (or any text readMomentText reads) back.
std::optional<Moment> momentOfStored(QStringView text);

// Text converted to date-time type `to`. A string (`fromString`) is held to what SQL Server
// reads for the type: at most three figures of a second for datetime and smalldatetime,
// seven for the others. A value of unknown origin may also be a stored datetime2 or time.
// Throws ConversionError (241 for no date-time, 242 out of range).
Scalar dateTimeFromText(const QString& text, const SqlType& to, bool fromString);

// A value of date-time type `type` as CAST writes it without a style: datetime and
// smalldatetime as style 0 does ("Jan  1 2020 10:00AM"), date "yyyy-MM-dd", time
// "HH:mm:ss[.f]" and datetime2 "yyyy-MM-dd HH:mm:ss[.f]" with the type's figures of a second.
QString defaultDateTimeText(const Moment& m, const SqlType& type);
// The same in CONVERT's `style` (the styles of SqlDateStyles); throws ConversionError for one
// that SQL Server refuses or that this engine does not write for the type.
QString styledDateTimeText(const Moment& m, const SqlType& type, int style);

// A value of date-time type `type` as a client of SQL Server receives it as text (and sqlcmd
// prints it): date "yyyy-MM-dd", time and datetime2 with their figures of a second, datetime
// "yyyy-MM-dd hh:mm:ss.zzz", smalldatetime "yyyy-MM-dd hh:mm:ss".
QString clientDateTimeText(const Moment& m, const SqlType& type);

// Between moments and the program's date-times (to the millisecond, truncated).
QDateTime dateTimeOfMoment(const Moment& m);
Moment momentOf(const QDateTime& dt);

// DATETIMEFROMPARTS(year, month, day, hour, minute, seconds, milliseconds): the datetime, or
// nullopt when the parts name none (error 289).
std::optional<Moment> dateTimeFromParts(qint64 year, qint64 month, qint64 day, qint64 hour,
                                        qint64 minute, qint64 seconds, qint64 milliseconds);

// The parts that DATETIME2FROMPARTS, TIMEFROMPARTS and SMALLDATETIMEFROMPARTS put together;
// `fractions` counts units of the type's precision (at precision 3, milliseconds).
struct DateTimeParts {
    qint64 year = 1900;
    qint64 month = 1;
    qint64 day = 1;
    qint64 hour = 0;
    qint64 minute = 0;
    qint64 seconds = 0;
    qint64 fractions = 0;
};

// The value of type `type` (datetime2(n), time(n) or smalldatetime) that the parts name, or
// nullopt when they name none (error 289): a day that does not exist or lies outside the
// type's range, a time of day past 23:59:59, or fractions of 10^n or more.
std::optional<Moment> momentOfParts(const DateTimeParts& parts, const SqlType& type);

}  // namespace sql
