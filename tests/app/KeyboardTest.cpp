// The window by keyboard alone, as a keyboard or screen-reader user registers: real key events
// for Tab, mnemonics, arrow keys, Delete, undo and the menu keys; the club rule as a table.
#include "DialogFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

TEST_F(DialogTest, AParticipantRegisteredAndTakenBackByKeyboardAlone)
{
    open();
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto key = [&](int k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(focused(), static_cast<Qt::Key>(k), mods);
    };
    // Ctrl+P before club and event are chosen says why it does nothing.
    key(Qt::Key_P, Qt::ControlModifier);
    auto* status = m_dlg->findChild<QLabel*>(u"labelStatus"_s);
    EXPECT_EQ(status->text(), u"Drucken… – Erst Verein und Veranstaltung wählen."_s);
    // Club and event come first in the Tab order and have mnemonics; typing completes to an item.
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    EXPECT_EQ(focused(), item(Id::IDC_CLUB));
    // What a screen reader announces there is the field inside the list.
    auto* inner = item<QComboBox>(Id::IDC_CLUB)->lineEdit();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(inner)->text(QAccessible::Name), u"Verein"_s);
    key(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(focused(), item(Id::IDC_EVENT));
    QTest::keyClicks(focused(), u"gauturn"_s);
    key(Qt::Key_V, Qt::AltModifier);
    QTest::keyClicks(focused(), u"SC Wies"_s);
    key(Qt::Key_Tab);
    EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_CLUB)), u"SC Wiesenbach"_s);
    EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_EVENT)), u"Gauturnfest"_s);
    EXPECT_TRUE(item(Id::IDC_SAVE)->isEnabled());

    // The list has an Alt letter of its own.
    key(Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(focused(), item(Id::IDC_ENTRIES));
    key(Qt::Key_V, Qt::AltModifier);
    // Alt with a letter that is no mnemonic types nothing.
    key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(focused(), edit(Id::IDC_FIRSTNAME));
    key(Qt::Key_Q, Qt::AltModifier);
    QTest::keyClicks(focused(), u"Felix"_s);
    key(Qt::Key_Tab);
    QTest::keyClicks(focused(), u"Özdemir"_s);
    key(Qt::Key_Tab);
    QTest::keyClicks(focused(), u"2015"_s);
    // Tab enters the gender group on the checked button; an arrow key checks the other one.
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), item(Id::IDC_FEMALE));
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), item(Id::IDC_ADD)) << "the unchecked button is no Tab stop";
    key(Qt::Key_Backtab);
    key(Qt::Key_Up); // no wrapping round: ↑ on "weiblich" stays there
    EXPECT_TRUE(item<QRadioButton>(Id::IDC_FEMALE)->isChecked());
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_TRUE(item<QRadioButton>(Id::IDC_MALE)->isChecked());
    EXPECT_EQ(focused(), item(Id::IDC_MALE));
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), item(Id::IDC_ADD)) << "one Tab stop for the whole group";
    key(Qt::Key_Z, Qt::AltModifier); // "Hin&zu", pressed with its short animation
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rows().isEmpty(); }, 2000));
    EXPECT_EQ(rows(), QStringList{u"Özdemir,Felix/4031"_s});

    m_fileAnswers = {m_dir.filePath(u"m.mdg"_s)};
    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_fileAnswers.empty(); }, 2000));
    EXPECT_TRUE(status->text().startsWith(u"Gespeichert: m.mdg, "_s))
        << status->text().toStdString();
    EXPECT_EQ(m_dlg->modified(), 0);

    // A selected row says so above the fields; Delete removes it, Ctrl+Z brings it back, and
    // with that the saved state.
    clickRow(0);
    QCoreApplication::processEvents(); // the label follows once the list has settled
    EXPECT_EQ(m_dlg->findChild<QLabel*>(u"labelEditing"_s)->text(),
              u"Eintrag ändern: Özdemir, Felix · männlich"_s);
    key(Qt::Key_Delete);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(m_dlg->modified(), 1);
    EXPECT_EQ(status->text(),
              u"Gespeichert: "_s + status->text().mid(13, 12) + u" · Ungespeicherte Änderungen"_s);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rows(), QStringList{u"Özdemir,Felix/4031"_s});
    EXPECT_EQ(status->text(), u"Rückgängig: Entfernen von „Özdemir,Felix“"_s);
    EXPECT_EQ(m_dlg->modified(), 0);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(rows().isEmpty());

    // Shift+F10 opens the commands wherever the focus is.
    key(Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = m_dlg->findChild<QMenu*>(u"contextMenu"_s);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    // Ctrl+P while nothing can be printed says why.
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(status->text(), u"Drucken… – Die Meldeliste ist leer. · Ungespeicherte Änderungen"_s);

    // Escape, then Enter on the question, keeps the window and its work.
    msgbox::setPresenter([](QWidget* parent, const msgbox::Request& request) {
        const auto box = msgbox::makeBox(parent, request);
        box->show();
        QTest::keyClick(box.get(), Qt::Key_Return);
        return box->clickedButton() == box->button(QMessageBox::Yes) ? msgbox::Answer::Yes
                                                                     : msgbox::Answer::No;
    });
    key(Qt::Key_Escape);
    EXPECT_TRUE(m_dlg->isVisible());
    click(Id::IDOK_Exit);
    EXPECT_TRUE(m_dlg->isVisible());
}

TEST_F(DialogTest, AClubFieldLeftWithATypedTextShowsWhatIsSaved)
{
    open();
    choose(Id::IDC_CLUB, u"SC Wiesenbach"_s);
    auto* club = item<QComboBox>(Id::IDC_CLUB);
    const std::pair<const char16_t*, const char16_t*> typed[] = {
        {u"SV Neustadt", u"SC Wiesenbach"},     // no such club: the chosen one comes back
        {u"", u"SC Wiesenbach"},                // nor is an empty field a choice
        {u"tv musterstadt", u"TV Musterstadt"}, // the one club it names, whatever the case
        {u" SG Mühlbach ", u"SG Mühlbach"},     // blanks around it do not count
        {u"TV", u"SG Mühlbach"},                // a beginning that fits several is no choice
        {u"djk kirchdorf", u"DJK Kirchdorf"},   // the first club of the list as well
        {u"schönau", u"TV Schönau am Bach"},    // part of one club's name: that club
    };
    for (const auto& [text, shown] : typed) {
        club->setFocus();
        club->setEditText(QString::fromUtf16(text));
        edit(Id::IDC_FIRSTNAME)->setFocus();
        EXPECT_EQ(std::pair(club->currentText(), ClubEventChooser::selectedText(club)),
                  std::pair(QString::fromUtf16(shown), QString::fromUtf16(shown)))
            << QString::fromUtf16(text).toStdString();
    }
    // Part of several, or of none: the status line says why nothing was chosen.
    const auto* status = m_dlg->findChild<QLabel*>(u"labelStatus"_s);
    club->setFocus();
    club->setEditText(u"weiler"_s);
    edit(Id::IDC_FIRSTNAME)->setFocus();
    EXPECT_EQ(status->text().section(u" · "_s, 0, 0),
              u"„weiler“ steht in 3 Vereinen (TSV Unterweiler, TV Hasenweiler, TV Oberweiler); "
              u"bitte einen wählen."_s)
        << status->text().toStdString();
    EXPECT_EQ(ClubEventChooser::selectedText(club), u"TV Schönau am Bach"_s);
}

} // namespace

// Enter in a field of the form adds, as a form is sent; a year not typed yet is asked for then,
// and the gender stays for the next child.
TEST_F(DialogTest, EnterInTheFormAdds)
{
    open();
    const auto focused = [] { return QApplication::focusWidget(); };
    retype(Id::IDC_FIRSTNAME, u"Ben"_s);
    retype(Id::IDC_NAME, u"Abel"_s);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(m_messages.texts,
              QStringList{u"FEHLER: Teilnehmerdaten unvollständig!\nDer Jahrgang fehlt."_s});
    click(Id::IDC_MALE);
    retype(Id::IDC_YEAR, u"2016"_s);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(rows(), QStringList{u"Abel,Ben/4033"_s});
    retype(Id::IDC_FIRSTNAME, u"Carl"_s);
    retype(Id::IDC_NAME, u"Abel"_s);
    retype(Id::IDC_YEAR, u"2016"_s);
    item(Id::IDC_MALE)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(rows(), (QStringList{u"Abel,Ben/4033"_s, u"Abel,Carl/4033"_s}));
    EXPECT_EQ(m_messages.texts.size(), 1);
}
