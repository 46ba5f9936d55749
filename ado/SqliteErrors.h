#pragma once

#include "ado/AdoError.h"

#include <QStringList>

struct sqlite3;

namespace ado {

// What a failed statement was doing, for SQLite's complaint in SQL Server's words.
struct FailedStatement {
    QString database;  // the connection's database, as SQL Server names it
    QString table;     // the statement's table, when it has one
    bool update = false;
};

// SQLite's failure as one of SQL Server's errors: the kind read from the extended result code
// (and, for SQLite's plain SQLITE_ERROR, from the shape of its message), the names pulled
// out of the message.
struct SqliteFailure {
    ServerError error = ServerError::EngineFailure;
    QStringList arguments;
    QStringList columns;  // of a failed unique index, which names it
    bool raised = false;  // an error of the engine's functions: SQLite's message is its text
};

SqliteFailure classifySqliteFailure(int extendedCode, const QString& message,
                                    const FailedStatement& statement);

// The error for the failure that SQLite reports on `db` now, with the names of the key or
// index that a duplicate broke looked up in the schema.
Error sqliteError(sqlite3* db, const QString& operation, const FailedStatement& statement = {});

}  // namespace ado
