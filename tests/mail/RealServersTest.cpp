// The clients against Dovecot and aiosmtpd, started on loopback by the fixture.
#include "mail/CPop3Client.h"
#include "MailServers.h"

#include <gtest/gtest.h>

TEST(RealMailServers, LogInReadTheStatusAndDeliverAMessageUnstuffed)
{
    MailServers servers;
    TestMailSettings s = servers.settings;
    CPop3Client pop3;
    ASSERT_TRUE(pop3.Connect(s.pop3Host, s.sender, s.password, s.pop3Port)) << pop3.m_strError;
    EXPECT_TRUE(pop3.Stat());
    EXPECT_EQ(pop3.m_nMessageCount, 1);
    EXPECT_EQ(pop3.m_nMailboxSize, std::ssize(MailServers::kMessage));
    // Lines of a single "." or starting with one would end or change the message unstuffed.
    s.body = ".\n.Ende";
    runTestMail(s, [](const std::string& text) { ADD_FAILURE() << text; });
    EXPECT_EQ(servers.delivered(), "SUBJECT:test message\r\n.\r\n.Ende\r\n");
}
