#include "ado/Connection.h"

#include "ado/AdoError.h"

namespace ado {

void Connection::Open() {
    if (m_engine) {
        throw Error(QStringLiteral("Connection.Open"),
                    QStringLiteral("Operation is not allowed when the object is open."));
    }
    const ConnectionSettings settings =
        Settings ? *Settings : parseConnectionString(ConnectionString);
    try {
        m_engine = openEngine(settings);
    } catch (const Error& e) {
        throw e.renamed(QStringLiteral("Connection.Open"));
    }
}

void Connection::Execute(const QString& sql) {
    Execute(sql, Parameters{});
}

void Connection::Execute(const QString& sql, const Parameters& parameters) {
    Engine& e = engine("Connection.Execute");
    try {
        e.execute(sql, parameters);
    } catch (const Error& err) {
        throw err.renamed(QStringLiteral("Connection.Execute"));
    }
}

void Connection::Close() {
    if (!m_engine) {
        throw Error(QStringLiteral("Connection.Close"),
                    QStringLiteral("Operation is not allowed when the object is closed."));
    }
    m_engine.reset();
}

Engine& Connection::engine(const char* operation) {
    if (!m_engine) {
        throw Error(QString::fromLatin1(operation),
                    QStringLiteral("Operation is not allowed when the object is closed."));
    }
    return *m_engine;
}

void Recordset::Open(const QString& source, Connection* connection, const Parameters& parameters) {
    if (connection)
        ActiveConnection = connection;
    Open(source, parameters);
}

void Recordset::Open(const QString& source, const Parameters& parameters) {
    static const QString op = QStringLiteral("Recordset.Open");
    if (m_open)
        throw Error(op, QStringLiteral("Operation is not allowed when the object is open."));
    if (!ActiveConnection) {
        throw Error(op, QStringLiteral("The connection cannot be used to perform this operation. "
                                       "It is either closed or invalid in this context."));
    }
    Engine& engine = ActiveConnection->engine("Recordset.Open");
    try {
        m_result = engine.query(source, parameters);
    } catch (const Error& e) {
        throw e.renamed(op);
    }
    m_row = 0;
    m_open = true;
}

bool Recordset::Eof() const {
    return !m_open || m_row >= m_result.rows.size();
}

void Recordset::MoveFirst() {
    if (!m_open) {
        throw Error(QStringLiteral("Recordset.MoveFirst"),
                    QStringLiteral("Operation is not allowed when the object is closed."));
    }
    m_row = 0;
}

void Recordset::MoveNext() {
    if (Eof()) {
        throw Error(QStringLiteral("Recordset.MoveNext"),
                    QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                   "deleted. Requested operation requires a current record."));
    }
    ++m_row;
}

Field Recordset::Fields(int i) const {
    static const QString op = QStringLiteral("Recordset.Fields");
    if (Eof()) {
        throw Error(op, QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                       "deleted. Requested operation requires a current record."));
    }
    const auto& row = m_result.rows[m_row];
    if (i < 0 || static_cast<std::size_t>(i) >= row.size()) {
        throw Error(op, QStringLiteral("Item cannot be found in the collection corresponding to "
                                       "the requested name or ordinal."));
    }
    return Field{row[static_cast<std::size_t>(i)]};
}

void Recordset::Close() {
    if (!m_open) {
        throw Error(QStringLiteral("Recordset.Close"),
                    QStringLiteral("Operation is not allowed when the object is closed."));
    }
    m_result = {};
    m_row = 0;
    m_open = false;
}

}  // namespace ado
