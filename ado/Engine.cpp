#include "ado/Engine.h"

#include "ado/OdbcEngine.h"
#include "ado/SqliteEngine.h"

namespace ado {

std::unique_ptr<Engine> openEngine(const ConnectionSettings& settings) {
    if (settings.motor == ConnectionSettings::Motor::Sqlite)
        return openSqliteEngine(settings);
    return openOdbcEngine(settings);
}

namespace {

// AUTOWIN asks for a SQL Server login only with ".F." (blanks around it ignored).
bool isSqlLogin(const QString& autowin) {
    const QString value = autowin.trimmed();
    return value == u".F." || value == u".f.";
}

}  // namespace

ConnectionSettings settingsFromConfig(const std::function<QString(const QString& key)>& entry) {
    ConnectionSettings s;
    s.motor = entry(QStringLiteral("MOTOR")).trimmed().compare(u"SQLITE", Qt::CaseInsensitive) == 0
                  ? ConnectionSettings::Motor::Sqlite
                  : ConnectionSettings::Motor::SqlServer;
    s.server = entry(QStringLiteral("SERVER"));
    s.database = entry(QStringLiteral("BD"));
    s.trusted = !isSqlLogin(entry(QStringLiteral("AUTOWIN")));
    if (!s.trusted) {
        s.user = entry(QStringLiteral("ID"));
        s.password = entry(QStringLiteral("PWD"));
    }
    s.driver = entry(QStringLiteral("DRIVER"));
    return s;
}

ConnectionSettings parseConnectionString(const QString& connectionString) {
    ConnectionSettings s;
    bool trusted = false;
    for (const QString& part : connectionString.split(u';')) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = part.mid(eq + 1).trimmed();
        if (key == u"server" || key == u"data source" || key == u"address") {
            s.server = value;
        } else if (key == u"database" || key == u"initial catalog") {
            s.database = value;
        } else if (key == u"uid" || key == u"user id") {
            s.user = value;
        } else if (key == u"pwd" || key == u"password") {
            s.password = value;
        } else if (key == u"trusted_connection") {
            trusted = value.compare(u"yes", Qt::CaseInsensitive) == 0 ||
                      value.compare(u"true", Qt::CaseInsensitive) == 0;
        } else if (key == u"integrated security") {
            trusted = value.compare(u"sspi", Qt::CaseInsensitive) == 0 ||
                      value.compare(u"true", Qt::CaseInsensitive) == 0;
        } else if (key == u"driver") {
            s.driver = value;
        }
    }
    s.trusted = trusted;
    return s;
}

}  // namespace ado
