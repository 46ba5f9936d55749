#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX  // keep std::min and std::max usable
#endif
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <QString>

#include <vector>

namespace ado::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide characters must be UTF-16");

// One ODBC handle, freed when the owner goes. Move-only.
class Handle {
  public:
    Handle() = default;
    // Allocates a handle of `type` under `parent` (SQL_NULL_HANDLE for an environment).
    // Throws ado::Error(operation, ...) when the driver manager refuses.
    Handle(SQLSMALLINT type, SQLHANDLE parent, const char* operation);
    ~Handle();
    Handle(Handle&& other) noexcept;
    Handle& operator=(Handle&& other) noexcept;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }

  private:
    void reset() noexcept;

    SQLHANDLE m_handle = nullptr;
    SQLSMALLINT m_type = 0;
};

// An environment set to ODBC 3 behaviour.
class Environment {
  public:
    Environment();
    SQLHENV get() const { return m_handle.get(); }

  private:
    Handle m_handle;
};

// A connection to a data source; disconnects before it is freed.
class DbConnection {
  public:
    explicit DbConnection(const Environment& env);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Connects without prompting. Throws ado::Error("Connection.Open", diagnostics).
    void connect(const QString& connectionString);
    SQLHDBC get() const { return m_handle.get(); }

  private:
    Handle m_handle;
    bool m_connected = false;
};

// A statement handle on a connection.
class Statement {
  public:
    Statement(const DbConnection& dbc, const char* operation);
    SQLHSTMT get() const { return m_handle.get(); }

  private:
    Handle m_handle;
};

// Text for the wide ODBC calls, NUL-terminated.
std::vector<SQLWCHAR> toWide(const QString& text);
QString fromWide(const SQLWCHAR* text, std::size_t length);

// All diagnostic records of a handle, one line each: "[SQLSTATE] message".
QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

// True for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO.
inline bool succeeded(SQLRETURN rc) {
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

// Throws ado::Error(operation, diagnostics of the handle) when rc is a failure.
void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* operation);

}  // namespace ado::odbc
