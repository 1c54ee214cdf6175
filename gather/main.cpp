// zandrel-sammeln: the organiser's command over the gathering library.
//
//   zandrel-sammeln [-r] [--ausschreibung DATEI.aus [--bestaetigungen ORDNER]]
//                   [--eingang DATEI=TT.MM.JJJJ ...] [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...
//   zandrel-sammeln --vorlage DATEI.aus
//   zandrel-sammeln --pruefe DATEI.aus
//
// Exit status: 0 all files read, 1 some skipped, a text cut in the workbook, the list or a
// confirmation not written, 2 wrong usage or an event file with problems. --vorlage and --pruefe: 0
// done, 1 not.
#include "entries/Clubs.h"
#include "entries/Entry.h"
#include "gather/Gather.h"
#include "i18n/Translations.h"
#include "invitation/Template.h"
#include "messages/Gathering.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"
#include "textfile/SafeFile.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

constexpr int kAllRead = 0;
constexpr int kSomeSkipped = 1;
constexpr int kWrongUsage = 2;

void print(std::FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

int usage(const QString& why)
{
    print(stderr, gather::printable(QStringLiteral("zandrel-sammeln: ") + why) + u'\n');
    print(stderr, messages::gatherUsage());
    return kWrongUsage;
}

// What the event file is read for: to check it before it goes to the clubs, or to gather against
// it, which comes after the deadline by its nature.
enum class Purpose
{
    Check,
    Gather
};

// An event file with every problem on its own line, prefixed by the file's name like the report's
// lines. Empty when it cannot be used: then `problems` says why.
std::optional<invitation::Invitation> readInvitation(const QString& path, Purpose purpose,
                                                     QStringList& problems)
{
    const QString shown = QDir::toNativeSeparators(path);
    invitation::LoadedFile loaded = invitation::load(path);
    if (loaded.load != textfile::LoadResult::Ok) {
        problems.append(shown + QStringLiteral(": ") +
                        messages::loadFailed(loaded.load, messages::theFile()).text);
        return std::nullopt;
    }
    invitation::ReadResult& read = loaded.read;
    for (const QString& line : messages::invitationProblems(read, invitation::kMostProblems))
        problems.append(shown + QStringLiteral(": ") + line);
    if (!read.ok())
        return std::nullopt;
    // Taken, but the organiser should know before the clubs do. That the deadline has passed is
    // no news to one who gathers.
    if (purpose == Purpose::Gather)
        read.warnings.removeIf([](const invitation::Problem& warning) {
            return warning.kind == invitation::Problem::DeadlinePast;
        });
    for (const QString& line : messages::invitationWarnings(read, invitation::kMostProblems))
        print(stderr, gather::printable(shown + QStringLiteral(": ") + line) + u'\n');
    return std::move(read.invitation);
}

void printAll(std::FILE* to, const QStringList& lines)
{
    for (const QString& line : lines)
        print(to, gather::printable(line) + u'\n');
}

// A new event file from the template. An existing file is never replaced, not even one that
// appears between a look and the write: the file is created exclusively.
int writeTemplate(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
        print(stderr, gather::printable(exists ? messages::templateExists(shown)
                                               : messages::templateNotWritten(shown)) +
                          u'\n');
        return kSomeSkipped;
    }
    const QByteArray bytes = invitation::templateBytes();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Our own half-written file, never someone else's: it was created just now.
        file.remove();
        print(stderr, gather::printable(messages::templateNotWritten(shown)) + u'\n');
        return kSomeSkipped;
    }
    file.close();
    print(stdout, gather::printable(messages::templateWritten(shown)) + u'\n');
    return kAllRead;
}

int checkInvitation(const QString& path)
{
    QStringList problems;
    const std::optional<invitation::Invitation> invitation =
        readInvitation(path, Purpose::Check, problems);
    if (!invitation) {
        printAll(stderr, problems);
        return kSomeSkipped;
    }
    printAll(stdout, messages::invitationSummary(*invitation));
    return kAllRead;
}

// Ctrl+C while the workbook is made must not leave it behind in the temporary folder.
extern "C" void onInterrupt(int signal)
{
    gather::removeScratchFiles();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The list (or without -o the table), after the report. Returns the exit status; kWrongUsage
// before anything is written.
int writeOutput(const gather::Result& result, const QString& output, const QString& invitationPath)
{
    if (output.isEmpty()) {
        // Without any file read, a table of nothing would only hide the report above it.
        if (result.filesCounted() > 0)
            print(stdout, gather::summaryTable(result));
        return result.allRead() ? kAllRead : kSomeSkipped;
    }
    const gather::ListWritten written = gather::writeList(result, output, invitationPath);
    if (written.status == gather::ListWritten::Refused)
        return usage(written.error);
    for (const QString& line : written.cut)
        print(stderr, line + u'\n');
    printAll(stderr, written.done);
    if (written.status == gather::ListWritten::Failed) {
        print(stderr,
              gather::printable(QStringLiteral("zandrel-sammeln: ") + written.error) + u'\n');
        return kSomeSkipped;
    }
    return result.allRead() && written.cut.isEmpty() ? kAllRead : kSomeSkipped;
}

// One confirmation per club and event into `folder`, after the list: the report ends with how
// many were written. Any that was not written makes the exit status 1.
int writeConfirmations(const gather::Result& result, const QString& folder, int status)
{
    QStringList problems;
    const qsizetype written =
        gather::writeConfirmations(folder, gather::confirmations(result), &problems);
    printAll(stderr, problems);
    print(stderr, gather::printable(
                      messages::confirmationsWritten(written, QDir::toNativeSeparators(folder))) +
                      u'\n');
    return problems.isEmpty() ? status : kSomeSkipped;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    i18n::installGermanTexts(app);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZANDREL_VERSION));
    QStringList args = QCoreApplication::arguments().mid(1);
    gather::Options options;
    QString output;
    QString invitationPath;
    QString confirmationFolder;
    bool endOfOptions = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool standsAlone =
            arg == QStringLiteral("--vorlage") || arg == QStringLiteral("--pruefe");
        if (!endOfOptions && standsAlone) {
            if (i != 0 || args.size() != 2 || args[1].isEmpty())
                return usage(messages::optionStandsAlone(arg));
            return arg == QStringLiteral("--vorlage") ? writeTemplate(args[1])
                                                      : checkInvitation(args[1]);
        }
        if (endOfOptions || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            // The bytes as given: a file name need not be valid UTF-8, and the decoded argument
            // could not name it any more.
            options.systemPaths.emplace_back(argv[i + 1]);
        } else if (arg == QStringLiteral("--")) {
            endOfOptions = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            print(stdout, messages::gatherUsage());
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
        } else if (arg == QStringLiteral("--ausschreibung") && i + 1 < args.size() &&
                   invitationPath.isEmpty() && !args[i + 1].isEmpty()) {
            invitationPath = args[++i];
        } else if (arg == QStringLiteral("-o") || arg == QStringLiteral("--ausschreibung")) {
            return usage(messages::optionNeedsOneFileName(arg));
        } else if (arg == QStringLiteral("--bestaetigungen") && i + 1 < args.size() &&
                   confirmationFolder.isEmpty() && !args[i + 1].isEmpty()) {
            confirmationFolder = args[++i];
        } else if (arg == QStringLiteral("--bestaetigungen")) {
            return usage(messages::optionNeedsOneFolder());
        } else if (arg == QStringLiteral("--eingang")) {
            // DATEI=TT.MM.JJJJ; the last '=' divides, as a file name may hold one.
            const QString given = i + 1 < args.size() ? args[++i] : QString();
            const qsizetype at = given.lastIndexOf(u'=');
            const QDate date = at > 0 ? gather::receiptDate(given.mid(at + 1)) : QDate();
            if (!date.isValid())
                return usage(messages::receiptOptionWrong(given));
            options.receipts.insert(given.left(at), date);
        } else {
            return usage(messages::unknownOption(arg));
        }
    }
    if (options.systemPaths.empty())
        return usage(messages::nothingToGather());
    // The fee and the account a confirmation names come from the event file.
    if (!confirmationFolder.isEmpty() && invitationPath.isEmpty())
        return usage(messages::confirmationsNeedInvitation());
    const bool csv = output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!output.isEmpty() && !csv && !output.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return usage(messages::wrongListSuffix(output));

    if (!invitationPath.isEmpty()) {
        // Gathering against a half-understood event file would check the wrong things: nothing
        // is gathered until it reads without a problem.
        QStringList problems;
        options.invitation = readInvitation(invitationPath, Purpose::Gather, problems);
        if (!options.invitation) {
            printAll(stderr, problems);
            return kWrongUsage;
        }
    }
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
    if (result.receiptsUnknown())
        print(stderr, messages::receiptsHowTo(true) + u'\n');
    const int status = writeOutput(result, output, invitationPath);
    if (status == kWrongUsage || confirmationFolder.isEmpty())
        return status;
    return writeConfirmations(result, confirmationFolder, status);
}
