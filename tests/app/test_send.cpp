// The hidden test-mail action of the window against real servers on loopback.

#include "DialogFixture.h"
#include "MailServers.h"

namespace {

void PointAt(CEntryDlg& dlg, unsigned short pop3Port, unsigned short smtpPort)
{
    dlg.m_testMail.pop3Host = "127.0.0.1";
    dlg.m_testMail.pop3Port = pop3Port;
    dlg.m_testMail.smtpHost = "127.0.0.1";
    dlg.m_testMail.smtpPort = smtpPort;
    dlg.m_testMail.connectTimeout = std::chrono::milliseconds(2000);
    dlg.m_testMail.replyTimeout = std::chrono::milliseconds(5000);
}

} // namespace

TEST_F(DialogTest, SendButtonStaysHiddenButItsActionSendsTheTestMail)
{
    if (!Pop3TestServer::IsInstalled() || !SmtpTestServer::IsInstalled())
        GTEST_SKIP() << "mail servers are not installed";
    Open();
    EXPECT_FALSE(dlg->GetDlgItem(CEntryDlg::IDC_SEND)->isVisible());
    const TestMailSettings fixed = DefaultTestMailSettings();
    auto pop3 = Pop3TestServer::Start(fixed.sender, fixed.password, {"Subject: eins\n\nHallo\n"});
    auto smtp = SmtpTestServer::Start(pop3->port());
    PointAt(*dlg, pop3->port(), smtp->port());

    dlg->OnSend();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(dlg->isEnabled()) << "input is taken again afterwards";
    const std::vector<SmtpTestServer::Record> received = smtp->Received();
    ASSERT_EQ(received.size(), 5u) << smtp->Log();
    EXPECT_EQ(received[0], (SmtpTestServer::Record{"HELO", fixed.sender}));
    EXPECT_EQ(received[2], (SmtpTestServer::Record{"RCPT", fixed.recipient}));
    EXPECT_EQ(received[3].command, "DATA");
    EXPECT_EQ(received[3].argument, "SUBJECT:test message\r\nThis is a test message ... \r\n");
    EXPECT_EQ(smtp->WatchedConnectionsAtQuit(), 1) << "POP3 still logged in during SMTP";
}

TEST_F(DialogTest, SendShowsOnlyAFailedSmtpConnect)
{
    if (!Pop3TestServer::IsInstalled())
        GTEST_SKIP() << "dovecot-pop3d is not installed";
    Open();
    const TestMailSettings fixed = DefaultTestMailSettings();
    auto pop3 = Pop3TestServer::Start(fixed.sender, fixed.password, {});
    // Port 1 on loopback: nobody listens, the connect is refused at once.
    PointAt(*dlg, pop3->port(), 1);
    dlg->OnSend();
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Server cannot be connected")});

    // A refused password ends the action silently.
    messages.texts.clear();
    dlg->m_testMail.password = "falsch";
    dlg->OnSend();
    EXPECT_TRUE(messages.texts.isEmpty());
}
