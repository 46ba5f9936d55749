#include "ado/SqliteEngine.h"

#include "ado/SqlDateTimes.h"

#include "ado/AdoError.h"
#include "ado/DecimalDecoder.h"
#include "ado/ParameterBinding.h"
#include "ado/SqlCatalogue.h"
#include "ado/SqlDecimals.h"
#include "ado/SqlInsertShape.h"
#include "ado/SqlNesting.h"
#include "ado/SqlParser.h"
#include "ado/SqlTranslator.h"
#include "ado/SqliteBatchRunner.h"
#include "ado/SqliteErrors.h"
#include "ado/SqliteFunctions.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <list>
#include <map>
#include <unordered_map>

namespace ado {
namespace {

struct StmtDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtDeleter>;

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

// Opens a database file. On failure the handle is closed at once and SQLite's message is
// given in `error`.
DbHandle openDatabase(const QString& path, int flags, QString& error) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    DbHandle db(raw);  // SQLite hands out a handle even when opening fails
    if (rc != SQLITE_OK) {
        error = QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc));
        return nullptr;
    }
    return db;
}

}  // namespace
}  // namespace ado

namespace ado {
namespace {

using sql::SqlType;

const QString kOperation = QStringLiteral("Sqlite");

bool validDatabaseName(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[\\w][\\w \\-\\.]*$"));
    return re.match(name).hasMatch() && !name.contains(QStringLiteral(".."));
}

using SharedStmt = std::shared_ptr<sqlite3_stmt>;

// A statement's translation and its prepared SQLite statements, valid for one state of the
// schema and one set of parameter types.
struct PreparedSlot {
    std::pair<int, std::uint64_t> generation{-1, 0};
    std::vector<SharedStmt> statements;
    std::vector<SqlType> resultTypes;
    QStringList resultNames;
    bool changesSchema = false;
    // Statements of a definition after its first, prepared when their turn comes: they may
    // name what the first creates.
    QStringList deferred;
    bool insertsIdentity = false;             // an INSERT into a table with an identity column
    QString parameterSignature;               // the parameters' types that the translation assumed
    QStringList parameters;                   // by placeholder, of every statement
    std::vector<sql::BoundLiteral> literals;  // the values of the "#n" placeholders
};

// A parsed batch and the translations of its statements (and IF/WHILE conditions), found by
// the statement.
struct CachedBatch {
    sql::Batch batch;
    std::unordered_map<const sql::Stmt*, PreparedSlot> slots;
    bool shaped = false;  // its one INSERT lends its translation to statements of its shape
};

// Items by their text, the least recently used dropped first.
template <typename Item>
class LruCache {
  public:
    explicit LruCache(std::size_t capacity) : m_capacity(capacity) {}
    Item* find(const QString& key) {
        const auto it = m_index.find(key);
        if (it == m_index.end())
            return nullptr;
        m_items.splice(m_items.begin(), m_items, it->second);
        return &it->second->second;
    }
    Item& insert(const QString& key, Item item) {
        m_items.emplace_front(key, std::move(item));
        m_index[key] = m_items.begin();
        if (m_items.size() > m_capacity) {
            m_index.erase(m_items.back().first);
            m_items.pop_back();
        }
        return m_items.front().second;
    }
    void clear() {
        m_index.clear();
        m_items.clear();
    }

  private:
    std::size_t m_capacity;
    std::list<std::pair<QString, Item>> m_items;
    std::unordered_map<QString, typename decltype(m_items)::iterator> m_index;
};

// The decimal of a BLOB column, the only BLOB the engine stores (a decimal of more figures
// than a double holds); nullopt for any other value.
std::optional<Decimal> wideDecimalOfColumn(sqlite3_stmt* stmt, int i) {
    if (sqlite3_column_type(stmt, i) != SQLITE_BLOB)
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, i));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt, i));
    return sql::decimalOfWideBytes(std::string_view(bytes ? bytes : "", size));
}

Value readValue(sqlite3_stmt* stmt, int i, const SqlType& type, bool dateTimesAsText) {
    const int storage = sqlite3_column_type(stmt, i);
    if (storage == SQLITE_NULL)
        return Value();
    auto text = [&] {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                 sqlite3_column_bytes(stmt, i));
    };
    auto number = [&]() -> std::optional<sql::Scalar> {
        if (storage == SQLITE_INTEGER)
            return sql::Scalar::ofInt(sqlite3_column_int64(stmt, i));
        if (storage == SQLITE_FLOAT)
            return sql::Scalar::ofReal(sqlite3_column_double(stmt, i));
        return sql::parseNumber(text());
    };
    if (const auto d = wideDecimalOfColumn(stmt, i)) {
        if (type.base != SqlType::Base::Numeric)
            return Value(*d);
        return ado::decimalValue(d->toString(), {type.precision, type.scale});
    }
    if (type.isText())
        return Value(text());
    if (type.isDateTime()) {
        if (storage == SQLITE_TEXT && dateTimesAsText) {
            if (const auto m = sql::momentOfStored(text()))
                return Value(sql::clientDateTimeText(*m, type));
        } else if (storage == SQLITE_TEXT) {
            // Handed over in local time, as the program's own date-times are; a time of day
            // alone on the zero date of automation dates, as the ODBC engine hands it over.
            if (type.base == SqlType::Base::Time || type.base == SqlType::Base::DateTime2) {
                if (const auto m = sql::momentOfStored(text())) {
                    const QDateTime dt = sql::dateTimeOfMoment(*m);
                    return Value(QDateTime(
                        type.base == SqlType::Base::Time ? QDate(1899, 12, 30) : dt.date(),
                        dt.time()));
                }
            } else if (const auto dt = sql::parseDateTime(text())) {
                return Value(QDateTime(dt->date(), dt->time()));
            }
        }
        return Value(text());
    }
    // Numbers through the decoder the ODBC engine shares: exact decimals at the column's
    // scale, numeric(p,0) and the integer types as whole numbers.
    if (type.isInteger() || type.base == SqlType::Base::Numeric) {
        const ado::DecimalType column{type.isInteger() ? 19 : type.precision,
                                      type.isInteger() ? 0 : type.scale};
        if (storage == SQLITE_INTEGER)
            return ado::decimalValue(std::int64_t{sqlite3_column_int64(stmt, i)}, column);
        if (storage == SQLITE_FLOAT)
            return ado::decimalValue(sqlite3_column_double(stmt, i), column);
        return ado::decimalValue(text(), column);
    }
    if (type.base == SqlType::Base::Float) {
        const auto n = number();
        if (!n)
            return Value(text());
        return ado::floatValue(n->kind == sql::Scalar::Kind::Int ? static_cast<double>(n->i)
                                                                 : n->d);
    }
    switch (storage) {
        case SQLITE_INTEGER:
            return Value(std::int64_t{sqlite3_column_int64(stmt, i)});
        case SQLITE_FLOAT:
            return ado::floatValue(sqlite3_column_double(stmt, i));
        default:
            return Value(text());
    }
}

// A batch's parameters: their values by key, their types for the translator, and the types
// in one text, which tells whether a prepared statement was translated for them.
struct BoundParameters {
    std::map<QString, Value> values;
    sql::ParameterTypes types;
    QString signature;

    explicit BoundParameters(std::map<QString, Value> byKey) : values(std::move(byKey)) {
        for (const auto& [key, value] : values) {
            const SqlType type = typeOf(value);
            types.emplace(key, type);
            signature += key + u':' + type.name() + u';';
        }
    }

    static SqlType typeOf(const Value& v) {
        switch (v.type()) {
            case Value::Type::Null:
                return SqlType{};
            case Value::Type::Integer:
                return SqlType{SqlType::Base::BigInt};
            case Value::Type::Decimal:
                return SqlType{SqlType::Base::Numeric, 0, 38, v.toDecimal().scale};
            case Value::Type::Text: {
                SqlType text = SqlType::varchar(-1);
                text.national = true;
                return text;
            }
            case Value::Type::DateTime:
                return SqlType::datetime();
        }
        return SqlType{};
    }

    // Binds the values to a statement's placeholders (`keys`: the parameter of each).
    void bind(sqlite3_stmt* stmt, const QStringList& keys) const {
        if (keys.isEmpty())
            return;
        const int count = sqlite3_bind_parameter_count(stmt);
        for (int i = 1; i <= count && i <= keys.size(); ++i) {
            if (keys[i - 1].startsWith(u'$') || keys[i - 1].startsWith(u'#'))
                continue;  // a variable of the batch or a literal, which the engine binds
            const Value& v = values.at(keys[i - 1]);
            switch (v.type()) {
                case Value::Type::Null:
                    sqlite3_bind_null(stmt, i);
                    break;
                case Value::Type::Integer:
                    sqlite3_bind_int64(stmt, i, v.toInt());
                    break;
                case Value::Type::Decimal:
                    bindDecimal(stmt, i, v.toDecimal());
                    break;
                case Value::Type::Text:
                    bindText(stmt, i, v.toText());
                    break;
                case Value::Type::DateTime:
                    if (v.toDateTime().isValid()) {
                        bindText(stmt, i, sql::formatDateTime(v.toDateTime()));
                    } else {
                        sqlite3_bind_null(stmt, i);
                    }
                    break;
            }
        }
    }

    static void bindText(sqlite3_stmt* stmt, int i, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text64(stmt, i, utf8.constData(), sqlite3_uint64(utf8.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
    }

    // A decimal in the one form the engine stores it in (sql::storedOfDecimal).
    static void bindDecimal(sqlite3_stmt* stmt, int i, const Decimal& d) {
        const sql::StoredDecimal stored = sql::storedOfDecimal(d);
        switch (stored.form) {
            case sql::StoredDecimal::Form::Integer:
                sqlite3_bind_int64(stmt, i, stored.integer);
                break;
            case sql::StoredDecimal::Form::Real:
                sqlite3_bind_double(stmt, i, stored.real);
                break;
            case sql::StoredDecimal::Form::Bytes:
                sqlite3_bind_blob64(stmt, i, stored.bytes.data(), stored.bytes.size(),
                                    SQLITE_TRANSIENT);
                break;
        }
    }
};

class SqliteEngine final : public Engine, private sql::SchemaSource, private StatementHost {
  public:
    SqliteEngine(DbHandle db, QString folder, QString database, bool dateTimesAsText)
        : m_db(std::move(db)),
          m_folder(std::move(folder)),
          m_database(std::move(database)),
          m_dateTimesAsText(dateTimesAsText) {
        registerSqlServerFunctions(m_db.get());
        // SQLite's Bloom filters hash text by its bytes, so values that the collation holds
        // equal ("REC" and "rec       ") would be missed in joins: switch them off.
        constexpr int kBloomFilter = 0x00080000;
        constexpr int kBloomPulldown = 0x00100000;
        sqlite3_test_control(SQLITE_TESTCTRL_OPTIMIZATIONS, m_db.get(),
                             kBloomFilter | kBloomPulldown);
        // A double-quoted name that matches no column is an error, never a text literal.
        sqlite3_db_config(m_db.get(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(m_db.get(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        sqlite3_busy_timeout(m_db.get(), 5000);
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=NORMAL");
        // Read the file through a memory map rather than a copy per page into a cache of 2 MB:
        // a report that joins a payroll of 100,000 employees otherwise spends half its time
        // copying the same pages in again from the operating system.
        exec("PRAGMA mmap_size=1073741824");
        // A load of many statements, each its own transaction, copies the log back into the
        // file every 1,000 pages by default, rewriting the same index pages again and again:
        // fewer, larger checkpoints. (The page cache stays at its 2 MB: a long batch spills its
        // pages to the log as it goes rather than holding them all until its commit.)
        exec("PRAGMA wal_autocheckpoint=16384");
        exec(sql::kCreateDatabaseList);
        m_schemaVersion = prepareRaw(QStringLiteral("PRAGMA main.schema_version"));
        // A batch takes the write lock at its start, so that it never has to give up halfway
        // because another connection wrote in between.
        m_begin = prepareRaw(QStringLiteral("BEGIN IMMEDIATE"));
        m_commit = prepareRaw(QStringLiteral("COMMIT"));
        m_rollback = prepareRaw(QStringLiteral("ROLLBACK"));
    }
    // The statements go first: the handle is the first member, so it is closed last.
    ~SqliteEngine() override = default;
    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    void execute(const QString& sql, const Parameters& parameters) override {
        run(sql, parameters, nullptr);
    }
    ResultSet query(const QString& sql, const Parameters& parameters) override {
        ResultSet result;
        run(sql, parameters, &result);
        return result;
    }
    void clearCache() {
        m_cache.clear();
        m_statements.clear();
    }

  private:
    // ---- schema for the translator ----
    std::optional<sql::TableInfo> table(const QString& database, const QString& name) override {
        const QString schema = schemaFor(database);
        const QString key = schema.toLower() + u'.' + name.toLower();
        const auto generation = currentGeneration();
        if (m_tablesGeneration != generation) {
            m_tables.clear();
            m_tablesGeneration = generation;
        }
        if (const auto it = m_tables.find(key); it != m_tables.end())
            return it->second;

        std::optional<sql::TableInfo> info;
        StmtHandle find = prepareRaw(QStringLiteral("SELECT name FROM \"%1\".sqlite_master WHERE "
                                                    "type IN ('table','view') AND name = ?1 "
                                                    "COLLATE NOCASE")
                                         .arg(schema));
        const QByteArray n = name.toUtf8();
        sqlite3_bind_text(find.get(), 1, n.constData(), static_cast<int>(n.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(find.get()) == SQLITE_ROW) {
            info.emplace();
            info->name = QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(find.get(), 0)));
            StmtHandle cols =
                prepareRaw(QStringLiteral("SELECT name, type FROM pragma_table_info(?1, ?2)"));
            const QByteArray t = info->name.toUtf8();
            const QByteArray s = schema.toUtf8();
            sqlite3_bind_text(cols.get(), 1, t.constData(), static_cast<int>(t.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_text(cols.get(), 2, s.constData(), static_cast<int>(s.size()),
                              SQLITE_TRANSIENT);
            while (sqlite3_step(cols.get()) == SQLITE_ROW) {
                sql::ColumnInfo c;
                c.name = QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(cols.get(), 0)));
                const QString declared = QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(cols.get(), 1)));
                // Identity columns are SQLite's INTEGER PRIMARY KEY AUTOINCREMENT, declared in
                // capitals; every other declared type is a SQL Server type in lower case.
                c.identity = declared == u"INTEGER";
                c.type = c.identity ? SqlType{SqlType::Base::BigInt} : SqlType::parse(declared);
                info->columns.push_back(c);
            }
        }
        m_tables[key] = info;
        return info;
    }

    QString schemaFor(const QString& database) const override {
        if (database.isEmpty() || database.compare(m_database, Qt::CaseInsensitive) == 0)
            return QStringLiteral("main");
        return database.toLower();
    }

    QString currentDatabase() const override { return m_database; }

    // ---- running batches ----
    std::pair<int, std::uint64_t> currentGeneration() const { return {m_cookie, m_ddl}; }

    void run(const QString& text, const Parameters& parameters, ResultSet* out) {
        std::shared_ptr<CachedBatch> cached;
        std::optional<sql::InsertShape> shape;
        if (auto* found = m_cache.find(text)) {
            cached = *found;
        } else if ((shape = sql::insertShape(text)) && (found = m_cache.find(shape->key))) {
            cached = *found;
        } else {
            cached = std::make_shared<CachedBatch>();
            cached->batch = sql::parseBatch(text);
            m_cache.insert(text, cached);
        }
        // A statement of a known shape runs the first one's translation with its own values.
        const bool reusesShape = shape && cached->shaped;
        const std::vector<sql::BoundLiteral>* const previousLiterals = m_shapeLiterals;
        m_shapeLiterals = reusesShape ? &shape->literals : nullptr;
        struct RestoreLiterals {
            SqliteEngine* engine;
            const std::vector<sql::BoundLiteral>* previous;
            ~RestoreLiterals() { engine->m_shapeLiterals = previous; }
        } restoreLiterals{this, previousLiterals};
        runParsed(*cached, parameters, out);
        if (shape && !reusesShape)
            rememberShape(*shape, cached);
    }

    // The first statement of a shape lends its translation to the others when it is the
    // batch's only statement and its translation bound exactly the values the shape took out:
    // the others then differ from it in nothing but those values.
    void rememberShape(const sql::InsertShape& shape, const std::shared_ptr<CachedBatch>& cached) {
        const auto& statements = cached->batch.statements;
        if (statements.size() != 1 || !statements.front()->is<sql::InsertStmt>())
            return;
        const auto slot = cached->slots.find(statements.front().get());
        if (slot == cached->slots.end() || slot->second.literals != shape.literals)
            return;
        qsizetype bound = 0;
        for (const QString& key : slot->second.parameters)
            bound += key.startsWith(u'#') ? 1 : 0;
        if (bound != qsizetype(shape.literals.size()))
            return;
        cached->shaped = true;
        m_cache.insert(shape.key, cached);
    }

    void runParsed(CachedBatch& batchCache, const Parameters& parameters, ResultSet* out) {
        CachedBatch* const cached = &batchCache;
        const sql::Batch* const batch = &cached->batch;
        CachedBatch* const previousBatch = m_running;
        m_running = cached;
        struct Leave {
            SqliteEngine* engine;
            CachedBatch* previous;
            ~Leave() { engine->m_running = previous; }
        } leave{this, previousBatch};
        const BoundParameters bound(checkParameters(parameters, batch->variables, kOperation));
        const BoundParameters* const previous = m_bound;
        m_bound = &bound;
        struct Unbind {
            SqliteEngine* engine;
            const BoundParameters* previous;
            ~Unbind() { engine->m_bound = previous; }
        } unbind{this, previous};
        // Other databases are attached for the batch only (SQLite allows but a few at once).
        struct Detach {
            SqliteEngine* engine;
            ~Detach() { engine->detachAll(); }
        } detach{this};
        for (const QString& db : batch->databases)
            attach(db);
        if (batch->usesDatabaseList)
            refreshDatabaseList();
        sqlite3_reset(m_schemaVersion.get());
        if (sqlite3_step(m_schemaVersion.get()) == SQLITE_ROW)
            m_cookie = sqlite3_column_int(m_schemaVersion.get(), 0);
        sqlite3_reset(m_schemaVersion.get());

        // One plain statement is atomic in SQLite by itself; anything more runs under a
        // transaction, so that a failing batch leaves nothing behind.
        const bool single = batch->statements.size() == 1 && isPlain(*batch->statements.front());
        if (single) {
            m_runner.run(batch->statements, out);
            return;
        }
        stepControl(m_begin.get());
        try {
            m_runner.run(batch->statements, out);
        } catch (...) {
            // Nothing to report when SQLite has already rolled back by itself.
            sqlite3_step(m_rollback.get());
            sqlite3_reset(m_rollback.get());
            throw;
        }
        stepControl(m_commit.get());
    }

    static bool isPlain(const sql::Stmt& s) {
        return s.is<sql::SelectStmt>() || s.is<sql::InsertStmt>() || s.is<sql::UpdateStmt>() ||
               s.is<sql::DeleteStmt>();
    }

    void stepControl(sqlite3_stmt* stmt) {
        const int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE)
            throw sqliteError(m_db.get(), kOperation, failure());
    }

    // ---- what the batch runner asks of the engine ----
    Outcome runTranslated(const sql::Stmt& s, ResultSet* out) override {
        Outcome done;
        PreparedSlot& slot = prepare(s);
        for (const SharedStmt& h : slot.statements) {
            bind(h.get(), slot);
            done.rowCount = step(s, h.get(), slot, out);
        }
        if (slot.insertsIdentity && sqlite3_changes(m_db.get()) > 0)
            done.identity = sqlite3_last_insert_rowid(m_db.get());
        for (const QString& text : slot.deferred) {
            const StmtHandle h = prepareText(s, text);
            bind(h.get(), slot);
            done.rowCount = step(s, h.get(), slot, out);
        }
        if (slot.changesSchema)
            ++m_ddl;
        return done;
    }

    sql::Scalar firstValue(const sql::Stmt& s) override { return firstValue(s, prepare(s)); }

    void runCreateDatabase(const QString& name) override { createDatabase(name); }

    void execute(const char* sqliteText) override {
        if (sqlite3_exec(m_db.get(), sqliteText, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw sqliteError(m_db.get(), kOperation, failure());
    }

    // The first column of the first row of a one-value query.
    sql::Scalar firstValue(const sql::Stmt& s, const PreparedSlot& slot) {
        sqlite3_stmt* query = slot.statements.front().get();
        bind(query, slot);
        if (sqlite3_step(query) != SQLITE_ROW) {
            sqlite3_reset(query);
            fail(s);
        }
        sql::Scalar v;
        switch (sqlite3_column_type(query, 0)) {
            case SQLITE_INTEGER:
                v = sql::Scalar::ofInt(sqlite3_column_int64(query, 0));
                break;
            case SQLITE_FLOAT:
                v = sql::Scalar::ofReal(sqlite3_column_double(query, 0));
                break;
            case SQLITE_NULL:
                break;
            case SQLITE_BLOB:
                if (const auto d = wideDecimalOfColumn(query, 0)) {
                    v = sql::Scalar::ofDecimal(*d);
                    break;
                }
                [[fallthrough]];
            default:
                v = sql::Scalar::ofText(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)),
                                      sqlite3_column_bytes(query, 0)));
        }
        sqlite3_reset(query);
        return v;
    }

    // Binds a statement's placeholders: the caller's parameters, and the batch's variables
    // and the session's @@ values, whose keys are $name and $_name (NULL until set).
    void bind(sqlite3_stmt* stmt, const PreparedSlot& slot) const {
        m_bound->bind(stmt, slot.parameters);
        for (qsizetype i = 0; i < slot.parameters.size(); ++i) {
            const QString& key = slot.parameters[i];
            const int index = static_cast<int>(i + 1);
            if (key.startsWith(u'#')) {
                const auto& literals = m_shapeLiterals ? *m_shapeLiterals : slot.literals;
                const sql::BoundLiteral& literal = literals.at(QStringView(key).sliced(1).toUInt());
                if (literal.null) {
                    sqlite3_bind_null(stmt, index);
                } else if (literal.whole) {
                    sqlite3_bind_int64(stmt, index, *literal.whole);
                } else if (literal.real) {
                    sqlite3_bind_double(stmt, index, *literal.real);
                } else {
                    BoundParameters::bindText(stmt, index, literal.text);
                }
                continue;
            }
            if (!key.startsWith(u'$'))
                continue;
            const sql::Scalar v = m_runner.boundValue(key);
            switch (v.kind) {
                case sql::Scalar::Kind::Int:
                    sqlite3_bind_int64(stmt, index, v.i);
                    break;
                case sql::Scalar::Kind::Real:
                    sqlite3_bind_double(stmt, index, v.d);
                    break;
                case sql::Scalar::Kind::Text: {
                    const QByteArray utf8 = v.t.toUtf8();
                    sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_TRANSIENT);
                    break;
                }
                case sql::Scalar::Kind::Decimal:
                    BoundParameters::bindDecimal(stmt, index, v.dec);
                    break;
                default:
                    sqlite3_bind_null(stmt, index);
            }
        }
    }

    PreparedSlot& prepare(const sql::Stmt& s) {
        PreparedSlot& slot = m_running->slots[&s];
        if (slot.generation == currentGeneration() && !slot.statements.empty() &&
            slot.parameterSignature == m_bound->signature)
            return slot;
        slot.statements.clear();
        slot.deferred.clear();
        sql::Translator translator(*this, &m_bound->types);
        QStringList statements;
        const sql::Expr* condition = nullptr;
        if (const auto* i = s.as<sql::IfStmt>())
            condition = i->condition.get();
        if (const auto* w = s.as<sql::WhileStmt>())
            condition = w->condition.get();
        if (condition) {
            statements << translator.condition(*condition, &slot.parameters);
            slot.resultTypes.clear();
            slot.resultNames.clear();
            slot.changesSchema = false;
        } else {
            sql::Translation t = translator.translate(s);
            statements = t.statements;
            slot.resultTypes = std::move(t.resultTypes);
            slot.resultNames = std::move(t.resultNames);
            slot.changesSchema = t.changesSchema;
            slot.parameters = std::move(t.parameters);
            slot.literals = std::move(t.literals);
            slot.insertsIdentity = false;
            if (const auto* insert = s.as<sql::InsertStmt>()) {
                const auto info = table(insert->table.database, insert->table.object);
                slot.insertsIdentity =
                    info && std::any_of(info->columns.begin(), info->columns.end(),
                                        [](const sql::ColumnInfo& c) { return c.identity; });
            }
        }
        for (const QString& text : statements) {
            if (slot.changesSchema && !slot.statements.empty()) {
                slot.deferred << text;
                continue;
            }
            try {
                slot.statements.push_back(slot.changesSchema ? SharedStmt(prepareText(s, text))
                                                             : shared(s, text));
            } catch (...) {
                slot.statements.clear();
                throw;
            }
        }
        for (const SharedStmt& h : slot.statements)
            checkPlaceholders(h.get(), slot.parameters);
        slot.generation = currentGeneration();
        slot.parameterSignature = m_bound->signature;
        return slot;
    }

    // The literals' bare "?" placeholders stand where the translation put their keys.
    static void checkPlaceholders(sqlite3_stmt* stmt, const QStringList& keys) {
        const int count = sqlite3_bind_parameter_count(stmt);
        for (int i = 1; i <= count; ++i) {
            const bool bare = sqlite3_bind_parameter_name(stmt, i) == nullptr;
            if (i > keys.size() || bare != keys[i - 1].startsWith(u'#')) {
                raise(kOperation, ServerError::InternalError,
                      {QStringLiteral("placeholders out of order")});
            }
        }
    }

    // A prepared statement that every statement of the same SQLite text shares (they differ
    // only in what is bound), kept as long as the schema stays as it is.
    SharedStmt shared(const sql::Stmt& s, const QString& text) {
        if (m_statementsGeneration != currentGeneration()) {
            m_statements.clear();
            m_statementsGeneration = currentGeneration();
        }
        if (const SharedStmt* found = m_statements.find(text))
            return *found;
        return m_statements.insert(text, SharedStmt(prepareText(s, text)));
    }

    StmtHandle prepareText(const sql::Stmt& s, const QString& text) {
        static const bool trace = qEnvironmentVariableIsSet("OXTA_SQL_TRACE");
        if (trace)
            qInfo("sqlite: %s", qPrintable(text));
        sqlite3_stmt* raw = nullptr;
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_prepare_v2(m_db.get(), utf8.constData(), static_cast<int>(utf8.size()), &raw,
                               nullptr) != SQLITE_OK) {
            sqlite3_finalize(raw);
            fail(s);
        }
        return StmtHandle(raw);
    }

    // Runs one prepared statement; its rows go to `out`. Gives what @@ROWCOUNT then holds: the
    // rows a query gave or a change touched, 0 after anything else.
    std::int64_t step(const sql::Stmt& s, sqlite3_stmt* stmt, const PreparedSlot& slot,
                      ResultSet* out) {
        const int columns = sqlite3_column_count(stmt);
        const bool keep = out && columns > 0;
        ResultSet result;
        std::vector<SqlType> types;
        if (keep) {
            const bool named = slot.resultNames.size() == columns;
            for (int i = 0; i < columns; ++i) {
                result.columns << (named ? slot.resultNames[i]
                                         : QString::fromUtf8(sqlite3_column_name(stmt, i)));
                SqlType type;
                if (const char* decl = sqlite3_column_decltype(stmt, i)) {
                    type = qstrcmp(decl, "INTEGER") == 0 ? SqlType{SqlType::Base::BigInt}
                                                         : SqlType::parse(QString::fromUtf8(decl));
                }
                if (!type.known() && static_cast<std::size_t>(i) < slot.resultTypes.size() &&
                    static_cast<int>(slot.resultTypes.size()) == columns) {
                    type = slot.resultTypes[i];
                }
                types.push_back(type);
            }
        }
        int rc;
        std::int64_t rows = 0;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            ++rows;
            if (!keep)
                continue;
            std::vector<Value> row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i)
                row.push_back(readValue(stmt, i, types[i], m_dateTimesAsText));
            result.rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE) {
            const Error error = sqliteError(m_db.get(), kOperation, failure(s));
            sqlite3_reset(stmt);
            throw error;
        }
        sqlite3_reset(stmt);
        if (!slot.parameters.isEmpty())
            sqlite3_clear_bindings(stmt);  // let go of the values' copies
        if (keep)
            *out = std::move(result);
        const auto* del = s.as<sql::DeleteStmt>();
        const bool counts =
            !(del && del->truncate) && slot.statements.front().get() == stmt && isPlain(s);
        return !counts ? 0 : columns > 0 ? rows : sqlite3_changes(m_db.get());
    }

    // ---- databases of the folder ----
    QString databasePath(const QString& name) const {
        return QDir(m_folder).filePath(name + QStringLiteral(".sqlite"));
    }

    void attach(const QString& database) {
        if (schemaFor(database) == u"main" || m_attached.contains(database, Qt::CaseInsensitive))
            return;
        if (!validDatabaseName(database) || !QFileInfo::exists(databasePath(database))) {
            raise(kOperation, ServerError::DatabaseMissing, {database});
        }
        StmtHandle a = prepareRaw(QStringLiteral("ATTACH DATABASE ?1 AS ?2"));
        const QByteArray path = databasePath(database).toUtf8();
        const QByteArray alias = database.toLower().toUtf8();
        sqlite3_bind_text(a.get(), 1, path.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(a.get(), 2, alias.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(a.get()) != SQLITE_DONE) {
            throw sqliteError(m_db.get(), kOperation, failure());
        }
        m_attached << database;
        ++m_ddl;
    }

    void detachAll() {
        for (const QString& db : std::as_const(m_attached)) {
            const QByteArray sql = "DETACH DATABASE \"" + db.toLower().toUtf8() + '"';
            sqlite3_exec(m_db.get(), sql.constData(), nullptr, nullptr, nullptr);
        }
        if (!m_attached.isEmpty())
            ++m_ddl;
        m_attached.clear();
    }

    void refreshDatabaseList() {
        exec(sql::kClearDatabaseList);
        QStringList names;
        for (const QFileInfo& f :
             QDir(m_folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Name)) {
            if (f.completeBaseName().compare(u"master", Qt::CaseInsensitive) != 0)
                names << f.completeBaseName();
        }
        names.prepend(QStringLiteral("master"));
        StmtHandle ins = prepareRaw(QLatin1String(sql::kAddToDatabaseList));
        for (int i = 0; i < names.size(); ++i) {
            const QByteArray n = names[i].toUtf8();
            sqlite3_bind_text(ins.get(), 1, n.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(ins.get(), 2, i + 1);
            sqlite3_step(ins.get());
            sqlite3_reset(ins.get());
        }
    }

    void createDatabase(const QString& name) {
        if (!validDatabaseName(name)) {
            raise(kOperation, ServerError::IncorrectSyntax, {name});
        }
        const QString path = databasePath(name);
        if (QFileInfo::exists(path)) {
            raise(kOperation, ServerError::DatabaseExists, {name});
        }
        QString message;
        const DbHandle db = openDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, message);
        // WAL is kept in the file's header, which writes the file at once.
        if (db && sqlite3_exec(db.get(), "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) !=
                      SQLITE_OK)
            message = QString::fromUtf8(sqlite3_errmsg(db.get()));
        if (!message.isEmpty())
            raise(kOperation, ServerError::CreateDatabaseFailed, {message});
    }

    // ---- SQLite helpers and SQL Server's messages ----
    StmtHandle prepareRaw(const QString& text) {
        sqlite3_stmt* raw = nullptr;
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_prepare_v2(m_db.get(), utf8.constData(), -1, &raw, nullptr) != SQLITE_OK) {
            sqlite3_finalize(raw);
            throw sqliteError(m_db.get(), kOperation, failure());
        }
        return StmtHandle(raw);
    }

    void exec(const char* text) {
        if (sqlite3_exec(m_db.get(), text, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw sqliteError(m_db.get(), kOperation, failure());
    }

    // What SQLite's complaint is about, for SQL Server's words.
    FailedStatement failure() const { return {m_database, QString(), false}; }
    FailedStatement failure(const sql::Stmt& s) const {
        return {m_database, subjectTable(s), std::holds_alternative<sql::UpdateStmt>(s.node)};
    }

    [[noreturn]] void fail(const sql::Stmt& s) {
        throw sqliteError(m_db.get(), kOperation, failure(s));
    }

    static QString subjectTable(const sql::Stmt& s) {
        const sql::ObjectName* table = sql::tableOf(s);
        return table ? table->object : QString();
    }

    DbHandle m_db;  // first member: every statement below is finalised before it closes
    QString m_folder;
    QString m_database;
    bool m_dateTimesAsText = false;  // ConnectionSettings::dateTimesAsText
    QStringList m_attached;
    int m_cookie = 0;
    std::uint64_t m_ddl = 0;
    StmtHandle m_schemaVersion;
    StmtHandle m_begin;
    StmtHandle m_commit;
    StmtHandle m_rollback;
    std::unordered_map<QString, std::optional<sql::TableInfo>> m_tables;
    std::pair<int, std::uint64_t> m_tablesGeneration{-1, 0};
    LruCache<std::shared_ptr<CachedBatch>> m_cache{256};
    CachedBatch* m_running = nullptr;  // the batch that runs, whose slots prepare() fills
    LruCache<SharedStmt> m_statements{256};
    std::pair<int, std::uint64_t> m_statementsGeneration{-1, 0};
    const BoundParameters* m_bound = nullptr;  // of the batch that runs
    // The values of the statement that runs in the translation of the first of its shape.
    const std::vector<sql::BoundLiteral>* m_shapeLiterals = nullptr;
    BatchRunner m_runner{*this};  // control of flow, savepoints, variables and @@ values
};

bool isDefaultServer(const QString& server) {
    const QString s = server.trimmed();
    return s.isEmpty() || s.compare(u"(local)", Qt::CaseInsensitive) == 0 ||
           s.compare(u"localhost", Qt::CaseInsensitive) == 0 || s == u".";
}

}  // namespace

QString sqliteServerFolder(const QString& server) {
    if (isDefaultServer(server)) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return QDir(base).filePath(QStringLiteral("oxta-staffing/databases"));
    }
    return QDir(server.trimmed()).absolutePath();
}

std::unique_ptr<Engine> openSqliteEngine(const ConnectionSettings& settings) {
    const QString folder = sqliteServerFolder(settings.server);
    if (isDefaultServer(settings.server))
        QDir().mkpath(folder);
    if (!QFileInfo(folder).isDir()) {
        raise(kOperation, ServerError::ServerNotFound, {folder});
    }
    QString name = settings.database.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("master");
    const bool master = name.compare(u"master", Qt::CaseInsensitive) == 0;
    const QString path = QDir(folder).filePath(name + QStringLiteral(".sqlite"));
    if (!validDatabaseName(name) || (!master && !QFileInfo::exists(path)))
        raise(kOperation, ServerError::CannotOpenDatabase, {name});
    QString message;
    DbHandle db =
        openDatabase(path, SQLITE_OPEN_READWRITE | (master ? SQLITE_OPEN_CREATE : 0), message);
    if (!db)
        raise(kOperation, ServerError::CannotOpenDatabaseFile, {name, message});
    return std::make_unique<SqliteEngine>(
        std::move(db), folder, master ? QStringLiteral("master") : name, settings.dateTimesAsText);
}

bool clearTranslationCache(Engine& engine) {
    auto* sqlite = dynamic_cast<SqliteEngine*>(&engine);
    if (!sqlite)
        return false;
    sqlite->clearCache();
    return true;
}

}  // namespace ado
