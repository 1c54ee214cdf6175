// The whole test-mail action against real servers on loopback: Dovecot for the POP3 login and
// status, aiosmtpd for the SMTP hand-over. Both are started once for the run.
#include "MailServers.h"
#include "TestMail.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

void BM_RunTestMail(benchmark::State& state)
{
    if (!Pop3TestServer::IsInstalled() || !SmtpTestServer::IsInstalled()) {
        state.SkipWithError("dovecot-pop3d or python3-aiosmtpd is not installed");
        return;
    }
    TestMailSettings settings = DefaultTestMailSettings();
    const auto pop3 = Pop3TestServer::Start(
        settings.sender, settings.password,
        {"From: verband@example.org\nSubject: Ausschreibung\n\nMeldeschluss ist Freitag.\n"});
    const auto smtp = SmtpTestServer::Start();
    settings.pop3Host = settings.smtpHost = "127.0.0.1";
    settings.pop3Port = pop3->port();
    settings.smtpPort = smtp->port();

    int shown = 0;
    for (auto _ : state)
        RunTestMail(settings, [&](const std::string&) { ++shown; });
    if (shown != 0 || smtp->Received().size() != 5 * static_cast<std::size_t>(state.iterations()))
        state.SkipWithError("a run did not go through");
}
BENCHMARK(BM_RunTestMail)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
