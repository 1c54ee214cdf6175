#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1252::Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(cp1252::CanEncode(text));
    EXPECT_EQ(cp1252::Encode(text), all);
}

TEST(Cp1252, TheTypographicRowAndTheLatin1Half)
{
    EXPECT_EQ(cp1252::Decode("\x80\x8A\x9A\x9F\x96\x84\x93"), QStringLiteral("€ŠšŸ–„“"));
    EXPECT_EQ(cp1252::Decode("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), QStringLiteral("äöüÄÖÜß"));
    // The five unassigned bytes stay the C1 controls of the same value.
    EXPECT_EQ(cp1252::Decode("\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(cp1252::Encode(QStringLiteral("Grüße € Œ")), QByteArray("Gr\xFC\xDF"
                                                                      "e \x80 \x8C"));
}

TEST(Cp1252, CharactersOutsideTheCodePage)
{
    EXPECT_TRUE(cp1252::CanEncode(u'ü'));
    EXPECT_FALSE(cp1252::CanEncode(u'ş'));
    EXPECT_FALSE(cp1252::CanEncode(char16_t(0x0080))) << "U+0080 has no byte: 0x80 is the euro";
    EXPECT_EQ(cp1252::FirstUnencodable(QStringLiteral("Ayşe")), U'ş');
    EXPECT_EQ(cp1252::FirstUnencodable(QStringLiteral("a😀b")), U'😀');
    EXPECT_EQ(cp1252::FirstUnencodable(QStringLiteral("Müller")), U'\0');
    // One '?' per code point, also for a character made of two UTF-16 units.
    EXPECT_EQ(cp1252::Encode(QStringLiteral("a😀ş")), QByteArray("a??"));
    EXPECT_EQ(cp1252::Encode(QStringView()), QByteArray());
}

TEST(Cp1252, AppendEncodedAddsBehindWhatIsThere)
{
    QByteArray out = "VEREIN: ";
    cp1252::AppendEncoded(out, QStringLiteral("Weiß 😀"));
    EXPECT_EQ(out, QByteArray("VEREIN: Wei\xDF ?"));
    cp1252::AppendEncoded(out, QString());
    EXPECT_EQ(out.size(), 14);
}

} // namespace
