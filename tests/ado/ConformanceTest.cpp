// The dialect conformance cases of conformance/*.sql: each case is SQL in and the rows or the
// error that SQL Server answers out. They run on the embedded engine and, when OXTA_TEST_MSSQL
// holds an ODBC connection string, on that SQL Server too, so the expectations are checked
// wherever a server exists.
//
// A file holds cases one after another, sharing one fresh database:
//
//     -- case: integer division by zero
//     select 25/0
//     -- error: Divide by zero error encountered.
//
//     -- case: the column alias form
//     create table a (n int)
//     go
//     select 'x' = 1
//     -- rows:
//     -- 1
//
// Batches are separated by lines "go"; every batch but the last must run, the last gives the
// rows (cells separated by " | ", NULL for a null, '' for empty text, "-- rows: none" for no row)
// or the error.
#include "ado/AdoError.h"
#include "ado/OdbcEngine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

struct ConformanceCase {
    QString name;
    int line = 0;
    QStringList batches;
    bool expectsError = false;
    QString error;
    QStringList rows;  // each row's cells joined by " | "
};

std::vector<ConformanceCase> readCases(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::vector<ConformanceCase> cases;
    QString batch;
    bool inRows = false;
    int number = 0;
    const auto endBatch = [&] {
        if (!cases.empty() && !batch.trimmed().isEmpty())
            cases.back().batches << batch;
        batch.clear();
    };
    for (const QString& raw : QString::fromUtf8(f.readAll()).split(u'\n')) {
        ++number;
        const QString line = raw.trimmed();
        if (line.startsWith(u"-- case:")) {
            endBatch();
            inRows = false;
            ConformanceCase c;
            c.name = line.mid(8).trimmed();
            c.line = number;
            cases.push_back(std::move(c));
        } else if (cases.empty()) {
            continue;  // the file's heading
        } else if (line.startsWith(u"-- error:")) {
            endBatch();
            cases.back().expectsError = true;
            cases.back().error = line.mid(9).trimmed();
        } else if (line.startsWith(u"-- rows:")) {
            endBatch();
            inRows = line.mid(8).trimmed() != u"none";
        } else if (inRows && line.startsWith(u"--")) {
            cases.back().rows << line.mid(2).trimmed();
        } else if (line.compare(u"go", Qt::CaseInsensitive) == 0) {
            endBatch();
        } else if (!inRows && !line.startsWith(u"--")) {
            batch += raw + u'\n';
        }
    }
    endBatch();
    return cases;
}

QString render(const ado::Value& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    const QString text = v.toText();
    return text.isEmpty() ? QStringLiteral("''") : text;
}

QStringList render(const ado::ResultSet& r) {
    QStringList rows;
    for (const auto& row : r.rows) {
        QStringList cells;
        for (const auto& v : row)
            cells << render(v);
        rows << cells.join(u" | ");
    }
    return rows;
}

// Runs every case of one file on `engine`, reporting each disagreement with its case's name.
void runCases(ado::Engine& engine, const QString& file) {
    const auto cases = readCases(file);
    ASSERT_FALSE(cases.empty()) << "no case in " << file.toStdString();
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1:%2: %3")
                         .arg(QFileInfo(file).fileName())
                         .arg(c.line)
                         .arg(c.name)
                         .toStdString());
        if (c.batches.isEmpty()) {
            ADD_FAILURE() << "case without SQL";
            continue;
        }
        try {
            for (qsizetype i = 0; i + 1 < c.batches.size(); ++i)
                engine.execute(c.batches[i]);
        } catch (const ado::Error& e) {
            ADD_FAILURE() << "preparation failed: " << e.description().toStdString();
            continue;
        }
        try {
            const auto result = engine.query(c.batches.last());
            if (c.expectsError)
                ADD_FAILURE() << "expected the error \"" << c.error.toStdString()
                              << "\", got rows:\n"
                              << render(result).join(u'\n').toStdString();
            else
                EXPECT_EQ(render(result).join(u'\n').toStdString(),
                          c.rows.join(u'\n').toStdString());
        } catch (const ado::Error& e) {
            if (c.expectsError)
                EXPECT_EQ(e.description().toStdString(), c.error.toStdString());
            else
                ADD_FAILURE() << "unexpected error: " << e.description().toStdString();
        }
    }
}

std::vector<std::string> conformanceFiles() {
    QDir dir(QStringLiteral(OXTA_SOURCE_DIR "/tests/ado/conformance"));
    std::vector<std::string> files;
    for (const auto& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        files.push_back(dir.filePath(name).toStdString());
    return files;
}

std::string topicName(const ::testing::TestParamInfo<std::string>& info) {
    auto name = QFileInfo(QString::fromStdString(info.param)).completeBaseName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return name.toStdString();
}

class ConformanceTest : public TempDirTest, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(ConformanceTest, EmbeddedEngineAnswersAsSqlServer) {
    ASSERT_TRUE(CopyTestDatabase(TestData::Empty, dir(), QStringLiteral("conformidad")));
    ado::ConnectionSettings s;
    s.motor = ado::ConnectionSettings::Motor::Sqlite;
    s.server = dir();
    s.database = QStringLiteral("conformidad");
    const auto engine = ado::openEngine(s);
    runCases(*engine, QString::fromStdString(GetParam()));
}

TEST_P(ConformanceTest, SqlServerAgreesWithTheExpectations) {
    const char* connection = std::getenv("OXTA_TEST_MSSQL");
    if (!connection || !*connection)
        GTEST_SKIP() << "OXTA_TEST_MSSQL not set";
    const auto engine = ado::openOdbcEngineWithString(QString::fromUtf8(connection));
    const auto database =
        QStringLiteral("oxta_conformance_%1").arg(QRandomGenerator::global()->generate());
    engine->execute(QStringLiteral("CREATE DATABASE [%1]").arg(database));
    engine->execute(QStringLiteral("USE [%1]").arg(database));
    runCases(*engine, QString::fromStdString(GetParam()));
    engine->execute(QStringLiteral("USE master"));
    engine->execute(QStringLiteral("ALTER DATABASE [%1] SET SINGLE_USER WITH ROLLBACK IMMEDIATE")
                        .arg(database));
    engine->execute(QStringLiteral("DROP DATABASE [%1]").arg(database));
}

INSTANTIATE_TEST_SUITE_P(Topics, ConformanceTest, ::testing::ValuesIn(conformanceFiles()),
                         topicName);
