#include "ado/SqlLiteral.h"
#include "ado/Value.h"

#include <gtest/gtest.h>

using ado::Decimal;
using ado::Value;

TEST(DecimalTest, PrintsExactlyItsScale) {
    EXPECT_EQ(Decimal({123450, 2}).toString(), "1234.50");
    EXPECT_EQ(Decimal({5, 2}).toString(), "0.05");
    EXPECT_EQ(Decimal({-5, 3}).toString(), "-0.005");
    EXPECT_EQ(Decimal({-123, 0}).toString(), "-123");
    EXPECT_EQ(Decimal({0, 2}).toString(), "0.00");
    EXPECT_EQ(Decimal({INT64_MIN, 0}).toString(), "-9223372036854775808");
    EXPECT_DOUBLE_EQ(Decimal({123450, 2}).toDouble(), 1234.5);
}

TEST(ValueTest, ConvertsBetweenKinds) {
    EXPECT_TRUE(Value().isNull());
    EXPECT_EQ(Value().toText(), "");
    EXPECT_EQ(Value().toInt(), 0);
    EXPECT_EQ(Value("  42 ").toInt(), 42);
    EXPECT_EQ(Value("abc").toInt(), 0);
    EXPECT_EQ(Value("7.9").toInt(), 7);
    EXPECT_EQ(Value(Decimal{-1999, 2}).toInt(), -19);
    EXPECT_DOUBLE_EQ(Value(" 2.5 ").toDouble(), 2.5);
    EXPECT_EQ(Value(Decimal{1250, 2}).toText(), "12.50");
    EXPECT_EQ(Value("  x  ").trimmed(), "x");
    EXPECT_TRUE(Value(Decimal{1, 0}).isNumber());
    EXPECT_FALSE(Value("1").isNumber());
}

TEST(ValueTest, RightAlignsWholeNumbers) {
    EXPECT_EQ(Value(7).rightAligned(9), "        7");
    EXPECT_EQ(Value(Decimal{125, 0}).rightAligned(8), "     125");
    EXPECT_EQ(Value(Decimal{12750, 2}).rightAligned(9), "      128");  // rounded, no decimals
    EXPECT_EQ(Value(" 12 ").rightAligned(4), "  12");
    EXPECT_EQ(Value(1234567).rightAligned(3), "1234567");  // never cut
}

TEST(ValueTest, ReadsDateTimes) {
    const QDateTime dt(QDate(2026, 3, 4), QTime(5, 6, 7, 89));
    EXPECT_EQ(Value(dt).toDateTime(), dt);
    EXPECT_EQ(Value(dt).toText(), "2026-03-04 05:06:07.089");
    EXPECT_EQ(Value("2026-03-04 05:06:07.089").toDateTime(), dt);
    EXPECT_EQ(Value("2026-03-04").toDate(), QDate(2026, 3, 4));
    EXPECT_FALSE(Value(5).toDateTime().isValid());
}

TEST(SqlLiteralTest, QuotesAndDoublesEmbeddedQuotes) {
    EXPECT_EQ(SqlLiteral(u"O'Hara"), "'O''Hara'");
    EXPECT_EQ(SqlLiteral(u""), "''");
    EXPECT_EQ(SqlLiteral(u"''"), "''''''");
    EXPECT_EQ(SqlLiteral(u"x'; drop table usuarios --"), "'x''; drop table usuarios --'");
}

// Scales up to 38 come from SQL Server's numeric columns: no conversion may overflow on them.
TEST(ValueTest, WideScalesConvertWithoutOverflow) {
    const Decimal tiny{123456789, 30};              // 1.23456789e-22
    const Decimal big{INT64_MAX, 20};               // 0.0922...
    const Decimal nearOne{999999999999999999, 18};  // 0.999..., rounds to 1
    EXPECT_EQ(Value(tiny).toInt(), 0);
    EXPECT_NEAR(Value(tiny).toDouble(), 1.23456789e-22, 1e-30);
    EXPECT_EQ(Value(big).toInt(), 0);
    EXPECT_EQ(Value(nearOne).rightAligned(3), "  1");
    EXPECT_EQ(Value(Decimal{-15, 1}).rightAligned(3), " -2");  // half away from zero
    EXPECT_EQ(Value(Decimal{INT64_MAX, 0}).rightAligned(1), "9223372036854775807");
    EXPECT_EQ(Value("1e30").toInt(), INT64_MAX);  // saturates instead of wrapping
    EXPECT_EQ(Value("-1e30").toInt(), INT64_MIN);
}
