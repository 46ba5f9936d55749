// Exact decimal arithmetic: a run of + - * / % with a decimal operand, SUM and AVG of decimals.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDecimals.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ado {

using sql::DecimalRun;
using namespace support;

namespace {

// A run's text read once per thread and text; the run of the last call is found without a
// look-up (a statement calls with the same text row after row).
const DecimalRun* runArgument(sqlite3_value* v) {
    thread_local std::unordered_map<std::string, std::optional<DecimalRun>> parsed;
    thread_local std::string lastKey;
    thread_local const DecimalRun* last = nullptr;
    constexpr std::size_t kMostRuns = 4096;
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    const std::string_view seen(text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
    if (last && seen == lastKey)
        return last;
    std::string key(seen);
    auto it = parsed.find(key);
    if (it == parsed.end()) {
        if (parsed.size() >= kMostRuns)
            parsed.clear();
        auto run = DecimalRun::parse(QString::fromStdString(key));
        it = parsed.emplace(key, std::move(run)).first;
    }
    last = it->second ? &*it->second : nullptr;
    lastKey = std::move(key);
    return last;
}

// An operand at the type the translator gave it: a number as SQLite holds it, text read as
// CAST reads it.
Decimal operandOf(sqlite3_value* v, DecimalType t) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return sql::decimalOfStored(std::int64_t{sqlite3_value_int64(v)}, t);
        case SQLITE_FLOAT:
            return sql::decimalOfStored(sqlite3_value_double(v), t);
        case SQLITE_BLOB:
            if (const auto wide = wideDecimalOf(v)) {
                Decimal d =
                    wide->convertedTo({kMaxDecimalPrecision, std::max(t.scale, wide->scale)});
                d.precision = t.precision;
                return d;
            }
            [[fallthrough]];
        default: {
            const auto d = Decimal::parse(textOf(v), {kMaxDecimalPrecision, t.scale});
            if (!d) {
                throw sql::ConversionError(ServerError::ErrorConverting,
                                           {QStringLiteral("numeric")});
            }
            Decimal r = *d;
            r.precision = t.precision;
            return r;
        }
    }
}

void decimalFailure(sqlite3_context* ctx, const DecimalError& e) {
    if (e.kind() == DecimalError::Kind::DivideByZero)
        return resultError(ctx, ServerError::DivideByZero);
    resultError(ctx, ServerError::ArithmeticOverflow, {QStringLiteral("numeric")});
}

// SUM and AVG of decimals of one scale (the aggregate's user data), summed exactly.
// SQLite aligns an aggregate's context to 8 bytes, so the 128-bit sum is copied in and out.
struct DecimalSum {
    unsigned char bytes[sizeof(__int128)];
    std::int64_t count;

    __int128 sum() const {
        __int128 v;
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }
    void setSum(__int128 v) { std::memcpy(bytes, &v, sizeof v); }
};

// 10^38: a sum must stay below it.
constexpr __int128 limit38() {
    __int128 p = 1;
    for (int i = 0; i < kMaxDecimalPrecision; ++i)
        p *= 10;
    return p;
}

int scaleOf(sqlite3_context* ctx) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(sqlite3_user_data(ctx)));
}

void sumStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    auto* acc = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, sizeof(DecimalSum)));
    if (!acc)
        return sqlite3_result_error_nomem(ctx);
    try {
        const Decimal d = operandOf(argv[0], {kMaxDecimalPrecision, scaleOf(ctx)});
        const __int128 sum = acc->sum() + d.unscaled;
        acc->setSum(sum);
        ++acc->count;
        if (sum >= limit38() || sum <= -limit38())
            throw DecimalError(DecimalError::Kind::Overflow);
    } catch (const DecimalError& e) {
        decimalFailure(ctx, e);
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

void sumFinal(sqlite3_context* ctx) {
    auto* acc = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, 0));
    if (!acc || acc->count == 0)
        return sqlite3_result_null(ctx);
    resultDecimal(ctx, Decimal{acc->sum(), scaleOf(ctx), kMaxDecimalPrecision});
}

// The sum divided by the count at scale max(s, 6), cut as SQL Server's division is.
void avgFinal(sqlite3_context* ctx) {
    auto* acc = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, 0));
    if (!acc || acc->count == 0)
        return sqlite3_result_null(ctx);
    const int from = scaleOf(ctx);
    const DecimalType to = avgType({kMaxDecimalPrecision, from});
    __int128 sum = acc->sum();
    for (int i = from; i < to.scale; ++i) {
        if (sum >= limit38() / 10 || sum <= -limit38() / 10)
            return decimalFailure(ctx, DecimalError(DecimalError::Kind::Overflow));
        sum *= 10;
    }
    resultDecimal(ctx, Decimal{sum / acc->count, to.scale, to.precision});
}

}  // namespace

namespace helpers {

// ('run', a, b, c …): the operands combined left to right by the run's operators, each read at
// its type; NULL when one is NULL (the registration checks that).
void fnDecimal(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const DecimalRun* run = runArgument(argv[0]);
    if (!run || argc != static_cast<int>(run->steps.size()) + 2) {
        return resultError(ctx, ServerError::InternalError, {QStringLiteral("decimal run")});
    }
    try {
        Decimal acc = operandOf(argv[1], run->first);
        for (std::size_t i = 0; i < run->steps.size(); ++i) {
            const DecimalRun::Step& step = run->steps[i];
            acc = apply(step.op, acc, operandOf(argv[i + 2], step.operand));
        }
        resultDecimal(ctx, acc);
    } catch (const DecimalError& e) {
        decimalFailure(ctx, e);
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

// (d, scale): bytes that order as the decimal d of that scale orders, whichever form it is
// stored in (see sql::wideBytes).
void fnDecimalKey(sqlite3_context* ctx, int, sqlite3_value** argv) {
    try {
        const Decimal d = operandOf(argv[0], {kMaxDecimalPrecision, sqlite3_value_int(argv[1])});
        const std::string key = sql::wideBytes(d);
        sqlite3_result_blob(ctx, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
    } catch (const DecimalError& e) {
        decimalFailure(ctx, e);
    } catch (const sql::ConversionError& e) {
        resultError(ctx, e);
    }
}

// (key): the decimal a key stands for, in its stored form (MIN and MAX are taken of keys).
void fnDecimalOfKey(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto d = wideDecimalOf(argv[0]);
    if (!d)
        return resultError(ctx, ServerError::InternalError, {QStringLiteral("decimal key")});
    resultDecimal(ctx, *d);
}

// (d): a decimal as a float, as SQL Server converts one meeting a float.
void fnDecimalFloat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (const auto d = wideDecimalOf(argv[0]))
        return sqlite3_result_double(ctx, d->toDouble());
    sqlite3_result_value(ctx, argv[0]);
}

// (d): -d, of its own type.
void fnDecimalNegate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_INTEGER: {
            const std::int64_t n = sqlite3_value_int64(argv[0]);
            if (n != std::numeric_limits<std::int64_t>::min())
                return sqlite3_result_int64(ctx, -n);
            return resultDecimal(ctx, Decimal{-__int128(n), 0, kMaxDecimalPrecision});
        }
        case SQLITE_FLOAT:
            return sqlite3_result_double(ctx, -sqlite3_value_double(argv[0]));
        default:
            if (auto d = wideDecimalOf(argv[0])) {
                d->unscaled = -d->unscaled;
                return resultDecimal(ctx, *d);
            }
            sqlite3_result_value(ctx, argv[0]);
    }
}

// (d): |d|, of its own type.
void fnDecimalAbs(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto d = wideDecimalOf(argv[0]);
    if (d ? !d->isNegative() : sqlite3_value_double(argv[0]) >= 0)
        return sqlite3_result_value(ctx, argv[0]);
    fnDecimalNegate(ctx, argc, argv);
}

// (d): d where a function takes it as SQLite holds numbers; a decimal of more figures than a
// double holds is refused by name there.
void fnDecimalNarrow(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (wideDecimalOf(argv[0]))
        return resultError(ctx, ServerError::TooManyDigits);
    sqlite3_result_value(ctx, argv[0]);
}

}  // namespace helpers

void registerDecimalAggregates(sqlite3* db) {
    for (int scale = 0; scale <= kMaxDecimalPrecision; ++scale) {
        void* data = reinterpret_cast<void*>(static_cast<std::intptr_t>(scale));
        const std::string sum = sql::helper::kDecimalSum + std::to_string(scale);
        const std::string avg = sql::helper::kDecimalAvg + std::to_string(scale);
        sqlite3_create_function_v2(db, sum.c_str(), 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, data,
                                   nullptr, sumStep, sumFinal, nullptr);
        sqlite3_create_function_v2(db, avg.c_str(), 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, data,
                                   nullptr, sumStep, avgFinal, nullptr);
    }
}

}  // namespace ado
