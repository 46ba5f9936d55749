// Every operator of the one table is read by the tokenizer and the parser as that operator and
// written by the emitter so that it binds as SQL Server binds it.
#include "ado/SqlParser.h"
#include "tests/support/EmbeddedDb.h"

#include <map>

namespace {

// An expression whose value depends on the operator binding more or less tightly than its
// neighbours (or applying left to right), with the value SQL Server gives: & | ^ stand with
// + and - and apply from left to right.
struct BindingCase {
    const char* sql;
    const char* value;
};

const std::map<sql::Op, BindingCase> kCases = {
    {sql::Op::Or, {"case when 1 = 0 and 1 = 0 or 1 = 1 then 1 else 0 end", "1"}},
    {sql::Op::And, {"case when not 1 = 0 and 1 = 0 then 1 else 0 end", "0"}},
    {sql::Op::Not, {"case when not 1 = 2 or 1 = 1 then 1 else 0 end", "1"}},
    {sql::Op::Equal, {"case when 1 + 1 = 2 then 1 else 0 end", "1"}},
    {sql::Op::NotEqual, {"case when 2 * 3 <> 6 then 1 else 0 end", "0"}},
    {sql::Op::NotEqualBang, {"case when 7 - 1 != 6 then 1 else 0 end", "0"}},
    {sql::Op::Less, {"case when 2 < 1 + 2 then 1 else 0 end", "1"}},
    {sql::Op::Greater, {"case when 2 > 1 + 2 then 1 else 0 end", "0"}},
    {sql::Op::LessEqual, {"case when 3 <= 1 + 2 then 1 else 0 end", "1"}},
    {sql::Op::GreaterEqual, {"case when 2 >= 1 + 2 then 1 else 0 end", "0"}},
    {sql::Op::NotLess, {"case when 2 !< 1 + 1 then 1 else 0 end", "1"}},
    {sql::Op::NotGreater, {"case when 3 !> 1 + 1 then 1 else 0 end", "0"}},
    {sql::Op::Add, {"2 + 3 * 4", "14"}},
    {sql::Op::Subtract, {"10 - 2 - 3", "5"}},
    {sql::Op::BitAnd, {"1 + 1 & 1 + 1", "1"}},
    {sql::Op::BitOr, {"1 + 1 | 1 + 1", "4"}},
    {sql::Op::BitXor, {"1 + 1 ^ 1 + 1", "4"}},
    {sql::Op::Concat, {"'a' || 'b' + 'c'", "abc"}},
    {sql::Op::Multiply, {"2 * 3 + 4", "10"}},
    {sql::Op::Divide, {"12 / 2 / 3", "2"}},
    {sql::Op::Modulo, {"17 % 5 * 2", "4"}},
    {sql::Op::Negate, {"- (1) & 3", "3"}},
    {sql::Op::Plus, {"+ (2) * 3", "6"}},
    {sql::Op::BitNot, {"~ 1 + 1", "-1"}},
};

// The operator at the top of the one item of "SELECT expression".
const sql::Expr& parsedItem(const QString& expression) {
    static sql::Batch batch;
    batch = sql::parseBatch(QStringLiteral("SELECT ") + expression);
    return *batch.statements.front()->as<sql::SelectStmt>()->select->items.front().expr;
}

}  // namespace

TEST_F(EmbeddedDbTest, EveryOperatorOfTheTableParsesAndBindsAsSqlServerBindsIt) {
    for (const sql::OperatorDef& d : sql::operators()) {
        SCOPED_TRACE(std::string(d.text));
        const QString text =
            QString::fromLatin1(d.text.data(), static_cast<qsizetype>(d.text.size()));
        // As written in the table, and keywords in lower case, the operator is itself (in
        // parentheses, where "x = y" names no column).
        const QString written =
            d.unary ? u'(' + text + QStringLiteral(" x)")
                    : QStringLiteral("(x ") + text.toLower() + QStringLiteral(" y)");
        const sql::Expr& e = parsedItem(written);
        EXPECT_EQ(e.kind, d.unary ? sql::Expr::Kind::Unary : sql::Expr::Kind::Binary);
        EXPECT_EQ(e.op, d.op);

        const auto c = kCases.find(d.op);
        ASSERT_NE(c, kCases.end()) << "no binding case for the operator";
        EXPECT_EQ(scalar(QStringLiteral("select ") + QString::fromLatin1(c->second.sql)).toText(),
                  QString::fromLatin1(c->second.value));
    }
}
