#pragma once
// How a text file that a person or another program wrote is decoded: Windows-1252 unless the
// bytes are valid UTF-8 with at least one non-ASCII byte. Entry files and member lists come from
// the same kinds of editors and spreadsheets, so they are told apart by the same rule.

#include <QByteArrayView>
#include <QString>

namespace textfile {

enum class Encoding
{
    Cp1252,
    Utf8
};

/// The encoding of the bytes; only the part before the first 0x1A (the old end-of-file mark)
/// counts.
Encoding detectEncoding(QByteArrayView bytes);

/// The bytes decoded by detectEncoding's verdict (a UTF-8 byte-order mark is kept).
QString decode(QByteArrayView bytes);

} // namespace textfile
