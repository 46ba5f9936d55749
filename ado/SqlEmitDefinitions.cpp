#include "ado/SqlEmitter.h"

// Statements that define tables and indexes.
namespace sql {

using Base = SqlType::Base;

QString Emitter::columnSql(const ColumnDef& c, const QString& pkName) {
    if (c.identity) {
        // The seed is kept in the definition's text, where TRUNCATE TABLE finds it again.
        QString sql = quoteName(c.name) + QStringLiteral(" INTEGER");
        if (c.identitySeed != 1)
            sql += QStringLiteral(" /*") + kIdentitySeedMark + QString::number(c.identitySeed) +
                   QStringLiteral(")*/");
        if (!pkName.isEmpty())
            sql += QStringLiteral(" CONSTRAINT ") + quoteName(pkName);
        return sql + QStringLiteral(" PRIMARY KEY AUTOINCREMENT NOT NULL");
    }
    // SQLite takes only numbers in a declared type: (max) is kept as (-1).
    QString sql = quoteName(c.name) + u' ' +
                  c.type.name().replace(QStringLiteral("(max)"), QStringLiteral("(-1)"));
    if (c.type.isText())
        sql += collateClause();
    if (c.nullable == false || c.primaryKey)
        sql += QStringLiteral(" NOT NULL");
    if (c.defaultValue) {
        Scope scope;
        sql += QStringLiteral(" DEFAULT (") + expr(*c.defaultValue, scope).sql + u')';
    }
    if (c.primaryKey && pkName.isEmpty()) {
        sql += QStringLiteral(" CONSTRAINT ") + quoteName(c.constraintName) +
               QStringLiteral(" PRIMARY KEY");
    }
    if (c.unique)
        sql += QStringLiteral(" UNIQUE");
    return sql;
}

void Emitter::emit(const CreateTableStmt& s, Translation& t) {
    QStringList pk = s.constraints.primaryKey;
    QString pkName = s.constraints.primaryKeyName;
    for (const ColumnDef& c : s.columns) {
        if (c.primaryKey) {
            if (!pk.isEmpty())
                translationError(ado::ServerError::MultiplePrimaryKeys, {s.table.object});
            pk << c.name;
            pkName = c.constraintName;
        }
    }
    if (!pk.isEmpty() && pkName.isEmpty())
        pkName = QStringLiteral("PK_") + s.table.object;
    const ColumnDef* identity = nullptr;
    for (const ColumnDef& c : s.columns) {
        if (!c.identity)
            continue;
        if (identity)
            translationError(ado::ServerError::MultipleIdentity, {s.table.object});
        if (!c.type.isInteger() && !(c.type.base == Base::Numeric && c.type.scale == 0)) {
            translationError(ado::ServerError::IdentityType, {c.name});
        }
        if (c.nullable == true)
            translationError(ado::ServerError::IdentityNullable, {c.name, s.table.object});
        if (!pk.isEmpty() && !(pk.size() == 1 && pk[0].compare(c.name, Qt::CaseInsensitive) == 0)) {
            translationError(ado::ServerError::IdentityPlacement);
        }
        identity = &c;
    }
    QStringList parts;
    for (const ColumnDef& c : s.columns) {
        parts << columnSql(c, c.identity ? pkName : QString());
    }
    // An inline PRIMARY KEY was emitted with its column; a table-level one (or an inline one
    // named by the column) is emitted here unless the identity column carries it.
    if (!pk.isEmpty() && !identity) {
        bool inlinePk = false;
        for (const ColumnDef& c : s.columns)
            inlinePk = inlinePk || c.primaryKey;
        if (!inlinePk) {
            QStringList cols;
            for (const QString& c : pk)
                cols << quoteName(c);
            parts << QStringLiteral("CONSTRAINT ") + quoteName(pkName) +
                         QStringLiteral(" PRIMARY KEY (") + cols.join(QStringLiteral(", ")) + u')';
        }
    }
    for (const QStringList& u : s.constraints.uniques) {
        QStringList cols;
        for (const QString& c : u)
            cols << quoteName(c);
        parts << QStringLiteral("UNIQUE (") + cols.join(QStringLiteral(", ")) + u')';
    }
    QStringList& out = t.statements;
    // A table with a primary key is stored in the key's order, as the server's clustered key
    // keeps it: a look-up by key is one search instead of a search in the key's index and
    // another in the table. An identity key stays SQLite's row number.
    const bool clustered = !pk.isEmpty() && !identity;
    out << QStringLiteral("CREATE TABLE ") + tableName(s.table) + QStringLiteral(" (") +
               parts.join(QStringLiteral(", ")) + u')' +
               (clustered ? QStringLiteral(" WITHOUT ROWID") : QString());
    if (identity && identity->identitySeed != 1) {
        out << QStringLiteral("INSERT INTO ") + quoteName(m_schema.schemaFor(s.table.database)) +
                   QStringLiteral(".sqlite_sequence (name, seq) VALUES (") +
                   quoteText(s.table.object) +
                   QStringLiteral(", %1)").arg(identity->identitySeed - 1);
    }
}

void Emitter::emit(const AlterAddStmt& s, Translation& t) {
    requireTable(s.table);
    for (const ColumnDef& c : s.columns) {
        if (c.identity)
            translationError(ado::ServerError::IdentityAdded);
        t.statements << QStringLiteral("ALTER TABLE ") + tableName(s.table) +
                            QStringLiteral(" ADD COLUMN ") + columnSql(c, QString());
    }
}

void Emitter::emit(const AlterDropStmt& s, Translation& t) {
    requireTable(s.table);
    for (const QString& c : s.columns) {
        t.statements << QStringLiteral("ALTER TABLE ") + tableName(s.table) +
                            QStringLiteral(" DROP COLUMN ") + quoteName(c);
    }
}

void Emitter::emit(const CreateIndexStmt& s, Translation& t) {
    requireTable(s.table);
    QStringList cols;
    for (const QString& c : s.columns)
        cols << quoteName(c);
    QString index = quoteName(s.index);
    const QString schema = m_schema.schemaFor(s.table.database);
    if (schema != u"main")
        index = quoteName(schema) + u'.' + index;
    t.statements << QStringLiteral("CREATE ") + (s.unique ? QStringLiteral("UNIQUE ") : QString()) +
                        QStringLiteral("INDEX ") + index + QStringLiteral(" ON ") +
                        quoteName(s.table.object) + QStringLiteral(" (") +
                        cols.join(QStringLiteral(", ")) + u')';
}

void Emitter::emit(const DropIndexStmt& s, Translation& t) {
    t.statements << QStringLiteral("DROP INDEX ") + quoteName(s.index);
}

void Emitter::emit(const DropTableStmt& s, Translation& t) {
    if (!s.ifExists)
        requireTable(s.table, ado::ServerError::CannotDropTable);
    t.statements << QStringLiteral("DROP TABLE IF EXISTS ") + tableName(s.table);
}

// CREATE VIEW: SQLite's view of the translated query. Every column needs a name, from the
// query or from the list after the view's name.
void Emitter::emit(const CreateViewStmt& s, Translation& t) {
    if (m_schema.table(s.view.database, s.view.object)) {
        translationError(ado::ServerError::ObjectExists, {s.view.object});
    }
    const SelectOut query = select(*s.select, nullptr);
    if (!s.columns.isEmpty() && query.complete &&
        static_cast<qsizetype>(query.columns.size()) != s.columns.size()) {
        translationError(ado::ServerError::ViewColumnCount);
    }
    if (s.columns.isEmpty()) {
        for (std::size_t i = 0; i < query.columns.size(); ++i) {
            if (query.columns[i].name.isEmpty()) {
                translationError(ado::ServerError::ViewColumnUnnamed, {QString::number(i + 1)});
            }
        }
    }
    QStringList names;
    for (const QString& c : s.columns)
        names << quoteName(c);
    t.statements << QStringLiteral("CREATE VIEW ") + tableName(s.view) +
                        (names.isEmpty() ? QString()
                                         : u'(' + names.join(QStringLiteral(", ")) + u')') +
                        QStringLiteral(" AS ") + query.sql;
}

void Emitter::emit(const DropViewStmt& s, Translation& t) {
    if (!s.ifExists)
        requireTable(s.view, ado::ServerError::CannotDropView);
    t.statements << QStringLiteral("DROP VIEW IF EXISTS ") + tableName(s.view);
}

}  // namespace sql
