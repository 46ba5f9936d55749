#include "ui/Cp1252.h"

#include <QStringDecoder>

#include <array>

namespace cp1252 {

namespace {

// 0x80..0x9F; the rest of the code page coincides with Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

std::optional<unsigned char> encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out += decodeByte(static_cast<unsigned char>(b));
    return out;
}

QByteArray encode(const QString& text, qsizetype* failedAt) {
    QByteArray out;
    out.reserve(text.size());
    if (failedAt)
        *failedAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = encodeChar(text.at(i));
        if (!b) {
            if (failedAt)
                *failedAt = i;
            break;
        }
        out += static_cast<char>(*b);
    }
    return out;
}

}  // namespace cp1252

QByteArray cp1252::encodeLossy(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype failedAt = -1;
        out += encode(text.mid(from), &failedAt);
        if (failedAt < 0)
            break;
        out += '?';
        from += failedAt + 1;
    }
    return out;
}

DecodedText DecodeText(const QByteArray& bytes) {
    // Editors that add a byte-order mark to a file that already has one leave several: all are
    // read past, and a write puts back one.
    qsizetype marks = 0;
    while (bytes.sliced(marks).startsWith("\xEF\xBB\xBF"))
        marks += 3;
    const QByteArray body = bytes.sliced(marks);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    DecodedText decoded{utf8.decode(body), marks > 0 ? TextEncoding::Utf8Bom : TextEncoding::Utf8};
    // Text that is not UTF-8 is Windows-1252, behind its mark if it had one: the mark is kept
    // apart from the text and written back, so no byte of the text is altered.
    if (utf8.hasError())
        return {cp1252::decode(body), marks > 0 ? TextEncoding::Cp1252Bom : TextEncoding::Cp1252};
    return decoded;
}

QByteArray EncodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8Bom:
            return "\xEF\xBB\xBF" + text.toUtf8();
        case TextEncoding::Cp1252:
            return cp1252::encodeLossy(text);
        case TextEncoding::Cp1252Bom:
            return "\xEF\xBB\xBF" + cp1252::encodeLossy(text);
        case TextEncoding::Utf8:
            break;
    }
    return text.toUtf8();
}
