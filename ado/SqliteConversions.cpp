// CAST and CONVERT, + of operands whose types were not known while translating, NEWID and
// DATALENGTH: values read as another SQL Server type.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
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
