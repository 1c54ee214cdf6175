// A file name made up from words that anyone may have typed: one file in the folder shown.
#include "textfile/FileName.h"

#include "tests/support/PrintQString.h"

#include <gtest/gtest.h>

using namespace textfile;
using namespace Qt::StringLiterals;

namespace {

TEST(FileName, NoDotsAloneNoDeviceNoDotAtTheEndNoHalfCharacter)
{
    const struct
    {
        const char* why;
        QString name;
        QString extension;
        QString safe;
    } cases[] = {
        {"the folder itself", u"."_s, {}, u"_"_s},
        {"the parent folder", u".."_s, {}, u"__"_s},
        {"nothing", {}, u".mdg"_s, u"_.mdg"_s},
        {"Windows drops a trailing dot and blank", u"Fest. ."_s, {}, u"Fest"_s},
        {"a device", u"CON"_s, {}, u"_CON"_s},
        {"a device in any case with an extension", u"nul"_s, u".mdg"_s, u"_nul.mdg"_s},
        {"a device before a blank and two extensions", u"Com1 .tar"_s, u".gz"_s,
         u"_Com1 .tar.gz"_s},
        {"a device with a superscript digit", u"LPT\u00B9"_s, {}, u"_LPT\u00B9"_s},
        {"no device", u"CONSOLE COM10"_s, u".mdg"_s, u"CONSOLE COM10.mdg"_s},
        {"a lone surrogate", u"Fest\xD800"_s, {}, u"Fest_"_s},
        {"the pair the first cut would halve", QString(198, u'a') + u"😀"_s, {}, QString(198, u'a')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(safeFileName(c.name, c.extension), c.safe) << c.why;
}

} // namespace
