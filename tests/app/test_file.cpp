// "Speichern" and "Laden" through the real window, real files in a temporary folder and a
// scripted file dialog.

#include "ChooseFile.h"
#include "DialogFixture.h"
#include "EntryFile.h"

#include <optional>
#include <QFile>

using Id = CEntryDlg::ControlId;

namespace {

struct FileDialogScript
{
    QList<entryfile::FileRequest> requests;
    std::deque<std::optional<QString>> answers;

    FileDialogScript()
    {
        entryfile::SetFilePresenter([this](QWidget*, const entryfile::FileRequest& r) {
            requests << r;
            std::optional<QString> answer;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
            return answer;
        });
    }
    ~FileDialogScript() { entryfile::SetFilePresenter({}); }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FileTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }

    void FillRegistration(const QString& club = QStringLiteral("TV Musterstadt"),
                          const QString& event = QStringLiteral("Gauturnfest"))
    {
        Choose(dlg->m_cbClub, club);
        Choose(dlg->m_cbEvent, event);
        AddParticipant(QStringLiteral("Schmidt"), QStringLiteral("Jonas"), 1996, true);
        AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    }

    QString File(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FileDialogScript fileDialog;
};

TEST_F(FileTest, SavingAnEmptyListOpensNoDialog)
{
    Open();
    Click(Id::IDC_SAVE); // disabled: nothing happens
    dlg->OnSave();
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("Fehler beim Speichern: Meldeliste leer!")});
    EXPECT_TRUE(fileDialog.requests.isEmpty());
}

TEST_F(FileTest, SaveWritesTheRegistrationAndLoadBringsItBack)
{
    Open(1, dir.path());
    FillRegistration();
    ASSERT_EQ(dlg->m_bModified, 1);
    fileDialog.answers = {File(QStringLiteral("meldung.mdg"))};
    Click(Id::IDC_SAVE);
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();

    // The dialog: save, its title, the remembered folder and the automatic name.
    ASSERT_EQ(fileDialog.requests.size(), 1);
    const entryfile::FileRequest& request = fileDialog.requests.front();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, QStringLiteral("Speichern ..."));
    EXPECT_EQ(request.folder, dir.path());
    EXPECT_EQ(
        request.proposedName,
        QStringLiteral("Gauturnfest %1 TV Musterstadt.mdg").arg(entryfile::CurrentLocalYear()));

    const QByteArray expected = "VEREIN: TV Musterstadt \r\n"
                                "VERANSTALTUNG: Gauturnfest \r\n"
                                "Meier,Anna                              ,w,1994\r\n"
                                "Schmidt,Jonas                           ,m,1996\r\n";
    EXPECT_EQ(ReadAll(File(QStringLiteral("meldung.mdg"))), expected);
    EXPECT_EQ(expected.size(), 152);
    EXPECT_EQ(dlg->m_bModified, 0);

    // Saved: "Beenden" closes without a question.
    Click(Id::IDOK_Exit);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(messages.texts.isEmpty());
    dlg.reset();

    Open(0, QString());
    fileDialog.answers = {File(QStringLiteral("meldung.mdg"))};
    Click(Id::IDC_LOAD);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(fileDialog.requests.back().title, QStringLiteral("Laden ..."));
    EXPECT_FALSE(fileDialog.requests.back().save);
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Meier,Anna"), QStringLiteral("Schmidt,Jonas")}));
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(0), 1994 * 2);
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 1996 * 2 + 1);
    EXPECT_EQ(CEntryDlg::SelectedText(dlg->m_cbClub), QStringLiteral("TV Musterstadt"));
    EXPECT_EQ(CEntryDlg::SelectedText(dlg->m_cbEvent), QStringLiteral("Gauturnfest"));
    EXPECT_TRUE(Button(Id::IDC_SAVE)->isEnabled());
    EXPECT_EQ(dlg->m_lbEntries->GetCurSel(), -1);
    EXPECT_EQ(dlg->m_strPath, dir.path()) << "the folder is remembered after OK";
    EXPECT_EQ(dlg->m_bModified, 0) << "a load is no change";
}

TEST_F(FileTest, RoundTripWithTheFirstItemsOfBothLists)
{
    Open();
    const QString club = dlg->m_cbClub->itemText(0);
    const QString event = dlg->m_cbEvent->itemText(0);
    FillRegistration(club, event);
    fileDialog.answers = {File(QStringLiteral("erste.mdg"))};
    dlg->OnSave();
    dlg.reset();
    Open();
    fileDialog.answers = {File(QStringLiteral("erste.mdg"))};
    dlg->OnLoad();
    EXPECT_EQ(dlg->m_cbClub->currentIndex(), 0);
    EXPECT_EQ(dlg->m_cbEvent->currentIndex(), 0);
    EXPECT_TRUE(Button(Id::IDC_SAVE)->isEnabled());
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 2);
}

TEST_F(FileTest, CancelSaysNothingAndAnEmptyNameIsReported)
{
    Open();
    FillRegistration();
    fileDialog.answers = {std::nullopt};
    dlg->OnSave();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(dlg->m_bModified, 1);
    fileDialog.answers = {std::nullopt};
    dlg->OnLoad();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 2);

    fileDialog.answers = {QString()};
    dlg->OnSave();
    fileDialog.answers = {QString()};
    dlg->OnLoad();
    EXPECT_EQ(messages.texts, QStringList(2, QStringLiteral("FEHLER: Ungültiger Dateiname!")));
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 2);
}

TEST_F(FileTest, FailedSavesAndLoadsLeaveEverythingAsItWas)
{
    Open();
    FillRegistration();
    // A folder that does not exist cannot take the file.
    fileDialog.answers = {File(QStringLiteral("fehlt/meldung.mdg"))};
    dlg->OnSave();
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("Meldedatei konnte nicht gespeichert werden!")});
    EXPECT_EQ(dlg->m_bModified, 1);

    // A missing file and a folder are "not found"; the list stays.
    messages.texts.clear();
    fileDialog.answers = {File(QStringLiteral("gibtesnicht.mdg")), dir.path()};
    dlg->OnLoad();
    dlg->OnLoad();
    EXPECT_EQ(messages.texts, QStringList(2, QStringLiteral("FEHLER: Meldedatei nicht gefunden!")));
    EXPECT_EQ(dlg->m_lbEntries->GetCount(), 2);
    EXPECT_EQ(dlg->m_strPath, QFileInfo(dir.path()).path())
        << "the folder is remembered even when the file then cannot be opened";
}

TEST_F(FileTest, LoadingReplacesTheListAndLeavesUnmatchedListsAlone)
{
    Open();
    FillRegistration(QStringLiteral("SG Mühlbach"), QStringLiteral("Gaubergfest"));
    QFile file(File(QStringLiteral("fremd.mdg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Unknown club, event given by a shortened, lower-case prefix, entries out of order and twice.
    file.write("VEREIN: Unbekannter Verein \r\n"
               "VERANSTALTUNG: kinder \r\n"
               "Zorn,Udo                                ,m,1980\r\n"
               "Abel,Ina                                ,w,1981\r\n"
               "Abel,Ina                                ,m,1982\r\n");
    file.close();
    fileDialog.answers = {file.fileName()};
    dlg->OnLoad();
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Abel,Ina"), QStringLiteral("Abel,Ina"),
                                   QStringLiteral("Zorn,Udo")}));
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(0), 1981 * 2);
    EXPECT_EQ(dlg->m_lbEntries->GetItemData(1), 1982 * 2 + 1);
    EXPECT_EQ(CEntryDlg::SelectedText(dlg->m_cbClub), QStringLiteral("SG Mühlbach"));
    EXPECT_EQ(CEntryDlg::SelectedText(dlg->m_cbEvent), QStringLiteral("Kinderturnfest"));
}

TEST_F(FileTest, ARowThatTheFileCannotHoldIsNotSavedSilentlyChanged)
{
    Open();
    FillRegistration();
    dlg->m_lbEntries->AddItem(QStringLiteral("Łukasiewicz,Jan"), 1990 * 2 + 1);
    fileDialog.answers = {File(QStringLiteral("x.mdg"))};
    dlg->OnSave();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Łukasiewicz,Jan")));
    EXPECT_TRUE(fileDialog.requests.isEmpty());
    EXPECT_FALSE(QFile::exists(File(QStringLiteral("x.mdg"))));
    EXPECT_EQ(dlg->m_bModified, 1);
}
