// What counts as a plain e-mail address, for the organiser's and the contact person's alike.
#include "textfile/EmailAddress.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(EmailAddress, OnlyAPlainAddressIsAnAddress)
{
    const std::pair<const char*, bool> cases[] = {
        {"meldung@turngau-musterland.de", true},
        {"o'brien+melde.liste@x.co.uk", true},
        {"a!$*/=^_`{|}~-@b.de", true},
        {"a?attach=/etc/passwd#@x.de", false}, // a field once a mailto: link is decoded
        {"a%3F@b.de", false},
        {"a&b@c.de", false},
        {"file:/etc/passwd#@x.de", false}, // a mail program reads it as a local file
        {"file:.ssh/id_rsa#@x.de", false},
        {"-x@y.de", false}, // an option to a command line
        {".a@b.de", false},
        {"a.@b.de", false},
        {"a..b@c.de", false},
        {"a@b.de?attach=/etc/passwd", false},
        {"a@b.de,c@d.de", false},
        {"a@b@c.de", false},
        {"a@localhost", false},
        {"a@-b.de", false},
        {"a b@c.de", false},
        {"m\xC3\xBCller@b.de", false},
        {"a@m\xC3\xBCller.de", false},
        {"<a@b.de>", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(textfile::validEmail(QString::fromUtf8(text)), valid) << text;
    EXPECT_FALSE(textfile::validEmail(QString(65, u'a') + u"@b.de"_s)) << "local part over 64";
}

} // namespace
