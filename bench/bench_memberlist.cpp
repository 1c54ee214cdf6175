// What the user waits for after choosing a member list in "Importieren…": the file split into
// rows and each row judged against the entry list, and the preview up on screen with every row.
// Ten thousand members against a list of a hundred thousand entries, one in ten of them already
// there, birth dates instead of years (the slower cell to read).
//
//   build-bench/bin/bench_memberlist --benchmark_repetitions=5 --benchmark_report_aggregates_only

#include "app/ImportDialog.h"
#include "BenchMain.h"
#include "entries/Collation.h"
#include "memberlist/MemberList.h"
#include "PaintWatcher.h"
#include "RandomEntries.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QCollator>
#include <QTableView>

namespace {

constexpr int kMembers = 10000;
constexpr int kListEntries = 100000;

/// The entry list, in the order the window keeps it.
const QList<EntryRow>& list()
{
    static const QList<EntryRow> rows = [] {
        QList<EntryRow> list = bench::randomRows(kListEntries, 7);
        const QCollator order = collation::listCollator();
        std::stable_sort(list.begin(), list.end(), [&](const EntryRow& a, const EntryRow& b) {
            return order.compare(a.text, b.text) < 0;
        });
        return list;
    }();
    return rows;
}

/// The member list as a club program exports it: UTF-8, semicolons, CR LF.
const QByteArray& memberFile()
{
    static const QByteArray bytes = [] {
        const QList<EntryRow> members = bench::randomRows(kMembers, 11);
        QString text = QStringLiteral("Vorname;Nachname;Geburtsdatum;Geschlecht\r\n");
        for (int i = 0; i < kMembers; ++i) {
            const EntryRow& row = i % 10 == 0 ? list()[i * 7] : members[i];
            const entry::Names names = entry::splitDisplayText(row.text);
            text += QStringLiteral("%1;%2;%3.%4.%5;%6\r\n")
                        .arg(names.firstName, names.name)
                        .arg(i % 28 + 1)
                        .arg(i % 12 + 1)
                        .arg(entry::yearOf(row.code))
                        .arg(entry::genderOf(row.code) ? u"männlich" : u"weiblich");
        }
        return text.toUtf8();
    }();
    return bytes;
}

void BM_ParseAndEvaluate(benchmark::State& state)
{
    const QByteArray& bytes = memberFile();
    const QList<EntryRow>& entries = list();
    for (auto _ : state) {
        const memberlist::Parsed parsed = memberlist::parse(bytes);
        const QList<memberlist::Candidate> rows = memberlist::evaluate(
            parsed.table, memberlist::mapHeader(parsed.table.header), 2026, entries);
        const auto inList = std::count_if(rows.begin(), rows.end(), [](const auto& c) {
            return (c.problems & memberlist::InList) != 0;
        });
        if (rows.size() != kMembers || inList < kMembers / 10) {
            bench::fail(state, "the rows or the duplicates are not what the file holds");
            break;
        }
    }
}
BENCHMARK(BM_ParseAndEvaluate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenPreview(benchmark::State& state)
{
    for (auto _ : state) {
        // From the file's bytes to the painted table, as after the file dialog closes.
        memberlist::Parsed parsed = memberlist::parse(memberFile());
        auto preview = std::make_unique<ImportDialog>(std::move(parsed.table), list(), 2026,
                                                      QStringLiteral("mitglieder.csv"));
        auto* table = preview->findChild<QTableView*>(QStringLiteral("importTable"));
        bench::PaintWatcher painted(table->viewport());
        preview->show();
        const bool shown = painted.wait() && table->model()->rowCount() == kMembers;
        state.PauseTiming(); // closing is not part of the wait
        preview.reset();
        state.ResumeTiming();
        if (!shown) {
            bench::fail(state, "the preview was not painted with every row");
            break;
        }
    }
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
