// The gathered list on paper, so to speak: the terminal's table, CSV and the workbook.
#include "gather/Gather.h"
#include "messages/Gathering.h"
#include "messages/Messages.h"
#include "textfile/SafeFile.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <tuple>
#include <unistd.h>
#include <xlsxwriter.h>

namespace gather {
namespace {

// The texts of the list, for lupdate and i18n/zandrel_de.ts, under "GatherOutput". They are asked
// for when a list is written, after main() has installed the translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GatherOutput)
};

QStringList listHeader()
{
    return {Text::tr("Verein"),  Text::tr("Veranstaltung"), Text::tr("Name"),
            Text::tr("Vorname"), Text::tr("Jahrgang"),      Text::tr("Geschlecht"),
            Text::tr("Datei"),   Text::tr("Hinweis")};
}

QStringList countHeader()
{
    return {Text::tr("Verein"),   Text::tr("Veranstaltung"), Text::tr("Teilnehmer"),
            Text::tr("weiblich"), Text::tr("männlich"),      Text::tr("mit Hinweis")};
}

QStringList feeHeader()
{
    return {Text::tr("Verein"),           Text::tr("Vereinsnummer"),
            Text::tr("Veranstaltung"),    Text::tr("Teilnehmer"),
            Text::tr("nicht berechnet"),  Text::tr("Meldegeld je Teilnehmer"),
            Text::tr("Betrag"),           Text::tr("davon zu klären"),
            Text::tr("Verwendungszweck"), Text::tr("Hinweis")};
}

QString overviewSheet()
{
    return Text::tr("Übersicht");
}

QString feesSheet()
{
    return Text::tr("Meldegeld");
}

QString noteText(const Row& row)
{
    return row.notes.join(QStringLiteral("; "));
}

// An amount as a German spreadsheet reads a number: "1234,50", without the currency.
QString amountText(qint64 cents)
{
    const qint64 whole = cents < 0 ? -cents : cents;
    return (cents < 0 ? QStringLiteral("-") : QString()) + QString::number(whole / 100) + u',' +
           QString::number(whole % 100).rightJustified(2, u'0');
}

// One row of the list as the cells show it; an invalid year as the file has it.
QStringList cells(const Row& row, const Result& result)
{
    return {row.club,
            row.event,
            row.name,
            row.firstName,
            row.year < 0 ? row.yearText : QString::number(row.year),
            row.gender == 1 ? QStringLiteral("m") : QStringLiteral("w"),
            result.files[row.file].path,
            noteText(row)};
}

QString padded(const QString& text, qsizetype width, bool right)
{
    return right ? text.rightJustified(width) : text.leftJustified(width);
}

void appendCsvField(QByteArray& out, const QString& field)
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
double columnWidth(qsizetype longest)
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
            m_money = workbook_add_format(m_book);
            format_set_num_format(m_money, "#,##0.00");
            m_boldMoney = workbook_add_format(m_book);
            format_set_bold(m_boldMoney);
            format_set_num_format(m_boldMoney, "#,##0.00");
        }
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }

    bool isOpen() const { return m_book != nullptr; }
    lxw_format* bold() const { return m_bold; }
    /// Amounts with two decimals, as the organiser's spreadsheet shows euros.
    lxw_format* money(bool bold = false) const { return bold ? m_boldMoney : m_money; }

    /// A sheet with its header row, frozen and filtered over `rows` rows below it. `widths` holds
    /// the longest text of each column.
    lxw_worksheet* addSheet(const QString& name, const QStringList& header, qsizetype rows,
                            const QList<qsizetype>& widths)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
        if (!sheet)
            return nullptr;
        lxw_error error = LXW_NO_ERROR;
        const auto check = [&error](lxw_error result) {
            if (error == LXW_NO_ERROR)
                error = result;
        };
        for (qsizetype c = 0; c < header.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            check(worksheet_set_column(sheet, col, col,
                                       columnWidth(std::max(widths.value(c), header[c].size())),
                                       nullptr));
        }
        for (qsizetype c = 0; c < header.size(); ++c)
            check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                         header[c].toUtf8().constData(), m_bold));
        worksheet_freeze_panes(sheet, 1, 0);
        check(worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(rows),
                                   static_cast<lxw_col_t>(header.size() - 1)));
        return error == LXW_NO_ERROR ? sheet : nullptr;
    }

    /// Closes the workbook; an empty string when it was written completely.
    QString close()
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
    lxw_format* m_money = nullptr;
    lxw_format* m_boldMoney = nullptr;
};

} // namespace

namespace {

// Columns padded to their widest cell, the numbers from `firstNumber` on to the right.
QString textTable(const QList<QStringList>& table, qsizetype firstNumber)
{
    QList<qsizetype> widths(table.value(0).size(), 0);
    for (const QStringList& line : table) {
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    }
    QString text;
    for (const QStringList& line : table) {
        QStringList cells;
        for (qsizetype c = 0; c < line.size(); ++c)
            cells.append(padded(line[c], widths[c], c >= firstNumber));
        text += cells.join(QStringLiteral("  ")).trimmed() + u'\n';
    }
    return text;
}

} // namespace

QString summaryTable(const Result& result)
{
    const QList<Count> counts = gather::counts(result);
    const QStringList header = countHeader();
    QList<QStringList> table{{header[1], header[0], header[2], header[3], header[4], header[5]}};
    Count total{Text::tr("Summe"), QString()};
    for (const Count& count : counts) {
        table.append({printable(count.event.isEmpty() ? messages::withoutEvent() : count.event),
                      printable(count.club), QString::number(count.total),
                      QString::number(count.female), QString::number(count.male),
                      QString::number(count.withNotes)});
        total.total += count.total;
        total.female += count.female;
        total.male += count.male;
        total.withNotes += count.withNotes;
    }
    table.append({total.event, QString(), QString::number(total.total),
                  QString::number(total.female), QString::number(total.male),
                  QString::number(total.withNotes)});
    return textTable(table, 2);
}

QString feeTable(const Result& result)
{
    const QList<Fee> all = fees(result);
    if (all.isEmpty())
        return {};
    const QStringList header = feeHeader();
    QList<QStringList> table{
        {header[2], header[0], header[3], header[4], header[6], header[7], header[9]}};
    for (const Fee& fee : all) {
        table.append({printable(fee.event.isEmpty() ? messages::withoutEvent() : fee.event),
                      printable(fee.club), QString::number(fee.participants),
                      QString::number(fee.notBilled), messages::money(fee.amountCents),
                      messages::money(fee.inQuestionCents), printable(fee.note)});
    }
    const Fee sum = total(all);
    table.append({Text::tr("Summe"), QString(), QString::number(sum.participants),
                  QString::number(sum.notBilled), messages::money(sum.amountCents),
                  messages::money(sum.inQuestionCents), QString()});
    return textTable(table, 2);
}

namespace {

void appendCsvLine(QByteArray& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ';';
        appendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

} // namespace

QByteArray csvBytes(const Result& result)
{
    QByteArray out("\xEF\xBB\xBF");
    out.reserve(result.rows.size() * 80);
    const auto appendLine = [&out](const QStringList& fields) { appendCsvLine(out, fields); };
    appendLine(listHeader());
    for (const Row& row : result.rows)
        appendLine(cells(row, result));
    return out;
}

QByteArray feesCsvBytes(const Result& result)
{
    QByteArray out("\xEF\xBB\xBF");
    appendCsvLine(out, feeHeader());
    const QList<Fee> all = fees(result);
    for (const Fee& fee : all) {
        appendCsvLine(out, {fee.club, fee.clubNumber, fee.event, QString::number(fee.participants),
                            QString::number(fee.notBilled),
                            fee.feeCents ? amountText(*fee.feeCents) : QString(),
                            amountText(fee.amountCents), amountText(fee.inQuestionCents),
                            fee.reference, fee.note});
    }
    const Fee sum = total(all);
    appendCsvLine(out, {Text::tr("Summe"), QString(), QString(), QString::number(sum.participants),
                        QString::number(sum.notBilled), QString(), amountText(sum.amountCents),
                        amountText(sum.inQuestionCents), QString(), QString()});
    return out;
}

QString feesCsvPath(const QString& listPath)
{
    const QString suffix = QStringLiteral(".csv");
    const QString base =
        listPath.endsWith(suffix, Qt::CaseInsensitive) ? listPath.chopped(suffix.size()) : listPath;
    return base + QStringLiteral("-Meldegeld.csv");
}

bool writeFeesCsv(const QString& path, const Result& result, QString* error)
{
    if (textfile::saveFile(path, feesCsvBytes(result)) == textfile::SaveResult::Ok)
        return true;
    if (error)
        *error = messages::listNotWritten(path);
    return false;
}

ListWritten writeList(const Result& result, const QString& path, const QString& invitationPath)
{
    ListWritten written;
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    // With an event file a CSV list has its fees beside it, which must not replace anything the
    // organiser needs either.
    const QString feesPath = csv && result.invitation ? feesCsvPath(path) : QString();
    for (const QString& target : {path, feesPath}) {
        if (target.isEmpty())
            continue;
        if (isInputFile(result, target))
            written.error = messages::listNotWritten(target, messages::wouldOverwriteEntryFile());
        else if (!invitationPath.isEmpty() && sameFile(target, invitationPath))
            written.error = messages::wouldOverwriteInvitation(target);
        if (!written.error.isEmpty()) {
            written.status = ListWritten::Refused;
            return written;
        }
    }
    const bool listDone = csv ? writeCsv(path, result, &written.error)
                              : writeXlsx(path, result, &written.error, &written.cut);
    if (!listDone)
        return written;
    written.done << messages::listWritten(result.rows.size(), result.filesCounted(), path);
    if (!feesPath.isEmpty()) {
        if (!writeFeesCsv(feesPath, result, &written.error))
            return written;
        written.done << messages::feesWritten(feesPath);
    }
    written.status = ListWritten::Done;
    return written;
}

QStringList sheetNames(const QStringList& names, const QStringList& taken)
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
            name = Text::tr("Tabelle");
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

bool writeCsv(const QString& path, const Result& result, QString* error)
{
    if (textfile::saveFile(path, csvBytes(result)) == textfile::SaveResult::Ok)
        return true;
    if (error)
        *error = messages::listNotWritten(path);
    return false;
}

namespace {

// The scratch workbook of a write under way, for removeScratchFiles: plain bytes, so that a signal
// handler can read them.
char g_scratchFile[4096];
char g_scratchDir[4096];
volatile std::sig_atomic_t g_scratchInUse = 0;

struct ScratchNames
{
    ScratchNames(const QString& file, const QString& dir)
    {
        const QByteArray f = QFile::encodeName(file);
        const QByteArray d = QFile::encodeName(dir);
        if (f.size() < qsizetype(sizeof g_scratchFile) &&
            d.size() < qsizetype(sizeof g_scratchDir)) {
            std::memcpy(g_scratchFile, f.constData(), size_t(f.size()) + 1);
            std::memcpy(g_scratchDir, d.constData(), size_t(d.size()) + 1);
            g_scratchInUse = 1;
        }
    }
    ~ScratchNames() { g_scratchInUse = 0; }
    ScratchNames(const ScratchNames&) = delete;
    ScratchNames& operator=(const ScratchNames&) = delete;
};

// Writes the sheets' cells, checking every write: a cell the library refuses must not come out
// empty while the list counts as written.
class SheetWriter
{
public:
    SheetWriter(const SheetLimits& limits, QStringList* notes) : m_limits(limits), m_notes(notes) {}

    /// The text as a cell can hold it: cut to the cell's limit, with a note saying where.
    QByteArray fit(const QString& text, const QString& where)
    {
        if (text.size() <= m_limits.cellChars)
            return text.toUtf8();
        qsizetype keep = m_limits.cellChars;
        if (text.at(keep - 1).isHighSurrogate())
            --keep;
        const QString note = messages::cellCut(where, m_limits.cellChars);
        if (m_notes)
            m_notes->append(printable(note));
        else if (m_error.isEmpty())
            m_error = printable(note);
        return text.first(keep).toUtf8();
    }

    void text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QByteArray& text,
              lxw_format* format = nullptr)
    {
        if (!text.isEmpty())
            check(worksheet_write_string(sheet, row, col, text.constData(), format));
    }
    void number(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, double value,
                lxw_format* format = nullptr)
    {
        check(worksheet_write_number(sheet, row, col, value, format));
    }
    void sum(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, lxw_row_t first, lxw_row_t last,
             double value, lxw_format* format)
    {
        char from[32];
        char to[32];
        lxw_rowcol_to_cell(from, first, col);
        lxw_rowcol_to_cell(to, last, col);
        const QByteArray formula = QByteArrayLiteral("=SUM(") + from + ':' + to + ')';
        check(worksheet_write_formula_num(sheet, row, col, formula.constData(), format, value));
    }

    /// The first problem, in German; empty while all went well.
    const QString& error() const { return m_error; }

private:
    void check(lxw_error error)
    {
        if (error != LXW_NO_ERROR && m_error.isEmpty())
            m_error = QString::fromUtf8(lxw_strerror(error));
    }

    SheetLimits m_limits;
    QStringList* m_notes;
    QString m_error;
};

// The sheet "Meldegeld": what each club owes for each event, with a sum row. False when the sheet
// cannot be added.
bool writeFees(Workbook& book, SheetWriter& cells, const Result& result)
{
    const QList<Fee> fees = gather::fees(result);
    QList<qsizetype> widths(feeHeader().size(), 8);
    for (const Fee& fee : fees) {
        widths[0] = std::max(widths[0], fee.club.size());
        widths[2] = std::max(widths[2], fee.event.size());
        widths[8] = std::max(widths[8], fee.reference.size());
        widths[9] = std::max(widths[9], fee.note.size());
    }
    lxw_worksheet* sheet = book.addSheet(feesSheet(), feeHeader(), fees.size(), widths);
    if (!sheet)
        return false;
    for (qsizetype i = 0; i < fees.size(); ++i) {
        const auto row = static_cast<lxw_row_t>(i + 1);
        const Fee& fee = fees[i];
        const QString where = messages::inSheetRow(feesSheet(), row + 1);
        cells.text(sheet, row, 0, cells.fit(fee.club, where));
        cells.text(sheet, row, 1, cells.fit(fee.clubNumber, where));
        cells.text(sheet, row, 2, cells.fit(fee.event, where));
        cells.number(sheet, row, 3, static_cast<double>(fee.participants));
        cells.number(sheet, row, 4, static_cast<double>(fee.notBilled));
        if (fee.feeCents)
            cells.number(sheet, row, 5, static_cast<double>(*fee.feeCents) / 100, book.money());
        cells.number(sheet, row, 6, static_cast<double>(fee.amountCents) / 100, book.money());
        cells.number(sheet, row, 7, static_cast<double>(fee.inQuestionCents) / 100, book.money());
        cells.text(sheet, row, 8, cells.fit(fee.reference, where));
        cells.text(sheet, row, 9, cells.fit(fee.note, where));
    }
    const Fee sum = total(fees);
    const auto sumRow = static_cast<lxw_row_t>(fees.size() + 1);
    cells.text(sheet, sumRow, 0, QByteArrayLiteral("Summe"), book.bold());
    const std::tuple<lxw_col_t, double, lxw_format*> sums[] = {
        {3, static_cast<double>(sum.participants), book.bold()},
        {4, static_cast<double>(sum.notBilled), book.bold()},
        {6, static_cast<double>(sum.amountCents) / 100, book.money(true)},
        {7, static_cast<double>(sum.inQuestionCents) / 100, book.money(true)},
    };
    for (const auto& [col, value, format] : sums) {
        if (fees.isEmpty())
            cells.number(sheet, sumRow, col, 0, format);
        else
            cells.sum(sheet, sumRow, col, 1, sumRow - 1, value, format);
    }
    return true;
}

} // namespace

void removeScratchFiles()
{
    if (g_scratchInUse) {
        ::unlink(g_scratchFile);
        ::rmdir(g_scratchDir);
    }
}

bool writeXlsx(const QString& path, const Result& result, QString* error, QStringList* notes,
               const SheetLimits& limits)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = messages::listNotWritten(path, why);
        return false;
    };
    // The library writes to a file name of its own choosing; the workbook is made in a scratch
    // folder and then saved like an entry file, so an old list is only ever replaced whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(messages::workbookFailed(messages::WorkbookStep::ScratchSpace));
    const QString made = scratch.filePath(QStringLiteral("liste.xlsx"));
    const ScratchNames interruptible(made, scratch.path());
    SheetWriter cells(limits, notes);
    {
        Workbook book(made, scratch.path());
        if (!book.isOpen())
            return fail(messages::workbookFailed(messages::WorkbookStep::Create));

        const QList<Count> counts = gather::counts(result);
        QList<qsizetype> countWidths(2, 0);
        for (const Count& count : counts) {
            countWidths[0] = std::max(countWidths[0], count.club.size());
            countWidths[1] = std::max(countWidths[1], count.event.size());
        }
        lxw_worksheet* overview =
            book.addSheet(overviewSheet(), countHeader(), counts.size(), countWidths);
        if (!overview)
            return fail(messages::workbookFailed(messages::WorkbookStep::Overview));
        Count total;
        for (qsizetype i = 0; i < counts.size(); ++i) {
            const auto row = static_cast<lxw_row_t>(i + 1);
            const Count& count = counts[i];
            const QString where = messages::inOverviewRow(row + 1);
            cells.text(overview, row, 0, cells.fit(count.club, where));
            cells.text(overview, row, 1, cells.fit(count.event, where));
            cells.number(overview, row, 2, static_cast<double>(count.total));
            cells.number(overview, row, 3, static_cast<double>(count.female));
            cells.number(overview, row, 4, static_cast<double>(count.male));
            cells.number(overview, row, 5, static_cast<double>(count.withNotes));
            total.total += count.total;
            total.female += count.female;
            total.male += count.male;
            total.withNotes += count.withNotes;
        }
        // The sum under the filtered range, so that sorting the table leaves it at the bottom.
        const auto sumRow = static_cast<lxw_row_t>(counts.size() + 1);
        cells.text(overview, sumRow, 0, QByteArrayLiteral("Summe"), book.bold());
        const qsizetype sums[] = {total.total, total.female, total.male, total.withNotes};
        for (lxw_col_t c = 0; c < 4; ++c) {
            // Without any row a formula would only sum itself.
            if (counts.isEmpty())
                cells.number(overview, sumRow, c + 2, 0, book.bold());
            else
                cells.sum(overview, sumRow, c + 2, 1, sumRow - 1, static_cast<double>(sums[c]),
                          book.bold());
        }

        QStringList taken{overviewSheet()};
        if (result.invitation) {
            if (!writeFees(book, cells, result))
                return fail(messages::sheetNotCreated(feesSheet()));
            taken.append(feesSheet());
        }

        // The rows are sorted by event first, so each event's rows lie together. An event with
        // more participants than a sheet has rows goes on in a further sheet of its own.
        const qsizetype perSheet = limits.rows - 1;
        QStringList events;
        QList<qsizetype> starts;
        for (qsizetype i = 0; i < result.rows.size(); ++i) {
            const bool newEvent = i == 0 || result.rows[i].event != result.rows[i - 1].event;
            if (newEvent || i - starts.last() == perSheet) {
                events.append(result.rows[i].event.isEmpty() ? messages::withoutEvent()
                                                             : result.rows[i].event);
                starts.append(i);
            }
        }
        starts.append(result.rows.size());
        const QStringList names = sheetNames(events, taken);
        // Club, event and path are the same for all rows of a file: converted once per file.
        QList<std::array<QByteArray, 3>> perFile;
        perFile.reserve(result.files.size());
        for (const File& file : result.files) {
            const QString where = messages::inFileHeader(file.path);
            perFile.append({cells.fit(file.club, where), cells.fit(file.event, where),
                            cells.fit(file.path, where)});
        }
        for (qsizetype e = 0; e < events.size(); ++e) {
            QList<qsizetype> widths(listHeader().size(), 4);
            for (qsizetype i = starts[e]; i < starts[e + 1]; ++i) {
                const Row& row = result.rows[i];
                const qsizetype lengths[] = {row.club.size(),
                                             row.event.size(),
                                             row.name.size(),
                                             row.firstName.size(),
                                             std::max<qsizetype>(4, row.yearText.size()),
                                             1,
                                             result.files[row.file].path.size(),
                                             noteText(row).size()};
                for (qsizetype c = 0; c < widths.size(); ++c)
                    widths[c] = std::max(widths[c], lengths[c]);
            }
            lxw_worksheet* sheet =
                book.addSheet(names[e], listHeader(), starts[e + 1] - starts[e], widths);
            if (!sheet)
                return fail(messages::sheetNotCreated(names[e]));
            for (qsizetype i = starts[e]; i < starts[e + 1]; ++i) {
                const Row& row = result.rows[i];
                const auto& file = perFile[row.file];
                const auto r = static_cast<lxw_row_t>(i - starts[e] + 1);
                const QString where = messages::inSheetRow(names[e], r + 1);
                cells.text(sheet, r, 0, file[0]);
                cells.text(sheet, r, 1, file[1]);
                cells.text(sheet, r, 2, cells.fit(row.name, where));
                cells.text(sheet, r, 3, cells.fit(row.firstName, where));
                if (row.year >= 0)
                    cells.number(sheet, r, 4, row.year);
                else
                    cells.text(sheet, r, 4, cells.fit(row.yearText, where));
                cells.text(sheet, r, 5, row.gender == 1 ? "m" : "w");
                cells.text(sheet, r, 6, file[2]);
                if (!row.notes.isEmpty())
                    cells.text(sheet, r, 7, cells.fit(noteText(row), where));
            }
        }
        if (!cells.error().isEmpty())
            return fail(cells.error());
        if (const QString why = book.close(); !why.isEmpty())
            return fail(why);
    }
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly))
        return fail(messages::workbookFailed(messages::WorkbookStep::Vanished));
    const QByteArray bytes = file.readAll();
    if (textfile::saveFile(path, bytes) != textfile::SaveResult::Ok)
        return fail(messages::workbookFailed(messages::WorkbookStep::Save));
    return true;
}

} // namespace gather
