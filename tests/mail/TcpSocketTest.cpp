#include "TcpSocket.h"

#include "ScriptedServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

using namespace std::chrono_literals;

namespace {

std::string ReceiveAll(TcpSocket& socket, std::size_t count)
{
    std::string text;
    char buffer[64];
    while (text.size() < count) {
        const TcpSocket::Received r = socket.Receive(buffer, sizeof buffer, 2s);
        if (r.status != TcpSocket::Status::Ok)
            break;
        text.append(buffer, r.count);
    }
    return text;
}

std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST(TcpSocket, ConnectsByAddressAndByNameSendsAndReceives)
{
    for (const char* host : {"127.0.0.1", "localhost"}) {
        SCOPED_TRACE(host);
        ScriptedServer server;
        server.Send("hello\r\n").Expect("ping").Send("pong\r\n");
        server.Start();
        TcpSocket socket;
        ASSERT_TRUE(socket.Connect(host, server.port(), 2s));
        EXPECT_TRUE(socket.IsOpen());
        EXPECT_EQ(ReceiveAll(socket, 7), "hello\r\n");
        EXPECT_TRUE(socket.SendAll("ping\r\n", 2s));
        EXPECT_EQ(ReceiveAll(socket, 6), "pong\r\n");
        socket.Close();
        EXPECT_FALSE(socket.IsOpen());
        EXPECT_TRUE(server.Finish());
    }
}

TEST(TcpSocket, ReceiveTakesAtMostTheMaximumAndKeepsTheRest)
{
    ScriptedServer server;
    server.Send("abcdefghij").ExpectClosed();
    server.Start();
    TcpSocket socket;
    ASSERT_TRUE(socket.Connect("127.0.0.1", server.port(), 2s));
    char buffer[16] = {};
    // The first receive may see fewer bytes than were sent, never more than asked for.
    std::string text;
    TcpSocket::Received r = socket.Receive(buffer, 4, 2s);
    ASSERT_EQ(r.status, TcpSocket::Status::Ok);
    EXPECT_LE(r.count, 4u);
    text.append(buffer, r.count);
    text += ReceiveAll(socket, 10 - text.size());
    EXPECT_EQ(text, "abcdefghij");
    socket.Close();
    EXPECT_TRUE(server.Finish());
}

TEST(TcpSocket, ReceiveReportsCloseAndTimeOutAndStaysUsableAfterTimeOut)
{
    ScriptedServer server;
    server.Pause(400ms).Send("late\r\n").Close();
    server.Start();
    TcpSocket socket;
    ASSERT_TRUE(socket.Connect("127.0.0.1", server.port(), 2s));
    char buffer[16];

    const auto start = std::chrono::steady_clock::now();
    TcpSocket::Received r = socket.Receive(buffer, sizeof buffer, 100ms);
    EXPECT_EQ(r.status, TcpSocket::Status::TimedOut);
    EXPECT_EQ(r.count, 0u);
    EXPECT_GE(Since(start), 100ms);
    EXPECT_LT(Since(start), 350ms);

    EXPECT_EQ(ReceiveAll(socket, 6), "late\r\n");
    r = socket.Receive(buffer, sizeof buffer, 2s);
    EXPECT_EQ(r.status, TcpSocket::Status::Closed);
    EXPECT_TRUE(server.Finish());
}

TEST(TcpSocket, SendsLargeBuffersWhole)
{
    const std::string line(1 << 20, 'x');
    ScriptedServer server;
    server.Expect(line);
    server.Start();
    TcpSocket socket;
    ASSERT_TRUE(socket.Connect("127.0.0.1", server.port(), 2s));
    EXPECT_TRUE(socket.SendAll(line + "\r\n", 5s));
    EXPECT_TRUE(server.Finish());
}

TEST(TcpSocket, FailedConnectsReturnWithinTheirDeadline)
{
    TcpSocket socket;
    char buffer[4];

    // Refused at once.
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(socket.Connect("127.0.0.1", UnusedLoopbackPort(), 2s));
    EXPECT_LT(Since(start), 1s);
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_FALSE(socket.SendAll("x", 1s));
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, 1s).status, TcpSocket::Status::Closed);

    // A name that cannot exist, and no name at all.
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(socket.Connect("no-such-host.invalid", 25, 1500ms));
    EXPECT_LT(Since(start), 1700ms);
    EXPECT_FALSE(socket.Connect("", 25, 1s));

    // A listener that never takes the connection: the connect deadline ends the wait.
    FullBacklogListener blackHole;
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(socket.Connect("127.0.0.1", blackHole.port(), 300ms));
    EXPECT_GE(Since(start), 300ms);
    EXPECT_LT(Since(start), 800ms);
    EXPECT_FALSE(socket.IsOpen());
}
