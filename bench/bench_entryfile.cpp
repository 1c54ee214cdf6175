// The entry file with 100,000 entries (about 5 MB): reading against merely splitting the bytes
// into lines, writing, and the trip to and from the disk.
//   build-release/bin/bench_entryfile --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "Entry.h"
#include "EntryFile.h"
#include "EntryFileIo.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <QTemporaryDir>
#include <vector>

namespace {

constexpr int kEntries = 100000;

const QList<entryfile::Entry>& Entries()
{
    static const QList<entryfile::Entry> entries = [] {
        QList<entryfile::Entry> list;
        list.reserve(kEntries);
        static const char16_t* const kFirst[] = {u"Anna", u"Jürgen", u"Käthe", u"Jonas", u"Zoë"};
        for (int i = 0; i < kEntries; ++i) {
            list.append({QStringLiteral("Nachname%1,").arg(i) + QString::fromUtf16(kFirst[i % 5]),
                         entry::MakeCode(1930 + i % 90, i & 1)});
        }
        return list;
    }();
    return entries;
}

const QByteArray& FileBytes()
{
    static const QByteArray bytes = entryfile::Write(QStringLiteral("TV Musterstadt"),
                                                     QStringLiteral("Gauturnfest"), Entries());
    return bytes;
}

// The floor: find the line ends and keep a view of each line, nothing else.
void BM_SplitLinesIntoViews(benchmark::State& state)
{
    const QByteArray& bytes = FileBytes();
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
    const QByteArray& bytes = FileBytes();
    for (auto _ : state) {
        QList<QByteArray> lines = bytes.split('\n');
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SplitLinesIntoByteArrays)->Unit(benchmark::kMillisecond);

void BM_Read(benchmark::State& state)
{
    const QByteArray& bytes = FileBytes();
    for (auto _ : state) {
        entryfile::Content content = entryfile::Read(bytes, 2026);
        if (content.entries.size() != kEntries)
            state.SkipWithError("wrong number of entries");
        benchmark::DoNotOptimize(content.entries.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state)
{
    const QList<entryfile::Entry>& entries = Entries();
    for (auto _ : state) {
        QByteArray bytes = entryfile::Write(QStringLiteral("TV Musterstadt"),
                                            QStringLiteral("Gauturnfest"), entries);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);

void BM_SaveFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"));
    const QByteArray& bytes = FileBytes();
    for (auto _ : state) {
        if (entryfile::SaveFile(path, bytes) != entryfile::SaveResult::Ok)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meldung.mdg"));
    if (entryfile::SaveFile(path, FileBytes()) != entryfile::SaveResult::Ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        QByteArray bytes;
        if (entryfile::LoadFile(path, bytes) != entryfile::LoadResult::Ok)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes().size());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

void BM_LoadFileAndRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meldung.mdg"));
    if (entryfile::SaveFile(path, FileBytes()) != entryfile::SaveResult::Ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        QByteArray bytes;
        if (entryfile::LoadFile(path, bytes) != entryfile::LoadResult::Ok)
            state.SkipWithError("load failed");
        entryfile::Content content = entryfile::Read(bytes, 2026);
        benchmark::DoNotOptimize(content.entries.data());
    }
}
BENCHMARK(BM_LoadFileAndRead)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
