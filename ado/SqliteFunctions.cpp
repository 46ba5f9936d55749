#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include <sqlite3.h>

#include <cstdint>

namespace ado {

using sql::Scalar;
using sql::SqlType;
using namespace support;

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
    {sql::helper::kStore, 2, 3, helpers::fnCv},
    {sql::helper::kConvert, 2, 3, helpers::fnConvert},
    {sql::helper::kConvertFrom, 4, 4, helpers::fnConvertFrom},
    {sql::helper::kPlus, 2, 2, nullIn<helpers::fnPlus>},
    {sql::helper::kAddDays, 2, 2, nullIn<helpers::fnDtAdd>},
    {sql::helper::kBitXor, 2, 2, nullIn<helpers::fnBitXor>},
    {sql::helper::kDivide, 3, 3, helpers::fnDivide},
    {sql::helper::kModulo, 3, 3, helpers::fnModulo},
    {sql::helper::kCheckRange, 2, 2, helpers::fnCheckRange},
    {sql::helper::kObjectId, 1, 1, nullIn<helpers::fnObjId>},
    {sql::helper::kDecimal, 2, sql::kVariadic, nullIn<helpers::fnDecimal>},
    {sql::helper::kDecimalKey, 2, 2, nullIn<helpers::fnDecimalKey>},
    {sql::helper::kDecimalOfKey, 1, 1, nullIn<helpers::fnDecimalOfKey>},
    {sql::helper::kDecimalFloat, 1, 1, nullIn<helpers::fnDecimalFloat>},
    {sql::helper::kDecimalNegate, 1, 1, nullIn<helpers::fnDecimalNegate>},
    {sql::helper::kDecimalAbs, 1, 1, nullIn<helpers::fnDecimalAbs>},
    {sql::helper::kDecimalNarrow, 1, 1, nullIn<helpers::fnDecimalNarrow>},
    {"like", 2, 3,
     nullIn<native::like>},  // SQLite calls it for the LIKE operator, with or without ESCAPE
};

}  // namespace

// Arguments that the translator adds to a call of the function.
int extra(const sql::FunctionDef& f) {
    if (f.datePartArgument)  // the type of each argument after the part
        return f.maxArgs - 1;
    // TypedCall: the first argument's type; Power: whether the result is a whole number
    return f.emit == sql::Emit::TypedCall || f.emit == sql::Emit::Power ? 1 : 0;
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
    sqlite3_create_collation_v2(db, sql::kCollation, SQLITE_UTF8, nullptr,
                                helpers::compareSqlServer, nullptr);
    for (const Helper& h : kHelpers)
        add(db, h.name, h.minArgs, h.maxArgs, h.fn, true);
    registerDecimalAggregates(db);
    for (const sql::FunctionDef& f : sql::functions()) {
        if (f.native) {
            add(db, f.target, f.minArgs + extra(f), f.maxArgs + extra(f),
                f.nullIn ? nullPropagating : f.native, f.deterministic, &f);
        }
    }
}

}  // namespace ado
