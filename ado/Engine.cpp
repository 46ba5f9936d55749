#include "ado/Engine.h"

#include "ado/OdbcEngine.h"
#include "ado/SqliteEngine.h"

namespace ado {

std::unique_ptr<Engine> openEngine(const ConnectionSettings& settings) {
    if (settings.motor == ConnectionSettings::Motor::Sqlite)
        return openSqliteEngine(settings);
    return openOdbcEngine(settings);
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
