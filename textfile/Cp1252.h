#pragma once
// Windows-1252, the code page of the entry file. Inside the program every text is a QString;
// only the file's bytes are Windows-1252. Qt 6 has no codec for it without ICU, and the table is
// tiny: bytes 0x00-0x7F and 0xA0-0xFF are the same code points in Unicode, and 0x80-0x9F hold the
// 27 typographic characters below (the five unassigned bytes map to the C1 controls of the same
// value, as Windows does, so every byte string survives a decode/encode round trip).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace cp1252 {

/// True when the character has a byte in Windows-1252.
bool canEncode(char16_t ch) noexcept;

/// True when every character of the text has a byte in Windows-1252 (surrogates never do).
bool canEncode(QStringView text) noexcept;

/// The first character of the text that Windows-1252 cannot hold, as a whole code point
/// (an emoji is one character, not two surrogates); 0 when there is none.
char32_t firstUnencodable(QStringView text) noexcept;

/// Encodes the text; a character outside Windows-1252 becomes '?'. Callers that must not lose
/// anything check canEncode first.
QByteArray encode(QStringView text);

/// Encode, appending to `out`: the entry file writer builds the whole file in one buffer.
void appendEncoded(QByteArray& out, QStringView text);

/// Decodes Windows-1252 bytes. Never fails.
QString decode(QByteArrayView bytes);

} // namespace cp1252
