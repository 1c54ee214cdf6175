#pragma once

#include "mail/TestMail.h"

#include <string>
#include <unistd.h>
#include <vector>

// Dovecot (POP3) and aiosmtpd on 127.0.0.1, started as child processes of the test with their
// files in a temporary folder and stopped by process id when the object goes; no system service
// is touched. The constructor throws, with Dovecot's log, when a server does not come up.
class MailServers
{
public:
    // The one message in the mailbox, which any user name with settings.password opens.
    static constexpr std::string_view kMessage = "Subject: Plan\r\n\r\nStart 9 Uhr.\r\n";

    MailServers();
    MailServers(const MailServers&) = delete;
    ~MailServers() { stop(); }
    std::string delivered() const; // the data of every message aiosmtpd took, as it arrived

    TestMailSettings settings; // defaultTestMailSettings() pointed at these servers

private:
    void start(const std::string& command, unsigned short port);
    void stop();

    std::string m_dir;
    std::vector<pid_t> m_children;
};
