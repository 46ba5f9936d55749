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

// How each kind of statement is translated. The engine runs If, While, Break, Continue,
// Block, CreateDatabase and Nop itself.
struct StatementRule {
    Stmt::Kind kind;
    void (Emitter::*emit)(const Stmt&, Translation&);
    bool changesSchema;
};

const StatementRule kStatements[] = {
    {Stmt::Kind::Select, &Emitter::selectStatement, false},
    {Stmt::Kind::Insert, &Emitter::insertStatement, false},
    {Stmt::Kind::Update, &Emitter::updateStatement, false},
    {Stmt::Kind::Delete, &Emitter::deleteStatement, false},
    {Stmt::Kind::CreateTable, &Emitter::createTable, true},
    {Stmt::Kind::AlterAdd, &Emitter::alterAdd, true},
    {Stmt::Kind::AlterDrop, &Emitter::alterDrop, true},
    {Stmt::Kind::CreateIndex, &Emitter::createIndex, true},
    {Stmt::Kind::DropIndex, &Emitter::dropIndex, true},
    {Stmt::Kind::DropTable, &Emitter::dropTable, true},
    {Stmt::Kind::SetVariable, &Emitter::setVariable, false},
    {Stmt::Kind::CreateView, &Emitter::createView, true},
    {Stmt::Kind::DropView, &Emitter::dropView, true},
};

}  // namespace

Translation Emitter::statement(const Stmt& s) {
    for (const StatementRule& rule : kStatements) {
        if (rule.kind != s.kind)
            continue;
        Translation t;
        (this->*rule.emit)(s, t);
        t.changesSchema = rule.changesSchema;
        t.parameters = m_parameters;
        t.literals = std::move(m_literals);
        return t;
    }
    translationError(ado::ServerError::InternalError,
                     {QStringLiteral("statement kind not translatable")});
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
