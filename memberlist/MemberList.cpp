#include "memberlist/MemberList.h"

#include "entries/Collation.h"
#include "textfile/Cp1252.h"
#include "textfile/TextEncoding.h"

#include <algorithm>
#include <limits>
#include <QCollator>
#include <QDate>
#include <QStringDecoder>

namespace memberlist {
namespace {

QString decode(QByteArrayView bytes, bool& windows1252)
{
    windows1252 = false;
    // Excel's "Unicode text" is UTF-16 with a byte-order mark; without one nothing tells it apart.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes[0] == '\xFF' ? QStringDecoder::Utf16LE
                                                : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.sliced(2));
    }
    // The same guess as for an entry file: valid UTF-8 with non-ASCII bytes is UTF-8, everything
    // else the Windows code page that older club software still writes.
    // A byte-order mark settles it even when a broken byte follows.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    windows1252 = textfile::detectEncoding(bytes) == textfile::Encoding::Cp1252;
    return textfile::decode(bytes);
}

/// The separator that occurs most often outside quotes in the row starting at `pos`; on a tie
/// the semicolon wins (German exports), then the tab. Null when the row has none.
QChar detectSeparator(QStringView text, qsizetype pos)
{
    constexpr char16_t kCandidates[] = {u';', u'\t', u','};
    int counts[3] = {};
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == u'"')
            quoted = !quoted; // a doubled quote toggles twice and so stays inside
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == kCandidates[i];
    }
    const int best = static_cast<int>(std::max_element(counts, counts + 3) - counts);
    return counts[best] > 0 ? QChar(kCandidates[best]) : QChar();
}

// Excel starts a CSV with "sep=;" when it wants it opened with that separator: that separator,
// with `pos` moved past the line; null, and `pos` left, where there is none.
QChar forcedSeparator(QStringView text, qsizetype& pos)
{
    if (text.size() <= 4 || !text.startsWith(u"sep=", Qt::CaseInsensitive))
        return {};
    const qsizetype end = text.indexOf(u'\n');
    pos = end < 0 ? text.size() : end + 1;
    return text[4];
}

/// Reads the row at `pos` into `cells` (each trimmed) and moves `pos` behind it. A quote opens a
/// quoted part only at the start of a cell, so a nickname in quotes inside a cell stays as it is.
/// False, with `pos` somewhere inside the row, when the row has more than kMaxColumns cells.
bool readRow(QStringView text, qsizetype& pos, QChar separator, QStringList& cells)
{
    cells.clear();
    QString cell;
    bool quoted = false;
    bool atStart = true;
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (pos < text.size() && text[pos] == u'"')
                cell += text[pos++];
            else
                quoted = false;
        } else if (c == separator) {
            if (cells.size() + 1 >= kMaxColumns)
                return false;
            cells << cell.trimmed();
            cell.clear();
            atStart = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && pos < text.size() && text[pos] == u'\n')
                ++pos;
            break;
        } else if (c == u'"' && atStart) {
            quoted = true;
            atStart = false;
        } else {
            cell += c;
            atStart = atStart && c.isSpace();
        }
    }
    cells << cell.trimmed();
    return true;
}

bool isBlank(const QStringList& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const QString& s) { return s.isEmpty(); });
}

QString normalized(const QString& header)
{
    QString out = header.toLower();
    out.removeIf([](QChar c) { return c.isSpace() || c == u'.' || c == u'-'; });
    return out;
}

/// The digits of `text` as a number when it has minDigits to maxDigits ASCII digits and nothing
/// else; -1 otherwise.
int number(QStringView text, int minDigits, int maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

/// The year of a whole date, -1 unless the date exists.
int yearOfDate(int year, int month, int day)
{
    return year >= 0 && QDate(year, month, day).isValid() ? year : -1;
}

} // namespace

qsizetype Table::cellCount(qsizetype row) const
{
    const qsizetype end = row + 1 < rowCount() ? m_rowStarts[row + 1] : m_cellEnds.size();
    return end - m_rowStarts[row];
}

QStringView Table::cell(qsizetype row, qsizetype column) const
{
    if (column < 0 || column >= cellCount(row))
        return {};
    const qsizetype cell = m_rowStarts[row] + column;
    const qsizetype start = cell > 0 ? m_cellEnds[cell - 1] : 0;
    return QStringView(m_text).sliced(start, m_cellEnds[cell] - start);
}

bool Table::appendRow(const QStringList& cells)
{
    qsizetype chars = 0;
    for (const QString& cell : cells)
        chars += cell.size();
    constexpr qsizetype kMost = std::numeric_limits<quint32>::max();
    if (m_text.size() + chars > kMost || m_cellEnds.size() + cells.size() > kMost)
        return false;
    m_rowStarts.append(static_cast<quint32>(m_cellEnds.size()));
    for (const QString& cell : cells) {
        m_text += cell;
        m_cellEnds.append(static_cast<quint32>(m_text.size()));
    }
    return true;
}

Parsed parse(QByteArrayView bytes)
{
    bool windows1252 = false;
    const QString text = decode(bytes, windows1252);
    if (text.contains(QChar(0)))
        return {{}, ParseError::NotText};
    qsizetype pos = 0;
    const QChar forced = forcedSeparator(text, pos);
    Table table;
    table.windows1252 = windows1252;
    QStringList cells;
    // Blank lines before the header are skipped: some programs start their export with one.
    while (pos < text.size() && table.header.isEmpty()) {
        const QChar separator = forced.isNull() ? detectSeparator(text, pos) : forced;
        if (!readRow(text, pos, separator, cells))
            return {{}, ParseError::TooManyColumns};
        if (isBlank(cells))
            continue;
        if (separator.isNull())
            return {{}, ParseError::NotText};
        table.separator = separator;
        table.header = cells;
    }
    if (table.header.isEmpty())
        return {{}, ParseError::Empty};
    const Columns columns = mapHeader(table.header);
    if (std::all_of(columns.begin(), columns.end(), [](int c) { return c < 0; }))
        return {{}, ParseError::NoHeader};
    table.reserve(text.size() - pos);
    while (pos < text.size()) {
        if (!readRow(text, pos, table.separator, cells))
            return {{}, ParseError::TooManyColumns};
        if (isBlank(cells))
            continue;
        // More than an entry file may hold is no club's member list; stop before it eats memory.
        if (table.rowCount() == entry::kMaxEntries || !table.appendRow(cells))
            return {{}, ParseError::TooMany};
    }
    if (table.rowCount() == 0)
        return {{}, ParseError::NoRows};
    return {std::move(table), ParseError::None};
}

QList<Row> rows(QByteArrayView bytes, qsizetype mostRows)
{
    bool windows1252 = false;
    const QString text = decode(bytes, windows1252);
    QList<Row> out;
    if (text.contains(QChar(0)))
        return out;
    qsizetype pos = 0;
    QChar separator = forcedSeparator(text, pos);
    qsizetype number = pos > 0 ? 1 : 0; // the "sep=" line is the spreadsheet's first row
    QStringList cells;
    while (pos < text.size() && out.size() < mostRows) {
        const QChar rowSeparator = separator.isNull() ? detectSeparator(text, pos) : separator;
        ++number;
        if (!readRow(text, pos, rowSeparator.isNull() ? QChar(u';') : rowSeparator, cells))
            break;
        if (isBlank(cells))
            continue;
        if (separator.isNull() && !rowSeparator.isNull())
            separator = rowSeparator;
        out.append({number, cells});
    }
    return out;
}

Columns mapHeader(const QStringList& header)
{
    struct Known
    {
        const char16_t* name;
        Field field;
    };
    static constexpr Known kKnown[] = {
        {u"vorname", FirstName}, {u"name", Name},       {u"nachname", Name},
        {u"familienname", Name}, {u"jahrgang", Year},   {u"geburtsdatum", Year},
        {u"gebdatum", Year},     {u"geburtstag", Year}, {u"geschlecht", Gender},
    };
    Columns columns;
    columns.fill(-1);
    for (int i = 0; i < header.size(); ++i) {
        const QString name = normalized(header[i]);
        for (const Known& known : kKnown) {
            if (name == QStringView(known.name) && columns[known.field] < 0)
                columns[known.field] = i;
        }
    }
    return columns;
}

int parseYear(QStringView text)
{
    text = text.trimmed();
    if (text.size() == 4)
        return number(text, 4, 4);
    const QList<QStringView> dotted = text.split(u'.');
    if (dotted.size() == 3)
        return yearOfDate(number(dotted[2], 4, 4), number(dotted[1], 1, 2),
                          number(dotted[0], 1, 2));
    const QList<QStringView> iso = text.split(u'-');
    if (iso.size() == 3)
        return yearOfDate(number(iso[0], 4, 4), number(iso[1], 2, 2), number(iso[2], 2, 2));
    return -1;
}

int parseGender(QStringView text)
{
    const QString value = text.trimmed().toString().toLower();
    for (const char16_t* female : {u"w", u"weiblich", u"f", u"female"})
        if (value == QStringView(female))
            return entry::Female;
    for (const char16_t* male : {u"m", u"männlich", u"male"})
        if (value == QStringView(male))
            return entry::Male;
    return -1;
}

QList<Candidate> evaluate(const Table& table, const Columns& columns, int currentUtcYear,
                          const QList<EntryRow>& existing, Admitted admitted)
{
    // The list's order finds the rows that may be the same participant quickly; whether they
    // are is the one rule of entry::sameParticipant.
    const QCollator order = collation::listCollator();
    const auto textLess = [&order](const EntryRow* a, const EntryRow* b) {
        return order.compare(a->text, b->text) < 0;
    };
    QList<const EntryRow*> sorted;
    sorted.reserve(existing.size());
    for (const EntryRow& row : existing)
        sorted << &row;
    // The entry list keeps its rows in this very order, so normally one pass confirms it.
    if (!std::is_sorted(sorted.begin(), sorted.end(), textLess))
        std::stable_sort(sorted.begin(), sorted.end(), textLess);

    const auto cell = [&](qsizetype row, Field field) {
        return table.cell(row, columns[field]).toString();
    };
    QList<Candidate> candidates;
    candidates.reserve(table.rowCount());
    for (qsizetype row = 0; row < table.rowCount(); ++row) {
        Candidate c;
        // The list shows one line per participant: line breaks and runs of blanks become one.
        c.name = cell(row, Name).simplified();
        c.firstName = cell(row, FirstName).simplified();
        c.yearText = cell(row, Year);
        c.genderText = cell(row, Gender);
        c.year = entry::CheckBirthYear(parseYear(c.yearText), currentUtcYear);
        c.gender = parseGender(c.genderText);
        // The same rules as for typed names: no control characters (0x1A would even be saved as
        // a blank, so that list and file disagree), only Windows-1252, no comma in the surname,
        // at most as long as the name fields allow.
        c.badCharacter = entry::firstControl(c.displayText());
        if (c.badCharacter == 0)
            c.badCharacter = cp1252::firstUnencodable(c.displayText());
        // Completeness by the window's own rule; the rest is what a list brings beside it.
        const unsigned gaps = entry::gaps({c.name, c.firstName, c.year, c.gender}, currentUtcYear);
        const auto when = [](bool holds, Problem problem) { return holds ? problem : 0u; };
        c.problems =
            when(gaps & entry::NoName, NoName) | when(gaps & entry::NoFirstName, NoFirstName) |
            when(gaps & entry::YearOutside, BadYear) | when(c.badCharacter != 0, BadCharacter) |
            when(gaps & entry::NoGender, UnknownGender) |
            when(c.name.size() > entry::kMostNameChars ||
                     c.firstName.size() > entry::kMostNameChars,
                 TooLong) |
            when(c.name.contains(u','), CommaInName) |
            when(table.windows1252 && c.displayText().contains(u'?'), LostCharacter) |
            when(c.year >= 0 && admitted.first > 0 &&
                     (c.year < admitted.first || c.year > admitted.last),
                 NotAdmitted);
        if ((c.problems & kFatal) == 0) {
            const EntryRow probe{c.displayText(), -1};
            const auto [first, last] =
                std::equal_range(sorted.cbegin(), sorted.cend(), &probe, textLess);
            if (std::any_of(first, last, [&c](const EntryRow* r) {
                    return entry::sameParticipant(r->text, entry::yearOf(r->code), c.displayText(),
                                                  c.year);
                }))
                c.problems |= InList;
        }
        candidates << std::move(c);
    }

    // A member listed twice (two departments exporting into one file) is offered once; later
    // copies start unchecked. Sorting indices keeps this at n log n for large files.
    QList<qsizetype> takeable;
    QList<QString> texts(candidates.size());
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if ((candidates[i].problems & kFatal) == 0) {
            takeable << i;
            texts[i] = candidates[i].displayText();
        }
    }
    const auto same = [&](qsizetype a, qsizetype b) {
        return entry::sameParticipant(texts[a], candidates[a].year, texts[b], candidates[b].year);
    };
    std::stable_sort(takeable.begin(), takeable.end(), [&](qsizetype a, qsizetype b) {
        const int byText = order.compare(texts[a], texts[b]);
        return byText != 0 ? byText < 0 : candidates[a].year < candidates[b].year;
    });
    for (qsizetype k = 1; k < takeable.size(); ++k) {
        if (same(takeable[k - 1], takeable[k]))
            candidates[takeable[k]].problems |= TwiceInFile;
    }
    for (Candidate& c : candidates)
        c.checked = c.problems == 0;
    return candidates;
}

void pickGender(Candidate& candidate, int gender)
{
    candidate.gender = gender & 1;
    candidate.problems &= ~UnknownGender;
    candidate.checked = candidate.problems == 0;
}

} // namespace memberlist
