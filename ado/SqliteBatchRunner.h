#pragma once

#include "ado/Engine.h"
#include "ado/SqlAst.h"
#include "ado/SqlTypes.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>

// Runs the statements of a batch on the embedded engine: IF, WHILE, BREAK and CONTINUE,
// BEGIN/COMMIT/ROLLBACK TRANSACTION as savepoints, the batch's variables and the session's
// @@ values. The SQLite work of each statement is the engine's, asked through StatementHost.
namespace ado {

class StatementHost {
  public:
    virtual ~StatementHost() = default;
    // What running a statement translated for SQLite left behind.
    struct Outcome {
        std::int64_t rowCount = 0;             // for @@ROWCOUNT
        std::optional<std::int64_t> identity;  // the identity that an INSERT gave, if any
    };
    // A statement that the translator turns into SQLite statements; rows go to `out`.
    virtual Outcome runTranslated(const sql::Stmt& s, ResultSet* out) = 0;
    // The one value of the query of an IF or WHILE condition, or of a SET's new value.
    virtual sql::Scalar firstValue(const sql::Stmt& s) = 0;
    virtual void runCreateDatabase(const QString& name) = 0;
    // A statement of SQLite's own, without parameters (the savepoints).
    virtual void execute(const char* sqliteText) = 0;
};

class BatchRunner {
  public:
    explicit BatchRunner(StatementHost& host) : m_host(host) {}

    // Runs one batch's statements, its variables starting empty and no transaction open;
    // refuses a transaction left open at the end.
    void run(const std::vector<sql::StmtPtr>& statements, ResultSet* out);
    // The value of a placeholder that the engine binds: $name for the variable @name, $_name
    // for the session's @@name (NULL until set).
    sql::Scalar boundValue(const QString& key) const;

  private:
    // What a statement asks of the block that holds it.
    enum class Flow { Next, Break, Continue };

    Flow execute(const sql::Stmt& s, ResultSet* out);
    Flow loop(const sql::Stmt& s, const sql::WhileStmt& w, ResultSet* out);
    bool holds(const sql::Stmt& s);
    void transaction(sql::TransactionStmt::Action action);
    sql::Scalar sessionValue(const QString& name) const;

    StatementHost& m_host;
    QHash<QString, sql::Scalar> m_variables;  // of the running batch, by lower-case @name
    int m_transactions = 0;                   // BEGIN TRANSACTION not yet committed
    std::int64_t m_rowCount = 0;              // @@ROWCOUNT
    std::optional<std::int64_t> m_identity;   // @@IDENTITY, for the session
};

}  // namespace ado
