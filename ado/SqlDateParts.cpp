#include "ado/SqlDateParts.h"

#include <QString>

namespace sql {

std::optional<DatePart> parseDatePart(QStringView word) {
    static const struct {
        const char16_t* word;
        DatePart part;
    } kWords[] = {
        {u"year", DatePart::Year},
        {u"yy", DatePart::Year},
        {u"yyyy", DatePart::Year},
        {u"quarter", DatePart::Quarter},
        {u"qq", DatePart::Quarter},
        {u"q", DatePart::Quarter},
        {u"month", DatePart::Month},
        {u"mm", DatePart::Month},
        {u"m", DatePart::Month},
        {u"dayofyear", DatePart::DayOfYear},
        {u"dy", DatePart::DayOfYear},
        {u"y", DatePart::DayOfYear},
        {u"day", DatePart::Day},
        {u"dd", DatePart::Day},
        {u"d", DatePart::Day},
        {u"week", DatePart::Week},
        {u"wk", DatePart::Week},
        {u"ww", DatePart::Week},
        {u"weekday", DatePart::Weekday},
        {u"dw", DatePart::Weekday},
        {u"hour", DatePart::Hour},
        {u"hh", DatePart::Hour},
        {u"minute", DatePart::Minute},
        {u"mi", DatePart::Minute},
        {u"n", DatePart::Minute},
        {u"second", DatePart::Second},
        {u"ss", DatePart::Second},
        {u"s", DatePart::Second},
        {u"millisecond", DatePart::Millisecond},
        {u"ms", DatePart::Millisecond},
        {u"microsecond", DatePart::Microsecond},
        {u"mcs", DatePart::Microsecond},
        {u"nanosecond", DatePart::Nanosecond},
        {u"ns", DatePart::Nanosecond},
    };
    const QStringView w = word.trimmed();
    for (const auto& k : kWords) {
        if (w.compare(QStringView(k.word), Qt::CaseInsensitive) == 0)
            return k.part;
    }
    return std::nullopt;
}

std::optional<DatePart> datePartOfCode(long long code) {
    if (code < datePartCode(DatePart::Year) || code > datePartCode(DatePart::Nanosecond))
        return std::nullopt;
    return static_cast<DatePart>(code);
}

const char* datePartName(DatePart part) {
    static const char* const kNames[] = {
        "year", "quarter", "month",  "dayofyear",   "day",         "week",       "weekday",
        "hour", "minute",  "second", "millisecond", "microsecond", "nanosecond",
    };
    return kNames[datePartCode(part) - 1];
}

}  // namespace sql
