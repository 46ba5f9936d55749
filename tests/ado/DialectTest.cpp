// SQL Server's dialect and semantics on the embedded engine.
#include "tests/support/EmbeddedDb.h"

#include "ado/SqlInsertShape.h"

#include <QDateTime>

using ado::Decimal;
using ado::Value;

namespace {

class DialectTest : public EmbeddedDbTest {
  protected:
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec(
            "CREATE TABLE [dbo].[t] ([id] [int] IDENTITY(1,1) NOT NULL, [n] [numeric](3, 0) NULL, "
            "[s] [smallint] NULL, [i] [int] NULL, [v] [varchar](5) NULL, [c] [char](4) NULL, "
            "[d] [decimal](9, 2) NULL, [f] [datetime] NULL, CONSTRAINT [PK_t] PRIMARY KEY "
            "CLUSTERED ([id] ASC)) "
            "ON [PRIMARY]");
    }
};

}  // namespace

TEST_F(DialectTest, ValuesThatDoNotFitTheirColumnAreErrors) {
    EXPECT_EQ(error("insert into t (n) values (1000)"),
              "Arithmetic overflow error converting int to data type numeric.");
    EXPECT_EQ(error("insert into t (s) values (40000)"),
              "Arithmetic overflow error converting expression to data type smallint.");
    EXPECT_EQ(error("insert into t (v) values ('abcdef')"),
              "String or binary data would be truncated.");
    EXPECT_EQ(error("insert into t (i) values ('abc')"),
              "Conversion failed when converting the varchar value 'abc' to data type int.");
    EXPECT_EQ(error("insert into t (d) values ('x1')"),
              "Error converting data type varchar to numeric.");
    EXPECT_EQ(error("insert into t (f) values ('not a date')"),
              "Conversion failed when converting date and/or time from character string.");
    EXPECT_EQ(error("update t set n = 1000"), "");  // no row, nothing converted
    exec("insert into t (n) values (1)");
    EXPECT_EQ(error("update t set n = -1000"),
              "Arithmetic overflow error converting int to data type numeric.");
    // Trailing blanks beyond the length are dropped without complaint; rounding to the scale.
    exec("insert into t (v, d, n) values ('abc    ', 1.005, 2.6)");
    EXPECT_EQ(rows("select v, d, n from t where id = 2").rows[0],
              (std::vector<Value>{Value("abc  "), Value(Decimal{101, 2}), Value(3)}));
}

TEST_F(DialectTest, QuotedNumbersWithBlanksAreNumbersWhereNumbersAreExpected) {
    exec("insert into t (n, s, i, d) values ('   5', ' 7 ', '  12', ' 3.5 ')");
    EXPECT_EQ(rows("select n, s, i, d from t").rows[0],
              (std::vector<Value>{Value(5), Value(7), Value(12), Value(Decimal{350, 2})}));
    EXPECT_EQ(
        scalar("select count(*) from t where n = '       5' and i = ' 12' and d = '3.50'").toInt(),
        1);
    EXPECT_EQ(scalar("select count(*) from t where i in ('12', ' 13')").toInt(), 1);
    EXPECT_EQ(error("select * from t where i = 'x'"),
              "Conversion failed when converting the varchar value 'x' to data type int.");
}

TEST_F(DialectTest, TextComparesIgnoringLetterCaseAndTrailingBlanks) {
    exec("insert into t (v, c) values ('Ana', 'AB')");
    EXPECT_EQ(scalar("select c from t").toText(), "AB  ");  // char(4) is padded
    EXPECT_EQ(
        scalar("select count(*) from t where v = 'ANA   ' and c = 'ab' and C = 'AB    '").toInt(),
        1);
    EXPECT_EQ(scalar("select count(*) from T where V <> 'ana'").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from t where v in ('x', 'ana ')").toInt(), 1);
    EXPECT_EQ(scalar("select count(*) from t where upper(v) = 'ana'").toInt(), 1);
    EXPECT_EQ(
        scalar("select count(*) from t where v like 'an%' and c like 'ab' and c not like 'ab '")
            .toInt(),
        1);
    EXPECT_EQ(
        rows("select case when 'ñandú' like 'Ñ%' then 1 else 0 end, case when 'b1' like "
             "'[a-c][0-9]' "
             "then 1 else 0 end, case when 'd1' like '[^a-c]_' then 1 else 0 end, case when '50%' "
             "like '50!%' escape '!' then 1 else 0 end, case when '501' like '50!%' escape '!' "
             "then 1 "
             "else 0 end")
            .rows[0],
        (std::vector<Value>{Value(1), Value(1), Value(1), Value(1), Value(0)}));
    EXPECT_EQ(scalar("select upper('ñandú')").toText(), "ÑANDÚ");
    // Joins compare the same way, also when SQLite builds an index for the join itself.
    exec("create table u (k char(10), w int)");
    exec("insert into u values ('ana', 1)");
    exec("insert into u values ('ANA  ', 2)");
    EXPECT_EQ(scalar("select sum(u.w) from t, u where t.i is null and u.k = t.v and t.v = 'ANA '")
                  .toInt(),
              3);
    EXPECT_EQ(scalar("select count(distinct k) from u").toInt(), 1);
}

TEST_F(DialectTest, IdentityColumnsAreSkippedByPositionalInserts) {
    exec("insert into t values (1, 2, 3, 'a', 'b', 4.5, '2026-01-02')");
    exec("insert into t values (1, 2, 3, 'a', 'b', 4.5, '2026-01-02')");
    EXPECT_EQ(scalar("select max(id) from t").toInt(), 2);
    EXPECT_EQ(error("insert into t values (9, 1, 2, 3, 'a', 'b', 4.5, '2026-01-02')"),
              "Column name or number of supplied values does not match table definition.");
    EXPECT_EQ(error("insert into t (id, n) values (5, 1)"),
              "Cannot insert explicit value for identity column in table 't' when IDENTITY_INSERT "
              "is set to OFF.");
    EXPECT_EQ(error("update t set id = 3"), "Cannot update identity column 'id'.");
    exec("create table seeded (n int identity(100, 1) primary key, x int)");
    exec("insert into seeded values (1) insert into seeded values (2)");
    EXPECT_EQ(scalar("select max(n) from seeded with (nolock) where x = 2").toInt(), 101);
    exec("create table k (a int not null, b varchar(3), constraint pk_k primary key (a, b))");
    exec("insert into k values (1, 'x')");
    EXPECT_EQ(error("insert into k values (1, 'X ')"),
              "Violation of PRIMARY KEY constraint 'pk_k'. Cannot insert duplicate key in object "
              "'dbo.k'.");
    EXPECT_EQ(
        error("insert into k (b) values ('y')"),
        "Cannot insert the value NULL into column 'a', table 'nomina.dbo.k'; column does not allow "
        "nulls. INSERT fails.");
}

TEST_F(DialectTest, DateTimesAndDayArithmetic) {
    exec("insert into t (f) values (getdate() + 3)");
    exec("insert into t (f) values ('2026-02-27 10:30:00')");
    const QDateTime f = scalar("select f from t where id = 1").toDateTime();
    EXPECT_EQ(QDate::currentDate().daysTo(f.date()), 3);
    EXPECT_EQ(scalar("select f + 2 from t where id = 2").toDateTime(),
              QDateTime(QDate(2026, 3, 1), QTime(10, 30)));
    EXPECT_EQ(scalar("select f - 0.5 from t where id = 2").toDateTime(),
              QDateTime(QDate(2026, 2, 26), QTime(22, 30)));
    EXPECT_EQ(scalar("select dateadd(month, 1, f) from t where id = 2").toDateTime().date(),
              QDate(2026, 3, 27));
    EXPECT_EQ(scalar("select datediff(day, '2026-02-27', f) from t where id = 2").toInt(), 0);
    EXPECT_EQ(scalar("select year(f) * 100 + month(f) from t where id = 2").toInt(), 202602);
    EXPECT_EQ(scalar("select count(*) from t where f > '2026-02-27' and f < '20260228'").toInt(),
              1);
    EXPECT_EQ(scalar("select convert(varchar(10), f, 120) from t where id = 2").toText(),
              "2026-02-27");
    EXPECT_EQ(rows("select f from t where id = 2").rows[0][0].type(), Value::Type::DateTime);
}

TEST_F(DialectTest, PlusAddsNumbersAndJoinsText) {
    exec("insert into t (i, v, c, d) values (2, 'ab', 'cd', 1.25)");
    EXPECT_EQ(
        rows("select i + 3, v + c + '!', '5' + 3, i + d, v + '-' + convert(varchar(5), i) from t")
            .rows[0],
        (std::vector<Value>{Value(5), Value("abcd  !"), Value(8), Value(Decimal{325, 2}),
                            Value("ab-2")}));
    EXPECT_TRUE(scalar("select v + null from t").isNull());
    EXPECT_EQ(scalar("select isnull(n, 0) + 1 from t").toInt(), 1);
    EXPECT_EQ(error("select 'a' + 1 from t"),
              "Conversion failed when converting the varchar value 'a' to data type int.");
}

TEST_F(DialectTest, QueriesWithTopOrderJoinsAndSubqueries) {
    for (int i = 1; i <= 5; ++i)
        exec(QString("insert into t (i, v) values (%1, 'v%1')").arg(i));
    exec("create table g (i int, name varchar(10))");
    exec("insert into g values (2, 'two')");
    exec("insert into g values (4, 'four')");
    auto r = rows("select top 2 i from t order by i desc");
    EXPECT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][0], Value(5));
    r = rows("select t.v, g.name from t inner join g on g.i = t.i order by g.name");
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][1], Value("four"));
    EXPECT_EQ(r.columns, (QStringList{"v", "name"}));
    EXPECT_EQ(scalar("select count(*) from t where i in (select i from g)").toInt(), 2);
    EXPECT_EQ(
        scalar("select count(*) from t where not exists (select * from g where g.i = t.i)").toInt(),
        3);
    EXPECT_EQ(scalar("select (select name from g where g.i = t.i) from t where i = 4"),
              Value("four"));
    EXPECT_EQ(scalar("select max(x.i) from (select i from t where i < 4) x").toInt(), 3);
    EXPECT_EQ(rows("select distinct(v) from t left outer join g on g.i = t.i where g.i is null")
                  .rows.size(),
              3u);
    EXPECT_EQ(scalar("select case when i > 3 then 'big' else 'small' end from t where i = 5"),
              Value("big"));
    EXPECT_EQ(scalar("select len('ab  ') + charindex('c', 'abc')").toInt(), 5);
    EXPECT_EQ(scalar("select count(*) from t where i between ' 2' and 3").toInt(), 2);
    EXPECT_EQ(scalar("select newid()").toText().size(), 36);
}

TEST_F(DialectTest, ABatchRunsWholeOrNotAtAll) {
    EXPECT_EQ(error("insert into t (i) values (1)\ninsert into t (i) values ('x')"),
              "Conversion failed when converting the varchar value 'x' to data type int.");
    EXPECT_EQ(scalar("select count(*) from t").toInt(), 0);
    EXPECT_NE(error("create table z (a int) insert into nothere values (1)"), "");
    EXPECT_EQ(scalar("select count(*) from sysobjects where name = 'z'").toInt(), 0);
    // The rows of the last statement that gives rows.
    const auto r = rows("insert into t (i) values (7); select i from t; select i + 1 as j from t");
    EXPECT_EQ(r.columns, QStringList{"j"});
    EXPECT_EQ(r.rows[0][0], Value(8));
}

TEST_F(DialectTest, StatementsTheEngineCannotRunAreNamed) {
    EXPECT_EQ(error("EXEC sp_who"),
              "The statement beginning 'EXEC' is not supported by the embedded engine.");
    EXPECT_EQ(error("create procedure p as select 1"),
              "CREATE procedure is not supported by the embedded engine.");
    EXPECT_EQ(error("select * from nothere"), "Invalid object name 'nothere'.");
    EXPECT_EQ(error("select nocol from t"), "Invalid column name 'nocol'.");
    EXPECT_EQ(error("select frobnicate(1)"),
              "'frobnicate' is not a recognized built-in function name.");
    EXPECT_EQ(error("select * from t where"), "Incorrect syntax near the end of the statement.");
    EXPECT_EQ(error("select 'unclosed"),
              "Unclosed quotation mark after the character string 'unclosed'.");
    EXPECT_EQ(error("CREATE TABLE t (a int)"),
              "There is already an object named 't' in the database.");
}

TEST_F(DialectTest, DefaultValuesNeedADefaultOrNullForEveryColumn) {
    exec("create table dv (id int identity(1,1), n int not null default 3, t varchar(5))");
    exec("insert into dv default values");
    const auto r = rows("select id, n, t from dv");
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1], Value(3));
    EXPECT_TRUE(r.rows[0][2].isNull());
    exec("create table dv_needs (n int not null)");
    EXPECT_EQ(error("insert into dv_needs default values"),
              "Cannot insert the value NULL into column 'n', table 'nomina.dbo.dv_needs'; "
              "column does not allow nulls. INSERT fails.");
    EXPECT_EQ(error("insert into dv (n) default values"), "Incorrect syntax near 'default'.");
}

// What the engine lacks is refused by name instead of being answered some other way.
TEST_F(DialectTest, WhatTheEngineLacksIsRefusedNotGuessed) {
    EXPECT_EQ(error("create table s (id int identity(-5, 1))"),
              "An IDENTITY seed below 1 is not supported by the embedded engine.");
    EXPECT_EQ(error("create table s (id int identity(0, 1))"),
              "An IDENTITY seed below 1 is not supported by the embedded engine.");
    EXPECT_EQ(error("create table s (id int identity(1, 2))"),
              "An IDENTITY increment other than 1 is not supported by the embedded engine.");
    EXPECT_EQ(error("select convert(varchar(30), cast('2020-01-01' as date), 120)"),
              "CONVERT of a date value with style 120 is not supported by the embedded engine.");
    EXPECT_EQ(error("select convert(varchar(30), cast(1.5 as float), 2)"),
              "CONVERT style 2 of a float is not supported by the embedded engine.");
    EXPECT_EQ(error("select convert(varchar(30), getdate(), 130)"),
              "CONVERT style 130 is not supported by the embedded engine.");
    exec("create table s (d decimal(38, 2))");
    // A decimal of more figures than a double holds, where a function works on doubles.
    exec("create table wide (d decimal(38, 2)) insert into wide values ('12345678901234567.89')");
    EXPECT_EQ(error("select len(d) from wide"),
              "Decimal values of more than 15 significant digits are not supported by the "
              "embedded engine.");
    // money multiplied or divided to money, whose rounding SQL Server does its own way
    EXPECT_EQ(error("select cast(2 as money) / 3"),
              "Multiplication, division and modulo of money is not supported by the embedded "
              "engine.");
    EXPECT_EQ(error("select avg(cast(d as money)) from s"),
              "AVG of money is not supported by the embedded engine.");
    // A transaction that would stay open after its batch: the batch leaves nothing behind.
    EXPECT_EQ(error("insert into s values (1) begin tran insert into s values (2)"),
              "A transaction left open at the end of a batch is not supported by the embedded "
              "engine.");
    EXPECT_EQ(scalar("select count(*) from s").toInt(), 0);
    EXPECT_EQ(error("save tran x"), "SAVE TRANSACTION is not supported by the embedded engine.");
    // SQL Server's functions that the engine lacks are named, not called unknown.
    EXPECT_EQ(error("select row_number() from s"),
              "ROW_NUMBER is not supported by the embedded engine.");
    EXPECT_EQ(error("declare @t table (a int)"),
              "DECLARE of TABLE variables is not supported by the embedded engine.");
    EXPECT_EQ(error("declare @a int select @a = 1"),
              "SELECT that assigns variables is not supported by the embedded engine.");
    // Clauses SQL Server has are named, not read as something else.
    EXPECT_EQ(error("select @@version"), "@@VERSION is not supported by the embedded engine.");
    EXPECT_EQ(error("select row_number() over (order by d) from s"),
              "OVER (window functions) is not supported by the embedded engine.");
    EXPECT_EQ(error("insert into s output inserted.d values (1)"),
              "OUTPUT is not supported by the embedded engine.");
    EXPECT_EQ(error("select top 1 with ties d from s order by d"),
              "TOP ... WITH TIES is not supported by the embedded engine.");
    EXPECT_EQ(error("delete top (1) from s"),
              "DELETE TOP is not supported by the embedded engine.");
    EXPECT_EQ(error("update top (1) s set d = 1"),
              "UPDATE TOP is not supported by the embedded engine.");
    // Types and styles whose values this engine does not keep or write.
    EXPECT_EQ(error("create table s2 (d datetimeoffset(7))"),
              "The datetimeoffset type is not supported by the embedded engine.");
    EXPECT_EQ(error("select convert(varchar(40), cast('10:00' as time), 9)"),
              "CONVERT style 9 of a time value is not supported by the embedded engine.");
    EXPECT_EQ(error("declare @t time set @t = '10:00' select convert(varchar(20), @t, 100)"),
              "CONVERT style 100 of a time value is not supported by the embedded engine.");
}

TEST_F(DialectTest, ControlFlowAndCatalogue) {
    exec(
        "if object_id('dbo.t') is not null insert into t (i) values (1) else insert into t (i) "
        "values (2)");
    exec(
        "IF NOT EXISTS (SELECT * FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = 'T' AND "
        "COLUMN_NAME = 'extra')\n"
        "BEGIN\n  ALTER TABLE t ADD extra varchar(3) NULL\n  UPDATE t SET extra = 'x'\nEND");
    EXPECT_EQ(rows("select i, extra from t").rows[0], (std::vector<Value>{Value(1), Value("x")}));
    EXPECT_TRUE(scalar("select object_id('nothere')").isNull());
    EXPECT_EQ(scalar("select OBJECTPROPERTY(object_id(N'[dbo].[t]'), N'IsUserTable')").toInt(), 1);
    EXPECT_EQ(scalar("select xtype from sysobjects where name = 'T'"), Value("U "));
    EXPECT_EQ(scalar("select count(*) from sysobjects where type = 'U'").toInt(), 1);
    EXPECT_EQ(scalar("select DATA_TYPE from INFORMATION_SCHEMA.COLUMNS where TABLE_NAME = 't' and "
                     "COLUMN_NAME = 'n'"),
              Value("numeric"));
    EXPECT_EQ(scalar("select count(*) from sys.tables").toInt(), 1);
    const QString index =
        "if not exists (select * from dbo.sysindexes where name = N'IX_t_v')\n"
        "CREATE NONCLUSTERED INDEX [IX_t_v] ON [dbo].[t]([v] ASC, [i] DESC)";
    exec(index);
    exec(index);  // guarded: the second run does nothing
    EXPECT_EQ(scalar("select count(*) from sysindexes where name = 'ix_t_v'").toInt(), 1);
    exec("DROP INDEX t.IX_t_v");
    EXPECT_EQ(scalar("select count(*) from sysindexes where name = 'ix_t_v'").toInt(), 0);
}

TEST_F(DialectTest, TranslationsFollowSchemaChanges) {
    const QString insert = "insert into t values (1, 2, 3, 'a', 'b', 4.5, '2026-01-02')";
    exec(insert);
    exec("alter table t add e int null");
    EXPECT_EQ(error(insert),
              "Column name or number of supplied values does not match table definition.");
    // A change made through another connection is seen too.
    auto other = open("nomina");
    other->Execute("alter table t drop column e");
    EXPECT_EQ(error(insert), "");
    EXPECT_EQ(scalar("select count(*) from t").toInt(), 2);
}

TEST_F(DialectTest, ServerCatalogueAndOtherDatabases) {
    auto master = open("master");
    try {
        master->Execute("CREATE DATABASE nomina");
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.description(),
                  "Database 'nomina' already exists. Choose a different database name.");
    }
    exec("insert into t (i) values (42)");
    ado::Recordset r;
    r.Open("select name from sysdatabases order by name", master.get());
    QStringList names;
    for (; !r.Eof(); r.MoveNext())
        names << r.Fields(0).Value.toText();
    EXPECT_TRUE(names.contains("master"));
    EXPECT_TRUE(names.contains("nomina"));
    ado::Recordset other;
    other.Open("select i from [nomina].[dbo].[t]", master.get());
    ASSERT_FALSE(other.Eof());
    EXPECT_EQ(other.Fields(0).Value, Value(42));
    try {
        open("nothere");
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), "Connection.Open");
        EXPECT_EQ(e.description(),
                  "Cannot open database \"nothere\" requested by the login. The login failed.");
    }
}

TEST_F(DialectTest, BatchesWithCommentsSeparatorsAndGrouping) {
    exec(
        "SET NOCOUNT ON; -- quiet\n/* three rows */ insert into t (i, v) values (1, 'a');"
        "insert into t (i, v) values (2, 'A') insert into t (i, v) values (5, 'b')");
    auto r = rows(
        "select v as grupo, count(*) cuantos, sum(i) 'total' from t group by v having count(*) > "
        "1");
    ASSERT_EQ(r.rows.size(), 1u);  // 'a' and 'A' are one group
    EXPECT_EQ(r.columns, (QStringList{"grupo", "cuantos", "total"}));
    EXPECT_EQ(r.rows[0][1], Value(2));
    EXPECT_EQ(r.rows[0][2], Value(3));
    EXPECT_EQ(scalar("select avg(i) from t").toInt(), 2);  // int average stays int: 8 / 3
    EXPECT_EQ(scalar("select convert(numeric(5,1), 2.25)"), Value(Decimal{23, 1}));
    r = rows("select i from t where i = 1 union select i from t where i = 5 order by i desc");
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][0], Value(5));
    EXPECT_EQ(scalar("select total = sum(i) from t"), Value(8));
    exec(
        "if (select count(*) from t) > 2 begin if 1 = 0 select 1 else delete from t where i = 5 "
        "end");
    EXPECT_EQ(scalar("select count(*) from t").toInt(), 2);
    exec("truncate table t");
    EXPECT_EQ(scalar("select count(*) from t").toInt(), 0);
    exec("drop table if exists nada; drop table t");
    EXPECT_EQ(
        error("drop table t"),
        "Cannot drop the table 't', because it does not exist or you do not have permission.");
}

TEST_F(DialectTest, WritesToAnotherDatabaseByThreePartName) {
    auto master = open("master");
    master->Execute("CREATE DATABASE otra");
    auto otra = open("otra");
    otra->Execute("create table x (a varchar(3))");
    exec("insert into [otra].[dbo].[x] values ('abc') insert into otra..x values ('d')");
    EXPECT_EQ(otra->engine("test").query("select count(*) from x").rows[0][0], Value(2));
    EXPECT_EQ(error("insert into otra.dbo.x values ('toolong')"),
              "String or binary data would be truncated.");
    EXPECT_EQ(error("select * from nadie.dbo.x"),
              "Database 'nadie' does not exist. Make sure that the name is entered correctly.");
}

TEST_F(DialectTest, LiteralsAndNamesAreReadAsWritten) {
    EXPECT_EQ(rows("select 'it''s', N'ñandú', '--no comment', '/* nor this */', -2.50").rows[0],
              (std::vector<Value>{Value("it's"), Value("ñandú"), Value("--no comment"),
                                  Value("/* nor this */"), Value(Decimal{-250, 2})}));
    EXPECT_DOUBLE_EQ(scalar("select 1.5e2").toDouble(), 150.0);
    exec("create table [a]]b] ([my col] int, [select] varchar(3))");
    exec("insert into [dbo].[a]]b] values (1, 'x')");
    const auto r = rows("select [my col], [SELECT] from [A]]B]");
    EXPECT_EQ(r.columns, (QStringList{"my col", "SELECT"}));
    EXPECT_EQ(r.rows[0][1], Value("x"));
}

TEST_F(DialectTest, UpdateFromJoinsOtherTables) {
    exec("insert into t (i, v) values (1, 'a') insert into t (i, v) values (2, 'b')");
    exec("create table g (i int, name varchar(5))");
    exec("insert into g values (2, 'dos')");
    exec("update x set v = g.name from t x inner join g on g.i = x.i where g.name like 'd%'");
    EXPECT_EQ(scalar("select v from t where i = 2"), Value("dos"));
    EXPECT_EQ(scalar("select v from t where i = 1"), Value("a"));
    exec("update t set v = 'z' from g where g.i = t.i");
    EXPECT_EQ(scalar("select v from t where i = 2"), Value("z"));
    EXPECT_NE(error("update x set v = 'q' from t x left join g on g.i = x.i"), "");
}

TEST_F(DialectTest, ExpressionResultsCarryTheirSqlServerTypes) {
    exec("insert into t (i, d, v, f) values (3, 2.5, '7', '2026-05-06')");
    exec("insert into t (i, d, v, f) values (4, 0.25, 'x', NULL)");
    const auto r = rows(
        "select count(*), sum(d), max(f), isnull(min(d), 0), sum(i) * 2, convert(varchar(3), "
        "max(i)), cast(min(v) as int), getdate(), avg(d) from t where i = 3 or d < 1");
    ASSERT_EQ(r.rows.size(), 1u);
    const auto& row = r.rows[0];
    EXPECT_EQ(row[0].type(), Value::Type::Integer);
    EXPECT_EQ(row[1], Value(Decimal{275, 2}));
    EXPECT_EQ(row[2].type(), Value::Type::DateTime);
    EXPECT_EQ(row[3], Value(Decimal{25, 2}));
    EXPECT_EQ(row[4], Value(14));
    EXPECT_EQ(row[5], Value("4"));
    EXPECT_EQ(row[6], Value(7));
    EXPECT_EQ(row[7].type(), Value::Type::DateTime);
    EXPECT_EQ(row[8].toText(), "1.375000");  // decimal(38,6), whatever the column's scale
}

TEST_F(DialectTest, InsertSelectConvertsAndSkipsTheIdentity) {
    exec("create table src (a varchar(10), b varchar(10))");
    exec("insert into src values ('  5', '1.255')");
    exec("insert into src values ('6 ', '2')");
    exec("insert into t (i, d) select a, b from src");
    exec("insert into t select 1, 2, a, 'v', 'c', b, NULL from src where a = '6'");
    EXPECT_EQ(scalar("select sum(i) from t").toInt(), 17);
    EXPECT_EQ(scalar("select d from t where id = 1"), Value(Decimal{126, 2}));
    EXPECT_EQ(scalar("select max(id) from t").toInt(), 3);
    EXPECT_EQ(error("insert into t (i) select a, b from src"),
              "The number of values does not match the number of columns in the INSERT statement.");
    EXPECT_EQ(error("insert into t (s) select 'x' + a from src"),
              "Conversion failed when converting the varchar value 'x  5' to data type smallint.");
}

TEST_F(DialectTest, CatalogueOfAnotherDatabase) {
    auto master = open("master");
    ado::Recordset cols;
    cols.Open(
        "select c.name from [nomina].[dbo].[syscolumns] c, [nomina].[dbo].[sysobjects] o "
        "where o.id = c.id and o.name = 't' order by c.colid",
        master.get());
    QStringList names;
    for (; !cols.Eof(); cols.MoveNext())
        names << cols.Fields(0).Value.toText();
    EXPECT_EQ(names, (QStringList{"id", "n", "s", "i", "v", "c", "d", "f"}));
}

TEST_F(DialectTest, MinusBeforeANegativeNumberIsNoComment) {
    exec("insert into t (i) values (- -4)");
    EXPECT_EQ(rows("select - -i, 2 - -i, -(-i), 1 - - - i from t where i = - -4").rows.at(0),
              (std::vector<Value>{Value(4), Value(6), Value(4), Value(-3)}));
}

// Inserts that differ only in their values share the first one's translation: each must still
// store its own values, whatever kind of value stands where, and fail on its own.
TEST_F(DialectTest, InsertsOfOneShapeStoreTheirOwnValues) {
    const char* const statements[] = {
        "insert into t (n, i, v, d) values (1, 2, 'a', 1.50)",
        "insert into t (n, i, v, d) values (NULL, -3, 'b''c', NULL)",
        "insert into t (n, i, v, d) values (-4, NULL, NULL, -2.25)",
        "insert into t (n, i, v, d) values ('5', 6, 7, 8)",
        "insert into t (n, i, v, d) values (1000, 1, 'x', 1)",         // n overflows
        "insert into t (n, i, v, d) values (9, 99999999999, 'y', 1)",  // i overflows
        "alter table t add z int null",
        "insert into t (n, i, v, d) values (10, 11, 'z', 0.5)",
        "insert into t (n, i) values (12, 5 - 2)",  // an expression: not a bound value
        "insert into t (n, i) values (13, 7 - 1)",
        "insert into t (n, v) values (14, 'p'), (NULL, 'q')",
        "insert into t (n, v) values (-15, NULL), (16, 'r')",
    };
    for (const char* statement : statements)
        error(statement);
    const auto stored = rows("select n, i, v, d from t order by id").rows;
    const Value null;
    const std::vector<std::vector<Value>> expected = {
        {Value(1), Value(2), Value("a"), Value(Decimal{150, 2})},
        {null, Value(-3), Value("b'c"), null},
        {Value(-4), null, null, Value(Decimal{-225, 2})},
        {Value(5), Value(6), Value("7"), Value(Decimal{800, 2})},
        {Value(10), Value(11), Value("z"), Value(Decimal{50, 2})},
        {Value(12), Value(3), null, null},
        {Value(13), Value(6), null, null},
        {Value(14), null, Value("p"), null},
        {null, null, Value("q"), null},
        {Value(-15), null, null, null},
        {Value(16), null, Value("r"), null},
    };
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(error("insert into t (n, i, v, d) values (1000, 1, 'x', 1)"),
              "Arithmetic overflow error converting int to data type numeric.");
}

// Only statements whose every value the translator binds have a shape, and no two different
// statements meet in one shape: a key shared by different tokens would run one statement's
// translation for another.
TEST(InsertShapeTest, KeysTellStatementsApartAndOnlyBoundValuesAreTakenOut) {
    const auto key = [](const char* text) {
        const auto shape = sql::insertShape(QString::fromUtf8(text));
        return shape ? shape->key : QString();
    };
    // Values of any kind change places within one shape.
    EXPECT_FALSE(key("insert into t (a, b) values (1, 'x')").isEmpty());
    EXPECT_EQ(key("insert into t (a, b) values (1, 'x')"),
              key("insert into t (a, b) values (NULL, -2.5)"));
    EXPECT_NE(key("insert into t (ab, c) values (1, 2)"), key("insert into t (abc) values (1, 2)"));
    EXPECT_NE(key("insert into t (a) values (1)"), key("insert into u (a) values (1)"));
    EXPECT_NE(key("insert into t (a) values ('x')"), key("insert into t (a) values (N'x')"));
    for (const char* refused : {
             "select 1",
             "insert into t (a) values (1) insert into t (a) values (2)",
             "insert into t (a) values (99999999999999999999)",  // beyond 64 bits
             "insert into t (a) values (1234567890.1234567)",    // more than 15 figures
             "insert into t (a) values (1e3)",
             "insert into t (a) values ('unclosed",
         })
        EXPECT_TRUE(key(refused).isEmpty()) << refused;
    EXPECT_EQ(sql::insertShape(QString("insert into t (a) values ('a") + QChar(0) + "b')"),
              std::nullopt);  // the translator writes a text with NUL out
    const auto shape =
        sql::insertShape("insert into t (a, b, c, d) values (-7, 2.50, NULL, 'o''b')");
    ASSERT_TRUE(shape);
    ASSERT_EQ(shape->literals.size(), 4u);
    EXPECT_EQ(shape->literals[0].whole, -7);
    EXPECT_EQ(shape->literals[1].real, 2.5);
    EXPECT_TRUE(shape->literals[2].null);
    EXPECT_EQ(shape->literals[3].text, "o'b");
}
