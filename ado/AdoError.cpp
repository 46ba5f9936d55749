#include "ado/AdoError.h"

#include <array>

namespace ado {

namespace {

struct KnownMessage {
    const char16_t* start;  // how SQL Server's message begins
    const char* sqlState;
    int nativeError;
};

// SQL Server's messages that the embedded engine gives, with the codes SQL Server's ODBC
// driver reports for them.
constexpr std::array<KnownMessage, 15> kKnownMessages = {{
    {u"Invalid object name", "42S02", 208},
    {u"Invalid column name", "42S22", 207},
    {u"The multi-part identifier", "42000", 4104},
    {u"Ambiguous column name", "42000", 209},
    {u"Incorrect syntax near", "42000", 102},
    {u"There is already an object named", "42S01", 2714},
    {u"Cannot insert duplicate key row", "23000", 2601},
    {u"Violation of PRIMARY KEY constraint", "23000", 2627},
    {u"Cannot insert the value NULL", "23000", 515},
    {u"Conversion failed", "22018", 245},
    {u"Divide by zero error", "22012", 8134},
    {u"Lock request time out period exceeded", "HYT00", 1222},
    {u"Cannot open database", "42000", 4060},
    {u"Must declare the scalar variable", "42000", 137},
    {u"A network-related or instance-specific error", "08001", 53},
}};

}  // namespace

Error::Error(QString operation, QString description)
    : Error(std::move(operation), std::move(description), QStringLiteral("HY000"), 0) {
    for (const KnownMessage& known : kKnownMessages) {
        if (m_description.startsWith(QStringView(known.start))) {
            m_sqlState = QString::fromLatin1(known.sqlState);
            m_nativeError = known.nativeError;
            break;
        }
    }
}

Error::Error(QString operation, QString description, QString sqlState, int nativeError)
    : std::runtime_error((operation + QStringLiteral(": ") + description).toStdString()),
      m_operation(std::move(operation)),
      m_description(std::move(description)),
      m_sqlState(std::move(sqlState)),
      m_nativeError(nativeError) {}

bool Error::isConnectionFailure() const {
    return m_sqlState.startsWith(u"08") || m_sqlState == u"28000" || m_nativeError == 4060 ||
           m_nativeError == 18456;
}

}  // namespace ado
