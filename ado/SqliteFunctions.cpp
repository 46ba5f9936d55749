#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlTypes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

namespace ado {

using sql::Scalar;
using sql::SqlType;
using namespace support;

namespace {

// The longest text that a function returns for a type other than varchar(max).
constexpr qint64 kMaxTextLength = 8000;

// ---- the collation: letter case and trailing blanks do not count ----
int compareSqlServer(void*, int lenA, const void* a, int lenB, const void* b) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    while (lenA > 0 && pa[lenA - 1] == ' ')
        --lenA;
    while (lenB > 0 && pb[lenB - 1] == ' ')
        --lenB;
    int i = 0;
    for (; i < lenA && i < lenB; ++i) {
        unsigned char ca = pa[i];
        unsigned char cb = pb[i];
        if ((ca | cb) & 0x80) {
            // Beyond ASCII: compare the rest as Unicode text.
            const QString ra = QString::fromUtf8(reinterpret_cast<const char*>(pa + i), lenA - i);
            const QString rb = QString::fromUtf8(reinterpret_cast<const char*>(pb + i), lenB - i);
            return ra.compare(rb, Qt::CaseInsensitive);
        }
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return lenA == lenB ? 0 : (lenA < lenB ? -1 : 1);
}

// ---- conversions ----
void convertFunction(sqlite3_context* ctx, sqlite3_value** argv, bool explicitCast) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const SqlType type = typeArgument(argv, 1);
    // Most stored values need no conversion: handed back without going through text.
    const int storage = sqlite3_value_type(argv[0]);
    if ((storage == SQLITE_INTEGER && sql::keepsWholeNumber(sqlite3_value_int64(argv[0]), type)) ||
        (storage == SQLITE_TEXT && sql::keepsText(sqlite3_value_bytes(argv[0]), type))) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    try {
        resultScalar(ctx, sql::convertTo(scalarOf(argv[0]), type, explicitCast));
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

// The source's own text of a value: a date-time in a CONVERT style, a decimal with its scale.
Scalar styledSource(const Scalar& v, const SqlType& from, const SqlType& to, int style) {
    if (to.isText() && from.isDateTime() && v.kind == Scalar::Kind::Text) {
        const auto dt = sql::parseDateTime(v.t);
        return dt ? Scalar::ofText(
                        sql::formatDateTimeStyle(*dt, style, from.base == SqlType::Base::Date))
                  : v;
    }
    if (to.isText() && from.base == SqlType::Base::Numeric && v.kind != Scalar::Kind::Text) {
        const double d = v.kind == Scalar::Kind::Int ? static_cast<double>(v.i) : v.d;
        return Scalar::ofText(QString::number(d, 'f', from.scale));
    }
    if (to.isDateTime() && v.kind == Scalar::Kind::Text) {
        const auto dt = sql::parseDateTimeStyle(v.t, style);
        if (!dt) {
            throw sql::ConversionError(ado::ServerError::DateConversionFailed);
        }
        return Scalar::ofText(sql::formatDateTime(*dt));
    }
    if (style != 0 && to.isText() && from.base == SqlType::Base::Float) {
        throw sql::ConversionError(ado::ServerError::NotSupported,
                                   {QStringLiteral("CONVERT style %1 of a float").arg(style)});
    }
    return v;
}

// __convertfrom(value, 'type', 'source type', style)
void fnConvertFrom(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[3]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);  // a NULL style gives NULL
        return;
    }
    const SqlType to = typeArgument(argv, 1);
    const SqlType from = typeArgument(argv, 2);
    const qint64 style = sqlite3_value_int64(argv[3]);
    if (style < std::numeric_limits<int>::min() || style > std::numeric_limits<int>::max()) {
        return resultError(ctx, ado::ServerError::ArithmeticOverflow, {QStringLiteral("int")});
    }
    try {
        const Scalar source = styledSource(scalarOf(argv[0]), from, to, static_cast<int>(style));
        resultScalar(ctx, sql::convertTo(source, to, true));
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

void fnCv(sqlite3_context* ctx, int, sqlite3_value** argv) {
    convertFunction(ctx, argv, false);
}
void fnConvert(sqlite3_context* ctx, int, sqlite3_value** argv) {
    convertFunction(ctx, argv, true);
}

// a + b when the types were not known while translating: text and text join, otherwise the
// text side is read as a number (as SQL Server converts varchar to int).
// a / b and a % b: a zero divisor is an error, as SQL Server raises it; whole numbers
// divide as whole numbers when the result's type (third argument, 1) is a whole number.
void divideOrModulo(sqlite3_context* ctx, sqlite3_value** argv, bool modulo) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool whole = sqlite3_value_int(argv[2]) != 0;
    const bool integers = sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER &&
                          sqlite3_value_numeric_type(argv[1]) == SQLITE_INTEGER;
    if (whole && integers) {
        const sqlite3_int64 a = sqlite3_value_int64(argv[0]);
        const sqlite3_int64 b = sqlite3_value_int64(argv[1]);
        if (b == 0)
            return resultError(ctx, ado::ServerError::DivideByZero);
        if (a == std::numeric_limits<sqlite3_int64>::min() && b == -1) {
            return resultError(ctx, ado::ServerError::ArithmeticOverflow,
                               {QStringLiteral("bigint")});
        }
        sqlite3_result_int64(ctx, modulo ? a % b : a / b);
        return;
    }
    const double a = sqlite3_value_double(argv[0]);
    const double b = sqlite3_value_double(argv[1]);
    if (b == 0)
        return resultError(ctx, ado::ServerError::DivideByZero);
    const double r = modulo ? std::fmod(a, b) : a / b;
    if (whole)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(std::trunc(r)));
    else
        sqlite3_result_double(ctx, r);
}

void fnDivide(sqlite3_context* ctx, int, sqlite3_value** argv) {
    divideOrModulo(ctx, argv, false);
}
void fnModulo(sqlite3_context* ctx, int, sqlite3_value** argv) {
    divideOrModulo(ctx, argv, true);
}

// (value, 'type'): the value of a whole-number expression, or the overflow error when it lies
// outside the type's range (SQLite's own arithmetic turns a 64-bit overflow into a real).
void fnCheckRange(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int kind = sqlite3_value_type(argv[0]);
    if (kind == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString type = textOf(argv[1]);
    if (type == u"float") {
        if (!std::isfinite(sqlite3_value_double(argv[0]))) {
            return resultError(ctx, ado::ServerError::ArithmeticOverflow, {type});
        }
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    double lo = -9223372036854775808.0;
    double hi = 9223372036854775807.0;
    if (type == u"int") {
        lo = -2147483648.0;
        hi = 2147483647.0;
    } else if (type == u"smallint") {
        lo = -32768.0;
        hi = 32767.0;
    } else if (type == u"tinyint") {
        lo = 0;
        hi = 255;
    }
    const bool exact = kind == SQLITE_INTEGER;
    const double v = sqlite3_value_double(argv[0]);
    const bool inRange = exact ? (v >= lo && v <= hi) : (v >= lo && v < hi);
    if (!inRange) {
        return resultError(ctx, ado::ServerError::ArithmeticOverflow, {type});
    }
    sqlite3_result_value(ctx, argv[0]);
}

void fnPlus(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int ta = sqlite3_value_type(argv[0]);
    const int tb = sqlite3_value_type(argv[1]);
    const bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB;
    const bool textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
    if (textA && textB) {
        resultText(ctx, textOf(argv[0]) + textOf(argv[1]));
        return;
    }
    Scalar a = scalarOf(argv[0]);
    Scalar b = scalarOf(argv[1]);
    try {
        const SqlType target = (a.kind == Scalar::Kind::Real || b.kind == Scalar::Kind::Real)
                                   ? SqlType{SqlType::Base::Float}
                                   : SqlType{SqlType::Base::BigInt};
        if (textA)
            a = sql::convertTo(a,
                               target.base == SqlType::Base::Float ? target : SqlType::integer());
        if (textB)
            b = sql::convertTo(b,
                               target.base == SqlType::Base::Float ? target : SqlType::integer());
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
        return;
    }
    if (a.kind == Scalar::Kind::Int && b.kind == Scalar::Kind::Int) {
        sqlite3_result_int64(ctx, a.i + b.i);
    } else {
        const double x = a.kind == Scalar::Kind::Int ? static_cast<double>(a.i) : a.d;
        const double y = b.kind == Scalar::Kind::Int ? static_cast<double>(b.i) : b.d;
        sqlite3_result_double(ctx, x + y);
    }
}

std::optional<QDateTime> dateArg(sqlite3_context* ctx, sqlite3_value* v) {
    try {
        const Scalar s = sql::convertTo(scalarOf(v), SqlType::datetime());
        return sql::parseDateTime(s.t);
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
        return std::nullopt;
    }
}

double numberArg(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_TEXT) {
        const auto n = sql::parseNumber(textOf(v));
        if (!n)
            return 0;
        return n->kind == Scalar::Kind::Int ? static_cast<double>(n->i) : n->d;
    }
    return sqlite3_value_double(v);
}

void roundTowards(sqlite3_context* ctx, int, sqlite3_value** argv, bool up) {
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER) {
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    }
    const double d = numberArg(argv[0]);
    sqlite3_result_double(ctx, up ? std::ceil(d) : std::floor(d));
}

void changeCase(sqlite3_context* ctx, int, sqlite3_value** argv, bool upper) {
    const QString s = textOf(argv[0]);
    resultText(ctx, upper ? s.toUpper() : s.toLower());
}

// LEFT and RIGHT: the first or last n characters, all of them when there are fewer.
void takeCharacters(sqlite3_context* ctx, int, sqlite3_value** argv, bool first) {
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        resultError(ctx, ado::ServerError::InvalidLength, {calledName(ctx)});
        return;
    }
    const QString s = textOf(argv[0]);
    resultText(ctx, first ? s.left(n) : s.right(n));
}

void fnBitXor(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) ^ sqlite3_value_int64(argv[1]));
}

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

}  // namespace

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

// STUFF(text, start, length, insert): NULL for a start outside the text or a negative length.
void stuff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc - 1, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    QString text = textOf(argv[0]);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (start < 1 || start > text.size() || length < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString insert = sqlite3_value_type(argv[3]) == SQLITE_NULL ? QString() : textOf(argv[3]);
    text.replace(start - 1, std::min<qint64>(length, text.size() - start + 1), insert);
    resultText(ctx, text);
}

void reverse(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QString text = textOf(argv[0]);
    std::reverse(text.begin(), text.end());
    resultText(ctx, text);
}

void left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    takeCharacters(ctx, argc, argv, true);
}

void right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    takeCharacters(ctx, argc, argv, false);
}

void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const qsizetype start = argc > 2 ? std::max<qsizetype>(1, sqlite3_value_int64(argv[2])) - 1 : 0;
    const qsizetype at = textOf(argv[1]).indexOf(textOf(argv[0]), start, Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at + 1);
}

// REPLICATE(text, n): as for every text that is not varchar(max), the result stops at 8,000
// characters (bytes of the single-byte code page).
void replicate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_int64(argv[1]) < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString unit = textOf(argv[0]);
    if (unit.isEmpty()) {
        resultText(ctx, unit);
        return;
    }
    const qint64 wanted = sqlite3_value_int64(argv[1]);
    const qint64 enough = (kMaxTextLength + unit.size() - 1) / unit.size();
    resultText(ctx, unit.repeated(std::min(wanted, enough)).left(kMaxTextLength));
}

// STR(number [, length [, decimals]]): right-aligned in `length` characters, with as many of
// the decimals (at most 16) as fit beside the whole part; asterisks when the whole part does
// not fit. A length outside 1..8000 or negative decimals give NULL.
void str(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const qint64 length = argc > 1 ? sqlite3_value_int64(argv[1]) : 10;
    const qint64 decimals = argc > 2 ? sqlite3_value_int64(argv[2]) : 0;
    if (length < 1 || length > kMaxTextLength || decimals < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const double number = numberArg(argv[0]);
    const QString stars(length, u'*');
    const QString whole = QString::number(number, 'f', 0);
    if (whole.size() > length) {
        resultText(ctx, stars);
        return;
    }
    const qint64 room = length - whole.size() - 1;  // beside the whole part and the point
    const auto shown =
        static_cast<int>(std::max<qint64>(0, std::min<qint64>({decimals, 16, room})));
    const QString s = QString::number(number, 'f', shown);
    resultText(ctx, s.size() > length ? stars : s.rightJustified(length, u' '));
}

void floor(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    roundTowards(ctx, argc, argv, false);
}

void ceiling(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    roundTowards(ctx, argc, argv, true);
}

void newId(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

void upper(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    changeCase(ctx, argc, argv, true);
}

void lower(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    changeCase(ctx, argc, argv, false);
}

// REPLACE(text, pattern, replacement): the pattern is found as the collation compares, letter
// case ignored; an empty pattern replaces nothing.
void replace(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QString text = textOf(argv[0]);
    const QString pattern = textOf(argv[1]);
    if (!pattern.isEmpty())
        text.replace(pattern, textOf(argv[2]), Qt::CaseInsensitive);
    resultText(ctx, text);
}

// SUBSTRING(text, start, length): the characters from `start` to `start + length - 1` that lie
// within the text (a start below 1 takes fewer); a negative length is an error.
void substring(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QString text = textOf(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    if (length < 0) {
        return resultError(ctx, ado::ServerError::InvalidLength, {QStringLiteral("substring")});
    }
    const sqlite3_int64 first = std::max<sqlite3_int64>(start, 1);
    const sqlite3_int64 end = start > std::numeric_limits<sqlite3_int64>::max() - length
                                  ? std::numeric_limits<sqlite3_int64>::max()
                                  : start + length;  // one past the last
    const sqlite3_int64 last = std::min<sqlite3_int64>(end, text.size() + 1);
    if (last <= first) {
        resultText(ctx, QString());
        return;
    }
    resultText(ctx, text.mid(first - 1, last - first));
}

namespace {

// |value| written with 15 significant figures and no exponent: the figures a double holds
// faithfully, so that 1.005 reads as 1.005 and rounds up.
QString faithfulDecimal(double value) {
    const double a = std::fabs(value);
    const int whole = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
    return QString::number(a, 'f', std::clamp(15 - whole, 0, 30));
}

// The decimal text rounded (half away from zero) or truncated at `places` after the point
// (negative: before it), as a double with the sign of `negative`.
double roundDecimalText(const QString& text, int places, bool truncate, bool negative) {
    const qsizetype dot = text.indexOf(u'.');
    QString digits = text;
    qsizetype point = dot < 0 ? text.size() : dot;
    if (dot >= 0)
        digits.remove(dot, 1);
    // Keep the digits up to the rounding position; the first dropped one decides.
    const qsizetype keep = point + places;
    if (keep >= digits.size())
        return negative ? -text.toDouble() : text.toDouble();
    bool up = false;
    if (keep >= 0)
        up = !truncate && digits[keep] >= u'5';
    QString kept = keep > 0 ? digits.left(keep) : QString();
    // Add one unit in the last kept place.
    if (up) {
        qsizetype i = kept.size() - 1;
        for (; i >= 0 && kept[i] == u'9'; --i)
            kept[i] = u'0';
        if (i >= 0) {
            kept[i] = QChar(kept[i].unicode() + 1);
        } else {
            kept.prepend(u'1');
            ++point;
        }
    }
    const qsizetype wholeDigits = point;
    double result = 0;
    if (!kept.isEmpty()) {
        // kept holds the figures from the first digit down to the rounding position.
        const QString shown = kept.size() >= wholeDigits
                                  ? kept.left(wholeDigits) + u'.' + kept.mid(wholeDigits)
                                  : kept + QString(wholeDigits - kept.size(), u'0');
        result = shown.toDouble();
    }
    return negative ? -result : result;
}

}  // namespace

// ROUND(number, length [, function], 'type'): half away from zero (or truncated when the
// function is not 0) at `length` places after the point, before it when negative; the
// result keeps the number's type and overflows as it does.
void round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i + 1 < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    const sql::SqlType type = typeArgument(argv, argc - 1);
    const int places =
        static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_value_int64(argv[1]), -40, 40));
    const bool truncate = argc > 3 && sqlite3_value_int64(argv[2]) != 0;
    const auto overflow = [&](const QString& word) {
        resultError(ctx, ado::ServerError::ArithmeticOverflow, {word});
    };
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER) {
        const sqlite3_int64 v = sqlite3_value_int64(argv[0]);
        if (places >= 0) {
            sqlite3_result_int64(ctx, v);
            return;
        }
        if (places < -18) {
            sqlite3_result_int64(ctx, 0);
            return;
        }
        sqlite3_int64 unit = 1;
        for (int i = 0; i < -places; ++i)
            unit *= 10;
        const sqlite3_int64 rest = v % unit;
        long double r = static_cast<long double>(v - rest);
        if (!truncate && std::llabs(rest) * 2 >= unit)
            r += v < 0 ? -unit : unit;
        const auto [lo, hi] =
            type.isInteger() && type.base != sql::SqlType::Base::BigInt
                ? std::pair<long double, long double>{-2147483648.0L, 2147483647.0L}
                : std::pair<long double, long double>{-9223372036854775808.0L,
                                                      9223372036854775807.0L};
        if (r < lo || r > hi)
            return overflow(type.known() ? type.name() : QStringLiteral("int"));
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(r));
        return;
    }
    const double v = sqlite3_value_double(argv[0]);
    if (type.base == sql::SqlType::Base::Float) {
        const double unit = std::pow(10.0, places);
        const double scaled = v * unit;
        sqlite3_result_double(ctx, (truncate ? std::trunc(scaled) : std::round(scaled)) / unit);
        return;
    }
    const double unit = std::pow(10.0, places);
    const bool plain = !truncate && places >= 0 && places <= 15 && sql::clearOfHalf(v * unit);
    const double r = plain ? std::round(v * unit) / unit
                           : roundDecimalText(faithfulDecimal(v), places, truncate, v < 0);
    if (type.base == sql::SqlType::Base::Numeric && r != 0 &&
        std::fabs(r) >= std::pow(10.0, type.precision - type.scale))
        return overflow(QStringLiteral("numeric"));
    sqlite3_result_double(ctx, r);
}

// DATALENGTH(value, 'type'): the bytes SQL Server stores the value in; text takes one byte a
// character in the single-byte code page, two in the national types.
void dataLength(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    using Base = sql::SqlType::Base;
    const sql::SqlType type = typeArgument(argv, 1);
    sqlite3_int64 bytes = 0;
    switch (type.base) {
        case Base::Bit:
        case Base::TinyInt:
            bytes = 1;
            break;
        case Base::SmallInt:
            bytes = 2;
            break;
        case Base::Int:
            bytes = 4;
            break;
        case Base::BigInt:
        case Base::Float:
        case Base::DateTime:
            bytes = 8;
            break;
        case Base::Numeric:
            bytes = type.precision <= 9    ? 5
                    : type.precision <= 19 ? 9
                    : type.precision <= 28 ? 13
                                           : 17;
            break;
        default:
            if (sqlite3_value_type(argv[0]) != SQLITE_TEXT && !type.known()) {
                bytes = sqlite3_value_type(argv[0]) == SQLITE_INTEGER ? 4 : 8;
                break;
            }
            bytes = textOf(argv[0]).size() * (type.national ? 2 : 1);
    }
    sqlite3_result_int64(ctx, bytes);
}

}  // namespace native

namespace {

// The last part of "[db].[dbo].[name]", "dbo.name" or "name".
QString objectNamePart(QString text) {
    text = text.trimmed();
    const qsizetype dot = text.lastIndexOf(u'.');
    if (dot >= 0)
        text = text.mid(dot + 1);
    if (text.startsWith(u'[') && text.endsWith(u']'))
        text = text.mid(1, text.size() - 2);
    if (text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}

void fnObjId(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int64(ctx,
                         objectIdOf(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))));
}

// The SQLite type ("table", "view", ...) of the main database's object with this id, or "".
QByteArray objectTypeById(sqlite3* db, long long id, QByteArray* nameOut = nullptr) {
    sqlite3_stmt* stmt = nullptr;
    QByteArray type;
    if (sqlite3_prepare_v2(db,
                           "SELECT name, type FROM main.sqlite_master WHERE type IN "
                           "('table','view','trigger')",
                           -1, &stmt, nullptr) != SQLITE_OK) {
        return type;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const char* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (std::strncmp(name, "sqlite_", 7) == 0)
            continue;
        if (objectIdOf(name) == id) {
            type = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            if (nameOut)
                *nameOut = name;
            break;
        }
    }
    sqlite3_finalize(stmt);
    return type;
}

}  // namespace

namespace native {

// OBJECT_ID(name [, type]): the type is not checked.
void objectId(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray name = objectNamePart(textOf(argv[0])).toUtf8();
    const long long id = objectIdOf(name.constData());
    if (objectTypeById(sqlite3_context_db_handle(ctx), id).isEmpty()) {
        sqlite3_result_null(ctx);
    } else {
        sqlite3_result_int64(ctx, id);
    }
}

void objectProperty(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QByteArray type =
        objectTypeById(sqlite3_context_db_handle(ctx), sqlite3_value_int64(argv[0]));
    if (type.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString property = textOf(argv[1]).trimmed().toLower();
    if (property == u"isusertable" || property == u"istable") {
        sqlite3_result_int(ctx, type == "table" ? 1 : 0);
    } else if (property == u"isview") {
        sqlite3_result_int(ctx, type == "view" ? 1 : 0);
    } else if (property == u"istrigger") {
        sqlite3_result_int(ctx, type == "trigger" ? 1 : 0);
    } else {
        sqlite3_result_null(ctx);
    }
}

}  // namespace native

namespace {

// Registers fn under `name` for each count of arguments from minArgs to maxArgs, with `data`
// for sqlite3_user_data.
void add(sqlite3* db, const char* name, int minArgs, int maxArgs, sql::NativeFunction fn,
         bool deterministic, const void* data = nullptr) {
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    auto withArgs = [&](int n) {
        sqlite3_create_function_v2(db, name, n, flags, const_cast<void*>(data), fn, nullptr,
                                   nullptr, nullptr);
    };
    if (maxArgs == sql::kVariadic) {
        withArgs(-1);
        return;
    }
    for (int n = minArgs; n <= maxArgs; ++n)
        withArgs(n);
}

// What the translator emits for operators, conversions and the catalogue views.
struct Helper {
    const char* name;
    int minArgs;
    int maxArgs;
    sql::NativeFunction fn;
};

// A helper whose NULL argument gives NULL, the check written once.
template <sql::NativeFunction F>
void nullIn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    F(ctx, argc, argv);
}

const Helper kHelpers[] = {
    {sql::helper::kStore, 2, 2, fnCv},
    {sql::helper::kConvert, 2, 2, fnConvert},
    {sql::helper::kConvertFrom, 4, 4, fnConvertFrom},
    {sql::helper::kPlus, 2, 2, nullIn<fnPlus>},
    {sql::helper::kAddDays, 2, 2, nullIn<fnDtAdd>},
    {sql::helper::kBitXor, 2, 2, nullIn<fnBitXor>},
    {sql::helper::kDivide, 3, 3, fnDivide},
    {sql::helper::kModulo, 3, 3, fnModulo},
    {sql::helper::kCheckRange, 2, 2, fnCheckRange},
    {sql::helper::kObjectId, 1, 1, nullIn<fnObjId>},
    {"like", 2, 3,
     nullIn<native::like>},  // SQLite calls it for the LIKE operator, with or without ESCAPE
};

}  // namespace

long long objectIdOf(const char* name) {
    // FNV-1a over the lower-cased name, folded into SQL Server's positive int range.
    std::uint32_t h = 2166136261u;
    for (const char* p = name; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c + 32);
        h = (h ^ c) * 16777619u;
    }
    return static_cast<long long>(h & 0x7fffffff) | 1;
}

// Arguments that the translator adds to a call of the function.
int extra(const sql::FunctionDef& f) {
    return f.emit == sql::Emit::TypedCall ? 1 : 0;
}

namespace {

// A function whose NULL argument gives NULL: the check once, here, for every such function
// (the function's own entry is its user data).
void nullPropagating(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    static_cast<const sql::FunctionDef*>(sqlite3_user_data(ctx))->native(ctx, argc, argv);
}

}  // namespace

void registerSqlServerFunctions(sqlite3* db) {
    sqlite3_create_collation_v2(db, sql::kCollation, SQLITE_UTF8, nullptr, compareSqlServer,
                                nullptr);
    for (const Helper& h : kHelpers)
        add(db, h.name, h.minArgs, h.maxArgs, h.fn, true);
    for (const sql::FunctionDef& f : sql::functions()) {
        if (f.native) {
            add(db, f.target, f.minArgs + extra(f), f.maxArgs + extra(f),
                f.nullIn ? nullPropagating : f.native, f.deterministic, &f);
        }
    }
}

}  // namespace ado
