#include "app/EntryRowDelegate.h"

#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "entries/Entry.h"
#include "entries/EntryListModel.h"

#include <algorithm>
#include <QPainter>

namespace {

QPalette::ColorGroup groupOf(const QStyleOptionViewItem& option)
{
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

// More characters than any row can show, however wide the list. A name from a file may be
// megabytes long; only this much of it is ever copied, measured or elided, so a row costs the
// same to paint whatever its text.
constexpr qsizetype kMostShownChars = 300;

QString singleLine(QString text)
{
    // A row shows one line; a line break that came in from a file must not split it.
    for (QChar& c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

EntryRowDelegate::EntryRowDelegate(CIconListBox* list) : QStyledItemDelegate(list), m_pList(list) {}

QRect EntryRowDelegate::fillRect(const QRect& row, bool hasPicture)
{
    QRect fill = row;
    if (hasPicture)
        fill.setLeft(row.left() + PictureWidth);
    return fill;
}

QString EntryRowDelegate::shownLine(const QFontMetrics& metrics, const QString& text, int width)
{
    QString line = singleLine(text.left(kMostShownChars));
    // The cut-off rest still counts as text that does not fit, so it gets its ellipsis even
    // where the kept part would fit.
    if (text.size() > kMostShownChars)
        line += QChar(0x2026);
    return metrics.elidedText(line, Qt::ElideRight, width);
}

QRect EntryRowDelegate::measureText(const QFontMetrics& metrics, const QRect& row, bool hasPicture,
                                    const QString& line)
{
    const QRect fill = fillRect(row, hasPicture);
    return {fill.left(), row.top() + TextTopOffset, metrics.horizontalAdvance(line),
            metrics.height()};
}

void EntryRowDelegate::drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& color)
{
    // Drawn by hand rather than through the style: several styles draw a focus frame only after
    // keyboard navigation, while the list marks its focus row however the focus arrived.
    painter.save();
    QPen pen(color, 0, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void EntryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    if (!painter || !index.isValid())
        return;

    const CImageList* pictures = m_pList ? m_pList->m_pImageList : nullptr;
    const bool hasPicture = pictures != nullptr;
    const QRect row = option.rect;
    const QRect fill = fillRect(row, hasPicture);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = groupOf(option);

    painter->save();
    painter->setClipRect(row, Qt::IntersectClip);

    // An unselected row keeps the view's base colour, which the viewport has painted already.
    if (selected)
        painter->fillRect(fill, option.palette.brush(group, QPalette::Highlight));

    // The frame goes on before the picture, which then covers its left part.
    if (option.state & QStyle::State_HasFocus) {
        drawFocusFrame(
            *painter, row,
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    }

    if (pictures) {
        // The picture stands on the list's base colour, also in the selected row, and covers the
        // focus frame's left part.
        painter->fillRect(QRect(row.topLeft(), QSize(PictureWidth, row.height())),
                          option.palette.brush(group, QPalette::Base));
        const qint32 code = index.data(EntryListModel::EntryCodeRole).value<qint32>();
        pictures->draw(*painter, entry::genderOf(code), row.topLeft());
    }

    // The birth year stands right-aligned beside the name, so that two participants of one name
    // can be told apart; the name gets what is left of the row.
    const QFontMetrics metrics(option.font);
    const qint32 year = entry::yearOf(index.data(EntryListModel::EntryCodeRole).value<qint32>());
    const QString yearText = year < 0 ? QStringLiteral("–") : QString::number(year);
    const int yearWidth = metrics.horizontalAdvance(QStringLiteral("0000")) + YearGap;
    const QString line = shownLine(metrics, index.data(Qt::DisplayRole).toString(),
                                   std::max(0, fill.width() - yearWidth));
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect = measureText(metrics, row, hasPicture, line);
    painter->setClipRect(fill, Qt::IntersectClip);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
    // A year the chosen event does not admit is struck through: marked without relying on colour.
    if (index.data(EntryListModel::NotAdmittedRole).toBool()) {
        QFont struck = option.font;
        struck.setStrikeOut(true);
        painter->setFont(struck);
    }
    painter->drawText(
        QRect(fill.right() - yearWidth, textRect.top(), yearWidth - YearGap / 2, textRect.height()),
        Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, yearText);

    painter->restore();
}

QSize EntryRowDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                 const QModelIndex& /*index*/) const
{
    // The list has no horizontal scroll bar and stretches every row to its own width, and paint
    // elides the text to whatever width the row gets; so the hint asks for no text width at all,
    // and a row never grows wider than the list because of a long name.
    const bool hasPicture = m_pList && m_pList->m_pImageList;
    return {fillRect(QRect(0, 0, 0, RowHeight), hasPicture).left(), RowHeight};
}
