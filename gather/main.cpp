// zandrel-sammeln: the organiser's command over the gathering library.
//
//   zandrel-sammeln [-r] [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...
//
// Exit status: 0 all files read, 1 some skipped, a text cut in the workbook, or the list not
// written, 2 wrong usage.
#include "entries/Clubs.h"
#include "entries/Entry.h"
#include "gather/Gather.h"
#include "messages/Gathering.h"

#include <csignal>
#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <unistd.h>

namespace {

constexpr int kAllRead = 0;
constexpr int kSomeSkipped = 1;
constexpr int kWrongUsage = 2;

const char kUsage[] =
    "Aufruf: zandrel-sammeln [-r] [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...\n"
    "Sammelt die Meldedateien der Vereine zu einer Teilnehmerliste.\n"
    "  -o DATEI  schreibt die Liste als Excel-Arbeitsmappe (.xlsx) oder CSV-Datei (.csv);\n"
    "            ohne -o erscheint eine Übersicht je Veranstaltung und Verein\n"
    "  -r        liest auch die Unterordner der genannten Ordner\n"
    "  -h        zeigt diese Hilfe\n"
    "  --version zeigt die Version\n";

void print(std::FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

int usage(const QString& why)
{
    print(stderr, gather::printable(QStringLiteral("zandrel-sammeln: ") + why) + u'\n');
    std::fputs(kUsage, stderr);
    return kWrongUsage;
}

// Ctrl+C while the workbook is made must not leave it behind in the temporary folder.
extern "C" void onInterrupt(int signal)
{
    gather::removeScratchFiles();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZANDREL_VERSION));
    QStringList args = QCoreApplication::arguments().mid(1);
    gather::Options options;
    QString output;
    bool endOfOptions = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (endOfOptions || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            // The bytes as given: a file name need not be valid UTF-8, and the decoded argument
            // could not name it any more.
            options.systemPaths.emplace_back(argv[i + 1]);
        } else if (arg == QStringLiteral("--")) {
            endOfOptions = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            std::fputs(kUsage, stdout);
            return kAllRead;
        } else if (arg == QStringLiteral("--version")) {
            print(stdout, QStringLiteral("zandrel-sammeln ") +
                              QCoreApplication::applicationVersion() + u'\n');
            return kAllRead;
        } else if (arg == QStringLiteral("-r")) {
            options.recursive = true;
        } else if (arg == QStringLiteral("-o") && i + 1 < args.size() && output.isEmpty()) {
            // Shown in messages as typed, but with the platform's separators like the files.
            output = QDir::toNativeSeparators(args[++i]);
        } else if (arg == QStringLiteral("-o")) {
            return usage(messages::optionNeedsOneFileName());
        } else {
            return usage(messages::unknownOption(arg));
        }
    }
    if (options.systemPaths.empty())
        return usage(messages::nothingToGather());
    const bool csv = output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!output.isEmpty() && !csv && !output.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return usage(messages::wrongListSuffix(output));

    options.clubs = lists::clubs();
    options.events = lists::events();
    options.currentUtcYear = entry::currentUtcYear();
    // A progress line only where someone watches, and only once the wait is noticeable.
    QElapsedTimer clock;
    clock.start();
    bool progressShown = false;
    if (isatty(STDERR_FILENO)) {
        options.progress = [&](qsizetype done, qsizetype total) {
            if (clock.elapsed() < 1000 || (done % 50 != 0 && done != total))
                return;
            progressShown = true;
            print(stderr, u'\r' + messages::readingProgress(done, total));
        };
    }
#ifdef SIGHUP
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
#else
    for (const int signal : {SIGINT, SIGTERM}) // Windows has no SIGHUP
#endif
        std::signal(signal, onInterrupt);
    const gather::Result result = gather::run(options);
    if (progressShown)
        std::fputs("\n", stderr);

    for (const QString& line : gather::reportLines(result))
        print(stderr, line + u'\n');
    if (output.isEmpty()) {
        // Without any file read, a table of nothing would only hide the report above it.
        if (result.filesCounted() > 0)
            print(stdout, gather::summaryTable(result));
        return result.allRead() ? kAllRead : kSomeSkipped;
    }
    if (gather::isInputFile(result, output))
        return usage(messages::wouldOverwriteEntryFile(output));
    QString error;
    QStringList cut;
    const bool written = csv ? gather::writeCsv(output, result, &error)
                             : gather::writeXlsx(output, result, &error, &cut);
    for (const QString& line : std::as_const(cut))
        print(stderr, line + u'\n');
    if (!written) {
        print(stderr, gather::printable(QStringLiteral("zandrel-sammeln: ") + error) + u'\n');
        return kSomeSkipped;
    }
    print(stderr, gather::printable(
                      messages::listWritten(result.rows.size(), result.filesCounted(), output)) +
                      u'\n');
    return result.allRead() && cut.isEmpty() ? kAllRead : kSomeSkipped;
}
