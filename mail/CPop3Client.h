#pragma once

#include "ReplyReader.h"
#include "TcpSocket.h"

#include <chrono>
#include <cstdint>
#include <string>

// A small POP3 client over one blocking TCP connection: log in with USER and PASS, ask for the
// mailbox status with STAT. Failures return false and leave an English text in m_strError;
// nothing is shown. Every connect and every reply wait has a deadline.
class CPop3Client
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

    CPop3Client() : m_reader(m_socket) {}
    // Closes the connection without a QUIT: the server simply sees it closed.
    virtual ~CPop3Client() = default;
    CPop3Client(const CPop3Client&) = delete;
    CPop3Client& operator=(const CPop3Client&) = delete;

    bool Connect(const std::string& host, const std::string& user, const std::string& password,
                 unsigned short port = kDefaultPort);
    bool Stat();

    // Reads one status line and judges it: positive only when it begins with "+OK".
    bool CheckReply(ReplyKind kind);

    void SetConnectTimeout(std::chrono::milliseconds timeout) { m_connectTimeout = timeout; }
    void SetReplyTimeout(std::chrono::milliseconds timeout) { m_replyTimeout = timeout; }

    std::string m_strError;
    std::int32_t m_nMailboxSize = 0;
    std::int32_t m_nMessageCount = 0;

private:
    bool SendCommand(const std::string& line);
    void ParseStatus(const std::string& reply);

    TcpSocket m_socket;
    ReplyReader m_reader;
    std::chrono::milliseconds m_connectTimeout{15000};
    std::chrono::milliseconds m_replyTimeout{30000};
};
