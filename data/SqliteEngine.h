#pragma once

#include "data/Engine.h"

#include <memory>

namespace ado {

// The embedded engine: SQL Server's dialect over SQLite. The server is a folder of database
// files "<name>.sqlite" (empty or "(local)": the default folder), the database one file in
// it; "master" (or an empty name) is the server's catalogue.
std::unique_ptr<Engine> openSqliteEngine(const ConnectionSettings& settings);

// The folder that a SERVER value names: "" and "(local)" give
// $XDG_DATA_HOME/oxta-staffing/databases (created on demand), anything else is a folder path.
QString sqliteServerFolder(const QString& server);

}  // namespace ado
