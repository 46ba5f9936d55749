#pragma once

#include <QString>

#include <stdexcept>

namespace ado {

// The one exception type of the data layer: the failing operation (for example
// "Connection.Open" or "Recordset.Open"), the engine's own description of the fault, and,
// as SQL Server's ODBC driver reports them, the SQLSTATE and the native error number, so
// that callers tell the cases apart without reading the text.
class Error : public std::runtime_error {
  public:
    // The code is the one SQL Server gives for a description in its words (the embedded
    // engine answers in them); other descriptions carry SQLSTATE "HY000" and number 0.
    Error(QString operation, QString description);
    Error(QString operation, QString description, QString sqlState, int nativeError);

    const QString& operation() const { return m_operation; }
    const QString& description() const { return m_description; }
    const QString& sqlState() const { return m_sqlState; }
    int nativeError() const { return m_nativeError; }

    // The statement names a table or view that does not exist (208).
    bool isMissingObject() const { return m_nativeError == 208; }
    // The server or the database could not be reached or refused the login.
    bool isConnectionFailure() const;

  private:
    QString m_operation;
    QString m_description;
    QString m_sqlState;
    int m_nativeError = 0;
};

}  // namespace ado
