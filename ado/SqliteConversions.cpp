// CAST and CONVERT, + of operands whose types were not known while translating, NEWID and
// DATALENGTH: values read as another SQL Server type.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlDateTimes.h"
#include "ado/SqlDecimals.h"
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

// ---- conversions ----
// The type whose value overflowed a numeric: the translator's word for it when it knew it,
// else what the value is (a literal of an INSERT: an int within 32 bits, a numeric beyond
// them or with a fraction, a varchar for text).
QString overflowedType(int argc, sqlite3_value** argv) {
    if (argc > 2)
        return textOf(argv[2]);
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_INTEGER: {
            const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
            return n >= std::numeric_limits<std::int32_t>::min() &&
                           n <= std::numeric_limits<std::int32_t>::max()
                       ? QStringLiteral("int")
                       : QStringLiteral("numeric");
        }
        case SQLITE_TEXT:
            return QStringLiteral("varchar");
        default:
            return QStringLiteral("numeric");
    }
}

void convertFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool explicitCast) {
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
        const QString from = e.error() == ado::ServerError::NumericOverflow
                                 ? overflowedType(argc, argv)
                                 : QStringLiteral("numeric");
        if (from.compare(u"numeric", Qt::CaseInsensitive) == 0 ||
            from.compare(u"decimal", Qt::CaseInsensitive) == 0)
            resultError(ctx, e);
        else
            resultError(ctx, ado::ServerError::OverflowConverting,
                        {from, QStringLiteral("numeric")});
    }
}

}  // namespace

QString floatText(double d) {
    // Six significant figures, in exponent form where they do not reach (1e+010, 1.23457e-005),
    // the exponent of at least three figures.
    QString s = QString::asprintf("%.6g", d);
    const qsizetype e = s.indexOf(u'e');
    if (e >= 0) {
        const qsizetype digits = s.size() - (e + 2);
        if (digits < 3)
            s.insert(e + 2, QString(3 - digits, u'0'));
    }
    return s;
}

namespace {

// A date-time value converted to another date-time type: read in its own stored form, fitted
// to the target's range and precision (the error naming the source's type).
Scalar dateTimeBetween(const Scalar& v, const SqlType& from, const SqlType& to) {
    const auto m = sql::momentOfStored(v.t);
    if (!m)
        throw sql::ConversionError(ado::ServerError::DateConversionFailed);
    if ((from.base == SqlType::Base::Time && to.base == SqlType::Base::Date) ||
        (from.base == SqlType::Base::Date && to.base == SqlType::Base::Time)) {
        throw sql::ConversionError(
            ado::ServerError::ExplicitConversion,
            {from.name().section(u'(', 0, 0), to.name().section(u'(', 0, 0)});
    }
    sql::Moment moment = *m;
    if (from.base == SqlType::Base::Time)
        moment.date = QDate(1900, 1, 1);
    return Scalar::ofText(
        sql::storedText(sql::fitMoment(moment, to, from.name().section(u'(', 0, 0)), to));
}

// Text read as a date-time in a CONVERT style: day/month/year and month/day/year styles by
// their own reading, every other style as a string is read.
Scalar dateTimeOfStyledText(const QString& text, const SqlType& to, int style) {
    const int s = style % 100;
    const bool ordered = s == 1 || s == 10 || s == 3 || s == 4 || s == 5;
    if (style < 0 || !ordered) {
        if (style >= 0)
            sql::parseDateTimeStyle(QString(), style);  // refuses a style SQL Server lacks
        return sql::dateTimeFromText(text, to, true);
    }
    const auto dt = sql::parseDateTimeStyle(text, style);
    if (!dt)
        throw sql::ConversionError(ado::ServerError::DateConversionFailed);
    return Scalar::ofText(
        sql::storedText(sql::fitMoment(sql::momentOf(*dt), to, QStringLiteral("varchar")), to));
}

// money and smallmoney as CONVERT writes them: style 0 (and none) two decimals, 1 two
// decimals and commas every three figures, 2 and 126 four decimals; rounded half away from
// zero.
QString moneyText(const ado::Decimal& m, int style) {
    if (style != -1 && style != 0 && style != 1 && style != 2 && style != 126) {
        throw sql::ConversionError(ado::ServerError::NotSupported,
                                   {QStringLiteral("CONVERT style %1 of money").arg(style)});
    }
    const bool fourDecimals = style == 2 || style == 126;
    QString text = m.convertedTo({ado::kMaxDecimalPrecision, fourDecimals ? 4 : 2}).toString();
    if (style == 1) {
        const qsizetype point = text.indexOf(u'.');
        const qsizetype firstFigure = text.startsWith(u'-') ? 1 : 0;
        for (qsizetype at = point - 3; at > firstFigure; at -= 3)
            text.insert(at, u',');
    }
    return text;
}

ado::Decimal decimalOf(const Scalar& v, const SqlType& type) {
    const ado::DecimalType t{type.precision, type.scale};
    switch (v.kind) {
        case Scalar::Kind::Int:
            return sql::decimalOfStored(std::int64_t{v.i}, t);
        case Scalar::Kind::Real:
            return sql::decimalOfStored(v.d, t);
        default:
            return v.dec;
    }
}

// The source's own text of a value: a date-time in a CONVERT style (`style` -1: none given,
// the type's own form), a decimal with its scale, money in its style.
Scalar styledSource(const Scalar& v, const SqlType& from, const SqlType& to, int style) {
    if (to.isText() && from.isDateTime() && v.kind == Scalar::Kind::Text) {
        const auto m = sql::momentOfStored(v.t);
        if (!m)
            return v;
        return Scalar::ofText(style < 0 ? sql::defaultDateTimeText(*m, from)
                                        : sql::styledDateTimeText(*m, from, style));
    }
    if (to.isText() && from.money && v.kind != Scalar::Kind::Text && v.kind != Scalar::Kind::Null)
        return Scalar::ofText(moneyText(decimalOf(v, from), style));
    if (to.isText() && from.base == SqlType::Base::Numeric && v.kind == Scalar::Kind::Decimal) {
        return Scalar::ofText(
            v.dec.convertedTo({ado::kMaxDecimalPrecision, std::max(from.scale, v.dec.scale)})
                .toString());
    }
    if (to.isText() && from.base == SqlType::Base::Numeric && v.kind != Scalar::Kind::Text) {
        const double d = v.kind == Scalar::Kind::Int ? static_cast<double>(v.i) : v.d;
        return Scalar::ofText(QString::number(d, 'f', from.scale));
    }
    if (to.isDateTime() && v.kind == Scalar::Kind::Text) {
        if (from.isDateTime())
            return dateTimeBetween(v, from, to);
        if (from.isText() || !from.known())
            return dateTimeOfStyledText(v.t, to, style);
        return v;
    }
    if (to.isDateTime() && from.isNumber() && !to.countsDays()) {
        throw sql::ConversionError(
            ado::ServerError::ExplicitConversion,
            {from.name().section(u'(', 0, 0), to.name().section(u'(', 0, 0)});
    }
    if (style <= 0 && to.isText() && from.base == SqlType::Base::Float &&
        v.kind != Scalar::Kind::Text) {
        return Scalar::ofText(
            floatText(v.kind == Scalar::Kind::Int ? static_cast<double>(v.i) : v.d));
    }
    if (style > 0 && to.isText() && from.base == SqlType::Base::Float) {
        throw sql::ConversionError(ado::ServerError::NotSupported,
                                   {QStringLiteral("CONVERT style %1 of a float").arg(style)});
    }
    return v;
}

// A number written as text too long for its target: a whole number becomes "*" in char and
// varchar, anything else is an overflow (SQL Server does not cut the figures of a number).
Scalar fittedNumberText(const Scalar& v, const SqlType& from, const SqlType& to) {
    if (!to.isText() || to.length < 0 || !from.isNumber())
        return v;
    QString text;
    if (v.kind == Scalar::Kind::Text)
        text = v.t;
    else if (v.kind == Scalar::Kind::Int)
        text = QString::number(v.i);
    else if (v.kind == Scalar::Kind::Real && from.base == SqlType::Base::Numeric)
        text = QString::number(v.d, 'f', from.scale);
    if (text.size() <= to.length)
        return v;
    const QString target = to.name().section(u'(', 0, 0);
    if (from.isInteger() && !to.national)
        return Scalar::ofText(QStringLiteral("*"));
    if (from.isInteger())
        throw sql::ConversionError(ado::ServerError::ArithmeticOverflow, {target});
    throw sql::ConversionError(ado::ServerError::OverflowConverting,
                               {from.name().section(u'(', 0, 0), target});
}

}  // namespace

namespace helpers {

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
        resultScalar(ctx, sql::convertTo(fittedNumberText(source, from, to), to, true));
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

void fnCv(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    convertFunction(ctx, argc, argv, false);
}
void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    convertFunction(ctx, argc, argv, true);
}

// a + b when the types were not known while translating: text and text join, otherwise the
// text side is read as a number (as SQL Server converts varchar to int).
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

}  // namespace helpers

namespace native {

void newId(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
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
        case Base::SmallDateTime:
            bytes = 4;
            break;
        case Base::Date:
            bytes = 3;
            break;
        case Base::Time:
        case Base::DateTime2:
            bytes = (type.scale <= 2   ? 3
                     : type.scale <= 4 ? 4
                                       : 5) +
                    (type.base == Base::DateTime2 ? 3 : 0);
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

}  // namespace ado
