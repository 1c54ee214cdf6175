// The hidden "Senden" action runs the test mail (tests/mail checks its dialogue) from the window.

#include "DialogFixture.h"
#include "ScriptedServer.h"

#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

TEST_F(DialogTest, SendActionShowsAFailedSmtpConnectAndServesTheWindowMeanwhile)
{
    ScriptedServer pop3({"S:+OK\r\n", "C:USER teilnehmer@example", "S:+OK\r\n",
                         "C:PASS Test-Kennwort-1", "S:+OK\r\n", "C:STAT ", "S:+OK 0 0\r\n",
                         "closed"});
    TestMailSettings settings = defaultTestMailSettings();
    settings.pop3Host = settings.smtpHost = "127.0.0.1";
    settings.pop3Port = pop3.port();
    settings.smtpPort = ScriptedServer({}).port(); // nothing listens there
    open();
    m_dlg->setTestMailSettings(settings);
    bool served = false; // while the action runs, the window is disabled
    QTimer::singleShot(0, m_dlg.get(), [&] { served = !m_dlg->isEnabled(); });
    QStringList shown;
    msgbox::setPresenter([&](QWidget*, const msgbox::Request& r) {
        shown << (QThread::currentThread() == m_dlg->thread() ? r.text : QString());
        return msgbox::Answer::Ok;
    });
    m_dlg->OnSend();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Server cannot be connected")});
    EXPECT_TRUE(served);
    EXPECT_TRUE(m_dlg->isEnabled());
}

TEST(MessageBox, ShowsARefusalAsPlainTextCutShortWithTheWholeUnderDetails)
{
    const QString text = QStringLiteral("554 <a href=\"x\">x</a>") + QString(300, u'y');
    const auto box = msgbox::makeBox(nullptr, {QStringLiteral("Zandrel"), text, {}, {}, {}, {}});
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), text.left(msgbox::kMaxText - 1) + u'…');
    EXPECT_EQ(box->detailedText(), text);
}

TEST(MessageBox, EnterAnswersYesOnlyWhereYesIsTheSafeChoice)
{
    for (const auto& [buttons, safe] :
         {std::pair(msgbox::Buttons::YesNo, QMessageBox::Yes),
          std::pair(msgbox::Buttons::YesNoDefaultNo, QMessageBox::No)}) {
        const auto box = msgbox::makeBox(nullptr, {{}, {}, buttons, {}, {}, {}});
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(safe));
    }
}
