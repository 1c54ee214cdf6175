// The window's costs as a user feels them: a keystroke in a name field while an entry of a long
// list is selected, "Laden" and "Speichern" of a 100,000-entry file end to end, the time from
// starting the program to its first painted window, and the peak memory with that file loaded.
//
// Start-up and peak memory are measured in fresh processes, as a figure taken inside a run of all
// benchmarks would carry whatever the earlier benchmarks left on the heap. The start is the built
// program itself beside a minimal Qt Widgets program and beside its window's controls as bare Qt,
// all timed by a preloaded probe; for the peak memory this program starts itself again with
// --child=..., sets the program up there as main() and CEntryApp::InitInstance do, and reports
// through its standard output.
//
//   make bench
//   build-bench/bin/bench_app --benchmark_repetitions=5 --benchmark_filter=StartToFirstPaint
//   (docs/benchmarks.md names the command behind each of its figures)

#include "app/CEntryApp.h"
#include "app/CEntryDlg.h"
#include "app/ChooseFile.h"
#include "app/CIconListBox.h"
#include "app/HelpViewer.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "BenchMain.h"
#include "BigEntryFile.h"
#include "entries/Entry.h"
#include "entries/EntryListModel.h"
#include "entryfile/EntryFile.h"
#include "PaintWatcher.h"
#include "RandomEntries.h"
#include "textfile/SafeFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

/// `bytes` as a file in the work folder.
QString writeFile(const QString& name, const QByteArray& bytes)
{
    QString path = workDir().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

/// The 100,000-entry registration on disk.
QString bigFile()
{
    static const QString path = writeFile(QStringLiteral("gross.mdg"), bench::bigFileBytes());
    return path;
}

/// The same less its last entry: loaded over the full list it changes the number of rows, so
/// the new layout shows in the scroll range.
QString bigFileLessOne()
{
    static const QString path =
        writeFile(QStringLiteral("gross-1.mdg"),
                  entryfile::write(QStringLiteral("TV Musterstadt"), QStringLiteral("Gauturnfest"),
                                   bench::bigFileRows().first(bench::kBigFileEntries - 1)));
    return path;
}

CIconListBox& entryList(const CEntryDlg& dlg)
{
    return *dlg.findChild<CIconListBox*>(QStringLiteral("listEntries"));
}

/// Any message box means the benchmark left the path it means to measure.
void abortOnMessageBox()
{
    msgbox::setPresenter([](QWidget*, const msgbox::Request& r) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(r.text));
        std::abort();
        return msgbox::Answer::Ok;
    });
}

/// "Laden" with the file dialog answered by `path`.
void loadInto(CEntryDlg& dlg, const QString& path)
{
    filedlg::setFilePresenter(
        [path](QWidget*, const filedlg::FileRequest&) { return std::optional<QString>(path); });
    dlg.OnLoad();
    filedlg::setFilePresenter({});
}

std::int64_t steadyNowNs()
{
    // steady_clock is CLOCK_MONOTONIC, one clock for all processes of the machine, so a time
    // taken in the child can be compared with one taken here.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// ---- the child: the program as it starts ------------------------------------------------------

constexpr char kChildPeakMemory[] = "--child=peak-memory";

/// Sets the program up as main() and CEntryApp::InitInstance do and runs its window; after the
/// window's first paint it loads `file`, waits until the list is painted, prints
/// "peak_kib <VmHWM>" and closes the window.
int runProgramAsChild(int argc, char** argv, const QString& file)
{
    CEntryApp app(argc, argv);
    abortOnMessageBox();
    {
        CEntryDlg dlg;
        dlg.applySettings(Settings::read(CEntryApp::applicationName()));
        dlg.OnInitDialog();
        dlg.setWindowModality(Qt::WindowModal);
        bench::PaintWatcher windowPainted(&dlg);
        windowPainted.afterNextPaint([&] {
            bench::PaintWatcher listPainted(entryList(dlg).viewport());
            loadInto(dlg, file);
            if (!listPainted.wait() || entryList(dlg).GetCount() != bench::kBigFileEntries)
                std::abort();
            std::printf("peak_kib %ld\n", peakResidentKiB());
            std::fflush(stdout);
            dlg.done(0);
        });
        dlg.exec();
    }
    help::destroy();
    return 0;
}

/// Runs this program as a child with `arguments` and returns its standard output; an empty one
/// (and a failed benchmark, with the child's error output shown) when the child failed.
QByteArray runChild(benchmark::State& state, const QStringList& arguments,
                    std::int64_t* startedNs = nullptr,
                    const QString& program = QCoreApplication::applicationFilePath(),
                    const QString& preload = {})
{
    // Settings of their own, as a user who has used the program before has them.
    static const QString configHome = [] {
        QString home = workDir().filePath(QStringLiteral("config"));
        QDir().mkpath(home + QStringLiteral("/ZANDREL"));
        QSettings stored(home + QStringLiteral("/ZANDREL/") +
                             QFileInfo(QCoreApplication::applicationFilePath()).baseName() +
                             QStringLiteral(".conf"),
                         QSettings::IniFormat);
        stored.setValue(QStringLiteral("settings/autoSave"), 1);
        stored.setValue(QStringLiteral("settings/path"), workDir().path());
        return home;
    }();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    if (!preload.isEmpty())
        env.insert(QStringLiteral("LD_PRELOAD"), preload);
    process.setProcessEnvironment(env);
    if (startedNs)
        *startedNs = steadyNowNs();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
        bench::fail(state, "the child process failed");
        return {};
    }
    return process.readAllStandardOutput();
}

/// The number behind `key` in a child's output, or -1.
long long valueOf(const QByteArray& output, const char* key)
{
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 && words.at(0) == key)
            return words.at(1).toLongLong();
    }
    return -1;
}

// ---- the benchmarks --------------------------------------------------------------------------

std::unique_ptr<CEntryDlg> openWindow()
{
    auto dlg = std::make_unique<CEntryDlg>();
    dlg->OnInitDialog();
    dlg->show();
    dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(dlg.get()))
        std::abort();
    return dlg;
}

void BM_KeystrokeInNameFieldWithSelectedEntry(benchmark::State& state)
{
    auto dlg = openWindow();
    CIconListBox& list = entryList(*dlg);
    static_cast<EntryListModel*>(list.model())
        ->addSorted(bench::randomRows(static_cast<int>(state.range(0)), 4711));
    const int row = list.GetCount() / 2;
    list.SetCurSel(row);
    dlg->OnSelChangeEntries();
    auto* field = dlg->findChild<QLineEdit*>(QStringLiteral("editName"));
    field->setFocus();
    bench::PaintWatcher painted(list.viewport());
    painted.wait();
    bool add = true;
    for (auto _ : state) {
        // One keystroke: the selected row follows the field at once; the clock runs until the
        // list has been painted with it.
        painted.reset();
        QTest::keyClick(field, add ? Qt::Key_X : Qt::Key_Backspace);
        add = !add;
        if (!painted.wait()) {
            bench::fail(state, "the list was not painted after the keystroke");
            break;
        }
    }
    if (list.GetCurSel() != row)
        bench::fail(state, "the selected row moved");
}
BENCHMARK(BM_KeystrokeInNameFieldWithSelectedEntry)->Arg(10000)->Unit(benchmark::kMicrosecond);

// "Laden" of the 100,000-entry file until the list with all of it is painted: into the fresh
// window (over_full_list:0), and over a list that already holds a file of that size
// (over_full_list:1), whose rows have to go first.
void BM_LoadUntilPainted(benchmark::State& state)
{
    const bool overFullList = state.range(0) != 0;
    auto dlg = openWindow();
    CIconListBox& list = entryList(*dlg);
    bench::PaintWatcher painted(list.viewport());
    const QString files[] = {bigFile(), bigFileLessOne()};
    if (overFullList &&
        !bench::changeListUntilPainted(state, list, painted, [&] { loadInto(*dlg, files[1]); }))
        return;
    int next = 0;
    for (auto _ : state) {
        const QString& file = files[next];
        if (!bench::changeListUntilPainted(state, list, painted, [&] { loadInto(*dlg, file); }))
            break;
        if (overFullList) {
            next = 1 - next;
            continue;
        }
        state.PauseTiming();
        const bool emptied = bench::changeListUntilPainted(
            state, list, painted, [&] { static_cast<EntryListModel*>(list.model())->clear(); });
        state.ResumeTiming();
        if (!emptied)
            break;
    }
}
BENCHMARK(BM_LoadUntilPainted)
    ->ArgName("over_full_list")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_SaveEndToEnd(benchmark::State& state)
{
    auto dlg = openWindow();
    loadInto(*dlg, bigFile());
    const QString target = workDir().filePath(QStringLiteral("gespeichert.mdg"));
    filedlg::setFilePresenter(
        [target](QWidget*, const filedlg::FileRequest&) { return std::optional<QString>(target); });
    for (auto _ : state)
        dlg->OnSave();
    filedlg::setFilePresenter({});
    QByteArray saved;
    if (textfile::loadFile(target, saved) != textfile::LoadResult::Ok ||
        entryfile::read(saved, entry::currentUtcYear()).entries.size() != bench::kBigFileEntries)
        bench::fail(state, "the saved file does not hold all entries");
}
BENCHMARK(BM_SaveEndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

// From just before the process is spawned to the end of the window's first paint: process
// creation, loading the libraries, the application object with its translations, reading the
// settings, building the window and painting it. Each iteration also starts, the same way, the
// smallest Qt Widgets program (minimal_widgets) and the window's controls as bare Qt
// (bare_window_widgets), both beside this one, the three in turns, so that `ratio` and
// `bare_ratio` compare them under the same load. The order turns by one place each iteration,
// and 12 iterations put each program first, second and last equally often.
void BM_StartToFirstPaint(benchmark::State& state)
{
    // The built Zandrel beside this program against the two yardsticks, all with the probe
    // preloaded.
    const QString dir = QCoreApplication::applicationDirPath();
    const QString probe = dir + QStringLiteral("/first_paint_probe.so");
    const QString names[] = {QStringLiteral("Zandrel"), QStringLiteral("minimal_widgets"),
                             QStringLiteral("bare_window_widgets")};
    constexpr int kPrograms = 3;
    std::vector<double> times[kPrograms];
    const auto start = [&](const QString& name) {
        std::int64_t started = 0;
        const long long painted =
            valueOf(runChild(state, {}, &started, dir + QLatin1Char('/') + name, probe), "painted");
        return painted < 0 ? -1.0 : static_cast<double>(painted - started) / 1e9;
    };
    int first = 0;
    for (auto _ : state) {
        double took[kPrograms] = {};
        bool failed = false;
        for (int i = 0; i < kPrograms && !failed; ++i) {
            const int which = (first + i) % kPrograms;
            took[which] = start(names[which]);
            failed = took[which] < 0;
        }
        first = (first + 1) % kPrograms;
        if (failed) {
            bench::fail(state, "a child never painted its window");
            break;
        }
        for (int i = 0; i < kPrograms; ++i)
            times[i].push_back(took[i]);
        state.SetIterationTime(took[0]);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    const double program = median(times[0]);
    const double minimal = median(times[1]);
    const double bare = median(times[2]);
    state.counters["minimal_ms"] = minimal * 1e3;
    state.counters["ratio"] = program / std::max(minimal, 1e-9);
    state.counters["bare_ms"] = bare * 1e3;
    state.counters["bare_ratio"] = program / std::max(bare, 1e-9);
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(12);

// Peak resident memory of a fresh program process that has loaded the 100,000-entry file and
// painted it; the time is that process's whole life.
void BM_PeakMemory(benchmark::State& state)
{
    long long peakKiB = -1;
    for (auto _ : state) {
        const QByteArray output =
            runChild(state, {QString::fromLatin1(kChildPeakMemory), bigFile()});
        peakKiB = valueOf(output, "peak_kib");
        if (peakKiB <= 0) {
            bench::fail(state, "the child reported no peak memory");
            break;
        }
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], kChildPeakMemory) == 0)
        return runProgramAsChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrel"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir().path());
    abortOnMessageBox();
    return bench::runBenchmarks(argc, argv);
}
