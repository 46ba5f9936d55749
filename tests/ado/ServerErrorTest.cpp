// SQL Server's errors: their words stand in the one table, and SQLite's failures reach them
// by their result codes.
#include "ado/AdoError.h"
#include "ado/SqliteErrors.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using ado::ServerError;

// The pieces of a message between its arguments that are long enough to be its own words.
QStringList wordsOf(const char* message) {
    QStringList pieces;
    for (const QString& piece :
         QString::fromUtf8(message).split(QRegularExpression(QStringLiteral("%\\d")))) {
        if (piece.trimmed().size() >= 20)
            pieces << piece.trimmed();
    }
    return pieces;
}

}  // namespace

TEST(ServerErrors, MessagesStandOnlyInTheTable) {
    const QDir ado(QStringLiteral(OXTA_SOURCE_DIR "/ado"));
    const QStringList files = ado.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")});
    ASSERT_GT(files.size(), 10);
    for (const QString& name : files) {
        if (name == u"ServerErrors.cpp")
            continue;
        QFile f(ado.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        // Literals split over lines join up once the quotes between them are gone.
        QString text = QString::fromUtf8(f.readAll());
        text.remove(QRegularExpression(QStringLiteral("\"\\s*\\n\\s*\"")));
        for (auto e = ado::serverErrorsBegin(); e != ado::serverErrorsEnd(); ++e) {
            for (const QString& words : wordsOf(e->message)) {
                EXPECT_FALSE(text.contains(words))
                    << name.toStdString() << " writes out \"" << words.toStdString()
                    << "\": raise the error by its name instead";
            }
        }
    }
}

TEST(ServerErrors, TheErrorCarriesTheTablesCodesAndAMisuseNone) {
    const ado::Error missing("Recordset.Open", ServerError::InvalidObjectName, {"nada"});
    EXPECT_EQ(missing.description(), "Invalid object name 'nada'.");
    EXPECT_EQ(missing.nativeError(), 208);
    EXPECT_EQ(missing.sqlState(), "42S02");
    EXPECT_TRUE(missing.isMissingObject());
    EXPECT_FALSE(missing.isMisuse());
    EXPECT_EQ(missing.renamed("Connection.Execute").serverError(), ServerError::InvalidObjectName);
    // An argument that looks like a placeholder is not filled in again.
    EXPECT_EQ(ado::serverErrorMessage(ServerError::ConversionFailed, {"%2", "int"}),
              "Conversion failed when converting the varchar value '%2' to data type int.");
    // Text that happens to read like a server's error is no server's error.
    const ado::Error misuse("Recordset.Fields", "Invalid object name 'x'.");
    EXPECT_TRUE(misuse.isMisuse());
    EXPECT_FALSE(misuse.isMissingObject());
    EXPECT_FALSE(misuse.serverError());
}

TEST(ServerErrors, SqliteFailuresMapByTheirResultCodes) {
    const ado::FailedStatement insert{"staff", "puestos", false};
    const ado::FailedStatement update{"staff", "puestos", true};
    const struct {
        int code;
        const char* message;
        ado::FailedStatement statement;
        ServerError error;
        QStringList arguments;
    } cases[] = {
        {SQLITE_CONSTRAINT_PRIMARYKEY,
         "UNIQUE constraint failed: puestos.codigo",
         insert,
         ServerError::PrimaryKeyViolation,
         {"", "puestos"}},
        {SQLITE_CONSTRAINT_UNIQUE,
         "UNIQUE constraint failed: puestos.a, puestos.b",
         insert,
         ServerError::DuplicateKeyRow,
         {"puestos", ""}},
        {SQLITE_CONSTRAINT_NOTNULL,
         "NOT NULL constraint failed: puestos.nombre",
         update,
         ServerError::NullNotAllowed,
         {"nombre", "staff", "puestos", "UPDATE"}},
        {SQLITE_CONSTRAINT_CHECK,
         "CHECK constraint failed: x",
         insert,
         ServerError::ConstraintConflict,
         {"INSERT", "CHECK"}},
        {SQLITE_BUSY_SNAPSHOT, "database is locked", insert, ServerError::LockTimeout, {}},
        {SQLITE_LOCKED_SHAREDCACHE,
         "database table is locked",
         insert,
         ServerError::LockTimeout,
         {}},
        {SQLITE_FULL, "database or disk is full", insert, ServerError::DiskFull, {"staff"}},
        {SQLITE_CORRUPT_INDEX,
         "database disk image is malformed",
         insert,
         ServerError::Corrupt,
         {"staff", "database disk image is malformed"}},
        {SQLITE_NOTADB,
         "file is not a database",
         insert,
         ServerError::Corrupt,
         {"staff", "file is not a database"}},
        {SQLITE_IOERR_WRITE,
         "disk I/O error",
         insert,
         ServerError::InputOutput,
         {"staff", "disk I/O error"}},
        {SQLITE_IOERR_NOMEM, "out of memory", insert, ServerError::OutOfMemory, {}},
        {SQLITE_READONLY_DBMOVED,
         "attempt to write a readonly database",
         insert,
         ServerError::ReadOnly,
         {"staff"}},
        // SQLITE_ERROR alone: the message's shape, its names pulled out
        {SQLITE_ERROR,
         "no such table: main.nada",
         insert,
         ServerError::InvalidObjectName,
         {"nada"}},
        {SQLITE_ERROR,
         "no such column: p.nada",
         insert,
         ServerError::UnboundIdentifier,
         {"p.nada"}},
        {SQLITE_ERROR, "no such column: nada", insert, ServerError::InvalidColumnName, {"nada"}},
        {SQLITE_ERROR,
         "duplicate column name: a",
         insert,
         ServerError::DuplicateColumn,
         {"a", "puestos"}},
        {SQLITE_ERROR,
         "near \"from\": syntax error",
         insert,
         ServerError::IncorrectSyntax,
         {"from"}},
        {SQLITE_ERROR, "parser stack overflow", insert, ServerError::NestedTooDeeply, {}},
        {SQLITE_ERROR, "something new", insert, ServerError::EngineFailure, {"something new"}},
        // an error of a function names itself whatever the words
        {ado::sqliteCodeOf(ServerError::DivideByZero),
         "no such table: x",
         insert,
         ServerError::DivideByZero,
         {}},
    };
    for (const auto& c : cases) {
        const ado::SqliteFailure f =
            ado::classifySqliteFailure(c.code, QString::fromUtf8(c.message), c.statement);
        EXPECT_EQ(f.error, c.error) << c.message;
        EXPECT_EQ(f.arguments, c.arguments) << c.message;
    }
    EXPECT_FALSE(ado::serverErrorOfSqliteCode(SQLITE_ERROR_RETRY));
}
