#include "ado/SqlCatalogue.h"

#include "ado/SqlFunctions.h"

#include <QSet>

// SQL Server's catalogue views and the list of databases, as queries over SQLite's own
// catalogue: which names are views, and what each view reads.
namespace sql {

using Base = SqlType::Base;

bool isCatalogView(const ObjectName& name) {
    static const QSet<QString> views = {QStringLiteral("sysobjects"), QStringLiteral("syscolumns"),
                                        QStringLiteral("sysindexes"),
                                        QStringLiteral("sysdatabases")};
    const QString schema = name.schema.toLower();
    if (schema == u"information_schema") {
        const QString o = name.object.toLower();
        return o == u"tables" || o == u"columns";
    }
    if (schema == u"sys") {
        const QString o = name.object.toLower();
        return o == u"tables" || o == u"columns" || o == u"databases" || o == u"objects" ||
               o == u"indexes" || views.contains(o);
    }
    return views.contains(name.object.toLower());
}

bool readsDatabaseList(const ObjectName& n) {
    return n.object.compare(u"sysdatabases", Qt::CaseInsensitive) == 0 ||
           (n.schema.compare(u"sys", Qt::CaseInsensitive) == 0 &&
            n.object.compare(u"databases", Qt::CaseInsensitive) == 0);
}

SelectOut catalogueView(const ObjectName& n, const QString& sqliteSchema,
                        const QString& currentDatabase) {
    const QString schema = quoteName(sqliteSchema);
    const QString master = schema + QStringLiteral(".sqlite_master");
    const QString userObjects = QStringLiteral(
        "type IN ('table','view','trigger') AND name NOT LIKE 'sqlite\\_%' "
        "ESCAPE '\\'");
    const QString objects = QStringLiteral("SELECT ") + QLatin1String(helper::kObjectId) +
                            QStringLiteral("(name) AS id, name") + collateClause() +
                            QStringLiteral(
                                " AS name, CASE type WHEN 'table' THEN 'U ' WHEN 'view' THEN 'V ' "
                                "ELSE 'TR' END") +
                            collateClause() +
                            QStringLiteral(" AS xtype, 1 AS uid, 0 AS parent_obj FROM ") + master +
                            QStringLiteral(" WHERE ") + userObjects;
    const QString columns =
        QStringLiteral("SELECT ") + QLatin1String(helper::kObjectId) +
        QStringLiteral("(m.name) AS id, p.name") + collateClause() +
        QStringLiteral(
            " AS name, p.cid + 1 AS colid, m.name AS tablename, p.type AS typename, "
            "p.\"notnull\" AS is_notnull FROM ") +
        master + QStringLiteral(" AS m, pragma_table_info(m.name, ") + quoteText(sqliteSchema) +
        QStringLiteral(
            ") AS p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' "
            "ESCAPE '\\'");
    const QString o = n.object.toLower();
    const QString schemaName = n.schema.toLower();
    const SqlType id{Base::Int};
    const SqlType name = SqlType::varchar(128);
    SelectOut out;
    if (schemaName == u"information_schema" && o == u"tables") {
        out.sql = QStringLiteral("SELECT ") + quoteText(currentDatabase) +
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
        out.sql = QStringLiteral("SELECT 'dbo' AS TABLE_SCHEMA, tablename") + collateClause() +
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
            out.sql =
                QStringLiteral("SELECT id, name, xtype, xtype AS type, uid, parent_obj FROM (") +
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
        const QString tableId = QLatin1String(helper::kObjectId) + QStringLiteral("(tbl_name)");
        out.sql =
            QStringLiteral("SELECT ") + tableId + QStringLiteral(" AS id, ") + tableId +
            QStringLiteral(" AS object_id, name") + collateClause() +
            QStringLiteral(" AS name FROM ") + master +
            QStringLiteral(" WHERE type = 'index' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        out.columns = {{"id", id}, {"object_id", id}, {"name", name}};
    } else if (o == u"syscolumns" || o == u"columns") {
        if (o == u"syscolumns") {
            out.sql = QStringLiteral("SELECT id, name, colid FROM (") + columns + u')';
            out.columns = {{"id", id}, {"name", name}, {"colid", id}};
        } else {
            out.sql = QStringLiteral("SELECT id AS object_id, name, colid AS column_id FROM (") +
                      columns + u')';
            out.columns = {{"object_id", id}, {"name", name}, {"column_id", id}};
        }
    } else {  // sysdatabases, sys.databases
        out.sql = QStringLiteral("SELECT name") + collateClause() +
                  QStringLiteral(" AS name, dbid, dbid AS database_id FROM ") +
                  QLatin1String(kDatabaseListTable);
        out.columns = {{"name", name}, {"dbid", id}, {"database_id", id}};
    }
    return out;
}

}  // namespace sql
