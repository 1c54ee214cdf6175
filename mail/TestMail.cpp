#include "TestMail.h"

#include "CPop3Client.h"
#include "CSmtpClient.h"

TestMailSettings DefaultTestMailSettings()
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

void RunTestMail(const TestMailSettings& settings,
                 const std::function<void(const std::string&)>& showMessage)
{
    CPop3Client pop3;
    pop3.SetConnectTimeout(settings.connectTimeout);
    pop3.SetReplyTimeout(settings.replyTimeout);
    // The sender's mailbox is the POP3 account; a refused login ends the action silently.
    if (!pop3.Connect(settings.pop3Host, settings.sender, settings.password, settings.pop3Port))
        return;
    pop3.Stat();

    // Declared after pop3, so it is destroyed first: the POP3 session outlives the SMTP one.
    CSmtpClient smtp;
    smtp.SetConnectTimeout(settings.connectTimeout);
    smtp.SetReplyTimeout(settings.replyTimeout);
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
