// "An Veranstalter senden…" in the window: it needs a registration to send, saves the entry file
// as "Speichern" does, writes the form beside it, and hands both to the default mail program; when
// there is none, a new mail, the folder and a message take its place.
#include "DialogFixture.h"
#include "entryfile/EntryFile.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#ifndef Q_OS_WIN
#include "FakeMailDesktop.h"
#endif

using namespace Qt::StringLiterals;

class OrganiserTest : public DialogTest
{
protected:
    // An event file with the organiser's address and account, the window with a contact person
    // and automatic names, club and event chosen.
    void openWithEvent()
    {
        const QString aus = m_dir.filePath(u"fest.aus"_s);
        QFile file(aus);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("FORMAT: Zandrel-Ausschreibung 1\n"
                   "VERANSTALTER: Turngau Musterland; Eva Ober; meldung@turngau-musterland.de\n"
                   "VERANSTALTUNG: Gauturnfest 2099; 03.07.2099; Talhausen; 01.06.2099; 5,50; "
                   "2015-2021\n"
                   "VEREIN: TV Musterstadt; 1001\n"
                   "KONTO: DE02 1203 0000 0000 2020 51; Turngau Musterland e. V.; Meldegeld "
                   "{Verein}\n");
        file.close();
        m_dlg = std::make_unique<CEntryDlg>();
        m_dlg->applySettings(
            {1, {}, aus, {u"Eva Muster"_s, u"eva@tv-musterstadt.de"_s, u"0711 1234"_s}});
        m_dlg->OnInitDialog();
        m_dlg->show();
        m_dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
        choose(Id::IDC_CLUB, u"TV Musterstadt"_s);
        choose(Id::IDC_EVENT, u"Gauturnfest 2099"_s);
        QDir(m_dir.path()).mkdir(u"Meine Meldungen"_s);
        m_entryFile = m_dir.filePath(u"Meine Meldungen/Gauturnfest 2099 TV Musterstadt.mdg"_s);
    }
    QPushButton* sendButton() const
    {
        return m_dlg->findChild<QPushButton*>(u"buttonSendToOrganiser"_s);
    }
    QString status() const { return m_dlg->findChild<QLabel*>(u"labelStatus"_s)->text(); }
    /// Waits for the status line to say `text`.
    bool statusBecomes(const QString& text) const
    {
        return QTest::qWaitFor([&] { return status() == text; }, 20000);
    }

    QString m_entryFile;
};

TEST_F(OrganiserTest, NothingIsSentWithoutARegistrationAndTheButtonOnlyWithAnEventFile)
{
    open();
    EXPECT_FALSE(sendButton()->isVisible());
    m_dlg.reset();
    openWithEvent();
    EXPECT_TRUE(sendButton()->isVisible());
    QCoreApplication::processEvents(); // the commands follow the list once it has settled
    const QString empty =
        u"An Veranstalter senden… – Die Meldeliste ist leer. · Ungespeicherte Änderungen"_s;
    QTest::mouseClick(sendButton(), Qt::LeftButton);
    EXPECT_EQ(status(), empty);
    m_dlg->findChild<QLabel*>(u"labelStatus"_s)->clear();
    QTest::keyClick(m_dlg.get(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(status(), empty);
    EXPECT_TRUE(m_fileRequests.isEmpty());
    m_messages.answers.push_back(msgbox::Answer::Yes); // the event goes with the event file
    m_dlg->findChild<QAction*>(u"actionCloseInvitation"_s)->trigger();
    EXPECT_FALSE(sendButton()->isVisible());
}

#ifndef Q_OS_WIN

TEST_F(OrganiserTest, BothFilesGoToTheDefaultMailProgramAddressedToTheOrganiser)
{
    FakeMailDesktop desktop;
    desktop.install(u"thunderbird.desktop"_s, u"thunderbird"_s, u"Thunderbird"_s, u"%p %u"_s);
    openWithEvent();
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    addParticipant(u"Abel"_s, u"Kai"_s, 2017, true);
    m_fileAnswers.emplace_back(m_entryFile);
    QCoreApplication::processEvents();
    QTest::keyClick(m_dlg.get(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(
        statusBecomes(u"An meldung@turngau-musterland.de übergeben: Mailprogramm geöffnet"_s))
        << status().toStdString();

    // Saved as "Speichern" saves, with its dialog and proposed name; the form beside it.
    EXPECT_EQ(m_fileRequests.last().proposedName, u"Gauturnfest 2099 TV Musterstadt.mdg"_s);
    EXPECT_EQ(m_dlg->modified(), 0);
    QFile entryFile(m_entryFile);
    ASSERT_TRUE(entryFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(entryFile.readAll(),
              entryfile::write(u"TV Musterstadt"_s, u"Gauturnfest 2099"_s, m_dlg->entries()));
    const QString pdf = QString(m_entryFile).replace(u".mdg"_s, u".pdf"_s);
    QFile form(pdf);
    ASSERT_TRUE(form.open(QIODevice::ReadOnly));
    EXPECT_TRUE(form.readAll().startsWith("%PDF"));

    const QString url = QUrl::fromLocalFile(m_entryFile).toString(QUrl::FullyEncoded);
    EXPECT_EQ(
        desktop.arguments(u"thunderbird"_s),
        (QStringList{
            u"-compose"_s,
            u"to='meldung@turngau-musterland.de',subject='Meldung TV Musterstadt – Gauturnfest "
            u"2099',body='Guten Tag,\n\nanbei die Meldung von TV Musterstadt für Gauturnfest 2099: "
            u"2 Teilnehmer (1 weiblich, 1 männlich).\nMeldegeld: 2 Teilnehmer × 5,50 € = 11,00 €\n"
            u"Überweisung an Turngau Musterland e. V., IBAN DE02 1203 0000 0000 2020 51, "
            u"Verwendungszweck: Meldegeld TV Musterstadt\n\nAngehängt sind die Meldedatei "
            u"„Gauturnfest 2099 TV Musterstadt.mdg“ und der Meldebogen „Gauturnfest 2099 TV "
            u"Musterstadt.pdf“.\n\nAnsprechpartner: Eva Muster, eva@tv-musterstadt.de, 0711 "
            u"1234\n\n"
            u"Mit freundlichen Grüßen\nEva Muster\nTV Musterstadt',attachment='"_s +
                url + u","_s + QString(url).replace(u".mdg"_s, u".pdf"_s) + u"'"_s}));
}

// A registration saved (or loaded) before is sent as that file: no second name is asked for, it
// is saved again only once it changed, and its form is named like it, also by "Als PDF
// speichern…".
TEST_F(OrganiserTest, SendingASavedRegistrationAsksNoNameAgainAndWritesOneForm)
{
    FakeMailDesktop desktop;
    desktop.install(u"thunderbird.desktop"_s, u"thunderbird"_s, u"Thunderbird"_s, u"%p %u"_s);
    openWithEvent();
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    const QString saved = m_dir.filePath(u"Meine Meldungen/Meldung TVM.mdg"_s);
    m_fileAnswers.emplace_back(saved);
    click(Id::IDC_SAVE);
    ASSERT_TRUE(QFileInfo::exists(saved));
    const qsizetype asked = m_fileRequests.size();
    const QString handed = u"An meldung@turngau-musterland.de übergeben: Mailprogramm geöffnet"_s;
    for (const bool changed : {false, true}) {
        if (changed)
            addParticipant(u"Abel"_s, u"Kai"_s, 2017, true);
        m_dlg->findChild<QLabel*>(u"labelStatus"_s)->clear();
        QTest::mouseClick(sendButton(), Qt::LeftButton);
        ASSERT_TRUE(statusBecomes(handed)) << status().toStdString();
        EXPECT_EQ(m_fileRequests.size(), asked) << "no dialog";
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().contains("Abel,Kai"), changed);
        EXPECT_EQ(QDir(m_dir.filePath(u"Meine Meldungen"_s)).entryList({u"*.pdf"_s}),
                  QStringList{u"Meldung TVM.pdf"_s});
    }
    m_dlg->findChild<QAction*>(u"actionPdf"_s)->trigger();
    ASSERT_EQ(m_fileRequests.size(), asked + 1);
    EXPECT_EQ(m_fileRequests.last().proposedName, u"Meldung TVM.pdf"_s);
}

// Without a mail program the fallback opens a new mail and the folder, and says so only where
// the desktop opened them: where it opens nothing, the box says that too and offers the mail's
// address, subject and text to copy.
TEST_F(OrganiserTest, WithoutAMailProgramTheFallbackSaysOnlyWhatOpened)
{
    FakeMailDesktop desktop; // no mail program set up
    desktop.installXdgOpen();
    openWithEvent();
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    m_fileAnswers.emplace_back(m_entryFile);
    QTest::mouseClick(sendButton(), Qt::LeftButton);
    ASSERT_TRUE(statusBecomes(
        u"An meldung@turngau-musterland.de: neue Mail geöffnet, Dateien bitte selbst anhängen"_s))
        << status().toStdString();

    const QString folder = QFileInfo(m_entryFile).absolutePath();
    EXPECT_EQ(m_messages.texts,
              QStringList{u"Es ist kein Mailprogramm als Standard eingerichtet.\n\nEine neue Mail "
                          u"an meldung@turngau-musterland.de ist geöffnet. Bitte hängen Sie diese "
                          u"zwei Dateien an:\n„Gauturnfest 2099 TV Musterstadt.mdg“\n„Gauturnfest "
                          u"2099 TV Musterstadt.pdf“\n\nDer Ordner „"_s +
                          folder + u"“ ist geöffnet."_s});
    EXPECT_EQ(m_messages.copies, QStringList{QString()}) << "the mail has it all";
    const QStringList links = desktop.openedLinks();
    ASSERT_EQ(links.size(), 2);
    const QUrl mail(links.at(0));
    EXPECT_EQ(mail.scheme(), u"mailto"_s);
    EXPECT_EQ(mail.path(), u"meldung@turngau-musterland.de"_s);
    EXPECT_TRUE(
        mail.query(QUrl::FullyDecoded)
            .startsWith(u"subject=Meldung TV Musterstadt – Gauturnfest 2099&body=Guten "_s));
    EXPECT_EQ(QUrl(links.at(1)), QUrl::fromLocalFile(folder));

    // A desktop where xdg-open finds nothing ("no method available").
    desktop.installXdgOpen(3);
    m_messages.texts.clear();
    m_messages.copies.clear();
    QTest::mouseClick(sendButton(), Qt::LeftButton);
    ASSERT_TRUE(statusBecomes(u"Kein Mailprogramm: Meldung bitte selbst senden"_s))
        << status().toStdString();
    ASSERT_EQ(m_messages.texts.size(), 1);
    const QString& text = m_messages.texts.first();
    EXPECT_FALSE(text.contains(u"geöffnet"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Sie liegen im Ordner „"_s + folder + u"“."_s))
        << text.toStdString();
    const QString copy = m_messages.copies.value(0);
    EXPECT_TRUE(copy.startsWith(u"An: meldung@turngau-musterland.de\nBetreff: Meldung TV "
                                u"Musterstadt – Gauturnfest 2099\n\nGuten Tag,\n"_s))
        << copy.toStdString();

    // The real box: its text can be selected, and "Kopieren" copies without closing it.
    msgbox::Request request;
    request.text = text;
    request.copyText = copy;
    const std::unique_ptr<QMessageBox> box = msgbox::makeBox(m_dlg.get(), request);
    box->show();
    auto* button = box->findChild<QPushButton*>(u"copyButton"_s);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), u"&Kopieren"_s);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copy);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

#endif
