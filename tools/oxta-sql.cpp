// oxta-sql: runs SQL against the application's database, as sqlcmd does.
//
//   oxta-sql [-c config.ini] [-d database] -Q "statement"
//   oxta-sql [-c config.ini] [-d database] -i script.sql
//
// The connection is made from section CONFIG of the settings file (config.ini in the current
// directory unless -c names another), as the application makes it. A script is split into
// batches at lines that begin with GO; the last batch runs even without a closing GO. Rows are
// printed tab-separated under a line of column names, NULL as NULL. Errors go to stderr and
// the exit status is 1 (2 for wrong arguments).

#include "ado/AdoError.h"
#include "ado/SqlScript.h"
#include "data/clsConexion.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

const QStringList kConfigKeys = {"SERVER", "BD", "ID", "PWD", "AUTOWIN", "MOTOR", "DRIVER"};

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

bool isDefaultServer(const QString& server) {
    const QString s = server.trimmed();
    return s.isEmpty() || s.compare(u"(local)", Qt::CaseInsensitive) == 0 ||
           s.compare(u"localhost", Qt::CaseInsensitive) == 0 || s == u".";
}

void print(const ado::ResultSet& result) {
    if (result.columns.isEmpty())
        return;
    out() << result.columns.join(u'\t') << '\n';
    for (const auto& row : result.rows) {
        QStringList cells;
        for (const ado::Value& v : row)
            cells << (v.isNull() ? QStringLiteral("NULL") : v.toText());
        out() << cells.join(u'\t') << '\n';
    }
    out().flush();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("oxta-sql"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs SQL on the OXTAStaffing database."));
    parser.addHelpOption();
    const QCommandLineOption query(QStringList{"Q"}, QStringLiteral("Runs one batch."),
                                   QStringLiteral("statement"));
    const QCommandLineOption input(QStringList{"i"},
                                   QStringLiteral("Runs a script of batches separated by GO."),
                                   QStringLiteral("file"));
    const QCommandLineOption config(QStringList{"c"},
                                    QStringLiteral("Settings file (default: config.ini)."),
                                    QStringLiteral("file"), QStringLiteral("config.ini"));
    const QCommandLineOption database(QStringList{"d"}, QStringLiteral("Database, in place of BD."),
                                      QStringLiteral("name"));
    parser.addOptions({query, input, config, database});
    parser.process(app);
    if (parser.isSet(query) == parser.isSet(input)) {
        err() << "oxta-sql: give either -Q \"statement\" or -i file.\n";
        return 2;
    }

    QStringList batches;
    if (parser.isSet(query)) {
        batches << parser.value(query);
    } else {
        QFile file(parser.value(input));
        if (!file.open(QIODevice::ReadOnly)) {
            err() << "oxta-sql: cannot read " << parser.value(input) << ": " << file.errorString()
                  << '\n';
            return 2;
        }
        batches = sql::splitBatches(QString::fromUtf8(file.readAll()));
    }

    // The connection class reads config.ini from the current directory: give it one that holds
    // the chosen settings, with a relative folder of databases made absolute first.
    const TIni source(QFileInfo(parser.value(config)).absoluteFilePath());
    QTemporaryDir workDir;
    if (!workDir.isValid()) {
        err() << "oxta-sql: no temporary folder.\n";
        return 1;
    }
    TIni settings(QDir(workDir.path()).filePath(QStringLiteral("config.ini")));
    for (const QString& key : kConfigKeys) {
        QString value = source.GetEntry(QStringLiteral("CONFIG"), key);
        if (key == u"SERVER" && !isDefaultServer(value) &&
            source.GetEntry(QStringLiteral("CONFIG"), QStringLiteral("MOTOR"))
                    .trimmed()
                    .compare(u"SQLITE", Qt::CaseInsensitive) == 0) {
            value = QDir::current().absoluteFilePath(value.trimmed());
        }
        if (key == u"BD" && parser.isSet(database))
            value = parser.value(database);
        settings.SetEntry(QStringLiteral("CONFIG"), key, value);
    }

    ui::ConsoleMessages console;
    ui::SetMessageService(&console);
    clsConexion cnx;
    const QString here = QDir::currentPath();
    QDir::setCurrent(workDir.path());
    ado::Connection* connection = cnx.Conexion();
    QDir::setCurrent(here);
    if (!connection)
        return 1;

    for (const QString& batch : batches) {
        try {
            print(connection->engine("Connection.Execute").query(batch));
        } catch (const ado::Error& e) {
            err() << e.description() << '\n';
            return 1;
        }
    }
    return 0;
}
