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
#include "ado/Connection.h"
#include "ado/SqlScript.h"
#include "ui/TIni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
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

    // The connection is made from the settings file's CONFIG section, as the program makes it.
    const TIni source(QFileInfo(parser.value(config)).absoluteFilePath());
    ado::ConnectionSettings settings = ado::settingsFromConfig(
        [&](const QString& key) { return source.GetEntry(QStringLiteral("CONFIG"), key); });
    if (parser.isSet(database))
        settings.database = parser.value(database);
    settings.dateTimesAsText = true;  // printed in each type's own form, as sqlcmd prints them
    ado::Connection connection;
    connection.Settings = settings;
    try {
        connection.Open();
    } catch (const ado::Error& e) {
        err() << "CONEXION NO REALIZADA.: " << e.operation() << '\n' << e.description() << '\n';
        return 1;
    }

    for (const QString& batch : batches) {
        try {
            print(connection.engine("Connection.Execute").query(batch));
        } catch (const ado::Error& e) {
            err() << e.description() << '\n';
            return 1;
        }
    }
    return 0;
}
