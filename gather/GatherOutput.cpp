// The gathered list on paper, so to speak: the terminal's table, CSV and the workbook.
#include "SafeFile.h"
#include "Gather.h"

#include <algorithm>
#include <array>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace gather {
namespace {

const QStringList kListHeader = {
    QStringLiteral("Verein"),  QStringLiteral("Veranstaltung"), QStringLiteral("Name"),
    QStringLiteral("Vorname"), QStringLiteral("Jahrgang"),      QStringLiteral("Geschlecht"),
    QStringLiteral("Datei"),
};
const QStringList kCountHeader = {
    QStringLiteral("Verein"),   QStringLiteral("Veranstaltung"), QStringLiteral("Teilnehmer"),
    QStringLiteral("weiblich"), QStringLiteral("männlich"),
};
const QString kOverview = QStringLiteral("Übersicht");
const QString kNoEvent = QStringLiteral("(ohne Veranstaltung)");

QString Quoted(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

// One row of the list as the cells show it; an invalid year leaves its cell empty.
QStringList Cells(const Row& row, const Result& result)
{
    return {row.club,
            row.event,
            row.name,
            row.firstName,
            row.year < 0 ? QString() : QString::number(row.year),
            row.gender == 1 ? QStringLiteral("m") : QStringLiteral("w"),
            result.files[row.file].path};
}

QString Padded(const QString& text, qsizetype width, bool right)
{
    return right ? text.rightJustified(width) : text.leftJustified(width);
}

void AppendCsvField(QByteArray& out, const QString& field)
{
    static const QString kNeedQuotes = QStringLiteral(";\"\r\n");
    // A spreadsheet takes a cell that starts like this for a formula: a name typed by a club
    // could then compute, link or fetch when the organiser opens the list. The apostrophe keeps
    // it text.
    static const QString kFormulaStart = QStringLiteral("=+-@\t\r");
    const bool formula = !field.isEmpty() && kFormulaStart.contains(field.front());
    const bool quote = formula || std::any_of(field.begin(), field.end(),
                                              [](QChar c) { return kNeedQuotes.contains(c); });
    if (!quote) {
        out += field.toUtf8();
        return;
    }
    out += '"';
    if (formula)
        out += '\'';
    out += QString(field).replace(u'"', QStringLiteral("\"\"")).toUtf8();
    out += '"';
}

// Excel measures a column in characters of its default font; a little room on top keeps the
// filter button from covering the header's last letters, and a cap keeps a long path from
// pushing everything else off the screen.
double ColumnWidth(qsizetype longest)
{
    return static_cast<double>(std::clamp<qsizetype>(longest + 3, 8, 60));
}

class Workbook
{
public:
    Workbook(const QString& path, const QString& tmpdir)
        : m_tmpdir(tmpdir.toUtf8()), m_options{LXW_TRUE, m_tmpdir.data(), LXW_FALSE}
    {
        // Constant memory: each row goes to disk when the next begins, so 200,000 participants
        // need no more memory than a few.
        m_book = workbook_new_opt(path.toUtf8().constData(), &m_options);
        if (m_book) {
            m_bold = workbook_add_format(m_book);
            format_set_bold(m_bold);
        }
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }

    bool IsOpen() const { return m_book != nullptr; }

    /// A sheet with its header row, frozen and filtered over `rows` rows below it. `widths` holds
    /// the longest text of each column.
    lxw_worksheet* AddSheet(const QString& name, const QStringList& header, qsizetype rows,
                            QList<qsizetype> widths)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
        if (!sheet)
            return nullptr;
        for (qsizetype c = 0; c < header.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_set_column(sheet, col, col,
                                 ColumnWidth(std::max(widths.value(c), header[c].size())), nullptr);
        }
        for (qsizetype c = 0; c < header.size(); ++c)
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                   header[c].toUtf8().constData(), m_bold);
        worksheet_freeze_panes(sheet, 1, 0);
        worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(rows),
                             static_cast<lxw_col_t>(header.size() - 1));
        return sheet;
    }

    /// Closes the workbook; an empty string when it was written completely.
    QString Close()
    {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
    }

private:
    QByteArray m_tmpdir;
    lxw_workbook_options m_options;
    lxw_workbook* m_book = nullptr;
    lxw_format* m_bold = nullptr;
};

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QString& text, bool number)
{
    if (text.isEmpty())
        return;
    if (number)
        worksheet_write_number(sheet, row, col, text.toDouble(), nullptr);
    else
        worksheet_write_string(sheet, row, col, text.toUtf8().constData(), nullptr);
}

} // namespace

QString SummaryTable(const Result& result)
{
    const QList<Count> counts = Counts(result);
    QList<QStringList> table{{QStringLiteral("Veranstaltung"), QStringLiteral("Verein"),
                              kCountHeader[2], kCountHeader[3], kCountHeader[4]}};
    Count total{QStringLiteral("Summe"), QString()};
    for (const Count& count : counts) {
        table.append({count.event.isEmpty() ? kNoEvent : count.event, count.club,
                      QString::number(count.total), QString::number(count.female),
                      QString::number(count.male)});
        total.total += count.total;
        total.female += count.female;
        total.male += count.male;
    }
    table.append({total.event, QString(), QString::number(total.total),
                  QString::number(total.female), QString::number(total.male)});
    QList<qsizetype> widths(5, 0);
    for (const QStringList& line : std::as_const(table)) {
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    }
    QString text;
    for (const QStringList& line : std::as_const(table)) {
        QStringList cells;
        for (qsizetype c = 0; c < line.size(); ++c)
            cells.append(Padded(line[c], widths[c], c >= 2));
        text += cells.join(QStringLiteral("  ")).trimmed() + u'\n';
    }
    return text;
}

QByteArray CsvBytes(const Result& result)
{
    QByteArray out("\xEF\xBB\xBF");
    out.reserve(result.rows.size() * 80);
    const auto appendLine = [&out](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ';';
            AppendCsvField(out, fields[i]);
        }
        out += "\r\n";
    };
    appendLine(kListHeader);
    for (const Row& row : result.rows)
        appendLine(Cells(row, result));
    return out;
}

QStringList SheetNames(const QStringList& names, const QStringList& taken)
{
    constexpr qsizetype kMost = 31;
    static const QString kForbidden = QStringLiteral("[]:*?/\\");
    // Excel keeps "History" for itself.
    QStringList used{QStringLiteral("history")};
    for (const QString& name : taken)
        used.append(name.toCaseFolded());
    const auto cut = [](QString text, qsizetype most) {
        if (text.size() > most)
            text.truncate(text.at(most - 1).isHighSurrogate() ? most - 1 : most);
        return text;
    };
    QStringList result;
    for (QString name : names) {
        for (QChar& c : name) {
            if (kForbidden.contains(c) || c.unicode() < 0x20)
                c = u'_';
        }
        name = cut(name.trimmed(), kMost);
        while (name.startsWith(u'\'') || name.endsWith(u'\''))
            name = name.startsWith(u'\'') ? name.sliced(1) : name.chopped(1);
        if (name.isEmpty())
            name = QStringLiteral("Tabelle");
        QString unique = name;
        for (int n = 2; used.contains(unique.toCaseFolded()); ++n) {
            const QString suffix = QStringLiteral(" (") + QString::number(n) + u')';
            unique = cut(name, kMost - suffix.size()) + suffix;
        }
        used.append(unique.toCaseFolded());
        result.append(unique);
    }
    return result;
}

bool WriteCsv(const QString& path, const Result& result, QString* error)
{
    if (textfile::SaveFile(path, CsvBytes(result)) == textfile::SaveResult::Ok)
        return true;
    if (error)
        *error = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(path) +
                 QStringLiteral(" lässt sich nicht schreiben.");
    return false;
}

bool WriteXlsx(const QString& path, const Result& result, QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(path) +
                     QStringLiteral(" lässt sich nicht schreiben: ") + why;
        return false;
    };
    // The library writes to a file name of its own choosing; the workbook is made in a scratch
    // folder and then saved like an entry file, so an old list is only ever replaced whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(QStringLiteral("kein Platz für Zwischendateien."));
    const QString made = scratch.filePath(QStringLiteral("liste.xlsx"));
    {
        Workbook book(made, scratch.path());
        if (!book.IsOpen())
            return fail(QStringLiteral("die Arbeitsmappe lässt sich nicht anlegen."));

        const QList<Count> counts = Counts(result);
        QList<qsizetype> countWidths(2, 0);
        for (const Count& count : counts) {
            countWidths[0] = std::max(countWidths[0], count.club.size());
            countWidths[1] = std::max(countWidths[1], count.event.size());
        }
        lxw_worksheet* overview =
            book.AddSheet(kOverview, kCountHeader, counts.size(), countWidths);
        if (!overview)
            return fail(QStringLiteral("die Übersicht lässt sich nicht anlegen."));
        for (qsizetype i = 0; i < counts.size(); ++i) {
            const auto row = static_cast<lxw_row_t>(i + 1);
            const Count& count = counts[i];
            WriteCell(overview, row, 0, count.club, false);
            WriteCell(overview, row, 1, count.event, false);
            worksheet_write_number(overview, row, 2, static_cast<double>(count.total), nullptr);
            worksheet_write_number(overview, row, 3, static_cast<double>(count.female), nullptr);
            worksheet_write_number(overview, row, 4, static_cast<double>(count.male), nullptr);
        }

        // The rows are sorted by event first, so each event's rows lie together.
        QStringList events;
        QList<qsizetype> starts;
        for (qsizetype i = 0; i < result.rows.size(); ++i) {
            if (i == 0 || result.rows[i].event != result.rows[i - 1].event) {
                events.append(result.rows[i].event.isEmpty() ? kNoEvent : result.rows[i].event);
                starts.append(i);
            }
        }
        starts.append(result.rows.size());
        const QStringList names = SheetNames(events, {kOverview});
        // Club, event and path are the same for all rows of a file: converted once per file.
        QList<std::array<QByteArray, 3>> perFile;
        perFile.reserve(result.files.size());
        for (const File& file : result.files)
            perFile.append({file.club.toUtf8(), file.event.toUtf8(), file.path.toUtf8()});
        const auto writeText = [](lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col,
                                  const QByteArray& text) {
            if (!text.isEmpty())
                worksheet_write_string(sheet, row, col, text.constData(), nullptr);
        };
        for (qsizetype e = 0; e < events.size(); ++e) {
            QList<qsizetype> widths(kListHeader.size(), 4);
            for (qsizetype i = starts[e]; i < starts[e + 1]; ++i) {
                const Row& row = result.rows[i];
                const qsizetype lengths[] = {row.club.size(),
                                             row.event.size(),
                                             row.name.size(),
                                             row.firstName.size(),
                                             4,
                                             1,
                                             result.files[row.file].path.size()};
                for (qsizetype c = 0; c < widths.size(); ++c)
                    widths[c] = std::max(widths[c], lengths[c]);
            }
            lxw_worksheet* sheet =
                book.AddSheet(names[e], kListHeader, starts[e + 1] - starts[e], widths);
            if (!sheet)
                return fail(QStringLiteral("die Tabelle ") + Quoted(names[e]) +
                            QStringLiteral(" lässt sich nicht anlegen."));
            for (qsizetype i = starts[e]; i < starts[e + 1]; ++i) {
                const Row& row = result.rows[i];
                const auto& file = perFile[row.file];
                const auto r = static_cast<lxw_row_t>(i - starts[e] + 1);
                writeText(sheet, r, 0, file[0]);
                writeText(sheet, r, 1, file[1]);
                writeText(sheet, r, 2, row.name.toUtf8());
                writeText(sheet, r, 3, row.firstName.toUtf8());
                if (row.year >= 0)
                    worksheet_write_number(sheet, r, 4, row.year, nullptr);
                worksheet_write_string(sheet, r, 5, row.gender == 1 ? "m" : "w", nullptr);
                writeText(sheet, r, 6, file[2]);
            }
        }
        if (const QString why = book.Close(); !why.isEmpty())
            return fail(why);
    }
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("die Arbeitsmappe ist verschwunden."));
    const QByteArray bytes = file.readAll();
    if (textfile::SaveFile(path, bytes) != textfile::SaveResult::Ok)
        return fail(QStringLiteral("Speichern fehlgeschlagen."));
    return true;
}

} // namespace gather
