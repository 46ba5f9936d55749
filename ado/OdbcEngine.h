#pragma once

#include "ado/Engine.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace ado {

// SQL Server through ODBC (unixODBC on Linux, the Windows driver manager on Windows).
//
// The connection string is built from the settings, every value brace-quoted, so a password
// holding a semicolon or a brace reaches the server whole:
//   DRIVER={FreeTDS};SERVER={db01\nomina};DATABASE={oxta};UID={sa};PWD={a;b};TDS_Version=7.4
// Driver: settings.driver when given, else the newest Microsoft driver that the driver
// manager lists ("ODBC Driver 18 for SQL Server", then 17), else "FreeTDS".

// The Microsoft drivers and FreeTDS, as the driver manager names them.
inline const QString kMsOdbc18 = QStringLiteral("ODBC Driver 18 for SQL Server");
inline const QString kMsOdbc17 = QStringLiteral("ODBC Driver 17 for SQL Server");
inline const QString kFreeTds = QStringLiteral("FreeTDS");

// One value of an ODBC connection string: between braces, every closing brace doubled.
//   odbcQuote("a;b}c") == "{a;b}}c}"
QString odbcQuote(const QString& value);

// The driver to use: the configured one (trimmed) when not empty, else the best installed.
QString chooseOdbcDriver(const QString& configured, const QStringList& installed);

// The ODBC connection string for SQL Server with the given driver (see above). SERVER and
// DATABASE are left out when empty, so the driver's defaults and the login's default
// database apply. Windows authentication gives Trusted_Connection=yes and no UID/PWD.
// The Microsoft drivers get TrustServerCertificate=yes: Driver 18 encrypts every connection
// and would otherwise refuse the self-signed certificate of a usual in-house server, which
// SQLOLEDB accepted. FreeTDS gets TDS_Version=7.4 (SQL Server 2012 and later).
QString buildOdbcConnectionString(const ConnectionSettings& settings, const QString& driver);

// Names of the drivers that the driver manager lists (empty when it lists none).
QStringList installedOdbcDrivers();

// A decimal as a driver renders it ("1234.5", "-.25", "1E+3") at the column's scale;
// extra fraction figures are rounded half away from zero. Nothing for text that is no number
// or has more than 38 figures. The decoder both engines share (ado/DecimalDecoder.h).
std::optional<Decimal> parseOdbcDecimal(const QString& text, int scale);

// Values come back as the embedded engine gives them: integers (numeric columns of scale 0
// included), decimals at the column's scale, floats as decimals, text (char padding kept),
// date-times (a time alone on 1899-12-30), NULL.

// Opens SQL Server as the settings say. Throws ado::Error("Connection.Open", diagnostics).
std::unique_ptr<Engine> openOdbcEngine(const ConnectionSettings& settings);

// Opens any ODBC data source with a complete connection string, for instance
// "DRIVER={SQLite3};Database=/tmp/x.db". Throws ado::Error("Connection.Open", diagnostics).
// `dateTimesAsText`: date-time columns as the driver's text (ConnectionSettings).
std::unique_ptr<Engine> openOdbcEngineWithString(const QString& odbcConnectionString,
                                                 bool dateTimesAsText = false);

}  // namespace ado
