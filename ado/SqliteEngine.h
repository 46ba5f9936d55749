#pragma once

#include "ado/Engine.h"

#include <memory>

namespace ado {

// The embedded engine: SQL Server's dialect over SQLite. The server is a folder of database
// files "<name>.sqlite"; the database is one file in it; "master" (or an empty name) is the
// server's catalogue, where sysdatabases lists the databases of the folder and CREATE
// DATABASE makes a new one. Opening a database that does not exist fails as SQL Server does.
std::unique_ptr<Engine> openSqliteEngine(const ConnectionSettings& settings);

// The folder that a SERVER value names: "" and "(local)" give
// $XDG_DATA_HOME/oxta-staffing/databases (~/.local/share/oxta-staffing/databases), created on
// demand; anything else is a folder path (relative paths from the current directory).
QString sqliteServerFolder(const QString& server);

// Forgets every translated statement of an embedded engine (false for another engine), so
// that the next statements are translated anew. For measurements.
bool clearTranslationCache(Engine& engine);

}  // namespace ado
