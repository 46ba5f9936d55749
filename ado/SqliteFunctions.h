#pragma once

struct sqlite3;

namespace ado {

// Registers on a SQLite connection what the translated statements call: the collation
// SQLSERVER and the functions __cv, __convert, __plus, __dtadd, __getdate, __dateadd,
// __datediff, __datepart, __right, __charindex, __replicate, __str, __floor, __ceiling,
// __newid, __objid, __objectproperty, __object_id, SQL Server's LIKE (sets [a-c], letter case
// ignored, trailing blanks of the value ignored) and Unicode-aware upper and lower.
void registerSqlServerFunctions(sqlite3* db);

// The object id that sysobjects shows for a table name (stable, ignores letter case).
long long objectIdOf(const char* name);

}  // namespace ado
