#include "mail/MailConnection.h"

#include <algorithm>

bool MailConnection::open(const std::string& host, unsigned short port)
{
    m_reader.reset();
    if (!m_socket.Connect(host, port, timeLeft(m_connectTimeout))) {
        m_strError = "Server cannot be connected";
        return false;
    }
    return true;
}

bool MailConnection::refuseArgument()
{
    m_strError = "Invalid argument";
    return false;
}

bool MailConnection::sendCommand(const std::string& line)
{
    // A failed send needs no report of its own: the reply check that follows fails.
    return m_socket.sendAll(line, timeLeft(m_replyTimeout));
}

bool MailConnection::readReply(Framing framing, std::string& text)
{
    const std::chrono::milliseconds timeout = timeLeft(m_replyTimeout);
    ReplyReader::Reply reply = framing == Framing::StatusLine ? m_reader.readLine(timeout)
                                                              : m_reader.readSmtpReply(timeout);
    if (reply.outcome != ReplyReader::Outcome::Complete) {
        // Whatever might still come could not be matched to its command any more.
        m_socket.close();
        return false;
    }
    text = std::move(reply.text);
    return true;
}

std::chrono::milliseconds MailConnection::timeLeft(std::chrono::milliseconds timeout) const
{
    if (m_deadline == TcpSocket::Clock::time_point::max())
        return timeout;
    // Rounded up, so a wait ends at the deadline rather than just before it.
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(m_deadline - TcpSocket::Clock::now());
    return std::min(timeout, std::max(left, std::chrono::milliseconds::zero()));
}
