#include "mail/CSmtpClient.h"

#include <string_view>

namespace {

int expectedCode(CSmtpClient::ReplyKind kind)
{
    switch (kind) {
    case CSmtpClient::kGreeting:
        return 220;
    case CSmtpClient::kHelo:
    case CSmtpClient::kMailFrom:
    case CSmtpClient::kRcptTo:
    case CSmtpClient::kEndOfMessage:
        return 250;
    case CSmtpClient::kQuit:
        return 221;
    case CSmtpClient::kData:
        return 354;
    }
    return -1;
}

// The reply code: the first three characters read as a decimal number the way atoi reads them
// (leading blanks skipped, an optional sign, stop at the first non-digit, 0 without digits).
int replyCode(std::string_view line)
{
    line = line.substr(0, 3);
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    int value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        value = value * 10 + (line[i] - '0');
    return negative ? -value : value;
}

// Start of the last line of a reply that ends with a line end.
std::string_view lastLine(std::string_view reply)
{
    std::string_view body = reply;
    if (!body.empty() && body.back() == '\n')
        body.remove_suffix(1);
    const std::size_t lf = body.rfind('\n');
    return lf == std::string_view::npos ? reply : reply.substr(lf + 1);
}

} // namespace

bool CSmtpClient::Connect(const std::string& host, const std::string& heloName, unsigned short port)
{
    if (!fitsCommandLine(host, host.size()) || !fitsCommandLine(heloName, kMaxHeloName))
        return refuseArgument();
    if (!open(host, port) || !CheckReply(kGreeting))
        return false;
    sendCommand("HELO " + heloName + "\r\n");
    return CheckReply(kHelo);
}

bool CSmtpClient::MailFrom(const std::string& sender)
{
    if (!fitsCommandLine(sender, kMaxSender))
        return refuseArgument();
    sendCommand("MAIL From:<" + sender + ">\r\n");
    return CheckReply(kMailFrom);
}

bool CSmtpClient::RcptTo(const std::string& recipient)
{
    // Every address asked for is recorded, accepted or not.
    m_arrRecipients.push_back(recipient);
    if (!fitsCommandLine(recipient, kMaxRecipient))
        return refuseArgument();
    sendCommand("RCPT TO:<" + recipient + ">\r\n");
    return CheckReply(kRcptTo);
}

bool CSmtpClient::Data(const std::string& subject, const std::string& body)
{
    // Line breaks in the body are allowed (they become CR LF), a NUL is not.
    if (!fitsCommandLine(subject, kMaxSubject) || body.size() > kMaxBody ||
        body.find('\0') != std::string::npos)
        return refuseArgument();
    sendCommand("DATA\r\n");
    if (!CheckReply(kData))
        return false;
    sendCommand(formatSmtpMessage(subject, body));
    return CheckReply(kEndOfMessage);
}

bool CSmtpClient::Quit()
{
    sendCommand("QUIT \r\n");
    return CheckReply(kQuit);
}

const char* const CSmtpClient::kNoWholeReply =
    "Der Mailserver hat nicht vollst\xe4ndig geantwortet: Die Verbindung wurde beendet, oder die "
    "Wartezeit ist abgelaufen.";

bool CSmtpClient::CheckReply(ReplyKind kind)
{
    std::string reply;
    if (!readReply(Framing::SmtpReply, reply)) {
        // No whole reply: the meaning of a code that never came would be an empty sentence, so
        // the user is told what happened instead (Windows-1252, as every text of the clients).
        m_strError = kNoWholeReply;
        return false;
    }
    if (replyCode(lastLine(reply)) == expectedCode(kind))
        return true;
    m_strError = ReplyText(reply);
    return false;
}

std::string CSmtpClient::ReplyText(const std::string& reply)
{
    static const struct
    {
        std::string_view code;
        const char* text;
    } kMeanings[] = {
        {"211", "System status or system help reply"},
        {"214", "Help Message"},
        {"220", "Service is ready"},
        {"221", "Service closing transmission channel"},
        {"250", "Requested mail action okay, completed"},
        {"251", "user not local: will forward to forward path"},
        {"354", "Start mail input; end with <CRLF>.<CRLF>"},
    };
    for (const auto& meaning : kMeanings) {
        if (std::string_view(reply).substr(0, 3) == meaning.code)
            return meaning.text;
    }
    return "No Error Number is matched with " + reply;
}

std::string formatSmtpMessage(const std::string& subject, const std::string& body)
{
    std::string message = "SUBJECT:" + subject + "\r\n";
    bool lineStart = true;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\r' || c == '\n') {
            // CR LF, a bare CR and a bare LF each end one line.
            if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n')
                ++i;
            message += "\r\n";
            lineStart = true;
            continue;
        }
        if (lineStart && c == '.')
            message += '.';
        message += c;
        lineStart = false;
    }
    message += "\r\n.\r\n";
    return message;
}
