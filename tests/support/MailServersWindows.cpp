// The Windows build's MailServers: a test program under Wine cannot start Linux's Dovecot and
// aiosmtpd itself, so tests/support/with-mail-servers.sh starts them on 127.0.0.1 around the test
// program and names them in ZANDREL_MAIL_SERVERS: "<POP3 port> <SMTP port> <password> <file that
// receives each delivered message>".
#include "MailServers.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

MailServers::MailServers() : settings(defaultTestMailSettings())
{
    const char* given = std::getenv("ZANDREL_MAIL_SERVERS");
    if (!given)
        throw std::runtime_error("ZANDREL_MAIL_SERVERS is not set: run the test through "
                                 "tests/support/with-mail-servers.sh");
    std::istringstream in(given);
    settings.pop3Host = settings.smtpHost = "127.0.0.1";
    if (!(in >> settings.pop3Port >> settings.smtpPort >> settings.password >> m_dir))
        throw std::runtime_error(std::string("ZANDREL_MAIL_SERVERS unreadable: ") + given);
}

std::string MailServers::delivered() const
{
    std::ifstream in(m_dir, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void MailServers::stop() {}
