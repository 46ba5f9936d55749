#include "ado/SqlDateStyles.h"

#include "ado/SqlTypes.h"

#include <QRegularExpression>

namespace sql {

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString two(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// "1:05PM" forms: the hour of a 12-hour clock, blank-padded to two places.
QString clock12(const QTime& t, bool withSeconds) {
    const int h = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    QString s = QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char(' ')).arg(two(t.minute()));
    if (withSeconds)
        s += QStringLiteral(":%1:%2").arg(two(t.second())).arg(t.msec(), 3, 10, QLatin1Char('0'));
    return s + (t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString clock24(const QTime& t, bool withMilliseconds, QChar msSeparator = u':') {
    QString s = QStringLiteral("%1:%2:%3").arg(two(t.hour()), two(t.minute()), two(t.second()));
    if (withMilliseconds)
        s += msSeparator + QStringLiteral("%1").arg(t.msec(), 3, 10, QLatin1Char('0'));
    return s;
}

bool showsTime(int style) {
    switch (style % 100) {
        case 0:
        case 8:
        case 9:
        case 13:
        case 14:
        case 20:
        case 21:
        case 22:
        case 24:
        case 25:
        case 26:
            return true;
        default:
            return false;
    }
}

[[noreturn]] void invalidStyle(int style, const char* direction) {
    throw ConversionError(ado::ServerError::InvalidStyle,
                          {QString::number(style), QString::fromLatin1(direction)});
}

[[noreturn]] void notSupported(const QString& what) {
    throw ConversionError(ado::ServerError::NotSupported, {what});
}

}  // namespace

QLatin1String monthAbbreviation(int month) {
    return QLatin1String(kMonths[month - 1]);
}

QString formatDateTimeStyle(const QDateTime& dt, int style, bool dateOnly) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    const bool century =
        style >= 100 || style == 0 || style == 9 || style == 13 || style == 20 || style == 21;
    const QString year = century ? QString::number(d.year()) : two(d.year() % 100);
    const QString mon = QLatin1String(kMonths[d.month() - 1]);
    const QString blankDay = QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char(' '));
    if (style < 0 || (style > 14 && style < 20) || (style > 25 && style < 100) ||
        (style > 114 && style != 120 && style != 121 && style != 126 && style != 127 &&
         style != 130 && style != 131)) {
        invalidStyle(style, "from datetime to character");
    }
    if (dateOnly && showsTime(style)) {
        notSupported(QStringLiteral("CONVERT of a date value with style %1").arg(style));
    }
    switch (style % 100) {
        case 0:
            return QStringLiteral("%1 %2 %3 %4").arg(mon, blankDay, year, clock12(t, false));
        case 1:
            return QStringLiteral("%1/%2/%3").arg(two(d.month()), two(d.day()), year);
        case 2:
            return QStringLiteral("%1.%2.%3").arg(year, two(d.month()), two(d.day()));
        case 3:
            return QStringLiteral("%1/%2/%3").arg(two(d.day()), two(d.month()), year);
        case 4:
            return QStringLiteral("%1.%2.%3").arg(two(d.day()), two(d.month()), year);
        case 5:
            return QStringLiteral("%1-%2-%3").arg(two(d.day()), two(d.month()), year);
        case 6:
            return QStringLiteral("%1 %2 %3").arg(two(d.day()), mon, year);
        case 7:
            return QStringLiteral("%1 %2, %3").arg(mon, two(d.day()), year);
        case 8:
            return clock24(t, false);
        case 9:
            return QStringLiteral("%1 %2 %3 %4").arg(mon, blankDay, year, clock12(t, true));
        case 10:
            return QStringLiteral("%1-%2-%3").arg(two(d.month()), two(d.day()), year);
        case 11:
            return QStringLiteral("%1/%2/%3").arg(year, two(d.month()), two(d.day()));
        case 12:
            return year + two(d.month()) + two(d.day());
        case 13:
            return QStringLiteral("%1 %2 %3 %4").arg(two(d.day()), mon, year, clock24(t, true));
        case 14:
            return clock24(t, true);
        case 20:
            return QStringLiteral("%1-%2-%3 %4")
                .arg(QString::number(d.year()), two(d.month()), two(d.day()), clock24(t, false));
        case 21:
            return QStringLiteral("%1-%2-%3 %4")
                .arg(QString::number(d.year()), two(d.month()), two(d.day()),
                     clock24(t, true, u'.'));
        case 23:
            return QStringLiteral("%1-%2-%3")
                .arg(QString::number(d.year()), two(d.month()), two(d.day()));
        case 26:  // 126: ISO 8601, the milliseconds only when there are any
        case 27:  // 127: the same; a value without a time zone is written without a "Z"
            if (style < 100)
                break;
            return QStringLiteral("%1-%2-%3T%4")
                .arg(QString::number(d.year()), two(d.month()), two(d.day()),
                     clock24(t, t.msec() != 0, u'.'));
    }
    notSupported(QStringLiteral("CONVERT style %1").arg(style));
}

std::optional<QDateTime> parseDateTimeStyle(const QString& text, int style) {
    if (style < 0 || (style > 14 && style < 20) || (style > 25 && style < 100) ||
        (style > 114 && style != 120 && style != 121 && style != 126 && style != 127 &&
         style != 130 && style != 131)) {
        invalidStyle(style, "to datetime");
    }
    if (style == 130 || style == 131 || style == 22 || style == 24)
        notSupported(QStringLiteral("CONVERT style %1").arg(style));
    const int s = style % 100;
    const bool dayFirst = s == 3 || s == 4 || s == 5;
    const bool monthFirst = s == 1 || s == 10;
    if (!dayFirst && !monthFirst)
        return parseDateTime(text);
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4}|\\d{2})(?:\\s+(\\d{1,2}:\\d{2}.*?))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int first = m.captured(1).toInt();
    const int second = m.captured(2).toInt();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 50 ? 2000 : 1900;  // the two-digit year cutoff of 2049
    const QDate date(year, dayFirst ? second : first, dayFirst ? first : second);
    if (!date.isValid())
        return std::nullopt;
    QString time = m.captured(4);
    if (time.count(u':') == 1)
        time += QStringLiteral(":00");
    if (time.isEmpty())
        return dateTimeOf(date);
    const auto at = parseDateTime(QStringLiteral("2000-01-01 ") + time.rightJustified(8, u'0'));
    if (!at)
        return std::nullopt;
    return dateTimeOf(date, at->time());
}

}  // namespace sql
