#include "mail/CPop3Client.h"

#include <cctype>
#include <charconv>
#include <string_view>

namespace {

const char* failureText(CPop3Client::ReplyKind kind)
{
    switch (kind) {
    case CPop3Client::kGreeting:
        return "Bad Connection";
    case CPop3Client::kUser:
        return "Bad User Name";
    case CPop3Client::kPass:
        return "Bad Password Name";
    case CPop3Client::kStat:
        return "Error occured during STAT";
    }
    return "Bad Connection";
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool beginsWithOk(std::string_view reply)
{
    return reply.size() >= 3 && reply[0] == '+' &&
           std::toupper(static_cast<unsigned char>(reply[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(reply[2])) == 'K';
}

} // namespace

bool CPop3Client::Connect(const std::string& host, const std::string& user,
                          const std::string& password, unsigned short port)
{
    // Refuse what could end a command line early before anything reaches the server.
    if (!fitsCommandLine(host, host.size()) || !fitsCommandLine(user, kMaxArgument) ||
        !fitsCommandLine(password, kMaxArgument)) {
        return refuseArgument();
    }
    if (!open(host, port) || !CheckReply(kGreeting))
        return false;
    sendCommand("USER " + user + "\r\n");
    if (!CheckReply(kUser))
        return false;
    sendCommand("PASS " + password + "\r\n");
    return CheckReply(kPass);
}

bool CPop3Client::Stat()
{
    sendCommand("STAT \r\n");
    return CheckReply(kStat);
}

bool CPop3Client::CheckReply(ReplyKind kind)
{
    std::string reply;
    if (!readReply(Framing::StatusLine, reply) || !beginsWithOk(reply)) {
        m_strError = failureText(kind);
        return false;
    }
    if (kind == kStat)
        ParseStatus(reply);
    return true;
}

// "+OK count size": the first two whitespace-separated numbers after "+OK". A number that is
// missing or not a plain 32-bit decimal leaves its member as it was.
void CPop3Client::ParseStatus(const std::string& reply)
{
    std::string_view rest = std::string_view(reply).substr(3);
    std::int32_t* const targets[] = {&m_nMessageCount, &m_nMailboxSize};
    for (std::int32_t* target : targets) {
        std::size_t start = 0;
        while (start < rest.size() && isBlank(rest[start]))
            ++start;
        std::size_t end = start;
        while (end < rest.size() && !isBlank(rest[end]))
            ++end;
        const std::string_view token = rest.substr(start, end - start);
        if (token.empty())
            return;
        std::int32_t value = 0;
        const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec != std::errc() || ptr != token.data() + token.size() || token[0] == '-')
            return;
        *target = value;
        rest = rest.substr(end);
    }
}
