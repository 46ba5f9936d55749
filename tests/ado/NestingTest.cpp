// Statements nested too deeply get SQL Server's error 191 instead of exhausting the stack;
// long chains of operators written one after another are no nesting and run.
#include "tests/support/EmbeddedDb.h"

#include <functional>

namespace {

const char* const kTooDeep =
    "Some part of your SQL statement is nested too deeply. Rewrite the query or break it up "
    "into smaller queries.";

QString times(const char* text, int n) {
    return QString::fromUtf8(text).repeated(n);
}

// `count` terms joined by `op`: "k = 1 OR k = 2 OR ...".
QString chain(int count, const char* op, const std::function<QString(int)>& term) {
    QStringList terms;
    for (int i = 1; i <= count; ++i)
        terms << term(i);
    return terms.join(QString::fromUtf8(op));
}

class NestingTest : public EmbeddedDbTest {
  protected:
    std::string fails(const QString& sql) { return error(sql).toStdString(); }
};

}  // namespace

TEST_F(NestingTest, DeepNestingIsSqlServersErrorNotACrash) {
    const int deep = 6000;
    const QString statements[] = {
        "select " + times("(", deep) + "1" + times(")", deep),
        "select case when " + times("not ", deep) + "1 = 1 then 1 end",
        "select " + times("~", deep) + "1",
        "select " + times("- ", deep) + "k from t",
        "select " + times("abs(", deep) + "1" + times(")", deep),
        "select " + times("case when 1 = 1 then ", deep) + "1" + times(" end", deep),
        "select " + times("(select ", deep) + "1" + times(")", deep),
        "select * from " + times("(select * from ", deep) + "t" + times(") x", deep),
        times("if 1 = 1 ", deep) + "select 1",
        times("begin ", deep) + "select 1" + times(" end", deep),
        "select 1 where 1 in (" + times("1 + (", deep) + "1" + times(")", deep) + ")",
    };
    exec("create table t (k int)");
    for (const QString& sql : statements)
        EXPECT_EQ(fails(sql), kTooDeep) << sql.left(60).toStdString();
    // The translator counts as the parser does: predicates that the parser reads in a loop
    // (x IN (...) IN (...) ...) still nest in the translated statement.
    EXPECT_EQ(fails("select 1 where 1" + times(" in (1)", deep)), kTooDeep);
}

TEST_F(NestingTest, NestingWellWithinTheLimitRuns) {
    exec("create table t (k int)");
    exec("insert into t values (7)");
    EXPECT_EQ(scalar("select " + times("(", 200) + "k" + times(")", 200) + " from t").toInt(), 7);
    EXPECT_EQ(scalar("select " + times("abs(", 30) + "-2" + times(")", 30)).toInt(), 2);
    EXPECT_EQ(scalar("select case when " + times("not ", 30) + "1 = 1 then 1 else 0 end").toInt(),
              1);
    EXPECT_EQ(scalar(times("if 1 = 1 ", 50) + "select k from t").toInt(), 7);
    EXPECT_EQ(scalar("select " + times("(select ", 10) + "k from t" + times(")", 10)).toInt(), 7);
}

TEST_F(NestingTest, LongChainsOfOperatorsRun) {
    exec("create table t (k int, v varchar(5))");
    exec("insert into t values (3, 'a') insert into t values (7000, 'b')");
    const auto equalsI = [](int i) { return QStringLiteral("k = %1").arg(i); };
    EXPECT_EQ(scalar("select count(*) from t where " + chain(10000, " or ", equalsI)).toInt(), 2);
    EXPECT_EQ(scalar("select count(*) from t where k > 0 and " +
                     chain(6000, " and ", [](int i) { return QStringLiteral("k <> -%1").arg(i); }))
                  .toInt(),
              2);
    EXPECT_EQ(
        scalar("select " + chain(5500, " + ", [](int) { return QStringLiteral("1"); })).toInt(),
        5500);
    // Long enough that taking the tree apart by recursion would exhaust the stack.
    EXPECT_EQ(scalar("select count(*) from t where 0 < " +
                     chain(200000, " + ", [](int) { return QStringLiteral("k"); }))
                  .toInt(),
              2);
    // Sums and differences mixed, with a column and a decimal along the way.
    EXPECT_EQ(scalar("select k + " +
                     chain(5000, " - ", [](int i) { return QString::number(i % 2 ? 2 : 1); }) +
                     " + 0.5 from t where v = 'a'")
                  .toText(),
              "-7492.5");
    EXPECT_EQ(
        scalar("select len(" + chain(3000, " + ", [](int) { return QStringLiteral("'ab'"); }) + ")")
            .toInt(),
        6000);
    EXPECT_EQ(scalar("select count(*) from (" +
                     chain(300, " union all ",
                           [](int i) { return QStringLiteral("select %1 as n").arg(i); }) +
                     ") x")
                  .toInt(),
              300);
    EXPECT_EQ(scalar("select " + chain(900, " * ", [](int) { return QStringLiteral("1"); }) +
                     " + " + chain(3, " / ", [](int) { return QStringLiteral("8"); }))
                  .toInt(),
              1);
    // XOR of many terms stays as long as it is written.
    EXPECT_EQ(scalar("select " + chain(30, " ^ ", [](int) { return QStringLiteral("1"); })).toInt(),
              0);
}

// SQLite takes at most 500 members in one compound query; the server takes the long lists of
// SELECTs that generated update scripts load their rows with.
TEST_F(NestingTest, LongUnionsRunAsTheServerRunsThem) {
    const auto selectI = [](int i) { return QStringLiteral("select %1 as n").arg(i % 1000); };
    EXPECT_EQ(
        scalar("select count(*) from (" + chain(20000, " union all ", selectI) + ") x").toInt(),
        20000);
    EXPECT_EQ(scalar("select count(*) from (" + chain(20000, " union ", selectI) + ") x").toInt(),
              1000);
    exec("create table t (n int)");
    exec("insert into t " + chain(1200, " union all ", selectI));
    EXPECT_EQ(scalar("select sum(n) from t").toInt(), 499500 + 0 + 20100);  // 1..999, 0, 1..200
    // Mixed operators apply from left to right: the last UNION removes every repeat before it,
    // and only the UNION ALL after it adds one more row.
    QString mixed = QStringLiteral("select 0 as n");
    for (int i = 1; i < 1500; ++i)
        mixed +=
            (i % 2 ? QStringLiteral(" union all select %1") : QStringLiteral(" union select %1"))
                .arg(i % 7);
    EXPECT_EQ(scalar("select count(*) from (" + mixed + ") x").toInt(), 8);
    // ORDER BY of the whole compound still orders the whole.
    EXPECT_EQ(
        scalar("select top 1 n from (" + chain(900, " union all ", selectI) + ") x order by n desc")
            .toInt(),
        900);
    EXPECT_EQ(
        rows(chain(900, " union ", selectI) + " order by n desc").rows.front().front().toInt(),
        900);
}

TEST_F(NestingTest, ChainsBeyondWhatTheEngineTakesFailCleanly) {
    // SQLite's parser and expression tree have limits of their own; beyond them, error 191.
    EXPECT_EQ(fails("select " + chain(2000, " * ", [](int) { return QStringLiteral("1"); })),
              kTooDeep);
    EXPECT_EQ(fails("select " + times("abs(", 100) + "1" + times(")", 100)), kTooDeep);
    EXPECT_EQ(scalar("select 1").toInt(), 1);  // the connection still works
}
