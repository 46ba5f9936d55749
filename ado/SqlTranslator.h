#pragma once

#include "ado/SqlAst.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// Turns statements of SQL Server's dialect into SQLite statements. The translation keeps
// SQL Server's meaning with the help of the functions and the collation that the embedded
// engine registers:
//   - names: [x], dbo.x and db.dbo.x become SQLite names ("x", "db"."x");
//   - text columns compare through the collation SQLSERVER (letter case and trailing blanks
//     ignored), and so does every comparison that involves text;
//   - a quoted literal compared with a number or date-time column is read as a number or a
//     date-time here, as SQL Server converts it (and fails as SQL Server fails);
//   - every value stored by INSERT or UPDATE passes through __cv(value, 'type'), which converts
//     it to the column's declared SQL Server type or raises SQL Server's error;
//   - `+` becomes addition, text concatenation (||) or date arithmetic by the operands' types,
//     decided here when the types are known and by __plus at run time otherwise;
//   - SQL Server's functions map to SQLite's or to registered ones (__getdate, __dateadd, ...);
//   - sysobjects, syscolumns and sysdatabases become subqueries over SQLite's own catalogue.
namespace sql {

struct ColumnInfo {
    QString name;
    SqlType type;
    bool identity = false;
};

struct TableInfo {
    QString name;
    std::vector<ColumnInfo> columns;
    const ColumnInfo* column(const QString& name) const;
};

// What the translator needs to know about the databases.
class SchemaSource {
  public:
    virtual ~SchemaSource() = default;
    // The table's columns in order; nullopt when there is no such table.
    virtual std::optional<TableInfo> table(const QString& database, const QString& name) = 0;
    // SQLite's schema name for a database part of a name ("main" for the current database).
    virtual QString schemaFor(const QString& database) const = 0;
    virtual QString currentDatabase() const = 0;
};

// A literal of the statement bound to its placeholder instead of written into the SQLite text,
// so that statements that differ only in such values share one prepared statement: NULL, a
// whole number, a decimal (the double nearest its figures; those have at most 15 significant
// ones here) or a text.
struct BoundLiteral {
    bool null = false;
    std::optional<std::int64_t> whole;
    std::optional<double> real;
    QString text;
    bool operator==(const BoundLiteral&) const = default;
};

struct Translation {
    QStringList statements;  // SQLite statements, run in order
    // Per result column of a query: the SQL Server type and name where known.
    std::vector<SqlType> resultTypes;
    QStringList resultNames;
    bool changesSchema = false;
    // The parameters that the statements take, by key ("@name" in lower case; "#n" for
    // literals[n]): the one at index i is SQLite's placeholder ?(i+1).
    QStringList parameters;
    std::vector<BoundLiteral> literals;
};

// The types of a batch's parameters by key ("@name" in lower case). A variable becomes a
// placeholder of its parameter's type: text compares through the collation as a quoted
// literal does, a number is a number, a NULL value has no type.
using ParameterTypes = std::map<QString, SqlType>;

class Translator {
  public:
    explicit Translator(SchemaSource& schema, const ParameterTypes* parameters = nullptr)
        : m_schema(schema), m_parameterTypes(parameters) {}
    // Every kind of statement with an emit() of its own; the engine runs the others (If, While,
    // Block, transactions, CreateDatabase, Nop, ...) itself. Throws ado::Error with SQL Server's message (a variable without a parameter:
    // "Must declare the scalar variable").
    Translation translate(const Stmt& stmt);
    // A query that yields 1 when the condition holds, else 0; `parameters` receives the keys
    // of its placeholders as Translation::parameters does.
    QString condition(const Expr& condition, QStringList* parameters = nullptr);

  private:
    SchemaSource& m_schema;
    const ParameterTypes* m_parameterTypes;
};

}  // namespace sql
