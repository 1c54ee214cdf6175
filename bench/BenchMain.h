#pragma once
// What every benchmark program shares around Google Benchmark: a failure that make bench notices
// (SkipWithError alone leaves the exit code at 0, and with only aggregates reported a failed
// repetition can even vanish from the output), and the main loop that turns it into exit code 1.

#include <benchmark/benchmark.h>

namespace bench {

inline bool& anyFailed()
{
    static bool failed = false;
    return failed;
}

/// Ends the benchmark with an error and makes the program exit with 1.
inline void fail(benchmark::State& state, const char* why)
{
    anyFailed() = true;
    state.SkipWithError(why);
}

/// Runs the benchmarks the command line selects. 1 for an unknown argument or a failed benchmark.
inline int runBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return anyFailed() ? 1 : 0;
}

} // namespace bench
