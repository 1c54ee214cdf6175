#pragma once

#include "mail/MailConnection.h"

#include <cstdint>
#include <string>

// A small POP3 client over one blocking TCP connection: log in with USER and PASS, ask for the
// mailbox status with STAT. Failures return false and leave an English text in m_strError;
// nothing is shown. Every connect and every reply wait has a deadline.
class CPop3Client : public MailConnection
{
public:
    enum ReplyKind : int
    {
        kGreeting = 0,
        kUser = 1,
        kPass = 2,
        kStat = 6
    };

    // "USER " / "PASS " and CR LF must fit a command line of 512 bytes with its terminating zero.
    static constexpr std::size_t kMaxArgument = 504;
    static constexpr unsigned short kDefaultPort = 110;

    CPop3Client() = default;
    // Closes the connection without a QUIT: the server simply sees it closed.
    virtual ~CPop3Client() = default;

    bool Connect(const std::string& host, const std::string& user, const std::string& password,
                 unsigned short port = kDefaultPort);
    bool Stat();

    // Reads one status line and judges it: positive only when it begins with "+OK".
    bool CheckReply(ReplyKind kind);

    std::int32_t m_nMailboxSize = 0;
    std::int32_t m_nMessageCount = 0;

private:
    void ParseStatus(const std::string& reply);
};
