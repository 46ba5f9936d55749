#include "ado/AdoError.h"
#include "ado/OdbcEngine.h"
#include "ado/OdbcHandle.h"

#include <algorithm>

namespace ado {

QString odbcQuote(const QString& value) {
    QString doubled = value;
    doubled.replace(QLatin1Char('}'), QLatin1String("}}"));
    return QLatin1Char('{') + doubled + QLatin1Char('}');
}

QString chooseOdbcDriver(const QString& configured, const QStringList& installed) {
    const QString wanted = configured.trimmed();
    if (!wanted.isEmpty())
        return wanted;
    for (const QString& preferred : {kMsOdbc18, kMsOdbc17})
        if (installed.contains(preferred, Qt::CaseInsensitive))
            return preferred;
    return kFreeTds;
}

namespace {

bool isMicrosoftDriver(const QString& driver) {
    return driver.startsWith(QLatin1String("ODBC Driver"), Qt::CaseInsensitive) &&
           driver.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive);
}

bool isFreeTds(const QString& driver) {
    return driver.contains(QLatin1String("FreeTDS"), Qt::CaseInsensitive) ||
           driver.contains(QLatin1String("tdsodbc"), Qt::CaseInsensitive);
}

}  // namespace

QString buildOdbcConnectionString(const ConnectionSettings& settings, const QString& driver) {
    QStringList parts;
    parts << QStringLiteral("DRIVER=") + odbcQuote(driver);
    if (!settings.server.isEmpty())
        parts << QStringLiteral("SERVER=") + odbcQuote(settings.server);
    if (!settings.database.isEmpty())
        parts << QStringLiteral("DATABASE=") + odbcQuote(settings.database);
    if (settings.trusted) {
        parts << QStringLiteral("Trusted_Connection=yes");
    } else {
        parts << QStringLiteral("UID=") + odbcQuote(settings.user);
        parts << QStringLiteral("PWD=") + odbcQuote(settings.password);
    }
    if (isMicrosoftDriver(driver))
        parts << QStringLiteral("TrustServerCertificate=yes");
    if (isFreeTds(driver))
        parts << QStringLiteral("TDS_Version=7.4");
    return parts.join(QLatin1Char(';'));
}

QStringList installedOdbcDrivers() {
    QStringList names;
    try {
        const odbc::Environment env;
        SQLUSMALLINT direction = SQL_FETCH_FIRST;
        for (;;) {
            SQLWCHAR name[256] = {};
            SQLWCHAR attributes[1024] = {};
            SQLSMALLINT nameLength = 0;
            SQLSMALLINT attributesLength = 0;
            const SQLRETURN rc = SQLDriversW(env.get(), direction, name, 256, &nameLength,
                                             attributes, 1024, &attributesLength);
            if (!odbc::succeeded(rc))
                break;
            names << odbc::fromWide(name, std::min<std::size_t>(std::size_t(nameLength), 255));
            direction = SQL_FETCH_NEXT;
        }
    } catch (const Error&) {
        // No driver manager environment: no drivers.
    }
    return names;
}

}  // namespace ado
