// The hidden "Senden" action of the window against real servers on loopback.

#include "DialogFixture.h"
#include "MailServers.h"
#include "ScriptedServer.h"

TEST_F(DialogTest, SendActionMailsTheTestMessageAndShowsOnlyAFailedSmtpConnect)
{
    MailServers servers;
    Open();
    TestMailSettings settings = servers.settings;
    dlg->SetTestMailSettings(settings);
    dlg->OnSend();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(dlg->isEnabled()) << "input is taken again afterwards";
    EXPECT_TRUE(servers.Delivered().ends_with("\r\nThis is a test message ... \r\n"));

    settings.smtpPort = ScriptedServer({}).port(); // nothing listens there
    dlg->SetTestMailSettings(settings);
    dlg->OnSend();
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Server cannot be connected")});
    EXPECT_TRUE(dlg->isEnabled());
}
