#include "ado/SqliteErrors.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <memory>

namespace ado {

namespace {

using E = ServerError;

// What SQLite's plain SQLITE_ERROR means, which only its message tells; the expression's
// groups are the names that SQL Server's message takes.
struct MessageShape {
    const char* pattern;
    ServerError error;
};

const MessageShape kShapes[] = {
    {"^no such table: (?:\\w+\\.)?(.+)$", E::InvalidObjectName},
    {"^no such column: ([^.]+)$", E::InvalidColumnName},
    {"^no such column: (.+\\..+)$", E::UnboundIdentifier},
    {"^ambiguous column name: (.+)$", E::AmbiguousColumn},
    {"^table \"?([^\"]+)\"? already exists$", E::ObjectExists},
    {"^duplicate column name: (.+)$", E::DuplicateColumn},
    {"^Cannot add a NOT NULL column", E::AlterAddNotNull},
    {"^no such function: (\\w+)$", E::UnknownFunction},
    {"^near \"(.*)\": syntax error$", E::IncorrectSyntax},
    {"^parser stack overflow$", E::NestedTooDeeply},
    {"^Expression tree is too large", E::NestedTooDeeply},
};

QStringList captured(const QRegularExpressionMatch& m) {
    QStringList out;
    for (int i = 1; i <= m.lastCapturedIndex(); ++i)
        out << m.captured(i);
    return out;
}

QString statementWord(const FailedStatement& s) {
    return s.update ? QStringLiteral("UPDATE") : QStringLiteral("INSERT");
}

struct StmtDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtDeleter>;

Stmt prepare(sqlite3* db, const char* sql, const QString& table) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    const QByteArray t = table.toUtf8();
    sqlite3_bind_text(raw, 1, t.constData(), -1, SQLITE_TRANSIENT);
    return Stmt(raw);
}

QString columnText(sqlite3_stmt* s, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)));
}

// The primary key's name as the table's definition gives it.
QString primaryKeyName(sqlite3* db, const QString& table) {
    const Stmt q =
        prepare(db, "SELECT sql FROM main.sqlite_master WHERE name = ?1 COLLATE NOCASE", table);
    if (q && sqlite3_step(q.get()) == SQLITE_ROW) {
        static const QRegularExpression re(QStringLiteral("CONSTRAINT \"([^\"]+)\" PRIMARY KEY"));
        const auto m = re.match(columnText(q.get(), 0));
        if (m.hasMatch())
            return m.captured(1);
    }
    return QStringLiteral("PK_") + table;
}

// The unique index of the table over `columns`.
QString uniqueIndexName(sqlite3* db, const QString& table, const QStringList& columns) {
    const Stmt q = prepare(db,
                           "SELECT l.name, group_concat(lower(i.name), ',') FROM "
                           "pragma_index_list(?1) AS l, pragma_index_info(l.name) AS i WHERE "
                           "l.\"unique\" = 1 GROUP BY l.name",
                           table);
    while (q && sqlite3_step(q.get()) == SQLITE_ROW) {
        const QString name = columnText(q.get(), 0);
        if (columnText(q.get(), 1) == columns.join(u','))
            return name.startsWith(u"sqlite_autoindex") ? QStringLiteral("UQ_") + table : name;
    }
    return QStringLiteral("UQ_") + table;
}

}  // namespace

SqliteFailure classifySqliteFailure(int code, const QString& message, const FailedStatement& s) {
    if (const auto raised = serverErrorOfSqliteCode(code))
        return {*raised, {}, {}, true};
    auto match = [&](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(message);
    };
    switch (code) {
        case SQLITE_CONSTRAINT_PRIMARYKEY:
        case SQLITE_CONSTRAINT_UNIQUE: {
            const auto m = match("^UNIQUE constraint failed: (\\w+)\\.");
            const QString table = m.hasMatch() ? m.captured(1) : s.table;
            if (code == SQLITE_CONSTRAINT_PRIMARYKEY)
                return {E::PrimaryKeyViolation, {QString(), table}, {}};
            QStringList columns;  // "t.a, t.b"
            for (const QString& part : message.mid(message.indexOf(u':') + 1).split(u','))
                columns << part.trimmed().section(u'.', 1).toLower();
            return {E::DuplicateKeyRow, {table, QString()}, columns};
        }
        case SQLITE_CONSTRAINT_NOTNULL: {
            const auto m = match("^NOT NULL constraint failed: (\\w+)\\.(\\w+)$");
            return {E::NullNotAllowed,
                    {m.captured(2), s.database, m.hasMatch() ? m.captured(1) : s.table,
                     statementWord(s)},
                    {}};
        }
        case SQLITE_CONSTRAINT_FOREIGNKEY:
            return {E::ConstraintConflict, {statementWord(s), QStringLiteral("FOREIGN KEY")}, {}};
        case SQLITE_CONSTRAINT_CHECK:
            return {E::ConstraintConflict, {statementWord(s), QStringLiteral("CHECK")}, {}};
        case SQLITE_IOERR_NOMEM:
            return {E::OutOfMemory, {}, {}};
        default:
            break;
    }
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {E::LockTimeout, {}, {}};
        case SQLITE_FULL:
            return {E::DiskFull, {s.database}, {}};
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return {E::Corrupt, {s.database, message}, {}};
        case SQLITE_IOERR:
            return {E::InputOutput, {s.database, message}, {}};
        case SQLITE_NOMEM:
            return {E::OutOfMemory, {}, {}};
        case SQLITE_READONLY:
            return {E::ReadOnly, {s.database}, {}};
        case SQLITE_CANTOPEN:
            return {E::CannotOpenDatabaseFile, {s.database, message}, {}};
        case SQLITE_CONSTRAINT:
            return {E::ConstraintConflict, {statementWord(s), QStringLiteral("CHECK")}, {}};
        case SQLITE_ERROR:
            for (const MessageShape& shape : kShapes) {
                const auto m = match(shape.pattern);
                if (!m.hasMatch())
                    continue;
                QStringList arguments = captured(m);
                if (shape.error == E::DuplicateColumn)
                    arguments << s.table;
                if (shape.error == E::AlterAddNotNull)
                    arguments << s.table;
                return {shape.error, arguments, {}};
            }
            break;
        default:
            break;
    }
    return {E::EngineFailure, {message}, {}};
}

Error sqliteError(sqlite3* db, const QString& operation, const FailedStatement& statement) {
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    SqliteFailure f = classifySqliteFailure(sqlite3_extended_errcode(db), message, statement);
    if (f.raised)
        return Error::raised(operation, f.error, message);
    if (f.error == E::PrimaryKeyViolation)
        f.arguments[0] = primaryKeyName(db, f.arguments[1]);
    if (f.error == E::DuplicateKeyRow)
        f.arguments[1] = uniqueIndexName(db, f.arguments[0], f.columns);
    return Error(operation, f.error, f.arguments);
}

}  // namespace ado
