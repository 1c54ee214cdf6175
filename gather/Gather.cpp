#include "Gather.h"

#include "Collation.h"
#include "Entry.h"
#include "EntryFile.h"
#include "Messages.h"
#include "SafeFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
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
bool SameFile(const QString& a, const QString& b)
{
    const auto identity = [](const QString& path) -> std::optional<std::array<DWORD, 3>> {
        const HANDLE h =
            CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), 0,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
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
bool SameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemFilePath(),
                                       QFileInfo(b).filesystemFilePath(), error);
}
#endif

// Report lines stand beside the file's path, so their sentences speak of "the file".
const QString kTheFile = QStringLiteral("Die Datei");

QString Quoted(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

// The entry files named by the options: files as given, folders' *.mdg files sorted by name. The
// same file named twice is read once.
QStringList FindFiles(const Options& options, Result& result)
{
    QStringList found;
    QSet<QString> seen;
    const auto add = [&](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || !seen.contains(canonical)) {
            seen.insert(canonical);
            found.append(path);
        }
    };
    for (const QString& path : options.paths) {
        if (!QFileInfo(path).isDir()) {
            add(path);
            continue;
        }
        QStringList inFolder;
        QDirIterator it(path, {QStringLiteral("*.mdg")}, QDir::Files | QDir::Hidden,
                        options.recursive ? QDirIterator::Subdirectories
                                          : QDirIterator::NoIteratorFlags);
        while (it.hasNext())
            inFolder.append(it.next());
        // Name filters ignore case only on some systems; a Windows club may send "MELDUNG.MDG".
        if (inFolder.isEmpty()) {
            QDirIterator all(path, QDir::Files | QDir::Hidden,
                             options.recursive ? QDirIterator::Subdirectories
                                               : QDirIterator::NoIteratorFlags);
            while (all.hasNext()) {
                const QString next = all.next();
                if (next.endsWith(QLatin1String(".mdg"), Qt::CaseInsensitive))
                    inFolder.append(next);
            }
        }
        if (inFolder.isEmpty()) {
            result.problems.append({Problem::NoFiles, QDir::toNativeSeparators(path), 0,
                                    QStringLiteral("Der Ordner enthält keine Meldedatei (.mdg).")});
            ++result.skipped;
        }
        inFolder.sort();
        for (const QString& file : std::as_const(inFolder))
            add(file);
    }
    return found;
}

// Both lists as the window's drop-down lists hold them (sorted), so that a file's club and event
// are found exactly as "Laden" finds them.
QStringList AsInWindow(QStringList items)
{
    std::stable_sort(items.begin(), items.end(), collation::ListCollator());
    return items;
}

struct Reader
{
    const Options& options;
    Result& result;
    QStringList clubs;
    QStringList events;
    QList<QList<Row>> rowsOfFile;   // parallel to result.files
    QList<QStringList> textsOfFile; // the display texts, for the list's order
    QList<QList<qsizetype>> linesOfFile;

    void Problem(Problem::Kind kind, qsizetype line, const QString& message)
    {
        result.problems.append({kind, result.files.constLast().path, line, message});
    }

    // The last value of the kind, with its line (from 1); line 0 when there is none.
    static std::pair<QString, qsizetype> LastValue(const QList<entryfile::HeaderValue>& headers,
                                                   entryfile::HeaderValue::Kind kind)
    {
        for (qsizetype i = headers.size() - 1; i >= 0; --i) {
            if (headers[i].kind == kind)
                return {headers[i].value, headers[i].line + 1};
        }
        return {QString(), 0};
    }

    void Read(const QString& path)
    {
        const QFileInfo info(path);
        // Shown in the report and the list's file column: with the platform's own separators, so
        // that a folder's files (found with "/") and files named on a Windows command line ("\")
        // look alike.
        result.files.append({QDir::toNativeSeparators(path), {}, {}, info.lastModified(), false});
        rowsOfFile.emplace_back();
        textsOfFile.emplace_back();
        linesOfFile.emplace_back();
        QByteArray bytes;
        if (const auto load = textfile::LoadFile(path, bytes); load != textfile::LoadResult::Ok) {
            Problem(Problem::CannotRead, 0, messages::LoadFailed(load, kTheFile).text);
            ++result.skipped;
            return;
        }
        const entryfile::Content content = entryfile::Read(bytes, options.currentUtcYear);
        QString notEntryFile = messages::Refused(content.refusal, kTheFile);
        if (notEntryFile.isEmpty() && content.headers.isEmpty())
            notEntryFile = QStringLiteral("Keine Meldedatei: weder Verein noch Veranstaltung.");
        if (!notEntryFile.isEmpty()) {
            Problem(Problem::NotEntryFile, 0, notEntryFile);
            ++result.skipped;
            return;
        }
        File& file = result.files.last();
        file.counted = true;
        const entryfile::HeaderSelection found =
            entryfile::MatchHeaders(content.headers, clubs, events);
        const auto [club, clubLine] = LastValue(content.headers, entryfile::HeaderValue::Club);
        const auto [event, eventLine] = LastValue(content.headers, entryfile::HeaderValue::Event);
        file.club = found.club >= 0 ? clubs[found.club] : club;
        file.event = found.event >= 0 ? events[found.event] : event;
        if (club.isEmpty())
            Problem(Problem::ClubMissing, clubLine, QStringLiteral("Der Verein fehlt."));
        else if (found.club < 0)
            Problem(Problem::ClubUnknown, clubLine,
                    QStringLiteral("Der Verein ") + Quoted(club) +
                        QStringLiteral(" steht nicht in der Vereinsliste."));
        if (event.isEmpty())
            Problem(Problem::EventMissing, eventLine, QStringLiteral("Die Veranstaltung fehlt."));
        else if (found.event < 0)
            Problem(Problem::EventUnknown, eventLine,
                    QStringLiteral("Die Veranstaltung ") + Quoted(event) +
                        QStringLiteral(" steht nicht in der Veranstaltungsliste."));

        const QList<qsizetype>& lines = content.entryLines;
        QList<Row>& rows = rowsOfFile.last();
        QStringList& texts = textsOfFile.last();
        rows.reserve(content.entries.size());
        texts.reserve(content.entries.size());
        const qsizetype fileIndex = result.files.size() - 1;
        for (qsizetype i = 0; i < content.entries.size(); ++i) {
            const EntryRow& entry = content.entries[i];
            const entry::Names names = entry::SplitDisplayText(entry.text);
            Row row{file.club,
                    file.event,
                    names.name.trimmed(),
                    names.firstName.trimmed(),
                    entry::YearOf(entry.code),
                    entry::GenderOf(entry.code),
                    fileIndex};
            if (row.year < 0)
                Problem(Problem::InvalidYear, lines[i],
                        QStringLiteral("Ungültiger Jahrgang bei ") + Quoted(entry.text) + u'.');
            rows.append(std::move(row));
            texts.append(entry.text);
        }
        linesOfFile.last() = std::move(lines);
    }

    // Of two files for the same club and event only the newer counts (on equal times the one read
    // later): a club that sends a corrected registration replaces its first one.
    void DropReplacedFiles()
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
            const bool thisIsNewer = file.modified >= result.files[other].modified;
            const qsizetype older = thisIsNewer ? other : i;
            const qsizetype newer = thisIsNewer ? i : other;
            result.files[older].counted = false;
            newest.insert(key, newer);
            result.problems.append(
                {Problem::Superseded, result.files[older].path, 0,
                 QStringLiteral("Noch eine Meldung von ") + Quoted(file.club) +
                     QStringLiteral(" für ") + Quoted(file.event) + QStringLiteral(": ") +
                     Quoted(result.files[newer].path) +
                     QStringLiteral(" ist neuer und zählt, diese Datei nicht.")});
        }
    }

    // One table per event of who was seen first where. Meeting someone again in the same file is
    // a repetition in that file; in another file it is a second club's registration, and from
    // then on that file's own repetitions are measured against its first occurrence.
    void FindDuplicates()
    {
        struct Where
        {
            qsizetype file;
            qsizetype line;
        };
        QHash<QString, QHash<QByteArray, Where>> byEvent;
        for (qsizetype f = 0; f < result.files.size(); ++f) {
            if (!result.files[f].counted)
                continue;
            const QList<Row>& rows = rowsOfFile[f];
            QHash<QByteArray, Where>& seen = byEvent[result.files[f].event];
            seen.reserve(seen.size() + rows.size());
            for (qsizetype i = 0; i < rows.size(); ++i) {
                const Row& row = rows[i];
                const qsizetype line = linesOfFile[f][i];
                QByteArray who =
                    entry::ParticipantKey(entry::DisplayText(row.name, row.firstName), row.year);
                const auto it = seen.find(who);
                if (it == seen.end()) {
                    seen.emplace(std::move(who), Where{f, line});
                    continue;
                }
                const QString shown = Quoted(row.firstName + u' ' + row.name) +
                                      QStringLiteral(" (") +
                                      (row.year < 0 ? QStringLiteral("ohne gültigen Jahrgang")
                                                    : QString::number(row.year)) +
                                      u')';
                if (it->file == f) {
                    result.problems.append({Problem::DuplicateInFile, result.files[f].path, line,
                                            shown + QStringLiteral(" steht schon in Zeile ") +
                                                QString::number(it->line) + u'.'});
                    continue;
                }
                const File& first = result.files[it->file];
                result.problems.append({Problem::DuplicateInClubs, result.files[f].path, line,
                                        shown + QStringLiteral(" ist auch von ") +
                                            Quoted(first.club) + QStringLiteral(" gemeldet (") +
                                            first.path + QStringLiteral(", Zeile ") +
                                            QString::number(it->line) + QStringLiteral(").")});
                *it = Where{f, line};
            }
        }
    }

    // Event, club, then the list's order of the display texts; equal ones keep the file's order.
    void SortRows()
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
            const int event = groupKeys.Key(2 * a).compare(groupKeys.Key(2 * b));
            return event != 0 ? event < 0 : groupKeys.Key(2 * a + 1) < groupKeys.Key(2 * b + 1);
        });
        qsizetype total = 0;
        for (const qsizetype f : std::as_const(counted))
            total += rowsOfFile[f].size();
        CollationKeys keys;
        keys.Reserve(total);
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
        for (const quint32 i : keys.Order(rank))
            result.rows.append(std::move(all[i]));
    }
};

} // namespace

bool IsInputFile(const Result& result, const QString& path)
{
    return std::any_of(result.files.begin(), result.files.end(),
                       [&](const File& file) { return SameFile(file.path, path); });
}

Result Run(const Options& options)
{
    Result result;
    const QStringList paths = FindFiles(options, result);
    Reader reader{options, result, {}, {}, {}, {}, {}};
    reader.clubs = AsInWindow(options.clubs);
    reader.events = AsInWindow(options.events);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        reader.Read(paths[i]);
        if (options.progress)
            options.progress(i + 1, paths.size());
    }
    reader.DropReplacedFiles();
    reader.FindDuplicates();
    reader.SortRows();
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

QList<Count> Counts(const Result& result)
{
    QList<Count> counts;
    for (const Row& row : result.rows) {
        if (counts.isEmpty() || counts.last().event != row.event || counts.last().club != row.club)
            counts.append({row.event, row.club});
        Count& count = counts.last();
        ++count.total;
        ++(row.gender == entry::Male ? count.male : count.female);
    }
    return counts;
}

QStringList ReportLines(const Result& result)
{
    QStringList lines;
    for (const Problem& problem : result.problems) {
        const QString where = problem.line > 0 ? problem.path + QStringLiteral(", Zeile ") +
                                                     QString::number(problem.line)
                                               : problem.path;
        lines.append(where + QStringLiteral(": ") + problem.message);
    }
    return lines;
}

} // namespace gather
