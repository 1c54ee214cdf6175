#include "textfile/TextEncoding.h"

#include "textfile/Cp1252.h"

#include <algorithm>

namespace textfile {

Encoding detectEncoding(QByteArrayView bytes)
{
    if (const qsizetype end = bytes.indexOf('\x1a'); end >= 0)
        bytes = bytes.first(end);
    const bool nonAscii = std::any_of(bytes.begin(), bytes.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return nonAscii && bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Cp1252;
}

QString decode(QByteArrayView bytes)
{
    return detectEncoding(bytes) == Encoding::Utf8 ? QString::fromUtf8(bytes)
                                                   : cp1252::decode(bytes);
}

} // namespace textfile
