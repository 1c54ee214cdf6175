#include "mail/MailConnection.h"

#include <algorithm>

bool MailConnection::Open(const std::string& host, unsigned short port)
{
    m_reader.Reset();
    if (!m_socket.Connect(host, port, TimeLeft(m_connectTimeout))) {
        m_strError = "Server cannot be connected";
        return false;
    }
    return true;
}

bool MailConnection::RefuseArgument()
{
    m_strError = "Invalid argument";
    return false;
}

bool MailConnection::SendCommand(const std::string& line)
{
    // A failed send needs no report of its own: the reply check that follows fails.
    return m_socket.SendAll(line, TimeLeft(m_replyTimeout));
}

bool MailConnection::ReadReply(Framing framing, std::string& text)
{
    const std::chrono::milliseconds timeout = TimeLeft(m_replyTimeout);
    ReplyReader::Reply reply = framing == Framing::StatusLine ? m_reader.ReadLine(timeout)
                                                              : m_reader.ReadSmtpReply(timeout);
    if (reply.outcome != ReplyReader::Outcome::Complete) {
        // Whatever might still come could not be matched to its command any more.
        m_socket.Close();
        return false;
    }
    text = std::move(reply.text);
    return true;
}

std::chrono::milliseconds MailConnection::TimeLeft(std::chrono::milliseconds timeout) const
{
    if (m_deadline == TcpSocket::Clock::time_point::max())
        return timeout;
    // Rounded up, so a wait ends at the deadline rather than just before it.
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(m_deadline - TcpSocket::Clock::now());
    return std::min(timeout, std::max(left, std::chrono::milliseconds::zero()));
}
