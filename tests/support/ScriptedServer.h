#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A scripted mail server on 127.0.0.1 for client tests. It listens on a port the system picks,
// accepts one connection and plays a script: server lines to send, client lines it expects,
// pauses that split a reply into pieces, silence, a close in mid-reply, an endless stream.
// Finish() checks that the client sent what was expected and that the whole script was used.
//
//   ScriptedServer server;
//   server.Send("+OK ready\r\n").Expect("USER anna").Send("+OK\r\n");
//   server.Start();
//   ... run the client against server.port() ...
//   EXPECT_TRUE(server.Finish());
class ScriptedServer
{
public:
    using Clock = std::chrono::steady_clock;

    // stepTimeout bounds every wait of the server itself, so a client that stops talking
    // fails the test instead of hanging it.
    explicit ScriptedServer(std::chrono::milliseconds stepTimeout = std::chrono::seconds(10));
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    unsigned short port() const { return m_port; }

    // Script steps, played in order once a client has connected.
    ScriptedServer& Send(std::string bytes);
    ScriptedServer& Expect(std::string line); // one client line; CR LF is added here
    ScriptedServer& Pause(std::chrono::milliseconds pause);
    ScriptedServer& StaySilent();   // read and drop everything until the client closes
    ScriptedServer& Close();        // close the connection now
    ScriptedServer& ExpectClosed(); // the client closes without sending anything more
    ScriptedServer& SendEndless(std::string chunk); // until the client stops the connection
    ScriptedServer& Call(std::function<void()> action);

    // Accepts one connection on a thread of its own and plays the script.
    void Start();

    // Waits for the script to end, then closes the connection. Fails when an expectation
    // failed or a step was left unplayed.
    ::testing::AssertionResult Finish();

    std::string Received() const;         // every byte the client sent
    std::size_t EndlessBytesSent() const; // how much SendEndless got out before it stopped
    // For a server that was never started: whether a client has tried to connect.
    bool ConnectionWaiting() const;
    // Whether the accepted client connection is open and the client has not closed its side;
    // may be asked from another thread (for example from a Call step of another server).
    bool ClientConnected() const;

private:
    struct Step
    {
        enum Kind
        {
            kSend,
            kExpect,
            kPause,
            kSilent,
            kClose,
            kExpectClosed,
            kEndless,
            kCall
        } kind;
        std::string text;
        std::chrono::milliseconds pause{0};
        std::function<void()> action;
    };

    void Play();
    bool PlayStep(const Step& step);
    bool WaitReadable(Clock::time_point deadline);
    bool WaitWritable(Clock::time_point deadline);
    bool SendBytes(const std::string& bytes);
    // Reads more bytes into m_buffer: >0 bytes read, 0 peer closed, -1 failure or time-out.
    long ReadMore(Clock::time_point deadline);
    void Fail(std::string message);

    std::chrono::milliseconds m_stepTimeout;
    int m_listenFd = -1;
    std::atomic<int> m_fd{-1};
    unsigned short m_port = 0;
    std::vector<Step> m_steps;
    std::thread m_thread;
    std::string m_buffer; // client bytes not yet matched by an Expect step

    mutable std::mutex m_mutex;
    std::size_t m_played = 0;
    std::vector<std::string> m_errors;
    std::string m_received;
    std::size_t m_endlessSent = 0;
};

// A loopback port on which nothing listens: a connect there is refused at once.
unsigned short UnusedLoopbackPort();

// A loopback listener whose accept queue is full and never served, so a further connect
// neither succeeds nor is refused: it hangs until the client gives up.
class FullBacklogListener
{
public:
    FullBacklogListener();
    ~FullBacklogListener();
    FullBacklogListener(const FullBacklogListener&) = delete;
    FullBacklogListener& operator=(const FullBacklogListener&) = delete;
    unsigned short port() const { return m_port; }

private:
    int m_listenFd = -1;
    std::vector<int> m_fillers;
    unsigned short m_port = 0;
};
