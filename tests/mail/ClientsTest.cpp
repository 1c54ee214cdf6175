#include "mail/CPop3Client.h"
#include "mail/CSmtpClient.h"
#include "mail/TestMail.h"
#include "ScriptedServer.h"

#include <functional>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Script = std::vector<std::string>;

namespace {

Script operator+(Script a, const Script& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string kNo = "No Error Number is matched with ";
// Body lines that begin with "." must go out doubled, line breaks of any kind as CR LF.
const TestMailSettings kFixed = [] {
    TestMailSettings fixed = defaultTestMailSettings();
    fixed.body = ".\r\nQUIT\r.x\na.b";
    return fixed;
}();
const std::string kUser = "C:USER " + kFixed.sender, kPass = "C:PASS " + kFixed.password;
const Script kLogin = {"S:+OK ready\r\n", kUser, "S:+OK\r\n", kPass, "S:+OK\r\n"};
const Script kStat = {"C:STAT ", "S:+OK 2 320\r\n", "closed"};
const Script kHelo = {"S:220 hi\r\n", "C:HELO " + kFixed.sender, "S:250 hi\r\n"};
const std::string kMail = "C:MAIL From:<" + kFixed.sender + ">";
const std::string kRcpt = "C:RCPT TO:<" + kFixed.recipient + ">";
const Script kData = Script{"C:DATA", "S:354 go\r\n", "C:SUBJECT:" + kFixed.subject} +
                     Script{"C:..", "C:QUIT", "C:..x", "C:a.b", "C:.", "S:250 ok\r\n"};
const Script kAccepted = kHelo + Script{kMail, "S:250 ok\r\n", kRcpt, "S:250 ok\r\n"} + kData;
const Script kQuit = {"C:QUIT ", "S:221 bye\r\n"};
// Every step is sent whatever the one before returned, but no message after a refused DATA.
const Script kRefusals = kHelo + Script{kMail, "S:550 no\r\n", kRcpt, "S:550-who\r\n550 x\r\n"} +
                         Script{"C:DATA", "S:554 none\r\n"} + kQuit;
const Script kRefusedLogin = {"S:+OK\r\n", kUser, "S:+OK\r\n", kPass, "S:-ERR\r\n", "closed"};

// Log in, then STAT: the login's error text, or STAT's ("ok" if none) and the two numbers.
std::string pop3Session(const Script& script, std::chrono::milliseconds timeout = 30s)
{
    ScriptedServer server(script);
    CPop3Client client;
    client.setReplyTimeout(timeout);
    if (!client.Connect("127.0.0.1", kFixed.sender, kFixed.password, server.port()))
        return client.m_strError;
    const std::string stat = client.Stat() ? "ok" : client.m_strError;
    return stat + " " + std::to_string(client.m_nMessageCount) + " " +
           std::to_string(client.m_nMailboxSize);
}

// Every step whatever the one before returned, Connect's failure too: each one's error text, or
// "ok". A connection whose reply broke off must be closed, or the next command would go out.
std::string smtpSession(const Script& script, std::chrono::milliseconds timeout = 30s)
{
    ScriptedServer server(script);
    CSmtpClient client;
    client.setReplyTimeout(timeout);
    std::string outcome;
    const auto note = [&](bool ok) { outcome += (ok ? "ok" : client.GetError()) + "|"; };
    note(client.Connect("127.0.0.1", kFixed.sender, server.port()));
    note(client.MailFrom(kFixed.sender));
    note(client.RcptTo(kFixed.recipient));
    note(client.Data(kFixed.subject, kFixed.body));
    note(client.Quit());
    return outcome;
}

} // namespace

TEST(Pop3Client, TakesOnlyPlusOkAndReadsTheFirstTwoNumbersOfStat)
{
    const std::string longest = "S:+OK 8 9 " + std::string(ReplyReader::kMaxReplySize - 10, ' ');
    const std::pair<Script, std::string> rows[] = {
        {kLogin + kStat, "ok 2 320"}, // and closed without QUIT
        {{"S:+ok\r\n", kUser, "S:+Ok\r\n", kPass, "S:+oK\r\n", "C:STAT ", "S:+OK\t5  9 x\r\n"},
         "ok 5 9"},
        {{"S:+ ready\r\n", "closed"}, "Bad Connection"}, // a bare "+" is no "+OK"
        {{"S:-ERR busy\r\n", "closed"}, "Bad Connection"},
        {{"S:+O", "S:K\r", "S:\n", kUser, "S:-ERR who\r\n", "closed"}, "Bad User Name"},
        {kRefusedLogin, "Bad Password Name"},
        {kLogin + Script{"C:STAT ", "S:-ERR locked\r\n"}, "Error occured during STAT 0 0"},
        {kLogin + Script{"C:STAT ", "S:+OK 3", "close"}, "Error occured during STAT 0 0"},
        {kLogin + Script{"C:STAT ", longest + "\r\n"}, "ok 8 9"},
        // A reply that never ends is given up at the size bound, long before the deadline.
        {kLogin + Script{"C:STAT ", longest + "  ", "closed"}, "Error occured during STAT 0 0"},
    };
    for (const auto& [script, outcome] : rows)
        EXPECT_EQ(pop3Session(script), outcome) << testing::PrintToString(script);
    // A silent server is given up at the reply deadline (or by the server's own time limit).
    EXPECT_EQ(pop3Session({"closed"}, 200ms), "Bad Connection");
}

TEST(SmtpClient, ChecksEachReplyCodeAndSendsEveryCommandExactly)
{
    const std::string ok = "ok|ok|ok|ok|ok|", gone = CSmtpClient::kNoWholeReply,
                      lost = gone + "|" + gone + "|" + gone + "|" + gone + "|" + gone + "|";
    const std::pair<Script, std::string> rows[] = {
        // Multi-line replies, in pieces, and the next reply together with the end of one.
        {Script{"S:220-welcome\r\n", "S:220 hi\r\n250-a\r\n250 b\r\n", kHelo[1]} +
             Script(kAccepted.begin() + 3, kAccepted.end()) + kQuit,
         ok},
        {kAccepted + Script{"C:QUIT ", "S:250 what\r\n"},
         "ok|ok|ok|ok|Requested mail action okay, completed|"},
        {kRefusals,
         "ok|" + kNo + "550 no\r\n|" + kNo + "550-who\r\n550 x\r\n|" + kNo + "554 none\r\n|ok|"},
        {{"S:220 hi", "close"}, lost},
    };
    for (const auto& [script, outcome] : rows)
        EXPECT_EQ(smtpSession(script), outcome) << testing::PrintToString(script);
    EXPECT_EQ(smtpSession({kHelo[0], kHelo[1], "closed"}, 200ms), lost);
}

TEST(MailClients, RefuseArgumentsThatCouldBreakACommandLineBeforeConnectingOrSending)
{
    // Nothing listens on the port, so an argument let through shows as "Server cannot be
    // connected" or, for a command sent without a connection, as the text of a missing reply.
    const unsigned short port = ScriptedServer({}).port();
    CPop3Client pop3;
    CSmtpClient smtp;
    const auto login = [&](const std::string& user, const std::string& password) {
        pop3.Connect("127.0.0.1", user, password, port);
        return pop3.m_strError;
    };
    const auto error = [&](bool) { return smtp.GetError(); }; // every call sets one
    using Call = std::function<std::string(const std::string&)>;
    const std::tuple<Call, std::size_t, bool> calls[] = {
        // longest argument, line breaks refused
        {[&](auto& arg) { return login(arg, "pw"); }, CPop3Client::kMaxArgument, true},
        {[&](auto& arg) { return login("anna", arg); }, CPop3Client::kMaxArgument, true},
        {[&](auto& arg) { return error(smtp.Connect("127.0.0.1", arg, port)); },
         CSmtpClient::kMaxHeloName, true},
        {[&](auto& arg) { return error(smtp.MailFrom(arg)); }, CSmtpClient::kMaxSender, true},
        {[&](auto& arg) { return error(smtp.RcptTo(arg)); }, CSmtpClient::kMaxRecipient, true},
        {[&](auto& arg) { return error(smtp.Data(arg, "b")); }, CSmtpClient::kMaxSubject, true},
        {[&](auto& arg) { return error(smtp.Data("s", arg)); }, CSmtpClient::kMaxBody, false},
    };
    for (const auto& [call, longest, breaksRefused] : calls) {
        EXPECT_NE(call(std::string(longest, 'a')), "Invalid argument") << longest;
        for (const std::string& bad : {std::string(longest + 1, 'a'), std::string("a\0b", 3),
                                       std::string("a\rb"), std::string("a\nb")}) {
            if (breaksRefused || bad.find_first_of("\r\n") == std::string::npos) {
                EXPECT_EQ(call(bad), "Invalid argument") << longest << testing::PrintToString(bad);
            }
        }
    }
}

TEST(TestMail, LogsInToPop3ThenSendsOverSmtpShowsOnlyAFailedSmtpConnectAndClosesPop3Last)
{
    TestMailSettings s = kFixed;
    s.pop3Host = "localhost";
    s.smtpHost = "127.0.0.1";
    // POP3 script, SMTP script (none: nothing listens on the SMTP port), messages shown
    const std::tuple<Script, Script, Script> rows[] = {
        {kLogin + kStat, kAccepted + kQuit, {}},
        {kLogin + kStat, kRefusals, {}}, // later refusals are not shown
        {kRefusedLogin, {}, {}},
        {kLogin + kStat, {}, {"Server cannot be connected"}},
    };
    for (const auto& [pop3Script, smtpScript, messages] : rows) {
        Script journal, shown, expected;
        for (const std::string& step : pop3Script + smtpScript) {
            if (step.starts_with("C:"))
                expected.push_back(step.substr(2));
        }
        expected.push_back("closed"); // POP3, after the whole SMTP exchange
        ScriptedServer pop3(pop3Script, &journal), smtp(smtpScript, &journal);
        s.pop3Port = pop3.port();
        s.smtpPort = smtpScript.empty() ? ScriptedServer({}).port() : smtp.port();
        runTestMail(s, [&](const std::string& text) { shown.push_back(text); });
        pop3.finish();
        EXPECT_EQ(journal, expected);
        EXPECT_EQ(shown, messages);
    }
}

TEST(TestMail, EndsAtTheDeadlineOfTheWholeActionThoughEachReplyComesInTime)
{
    // Three replies 200 ms late, each in time: the login fails at the deadline of the whole.
    TestMailSettings s = kFixed;
    s.pop3Host = s.smtpHost = "127.0.0.1";
    s.overallTimeout = 350ms;
    ScriptedServer pop3(
        Script{"pause", kLogin[0], kLogin[1], "pause", kLogin[2], kLogin[3], "pause", kLogin[4]} +
        kStat);
    s.pop3Port = pop3.port();
    s.smtpPort = ScriptedServer({}).port(); // a login let through shows it cannot be connected
    runTestMail(s, [](const std::string& text) { ADD_FAILURE() << text; });
    pop3.finish(false);
}
