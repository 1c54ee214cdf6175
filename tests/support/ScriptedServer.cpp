#include "ScriptedServer.h"

#include <gtest/gtest.h>
#include <mutex>

using namespace std::chrono_literals;

ScriptedServer::ScriptedServer(std::vector<std::string> script, std::vector<std::string>* journal)
    : m_script(std::move(script)), m_journal(journal)
{
    if (m_script.empty())
        return;
    asio::co_spawn(m_io, play(), asio::detached);
    m_thread = std::thread([this] {
        // A client that stops talking fails the test instead of hanging it.
        m_io.run_for(5s);
        m_timedOut = !m_io.stopped();
        asio::error_code ignored;
        m_socket.close(ignored);
        m_acceptor.close(ignored);
        m_io.restart();
        m_io.run(); // lets a script that is still waiting end
    });
}

void ScriptedServer::finish(bool mustPlayOut)
{
    if (m_thread.joinable())
        m_thread.join();
    if (mustPlayOut && m_played < m_script.size())
        ADD_FAILURE() << "scripted server stopped at step " << m_played + 1 << " "
                      << testing::PrintToString(m_script[m_played])
                      << ", client sent: " << testing::PrintToString(m_pending);
    m_played = m_script.size(); // reported once
}

asio::awaitable<void> ScriptedServer::play()
{
    asio::error_code ec;
    auto token = asio::redirect_error(asio::use_awaitable, ec);
    auto pending = asio::dynamic_buffer(m_pending);
    co_await m_acceptor.async_accept(m_socket, token);
    m_socket.set_option(asio::ip::tcp::no_delay(true), ec); // each send leaves as a piece
    for (bool ok = !ec; ok && m_played < m_script.size(); m_played += ok ? 1 : 0) {
        const std::string& step = m_script[m_played];
        const std::string text = step.substr(std::min<std::size_t>(step.size(), 2));
        std::string heard; // for the journal
        if (step.starts_with("S:")) {
            if (m_played > 0 && m_script[m_played - 1].starts_with("S:"))
                co_await asio::steady_timer(m_io, 50ms).async_wait(token);
            co_await asio::async_write(m_socket, asio::buffer(text), token);
            ok = !ec;
        } else if (step.starts_with("C:")) {
            const std::size_t length =
                co_await asio::async_read_until(m_socket, pending, '\n', token);
            ok = !ec && m_pending.compare(0, length, text + "\r\n") == 0;
            m_pending.erase(0, ok ? length : 0);
            heard = text;
        } else if (step == "closed") {
            co_await asio::async_read(m_socket, pending, token); // to the end of the stream
            ok = m_pending.empty() && !m_timedOut;               // not closed by ourselves
            heard = step;
        } else if (step == "pause") {
            co_await asio::steady_timer(m_io, 200ms).async_wait(token);
        } else {
            ok = step == "close";
            m_socket.close(ec);
        }
        if (ok && m_journal && !heard.empty()) {
            static std::mutex journals; // one journal may be shared by several servers
            std::lock_guard lock(journals);
            m_journal->push_back(heard);
        }
    }
}
