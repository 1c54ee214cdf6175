// Start-up and shut-down around the window: settings, help, about box, German texts, the guard
// of the name fields.

#include "CEntryApp.h"
#include "CInfoDlg.h"
#include "DataExchange.h"
#include "DialogFixture.h"
#include "HelpViewer.h"
#include "NameValidator.h"
#include "Settings.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

using Id = CEntryDlg::ControlId;

TEST_F(DialogTest, FirstStartUsesDefaultsAndWritesBothValuesAtTheEnd)
{
    const CSettings first = CSettings::Read(QCoreApplication::applicationName());
    EXPECT_EQ(first.autoSave, 0);
    EXPECT_TRUE(first.path.isEmpty());
    Open(first.autoSave, first.path);
    EXPECT_FALSE(Item<QCheckBox>(Id::IDC_AUTOSAVE)->isChecked());
    dlg.reset(); // however the window ended, destroying it writes the settings

    QSettings stored = StoredSettings();
    EXPECT_TRUE(stored.contains(QStringLiteral("settings/autoSave")));
    EXPECT_TRUE(stored.contains(QStringLiteral("settings/path")));
    EXPECT_EQ(stored.value(QStringLiteral("settings/autoSave")).toInt(), 0);
    EXPECT_EQ(stored.value(QStringLiteral("settings/path")).toString(), QString());
}

TEST_F(DialogTest, StoredValuesComeBackAndAnOddAutoSaveIsCleared)
{
    CSettings{1, QStringLiteral("/srv/meldungen")}.Write(QCoreApplication::applicationName());
    CSettings read = CSettings::Read(QCoreApplication::applicationName());
    EXPECT_EQ(read.autoSave, 1);
    EXPECT_EQ(read.path, QStringLiteral("/srv/meldungen"));
    Open(read.autoSave, read.path);
    EXPECT_TRUE(Item<QCheckBox>(Id::IDC_AUTOSAVE)->isChecked());
    dlg.reset();

    // A stored 5 shows the box off, and 0 is stored unless the user ticks it.
    CSettings{5, QString()}.Write(QCoreApplication::applicationName());
    read = CSettings::Read(QCoreApplication::applicationName());
    Open(read.autoSave, read.path);
    EXPECT_FALSE(Item<QCheckBox>(Id::IDC_AUTOSAVE)->isChecked());
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_Escape);
    dlg.reset();
    EXPECT_EQ(CSettings::Read(QCoreApplication::applicationName()).autoSave, 0);
}

TEST_F(DialogTest, TheCheckBoxIsStoredAsOfTheLastExchange)
{
    // Ticked, then Escape: no exchange happened, the previous value stays.
    Open(0);
    QTest::mouseClick(Item<QCheckBox>(Id::IDC_AUTOSAVE), Qt::LeftButton);
    ASSERT_TRUE(Item<QCheckBox>(Id::IDC_AUTOSAVE)->isChecked());
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_Escape);
    ASSERT_FALSE(dlg->isVisible());
    dlg.reset();
    EXPECT_EQ(CSettings::Read(QCoreApplication::applicationName()).autoSave, 0);

    // Ticked, then "Beenden": the final exchange takes it.
    Open(0);
    QTest::mouseClick(Item<QCheckBox>(Id::IDC_AUTOSAVE), Qt::LeftButton);
    Click(Id::IDOK_Exit);
    ASSERT_FALSE(dlg->isVisible());
    dlg.reset();
    EXPECT_EQ(CSettings::Read(QCoreApplication::applicationName()).autoSave, 1);

    // The close box after unsaved work and "Yes" still writes the settings.
    Open(1, QStringLiteral("/tmp/x"));
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("Eva"));
    messages.answers = {msgbox::Answer::Yes};
    EXPECT_TRUE(dlg->close());
    dlg.reset();
    const CSettings last = CSettings::Read(QCoreApplication::applicationName());
    EXPECT_EQ(last.autoSave, 1);
    EXPECT_EQ(last.path, QStringLiteral("/tmp/x"));
}

TEST(ApplicationName, IsTheExecutablesBaseName)
{
    EXPECT_EQ(CEntryApp::ApplicationNameFromPath(QStringLiteral("/usr/bin/Zandrel")),
              QStringLiteral("Zandrel"));
    EXPECT_EQ(CEntryApp::ApplicationNameFromPath(QStringLiteral("C:/Programme/Zandrel.EXE")),
              QStringLiteral("Zandrel"));
    EXPECT_EQ(CEntryApp::ApplicationNameFromPath(QStringLiteral("/opt/z/Zandrel.test.bin")),
              QStringLiteral("Zandrel.test"));
}

TEST(GermanTexts, StandardButtonsSpeakGerman)
{
    QTranslator translator;
    CEntryApp::InstallGermanTexts(*QCoreApplication::instance(), translator);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zandrel"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nein"));
    QCoreApplication::removeTranslator(&translator);
}

TEST(MessageBoxService, CaptionIsTheApplicationNameAndTheIconDefaultsToExclamation)
{
    MessageRecorder recorder;
    recorder.Install();
    msgbox::Show(nullptr, QStringLiteral("Hallo"));
    msgbox::Show(nullptr, QStringLiteral("Voll"), msgbox::Buttons::Ok, msgbox::Icon::Stop);
    ASSERT_EQ(recorder.requests.size(), 2);
    EXPECT_EQ(recorder.requests[0].caption, QCoreApplication::applicationName());
    EXPECT_EQ(recorder.requests[0].icon, msgbox::Icon::Default);
    EXPECT_EQ(recorder.requests[1].icon, msgbox::Icon::Stop);
}

TEST(DataExchange, CheckBoxValuesOutsideTheBoxBecomeZero)
{
    EXPECT_EQ(ddx::ClampCheckState(5), 0);
    EXPECT_EQ(ddx::ClampCheckState(-1), 0);
    EXPECT_EQ(ddx::ClampCheckState(1), 1);
    EXPECT_EQ(ddx::ClampCheckState(2), 2);
}

TEST_F(DialogTest, F1AndTheHelpButtonOpenTheManualInAWindowOfItsOwn)
{
    Open();
    help::Destroy();
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_F1, Qt::AltModifier);
    EXPECT_EQ(help::Window(), nullptr) << "F1 with a modifier shows nothing";
    QTest::mouseClick(Button(Id::IDHELP), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(help::Window(), nullptr);

    QTest::keyClick(Edit(Id::IDC_FIRSTNAME), Qt::Key_F1);
    QTextBrowser* window = help::Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->source().toLocalFile(), help::ManualPath());
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Hinzu"))) << "the real manual";
    // The main window does not block it.
    EXPECT_NE(dlg->windowModality(), Qt::ApplicationModal);

    // Scrolled away, the next request starts at the first topic again.
    window->moveCursor(QTextCursor::End);
    window->hide();
    QTest::mouseClick(Button(Id::IDHELP), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->textCursor().position(), 0);
    help::Destroy();
}

TEST_F(DialogTest, AboutItemOpensTheAboutBoxWhichAlsoKnowsF1)
{
    Open();
    help::Destroy();
    QAction* about = dlg->findChild<QAction*>(QStringLiteral("actionAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), QStringLiteral("Inf&o über Zandrel..."));
    EXPECT_TRUE(dlg->actions().contains(about)) << "reachable from the window's context menu";

    QString title, text;
    bool iconShown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<CInfoDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->findChild<QLabel*>(QStringLiteral("aboutText"))->text();
        iconShown = !box->findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().isNull();
        QTest::keyClick(box, Qt::Key_F1);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    about->trigger();
    EXPECT_EQ(title, QStringLiteral("Info über Zandrel"));
    EXPECT_EQ(text, QStringLiteral("Zandrel Version 1.0"));
    EXPECT_TRUE(iconShown);
    ASSERT_NE(help::Window(), nullptr);
    EXPECT_TRUE(help::Window()->isVisible());
    help::Destroy();
}

TEST_F(DialogTest, NameFieldsRefuseCharactersTheEntryFileCannotHold)
{
    Open();
    QLineEdit* first = Edit(Id::IDC_FIRSTNAME);
    Retype(Id::IDC_FIRSTNAME, QStringLiteral("Zoë Müller-Groß €"));
    EXPECT_EQ(first->text(), QStringLiteral("Zoë Müller-Groß €"));

    for (const QString& bad : {QStringLiteral("Ł"), QStringLiteral("ğ"), QStringLiteral("😀")}) {
        QToolTip::hideText();
        TypeText(first, bad);
        EXPECT_EQ(first->text(), QStringLiteral("Zoë Müller-Groß €")) << bad.toStdString();
        EXPECT_TRUE(QToolTip::text().contains(bad)) << QToolTip::text().toStdString();
        EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Windows-1252")));
    }

    // A paste is refused whole, line breaks included; the row written from the field stays clean.
    QLineEdit* name = Edit(Id::IDC_NAME);
    for (const QString& clip :
         {QStringLiteral("Łukasz"), QStringLiteral("Meier\nSchulz"), QStringLiteral("Tab\there")}) {
        QGuiApplication::clipboard()->setText(clip);
        name->clear();
        name->paste();
        EXPECT_EQ(name->text(), QString()) << clip.toStdString();
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("Ödön"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("Ödön"));
}

TEST(NameValidator, FindsTheFirstForbiddenCharacterAsAWholeCodePoint)
{
    EXPECT_EQ(NameValidator::FirstForbidden(u"Ärger ß é € Œ"), 0u);
    EXPECT_EQ(NameValidator::FirstForbidden(u"abc\u0141"), 0x141u);
    EXPECT_EQ(NameValidator::FirstForbidden(u"a\U0001F600"), 0x1F600u);
    EXPECT_EQ(NameValidator::FirstForbidden(u"a\rb"), u'\r');
    EXPECT_EQ(NameValidator::FirstForbidden(u"a\u0081"), 0x81u)
        << "C1 control, though in the table";
    EXPECT_TRUE(NameValidator::Explanation(0x1F600).contains(QString::fromUcs4(U"\U0001F600", 1)));
}
