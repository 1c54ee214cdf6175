#include "report/Registration.h"

#include <algorithm>
#include <array>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <qrencode.h>
#include <QTextBoundaryFinder>
#include <QtMath>

namespace report {

namespace {

// The form's texts, for lupdate and i18n/zandrel_de.ts under "Registration".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Registration)
};

QString pageOf(qsizetype number, qsizetype count)
{
    return Text::tr("Seite %1 von %2").arg(QString::number(number), QString::number(count));
}

// One printed line. A value that must stay whole and is wider than its column gets a smaller
// font of its own; every other line is in the font of its block.
struct Line
{
    QString text;
    qreal points = 0; // 0: the block's font
};
using Lines = QList<Line>;

QString withoutTrailingSpaces(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

struct Column
{
    QString title;
    qreal x = 0;
    qreal width = 0;
    Qt::Alignment align = Qt::AlignLeft;
};

// Every size in the device's own pixels, measured once, so that counting the pages and painting
// them can never disagree about where a page ends. The registration's own texts are broken into
// their lines here for the same reason: what is painted is exactly what was counted.
struct Geometry
{
    Geometry(QPaintDevice& device, const Registration& r)
        : paintDevice(&device), whole(r.wholeValues), width(device.width()),
          height(device.height()), body(font(10)), head(font(10, true)), title(font(18, true)),
          small(font(8)), bodyMetrics(body, &device), headMetrics(head, &device),
          smallMetrics(small, &device)
    {
        const QFontMetricsF titleMetrics(title, &device);
        row = bodyMetrics.lineSpacing() * 1.5;
        pad = bodyMetrics.height() * 0.6;
        infoLine = bodyMetrics.lineSpacing() * 1.3;
        line = std::max<qreal>(1, bodyMetrics.lineWidth());

        // Number, year and gender take what their widest text needs; the two names share the
        // rest, and a name wider than its column wraps within it: the row grows.
        const auto fit = [this](const QString& header, const QString& widest) {
            return std::max(headMetrics.horizontalAdvance(header),
                            bodyMetrics.horizontalAdvance(widest)) +
                   pad;
        };
        const qreal number = fit(Text::tr("Nr."), QStringLiteral("000000."));
        const qreal year = fit(Text::tr("Jahrgang"), QStringLiteral("0000"));
        const qreal gender = fit(Text::tr("Geschlecht"), Text::tr("männlich"));
        const qreal names = std::max<qreal>(0, width - number - year - gender);
        columns = {Column{Text::tr("Nr."), 0, number, Qt::AlignRight},
                   Column{Text::tr("Name"), number, names / 2},
                   Column{Text::tr("Vorname"), number + names / 2, names / 2},
                   Column{Text::tr("Jahrgang"), number + names, year},
                   Column{Text::tr("Geschlecht"), number + names + year, gender}};
        layOutTexts(r, titleMetrics);
    }

    // Club, event, contact and the event file's lines are anyone's words: each wraps within the
    // width it is printed in, and nothing on paper is ever cut short.
    void layOutTexts(const Registration& r, const QFontMetricsF& titleMetrics)
    {
        QStringList infoTexts{Text::tr("Verein: %1").arg(r.club)};
        if (!r.contact.isEmpty())
            infoTexts << Text::tr("Ansprechpartner: %1").arg(r.contact);
        infoTexts << Text::tr("Veranstaltung: %1").arg(r.event)
                  << Text::tr("Gedruckt am %1").arg(r.printed.toString(u"dd.MM.yyyy"));
        titleBlock = titleMetrics.lineSpacing() * 1.4 + row;
        for (const QString& text : std::as_const(infoTexts)) {
            info.append(lines(text, width, body, bodyMetrics));
            titleBlock += infoHeight(info.last());
        }

        // The GiroCode beside the event file's lines: 3 cm wide with its quiet zone, so that a
        // banking app reads it from paper (2.5 cm is the least that is read reliably), with a
        // caption under it. The lines keep a gap to it, whatever their words.
        codeSide = r.giroCode.isEmpty() ? 0 : paintDevice->logicalDpiX() * 30.0 / 25.4;
        if (codeSide > 0)
            caption = lines(Text::tr("Mit der Banking-App scannen"), codeSide, small, smallMetrics);
        const qreal codeHeight =
            codeSide > 0 ? codeSide + smallMetrics.lineSpacing() * (qreal(caption.size()) + 0.5)
                         : 0;
        detailsWidth = codeSide > 0 ? width - codeSide - pad : width;
        for (const QString& text : r.details) {
            details.append(lines(text, detailsWidth, body, bodyMetrics));
            detailsHeight += bodyMetrics.lineSpacing() * qreal(details.last().size()) + pad / 2;
        }
        detailsHeight = std::max(detailsHeight, codeHeight);
        tail = 5 * row + smallMetrics.lineSpacing() * 1.5 + detailsHeight;

        // Club and event wrap left of the page number, which gets the room of the widest it can
        // be: a page holds at least one row, and the totals may take one more.
        const QString widestPage = pageOf(r.entries.size() + 1, r.entries.size() + 1);
        footerLines =
            lines(r.club + QStringLiteral(" · ") + r.event,
                  width - smallMetrics.horizontalAdvance(widestPage) - pad, small, smallMetrics);
        footer = smallMetrics.lineSpacing() * qreal(footerLines.size() + 1);
    }

    static QFont font(int points, bool bold = false)
    {
        QFont font = QGuiApplication::font();
        font.setPointSize(points);
        font.setBold(bold);
        // No ligatures: the PDF would hold "ﬀ" for "ff", and a search for "Hoffmann" would miss.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }

    /// The text in lines no wider than `most`, broken at its spaces and after its hyphens. A
    /// value of `whole` is never broken: it starts a new line where the rest of one is too short,
    /// and is printed smaller where even a whole line is ("meldung@turngau-" / "musterland.de"
    /// would be read, and copied, as one word without its hyphen). Any other word wider than the
    /// column breaks between two of its characters.
    Lines lines(const QString& text, qreal most, const QFont& font,
                const QFontMetricsF& metrics) const
    {
        const auto fits = [&](const QString& t) {
            return metrics.horizontalAdvance(withoutTrailingSpaces(t)) <= most;
        };
        if (fits(text))
            return {{text}};
        QList<bool> kept(text.size(), false);
        for (const QString& value : whole) {
            if (value.isEmpty())
                continue;
            for (qsizetype at = text.indexOf(value); at >= 0;
                 at = text.indexOf(value, at + value.size()))
                std::fill(kept.begin() + at, kept.begin() + at + value.size(), true);
        }
        Lines result;
        QString current;
        for (qsizetype start = 0; start < text.size();) {
            // A word with the spaces after it; a space inside a value to keep is part of it.
            qsizetype end = start;
            while (end < text.size() && (kept[end] || !text[end].isSpace())) {
                // A double name may break after its hyphen, as a typesetter would break it.
                if (text[end++] == u'-' && !kept[end - 1])
                    break;
            }
            while (end < text.size() && !kept[end] && text[end].isSpace())
                ++end;
            const QString word = text.mid(start, end - start);
            const bool isWhole =
                std::find(kept.begin() + start, kept.begin() + end, true) != kept.begin() + end;
            start = end;
            if (fits(current + word)) {
                current += word;
                continue;
            }
            if (!withoutTrailingSpaces(current).isEmpty())
                result.append({withoutTrailingSpaces(current)});
            current.clear();
            if (fits(word)) {
                current = word;
            } else if (isWhole) {
                const QString value = withoutTrailingSpaces(word);
                result.append({value, pointsToFit(value, most, font)});
            } else {
                current = brokenWord(word, fits, result);
            }
        }
        if (!withoutTrailingSpaces(current).isEmpty() || result.isEmpty())
            result.append({withoutTrailingSpaces(current)});
        return result;
    }

    // Breaks the word between graphemes into lines that fit; the last piece is returned, for the
    // next word to follow on its line.
    template <typename Fits>
    static QString brokenWord(const QString& word, const Fits& fits, Lines& result)
    {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
        qsizetype from = 0;
        qsizetype fitting = 0;
        for (qsizetype to = graphemes.toNextBoundary(); to > 0; to = graphemes.toNextBoundary()) {
            if (!fits(word.mid(from, to - from)) && fitting > from) {
                result.append({word.mid(from, fitting - from)});
                from = fitting;
            }
            fitting = to;
        }
        return word.mid(from);
    }

    // The point size at which the value is no wider than `most`.
    qreal pointsToFit(const QString& value, qreal most, const QFont& font) const
    {
        QFont smaller = font;
        qreal points = font.pointSizeF();
        for (int step = 0; step < 20; ++step) {
            const qreal wide = QFontMetricsF(smaller, paintDevice).horizontalAdvance(value);
            if (wide <= most)
                break;
            points = std::min(points * 0.97, points * most / wide);
            smaller.setPointSizeF(points);
        }
        return points;
    }

    /// The cells of one participant's row as printed, name and first name in lines.
    struct RowText
    {
        Lines name;
        Lines firstName;
    };
    RowText cells(const EntryRow& entry) const
    {
        const entry::Names names = entry::splitDisplayText(entry.text);
        return {lines(names.name, columns[1].width - pad, body, bodyMetrics),
                lines(names.firstName, columns[2].width - pad, body, bodyMetrics)};
    }
    /// A row's height: one line as in the header row, each further line adds a line spacing.
    qreal rowHeight(const RowText& cells) const
    {
        const auto lines = std::max(cells.name.size(), cells.firstName.size());
        return row + qreal(lines - 1) * bodyMetrics.lineSpacing();
    }
    /// The same for a line under the title.
    qreal infoHeight(const Lines& lines) const
    {
        return infoLine + qreal(lines.size() - 1) * bodyMetrics.lineSpacing();
    }

    QPaintDevice* paintDevice;
    QStringList whole; // values never broken across lines
    qreal width, height;
    QFont body, head, title, small;
    QFontMetricsF bodyMetrics, headMetrics, smallMetrics;
    qreal row = 0;           // one table row, the header row included
    qreal pad = 0;           // the gap after each column's text
    qreal infoLine = 0;      // club, event and date under the title
    qreal titleBlock = 0;    // title and the lines under it: first page only
    qreal footer = 0;        // club, event and the page number at the bottom of every page
    qreal tail = 0;          // totals, event file's lines, room to sign and the signature line
    qreal line = 0;          // pen width of thin rules
    qreal codeSide = 0;      // the GiroCode with its quiet zone; 0: no code
    qreal detailsWidth = 0;  // the event file's lines: the page's width less the code's
    qreal detailsHeight = 0; // those lines or the code with its caption, whichever is taller
    std::array<Column, 5> columns;
    QList<Lines> info;    // the lines under the title, each in the lines it takes
    QList<Lines> details; // the event file's lines, likewise
    Lines caption;        // under the code
    Lines footerLines;    // club and event at the bottom of every page
};

struct Page
{
    qsizetype first = 0; // index of the first entry on the page
    qsizetype end = 0;   // one past the last
    bool tail = false;   // the totals and the signature line are on this page
};

QList<Page> paginate(const Geometry& g, const QList<qreal>& heights)
{
    const qsizetype count = heights.size();
    QList<Page> pages;
    qsizetype next = 0;
    qreal used = 0;
    do {
        used = (pages.isEmpty() ? g.titleBlock : 0) + g.row;
        // At least one row per page, or a tiny page size would never get to the end.
        qsizetype end = next;
        while (end < count && (end == next || used + heights[end] <= g.height - g.footer))
            used += heights[end++];
        pages.append({next, end});
        next = end;
    } while (next < count);

    // The totals and the signature close the table; when they do not fit under the last row they
    // get a page of their own rather than being squeezed into the footer.
    Page& last = pages.last();
    if (used + g.tail <= g.height - g.footer)
        last.tail = true;
    else
        pages.append({count, count, true});
    return pages;
}

// One line of the form's own words, which fit their place by construction. Nothing on paper is
// ever elided: a text that comes from a file goes through Geometry::lines() instead.
void text(QPainter& painter, const QRectF& rect, const QString& text,
          Qt::Alignment align = Qt::AlignLeft)
{
    painter.drawText(rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
}

// Lines as Geometry::lines() broke them, a block centred in the box like a single line.
void paintLines(QPainter& painter, const QFontMetricsF& metrics, const QRectF& box,
                const Lines& lines, Qt::Alignment align = Qt::AlignLeft)
{
    const qreal spacing = metrics.lineSpacing();
    qreal y = box.top() + (box.height() - spacing * qreal(lines.size())) / 2;
    for (const Line& line : lines) {
        const QFont font = painter.font();
        if (line.points > 0) {
            QFont smaller = font;
            smaller.setPointSizeF(line.points);
            painter.setFont(smaller);
        }
        painter.drawText(QRectF(box.left(), y, box.width(), spacing),
                         int(align | Qt::AlignVCenter | Qt::TextSingleLine), line.text);
        painter.setFont(font);
        y += spacing;
    }
}

QString yearText(qint32 code)
{
    // An invalid year read from a file is -1: print a dash, as the number would mislead.
    const qint32 year = entry::yearOf(code);
    return year < 0 ? QStringLiteral("–") : QString::number(year);
}

qreal paintTitleBlock(QPainter& painter, const Geometry& g)
{
    const QFontMetricsF titleMetrics(g.title, painter.device());
    painter.setFont(g.title);
    text(painter, {0, 0, g.width, titleMetrics.lineSpacing()}, Text::tr("Meldung"));
    qreal y = titleMetrics.lineSpacing() * 1.4;
    painter.setFont(g.body);
    for (const Lines& lines : g.info) {
        const qreal height = g.infoHeight(lines);
        paintLines(painter, g.bodyMetrics, {0, y, g.width, height}, lines);
        y += height;
    }
    return g.titleBlock;
}

qreal paintTable(QPainter& painter, const Geometry& g, const Registration& r, const Page& page,
                 qreal y)
{
    const auto cell = [&](const Column& c, qreal top, const QString& s) {
        text(painter, {c.x, top, c.width - g.pad, g.row}, s, c.align);
    };
    painter.setFont(g.head);
    for (const Column& c : g.columns)
        cell(c, y, c.title);
    y += g.row;
    painter.setPen(QPen(Qt::black, 2 * g.line));
    painter.drawLine(QPointF(0, y), QPointF(g.width, y));

    painter.setFont(g.body);
    for (qsizetype i = page.first; i < page.end; ++i) {
        const EntryRow& entry = r.entries.at(i);
        const Geometry::RowText names = g.cells(entry);
        const qreal height = g.rowHeight(names);
        const QString texts[] = {QString::number(i + 1) + QLatin1Char('.'), yearText(entry.code),
                                 entry::genderOf(entry.code) == entry::Male ? Text::tr("männlich")
                                                                            : Text::tr("weiblich")};
        painter.setPen(Qt::black);
        const qreal middle = y + (height - g.row) / 2;
        const auto wrapped = [&](const Column& c, const Lines& lines) {
            paintLines(painter, g.bodyMetrics, {c.x, y, c.width - g.pad, height}, lines, c.align);
        };
        cell(g.columns[0], middle, texts[0]);
        wrapped(g.columns[1], names.name);
        wrapped(g.columns[2], names.firstName);
        cell(g.columns[3], middle, texts[1]);
        cell(g.columns[4], middle, texts[2]);
        y += height;
        painter.setPen(QPen(Qt::lightGray, g.line));
        painter.drawLine(QPointF(0, y), QPointF(g.width, y));
    }
    painter.setPen(Qt::black);
    return y;
}

// The code at the right of the text width, the event file's lines left of it.
void paintGiroCode(QPainter& painter, const Geometry& g, const Registration& r, qreal y)
{
    QRcode* code = QRcode_encodeData(static_cast<int>(r.giroCode.size()),
                                     reinterpret_cast<const unsigned char*>(r.giroCode.constData()),
                                     0, QR_ECLEVEL_M);
    if (!code)
        return; // a payload too long for any code: the transfer's data are printed anyway
    const int quiet = 4;
    const qreal module = g.codeSide / (code->width + 2 * quiet);
    const qreal left = g.width - g.codeSide;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int row = 0; row < code->width; ++row) {
        for (int column = 0; column < code->width; ++column) {
            if (code->data[row * code->width + column] & 1)
                painter.drawRect(QRectF(left + (column + quiet) * module,
                                        y + (row + quiet) * module, module, module));
        }
    }
    painter.restore();
    QRcode_free(code);
    painter.setFont(g.small);
    paintLines(
        painter, g.smallMetrics,
        {left, y + g.codeSide, g.codeSide, g.smallMetrics.lineSpacing() * qreal(g.caption.size())},
        g.caption, Qt::AlignHCenter);
}

void paintTail(QPainter& painter, const Geometry& g, const Registration& r, qreal y)
{
    painter.setFont(g.head);
    text(painter, {0, y + g.row, g.width, g.row}, totalsText(r.entries));
    y += 2 * g.row;
    if (!r.giroCode.isEmpty())
        paintGiroCode(painter, g, r, y);
    painter.setFont(g.body);
    qreal top = y;
    for (const Lines& lines : g.details) {
        const qreal height = g.bodyMetrics.lineSpacing() * qreal(lines.size());
        paintLines(painter, g.bodyMetrics, {0, top, g.detailsWidth, height}, lines);
        top += height + g.pad / 2;
    }
    y += g.detailsHeight + 3 * g.row;
    painter.setPen(QPen(Qt::black, g.line));
    const qreal split = g.width * 0.45;
    painter.drawLine(QPointF(0, y), QPointF(split - g.pad, y));
    painter.drawLine(QPointF(split + g.pad, y), QPointF(g.width, y));
    painter.setFont(g.small);
    const qreal caption = g.smallMetrics.lineSpacing() * 1.5;
    text(painter, {0, y, split - g.pad, caption}, Text::tr("Ort, Datum"));
    text(painter, {split + g.pad, y, g.width - split - g.pad, caption}, Text::tr("Unterschrift"));
}

void paintFooter(QPainter& painter, const Geometry& g, qsizetype number, qsizetype count)
{
    // Club and event on every page, so that a page that comes loose still says whose it is.
    painter.setFont(g.small);
    const qreal spacing = g.smallMetrics.lineSpacing();
    const qreal height = spacing * qreal(g.footerLines.size());
    paintLines(painter, g.smallMetrics, {0, g.height - height, g.width, height}, g.footerLines);
    const QString pageText = pageOf(number, count);
    const qreal pageWidth = g.smallMetrics.horizontalAdvance(pageText);
    text(painter, {g.width - pageWidth, g.height - spacing, pageWidth, spacing}, pageText,
         Qt::AlignRight);
}

} // namespace

QString totalsText(const QList<EntryRow>& entries)
{
    qsizetype male = 0;
    for (const EntryRow& e : entries)
        male += entry::genderOf(e.code);
    return totalsText(entries.size(), male);
}

QString totalsText(qsizetype total, qsizetype male)
{
    const QLocale german(QLocale::German);
    return Text::tr("%1 Teilnehmer · %2 weiblich · %3 männlich")
        .arg(german.toString(total), german.toString(total - male), german.toString(male));
}

QPageLayout defaultPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QString documentTitle(const Registration& registration)
{
    return Text::tr("Meldung %1 – %2").arg(registration.club, registration.event);
}

bool paint(const Registration& registration, QPagedPaintDevice& device)
{
    Geometry g(device, registration);
    QList<qreal> heights;
    heights.reserve(registration.entries.size());
    for (const EntryRow& entry : registration.entries)
        heights.append(g.rowHeight(g.cells(entry)));
    const QList<Page> pages = paginate(g, heights);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const Page& page = pages.at(i);
        qreal y = i == 0 ? paintTitleBlock(painter, g) : 0;
        // A page that holds only the totals needs no empty table above them.
        if (i == 0 || page.first < page.end)
            y = paintTable(painter, g, registration, page, y);
        if (page.tail)
            paintTail(painter, g, registration, y);
        paintFooter(painter, g, i + 1, pages.size());
    }
    return painter.end();
}

QByteArray pdf(const Registration& registration)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(defaultPageLayout());
    writer.setTitle(documentTitle(registration));
    writer.setCreator(QStringLiteral("Zandrel"));
    // Ending the painter writes the file's tail, so the bytes are complete once Paint returns.
    return paint(registration, writer) ? bytes : QByteArray();
}

} // namespace report
