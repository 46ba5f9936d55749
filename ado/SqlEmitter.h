#pragma once

// The translator's insides, shared by its units: statements (SqlEmitStatements.cpp), table
// definitions (SqlEmitDefinitions.cpp) and expressions (SqlEmitExpressions.cpp).
#include "ado/SqlTranslator.h"

#include <optional>

namespace sql {

struct FunctionDef;

// What precedes an identity column's seed in its table's definition, in a comment.
inline constexpr QLatin1StringView kIdentitySeedMark{"identity_seed("};

// The operation that translation errors name.
inline constexpr const char* kOperation = "Translate";

[[noreturn]] void translationError(ado::ServerError error, const QStringList& arguments = {});

QString quoteName(const QString& name);
// The source type handed to the store and convert helpers after the target type when the
// target is numeric, so that an overflow names it as SQL Server does ("converting int to data
// type numeric"); empty when the source's type is not known (the helper then reads it from the
// value: a whole number of 32 bits is an int, another number numeric, text varchar).
QString sourceArgument(const SqlType& from, const SqlType& to);
QString quoteText(const QString& text);
// " COLLATE " and the collation's name
const QString& collateClause();

// An emitted expression with what is known of its type.
struct Typed {
    QString sql;
    SqlType type;
    std::optional<QString> stringLiteral;  // the value of a quoted literal
    bool textParameter = false;            // a parameter whose value is text
    int constantFigures = 0;               // of a whole-number constant: 3 has 1, -250 has 3
};

// The type of values of types `a` and `b` meeting in one result (CASE, IIF, COALESCE, UNION):
// a date-time by SQL Server's precedence (dateTimeBranchType, its clash a translation error),
// anything else as combinedType (SqlDecimals.h).
SqlType branchType(const SqlType& a, const SqlType& b);
// A branch read as the result's type `to` where that is a date-time of another stored form
// (a date at midnight as a datetime); other branches as they are.
Typed asBranchOf(const Typed& x, const SqlType& to);
// A decimal of a type that may be stored as a BLOB (holdsWideValues), as bytes that order as
// its value does: what such a decimal is sorted and compared by.
QString orderingKey(const Typed& x);

// A table, view or derived table that names may refer to.
struct Source {
    QString alias;
    std::vector<ColumnInfo> columns;
    bool known = false;
};

struct Scope {
    std::vector<Source> sources;
    const Scope* outer = nullptr;
};

struct SelectOut {
    QString sql;
    std::vector<ColumnInfo> columns;  // result columns (name, type)
    bool complete = true;             // every column is known (no unknown star)
};

class Emitter {
  public:
    explicit Emitter(SchemaSource& schema, const ParameterTypes* parameterTypes = nullptr)
        : m_schema(schema), m_parameterTypes(parameterTypes) {}

    Translation statement(const Stmt& s);
    QString condition(const Expr& e);
    // Keys of the parameters met so far, in the order of their placeholders.
    const QStringList& parameters() const { return m_parameters; }

    // ---- statements: one per kind that becomes SQLite statements (the engine runs the
    // others itself) ----
    void emit(const SelectStmt& s, Translation& t);
    void emit(const InsertStmt& s, Translation& t);
    void emit(const UpdateStmt& s, Translation& t);
    void emit(const DeleteStmt& s, Translation& t);
    void emit(const CreateTableStmt& s, Translation& t);
    void emit(const AlterAddStmt& s, Translation& t);
    void emit(const AlterDropStmt& s, Translation& t);
    void emit(const CreateIndexStmt& s, Translation& t);
    void emit(const DropIndexStmt& s, Translation& t);
    void emit(const DropTableStmt& s, Translation& t);
    void emit(const SetVariableStmt& s, Translation& t);
    void emit(const CreateViewStmt& s, Translation& t);
    void emit(const DropViewStmt& s, Translation& t);

  private:
    // ---- names ----
    QString tableName(const ObjectName& n) const;
    TableInfo requireTable(const ObjectName& n,
                           ado::ServerError missing = ado::ServerError::InvalidObjectName);

    // ---- queries ----
    QString tableRef(const TableRef& ref, Scope& scope);
    SelectOut select(const Select& s, const Scope* outer, bool forceAliases = false);
    QString compound(const std::vector<QString>& members, const std::vector<QString>& operators);
    QString selectCore(const Select& s, Scope& scope, SelectOut& out, bool forceAliases);
    QString columnSql(const ColumnDef& c, const QString& pkName);

    // ---- expressions ----
    Typed expr(const Expr& e, const Scope& scope);
    Typed binary(const Expr& e, const Scope& scope);
    Typed applyOperator(Op op, Typed l, Typed r);
    Typed function(const Expr& e, const Scope& scope);
    Typed parameter(const Expr& e);
    QString boundLiteral(const Expr& e, const Scope& scope);
    Typed variable(const Expr& e);
    Typed call(const FunctionDef& f, bool distinct, std::vector<Typed> args);
    Typed comparison(Op op, Typed l, Typed r);
    static Typed plus(const Typed& l, const Typed& r);
    static Typed coerce(Typed literal, const SqlType& to);
    static bool textual(const Typed& t);
    static std::optional<SqlType> resolve(const Scope& scope, const QString& qualifier,
                                          const QString& name);

    SchemaSource& m_schema;
    const ParameterTypes* m_parameterTypes;
    QStringList m_parameters;
    std::vector<BoundLiteral> m_literals;
    int m_depth = 0;       // of nested queries and expressions
    int m_aggregates = 0;  // aggregate calls emitted so far
};

}  // namespace sql
