// What the window shows is what gets saved, by keyboard too: a typed year that a command finds
// still in its field, a loaded file's club, the selected row renamed by typing the next child, and
// a window that keeps to its screen.
#include "DialogFixture.h"
#include "ElidingLabel.h"
#include "Entry.h"
#include "EntryFile.h"
#include "WindowPlacement.h"

#include <functional>
#include <QFile>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

class PendingEditTest : public DialogTest
{
protected:
    /// A saved list with Meier, Anna (2013); her row selected and 2014 typed into "Jahrgang",
    /// which still has the focus.
    void YearTypedIntoSavedRow(const QString& typed = u"2014"_s)
    {
        Open();
        Choose(Id::IDC_CLUB, u"SC Wiesenbach"_s);
        Choose(Id::IDC_EVENT, u"Gauturnfest"_s);
        AddParticipant(u"Meier"_s, u"Anna"_s, 2013);
        fileAnswers = {file};
        Click(Id::IDC_SAVE);
        ASSERT_EQ(dlg->Modified(), 0);
        ClickRow(0);
        QCoreApplication::processEvents(); // the commands follow the list
        Retype(Id::IDC_YEAR, typed);
        messages.texts.clear();
    }
    QByteArray Saved() const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    const QString file = dir.filePath(u"meldung.mdg"_s);
    const qint32 k2014 = entry::MakeCode(2014, entry::Female);
};

TEST_F(PendingEditTest, ACommandTakesTheTypedYearFirst)
{
    // way; whether it saves; whether it asks before closing
    const std::tuple<const char*, std::function<void()>, bool, bool> ways[] = {
        {"Alt+S", [this] { KeyToFocus(Qt::Key_S, Qt::AltModifier); }, true, false},
        {"Enter on the focused button",
         [this] {
             Item(Id::IDC_SAVE)->setFocus(Qt::TabFocusReason);
             KeyToFocus(Qt::Key_Return);
         },
         true, false},
        {"Ctrl+P", [this] { KeyToFocus(Qt::Key_P, Qt::ControlModifier); }, false, false},
        {"Ctrl+I", [this] { KeyToFocus(Qt::Key_I, Qt::ControlModifier); }, false, false},
        {"Alt+U", [this] { KeyToFocus(Qt::Key_U, Qt::AltModifier); }, false, false},
        {"Alt+B", [this] { KeyToFocus(Qt::Key_B, Qt::AltModifier); }, false, true},
        {"Escape", [this] { KeyToFocus(Qt::Key_Escape); }, false, true},
        {"close box", [this] { dlg->close(); }, false, true},
    };
    for (const auto& [way, run, saves, leaves] : ways) {
        SCOPED_TRACE(way);
        YearTypedIntoSavedRow();
        fileAnswers = {file};
        messages.answers = {msgbox::Answer::No}; // "Beenden ohne Speichern?" No: stay
        run();
        QTest::qWait(250); // a mnemonic clicks after its short animation
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(List()->GetItemData(0), k2014);
        EXPECT_EQ(Saved().contains(",w,2014\r\n"), saves) << Saved().toStdString();
        EXPECT_EQ(dlg->Modified(), saves ? 0 : 1);
        EXPECT_EQ(messages.texts.contains(u"Beenden ohne Speichern?"_s), leaves);
        dlg.reset();
    }
}

TEST_F(PendingEditTest, ARefusedYearStopsTheCommand)
{
    // A typed year that leaving the field refuses: the command, by key or by mouse, does not run.
    for (const bool mouse : {false, true}) {
        SCOPED_TRACE(mouse ? "mouse" : "Alt+S");
        YearTypedIntoSavedRow(u"14"_s);
        fileRequests.clear();
        mouse ? Click(Id::IDC_SAVE) : KeyToFocus(Qt::Key_S, Qt::AltModifier);
        QTest::qWait(300);
        EXPECT_TRUE(fileRequests.isEmpty()) << "no save dialog";
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].startsWith(u"FEHLER: Datum falsch!\nJahrgang 14: erlaubt"_s));
        EXPECT_EQ(List()->GetItemData(0), entry::MakeCode(2013, entry::Female));
        dlg.reset();
    }
}

TEST_F(PendingEditTest, AddByMnemonicFromTheYearFieldSaysNothingFalse)
{
    Open();
    Retype(Id::IDC_FIRSTNAME, u"Felix"_s);
    Retype(Id::IDC_NAME, u"Özdemir"_s);
    Retype(Id::IDC_YEAR, u"2015"_s);
    KeyToFocus(Qt::Key_Z, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->GetCount() == 1; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Id::IDC_FIRSTNAME));
}

TEST_F(PendingEditTest, ALoadedFileKeepsNoOtherClubOrEvent)
{
    // file's club and event; the club and event chosen afterwards, empty: none
    const struct
    {
        const char16_t *club, *event, *chosenClub, *chosenEvent, *said;
    } cases[] = {
        {u"TSV 1860 Hintertupfing", u"Gauturnfest", u"", u"Gauturnfest",
         u"Der Verein „TSV 1860 Hintertupfing“ aus „f.mdg“ steht nicht in der Liste."},
        {u"TV", u"gauturnfest", u"", u"Gauturnfest", u"Der Verein „TV“ aus „f.mdg“"},
        {u"tv musterstadt", u"", u"TV Musterstadt", u"", u"„f.mdg“ nennt keine Veranstaltung."},
        {u"SG Mühlbach", u"Gauturnfest", u"SG Mühlbach", u"Gauturnfest", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.club).toStdString());
        Open();
        Choose(Id::IDC_CLUB, u"SC Wiesenbach"_s);
        Choose(Id::IDC_EVENT, u"Gauturnfest"_s);
        QFile f(dir.filePath(u"f.mdg"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(entryfile::Write(QString::fromUtf16(c.club), QString::fromUtf16(c.event),
                                 {{u"Meier,Anna"_s, 4026}}));
        f.close();
        messages.answers = {msgbox::Answer::Yes}; // discard the unsaved choice
        messages.texts.clear();
        dlg->LoadPath(f.fileName());
        EXPECT_EQ(CEntryDlg::SelectedText(Item<QComboBox>(Id::IDC_CLUB)),
                  QString::fromUtf16(c.chosenClub));
        EXPECT_EQ(CEntryDlg::SelectedText(Item<QComboBox>(Id::IDC_EVENT)),
                  QString::fromUtf16(c.chosenEvent));
        const bool complete = c.said == nullptr;
        EXPECT_EQ(Item(Id::IDC_SAVE)->isEnabled(), complete) << "saving needs a new choice";
        EXPECT_EQ(messages.texts.size(), complete ? 0 : 1);
        if (!complete)
            EXPECT_TRUE(messages.texts.value(0).startsWith(QString::fromUtf16(c.said)))
                << messages.texts.value(0).toStdString();
        dlg.reset();
    }
}

TEST_F(PendingEditTest, TheNextChildTypedIntoASelectedRowIsAskedAbout)
{
    // answer, rows afterwards, rows after one undo
    const std::tuple<msgbox::Answer, QStringList, QStringList> answers[] = {
        {msgbox::Answer::Yes,
         {u"Krause,Lena/4028"_s, u"Meier,Anna/4026"_s},
         {u"Meier,Anna/4026"_s}},
        {msgbox::Answer::No, {u"Krause,Lena/4028"_s}, {u"Meier,Anna/4026"_s}},
        {msgbox::Answer::Cancel, {u"Krause,Lena/4028"_s}, {u"Meier,Anna/4026"_s}},
    };
    for (const auto& [answer, after, undone] : answers) {
        Open();
        AddParticipant(u"Meier"_s, u"Anna"_s, 2013);
        ClickRow(0);
        Retype(Id::IDC_FIRSTNAME, u"Lena"_s);
        Retype(Id::IDC_NAME, u"Krause"_s);
        QCoreApplication::processEvents();
        EXPECT_EQ(dlg->findChild<QLabel*>(u"labelEditing"_s)->text(),
                  u"Eintrag ändern: Krause, Lena (war: Meier, Anna)"_s);
        Retype(Id::IDC_YEAR, u"2014"_s);
        msgbox::Request asked;
        msgbox::SetPresenter([&](QWidget*, const msgbox::Request& r) {
            asked = r;
            return answer;
        });
        Click(Id::IDC_ADD);
        EXPECT_EQ(asked.text, u"Sie haben „Meier, Anna“ in „Krause, Lena“ geändert."_s);
        EXPECT_EQ(asked.yesText, u"„Meier, Anna“ behalten und „Krause, Lena“ neu hinzufügen"_s);
        EXPECT_EQ(asked.noText, u"Änderung behalten"_s);
        EXPECT_EQ(asked.buttons, msgbox::Buttons::YesNo) << "the default keeps Anna";
        EXPECT_EQ(Rows(), after);
        if (answer != msgbox::Answer::Cancel) {
            EXPECT_EQ(List()->GetCurSel(), -1);
            EXPECT_EQ(Edit(Id::IDC_FIRSTNAME)->text(), QString());
        }
        QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Rows(), undone) << "one step";
        dlg.reset();
    }
}

TEST_F(PendingEditTest, TheStatusLineNeverShowsAStaleStepOrWidensTheWindow)
{
    Open();
    auto* status = dlg->findChild<ElidingLabel*>(u"labelStatus"_s);
    AddParticipant(u"Meier"_s, u"Anna"_s, 2013);
    QCoreApplication::processEvents();
    QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(status->text().startsWith(u"Rückgängig: "_s)) << status->text().toStdString();
    AddParticipant(u"Krause"_s, u"Lena"_s, 2014);
    EXPECT_FALSE(status->text().contains(u"Rückgängig"_s)) << status->text().toStdString();

    // A long club and file name: the window keeps its width, the line is cut where it is drawn
    // and read whole.
    const int width = dlg->width();
    Choose(Id::IDC_CLUB, u"Turnverein Neudorf-Altstadt"_s);
    Choose(Id::IDC_EVENT, u"Minitrampolin-Meisterschaften"_s);
    fileAnswers = {dir.filePath(u"Minitrampolin-Meisterschaften 2026 Turnverein "
                                u"Neudorf-Altstadt und noch viel mehr Text.mdg"_s)};
    Click(Id::IDC_SAVE);
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg->width(), width);
    EXPECT_TRUE(status->text().contains(u"noch viel mehr Text.mdg"_s));
    EXPECT_TRUE(status->shownText().endsWith(u'…'));
    EXPECT_EQ(status->toolTip(), status->text());

    // A rejected character's explanation goes once the text was corrected.
    QTest::sendKeyEvent(QTest::Click, Edit(Id::IDC_NAME), Qt::Key_unknown, u"Ł"_s, {});
    EXPECT_FALSE(Edit(Id::IDC_NAME)->toolTip().isEmpty());
    QTest::keyClicks(Edit(Id::IDC_NAME), u"L"_s);
    EXPECT_TRUE(Edit(Id::IDC_NAME)->toolTip().isEmpty());
}

TEST(WindowPlacement, TheWholeWindowIsOnTheScreen)
{
    const QMargins frame = placement::kUsualFrame;
    // free area, the window's minimum; the window's own area
    const std::tuple<QRect, QSize, QRect> cases[] = {
        {{0, 0, 1920, 1040}, {600, 420}, {600, 283, 720, 500}},      // centred, as wished
        {{0, 0, 1024, 500}, {600, 420}, {152, 30, 720, 466}},        // lower: shorter, all shown
        {{0, 32, 1024, 568}, {600, 420}, {152, 79, 720, 500}},       // a panel at the top
        {{0, 0, 512, 300}, {600, 420}, {4, 30, 600, 420}},           // too small: title bar stays
        {{-1280, 0, 1280, 984}, {600, 420}, {-1000, 255, 720, 500}}, // left of the main screen
    };
    for (const auto& [available, minimum, expected] : cases) {
        EXPECT_EQ(placement::Fit({720, 500}, minimum, available, frame), expected)
            << available.width() << "x" << available.height();
    }
}

TEST_F(DialogTest, TheWindowFitsANetbookScreen)
{
    // 1024 × 600, less a panel, less the frame: what the controls need must fit, at any scale
    // (200 % on a screen twice as large gives the same area).
    Open();
    const QSize room = QSize(1024, 600 - 40).shrunkBy(placement::kUsualFrame);
    EXPECT_LE(dlg->minimumSizeHint().width(), room.width());
    EXPECT_LE(dlg->minimumSizeHint().height(), room.height());
    const QRect free = dlg->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(dlg->geometry().marginsAdded(placement::kUsualFrame)))
        << dlg->geometry().x() << "," << dlg->geometry().y();
}

} // namespace
