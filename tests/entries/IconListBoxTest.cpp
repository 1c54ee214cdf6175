// The list operations of CIconListBox: the sorted add, the unsorted insert, deletion, item data,
// and which selection changes are reported as the user's.
#include "CEntryListModel.h"
#include "ListTestSupport.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace listtest;

namespace {

QStringList Texts(const CIconListBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts << list.GetText(i);
    return texts;
}

int AddAll(CIconListBox& list, const QStringList& texts)
{
    int code = 0;
    for (const QString& text : texts)
        list.AddItem(text, code++);
    return code;
}

} // namespace

TEST(IconListBoxAdd, SortsGermanAndCaseInsensitive)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("Zander"), QStringLiteral("Öhler"), QStringLiteral("Otto"),
                  QStringLiteral("Ärger"), QStringLiteral("Arger"), QStringLiteral("Ober"),
                  QStringLiteral("argus"), QStringLiteral("bach"), QStringLiteral("Bäcker"),
                  QStringLiteral("Straße"), QStringLiteral("Strasser")});
    // Umlauts sort beside their base letter (not after "Z"), and case does not split the order.
    EXPECT_EQ(
        Texts(list),
        QStringList({QStringLiteral("Arger"), QStringLiteral("Ärger"), QStringLiteral("argus"),
                     QStringLiteral("bach"), QStringLiteral("Bäcker"), QStringLiteral("Ober"),
                     QStringLiteral("Öhler"), QStringLiteral("Otto"), QStringLiteral("Straße"),
                     QStringLiteral("Strasser"), QStringLiteral("Zander")}));
}

TEST(IconListBoxAdd, FirstNamesDecideBeforeAccentsAndCase)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("Arger,Paul"), QStringLiteral("ärger,Lea"),
                  QStringLiteral("Ärger,Paul"), QStringLiteral("arger,lea")});
    // "a" and "ä" are the same letter until everything else is equal; then the plain one leads.
    EXPECT_EQ(Texts(list),
              QStringList({QStringLiteral("arger,lea"), QStringLiteral("ärger,Lea"),
                           QStringLiteral("Arger,Paul"), QStringLiteral("Ärger,Paul")}));
}

TEST(IconListBoxAdd, ReturnsTheIndexAndSetsTheData)
{
    CIconListBox list;
    EXPECT_EQ(list.AddItem(QStringLiteral("Meier,Anna"), 3980), 0);
    EXPECT_EQ(list.AddItem(QStringLiteral("Adam,Bert"), 3981), 0);
    EXPECT_EQ(list.AddItem(QStringLiteral("Schulz,Carl"), -1), 2);
    EXPECT_EQ(list.AddItem(QStringLiteral("Lang,Dora"), -2), 1);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetItemData(0), 3981);
    EXPECT_EQ(list.GetItemData(1), -2);
    EXPECT_EQ(list.GetItemData(2), 3980);
    EXPECT_EQ(list.GetItemData(3), -1);
    EXPECT_EQ(list.GetText(2), QStringLiteral("Meier,Anna"));
}

TEST(IconListBoxAdd, EqualTextsStayInTheOrderTheyCame)
{
    CIconListBox list;
    list.AddItem(QStringLiteral("Meier,Anna"), 1);
    EXPECT_EQ(list.AddItem(QStringLiteral("meier,anna"), 2), 1);
    EXPECT_EQ(list.AddItem(QStringLiteral("Meier,Anna"), 3), 2);
    EXPECT_EQ(list.AddItem(QStringLiteral("MEIER,ANNA"), 4), 3);
    EXPECT_EQ(list.GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetItemData(i), i + 1);
}

TEST(IconListBoxAdd, SurnameComesBeforeLongerSurnames)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("Meierhof,Anna"), QStringLiteral("Meier,Zoe"),
                  QStringLiteral("Meier,Anna")});
    EXPECT_EQ(Texts(list), QStringList({QStringLiteral("Meier,Anna"), QStringLiteral("Meier,Zoe"),
                                        QStringLiteral("Meierhof,Anna")}));
}

TEST(IconListBoxAdd, ManyAddsKeepTheListInCollatorOrder)
{
    static const char* const kParts[] = {"mü",  "Ma", "ß", "ö", "Ö", "sch",
                                         "ber", "A",  "ä", "z", ",", " "};
    QRandomGenerator random(20260101);
    CIconListBox list;
    for (int i = 0; i < 600; ++i) {
        QString text;
        const int parts = random.bounded(1, 6);
        for (int p = 0; p < parts; ++p)
            text += QString::fromUtf8(kParts[random.bounded(static_cast<int>(std::size(kParts)))]);
        const int index = list.AddItem(text, i);
        ASSERT_GE(index, 0);
        ASSERT_EQ(list.GetText(index), text);
        ASSERT_EQ(list.GetItemData(index), i);
    }
    ASSERT_EQ(list.GetCount(), 600);
    for (int i = 1; i < list.GetCount(); ++i)
        ASSERT_LE(list.Collator().compare(list.GetText(i - 1), list.GetText(i)), 0) << i;
}

TEST(IconListBoxAdd, BulkAddGivesTheOrderOfSingleAdds)
{
    static const char* const kNames[] = {"Meier",  "meier", "Ärger", "Arger",  "Öhler", "Ober",
                                         "Zander", "MEIER", "argus", "Bäcker", "bach",  "Straße"};
    QRandomGenerator random(7);
    QList<EntryRow> rows;
    for (int i = 0; i < 400; ++i) {
        const QString surname =
            QString::fromUtf8(kNames[random.bounded(static_cast<int>(std::size(kNames)))]);
        rows.append({surname + QStringLiteral(",") + QString::number(random.bounded(3)), i});
    }

    CIconListBox oneByOne;
    for (const EntryRow& row : std::as_const(rows))
        oneByOne.AddItem(row.text, row.code);

    for (int alreadyThere : {0, 150}) {
        SCOPED_TRACE(alreadyThere);
        CIconListBox bulk;
        QSignalSpy spy(&bulk, &CIconListBox::selChange);
        for (int i = 0; i < alreadyThere; ++i)
            bulk.AddItem(rows.at(i).text, rows.at(i).code);
        EXPECT_EQ(bulk.AddItems(rows.mid(alreadyThere)), 400);
        ASSERT_EQ(bulk.GetCount(), oneByOne.GetCount());
        for (int i = 0; i < bulk.GetCount(); ++i) {
            ASSERT_EQ(bulk.GetText(i), oneByOne.GetText(i)) << i;
            ASSERT_EQ(bulk.GetItemData(i), oneByOne.GetItemData(i)) << i;
        }
        EXPECT_EQ(spy.count(), 0);
    }
    CIconListBox empty;
    EXPECT_EQ(empty.AddItems({}), 0);
}

TEST(IconListBoxInsert, GoesExactlyToTheIndexWithDataMinusOne)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("Bach,A"), QStringLiteral("Dorn,B")});
    EXPECT_EQ(list.InsertItem(0, QStringLiteral("Zander,Eva")), 0);
    EXPECT_EQ(list.InsertItem(-1, QStringLiteral("Adam,Udo")), 3);
    EXPECT_EQ(list.InsertItem(2, QStringLiteral("Kern,Ida")), 2);
    // Nothing is sorted again.
    EXPECT_EQ(Texts(list), QStringList({QStringLiteral("Zander,Eva"), QStringLiteral("Bach,A"),
                                        QStringLiteral("Kern,Ida"), QStringLiteral("Dorn,B"),
                                        QStringLiteral("Adam,Udo")}));
    EXPECT_EQ(list.GetItemData(0), -1);
    EXPECT_EQ(list.GetItemData(2), -1);
    EXPECT_EQ(list.GetItemData(4), -1);
    EXPECT_EQ(list.GetItemData(1), 0);
}

TEST(IconListBoxInsert, RejectsIndicesOutsideTheList)
{
    CIconListBox list;
    list.AddItem(QStringLiteral("Bach,A"), 4);
    EXPECT_EQ(list.InsertItem(2, QStringLiteral("X")), -1);
    EXPECT_EQ(list.InsertItem(-2, QStringLiteral("X")), -1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.InsertItem(1, QStringLiteral("X")), 1);
    EXPECT_EQ(list.InsertItem(-1, QString()), 2);
    EXPECT_EQ(list.GetText(2), QString());
}

TEST(IconListBoxInsert, SortedAddStillWorksOnAnUnsortedList)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("Bach,A"), QStringLiteral("Dorn,B"), QStringLiteral("Fuchs,C")});
    list.DeleteString(1);
    list.InsertItem(1, QStringLiteral("Adam,D"));
    list.SetItemData(1, 3980);
    const int index = list.AddItem(QStringLiteral("Eck,E"), 3981);
    ASSERT_GE(index, 0);
    EXPECT_EQ(list.GetText(index), QStringLiteral("Eck,E"));
    EXPECT_EQ(list.GetItemData(index), 3981);
    EXPECT_EQ(list.GetCount(), 4);
}

TEST(IconListBoxDelete, ReturnsTheRemainingCount)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(list.DeleteString(3), -1);
    EXPECT_EQ(list.DeleteString(-1), -1);
    EXPECT_EQ(list.DeleteString(1), 2);
    EXPECT_EQ(Texts(list), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(list.GetItemData(1), 2);
    EXPECT_EQ(list.DeleteString(0), 1);
    EXPECT_EQ(list.DeleteString(0), 0);
    EXPECT_EQ(list.DeleteString(0), -1);
}

TEST(IconListBoxDelete, DeletingTheSelectedRowLeavesNoSelection)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    QSignalSpy spy(&list, &CIconListBox::selChange);
    for (int row : {1, 2, 0}) {
        SCOPED_TRACE(row);
        CIconListBox entries;
        AddAll(entries, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        QSignalSpy entriesSpy(&entries, &CIconListBox::selChange);
        ASSERT_EQ(entries.SetCurSel(row), row);
        entries.DeleteString(row);
        EXPECT_EQ(entries.GetCurSel(), -1);
        EXPECT_EQ(entriesSpy.count(), 0);
    }
    list.SetCurSel(0);
    list.DeleteString(0);
    list.DeleteString(0);
    list.DeleteString(0);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(spy.count(), 0);
}

TEST(IconListBoxDelete, RowsAroundTheSelectionKeepIt)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("F")});
    list.SetCurSel(1);
    list.AddItem(QStringLiteral("A"), 9);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetText(list.GetCurSel()), QStringLiteral("D"));
    list.DeleteString(0);
    list.DeleteString(2);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetText(list.GetCurSel()), QStringLiteral("D"));
}

TEST(IconListBoxDelete, ResetContentEmptiesTheList)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("A"), QStringLiteral("B")});
    list.SetCurSel(1);
    QSignalSpy spy(&list, &CIconListBox::selChange);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(list.AddItem(QStringLiteral("C"), 1), 0);
}

TEST(IconListBoxData, BadIndicesAreRefused)
{
    CIconListBox list;
    list.AddItem(QStringLiteral("A"), 7);
    EXPECT_EQ(list.SetItemData(0, 3981), 0);
    EXPECT_EQ(list.GetItemData(0), 3981);
    EXPECT_EQ(list.SetItemData(1, 5), -1);
    EXPECT_EQ(list.SetItemData(-1, 5), -1);
    EXPECT_EQ(list.GetItemData(1), -1);
    EXPECT_EQ(list.GetItemData(-1), -1);
    EXPECT_EQ(list.GetText(1), QString());
    EXPECT_EQ(list.GetItemData(0), 3981);
}

TEST(IconListBoxSelection, SetCurSelSelectsQuietly)
{
    CIconListBox list;
    AddAll(list, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    QSignalSpy spy(&list, &CIconListBox::selChange);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(0), 0);
    EXPECT_EQ(list.GetCurSel(), 0);
    // Out of range: refused, the selection stays.
    EXPECT_EQ(list.SetCurSel(3), -1);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.SetCurSel(-1), -1);
    EXPECT_EQ(list.GetCurSel(), -1);
    list.AddItem(QStringLiteral("0"), 1);
    list.InsertItem(0, QStringLiteral("Z"));
    EXPECT_EQ(spy.count(), 0);
}

class IconListBoxUser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddAll(list, {QStringLiteral("Adam,A"), QStringLiteral("Bach,B"), QStringLiteral("Dorn,C"),
                      QStringLiteral("Eck,D")});
        list.resize(240, 200);
        list.show();
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        list.setFocus();
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        ASSERT_TRUE(rect.isValid());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    CIconListBox list;
};

TEST_F(IconListBoxUser, MouseClickRaisesSelChange)
{
    QSignalSpy spy(&list, &CIconListBox::selChange);
    ClickRow(2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 1);
    ClickRow(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(spy.count(), 2);
    // A click on the row that is already selected changes nothing.
    ClickRow(1);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(IconListBoxUser, ArrowKeysRaiseSelChange)
{
    QSignalSpy spy(&list, &CIconListBox::selChange);
    list.SetCurSel(1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 1);
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(spy.count(), 3);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(spy.count(), 4);
}

TEST_F(IconListBoxUser, TheUserCannotUnselectTheChosenRow)
{
    ClickRow(2);
    QSignalSpy spy(&list, &CIconListBox::selChange);
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(list.GetCurSel(), 2);
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.GetCurSel(), 2);
    // Nor by clicking below the last row.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(10, list.viewport()->height() - 2));
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(IconListBoxUser, ProgrammaticChangesStayQuietWhileShown)
{
    QSignalSpy spy(&list, &CIconListBox::selChange);
    list.SetCurSel(3);
    list.DeleteString(3);
    list.SetCurSel(0);
    list.DeleteString(1);
    list.InsertItem(0, QStringLiteral("X"));
    list.AddItem(QStringLiteral("Aaa"), 2);
    list.ResetContent();
    EXPECT_EQ(spy.count(), 0);
}

TEST(IconListBoxRows, AreThirtyTwoPixelsHighWhateverTheFont)
{
    for (int pixelSize : {8, 16, 60}) {
        SCOPED_TRACE(pixelSize);
        CIconListBox list;
        list.setFont(CrispFont(pixelSize));
        list.resize(300, 400);
        AddAll(list, {QStringLiteral("A"), QStringLiteral("Bärbel,Mathilde-Eleonore von und zu"),
                      QStringLiteral("C\nmit Umbruch")});
        list.show();
        for (int row = 0; row < list.GetCount(); ++row) {
            const QRect rect = list.visualRect(list.model()->index(row, 0));
            EXPECT_EQ(rect.height(), 32);
            EXPECT_EQ(rect.top(), row * 32);
        }
    }
}

TEST(IconListBoxAccessibility, RowsExposeTheirTextAndTheListItsName)
{
    CIconListBox list;
    list.setAccessibleName(QStringLiteral("Meldeliste"));
    AddAll(list, {QStringLiteral("Meier,Anna"), QStringLiteral("Öhler,Jan")});
    list.show();

    const QModelIndex first = list.model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Meier,Anna"));
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), QStringLiteral("Meier,Anna"));
    EXPECT_EQ(first.data(CEntryListModel::EntryCodeRole).toInt(), 0);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Meldeliste"));
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 2);
    QAccessibleInterface* cell = table->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Öhler,Jan"));
}
