#include "ado/SqlFunctions.h"

#include "ado/SqliteFunctions.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace sql {

namespace {

using Base = SqlType::Base;
namespace native = ado::native;

constexpr SqlType kInt{Base::Int};
constexpr SqlType kText{Base::VarChar, -1};
constexpr SqlType kName{Base::VarChar, 128};
constexpr SqlType kDateTime{Base::DateTime};
constexpr SqlType kFloat{Base::Float};
constexpr SqlType kDateTime2{Base::DateTime2, 0, 18, 7};

// A SQLite function (ours when `impl` is given) with the same arguments.
constexpr FunctionDef call(const char* name, int minArgs, int maxArgs, const char* target,
                           SqlType type, NativeFunction impl = nullptr) {
    return FunctionDef{name, minArgs, maxArgs, Emit::Call, target, Result::Fixed, type, impl};
}
// The same, given the first argument's type name after the arguments.
constexpr FunctionDef typedCall(const char* name, int minArgs, int maxArgs, const char* target,
                                SqlType type, NativeFunction impl) {
    return FunctionDef{name, minArgs, maxArgs, Emit::TypedCall, target, Result::Fixed, type, impl};
}
// The same, typed as its first argument (`result` says how).
constexpr FunctionDef typedByFirst(const char* name, int minArgs, int maxArgs, const char* target,
                                   Result result = Result::FirstArgument,
                                   NativeFunction impl = nullptr) {
    return FunctionDef{name, minArgs, maxArgs, Emit::Call, target, result, {}, impl};
}
constexpr FunctionDef volatileCall(const char* name, const char* target, SqlType type,
                                   NativeFunction impl) {
    FunctionDef f = call(name, 0, 0, target, type, impl);
    f.deterministic = false;
    return f;
}
constexpr FunctionDef dateCall(const char* name, int args, const char* target, SqlType type,
                               NativeFunction impl, Result result = Result::Fixed) {
    FunctionDef f = call(name, args, args, target, type, impl);
    f.result = result;
    f.datePartArgument = true;
    return f;
}
constexpr FunctionDef sqliteText(const char* name, int minArgs, int maxArgs, const char* pattern,
                                 SqlType type) {
    return FunctionDef{name, minArgs, maxArgs, Emit::Template, pattern, Result::Fixed, type};
}
constexpr FunctionDef alias(const char* name, int args, const char* target,
                            const char* leading = nullptr) {
    FunctionDef f{name, args, args, Emit::Alias, target};
    f.leading = leading;
    return f;
}
constexpr FunctionDef special(const char* name, int minArgs, int maxArgs, Emit emit,
                              SqlType type = {}) {
    return FunctionDef{name, minArgs, maxArgs, emit, nullptr, Result::Fixed, type};
}

// A call whose last argument is the precision of its date-time result.
constexpr FunctionDef scaledCall(const char* name, int args, const char* target, SqlType type,
                                 NativeFunction impl) {
    FunctionDef f = call(name, args, args, target, type, impl);
    f.result = Result::ScaleArgument;
    return f;
}

// The same function, giving NULL for any NULL argument without being called.
constexpr FunctionDef nullIn(FunctionDef f) {
    f.nullIn = true;
    return f;
}

// The same function, its result overflowing as its type does instead of widening.
constexpr FunctionDef rangeChecked(FunctionDef f) {
    f.rangeChecked = true;
    return f;
}

const FunctionDef kFunctions[] = {
    // date and time
    volatileCall("getdate", "__getdate", kDateTime, native::getDate),
    volatileCall("sysdatetime", "__sysdatetime", kDateTime2, native::sysDateTime),
    alias("getutcdate", 0, "getdate"),
    nullIn(dateCall("dateadd", 3, "__dateadd", kDateTime, native::dateAdd, Result::LastArgument)),
    nullIn(dateCall("datediff", 3, "__datediff", kInt, native::dateDiff)),
    nullIn(dateCall("datepart", 2, "__datepart", kInt, native::datePart)),
    nullIn(dateCall("datename", 2, "__datename", kText, native::dateName)),
    nullIn(
        call("datefromparts", 3, 3, "__datefromparts", SqlType{Base::Date}, native::dateFromParts)),
    nullIn(call("datetimefromparts", 7, 7, "__datetimefromparts", kDateTime,
                native::dateTimeFromParts)),
    nullIn(scaledCall("datetime2fromparts", 8, "__datetime2fromparts", kDateTime2,
                      native::dateTime2FromParts)),
    nullIn(scaledCall("timefromparts", 5, "__timefromparts", SqlType{Base::Time, 0, 18, 7},
                      native::timeFromParts)),
    nullIn(call("smalldatetimefromparts", 5, 5, "__smalldatetimefromparts",
                SqlType{Base::SmallDateTime}, native::smallDateTimeFromParts)),
    call("isdate", 1, 1, "__isdate", kInt, native::isDate),
    alias("year", 1, "datepart", "'year'"),
    alias("month", 1, "datepart", "'month'"),
    alias("day", 1, "datepart", "'day'"),
    // text
    sqliteText("len", 1, 1, "length(rtrim(%1))", kInt),
    typedCall("datalength", 1, 1, "__datalength", kInt, native::dataLength),
    nullIn(call("upper", 1, 1, "upper", kText, native::upper)),
    nullIn(call("lower", 1, 1, "lower", kText, native::lower)),
    call("ltrim", 1, 1, "ltrim", kText),
    call("rtrim", 1, 1, "rtrim", kText),
    call("trim", 1, 1, "trim", kText),
    nullIn(call("char", 1, 1, "__char", SqlType{Base::Char, 1}, native::character)),
    nullIn(call("ascii", 1, 1, "__ascii", kInt, native::ascii)),
    nullIn(call("replace", 3, 3, "__replace", kText, native::replace)),
    nullIn(call("substring", 3, 3, "__substring", kText, native::substring)),
    nullIn(call("left", 2, 2, "__left", kText, native::left)),
    nullIn(call("right", 2, 2, "__right", kText, native::right)),
    nullIn(call("charindex", 2, 3, "__charindex", kInt, native::charIndex)),
    call("stuff", 4, 4, "__stuff", kText, native::stuff),
    nullIn(call("reverse", 1, 1, "__reverse", kText, native::reverse)),
    nullIn(call("patindex", 2, 2, "__patindex", kInt, native::patIndex)),
    special("concat", 2, 254, Emit::Concat, kText),
    nullIn(call("replicate", 2, 2, "__replicate", kText, native::replicate)),
    alias("space", 1, "replicate", "' '"),
    nullIn(call("str", 1, 3, "__str", kText, native::str)),
    // numbers
    nullIn(FunctionDef{
        "abs", 1, 1, Emit::TypedCall, "__abs", Result::FirstArgument, {}, native::absolute}),
    FunctionDef{"sign", 1, 1, Emit::Template,
                "(CASE WHEN %1 > 0 THEN 1 WHEN %1 < 0 THEN -1 WHEN %1 = 0 THEN 0 END)",
                Result::Sign},
    rangeChecked(
        sqliteText("square", 1, 1, "(__convert(%1, 'float') * __convert(%1, 'float'))", kFloat)),
    nullIn(call("sqrt", 1, 1, "__sqrt", kFloat, native::squareRoot)),
    nullIn(rangeChecked(FunctionDef{
        "power", 2, 2, Emit::Power, "__power", Result::FirstArgument, {}, native::power})),
    FunctionDef{
        "round", 2, 3, Emit::TypedCall, "__round", Result::FirstArgument, {}, native::round},
    nullIn(typedByFirst("floor", 1, 1, "__floor", Result::WholeNumber, native::floor)),
    nullIn(typedByFirst("ceiling", 1, 1, "__ceiling", Result::WholeNumber, native::ceiling)),
    // values and NULL
    special("isnull", 2, 2, Emit::IsNull),
    special("iif", 3, 3, Emit::IfElse),
    FunctionDef{"coalesce", 2, kVariadic, Emit::Call, "coalesce", Result::FirstKnown},
    special("nullif", 2, 2, Emit::NullIf),
    volatileCall("newid", "__newid", SqlType{Base::VarChar, 36}, native::newId),
    // aggregates
    special("count", 1, 1, Emit::Count, kInt),
    special("count_big", 1, 1, Emit::Count, SqlType{Base::BigInt}),
    special("sum", 1, 1, Emit::Aggregate),
    special("avg", 1, 1, Emit::Aggregate),
    special("min", 1, 1, Emit::Aggregate),
    special("max", 1, 1, Emit::Aggregate),
    // catalogue and session
    FunctionDef{"object_id", 1, 2, Emit::Call, "__object_id", Result::Fixed, kInt, native::objectId,
                false},
    nullIn(FunctionDef{"objectproperty", 2, 2, Emit::Call, "__objectproperty", Result::Fixed, kInt,
                       native::objectProperty, false}),
    special("db_name", 0, 1, Emit::CurrentDatabase, kName),
    sqliteText("user_name", 0, 1, "'dbo'", kName),
    sqliteText("suser_sname", 0, 1, "'dbo'", kName),
    sqliteText("system_user", 0, 0, "'dbo'", kName),
};

}  // namespace

std::span<const FunctionDef> functions() {
    return kFunctions;
}

const FunctionDef* findFunction(QStringView name) {
    static const QHash<QString, const FunctionDef*> byName = [] {
        QHash<QString, const FunctionDef*> h;
        for (const FunctionDef& f : kFunctions)
            h.insert(QString::fromLatin1(f.name), &f);
        return h;
    }();
    return byName.value(name.toString(), nullptr);
}

bool isServerFunctionNotHere(QStringView name) {
    // SQL Server's built-in functions that the table above does not have: a call of one is
    // refused by name, not answered as SQL Server answers a name it does not know.
    static const QSet<QString> names = [] {
        QSet<QString> n;
        for (const char* f :
             {// text
              "unicode", "nchar", "quotename", "concat_ws", "string_agg", "string_escape",
              "translate", "format", "soundex", "difference",
              // numbers
              "log", "log10", "exp", "pi", "rand", "sin", "cos", "tan", "cot", "asin", "acos",
              "atan", "atn2", "degrees", "radians", "greatest", "least",
              // conversions
              "try_convert", "try_parse", "parse", "isnumeric",
              // dates
              "eomonth", "datediff_big", "datetrunc", "date_bucket", "datetimeoffsetfromparts",
              "sysutcdatetime", "sysdatetimeoffset", "switchoffset", "todatetimeoffset",
              // aggregates and windows
              "stdev", "stdevp", "var", "varp", "checksum_agg", "grouping", "grouping_id",
              "approx_count_distinct", "row_number", "rank", "dense_rank", "ntile", "lag", "lead",
              "first_value", "last_value", "cume_dist", "percent_rank", "percentile_cont",
              "percentile_disc",
              // the system's
              "object_name", "db_id", "user_id", "host_name", "app_name", "col_length", "col_name",
              "ident_current", "ident_seed", "ident_incr", "newsequentialid", "checksum",
              "binary_checksum", "hashbytes", "compress", "decompress", "error_message",
              "error_number", "error_line", "error_severity", "error_state", "error_procedure",
              "xact_state", "session_user", "current_user", "original_login", "suser_name",
              "serverproperty", "databasepropertyex", "objectpropertyex", "type_name", "type_id",
              "schema_name", "schema_id", "has_dbaccess", "is_member", "is_srvrolemember",
              "rowcount_big", "isjson", "json_value", "json_query", "json_modify", "json_object",
              "json_array"})
            n.insert(QString::fromLatin1(f));
        return n;
    }();
    return names.contains(name.toString());
}

}  // namespace sql
