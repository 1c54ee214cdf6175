#include "CSmtpClient.h"
#include "ScriptedServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

const char* const kNoMatch = "No Error Number is matched with ";

std::unique_ptr<CSmtpClient> MakeClient(std::chrono::milliseconds replyTimeout = 2s)
{
    auto client = std::make_unique<CSmtpClient>();
    client->SetConnectTimeout(2s);
    client->SetReplyTimeout(replyTimeout);
    return client;
}

void ScriptConnect(ScriptedServer& server)
{
    server.Send("220 ready\r\n").Expect("HELO club@example.org").Send("250 hello\r\n");
}

std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST(SmtpClient, WholeSessionSendsTheExactCommandsAndMessage)
{
    ScriptedServer server;
    ScriptConnect(server);
    server.Expect("MAIL From:<club@example.org>")
        .Send("250 ok\r\n")
        .Expect("RCPT TO:<office@example.net>")
        .Send("250 ok\r\n")
        .Expect("DATA")
        .Send("354 go ahead\r\n")
        .Expect("SUBJECT:test message")
        .Expect("This is a test message ... ")
        .Expect(".")
        .Send("250 queued\r\n")
        .Expect("QUIT ")
        .Send("221 bye\r\n")
        .ExpectClosed();
    server.Start();
    auto client = MakeClient();
    EXPECT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_TRUE(client->MailFrom("club@example.org"));
    EXPECT_TRUE(client->RcptTo("office@example.net"));
    EXPECT_TRUE(client->Data("test message", "This is a test message ... "));
    EXPECT_TRUE(client->Quit());
    EXPECT_EQ(client->GetError(), "");
    EXPECT_EQ(client->m_arrRecipients, std::vector<std::string>{"office@example.net"});
    client.reset();
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, RefusedGreetingQuotesTheServersLine)
{
    ScriptedServer server;
    server.Send("554 no service\r\n").ExpectClosed();
    server.Start();
    auto client = MakeClient();
    EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_EQ(client->GetError(), std::string(kNoMatch) + "554 no service\r\n");
    client.reset(); // no HELO after a refused greeting
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, MultiLineRepliesAreReadWholeEvenInPieces)
{
    ScriptedServer server;
    server.Send("220-welcome\r\n")
        .Pause(30ms)
        .Send("220-to the\r\n220 ")
        .Pause(30ms)
        .Send("ready\r\n")
        .Expect("HELO club@example.org")
        .Send("250-first\r\n250-second\r\n250 last\r\n")
        .Expect("MAIL From:<club@example.org>")
        .Send("553-not you\r\n553 really not\r\n");
    server.Start();
    auto client = MakeClient();
    EXPECT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_FALSE(client->MailFrom("club@example.org"));
    EXPECT_EQ(client->GetError(), std::string(kNoMatch) + "553-not you\r\n553 really not\r\n");
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, RepliesThatArriveTogetherStayInStep)
{
    ScriptedServer server;
    server.Send("220 ready\r\n250 early\r\n")
        .Expect("HELO club@example.org")
        .Expect("QUIT ")
        .Send("221 bye\r\n");
    server.Start();
    auto client = MakeClient();
    EXPECT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_TRUE(client->Quit());
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, EveryStepIsSentWhateverThePreviousOneReturned)
{
    ScriptedServer server;
    ScriptConnect(server);
    server.Expect("MAIL From:<club@example.org>")
        .Send("550 sender refused\r\n")
        .Expect("RCPT TO:<office@example.net>")
        .Send("550 no such user\r\n")
        .Expect("RCPT TO:<second@example.net>")
        .Send("251 will forward\r\n")
        .Expect("DATA")
        .Send("554 no valid recipients\r\n")
        // Nothing of the message may follow a refused DATA.
        .Expect("QUIT ")
        .Send("250 what\r\n");
    server.Start();
    auto client = MakeClient();
    ASSERT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_FALSE(client->MailFrom("club@example.org"));
    EXPECT_EQ(client->GetError(), std::string(kNoMatch) + "550 sender refused\r\n");
    EXPECT_FALSE(client->RcptTo("office@example.net"));
    EXPECT_FALSE(client->RcptTo("second@example.net"));
    EXPECT_EQ(client->GetError(), "user not local: will forward to forward path");
    EXPECT_EQ(client->m_arrRecipients,
              (std::vector<std::string>{"office@example.net", "second@example.net"}));
    EXPECT_FALSE(client->Data("test message", "body"));
    EXPECT_EQ(client->GetError(), std::string(kNoMatch) + "554 no valid recipients\r\n");
    EXPECT_FALSE(client->Quit());
    EXPECT_EQ(client->GetError(), "Requested mail action okay, completed");
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, ReplyTextNamesKnownCodesAndQuotesTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"211 status\r\n", "System status or system help reply"},
        {"214 help\r\n", "Help Message"},
        {"220 ready\r\n", "Service is ready"},
        {"221 bye\r\n", "Service closing transmission channel"},
        {"250 ok\r\n", "Requested mail action okay, completed"},
        {"251 forward\r\n", "user not local: will forward to forward path"},
        {"354 go\r\n", "Start mail input; end with <CRLF>.<CRLF>"},
        {"421 busy\r\n", std::string(kNoMatch) + "421 busy\r\n"},
        {"25", std::string(kNoMatch) + "25"},
        {"", kNoMatch},
    };
    for (const auto& [reply, text] : cases)
        EXPECT_EQ(CSmtpClient::ReplyText(reply), text) << reply;
}

TEST(SmtpClient, KnownButUnexpectedCodeGivesItsMeaning)
{
    ScriptedServer server;
    server.Send("220 ready\r\n").Expect("HELO club@example.org").Send("220 again\r\n");
    server.Start();
    auto client = MakeClient();
    EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_EQ(client->GetError(), "Service is ready");
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, GarbageClosedAndSilentServersFail)
{
    {
        ScriptedServer server;
        server.Send("hello world\r\n");
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", server.port()));
        EXPECT_EQ(client->GetError(), std::string(kNoMatch) + "hello world\r\n");
        EXPECT_TRUE(server.Finish());
    }
    // Closed before answering, closed in mid-reply, silent: all count as no reply.
    for (const char* partial : {"", "220-wel", "220 read"}) {
        SCOPED_TRACE(partial);
        ScriptedServer server;
        server.Send(partial).Close();
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", server.port()));
        EXPECT_EQ(client->GetError(), kNoMatch);
        EXPECT_TRUE(server.Finish());
    }
    {
        ScriptedServer server;
        ScriptConnect(server);
        server.Expect("MAIL From:<club@example.org>").StaySilent();
        server.Start();
        auto client = MakeClient(200ms);
        ASSERT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
        auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(client->MailFrom("club@example.org"));
        EXPECT_GE(Since(start), 200ms);
        EXPECT_LT(Since(start), 700ms);
        EXPECT_EQ(client->GetError(), kNoMatch);
        // The connection is given up, so the remaining steps fail at once.
        start = std::chrono::steady_clock::now();
        EXPECT_FALSE(client->RcptTo("office@example.net"));
        EXPECT_FALSE(client->Data("s", "b"));
        EXPECT_FALSE(client->Quit());
        EXPECT_LT(Since(start), 100ms);
        EXPECT_TRUE(server.Finish());
    }
}

TEST(SmtpClient, EndlessReplyKeepsMemoryBounded)
{
    for (const std::string& chunk : {std::string(8192, 'q'), [] {
                                         std::string lines;
                                         while (lines.size() < 8192)
                                             lines += "220-still talking\r\n";
                                         return lines;
                                     }()}) {
        ScriptedServer server;
        server.SendEndless(chunk);
        server.Start();
        auto client = MakeClient(20s);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", server.port()));
        EXPECT_LT(Since(start), 5s);
        EXPECT_EQ(client->GetError(), kNoMatch);
        EXPECT_TRUE(server.Finish());
        EXPECT_LT(server.EndlessBytesSent(), 64u << 20);
    }
}

TEST(SmtpClient, BodyIsSentWithCrLfAndDotStuffing)
{
    EXPECT_EQ(FormatSmtpMessage("s", "plain"), "SUBJECT:s\r\nplain\r\n.\r\n");
    EXPECT_EQ(FormatSmtpMessage("s", ""), "SUBJECT:s\r\n\r\n.\r\n");
    EXPECT_EQ(FormatSmtpMessage("s", ".\r\nQUIT\nRSET\r.x\r\n..y"),
              "SUBJECT:s\r\n..\r\nQUIT\r\nRSET\r\n..x\r\n...y\r\n.\r\n");
    EXPECT_EQ(FormatSmtpMessage("s", "a.b\n\nc."), "SUBJECT:s\r\na.b\r\n\r\nc.\r\n.\r\n");

    ScriptedServer server;
    ScriptConnect(server);
    server.Expect("DATA")
        .Send("354 go\r\n")
        .Expect("SUBJECT:s")
        .Expect("..")
        .Expect("QUIT")
        .Expect("done")
        .Expect(".")
        .Send("250 ok\r\n");
    server.Start();
    auto client = MakeClient();
    ASSERT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_TRUE(client->Data("s", ".\nQUIT\rdone"));
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, ArgumentsThatCouldBreakTheCommandLineAreRefusedUnsent)
{
    // Refused before connecting.
    for (const std::string& helo :
         {std::string("club\r\nMAIL From:<x>"), std::string(CSmtpClient::kMaxHeloName + 1, 'h')}) {
        ScriptedServer idle;
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", helo, idle.port()));
        EXPECT_EQ(client->GetError(), "Invalid argument");
        EXPECT_FALSE(idle.ConnectionWaiting());
    }

    // Refused on a live connection: the server sees only the valid commands.
    const std::string sender(CSmtpClient::kMaxSender, 's');
    const std::string recipient(CSmtpClient::kMaxRecipient, 'r');
    ScriptedServer server;
    ScriptConnect(server);
    server.Expect("MAIL From:<" + sender + ">")
        .Send("250 ok\r\n")
        .Expect("RCPT TO:<" + recipient + ">")
        .Send("250 ok\r\n")
        .Expect("QUIT ")
        .Send("221 bye\r\n");
    server.Start();
    auto client = MakeClient();
    ASSERT_TRUE(client->Connect("127.0.0.1", "club@example.org", server.port()));
    EXPECT_FALSE(client->MailFrom("a@example.org>\r\nRCPT TO:<b@example.org"));
    EXPECT_EQ(client->GetError(), "Invalid argument");
    EXPECT_FALSE(client->MailFrom(sender + "s"));
    EXPECT_TRUE(client->MailFrom(sender));
    EXPECT_FALSE(client->RcptTo("b@example.org\n"));
    EXPECT_FALSE(client->RcptTo(recipient + "r"));
    EXPECT_TRUE(client->RcptTo(recipient));
    EXPECT_EQ(client->m_arrRecipients.size(), 3u); // recorded even when refused
    EXPECT_FALSE(client->Data("line\r\nbreak", "body"));
    EXPECT_FALSE(client->Data(std::string(CSmtpClient::kMaxSubject + 1, 'x'), "body"));
    EXPECT_FALSE(client->Data("s", std::string(CSmtpClient::kMaxBody + 1, 'x')));
    EXPECT_FALSE(client->Data("s", std::string("a\0b", 3)));
    EXPECT_EQ(client->GetError(), "Invalid argument");
    EXPECT_TRUE(client->Quit());
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClient, UnreachableServerCannotBeConnected)
{
    auto client = MakeClient();
    EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", UnusedLoopbackPort()));
    EXPECT_EQ(client->GetError(), "Server cannot be connected");

    FullBacklogListener blackHole;
    client->SetConnectTimeout(300ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client->Connect("127.0.0.1", "club@example.org", blackHole.port()));
    EXPECT_LT(Since(start), 800ms);
    EXPECT_EQ(client->GetError(), "Server cannot be connected");
    // Nothing to talk to: later steps fail at once.
    EXPECT_FALSE(client->Quit());
    EXPECT_EQ(client->GetError(), kNoMatch);
}
