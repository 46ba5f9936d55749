#pragma once

#include "ado/SqlFunctions.h"

struct sqlite3;

namespace ado {

// Registers on a SQLite connection what the translated statements call: the collation
// sql::kCollation, the helpers of sql::helper, the native functions of the function table,
// SQL Server's LIKE (sets [a-c], letter case ignored, trailing blanks of the value ignored)
// and Unicode-aware upper and lower.
void registerSqlServerFunctions(sqlite3* db);
// The aggregates of sql::helper::kDecimalSum and kDecimalAvg, one for each scale.
void registerDecimalAggregates(sqlite3* db);

// The object id that sysobjects shows for a table name (stable, ignores letter case).
long long objectIdOf(const char* name);

// What the translator emits for operators, conversions and the catalogue views (sql::helper),
// each beside its family; SqliteFunctions.cpp registers them from one list.
namespace helpers {
int compareSqlServer(void*, int lenA, const void* a, int lenB, const void* b);  // the collation
void fnCv(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnConvertFrom(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnPlus(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDtAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnBitXor(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDivide(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnModulo(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnCheckRange(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnObjId(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimal(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalKey(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalOfKey(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalFloat(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalNegate(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalAbs(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnDecimalNarrow(sqlite3_context* ctx, int argc, sqlite3_value** argv);
}  // namespace helpers

// A float written as text in CONVERT's style 0, the style of CAST and of implicit conversions.
QString floatText(double d);

// The implementations behind SQL Server's functions, named in the function table.
namespace native {
void getDate(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void sysDateTime(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void left(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void right(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void str(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void floor(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void ceiling(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void newId(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void objectId(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void objectProperty(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void upper(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void lower(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void replace(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void substring(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void round(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dataLength(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateName(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateFromParts(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateTimeFromParts(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void dateTime2FromParts(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void timeFromParts(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void smallDateTimeFromParts(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void isDate(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void stuff(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void reverse(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void patIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void absolute(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void character(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void ascii(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void squareRoot(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void power(sqlite3_context* ctx, int argc, sqlite3_value** argv);
// SQLite's like(pattern, value [, escape]), for the LIKE operator.
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv);
}  // namespace native

}  // namespace ado
