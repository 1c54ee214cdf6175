#include "textfile/Cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// Unicode code points of the bytes 0x80-0x9F. The unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte for a character, or -1.
int byteFor(char16_t ch) noexcept
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

bool canEncode(char16_t ch) noexcept
{
    return byteFor(ch) >= 0;
}

bool canEncode(QStringView text) noexcept
{
    return firstUnencodable(text) == 0;
}

char32_t firstUnencodable(QStringView text) noexcept
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(ch, text[i + 1]);
        if (!canEncode(ch.unicode()))
            return ch.unicode();
    }
    return 0;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

void appendEncoded(QByteArray& out, QStringView text)
{
    qsizetype at = out.size();
    out.resize(at + text.size());
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const int b = byteFor(ch.unicode());
        dst[at++] = b >= 0 ? static_cast<char>(b) : '?';
        // One '?' per code point, not per UTF-16 unit.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    out.truncate(at);
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = QChar(b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

} // namespace cp1252
