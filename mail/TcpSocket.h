#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// A blocking TCP client connection in which every wait has a deadline, so a server that never
// answers cannot hold the caller (the user-interface thread) for good. Asio stays behind the
// pointer to keep its headers out of everything that includes this one.
class TcpSocket
{
public:
    using Clock = std::chrono::steady_clock;

    enum class Status
    {
        Ok,       // bytes moved
        Closed,   // the peer closed the connection (receive) or the socket is not connected
        TimedOut, // the deadline passed first
        Failed    // any other error of the socket layer
    };

    struct Received
    {
        std::size_t count = 0;
        Status status = Status::Ok;
    };

    TcpSocket();
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // host is a dotted IPv4 address (used as it is) or a name, of whose lookup the first IPv4
    // address is taken. The lookup counts against the same deadline as the connect itself.
    bool Connect(const std::string& host, unsigned short port, std::chrono::milliseconds timeout);

    // Sends all of data or fails; a failed or timed-out send closes the connection, since the
    // peer may have seen part of it.
    bool sendAll(std::string_view data, std::chrono::milliseconds timeout);

    // One receive of at most maximum bytes into buffer. Bytes not delivered stay for the next
    // call. A time-out leaves the connection open.
    Received receive(char* buffer, std::size_t maximum, Clock::time_point deadline);
    Received receive(char* buffer, std::size_t maximum, std::chrono::milliseconds timeout)
    {
        return receive(buffer, maximum, Clock::now() + timeout);
    }

    void close();
    bool isOpen() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
