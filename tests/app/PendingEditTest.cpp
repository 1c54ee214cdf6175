// What the window shows is what gets saved, by keyboard too: a typed year that a command finds
// still in its field, a loaded file's club, the selected row renamed by typing the next child, and
// a window that keeps to its screen.
#include "app/ElidingLabel.h"
#include "app/HelpViewer.h"
#include "app/WindowPlacement.h"
#include "DialogFixture.h"
#include "entries/Entry.h"
#include "entryfile/EntryFile.h"

#include <array>
#include <functional>
#include <QFile>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

class PendingEditTest : public DialogTest
{
protected:
    QByteArray saved() const
    {
        QFile f(m_file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void keyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    const QString m_file = m_dir.filePath(u"meldung.mdg"_s);
};

TEST_F(PendingEditTest, ACommandTakesTheTypedYearFirstOrDoesNotRun)
{
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return std::function<void()>([=, this] { keyToFocus(key, modifiers); });
    };
    const auto enter = [this] {
        item(Id::IDC_SAVE)->setFocus(Qt::TabFocusReason);
        keyToFocus(Qt::Key_Return);
    };
    // way, year typed into the selected saved row (2013), whether the command saves, asks to quit
    const std::tuple<const char*, const char*, std::function<void()>, bool, bool> ways[] = {
        {"Alt+S", "2014", press(Qt::Key_S, Qt::AltModifier), true, false},
        {"Enter", "2014", enter, true, false},
        {"Ctrl+P", "2014", press(Qt::Key_P, Qt::ControlModifier), false, false},
        {"Ctrl+I", "2014", press(Qt::Key_I, Qt::ControlModifier), false, false},
        {"Alt+U", "2014", press(Qt::Key_U, Qt::AltModifier), false, false},
        {"Alt+B", "2014", press(Qt::Key_B, Qt::AltModifier), false, true},
        {"Escape", "2014", press(Qt::Key_Escape), false, true},
        {"close box", "2014", [this] { m_dlg->close(); }, false, true},
        {"Alt+S", "14", press(Qt::Key_S, Qt::AltModifier), false, false},
        {"mouse", "14", [this] { click(Id::IDC_SAVE); }, false, false},
        {"Escape", "14", press(Qt::Key_Escape), false, false},
    };
    for (const auto& [way, typed, run, saves, asks] : ways) {
        SCOPED_TRACE(std::string(way) + " " + typed);
        open();
        choose(Id::IDC_CLUB, u"SC Wiesenbach"_s);
        choose(Id::IDC_EVENT, u"Gauturnfest"_s);
        addParticipant(u"Meier"_s, u"Anna"_s, 2013);
        m_fileAnswers = {m_file};
        click(Id::IDC_SAVE);
        clickRow(0);
        QCoreApplication::processEvents(); // the commands follow the list
        retype(Id::IDC_YEAR, QString::fromLatin1(typed));
        m_messages.texts.clear();
        m_fileAnswers = {m_file};
        m_fileRequests.clear();
        m_messages.answers = {msgbox::Answer::No}; // "Beenden ohne Speichern?" No: stay
        run();
        QTest::qWait(250); // a mnemonic clicks after its short animation
        const bool taken = std::string_view(typed) == "2014";
        EXPECT_TRUE(m_dlg->isVisible());
        EXPECT_EQ(list()->GetItemData(0), entry::makeCode(taken ? 2014 : 2013, entry::Female));
        EXPECT_EQ(saved().contains(",w,2014\r\n"), saves) << saved().toStdString();
        EXPECT_EQ(m_fileRequests.size(), saves || std::string_view(way) == "Ctrl+I" ? 1 : 0);
        EXPECT_EQ(m_dlg->modified(), taken && !saves ? 1 : 0);
        EXPECT_EQ(m_messages.texts.contains(u"Beenden ohne Speichern?"_s), asks);
        EXPECT_EQ(m_messages.texts.value(0).startsWith(u"FEHLER: Datum falsch!\nJahrgang 14: "_s),
                  !taken);
        m_dlg.reset();
    }
}

TEST_F(PendingEditTest, AddByMnemonicFromTheYearFieldSaysNothingFalse)
{
    open();
    retype(Id::IDC_FIRSTNAME, u"Felix"_s);
    retype(Id::IDC_NAME, u"Özdemir"_s);
    retype(Id::IDC_YEAR, u"2015"_s);
    keyToFocus(Qt::Key_Z, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list()->GetCount() == 1; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages.texts, QStringList());
    EXPECT_EQ(QApplication::focusWidget(), edit(Id::IDC_FIRSTNAME));
}

TEST_F(PendingEditTest, ALoadedFileKeepsNoOtherClubOrEvent)
{
    // the file's club and event; chosen afterwards ("": none); the message's start ("": none)
    const std::array<const char16_t*, 5> cases[] = {
        {u"TSV 1860 Hintertupfing", u"Gauturnfest", u"", u"Gauturnfest",
         u"Der Verein „TSV 1860 Hintertupfing“ aus „f.mdg“ steht nicht in der Liste."},
        {u"TV", u"gauturnfest", u"", u"Gauturnfest", u"Der Verein „TV“ aus „f.mdg“"},
        {u"tv musterstadt", u"", u"TV Musterstadt", u"", u"„f.mdg“ nennt keine Veranstaltung."},
        {u"SG Mühlbach", u"Gauturnfest", u"SG Mühlbach", u"Gauturnfest", u""},
    };
    for (const auto& c : cases) {
        const auto text = [&c](int i) { return QString::fromUtf16(c[size_t(i)]); };
        SCOPED_TRACE(text(0).toStdString());
        open();
        choose(Id::IDC_CLUB, u"SC Wiesenbach"_s);
        choose(Id::IDC_EVENT, u"Gauturnfest"_s);
        QFile f(m_dir.filePath(u"f.mdg"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(entryfile::write(text(0), text(1), {{u"Meier,Anna"_s, 4026}}));
        f.close();
        m_messages.answers = {msgbox::Answer::Yes}; // discard the unsaved choice
        m_messages.texts.clear();
        m_dlg->loadPath(f.fileName());
        EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_CLUB)), text(2));
        EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_EVENT)), text(3));
        EXPECT_EQ(item(Id::IDC_SAVE)->isEnabled(), text(4).isEmpty()) << "needs a new choice";
        EXPECT_EQ(m_messages.texts.size(), text(4).isEmpty() ? 0 : 1);
        EXPECT_EQ(m_messages.texts.value(0).left(text(4).size()), text(4));
        m_dlg.reset();
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
        open();
        addParticipant(u"Meier"_s, u"Anna"_s, 2013);
        clickRow(0);
        retype(Id::IDC_FIRSTNAME, u"Lena"_s);
        retype(Id::IDC_NAME, u"Krause"_s);
        QCoreApplication::processEvents();
        const auto* editing = m_dlg->findChild<ElidingLabel*>(u"labelEditing"_s);
        EXPECT_EQ(editing->text(), u"Eintrag ändern: Krause, Lena (war: Meier, Anna) · weiblich"_s);
        EXPECT_EQ(editing->shownText().replace(u'\n', u' '), editing->text()) << "not cut off";
        retype(Id::IDC_YEAR, u"2014"_s);
        msgbox::Request asked;
        const msgbox::Answer given = answer; // clang before 16 captures no structured binding
        msgbox::setPresenter([&asked, given](QWidget*, const msgbox::Request& r) {
            asked = r;
            return given;
        });
        click(Id::IDC_ADD);
        EXPECT_EQ(asked.text, u"Sie haben „Meier, Anna“ in „Krause, Lena“ geändert."_s);
        EXPECT_EQ(asked.yesText, u"„Meier, Anna“ behalten und „Krause, Lena“ neu hinzufügen"_s);
        EXPECT_EQ(asked.noText, u"Änderung behalten"_s);
        EXPECT_EQ(asked.buttons, msgbox::Buttons::YesNo) << "the default keeps Anna";
        EXPECT_EQ(rows(), after);
        EXPECT_EQ(list()->GetCurSel(), answer == msgbox::Answer::Cancel ? 0 : -1);
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(rows(), undone) << "one step";
        m_dlg.reset();
    }
}

TEST_F(PendingEditTest, TheStatusLineNeverShowsAStaleStepOrWidensTheWindow)
{
    open();
    auto* status = m_dlg->findChild<ElidingLabel*>(u"labelStatus"_s);
    addParticipant(u"Meier"_s, u"Anna"_s, 2013);
    QCoreApplication::processEvents();
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(status->text().startsWith(u"Rückgängig: "_s)) << status->text().toStdString();
    addParticipant(u"Krause"_s, u"Lena"_s, 2014);
    EXPECT_FALSE(status->text().contains(u"Rückgängig"_s)) << status->text().toStdString();

    // A long club and file name: the window keeps its width, the status takes a second line
    // rather than cutting the name; only a name beyond two lines is cut where it is drawn, and
    // read whole.
    const int width = m_dlg->width();
    const int oneLine = status->height();
    choose(Id::IDC_CLUB, u"Turnverein Neudorf-Altstadt"_s);
    choose(Id::IDC_EVENT, u"Minitrampolin-Meisterschaften"_s);
    const QString longName =
        u"Minitrampolin-Meisterschaften 2026 Turnverein Neudorf-Altstadt.mdg"_s;
    // Fonts differ between desktops, so what must stand whole or be cut is told by the room the
    // label has: a text of one and a half lines stands whole, one of more than two is cut.
    const QString names[] = {
        longName,
        longName.left(longName.size() - 4) + u" und noch viel mehr Text, der auch auf zwei Zeilen "
                                             u"keinen Platz mehr findet, so lang ist er "
                                             u"geworden.mdg"_s,
    };
    for (const QString& name : names) {
        m_fileAnswers = {m_dir.filePath(name)};
        click(Id::IDC_SAVE);
        QCoreApplication::processEvents();
        EXPECT_EQ(m_dlg->width(), width);
        EXPECT_TRUE(status->text().contains(name)) << status->text().toStdString();
        EXPECT_GT(status->height(), oneLine) << "a second line";
        const int wide = status->fontMetrics().horizontalAdvance(status->text());
        const int room = status->contentsRect().width();
        const bool whole = status->shownText().replace(u'\n', u' ') == status->text();
        if (wide <= room * 3 / 2) {
            EXPECT_TRUE(whole) << status->shownText().toStdString();
        }
        if (wide > room * 2) {
            EXPECT_FALSE(whole) << status->shownText().toStdString();
        }
        EXPECT_EQ(status->toolTip().isEmpty(), whole);
    }
}

TEST(WindowPlacement, TheWholeWindowIsOnTheScreen)
{
    const QMargins frame = placement::kUsualFrame;
    // free area, the window's minimum; the window's own area
    const std::tuple<QRect, QSize, QRect> cases[] = {
        {{0, 0, 1920, 1040}, {600, 420}, {600, 285, 720, 500}},      // centred, as wished
        {{0, 0, 1024, 500}, {600, 420}, {152, 38, 720, 454}},        // lower: shorter, all shown
        {{0, 0, 512, 300}, {600, 420}, {8, 38, 600, 420}},           // too small: title bar stays
        {{-1280, 0, 1280, 984}, {600, 420}, {-1000, 257, 720, 500}}, // left of the main screen
    };
    for (const auto& [available, minimum, expected] : cases) {
        EXPECT_EQ(placement::fit({720, 500}, minimum, available, frame), expected)
            << available.width() << "x" << available.height();
    }
}

TEST(WindowPlacement, TheFramesOfTheCommonWindowManagersStayOnANetbookScreen)
{
    // The main window and the help on 1024 × 600, placed before the real frame is known, then
    // checked with it: openbox, KWin (Breeze), Mutter, Windows 10/11, and one thicker than the
    // estimate, which only the check with the real frame brings back onto the screen.
    const QRect screen(0, 0, 1024, 600);
    const std::pair<const char*, QMargins> frames[] = {
        {"openbox", {1, 20, 1, 5}}, {"KWin", {0, 30, 0, 0}},    {"Mutter", {0, 37, 0, 0}},
        {"Windows", {8, 31, 8, 8}}, {"dick", {12, 48, 12, 12}},
    };
    const QSize minimum(300, 200);
    for (const QSize wanted : {QSize(720, 500), help::kWantedSize}) {
        const QRect estimated = placement::fit(wanted, minimum, screen);
        for (const auto& [name, frame] : frames) {
            const QRect placed = placement::refit(estimated, minimum, screen, frame);
            EXPECT_TRUE(screen.contains(placed.marginsAdded(frame)))
                << name << " " << wanted.height() << ": " << placed.top() << "+" << placed.height();
            // A frame that fits keeps the window where the estimate put it.
            if (screen.contains(estimated.marginsAdded(frame))) {
                EXPECT_EQ(placed, estimated) << name;
            } else {
                EXPECT_EQ(placed.height(), 600 - frame.top() - frame.bottom()) << name;
            }
        }
    }
}

TEST_F(DialogTest, TheWindowFitsANetbookScreen)
{
    // 1024 × 600, less a panel, less the frame: what the controls need must fit, at any scale
    // (200 % on a screen twice as large gives the same area).
    open();
    const QSize room = QSize(1024, 600 - 40).shrunkBy(placement::kUsualFrame);
    EXPECT_LE(m_dlg->minimumSizeHint().width(), room.width());
    EXPECT_LE(m_dlg->minimumSizeHint().height(), room.height());
    // Centred in the free area, as the placement's table has it for every screen, and placed
    // again where the real frame (Windows knows it at once) reaches past that area.
    const QRect available = m_dlg->screen()->availableGeometry();
    const QRect client = m_dlg->geometry();
    const QMargins frame = placement::frameOf(*m_dlg);
    const QSize minimum = m_dlg->minimumSizeHint();
    EXPECT_EQ(client, placement::refit(placement::fit({720, 500}, minimum, available), minimum,
                                       available, frame));
}

} // namespace
