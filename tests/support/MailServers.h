#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// Real mail servers on 127.0.0.1 for integration tests, each started by the test as a child
// process with its own files in a temporary folder, and stopped (by process id) and cleaned
// up when the object goes. Start() throws std::runtime_error, with the server's log, when the
// server does not come up. IsInstalled() tells whether the server program exists at all, so a
// test can skip where it truly is missing:
//
//   if (!Pop3TestServer::IsInstalled()) GTEST_SKIP() << "dovecot-pop3d is not installed";
//   auto pop3 = Pop3TestServer::Start("anna", "geheim", {"Subject: eins\n\nHallo\n"});
//   auto smtp = SmtpTestServer::Start(pop3->port());
//   ... client against pop3->port() and smtp->port() ...
//   smtp->Received()

namespace mailtest {

// A started child process whose standard output and error are collected.
class ChildProcess
{
public:
    ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir);
    ~ChildProcess(); // SIGTERM, then waits for the process
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits until the output holds marker; returns the output line that holds it, or throws
    // when the process ends or the wait takes longer than timeoutMs.
    std::string WaitForLine(const std::string& marker, int timeoutMs);
    std::string Output() const;
    pid_t pid() const { return m_pid; }

private:
    void Drain();

    pid_t m_pid = -1;
    int m_outFd = -1;
    int m_stopFd[2] = {-1, -1};
    std::thread m_drain;
    mutable std::mutex m_mutex;
    std::condition_variable m_outputChanged;
    std::string m_output;
    bool m_ended = false;
};

} // namespace mailtest

// Dovecot serving POP3 for one passwd-file user whose Maildir holds known messages. Failed
// logins are answered at once (no authentication failure delay).
class Pop3TestServer
{
public:
    static bool IsInstalled();
    // user and password must not hold ':' or line breaks (the passwd-file format).
    static std::unique_ptr<Pop3TestServer> Start(const std::string& user,
                                                 const std::string& password,
                                                 const std::vector<std::string>& messages);
    ~Pop3TestServer();

    unsigned short port() const { return m_port; }
    // What STAT must report: the number of messages and their size in octets, counted with
    // CR LF line ends as POP3 delivers them.
    std::int32_t MessageCount() const { return m_messageCount; }
    std::int32_t MailboxSize() const { return m_mailboxSize; }
    std::string Log() const;

private:
    Pop3TestServer() = default;

    std::string m_dir;
    unsigned short m_port = 0;
    std::int32_t m_messageCount = 0;
    std::int32_t m_mailboxSize = 0;
    std::unique_ptr<mailtest::ChildProcess> m_process;
};

// aiosmtpd that accepts everything and records each command with its argument, and the
// message data exactly as it arrived (dot-stuffing already undone).
class SmtpTestServer
{
public:
    struct Record
    {
        std::string command;  // "HELO", "MAIL", "RCPT", "DATA" or "QUIT"
        std::string argument; // name, address or message data; empty for QUIT
        bool operator==(const Record&) const = default;
    };

    static bool IsInstalled();
    // With watchPort, the server notes at QUIT how many client connections to that port are
    // open (see WatchedConnectionsAtQuit).
    static std::unique_ptr<SmtpTestServer> Start(unsigned short watchPort = 0);
    ~SmtpTestServer();

    unsigned short port() const { return m_port; }
    std::vector<Record> Received() const;
    // -1 while no QUIT was seen or nothing is watched.
    int WatchedConnectionsAtQuit() const;
    std::string Log() const;

private:
    SmtpTestServer() = default;
    std::vector<Record> ReadRecords() const;

    std::string m_dir;
    std::string m_recordPath;
    unsigned short m_port = 0;
    std::unique_ptr<mailtest::ChildProcess> m_process;
};
