#pragma once

#include <asio.hpp>
#include <string>
#include <thread>
#include <vector>

// A mail server on 127.0.0.1 (port chosen by the system) that takes one connection and plays a
// script on its own thread: "S:<bytes>" sends (a send after a send waits 50 ms, so the client
// gets pieces), "C:<line>" is what the client must send next (CR LF added), "close" closes,
// "closed" waits for the client to close and "pause" waits 200 ms. finish(), run by the
// destructor at the latest, fails the test when the client said something else or the script
// was not played out in five seconds; finish(false) lets the client stop anywhere. A journal,
// if given, gets the client's lines and "closed" as they happen, to compare several servers'
// view of one run. ScriptedServer({}).port() is a port where nothing listens.
class ScriptedServer
{
public:
    explicit ScriptedServer(std::vector<std::string> script,
                            std::vector<std::string>* journal = nullptr);
    ~ScriptedServer() { finish(); }
    unsigned short port() const { return m_port; }
    void finish(bool mustPlayOut = true);

private:
    asio::awaitable<void> play();

    asio::io_context m_io;
    asio::ip::tcp::acceptor m_acceptor{m_io, {asio::ip::address_v4::loopback(), 0}};
    asio::ip::tcp::socket m_socket{m_io};
    unsigned short m_port = m_acceptor.local_endpoint().port();
    std::vector<std::string> m_script, *m_journal;
    std::string m_pending; // what the client sent that no step has taken yet
    std::size_t m_played = 0;
    bool m_timedOut = false;
    std::thread m_thread;
};
