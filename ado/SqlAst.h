#pragma once

#include "ado/SqlOperators.h"
#include "ado/SqlTypes.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
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

struct Expr {
    enum class Kind {
        Number,  // text: the literal
        String,  // text: the value
        Null,
        Column,    // qualifier (may be empty), text: column name
        Star,      // qualifier (may be empty)
        Variable,  // text: @name; castType: its declared type (unknown: not declared)
        Unary,     // op: Negate, Plus, BitNot or Not; args[0]
        Binary,    // op; args[0], args[1]
        Function,  // text: name; args; distinct for count(distinct x)
        Case,      // hasOperand: args[0] is the operand; then WHEN/THEN pairs; hasElse: last
        Subquery,  // select
        Exists,    // select; negated
        InList,    // args[0] IN (args[1..]); negated
        InSelect,  // args[0] IN (select); negated
        Between,   // args[0] BETWEEN args[1] AND args[2]; negated
        IsNull,    // args[0] IS NULL; negated
        Like,      // args[0] LIKE args[1] [ESCAPE args[2]]; negated
        Cast,      // CAST/CONVERT: args[0] to castType
    };
    Kind kind = Kind::Null;
    Op op = Op::Or;  // Unary, Binary
    QString text;
    QString qualifier;
    bool negated = false;
    bool national = false;  // String: written N'...'
    bool distinct = false;
    bool hasOperand = false;
    bool hasElse = false;
    std::vector<ExprPtr> args;
    SelectPtr select;
    SqlType castType;

    ~Expr();  // without recursion along long chains of operators
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

struct Stmt {
    enum class Kind {
        Nop,  // SET options and the like
        Select,
        Insert,
        Update,
        Delete,
        CreateTable,
        AlterAdd,
        AlterDrop,
        DropTable,
        CreateView,  // table; columns: the names given (may be empty); select
        DropView,
        CreateDatabase,
        CreateIndex,  // table; primaryKeyName: the index; columns; unique
        DropIndex,    // primaryKeyName: the index
        If,
        Block,
        SetVariable,  // definitions[0]: the variable (@name), its type and the new value
        While,        // condition; thenBranch: the body
        Break,
        Continue,
        BeginTransaction,
        Commit,
        Rollback,
    };
    Kind kind = Kind::Nop;
    QString source;  // the statement's text, for messages
    ObjectName table;
    SelectPtr select;  // SELECT, INSERT ... SELECT
    // INSERT: target columns (empty: all, by position) and VALUES rows (none and no select:
    // DEFAULT VALUES). ALTER DROP: columns.
    QStringList columns;
    std::vector<std::vector<ExprPtr>> rows;
    // UPDATE
    std::vector<std::pair<QString, ExprPtr>> sets;
    std::vector<TableRef> from;
    ExprPtr where;
    // CREATE TABLE / ALTER ADD
    std::vector<ColumnDef> definitions;
    QString primaryKeyName;
    QStringList primaryKey;
    std::vector<QStringList> uniques;
    bool ifExists = false;  // DROP TABLE IF EXISTS
    bool truncate = false;  // TRUNCATE TABLE: a DELETE that restarts the identity
    bool unique = false;    // CREATE UNIQUE INDEX
    // IF
    ExprPtr condition;
    StmtPtr thenBranch;
    StmtPtr elseBranch;
    std::vector<StmtPtr> body;  // BEGIN ... END
};

// A parsed batch: its statements and the other databases that it names.
struct Batch {
    std::vector<StmtPtr> statements;
    QStringList databases;          // database parts of three-part names
    bool usesDatabaseList = false;  // reads sysdatabases
    QStringList variables;          // @names as written and markers ?1, ?2..., once per mention
};

// Is `name` one of the server's catalogue views (sysobjects, syscolumns, sysindexes,
// sysdatabases, ...)?
bool isCatalogView(const ObjectName& name);

}  // namespace sql
