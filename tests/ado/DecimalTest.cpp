// Exact decimals against SQL Server's documented rules: the result type of each operator
// (precision, scale, and the scale given up past 38 figures), literal types, rounding half
// away from zero on assignment, the cut quotient, overflow and division by zero.
#include "ado/Decimal.h"
#include "ado/DecimalDecoder.h"

#include <gtest/gtest.h>

#include <cmath>

using ado::Decimal;
using ado::DecimalError;
using ado::DecimalOp;
using ado::DecimalType;

namespace {

Decimal literal(const char* text) {
    return *Decimal::parseLiteral(QString::fromLatin1(text));
}

Decimal typed(const char* text, DecimalType type) {
    return *Decimal::parse(QString::fromLatin1(text), type);
}

}  // namespace

TEST(DecimalTest, ResultTypesFollowSqlServersTable) {
    struct Case {
        DecimalOp op;
        DecimalType a, b, expected;
    };
    const Case cases[] = {
        {DecimalOp::Divide, {3, 1}, {10, 0}, {14, 12}},     // 10.0 / 3
        {DecimalOp::Multiply, {3, 2}, {3, 2}, {7, 4}},      // 2.50 * 1.10
        {DecimalOp::Add, {5, 2}, {3, 0}, {6, 2}},           // max(s)+max(int)+1
        {DecimalOp::Modulo, {5, 2}, {3, 0}, {5, 2}},        // min(int)+max(s)
        {DecimalOp::Divide, {38, 10}, {38, 10}, {38, 6}},   // whole part beyond 32: scale 6
        {DecimalOp::Multiply, {18, 9}, {19, 9}, {38, 18}},  // exactly 38
        {DecimalOp::Multiply, {28, 9}, {19, 9}, {38, 8}},   // whole part 30: 38 - 30
        {DecimalOp::Multiply, {38, 2}, {38, 2}, {38, 4}},   // scale under 6 kept
        {DecimalOp::Subtract, {38, 0}, {32, 4}, {38, 0}},   // +/-: 38 - max(int)
        {DecimalOp::Add, {38, 7}, {10, 0}, {38, 7}},
    };
    for (const Case& c : cases) {
        const DecimalType t = ado::resultType(c.op, c.a, c.b);
        EXPECT_EQ(t, c.expected) << int(c.op) << " " << c.a.precision << "," << c.a.scale;
    }
    EXPECT_EQ(ado::sumType({5, 2}), (DecimalType{38, 2}));
    EXPECT_EQ(ado::avgType({5, 2}), (DecimalType{38, 6}));
    EXPECT_EQ(ado::avgType({12, 8}), (DecimalType{38, 8}));
    EXPECT_EQ(ado::integerDecimalType(4), (DecimalType{10, 0}));
}

TEST(DecimalTest, ArithmeticGivesSqlServersFigures) {
    const Decimal three = Decimal::fromInt64(3).convertedTo(ado::integerDecimalType(4));
    struct Case {
        DecimalOp op;
        Decimal a, b;
        const char* expected;
    };
    const Case cases[] = {
        {DecimalOp::Divide, literal("10.0"), three, "3.333333333333"},
        {DecimalOp::Divide, literal("2.0"), three, "0.666666666666"},  // cut, not rounded
        {DecimalOp::Multiply, literal("2.50"), literal("1.10"), "2.7500"},
        {DecimalOp::Divide, typed("1.67574", {38, 10}), typed("10000", {38, 10}), "0.000167"},
        {DecimalOp::Multiply, typed("1.123456789", {28, 9}), typed("1", {19, 9}), "1.12345679"},
        {DecimalOp::Add, literal("0.1"), literal("0.2"), "0.3"},
        {DecimalOp::Subtract, literal("1.5"), literal("2.25"), "-0.75"},
        {DecimalOp::Subtract, typed("0", {38, 0}), typed("4.5", {32, 4}), "-5"},  // rounded
        {DecimalOp::Modulo, typed("-7.5", {2, 1}), three, "-1.5"},  // the dividend's sign
        {DecimalOp::Modulo, literal("7.5"), typed("-2", {10, 0}), "1.5"},
        {DecimalOp::Multiply, typed("-99999999999999999999999999999999999.999", {38, 3}),
         typed("0.001", {38, 3}), "-99999999999999999999999999999999.999999"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ado::apply(c.op, c.a, c.b).toString(), c.expected) << c.expected;

    const Decimal nines = typed("99999999999999999999999999999999999999", {38, 0});
    try {
        ado::apply(DecimalOp::Add, nines, nines);
        ADD_FAILURE() << "no overflow";
    } catch (const DecimalError& e) {
        EXPECT_EQ(e.kind(), DecimalError::Kind::Overflow);
    }
    for (DecimalOp op : {DecimalOp::Divide, DecimalOp::Modulo}) {
        try {
            ado::apply(op, literal("1.0"), literal("0.00"));
            ADD_FAILURE() << "no division by zero";
        } catch (const DecimalError& e) {
            EXPECT_EQ(e.kind(), DecimalError::Kind::DivideByZero);
        }
    }
}

TEST(DecimalTest, LiteralsTakeTheirOwnPrecisionAndScale) {
    struct Case {
        const char* text;
        DecimalType type;
        const char* shown;
    };
    const Case cases[] = {
        {"12.345", {5, 3}, "12.345"},
        {"0.5", {1, 1}, "0.5"},
        {".005", {3, 3}, "0.005"},
        {"007.50", {3, 2}, "7.50"},
        {"100.", {3, 0}, "100"},
        {"0.00", {2, 2}, "0.00"},
        {"12345678901234567890123456789012345678",
         {38, 0},
         "12345678901234567890123456789012345678"},
    };
    for (const Case& c : cases) {
        const Decimal d = literal(c.text);
        EXPECT_EQ(d.type(), c.type) << c.text;
        EXPECT_EQ(d.toString(), c.shown) << c.text;
    }
    for (const char* notDecimal : {"", ".", "-1.5", "1e3", " 1.5", "1.2.3", "12a"})
        EXPECT_FALSE(Decimal::parseLiteral(QString::fromLatin1(notDecimal))) << notDecimal;
    EXPECT_THROW(Decimal::parseLiteral(u"0.123456789012345678901234567890123456789"), DecimalError);
}

TEST(DecimalTest, AssignmentRoundsHalfAwayFromZeroOrOverflows) {
    struct Case {
        const char* text;
        DecimalType to;
        const char* expected;  // nullptr: 8115
    };
    const Case cases[] = {
        {"2.5", {1, 0}, "3"},
        {"-2.5", {1, 0}, "-3"},
        {"12345.678", {10, 2}, "12345.68"},
        {" 0.005 ", {3, 2}, "0.01"},
        {"-0.004", {3, 2}, "0.00"},
        {"123.45", {4, 2}, nullptr},
        {"9.995", {3, 2}, nullptr},
        {"12345678901234567.89", {38, 2}, "12345678901234567.89"},
    };
    for (const Case& c : cases) {
        if (c.expected) {
            EXPECT_EQ(typed(c.text, c.to).toString(), c.expected) << c.text;
        } else {
            EXPECT_THROW(typed(c.text, c.to), DecimalError) << c.text;
        }
    }
    EXPECT_FALSE(Decimal::parse(u"1e3", {10, 0}));                      // CAST reads no exponent
    EXPECT_EQ(Decimal::fromDouble(1.005, {10, 2}).toString(), "1.01");  // as it is written
    EXPECT_EQ(Decimal::fromDouble(0.1 + 0.2, {10, 2}).toString(), "0.30");
    EXPECT_EQ(Decimal::fromDouble(std::ldexp(1.0, 63), {38, 0}).toString(), "9223372036854775808");
    EXPECT_THROW(Decimal::fromDouble(INFINITY, {38, 0}), DecimalError);
}

TEST(DecimalTest, ComparesAndConvertsAcrossScales) {
    EXPECT_EQ(literal("1.50").compare(literal("1.5")), 0);
    EXPECT_NE(literal("1.50"), literal("1.5"));  // equal values, different texts
    EXPECT_LT(typed("-2", {5, 0}).compare(literal("0.001")), 0);
    EXPECT_GT(typed("-0.5", {5, 1}).compare(typed("-0.75", {5, 2})), 0);
    const Decimal wide = typed("-12345678901234567890.123456789", {38, 9});
    EXPECT_FALSE(wide.toInt64());
    EXPECT_EQ(literal("2.7").toInt64(), 2);  // truncated, as CAST(2.7 AS int)
    EXPECT_DOUBLE_EQ(wide.toDouble(), -12345678901234567890.123456789);
    EXPECT_EQ(typed("922337203685477.5807", ado::kMoneyType).fitsMoney(), true);
    EXPECT_EQ(typed("214748.3648", ado::kSmallMoneyType).fitsSmallMoney(), false);
}

// Both engines hand numbers over through one decoder.
TEST(DecimalDecoderTest, ColumnsReadBackAsTheFormsExpect) {
    const ado::Value salary = ado::decimalValue(QStringLiteral("1234.5"), {18, 2});
    EXPECT_EQ(salary, ado::Value(Decimal{123450, 2}));
    EXPECT_EQ(salary.toDecimal().precision, 18);
    EXPECT_EQ(ado::decimalValue(QStringLiteral("$12.5000"), ado::kMoneyType).toText(), "12.5000");
    EXPECT_EQ(ado::decimalValue(QStringLiteral(" 42 "), {3, 0}), ado::Value(42));  // a key
    EXPECT_EQ(ado::decimalValue(1200.7500000000002, {18, 2}).toText(), "1200.75");
    EXPECT_EQ(ado::decimalValue(std::int64_t{7}, {10, 2}).toText(), "7.00");
    EXPECT_EQ(ado::decimalValue(QStringLiteral("n/a"), {18, 2}), ado::Value("n/a"));
    EXPECT_EQ(ado::floatValue(2.25), ado::Value(Decimal{225, 2}));
    EXPECT_EQ(ado::floatValue(3.0), ado::Value(Decimal{3, 0}));  // a float stays a decimal
    EXPECT_EQ(ado::floatValue(1e40).toText(), "1e+40");
}
