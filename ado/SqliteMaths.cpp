// Arithmetic: / and % with SQL Server's zero-divisor error, the whole-number range check,
// ^, FLOOR, CEILING and ROUND.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
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

}  // namespace

namespace helpers {

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

void fnBitXor(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) ^ sqlite3_value_int64(argv[1]));
}

}  // namespace helpers

namespace {

void roundTowards(sqlite3_context* ctx, int, sqlite3_value** argv, bool up) {
    if (const auto wide = wideDecimalOf(argv[0]))
        return resultDecimal(ctx, sql::wholeDecimal(*wide, up));
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER) {
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    }
    const double d = numberArg(argv[0]);
    sqlite3_result_double(ctx, up ? std::ceil(d) : std::floor(d));
}

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

namespace native {

void floor(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    roundTowards(ctx, argc, argv, false);
}

void ceiling(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    roundTowards(ctx, argc, argv, true);
}

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
    if (const auto wide = wideDecimalOf(argv[0])) {
        // A decimal of more figures than a double holds, rounded figure by figure.
        try {
            Decimal d =
                wide->convertedTo({kMaxDecimalPrecision, std::max(wide->scale, type.scale)});
            d.precision =
                type.base == sql::SqlType::Base::Numeric ? type.precision : kMaxDecimalPrecision;
            return resultDecimal(ctx, sql::roundedDecimal(d, places, truncate));
        } catch (const DecimalError&) {
            return overflow(QStringLiteral("numeric"));
        }
    }
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

// ABS(x, 'type'): of the same type, so the most negative int (or smallint, bigint) overflows.
void absolute(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const SqlType type = typeArgument(argv, argc - 1);
    if (sqlite3_value_numeric_type(argv[0]) != SQLITE_INTEGER) {
        sqlite3_result_double(ctx, std::fabs(numberArg(argv[0])));
        return;
    }
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    const SqlType whole = type.isInteger() ? type : SqlType{SqlType::Base::BigInt};
    if (n == std::numeric_limits<sqlite3_int64>::min() ||
        (whole.base != SqlType::Base::BigInt && !sql::keepsWholeNumber(-n, whole) && n < 0)) {
        return resultError(ctx, ado::ServerError::ArithmeticOverflow, {whole.name()});
    }
    sqlite3_result_int64(ctx, n < 0 ? -n : n);
}

// SQRT(x): an invalid floating point operation for a negative x, as SQL Server has it.
void squareRoot(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const double v = numberArg(argv[0]);
    if (v < 0)
        return resultError(ctx, ado::ServerError::InvalidFloatOperation);
    sqlite3_result_double(ctx, std::sqrt(v));
}

// __power(a, b, whole): a to the power b, computed as a float; `whole` cuts it to a whole
// number (the result of an int or bigint base). What has no real value is an invalid
// floating point operation.
void power(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const double r = std::pow(numberArg(argv[0]), numberArg(argv[1]));
    if (std::isnan(r))
        return resultError(ctx, ado::ServerError::InvalidFloatOperation);
    if (sqlite3_value_int(argv[2]) != 0 && std::fabs(r) < 9.2e18) {
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(std::trunc(r)));
        return;
    }
    sqlite3_result_double(ctx, r);
}

}  // namespace native

}  // namespace ado
