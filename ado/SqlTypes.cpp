#include "ado/SqlTypes.h"

#include "ado/Decimal.h"
#include "ado/SqlDateTimes.h"
#include "ado/SqlDecimals.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <limits>

namespace sql {

namespace {

using Base = SqlType::Base;

double pow10(int n) {
    return std::pow(10.0, n);
}

// Rounds half away from zero at `scale` decimals, on the value's shortest decimal form, so
// that 1.005 (stored as 1.00499999...) rounds as the literal reads, to 1.01. Only a value next
// to a half needs that form: elsewhere the double rounds to the same whole number.
double roundDecimal(double d, int scale) {
    const double unit = pow10(scale);
    if (clearOfHalf(d * unit))
        return std::round(d * unit) / unit;
    const double shifted = QString::number(d * unit, 'g', 15).toDouble();
    return std::round(shifted) / unit;
}

QString typeWord(const SqlType& t) {
    switch (t.base) {
        case Base::Bit:
            return QStringLiteral("bit");
        case Base::TinyInt:
            return QStringLiteral("tinyint");
        case Base::SmallInt:
            return QStringLiteral("smallint");
        case Base::Int:
            return QStringLiteral("int");
        case Base::BigInt:
            return QStringLiteral("bigint");
        case Base::Numeric:
            return QStringLiteral("numeric");
        case Base::Float:
            return QStringLiteral("float");
        case Base::Char:
            return QStringLiteral("char");
        case Base::VarChar:
            return QStringLiteral("varchar");
        case Base::Text:
            return QStringLiteral("text");
        case Base::DateTime:
            return QStringLiteral("datetime");
        case Base::SmallDateTime:
            return QStringLiteral("smalldatetime");
        case Base::Date:
            return QStringLiteral("date");
        case Base::Time:
            return QStringLiteral("time");
        case Base::DateTime2:
            return QStringLiteral("datetime2");
        default:
            return QStringLiteral("sql_variant");
    }
}

[[noreturn]] void overflow(const SqlType& to) {
    if (to.base == Base::Numeric) {
        throw ConversionError(ado::ServerError::NumericOverflow);
    }
    throw ConversionError(ado::ServerError::ArithmeticOverflow, {typeWord(to)});
}

std::pair<std::int64_t, std::int64_t> integerRange(Base b) {
    switch (b) {
        case Base::Bit:
            return {0, 1};
        case Base::TinyInt:
            return {0, 255};
        case Base::SmallInt:
            return {-32768, 32767};
        case Base::Int:
            return {std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max()};
        default:
            return {std::numeric_limits<std::int64_t>::min(),
                    std::numeric_limits<std::int64_t>::max()};
    }
}

QString numberText(const Scalar& v) {
    if (v.kind == Scalar::Kind::Int)
        return QString::number(v.i);
    if (v.kind == Scalar::Kind::Decimal)
        return v.dec.toString();
    QString s = QString::number(v.d, 'f', 10);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s;
}

// The words TRUE and FALSE, which a bit reads as 1 and 0.
std::optional<int> bitWord(const QString& t) {
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return 1;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0)
        return 0;
    return std::nullopt;
}

Scalar toInteger(const Scalar& v, const SqlType& to) {
    std::int64_t n = 0;
    switch (v.kind) {
        case Scalar::Kind::Int:
            n = v.i;
            break;
        case Scalar::Kind::Real:
            if (to.base == Base::Bit)  // any value but zero is 1, 0.5 too
                return Scalar::ofInt(v.d != 0 ? 1 : 0);
            if (!(std::fabs(v.d) < 9.2e18))
                overflow(to);
            n = static_cast<std::int64_t>(std::trunc(v.d));
            break;
        case Scalar::Kind::Decimal: {
            const auto whole = v.dec.toInt64();
            if (!whole)
                overflow(to);
            n = *whole;
            break;
        }
        case Scalar::Kind::Text: {
            static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
            const QString t = v.t.trimmed();
            if (t.isEmpty())
                return Scalar::ofInt(0);
            if (to.base == Base::Bit && bitWord(t))
                return Scalar::ofInt(*bitWord(t));
            if (!whole.match(t).hasMatch()) {
                throw ConversionError(ado::ServerError::ConversionFailed, {v.t, typeWord(to)});
            }
            bool ok = false;
            n = t.toLongLong(&ok);
            const auto [lo, hi] = integerRange(to.base);
            if (!ok || n < lo || n > hi) {
                if (to.base == Base::Bit)
                    return Scalar::ofInt(n != 0 ? 1 : 0);
                throw ConversionError(ado::ServerError::IntegerOverflowed, {v.t, typeWord(to)});
            }
            return Scalar::ofInt(n);
        }
        default:
            return v;
    }
    if (to.base == Base::Bit)
        return Scalar::ofInt(n != 0 ? 1 : 0);
    const auto [lo, hi] = integerRange(to.base);
    if (n < lo || n > hi)
        overflow(to);
    return Scalar::ofInt(n);
}

// Decimals are doubles here: whole numbers below 2^53 and 15 significant figures are exact.
constexpr double kExactLimit = 9007199254740992.0;
constexpr int kExactDigits = 15;

[[noreturn]] void tooManyDigits() {
    throw ConversionError(ado::ServerError::TooManyDigits);
}

// Whether a double kept for a decimal of scale `scale` reads back as the decimal it stands for:
// below 2^53 units of the scale always; beyond that (decimal(38,25), whole numbers past 2^53)
// when its shortest figures are at most 15.
bool heldExactly(double v, int scale) {
    if (std::fabs(v) * pow10(scale) < kExactLimit)
        return true;
    try {
        const ado::Decimal d = ado::Decimal::fromDouble(v, {ado::kMaxDecimalPrecision, scale});
        __int128 m = d.unscaled < 0 ? -d.unscaled : d.unscaled;
        while (m != 0 && m % 10 == 0)
            m /= 10;
        return m < static_cast<__int128>(1000000000000000);  // 10^15
    } catch (const ado::DecimalError&) {
        return false;
    }
}

// money's and smallmoney's ranges, -922,337,203,685,477.5808 to …477.5807 and -214,748.3648
// to 214,748.3647, for a value already rounded to their four decimals.
bool inMoneyRange(double v, const SqlType& to) {
    if (!to.money)
        return true;
    const bool small = to.precision == 10;
    return v <= (small ? 214748.3647 : 922337203685477.5807) &&
           v >= (small ? -214748.3648 : -922337203685477.5808);
}

// A decimal of every figure stored as `to`: rounded to its scale, 8115 when it does not fit.
Scalar exactNumeric(const ado::Decimal& d, const SqlType& to) {
    ado::Decimal r;
    try {
        r = d.convertedTo({to.precision, to.scale});
    } catch (const ado::DecimalError&) {
        overflow(to);
    }
    if (to.money && !(to.precision == 10 ? r.fitsSmallMoney() : r.fitsMoney()))
        throw ConversionError(ado::ServerError::NumericOverflowTo, {to.name()});
    return scalarOfDecimal(r);
}

Scalar toNumeric(const Scalar& v, const SqlType& to) {
    if (v.kind == Scalar::Kind::Decimal) {
        return to.base == Base::Float ? Scalar::ofReal(v.dec.toDouble()) : exactNumeric(v.dec, to);
    }
    Scalar number = v;
    if (v.kind == Scalar::Kind::Text) {
        const auto parsed = parseNumber(v.t);
        if (!parsed) {
            throw ConversionError(
                ado::ServerError::ErrorConverting,
                {to.base == Base::Float ? QStringLiteral("float") : QStringLiteral("numeric")});
        }
        number = *parsed;
    }
    if (to.base == Base::Float) {
        return number.kind == Scalar::Kind::Int ? Scalar::ofReal(static_cast<double>(number.i))
                                                : number;
    }
    // Text of more figures than a double holds is read figure by figure.
    if (v.kind == Scalar::Kind::Text && number.kind == Scalar::Kind::Real &&
        significantDigits(v.t) > kExactDigits) {
        std::optional<ado::Decimal> exact;
        try {
            exact = ado::Decimal::parse(v.t, {ado::kMaxDecimalPrecision, to.scale});
        } catch (const ado::DecimalError&) {
            overflow(to);
        }
        if (!exact)
            tooManyDigits();  // an exponent: a float's figures
        return exactNumeric(*exact, to);
    }
    const double limit = pow10(to.precision - to.scale);
    if (number.kind == Scalar::Kind::Int) {
        if (std::fabs(static_cast<double>(number.i)) >= limit)
            overflow(to);
        if (!inMoneyRange(static_cast<double>(number.i), to)) {
            throw ConversionError(ado::ServerError::ArithmeticOverflow, {to.name()});
        }
        if (to.scale == 0)
            return number;
        if (!(std::fabs(static_cast<double>(number.i)) < kExactLimit))  // a double holds it
            return exactNumeric(ado::Decimal::fromInt64(number.i), to);
        return Scalar::ofReal(static_cast<double>(number.i));
    }
    const double rounded = roundDecimal(number.d, to.scale);
    if (!(std::fabs(rounded) < limit))
        overflow(to);
    if (!inMoneyRange(rounded, to))
        throw ConversionError(ado::ServerError::NumericOverflowTo, {to.name()});
    // Decimals are kept as doubles: one whose figures a double does not hold exactly is refused
    // rather than stored with figures of its own.
    if (!heldExactly(rounded, to.scale))
        tooManyDigits();
    // A whole number beyond 64 bits stays a float: the result reader shows it in full.
    if (to.scale == 0 && std::fabs(rounded) < 9.2e18)
        return Scalar::ofInt(static_cast<std::int64_t>(rounded));
    return Scalar::ofReal(rounded);
}

Scalar toText(const Scalar& v, const SqlType& to, bool explicitCast) {
    QString t;
    switch (v.kind) {
        case Scalar::Kind::Int:
        case Scalar::Kind::Real:
        case Scalar::Kind::Decimal:
            t = numberText(v);
            break;
        case Scalar::Kind::Text:
            t = v.t;
            break;
        default:
            return v;
    }
    if (to.length >= 0 && t.size() > to.length) {
        qsizetype used = t.size();
        while (used > 0 && t[used - 1] == u' ')
            --used;
        if (used > to.length && !explicitCast) {
            throw ConversionError(ado::ServerError::Truncated);
        }
        t.truncate(to.length);
    }
    if (to.base == Base::Char && to.length > 0 && t.size() < to.length) {
        t = t.leftJustified(to.length, u' ');
    }
    return Scalar::ofText(t);
}

// A value stored as date-time type `to`: a number of days since 1900-01-01 for datetime and
// smalldatetime (other types refuse numbers), text as dateTimeFromText reads it.
Scalar toDateTimeFamily(const Scalar& v, const SqlType& to, bool explicitCast) {
    if (v.kind == Scalar::Kind::Text)
        return dateTimeFromText(v.t, to, false);
    if (v.kind == Scalar::Kind::Decimal)
        tooManyDigits();
    if (v.kind != Scalar::Kind::Int && v.kind != Scalar::Kind::Real)
        return v;
    const QString from =
        v.kind == Scalar::Kind::Int ? QStringLiteral("int") : QStringLiteral("float");
    if (!to.countsDays()) {
        if (explicitCast)
            throw ConversionError(ado::ServerError::ExplicitConversion, {from, typeWord(to)});
        throw ConversionError(ado::ServerError::OperandTypeClash, {from, typeWord(to)});
    }
    const double days = v.kind == Scalar::Kind::Int ? static_cast<double>(v.i) : v.d;
    const auto dt = addDays(dateTimeOf(QDate(1900, 1, 1)), days);
    if (!dt) {
        throw ConversionError(ado::ServerError::ArithmeticOverflow, {QStringLiteral("datetime")});
    }
    return Scalar::ofText(storedText(fitMoment(momentOf(*dt), to, from), to));
}

}  // namespace

QString SqlType::name() const {
    switch (base) {
        case Base::Numeric:
            if (money)
                return precision == 10 ? QStringLiteral("smallmoney") : QStringLiteral("money");
            return QStringLiteral("numeric(%1,%2)").arg(precision).arg(scale);
        case Base::Char:
        case Base::VarChar:
            return (national ? QStringLiteral("n") : QString()) + typeWord(*this) +
                   (length < 0 ? QStringLiteral("(max)") : QStringLiteral("(%1)").arg(length));
        case Base::Text:
            return national ? QStringLiteral("ntext") : QStringLiteral("text");
        case Base::Time:
        case Base::DateTime2:
            return typeWord(*this) + QStringLiteral("(%1)").arg(scale);
        default:
            return typeWord(*this);
    }
}

std::optional<SqlType> SqlType::fromName(const QString& rawName, int arg1, int arg2) {
    const QString n = rawName.toLower();
    SqlType t;
    if (n == u"bit") {
        t.base = Base::Bit;
    } else if (n == u"tinyint") {
        t.base = Base::TinyInt;
    } else if (n == u"smallint") {
        t.base = Base::SmallInt;
    } else if (n == u"int" || n == u"integer") {
        t.base = Base::Int;
    } else if (n == u"bigint") {
        t.base = Base::BigInt;
    } else if (n == u"numeric" || n == u"decimal" || n == u"dec") {
        t.base = Base::Numeric;
        t.precision = arg1 > 0 ? arg1 : 18;
        t.scale = arg2 >= 0 ? arg2 : 0;
        if (t.precision > 38 || t.scale > t.precision)
            return std::nullopt;
    } else if (n == u"money") {
        t = SqlType{Base::Numeric, 0, 19, 4};
        t.money = true;
    } else if (n == u"smallmoney") {
        t = SqlType{Base::Numeric, 0, 10, 4};
        t.money = true;
    } else if (n == u"float" || n == u"real" || n == u"double") {
        t.base = Base::Float;
    } else if (n == u"char" || n == u"nchar" || n == u"character") {
        t.base = Base::Char;
        t.length = arg1 == -2 ? 1 : arg1;
        t.national = n == u"nchar";
    } else if (n == u"varchar" || n == u"nvarchar" || n == u"sysname") {
        t.base = Base::VarChar;
        t.length = n == u"sysname" ? 128 : (arg1 == -2 ? 1 : arg1);
        t.national = n != u"varchar";
    } else if (n == u"text" || n == u"ntext") {
        t.base = Base::Text;
        t.length = -1;
        t.national = n == u"ntext";
    } else if (n == u"datetime") {
        t.base = Base::DateTime;
    } else if (n == u"datetime2" || n == u"time") {
        t.base = n == u"time" ? Base::Time : Base::DateTime2;
        t.scale = arg1 >= 0 ? arg1 : 7;
        if (t.scale > 7)
            return std::nullopt;
    } else if (n == u"smalldatetime") {
        t.base = Base::SmallDateTime;
    } else if (n == u"date") {
        t.base = Base::Date;
    } else {
        return std::nullopt;
    }
    return t;
}

SqlType SqlType::parse(const QString& declared) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\w+)\\s*(?:\\(\\s*(-1|\\d+|max)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(declared);
    if (!m.hasMatch())
        return {};
    int a1 = -2;
    int a2 = -2;
    if (m.hasCaptured(2))
        a1 = m.captured(2).compare(u"max", Qt::CaseInsensitive) == 0 ? -1 : m.captured(2).toInt();
    if (m.hasCaptured(3))
        a2 = m.captured(3).toInt();
    return fromName(m.captured(1), a1, a2).value_or(SqlType{});
}

bool clearOfHalf(double scaled) {
    // Below 10^13 a double and its 15 significant figures differ by less than 0.05, so
    // anything further than 0.1 from a half rounds alike either way.
    const double magnitude = std::fabs(scaled);
    return magnitude < 1e13 && std::fabs(magnitude - std::floor(magnitude) - 0.5) > 0.1;
}

bool keepsWholeNumber(std::int64_t n, const SqlType& to) {
    if (!to.isInteger())
        return false;
    const auto [lo, hi] = integerRange(to.base);
    return n >= lo && n <= hi;
}

bool keepsText(qsizetype utf8Bytes, const SqlType& to) {
    return (to.base == Base::VarChar || to.base == Base::Text) &&
           (to.length < 0 || utf8Bytes <= to.length);
}

Scalar convertTo(const Scalar& value, const SqlType& to, bool explicitCast) {
    if (value.kind == Scalar::Kind::Null)
        return value;
    if (to.isInteger())
        return toInteger(value, to);
    if (to.base == Base::Numeric || to.base == Base::Float)
        return toNumeric(value, to);
    if (to.isText())
        return toText(value, to, explicitCast);
    if (to.isDateTime())
        return toDateTimeFamily(value, to, explicitCast);
    return value;
}

bool inDateTimeRange(const QDateTime& dt) {
    return dt.isValid() && dt.date() >= QDate(1753, 1, 1) && dt.date() <= QDate(9999, 12, 31);
}

std::optional<QDateTime> addDays(const QDateTime& base, double days) {
    // The whole datetime range is about 3.0 million days: anything larger overflows, and is
    // refused before the multiplication to milliseconds can leave 64 bits.
    constexpr double kMaxDays = 4.0e6;
    if (!(std::fabs(days) < kMaxDays))
        return std::nullopt;
    const QDateTime r = base.addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
    if (!inDateTimeRange(r))
        return std::nullopt;
    return r;
}

QDateTime dateTimeOf(const QDate& date, const QTime& time) {
    return QDateTime(date, time, Qt::UTC);
}

QString formatDateTime(const QDateTime& dt) {
    QDate date = dt.date();
    const QTime time = dt.time();
    const int ticks = static_cast<int>(std::lround(time.msec() * 0.3));  // of 1/300 s
    int ms = static_cast<int>(std::lround(ticks * 10.0 / 3.0));
    int seconds = time.hour() * 3600 + time.minute() * 60 + time.second();
    if (ms == 1000) {
        ms = 0;
        if (++seconds == 86400) {
            seconds = 0;
            date = date.addDays(1);
        }
    }
    char text[40];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d",
                                date.year(), date.month(), date.day(), seconds / 3600,
                                seconds / 60 % 60, seconds % 60, ms);
    return QString::fromLatin1(text, n);
}

namespace {

// Reads a date-time field by field: figures, separators, the end.
class FieldReader {
  public:
    explicit FieldReader(QStringView text) : m_text(text) {}

    // Between `least` and `most` figures (as many as there are); false and nothing read when
    // fewer than `least` stand here.
    bool number(int least, int most, int& value, int* figures = nullptr) {
        int n = 0;
        int v = 0;
        while (n < most && m_at + n < m_text.size() && m_text[m_at + n] >= u'0' &&
               m_text[m_at + n] <= u'9') {
            v = v * 10 + (m_text[m_at + n].unicode() - u'0');
            ++n;
        }
        if (n < least)
            return false;
        m_at += n;
        value = v;
        if (figures)
            *figures = n;
        return true;
    }
    bool take(char16_t c) {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool atEnd() const { return m_at == m_text.size(); }
    bool next(char16_t c) const { return m_at < m_text.size() && m_text[m_at] == c; }

  private:
    QStringView m_text;
    qsizetype m_at = 0;
};

struct Clock {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

// "HH:mm:ss" (two figures each), the seconds optional when `minutesSuffice`, and a fraction
// of one to three figures when `fraction`.
bool readClock(FieldReader& r, Clock& c, bool minutesSuffice, bool fraction) {
    if (!r.number(2, 2, c.hour) || !r.take(u':') || !r.number(2, 2, c.minute))
        return false;
    if (!r.take(u':'))
        return minutesSuffice;
    if (!r.number(2, 2, c.second))
        return false;
    if (!r.take(u'.'))
        return true;
    int figures = 0;
    if (!fraction || !r.number(1, 3, c.msec, &figures))
        return false;
    for (; figures < 3; ++figures)
        c.msec *= 10;
    return true;
}

}  // namespace

std::optional<QDateTime> parseDateTime(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    FieldReader r(t);
    int year = 0;
    int month = 0;
    int day = 0;
    Clock clock;
    bool ok = false;
    if (t.contains(u'/')) {  // M/d/yyyy[ HH:mm:ss]
        ok = r.number(1, 2, month) && r.take(u'/') && r.number(1, 2, day) && r.take(u'/') &&
             r.number(4, 4, year) &&
             (r.atEnd() || (r.take(u' ') && readClock(r, clock, false, false)));
    } else if (r.number(4, 4, year)) {
        if (r.take(u'-')) {  // yyyy-MM-dd[ HH:mm[:ss[.f]]] or yyyy-MM-ddTHH:mm:ss[.f]
            ok = r.number(2, 2, month) && r.take(u'-') && r.number(2, 2, day);
            if (ok && !r.atEnd()) {
                const bool spaced = r.take(u' ');
                ok = (spaced || r.take(u'T')) && readClock(r, clock, spaced, true);
            }
        } else {  // yyyyMMdd[ HH:mm:ss]
            ok = r.number(2, 2, month) && r.number(2, 2, day) &&
                 (r.atEnd() || (r.take(u' ') && readClock(r, clock, false, false)));
        }
    }
    if (!ok || !r.atEnd() || !QDate::isValid(year, month, day) ||
        !QTime::isValid(clock.hour, clock.minute, clock.second, clock.msec))
        return std::nullopt;
    return dateTimeOf(QDate(year, month, day),
                      QTime(clock.hour, clock.minute, clock.second, clock.msec));
}

int significantDigits(QStringView number) {
    qsizetype first = -1;
    qsizetype last = -1;
    int count = 0;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number[i];
        if (c == u'e' || c == u'E')
            break;
        if (!c.isDigit())
            continue;
        if (first < 0 && c == u'0')
            continue;
        if (first < 0)
            first = i;
        ++count;
        if (c != u'0')
            last = count;
    }
    return first < 0 ? 0 : static_cast<int>(last);
}

std::optional<Scalar> parseNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    if (!t.contains(u'.') && !t.contains(u'e') && !t.contains(u'E')) {
        const qlonglong n = t.toLongLong(&ok);
        if (ok)
            return Scalar::ofInt(n);
    }
    const double d = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return Scalar::ofReal(d);
}

}  // namespace sql
