#pragma once

#include "ado/Engine.h"

#include <QString>

#include <memory>
#include <optional>

namespace ado {

// ADO-style connection. Assign ConnectionString (and, optionally, Settings, which take
// precedence over the parsed string), then Open().
class Connection {
  public:
    QString ConnectionString;
    std::optional<ConnectionSettings> Settings;

    void Open();                       // throws Error("Connection.Open", ...)
    void Execute(const QString& sql);  // throws Error("Connection.Execute", ...)
    void Execute(const QString& sql, const Parameters& parameters);
    void Close();  // throws Error("Connection.Close", ...) when not open
    bool isOpen() const { return m_engine != nullptr; }

    // The engine behind an open connection (for the recordset). Throws when closed.
    Engine& engine(const char* operation);

  private:
    std::unique_ptr<Engine> m_engine;
};

// A field of the current row.
struct Field {
    ::ado::Value Value;
};

// ADO-style forward-only, read-only recordset. After Open it stands on the first row; EOF
// is true at once when there are no rows. Fields(i) reads column i (zero-based) of the
// current row.
class Recordset {
  public:
    Connection* ActiveConnection = nullptr;

    void Open(const QString& source, Connection* connection,
              const Parameters& parameters = Parameters{});
    // On ActiveConnection.
    void Open(const QString& source, const Parameters& parameters = Parameters{});
    bool Eof() const;  // ADO's EOF (a C macro name, hence the spelling)
    void MoveFirst();
    void MoveNext();
    Field Fields(int i) const;  // throws Error("Recordset.Fields", ...) out of range or at EOF
    void Close();
    bool isOpen() const { return m_open; }

  private:
    ResultSet m_result;
    std::size_t m_row = 0;
    bool m_open = false;
};

}  // namespace ado
