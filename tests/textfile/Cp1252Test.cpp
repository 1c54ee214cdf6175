// Windows-1252, the entry file's code page, both ways.
#include "textfile/Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_EQ(cp1252::decode("\x80\x8A\x9F\xE4\xDF"), QStringLiteral("€ŠŸäß"));
}

} // namespace
