#include "mail/ReplyReader.h"

#include <algorithm>

namespace {

constexpr std::size_t kReceiveChunk = 4096;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

template <typename IsLastLine>
ReplyReader::Reply ReplyReader::read(std::chrono::milliseconds timeout, IsLastLine isLastLine)
{
    const TcpSocket::Clock::time_point deadline = TcpSocket::Clock::now() + timeout;
    std::size_t lineStart = 0;
    for (;;) {
        for (std::size_t lf = m_pending.find('\n', lineStart); lf != std::string::npos;
             lf = m_pending.find('\n', lineStart)) {
            const std::size_t lineEnd = lf + 1;
            if (lineEnd > kMaxReplySize) {
                m_pending.clear();
                return {std::string(), Outcome::TooLong};
            }
            const bool last =
                isLastLine(std::string_view(m_pending).substr(lineStart, lineEnd - lineStart));
            lineStart = lineEnd;
            if (last) {
                Reply reply{m_pending.substr(0, lineEnd), Outcome::Complete};
                m_pending.erase(0, lineEnd);
                return reply;
            }
        }
        if (m_pending.size() >= kMaxReplySize) {
            m_pending.clear();
            return {std::string(), Outcome::TooLong};
        }

        char chunk[kReceiveChunk];
        const TcpSocket::Received received = m_socket.receive(chunk, sizeof chunk, deadline);
        if (received.count > 0)
            m_pending.append(chunk, received.count);
        if (received.status != TcpSocket::Status::Ok || received.count == 0) {
            Reply partial{std::move(m_pending), Outcome::Incomplete};
            m_pending.clear();
            return partial;
        }
    }
}

ReplyReader::Reply ReplyReader::readLine(std::chrono::milliseconds timeout)
{
    return read(timeout, [](std::string_view) { return true; });
}

ReplyReader::Reply ReplyReader::readSmtpReply(std::chrono::milliseconds timeout)
{
    return read(timeout, [](std::string_view line) {
        const bool continued = line.size() >= 4 && isDigit(line[0]) && isDigit(line[1]) &&
                               isDigit(line[2]) && line[3] == '-';
        return !continued;
    });
}

bool fitsCommandLine(std::string_view text, std::size_t maxLength)
{
    return text.size() <= maxLength && std::none_of(text.begin(), text.end(), [](char c) {
               return c == '\r' || c == '\n' || c == '\0';
           });
}
