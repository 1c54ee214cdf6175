#include "MailServers.h"

#include "mail/TcpSocket.h"
#include "ScriptedServer.h"

#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

static std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

MailServers::MailServers() : settings(defaultTestMailSettings())
{
    m_dir = (fs::temp_directory_path() / "zandrel-mail-XXXXXX").string();
    if (!::mkdtemp(m_dir.data()))
        throw std::runtime_error("cannot create a temporary folder");
    fs::permissions(m_dir, fs::perms::others_exec, fs::perm_options::add);
    settings.pop3Host = settings.smtpHost = "127.0.0.1";
    {
        const ScriptedServer pop3({}), smtp({}); // both at once, so two different free ports
        settings.pop3Port = pop3.port();
        settings.smtpPort = smtp.port();
    }
    // Dovecot serves no mail as root: then the mailbox belongs to "nobody" and Dovecot runs its
    // processes as its own users; otherwise everything runs as the calling user.
    const bool root = ::geteuid() == 0;
    const passwd* owner = root ? ::getpwnam("nobody") : ::getpwuid(::getuid());
    fs::create_directories(m_dir + "/Maildir/new");
    std::ofstream(m_dir + "/Maildir/new/1.M1P1.zandrel", std::ios::binary) << kMessage;
    for (const auto& entry : fs::recursive_directory_iterator(m_dir))
        ::chown(entry.path().c_str(), owner->pw_uid, owner->pw_gid);
    std::ofstream conf(m_dir + "/dovecot.conf");
    conf << "base_dir = " << m_dir << "/run\nstate_dir = " << m_dir << "/run\n"
         << "log_path = " << m_dir << "/log\nprotocols = pop3\nssl = no\n"
         << "listen = 127.0.0.1\nmail_location = maildir:" << m_dir << "/Maildir\n"
         << "passdb {\n driver = static\n args = password=" << settings.password << "\n}\n"
         << "userdb {\n driver = static\n args = uid=" << owner->pw_uid << " gid=" << owner->pw_gid
         << "\n}\nservice pop3-login {\n chroot =\n inet_listener pop3 {\n  port = "
         << settings.pop3Port << "\n }\n}\nservice anvil {\n chroot =\n}\n";
    if (!root)
        conf << "default_internal_user = " << owner->pw_name
             << "\ndefault_login_user = " << owner->pw_name
             << "\ndefault_internal_group = " << ::getgrgid(owner->pw_gid)->gr_name << "\n";
    conf.close();
    start("/usr/sbin/dovecot -F -c '" + m_dir + "/dovecot.conf'", settings.pop3Port);
    start("/usr/bin/python3 '" ZANDREL_SMTP_RECORDER "' " + std::to_string(settings.smtpPort) +
              " '" + m_dir + "/delivered'",
          settings.smtpPort);
}

std::string MailServers::delivered() const
{
    return readFile(m_dir + "/delivered");
}

void MailServers::start(const std::string& command, unsigned short port)
{
    const std::string line = "exec " + command;
    const char* const args[] = {"/bin/sh", "-c", line.c_str(), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, args[0], nullptr, nullptr, const_cast<char**>(args), environ) == 0)
        m_children.push_back(pid);
    // Up once it takes connections; given up when it has ended or after about ten seconds.
    for (int attempt = 0; attempt < 500 && ::waitpid(pid, nullptr, WNOHANG) == 0; ++attempt) {
        if (TcpSocket().Connect("127.0.0.1", port, 1s))
            return;
        ::usleep(20000);
    }
    const std::string log = readFile(m_dir + "/log");
    stop(); // a constructor that throws leaves no destructor to do it
    throw std::runtime_error(command + " did not start:\n" + log);
}

void MailServers::stop()
{
    for (const pid_t pid : m_children) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
    m_children.clear();
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}
