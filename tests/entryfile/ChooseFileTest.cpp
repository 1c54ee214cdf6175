#include "ChooseFile.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

using namespace entryfile;

namespace {

// Installs a presenter that records each request and answers from a script; the real dialog
// comes back when the test ends.
class ChooseFileTest : public ::testing::Test
{
protected:
    void Answer(std::optional<QString> answer)
    {
        SetFilePresenter([this, answer](QWidget* parent, const FileRequest& request) {
            m_requests.append(request);
            m_parents.append(parent);
            return answer;
        });
    }
    void TearDown() override { SetFilePresenter({}); }

    QList<FileRequest> m_requests;
    QList<QWidget*> m_parents;
};

TEST_F(ChooseFileTest, SaveAsksWithTheProposedNameAndRemembersTheFolder)
{
    QWidget window;
    Answer(QStringLiteral("/home/verein/Meldungen/Gauturnfest 2026 TV Musterstadt.mdg"));
    QString folder = QStringLiteral("/home/verein/alt");
    const QString path =
        ChooseFile(&window, true, QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"), folder);

    EXPECT_EQ(path, QStringLiteral("/home/verein/Meldungen/Gauturnfest 2026 TV Musterstadt.mdg"));
    EXPECT_EQ(folder, QStringLiteral("/home/verein/Meldungen"));
    ASSERT_EQ(m_requests.size(), 1);
    const FileRequest& r = m_requests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.title, QStringLiteral("Speichern ..."));
    EXPECT_EQ(r.folder, QStringLiteral("/home/verein/alt"));
    EXPECT_EQ(r.proposedName, QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"));
    EXPECT_EQ(r.filter, QStringLiteral("Meldedatei (*.mdg)"));
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("mdg"));
    EXPECT_EQ(m_parents[0], &window);
}

TEST_F(ChooseFileTest, LoadNeverProposesAName)
{
    Answer(QStringLiteral("/daten/gibtsnicht.mdg"));
    QString folder;
    EXPECT_EQ(ChooseFile(nullptr, false, QStringLiteral("ignoriert.mdg"), folder),
              QStringLiteral("/daten/gibtsnicht.mdg"));
    // The folder is remembered even though the file does not exist: the load reports that.
    EXPECT_EQ(folder, QStringLiteral("/daten"));
    ASSERT_EQ(m_requests.size(), 1);
    EXPECT_FALSE(m_requests[0].save);
    EXPECT_EQ(m_requests[0].title, QStringLiteral("Laden ..."));
    EXPECT_TRUE(m_requests[0].proposedName.isEmpty());
    EXPECT_TRUE(m_requests[0].folder.isEmpty());
}

TEST_F(ChooseFileTest, CancelAndEmptyAnswersLeaveTheFolder)
{
    for (const bool save : {true, false}) {
        QString folder = QStringLiteral("/home/verein");
        Answer(std::nullopt);
        EXPECT_EQ(ChooseFile(nullptr, save, QString(), folder), QStringLiteral("----"));
        EXPECT_EQ(folder, QStringLiteral("/home/verein"));

        Answer(QString());
        const QString path = ChooseFile(nullptr, save, QString(), folder);
        EXPECT_TRUE(path.isEmpty());
        EXPECT_EQ(folder, QStringLiteral("/home/verein"));
    }
}

TEST_F(ChooseFileTest, FileInTheRootFolder)
{
    Answer(QStringLiteral("/meldung.mdg"));
    QString folder = QStringLiteral("/home");
    EXPECT_EQ(ChooseFile(nullptr, true, QString(), folder), QStringLiteral("/meldung.mdg"));
    EXPECT_EQ(folder, QStringLiteral("/"));
}

TEST(FolderOf, PartBeforeTheLastSeparator)
{
    EXPECT_EQ(FolderOf(QStringLiteral("/a/b/c.mdg")), QStringLiteral("/a/b"));
    EXPECT_EQ(FolderOf(QStringLiteral("/c.mdg")), QStringLiteral("/"));
    EXPECT_EQ(FolderOf(QStringLiteral("c.mdg")), QString());
    EXPECT_EQ(FolderOf(QString()), QString());
    EXPECT_EQ(FolderOf(QStringLiteral("/a/b/")), QStringLiteral("/a/b"));
#ifdef Q_OS_WIN
    EXPECT_EQ(FolderOf(QStringLiteral("C:\\x.mdg")), QStringLiteral("C:"));
    EXPECT_EQ(FolderOf(QStringLiteral("C:\\a/b\\x.mdg")), QStringLiteral("C:\\a/b"));
#else
    EXPECT_EQ(FolderOf(QStringLiteral("/a/b\\c.mdg")), QStringLiteral("/a"));
#endif
}

FileRequest Request(bool save, const QString& folder, const QString& name)
{
    return {save,
            save ? QStringLiteral("Speichern ...") : QStringLiteral("Laden ..."),
            folder,
            name,
            QStringLiteral("Meldedatei (*.mdg)"),
            QStringLiteral("mdg")};
}

TEST(FileDialog, SetUpForEntryFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QWidget window;
    for (const bool save : {true, false}) {
        const auto dialog =
            MakeFileDialog(&window, Request(save, dir.path(), QStringLiteral("Vorschlag.mdg")));
        EXPECT_EQ(dialog->windowTitle(),
                  save ? QStringLiteral("Speichern ...") : QStringLiteral("Laden ..."));
        EXPECT_EQ(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Meldedatei (*.mdg)")});
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("mdg"));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->parentWidget(), &window);
        EXPECT_EQ(QDir(dialog->directory()), QDir(dir.path()));
        const QStringList selected = dialog->selectedFiles();
        const bool proposed =
            !selected.isEmpty() && selected.constFirst().endsWith(QStringLiteral("/Vorschlag.mdg"));
        EXPECT_EQ(proposed, save);
    }
}

// Closes the file dialog once the modal loop shows it; event-driven, no waiting on the clock.
template <class Action> void WhenDialogShows(Action action)
{
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(dialog);
                return;
            }
        }
    });
    timer->start();
}

TEST(FileDialog, RealDialogCancelAndTypedNameWithoutSuffix)
{
    SetFilePresenter({});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString folder = dir.path();

    WhenDialogShows([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(ChooseFile(nullptr, true, QStringLiteral("x.mdg"), folder), QStringLiteral("----"));
    EXPECT_EQ(folder, dir.path());

    // A name typed without extension comes back with ".mdg".
    WhenDialogShows([](QFileDialog* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (edit)
            edit->setText(QStringLiteral("Meldung"));
        static_cast<QDialog*>(dialog)->accept(); // protected in QFileDialog
    });
    const QString path = ChooseFile(nullptr, true, QString(), folder);
    EXPECT_EQ(path, QDir(dir.path()).filePath(QStringLiteral("Meldung.mdg")));
    EXPECT_EQ(QDir(folder), QDir(dir.path()));
}

} // namespace
