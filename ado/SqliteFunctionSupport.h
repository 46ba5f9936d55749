#pragma once

#include "ado/SqlFunctions.h"
#include "ado/SqlTypes.h"

struct sqlite3_context;
struct sqlite3_value;

// What every family of the engine's SQLite functions shares: values between SQLite and
// Scalar, results, errors raised by name, the type arguments and the function's own name.
namespace ado::support {

sql::Scalar scalarOf(sqlite3_value* v);
QString textOf(sqlite3_value* v);
void resultText(sqlite3_context* ctx, const QString& text);
void resultScalar(sqlite3_context* ctx, const sql::Scalar& s);
// A decimal in its one stored form (sql::storedOfDecimal).
void resultDecimal(sqlite3_context* ctx, const Decimal& d);
// The decimal a BLOB holds (sql::wideBytes); nullopt for any other value.
std::optional<Decimal> wideDecimalOf(sqlite3_value* v);

// Fails the call with one of SQL Server's errors, whose identity SQLite carries to the engine
// as the extended result code.
void resultError(sqlite3_context* ctx, ServerError error, const QStringList& arguments = {});
void resultError(sqlite3_context* ctx, const sql::ConversionError& e);

// The SQL Server name of the function being run, from its entry in the function table.
QString calledName(sqlite3_context* ctx);

// The SQL Server type named by a constant argument ('numeric(12,2)'), parsed once per process
// and type text.
sql::SqlType typeArgument(sqlite3_value** argv, int index);

// A number argument; text is read as SQL Server reads it into a float.
double numberArg(sqlite3_value* v);

bool anyNull(int argc, sqlite3_value** argv);

}  // namespace ado::support
