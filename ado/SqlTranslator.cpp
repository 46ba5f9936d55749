#include "ado/SqlTranslator.h"

#include "ado/AdoError.h"

namespace sql {

const ColumnInfo* TableInfo::column(const QString& wanted) const {
    for (const ColumnInfo& c : columns) {
        if (c.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

namespace {

using Base = SqlType::Base;

[[noreturn]] void fail(const QString& message) {
    throw ado::Error(QStringLiteral("Translate"), message);
}

QString quote(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString quoteText(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

const QString kCollate = QStringLiteral(" COLLATE ") + QLatin1String(kCollation);

// An emitted expression with what is known of its type.
struct Typed {
    QString sql;
    SqlType type;
    std::optional<QString> stringLiteral;  // the value of a quoted literal
};

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

SqlType numberLiteralType(const QString& text) {
    const qsizetype dot = text.indexOf(u'.');
    if (text.contains(u'e') || text.contains(u'E'))
        return SqlType{Base::Float};
    if (dot < 0) {
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        if (ok && v >= INT32_MIN && v <= INT32_MAX)
            return SqlType{Base::Int};
        return SqlType{Base::Numeric, 0, 38, 0};
    }
    return SqlType{Base::Numeric, 0, 38, static_cast<int>(text.size() - dot - 1)};
}

SqlType arithmeticType(const SqlType& a, const SqlType& b) {
    if (!a.isNumber() || !b.isNumber())
        return {};
    if (a.base == Base::Float || b.base == Base::Float)
        return SqlType{Base::Float};
    if (a.isInteger() && b.isInteger()) {
        return (a.base == Base::BigInt || b.base == Base::BigInt) ? SqlType{Base::BigInt}
                                                                  : SqlType{Base::Int};
    }
    return SqlType{Base::Numeric, 0, 38, std::max(a.scale, b.scale)};
}

class Emitter {
  public:
    explicit Emitter(SchemaSource& schema) : m_schema(schema) {}

    Translation statement(const Stmt& s) {
        Translation t;
        switch (s.kind) {
            case Stmt::Kind::Select: {
                const SelectOut out = select(*s.select, nullptr);
                t.statements << out.sql;
                if (out.complete) {
                    for (const ColumnInfo& c : out.columns) {
                        t.resultTypes.push_back(c.type);
                        t.resultNames << c.name;
                    }
                }
                break;
            }
            case Stmt::Kind::Insert:
                t.statements << insert(s);
                break;
            case Stmt::Kind::Update:
                t.statements << update(s);
                break;
            case Stmt::Kind::Delete: {
                Scope scope;
                const TableInfo info = requireTable(s.table);
                scope.sources.push_back(Source{info.name, info.columns, true});
                QString sql = QStringLiteral("DELETE FROM ") + tableName(s.table);
                if (s.where)
                    sql += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
                t.statements << sql;
                break;
            }
            case Stmt::Kind::CreateTable:
                t.statements = createTable(s);
                t.changesSchema = true;
                break;
            case Stmt::Kind::AlterAdd: {
                requireTable(s.table);
                for (const ColumnDef& c : s.definitions) {
                    if (c.identity)
                        fail(
                            QStringLiteral("The embedded engine cannot add an IDENTITY column to "
                                           "an existing table."));
                    t.statements << QStringLiteral("ALTER TABLE ") + tableName(s.table) +
                                        QStringLiteral(" ADD COLUMN ") + columnSql(c, QString());
                }
                t.changesSchema = true;
                break;
            }
            case Stmt::Kind::AlterDrop:
                requireTable(s.table);
                for (const QString& c : s.columns) {
                    t.statements << QStringLiteral("ALTER TABLE ") + tableName(s.table) +
                                        QStringLiteral(" DROP COLUMN ") + quote(c);
                }
                t.changesSchema = true;
                break;
            case Stmt::Kind::CreateIndex: {
                requireTable(s.table);
                QStringList cols;
                for (const QString& c : s.columns)
                    cols << quote(c);
                QString index = quote(s.primaryKeyName);
                const QString schema = m_schema.schemaFor(s.table.database);
                if (schema != u"main")
                    index = quote(schema) + u'.' + index;
                t.statements << QStringLiteral("CREATE ") +
                                    (s.unique ? QStringLiteral("UNIQUE ") : QString()) +
                                    QStringLiteral("INDEX ") + index + QStringLiteral(" ON ") +
                                    quote(s.table.object) + QStringLiteral(" (") +
                                    cols.join(QStringLiteral(", ")) + u')';
                t.changesSchema = true;
                break;
            }
            case Stmt::Kind::DropIndex:
                t.statements << QStringLiteral("DROP INDEX ") + quote(s.primaryKeyName);
                t.changesSchema = true;
                break;
            case Stmt::Kind::DropTable:
                if (!s.ifExists)
                    requireTable(s.table,
                                 QStringLiteral("Cannot drop the table '%1', because it does not "
                                                "exist or you do not have permission."));
                t.statements << QStringLiteral("DROP TABLE IF EXISTS ") + tableName(s.table);
                t.changesSchema = true;
                break;
            default:
                fail(QStringLiteral("Internal error: statement kind not translatable."));
        }
        return t;
    }

    QString condition(const Expr& e) {
        Scope scope;
        return QStringLiteral("SELECT CASE WHEN ") + expr(e, scope).sql +
               QStringLiteral(" THEN 1 ELSE 0 END");
    }

  private:
    // ---- names ----
    QString tableName(const ObjectName& n) const {
        const QString schema = m_schema.schemaFor(n.database);
        if (schema.compare(u"main", Qt::CaseInsensitive) == 0)
            return quote(n.object);
        return quote(schema) + u'.' + quote(n.object);
    }

    TableInfo requireTable(const ObjectName& n,
                           const QString& message = QStringLiteral("Invalid object name '%1'.")) {
        auto info = m_schema.table(n.database, n.object);
        if (!info)
            fail(message.arg(n.object));
        return *info;
    }

    // ---- catalogue views ----
    SelectOut catalogView(const ObjectName& n) {
        const QString schema = quote(m_schema.schemaFor(n.database));
        const QString master = schema + QStringLiteral(".sqlite_master");
        const QString userObjects = QStringLiteral(
            "type IN ('table','view','trigger') AND name NOT LIKE 'sqlite\\_%' "
            "ESCAPE '\\'");
        const QString objects =
            QStringLiteral("SELECT __objid(name) AS id, name") + kCollate +
            QStringLiteral(
                " AS name, CASE type WHEN 'table' THEN 'U ' WHEN 'view' THEN 'V ' "
                "ELSE 'TR' END") +
            kCollate + QStringLiteral(" AS xtype, 1 AS uid, 0 AS parent_obj FROM ") + master +
            QStringLiteral(" WHERE ") + userObjects;
        const QString columns =
            QStringLiteral("SELECT __objid(m.name) AS id, p.name") + kCollate +
            QStringLiteral(
                " AS name, p.cid + 1 AS colid, m.name AS tablename, p.type AS typename, "
                "p.\"notnull\" AS is_notnull FROM ") +
            master + QStringLiteral(" AS m, pragma_table_info(m.name, ") +
            quoteText(m_schema.schemaFor(n.database)) +
            QStringLiteral(
                ") AS p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' "
                "ESCAPE '\\'");
        const QString o = n.object.toLower();
        const QString schemaName = n.schema.toLower();
        const SqlType id{Base::Int};
        const SqlType name = SqlType::varchar(128);
        SelectOut out;
        if (schemaName == u"information_schema" && o == u"tables") {
            out.sql = QStringLiteral("SELECT ") + quoteText(m_schema.currentDatabase()) +
                      QStringLiteral(
                          " AS TABLE_CATALOG, 'dbo' AS TABLE_SCHEMA, name AS TABLE_NAME, "
                          "CASE WHEN xtype = 'U' THEN 'BASE TABLE' ELSE 'VIEW' END AS "
                          "TABLE_TYPE FROM (") +
                      objects + QStringLiteral(") WHERE xtype IN ('U','V')");
            out.columns = {{"TABLE_CATALOG", name},
                           {"TABLE_SCHEMA", name},
                           {"TABLE_NAME", name},
                           {"TABLE_TYPE", SqlType::varchar(10)}};
        } else if (schemaName == u"information_schema" && o == u"columns") {
            out.sql = QStringLiteral("SELECT 'dbo' AS TABLE_SCHEMA, tablename") + kCollate +
                      QStringLiteral(
                          " AS TABLE_NAME, name AS COLUMN_NAME, colid AS "
                          "ORDINAL_POSITION, CASE typename WHEN 'INTEGER' THEN 'bigint' ELSE "
                          "rtrim(substr(typename, 1, instr(typename || '(', '(') - 1)) END AS "
                          "DATA_TYPE, CASE is_notnull WHEN 0 "
                          "THEN 'YES' ELSE 'NO' END AS IS_NULLABLE FROM (") +
                      columns + u')';
            out.columns = {{"TABLE_SCHEMA", name}, {"TABLE_NAME", name},
                           {"COLUMN_NAME", name},  {"ORDINAL_POSITION", id},
                           {"DATA_TYPE", name},    {"IS_NULLABLE", SqlType::varchar(3)}};
        } else if (o == u"sysobjects" || o == u"objects" || o == u"tables") {
            out.sql = objects;
            if (o == u"sysobjects") {
                out.sql = QStringLiteral(
                              "SELECT id, name, xtype, xtype AS type, uid, parent_obj FROM (") +
                          objects + u')';
                out.columns = {{"id", id},
                               {"name", name},
                               {"xtype", SqlType{Base::Char, 2}},
                               {"type", SqlType{Base::Char, 2}},
                               {"uid", id},
                               {"parent_obj", id}};
            } else {
                out.sql = QStringLiteral("SELECT id AS object_id, name, xtype AS type FROM (") +
                          objects + u')' +
                          (o == u"tables" ? QStringLiteral(" WHERE xtype = 'U'") : QString());
                out.columns = {{"object_id", id}, {"name", name}, {"type", SqlType{Base::Char, 2}}};
            }
        } else if (o == u"sysindexes" || o == u"indexes") {
            out.sql =
                QStringLiteral(
                    "SELECT __objid(tbl_name) AS id, __objid(tbl_name) AS object_id, name") +
                kCollate + QStringLiteral(" AS name FROM ") + master +
                QStringLiteral(" WHERE type = 'index' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
            out.columns = {{"id", id}, {"object_id", id}, {"name", name}};
        } else if (o == u"syscolumns" || o == u"columns") {
            if (o == u"syscolumns") {
                out.sql = QStringLiteral("SELECT id, name, colid FROM (") + columns + u')';
                out.columns = {{"id", id}, {"name", name}, {"colid", id}};
            } else {
                out.sql =
                    QStringLiteral("SELECT id AS object_id, name, colid AS column_id FROM (") +
                    columns + u')';
                out.columns = {{"object_id", id}, {"name", name}, {"column_id", id}};
            }
        } else {  // sysdatabases, sys.databases
            out.sql =
                QStringLiteral("SELECT name") + kCollate +
                QStringLiteral(" AS name, dbid, dbid AS database_id FROM temp.__oxta_databases");
            out.columns = {{"name", name}, {"dbid", id}, {"database_id", id}};
        }
        return out;
    }

    // ---- SELECT ----
    QString tableRef(const TableRef& ref, Scope& scope) {
        if (ref.derived) {
            const SelectOut inner = select(*ref.derived, scope.outer);
            scope.sources.push_back(Source{ref.alias, inner.columns, inner.complete});
            return u'(' + inner.sql + QStringLiteral(") AS ") + quote(ref.alias);
        }
        const QString alias = ref.alias.isEmpty() ? ref.name.object : ref.alias;
        if (isCatalogView(ref.name) && !m_schema.table(ref.name.database, ref.name.object)) {
            const SelectOut view = catalogView(ref.name);
            scope.sources.push_back(Source{alias, view.columns, true});
            return u'(' + view.sql + QStringLiteral(") AS ") + quote(alias);
        }
        const auto info = m_schema.table(ref.name.database, ref.name.object);
        if (!info)
            fail(QStringLiteral("Invalid object name '%1'.").arg(ref.name.object));
        scope.sources.push_back(Source{alias, info->columns, true});
        QString sql = tableName(ref.name);
        if (!ref.alias.isEmpty())
            sql += QStringLiteral(" AS ") + quote(ref.alias);
        return sql;
    }

    SelectOut select(const Select& s, const Scope* outer, bool forceAliases = false) {
        SelectOut out;
        Scope scope;
        scope.outer = outer;
        QString from;
        for (const TableRef& ref : s.from) {
            switch (ref.join) {
                case TableRef::Join::First:
                    break;
                case TableRef::Join::Comma:
                    from += QStringLiteral(", ");
                    break;
                case TableRef::Join::Inner:
                    from += QStringLiteral(" INNER JOIN ");
                    break;
                case TableRef::Join::Left:
                    from += QStringLiteral(" LEFT JOIN ");
                    break;
                case TableRef::Join::Right:
                    from += QStringLiteral(" RIGHT JOIN ");
                    break;
                case TableRef::Join::Full:
                    from += QStringLiteral(" FULL JOIN ");
                    break;
                case TableRef::Join::Cross:
                    from += QStringLiteral(" CROSS JOIN ");
                    break;
            }
            from += tableRef(ref, scope);
            if (ref.on)
                from += QStringLiteral(" ON ") + expr(*ref.on, scope).sql;
        }

        QStringList items;
        int n = 0;
        for (const SelectItem& item : s.items) {
            ++n;
            if (item.expr->kind == Expr::Kind::Star) {
                const QString& q = item.expr->qualifier;
                items << (q.isEmpty() ? QStringLiteral("*") : quote(q) + QStringLiteral(".*"));
                bool matched = false;
                for (const Source& src : scope.sources) {
                    if (!q.isEmpty() && src.alias.compare(q, Qt::CaseInsensitive) != 0)
                        continue;
                    matched = true;
                    if (!src.known)
                        out.complete = false;
                    out.columns.insert(out.columns.end(), src.columns.begin(), src.columns.end());
                }
                if (!matched)
                    out.complete = false;
                continue;
            }
            const Typed t = expr(*item.expr, scope);
            QString name = item.alias;
            if (name.isEmpty() && item.expr->kind == Expr::Kind::Column)
                name = item.expr->text;
            QString sql = t.sql;
            if (forceAliases) {
                sql += QStringLiteral(" AS ") + quote(QStringLiteral("__c%1").arg(n));
            } else if (!item.alias.isEmpty()) {
                sql += QStringLiteral(" AS ") + quote(item.alias);
            }
            items << sql;
            out.columns.push_back(ColumnInfo{name, t.type});
        }

        QString sql = QStringLiteral("SELECT ");
        if (s.distinct)
            sql += QStringLiteral("DISTINCT ");
        sql += items.join(QStringLiteral(", "));
        if (!from.isEmpty())
            sql += QStringLiteral(" FROM ") + from;
        if (s.where)
            sql += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
        if (!s.groupBy.empty()) {
            QStringList g;
            for (const ExprPtr& e : s.groupBy)
                g << expr(*e, scope).sql;
            sql += QStringLiteral(" GROUP BY ") + g.join(QStringLiteral(", "));
        }
        if (s.having)
            sql += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
        if (s.compound) {
            if (s.top)
                fail(QStringLiteral("The embedded engine does not support TOP with UNION."));
            const SelectOut next = select(*s.compound, outer);
            sql += u' ' + s.compoundOp + u' ' + next.sql;
        }
        if (!s.orderBy.empty()) {
            QStringList o;
            for (const OrderItem& item : s.orderBy) {
                // A name of the select list orders by that result column.
                const Expr& e = *item.expr;
                QString term;
                if (e.kind == Expr::Kind::Column && e.qualifier.isEmpty() &&
                    !resolve(scope, QString(), e.text)) {
                    term = quote(e.text);
                } else {
                    term = expr(e, scope).sql;
                }
                o << term + (item.descending ? QStringLiteral(" DESC") : QString());
            }
            sql += QStringLiteral(" ORDER BY ") + o.join(QStringLiteral(", "));
        }
        if (s.top)
            sql += QStringLiteral(" LIMIT ") + expr(*s.top, scope).sql;
        out.sql = sql;
        return out;
    }

    // ---- INSERT, UPDATE ----
    static QString store(const QString& sql, const SqlType& type) {
        return QStringLiteral("__cv(") + sql + QStringLiteral(", '") + type.name() +
               QStringLiteral("')");
    }

    QString insert(const Stmt& s) {
        const TableInfo info = requireTable(s.table);
        std::vector<const ColumnInfo*> targets;
        if (s.columns.isEmpty()) {
            for (const ColumnInfo& c : info.columns) {
                if (!c.identity)
                    targets.push_back(&c);
            }
        } else {
            for (const QString& name : s.columns) {
                const ColumnInfo* c = info.column(name);
                if (!c)
                    fail(QStringLiteral("Invalid column name '%1'.").arg(name));
                if (c->identity) {
                    fail(QStringLiteral("Cannot insert explicit value for identity column in table "
                                        "'%1' when IDENTITY_INSERT is set to OFF.")
                             .arg(info.name));
                }
                targets.push_back(c);
            }
        }
        QStringList names;
        for (const ColumnInfo* c : targets)
            names << quote(c->name);
        QString sql = QStringLiteral("INSERT INTO ") + tableName(s.table) + QStringLiteral(" (") +
                      names.join(QStringLiteral(", ")) + QStringLiteral(") ");
        const QString mismatch =
            s.columns.isEmpty()
                ? QStringLiteral(
                      "Column name or number of supplied values does not match table "
                      "definition.")
                : QStringLiteral(
                      "The number of values does not match the number of columns in "
                      "the INSERT statement.");
        if (s.select) {
            const SelectOut inner = select(*s.select, nullptr, true);
            if (!inner.complete) {
                sql += inner.sql;  // a star of an unknown source: SQLite checks the count
            } else {
                if (inner.columns.size() != targets.size())
                    fail(mismatch);
                QStringList values;
                for (std::size_t i = 0; i < targets.size(); ++i) {
                    values << store(quote(QStringLiteral("__c%1").arg(i + 1)), targets[i]->type);
                }
                bool hasStar = false;
                for (const SelectItem& item : s.select->items)
                    hasStar = hasStar || item.expr->kind == Expr::Kind::Star;
                if (hasStar) {
                    sql += inner.sql;
                } else {
                    sql += QStringLiteral("SELECT ") + values.join(QStringLiteral(", ")) +
                           QStringLiteral(" FROM (") + inner.sql + u')';
                }
            }
            return sql;
        }
        QStringList rows;
        Scope scope;
        for (const auto& row : s.rows) {
            if (row.size() != targets.size())
                fail(mismatch);
            QStringList values;
            for (std::size_t i = 0; i < row.size(); ++i) {
                values << store(expr(*row[i], scope).sql, targets[i]->type);
            }
            rows << u'(' + values.join(QStringLiteral(", ")) + u')';
        }
        return sql + QStringLiteral("VALUES ") + rows.join(QStringLiteral(", "));
    }

    // UPDATE t SET ... [FROM ...] [WHERE ...]. As in T-SQL, the target may be named by an
    // entry of the FROM list (UPDATE a SET ... FROM t a INNER JOIN u ON ...); the other entries
    // and every ON condition then join the WHERE clause.
    QString update(const Stmt& s) {
        const TableRef* self = nullptr;
        for (const TableRef& ref : s.from) {
            if (ref.derived)
                continue;
            const QString alias = ref.alias.isEmpty() ? ref.name.object : ref.alias;
            if (alias.compare(s.table.object, Qt::CaseInsensitive) == 0)
                self = &ref;
        }
        const ObjectName target = self ? self->name : s.table;
        const QString alias = self && !self->alias.isEmpty() ? self->alias : target.object;
        const TableInfo info = requireTable(target);
        Scope scope;
        scope.sources.push_back(Source{alias, info.columns, true});
        QStringList others;
        for (const TableRef& ref : s.from) {
            if (ref.join == TableRef::Join::Left || ref.join == TableRef::Join::Right ||
                ref.join == TableRef::Join::Full) {
                fail(QStringLiteral(
                    "The embedded engine does not support outer joins in UPDATE ... FROM."));
            }
            if (&ref != self)
                others << tableRef(ref, scope);
        }
        QStringList conditions;
        for (const TableRef& ref : s.from) {
            if (ref.on)
                conditions << expr(*ref.on, scope).sql;
        }
        if (s.where)
            conditions << expr(*s.where, scope).sql;
        QStringList sets;
        for (const auto& [name, value] : s.sets) {
            const ColumnInfo* c = info.column(name);
            if (!c)
                fail(QStringLiteral("Invalid column name '%1'.").arg(name));
            if (c->identity)
                fail(QStringLiteral("Cannot update identity column '%1'.").arg(c->name));
            sets << quote(c->name) + QStringLiteral(" = ") +
                        store(expr(*value, scope).sql, c->type);
        }
        QString sql = QStringLiteral("UPDATE ") + tableName(target);
        if (alias.compare(target.object, Qt::CaseInsensitive) != 0)
            sql += QStringLiteral(" AS ") + quote(alias);
        sql += QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
        if (!others.isEmpty())
            sql += QStringLiteral(" FROM ") + others.join(QStringLiteral(", "));
        if (!conditions.isEmpty())
            sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
        return sql;
    }

    // ---- CREATE TABLE ----
    QString columnSql(const ColumnDef& c, const QString& pkName) {
        if (c.identity) {
            QString sql = quote(c.name) + QStringLiteral(" INTEGER");
            if (!pkName.isEmpty())
                sql += QStringLiteral(" CONSTRAINT ") + quote(pkName);
            return sql + QStringLiteral(" PRIMARY KEY AUTOINCREMENT NOT NULL");
        }
        QString sql = quote(c.name) + u' ' + c.type.name();
        if (c.type.isText())
            sql += kCollate;
        if (c.nullable == false || c.primaryKey)
            sql += QStringLiteral(" NOT NULL");
        if (c.defaultValue) {
            Scope scope;
            sql += QStringLiteral(" DEFAULT (") + expr(*c.defaultValue, scope).sql + u')';
        }
        if (c.primaryKey && pkName.isEmpty()) {
            sql += QStringLiteral(" CONSTRAINT ") + quote(c.constraintName) +
                   QStringLiteral(" PRIMARY KEY");
        }
        if (c.unique)
            sql += QStringLiteral(" UNIQUE");
        return sql;
    }

    QStringList createTable(const Stmt& s) {
        QStringList pk = s.primaryKey;
        QString pkName = s.primaryKeyName;
        for (const ColumnDef& c : s.definitions) {
            if (c.primaryKey) {
                if (!pk.isEmpty())
                    fail(
                        QStringLiteral("Cannot add multiple PRIMARY KEY constraints to table '%1'.")
                            .arg(s.table.object));
                pk << c.name;
                pkName = c.constraintName;
            }
        }
        if (!pk.isEmpty() && pkName.isEmpty())
            pkName = QStringLiteral("PK_") + s.table.object;
        const ColumnDef* identity = nullptr;
        for (const ColumnDef& c : s.definitions) {
            if (!c.identity)
                continue;
            if (identity)
                fail(QStringLiteral("Multiple identity columns specified for table '%1'. Only one "
                                    "identity column per table is allowed.")
                         .arg(s.table.object));
            if (!c.type.isInteger() && !(c.type.base == Base::Numeric && c.type.scale == 0)) {
                fail(QStringLiteral("Identity column '%1' must be of data type int, bigint, "
                                    "smallint, tinyint, or decimal or numeric with a scale of 0, "
                                    "and constrained to be nonnullable.")
                         .arg(c.name));
            }
            if (!pk.isEmpty() &&
                !(pk.size() == 1 && pk[0].compare(c.name, Qt::CaseInsensitive) == 0)) {
                fail(
                    QStringLiteral("The embedded engine supports an IDENTITY column only as the "
                                   "table's primary key or in a table without one."));
            }
            identity = &c;
        }
        QStringList parts;
        for (const ColumnDef& c : s.definitions) {
            parts << columnSql(c, c.identity ? pkName : QString());
        }
        // An inline PRIMARY KEY was emitted with its column; a table-level one (or an inline one
        // named by the column) is emitted here unless the identity column carries it.
        if (!pk.isEmpty() && !identity) {
            bool inlinePk = false;
            for (const ColumnDef& c : s.definitions)
                inlinePk = inlinePk || c.primaryKey;
            if (!inlinePk) {
                QStringList cols;
                for (const QString& c : pk)
                    cols << quote(c);
                parts << QStringLiteral("CONSTRAINT ") + quote(pkName) +
                             QStringLiteral(" PRIMARY KEY (") + cols.join(QStringLiteral(", ")) +
                             u')';
            }
        }
        for (const QStringList& u : s.uniques) {
            QStringList cols;
            for (const QString& c : u)
                cols << quote(c);
            parts << QStringLiteral("UNIQUE (") + cols.join(QStringLiteral(", ")) + u')';
        }
        QStringList out;
        out << QStringLiteral("CREATE TABLE ") + tableName(s.table) + QStringLiteral(" (") +
                   parts.join(QStringLiteral(", ")) + u')';
        if (identity && identity->identitySeed != 1) {
            out << QStringLiteral("INSERT INTO ") + quote(m_schema.schemaFor(s.table.database)) +
                       QStringLiteral(".sqlite_sequence (name, seq) VALUES (") +
                       quoteText(s.table.object) +
                       QStringLiteral(", %1)").arg(identity->identitySeed - 1);
        }
        return out;
    }

    // ---- expressions ----
    static std::optional<SqlType> resolve(const Scope& scope, const QString& qualifier,
                                          const QString& name) {
        for (const Scope* s = &scope; s; s = s->outer) {
            for (const Source& src : s->sources) {
                if (!qualifier.isEmpty() && src.alias.compare(qualifier, Qt::CaseInsensitive) != 0)
                    continue;
                for (const ColumnInfo& c : src.columns) {
                    if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                        return c.type;
                }
            }
        }
        return std::nullopt;
    }

    // A quoted literal read as the type of the value it meets, as SQL Server converts it.
    static Typed coerce(Typed literal, const SqlType& to) {
        if (!literal.stringLiteral)
            return literal;
        const QString& text = *literal.stringLiteral;
        try {
            if (to.isInteger()) {
                const Scalar v = convertTo(Scalar::ofText(text), SqlType{Base::BigInt});
                return Typed{QString::number(v.i), SqlType{Base::BigInt}, std::nullopt};
            }
            if (to.base == Base::Numeric || to.base == Base::Float) {
                const auto v = parseNumber(text);
                if (!v) {
                    throw ConversionError(
                        QStringLiteral("Error converting data type varchar to numeric."));
                }
                if (v->kind == Scalar::Kind::Int) {
                    return Typed{QString::number(v->i), SqlType{Base::BigInt}, std::nullopt};
                }
                return Typed{QString::number(v->d, 'g', 17), SqlType{Base::Float}, std::nullopt};
            }
            if (to.isDateTime()) {
                const Scalar v = convertTo(Scalar::ofText(text), to);
                return Typed{quoteText(v.t), to, std::nullopt};
            }
        } catch (const ConversionError& e) {
            if (to.isInteger()) {
                fail(QStringLiteral("Conversion failed when converting the varchar value '%1' to "
                                    "data type %2.")
                         .arg(text, to.name()));
            }
            fail(e.message());
        }
        return literal;
    }

    static bool textual(const Typed& t) { return t.type.isText() || t.stringLiteral.has_value(); }

    Typed comparison(const QString& op, Typed l, Typed r) {
        l = coerce(std::move(l), r.type);
        r = coerce(std::move(r), l.type);
        QString sqlOp = op;
        if (op == u"!=")
            sqlOp = QStringLiteral("<>");
        if (op == u"!<")
            sqlOp = QStringLiteral(">=");
        if (op == u"!>")
            sqlOp = QStringLiteral("<=");
        QString right = r.sql;
        if (textual(l) || textual(r))
            right += kCollate;
        return Typed{u'(' + l.sql + u' ' + sqlOp + u' ' + right + u')', SqlType{Base::Int}, {}};
    }

    Typed plus(const Typed& l, const Typed& r) {
        if (l.type.isDateTime())
            return Typed{QStringLiteral("__dtadd(%1, %2)").arg(l.sql, r.sql), l.type, {}};
        if (r.type.isDateTime())
            return Typed{QStringLiteral("__dtadd(%1, %2)").arg(r.sql, l.sql), r.type, {}};
        if (l.type.isNumber() && r.type.isNumber())
            return Typed{u'(' + l.sql + QStringLiteral(" + ") + r.sql + u')',
                         arithmeticType(l.type, r.type),
                         {}};
        if (l.type.isText() && r.type.isText())
            return Typed{
                u'(' + l.sql + QStringLiteral(" || ") + r.sql + u')', SqlType::varchar(), {}};
        SqlType type;
        if (l.type.isNumber() || r.type.isNumber())
            type = l.type.isNumber() ? l.type : r.type;
        return Typed{QStringLiteral("__plus(%1, %2)").arg(l.sql, r.sql), type, {}};
    }

    Typed binary(const Expr& e, const Scope& scope) {
        const QString& op = e.text;
        Typed l = expr(*e.args[0], scope);
        Typed r = expr(*e.args[1], scope);
        if (op == u"AND" || op == u"OR")
            return Typed{u'(' + l.sql + u' ' + op + u' ' + r.sql + u')', SqlType{Base::Int}, {}};
        if (op == u"=" || op == u"<>" || op == u"!=" || op == u"<" || op == u">" || op == u"<=" ||
            op == u">=" || op == u"!<" || op == u"!>")
            return comparison(op, std::move(l), std::move(r));
        if (op == u"+")
            return plus(l, r);
        if (op == u"-" && l.type.isDateTime()) {
            return Typed{QStringLiteral("__dtadd(%1, -(%2))").arg(l.sql, r.sql), l.type, {}};
        }
        if (op == u"^") {
            return Typed{QStringLiteral("((%1 | %2) - (%1 & %2))").arg(l.sql, r.sql),
                         SqlType{Base::Int},
                         {}};
        }
        if (op == u"||")
            return Typed{
                u'(' + l.sql + QStringLiteral(" || ") + r.sql + u')', SqlType::varchar(), {}};
        return Typed{
            u'(' + l.sql + u' ' + op + u' ' + r.sql + u')', arithmeticType(l.type, r.type), {}};
    }

    Typed function(const Expr& e, const Scope& scope) {
        const QString& f = e.text;
        std::vector<Typed> a;
        for (const ExprPtr& arg : e.args) {
            if (arg->kind == Expr::Kind::Star) {
                a.push_back(Typed{QStringLiteral("*"), {}, {}});
            } else {
                a.push_back(expr(*arg, scope));
            }
        }
        auto args = [&](std::size_t from = 0) {
            QStringList parts;
            for (std::size_t i = from; i < a.size(); ++i)
                parts << a[i].sql;
            return parts.join(QStringLiteral(", "));
        };
        auto need = [&](std::size_t lo, std::size_t hi) {
            if (a.size() < lo || a.size() > hi) {
                fail(QStringLiteral("The %1 function requires %2 argument(s).").arg(f).arg(lo));
            }
        };
        auto call = [&](const QString& name, SqlType type) {
            return Typed{name + u'(' + args() + u')', type, {}};
        };
        const SqlType integer{Base::Int};
        if (f == u"getdate" || f == u"sysdatetime" || f == u"getutcdate") {
            need(0, 0);
            return Typed{QStringLiteral("__getdate()"), SqlType::datetime(), {}};
        }
        if (f == u"isnull") {
            need(2, 2);
            const Typed second = a[0].type.known() ? coerce(a[1], a[0].type) : a[1];
            return Typed{QStringLiteral("ifnull(%1, %2)").arg(a[0].sql, second.sql),
                         a[0].type.known() ? a[0].type : a[1].type,
                         {}};
        }
        if (f == u"coalesce" || f == u"nullif") {
            SqlType t;
            for (const Typed& x : a) {
                if (!t.known())
                    t = x.type;
            }
            return call(f, t);
        }
        if (f == u"count") {
            QString inner = args();
            if (e.distinct)
                inner.prepend(QStringLiteral("DISTINCT "));
            return Typed{QStringLiteral("count(") + inner + u')', integer, {}};
        }
        if (f == u"sum" || f == u"avg" || f == u"min" || f == u"max") {
            need(1, 1);
            SqlType t = a[0].type;
            if (f == u"sum" || f == u"avg") {
                if (t.isInteger())
                    t = SqlType{f == u"sum" ? Base::BigInt : Base::Int};
                if (t.base == Base::Numeric)
                    t.precision = 38;
            }
            QString inner = (e.distinct ? QStringLiteral("DISTINCT ") : QString()) + a[0].sql;
            QString sql = f + u'(' + inner + u')';
            if (f == u"avg" && t.isInteger())
                sql = QStringLiteral("CAST(") + sql + QStringLiteral(" AS INTEGER)");
            return Typed{sql, t, {}};
        }
        if (f == u"len") {
            need(1, 1);
            return Typed{QStringLiteral("length(rtrim(%1))").arg(a[0].sql), integer, {}};
        }
        if (f == u"datalength")
            return call(QStringLiteral("length"), integer);
        if (f == u"upper" || f == u"lower" || f == u"ltrim" || f == u"rtrim" || f == u"replace") {
            return call(f, SqlType::varchar());
        }
        if (f == u"substring") {
            need(3, 3);
            return call(QStringLiteral("substr"), SqlType::varchar());
        }
        if (f == u"left") {
            need(2, 2);
            return Typed{QStringLiteral("substr(%1, 1, %2)").arg(a[0].sql, a[1].sql),
                         SqlType::varchar(),
                         {}};
        }
        if (f == u"right")
            return call(QStringLiteral("__right"), SqlType::varchar());
        if (f == u"charindex")
            return call(QStringLiteral("__charindex"), integer);
        if (f == u"replicate")
            return call(QStringLiteral("__replicate"), SqlType::varchar());
        if (f == u"space") {
            return Typed{
                QStringLiteral("__replicate(' ', %1)").arg(args()), SqlType::varchar(), {}};
        }
        if (f == u"str")
            return call(QStringLiteral("__str"), SqlType::varchar());
        if (f == u"abs" || f == u"round")
            return call(f, a.empty() ? SqlType{} : a[0].type);
        if (f == u"floor" || f == u"ceiling")
            return call(QStringLiteral("__") + f, a.empty() ? SqlType{} : a[0].type);
        if (f == u"dateadd") {
            need(3, 3);
            return call(QStringLiteral("__dateadd"), SqlType::datetime());
        }
        if (f == u"datediff") {
            need(3, 3);
            return call(QStringLiteral("__datediff"), integer);
        }
        if (f == u"datepart") {
            need(2, 2);
            return call(QStringLiteral("__datepart"), integer);
        }
        if (f == u"year" || f == u"month" || f == u"day") {
            need(1, 1);
            return Typed{QStringLiteral("__datepart('%1', %2)").arg(f, a[0].sql), integer, {}};
        }
        if (f == u"newid") {
            need(0, 0);
            return Typed{QStringLiteral("__newid()"), SqlType::varchar(36), {}};
        }
        if (f == u"object_id") {
            need(1, 2);
            return Typed{QStringLiteral("__object_id(%1)").arg(a[0].sql), integer, {}};
        }
        if (f == u"objectproperty") {
            need(2, 2);
            return call(QStringLiteral("__objectproperty"), integer);
        }
        if (f == u"db_name") {
            return Typed{quoteText(m_schema.currentDatabase()), SqlType::varchar(128), {}};
        }
        if (f == u"user_name" || f == u"suser_sname" || f == u"system_user") {
            return Typed{QStringLiteral("'dbo'"), SqlType::varchar(128), {}};
        }
        fail(QStringLiteral("'%1' is not a recognized built-in function name.").arg(f));
    }

    Typed expr(const Expr& e, const Scope& scope) {
        switch (e.kind) {
            case Expr::Kind::Number:
                return Typed{e.text, numberLiteralType(e.text), {}};
            case Expr::Kind::String:
                return Typed{quoteText(e.text), SqlType::varchar(static_cast<int>(e.text.size())),
                             e.text};
            case Expr::Kind::Null:
                return Typed{QStringLiteral("NULL"), {}, {}};
            case Expr::Kind::Column: {
                const auto type = resolve(scope, e.qualifier, e.text);
                QString sql = quote(e.text);
                if (!e.qualifier.isEmpty())
                    sql = quote(e.qualifier) + u'.' + sql;
                return Typed{sql, type.value_or(SqlType{}), {}};
            }
            case Expr::Kind::Star:
                return Typed{e.qualifier.isEmpty() ? QStringLiteral("*")
                                                   : quote(e.qualifier) + QStringLiteral(".*"),
                             {},
                             {}};
            case Expr::Kind::Variable:
                fail(QStringLiteral("Must declare the scalar variable \"%1\".").arg(e.text));
            case Expr::Kind::Unary: {
                const Typed x = expr(*e.args[0], scope);
                if (e.text == u"NOT")
                    return Typed{QStringLiteral("(NOT ") + x.sql + u')', SqlType{Base::Int}, {}};
                if (x.stringLiteral && e.text == u"-") {
                    return Typed{QStringLiteral("(-__cv(%1, 'float'))").arg(x.sql),
                                 SqlType{Base::Float},
                                 {}};
                }
                return Typed{u'(' + e.text + x.sql + u')', x.type, {}};
            }
            case Expr::Kind::Binary:
                return binary(e, scope);
            case Expr::Kind::Function:
                return function(e, scope);
            case Expr::Kind::Case: {
                QString sql = QStringLiteral("CASE");
                std::size_t i = 0;
                Typed operand;
                if (e.hasOperand) {
                    operand = expr(*e.args[0], scope);
                    sql += u' ' + operand.sql + (operand.type.isText() ? kCollate : QString());
                    i = 1;
                }
                SqlType type;
                const std::size_t pairsEnd = e.args.size() - (e.hasElse ? 1 : 0);
                for (; i < pairsEnd; i += 2) {
                    Typed when = expr(*e.args[i], scope);
                    if (e.hasOperand)
                        when = coerce(std::move(when), operand.type);
                    const Typed then = expr(*e.args[i + 1], scope);
                    if (!type.known())
                        type = then.type;
                    sql +=
                        QStringLiteral(" WHEN ") + when.sql + QStringLiteral(" THEN ") + then.sql;
                }
                if (e.hasElse) {
                    const Typed other = expr(*e.args.back(), scope);
                    if (!type.known())
                        type = other.type;
                    sql += QStringLiteral(" ELSE ") + other.sql;
                }
                return Typed{sql + QStringLiteral(" END"), type, {}};
            }
            case Expr::Kind::Subquery: {
                const SelectOut inner = select(*e.select, &scope);
                return Typed{u'(' + inner.sql + u')',
                             inner.columns.empty() ? SqlType{} : inner.columns.front().type,
                             {}};
            }
            case Expr::Kind::Exists: {
                const SelectOut inner = select(*e.select, &scope);
                return Typed{QStringLiteral("EXISTS (") + inner.sql + u')', SqlType{Base::Int}, {}};
            }
            case Expr::Kind::InList: {
                const Typed l = expr(*e.args[0], scope);
                QStringList items;
                bool text = textual(l);
                for (std::size_t i = 1; i < e.args.size(); ++i) {
                    const Typed item = coerce(expr(*e.args[i], scope), l.type);
                    text = text || (item.stringLiteral.has_value() && !l.type.isNumber());
                    items << item.sql;
                }
                return Typed{
                    u'(' + l.sql + (text ? kCollate : QString()) +
                        (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
                        items.join(QStringLiteral(", ")) + QStringLiteral("))"),
                    SqlType{Base::Int},
                    {}};
            }
            case Expr::Kind::InSelect: {
                const Typed l = expr(*e.args[0], scope);
                const SelectOut inner = select(*e.select, &scope);
                return Typed{
                    u'(' + l.sql + (l.type.isText() ? kCollate : QString()) +
                        (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
                        inner.sql + QStringLiteral("))"),
                    SqlType{Base::Int},
                    {}};
            }
            case Expr::Kind::Between: {
                const Typed x = expr(*e.args[0], scope);
                const Typed lo = coerce(expr(*e.args[1], scope), x.type);
                const Typed hi = coerce(expr(*e.args[2], scope), x.type);
                const bool text = textual(x) || textual(lo);
                return Typed{u'(' + x.sql + (text ? kCollate : QString()) +
                                 (e.negated ? QStringLiteral(" NOT BETWEEN ")
                                            : QStringLiteral(" BETWEEN ")) +
                                 lo.sql + QStringLiteral(" AND ") + hi.sql + u')',
                             SqlType{Base::Int},
                             {}};
            }
            case Expr::Kind::IsNull: {
                const Typed x = expr(*e.args[0], scope);
                return Typed{
                    u'(' + x.sql +
                        (e.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)")),
                    SqlType{Base::Int},
                    {}};
            }
            case Expr::Kind::Like: {
                const Typed x = expr(*e.args[0], scope);
                const Typed p = expr(*e.args[1], scope);
                QString sql =
                    u'(' + x.sql +
                    (e.negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) + p.sql;
                if (e.args.size() > 2)
                    sql += QStringLiteral(" ESCAPE ") + expr(*e.args[2], scope).sql;
                return Typed{sql + u')', SqlType{Base::Int}, {}};
            }
            case Expr::Kind::Cast: {
                const Typed x = expr(*e.args[0], scope);
                return Typed{QStringLiteral("__convert(%1, '%2')").arg(x.sql, e.castType.name()),
                             e.castType,
                             {}};
            }
        }
        fail(QStringLiteral("Internal error: unknown expression."));
    }

    SchemaSource& m_schema;
};

}  // namespace

Translation Translator::translate(const Stmt& stmt) {
    return Emitter(m_schema).statement(stmt);
}

QString Translator::condition(const Expr& condition) {
    return Emitter(m_schema).condition(condition);
}

}  // namespace sql
