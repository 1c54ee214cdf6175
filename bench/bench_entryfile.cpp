// The entry file with 100,000 entries (about 5 MB): reading against merely splitting the same
// bytes into line views, writing, and the trip to and from the disk.
//
//   make bench
//   build-bench/bin/bench_entryfile --benchmark_repetitions=5
//   (docs/benchmarks.md names the command behind each of its figures)
#include "BenchMain.h"
#include "BigEntryFile.h"
#include "entries/Entry.h"
#include "entryfile/EntryFile.h"
#include "textfile/SafeFile.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <QTemporaryDir>
#include <vector>

namespace {

using bench::bigFileBytes;
using bench::kBigFileEntries;

// The floor: find the line ends and keep a view of each line, nothing else.
void BM_SplitLinesIntoViews(benchmark::State& state)
{
    const QByteArray& bytes = bigFileBytes();
    for (auto _ : state) {
        std::vector<QByteArrayView> lines;
        lines.reserve(static_cast<size_t>(bytes.size() / 40));
        const char* p = bytes.constData();
        const char* end = p + bytes.size();
        while (p < end) {
            const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
            const char* stop = lf ? static_cast<const char*>(lf) : end;
            lines.emplace_back(p, stop - p);
            p = stop + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SplitLinesIntoViews)->Unit(benchmark::kMillisecond);

// What splitting into lines costs as soon as each line is a string of its own.
void BM_SplitLinesIntoByteArrays(benchmark::State& state)
{
    const QByteArray& bytes = bigFileBytes();
    for (auto _ : state) {
        QList<QByteArray> lines = bytes.split('\n');
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SplitLinesIntoByteArrays)->Unit(benchmark::kMillisecond);

void BM_Read(benchmark::State& state)
{
    const QByteArray& bytes = bigFileBytes();
    for (auto _ : state) {
        entryfile::Content content = entryfile::read(bytes, 2026);
        if (content.entries.size() != kBigFileEntries) {
            bench::fail(state, "wrong number of entries");
            break;
        }
        benchmark::DoNotOptimize(content.entries.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state)
{
    const QList<EntryRow>& entries = bench::bigFileRows();
    for (auto _ : state) {
        QByteArray bytes = entryfile::write(QStringLiteral("TV Musterstadt"),
                                            QStringLiteral("Gauturnfest"), entries);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);

void BM_SaveFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"));
    const QByteArray& bytes = bigFileBytes();
    for (auto _ : state) {
        if (textfile::saveFile(path, bytes) != textfile::SaveResult::Ok) {
            bench::fail(state, "save failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

/// The big file saved into dir; empty (and the benchmark failed) when it could not be saved.
QString saveBigFile(benchmark::State& state, const QTemporaryDir& dir)
{
    QString path = dir.filePath(QStringLiteral("meldung.mdg"));
    if (textfile::saveFile(path, bigFileBytes()) == textfile::SaveResult::Ok)
        return path;
    bench::fail(state, "save failed");
    return {};
}

void BM_LoadFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = saveBigFile(state, dir);
    if (path.isEmpty())
        return;
    for (auto _ : state) {
        QByteArray bytes;
        if (textfile::loadFile(path, bytes) != textfile::LoadResult::Ok) {
            bench::fail(state, "load failed");
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * bigFileBytes().size());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

void BM_LoadFileAndRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = saveBigFile(state, dir);
    if (path.isEmpty())
        return;
    for (auto _ : state) {
        QByteArray bytes;
        if (textfile::loadFile(path, bytes) != textfile::LoadResult::Ok) {
            bench::fail(state, "load failed");
            break;
        }
        entryfile::Content content = entryfile::read(bytes, 2026);
        benchmark::DoNotOptimize(content.entries.data());
    }
}
BENCHMARK(BM_LoadFileAndRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
