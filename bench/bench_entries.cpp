// The sorted add into a long entry list: a club may load a big file, and every later "Hinzu" has
// to find its place among all the rows of a list that is on screen. After an add the view lays
// the whole list out again in the next turn of the event loop, which at 100,000 rows costs far
// more than the add itself, so the clock runs until the list has been painted again. The model's
// share is measured on its own as well.
//
//   make bench
//   build-bench/bin/bench_entries --benchmark_repetitions=5
#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "BenchMain.h"
#include "entries/Entry.h"
#include "entries/EntryListModel.h"
#include "PaintWatcher.h"
#include "RandomEntries.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QImage>

namespace {

constexpr int kListSize = 100000;

/// Rows to add, made up apart from the list's own so that they land all over it.
const QList<EntryRow>& rowsToAdd()
{
    static const QList<EntryRow> rows = bench::randomRows(1000, 42);
    return rows;
}

/// A shown list with pictures and kListSize rows, one of them selected, laid out and painted.
struct ShownList
{
    ShownList()
    {
        QImage strip(70, 32, QImage::Format_RGB32);
        strip.fill(QColor(0, 255, 255));
        pictures.Create(35, 32, 2, 0);
        pictures.Add(strip);
        list.m_pImageList = &pictures;
        list.resize(300, 600);
        list.setModel(&rows);
        rows.addSorted(bench::randomRows(kListSize, 4711));
        bench::PaintWatcher painted(list.viewport());
        list.show();
        list.SetCurSel(kListSize / 2);
        painted.wait();
    }

    CImageList pictures;
    EntryListModel rows;
    CIconListBox list;
};

// Made on first use and destroyed by main() while the application still exists: a widget that
// outlives the QApplication crashes the program at exit.
std::unique_ptr<ShownList> g_shownList;

ShownList& shownEntries()
{
    if (!g_shownList)
        g_shownList = std::make_unique<ShownList>();
    return *g_shownList;
}

// The model alone: binary search with the collator and the shift of the rows behind the new one.
void BM_SortedAddModelOnly(benchmark::State& state)
{
    EntryListModel model;
    model.addSorted(bench::randomRows(kListSize, 4711));
    const QList<EntryRow>& rows = rowsToAdd();
    qsizetype next = 0;
    for (auto _ : state) {
        const EntryRow& row = rows.at(next++ % rows.size());
        const int index = model.addSorted(row.text, row.code);
        state.PauseTiming();
        model.remove(index);
        state.ResumeTiming();
    }
    state.counters["rows"] = model.count();
}
BENCHMARK(BM_SortedAddModelOnly)->Unit(benchmark::kMicrosecond);

// "Hinzu" as the user sees it: the add, the view's layout of all rows and the repaint.
void BM_SortedAddUntilPainted(benchmark::State& state)
{
    CIconListBox& list = shownEntries().list;
    EntryListModel& model = shownEntries().rows;
    bench::PaintWatcher painted(list.viewport());
    const QList<EntryRow>& rows = rowsToAdd();
    qsizetype next = 0;
    for (auto _ : state) {
        const EntryRow& row = rows.at(next++ % rows.size());
        int index = -1;
        if (!bench::changeListUntilPainted(state, list, painted,
                                           [&] { index = model.addSorted(row.text, row.code); }))
            break;
        state.PauseTiming();
        const bool restored =
            bench::changeListUntilPainted(state, list, painted, [&] { model.remove(index); });
        state.ResumeTiming();
        if (!restored)
            break;
    }
    state.counters["rows"] = list.GetCount();
}
BENCHMARK(BM_SortedAddUntilPainted)->Unit(benchmark::kMillisecond);

// Loading into the model alone, up to a million rows: how the sort scales without the view. The
// second argument is the number of rows already there (an import into a list with one entry must
// cost about what one into an empty list does).
void BM_BulkAddModelOnly(benchmark::State& state)
{
    const QList<EntryRow> rows = bench::randomRows(static_cast<int>(state.range(0)), 44);
    const QList<EntryRow> there = bench::randomRows(static_cast<int>(state.range(1)), 45);
    for (auto _ : state) {
        state.PauseTiming();
        QList<EntryRow> copy = rows;
        copy.detach();
        EntryListModel model;
        model.addSorted(there);
        state.ResumeTiming();
        model.addSorted(std::move(copy));
        benchmark::DoNotOptimize(model.count());
    }
}
BENCHMARK(BM_BulkAddModelOnly)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({1000000, 0})
    ->Unit(benchmark::kMillisecond);

// Loading a file: 100,000 rows (and, to see how it scales, a million) into an empty shown list in
// one go, until the list is painted.
void BM_BulkAddUntilPainted(benchmark::State& state)
{
    const QList<EntryRow> rows = bench::randomRows(static_cast<int>(state.range(0)), 44);
    EntryListModel model;
    CIconListBox list;
    list.setModel(&model);
    list.resize(300, 600);
    bench::PaintWatcher painted(list.viewport());
    list.show();
    painted.wait();
    // The loaded rows are handed over, as "Laden" does; the copy is made outside the clock.
    QList<EntryRow> copy = rows;
    copy.detach();
    for (auto _ : state) {
        if (!bench::changeListUntilPainted(state, list, painted,
                                           [&] { model.addSorted(std::move(copy)); }))
            break;
        state.PauseTiming();
        const bool emptied =
            bench::changeListUntilPainted(state, list, painted, [&] { model.clear(); });
        copy = rows;
        copy.detach();
        state.ResumeTiming();
        if (!emptied)
            break;
    }
}
BENCHMARK(BM_BulkAddUntilPainted)->Arg(kListSize)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result = bench::runBenchmarks(argc, argv);
    g_shownList.reset();
    return result;
}
