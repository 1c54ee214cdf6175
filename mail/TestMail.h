#pragma once

#include <chrono>
#include <functional>
#include <string>

// The test-mail action: log in to a POP3 server with the sender's mailbox (POP before SMTP),
// read the mailbox status, then hand one fixed message to an SMTP server of the same provider.
struct TestMailSettings
{
    std::string pop3Host;
    unsigned short pop3Port = 110;
    std::string smtpHost;
    unsigned short smtpPort = 25;
    std::string sender, password, recipient, subject, body;
    std::chrono::milliseconds connectTimeout{15000}, replyTimeout{30000};
    // The whole action ends by then, however each single wait fares against its own time-out.
    std::chrono::milliseconds overallTimeout{60000};
};

// The fixed values. They name only reserved example domains, so the action can never reach a
// real server; tests point hosts and ports at their own loopback servers.
TestMailSettings defaultTestMailSettings();

// Runs the action. The POP3 connection stays logged in during the whole SMTP exchange and is
// closed last, without QUIT. showMessage is called at most once, with the SMTP client's error
// text, when the SMTP connect, greeting or HELO fails; every other failure is silent.
void runTestMail(const TestMailSettings& settings,
                 const std::function<void(const std::string&)>& showMessage);
