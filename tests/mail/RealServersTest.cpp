#include "CPop3Client.h"
#include "CSmtpClient.h"
#include "MailServers.h"
#include "ScriptedServer.h"
#include "TestMail.h"

#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using Record = SmtpTestServer::Record;

namespace {

const std::vector<std::string> kMailbox = {
    "From: verband@example.org\nTo: teilnehmer@example\nSubject: Ausschreibung\n\n"
    "Meldeschluss ist Freitag.\n",
    "From: verband@example.org\r\nSubject: Zeitplan\r\n\r\nStart 9 Uhr.\r\nEnde 17 Uhr.\r\n",
};

class RealMailServers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Pop3TestServer::IsInstalled())
            GTEST_SKIP() << "dovecot-pop3d is not installed";
        if (!SmtpTestServer::IsInstalled())
            GTEST_SKIP() << "python3-aiosmtpd is not installed";
        settings = DefaultTestMailSettings();
        pop3 = Pop3TestServer::Start(settings.sender, settings.password, kMailbox);
        smtp = SmtpTestServer::Start(pop3->port());
        settings.pop3Host = "127.0.0.1";
        settings.pop3Port = pop3->port();
        settings.smtpHost = "127.0.0.1";
        settings.smtpPort = smtp->port();
        settings.connectTimeout = 5s;
        settings.replyTimeout = 5s;
    }

    std::vector<std::string> Run()
    {
        std::vector<std::string> shown;
        RunTestMail(settings, [&](const std::string& text) { shown.push_back(text); });
        return shown;
    }

    TestMailSettings settings;
    std::unique_ptr<Pop3TestServer> pop3;
    std::unique_ptr<SmtpTestServer> smtp;
};

std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST_F(RealMailServers, Pop3LoginAndStatusMatchTheMailbox)
{
    CPop3Client client;
    ASSERT_TRUE(client.Connect("127.0.0.1", settings.sender, settings.password, pop3->port()))
        << client.m_strError << "\n"
        << pop3->Log();
    ASSERT_TRUE(client.Stat()) << client.m_strError;
    EXPECT_EQ(client.m_nMessageCount, 2);
    EXPECT_EQ(client.m_nMessageCount, pop3->MessageCount());
    EXPECT_EQ(client.m_nMailboxSize, pop3->MailboxSize());
    EXPECT_EQ(client.m_strError, "");
}

TEST_F(RealMailServers, Pop3RefusedPasswordIsAnsweredWithoutTheFailureDelay)
{
    CPop3Client client;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.Connect("127.0.0.1", settings.sender, "falsch", pop3->port()));
    EXPECT_EQ(client.m_strError, "Bad Password Name");
    EXPECT_LT(Since(start), 1500ms);
}

TEST_F(RealMailServers, Pop3UnknownUserIsRefusedAtThePassword)
{
    CPop3Client client;
    EXPECT_FALSE(client.Connect("127.0.0.1", "niemand@example", settings.password, pop3->port()));
    EXPECT_EQ(client.m_strError, "Bad Password Name");
}

TEST_F(RealMailServers, SmtpServerRecordsTheExactMessage)
{
    CSmtpClient client;
    ASSERT_TRUE(client.Connect("127.0.0.1", "club.example", smtp->port())) << client.GetError();
    EXPECT_TRUE(client.MailFrom("club@example.org"));
    EXPECT_TRUE(client.RcptTo("office@example.net"));
    EXPECT_TRUE(client.RcptTo("copy@example.net"));
    // A body line of a single "." would end the message early without dot-stuffing.
    EXPECT_TRUE(client.Data("Meldung", "erste Zeile\n.\n.zweite\nQUIT"));
    EXPECT_TRUE(client.Quit());
    const std::vector<Record> expected = {
        {"HELO", "club.example"},
        {"MAIL", "club@example.org"},
        {"RCPT", "office@example.net"},
        {"RCPT", "copy@example.net"},
        {"DATA", "SUBJECT:Meldung\r\nerste Zeile\r\n.\r\n.zweite\r\nQUIT\r\n"},
        {"QUIT", ""},
    };
    EXPECT_EQ(smtp->Received(), expected) << smtp->Log();
}

TEST_F(RealMailServers, TestMailRunsAgainstBothServers)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(Run().empty());
    const auto elapsed = Since(start);
    std::cout << "RunTestMail against Dovecot and aiosmtpd: " << elapsed.count() << " ms\n";

    const std::vector<Record> expected = {
        {"HELO", "teilnehmer@example"},
        {"MAIL", "teilnehmer@example"},
        {"RCPT", "anmeldungen@example.org"},
        {"DATA", "SUBJECT:test message\r\nThis is a test message ... \r\n"},
        {"QUIT", ""},
    };
    EXPECT_EQ(smtp->Received(), expected) << smtp->Log();
    // The POP3 session was still open when the SMTP server got QUIT.
    EXPECT_EQ(smtp->WatchedConnectionsAtQuit(), 1);
    // A loose ceiling that still catches a reply delay creeping in; the benchmark measures.
    EXPECT_LT(elapsed, 1s);
}

TEST_F(RealMailServers, TestMailWithRefusedPasswordMakesNoSmtpConnection)
{
    settings.password = "Falsches-Wort-1";
    EXPECT_TRUE(Run().empty());
    EXPECT_TRUE(smtp->Received().empty());
}

TEST_F(RealMailServers, TestMailWithUnreachableSmtpShowsOneMessage)
{
    settings.smtpPort = UnusedLoopbackPort();
    EXPECT_EQ(Run(), std::vector<std::string>{"Server cannot be connected"});
    EXPECT_TRUE(smtp->Received().empty());
}
