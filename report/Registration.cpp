#include "report/Registration.h"

#include <algorithm>
#include <array>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <qrencode.h>
#include <QTextLayout>
#include <QtMath>

namespace report {

namespace {

struct Column
{
    QString title;
    qreal x = 0;
    qreal width = 0;
    Qt::Alignment align = Qt::AlignLeft;
};

// Every size in the device's own pixels, measured once, so that counting the pages and painting
// them can never disagree about where a page ends.
struct Geometry
{
    explicit Geometry(QPaintDevice& device)
        : paintDevice(&device), width(device.width()), height(device.height()), body(font(10)),
          head(font(10, true)), title(font(18, true)), small(font(8)), bodyMetrics(body, &device),
          headMetrics(head, &device), smallMetrics(small, &device)
    {
        const QFontMetricsF titleMetrics(title, &device);
        row = bodyMetrics.lineSpacing() * 1.5;
        pad = bodyMetrics.height() * 0.6;
        infoLine = bodyMetrics.lineSpacing() * 1.3;
        titleBlock = titleMetrics.lineSpacing() * 1.4 + 3 * infoLine + row;
        footer = smallMetrics.lineSpacing() * 2;
        tail = 5 * row + smallMetrics.lineSpacing() * 1.5;
        line = std::max<qreal>(1, bodyMetrics.lineWidth());

        // Number, year and gender take what their widest text needs; the two names share the
        // rest, and a name wider than its column wraps within it: the row grows.
        const auto fit = [this](const QString& header, const QString& widest) {
            return std::max(headMetrics.horizontalAdvance(header),
                            bodyMetrics.horizontalAdvance(widest)) +
                   pad;
        };
        const qreal number = fit(QStringLiteral("Nr."), QStringLiteral("000000."));
        const qreal year = fit(QStringLiteral("Jahrgang"), QStringLiteral("0000"));
        const qreal gender = fit(QStringLiteral("Geschlecht"), QStringLiteral("männlich"));
        const qreal names = std::max<qreal>(0, width - number - year - gender);
        columns = {Column{QStringLiteral("Nr."), 0, number, Qt::AlignRight},
                   Column{QStringLiteral("Name"), number, names / 2},
                   Column{QStringLiteral("Vorname"), number + names / 2, names / 2},
                   Column{QStringLiteral("Jahrgang"), number + names, year},
                   Column{QStringLiteral("Geschlecht"), number + names + year, gender}};
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

    /// The text in lines no wider than `most`: at word boundaries where it can, anywhere where
    /// a single word is wider than the column.
    QStringList lines(const QString& text, qreal most) const
    {
        if (bodyMetrics.horizontalAdvance(text) <= most)
            return {text};
        QTextLayout layout(text, body, paintDevice);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine next = layout.createLine(); next.isValid(); next = layout.createLine()) {
            next.setLineWidth(most);
            lines.append(text.mid(next.textStart(), next.textLength()));
        }
        layout.endLayout();
        return lines.isEmpty() ? QStringList{text} : lines;
    }

    /// The cells of one participant's row as printed, name and first name in lines.
    struct RowText
    {
        QStringList name;
        QStringList firstName;
    };
    RowText cells(const EntryRow& entry) const
    {
        const entry::Names names = entry::splitDisplayText(entry.text);
        return {lines(names.name, columns[1].width - pad),
                lines(names.firstName, columns[2].width - pad)};
    }
    /// A row's height: one line as in the header row, each further line adds a line spacing.
    qreal rowHeight(const RowText& cells) const
    {
        const auto lines = std::max(cells.name.size(), cells.firstName.size());
        return row + qreal(lines - 1) * bodyMetrics.lineSpacing();
    }

    QPaintDevice* paintDevice;
    qreal width, height;
    QFont body, head, title, small;
    QFontMetricsF bodyMetrics, headMetrics, smallMetrics;
    qreal row = 0;        // one table row, the header row included
    qreal pad = 0;        // the gap after each column's text
    qreal infoLine = 0;   // club, event and date under the title
    qreal titleBlock = 0; // title and its three lines: first page only
    qreal footer = 0;     // the page number at the bottom of every page
    qreal tail = 0;       // totals, the room to sign and the signature line with its captions
    qreal line = 0;       // pen width of thin rules
    std::array<Column, 5> columns;
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

void text(QPainter& painter, const QFontMetricsF& metrics, const QRectF& rect, const QString& text,
          Qt::Alignment align = Qt::AlignLeft)
{
    painter.drawText(rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine),
                     metrics.elidedText(text, Qt::ElideRight, rect.width()));
}

QString yearText(qint32 code)
{
    // An invalid year read from a file is -1: print a dash, as the number would mislead.
    const qint32 year = entry::yearOf(code);
    return year < 0 ? QStringLiteral("–") : QString::number(year);
}

qreal paintTitleBlock(QPainter& painter, const Geometry& g, const Registration& r)
{
    const QFontMetricsF titleMetrics(g.title, painter.device());
    painter.setFont(g.title);
    text(painter, titleMetrics, {0, 0, g.width, titleMetrics.lineSpacing()},
         QStringLiteral("Meldung"));
    qreal y = titleMetrics.lineSpacing() * 1.4;
    painter.setFont(g.body);
    QStringList lines{QStringLiteral("Verein: ") + r.club};
    if (!r.contact.isEmpty())
        lines << QStringLiteral("Ansprechpartner: ") + r.contact;
    lines << QStringLiteral("Veranstaltung: ") + r.event
          << QStringLiteral("Gedruckt am ") + r.printed.toString(u"dd.MM.yyyy");
    for (const QString& line : std::as_const(lines)) {
        text(painter, g.bodyMetrics, {0, y, g.width, g.infoLine}, line);
        y += g.infoLine;
    }
    return g.titleBlock;
}

// Lines of a cell, as a block centred in the row like a single line.
void paintLines(QPainter& painter, const Geometry& g, const Column& c, qreal top, qreal height,
                const QStringList& lines)
{
    const qreal spacing = g.bodyMetrics.lineSpacing();
    qreal y = top + (height - spacing * qreal(lines.size())) / 2;
    for (const QString& line : lines) {
        painter.drawText(QRectF(c.x, y, c.width - g.pad, spacing),
                         int(c.align | Qt::AlignVCenter | Qt::TextSingleLine), line);
        y += spacing;
    }
}

qreal paintTable(QPainter& painter, const Geometry& g, const Registration& r, const Page& page,
                 qreal y)
{
    const auto cell = [&](const Column& c, qreal top, const QFontMetricsF& m, const QString& s) {
        text(painter, m, {c.x, top, c.width - g.pad, g.row}, s, c.align);
    };
    painter.setFont(g.head);
    for (const Column& c : g.columns)
        cell(c, y, g.headMetrics, c.title);
    y += g.row;
    painter.setPen(QPen(Qt::black, 2 * g.line));
    painter.drawLine(QPointF(0, y), QPointF(g.width, y));

    painter.setFont(g.body);
    for (qsizetype i = page.first; i < page.end; ++i) {
        const EntryRow& entry = r.entries.at(i);
        const Geometry::RowText names = g.cells(entry);
        const qreal height = g.rowHeight(names);
        const QString texts[] = {QString::number(i + 1) + QLatin1Char('.'), yearText(entry.code),
                                 entry::genderOf(entry.code) == entry::Male
                                     ? QStringLiteral("männlich")
                                     : QStringLiteral("weiblich")};
        painter.setPen(Qt::black);
        const qreal middle = y + (height - g.row) / 2;
        cell(g.columns[0], middle, g.bodyMetrics, texts[0]);
        paintLines(painter, g, g.columns[1], y, height, names.name);
        paintLines(painter, g, g.columns[2], y, height, names.firstName);
        cell(g.columns[3], middle, g.bodyMetrics, texts[1]);
        cell(g.columns[4], middle, g.bodyMetrics, texts[2]);
        y += height;
        painter.setPen(QPen(Qt::lightGray, g.line));
        painter.drawLine(QPointF(0, y), QPointF(g.width, y));
    }
    painter.setPen(Qt::black);
    return y;
}

// The event file's lines under the totals: their height, and painting them.
// The GiroCode beside the event file's lines: 3 cm wide with its quiet zone, so that a banking
// app reads it from paper (2.5 cm is the least that is read reliably), with a caption under it.
qreal giroCodeSide(const Geometry& g, const Registration& r)
{
    return r.giroCode.isEmpty() ? 0 : g.paintDevice->logicalDpiX() * 30.0 / 25.4;
}

QString giroCodeCaption()
{
    return QStringLiteral("Mit der Banking-App scannen");
}

qreal giroCodeHeight(const Geometry& g, const Registration& r)
{
    const qreal side = giroCodeSide(g, r);
    return side > 0 ? side + g.smallMetrics.lineSpacing() * 1.5 : 0;
}

// The width the event file's lines have: the page's, less the code's where there is one.
qreal detailsWidth(const Geometry& g, const Registration& r)
{
    const qreal side = giroCodeSide(g, r);
    return side > 0 ? g.width - side - g.pad : g.width;
}

QRectF detailRect(const Geometry& g, qreal width, const QString& line, qreal y)
{
    const QRectF room(0, y, width, g.height);
    return g.bodyMetrics.boundingRect(room, Qt::TextWordWrap, line);
}

qreal detailsHeight(const Geometry& g, const Registration& r)
{
    qreal height = 0;
    for (const QString& line : r.details)
        height += detailRect(g, detailsWidth(g, r), line, 0).height() + g.pad / 2;
    return std::max(height, giroCodeHeight(g, r));
}

void paintGiroCode(QPainter& painter, const Geometry& g, const Registration& r, qreal y)
{
    QRcode* code = QRcode_encodeData(static_cast<int>(r.giroCode.size()),
                                     reinterpret_cast<const unsigned char*>(r.giroCode.constData()),
                                     0, QR_ECLEVEL_M);
    if (!code)
        return; // a payload too long for any code: the transfer's data are printed anyway
    const qreal side = giroCodeSide(g, r);
    const int quiet = 4;
    const qreal module = side / (code->width + 2 * quiet);
    const qreal left = g.width - side;
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
    text(painter, g.smallMetrics, {left, y + side, side, g.smallMetrics.lineSpacing()},
         giroCodeCaption(), Qt::AlignHCenter);
}

void paintTail(QPainter& painter, const Geometry& g, const Registration& r, qreal y)
{
    painter.setFont(g.head);
    text(painter, g.headMetrics, {0, y + g.row, g.width, g.row}, totalsText(r.entries));
    y += 2 * g.row;
    if (!r.giroCode.isEmpty())
        paintGiroCode(painter, g, r, y);
    painter.setFont(g.body);
    const qreal bottom = y + detailsHeight(g, r);
    for (const QString& line : r.details) {
        const QRectF rect = detailRect(g, detailsWidth(g, r), line, y);
        painter.drawText(rect, Qt::TextWordWrap, line);
        y += rect.height() + g.pad / 2;
    }
    y = bottom + 3 * g.row;
    painter.setPen(QPen(Qt::black, g.line));
    const qreal split = g.width * 0.45;
    painter.drawLine(QPointF(0, y), QPointF(split - g.pad, y));
    painter.drawLine(QPointF(split + g.pad, y), QPointF(g.width, y));
    painter.setFont(g.small);
    const qreal caption = g.smallMetrics.lineSpacing() * 1.5;
    text(painter, g.smallMetrics, {0, y, split - g.pad, caption}, QStringLiteral("Ort, Datum"));
    text(painter, g.smallMetrics, {split + g.pad, y, g.width - split - g.pad, caption},
         QStringLiteral("Unterschrift"));
}

void paintFooter(QPainter& painter, const Geometry& g, const Registration& r, qsizetype number,
                 qsizetype count)
{
    // Club and event on every page, so that a page that comes loose still says whose it is.
    painter.setFont(g.small);
    const QString pageText = QStringLiteral("Seite %1 von %2").arg(number).arg(count);
    const qreal pageWidth = g.smallMetrics.horizontalAdvance(pageText);
    const qreal top = g.height - g.smallMetrics.lineSpacing();
    const qreal height = g.smallMetrics.lineSpacing();
    text(painter, g.smallMetrics, {0, top, g.width - pageWidth - g.pad, height},
         r.club + QStringLiteral(" · ") + r.event);
    text(painter, g.smallMetrics, {g.width - pageWidth, top, pageWidth, height}, pageText,
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
    return QStringLiteral("%1 Teilnehmer · %2 weiblich · %3 männlich")
        .arg(german.toString(total), german.toString(total - male), german.toString(male));
}

QPageLayout defaultPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QString documentTitle(const Registration& registration)
{
    return QStringLiteral("Meldung ") + registration.club + QStringLiteral(" – ") +
           registration.event;
}

bool paint(const Registration& registration, QPagedPaintDevice& device)
{
    Geometry g(device);
    g.tail += detailsHeight(g, registration);
    if (!registration.contact.isEmpty())
        g.titleBlock += g.infoLine;
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
        qreal y = i == 0 ? paintTitleBlock(painter, g, registration) : 0;
        // A page that holds only the totals needs no empty table above them.
        if (i == 0 || page.first < page.end)
            y = paintTable(painter, g, registration, page, y);
        if (page.tail)
            paintTail(painter, g, registration, y);
        paintFooter(painter, g, registration, i + 1, pages.size());
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
