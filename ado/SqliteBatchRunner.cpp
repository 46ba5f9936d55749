#include "ado/SqliteBatchRunner.h"

#include "ado/AdoError.h"

namespace ado {

namespace {
const QString kOperation = QStringLiteral("Sqlite");
}  // namespace

void BatchRunner::run(const std::vector<sql::StmtPtr>& statements, ResultSet* out) {
    m_variables.clear();  // a batch's variables live as long as the batch
    m_transactions = 0;
    for (const auto& s : statements)
        execute(*s, out);
    if (m_transactions > 0) {
        raise(kOperation, ServerError::NotSupported,
              {QStringLiteral("A transaction left open at the end of a batch")});
    }
}

BatchRunner::Flow BatchRunner::execute(const sql::Stmt& s, ResultSet* out) {
    return std::visit(
        [&](const auto& node) -> Flow {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<Node, sql::NopStmt>) {
                return Flow::Next;
            } else if constexpr (std::is_same_v<Node, sql::BlockStmt>) {
                for (const auto& inner : node.statements) {
                    if (const Flow f = execute(*inner, out); f != Flow::Next)
                        return f;
                }
                return Flow::Next;
            } else if constexpr (std::is_same_v<Node, sql::IfStmt>) {
                if (holds(s))
                    return execute(*node.then, out);
                return node.otherwise ? execute(*node.otherwise, out) : Flow::Next;
            } else if constexpr (std::is_same_v<Node, sql::WhileStmt>) {
                return loop(s, node, out);
            } else if constexpr (std::is_same_v<Node, sql::BreakStmt>) {
                return Flow::Break;
            } else if constexpr (std::is_same_v<Node, sql::ContinueStmt>) {
                return Flow::Continue;
            } else if constexpr (std::is_same_v<Node, sql::TransactionStmt>) {
                transaction(node.action);
                return Flow::Next;
            } else if constexpr (std::is_same_v<Node, sql::CreateDatabaseStmt>) {
                m_host.runCreateDatabase(node.name);
                return Flow::Next;
            } else if constexpr (std::is_same_v<Node, sql::SetVariableStmt>) {
                m_variables.insert(node.variable.toLower(), m_host.firstValue(s));
                m_rowCount = 1;
                return Flow::Next;
            } else {
                const StatementHost::Outcome done = m_host.runTranslated(s, out);
                m_rowCount = done.rowCount;
                if (done.identity)
                    m_identity = done.identity;
                return Flow::Next;
            }
        },
        s.node);
}

// BREAK leaves the innermost WHILE, CONTINUE starts its next round.
BatchRunner::Flow BatchRunner::loop(const sql::Stmt& s, const sql::WhileStmt& w, ResultSet* out) {
    while (holds(s)) {
        if (execute(*w.body, out) == Flow::Break)
            break;
    }
    return Flow::Next;
}

bool BatchRunner::holds(const sql::Stmt& s) {
    const sql::Scalar v = m_host.firstValue(s);
    return v.kind == sql::Scalar::Kind::Int && v.i != 0;
}

// BEGIN TRANSACTION, COMMIT and ROLLBACK inside the batch's own transaction: the outermost
// BEGIN sets a savepoint, which its COMMIT releases and any ROLLBACK returns to; inner ones
// only count, as @@TRANCOUNT does.
void BatchRunner::transaction(sql::TransactionStmt::Action action) {
    using Action = sql::TransactionStmt::Action;
    m_rowCount = 0;
    if (action == Action::Begin) {
        if (m_transactions++ == 0)
            m_host.execute("SAVEPOINT oxta_transaction");
        return;
    }
    const bool commit = action == Action::Commit;
    if (m_transactions == 0) {
        raise(kOperation,
              commit ? ServerError::CommitWithoutBegin : ServerError::RollbackWithoutBegin);
    }
    if (commit && --m_transactions > 0)
        return;
    if (!commit) {
        m_transactions = 0;
        m_host.execute("ROLLBACK TO oxta_transaction");
    }
    m_host.execute("RELEASE oxta_transaction");
}

sql::Scalar BatchRunner::boundValue(const QString& key) const {
    if (key.startsWith(u"$_"))
        return sessionValue(key.mid(2));
    return m_variables.value(u'@' + key.mid(1));
}

sql::Scalar BatchRunner::sessionValue(const QString& name) const {
    if (name == u"rowcount")
        return sql::Scalar::ofInt(m_rowCount);
    if (name == u"identity")
        return m_identity ? sql::Scalar::ofInt(*m_identity) : sql::Scalar::null();
    if (name == u"trancount")
        return sql::Scalar::ofInt(m_transactions);
    return sql::Scalar::ofInt(0);  // @@ERROR: an error ends the batch here
}

}  // namespace ado
