// The data-layer contract on SQL Server through ODBC, when OXTA_TEST_MSSQL holds an ODBC
// connection string; without it the case is not instantiated. (The SQLite3 ODBC driver speaks
// SQLite's dialect, not SQL Server's, so the contract does not apply to it; the engine's own
// behaviour over that driver is tested in OdbcEngineTest.cpp.)

#include "EngineParam.h"

#include "ado/OdbcEngine.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

QString mssqlConnectionString() {
    const char* text = std::getenv("OXTA_TEST_MSSQL");
    return text ? QString::fromUtf8(text) : QString();
}

// One scratch database per test process, dropped when the process ends.
class ScratchDatabase {
  public:
    ScratchDatabase()
        : m_name(QStringLiteral("oxta_contract_%1").arg(QCoreApplication::applicationPid())) {
        ado::openOdbcEngineWithString(mssqlConnectionString())
            ->execute(QStringLiteral("if db_id('%1') is null create database [%1]").arg(m_name));
    }
    ~ScratchDatabase() {
        try {
            auto engine = ado::openOdbcEngineWithString(mssqlConnectionString());
            engine->execute(
                QStringLiteral("alter database [%1] set single_user with rollback immediate")
                    .arg(m_name));
            engine->execute(QStringLiteral("drop database [%1]").arg(m_name));
        } catch (const ado::Error&) {
            // Left for the administrator: nothing to report to once the tests have ended.
        }
    }
    const QString& name() const { return m_name; }

  private:
    QString m_name;
};

// The settings that an ODBC connection string names (values may be brace-quoted).
ado::ConnectionSettings settingsOf(const QString& odbc) {
    ado::ConnectionSettings s;
    s.trusted = false;
    qsizetype pos = 0;
    while (pos < odbc.size()) {
        const qsizetype eq = odbc.indexOf(u'=', pos);
        if (eq < 0)
            break;
        const QString key = odbc.mid(pos, eq - pos).trimmed().toUpper();
        QString value;
        pos = eq + 1;
        if (pos < odbc.size() && odbc[pos] == u'{') {
            for (++pos; pos < odbc.size(); ++pos) {
                if (odbc[pos] == u'}') {
                    if (pos + 1 < odbc.size() && odbc[pos + 1] == u'}') {
                        value += u'}';
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
                value += odbc[pos];
            }
            const qsizetype semi = odbc.indexOf(u';', pos);
            pos = semi < 0 ? odbc.size() : semi + 1;
        } else {
            const qsizetype semi = odbc.indexOf(u';', pos);
            value = odbc.mid(pos, semi < 0 ? -1 : semi - pos).trimmed();
            pos = semi < 0 ? odbc.size() : semi + 1;
        }
        if (key == u"DRIVER")
            s.driver = value;
        if (key == u"SERVER")
            s.server = value;
        if (key == u"DATABASE")
            s.database = value;
        if (key == u"UID")
            s.user = value;
        if (key == u"PWD")
            s.password = value;
        if (key == u"TRUSTED_CONNECTION")
            s.trusted = value.compare(u"yes", Qt::CaseInsensitive) == 0;
    }
    return s;
}

std::unique_ptr<ado::Connection> openMssql(const QString&) {
    static ScratchDatabase scratch;
    auto connection = std::make_unique<ado::Connection>();
    connection->Settings = settingsOf(mssqlConnectionString());
    connection->Settings->database = scratch.name();
    connection->Open();
    return connection;
}

std::vector<EngineCase> mssqlCases() {
    if (mssqlConnectionString().isEmpty())
        return {};
    return {EngineCase{"mssql", openMssql}};
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Odbc, EngineContractTest, ::testing::ValuesIn(mssqlCases()));
