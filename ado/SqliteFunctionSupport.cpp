#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDecimals.h"

#include <sqlite3.h>

#include <string>
#include <unordered_map>

namespace ado::support {

using sql::Scalar;
using sql::SqlType;

// ---- values between SQLite and Scalar ----
Scalar scalarOf(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return Scalar::ofInt(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return Scalar::ofReal(sqlite3_value_double(v));
        case SQLITE_NULL:
            return Scalar::null();
        case SQLITE_BLOB:
            if (const auto d = wideDecimalOf(v))
                return Scalar::ofDecimal(*d);
            [[fallthrough]];
        default:
            return Scalar::ofText(QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v)));
    }
}

QString textOf(sqlite3_value* v) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                             sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void resultScalar(sqlite3_context* ctx, const Scalar& s) {
    switch (s.kind) {
        case Scalar::Kind::Int:
            sqlite3_result_int64(ctx, s.i);
            break;
        case Scalar::Kind::Real:
            sqlite3_result_double(ctx, s.d);
            break;
        case Scalar::Kind::Text:
            resultText(ctx, s.t);
            break;
        case Scalar::Kind::Decimal:
            resultDecimal(ctx, s.dec);
            break;
        default:
            sqlite3_result_null(ctx);
    }
}

void resultDecimal(sqlite3_context* ctx, const Decimal& d) {
    const sql::StoredDecimal stored = sql::storedOfDecimal(d);
    switch (stored.form) {
        case sql::StoredDecimal::Form::Integer:
            return sqlite3_result_int64(ctx, stored.integer);
        case sql::StoredDecimal::Form::Real:
            return sqlite3_result_double(ctx, stored.real);
        case sql::StoredDecimal::Form::Bytes:
            return sqlite3_result_blob(ctx, stored.bytes.data(),
                                       static_cast<int>(stored.bytes.size()), SQLITE_TRANSIENT);
    }
}

std::optional<Decimal> wideDecimalOf(sqlite3_value* v) {
    if (sqlite3_value_type(v) != SQLITE_BLOB)
        return std::nullopt;
    const void* bytes = sqlite3_value_blob(v);
    const auto size = static_cast<std::size_t>(sqlite3_value_bytes(v));
    if (!bytes)
        return std::nullopt;
    return sql::decimalOfWideBytes(std::string_view(static_cast<const char*>(bytes), size));
}

// Fails the call with one of SQL Server's errors, whose identity SQLite carries to the engine
// as the extended result code.
void resultError(sqlite3_context* ctx, ado::ServerError error, const QStringList& arguments) {
    const QByteArray utf8 = ado::serverErrorMessage(error, arguments).toUtf8();
    sqlite3_result_error(ctx, utf8.constData(), static_cast<int>(utf8.size()));
    sqlite3_result_error_code(ctx, ado::sqliteCodeOf(error));
}

void resultError(sqlite3_context* ctx, const sql::ConversionError& e) {
    resultError(ctx, e.error(), e.arguments());
}

// The SQL Server name of the function being run, from its entry in the function table.
QString calledName(sqlite3_context* ctx) {
    const auto* f = static_cast<const sql::FunctionDef*>(sqlite3_user_data(ctx));
    return f ? QString::fromLatin1(f->name) : QString();
}

// The SQL Server type named by a constant argument ('numeric(12,2)'), parsed once per process
// and type text. (Not kept with sqlite3_set_auxdata: SQLite keeps those in one list per
// statement and scans it on every call, so an INSERT of many rows, each with its own
// constant, would take time growing with the square of its rows.) A statement names few
// types; the table is emptied should hostile text ever fill it.
SqlType typeArgument(sqlite3_value** argv, int index) {
    thread_local std::unordered_map<std::string, SqlType> parsed;
    constexpr std::size_t kMostTypes = 4096;
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[index]));
    std::string key(text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(argv[index])));
    if (const auto it = parsed.find(key); it != parsed.end())
        return it->second;
    const SqlType type = SqlType::parse(QString::fromStdString(key));
    if (parsed.size() >= kMostTypes)
        parsed.clear();
    parsed.emplace(std::move(key), type);
    return type;
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    }
    return false;
}

double numberArg(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_TEXT) {
        const auto n = sql::parseNumber(textOf(v));
        if (!n)
            return 0;
        return n->kind == sql::Scalar::Kind::Int ? static_cast<double>(n->i) : n->d;
    }
    return sqlite3_value_double(v);
}

}  // namespace ado::support
