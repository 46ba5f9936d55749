#include "data/SqliteEngine.h"

#include "data/AdoError.h"
#include "data/SqlTokenizer.h"

#include <QDir>
#include <QStandardPaths>

#include <sqlite3.h>

namespace ado {

namespace {

QString rewrite(const QString& text) {
    const auto tokens = sql::tokenize(text);
    QString out;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const auto& t = tokens[i];
        if (t.is("dbo") && tokens[i + 1].kind == sql::Tok::Dot) {
            ++i;
            continue;
        }
        switch (t.kind) {
            case sql::Tok::QuotedId:
                out += u'"' + QString(t.text).replace(u'"', QStringLiteral("\"\"")) + u'"';
                break;
            case sql::Tok::String:
                out += u'\'' + QString(t.text).replace(u'\'', QStringLiteral("''")) + u'\'';
                break;
            default:
                out += t.text;
        }
        out += u' ';
    }
    return out;
}

class SqliteEngine : public Engine {
  public:
    explicit SqliteEngine(sqlite3* db) : m_db(db) {}
    ~SqliteEngine() override { sqlite3_close_v2(m_db); }

    void execute(const QString& sql) override { run(sql, nullptr); }
    ResultSet query(const QString& sql) override {
        ResultSet r;
        run(sql, &r);
        return r;
    }

  private:
    void run(const QString& text, ResultSet* out) {
        const QByteArray utf8 = rewrite(text).toUtf8();
        const char* tail = utf8.constData();
        while (tail && *tail) {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(m_db, tail, -1, &stmt, &tail) != SQLITE_OK)
                fail();
            if (!stmt)
                break;
            ResultSet rs;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                rs.columns << QString::fromUtf8(sqlite3_column_name(stmt, i));
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                std::vector<Value> row;
                for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                    switch (sqlite3_column_type(stmt, i)) {
                        case SQLITE_INTEGER:
                            row.emplace_back(std::int64_t{sqlite3_column_int64(stmt, i)});
                            break;
                        case SQLITE_NULL:
                            row.emplace_back();
                            break;
                        default:
                            row.emplace_back(QString::fromUtf8(
                                reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))));
                    }
                }
                rs.rows.push_back(std::move(row));
            }
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE)
                fail();
            if (out && !rs.columns.isEmpty())
                *out = std::move(rs);
        }
    }
    [[noreturn]] void fail() {
        throw Error(QStringLiteral("Sqlite"), QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    sqlite3* m_db;
};

}  // namespace

QString sqliteServerFolder(const QString& server) {
    const QString s = server.trimmed();
    if (s.isEmpty() || s.compare(u"(local)", Qt::CaseInsensitive) == 0) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return QDir(base).filePath(QStringLiteral("oxta-staffing/databases"));
    }
    return QDir(s).absolutePath();
}

std::unique_ptr<Engine> openSqliteEngine(const ConnectionSettings& settings) {
    const QString folder = sqliteServerFolder(settings.server);
    QDir().mkpath(folder);
    QString name = settings.database.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("master");
    const QString path = QDir(folder).filePath(name + QStringLiteral(".sqlite"));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        throw Error(QStringLiteral("Connection.Open"), msg);
    }
    return std::make_unique<SqliteEngine>(db);
}

}  // namespace ado
