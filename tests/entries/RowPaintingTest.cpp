// Row drawing of the entry list, checked on the pixels the real view paints: picture by gender
// bit, highlight fill beside the picture, text colours by state, focus frames, no picture while
// the list has no image list.
#include "CEntryRowDelegate.h"
#include "ListTestSupport.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

using namespace listtest;

namespace {

int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

/// The bounding box of the pixels of one colour within area; empty when there are none.
QRect Extent(const QImage& image, const QRect& area, const QColor& colour)
{
    QRect box;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class RowPainting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadGenderPictures(pictures));
        // The list sits in a window beside a field that holds the focus, so that only the tests
        // about focus see a focus frame.
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(list);
        list->setPalette(TestPalette());
        list->setFont(CrispFont());
        window.resize(280, 260);
        list->m_pImageList = &pictures;
        list->AddItem(QStringLiteral("Meier,Max"), 3981);    // male
        list->AddItem(QStringLiteral("Neumann,Nina"), 3980); // female
        list->AddItem(QStringLiteral("Otto,Olaf"), -1);      // male, year outside the window
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        ASSERT_FALSE(list->hasFocus());
    }

    QRect Row(int row) const { return list->visualRect(list->model()->index(row, 0)); }

    bool ShowsPicture(const QImage& shot, int row, int picture) const
    {
        const QRect rect = Row(row);
        return shot.copy(rect.left(), rect.top(), 35, 32) == pictures.GetImage(picture);
    }

    void Focus()
    {
        list->setFocus();
        ASSERT_TRUE(list->hasFocus());
    }

    CImageList pictures;
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    CIconListBox* list = new CIconListBox(&window);
};

} // namespace

TEST_F(RowPainting, PictureFollowsTheGenderBit)
{
    const QImage shot = Render(*list);
    EXPECT_TRUE(ShowsPicture(shot, 0, 1));
    EXPECT_TRUE(ShowsPicture(shot, 1, 0));
    EXPECT_TRUE(ShowsPicture(shot, 2, 1));
    EXPECT_FALSE(ShowsPicture(shot, 0, 0));

    // The picture follows a changed code.
    list->SetItemData(0, 3980);
    EXPECT_TRUE(ShowsPicture(Render(*list), 0, 0));
}

TEST_F(RowPainting, SelectedRowIsFilledBesideThePicture)
{
    list->SetCurSel(1);
    const QImage shot = Render(*list);
    const QRect row = Row(1);
    ASSERT_EQ(row.height(), 32);

    EXPECT_TRUE(ShowsPicture(shot, 1, 0));
    const QRect fill(row.left() + 35, row.top(), row.width() - 35, 32);
    // The fill spans the full height at its left edge and at the row's right end.
    for (int y = row.top(); y <= row.bottom(); ++y) {
        if (y < row.top() + 2 || y > row.bottom() - 4) { // above and below the text line
            EXPECT_EQ(shot.pixelColor(fill.left(), y), kHighlight) << y;
        }
        EXPECT_EQ(shot.pixelColor(row.right(), y), kHighlight) << y;
    }
    EXPECT_EQ(Extent(shot, shot.rect(), kHighlight), fill);
    // Its text is in the highlight text colour, inside the fill.
    const QRect text = Extent(shot, shot.rect(), kHighlightedText);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(fill.contains(text));
    EXPECT_EQ(CountColour(shot, row, kText), 0);
}

TEST_F(RowPainting, UnselectedRowsKeepTheBaseAndUseTheTextColour)
{
    const QImage shot = Render(*list);
    EXPECT_EQ(CountColour(shot, shot.rect(), kHighlight), 0);
    for (int row = 0; row < 3; ++row) {
        const QRect rect = Row(row);
        EXPECT_EQ(shot.pixelColor(rect.right(), rect.top()), kBase);
        EXPECT_EQ(shot.pixelColor(rect.left() + 35, rect.bottom()), kBase);
        const QRect text = Extent(shot, rect, kText);
        ASSERT_FALSE(text.isEmpty()) << row;
        EXPECT_GE(text.left(), rect.left() + 35);
    }
    EXPECT_EQ(CountColour(shot, shot.rect(), kHighlightedText), 0);
}

TEST_F(RowPainting, TextLineStartsTwoPixelsBelowTheRowTop)
{
    const QFontMetrics metrics(CrispFont());
    const QRect row = Row(1);
    const QRect text = Extent(Render(*list), row, kText);
    ASSERT_FALSE(text.isEmpty());
    const int lineTop = row.top() + 2;
    EXPECT_GE(text.top(), lineTop);
    EXPECT_LT(text.bottom(), lineTop + metrics.height());
    // The capitals start one cap height above the base line, which lies one ascent below the
    // line's top: so the line sits exactly where it was measured.
    const int baseLine = lineTop + metrics.ascent();
    EXPECT_NEAR(text.top(), baseLine - metrics.capHeight(), 1);
    EXPECT_GE(text.bottom(), baseLine - 1);
    EXPECT_LE(text.left(), row.left() + 35 + 3);
}

TEST_F(RowPainting, DisabledListUsesTheDisabledTextColour)
{
    list->setEnabled(false);
    const QImage shot = Render(*list);
    EXPECT_EQ(CountColour(shot, shot.rect(), kText), 0);
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(Extent(shot, Row(row), kDisabledText).isEmpty()) << row;
    EXPECT_TRUE(ShowsPicture(shot, 0, 1));
}

TEST_F(RowPainting, WithoutImageListThereIsNoPictureAndTheFillStartsAtTheLeft)
{
    list->m_pImageList = nullptr;
    list->SetCurSel(0);
    const QImage shot = Render(*list);
    const QRect row = Row(0);
    EXPECT_EQ(CountColour(shot, shot.rect(), QColor(0, 255, 255)), 0);
    EXPECT_EQ(Extent(shot, shot.rect(), kHighlight), row);
    EXPECT_EQ(shot.pixelColor(row.left(), row.top()), kHighlight);
    EXPECT_EQ(shot.pixelColor(row.left(), row.bottom()), kHighlight);
    const QRect text = Extent(shot, Row(1), kText);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LT(text.left(), 35);
}

TEST_F(RowPainting, EmptyImageListKeepsTheGapWithoutPicture)
{
    // A window whose pictures failed to load still hands over its (empty) image list.
    CImageList empty;
    ASSERT_TRUE(empty.Create(35, 32, 2, 0));
    list->m_pImageList = &empty;
    list->SetCurSel(0);
    const QImage shot = Render(*list);
    const QRect row = Row(0);
    EXPECT_EQ(CountColour(shot, shot.rect(), QColor(0, 255, 255)), 0);
    EXPECT_EQ(Extent(shot, shot.rect(), kHighlight),
              QRect(row.left() + 35, row.top(), row.width() - 35, 32));
    EXPECT_EQ(CountColour(shot, QRect(row.left(), row.top(), 35, 32), kBase), 35 * 32);
}

TEST_F(RowPainting, FocusRowGetsAFrameThatThePictureCovers)
{
    list->SetCurSel(1);
    Focus();
    const QImage shot = Render(*list);
    const QRect row = Row(1);
    EXPECT_TRUE(ShowsPicture(shot, 1, 0));
    // Dotted frame: along the top and bottom edge of the fill, and down the right edge.
    const QRect top(row.left() + 35, row.top(), row.width() - 35, 1);
    const QRect bottom(row.left() + 35, row.bottom(), row.width() - 35, 1);
    const QRect right(row.right(), row.top(), 1, 32);
    EXPECT_GE(CountColour(shot, top, kHighlightedText), top.width() / 3);
    EXPECT_GE(CountColour(shot, bottom, kHighlightedText), bottom.width() / 3);
    EXPECT_GE(CountColour(shot, right, kHighlightedText), 32 / 3);
    EXPECT_GE(CountColour(shot, top, kHighlight), top.width() / 3);

    // Other rows have no frame.
    const QRect other = Row(0);
    EXPECT_EQ(
        CountColour(shot, QRect(other.left() + 35, other.top(), other.width() - 35, 1), kText), 0);
    EXPECT_EQ(CountColour(shot, QRect(other.right(), other.top(), 1, 32), kText), 0);
}

TEST_F(RowPainting, UnselectedFocusRowFrameUsesTheTextColour)
{
    Focus();
    list->setCurrentIndex(list->model()->index(2, 0));
    list->SetCurSel(-1);
    ASSERT_EQ(list->GetCurSel(), -1);
    const QImage shot = Render(*list);
    const QRect row = Row(2);
    EXPECT_EQ(CountColour(shot, shot.rect(), kHighlight), 0);
    EXPECT_GE(CountColour(shot, QRect(row.right(), row.top(), 1, 32), kText), 32 / 3);
    EXPECT_TRUE(ShowsPicture(shot, 2, 1));
}

TEST_F(RowPainting, EmptyListShowsTheFocusOverTheFirstRow)
{
    list->ResetContent();
    EXPECT_EQ(CountColour(Render(*list), list->viewport()->rect(), kText), 0);

    Focus();
    const QImage shot = Render(*list);
    const int width = list->viewport()->width();
    EXPECT_GE(CountColour(shot, QRect(0, 0, width, 1), kText), width / 3);
    EXPECT_GE(CountColour(shot, QRect(0, 31, width, 1), kText), width / 3);
    EXPECT_GE(CountColour(shot, QRect(0, 0, 1, 32), kText), 32 / 3);
    EXPECT_GE(CountColour(shot, QRect(width - 1, 0, 1, 32), kText), 32 / 3);
    EXPECT_EQ(CountColour(shot, QRect(1, 1, width - 2, 30), kText), 0);
    EXPECT_EQ(CountColour(shot, QRect(0, 32, width, shot.height() - 32), kText), 0);
}

TEST_F(RowPainting, DelegateLeavesThePainterAsItFoundIt)
{
    QImage canvas(200, 40, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    const QPen pen(Qt::red, 3);
    painter.setPen(pen);
    painter.setBrush(Qt::blue);
    painter.setFont(CrispFont(30));

    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = QRect(0, 4, 200, 32);
    option.font = CrispFont();
    option.state |= QStyle::State_Selected | QStyle::State_HasFocus;
    list->itemDelegate()->paint(&painter, option, list->model()->index(0, 0));

    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), QBrush(Qt::blue));
    EXPECT_EQ(painter.font().pixelSize(), 30);
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    // Nothing outside the row was touched.
    EXPECT_EQ(CountColour(canvas, QRect(0, 0, 200, 4), QColor(Qt::black)), 200 * 4);
    EXPECT_EQ(CountColour(canvas, QRect(0, 36, 200, 4), QColor(Qt::black)), 200 * 4);
    EXPECT_EQ(canvas.copy(0, 4, 35, 32), pictures.GetImage(1));
}

TEST_F(RowPainting, SizeHintMeasuresLikePaint)
{
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = CrispFont();
    const QModelIndex index = list->model()->index(1, 0);
    const QFontMetrics metrics(option.font);
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("Neumann,Nina"));
    EXPECT_EQ(list->itemDelegate()->sizeHint(option, index), QSize(35 + textWidth, 32));
    list->m_pImageList = nullptr;
    EXPECT_EQ(list->itemDelegate()->sizeHint(option, index), QSize(textWidth, 32));
    EXPECT_EQ(CEntryRowDelegate::MeasureText(metrics, QRect(0, 64, 200, 32), true,
                                             QStringLiteral("Neumann,Nina")),
              QRect(35, 66, textWidth, metrics.height()));
}
