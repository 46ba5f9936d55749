// SQL Server's built-in functions on the embedded engine, through the one table that both the
// translator and the engine's registration read.
#include "tests/support/EmbeddedDb.h"

#include "ado/SqlFunctions.h"

#include <QSet>

namespace {

struct Call {
    const char* sql;       // a select list
    const char* expected;  // the value as text; "NULL" for NULL
};

class FunctionTableTest : public EmbeddedDbTest {
  protected:
    QString answer(const QString& selectList) {
        const ado::Value v = scalar(QStringLiteral("select ") + selectList);
        return v.isNull() ? QStringLiteral("NULL") : v.toText();
    }
    std::string fails(const char* sql) { return error(QString::fromUtf8(sql)).toStdString(); }
};

}  // namespace

TEST(FunctionTable, NamesAreUniqueAndEveryEntryCanBeEmitted) {
    QSet<QString> names;
    for (const sql::FunctionDef& f : sql::functions()) {
        const QString name = QString::fromLatin1(f.name);
        EXPECT_EQ(name, name.toLower()) << "the parser looks names up in lower case";
        EXPECT_FALSE(names.contains(name)) << "a second entry would never be reached: " << f.name;
        names.insert(name);
        EXPECT_EQ(sql::findFunction(name), &f);
        EXPECT_TRUE(f.maxArgs == sql::kVariadic || f.maxArgs >= f.minArgs) << f.name;
        switch (f.emit) {
            case sql::Emit::Call:
            case sql::Emit::TypedCall:
            case sql::Emit::Template:
            case sql::Emit::Power:
                EXPECT_NE(f.target, nullptr) << f.name;
                break;
            case sql::Emit::Alias: {
                ASSERT_NE(f.target, nullptr) << f.name;
                const sql::FunctionDef* target = sql::findFunction(QString::fromLatin1(f.target));
                ASSERT_NE(target, nullptr) << f.name << " stands for a missing " << f.target;
                EXPECT_NE(target->emit, sql::Emit::Alias) << f.name;
                const int passed = f.minArgs + (f.leading ? 1 : 0);
                EXPECT_GE(passed, target->minArgs) << f.name;
                break;
            }
            default:
                EXPECT_EQ(f.native, nullptr) << f.name << ": nothing would register it";
        }
    }
    EXPECT_EQ(sql::findFunction(u"no_such_function"), nullptr);
}

TEST_F(FunctionTableTest, EveryFunctionAnswersAsSqlServer) {
    exec("create table t (k int, v varchar(10))");
    const Call calls[] = {
        {"len('ab  ')", "2"},
        {"datalength('ab  ')", "4"},
        {"upper('ñandú')", "ÑANDÚ"},
        {"lower('ÑANDÚ')", "ñandú"},
        {"ltrim('  a ')", "a "},
        {"rtrim(' a  ')", " a"},
        {"replace('abcb', 'b', 'x')", "axcx"},
        {"substring('abcdef', 2, 3)", "bcd"},
        {"left('abcdef', 2) + right('abcdef', 2)", "abef"},
        {"left('ab', 5) + '|' + right('ab', 5)", "ab|ab"},
        {"right(12345, 2)", "45"},
        {"left('ab', 0)", ""},
        {"right(null, 1)", "NULL"},
        {"charindex('C', 'abcabc')", "3"},
        {"charindex('c', 'abcabc', 4)", "6"},
        {"charindex('z', 'abc')", "0"},
        {"replicate('ab', 3)", "ababab"},
        {"replicate('ab', -1)", "NULL"},
        {"'[' + space(3) + ']'", "[   ]"},
        {"str(2.5, 6, 1)", "   2.5"},
        {"str(123456, 3)", "***"},
        {"str(7)", "         7"},
        {"abs(-3)", "3"},
        {"floor(-2.5)", "-3"},
        {"ceiling(2.1)", "3"},
        {"floor(7)", "7"},
        {"floor(2.75) + 0.5", "2.5"},
        {"isnull(null, 'x')", "x"},
        {"coalesce(null, null, 3)", "3"},
        {"nullif(1, 1)", "NULL"},
        {"year('2026-03-04')", "2026"},
        {"month('2026-03-04')", "3"},
        {"day('2026-03-04')", "4"},
        {"datepart(dw, '2026-03-08')", "1"},  // a Sunday
        {"datepart(quarter, '2026-08-01')", "3"},
        {"convert(varchar(10), dateadd(month, 1, '2026-01-31'), 120)", "2026-02-28"},
        {"datediff(month, '2026-01-31', '2026-03-01')", "2"},
        {"datediff(day, '2026-03-01', '2026-02-27')", "-2"},
        {"len(newid())", "36"},
        {"case when getdate() > '2020-01-01' then 1 else 0 end", "1"},
        {"case when sysdatetime() > '2020-01-01' then 1 else 0 end", "1"},
        {"case when getutcdate() > '2020-01-01' then 1 else 0 end", "1"},
        {"case when object_id('T') is null then 0 else 1 end", "1"},
        {"case when object_id('dbo.t', 'U') is null then 0 else 1 end", "1"},
        {"object_id('nothing')", "NULL"},
        {"objectproperty(object_id('t'), 'IsUserTable')", "1"},
        {"db_name()", "nomina"},
        {"user_name()", "dbo"},
        {"suser_sname()", "dbo"},
    };
    for (const Call& c : calls)
        EXPECT_EQ(answer(QString::fromUtf8(c.sql)).toStdString(), c.expected) << c.sql;

    exec(
        "insert into t values (1, 'a') insert into t values (1, 'b') insert into t values (4, "
        "null)");
    const Call aggregates[] = {
        {"count(*) from t", "3"},
        {"count(v) from t", "2"},
        {"count(distinct k) from t", "2"},
        {"sum(k) from t", "6"},
        {"sum(distinct k) from t", "5"},
        {"avg(k) from t", "2"},  // integer average stays an integer
        {"min(v) from t", "a"},
        {"max(k) from t", "4"},
        // LEFT and RIGHT as functions beside LEFT and RIGHT joins
        {"count(*) from t left join t u on left(u.v, 1) = left(t.v, 1) right outer join t w on "
         "right(w.v, 1) = right(t.v, 1) where left(t.v, 1) = 'A'",
         "1"},
    };
    for (const Call& c : aggregates)
        EXPECT_EQ(answer(QString::fromUtf8(c.sql)).toStdString(), c.expected) << c.sql;
}

TEST_F(FunctionTableTest, WrongCallsGiveSqlServersMessages) {
    EXPECT_EQ(fails("select upper('a', 'b')"), "The upper function requires 1 argument(s).");
    EXPECT_EQ(fails("select coalesce(1)"), "The coalesce function requires 2 argument(s).");
    EXPECT_EQ(fails("select year()"), "The year function requires 1 argument(s).");
    EXPECT_EQ(fails("select getdate(1)"), "The getdate function requires 0 argument(s).");
    EXPECT_EQ(fails("select left('abc', -1)"),
              "Invalid length parameter passed to the left function.");
    EXPECT_EQ(fails("select right('abc', -1)"),
              "Invalid length parameter passed to the right function.");
    EXPECT_EQ(fails("select dateadd(fortnight, 1, getdate())"),
              "'fortnight' is not a recognized dateadd option.");
    EXPECT_EQ(fails("select datediff(Fortnight, getdate(), getdate())"),
              "'fortnight' is not a recognized datediff option.");
    // A constant part is read while translating: wrong, it fails though no row is read; a
    // part in a variable is read when the call runs.
    EXPECT_EQ(fails("select datepart(fortnight, getdate()) where 1 = 0"),
              "'fortnight' is not a recognized datepart option.");
    EXPECT_EQ(fails("declare @p varchar(9) set @p = 'fortnight' select datename(@p, getdate())"),
              "'fortnight' is not a recognized datename option.");
    EXPECT_EQ(answer("datename(month, '2026-03-08')"), "March");
    EXPECT_EQ(fails("select left('abc')"), "The left function requires 2 argument(s).");
    EXPECT_EQ(fails("select * from t left('x')"), "Incorrect syntax near '('.");
    EXPECT_EQ(fails("select soundex('a')"), "SOUNDEX is not supported by the embedded engine.");
    // A date part word is read as such only where the function takes one.
    EXPECT_EQ(fails("select datetrunk(month, getdate())"),
              "'datetrunk' is not a recognized built-in function name.");
}

TEST_F(FunctionTableTest, TextFunctionsStayWithinSqlServersLimits) {
    const Call calls[] = {
        // STR shows as many decimals as fit, at most 16; stars when the whole part does not fit
        {"str(123.45, 6, 2)", "123.45"},
        {"str(1234567.89, 7, 2)", "1234568"},
        {"str(1234567.89, 9, 2)", "1234567.9"},
        {"str(1234567.89, 6, 2)", "******"},
        {"str(-12.5, 4, 1)", " -13"},
        {"str(1.5, 10, 2000000000)", "1.50000000"},
        {"str(1.5, 20, 20)", "  1.5000000000000000"},
        {"str(1, 2e9)", "NULL"},
        {"str(1, 0)", "NULL"},
        {"str(1, 5, -1)", "NULL"},
        {"len(str(1, 8000))", "8000"},
        // REPLICATE of a text that is not varchar(max) stops at 8,000 characters
        {"len(replicate('ab', 1.5e9))", "8000"},
        {"right(replicate('abc', 3000), 3)", "cab"},
        // and joined with more text that is not (max) it is cut there again
        {"len(replicate('x', 8000) + 'y')", "8000"},
        {"len(replicate(cast('x' as varchar(max)), 8000) + 'y')", "8001"},
        {"len(replicate('', 1e18))", "0"},
        {"len(space(100000))", "0"},
        {"datalength(space(100000))", "8000"},
    };
    for (const Call& c : calls)
        EXPECT_EQ(answer(QString::fromUtf8(c.sql)).toStdString(), c.expected) << c.sql;
}
