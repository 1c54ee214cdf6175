#include "gather/Gather.h"

#include "entries/Collation.h"
#include "entries/Entry.h"
#include "entries/Nearest.h"
#include "entryfile/EntryFile.h"
#include "memberlist/MemberList.h"
#include "messages/Gathering.h"
#include "messages/Messages.h"
#include "textfile/SafeFile.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace gather {
namespace {

#ifdef Q_OS_WIN
// MinGW's std::filesystem::equivalent compares stat()'s inode numbers, which are 0 on Windows:
// any two files would be the same. There a file is known by its volume's serial number and index.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const auto identity =
        [](const std::filesystem::path& path) -> std::optional<std::array<DWORD, 3>> {
        const HANDLE h =
            CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return std::nullopt;
        BY_HANDLE_FILE_INFORMATION info{};
        const bool ok = GetFileInformationByHandle(h, &info);
        CloseHandle(h);
        if (!ok)
            return std::nullopt;
        return std::array<DWORD, 3>{info.dwVolumeSerialNumber, info.nFileIndexHigh,
                                    info.nFileIndexLow};
    };
    const auto first = identity(a);
    return first && first == identity(b);
}
#else
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}
#endif

namespace fs = std::filesystem;

// One file to read: as the system spells it and as people are shown it.
struct Found
{
    fs::path system;
    QString shown;
};

template <typename Char> bool endsWithMdg(const std::basic_string<Char>& name)
{
    if (name.size() < 4)
        return false;
    const Char* end = name.data() + name.size() - 4;
    const auto lower = [](Char c) { return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c; };
    return end[0] == '.' && lower(end[1]) == 'm' && lower(end[2]) == 'd' && lower(end[3]) == 'g';
}

// The folder's entries by the names the system keeps. Qt's own listing drops a name that is no
// valid UTF-8 without a word (a club's zip made on Windows brings "M\xfchlbach"); the standard
// library hands every name over as it is, on Windows as UTF-16. False when the folder cannot be
// read (no permission, or it went away meanwhile).
bool listFolder(const fs::path& folder, std::vector<fs::directory_entry>& entries)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        entries.push_back(*it);
    return !error;
}

} // namespace

QDate receiptDate(QString text)
{
    text = text.trimmed();
    text = text.left(text.indexOf(u' '));
    for (const char16_t* format : {u"d.M.yyyy", u"yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QString::fromUtf16(format));
        if (date.isValid())
            return date;
    }
    return {};
}

namespace {

QString canonicalPath(const fs::path& path)
{
    return QFileInfo(path).canonicalFilePath();
}

struct Finder
{
    const Options& options;
    Result& result;
    fs::path relativeTo;
    std::vector<Found> found;
    QSet<QString> seen; // canonical paths, so that the same file named twice is read once
    QHash<QString, QDate> receipts; // by canonical path, from the folders' receipt tables

    // The folder's receipt table, where it has one: a line that names no file of the folder, or
    // no date, is reported and left out, and its file's receipt stays unknown.
    void readReceipts(const fs::path& folder)
    {
        const fs::path table = folder / fs::path(std::u16string(kReceiptTable));
        std::error_code error;
        if (!fs::is_regular_file(table, error))
            return;
        const QString where = shown(table);
        QByteArray bytes;
        if (textfile::loadFile(table, bytes) != textfile::LoadResult::Ok) {
            result.problems.append(
                {Problem::ReceiptTable, where, 0, messages::receiptTableUnreadable()});
            return;
        }
        QHash<QString, qsizetype> lineOf;
        const QList<memberlist::Row> rows = memberlist::rows(bytes, entry::kMaxEntries);
        for (const memberlist::Row& row : rows) {
            const QString name = row.cells.value(0);
            const QString dateText = row.cells.value(1);
            const QDate date = receiptDate(dateText);
            if (!date.isValid()) {
                // A spreadsheet's first row is most often its column titles.
                if (&row != &rows.first() || receiptDate(name).isValid())
                    result.problems.append({Problem::ReceiptTable, where, row.number,
                                            messages::receiptNoDate(dateText)});
                continue;
            }
            const QString file = canonicalPath(folder / QFileInfo(name).filesystemFilePath());
            if (name.isEmpty() || file.isEmpty() || !QFileInfo(file).isFile()) {
                result.problems.append(
                    {Problem::ReceiptTable, where, row.number, messages::receiptNoFile(name)});
                continue;
            }
            if (const auto first = lineOf.constFind(file); first != lineOf.cend()) {
                result.problems.append({Problem::ReceiptTable, where, row.number,
                                        messages::receiptTwice(name, *first)});
                continue;
            }
            lineOf.insert(file, row.number);
            receipts.insert(file, date);
        }
    }

    QString shown(const fs::path& path) const
    {
        if (!relativeTo.empty()) {
            const fs::path relative = path.lexically_relative(relativeTo);
            if (!relative.empty() && *relative.begin() != fs::path(".."))
                return shownPath(relative);
        }
        return shownPath(path);
    }

    void Add(const fs::path& path, const QString& shown)
    {
        std::error_code error;
        const fs::path canonical = fs::canonical(path, error);
        if (!error) {
            const QString key = shownPath(canonical);
            if (seen.contains(key))
                return;
            seen.insert(key);
        }
        found.push_back({path, shown});
    }

    // Every entry named *.mdg (in any case) that is no folder: regular files are read, and a pipe,
    // a device or a broken link by that name is reported rather than passed over.
    void walk(const fs::path& folder, std::vector<Found>& inFolder)
    {
        std::vector<fs::directory_entry> entries;
        if (!listFolder(folder, entries)) {
            result.problems.append(
                {Problem::CannotRead, shown(folder), 0, messages::folderUnreadable()});
            ++result.skipped;
            return;
        }
        readReceipts(folder);
        for (const fs::directory_entry& entry : entries) {
            std::error_code error;
            if (entry.is_directory(error)) {
                // Linked folders are not followed: a link to a parent would never end.
                if (options.recursive && !entry.is_symlink(error))
                    walk(entry.path(), inFolder);
                continue;
            }
            if (endsWithMdg(entry.path().filename().native()))
                inFolder.push_back({entry.path(), shown(entry.path())});
        }
    }

    void path(const fs::path& path, const QString& shown)
    {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            Add(path, shown);
            return;
        }
        std::vector<Found> inFolder;
        const qsizetype problems = result.problems.size();
        walk(path, inFolder);
        if (inFolder.empty() && result.problems.size() == problems) {
            result.problems.append({Problem::NoFiles, shown, 0, messages::folderHasNoEntryFile()});
            ++result.skipped;
        }
        std::sort(inFolder.begin(), inFolder.end(),
                  [](const Found& a, const Found& b) { return a.shown < b.shown; });
        for (const Found& file : inFolder)
            Add(file.system, file.shown);
    }
};

// The entry files named by the options: files as given, folders' *.mdg files sorted by name.
// `receipts` gets the receipt dates of the folders' tables, by canonical path.
std::vector<Found> findFiles(const Options& options, Result& result,
                             QHash<QString, QDate>& receipts)
{
    Finder finder{options, result, {}, {}, {}, {}};
    if (!options.relativeTo.isEmpty())
        finder.relativeTo = QFileInfo(options.relativeTo).filesystemFilePath().lexically_normal();
    for (const QString& path : options.paths) {
        const fs::path system = QFileInfo(path).filesystemFilePath();
        std::error_code error;
        finder.path(system, fs::is_directory(system, error) && finder.relativeTo.empty()
                                ? path
                                : finder.shown(system));
    }
    for (const fs::path& path : options.systemPaths)
        finder.path(path, finder.shown(path));
    receipts = std::move(finder.receipts);
    return std::move(finder.found);
}

QString loadProblem(textfile::LoadResult load, const fs::path& path)
{
    // A name that is not there at all is most often a mistyped folder: say so, not "cannot open".
    std::error_code error;
    if (load == textfile::LoadResult::CannotOpen && !fs::exists(fs::symlink_status(path, error)))
        return messages::notFound(endsWithMdg(path.filename().native()));
    return messages::loadFailed(load, messages::theFile()).text;
}

QDateTime modified(const fs::path& path)
{
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error)
        return {};
    const auto since = std::chrono::file_clock::to_sys(time).time_since_epoch();
    return QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

// Both lists as the window's drop-down lists hold them (sorted), so that a file's club and event
// are found exactly as "Laden" finds them.
QStringList asInWindow(QStringList items)
{
    std::stable_sort(items.begin(), items.end(), collation::listCollator());
    return items;
}

QString receiptText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

struct Reader
{
    const Options& options;
    Result& result;
    QHash<QString, QDate> receipts; // by canonical path
    QStringList clubs;
    QStringList events;
    QList<QList<Row>> rowsOfFile;   // parallel to result.files
    QList<QStringList> textsOfFile; // the display texts, for the list's order
    QList<QList<qsizetype>> linesOfFile;

    void problem(Problem::Kind kind, qsizetype line, const QString& message)
    {
        result.problems.append({kind, result.files.constLast().path, line, message});
    }
    // A problem of a row, which the list's "Hinweis" column repeats.
    void problem(Problem::Kind kind, qsizetype line, const QString& message, QStringList& notes)
    {
        problem(kind, line, message);
        notes.append(message);
    }

    // The last value of the kind, with its line (from 1); line 0 when there is none.
    static std::pair<QString, qsizetype> lastValue(const QList<entryfile::HeaderValue>& headers,
                                                   entryfile::HeaderValue::Kind kind)
    {
        for (qsizetype i = headers.size() - 1; i >= 0; --i) {
            if (headers[i].kind == kind)
                return {headers[i].value, headers[i].line + 1};
        }
        return {QString(), 0};
    }

    void read(const Found& where)
    {
        result.files.append({where.shown, where.system, {}, {}, modified(where.system), false});
        if (const auto date = receipts.constFind(canonicalPath(where.system));
            date != receipts.cend())
            result.files.last().receipt = Receipt{Receipt::Given, *date, false};
        rowsOfFile.emplace_back();
        textsOfFile.emplace_back();
        linesOfFile.emplace_back();
        QByteArray bytes;
        if (const auto load = textfile::loadFile(where.system, bytes);
            load != textfile::LoadResult::Ok) {
            problem(Problem::CannotRead, 0, loadProblem(load, where.system));
            ++result.skipped;
            return;
        }
        const entryfile::Content content = entryfile::read(bytes, options.currentUtcYear);
        QString notEntryFile = messages::refused(content.refusal, messages::theFile());
        if (notEntryFile.isEmpty() && !entryfile::isEntryFile(content))
            notEntryFile = messages::notAnEntryFile(messages::theFile());
        if (!notEntryFile.isEmpty()) {
            problem(Problem::NotEntryFile, 0, notEntryFile);
            ++result.skipped;
            return;
        }
        File& file = result.files.last();
        file.counted = true;
        const entryfile::HeaderSelection found =
            entryfile::matchHeaders(content.headers, clubs, events);
        const auto [club, clubLine] = lastValue(content.headers, entryfile::HeaderValue::Club);
        const auto [event, eventLine] = lastValue(content.headers, entryfile::HeaderValue::Event);
        file.club = found.club >= 0 ? clubs[found.club] : club;
        file.event = found.event >= 0 ? events[found.event] : event;
        // What is wrong with the file's club or event is said of each of its rows.
        QStringList fileNotes;
        const bool anyClub = options.invitation && options.invitation->isOpen();
        if (club.isEmpty())
            problem(Problem::ClubMissing, clubLine, messages::clubMissing(), fileNotes);
        else if (found.club < 0 && !anyClub)
            problem(Problem::ClubUnknown, clubLine,
                    messages::clubUnknown(club,
                                          options.invitation ? messages::ClubList::Invitation
                                                             : messages::ClubList::Program,
                                          nearest::closest(club, clubs)),
                    fileNotes);
        if (event.isEmpty())
            problem(Problem::EventMissing, eventLine, messages::eventMissing(), fileNotes);
        else if (found.event < 0)
            problem(Problem::EventUnknown, eventLine, messages::eventUnknown(event), fileNotes);
        const Billing fileBilling = fileNotes.isEmpty() ? Billing::Billed : Billing::NotBilled;
        const invitation::Event* admits = options.invitation && found.event >= 0
                                              ? options.invitation->event(file.event)
                                              : nullptr;

        const QList<qsizetype>& lines = content.entryLines;
        QList<Row>& rows = rowsOfFile.last();
        QStringList& texts = textsOfFile.last();
        rows.reserve(content.entries.size());
        texts.reserve(content.entries.size());
        const qsizetype fileIndex = result.files.size() - 1;
        for (qsizetype i = 0; i < content.entries.size(); ++i) {
            const EntryRow& entry = content.entries[i];
            const entry::Names names = entry::splitDisplayText(entry.text);
            Row row{file.club,
                    file.event,
                    names.name.trimmed(),
                    names.firstName.trimmed(),
                    entry::yearOf(entry.code),
                    content.invalidYears.value(i),
                    entry::genderOf(entry.code),
                    fileIndex,
                    fileNotes,
                    fileBilling};
            // Only the year is judged here, not entry::gaps as in the window and the import: a
            // file's gender is a letter that is always read as one of the two, and a row with an
            // empty name is listed as the club sent it, for the organiser to see and ask about.
            if (row.year < 0 && row.yearText.isEmpty())
                problem(Problem::InvalidYear, lines[i], messages::noYear(entry.text), row.notes);
            else if (row.year < 0)
                problem(Problem::InvalidYear, lines[i],
                        messages::invalidYear(row.yearText, entry.text), row.notes);
            else if (admits && !admits->admitsYear(row.year))
                problem(Problem::YearNotAdmitted, lines[i],
                        messages::yearNotAdmitted(
                            messages::participant(row.firstName, row.name, row.year), admits->name,
                            admits->firstYear, admits->lastYear),
                        row.notes);
            if (row.year < 0 || (admits && !admits->admitsYear(row.year)))
                row.billing = Billing::NotBilled;
            rows.append(std::move(row));
            texts.append(entry.text);
        }
        linesOfFile.last() = lines;
    }

    // Of two files for the same club and event only the newer counts (on equal times the one read
    // later): a club that sends a corrected registration replaces its first one.
    void dropReplacedFiles()
    {
        QHash<QString, qsizetype> newest;
        for (qsizetype i = 0; i < result.files.size(); ++i) {
            const File& file = result.files[i];
            if (!file.counted || file.club.isEmpty() || file.event.isEmpty())
                continue;
            const QString key = file.club + u'\n' + file.event;
            const auto it = newest.constFind(key);
            if (it == newest.cend()) {
                newest.insert(key, i);
                continue;
            }
            const qsizetype other = *it;
            // The organiser's receipt dates tell which came later; the files' times only say in
            // which order they were stored.
            const Receipt& mine = file.receipt;
            const Receipt& theirs = result.files[other].receipt;
            const bool byReceipt = mine.kind == Receipt::Given && theirs.kind == Receipt::Given &&
                                   mine.date != theirs.date;
            const bool thisIsNewer =
                byReceipt ? mine.date > theirs.date : file.modified >= result.files[other].modified;
            const qsizetype older = thisIsNewer ? other : i;
            const qsizetype newer = thisIsNewer ? i : other;
            result.files[older].counted = false;
            newest.insert(key, newer);
            result.problems.append(
                {Problem::Superseded, result.files[older].path, 0,
                 messages::superseded(file.club, file.event, result.files[newer].path)});
        }
    }

    // When each counted file came, as far as the event's late fee is concerned, and what its
    // rows and the report say about it. Without the organiser's receipt date a file pays the
    // normal fee: its time on disk is when it was copied there, which proves lateness never.
    void judgeReceipts()
    {
        if (!options.invitation)
            return;
        for (qsizetype f = 0; f < result.files.size(); ++f) {
            File& file = result.files[f];
            const invitation::Event* event =
                file.counted ? options.invitation->event(file.event) : nullptr;
            // A file of a club the event file does not know is billed nothing yet anyway.
            const bool clubKnown = !file.club.isEmpty() && (options.invitation->isOpen() ||
                                                            options.invitation->club(file.club));
            if (!event || !clubKnown || !event->lateFeeCents || !event->deadlineDate.isValid())
                continue;
            Receipt& receipt = file.receipt;
            if (receipt.kind == Receipt::Given) {
                // A day, not a time: received on the deadline's day is in time.
                receipt.late = receipt.date > event->deadlineDate;
            } else if (file.modified.isValid() && !event->deadlinePassed(file.modified)) {
                receipt.kind = Receipt::OnDisk;
            } else {
                receipt.kind = Receipt::Unknown;
            }
            const QString note = feeOfFile(result, f).note;
            if (note.isEmpty())
                continue;
            result.problems.append(
                {receipt.late ? Problem::LateEntry : Problem::ReceiptUnknown, file.path, 0, note});
            for (Row& row : rowsOfFile[f])
                row.notes.append(note);
        }
    }

    // Everybody of an event by who they are, with each place they are registered. Again in the
    // same file is a repetition there; in other files it is a registration by other clubs, which
    // each of them is told of, naming the others. Both are billed as the clubs' forms billed
    // them, and marked to be settled.
    void findDuplicates()
    {
        struct Where
        {
            qsizetype file;
            qsizetype row;
        };
        QHash<QString, QHash<QByteArray, QList<Where>>> byEvent;
        for (qsizetype f = 0; f < result.files.size(); ++f) {
            if (!result.files[f].counted)
                continue;
            const QList<Row>& rows = rowsOfFile[f];
            QHash<QByteArray, QList<Where>>& seen = byEvent[result.files[f].event];
            seen.reserve(seen.size() + rows.size());
            for (qsizetype i = 0; i < rows.size(); ++i) {
                const Row& row = rows[i];
                seen[entry::participantKey(entry::displayText(row.name, row.firstName), row.year)]
                    .append({f, i});
            }
        }
        const auto inQuestion = [](Row& row) {
            if (row.billing == Billing::Billed)
                row.billing = Billing::InQuestion;
        };
        for (auto event = byEvent.cbegin(); event != byEvent.cend(); ++event) {
            for (const QList<Where>& places : event.value()) {
                if (places.size() < 2)
                    continue;
                for (qsizetype p = 0; p < places.size(); ++p) {
                    const Where& here = places[p];
                    Row& row = rowsOfFile[here.file][here.row];
                    const qsizetype line = linesOfFile[here.file][here.row];
                    const QString& path = result.files[here.file].path;
                    const QString shown = messages::participant(row.firstName, row.name, row.year);
                    const auto first =
                        std::find_if(places.begin(), places.begin() + p,
                                     [&](const Where& w) { return w.file == here.file; });
                    if (first != places.begin() + p) {
                        const qsizetype firstLine = linesOfFile[first->file][first->row];
                        row.notes.append(messages::repeatedInFile(shown, firstLine));
                        result.problems.append(
                            {Problem::DuplicateInFile, path, line, row.notes.constLast()});
                        inQuestion(row);
                        continue;
                    }
                    // The other clubs, each once, with the first place the organiser finds them.
                    QStringList others;
                    QString otherPath;
                    qsizetype otherLine = 0;
                    for (const Where& there : places) {
                        const File& other = result.files[there.file];
                        if (there.file == here.file || others.contains(other.club))
                            continue;
                        if (others.isEmpty()) {
                            otherPath = other.path;
                            otherLine = linesOfFile[there.file][there.row];
                        }
                        others.append(other.club);
                    }
                    if (others.isEmpty())
                        continue;
                    row.notes.append(others.size() == 1
                                         ? messages::alsoRegisteredBy(shown, others.first(),
                                                                      otherPath, otherLine)
                                         : messages::alsoRegisteredBy(shown, others));
                    result.problems.append({Problem::DuplicateInClubs, path, line,
                                            row.notes.constLast(),
                                            messages::alsoRegisteredBy(shown, others)});
                    inQuestion(row);
                }
            }
        }
    }

    // Event, club, then the list's order of the display texts; equal ones keep the file's order.
    void sortRows()
    {
        CollationKeys groupKeys;
        QList<qsizetype> counted;
        for (qsizetype f = 0; f < result.files.size(); ++f) {
            if (result.files[f].counted)
                counted.append(f);
        }
        for (const qsizetype f : std::as_const(counted)) {
            groupKeys.Add(result.files[f].event);
            groupKeys.Add(result.files[f].club);
        }
        std::vector<quint32> byGroup(static_cast<size_t>(counted.size()));
        for (size_t i = 0; i < byGroup.size(); ++i)
            byGroup[i] = static_cast<quint32>(i);
        std::stable_sort(byGroup.begin(), byGroup.end(), [&](quint32 a, quint32 b) {
            const int event = groupKeys.key(2 * a).compare(groupKeys.key(2 * b));
            return event != 0 ? event < 0 : groupKeys.key(2 * a + 1) < groupKeys.key(2 * b + 1);
        });
        qsizetype total = 0;
        for (const qsizetype f : std::as_const(counted))
            total += rowsOfFile[f].size();
        CollationKeys keys;
        keys.reserve(total);
        std::vector<quint32> rank;
        rank.reserve(static_cast<size_t>(total));
        QList<Row> all;
        all.reserve(total);
        for (size_t r = 0; r < byGroup.size(); ++r) {
            const qsizetype f = counted[byGroup[r]];
            for (const QString& text : std::as_const(textsOfFile[f]))
                keys.Add(text);
            for (Row& row : rowsOfFile[f])
                all.append(std::move(row));
            rank.insert(rank.end(), static_cast<size_t>(rowsOfFile[f].size()),
                        static_cast<quint32>(r));
            rowsOfFile[f].clear();
            textsOfFile[f].clear();
        }
        result.rows.reserve(total);
        for (const quint32 i : keys.order(rank))
            result.rows.append(std::move(all[i]));
    }
};

} // namespace

bool isInputFile(const Result& result, const QString& path)
{
    const std::filesystem::path list = QFileInfo(path).filesystemFilePath();
    return std::any_of(result.files.begin(), result.files.end(),
                       [&](const File& file) { return sameFile(file.systemPath, list); });
}

bool sameFile(const QString& a, const QString& b)
{
    return sameFile(QFileInfo(a).filesystemFilePath(), QFileInfo(b).filesystemFilePath());
}

Result run(const Options& options)
{
    Result result;
    Reader reader{options, result, {}, {}, {}, {}, {}, {}};
    const std::vector<Found> paths = findFiles(options, result, reader.receipts);
    // The organiser's own dates, given by name, go before the tables'.
    for (auto it = options.receipts.cbegin(); it != options.receipts.cend(); ++it) {
        const QString file = QFileInfo(it.key()).canonicalFilePath();
        if (file.isEmpty())
            result.problems.append({Problem::ReceiptTable, QDir::toNativeSeparators(it.key()), 0,
                                    messages::notFound(true)});
        else
            reader.receipts.insert(file, it.value());
    }
    result.invitation = options.invitation;
    reader.clubs = asInWindow(options.invitation ? options.invitation->clubNames() : options.clubs);
    reader.events =
        asInWindow(options.invitation ? options.invitation->eventNames() : options.events);
    const auto total = static_cast<qsizetype>(paths.size());
    for (qsizetype i = 0; i < total; ++i) {
        reader.read(paths[static_cast<size_t>(i)]);
        if (options.progress)
            options.progress(i + 1, total);
    }
    reader.dropReplacedFiles();
    reader.judgeReceipts();
    reader.findDuplicates();
    reader.sortRows();
    // The report reads file by file, top to bottom, whichever check found what.
    QHash<QString, qsizetype> order;
    for (qsizetype i = result.files.size() - 1; i >= 0; --i)
        order.insert(result.files[i].path, i);
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [&order](const Problem& a, const Problem& b) {
                         const qsizetype fa = order.value(a.path, -1);
                         const qsizetype fb = order.value(b.path, -1);
                         return fa != fb ? fa < fb : a.line < b.line;
                     });
    return result;
}

QList<Count> counts(const Result& result)
{
    QList<Count> counts;
    for (const Row& row : result.rows) {
        if (counts.isEmpty() || counts.last().event != row.event || counts.last().club != row.club)
            counts.append({row.event, row.club});
        Count& count = counts.last();
        ++count.total;
        ++(row.gender == entry::Male ? count.male : count.female);
        count.withNotes += !row.notes.isEmpty();
    }
    return counts;
}

Fee feeOfFile(const Result& result, qsizetype f)
{
    const File& file = result.files[f];
    Fee fee{file.club, {}, file.event};
    fee.file = f;
    if (!result.invitation)
        return fee;
    const invitation::Invitation& invitation = *result.invitation;
    if (const invitation::Club* club = invitation.club(file.club))
        fee.clubNumber = club->number;
    if (const invitation::Event* event = invitation.event(file.event)) {
        fee.feeCents = file.receipt.late ? event->lateFeeCents : event->feeCents;
        if (file.receipt.late)
            fee.note = messages::lateEntry(receiptText(file.receipt.date),
                                           receiptText(event->deadlineDate),
                                           messages::money(*event->lateFeeCents),
                                           messages::money(event->feeCents.value_or(0)));
        else if (file.receipt.kind == Receipt::Unknown)
            fee.note = messages::receiptUnknown();
    }
    if (invitation.account)
        fee.reference = invitation.account->referenceFor(file.club, file.event);
    return fee;
}

QList<Fee> fees(const Result& result)
{
    QList<Fee> fees;
    if (!result.invitation)
        return fees;
    // A club and an event make one file (only the newest of them counts), so the rows of a fee
    // share the receipt and the fee per participant.
    std::optional<qint64> each;
    QStringList whyNotBilled; // per fee, the first note of a row not billed
    for (const Row& row : result.rows) {
        if (fees.isEmpty() || fees.last().event != row.event || fees.last().club != row.club) {
            fees.append(feeOfFile(result, row.file));
            each = fees.last().feeCents;
            whyNotBilled.append(QString());
        }
        Fee& fee = fees.last();
        if (row.billing == Billing::NotBilled) {
            ++fee.notBilled;
            if (whyNotBilled.last().isEmpty())
                whyNotBilled.last() = row.notes.value(0);
            continue;
        }
        ++fee.participants;
        fee.amountCents += each.value_or(0);
        if (row.billing == Billing::InQuestion) {
            ++fee.inQuestion;
            fee.inQuestionCents += each.value_or(0);
        }
    }
    // What the organiser has to settle before the club can be billed stands beside its zero.
    for (qsizetype i = 0; i < fees.size(); ++i) {
        if (fees[i].participants == 0 && fees[i].note.isEmpty())
            fees[i].note = whyNotBilled.value(i);
    }
    return fees;
}

Fee& Fee::operator+=(const Fee& other)
{
    participants += other.participants;
    notBilled += other.notBilled;
    inQuestion += other.inQuestion;
    amountCents += other.amountCents;
    inQuestionCents += other.inQuestionCents;
    return *this;
}

Fee total(const QList<Fee>& fees)
{
    Fee sum;
    for (const Fee& fee : fees)
        sum += fee;
    return sum;
}

bool Result::receiptsUnknown() const
{
    return std::any_of(files.begin(), files.end(),
                       [](const File& file) { return file.receipt.kind == Receipt::Unknown; });
}

qsizetype Result::filesCounted() const
{
    return std::count_if(files.begin(), files.end(), [](const File& file) { return file.counted; });
}

QStringList reportLines(const Result& result)
{
    QStringList lines;
    for (const Problem& problem : result.problems) {
        const QString where =
            problem.line > 0 ? messages::inLine(problem.path, problem.line) : problem.path;
        lines.append(printable(where + QStringLiteral(": ") + problem.message));
    }
    return lines;
}

QString printable(const QString& text)
{
    const auto control = [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    };
    if (std::none_of(text.begin(), text.end(), control))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (control(c))
            out += QString::asprintf("\\x%02X", unsigned(c.unicode()));
        else
            out += c;
    }
    return out;
}

QString shownPath(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    // A folder given as "C:/Vereine" and the names found in it would otherwise mix "/" and "\\".
    return QDir::toNativeSeparators(QString::fromStdWString(path.native()));
#else
    const QByteArrayView bytes(path.native().data(), static_cast<qsizetype>(path.native().size()));
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString out;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (i + length <= bytes.size() && bytes.sliced(i, length).isValidUtf8()) {
            out += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            out += QString::asprintf("\\x%02X", unsigned(lead));
            ++i;
        }
    }
    return out;
#endif
}

} // namespace gather
