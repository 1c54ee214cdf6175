// The main window driven as a user drives it: the editing rules, the change flag, the ways out.
#include "app/CEntryApp.h"
#include "app/DataExchange.h"
#include "app/HelpViewer.h"
#include "DialogFixture.h"
#include "entries/Entry.h"

#include <functional>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolTip>
#ifdef Q_OS_WIN
#include <string>
#include <utility>
#include <windows.h>
#endif

namespace {

const QString kIncomplete = QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!");
const QString kBadYear = QStringLiteral("FEHLER: Datum falsch!");
// The second line of a refusal names the field and the allowed years.
QString why(const QString& first, const QString& second)
{
    return first + u'\n' + second;
}
QString outsideRange(int year)
{
    const int now = entry::currentUtcYear();
    return QStringLiteral("Jahrgang %1: erlaubt sind %2–%3.").arg(year).arg(now - 99).arg(now - 1);
}

TEST_F(DialogTest, AddTakesAValidParticipantAndRefusesTheRest)
{
    open();
    const int now = entry::currentUtcYear();
    // first name, surname, year, male; messages (none: added) — the year window is open at
    // both ends, and leaving the field already says so
    const std::tuple<const char*, const char*, int, bool, QStringList> cases[] = {
        {"Eva",
         "Alt",
         now - 100,
         false,
         {why(kBadYear, outsideRange(now - 100)), why(kIncomplete, outsideRange(now - 100))}},
        {"", "Meier", 1990, false, {why(kIncomplete, QStringLiteral("Der Vorname fehlt."))}},
        {"Anna", "", 1990, false, {why(kIncomplete, QStringLiteral("Der Name fehlt."))}},
        {"Anna", "Meier", now - 99, false, {}},
        {"Jonas", "Abel", now - 1, true, {}},
    };
    for (const auto& [first, name, year, male, shown] : cases) {
        m_messages.texts.clear();
        addParticipant(QString::fromUtf8(name), QString::fromUtf8(first), year, male);
        EXPECT_EQ(m_messages.texts, shown) << name << year;
    }
    EXPECT_EQ(rows(),
              (QStringList{QStringLiteral("Abel,Jonas/%1").arg(entry::makeCode(now - 1, 1)),
                           QStringLiteral("Meier,Anna/%1").arg(entry::makeCode(now - 99, 0))}));
    // After an add the fields are empty again (the year too), the gender stays for the next child
    // and typing starts at the first name.
    EXPECT_EQ(edit(Id::IDC_NAME)->text() + edit(Id::IDC_YEAR)->text(), QString());
    EXPECT_TRUE(item<QRadioButton>(Id::IDC_MALE)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), edit(Id::IDC_FIRSTNAME));
    EXPECT_TRUE(
        m_dlg->findChild<QLabel*>(QStringLiteral("labelEditing"))->text().endsWith(u"männlich"));

    // An untouched empty form tabbed through says nothing; a refused year keeps the caret, its
    // text selected, and is said once.
    m_messages.texts.clear();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'|').toStdString();
    leaveYear(QStringLiteral("1800"));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit(Id::IDC_YEAR));
    EXPECT_EQ(edit(Id::IDC_YEAR)->selectedText(), QStringLiteral("1800"));
    QTest::keyClick(edit(Id::IDC_YEAR), Qt::Key_Tab);
    EXPECT_EQ(m_messages.texts, QStringList{why(kBadYear, outsideRange(1800))});
}

TEST_F(DialogTest, SelectedRowFollowsTheFields)
{
    open();
    addParticipant(QStringLiteral("Bauer"), QStringLiteral("Eva,Maria"), 1994);
    addParticipant(QStringLiteral("Zander"), QStringLiteral("Max"), 1996, true);
    clickRow(0);
    EXPECT_EQ(edit(Id::IDC_NAME)->text(), QStringLiteral("Bauer"));
    EXPECT_EQ(edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("Eva,Maria"));
    EXPECT_EQ(edit(Id::IDC_YEAR)->text(), QStringLiteral("1994"));
    retype(Id::IDC_NAME, QStringLiteral("Zeller")); // rewritten in place, not sorted again
    click(Id::IDC_MALE);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("Zeller,Eva,Maria/3989"),
                                   QStringLiteral("Zander,Max/3993")}));
    leaveYear(QStringLiteral("1995"));
    EXPECT_EQ(list()->GetItemData(0), entry::makeCode(1995, entry::Male));
    leaveYear(QStringLiteral("1800")); // refused: the row keeps its year, and the field shows it
    EXPECT_EQ(list()->GetItemData(0), entry::makeCode(1995, entry::Male));
    EXPECT_EQ(edit(Id::IDC_YEAR)->text(), QStringLiteral("1995"));
    EXPECT_EQ(QApplication::focusWidget(), edit(Id::IDC_YEAR));
    leaveYear(QStringLiteral("19x"));
    EXPECT_EQ(list()->GetItemData(0), entry::makeCode(1995, entry::Male));
    EXPECT_EQ(m_messages.texts,
              (QStringList{why(kBadYear, outsideRange(1800)),
                           QStringLiteral("Geben Sie bitte eine ganze Zahl ein.")}));
    click(Id::IDC_NEW);
    click(Id::IDC_REMOVE);
    EXPECT_EQ(m_messages.texts.last(),
              QStringLiteral("Zum Löschen erst einen Eintrag aus der Liste auswählen!"));
}

TEST_F(DialogTest, ChangeFlagAfterEachAction)
{
    const QString file = m_dir.filePath(QStringLiteral("meldung.mdg"));
    open();
    choose(Id::IDC_CLUB, QStringLiteral("TV Musterstadt"));
    EXPECT_FALSE(item(Id::IDC_SAVE)->isEnabled());
    choose(Id::IDC_EVENT, QStringLiteral("Gauturnfest"));
    addParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1990);
    const auto save = [&] {
        m_fileAnswers = {file};
        click(Id::IDC_SAVE);
    };
    const auto expect = [&](qint32 modified, const char* after) {
        EXPECT_EQ(m_dlg->modified(), modified) << after;
    };
    save();
    expect(0, "save");
    clickRow(0);
    expect(0, "select a row");
    click(Id::IDC_FEMALE);
    expect(0, "click the gender already on");
    m_messages.answers = {msgbox::Answer::Yes};
    click(Id::IDC_ADD); // the same child twice only after a question
    expect(1, "add the selected participant again");
    EXPECT_EQ(m_messages.texts,
              QStringList{QStringLiteral(
                  "„Meier,Anna“ (1990) ist schon in der Liste. Trotzdem hinzufügen?")});
    m_messages.texts.clear();
    save();
    click(Id::IDC_NEW);
    expect(0, "Neu");
    clickRow(1);
    click(Id::IDC_REMOVE);
    expect(1, "remove a row"); // a withdrawn participant must reach the organiser
    save();
    clickRow(0);
    click(Id::IDC_MALE);
    expect(1, "other gender of the selected row");
    save();
    leaveYear(QStringLiteral("1991"));
    expect(1, "new year of the selected row");
    save();
    leaveYear(QStringLiteral("1991"));
    expect(0, "same year again");
    retype(Id::IDC_FIRSTNAME, QStringLiteral("Ann"));
    expect(1, "type in a name field");
    save();
    choose(Id::IDC_CLUB, QStringLiteral("TV Musterstadt"));
    expect(1, "choose a club");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'|').toStdString();
    click(Id::IDC_LOAD); // the question comes first; "Nein" (the recorder's default) keeps the list
    EXPECT_EQ(m_messages.texts,
              QStringList{QStringLiteral("Ungespeicherte Änderungen verwerfen?")});
}

TEST_F(DialogTest, WaysOutAskWhileChangesAreUnsavedAndAlwaysStoreTheSettings)
{
    // way, how, stored autoSave: "Beenden" takes the check box, the others leave the member alone
    const std::tuple<const char*, std::function<void(CEntryDlg&)>, int> ways[] = {
        {"Beenden", [this](CEntryDlg&) { click(Id::IDOK_Exit); }, 1},
        {"Escape", [this](CEntryDlg&) { QTest::keyClick(edit(Id::IDC_NAME), Qt::Key_Escape); }, 0},
        {"close box", [](CEntryDlg& d) { d.close(); }, 0},
    };
#ifdef Q_OS_WIN
    // The registry is one for all test programs running side by side: this test's key is its own.
    const QString app = QStringLiteral("Zandrel-%1").arg(QCoreApplication::applicationPid());
    QCoreApplication::setApplicationName(app);
    const auto restore = qScopeGuard([app] {
        QCoreApplication::setApplicationName(QStringLiteral("Zandrel"));
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\ZANDREL\\" + app.toStdWString()).c_str());
    });
#else
    const QString app = QStringLiteral("Zandrel");
#endif
    for (const auto& [way, close, storedAutoSave] : ways) {
        SCOPED_TRACE(way);
        open(0, QStringLiteral("/alt"));
        click(Id::IDC_AUTOSAVE);
        retype(Id::IDC_NAME, QStringLiteral("x"));
        m_messages.texts.clear();
        m_messages.answers = {msgbox::Answer::No};
        close(*m_dlg);
        EXPECT_TRUE(m_dlg->isVisible()) << "No keeps the window";
        m_messages.answers = {msgbox::Answer::Yes};
        close(*m_dlg);
        EXPECT_FALSE(m_dlg->isVisible());
        EXPECT_EQ(m_messages.texts, QStringList(2, QStringLiteral("Beenden ohne Speichern?")));
        m_dlg.reset();
        QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZANDREL"),
                         app);
        EXPECT_EQ(stored.value(QStringLiteral("settings/autoSave")).toInt(), storedAutoSave);
        EXPECT_EQ(stored.value(QStringLiteral("settings/path")).toString(), QStringLiteral("/alt"));
#ifdef Q_OS_WIN
        // The very values and types the earlier Windows program kept.
        const std::wstring key = L"Software\\ZANDREL\\" + app.toStdWString() + L"\\settings";
        DWORD number = 99, size = sizeof number;
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"autoSave", RRF_RT_REG_DWORD,
                               nullptr, &number, &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(number, DWORD(storedAutoSave));
        wchar_t text[16] = {};
        size = sizeof text;
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"path", RRF_RT_REG_SZ, nullptr,
                               text, &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(std::wstring(text), L"/alt");
#endif
        stored.clear();

        m_dlg.reset();
    }
}

TEST_F(DialogTest, KeysReachTheirHandlers)
{
    open();
    retype(Id::IDC_FIRSTNAME, QStringLiteral("Anna"));
    retype(Id::IDC_NAME, QStringLiteral("Meier"));
    retype(Id::IDC_YEAR, QStringLiteral("1990"));
    QTest::keyClick(edit(Id::IDC_YEAR), Qt::Key_Return);
    EXPECT_EQ(list()->GetCount(), 1) << "Enter in a field adds, as Hinzu";
    EXPECT_TRUE(m_dlg->isVisible()) << "and never closes the window";

    // Characters the entry file cannot hold are refused as they are typed, with the reason.
    retype(Id::IDC_NAME, QStringLiteral("Łukasz"));
    EXPECT_EQ(edit(Id::IDC_NAME)->text(), QStringLiteral("ukasz"));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("„Ł“")));
    EXPECT_TRUE(edit(Id::IDC_NAME)->toolTip().isEmpty()) << "gone once a character was taken";
    // The list splits at the first comma: the surname refuses one, the first name keeps it.
    retype(Id::IDC_NAME, QStringLiteral("Hohenberg, Freiherr"));
    EXPECT_EQ(edit(Id::IDC_NAME)->text(), QStringLiteral("Hohenberg Freiherr"));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Komma")));
    retype(Id::IDC_FIRSTNAME, QStringLiteral("Karl, Sohn"));
    EXPECT_EQ(edit(Id::IDC_FIRSTNAME)->text(), QStringLiteral("Karl, Sohn"));
    retype(Id::IDC_NAME, QString(61, u'x'));
    EXPECT_EQ(edit(Id::IDC_NAME)->text().size(), 60) << "typed";
    model()->addSorted(QString(61, u'y') + QStringLiteral(",Anna"), 3980);
    clickRow(1);
    EXPECT_EQ(edit(Id::IDC_NAME)->text().size(), 61) << "from a file: whole, or edits cut it";

    QTest::keyClick(edit(Id::IDC_NAME), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::activeWindow(), m_dlg.get()) << "F1 with a modifier shows nothing";
    QTest::keyClick(edit(Id::IDC_NAME), Qt::Key_F1);
    const auto help = [] { return QApplication::activeWindow(); };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return help() && help()->objectName() == QStringLiteral("helpWindow"); }, 5000))
        << "the manual in a window of its own";
    // A window to screen readers, wholly on the screen (the placement's own table is in
    // PendingEditTest), with the keys of a help viewer.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(help());
    EXPECT_EQ(std::pair(shown->role(), shown->text(QAccessible::Name)),
              std::pair(QAccessible::Dialog, QStringLiteral("Zandrel – Hilfe")));
    EXPECT_TRUE(help()->screen()->availableGeometry().contains(help()->frameGeometry()));
    auto* browser = help()->findChild<QTextBrowser*>();
    browser->setSource(QUrl(QStringLiteral("#befehle")));
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->source().fragment(), QString()) << "Alt+Left goes back";
    QTest::keyClick(browser, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(browser->window()->isVisible()) << "Ctrl+W closes it";
    help::show();
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(browser->window()->isVisible()) << "so does Escape";
    const QTextBrowser* missing = help::show(m_dir.filePath(QStringLiteral("fehlt.html")));
    EXPECT_TRUE(missing->toPlainText().contains(u"Hilfe nicht gefunden"));
}

TEST(Shell, YearTextAndApplicationName)
{
    EXPECT_EQ(CEntryApp::applicationNameFromPath(QStringLiteral("/a.b/zandrel.neu.bin")),
              QStringLiteral("zandrel.neu"));
}

// Ratios as WCAG's own tools give them: each channel's weight, both branches of the curve, and
// the grey just below and just above the 4.5 the manual keeps to.
TEST(Help, ContrastIsWcagsRatio)
{
    const struct
    {
        const char* why;
        QColor front, back;
        double ratio;
    } cases[] = {
        {"black on white", Qt::black, Qt::white, 21.0},
        {"either order", Qt::white, Qt::black, 21.0},
        {"a colour on itself", QColor(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56), 1.0},
        {"#777777 just fails", QColor(0x77, 0x77, 0x77), Qt::white, 4.478},
        {"#767676 just passes", QColor(0x76, 0x76, 0x76), Qt::white, 4.542},
        {"red's weight", Qt::red, Qt::white, 3.998},
        {"green's weight", Qt::green, Qt::white, 1.372},
        {"blue's weight", Qt::blue, Qt::white, 8.592},
        {"a grey on the curve's straight part", QColor(3, 3, 3), Qt::black, 1.018},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(help::contrast(c.front, c.back), c.ratio, 0.001) << c.why;
}

TEST(Help, EveryTextStandsOutOnALightAndOnADarkPalette)
{
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    // base, text; the other colours stay as they are, as with a theme that sets only these two
    const std::pair<QColor, QColor> palettes[] = {{Qt::white, QColor(20, 20, 20)},
                                                  {QColor(30, 30, 30), QColor(225, 225, 225)}};
    for (const auto& [base, text] : palettes) {
        QPalette palette = before;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // brings the new palette to a help window shown before
        const QTextDocument* page = help::show(help::manualPath())->document();
        QStringList unreadable;
        int pieces = 0;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            const QTextCursor at(block);
            QBrush behind = block.blockFormat().background();
            if (const QTextTable* table = at.currentTable(); table && behind == Qt::NoBrush)
                behind = table->cellAt(at).format().background();
            for (auto it = block.begin(); !it.atEnd(); ++it, ++pieces) {
                const QTextCharFormat format = it.fragment().charFormat();
                const QBrush front = format.foreground(), back = format.background();
                if (help::contrast(front == Qt::NoBrush ? text : front.color(),
                                   back != Qt::NoBrush     ? back.color()
                                   : behind != Qt::NoBrush ? behind.color()
                                                           : base) < 4.5)
                    unreadable << it.fragment().text().left(30);
            }
        }
        EXPECT_GT(pieces, 200);
        EXPECT_EQ(unreadable.size(), 0)
            << (base.name() + u' ' + unreadable.mid(0, 4).join(u'|')).toStdString();
    }
}

} // namespace
