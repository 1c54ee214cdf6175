#include "CPop3Client.h"
#include "ScriptedServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<CPop3Client> MakeClient(std::chrono::milliseconds replyTimeout = 2s)
{
    auto client = std::make_unique<CPop3Client>();
    client->SetConnectTimeout(2s);
    client->SetReplyTimeout(replyTimeout);
    return client;
}

// Greeting, USER and PASS all accepted.
void ScriptLogin(ScriptedServer& server)
{
    server.Send("+OK ready\r\n")
        .Expect("USER anna")
        .Send("+OK\r\n")
        .Expect("PASS geheim")
        .Send("+OK logged in\r\n");
}

std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST(Pop3Client, LogsInReadsTheStatusAndClosesWithoutQuit)
{
    ScriptedServer server;
    ScriptLogin(server);
    server.Expect("STAT ").Send("+OK 3 471\r\n").ExpectClosed();
    server.Start();
    auto client = MakeClient();
    EXPECT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
    EXPECT_TRUE(client->Stat());
    EXPECT_EQ(client->m_nMessageCount, 3);
    EXPECT_EQ(client->m_nMailboxSize, 471);
    EXPECT_EQ(client->m_strError, "");
    client.reset();
    EXPECT_TRUE(server.Finish());
}

TEST(Pop3Client, GreetingDecidesOnPlusOkAlone)
{
    struct Case
    {
        const char* greeting;
        bool accepted;
    } cases[] = {
        {"+OK ready\r\n", true},
        {"+ok ready\r\n", true},
        {"-err not ready\r\n", false},
        {"-ERR not ready\r\n", false},
        {"hello there\r\n", false},
        {"\r\n", false},
        {"OK\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.greeting);
        ScriptedServer server;
        server.Send(c.greeting);
        if (c.accepted)
            server.Expect("USER anna").Send("-ERR no\r\n");
        server.ExpectClosed();
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_EQ(client->m_strError, c.accepted ? "Bad User Name" : "Bad Connection");
        client.reset();
        EXPECT_TRUE(server.Finish());
    }
}

TEST(Pop3Client, MissingGreetingFailsWithinTheReplyDeadline)
{
    // Closed at once, and silent until the client gives up.
    {
        ScriptedServer server;
        server.Close();
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_EQ(client->m_strError, "Bad Connection");
        EXPECT_TRUE(server.Finish());
    }
    {
        ScriptedServer server;
        server.StaySilent();
        server.Start();
        auto client = MakeClient(200ms);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_GE(Since(start), 200ms);
        EXPECT_LT(Since(start), 700ms);
        EXPECT_EQ(client->m_strError, "Bad Connection");
        // A timed-out connection is given up, so a later call fails at once.
        const auto again = std::chrono::steady_clock::now();
        EXPECT_FALSE(client->Stat());
        EXPECT_LT(Since(again), 100ms);
        EXPECT_EQ(client->m_strError, "Error occured during STAT");
        EXPECT_TRUE(server.Finish());
    }
}

TEST(Pop3Client, RefusedUserAndPasswordHaveTheirTexts)
{
    {
        ScriptedServer server;
        server.Send("+OK ready\r\n").Expect("USER anna").Send("-ERR unknown\r\n").ExpectClosed();
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_EQ(client->m_strError, "Bad User Name");
        client.reset(); // no PASS may follow a refused USER
        EXPECT_TRUE(server.Finish());
    }
    {
        ScriptedServer server;
        server.Send("+OK ready\r\n")
            .Expect("USER anna")
            .Send("+OK\r\n")
            .Expect("PASS geheim")
            .Send("-ERR invalid password\r\n")
            .Expect("STAT ")
            .Send("+OK 1 10\r\n");
        server.Start();
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_EQ(client->m_strError, "Bad Password Name");
        // A later success leaves the text of the last failure alone.
        EXPECT_TRUE(client->Stat());
        EXPECT_EQ(client->m_strError, "Bad Password Name");
        EXPECT_TRUE(server.Finish());
    }
}

TEST(Pop3Client, StatusReplyGivesTheFirstTwoNumbers)
{
    struct Case
    {
        const char* reply;
        bool ok;
        int count;
        int size;
    } cases[] = {
        {"+OK 3 471\r\n", true, 3, 471},
        {"+OK\t5\t900\r\n", true, 5, 900},
        {"+OK  2 320\r\n", true, 2, 320},
        {"+OK 4 1000 more words\r\n", true, 4, 1000},
        {"+OK\r\n", true, 4, 1000},               // no numbers: both kept
        {"+OK 6\r\n", true, 6, 1000},             // one number: the size kept
        {"+OK many 12\r\n", true, 6, 1000},       // not a number: both kept
        {"+OK 99999999999 1\r\n", true, 6, 1000}, // does not fit 32 bits
        {"+OK 1 -5\r\n", true, 1, 1000},
        {"-ERR locked\r\n", false, 1, 1000},
        {"what\r\n", false, 1, 1000},
    };
    ScriptedServer server;
    ScriptLogin(server);
    for (const Case& c : cases)
        server.Expect("STAT ").Send(c.reply);
    server.Start();
    auto client = MakeClient();
    ASSERT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(client->Stat(), c.ok);
        EXPECT_EQ(client->m_nMessageCount, c.count);
        EXPECT_EQ(client->m_nMailboxSize, c.size);
        EXPECT_EQ(client->m_strError, c.ok ? "" : "Error occured during STAT");
    }
    EXPECT_TRUE(server.Finish());
}

TEST(Pop3Client, RepliesInPiecesAndTogetherStayInStep)
{
    ScriptedServer server;
    // The greeting in three pieces, then the answers to USER and PASS in one piece each.
    server.Send("+O")
        .Pause(30ms)
        .Send("K rea")
        .Pause(30ms)
        .Send("dy\r\n")
        .Expect("USER anna")
        .Send("+OK\r")
        .Pause(30ms)
        .Send("\n")
        .Expect("PASS geheim")
        .Send("+OK in\r\n")
        .Expect("STAT ")
        // Two replies at once: the second belongs to the next STAT.
        .Send("+OK 1 11\r\n+OK 2 22\r\n")
        .Expect("STAT ");
    server.Start();
    auto client = MakeClient();
    ASSERT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
    EXPECT_TRUE(client->Stat());
    EXPECT_EQ(client->m_nMessageCount, 1);
    EXPECT_TRUE(client->Stat());
    EXPECT_EQ(client->m_nMessageCount, 2);
    EXPECT_EQ(client->m_nMailboxSize, 22);
    EXPECT_TRUE(server.Finish());
}

TEST(Pop3Client, BrokenAndOversizedRepliesFailCleanly)
{
    // Closed in mid-reply: the unfinished line is not a reply.
    {
        ScriptedServer server;
        ScriptLogin(server);
        server.Expect("STAT ").Send("+OK 3").Close();
        server.Start();
        auto client = MakeClient();
        ASSERT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        client->m_nMessageCount = 7;
        EXPECT_FALSE(client->Stat());
        EXPECT_EQ(client->m_strError, "Error occured during STAT");
        EXPECT_EQ(client->m_nMessageCount, 7);
        EXPECT_TRUE(server.Finish());
    }
    // Just within the bound, and just beyond it.
    for (const std::size_t size : {ReplyReader::kMaxReplySize, ReplyReader::kMaxReplySize + 1}) {
        SCOPED_TRACE(size);
        ScriptedServer server;
        ScriptLogin(server);
        std::string reply = "+OK 8 9 ";
        reply.append(size - reply.size() - 2, 'x');
        server.Expect("STAT ").Send(reply + "\r\n");
        server.Start();
        auto client = MakeClient();
        ASSERT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
        EXPECT_EQ(client->Stat(), size <= ReplyReader::kMaxReplySize);
        client.reset();
        EXPECT_TRUE(server.Finish());
    }
}

TEST(Pop3Client, EndlessReplyKeepsMemoryBounded)
{
    ScriptedServer server;
    ScriptLogin(server);
    server.Expect("STAT ").Send("+OK ").SendEndless(std::string(16384, 'z'));
    server.Start();
    // A long deadline: the size bound, not the clock, must end this.
    auto client = MakeClient(20s);
    ASSERT_TRUE(client->Connect("127.0.0.1", "anna", "geheim", server.port()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client->Stat());
    EXPECT_LT(Since(start), 5s);
    EXPECT_EQ(client->m_strError, "Error occured during STAT");
    EXPECT_TRUE(server.Finish());
    // What got out before the client hung up is its bounded read plus the socket buffers.
    EXPECT_LT(server.EndlessBytesSent(), 64u << 20);
}

TEST(Pop3Client, ArgumentsThatCouldBreakTheCommandLineAreRefusedBeforeConnecting)
{
    const std::string longest(CPop3Client::kMaxArgument, 'a');
    struct Case
    {
        std::string host, user, password;
    } cases[] = {
        {"127.0.0.1", "anna\r\nDELE 1", "geheim"},
        {"127.0.0.1", "anna", "geheim\nDELE 1"},
        {"127.0.0.1", "anna", "geh\rim"},
        {"127.0.0.1", std::string("an\0na", 5), "geheim"},
        {"127.0.0.1", longest + "a", "geheim"},
        {"127.0.0.1", "anna", longest + "a"},
        {"127.0.0.1\r\n", "anna", "geheim"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user + "/" + c.password);
        ScriptedServer server; // never started: nobody may connect
        auto client = MakeClient();
        EXPECT_FALSE(client->Connect(c.host, c.user, c.password, server.port()));
        EXPECT_EQ(client->m_strError, "Invalid argument");
        EXPECT_FALSE(server.ConnectionWaiting());
    }
    // The longest that fits is sent as it is.
    ScriptedServer server;
    server.Send("+OK\r\n")
        .Expect("USER " + longest)
        .Send("+OK\r\n")
        .Expect("PASS " + longest)
        .Send("+OK\r\n");
    server.Start();
    auto client = MakeClient();
    EXPECT_TRUE(client->Connect("127.0.0.1", longest, longest, server.port()));
    EXPECT_TRUE(server.Finish());
}

TEST(Pop3Client, UnreachableServerCannotBeConnected)
{
    auto client = MakeClient();
    EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", UnusedLoopbackPort()));
    EXPECT_EQ(client->m_strError, "Server cannot be connected");

    FullBacklogListener blackHole;
    client->SetConnectTimeout(300ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client->Connect("127.0.0.1", "anna", "geheim", blackHole.port()));
    EXPECT_LT(Since(start), 800ms);
    EXPECT_EQ(client->m_strError, "Server cannot be connected");
}
