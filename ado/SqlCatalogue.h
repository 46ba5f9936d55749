#pragma once

#include "ado/SqlAst.h"
#include "ado/SqlEmitter.h"

// SQL Server's catalogue views (sysobjects, syscolumns, sysindexes, sysdatabases, sys.tables,
// sys.columns, sys.objects, sys.indexes, sys.databases, INFORMATION_SCHEMA.TABLES and
// INFORMATION_SCHEMA.COLUMNS) and the database list: read by the parser (which batches need
// the list), the emitter (what a view reads) and the engine (the list's table).
namespace sql {

// The temporary table of the folder's databases that sysdatabases and sys.databases read,
// filled by the engine before a batch that reads it.
inline constexpr const char* kDatabaseListTable = "temp.__oxta_databases";
inline constexpr const char* kCreateDatabaseList =
    "CREATE TEMP TABLE __oxta_databases (name TEXT, dbid INTEGER)";
inline constexpr const char* kClearDatabaseList = "DELETE FROM temp.__oxta_databases";
inline constexpr const char* kAddToDatabaseList =
    "INSERT INTO temp.__oxta_databases VALUES (?1, ?2)";

// Is `name` one of the catalogue views?
bool isCatalogView(const ObjectName& name);

// Does `name` read the database list (sysdatabases, sys.databases)?
bool readsDatabaseList(const ObjectName& name);

// The query of a catalogue view over the SQLite schema that holds its database, and its columns.
SelectOut catalogueView(const ObjectName& name, const QString& sqliteSchema,
                        const QString& currentDatabase);

}  // namespace sql
