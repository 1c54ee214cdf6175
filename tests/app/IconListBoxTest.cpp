// The drawn list: what the user's mouse and keys do to the selection, and the pixels of a row.
#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "app/EntryRowDelegate.h"
#include "entries/EntryListModel.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kBase(250, 250, 200), kHighlight(128, 0, 128);

class IconListBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QPalette palette;
        palette.setColor(QPalette::Base, kBase);
        palette.setColor(QPalette::Highlight, kHighlight);
        list.setPalette(palette);
        ASSERT_TRUE(pictures.Create(35, 32, 2, 0));
        ASSERT_EQ(
            pictures.Add(QImage(QStringLiteral(ZANDREL_DATA_BUILD_DIR "/pictures/gender.png"))), 0);
        list.m_pImageList = &pictures;
        list.setModel(&rows);
        rows.AddSorted(QStringLiteral("Meier,Max"), 3981); // male
        rows.AddSorted(QStringLiteral("Neumann,Nina"), 3980);
        rows.AddSorted(QStringLiteral("Otto,Olaf"), 3981);
        list.resize(240, 200);
        list.show();
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    }

    QRect Row(int row) const { return list.visualRect(list.model()->index(row, 0)); }
    void ClickAt(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, at);
    }

    CImageList pictures;
    EntryListModel rows;
    CIconListBox list;
};

TEST_F(IconListBox, OnlyTheUserRaisesSelChangeAndNobodyCanUnselect)
{
    QSignalSpy spy(&list, &CIconListBox::selChange);
    list.SetCurSel(2);
    list.SetCurSel(0);
    EXPECT_EQ(spy.count(), 0);
    ClickAt(Row(1).center());
    EXPECT_EQ(list.GetCurSel(), 1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 2);
    ClickAt(Row(2).center(), Qt::ControlModifier);
    ClickAt(QPoint(10, list.viewport()->height() - 2));
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 2);
    // A deleted selected row leaves no selection behind, and says nothing.
    ASSERT_TRUE(rows.Remove(2));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(IconListBox, RowShowsItsGenderPictureTheFillBesideAndTextCutToTheRow)
{
    const QString text(1 << 20, u'W'); // sorts last, beside the line it must show
    rows.AddSorted(text, 3981);
    rows.AddSorted(
        EntryRowDelegate::ShownLine(list.fontMetrics(), text, list.viewport()->width() - 35), 3981);
    list.SetCurSel(0);
    const QImage shot = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < 3; ++row) {
        const QRect rect = Row(row);
        ASSERT_EQ(rect.height(), 32);
        const int gender = entry::GenderOf(list.GetItemData(row));
        EXPECT_EQ(shot.copy(rect.left(), rect.top(), 35, 32), pictures.GetImage(gender)) << row;
        EXPECT_EQ(shot.pixelColor(rect.left() + 35, rect.top()), row == 0 ? kHighlight : kBase);
    }
    EXPECT_EQ(shot.copy(Row(3)), shot.copy(Row(4))) << "cut with an ellipsis";
    EXPECT_LE(list.sizeHintForIndex(list.model()->index(4, 0)).width(), list.viewport()->width());
    // A row never looks further than its first 300 characters, however wide it is.
    EXPECT_EQ(EntryRowDelegate::ShownLine(list.fontMetrics(), QString(400, u'.'), 1 << 20),
              QString(300, u'.') + u'…');
}

TEST_F(IconListBox, ScreenReaderHearsNameGenderAndYearOfEachRow)
{
    rows.AddSorted(QStringLiteral("Alt,Erna"), entry::MakeCode(-1, entry::Female)); // from a file
    rows.AddSorted(QStringLiteral("Zora"), entry::MakeCode(2012, entry::Female));
    const char* const spoken[] = {"Alt, Erna, weiblich, Jahrgang ungültig",
                                  "Meier, Max, männlich, 1990", "Neumann, Nina, weiblich, 1990",
                                  "Otto, Olaf, männlich, 1990", "Zora, weiblich, 2012"};
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&list);
    ASSERT_TRUE(view && view->tableInterface());
    for (int row = 0; row < int(std::size(spoken)); ++row) {
        const QAccessibleInterface* cell = view->tableInterface()->cellAt(row, 0);
        ASSERT_NE(cell, nullptr) << row;
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), spoken[row]);
    }
    EXPECT_EQ(list.GetText(1), QStringLiteral("Meier,Max")) << "the shown text stays";
}

} // namespace
