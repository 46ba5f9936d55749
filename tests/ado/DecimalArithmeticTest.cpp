// Decimal arithmetic between the translator and the engine's helper: the type each operand
// and each CASE or UNION takes, and the trip of a value through SQLite's numbers (exact, or
// refused when a double cannot hold it).
#include "ado/SqlDecimals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
        {SqlType::varchar(5), 0, std::nullopt},
        {SqlType{}, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sql::decimalOperandType(c.type, c.constantFigures), c.expected)
            << c.type.name().toStdString();
}

TEST(DecimalArithmeticTest, BranchesCombineByPrecedence) {
    const auto dec = [](int p, int s) { return SqlType{Base::Numeric, 0, p, s}; };
    const SqlType money = *SqlType::fromName("money");
    struct Case {
        SqlType a, b, expected;
    };
    const Case cases[] = {
        {dec(5, 2), dec(4, 3), dec(6, 3)},
        {dec(38, 0), dec(38, 38), dec(38, 0)},  // the whole part keeps its figures
        {dec(31, 2), dec(12, 10), dec(38, 9)},
        {SqlType{Base::Int}, dec(2, 1), dec(11, 1)},
        {SqlType{Base::Float}, dec(2, 1), SqlType{Base::Float}},
        {SqlType{Base::Int}, money, money},
        {money, dec(5, 2), dec(19, 4)},
        {SqlType::varchar(3), dec(5, 2), SqlType::varchar(3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sql::combinedType(c.a, c.b), c.expected)
            << c.a.name().toStdString() << " " << c.b.name().toStdString();
    }
}

TEST(DecimalArithmeticTest, EveryDecimalHasOneStoredFormThatReadsBackExactly) {
    // A whole number of 64 bits as an INTEGER, 15 significant figures as a double, anything
    // else as bytes; each reads back at its type.
    using Form = sql::StoredDecimal::Form;
    struct Case {
        const char* text;
        DecimalType type;
        Form form;
    };
    const Case cases[] = {
        {"42.000", {10, 3}, Form::Integer},  // a whole number, whatever its scale
        {"2.7500", {7, 4}, Form::Real},
        {"-0.000167", {38, 6}, Form::Real},
        {"0.333333333333333", {15, 15}, Form::Real},
        {"0.100000000000000000000", {21, 21}, Form::Real},  // trailing zeros
        {"2147483647.0000000000000000000000000", {38, 25}, Form::Integer},
        {"1234567890123.45", {15, 2}, Form::Real},
        {"100000000000000000000", {21, 0}, Form::Real},
        {"9223372036854775808", {19, 0}, Form::Bytes},  // past 64 bits, 2^63
        {"-9223372036854775808", {19, 0}, Form::Integer},
        {"12345678901234.56", {18, 2}, Form::Bytes},
        {"-0.3333333333333333", {16, 16}, Form::Bytes},
        {"99999999999999999999999999999999999999", {38, 0}, Form::Bytes},
        {"-0.00000000000000000000000000000000000001", {38, 38}, Form::Real},  // one figure
    };
    for (const Case& c : cases) {
        const Decimal d = *Decimal::parse(QString::fromLatin1(c.text), c.type);
        const sql::StoredDecimal stored = sql::storedOfDecimal(d);
        EXPECT_EQ(stored.form, c.form) << c.text;
        Decimal back;
        switch (stored.form) {
            case Form::Integer:
                back = sql::decimalOfStored(stored.integer, c.type);
                break;
            case Form::Real:
                back = sql::decimalOfStored(stored.real, c.type);
                break;
            case Form::Bytes:
                back = sql::decimalOfWideBytes(stored.bytes)->convertedTo(c.type);
                break;
        }
        EXPECT_EQ(back.toString(), c.text) << c.text;
    }
    // The double off by a unit in its last place still reads as its decimal.
    EXPECT_EQ(sql::decimalOfStored(0.1 + 0.2, {5, 2}).toString(), "0.30");
}

TEST(DecimalArithmeticTest, KeysOrderAsTheValuesAndEqualValuesHaveEqualKeys) {
    // Ascending; values on one line are equal at different scales.
    const std::vector<std::vector<const char*>> ascending = {
        {"-99999999999999999999999999999999999999"},
        {"-12345678901234567890.0123456789"},
        {"-12345678901234567890.01234567"},
        {"-100", "-100.000"},
        {"-15"},
        {"-1.55"},
        {"-1.5", "-1.50"},
        {"-0.00000000000000000000000000000000000001"},
        {"0", "0.000", "-0.0"},
        {"0.00000000000000000000000000000000000001"},
        {"0.15"},
        {"0.155"},
        {"1.5", "1.5000000000"},
        {"1.55"},
        {"10", "10.0"},
        {"15"},
        {"12345678901234567890.01234567"},
        {"12345678901234567890.0123456789"},
        {"99999999999999999999999999999999999999"},
    };
    std::string previous;
    for (const auto& equal : ascending) {
        std::string first;
        for (const char* text : equal) {
            const QString t = QString::fromLatin1(text);
            const int scale =
                t.contains(u'.') ? static_cast<int>(t.size() - t.indexOf(u'.') - 1) : 0;
            const Decimal d = *Decimal::parse(t, {38, scale});
            const std::string key = sql::wideBytes(d);
            if (first.empty())
                first = key;
            EXPECT_EQ(key, first) << text;
            EXPECT_LT(previous, key) << text;
            const auto back = sql::decimalOfWideBytes(key);
            ASSERT_TRUE(back) << text;
            EXPECT_EQ(back->compare(d), 0) << text;
        }
        previous = first;
    }
    EXPECT_FALSE(sql::decimalOfWideBytes("x"));
    EXPECT_FALSE(sql::decimalOfWideBytes(std::string("\x03\x80", 2)));
}

TEST(DecimalArithmeticTest, RoundingKeepsTheTypeAndFloorAndCeilingGoToWholeNumbers) {
    struct Case {
        const char* value;
        DecimalType type;
        int places;
        bool truncate;
        const char* rounded;  // nullptr: overflow
    };
    const Case cases[] = {
        {"2.345", {4, 3}, 2, false, "2.350"},      {"-2.345", {4, 3}, 2, false, "-2.350"},
        {"-2.345", {4, 3}, 2, true, "-2.340"},     {"2.344", {4, 3}, 2, false, "2.340"},
        {"1250.00", {6, 2}, -2, false, "1300.00"}, {"-1249.99", {6, 2}, -2, false, "-1200.00"},
        {"9.5", {2, 1}, 0, false, nullptr},        {"9.5", {2, 1}, 0, true, "9.0"},
        {"1.5", {2, 1}, 5, false, "1.5"},          {"7.5", {2, 1}, -40, false, "0.0"},
    };
    for (const Case& c : cases) {
        const Decimal d = *Decimal::parse(QString::fromLatin1(c.value), c.type);
        if (!c.rounded) {
            EXPECT_THROW(sql::roundedDecimal(d, c.places, c.truncate), ado::DecimalError)
                << c.value;
            continue;
        }
        EXPECT_EQ(sql::roundedDecimal(d, c.places, c.truncate).toString(), c.rounded) << c.value;
    }
    const Decimal negative = *Decimal::parse(u"-2.5", {2, 1});
    EXPECT_EQ(sql::wholeDecimal(negative, false).toString(), "-3");
    EXPECT_EQ(sql::wholeDecimal(negative, true).toString(), "-2");
    EXPECT_EQ(sql::wholeDecimal(*Decimal::parse(u"2.01", {3, 2}), true).toString(), "3");
    EXPECT_EQ(sql::wholeDecimal(*Decimal::parse(u"-2.00", {3, 2}), false).toString(), "-2");
}
