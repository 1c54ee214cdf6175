// The organiser's gathering at the size of a large region: 2,000 entry files (500 clubs, four
// events) with 100 participants each, 200,000 in all. Reading and checking alone, and with the
// workbook or the CSV written. peak_MiB is the process's peak resident memory so far; run one
// benchmark per process to read it for that benchmark alone.
//
//   make bench
//   build-bench/bin/bench_gather --benchmark_filter=BM_GatherAndWriteXlsx --benchmark_repetitions=5
#include "BenchMain.h"
#include "entryfile/EntryFile.h"
#include "gather/Gather.h"
#include "RandomEntries.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

constexpr int kClubs = 500;
constexpr int kFiles = 2000;
constexpr int kPerFile = 100;

struct Region
{
    QTemporaryDir dir;
    gather::Options options;

    Region()
    {
        for (int c = 0; c < kClubs; ++c)
            options.clubs.append(
                QStringLiteral("TSV Musterdorf %1").arg(c, 3, 10, QLatin1Char('0')));
        options.events = {QStringLiteral("Gaubergfest"), QStringLiteral("Gauturnfest"),
                          QStringLiteral("Kinderturnfest"),
                          QStringLiteral("Minitrampolin-Meisterschaften")};
        options.currentUtcYear = 2026;
        options.paths = {dir.path()};
        for (int f = 0; f < kFiles; ++f) {
            const QString& club = options.clubs[f % kClubs];
            const QString& event = options.events[f / kClubs];
            // Written plainly: the safe save's sync per file would only slow down the set-up.
            QFile file(dir.filePath(event + u' ' + club + QStringLiteral(".mdg")));
            if (!file.open(QIODevice::WriteOnly) ||
                !file.write(entryfile::write(club, event,
                                             bench::randomRows(kPerFile, static_cast<quint32>(f)))))
                qFatal("cannot write the region's files");
        }
    }
};

const Region& theRegion()
{
    static const Region region;
    return region;
}

void countPeak(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool complete(benchmark::State& state, const gather::Result& result)
{
    if (result.rows.size() == kFiles * kPerFile && result.allRead())
        return true;
    bench::fail(state, "not every participant was gathered");
    return false;
}

void BM_Gather(benchmark::State& state)
{
    const Region& region = theRegion();
    for (auto _ : state) {
        const gather::Result result = gather::run(region.options);
        if (!complete(state, result))
            break;
    }
    countPeak(state);
}
BENCHMARK(BM_Gather)->Unit(benchmark::kMillisecond);

// Gathering and then writing the list as the organiser asks for it, in one of the two formats.
template <bool (*Write)(const QString&, const gather::Result&, QString*)>
void gatherAndWrite(benchmark::State& state, const char* name)
{
    const Region& region = theRegion();
    QTemporaryDir out;
    for (auto _ : state) {
        const gather::Result result = gather::run(region.options);
        QString error;
        if (!complete(state, result) ||
            !writeXlsx(out.filePath(QString::fromLatin1(name)), result, &error)) {
            bench::fail(state, "the list was not written");
            break;
        }
    }
    countPeak(state);
}

bool writeXlsx(const QString& path, const gather::Result& result, QString* error)
{
    return gather::writeXlsx(path, result, error);
}

void BM_GatherAndWriteXlsx(benchmark::State& state)
{
    gatherAndWrite<writeXlsx>(state, "liste.xlsx");
}
BENCHMARK(BM_GatherAndWriteXlsx)->Unit(benchmark::kMillisecond);

void BM_GatherAndWriteCsv(benchmark::State& state)
{
    gatherAndWrite<gather::writeCsv>(state, "liste.csv");
}
BENCHMARK(BM_GatherAndWriteCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
