// The main window driven as a user drives it: typing, clicks, focus moves, Escape.

#include "CInfoDlg.h"
#include "Clubs.h"
#include "Cp1252.h"
#include "DialogFixture.h"
#include "HelpViewer.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

using Id = CEntryDlg::ControlId;

TEST_F(DialogTest, OpensWithListsFilledFieldsEmptyAndOnlySaveDisabled)
{
    Open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Zandrel (Version 2.0)"));
    ASSERT_EQ(dlg->m_cbClub->count(), 26);
    ASSERT_EQ(dlg->m_cbEvent->count(), 4);
    EXPECT_EQ(dlg->m_cbClub->currentIndex(), -1);
    EXPECT_EQ(dlg->m_cbEvent->currentIndex(), -1);
    EXPECT_EQ(dlg->m_cbEvent->itemText(3), QStringLiteral("Minitrampolin-Meisterschaften"));
    EXPECT_GE(dlg->m_cbClub->findText(QStringLiteral("TV Musterstadt")), 0);

    EXPECT_TRUE(Edit(Id::IDC_FIRSTNAME)->text().isEmpty());
    EXPECT_TRUE(Edit(Id::IDC_NAME)->text().isEmpty());
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
    EXPECT_TRUE(Item<QRadioButton>(Id::IDC_FEMALE)->isChecked());
    EXPECT_FALSE(Item<QRadioButton>(Id::IDC_MALE)->isChecked());
    EXPECT_FALSE(Item<QCheckBox>(Id::IDC_AUTOSAVE)->isChecked());

    for (int id :
         {Id::IDC_ADD, Id::IDC_NEW, Id::IDC_REMOVE, Id::IDC_LOAD, Id::IDOK_Exit, Id::IDHELP})
        EXPECT_TRUE(Button(id)->isEnabled() && Button(id)->isVisible()) << id;
    EXPECT_FALSE(Button(Id::IDC_SAVE)->isEnabled());
    EXPECT_FALSE(Button(Id::IDC_SEND)->isVisible());
    EXPECT_FALSE(Button(Id::IDC_SEND)->isEnabled());
    EXPECT_FALSE(Button(Id::IDC_DUMMY)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Id::IDC_FIRSTNAME));
    EXPECT_EQ(dlg->m_bModified, 0);
}

TEST_F(DialogTest, ClubListHoldsDistinctSortableNamesThatFitTheEntryFile)
{
    const QStringList clubs = lists::Clubs();
    ASSERT_EQ(clubs.size(), 26);
    EXPECT_EQ(QSet<QString>(clubs.begin(), clubs.end()).size(), 26);
    qsizetype longest = 0;
    for (const QString& club : clubs) {
        EXPECT_TRUE(cp1252::CanEncode(club)) << club.toStdString();
        EXPECT_FALSE(club.contains(QLatin1Char(','))) << club.toStdString();
        longest = std::max(longest, club.size());
    }
    EXPECT_EQ(longest, 27);
    Open();
    // The list shows them sorted, whatever order they were added in.
    for (int i = 1; i < dlg->m_cbClub->count(); ++i) {
        EXPECT_LT(QString::localeAwareCompare(dlg->m_cbClub->itemText(i - 1).toLower(),
                                              dlg->m_cbClub->itemText(i).toLower()),
                  0);
    }
}

TEST_F(DialogTest, EveryControlHasAnAccessibleName)
{
    Open();
    for (int id : {1, 9, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1013, 1014, 1016, 1017,
                   1018, 1022}) {
        QWidget* w = dlg->GetDlgItem(id);
        ASSERT_NE(w, nullptr) << id;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << id;
    }
    EXPECT_EQ(Edit(Id::IDC_YEAR)->accessibleName(), QStringLiteral("Jahrgang"));
}

TEST_F(DialogTest, AddingMeierAnnaGivesItsRowCodeAndClearsTheFields)
{
    Open();
    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1990);
    ASSERT_EQ(Rows(), QStringList{QStringLiteral("Meier,Anna")});
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(0), 3980);
    EXPECT_TRUE(Edit(Id::IDC_FIRSTNAME)->text().isEmpty());
    EXPECT_TRUE(Edit(Id::IDC_NAME)->text().isEmpty());
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
    EXPECT_TRUE(Item<QRadioButton>(Id::IDC_FEMALE)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Id::IDC_FIRSTNAME));
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), -1);
    EXPECT_EQ(dlg->m_bModified, 1); // set by the typing, not by the add
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();

    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anton"), 1990, true);
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Meier,Anna"), QStringLiteral("Meier,Anton")}));
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 3981);
    EXPECT_TRUE(Item<QRadioButton>(Id::IDC_FEMALE)->isChecked());
}

TEST_F(DialogTest, AddRefusesIncompleteDataAndChangesNothing)
{
    Open();
    AddParticipant(QStringLiteral("Meier"), QString(), 1990);
    AddParticipant(QString(), QStringLiteral("Anna"), 1990);
    EXPECT_EQ(messages.texts,
              QStringList(2, QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!")));
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 0);
    // The fields keep what was typed.
    EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("1990"));

    // Names of blanks pass; only the empty string counts as empty.
    messages.texts.clear();
    Retype(Id::IDC_NAME, QStringLiteral(" "));
    Click(Id::IDC_ADD);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(Rows(), QStringList{QStringLiteral(" ,Anna")});
}

TEST_F(DialogTest, BirthYearWindowIsOpenAtBothEnds)
{
    Open();
    struct Case
    {
        int year;
        bool valid;
    };
    const Case cases[] = {{thisYear, false},     {thisYear - 100, false}, {thisYear - 1, true},
                          {thisYear - 99, true}, {thisYear + 1, false},   {0, false}};
    for (const Case& c : cases) {
        messages.texts.clear();
        const int before = dlg->m_lbEntries->GetCount();
        AddParticipant(QStringLiteral("Jahr"), QString::number(c.year), c.year);
        if (c.valid) {
            EXPECT_EQ(dlg->m_lbEntries->GetCount(), before + 1) << c.year;
            EXPECT_TRUE(messages.texts.isEmpty()) << c.year;
        } else {
            EXPECT_EQ(dlg->m_lbEntries->GetCount(), before) << c.year;
            // Leaving the year field (the click on "weiblich") reports the date first, then the
            // add refuses the reset field.
            EXPECT_EQ(messages.texts,
                      (QStringList{QStringLiteral("FEHLER: Datum falsch!"),
                                   QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!")}))
                << c.year;
            EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
        }
    }
}

TEST_F(DialogTest, LeavingTheYearFieldChecksTheYear)
{
    Open();
    // Tab from the year field after "Neu" without a year: 0 is outside the window.
    Click(Id::IDC_NEW);
    QTest::mouseClick(Edit(Id::IDC_YEAR), Qt::LeftButton);
    QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("FEHLER: Datum falsch!")});

    messages.texts.clear();
    Retype(Id::IDC_YEAR, QString::number(thisYear - 100));
    QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("FEHLER: Datum falsch!")});
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_nYear, 0);

    messages.texts.clear();
    Retype(Id::IDC_YEAR, QString::number(thisYear - 1));
    QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(dlg->m_nYear, thisYear - 1);
}

TEST_F(DialogTest, YearFieldTakesOnlyWholeNumbers)
{
    Open();
    // Blanks around the number and leading zeros are fine.
    for (const auto& [text, year] :
         {std::pair{QStringLiteral("  1990\t "), 1990}, std::pair{QStringLiteral("007"), 7},
          std::pair{QStringLiteral("0"), 0}, std::pair{QStringLiteral("-12"), -12}}) {
        dlg->m_nYear = 4242;
        Edit(Id::IDC_YEAR)->setText(text);
        EXPECT_TRUE(dlg->UpdateData(true)) << text.toStdString();
        EXPECT_EQ(dlg->m_nYear, year) << text.toStdString();
    }
    EXPECT_TRUE(messages.texts.isEmpty());

    // Everything else fails with the message, the focus back in the field, the value kept.
    for (const QString& text : {QStringLiteral("-0"), QStringLiteral("+0"), QStringLiteral("1990x"),
                                QString(), QStringLiteral("   "), QStringLiteral("abc"),
                                QStringLiteral("99999999999"), QStringLiteral("+")}) {
        messages.texts.clear();
        dlg->m_nYear = 1990;
        dlg->m_bAutoSave = 0;
        Item<QCheckBox>(Id::IDC_AUTOSAVE)->setChecked(true);
        Edit(Id::IDC_YEAR)->setText(text);
        EXPECT_FALSE(dlg->UpdateData(true)) << text.toStdString();
        EXPECT_EQ(dlg->m_nYear, 1990);
        EXPECT_EQ(dlg->m_bAutoSave, 0) << "the exchange stops at the year field";
        EXPECT_EQ(messages.texts,
                  QStringList{QStringLiteral("Geben Sie bitte eine ganze Zahl ein.")});
        EXPECT_EQ(QApplication::focusWidget(), Edit(Id::IDC_YEAR));
        EXPECT_EQ(Edit(Id::IDC_YEAR)->selectedText(), text);
    }
}

TEST_F(DialogTest, EnterDoesNothingInAFieldButPressesAFocusedButton)
{
    Open();
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("Anna"));
    Retype(Id::IDC_NAME, QStringLiteral("Meier"));
    QTest::keyClick(Edit(Id::IDC_NAME), Qt::Key_Return);
    QTest::keyClick(Edit(Id::IDC_NAME), Qt::Key_Enter);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 0);
    EXPECT_TRUE(messages.texts.isEmpty());

    Retype(Id::IDC_YEAR, QStringLiteral("1990"));
    Button(Id::IDC_ADD)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Button(Id::IDC_ADD), Qt::Key_Return);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Meier,Anna")});
}

TEST_F(DialogTest, TabVisitsTheControlsInWindowOrderAndSkipsTheDropDownLists)
{
    Open();
    const QList<int> expected = {Id::IDC_NAME, Id::IDC_YEAR};
    QWidget* w = Edit(Id::IDC_FIRSTNAME);
    w->setFocus(Qt::TabFocusReason);
    // Leave a valid year so that leaving the field raises no message box.
    Edit(Id::IDC_YEAR)->setText(QStringLiteral("1990"));
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(visited.mid(0, 2),
              (QStringList{QStringLiteral("ctl1006"), QStringLiteral("ctl1007")}));
    EXPECT_FALSE(visited.contains(QStringLiteral("ctl1017")));
    EXPECT_FALSE(visited.contains(QStringLiteral("ctl1018")));
    EXPECT_FALSE(visited.contains(QStringLiteral("ctl1015")));
    EXPECT_TRUE(visited.contains(QStringLiteral("ctl1013")) == false) << "disabled at start";
    const qsizetype add = visited.indexOf(QStringLiteral("ctl1008"));
    ASSERT_GE(add, 0);
    EXPECT_EQ(visited.mid(add, 4),
              (QStringList{QStringLiteral("ctl1008"), QStringLiteral("ctl1016"),
                           QStringLiteral("ctl1009"), QStringLiteral("ctl1014")}));
    EXPECT_EQ(visited.at(add + 4), QStringLiteral("ctl1"));
    EXPECT_EQ(visited.at(add + 5), QStringLiteral("ctl1004"));
}

TEST_F(DialogTest, SelectingARowFillsTheFieldsAndTypingRewritesItInPlace)
{
    Open();
    AddParticipant(QStringLiteral("Zander"), QStringLiteral("Eva"), 1994);
    AddParticipant(QStringLiteral("Bauer"), QStringLiteral("Max"), 1996, true);
    ASSERT_EQ(Rows(), (QStringList{QStringLiteral("Bauer,Max"), QStringLiteral("Zander,Eva")}));
    dlg->m_bModified = 0;

    ClickRow(1);
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), 1);
    EXPECT_EQ(Edit(Id::IDC_NAME)->text(), QStringLiteral("Zander"));
    EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("Eva"));
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("1994"));
    EXPECT_TRUE(Item<QRadioButton>(Id::IDC_FEMALE)->isChecked());
    EXPECT_EQ(dlg->m_bModified, 0) << "loading the fields writes nothing back";

    Retype(Id::IDC_NAME, QStringLiteral("Adam"));
    // Rewritten at its old index at every keystroke; the list is not sorted again.
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Bauer,Max"), QStringLiteral("Adam,Eva")}));
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 1994 * 2);
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), 1);
    EXPECT_EQ(dlg->m_bModified, 1);

    // Gender click and a new valid year are written into the selected row as well.
    Click(Id::IDC_MALE);
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 1994 * 2 + 1);
    Retype(Id::IDC_YEAR, QStringLiteral("1995"));
    QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 1995 * 2 + 1);
    EXPECT_TRUE(messages.texts.isEmpty());

    // "Neu" leaves the row alone and empties the buffer.
    Click(Id::IDC_NEW);
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), -1);
    EXPECT_TRUE(Edit(Id::IDC_NAME)->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Id::IDC_FIRSTNAME));
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("Neu"));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Bauer,Max"), QStringLiteral("Adam,Eva")}));
}

TEST_F(DialogTest, RowTextsSplitAtTheFirstComma)
{
    Open();
    dlg->m_lbEntries->AddItem(QStringLiteral("A,B,C"), 1990 * 2);
    dlg->m_lbEntries->AddItem(QStringLiteral("OhneKomma"), 1991 * 2 + 1);
    dlg->m_lbEntries->AddItem(QStringLiteral("Blank , Eva "), 1992 * 2);
    ClickRow(0);
    EXPECT_EQ(Edit(Id::IDC_NAME)->text(), QStringLiteral("A"));
    EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("B,C"));
    ClickRow(1);
    EXPECT_EQ(Edit(Id::IDC_NAME)->text(), QStringLiteral("Blank"));
    EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral(" Eva "));
    ClickRow(2);
    EXPECT_EQ(Edit(Id::IDC_NAME)->text(), QString());
    EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("OhneKomma"));
    EXPECT_TRUE(Item<QRadioButton>(Id::IDC_MALE)->isChecked());
}

TEST_F(DialogTest, ModifiedFlagFollowsOnlyRealChanges)
{
    Open();
    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1990);
    dlg->m_bModified = 0;
    // Selecting, "Neu", removing and adding leave the flag alone.
    ClickRow(0);
    EXPECT_EQ(dlg->m_bModified, 0);
    // The radio button that is already on gives the same code: no change.
    Click(Id::IDC_FEMALE);
    EXPECT_EQ(dlg->m_bModified, 0);
    Click(Id::IDC_NEW);
    EXPECT_EQ(dlg->m_bModified, 0);
    ClickRow(0);
    Click(Id::IDC_REMOVE);
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 0);
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), -1);
    EXPECT_EQ(dlg->m_bModified, 0);
    EXPECT_TRUE(messages.texts.isEmpty()) << "removing asks nothing";

    // Typing with no row selected sets it and touches no row.
    dlg->m_lbEntries->AddItem(QStringLiteral("Alt,Ida"), 1980 * 2);
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("x"));
    EXPECT_EQ(dlg->m_bModified, 1);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Alt,Ida")});

    // Choosing a club sets it as well.
    dlg->m_bModified = 0;
    Choose(dlg->m_cbClub, QStringLiteral("TV Musterstadt"));
    EXPECT_EQ(dlg->m_bModified, 1);
}

TEST_F(DialogTest, RemoveWithoutSelectionExplains)
{
    Open();
    Click(Id::IDC_REMOVE);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral(
                                  "Zum Löschen erst einen Eintrag aus der Liste auswählen!")});
}

TEST_F(DialogTest, RejectedYearKeepsTheSelectedEntrysCodeAcrossAGenderClick)
{
    Open();
    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1990);
    ClickRow(0);
    Retype(Id::IDC_YEAR, QStringLiteral("1800"));
    Click(Id::IDC_MALE); // leaves the year field: "FEHLER: Datum falsch!", field back to 0
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("FEHLER: Datum falsch!")});
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(0), 3980);
}

TEST_F(DialogTest, SaveBecomesUsableOnceClubAndEventAreChosenInEitherOrder)
{
    Open();
    Choose(dlg->m_cbClub, QStringLiteral("TV Musterstadt"));
    Choose(dlg->m_cbClub, QStringLiteral("SG Mühlbach"));
    EXPECT_FALSE(Button(Id::IDC_SAVE)->isEnabled());
    Choose(dlg->m_cbEvent, QStringLiteral("Gauturnfest"));
    EXPECT_TRUE(Button(Id::IDC_SAVE)->isEnabled());

    dlg.reset();
    Open();
    Choose(dlg->m_cbEvent, QStringLiteral("Kinderturnfest"));
    EXPECT_FALSE(Button(Id::IDC_SAVE)->isEnabled());
    Choose(dlg->m_cbClub, QStringLiteral("TSV Waldhausen"));
    EXPECT_TRUE(Button(Id::IDC_SAVE)->isEnabled());
}

TEST_F(DialogTest, TypingIntoADropDownFieldIsNoChoice)
{
    Open();
    Choose(dlg->m_cbEvent, QStringLiteral("Gauturnfest"));
    dlg->m_cbClub->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(dlg->m_cbClub->lineEdit(), QStringLiteral("TV Muster"));
    EXPECT_FALSE(Button(Id::IDC_SAVE)->isEnabled());
    EXPECT_EQ(dlg->m_bClubChosen, 0);
    EXPECT_EQ(CEntryDlg::SelectedText(dlg->m_cbClub), QString());
}

TEST_F(DialogTest, ExitAsksOnlyWithUnsavedChanges)
{
    Open();
    Click(Id::IDOK_Exit);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);

    dlg.reset();
    Open();
    Choose(dlg->m_cbClub, QStringLiteral("TV Musterstadt"));
    messages.answers = {msgbox::Answer::No};
    Click(Id::IDOK_Exit);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Beenden ohne Speichern?")});
    EXPECT_EQ(messages.requests.at(0).buttons, msgbox::Buttons::YesNo);
    EXPECT_TRUE(dlg->isVisible());

    messages.answers = {msgbox::Answer::Yes};
    Click(Id::IDOK_Exit);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(DialogTest, ExitKeepsTheWindowWhileTheYearIsNoNumber)
{
    Open();
    Choose(dlg->m_cbClub, QStringLiteral("TV Musterstadt"));
    Edit(Id::IDC_YEAR)->setText(QStringLiteral("abc"));
    messages.answers = {msgbox::Answer::Yes};
    dlg->OnOK();
    EXPECT_EQ(messages.texts,
              (QStringList{QStringLiteral("Beenden ohne Speichern?"),
                           QStringLiteral("Geben Sie bitte eine ganze Zahl ein.")}));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(DialogTest, EscapeAndTheCloseBoxAskBeforeUnsavedChangesAreLost)
{
    Open();
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("Anna"));
    ASSERT_EQ(dlg->m_bModified, 1);
    messages.answers = {msgbox::Answer::No, msgbox::Answer::Cancel};
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->close()) << "the close box asks the same";
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(messages.texts, QStringList(2, QStringLiteral("Beenden ohne Speichern?")));

    messages.answers = {msgbox::Answer::Yes};
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);

    // Without unsaved changes Escape closes at once.
    dlg.reset();
    messages.texts.clear();
    Open();
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(DialogTest, LeavingAYearFieldThatHoldsNoNumberReportsBothProblemsOnce)
{
    Open();
    Retype(Id::IDC_YEAR, QStringLiteral("1990x"));
    QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    // The exchange refuses the text and keeps the old year (0), which is then no valid year.
    EXPECT_EQ(messages.texts, (QStringList{QStringLiteral("Geben Sie bitte eine ganze Zahl ein."),
                                           QStringLiteral("FEHLER: Datum falsch!")}));
    EXPECT_EQ(Edit(Id::IDC_YEAR)->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_nYear, 0);
}
