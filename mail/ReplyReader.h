#pragma once

#include "mail/TcpSocket.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Reads whole server replies from a TcpSocket. A reply may arrive in any number of pieces, and
// bytes that arrive after its end belong to the next reply, so they are kept for it.
class ReplyReader
{
public:
    // Longest reply accepted, line ends included. A server that sends more without finishing
    // its reply is broken or hostile; reading stops there, so memory stays bounded.
    static constexpr std::size_t kMaxReplySize = 64 * 1024;

    enum class Outcome
    {
        Complete,
        Incomplete, // the peer closed, the receive failed or the deadline passed first
        TooLong
    };

    struct Reply
    {
        std::string text; // the reply as received, line ends included
        Outcome outcome = Outcome::Incomplete;
    };

    explicit ReplyReader(TcpSocket& socket) : m_socket(socket) {}

    // One line, up to and including its LF (a POP3 status line).
    Reply readLine(std::chrono::milliseconds timeout);

    // A whole SMTP reply: lines "ddd-text" continue it, the first other line ends it.
    Reply readSmtpReply(std::chrono::milliseconds timeout);

    // Forgets bytes kept from an earlier connection.
    void reset() { m_pending.clear(); }

private:
    template <typename IsLastLine>
    Reply read(std::chrono::milliseconds timeout, IsLastLine isLastLine);

    TcpSocket& m_socket;
    std::string m_pending;
};

// True when text may stand inside a command line: no CR, LF or NUL (which would end the line
// early or smuggle a second command) and at most maxLength characters.
bool fitsCommandLine(std::string_view text, std::size_t maxLength);
