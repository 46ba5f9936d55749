#pragma once

#include <QString>
#include <QStringList>

// Splitting of SQL scripts into batches at separator lines, as sqlcmd and the application's
// update script do it.
namespace sql {

// A separator line: trimmed and upper-cased, it begins with "GO" (so "go", "  GO  ", "GO 2",
// and also "GOTO x" are separators).
bool isBatchSeparator(const QString& line);

enum class TrailingBatch {
    Run,     // statement lines after the last separator form a batch (sqlcmd)
    Ignore,  // they are not run: a script must end with a separator
};

// The batches of a script, in order: the statement lines between separators joined with
// "\r\n". Batches that hold only blanks and line breaks are left out.
QStringList splitBatches(const QString& script, TrailingBatch trailing = TrailingBatch::Run);

}  // namespace sql
