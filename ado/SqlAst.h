#pragma once

#include "ado/SqlOperators.h"
#include "ado/SqlTypes.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

// The statements of SQL Server's dialect that the embedded engine understands, as a tree.
namespace sql {

struct Select;
struct Expr;
struct Stmt;
using ExprPtr = std::unique_ptr<Expr>;
using SelectPtr = std::unique_ptr<Select>;
using StmtPtr = std::unique_ptr<Stmt>;

// A name of up to three parts: [database].[schema].[object].
struct ObjectName {
    QString database;
    QString schema;
    QString object;
};

struct WhenClause {
    ExprPtr when;  // a condition, or with CASE's operand the value it is compared with
    ExprPtr then;
};

// One node of an expression. Each field serves the kinds noted beside it, and only them.
struct Expr {
    enum class Kind {
        Number,  // text: the literal as written (a negative one with its sign)
        String,  // text: the value; national: written N'...'
        Null,
        Column,    // qualifier (may be empty), text: the column's name
        Star,      // qualifier (may be empty)
        Variable,  // text: @name, @@name or ?n; declaredType (unknown: a caller's parameter)
        Unary,     // op: Negate, Plus, BitNot or Not; operand
        Binary,    // op; left, right
        Function,  // text: the name in lower case; args; distinct for count(distinct x)
        Case,      // operand (null: a searched CASE); whens; elseValue (may be null)
        Subquery,  // select
        Exists,    // select
        InList,    // operand IN (items); negated
        InSelect,  // operand IN (select); negated
        Between,   // operand BETWEEN low AND high; negated
        IsNull,    // operand IS NULL; negated
        Like,      // operand LIKE pattern [ESCAPE escape]; negated
        Cast,      // CAST/CONVERT of operand to castType, with CONVERT's style (may be null)
    };
    Kind kind = Kind::Null;
    Op op = Op::Or;
    QString text;
    QString qualifier;
    bool negated = false;
    bool national = false;
    bool distinct = false;
    ExprPtr left;
    ExprPtr right;
    ExprPtr operand;
    ExprPtr low;
    ExprPtr high;
    ExprPtr pattern;
    ExprPtr escape;
    ExprPtr style;
    ExprPtr elseValue;
    std::vector<WhenClause> whens;
    std::vector<ExprPtr> args;
    std::vector<ExprPtr> items;
    SelectPtr select;
    SqlType castType;
    SqlType declaredType;

    Expr() = default;
    Expr(Kind k, QString t = {}) : kind(k), text(std::move(t)) {}
    ~Expr();  // without recursion along long chains of operators
    Expr(const Expr&) = delete;
    Expr& operator=(const Expr&) = delete;
    // Every sub-expression, moved out (the node keeps its select).
    void takeChildren(std::vector<ExprPtr>& out);
    bool hasChildren() const;
};

struct TableRef {
    enum class Join { First, Comma, Inner, Left, Right, Full, Cross };
    Join join = Join::First;
    ObjectName name;
    SelectPtr derived;  // (SELECT ...) alias
    QString alias;
    ExprPtr on;
};

struct SelectItem {
    ExprPtr expr;
    QString alias;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    bool distinct = false;
    ExprPtr top;
    std::vector<SelectItem> items;
    std::vector<TableRef> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<OrderItem> orderBy;  // of the whole compound
    QString compoundOp;              // "UNION", "UNION ALL", "EXCEPT", "INTERSECT"
    SelectPtr compound;
    bool topPercent = false;  // TOP n PERCENT

    ~Select();  // without recursion along long UNION chains
};

struct ColumnDef {
    QString name;
    SqlType type;
    bool identity = false;
    std::int64_t identitySeed = 1;
    std::optional<bool> nullable;
    ExprPtr defaultValue;
    bool primaryKey = false;
    bool unique = false;
    QString constraintName;  // of an inline PRIMARY KEY
};

struct Assignment {
    QString column;
    ExprPtr value;
};

// The table constraints of a definition, apart from the columns' own.
struct TableConstraints {
    QString primaryKeyName;  // empty: unnamed
    QStringList primaryKey;
    std::vector<QStringList> uniques;
};

// ---- one node per kind of statement ----
struct NopStmt {};  // SET options, PRINT and the like
struct SelectStmt {
    SelectPtr select;
};
struct InsertStmt {
    ObjectName table;
    QStringList columns;                     // empty: all but the identity, by position
    std::vector<std::vector<ExprPtr>> rows;  // VALUES; with no select either: DEFAULT VALUES
    SelectPtr select;                        // INSERT ... SELECT
};
struct UpdateStmt {
    ObjectName table;
    std::vector<Assignment> sets;
    std::vector<TableRef> from;
    ExprPtr where;
};
struct DeleteStmt {
    ObjectName table;
    ExprPtr where;
    bool truncate = false;  // TRUNCATE TABLE: every row, and the identity restarts
};
struct CreateTableStmt {
    ObjectName table;
    std::vector<ColumnDef> columns;
    TableConstraints constraints;
};
struct AlterAddStmt {
    ObjectName table;
    std::vector<ColumnDef> columns;
};
struct AlterDropStmt {
    ObjectName table;
    QStringList columns;
};
struct DropTableStmt {
    ObjectName table;
    bool ifExists = false;
};
struct CreateViewStmt {
    ObjectName view;
    QStringList columns;  // the names given after the view's (may be empty)
    SelectPtr select;
};
struct DropViewStmt {
    ObjectName view;
    bool ifExists = false;
};
struct CreateDatabaseStmt {
    QString name;
};
struct CreateIndexStmt {
    QString index;
    ObjectName table;
    QStringList columns;
    bool unique = false;
};
struct DropIndexStmt {
    QString index;
};
struct IfStmt {
    ExprPtr condition;
    StmtPtr then;
    StmtPtr otherwise;  // ELSE (may be null)
};
struct WhileStmt {
    ExprPtr condition;
    StmtPtr body;
};
struct BlockStmt {  // BEGIN ... END, and the parts of DROP TABLE a, b or of one DECLARE
    std::vector<StmtPtr> statements;
};
struct SetVariableStmt {  // SET @a = value, and DECLARE @a type = value
    QString variable;     // @name as written
    SqlType type;         // the variable's declared type
    ExprPtr value;
};
struct BreakStmt {};
struct ContinueStmt {};
struct TransactionStmt {
    enum class Action { Begin, Commit, Rollback };
    Action action = Action::Begin;
};

struct Stmt {
    QString source;  // the statement's text, for messages
    std::variant<NopStmt, SelectStmt, InsertStmt, UpdateStmt, DeleteStmt, CreateTableStmt,
                 AlterAddStmt, AlterDropStmt, DropTableStmt, CreateViewStmt, DropViewStmt,
                 CreateDatabaseStmt, CreateIndexStmt, DropIndexStmt, IfStmt, WhileStmt, BlockStmt,
                 SetVariableStmt, BreakStmt, ContinueStmt, TransactionStmt>
        node;

    template <typename Node>
    const Node* as() const {
        return std::get_if<Node>(&node);
    }
    template <typename Node>
    bool is() const {
        return std::holds_alternative<Node>(node);
    }
};

// The table that a statement reads, changes or defines (null for the others).
const ObjectName* tableOf(const Stmt& s);

// A parsed batch: its statements and the other databases that it names.
struct Batch {
    std::vector<StmtPtr> statements;
    QStringList databases;          // database parts of three-part names
    bool usesDatabaseList = false;  // reads sysdatabases
    QStringList variables;          // @names as written and markers ?1, ?2..., once per mention
};

}  // namespace sql
