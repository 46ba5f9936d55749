#pragma once

#include "ado/Value.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace ado {

// What a connection is asked to reach. The connection string keeps the SQLOLEDB text that
// the application builds; the settings carry the same facts unsplit, so that a value holding
// a semicolon stays whole.
struct ConnectionSettings {
    enum class Motor { SqlServer, Sqlite };
    Motor motor = Motor::SqlServer;
    QString server;       // SQL Server name, or for the embedded engine the folder of databases
    QString database;     // BD
    QString user;         // ID
    QString password;     // PWD
    bool trusted = true;  // Windows authentication
    QString driver;       // ODBC driver name; empty: the default driver
    // Date-time columns handed over as text in their type's own form, as sqlcmd prints them
    // (date yyyy-MM-dd, time hh:mm:ss[.fffffff], datetime yyyy-MM-dd hh:mm:ss.zzz, ...), for
    // the tools; the program's forms and reports read them as QDateTime (the default).
    bool dateTimesAsText = false;
};

// The settings of the application's configuration section, read through `entry` (key ->
// value): MOTOR ("SQLITE", any letter case, chooses the embedded engine), SERVER, BD, DRIVER,
// and AUTOWIN, which is Windows authentication unless it reads ".F." (then ID and PWD are
// the SQL Server login).
ConnectionSettings settingsFromConfig(const std::function<QString(const QString& key)>& entry);

// A fully read result: column names and rows. Recordsets are forward-only and read-only,
// so engines hand over the whole result at once.
struct ResultSet {
    QStringList columns;
    std::vector<std::vector<Value>> rows;
};

// A value for a named parameter of a statement. The name is written as in the statement,
// "@codigo" (the "@" may be left out), and matched without regard to letter case; a value
// without a name goes to the next marker ? of the statement, in order. The value
// travels apart from the statement's text, so nothing it holds can change the statement:
// text compares as a quoted literal of the statement would, numbers as numbers, a NULL value
// is NULL.
struct Parameter {
    QString name;
    Value value;
};
using Parameters = std::vector<Parameter>;

// One physical connection to a database, behind the ADO-style classes. Every failure is
// thrown as ado::Error.
//
// With parameters, every variable that the batch names must have exactly one parameter and
// every parameter must be named by the batch (such a batch cannot declare variables of its
// own); a missing parameter fails as SQL Server's "Must declare the scalar variable", a
// surplus or repeated one is refused before the batch runs.
class Engine {
  public:
    virtual ~Engine() = default;
    // Runs a batch (one or more statements); any rows are discarded.
    virtual void execute(const QString& sql, const Parameters& parameters) = 0;
    // Runs a batch and returns the rows of the last statement that yields rows (an empty
    // result when none does).
    virtual ResultSet query(const QString& sql, const Parameters& parameters) = 0;

    void execute(const QString& sql) { execute(sql, Parameters{}); }
    ResultSet query(const QString& sql) { return query(sql, Parameters{}); }
};

// Opens an engine for the given settings (embedded or ODBC). Throws ado::Error.
std::unique_ptr<Engine> openEngine(const ConnectionSettings& settings);

// Reads a SQLOLEDB-style connection string ("provider=SQLOLEDB;server=...;database=...;
// uid=...;pwd=..." or "...;Trusted_Connection=yes") into settings; keys ignore letter case.
ConnectionSettings parseConnectionString(const QString& connectionString);

}  // namespace ado
