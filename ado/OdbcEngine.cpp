#include "ado/OdbcEngine.h"

#include "ado/AdoError.h"
#include "ado/DecimalDecoder.h"
#include "ado/OdbcHandle.h"
#include "ado/ParameterBinding.h"
#include "ado/SqlTokenizer.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <limits>
#include <map>
#include <string>

namespace ado {

namespace {

using namespace odbc;

// SQL Server's own types, for driver headers that do not name them.
constexpr SQLSMALLINT kSsTime2 = -154;
constexpr SQLSMALLINT kSsTimestampOffset = -155;

// How a column's values are fetched and what they become.
enum class Kind { Integer, Decimal, Floating, DateTime, Time, Text };

Kind kindOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
        case SQL_BIT:
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT:
            return Kind::Integer;
        case SQL_NUMERIC:
        case SQL_DECIMAL:
            return Kind::Decimal;
        case SQL_FLOAT:
        case SQL_REAL:
        case SQL_DOUBLE:
            return Kind::Floating;
        case SQL_DATETIME:  // also ODBC 2's SQL_DATE
        case SQL_TIMESTAMP:
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
            return Kind::DateTime;
        case SQL_TIME:
        case SQL_TYPE_TIME:
        case kSsTime2:
            return Kind::Time;
        case kSsTimestampOffset:
        default:
            return Kind::Text;
    }
}

struct Column {
    QString name;
    Kind kind = Kind::Text;
    DecimalType type;  // of a decimal column
};

// One parameter's value in the buffers that SQLBindParameter points at; they live until the
// batch has been walked to its end.
struct BoundValue {
    std::vector<SQLWCHAR> text;
    std::string digits;
    SQLBIGINT integer = 0;
    SQL_TIMESTAMP_STRUCT timestamp = {};
    SQLLEN indicator = 0;
};

// Text longer than this is sent as nvarchar(max).
constexpr SQLULEN kLongestShortText = 4000;

// A batch with parameters as ODBC takes it: every @name that has a parameter becomes a
// marker "?", and the values follow in the order of the markers (a name mentioned twice is
// bound twice). Names inside quoted literals, quoted names and comments are left alone.
struct MarkedBatch {
    QString text;
    std::vector<Value> values;
};

MarkedBatch markParameters(const QString& sql, const Parameters& parameters,
                           const char* operation) {
    std::vector<sql::Token> variables;
    QStringList names;
    int markers = 0;
    for (sql::Token& t : sql::tokenize(sql)) {
        if (t.kind == sql::Tok::Variable && !t.text.startsWith(QStringLiteral("@@"))) {
            names << (t.text == u"?" ? markerKey(++markers) : t.text);
            variables.push_back(std::move(t));
        }
    }
    const std::map<QString, Value> byKey =
        checkParameters(parameters, names, QString::fromLatin1(operation));
    MarkedBatch batch;
    qsizetype copied = 0;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const sql::Token& t = variables[i];
        batch.text += QStringView(sql).mid(copied, t.pos - copied);
        batch.text += u'?';
        copied = t.pos + t.text.size();
        batch.values.push_back(byKey.at(names[qsizetype(i)].toLower()));
    }
    batch.text += QStringView(sql).mid(copied);
    return batch;
}

// Binds one value to marker `number`: text as Unicode (its length given, so a NUL inside
// stays), whole numbers as bigint, decimals as their digits at their scale, date-times as
// timestamps to the millisecond.
void bindValue(SQLHSTMT stmt, SQLUSMALLINT number, const Value& value, BoundValue& buffer,
               const char* operation) {
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN size = 1;
    SQLSMALLINT digits = 0;
    SQLPOINTER data = nullptr;
    SQLLEN length = 0;
    switch (value.type()) {
        case Value::Type::Null:
            buffer.digits.assign(1, '\0');
            data = buffer.digits.data();
            buffer.indicator = SQL_NULL_DATA;
            break;
        case Value::Type::Integer:
            cType = SQL_C_SBIGINT;
            sqlType = SQL_BIGINT;
            size = 19;
            buffer.integer = value.toInt();
            data = &buffer.integer;
            break;
        case Value::Type::Decimal: {
            const Decimal d = value.toDecimal();
            buffer.digits = d.toString().toStdString();
            sqlType = SQL_DECIMAL;
            // As precise as the digits, so the server types it as it types the literal.
            size = SQLULEN(std::count_if(buffer.digits.begin(), buffer.digits.end(),
                                         [](char c) { return c >= '0' && c <= '9'; }));
            digits = SQLSMALLINT(d.scale);
            data = buffer.digits.data();
            length = SQLLEN(buffer.digits.size());
            buffer.indicator = length;
            break;
        }
        case Value::Type::Text: {
            const QString text = value.toText();
            buffer.text = toWide(text);
            const SQLULEN characters = SQLULEN(text.size());
            cType = SQL_C_WCHAR;
            sqlType = characters > kLongestShortText ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
            size = std::max<SQLULEN>(characters, 1);
            data = buffer.text.data();
            length = SQLLEN(characters * sizeof(SQLWCHAR));
            buffer.indicator = length;
            break;
        }
        case Value::Type::DateTime: {
            const QDateTime dt = value.toDateTime();
            cType = SQL_C_TYPE_TIMESTAMP;
            sqlType = SQL_TYPE_TIMESTAMP;
            size = 23;
            digits = 3;
            data = &buffer.timestamp;
            if (!dt.isValid()) {
                buffer.indicator = SQL_NULL_DATA;
                break;
            }
            const QDate date = dt.date();
            const QTime time = dt.time();
            buffer.timestamp.year = SQLSMALLINT(date.year());
            buffer.timestamp.month = SQLUSMALLINT(date.month());
            buffer.timestamp.day = SQLUSMALLINT(date.day());
            buffer.timestamp.hour = SQLUSMALLINT(time.hour());
            buffer.timestamp.minute = SQLUSMALLINT(time.minute());
            buffer.timestamp.second = SQLUSMALLINT(time.second());
            buffer.timestamp.fraction = SQLUINTEGER(time.msec()) * 1000000u;
            break;
        }
    }
    check(SQLBindParameter(stmt, number, SQL_PARAM_INPUT, cType, sqlType, size, digits, data,
                           length, &buffer.indicator),
          SQL_HANDLE_STMT, stmt, operation);
}

class OdbcEngine final : public Engine {
  public:
    OdbcEngine(const QString& connectionString, bool dateTimesAsText)
        : m_dbc(m_env), m_dateTimesAsText(dateTimesAsText) {
        m_dbc.connect(connectionString);
    }

    void execute(const QString& sql, const Parameters& parameters) override {
        run(sql, parameters, "Connection.Execute", nullptr);
    }

    ResultSet query(const QString& sql, const Parameters& parameters) override {
        ResultSet result;
        run(sql, parameters, "Recordset.Open", &result);
        return result;
    }

  private:
    // Runs a batch and walks every result it yields; `out` receives the rows of the last
    // result that has columns. Without parameters the text goes to the server as it is.
    void run(const QString& sql, const Parameters& parameters, const char* operation,
             ResultSet* out) {
        const Statement statement(m_dbc, operation);
        const SQLHSTMT stmt = statement.get();
        MarkedBatch batch{sql, {}};
        if (!parameters.empty())
            batch = markParameters(sql, parameters, operation);
        std::vector<BoundValue> buffers(batch.values.size());
        for (std::size_t i = 0; i < batch.values.size(); ++i)
            bindValue(stmt, SQLUSMALLINT(i + 1), batch.values[i], buffers[i], operation);
        std::vector<SQLWCHAR> text = toWide(batch.text);
        check(SQLExecDirectW(stmt, text.data(), SQL_NTS), SQL_HANDLE_STMT, stmt, operation);
        for (;;) {
            SQLSMALLINT columnCount = 0;
            check(SQLNumResultCols(stmt, &columnCount), SQL_HANDLE_STMT, stmt, operation);
            if (columnCount > 0 && out)
                *out = readResult(stmt, columnCount, operation);
            const SQLRETURN rc = SQLMoreResults(stmt);
            if (rc == SQL_NO_DATA)
                break;
            check(rc, SQL_HANDLE_STMT, stmt, operation);
        }
    }

    ResultSet readResult(SQLHSTMT stmt, SQLSMALLINT columnCount, const char* operation) const {
        ResultSet result;
        std::vector<Column> columns;
        for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(columnCount); ++i) {
            SQLWCHAR name[256] = {};
            SQLSMALLINT nameLength = 0;
            SQLSMALLINT sqlType = 0;
            SQLULEN size = 0;
            SQLSMALLINT digits = 0;
            SQLSMALLINT nullable = 0;
            check(SQLDescribeColW(stmt, i, name, 256, &nameLength, &sqlType, &size, &digits,
                                  &nullable),
                  SQL_HANDLE_STMT, stmt, operation);
            Column column;
            column.name = fromWide(name, std::min<std::size_t>(std::size_t(nameLength), 255));
            column.kind = kindOf(sqlType);
            column.type = DecimalType{int(std::clamp<SQLULEN>(size, 1, kMaxDecimalPrecision)),
                                      std::max<int>(digits, 0)};
            result.columns << column.name;
            columns.push_back(column);
        }
        for (;;) {
            const SQLRETURN rc = SQLFetch(stmt);
            if (rc == SQL_NO_DATA)
                break;
            check(rc, SQL_HANDLE_STMT, stmt, operation);
            std::vector<Value> row;
            row.reserve(columns.size());
            for (std::size_t i = 0; i < columns.size(); ++i)
                row.push_back(m_dateTimesAsText && (columns[i].kind == Kind::DateTime ||
                                                    columns[i].kind == Kind::Time)
                                  ? readText(stmt, SQLUSMALLINT(i + 1), operation)
                                  : readValue(stmt, SQLUSMALLINT(i + 1), columns[i], operation));
            result.rows.push_back(std::move(row));
        }
        return result;
    }

    static Value readValue(SQLHSTMT stmt, SQLUSMALLINT index, const Column& column,
                           const char* operation) {
        SQLLEN indicator = 0;
        auto get = [&](SQLSMALLINT cType, SQLPOINTER target, SQLLEN size) {
            const SQLRETURN rc = SQLGetData(stmt, index, cType, target, size, &indicator);
            check(rc, SQL_HANDLE_STMT, stmt, operation);
            return rc;
        };
        switch (column.kind) {
            case Kind::Integer: {
                SQLBIGINT value = 0;
                get(SQL_C_SBIGINT, &value, sizeof value);
                if (indicator == SQL_NULL_DATA)
                    return {};
                return std::int64_t(value);
            }
            case Kind::Decimal: {
                char text[128] = {};
                get(SQL_C_CHAR, text, sizeof text);
                if (indicator == SQL_NULL_DATA)
                    return {};
                return decimalValue(QString::fromLatin1(text), column.type);
            }
            case Kind::Floating: {
                double value = 0;
                get(SQL_C_DOUBLE, &value, sizeof value);
                if (indicator == SQL_NULL_DATA)
                    return {};
                return floatValue(value);
            }
            case Kind::DateTime: {
                SQL_TIMESTAMP_STRUCT ts = {};
                get(SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts);
                if (indicator == SQL_NULL_DATA)
                    return {};
                return QDateTime(QDate(ts.year, ts.month, ts.day),
                                 QTime(ts.hour, ts.minute, ts.second, int(ts.fraction / 1000000)));
            }
            case Kind::Time: {
                SQL_TIME_STRUCT t = {};
                get(SQL_C_TYPE_TIME, &t, sizeof t);
                if (indicator == SQL_NULL_DATA)
                    return {};
                // A time of day alone, on the zero date of automation dates.
                return QDateTime(QDate(1899, 12, 30), QTime(t.hour, t.minute, t.second));
            }
            case Kind::Text:
                break;
        }
        return readText(stmt, index, operation);
    }

    // Text in UTF-16, in pieces, so that long values come back whole.
    static Value readText(SQLHSTMT stmt, SQLUSMALLINT index, const char* operation) {
        constexpr std::size_t kChunk = 2048;
        std::vector<SQLWCHAR> buffer(kChunk + 1);
        QString text;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(stmt, index, SQL_C_WCHAR, buffer.data(),
                                            SQLLEN(buffer.size() * sizeof(SQLWCHAR)), &indicator);
            if (rc == SQL_NO_DATA)
                break;
            check(rc, SQL_HANDLE_STMT, stmt, operation);
            if (indicator == SQL_NULL_DATA)
                return {};
            std::size_t length = kChunk;  // a truncated piece fills the buffer
            if (indicator != SQL_NO_TOTAL && indicator >= 0)
                length = std::min(length, std::size_t(indicator) / sizeof(SQLWCHAR));
            text += fromWide(buffer.data(), length);
            if (rc == SQL_SUCCESS)
                break;
        }
        return text;
    }

    Environment m_env;
    DbConnection m_dbc;
    bool m_dateTimesAsText;  // ConnectionSettings::dateTimesAsText
};

}  // namespace

std::optional<Decimal> parseOdbcDecimal(const QString& text, int scale) {
    return decodeDecimalText(text, scale);
}

std::unique_ptr<Engine> openOdbcEngineWithString(const QString& odbcConnectionString,
                                                 bool dateTimesAsText) {
    return std::make_unique<OdbcEngine>(odbcConnectionString, dateTimesAsText);
}

std::unique_ptr<Engine> openOdbcEngine(const ConnectionSettings& settings) {
    const QString driver = chooseOdbcDriver(settings.driver, settings.driver.trimmed().isEmpty()
                                                                 ? installedOdbcDrivers()
                                                                 : QStringList());
    return openOdbcEngineWithString(buildOdbcConnectionString(settings, driver),
                                    settings.dateTimesAsText);
}

}  // namespace ado
