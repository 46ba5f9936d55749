#pragma once

#include "ado/ServerErrors.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace ado {

// The one exception type of the data layer: the failing operation (for example
// "Connection.Open" or "Recordset.Open"), the description of the fault, and, as SQL Server's
// ODBC driver reports them, the SQLSTATE and the native error number, so that callers tell
// the cases apart without reading the text.
class Error : public std::runtime_error {
  public:
    // A misuse of the layer (reading past the end, a parameter that the statement does not
    // use, no open connection): SQLSTATE "HY000" and number 0, no error of the server's.
    Error(QString operation, QString description);
    // One of SQL Server's errors, raised by the embedded engine: message, SQLSTATE and number
    // from the table of errors.
    Error(QString operation, ServerError error, const QStringList& arguments = {});
    // As a server's driver reported it.
    Error(QString operation, QString description, QString sqlState, int nativeError);

    // An error that SQLite carried from a function of the engine: its message written already.
    static Error raised(QString operation, ServerError error, QString description);
    // The same fault told as another operation's.
    Error renamed(QString operation) const;

    const QString& operation() const { return m_operation; }
    const QString& description() const { return m_description; }
    const QString& sqlState() const { return m_sqlState; }
    int nativeError() const { return m_nativeError; }
    // Which of the table's errors the embedded engine raised (none from a driver or a misuse).
    std::optional<ServerError> serverError() const { return m_error; }
    // A misuse of the layer rather than a fault the database reported.
    bool isMisuse() const { return !m_error && m_nativeError == 0 && m_sqlState == u"HY000"; }

    // The statement names a table or view that does not exist (208).
    bool isMissingObject() const { return m_nativeError == 208; }
    // The server or the database could not be reached or refused the login.
    bool isConnectionFailure() const;

  private:
    QString m_operation;
    QString m_description;
    QString m_sqlState;
    int m_nativeError = 0;
    std::optional<ServerError> m_error;
};

// Throws Error(operation, error, arguments).
[[noreturn]] void raise(const QString& operation, ServerError error,
                        const QStringList& arguments = {});

}  // namespace ado
