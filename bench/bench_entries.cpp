// The sorted add into a long entry list: a club may load a big file, and every later "Hinzu" has
// to find its place among all the rows of a list that is on screen.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_entries --benchmark_repetitions=5
#include "CIconListBox.h"
#include "CImageList.h"
#include "Entry.h"
#include "RandomEntries.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QRandomGenerator>

namespace {

using bench::RandomCode;
using bench::RandomName;

constexpr int kListSize = 100000;

/// A shown list with pictures and kListSize rows, laid out and painted once.
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
        QRandomGenerator random(4711);
        for (int i = 0; i < kListSize; ++i)
            list.AddItem(RandomName(random), RandomCode(random));
        list.show();
        list.SetCurSel(kListSize / 2);
        QApplication::processEvents();
    }

    CImageList pictures;
    CIconListBox list;
};

ShownList& List()
{
    static ShownList shown;
    return shown;
}

// The add by itself; the view lays out and repaints later, once per event-loop turn.
void BM_SortedAdd(benchmark::State& state)
{
    CIconListBox& list = List().list;
    QRandomGenerator random(42);
    for (auto _ : state) {
        const QString text = RandomName(random);
        const int index = list.AddItem(text, RandomCode(random));
        benchmark::DoNotOptimize(index);
        state.PauseTiming();
        list.DeleteString(index);
        state.ResumeTiming();
    }
    state.counters["rows"] = list.GetCount();
}
BENCHMARK(BM_SortedAdd)->Unit(benchmark::kMicrosecond);

// The add as the user sees it: the add, then the view's own layout and repaint.
void BM_SortedAddAndRepaint(benchmark::State& state)
{
    CIconListBox& list = List().list;
    QRandomGenerator random(43);
    for (auto _ : state) {
        const int index = list.AddItem(RandomName(random), RandomCode(random));
        list.viewport()->repaint();
        state.PauseTiming();
        list.DeleteString(index);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = list.GetCount();
}
BENCHMARK(BM_SortedAddAndRepaint)->Unit(benchmark::kMicrosecond);

// Loading a file: 100,000 rows into an empty shown list in one go, laid out and painted.
void BM_BulkAdd100k(benchmark::State& state)
{
    QRandomGenerator random(44);
    QList<EntryRow> rows;
    for (int i = 0; i < kListSize; ++i)
        rows.append({RandomName(random), RandomCode(random)});
    CIconListBox list;
    list.resize(300, 600);
    list.show();
    for (auto _ : state) {
        list.AddItems(rows);
        list.viewport()->repaint();
        state.PauseTiming();
        list.ResetContent();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BulkAdd100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    List();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
