// The whole test-mail action against real servers on loopback: Dovecot for the POP3 login and
// status, aiosmtpd for the SMTP hand-over. Both are started anew for each repetition.
#include "BenchMain.h"
#include "mail/TestMail.h"
#include "MailServers.h"

#include <string>

namespace {

void BM_RunTestMail(benchmark::State& state)
{
    const MailServers servers;
    int shown = 0;
    for (auto _ : state)
        runTestMail(servers.settings, [&](const std::string&) { ++shown; });
    const std::string delivered = servers.delivered();
    std::size_t messages = 0;
    for (std::size_t at = 0; (at = delivered.find("SUBJECT:", at)) != std::string::npos; ++at)
        ++messages;
    if (shown != 0 || messages != static_cast<std::size_t>(state.iterations()))
        bench::fail(state, "a run did not go through");
}
BENCHMARK(BM_RunTestMail)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
