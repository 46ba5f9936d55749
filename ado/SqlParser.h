#pragma once

#include "ado/SqlAst.h"

// Reads a batch of SQL Server's dialect into statements. A statement that the engine does not
// understand is an error naming it: nothing of the batch runs then.
namespace sql {

// Throws ado::Error("Parse", "Incorrect syntax near ...").
Batch parseBatch(const QString& text);

}  // namespace sql
