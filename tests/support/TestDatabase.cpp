#include "tests/support/TestDatabase.h"

#include "ado/AdoError.h"
#include "ado/SqlScript.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>

#include <unistd.h>

namespace {

const QString kTemplateName = QStringLiteral("plantilla");

ado::ConnectionSettings embedded(const QString& folder, const QString& database) {
    ado::ConnectionSettings s;
    s.motor = ado::ConnectionSettings::Motor::Sqlite;
    s.server = folder;
    s.database = database;
    return s;
}

// Builds the database in its own folder; the engine is closed before the file is copied, so
// the file holds everything (no write-ahead log beside it).
QString build(TestData data, const QString& folder) {
    ado::openEngine(embedded(folder, QStringLiteral("master")))
        ->execute(QStringLiteral("CREATE DATABASE ") + kTemplateName);
    const auto engine = ado::openEngine(embedded(folder, kTemplateName));
    if (data != TestData::Empty)
        RunScript(*engine, SqlFile("schema.sql"));
    if (data == TestData::Demo)
        RunScript(*engine, SqlFile("demo.sql"));
    return QDir(folder).filePath(kTemplateName + QStringLiteral(".sqlite"));
}

const char* kindName(TestData data) {
    switch (data) {
        case TestData::Empty:
            return "empty";
        case TestData::Schema:
            return "schema";
        case TestData::Demo:
            return "demo";
    }
    return "?";
}

// What the template depends on: the scripts and the test program (whose engine builds it).
QString fingerprint(TestData data) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const char* script : {"schema.sql", "demo.sql"}) {
        QFile f(SqlFile(script));
        if (f.open(QIODevice::ReadOnly))
            hash.addData(f.readAll());
    }
    const QFileInfo program(QCoreApplication::applicationFilePath());
    hash.addData(QByteArray::number(program.lastModified().toMSecsSinceEpoch()));
    hash.addData(QByteArray::number(program.size()));
    hash.addData(kindName(data));
    return QString::fromLatin1(hash.result().toHex().left(16));
}

// Puts a finished template at `path` unless one is there already, atomically: a hard link
// either creates the name with the whole file behind it or fails because the name exists. It
// never truncates or rewrites a file that another process may be copying (a rename onto an
// existing name may fall back to copying over it).
bool publish(const QString& built, const QString& path) {
    const QByteArray from = QFile::encodeName(built);
    const QByteArray to = QFile::encodeName(path);
    if (::link(from.constData(), to.constData()) == 0 || errno == EEXIST)
        return true;
    ADD_FAILURE() << "test database: cannot publish " << path.toStdString() << ": "
                  << std::strerror(errno);
    return false;
}

// Where the templates are kept: the build tree, or the folder OXTA_TEST_TEMPLATES names (the
// race test gives each round an empty one).
QDir templateCache() {
    const QString chosen = qEnvironmentVariable("OXTA_TEST_TEMPLATES");
    return QDir(chosen.isEmpty() ? QStringLiteral(OXTA_BINARY_DIR "/tests/testdb") : chosen);
}

// The template of each kind. Every test case runs in a process of its own, so the template
// is kept in the build tree and built once per test program and scripts; a process that finds
// it copies it. Processes that find it missing at the same moment each build one in a folder
// of their own; the first to publish it wins and the others drop theirs, so a template, once
// in place, is never written again.
QString templateFile(TestData data) {
    static std::map<TestData, QString> known;
    if (const auto it = known.find(data); it != known.end())
        return it->second;
    const QDir cache = templateCache();
    if (!cache.mkpath(QStringLiteral(".")))
        return {};
    const QString prefix = QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                           QLatin1Char('-') + QLatin1String(kindName(data)) + QLatin1Char('-');
    const QString path = cache.filePath(prefix + fingerprint(data) + QStringLiteral(".sqlite"));
    if (!QFileInfo::exists(path)) {
        QTemporaryDir work(cache.filePath(QStringLiteral("build-XXXXXX")));
        if (!work.isValid())
            return {};
        try {
            const QString built = build(data, work.path());
            // Older templates of this program and kind are out of date. Removing a name
            // leaves a copy that is under way intact (it holds the file open).
            for (const QString& old :
                 cache.entryList({prefix + QStringLiteral("*.sqlite")}, QDir::Files)) {
                if (cache.filePath(old) != path)
                    QFile::remove(cache.filePath(old));
            }
            if (!publish(built, path))
                return {};
        } catch (const ado::Error& e) {
            ADD_FAILURE() << "test database: " << e.what();
            return {};
        }
    }
    known[data] = path;
    return path;
}

}  // namespace

QString SqlFile(const char* name) {
    return QStringLiteral(OXTA_SOURCE_DIR "/sql/") + QString::fromLatin1(name);
}

void RunScript(ado::Engine& engine, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList batches = sql::splitBatches(QString::fromUtf8(file.readAll()));
    for (qsizetype i = 0; i < batches.size(); ++i) {
        try {
            engine.execute(batches[i]);
        } catch (const ado::Error& e) {
            ADD_FAILURE() << path.toStdString() << " batch " << i + 1 << ": " << e.what() << "\n"
                          << batches[i].left(400).toStdString();
        }
    }
}

bool CopyTestDatabase(TestData data, const QString& folder, const QString& name) {
    const QString source = templateFile(data);
    if (source.isEmpty()) {
        ADD_FAILURE() << "the test database could not be built";
        return false;
    }
    if (!QDir().mkpath(folder)) {
        ADD_FAILURE() << "cannot create " << folder.toStdString();
        return false;
    }
    const QString target = QDir(folder).filePath(name + QStringLiteral(".sqlite"));
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        ADD_FAILURE() << "cannot copy the test database to " << target.toStdString();
        return false;
    }
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}
