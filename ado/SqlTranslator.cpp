#include "ado/SqlEmitter.h"

#include "ado/AdoError.h"
#include "ado/SqlFunctions.h"

namespace sql {

const ColumnInfo* TableInfo::column(const QString& wanted) const {
    for (const ColumnInfo& c : columns) {
        if (c.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

void translationError(ado::ServerError error, const QStringList& arguments) {
    ado::raise(QString::fromLatin1(kOperation), error, arguments);
}

QString quoteName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString quoteText(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

const QString& collateClause() {
    static const QString clause = QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
    return clause;
}

namespace {

// The statements that change the schema, which makes every translation stale.
template <typename Node>
constexpr bool kChangesSchema =
    std::is_same_v<Node, CreateTableStmt> || std::is_same_v<Node, AlterAddStmt> ||
    std::is_same_v<Node, AlterDropStmt> || std::is_same_v<Node, CreateIndexStmt> ||
    std::is_same_v<Node, DropIndexStmt> || std::is_same_v<Node, DropTableStmt> ||
    std::is_same_v<Node, CreateViewStmt> || std::is_same_v<Node, DropViewStmt>;

}  // namespace

// Each kind of statement that has an emit() of its own; the engine runs If, While, Break,
// Continue, Block, transactions, CreateDatabase and Nop itself.
Translation Emitter::statement(const Stmt& s) {
    Translation t;
    std::visit(
        [&](const auto& node) {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (requires { this->emit(node, t); }) {
                emit(node, t);
                t.changesSchema = kChangesSchema<Node>;
            } else {
                translationError(ado::ServerError::InternalError,
                                 {QStringLiteral("statement kind not translatable")});
            }
        },
        s.node);
    t.parameters = m_parameters;
    t.literals = std::move(m_literals);
    return t;
}

QString Emitter::condition(const Expr& e) {
    Scope scope;
    return QStringLiteral("SELECT CASE WHEN ") + expr(e, scope).sql +
           QStringLiteral(" THEN 1 ELSE 0 END");
}

QString Emitter::tableName(const ObjectName& n) const {
    const QString schema = m_schema.schemaFor(n.database);
    if (schema.compare(u"main", Qt::CaseInsensitive) == 0)
        return quoteName(n.object);
    return quoteName(schema) + u'.' + quoteName(n.object);
}

TableInfo Emitter::requireTable(const ObjectName& n, ado::ServerError missing) {
    auto info = m_schema.table(n.database, n.object);
    if (!info)
        translationError(missing, {n.object});
    return *info;
}

Translation Translator::translate(const Stmt& stmt) {
    return Emitter(m_schema, m_parameterTypes).statement(stmt);
}

QString Translator::condition(const Expr& condition, QStringList* parameters) {
    Emitter emitter(m_schema, m_parameterTypes);
    QString sql = emitter.condition(condition);
    if (parameters)
        *parameters = emitter.parameters();
    return sql;
}

}  // namespace sql
