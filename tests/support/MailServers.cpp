#include "MailServers.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef ZANDREL_SMTP_RECORDER
#error "ZANDREL_SMTP_RECORDER must name smtp_recorder.py"
#endif

namespace fs = std::filesystem;

namespace {

const char* const kDovecot = "/usr/sbin/dovecot";
const char* const kDovecotPop3 = "/usr/lib/dovecot/pop3";
const char* const kPython = "/usr/bin/python3";

std::string MakeTempDir(const std::string& prefix)
{
    std::string pattern = (fs::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    // The server's unprivileged processes must be able to pass through.
    ::chmod(pattern.c_str(), 0755);
    return pattern;
}

unsigned short FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw std::runtime_error("no free loopback port");
    }
    ::close(fd);
    return ntohs(address.sin_port);
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

bool HasPasswdFileSeparator(const std::string& text)
{
    return text.find_first_of(":\r\n") != std::string::npos;
}

} // namespace

namespace mailtest {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(m_stopFd, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(out[1], STDERR_FILENO);
        const int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0)
            ::dup2(devNull, STDIN_FILENO);
        if (::chdir(workingDir.c_str()) != 0)
            ::_exit(126);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    m_outFd = out[0];
    m_drain = std::thread([this] { Drain(); });
}

ChildProcess::~ChildProcess()
{
    ::kill(m_pid, SIGTERM);
    // Wait for the exit through a process descriptor, with a last resort for a server that
    // ignores SIGTERM.
    const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0));
    if (pidFd >= 0) {
        pollfd p{pidFd, POLLIN, 0};
        if (::poll(&p, 1, 10000) == 0)
            ::kill(m_pid, SIGKILL);
        ::close(pidFd);
    }
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    const char stop = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_stopFd[1], &stop, 1);
    m_drain.join();
    ::close(m_outFd);
    ::close(m_stopFd[0]);
    ::close(m_stopFd[1]);
}

void ChildProcess::Drain()
{
    char chunk[4096];
    for (;;) {
        pollfd fds[2] = {{m_outFd, POLLIN, 0}, {m_stopFd[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0)
            break;
        const ssize_t count = ::read(m_outFd, chunk, sizeof chunk);
        if (count <= 0)
            break;
        std::lock_guard lock(m_mutex);
        m_output.append(chunk, static_cast<std::size_t>(count));
        m_outputChanged.notify_all();
    }
    std::lock_guard lock(m_mutex);
    m_ended = true;
    m_outputChanged.notify_all();
}

std::string ChildProcess::WaitForLine(const std::string& marker, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    std::size_t found = std::string::npos;
    const bool seen = m_outputChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        found = m_output.find(marker);
        const bool wholeLine =
            found != std::string::npos && m_output.find('\n', found) != std::string::npos;
        return wholeLine || m_ended;
    });
    if (!seen || found == std::string::npos)
        throw std::runtime_error("server did not start:\n" + m_output);
    const std::size_t begin = m_output.rfind('\n', found);
    const std::size_t start = begin == std::string::npos ? 0 : begin + 1;
    return m_output.substr(start, m_output.find('\n', found) - start);
}

std::string ChildProcess::Output() const
{
    std::lock_guard lock(m_mutex);
    return m_output;
}

} // namespace mailtest

bool Pop3TestServer::IsInstalled()
{
    return ::access(kDovecot, X_OK) == 0 && ::access(kDovecotPop3, X_OK) == 0;
}

std::unique_ptr<Pop3TestServer> Pop3TestServer::Start(const std::string& user,
                                                      const std::string& password,
                                                      const std::vector<std::string>& messages)
{
    if (user.empty() || HasPasswdFileSeparator(user) || HasPasswdFileSeparator(password))
        throw std::invalid_argument("user or password does not fit a passwd-file");

    std::unique_ptr<Pop3TestServer> server(new Pop3TestServer);
    server->m_dir = MakeTempDir("zandrel-pop3-");
    const std::string& dir = server->m_dir;

    // Dovecot refuses to serve mail as root and to run its login processes as root. Run as
    // root, it takes its own users for its internal processes and "nobody" for the mailbox;
    // otherwise everything runs as the calling user.
    const bool root = ::geteuid() == 0;
    uid_t mailUid = ::getuid();
    gid_t mailGid = ::getgid();
    std::string internalUser, loginUser, internalGroup;
    if (root) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            throw std::runtime_error("no user nobody");
        mailUid = nobody->pw_uid;
        mailGid = nobody->pw_gid;
        internalUser = "dovecot";
        loginUser = "dovenull";
        internalGroup = "dovecot";
    } else {
        const passwd* self = ::getpwuid(::getuid());
        const group* selfGroup = ::getgrgid(::getgid());
        if (!self || !selfGroup)
            throw std::runtime_error("cannot name the calling user");
        internalUser = loginUser = self->pw_name;
        internalGroup = selfGroup->gr_name;
    }

    const std::string home = dir + "/home/" + user;
    for (const char* sub : {"cur", "new", "tmp"})
        fs::create_directories(home + "/Maildir/" + sub);
    std::int64_t size = 0;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const std::string& text = messages[i];
        // Names sort in delivery order, which is the order POP3 numbers the messages in.
        char name[64];
        std::snprintf(name, sizeof name, "1700000000.M%06zuP1.zandrel", i + 1);
        WriteFile(home + "/Maildir/new/" + name, text);
        size += static_cast<std::int64_t>(text.size());
        for (std::size_t j = 0; j < text.size(); ++j) {
            if (text[j] == '\n' && (j == 0 || text[j - 1] != '\r'))
                ++size;
        }
    }
    server->m_messageCount = static_cast<std::int32_t>(messages.size());
    server->m_mailboxSize = static_cast<std::int32_t>(size);
    if (root) {
        for (const auto& entry : fs::recursive_directory_iterator(dir + "/home"))
            ::chown(entry.path().c_str(), mailUid, mailGid);
        ::chown((dir + "/home").c_str(), mailUid, mailGid);
    }

    WriteFile(dir + "/passwd", user + ":{PLAIN}" + password + ":" + std::to_string(mailUid) + ":" +
                                   std::to_string(mailGid) + "::" + home + "::\n");
    fs::create_directories(dir + "/run");
    fs::create_directories(dir + "/state");

    std::string lastLog;
    for (int attempt = 0; attempt < 5; ++attempt) {
        server->m_port = FreeLoopbackPort();
        std::ostringstream config;
        config << "base_dir = " << dir << "/run\n"
               << "state_dir = " << dir << "/state\n"
               << "log_path = /dev/stderr\n"
               << "protocols = pop3\n"
               << "listen = 127.0.0.1\n"
               << "ssl = no\n"
               << "disable_plaintext_auth = no\n"
               // A refused password is otherwise answered only after two seconds. Dovecot's
               // penalty for repeated failures from one address stays: a test that needs
               // several refused logins starts a server for each.
               << "auth_failure_delay = 0\n"
               << "first_valid_uid = " << mailUid << "\n"
               << "first_valid_gid = " << mailGid << "\n"
               << "default_internal_user = " << internalUser << "\n"
               << "default_internal_group = " << internalGroup << "\n"
               << "default_login_user = " << loginUser << "\n"
               << "mail_location = maildir:~/Maildir\n"
               << "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN " << dir
               << "/passwd\n}\n"
               << "userdb {\n  driver = passwd-file\n  args = " << dir
               << "/passwd\n}\n"
               // Prestarted login and mail processes that serve many connections: a login
               // then takes milliseconds instead of two process starts.
               << "service pop3-login {\n  service_count = 0\n  process_min_avail = 1\n"
               << "  inet_listener pop3 {\n    address = 127.0.0.1\n    port = " << server->m_port
               << "\n  }\n"
               << "  inet_listener pop3s {\n    port = 0\n  }\n"
               << (root ? "" : "  chroot =\n") << "}\n"
               << "service pop3 {\n  process_min_avail = 2\n}\n"
               << (root ? "" : "service anvil {\n  chroot =\n}\n");
        WriteFile(dir + "/dovecot.conf", config.str());
        server->m_process = std::make_unique<mailtest::ChildProcess>(
            std::vector<std::string>{kDovecot, "-F", "-c", dir + "/dovecot.conf"}, dir);
        try {
            // The master logs this line after it has bound its listeners.
            server->m_process->WaitForLine("starting up", 15000);
            return server;
        } catch (const std::runtime_error&) {
            lastLog = server->m_process->Output();
            server->m_process.reset(); // a taken port: try another one
        }
    }
    throw std::runtime_error("dovecot did not start:\n" + lastLog);
}

Pop3TestServer::~Pop3TestServer()
{
    m_process.reset();
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

std::string Pop3TestServer::Log() const
{
    return m_process ? m_process->Output() : std::string();
}

bool SmtpTestServer::IsInstalled()
{
    if (::access(kPython, X_OK) != 0)
        return false;
    const std::string check = std::string(kPython) + " -c 'import aiosmtpd' >/dev/null 2>&1";
    return std::system(check.c_str()) == 0;
}

std::unique_ptr<SmtpTestServer> SmtpTestServer::Start(unsigned short watchPort)
{
    std::unique_ptr<SmtpTestServer> server(new SmtpTestServer);
    server->m_dir = MakeTempDir("zandrel-smtp-");
    server->m_recordPath = server->m_dir + "/record";
    std::vector<std::string> argv{kPython, ZANDREL_SMTP_RECORDER, "--record", server->m_recordPath};
    if (watchPort != 0) {
        argv.push_back("--watch-port");
        argv.push_back(std::to_string(watchPort));
    }
    server->m_process = std::make_unique<mailtest::ChildProcess>(argv, server->m_dir);
    const std::string line = server->m_process->WaitForLine("PORT ", 15000);
    server->m_port = static_cast<unsigned short>(std::stoi(line.substr(line.find("PORT ") + 5)));
    return server;
}

SmtpTestServer::~SmtpTestServer()
{
    m_process.reset();
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

std::vector<SmtpTestServer::Record> SmtpTestServer::ReadRecords() const
{
    std::vector<Record> records;
    std::ifstream in(m_recordPath, std::ios::binary);
    std::string command;
    std::size_t length = 0;
    while (in >> command >> length) {
        in.get(); // the line end after the length
        std::string argument(length, '\0');
        in.read(argument.data(), static_cast<std::streamsize>(length));
        in.get(); // the line end after the bytes
        if (!in)
            break;
        records.push_back({command, argument});
    }
    return records;
}

std::vector<SmtpTestServer::Record> SmtpTestServer::Received() const
{
    std::vector<Record> records;
    for (Record& record : ReadRecords()) {
        if (record.command != "WATCH")
            records.push_back(std::move(record));
    }
    return records;
}

int SmtpTestServer::WatchedConnectionsAtQuit() const
{
    for (const Record& record : ReadRecords()) {
        if (record.command == "WATCH")
            return std::stoi(record.argument);
    }
    return -1;
}

std::string SmtpTestServer::Log() const
{
    return m_process ? m_process->Output() : std::string();
}
