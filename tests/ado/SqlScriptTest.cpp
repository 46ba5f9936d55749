#include "ado/SqlScript.h"
#include "ado/SqlTypes.h"

#include <gtest/gtest.h>

using sql::Scalar;
using sql::SqlType;
using sql::TrailingBatch;

TEST(SplitBatchesTest, SeparatorsAreLinesBeginningWithGo) {
    const QString script =
        "create table a (x int)\r\ngo\r\n  insert into a values (1)\n  Go 2\n\n\ngo\n"
        "GOTO label\nselect 1\nselect 2";
    EXPECT_EQ(sql::splitBatches(script),
              (QStringList{"create table a (x int)\r\n", "  insert into a values (1)\r\n",
                           "select 1\r\nselect 2\r\n"}));
    // The application's update script leaves a batch without closing separator unrun.
    EXPECT_EQ(sql::splitBatches(script, TrailingBatch::Ignore).size(), 2);
    EXPECT_TRUE(sql::splitBatches("GO\ngo\n   \n").isEmpty());
    EXPECT_TRUE(sql::isBatchSeparator("   go  "));
    EXPECT_TRUE(sql::isBatchSeparator("GOTO"));
    EXPECT_FALSE(sql::isBatchSeparator("select 'go'"));
    EXPECT_FALSE(sql::isBatchSeparator("G O"));
    for (const char* line : {"GO", "go", "   gO   ", "GO 5", "GOTO fin", "\tgo"})
        EXPECT_TRUE(sql::isBatchSeparator(QString::fromUtf8(line))) << line;
    for (const char* line : {"", "-- GO", "ago"})
        EXPECT_FALSE(sql::isBatchSeparator(QString::fromUtf8(line))) << line;
}

TEST(SplitBatchesTest, LinesAndTextSplitAlike) {
    const QStringList lines = {"select 1", "  GO  ", "", "go", "select 2", "select 3"};
    EXPECT_EQ(sql::splitBatches(lines), sql::splitBatches(lines.join("\n")));
    EXPECT_EQ(sql::splitBatches(lines), sql::splitBatches(lines.join("\r")));
    EXPECT_EQ(sql::splitBatches(lines, TrailingBatch::Ignore), QStringList{"select 1\r\n"});
    EXPECT_EQ(sql::splitBatches("select 1\n\n"), QStringList{"select 1\r\n\r\n"});
}

TEST(SqlTypeTest, ReadsDeclaredTypes) {
    EXPECT_EQ(SqlType::parse("numeric(3,0)"), (SqlType{SqlType::Base::Numeric, 0, 3, 0}));
    EXPECT_EQ(SqlType::parse("decimal(18, 2)").name(), "numeric(18,2)");
    EXPECT_EQ(SqlType::parse("varchar(max)").length, -1);
    EXPECT_EQ(SqlType::parse("char").length, 1);
    EXPECT_EQ(SqlType::parse("nvarchar(20)").name(), "nvarchar(20)");
    EXPECT_EQ(SqlType::parse("nvarchar(20)").length, SqlType::parse("varchar(20)").length);
    EXPECT_FALSE(SqlType::parse("geography").known());
    EXPECT_FALSE(SqlType::fromName("numeric", 40, 2).has_value());
}

TEST(SqlTypeTest, ConvertsAsSqlServerStoresValues) {
    const SqlType num32 = *SqlType::fromName("numeric", 3, 2);  // up to 9.99
    EXPECT_EQ(convertTo(Scalar::ofText(" 9.994 "), num32).d, 9.99);
    EXPECT_THROW(convertTo(Scalar::ofReal(9.995), num32), sql::ConversionError);
    EXPECT_EQ(convertTo(Scalar::ofReal(-2.5), *SqlType::fromName("numeric", 3, 0)).i, -3);
    EXPECT_EQ(convertTo(Scalar::ofReal(-2.9), SqlType::integer()).i, -2);  // int truncates
    EXPECT_EQ(convertTo(Scalar::ofText(""), SqlType::integer()).i, 0);
    EXPECT_THROW(convertTo(Scalar::ofText("5.0"), SqlType::integer()), sql::ConversionError);
    EXPECT_THROW(convertTo(Scalar::ofInt(256), *SqlType::fromName("tinyint")),
                 sql::ConversionError);
    EXPECT_EQ(convertTo(Scalar::ofInt(7), *SqlType::fromName("bit")).i, 1);
    try {
        convertTo(Scalar::ofText("99999999999"), SqlType::integer());
        FAIL();
    } catch (const sql::ConversionError& e) {
        EXPECT_EQ(e.message(),
                  "The conversion of the varchar value '99999999999' overflowed an int column. "
                  "Use a larger integer column.");
    }
    EXPECT_EQ(convertTo(Scalar::ofInt(12), *SqlType::fromName("char", 4)).t, "12  ");
    EXPECT_EQ(convertTo(Scalar::ofText("abcdef"), SqlType::varchar(3), true).t,
              "abc");  // CAST cuts
    EXPECT_EQ(convertTo(Scalar::ofText("20260304 08:09:10"), SqlType::datetime()).t,
              "2026-03-04 08:09:10.000");
    EXPECT_EQ(convertTo(Scalar::ofText("2026-03-04 08:09:10.5"), SqlType::datetime()).t,
              "2026-03-04 08:09:10.500");
    EXPECT_EQ(convertTo(Scalar::ofInt(1), SqlType::datetime()).t, "1900-01-02 00:00:00.000");
    EXPECT_EQ(convertTo(Scalar::null(), SqlType::integer()).kind, Scalar::Kind::Null);
}
