// Decimal arithmetic between the translator and the engine's helper: the type each operand
// takes, the run text that carries the types, and the trip of a value through SQLite's numbers
// (exact, or refused when a double cannot hold it).
#include "ado/SqlDecimals.h"

#include <gtest/gtest.h>

using ado::Decimal;
using ado::DecimalOp;
using ado::DecimalType;
using sql::SqlType;
using Base = sql::SqlType::Base;

TEST(DecimalArithmeticTest, OperandsTakeTheirDecimalTypes) {
    struct Case {
        SqlType type;
        int constantFigures;
        std::optional<DecimalType> expected;
    };
    const Case cases[] = {
        {SqlType{Base::Numeric, 0, 5, 2}, 0, DecimalType{5, 2}},
        {*SqlType::fromName("money"), 0, DecimalType{19, 4}},
        {*SqlType::fromName("smallmoney"), 0, DecimalType{10, 4}},
        {SqlType{Base::Int}, 0, DecimalType{10, 0}},  // a column or variable
        {SqlType{Base::Int}, 1, DecimalType{1, 0}},   // the constant 3
        {SqlType{Base::Int}, 3, DecimalType{3, 0}},   // the constant 250
        {SqlType{Base::BigInt}, 0, DecimalType{19, 0}},
        {SqlType{Base::SmallInt}, 0, DecimalType{5, 0}},
        {SqlType{Base::TinyInt}, 0, DecimalType{3, 0}},
        {SqlType{Base::Bit}, 0, DecimalType{1, 0}},
        {SqlType{Base::Float}, 0, std::nullopt},
        {SqlType::varchar(5), 0, std::nullopt},
        {SqlType{}, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sql::decimalOperandType(c.type, c.constantFigures), c.expected)
            << c.type.name().toStdString();
}

TEST(DecimalArithmeticTest, WhichOperationsAreDecimalAndWhichMoneyProductsAreRefused) {
    const SqlType dec{Base::Numeric, 0, 5, 2};
    const SqlType money = *SqlType::fromName("money");
    const SqlType whole{Base::Int};
    const SqlType real{Base::Float};
    EXPECT_TRUE(sql::isDecimalArithmetic(DecimalOp::Add, dec, whole));
    EXPECT_TRUE(sql::isDecimalArithmetic(DecimalOp::Divide, whole, money));
    EXPECT_FALSE(sql::isDecimalArithmetic(DecimalOp::Add, whole, whole));  // SQLite's own
    EXPECT_FALSE(sql::isDecimalArithmetic(DecimalOp::Multiply, dec, real));
    EXPECT_FALSE(sql::isDecimalArithmetic(DecimalOp::Add, dec, SqlType::varchar(3)));
    // money with money or a whole number gives money, rounded SQL Server's own way
    EXPECT_TRUE(sql::isMoneyProduct(DecimalOp::Multiply, money, whole));
    EXPECT_TRUE(sql::isMoneyProduct(DecimalOp::Divide, money, money));
    EXPECT_FALSE(sql::isMoneyProduct(DecimalOp::Add, money, money));
    EXPECT_FALSE(sql::isMoneyProduct(DecimalOp::Multiply, money, dec));  // a decimal result
    EXPECT_EQ(SqlType::parse(money.name()), money);
    EXPECT_EQ(SqlType::parse(QStringLiteral("smallmoney")).name(), "smallmoney");
}

TEST(DecimalArithmeticTest, BranchesCombineByPrecedence) {
    const auto dec = [](int p, int s) { return SqlType{Base::Numeric, 0, p, s}; };
    const SqlType money = *SqlType::fromName("money");
    struct Case {
        SqlType a, b, expected;
    };
    const Case cases[] = {
        {dec(2, 1), dec(3, 2), dec(3, 2)},
        {dec(5, 2), dec(4, 3), dec(6, 3)},
        {dec(38, 0), dec(38, 38), dec(38, 0)},  // the whole part keeps its figures
        {dec(31, 2), dec(12, 10), dec(38, 9)},
        {SqlType{Base::Int}, dec(2, 1), dec(11, 1)},
        {SqlType{Base::Float}, dec(2, 1), SqlType{Base::Float}},
        {SqlType{Base::SmallInt}, SqlType{Base::BigInt}, SqlType{Base::BigInt}},
        {SqlType{Base::Int}, money, money},
        {money, dec(5, 2), dec(19, 4)},
        {SqlType{}, dec(5, 2), dec(5, 2)},
        {SqlType::varchar(3), dec(5, 2), SqlType::varchar(3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sql::combinedType(c.a, c.b), c.expected)
            << c.a.name().toStdString() << " " << c.b.name().toStdString();
    }
}

TEST(DecimalArithmeticTest, RunTextCarriesTypesAndOperators) {
    const sql::DecimalRun run{{3, 1},
                              {{DecimalOp::Divide, {1, 0}},
                               {DecimalOp::Multiply, {5, 2}},
                               {DecimalOp::Modulo, {38, 38}}}};
    EXPECT_EQ(run.text(), "3,1/1,0*5,2%38,38");
    const auto back = sql::DecimalRun::parse(run.text());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(), run.text());
    // 10.0 / 3 is decimal(8,6); times decimal(5,2): (8+5+1, 6+2)
    EXPECT_EQ((sql::DecimalRun{{3, 1}, {{DecimalOp::Divide, {1, 0}}}}.resultType()),
              (DecimalType{8, 6}));
    EXPECT_EQ((sql::DecimalRun{{3, 1}, {{DecimalOp::Divide, {1, 0}}, {DecimalOp::Multiply, {5, 2}}}}
                   .resultType()),
              (DecimalType{14, 8}));
    for (const char* bad :
         {"", "3", "3,", "3,1/", "3,1/2", "39,0", "3,4", "0,0", "3,1^2,0", "3,1/1,0x", "123,1"})
        EXPECT_FALSE(sql::DecimalRun::parse(QString::fromLatin1(bad))) << bad;
}

TEST(DecimalArithmeticTest, StoredNumbersReadAtTheirScale) {
    struct Case {
        double stored;
        DecimalType type;
        const char* expected;
    };
    const Case cases[] = {
        {0.1 + 0.2, {5, 2}, "0.30"},  // the double off by a unit in the last place
        {1.005, {4, 3}, "1.005"},
        {-2.345, {5, 3}, "-2.345"},
        {1234567890123.45, {15, 2}, "1234567890123.45"},
        {2147483647.0, {38, 25}, "2147483647.0000000000000000000000000"},
        {0.000001, {38, 30}, "0.000001000000000000000000000000"},
        {3.333333, {8, 6}, "3.333333"},
    };
    for (const Case& c : cases) {
        const Decimal d = sql::decimalOfStored(c.stored, c.type);
        EXPECT_EQ(d.toString(), c.expected) << c.expected;
        EXPECT_EQ(d.precision, c.type.precision) << c.expected;
    }
    EXPECT_EQ(sql::decimalOfStored(std::int64_t{7}, {5, 2}).toString(), "7.00");
    EXPECT_EQ(sql::decimalOfStored(std::int64_t{-9223372036854775807 - 1}, {19, 0}).toString(),
              "-9223372036854775808");
}

TEST(DecimalArithmeticTest, ResultsGoBackExactlyOrNotAtAll) {
    const auto of = [](const char* text, DecimalType t) {
        return sql::storedOfDecimal(*Decimal::parse(QString::fromLatin1(text), t));
    };
    // Whole values as whole numbers, whatever their scale.
    const auto whole = of("42.000", {10, 3});
    ASSERT_TRUE(whole);
    EXPECT_TRUE(whole->whole);
    EXPECT_EQ(whole->integer, 42);
    // Past 64 bits only what a double holds exactly.
    const auto power = of("9223372036854775808", {19, 0});
    ASSERT_TRUE(power);
    EXPECT_EQ(power->real, 9223372036854775808.0);
    EXPECT_FALSE(of("9223372036854775809", {19, 0}));
    // Fractions up to 15 significant figures, trailing zeros not counted.
    const auto third = of("0.333333333333333", {15, 15});
    ASSERT_TRUE(third);
    EXPECT_EQ(third->real, 0.333333333333333);
    const auto tenth = of("0.100000000000000000000", {21, 21});
    ASSERT_TRUE(tenth);
    EXPECT_EQ(tenth->real, 0.1);
    EXPECT_FALSE(of("12345678901234.56", {18, 2}));
    EXPECT_FALSE(of("-0.3333333333333333", {16, 16}));
    // What goes back reads back as the same decimal.
    for (const char* text : {"2.7500", "-0.000167", "999999999999999", "0.666666"}) {
        const Decimal d = *Decimal::parse(QString::fromLatin1(text), {38, 6});
        const auto stored = sql::storedOfDecimal(d);
        ASSERT_TRUE(stored) << text;
        const Decimal back = stored->whole ? sql::decimalOfStored(stored->integer, {38, 6})
                                           : sql::decimalOfStored(stored->real, {38, 6});
        EXPECT_EQ(back, d) << text;
    }
}
