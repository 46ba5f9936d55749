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
// to that character's position, or -1 when the whole text was encoded.
QByteArray encode(const QString& text, qsizetype* failedAt = nullptr);

}  // namespace cp1252
