#pragma once

#include <QStringView>

#include <optional>

namespace sql {

// The parts of a date-time that DATEADD, DATEDIFF, DATEPART and DATENAME name. The translator
// reads a constant part's word once and hands the functions its number.
enum class DatePart {
    Year = 1,
    Quarter,
    Month,
    DayOfYear,
    Day,
    Week,
    Weekday,
    Hour,
    Minute,
    Second,
    Millisecond,
    Microsecond,
    Nanosecond,
};

// The part that a word or abbreviation names (letter case and surrounding blanks aside).
std::optional<DatePart> parseDatePart(QStringView word);

// The number that stands for `part` in a translated call, and back (nothing for others).
inline int datePartCode(DatePart part) {
    return static_cast<int>(part);
}
std::optional<DatePart> datePartOfCode(long long code);
// The part's name as SQL Server's messages write it ("hour").
const char* datePartName(DatePart part);
// Whether the part is one of the day (year to weekday) rather than of the time of day.
inline bool isDayPart(DatePart part) {
    return part <= DatePart::Weekday;
}

}  // namespace sql
