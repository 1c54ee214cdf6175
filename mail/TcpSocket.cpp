#include "mail/TcpSocket.h"

#include <asio.hpp>
#include <future>
#include <optional>
#include <thread>
#include <utility>

namespace {

// The system's name lookup cannot be interrupted, and an Asio resolver that is cancelled still
// waits for it. So the lookup runs on a thread of its own that the caller stops waiting for at
// the deadline; an abandoned lookup finishes in the background and only its result is dropped.
std::optional<asio::ip::tcp::endpoint> lookUp(const std::string& host, unsigned short port,
                                              TcpSocket::Clock::time_point deadline)
{
    std::packaged_task<std::optional<asio::ip::tcp::endpoint>()> task([host, port] {
        std::optional<asio::ip::tcp::endpoint> first;
        asio::io_context io;
        asio::ip::tcp::resolver resolver(io);
        asio::error_code ec;
        const auto results = resolver.resolve(asio::ip::tcp::v4(), host, std::to_string(port),
                                              asio::ip::resolver_base::numeric_service, ec);
        if (!ec && !results.empty())
            first = results.begin()->endpoint();
        return first;
    });
    std::future<std::optional<asio::ip::tcp::endpoint>> result = task.get_future();
    try {
        std::thread(std::move(task)).detach();
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    if (result.wait_until(deadline) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

} // namespace

struct TcpSocket::Impl
{
    asio::io_context io;
    asio::ip::tcp::socket socket{io};

    // Runs the queued asynchronous operation until it completes (done set by its handler) or
    // the deadline passes. On time-out cancel() stops the operation and its handler is run
    // before returning, so no handler outlives the call that started it. An operation that
    // could complete at once (bytes already waiting) did so when it was started, so even a
    // deadline in the past delivers what is there.
    template <typename Cancel>
    bool runUntil(Clock::time_point deadline, const bool& done, Cancel cancel)
    {
        io.restart();
        io.run_until(deadline);
        if (done)
            return true;
        cancel();
        io.restart();
        io.run();
        return done;
    }

    void closeQuietly()
    {
        asio::error_code ignored;
        socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        socket.close(ignored);
    }
};

TcpSocket::TcpSocket() : m_impl(std::make_unique<Impl>()) {}

TcpSocket::~TcpSocket()
{
    close();
}

bool TcpSocket::Connect(const std::string& host, unsigned short port,
                        std::chrono::milliseconds timeout)
{
    Impl& d = *m_impl;
    const Clock::time_point deadline = Clock::now() + timeout;
    d.closeQuietly();

    asio::error_code ec;
    std::optional<asio::ip::tcp::endpoint> endpoint;
    const asio::ip::address_v4 literal = asio::ip::make_address_v4(host, ec);
    if (!ec) {
        endpoint = asio::ip::tcp::endpoint(asio::ip::address(literal), port);
    } else {
        if (host.empty())
            return false;
        endpoint = lookUp(host, port, deadline);
        if (!endpoint)
            return false;
    }

    bool connected = false;
    asio::error_code connectError = asio::error::timed_out;
    d.socket.async_connect(*endpoint, [&](const asio::error_code& e) {
        connected = true;
        connectError = e;
    });
    if (!d.runUntil(deadline, connected, [&] { d.closeQuietly(); }) || connectError) {
        d.closeQuietly();
        return false;
    }
    // Commands are small and each waits for its reply: Nagle's algorithm would only add
    // round-trip delays.
    d.socket.set_option(asio::ip::tcp::no_delay(true), ec);
    return true;
}

bool TcpSocket::sendAll(std::string_view data, std::chrono::milliseconds timeout)
{
    Impl& d = *m_impl;
    if (!d.socket.is_open())
        return false;
    if (data.empty())
        return true;
    bool sent = false;
    asio::error_code sendError = asio::error::timed_out;
    asio::async_write(d.socket, asio::buffer(data.data(), data.size()),
                      [&](const asio::error_code& e, std::size_t) {
                          sent = true;
                          sendError = e;
                      });
    if (!d.runUntil(Clock::now() + timeout, sent, [&] { d.closeQuietly(); }) || sendError) {
        d.closeQuietly();
        return false;
    }
    return true;
}

TcpSocket::Received TcpSocket::receive(char* buffer, std::size_t maximum,
                                       Clock::time_point deadline)
{
    Impl& d = *m_impl;
    if (!d.socket.is_open())
        return {0, Status::Closed};
    if (maximum == 0)
        return {0, Status::Ok};
    bool finished = false;
    Received result{0, Status::TimedOut};
    d.socket.async_read_some(asio::buffer(buffer, maximum),
                             [&](const asio::error_code& e, std::size_t count) {
                                 finished = true;
                                 result.count = count;
                                 if (!e)
                                     result.status = Status::Ok;
                                 else if (e == asio::error::eof)
                                     result.status = Status::Closed;
                                 else if (e == asio::error::operation_aborted)
                                     result.status = Status::TimedOut;
                                 else
                                     result.status = Status::Failed;
                             });
    asio::error_code ignored;
    d.runUntil(deadline, finished, [&] { d.socket.cancel(ignored); });
    return result;
}

void TcpSocket::close()
{
    m_impl->closeQuietly();
}

bool TcpSocket::isOpen() const
{
    return m_impl->socket.is_open();
}
