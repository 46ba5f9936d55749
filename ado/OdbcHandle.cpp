#include "ado/OdbcHandle.h"

#include "ado/AdoError.h"

#include <QStringList>

#include <algorithm>

#include <utility>

namespace ado::odbc {

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent, const char* operation) : m_type(type) {
    const SQLRETURN rc = SQLAllocHandle(type, parent, &m_handle);
    if (!succeeded(rc)) {
        m_handle = SQL_NULL_HANDLE;
        QString detail =
            parent != SQL_NULL_HANDLE
                ? diagnostics(type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV, parent)
                : QString();
        if (detail.isEmpty())
            detail = QStringLiteral("the ODBC driver manager refused a handle");
        throw Error(QString::fromLatin1(operation), detail);
    }
}

Handle::~Handle() {
    reset();
}

Handle::Handle(Handle&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_type(other.m_type) {}

Handle& Handle::operator=(Handle&& other) noexcept {
    if (this != &other) {
        reset();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_type = other.m_type;
    }
    return *this;
}

void Handle::reset() noexcept {
    if (m_handle != SQL_NULL_HANDLE)
        SQLFreeHandle(m_type, m_handle);
    m_handle = SQL_NULL_HANDLE;
}

Environment::Environment() : m_handle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, "Connection.Open") {
    const SQLRETURN rc =
        SQLSetEnvAttr(m_handle.get(), SQL_ATTR_ODBC_VERSION,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(SQL_OV_ODBC3)), 0);
    check(rc, SQL_HANDLE_ENV, m_handle.get(), "Connection.Open");
}

DbConnection::DbConnection(const Environment& env)
    : m_handle(SQL_HANDLE_DBC, env.get(), "Connection.Open") {}

DbConnection::~DbConnection() {
    if (m_connected)
        SQLDisconnect(m_handle.get());
}

void DbConnection::connect(const QString& connectionString) {
    // A server that does not answer must not hold the user interface for long; drivers
    // that do not know the attribute keep their own default.
    SQLSetConnectAttr(m_handle.get(), SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(15)), 0);
    std::vector<SQLWCHAR> text = toWide(connectionString);
    SQLWCHAR out[1024];
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc =
        SQLDriverConnectW(m_handle.get(), nullptr, text.data(), SQL_NTS, out,
                          SQLSMALLINT(sizeof out / sizeof out[0]), &outLength, SQL_DRIVER_NOPROMPT);
    check(rc, SQL_HANDLE_DBC, m_handle.get(), "Connection.Open");
    m_connected = true;
}

Statement::Statement(const DbConnection& dbc, const char* operation)
    : m_handle(SQL_HANDLE_STMT, dbc.get(), operation) {}

std::vector<SQLWCHAR> toWide(const QString& text) {
    std::vector<SQLWCHAR> out(std::size_t(text.size()) + 1, 0);
    const auto* source = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[std::size_t(i)] = SQLWCHAR(source[i]);
    return out;
}

QString fromWide(const SQLWCHAR* text, std::size_t length) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), qsizetype(length));
}

QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle) {
    QStringList lines;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        std::vector<SQLWCHAR> message(1024);
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                      SQLSMALLINT(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && std::size_t(length) >= message.size()) {
            message.assign(std::size_t(length) + 1, 0);
            rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                SQLSMALLINT(message.size()), &length);
        }
        if (!succeeded(rc))
            break;
        const std::size_t used = std::min(std::size_t(length), message.size() - 1);
        lines << QStringLiteral("[%1] %2").arg(fromWide(state, 5), fromWide(message.data(), used));
    }
    return lines.join(QLatin1Char('\n'));
}

void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* operation) {
    if (succeeded(rc) || rc == SQL_NO_DATA)
        return;
    QString detail = diagnostics(handleType, handle);
    if (detail.isEmpty())
        detail = rc == SQL_INVALID_HANDLE ? QStringLiteral("invalid ODBC handle")
                                          : QStringLiteral("ODBC call failed (%1)").arg(rc);
    throw Error(QString::fromLatin1(operation), detail);
}

}  // namespace ado::odbc
