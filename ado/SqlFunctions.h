#pragma once

#include "ado/SqlTypes.h"

#include <QStringView>

#include <span>

struct sqlite3_context;
struct sqlite3_value;

// SQL Server's built-in functions as the embedded engine provides them: one table that the
// translator reads to emit a call and the engine reads to register what the calls need.
// Adding a function is one entry in the table of SqlFunctions.cpp.
namespace sql {

// The collation that text columns and text comparisons use (letter case and trailing blanks
// ignored).
inline constexpr const char* kCollation = "SQLSERVER";

// What translated statements call for operators and conversions (not SQL Server functions).
namespace helper {
inline constexpr const char* kStore = "__cv";         // (value, 'type'): stored as that type
inline constexpr const char* kConvert = "__convert";  // (value, 'type'): CAST and CONVERT
// (value, 'type', 'source type', style): CONVERT with a style, and CAST of what the source
// type writes its own way (date-times, decimals)
inline constexpr const char* kConvertFrom = "__convertfrom";
inline constexpr const char* kPlus = "__plus";         // (a, b): + of operands of unknown type
inline constexpr const char* kAddDays = "__dtadd";     // (datetime, days)
inline constexpr const char* kBitXor = "__bitxor";     // (a, b): a ^ b
inline constexpr const char* kDivide = "__div";        // (a, b, whole): a / b
inline constexpr const char* kModulo = "__mod";        // (a, b, whole): a % b
inline constexpr const char* kCheckRange = "__range";  // (n, 'type'): n, or overflow error
inline constexpr const char* kObjectId = "__objid";    // (name): the id sysobjects shows
// ('run', a, b …): decimal arithmetic, exact, by the run's types and operators (SqlDecimals.h)
inline constexpr const char* kDecimal = "__decimal";
// SUM and AVG of decimals of scale s: the aggregates __decsum<s> and __decavg<s>
inline constexpr const char* kDecimalSum = "__decsum";
inline constexpr const char* kDecimalAvg = "__decavg";
// Decimals of types that may hold BLOBs (holdsWideValues), where SQLite's own order would not do:
inline constexpr const char* kDecimalKey = "__deckey";        // (d, scale): bytes that order as d
inline constexpr const char* kDecimalOfKey = "__decval";      // (key): d as it is stored again
inline constexpr const char* kDecimalFloat = "__decfloat";    // (d): d as a float
inline constexpr const char* kDecimalNegate = "__decneg";     // (d): -d
inline constexpr const char* kDecimalAbs = "__decabs";        // (d): |d|
inline constexpr const char* kDecimalNarrow = "__decnarrow";  // (d): d, refused when a BLOB
}  // namespace helper

using NativeFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

// How a call becomes SQLite.
enum class Emit {
    Call,             // target(arguments); target is registered with `native` when it is set
    TypedCall,        // the same with the first argument's type name as a last argument
    Template,         // target is SQLite text with %1..%9 standing for the arguments
    Alias,            // the function named target, with `leading` put before the arguments
    IsNull,           // ifnull, the replacement read as the first argument's type
    NullIf,           // CASE WHEN a = b THEN NULL ELSE a END, compared as `=` compares
    Power,            // __power(a, b, whole) in the first argument's type
    Count,            // count([DISTINCT] x) and count(*)
    Concat,           // the arguments as text, NULL as empty, joined
    Aggregate,        // sum, avg, min, max: [DISTINCT], SQL Server's result types
    CurrentDatabase,  // the name of the current database
    IfElse,           // IIF(condition, a, b): CASE, typed as its two branches
};

// The type of the result.
enum class Result {
    Fixed,          // `type`
    FirstArgument,  // the first argument's
    Sign,           // SIGN's: bigint, int for smaller whole numbers, money, numeric(p,0), float
    WholeNumber,    // the first argument's, without decimals
    FirstKnown,     // the first argument's whose type is known
    LastArgument,   // the last argument's when it is of a date-time type, else `type`
    ScaleArgument,  // `type` at the scale of the last argument, a constant of 0 to 7
};

inline constexpr int kVariadic = -1;

struct FunctionDef {
    const char* name;  // SQL Server's name, lower case
    int minArgs;
    int maxArgs;  // kVariadic: no upper bound
    Emit emit;
    const char* target = nullptr;
    Result result = Result::Fixed;
    SqlType type{};
    NativeFunction native = nullptr;
    bool deterministic = true;
    const char* leading = nullptr;  // Alias
    // The first argument is a date part word (day, mm, ...); the type name of every other
    // argument is handed over after them.
    bool datePartArgument = false;
    bool nullIn = false;        // any NULL argument gives NULL, `native` not called
    bool rangeChecked = false;  // a whole-number or float result is held to its type's range
};

// The function of that name (lower case), or nullptr when SQL Server has none we provide.
const FunctionDef* findFunction(QStringView name);
// Whether `name` (in lower case) is one of SQL Server's built-in functions that the engine
// does not have.
bool isServerFunctionNotHere(QStringView name);
std::span<const FunctionDef> functions();

}  // namespace sql
