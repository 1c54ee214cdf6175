#include "TestMail.h"

#include "ScriptedServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

bool IsReservedDomain(const std::string& domain)
{
    auto endsWith = [&](const std::string& suffix) {
        return domain.size() >= suffix.size() &&
               domain.compare(domain.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    for (const char* base : {"example.org", "example.net", "example.com", "example", "invalid"}) {
        if (domain == base || endsWith(std::string(".") + base))
            return true;
    }
    return false;
}

std::string DomainOf(const std::string& address)
{
    return address.substr(address.find('@') + 1);
}

TestMailSettings LoopbackSettings(unsigned short pop3Port, unsigned short smtpPort)
{
    TestMailSettings settings = DefaultTestMailSettings();
    settings.pop3Host = "127.0.0.1";
    settings.pop3Port = pop3Port;
    settings.smtpHost = "127.0.0.1";
    settings.smtpPort = smtpPort;
    settings.connectTimeout = 2s;
    settings.replyTimeout = 2s;
    return settings;
}

void ScriptPop3Login(ScriptedServer& pop3, const TestMailSettings& s)
{
    pop3.Send("+OK ready\r\n")
        .Expect("USER " + s.sender)
        .Send("+OK\r\n")
        .Expect("PASS " + s.password)
        .Send("+OK logged in\r\n")
        .Expect("STAT ")
        .Send("+OK 2 320\r\n");
}

struct MessageLog
{
    std::vector<std::string> shown;
    std::function<void(const std::string&)> Recorder()
    {
        return [this](const std::string& text) { shown.push_back(text); };
    }
};

} // namespace

TEST(TestMail, FixedValuesKeepTheirFormsAndNameOnlyReservedDomains)
{
    const TestMailSettings s = DefaultTestMailSettings();
    EXPECT_EQ(s.pop3Host.size(), 11u);
    EXPECT_EQ(s.smtpHost.size(), 12u);
    EXPECT_EQ(s.sender.size(), 18u);
    EXPECT_EQ(s.password.size(), 15u);
    EXPECT_EQ(s.recipient.size(), 23u);
    EXPECT_EQ(s.subject, "test message");
    EXPECT_EQ(s.body, "This is a test message ... ");
    EXPECT_EQ(s.body.size(), 27u);
    EXPECT_EQ(s.pop3Port, 110);
    EXPECT_EQ(s.smtpPort, 25);
    EXPECT_EQ(s.connectTimeout, 15s);
    EXPECT_EQ(s.replyTimeout, 30s);
    for (const std::string& domain :
         {s.pop3Host, s.smtpHost, DomainOf(s.sender), DomainOf(s.recipient)})
        EXPECT_TRUE(IsReservedDomain(domain)) << domain;
    // Sender at the provider of both hosts, recipient at another domain.
    const std::string provider = DomainOf(s.sender);
    EXPECT_TRUE(s.pop3Host.ends_with("." + provider));
    EXPECT_TRUE(s.smtpHost.ends_with("." + provider));
    EXPECT_NE(DomainOf(s.recipient), provider);
}

TEST(TestMail, WholeRunKeepsPop3LoggedInUntilTheSmtpExchangeHasEnded)
{
    ScriptedServer pop3, smtp;
    const TestMailSettings s = LoopbackSettings(pop3.port(), smtp.port());
    ScriptPop3Login(pop3, s);
    pop3.ExpectClosed();
    bool pop3StillOpenAtQuit = false;
    smtp.Send("220 ready\r\n")
        .Expect("HELO " + s.sender)
        .Send("250 hello\r\n")
        .Expect("MAIL From:<" + s.sender + ">")
        .Send("250 ok\r\n")
        .Expect("RCPT TO:<" + s.recipient + ">")
        .Send("250 ok\r\n")
        .Expect("DATA")
        .Send("354 go\r\n")
        .Expect("SUBJECT:test message")
        .Expect("This is a test message ... ")
        .Expect(".")
        .Send("250 queued\r\n")
        .Expect("QUIT ")
        // The client waits for this reply, so its POP3 session must still be open now.
        .Call([&] { pop3StillOpenAtQuit = pop3.ClientConnected(); })
        .Send("221 bye\r\n")
        .ExpectClosed();
    pop3.Start();
    smtp.Start();
    MessageLog log;
    RunTestMail(s, log.Recorder());
    EXPECT_TRUE(log.shown.empty());
    EXPECT_TRUE(pop3.Finish());
    EXPECT_TRUE(smtp.Finish());
    EXPECT_TRUE(pop3StillOpenAtQuit);
}

TEST(TestMail, RefusedPop3LoginEndsSilentlyWithoutSmtp)
{
    for (const char* passReply : {"-ERR invalid password\r\n", ""}) {
        SCOPED_TRACE(passReply);
        ScriptedServer pop3, smtp;
        const TestMailSettings s = LoopbackSettings(pop3.port(), smtp.port());
        pop3.Send("+OK ready\r\n")
            .Expect("USER " + s.sender)
            .Send("+OK\r\n")
            .Expect("PASS " + s.password)
            .Send(passReply)
            .ExpectClosed();
        pop3.Start();
        MessageLog log;
        // An unanswered PASS ends the action at the reply deadline.
        TestMailSettings quick = s;
        quick.replyTimeout = 300ms;
        RunTestMail(quick, log.Recorder());
        EXPECT_TRUE(log.shown.empty());
        EXPECT_FALSE(smtp.ConnectionWaiting());
        EXPECT_TRUE(pop3.Finish());
    }
}

TEST(TestMail, FailedSmtpConnectShowsOneMessage)
{
    struct Case
    {
        const char* greeting; // nullptr: nothing listens on the SMTP port
        std::string shown;
    } cases[] = {
        {nullptr, "Server cannot be connected"},
        {"554 no service\r\n", "No Error Number is matched with 554 no service\r\n"},
        {"", "No Error Number is matched with "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        ScriptedServer pop3, smtp;
        const TestMailSettings s =
            LoopbackSettings(pop3.port(), c.greeting ? smtp.port() : UnusedLoopbackPort());
        ScriptPop3Login(pop3, s);
        pop3.ExpectClosed();
        if (c.greeting) {
            smtp.Send(c.greeting).Close();
            smtp.Start();
        }
        pop3.Start();
        MessageLog log;
        RunTestMail(s, log.Recorder());
        EXPECT_EQ(log.shown, std::vector<std::string>{c.shown});
        EXPECT_TRUE(pop3.Finish());
        if (c.greeting) {
            EXPECT_TRUE(smtp.Finish());
        }
    }
}

TEST(TestMail, LaterSmtpRefusalsAreSilentAndEveryStepIsSent)
{
    ScriptedServer pop3, smtp;
    const TestMailSettings s = LoopbackSettings(pop3.port(), smtp.port());
    ScriptPop3Login(pop3, s);
    pop3.ExpectClosed();
    smtp.Send("220 ready\r\n")
        .Expect("HELO " + s.sender)
        .Send("250 hello\r\n")
        .Expect("MAIL From:<" + s.sender + ">")
        .Send("250 ok\r\n")
        .Expect("RCPT TO:<" + s.recipient + ">")
        .Send("550 no such user\r\n")
        .Expect("DATA")
        .Send("554 no valid recipients\r\n")
        .Expect("QUIT ")
        .Send("221 bye\r\n")
        .ExpectClosed();
    pop3.Start();
    smtp.Start();
    MessageLog log;
    RunTestMail(s, log.Recorder());
    EXPECT_TRUE(log.shown.empty());
    EXPECT_TRUE(pop3.Finish());
    EXPECT_TRUE(smtp.Finish());
}
