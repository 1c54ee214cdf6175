#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

int ListenOnLoopback(int backlog, unsigned short& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, backlog) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot listen on loopback");
    }
    port = ntohs(address.sin_port);
    return fd;
}

int RemainingMs(ScriptedServer::Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - ScriptedServer::Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

bool WaitFor(int fd, short events, ScriptedServer::Clock::time_point deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, RemainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0)
            return false;
        if (errno != EINTR)
            return false;
    }
}

std::string Printable(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace

ScriptedServer::ScriptedServer(std::chrono::milliseconds stepTimeout) : m_stepTimeout(stepTimeout)
{
    m_listenFd = ListenOnLoopback(1, m_port);
}

ScriptedServer::~ScriptedServer()
{
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

ScriptedServer& ScriptedServer::Send(std::string bytes)
{
    m_steps.push_back({Step::kSend, std::move(bytes), {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::Expect(std::string line)
{
    m_steps.push_back({Step::kExpect, std::move(line) + "\r\n", {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::Pause(std::chrono::milliseconds pause)
{
    m_steps.push_back({Step::kPause, {}, pause, {}});
    return *this;
}

ScriptedServer& ScriptedServer::StaySilent()
{
    m_steps.push_back({Step::kSilent, {}, {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::Close()
{
    m_steps.push_back({Step::kClose, {}, {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::ExpectClosed()
{
    m_steps.push_back({Step::kExpectClosed, {}, {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::SendEndless(std::string chunk)
{
    m_steps.push_back({Step::kEndless, std::move(chunk), {}, {}});
    return *this;
}

ScriptedServer& ScriptedServer::Call(std::function<void()> action)
{
    m_steps.push_back({Step::kCall, {}, {}, std::move(action)});
    return *this;
}

void ScriptedServer::Start()
{
    m_thread = std::thread([this] { Play(); });
}

::testing::AssertionResult ScriptedServer::Finish()
{
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    std::lock_guard lock(m_mutex);
    std::string problems;
    for (const std::string& error : m_errors)
        problems += "\n  " + error;
    if (m_played < m_steps.size())
        problems += "\n  script ended after " + std::to_string(m_played) + " of " +
                    std::to_string(m_steps.size()) + " steps";
    if (problems.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "scripted server:" << problems << "\n  received: \"" << Printable(m_received) << "\"";
}

std::string ScriptedServer::Received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::size_t ScriptedServer::EndlessBytesSent() const
{
    std::lock_guard lock(m_mutex);
    return m_endlessSent;
}

bool ScriptedServer::ConnectionWaiting() const
{
    pollfd p{m_listenFd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

bool ScriptedServer::ClientConnected() const
{
    const int fd = m_fd.load();
    if (fd < 0)
        return false;
    pollfd p{fd, static_cast<short>(POLLRDHUP), 0};
    return ::poll(&p, 1, 0) == 0;
}

void ScriptedServer::Fail(std::string message)
{
    std::lock_guard lock(m_mutex);
    m_errors.push_back(std::move(message));
}

void ScriptedServer::Play()
{
    if (!WaitReadable(Clock::now() + m_stepTimeout)) {
        Fail("no client connected");
        return;
    }
    m_fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (m_fd < 0) {
        Fail("accept failed");
        return;
    }
    // Each Send must leave at once, so that a Pause really splits a reply into pieces.
    const int on = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    for (const Step& step : m_steps) {
        if (!PlayStep(step))
            return;
        std::lock_guard lock(m_mutex);
        ++m_played;
    }
}

bool ScriptedServer::WaitReadable(Clock::time_point deadline)
{
    const int fd = m_fd;
    return WaitFor(fd >= 0 ? fd : m_listenFd, POLLIN, deadline);
}

bool ScriptedServer::WaitWritable(Clock::time_point deadline)
{
    return WaitFor(m_fd, POLLOUT, deadline);
}

long ScriptedServer::ReadMore(Clock::time_point deadline)
{
    if (!WaitReadable(deadline))
        return -1;
    char chunk[4096];
    const ssize_t count = ::recv(m_fd, chunk, sizeof chunk, 0);
    if (count > 0) {
        m_buffer.append(chunk, static_cast<std::size_t>(count));
        std::lock_guard lock(m_mutex);
        m_received.append(chunk, static_cast<std::size_t>(count));
    }
    return count < 0 ? -1 : static_cast<long>(count);
}

bool ScriptedServer::SendBytes(const std::string& bytes)
{
    std::size_t done = 0;
    const Clock::time_point deadline = Clock::now() + m_stepTimeout;
    while (done < bytes.size()) {
        if (!WaitWritable(deadline))
            return false;
        const ssize_t sent = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(sent);
    }
    return true;
}

bool ScriptedServer::PlayStep(const Step& step)
{
    const Clock::time_point deadline = Clock::now() + m_stepTimeout;
    switch (step.kind) {
    case Step::kSend:
        if (!SendBytes(step.text)) {
            Fail("could not send \"" + Printable(step.text) + "\"");
            return false;
        }
        return true;
    case Step::kExpect:
        for (;;) {
            const std::size_t lf = m_buffer.find('\n');
            if (lf != std::string::npos) {
                const std::string line = m_buffer.substr(0, lf + 1);
                m_buffer.erase(0, lf + 1);
                if (line == step.text)
                    return true;
                Fail("expected \"" + Printable(step.text) + "\", got \"" + Printable(line) + "\"");
                return false;
            }
            const long count = ReadMore(deadline);
            if (count <= 0) {
                Fail("expected \"" + Printable(step.text) + "\", got " +
                     (count == 0 ? "a close" : "nothing in time") + " after \"" +
                     Printable(m_buffer) + "\"");
                return false;
            }
        }
    case Step::kPause:
        std::this_thread::sleep_for(step.pause);
        return true;
    case Step::kSilent:
        for (;;) {
            const long count = ReadMore(deadline);
            m_buffer.clear();
            if (count == 0)
                return true;
            if (count < 0) {
                Fail("the client did not close while the server stayed silent");
                return false;
            }
        }
    case Step::kClose:
        ::shutdown(m_fd, SHUT_RDWR);
        ::close(m_fd);
        m_fd = -1;
        return true;
    case Step::kExpectClosed: {
        const long count = m_buffer.empty() ? ReadMore(deadline) : 1;
        if (count == 0)
            return true;
        Fail(count > 0 ? "expected a close, got \"" + Printable(m_buffer) + "\""
                       : "the client did not close in time");
        return false;
    }
    case Step::kEndless:
        for (;;) {
            if (!WaitWritable(deadline)) {
                Fail("the client neither read nor closed during the endless reply");
                return false;
            }
            const ssize_t sent = ::send(m_fd, step.text.data(), step.text.size(), MSG_NOSIGNAL);
            if (sent < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (sent <= 0)
                return true; // the client has closed: what the step waits for
            std::lock_guard lock(m_mutex);
            m_endlessSent += static_cast<std::size_t>(sent);
        }
    case Step::kCall:
        step.action();
        return true;
    }
    return false;
}

unsigned short UnusedLoopbackPort()
{
    unsigned short port = 0;
    const int fd = ListenOnLoopback(1, port);
    ::close(fd);
    return port;
}

FullBacklogListener::FullBacklogListener()
{
    m_listenFd = ListenOnLoopback(0, m_port);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(m_port);
    // With a backlog of 0 the kernel queues one connection; later SYNs are dropped, so the
    // next connect keeps retrying. Two non-blocking fillers make sure the queue is taken.
    for (int i = 0; i < 2; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            continue;
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        m_fillers.push_back(fd);
    }
}

FullBacklogListener::~FullBacklogListener()
{
    for (const int fd : m_fillers)
        ::close(fd);
    ::close(m_listenFd);
}
