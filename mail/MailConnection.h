#pragma once

#include "mail/ReplyReader.h"
#include "mail/TcpSocket.h"

#include <chrono>
#include <string>

// What the POP3 and the SMTP client have in common: one blocking TCP connection, the reader of
// its replies, a deadline for connecting and one for each reply, and the text of the last
// failure. Failures leave an English text in m_strError and are never cleared; nothing is shown.
class MailConnection
{
public:
    // One connection, one socket: a copy would share neither.
    MailConnection(const MailConnection&) = delete;
    MailConnection& operator=(const MailConnection&) = delete;

    void setConnectTimeout(std::chrono::milliseconds timeout) { m_connectTimeout = timeout; }
    void setReplyTimeout(std::chrono::milliseconds timeout) { m_replyTimeout = timeout; }
    // A point in time no wait goes beyond, whatever its own time-out: a server that answers each
    // reply just in time would otherwise hold the caller for the sum of all of them.
    void setDeadline(TcpSocket::Clock::time_point deadline) { m_deadline = deadline; }

    std::string m_strError;

protected:
    enum class Framing
    {
        StatusLine, // POP3: one line
        SmtpReply   // SMTP: "ddd-" lines continue the reply
    };

    MailConnection() : m_reader(m_socket) {}
    // Closes the connection; neither protocol's goodbye is sent from here.
    ~MailConnection() = default;

    // Connects; bytes left unread from an earlier connection are dropped. The caller has
    // checked its arguments (refuseArgument) before, so a refused one never reaches the network.
    bool open(const std::string& host, unsigned short port);
    bool refuseArgument();
    bool sendCommand(const std::string& line);
    // Reads one whole reply into text. A reply that did not complete (peer closed, deadline,
    // too long) ends the connection and gives false.
    bool readReply(Framing framing, std::string& text);

private:
    // The time a wait may take: its own time-out, cut short by the deadline (none left: zero).
    std::chrono::milliseconds timeLeft(std::chrono::milliseconds timeout) const;

    TcpSocket m_socket;
    ReplyReader m_reader;
    std::chrono::milliseconds m_connectTimeout{15000};
    std::chrono::milliseconds m_replyTimeout{30000};
    TcpSocket::Clock::time_point m_deadline = TcpSocket::Clock::time_point::max();
};
