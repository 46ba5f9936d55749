#include "ado/SqlDateTimes.h"

#include "ado/SqlDateStyles.h"

#include <cstdio>

namespace sql {

namespace {

using Base = SqlType::Base;

const QDate kBaseDate(1900, 1, 1);

// Reads a date-time's text field by field.
class Reader {
  public:
    explicit Reader(QStringView text) : m_text(text) {}

    // A run of figures (at most `most`); its value and length, nothing read when none.
    int digits(qint64& value, int most = 9) {
        int n = 0;
        qint64 v = 0;
        while (n < most && m_at + n < m_text.size() && isDigit(m_text[m_at + n])) {
            v = v * 10 + (m_text[m_at + n].unicode() - u'0');
            ++n;
        }
        if (n > 0) {
            m_at += n;
            value = v;
        }
        return n;
    }
    // Letters, as a word.
    QStringView word() {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text[m_at].isLetter())
            ++m_at;
        return m_text.mid(start, m_at - start);
    }
    bool take(char16_t c) {
        if (peek() != c)
            return false;
        ++m_at;
        return true;
    }
    bool blanks() {
        const qsizetype start = m_at;
        while (peek() == u' ')
            ++m_at;
        return m_at > start;
    }
    char16_t peek(qsizetype ahead = 0) const {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead].unicode() : u'\0';
    }
    bool atEnd() const { return m_at == m_text.size(); }
    qsizetype at() const { return m_at; }
    void rewind(qsizetype to) { m_at = to; }

    static bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

  private:
    QStringView m_text;
    qsizetype m_at = 0;
};

const char16_t* const kMonthNames[] = {u"january",   u"february", u"march",    u"april",
                                       u"may",       u"june",     u"july",     u"august",
                                       u"september", u"october",  u"november", u"december"};

// The month a word names (its first three letters or more of its name).
int monthOfWord(QStringView w) {
    if (w.size() < 3)
        return 0;
    for (int i = 0; i < 12; ++i) {
        const QStringView name(kMonthNames[i]);
        if (w.size() <= name.size() && name.startsWith(w, Qt::CaseInsensitive))
            return i + 1;
    }
    return 0;
}

int fullYear(qint64 year, int figures) {
    if (figures <= 2)
        return static_cast<int>(year < 50 ? 2000 + year : 1900 + year);
    return static_cast<int>(year);
}

struct Fields {
    qint64 year = 1900;
    qint64 month = 1;
    qint64 day = 1;
    qint64 hour = 0;
    qint64 minute = 0;
    qint64 second = 0;
    qint64 fraction = 0;  // ticks
    int fractionDigits = 0;
};

// "h[:mm[:ss[.f|:fff]]][ ][AM|PM]" (a bare hour only with AM or PM).
bool readTime(Reader& r, Fields& f) {
    if (r.digits(f.hour, 2) == 0)
        return false;
    bool minutes = false;
    if (r.take(u':')) {
        if (r.digits(f.minute, 2) == 0)
            return false;
        minutes = true;
        if (r.take(u':')) {
            if (r.digits(f.second, 2) == 0)
                return false;
            if (r.take(u'.')) {
                qint64 v = 0;
                const int n = r.digits(v, 12);
                if (n == 0 || n > 7)
                    return false;
                f.fraction = v;
                for (int i = n; i < 7; ++i)
                    f.fraction *= 10;
                f.fractionDigits = n;
            } else if (r.take(u':')) {  // milliseconds
                qint64 ms = 0;
                const int n = r.digits(ms, 3);
                if (n == 0)
                    return false;
                f.fraction = ms * 10'000;
                f.fractionDigits = 3;
            }
        }
    }
    const qsizetype beforeMeridiem = r.at();
    r.blanks();
    const QStringView w = r.word();
    if (w.compare(u"am", Qt::CaseInsensitive) == 0 || w.compare(u"pm", Qt::CaseInsensitive) == 0) {
        if (f.hour < 1 || f.hour > 12)
            return false;
        f.hour = f.hour % 12 + (w.compare(u"pm", Qt::CaseInsensitive) == 0 ? 12 : 0);
        return true;
    }
    r.rewind(beforeMeridiem);
    return minutes && w.isEmpty();
}

// A date beginning with figures: ymd with a four-figure year first, mdy otherwise, or the
// unseparated forms. `iso` when a "T" may follow.
bool readNumericDate(Reader& r, Fields& f, bool& iso) {
    qint64 first = 0;
    const int n = r.digits(first, 8);
    const char16_t sep = r.peek();
    if (sep == u'/' || sep == u'-' || sep == u'.') {
        r.take(sep);
        qint64 second = 0;
        qint64 third = 0;
        if (r.digits(second, 2) == 0 || !r.take(sep))
            return false;
        const int yearFigures = r.digits(third, 4);
        if (n == 4) {  // yyyy-MM-dd
            if (yearFigures == 0 || yearFigures > 2)
                return false;
            f.year = first;
            f.month = second;
            f.day = third;
            iso = sep == u'-';
            return true;
        }
        if (n > 2 || (yearFigures != 2 && yearFigures != 4))
            return false;
        f.month = first;
        f.day = second;
        f.year = fullYear(third, yearFigures);
        return true;
    }
    if (n == 8 || n == 6) {  // yyyyMMdd, yyMMdd
        f.day = first % 100;
        f.month = first / 100 % 100;
        f.year = n == 8 ? first / 10000 : fullYear(first / 10000, 2);
        return true;
    }
    if (n == 4 && sep != u':') {  // the year alone
        f.year = first;
        return true;
    }
    if (n <= 2 && sep == u' ') {  // d Mon yyyy
        r.blanks();
        f.month = monthOfWord(r.word());
        r.take(u',');
        r.blanks();
        qint64 year = 0;
        const int figures = r.digits(year, 4);
        if (f.month == 0 || (figures != 2 && figures != 4))
            return false;
        f.day = first;
        f.year = fullYear(year, figures);
        return true;
    }
    return false;
}

// Mon d[,] yyyy
bool readNamedDate(Reader& r, Fields& f) {
    f.month = monthOfWord(r.word());
    if (f.month == 0)
        return false;
    r.blanks();
    if (r.digits(f.day, 2) == 0)
        return false;
    r.take(u',');
    r.blanks();
    qint64 year = 0;
    const int figures = r.digits(year, 4);
    if (figures != 2 && figures != 4)
        return false;
    f.year = fullYear(year, figures);
    return true;
}

bool validFields(const Fields& f) {
    return f.year >= 1 && f.year <= 9999 &&
           QDate::isValid(static_cast<int>(f.year), static_cast<int>(f.month),
                          static_cast<int>(f.day)) &&
           f.hour < 24 && f.minute < 60 && f.second < 60;
}

QString twoFigures(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// "HH:mm:ss" and `figures` figures of a second after a point (none for 0).
QString clockText(qint64 ticks, int figures) {
    const qint64 s = ticks / kTicksPerSecond;
    QString t = twoFigures(s / 3600) + u':' + twoFigures(s / 60 % 60) + u':' + twoFigures(s % 60);
    if (figures > 0) {
        const QString fraction =
            QStringLiteral("%1").arg(ticks % kTicksPerSecond, 7, 10, QLatin1Char('0'));
        t += u'.' + fraction.left(figures);
    }
    return t;
}

QString dayText(const QDate& d) {
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year(), d.month(), d.day());
    return QString::fromLatin1(text, n);
}

int rank(Base b) {
    switch (b) {
        case Base::DateTime2:
            return 5;
        case Base::DateTime:
            return 4;
        case Base::SmallDateTime:
            return 3;
        case Base::Date:
            return 2;
        case Base::Time:
            return 1;
        default:
            return 0;
    }
}

// Rounded half up to `figures` figures of a second.
qint64 roundTicks(qint64 ticks, int figures) {
    qint64 unit = 1;
    for (int i = figures; i < 7; ++i)
        unit *= 10;
    return (ticks + unit / 2) / unit * unit;
}

[[noreturn]] void outOfRange(const SqlType& to, const QString& from) {
    const bool text = from == u"varchar";
    if (text && to.base == Base::DateTime)
        throw ConversionError(ado::ServerError::DateTimeOutOfRange);
    if (text && to.base == Base::SmallDateTime)
        throw ConversionError(ado::ServerError::SmallDateTimeOutOfRange);
    const QString toName = to.base == Base::DateTime2 ? QStringLiteral("datetime2") : to.name();
    throw ConversionError(ado::ServerError::ConversionOutOfRange, {from, toName});
}

}  // namespace

std::optional<MomentText> readMomentText(QStringView text) {
    Reader r(text.trimmed());
    Fields f;
    MomentText out;
    bool iso = false;
    if (r.peek() != u'\0' && Reader::isDigit(r.peek())) {
        // A time alone begins with figures and a colon, or an hour and AM/PM.
        const qsizetype start = r.at();
        qint64 ignored = 0;
        const int n = r.digits(ignored, 9);
        const char16_t after = r.peek();
        r.blanks();
        const QStringView w = r.word();
        const bool meridiem = n <= 2 && (w.compare(u"am", Qt::CaseInsensitive) == 0 ||
                                         w.compare(u"pm", Qt::CaseInsensitive) == 0);
        r.rewind(start);
        if (after == u':' || meridiem) {
            if (!readTime(r, f))
                return std::nullopt;
            out.hasTime = true;
        } else {
            if (!readNumericDate(r, f, iso))
                return std::nullopt;
            out.hasDate = true;
        }
    } else {
        if (!readNamedDate(r, f))
            return std::nullopt;
        out.hasDate = true;
    }
    if (out.hasDate && !r.atEnd()) {
        if (iso && r.take(u'T')) {
            if (!Reader::isDigit(r.peek()) || !readTime(r, f))
                return std::nullopt;
        } else if (r.blanks() && readTime(r, f)) {
        } else {
            return std::nullopt;
        }
        out.hasTime = true;
    }
    if (!r.atEnd() || !validFields(f))
        return std::nullopt;
    out.moment.date =
        QDate(static_cast<int>(f.year), static_cast<int>(f.month), static_cast<int>(f.day));
    out.moment.ticks = ((f.hour * 60 + f.minute) * 60 + f.second) * kTicksPerSecond + f.fraction;
    out.fractionDigits = f.fractionDigits;
    return out;
}

bool isDateTimeType(const SqlType& t) {
    return rank(t.base) > 0;
}

bool sameStoredForm(const SqlType& a, const SqlType& b) {
    const auto form = [](Base x) { return x == Base::SmallDateTime ? Base::DateTime : x; };
    return form(a.base) == form(b.base);
}

SqlType higherDateTimeType(const SqlType& a, const SqlType& b) {
    return rank(b.base) > rank(a.base) ? b : a;
}

std::optional<SqlType> dateTimeBranchType(const SqlType& a, const SqlType& b) {
    const auto word = [](const SqlType& t) { return t.name().section(u'(', 0, 0); };
    if (a.isDateTime() && b.isDateTime()) {
        if ((a.base == Base::Date && b.base == Base::Time) ||
            (a.base == Base::Time && b.base == Base::Date))
            throw ConversionError(ado::ServerError::OperandTypeClash, {word(a), word(b)});
        if (a.base == b.base)
            return a.scale >= b.scale ? a : b;
        return higherDateTimeType(a, b);
    }
    if (!a.isDateTime() && !b.isDateTime())
        return std::nullopt;
    const SqlType& day = a.isDateTime() ? a : b;
    const SqlType& other = a.isDateTime() ? b : a;
    if (other.isNumber() && !day.countsDays())
        throw ConversionError(ado::ServerError::OperandTypeClash, {word(other), word(day)});
    return day;
}

Moment fitMoment(const Moment& m, const SqlType& to, const QString& from) {
    Moment r = m;
    switch (to.base) {
        case Base::DateTime:
        case Base::SmallDateTime: {
            // To 1/300 of a second, written as whole milliseconds (.000, .003, .007).
            qint64 seconds = r.ticks / kTicksPerSecond;
            const qint64 units = ((r.ticks % kTicksPerSecond) * 3 + 50'000) / 100'000;
            qint64 ms = (units * 10 + 1) / 3;
            if (units == 300) {
                ms = 0;
                ++seconds;
            }
            if (to.base == Base::SmallDateTime) {
                // To the minute: 29.998 seconds and less down, from 29.999 up.
                const qint64 within = seconds % 60 * 1000 + ms;
                seconds -= seconds % 60;
                ms = 0;
                if (within >= 29'999)
                    seconds += 60;
            }
            if (seconds >= 86'400) {
                seconds -= 86'400;
                r.date = r.date.addDays(1);
            }
            r.ticks = seconds * kTicksPerSecond + ms * 10'000;
            const bool small = to.base == Base::SmallDateTime;
            const QDate least = small ? kBaseDate : QDate(1753, 1, 1);
            const QDate most = small ? QDate(2079, 6, 6) : QDate(9999, 12, 31);
            if (r.date < least || r.date > most)
                outOfRange(to, from);
            return r;
        }
        case Base::Date:
            r.ticks = 0;
            return r;
        case Base::Time:
            r.ticks = roundTicks(r.ticks, to.scale) % kTicksPerDay;
            r.date = kBaseDate;
            return r;
        case Base::DateTime2:
            r.ticks = roundTicks(r.ticks, to.scale);
            if (r.ticks >= kTicksPerDay) {
                r.ticks -= kTicksPerDay;
                r.date = r.date.addDays(1);
            }
            if (r.date > QDate(9999, 12, 31))
                outOfRange(to, from);
            return r;
        default:
            return r;
    }
}

QString storedText(const Moment& m, const SqlType& type) {
    // One formatting call: stored forms are written for every value a statement stores.
    const qint64 s = m.ticks / kTicksPerSecond;
    const qint64 fraction = m.ticks % kTicksPerSecond;
    const int h = static_cast<int>(s / 3600);
    const int mi = static_cast<int>(s / 60 % 60);
    const int sec = static_cast<int>(s % 60);
    const QDate& d = m.date;
    char text[40];
    int n = 0;
    switch (type.base) {
        case Base::Date:
            n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year(), d.month(), d.day());
            break;
        case Base::Time:
            n = std::snprintf(text, sizeof text, "%02d:%02d:%02d.%07lld", h, mi, sec,
                              static_cast<long long>(fraction));
            break;
        case Base::DateTime2:
            n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%07lld", d.year(),
                              d.month(), d.day(), h, mi, sec, static_cast<long long>(fraction));
            break;
        default:
            n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03lld", d.year(),
                              d.month(), d.day(), h, mi, sec,
                              static_cast<long long>(fraction / 10'000));
    }
    return QString::fromLatin1(text, n);
}

std::optional<Moment> momentOfStored(QStringView text) {
    const auto r = readMomentText(text);
    if (!r)
        return std::nullopt;
    return r->moment;
}

Scalar dateTimeFromText(const QString& text, const SqlType& to, bool fromString) {
    if (QStringView(text).trimmed().isEmpty())
        return Scalar::ofText(storedText(Moment{kBaseDate, 0}, to));
    const auto r = readMomentText(text);
    if (!r)
        throw ConversionError(ado::ServerError::DateConversionFailed);
    const bool coarse = to.base == Base::DateTime || to.base == Base::SmallDateTime;
    if (coarse && r->fractionDigits > 3 && (fromString || r->fractionDigits != 7))
        throw ConversionError(ado::ServerError::DateConversionFailed);
    return Scalar::ofText(storedText(fitMoment(r->moment, to, QStringLiteral("varchar")), to));
}

QString defaultDateTimeText(const Moment& m, const SqlType& type) {
    switch (type.base) {
        case Base::Date:
            return dayText(m.date);
        case Base::Time:
            return clockText(m.ticks, type.scale);
        case Base::DateTime2:
            return dayText(m.date) + u' ' + clockText(m.ticks, type.scale);
        default:
            return formatDateTimeStyle(dateTimeOfMoment(m), 0, false);
    }
}

namespace {

// "hh:mi:ss" and the type's figures of a second after a point (none for time(0)), on a clock
// of 24 hours, or of 12 with AM or PM and the hour blank-padded to two places.
QString secondsText(qint64 ticks, int figures, bool twelveHours) {
    if (!twelveHours)
        return clockText(ticks, figures);
    const qint64 hour = ticks / kTicksPerSecond / 3600;
    const qint64 shown = hour % 12 == 0 ? 12 : hour % 12;
    return QStringLiteral("%1").arg(shown, 2, 10, QLatin1Char(' ')) +
           clockText(ticks, figures).mid(2) +
           (hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

// A time or datetime2 in one of the styles that write its time of day: the style's layout
// with every figure of a second the type keeps, after a point where datetime writes three
// after a colon (9, 13, 14, 109, 113, 114), as SQL Server writes the types of more precision.
// nullopt for a style this engine does not write for the type.
std::optional<QString> preciseStyleText(const Moment& m, const SqlType& type, int style) {
    const bool time = type.base == Base::Time;
    const int figures = type.scale;
    const QDate& d = m.date;
    const QString mon = monthAbbreviation(d.month());
    const QString blankDay = QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char(' '));
    const QString year = QString::number(d.year());
    switch (style) {
        case 9:
        case 109:
            if (time)
                return std::nullopt;
            return QStringLiteral("%1 %2 %3 %4")
                .arg(mon, blankDay, year, secondsText(m.ticks, figures, true));
        case 13:
        case 113:
            if (time)
                return std::nullopt;
            return QStringLiteral("%1 %2 %3 %4")
                .arg(twoFigures(d.day()), mon, year, clockText(m.ticks, figures));
        case 14:
        case 114:
            return clockText(m.ticks, figures);
        case 20:
        case 120:
            return time ? clockText(m.ticks, 0) : dayText(d) + u' ' + clockText(m.ticks, 0);
        case 21:
        case 121:
            return defaultDateTimeText(m, type);
        case 126:
        case 127: {
            // ISO 8601 without a time zone: the figures of a second only when there are any.
            const bool whole = m.ticks % kTicksPerSecond == 0;
            const QString clock = clockText(m.ticks, whole ? 0 : figures);
            return time ? clock : dayText(d) + u'T' + clock;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

QString styledDateTimeText(const Moment& m, const SqlType& type, int style) {
    const QDateTime dt = dateTimeOfMoment(m);
    if (type.base == Base::DateTime || type.base == Base::SmallDateTime)
        return formatDateTimeStyle(dt, style, false);
    if (type.base == Base::Date)
        return formatDateTimeStyle(dt, style, true);
    // time and datetime2: the style checked as datetime's, then written with the type's
    // figures of a second where SQL Server writes them.
    const QString asDateTime = formatDateTimeStyle(dt, style, false);
    if (const auto precise = preciseStyleText(m, type, style))
        return *precise;
    const int s = style % 100;
    if (s == 8 || s == 24)
        return clockText(m.ticks, 0);
    if (type.base == Base::DateTime2) {
        if (s == 25)
            return defaultDateTimeText(m, type);
        const bool dateOnly = (s >= 1 && s <= 7) || (s >= 10 && s <= 12) || s == 23;
        if (dateOnly || s == 0)  // style 0 writes no seconds
            return asDateTime;
    }
    throw ConversionError(
        ado::ServerError::NotSupported,
        {QStringLiteral("CONVERT style %1 of a %2 value")
             .arg(style)
             .arg(type.base == Base::Time ? QStringLiteral("time") : QStringLiteral("datetime2"))});
}

QString clientDateTimeText(const Moment& m, const SqlType& type) {
    switch (type.base) {
        case Base::DateTime:
            return storedText(m, type);
        case Base::SmallDateTime:
            return dayText(m.date) + u' ' + clockText(m.ticks, 0);
        default:
            return defaultDateTimeText(m, type);
    }
}

QDateTime dateTimeOfMoment(const Moment& m) {
    const qint64 ms = m.ticks / 10'000;
    return QDateTime(m.date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), Qt::UTC);
}

Moment momentOf(const QDateTime& dt) {
    return Moment{dt.date(), qint64{dt.time().msecsSinceStartOfDay()} * 10'000};
}

std::optional<Moment> dateTimeFromParts(qint64 year, qint64 month, qint64 day, qint64 hour,
                                        qint64 minute, qint64 seconds, qint64 milliseconds) {
    Fields f{year, month, day, hour, minute, seconds};
    if (year < 1753 || !validFields(f) || hour < 0 || minute < 0 || seconds < 0 ||
        milliseconds < 0 || milliseconds > 999)
        return std::nullopt;
    const Moment m{QDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)),
                   ((hour * 60 + minute) * 60 + seconds) * kTicksPerSecond + milliseconds * 10'000};
    try {
        return fitMoment(m, SqlType::datetime(), QStringLiteral("datetime"));
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::optional<Moment> momentOfParts(const DateTimeParts& p, const SqlType& type) {
    const bool time = type.base == Base::Time;
    const int scale = type.base == Base::SmallDateTime ? 0 : type.scale;
    qint64 unit = 1;  // ticks of one fraction
    for (int i = scale; i < 7; ++i)
        unit *= 10;
    const Fields f{
        time ? 1900 : p.year, time ? 1 : p.month, time ? 1 : p.day, p.hour, p.minute, p.seconds};
    if (!validFields(f) || p.hour < 0 || p.minute < 0 || p.seconds < 0 || p.fractions < 0 ||
        p.fractions >= kTicksPerSecond / unit)
        return std::nullopt;
    const QDate day(static_cast<int>(f.year), static_cast<int>(f.month), static_cast<int>(f.day));
    if (type.base == Base::SmallDateTime && (day < kBaseDate || day > QDate(2079, 6, 6)))
        return std::nullopt;
    return Moment{
        day, ((p.hour * 60 + p.minute) * 60 + p.seconds) * kTicksPerSecond + p.fractions * unit};
}

}  // namespace sql
