// The window's costs as a user feels them: a keystroke in a name field while an entry of a long
// list is selected, "Laden" and "Speichern" of a 100,000-entry file end to end, and the time from
// starting the program to its first painted window.
//
//   make bench                     (all programs, medians of 5 repetitions)
//   build/bin/bench_app --benchmark_filter=PeakMemory   (alone: peak resident memory)

#include "CEntryDlg.h"
#include "ChooseFile.h"
#include "Entry.h"
#include "EntryFile.h"
#include "MessageBox.h"
#include "RandomEntries.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

using bench::RandomCode;
using bench::RandomName;

QTemporaryDir& WorkDir()
{
    static QTemporaryDir dir;
    return dir;
}

QList<entryfile::Entry> RandomEntries(int count)
{
    QRandomGenerator random(4711);
    QList<entryfile::Entry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append({RandomName(random), RandomCode(random)});
    return entries;
}

/// A 100,000-entry registration on disk (about 5 MB).
QString BigFile()
{
    static const QString path = [] {
        const QString p = WorkDir().filePath(QStringLiteral("gross.mdg"));
        QFile file(p);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(entryfile::Write(QStringLiteral("TV Musterstadt"), QStringLiteral("Gauturnfest"),
                                    RandomEntries(100000)));
        return p;
    }();
    return path;
}

std::unique_ptr<CEntryDlg> OpenWindow()
{
    auto dlg = std::make_unique<CEntryDlg>();
    dlg->OnInitDialog();
    dlg->show();
    dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(dlg.get()))
        std::abort();
    return dlg;
}

void LoadInto(CEntryDlg& dlg, const QString& path)
{
    entryfile::SetFilePresenter(
        [path](QWidget*, const entryfile::FileRequest&) { return std::optional<QString>(path); });
    dlg.OnLoad();
    entryfile::SetFilePresenter({});
}

long PeakResidentKiB()
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

void BM_KeystrokeInNameFieldWithSelectedEntry(benchmark::State& state)
{
    auto dlg = OpenWindow();
    const QList<entryfile::Entry> entries = RandomEntries(static_cast<int>(state.range(0)));
    for (const entryfile::Entry& e : entries)
        dlg->m_lbEntries->AddItem(e.text, e.code);
    const int row = dlg->m_lbEntries->GetCount() / 2;
    dlg->m_lbEntries->SetCurSel(row);
    dlg->OnSelChangeEntries();
    auto* field = qobject_cast<QLineEdit*>(dlg->GetDlgItem(CEntryDlg::IDC_NAME));
    field->setFocus();
    QCoreApplication::processEvents();
    bool add = true;
    for (auto _ : state) {
        // One keystroke: the row follows the field at once; the repaint it schedules is included.
        if (add)
            QTest::keyClick(field, Qt::Key_X);
        else
            QTest::keyClick(field, Qt::Key_Backspace);
        add = !add;
        QCoreApplication::processEvents();
    }
    if (dlg->m_lbEntries->GetCurSel() != row)
        state.SkipWithError("the selected row moved");
}
BENCHMARK(BM_KeystrokeInNameFieldWithSelectedEntry)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_LoadEndToEnd(benchmark::State& state)
{
    const QString path = BigFile();
    auto dlg = OpenWindow();
    for (auto _ : state) {
        LoadInto(*dlg, path);
        // Ready to paint: the list laid out and the window rendered once.
        dlg->grab();
    }
    state.counters["entries"] = dlg->m_lbEntries->GetCount();
}
BENCHMARK(BM_LoadEndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveEndToEnd(benchmark::State& state)
{
    auto dlg = OpenWindow();
    LoadInto(*dlg, BigFile());
    const QString target = WorkDir().filePath(QStringLiteral("gespeichert.mdg"));
    entryfile::SetFilePresenter([target](QWidget*, const entryfile::FileRequest&) {
        return std::optional<QString>(target);
    });
    for (auto _ : state)
        dlg->OnSave();
    entryfile::SetFilePresenter({});
    state.counters["bytes"] = static_cast<double>(QFileInfo(target).size());
}
BENCHMARK(BM_SaveEndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartToFirstPaint(benchmark::State& state)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/Zandrel");
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zandrel.startup.info=true"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), WorkDir().path());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        QByteArray err;
        while (!err.contains("first paint") && process.waitForReadyRead(5000))
            err += process.readAll();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        process.kill();
        process.waitForFinished();
        if (!err.contains("first paint")) {
            state.SkipWithError("the program never painted");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_PeakMemory(benchmark::State& state)
{
    auto dlg = OpenWindow();
    for (auto _ : state) {
        LoadInto(*dlg, BigFile());
        dlg->grab();
    }
    state.counters["peak_MiB"] = static_cast<double>(PeakResidentKiB()) / 1024.0;
}
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrel"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, WorkDir().path());
    msgbox::SetPresenter([](QWidget*, const msgbox::Request& r) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(r.text));
        std::abort();
        return msgbox::Answer::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
