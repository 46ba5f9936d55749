#pragma once

#include "ado/SqlAst.h"

#include <QString>
#include <QStringList>

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

struct Translation {
    QStringList statements;  // SQLite statements, run in order
    // Per result column of a query: the SQL Server type and name where known.
    std::vector<SqlType> resultTypes;
    QStringList resultNames;
    bool changesSchema = false;
};

class Translator {
  public:
    explicit Translator(SchemaSource& schema) : m_schema(schema) {}
    // Every kind of statement except If, Block, CreateDatabase and Nop, which the engine runs
    // itself. Throws ado::Error with SQL Server's message.
    Translation translate(const Stmt& stmt);
    // A query that yields 1 when the condition holds, else 0.
    QString condition(const Expr& condition);

  private:
    SchemaSource& m_schema;
};

}  // namespace sql
