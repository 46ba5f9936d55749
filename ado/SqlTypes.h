#pragma once

#include "ado/Decimal.h"
#include "ado/ServerErrors.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>

// SQL Server's column types as the embedded engine keeps them, and the implicit and explicit
// conversions that SQL Server applies when a value is stored in a column or cast.
namespace sql {

struct SqlType {
    enum class Base {
        Unknown,
        Bit,
        TinyInt,
        SmallInt,
        Int,
        BigInt,
        Numeric,
        Float,
        Char,
        VarChar,
        Text,
        DateTime,
        SmallDateTime,  // to the minute, 1900-01-01 to 2079-06-06
        Date,           // the day alone
        Time,           // a time of day, `scale` figures of a second (0-7)
        DateTime2,      // 0001-01-01 to 9999-12-31, `scale` figures of a second (0-7)
    };
    Base base = Base::Unknown;
    int length = 0;  // characters of char/varchar; -1 for (max)
    int precision = 18;
    int scale = 0;
    bool national = false;  // nchar, nvarchar, ntext: two bytes a character
    bool money = false;     // money (numeric(19,4)) or smallmoney (numeric(10,4)), their ranges

    bool known() const { return base != Base::Unknown; }
    bool isInteger() const {
        return base == Base::Bit || base == Base::TinyInt || base == Base::SmallInt ||
               base == Base::Int || base == Base::BigInt;
    }
    bool isNumber() const { return isInteger() || base == Base::Numeric || base == Base::Float; }
    bool isText() const {
        return base == Base::Char || base == Base::VarChar || base == Base::Text;
    }
    bool isDateTime() const {
        return base == Base::DateTime || base == Base::SmallDateTime || base == Base::Date ||
               base == Base::Time || base == Base::DateTime2;
    }
    // datetime and smalldatetime, the types that a number of days converts to and adds to.
    bool countsDays() const { return base == Base::DateTime || base == Base::SmallDateTime; }

    // The canonical name, also the declared type of the column in the database file:
    // "int", "numeric(3,0)", "char(15)", "varchar(max)", "datetime".
    QString name() const;

    // Reads a type name with its arguments, as written in CREATE TABLE or CAST ("decimal",
    // {18, 2}); nullopt for a name that is not a type.
    static std::optional<SqlType> fromName(const QString& name, int arg1 = -2, int arg2 = -2);
    // Reads a declared type back ("numeric(3,0)"); Unknown when it is not one of ours.
    static SqlType parse(const QString& declared);

    static SqlType integer() { return SqlType{Base::Int}; }
    static SqlType varchar(int n = -1) { return SqlType{Base::VarChar, n}; }
    static SqlType datetime() { return SqlType{Base::DateTime}; }
    bool operator==(const SqlType&) const = default;
};

// A value as SQLite stores it.
// A decimal that a double does not hold (see storedOfDecimal) is a Decimal, read from the
// BLOB SQLite keeps it in.
struct Scalar {
    enum class Kind { Null, Int, Real, Text, Decimal };
    Kind kind = Kind::Null;
    std::int64_t i = 0;
    double d = 0;
    QString t;
    ado::Decimal dec;

    static Scalar null() { return {}; }
    static Scalar ofInt(std::int64_t v) { return Scalar{Kind::Int, v, 0, {}, {}}; }
    static Scalar ofReal(double v) { return Scalar{Kind::Real, 0, v, {}, {}}; }
    static Scalar ofText(QString v) { return Scalar{Kind::Text, 0, 0, std::move(v), {}}; }
    static Scalar ofDecimal(const ado::Decimal& v) { return Scalar{Kind::Decimal, 0, 0, {}, v}; }
};

// A conversion that SQL Server would refuse, with SQL Server's message.
// One of SQL Server's errors met while converting a value, with its arguments.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(ado::ServerError error, QStringList arguments = {})
        : std::runtime_error(ado::serverErrorMessage(error, arguments).toStdString()),
          m_error(error),
          m_arguments(std::move(arguments)) {}
    ado::ServerError error() const { return m_error; }
    const QStringList& arguments() const { return m_arguments; }
    QString message() const { return ado::serverErrorMessage(m_error, m_arguments); }

  private:
    ado::ServerError m_error;
    QStringList m_arguments;
};

// Converts a value for storage in a column of type `to` (explicit: a CAST/CONVERT, which
// truncates text instead of failing). Throws ConversionError.
Scalar convertTo(const Scalar& value, const SqlType& to, bool explicitCast = false);
// Cases in which convertTo gives the value back as it is, told without building it: a whole
// number within the integer type's range, and a text of at most that many UTF-8 bytes for a
// varchar or text type (never more characters than bytes, so nothing is cut or padded).
bool keepsWholeNumber(std::int64_t n, const SqlType& to);
// A number already shifted to its rounding place (1234.567 at two places: 123456.7) that is far
// enough from a half for its double and its decimal form to round to the same whole number, so
// rounding needs no decimal text.
bool clearOfHalf(double scaled);
bool keepsText(qsizetype utf8Bytes, const SqlType& to);

// Date-times are stored as text "yyyy-MM-dd HH:mm:ss.zzz".
// "yyyy-MM-dd HH:mm:ss.zzz", the time rounded as datetime keeps it: to 1/300 of a second
// (.000, .003, .007).
// Only the fields of `dt` are read, whatever its time spec.
QString formatDateTime(const QDateTime& dt);
// Reads the fixed forms "yyyy-MM-dd[ HH:mm[:ss[.f]]]", "yyyy-MM-ddTHH:mm:ss[.f]",
// "yyyyMMdd[ HH:mm:ss]" and "M/d/yyyy[ HH:mm:ss]" (f: one to three figures of a second),
// blanks around them ignored. The result is a wall-clock value in UTC (see dateTimeOf): no
// time zone is consulted, so every valid clock time exists, daylight saving or not.
std::optional<QDateTime> parseDateTime(const QString& text);
// A wall-clock date-time as the engine computes with them: in UTC, where adding days, months
// or milliseconds is plain arithmetic.
QDateTime dateTimeOf(const QDate& date, const QTime& time = QTime(0, 0));
// Whether a date-time lies in SQL Server's datetime range (1753-01-01 to 9999-12-31).
bool inDateTimeRange(const QDateTime& dt);
// `base` moved by `days` (fractions as time of day); nullopt when the result leaves the
// datetime range or the number is not finite.
std::optional<QDateTime> addDays(const QDateTime& base, double days);
// A number read as SQL Server reads text where a number is expected (blanks around it
// ignored); nullopt when it is not a number.
std::optional<Scalar> parseNumber(const QString& text);
// The figures of a number written in text from its first to its last that is not zero
// ("0012.3400" has 4).
int significantDigits(QStringView number);

}  // namespace sql
