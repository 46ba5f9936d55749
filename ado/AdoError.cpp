#include "ado/AdoError.h"

namespace ado {

Error::Error(QString operation, QString description)
    : Error(std::move(operation), std::move(description), QStringLiteral("HY000"), 0) {}

Error::Error(QString operation, ServerError error, const QStringList& arguments)
    : Error(raised(std::move(operation), error, serverErrorMessage(error, arguments))) {}

Error::Error(QString operation, QString description, QString sqlState, int nativeError)
    : std::runtime_error((operation + QStringLiteral(": ") + description).toStdString()),
      m_operation(std::move(operation)),
      m_description(std::move(description)),
      m_sqlState(std::move(sqlState)),
      m_nativeError(nativeError) {}

Error Error::raised(QString operation, ServerError error, QString description) {
    const ServerErrorInfo& info = serverErrorInfo(error);
    Error e(std::move(operation), std::move(description), QString::fromLatin1(info.sqlState),
            info.number);
    e.m_error = error;
    return e;
}

Error Error::renamed(QString operation) const {
    Error e(std::move(operation), m_description, m_sqlState, m_nativeError);
    e.m_error = m_error;
    return e;
}

bool Error::isConnectionFailure() const {
    return m_sqlState.startsWith(u"08") || m_sqlState == u"28000" || m_nativeError == 4060 ||
           m_nativeError == 18456;
}

void raise(const QString& operation, ServerError error, const QStringList& arguments) {
    throw Error(operation, error, arguments);
}

}  // namespace ado
