#include "entryfile/EntryFile.h"

#include "entries/Entry.h"
#include "textfile/Cp1252.h"
#include "textfile/FileName.h"
#include "textfile/SafeFile.h"
#include "textfile/TextEncoding.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <QDate>
#include <QStringDecoder>

namespace entryfile {
namespace {

using textfile::Encoding;

constexpr qsizetype kTextWidth = 40;
constexpr qsizetype kYearWidth = 4;
constexpr char kEndOfFile = '\x1a';

// Encodes a value into the file and keeps it on its own line (see Write).
void appendValue(QByteArray& out, const QString& value)
{
    const qsizetype start = out.size();
    cp1252::appendEncoded(out, value);
    std::replace_if(
        out.begin() + start, out.end(), [](char c) { return c == '\n' || c == kEndOfFile; }, ' ');
}

qsizetype find(QByteArrayView text, char ch, qsizetype from)
{
    if (from >= text.size())
        return -1;
    const void* hit = std::memchr(text.data() + from, ch, static_cast<size_t>(text.size() - from));
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

qsizetype findLast(QByteArrayView text, char ch, qsizetype before)
{
    for (qsizetype i = before - 1; i >= 0; --i) {
        if (text[i] == ch)
            return i;
    }
    return -1;
}

QByteArrayView trimBlanksRight(QByteArrayView text)
{
    // The name column is padded to 40 bytes, so most names end in a run of blanks: eight at a time.
    constexpr quint64 kEightBlanks = 0x2020202020202020;
    qsizetype end = text.size();
    for (quint64 eight; end >= 8; end -= 8) {
        std::memcpy(&eight, text.data() + end - 8, 8);
        if (eight != kEightBlanks)
            break;
    }
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.first(end);
}

QByteArrayView trimBlanks(QByteArrayView text)
{
    text = trimBlanksRight(text);
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    return text.sliced(begin);
}

// Like the C library's atoi, but saturating instead of undefined on overflow: leading white
// space, an optional sign, digits up to the first other character; no digits give 0.
int parseLeadingInt(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

constexpr QByteArrayView kBom("\xEF\xBB\xBF");

// Whether the reader turns the values into text, or only sorts the lines as it would: the check
// before a save needs nothing but the refusal, and decoding every name again doubled its cost.
enum class Texts
{
    Decode,
    Skip
};

template <Texts texts> class LineReader
{
public:
    LineReader(Encoding encoding, int currentUtcYear, Content& content)
        : m_encoding(encoding), m_currentUtcYear(currentUtcYear), m_content(content)
    {
    }

    // One line is looked at from its end: an entry line's gender and year sit right there behind
    // its last two commas, and only one more comma has to be found in front of them. Searching
    // from the left would walk through the name and its padding blanks several times.
    void readLine(QByteArrayView line)
    {
        const qsizetype last = findLast(line, ',', line.size());
        const qsizetype beforeLast = last < 0 ? -1 : findLast(line, ',', last);
        if (last < 0)
            readHeaderLine(line);
        else if (beforeLast > 0 && find(line.first(beforeLast), ',', 0) >= 0)
            readEntryLine(line, beforeLast, last); // three commas or more
        ++m_line;
    }

    bool tooMany() const
    {
        return m_content.entries.size() > kMaxEntries ||
               m_content.headers.size() > kMaxHeaderValues;
    }

private:
    QString decode(QByteArrayView bytes) const
    {
        if constexpr (texts == Texts::Skip)
            return {};
        if (m_encoding == Encoding::Cp1252) {
            // Outside 0x80-0x9F Windows-1252 is Latin-1, which Qt decodes many bytes at a time;
            // the test is written without an early exit so that it is vectorised as well.
            bool typographic = false;
            for (const char c : bytes)
                typographic |= static_cast<unsigned char>(c) - 0x80u < 0x20u;
            return typographic ? cp1252::decode(bytes) : QString::fromLatin1(bytes);
        }
        // A byte-order mark further down (two files joined) is kept as a character: dropping it
        // would leave a value with blanks at its ends that were not there when it was trimmed.
        QString text = m_utf8.decode(bytes);
        // Only Windows-1252 characters ever reach an entry: what the list shows is then exactly
        // what a save writes back.
        if (!cp1252::canEncode(text))
            text = cp1252::decode(cp1252::encode(text));
        return text;
    }

    // A header line is cut down in place: what follows "VEREIN:" becomes the line in which
    // "VERANSTALTUNG: " is then looked for, so one line can name both.
    void readHeaderLine(QByteArrayView line)
    {
        static constexpr QByteArrayView kClub("VEREIN: ");
        static constexpr QByteArrayView kEvent("VERANSTALTUNG: ");
        if (const qsizetype at = line.indexOf(kClub); at >= 0) {
            line = trimBlanks(line.sliced(at + kClub.size() - 1));
            m_content.headers.append({HeaderValue::Club, decode(line), m_line});
        }
        if (const qsizetype at = line.indexOf(kEvent); at >= 0) {
            line = trimBlanks(line.sliced(at + kEvent.size() - 1));
            m_content.headers.append({HeaderValue::Event, decode(line), m_line});
        }
    }

    // Gender and year stand behind the last two commas, so a name that holds a comma still reads
    // back whole. With exactly three commas these are the second and the third.
    void readEntryLine(QByteArrayView line, qsizetype beforeLast, qsizetype last)
    {
        const int gender = line[beforeLast + 1] == 'm' ? entry::Male : entry::Female;
        const int year =
            entry::CheckBirthYear(parseLeadingInt(line.sliced(last + 1)), m_currentUtcYear);
        if (year < 0)
            m_content.invalidYears.insert(m_content.entries.size(),
                                          decode(trimBlanks(line.sliced(last + 1))));
        m_content.entries.append(
            {decode(trimBlanksRight(line.first(beforeLast))), entry::makeCode(year, gender)});
    }

    Encoding m_encoding;
    mutable QStringDecoder m_utf8{QStringDecoder::Utf8,
                                  QStringDecoder::Flag::Stateless |
                                      QStringDecoder::Flag::ConvertInitialBom};
    int m_currentUtcYear;
    Content& m_content;
    qsizetype m_line = 0;
};

QByteArrayView upToEndOfFile(QByteArrayView bytes)
{
    const qsizetype end = find(bytes, kEndOfFile, 0);
    return end < 0 ? bytes : bytes.first(end);
}

} // namespace

QByteArray write(const QString& club, const QString& event, const QList<EntryRow>& entries)
{
    QByteArray out;
    out.reserve(64 + entries.size() * 50);
    out += "VEREIN: ";
    appendValue(out, club);
    out += " \r\nVERANSTALTUNG: ";
    appendValue(out, event);
    out += " \r\n";
    for (const EntryRow& e : entries) {
        const qsizetype start = out.size();
        appendValue(out, e.text);
        const qsizetype width = out.size() - start;
        if (width < kTextWidth)
            out.append(kTextWidth - width, ' ');
        out += ',';
        out += entry::genderOf(e.code) == entry::Male ? 'm' : 'w';
        out += ',';
        // The year is the code taken as unsigned, shifted right: the year part -1 of an entry
        // read with a year outside the window comes out as 2147483647 and reads back as -1.
        char digits[10];
        qsizetype count = 0;
        for (quint32 year = static_cast<quint32>(e.code) >> 1; count == 0 || year != 0; year /= 10)
            digits[count++] = static_cast<char>('0' + year % 10);
        if (count < kYearWidth)
            out.append(kYearWidth - count, ' ');
        while (count > 0)
            out += digits[--count];
        out += "\r\n";
    }
    return out;
}

namespace {

template <Texts texts> Content readLines(QByteArrayView bytes, int currentUtcYear)
{
    // UTF-16 is turned into UTF-8 and read as such: the same folding of characters that
    // Windows-1252 lacks, the same line rules.
    QByteArray fromUtf16;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes[0] == '\xFF' ? QStringDecoder::Utf16LE
                                                : QStringDecoder::Utf16BE);
        fromUtf16 = QString(utf16.decode(bytes.sliced(2))).toUtf8();
        bytes = fromUtf16;
    }
    bytes = upToEndOfFile(bytes);
    Content content;
    if (find(bytes, '\0', 0) >= 0) {
        content.refusal = Content::Refusal::NotText;
        return content;
    }
    const Encoding encoding = textfile::detectEncoding(bytes);
    if (encoding == Encoding::Utf8 && bytes.startsWith(kBom))
        bytes = bytes.sliced(kBom.size());

    // An entry line as written takes at least 47 bytes and its line end; reserving by that spares
    // a large file the list's step-by-step growth, and stays modest for files of short lines.
    content.entries.reserve(std::min(bytes.size() / 49, kMaxEntries) + 1);
    content.entryLines.reserve(content.entries.capacity());
    LineReader<texts> reader(encoding, currentUtcYear, content);
    // CR-only line ends are only honoured in a file that has no LF at all; elsewhere a stray CR is
    // part of its line.
    const char lineEnd = find(bytes, '\n', 0) < 0 && find(bytes, '\r', 0) >= 0 ? '\r' : '\n';
    qsizetype start = 0;
    qsizetype line = 1;
    while (start < bytes.size()) {
        qsizetype end = find(bytes, lineEnd, start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        else if (lineEnd == '\n' && end > start && bytes[end - 1] == '\r')
            --end;
        const qsizetype entries = content.entries.size();
        reader.readLine(bytes.sliced(start, end - start));
        if (content.entries.size() != entries)
            content.entryLines.append(line);
        ++line;
        // Millions of tiny lines would otherwise take gigabytes and a long sort for nothing.
        if (reader.tooMany())
            return {{}, {}, Content::Refusal::TooMany, {}, {}};
        start = next;
    }
    return content;
}

} // namespace

Content read(QByteArrayView bytes, int currentUtcYear)
{
    return readLines<Texts::Decode>(bytes, currentUtcYear);
}

bool isEntryFile(const Content& content)
{
    return content.refusal == Content::Refusal::None && !content.headers.isEmpty();
}

Unloadable checkLoadable(QByteArrayView bytes)
{
    if (bytes.size() > textfile::kMaxFileSize)
        return Unloadable::TooLarge;
    // The year does not matter for a refusal.
    switch (readLines<Texts::Skip>(bytes, 2000).refusal) {
    case Content::Refusal::None:
        break;
    case Content::Refusal::NotText:
        return Unloadable::NotText;
    case Content::Refusal::TooMany:
        return Unloadable::TooMany;
    }
    return Unloadable::None;
}

int findItem(const QStringList& items, const QString& value)
{
    if (value.isEmpty())
        return -1;
    int beginning = -1;
    int beginnings = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].compare(value, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
        if (items[i].startsWith(value, Qt::CaseInsensitive)) {
            beginning = static_cast<int>(i);
            ++beginnings;
        }
    }
    return beginnings == 1 ? beginning : -1;
}

HeaderSelection matchHeaders(const QList<HeaderValue>& headers, const QStringList& clubs,
                             const QStringList& events)
{
    HeaderSelection selection;
    for (const HeaderValue& header : headers)
        (header.kind == HeaderValue::Club ? selection.clubValue : selection.eventValue) =
            header.value;
    selection.club = findItem(clubs, selection.clubValue);
    selection.event = findItem(events, selection.eventValue);
    return selection;
}

QString automaticName(const QString& event, int localYear, const QString& club)
{
    return textfile::safeFileName(event + QLatin1Char(' ') + QString::number(localYear) +
                                      QLatin1Char(' ') + club,
                                  QStringLiteral(".mdg"));
}

int currentLocalYear()
{
    return QDate::currentDate().year();
}

Saved save(const QString& path, const QString& club, const QString& event,
           const QList<EntryRow>& entries)
{
    // A file that loading would refuse is no saved registration: nothing is written.
    const QByteArray bytes = write(club, event, entries);
    if (const Unloadable why = checkLoadable(bytes); why != Unloadable::None)
        return {why, textfile::SaveResult::Ok};
    return {Unloadable::None, textfile::saveFile(path, bytes)};
}

Loaded load(const QString& path, const QStringList& clubs, const QStringList& events,
            int currentUtcYear)
{
    Loaded loaded;
    QByteArray bytes;
    loaded.read = textfile::loadFile(path, bytes);
    if (loaded.read != textfile::LoadResult::Ok) {
        loaded.failure = Loaded::Failure::NotRead;
        return loaded;
    }
    loaded.content = read(bytes, currentUtcYear);
    if (loaded.content.refusal != Content::Refusal::None)
        loaded.failure = Loaded::Failure::Refused;
    else if (!isEntryFile(loaded.content))
        loaded.failure = Loaded::Failure::NoEntryFile;
    else
        loaded.selection = matchHeaders(loaded.content.headers, clubs, events);
    return loaded;
}

} // namespace entryfile
