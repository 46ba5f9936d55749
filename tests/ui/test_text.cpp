// Text files of the family: UTF-8, else Windows-1252, and back.
#include "ui/Cp1252.h"

#include <gtest/gtest.h>

TEST(TextoArchivo, Utf8WhenValidElseWindows1252) {
    const struct {
        QByteArray bytes;
        QString text;
        TextEncoding encoding;
    } cases[] = {
        {"'A\xC3\xB1o' \xE2\x82\xAC", QString::fromUtf8("'Año' €"), TextEncoding::Utf8},
        {"'Jos\xE9' \x80", QString::fromUtf8("'José' €"), TextEncoding::Cp1252},
        {"\xEF\xBB\xBFGO\n", "GO\n", TextEncoding::Utf8Bom},
        {"", "", TextEncoding::Utf8},
        // A byte-order mark before bytes that are no UTF-8: Windows-1252 text behind a mark
        // that is kept apart, never part of the first name of the file.
        {"\xEF\xBB\xBF\xE9", QString::fromUtf8("é"), TextEncoding::Cp1252Bom},
    };
    for (const auto& c : cases) {
        const DecodedText d = DecodeText(c.bytes);
        EXPECT_EQ(d.text, c.text) << c.bytes.toHex().constData();
        EXPECT_EQ(d.encoding, c.encoding) << c.bytes.toHex().constData();
        EXPECT_EQ(EncodeText(d.text, d.encoding), c.bytes) << "round trip";
    }
}

TEST(TextoArchivo, CharactersWindows1252LacksAreReportedOrWrittenAsQuestionMarks) {
    const QString text = QString::fromUtf8("Año 漢 € ✓");
    qsizetype failedAt = 0;
    EXPECT_EQ(cp1252::encode(text, &failedAt), QByteArray("A\xF1o "));
    EXPECT_EQ(failedAt, 4);
    EXPECT_EQ(cp1252::encodeLossy(text), QByteArray("A\xF1o ? \x80 ?"));
    EXPECT_EQ(EncodeText(text, TextEncoding::Cp1252), cp1252::encodeLossy(text));
    cp1252::encode(QStringLiteral("abc"), &failedAt);
    EXPECT_EQ(failedAt, -1);
}
