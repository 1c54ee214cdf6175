#include "MailConnection.h"

bool MailConnection::Open(const std::string& host, unsigned short port)
{
    m_reader.Reset();
    if (!m_socket.Connect(host, port, m_connectTimeout)) {
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
    return m_socket.SendAll(line, m_replyTimeout);
}

bool MailConnection::ReadReply(Framing framing, std::string& text)
{
    ReplyReader::Reply reply = framing == Framing::StatusLine
                                   ? m_reader.ReadLine(m_replyTimeout)
                                   : m_reader.ReadSmtpReply(m_replyTimeout);
    if (reply.outcome != ReplyReader::Outcome::Complete) {
        // Whatever might still come could not be matched to its command any more.
        m_socket.Close();
        return false;
    }
    text = std::move(reply.text);
    return true;
}
