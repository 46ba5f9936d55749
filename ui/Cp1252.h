#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1252 (the ANSI code page in which the family's text columns hold passwords).
// Every byte maps to exactly one character and back: the five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control with the same number, as
// Windows itself does, so any byte string survives a round trip through QString.
namespace cp1252 {

// The character of one byte.
QChar decodeByte(unsigned char byte);
// The byte of one character; nothing when the code page has no such character.
std::optional<unsigned char> encodeChar(QChar c);

QString decode(const QByteArray& bytes);

// Encodes `text` up to the first character that the code page cannot hold. `failedAt` is set
// to that character's position, or -1 when the whole text was encoded. What to do with the
// rest is the caller's choice (the settings file writes '?' in its place, as Windows' ANSI
// profile functions do; the password scrambling refuses the password).
QByteArray encode(const QString& text, qsizetype* failedAt = nullptr);

// Every character that the code page cannot hold becomes '?'.
QByteArray encodeLossy(const QString& text);

}  // namespace cp1252

// Text files of the family's programs (config.ini, the update script): UTF-8 when the bytes
// are valid UTF-8; Windows-1252, the family's ANSI code page, otherwise. Leading byte-order
// marks (editors sometimes leave several) are dropped and one is remembered for the write.
enum class TextEncoding { Utf8, Utf8Bom, Cp1252, Cp1252Bom };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText DecodeText(const QByteArray& bytes);
// The bytes of `text` in that encoding (a byte-order mark first for the *Bom ones; characters that
// Windows-1252 lacks written as '?').
QByteArray EncodeText(const QString& text, TextEncoding encoding);
