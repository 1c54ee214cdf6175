#pragma once
// Draws one row of the entry list: the gender picture at the left, the highlight fill beside it
// for the selected row, the focus frame, and the display text on one line, cut to the row.

#include <QStyledItemDelegate>

class CIconListBox;

class EntryRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    /// Every row is this high, whatever its text or font.
    static constexpr int RowHeight = 32;
    /// Space reserved at the left of each row for the picture while the list has an image list.
    static constexpr int PictureWidth = 35;
    /// The text starts this far below the row's top.
    static constexpr int TextTopOffset = 2;
    /// Space between the name and the birth year beside it.
    static constexpr int YearGap = 12;

    explicit EntryRowDelegate(CIconListBox* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// The rectangle that the highlight fills and the text starts in: the row, minus the picture
    /// column when there is a picture.
    static QRect fillRect(const QRect& row, bool hasPicture);
    /// The line a row shows for text: on one line, cut with "…" to fit width pixels. Only the
    /// first few hundred characters are looked at, however long text is.
    static QString shownLine(const QFontMetrics& metrics, const QString& text, int width);
    /// The line (as shownLine gives it) measured the way paint draws it: it starts at the fill
    /// rectangle's left edge, TextTopOffset below the row's top, as wide and high as the font
    /// makes it.
    static QRect measureText(const QFontMetrics& metrics, const QRect& row, bool hasPicture,
                             const QString& line);
    /// The dotted one-pixel frame that marks the row with the keyboard focus.
    static void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& color);

private:
    CIconListBox* m_pList;
};
