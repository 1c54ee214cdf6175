#include "mail/TestMail.h"

#include "mail/CPop3Client.h"
#include "mail/CSmtpClient.h"

TestMailSettings defaultTestMailSettings()
{
    TestMailSettings settings;
    settings.pop3Host = "pop.example";
    settings.smtpHost = "smtp.example";
    settings.sender = "teilnehmer@example";
    settings.password = "Test-Kennwort-1";
    settings.recipient = "anmeldungen@example.org";
    settings.subject = "test message";
    settings.body = "This is a test message ... ";
    return settings;
}

void runTestMail(const TestMailSettings& settings,
                 const std::function<void(const std::string&)>& showMessage)
{
    const TcpSocket::Clock::time_point deadline = TcpSocket::Clock::now() + settings.overallTimeout;
    const auto limit = [&](MailConnection& client) {
        client.setConnectTimeout(settings.connectTimeout);
        client.setReplyTimeout(settings.replyTimeout);
        client.setDeadline(deadline);
    };
    CPop3Client pop3;
    limit(pop3);
    // The sender's mailbox is the POP3 account; a refused login ends the action silently.
    if (!pop3.Connect(settings.pop3Host, settings.sender, settings.password, settings.pop3Port))
        return;
    pop3.Stat();

    // Declared after pop3, so it is destroyed first: the POP3 session outlives the SMTP one.
    CSmtpClient smtp;
    limit(smtp);
    if (!smtp.Connect(settings.smtpHost, settings.sender, settings.smtpPort)) {
        if (showMessage)
            showMessage(smtp.GetError());
        return;
    }
    smtp.MailFrom(settings.sender);
    smtp.RcptTo(settings.recipient);
    smtp.Data(settings.subject, settings.body);
    smtp.Quit();
}
