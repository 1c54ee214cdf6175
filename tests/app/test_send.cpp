// The hidden "Senden" action runs the test mail (tests/mail checks its dialogue) from the window.

#include "DialogFixture.h"
#include "ScriptedServer.h"

TEST_F(DialogTest, SendActionShowsAFailedSmtpConnectAndTakesInputAgain)
{
    ScriptedServer pop3({"S:+OK\r\n", "C:USER teilnehmer@example", "S:+OK\r\n",
                         "C:PASS Test-Kennwort-1", "S:+OK\r\n", "C:STAT ", "S:+OK 0 0\r\n",
                         "closed"});
    TestMailSettings settings = DefaultTestMailSettings();
    settings.pop3Host = settings.smtpHost = "127.0.0.1";
    settings.pop3Port = pop3.port();
    settings.smtpPort = ScriptedServer({}).port(); // nothing listens there
    Open();
    dlg->SetTestMailSettings(settings);
    dlg->OnSend();
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Server cannot be connected")});
    EXPECT_TRUE(dlg->isEnabled());
}
