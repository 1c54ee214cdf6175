// The drawn list: what the user's mouse and keys do to the selection, and the pixels of a row.
#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "app/EntryRowDelegate.h"
#include "entries/EntryListModel.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QPainter>
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
        m_list.setPalette(palette);
        ASSERT_TRUE(m_pictures.Create(35, 32, 2, 0));
        ASSERT_EQ(
            m_pictures.Add(QImage(QStringLiteral(ZANDREL_DATA_BUILD_DIR "/pictures/gender.png"))),
            0);
        m_list.m_pImageList = &m_pictures;
        m_list.setModel(&m_rows);
        m_rows.addSorted(QStringLiteral("Meier,Max"), 3981); // male
        m_rows.addSorted(QStringLiteral("Neumann,Nina"), 3980);
        m_rows.addSorted(QStringLiteral("Otto,Olaf"), 3981);
        m_list.resize(240, 200);
        m_list.show();
        m_list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_list));
    }

    QRect rowRect(int row) const { return m_list.visualRect(m_list.model()->index(row, 0)); }
    void clickAt(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(m_list.viewport(), Qt::LeftButton, modifiers, at);
    }

    CImageList m_pictures;
    EntryListModel m_rows;
    CIconListBox m_list;
};

TEST_F(IconListBox, OnlyTheUserRaisesSelChangeAndNobodyCanUnselect)
{
    QSignalSpy spy(&m_list, &CIconListBox::selChange);
    m_list.SetCurSel(2);
    m_list.SetCurSel(0);
    EXPECT_EQ(spy.count(), 0);
    clickAt(rowRect(1).center());
    EXPECT_EQ(m_list.GetCurSel(), 1);
    QTest::keyClick(&m_list, Qt::Key_Down);
    EXPECT_EQ(m_list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 2);
    clickAt(rowRect(2).center(), Qt::ControlModifier);
    clickAt(QPoint(10, m_list.viewport()->height() - 2));
    EXPECT_EQ(m_list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 2);
    // A deleted selected row leaves no selection behind, and says nothing.
    ASSERT_TRUE(m_rows.remove(2));
    EXPECT_EQ(m_list.GetCurSel(), -1);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(IconListBox, RowShowsItsGenderPictureTheFillBesideAndTextCutToTheRow)
{
    const QString text(1 << 20, u'W'); // sorts last, beside the line it must show
    m_rows.addSorted(text, 3981);
    m_rows.addSorted(
        EntryRowDelegate::shownLine(m_list.fontMetrics(), text, m_list.viewport()->width() - 35),
        3981);
    m_list.SetCurSel(0);
    const QImage shot = m_list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < 3; ++row) {
        const QRect rect = rowRect(row);
        ASSERT_EQ(rect.height(), 32);
        const int gender = entry::genderOf(m_list.GetItemData(row));
        // The picture on the base colour, its cyan background gone.
        QImage onBase(35, 32, QImage::Format_RGB32);
        onBase.fill(kBase);
        QPainter(&onBase).drawImage(0, 0, m_pictures.getImage(gender));
        EXPECT_EQ(shot.copy(rect.left(), rect.top(), 35, 32), onBase) << row;
        EXPECT_NE(shot.pixelColor(rect.left() + 1, rect.top() + 1), QColor(Qt::cyan)) << row;
        EXPECT_EQ(shot.pixelColor(rect.left() + 35, rect.top()), row == 0 ? kHighlight : kBase);
    }
    EXPECT_EQ(shot.copy(rowRect(3)), shot.copy(rowRect(4))) << "cut with an ellipsis";
    EXPECT_LE(m_list.sizeHintForIndex(m_list.model()->index(4, 0)).width(),
              m_list.viewport()->width());
    // A row never looks further than its first 300 characters, however wide it is.
    EXPECT_EQ(EntryRowDelegate::shownLine(m_list.fontMetrics(), QString(400, u'.'), 1 << 20),
              QString(300, u'.') + u'…');
}

TEST_F(IconListBox, ScreenReaderHearsNameGenderAndYearOfEachRow)
{
    m_rows.addSorted(QStringLiteral("Alt,Erna"), entry::makeCode(-1, entry::Female)); // from a file
    m_rows.addSorted(QStringLiteral("Zora"), entry::makeCode(2012, entry::Female));
    const char* const spoken[] = {"Alt, Erna, weiblich, Jahrgang ungültig",
                                  "Meier, Max, männlich, 1990", "Neumann, Nina, weiblich, 1990",
                                  "Otto, Olaf, männlich, 1990", "Zora, weiblich, 2012"};
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&m_list);
    ASSERT_TRUE(view && view->tableInterface());
    for (int row = 0; row < int(std::size(spoken)); ++row) {
        const QAccessibleInterface* cell = view->tableInterface()->cellAt(row, 0);
        ASSERT_NE(cell, nullptr) << row;
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), spoken[row]);
    }
    EXPECT_EQ(m_list.GetText(1), QStringLiteral("Meier,Max")) << "the shown text stays";
}

} // namespace
