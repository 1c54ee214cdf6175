#pragma once

#include "mail/MailConnection.h"

#include <string>
#include <vector>

// A small SMTP client over one blocking TCP connection: HELO, MAIL From, RCPT TO, DATA with a
// subject line and a body, QUIT. Each command reads one whole reply and compares its code with
// the one the command expects; a mismatch keeps an English explanation for GetError. Every step
// sends its command whatever the previous one returned; nothing is shown.
class CSmtpClient : public MailConnection
{
public:
    enum ReplyKind : int
    {
        kGreeting = 0,
        kHelo = 1,
        kMailFrom = 2,
        kRcptTo = 3,
        kEndOfMessage = 5,
        kQuit = 6,
        kData = 7
    };

    // Longest arguments, from command lines of 512 bytes (HELO) and 256 bytes (all others)
    // with their terminating zero.
    static constexpr std::size_t kMaxHeloName = 504;
    static constexpr std::size_t kMaxSender = 241;
    static constexpr std::size_t kMaxRecipient = 243;
    static constexpr std::size_t kMaxSubject = 245;
    static constexpr std::size_t kMaxBody = 253;
    static constexpr unsigned short kDefaultPort = 25;
    /// The error when no whole reply came (connection closed, deadline reached, reply too long).
    static const char* const kNoWholeReply;

    CSmtpClient() = default;
    // Closes the connection; no QUIT is sent from here.
    virtual ~CSmtpClient() = default;

    bool Connect(const std::string& host, const std::string& heloName,
                 unsigned short port = kDefaultPort);
    bool MailFrom(const std::string& sender);
    bool RcptTo(const std::string& recipient);
    bool Data(const std::string& subject, const std::string& body);
    bool Quit();
    std::string GetError() const { return m_strError; }

    // Reads one whole reply; true when the code of its last line is the one kind expects.
    bool CheckReply(ReplyKind kind);
    // What a reply means, judged by the code it begins with.
    static std::string ReplyText(const std::string& reply);

    std::vector<std::string> m_arrRecipients;
};

// The message text after DATA: "SUBJECT:" + subject, the body, and the closing ".", each line
// ended by CR LF. Every line break of the body becomes CR LF and a body line that begins with
// "." gets a second one, so the body can neither end the message early nor smuggle commands.
std::string formatSmtpMessage(const std::string& subject, const std::string& body);
