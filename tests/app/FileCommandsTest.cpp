// "Speichern" and "Laden" through the real window, with real files and a scripted file dialog.
#include "DialogFixture.h"
#include "entryfile/EntryFile.h"
#include "textfile/SafeFile.h"

#include <csignal>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTreeView>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray golden()
{
    return bytes(QStringLiteral(ZANDREL_TEST_DATA_DIR "/example.mdg"));
}

TEST_F(DialogTest, SaveWritesTheRegistrationAndLoadReplacesTheList)
{
    open(1, m_dir.path());
    choose(Id::IDC_CLUB, QStringLiteral("TV Musterstadt"));
    choose(Id::IDC_EVENT, QStringLiteral("Gauturnfest"));
    addParticipant(QStringLiteral("Schmidt"), QStringLiteral("Jonas"), 1996, true);
    addParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    const QString saved = m_dir.filePath(QStringLiteral("sub/meldung.mdg"));
    QDir(m_dir.path()).mkdir(QStringLiteral("sub"));
    m_fileAnswers = {saved};
    click(Id::IDC_SAVE);
    EXPECT_EQ(bytes(saved), golden());
    ASSERT_EQ(m_fileRequests.size(), 1);
    EXPECT_EQ(m_fileRequests[0].proposedName,
              QStringLiteral("Gauturnfest %1 TV Musterstadt.mdg").arg(QDate::currentDate().year()));
    EXPECT_EQ(m_fileRequests[0].folder, m_dir.path());
    EXPECT_EQ(m_dlg->currentSettings().path, m_dir.filePath(QStringLiteral("sub")));

    // Loading replaces the list and chooses club and event from the file's headers.
    open();
    addParticipant(QStringLiteral("Vorher"), QStringLiteral("Da"), 1990);
    const QString other = m_dir.filePath(QStringLiteral("andere.mdg"));
    textfile::saveFile(
        other, golden().replace("TV Musterstadt", "sg m\xFChl").replace("Gauturnfest", "Kinder"));
    m_messages.answers = {msgbox::Answer::Yes}; // the typed participant may go
    m_fileAnswers = {other};
    click(Id::IDC_LOAD);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("Meier,Anna/3988"),
                                   QStringLiteral("Schmidt,Jonas/3993")}));
    EXPECT_EQ(item<QComboBox>(Id::IDC_CLUB)->currentText(), QStringLiteral("SG Mühlbach"));
    EXPECT_EQ(item<QComboBox>(Id::IDC_EVENT)->currentText(), QStringLiteral("Kinderturnfest"));
    EXPECT_TRUE(item(Id::IDC_SAVE)->isEnabled());
    EXPECT_EQ(m_messages.texts,
              QStringList{QStringLiteral("Ungespeicherte Änderungen verwerfen?")});
}

TEST_F(DialogTest, FailedOrCancelledSavesAndLoadsSayWhyAndChangeNothing)
{
    open();
    choose(Id::IDC_CLUB, QStringLiteral("TV Musterstadt"));
    choose(Id::IDC_EVENT, QStringLiteral("Gauturnfest"));
    click(Id::IDC_SAVE);
    EXPECT_TRUE(m_fileRequests.isEmpty()) << "an empty list opens no dialog";
    // A small registration (it stays in the write buffer until the end) onto a disk that takes
    // only a hundred bytes more.
    for (int i = 0; i < 14; ++i)
        model()->addSorted(QStringLiteral("Teilnehmer%1,Vorname").arg(i), entry::makeCode(2000, 0));
    // Paths with the platform's separators, as the messages show them.
    const QString target = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("meldung.mdg")));
    ASSERT_EQ(textfile::saveFile(target, "alt"), textfile::SaveResult::Ok);
#ifdef Q_OS_WIN
    // Windows has no per-process file size limit to stand in for a full disk, and a folder holds
    // no FIFO: a named pipe is the name that must not be written to or read from there.
    const QString fifo = QStringLiteral("\\\\.\\pipe\\zandrel-test-%1").arg(GetCurrentProcessId());
    const HANDLE pipe =
        CreateNamedPipeW(reinterpret_cast<LPCWSTR>(fifo.utf16()), PIPE_ACCESS_DUPLEX,
                         PIPE_TYPE_BYTE, PIPE_UNLIMITED_INSTANCES, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    m_fileAnswers = {std::nullopt, QString(), m_dir.path(), fifo};
    for (int i = 0; i < 4; ++i)
        click(Id::IDC_SAVE);
#else
    rlimit saved{}, small{100, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &saved);
    small.rlim_max = saved.rlim_max;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a signal
    setrlimit(RLIMIT_FSIZE, &small);
    const QString fifo = m_dir.filePath(QStringLiteral("pipe.mdg"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    m_fileAnswers = {std::nullopt, QString(), m_dir.path(), fifo, target};
    for (int i = 0; i < 5; ++i)
        click(Id::IDC_SAVE);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
#endif
    EXPECT_EQ(bytes(target), "alt");
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("*.mdg*")}, QDir::Files),
              QStringList{QStringLiteral("meldung.mdg")})
        << "no temporary file left behind";
    EXPECT_EQ(m_dlg->modified(), 1);
    m_fileAnswers = {target};
    click(Id::IDC_SAVE); // with room again; the loads below then ask nothing
    // No registration comes near 64 MB; a file that big is refused before anything changes.
    QFile huge(m_dir.filePath(QStringLiteral("riesig.mdg")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(textfile::kMaxFileSize + 1));
    const QString binary = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("bild.mdg"))),
                  many = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("viele.mdg")));
    textfile::saveFile(binary, QByteArray("VEREIN: \0\0", 10));
    textfile::saveFile(many, QByteArray(",,,\n").repeated(entryfile::kMaxEntries + 1));
    m_fileAnswers = {m_dir.filePath(QStringLiteral("fehlt.mdg")), huge.fileName(), fifo, binary,
                     many};
    for (int i = 0; i < 5; ++i)
        click(Id::IDC_LOAD);
    EXPECT_EQ(list()->GetCount(), 14);
    // A full disk can be simulated on Linux only.
    const QStringList expected =
        QStringList{QStringLiteral("Fehler beim Speichern: Meldeliste leer!"),
                    QStringLiteral("FEHLER: Ungültiger Dateiname!"),
                    QStringLiteral("Meldedatei konnte nicht gespeichert werden!"),
                    fifo + QStringLiteral(" ist keine gewöhnliche Datei und wird nicht "
                                          "überschrieben. Bitte wählen Sie einen anderen "
                                          "Namen."),
#ifndef Q_OS_WIN
                    QStringLiteral("Beim Zugriff auf %1 wurde ein voller Datenträger "
                                   "gemeldet.")
                        .arg(target),
#endif
                    QStringLiteral("FEHLER: Meldedatei nicht gefunden!"),
                    QDir::toNativeSeparators(huge.fileName()) +
                        QStringLiteral(" ist größer als 64 MB und wird nicht gelesen: So "
                                       "groß ist keine Meldedatei und keine "
                                       "Mitgliederliste."),
                    fifo + QStringLiteral(" ist keine gewöhnliche Datei und wird nicht "
                                          "gelesen."),
                    binary + QStringLiteral(" ist keine Meldedatei: Sie enthält Zeichen, "
                                            "die in keiner Textdatei stehen."),
                    many + QStringLiteral(" wird nicht geladen: Sie enthält mehr als "
                                          "100.000 Einträge und ist keine Meldedatei "
                                          "eines Vereins.")};
    EXPECT_EQ(m_messages.texts, expected) << m_messages.texts.join(u'\n').toStdString();
#ifdef Q_OS_WIN
    CloseHandle(pipe);
#endif
}

} // namespace

TEST_F(DialogTest, NoSaveOfAFileThatLadenWouldRefuseAndNoLoadOfAFileThatIsNoEntryFile)
{
    open();
    choose(Id::IDC_CLUB, QStringLiteral("TV Musterstadt"));
    choose(Id::IDC_EVENT, QStringLiteral("Gauturnfest"));
    model()->addSorted(QList<EntryRow>(entry::kMaxEntries + 1, {QStringLiteral("X,Y"), 4000}));
    const QString target = m_dir.filePath(QStringLiteral("zu-viele.mdg"));
    m_fileAnswers = {target};
    click(Id::IDC_SAVE);
    EXPECT_EQ(m_messages.texts,
              QStringList{QDir::toNativeSeparators(target) +
                          QStringLiteral(" wird nicht gespeichert: Sie hätte mehr als "
                                         "100.000 Einträge und ließe sich nicht wieder "
                                         "laden. Die Änderungen gelten weiter als "
                                         "ungespeichert.")});
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(m_dlg->modified(), 1);

    // A member list is no entry file, although its lines have commas: nothing is loaded.
    m_messages.texts.clear();
    const QString list = m_dir.filePath(QStringLiteral("liste.csv"));
    ASSERT_EQ(textfile::saveFile(list, "Name,Vorname,Jahrgang,Geschlecht\r\nMeier,Anna,1990,w\r\n"),
              textfile::SaveResult::Ok);
    m_dlg->loadPath(list);
    EXPECT_EQ(m_messages.texts, QStringList{QDir::toNativeSeparators(list) +
                                            QStringLiteral(" ist keine Meldedatei: Sie enthält "
                                                           "weder „VEREIN:“ noch "
                                                           "„VERANSTALTUNG:“.")});
    EXPECT_EQ(this->list()->GetCount(), entry::kMaxEntries + 1);
}

TEST(FileDialog, DetailViewWritesSizesAndDatesInGerman)
{
    // The suite runs under LC_ALL=C.UTF-8, where Qt's file model alone writes "5 Mar 2024".
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("meldung.mdg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1536, 'x'));
    file.flush(); // or the write at close() would make the file new again
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 2)),
                                 QFileDevice::FileModificationTime));
    file.close();
    filedlg::FileRequest request;
    request.folder = folder.path();
    const std::unique_ptr<QFileDialog> dialog = filedlg::makeFileDialog(nullptr, request);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->show();
    const auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    const auto cell = [view](int column) {
        return view->model()->index(0, column, view->rootIndex()).data().toString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !cell(3).isEmpty(); }, 5000));
    EXPECT_EQ(cell(3), QStringLiteral("05.03.24 14:02"));
    EXPECT_EQ(cell(1), QStringLiteral("1,50 KiB"));
}

TEST(FileDialog, ReturnOnTheAutomaticNameSavesRightInTheFolderShown)
{
    // An event file named the event "../../Anderswo/Fest 2027": the proposed name must not lead
    // the save out of the folder, whatever the dialog makes of it.
    QTemporaryDir folder;
    filedlg::FileRequest request;
    request.save = true;
    request.folder = folder.path();
    request.proposedName = entryfile::automaticName(QStringLiteral("../../Anderswo/Fest 2027"),
                                                    2027, QStringLiteral("TV A"));
    request.filter = QStringLiteral("Meldedatei (*.mdg)");
    request.defaultSuffix = QStringLiteral("mdg");
    const std::unique_ptr<QFileDialog> dialog = filedlg::makeFileDialog(nullptr, request);
    dialog->show();
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const QFileInfo saved(
        QDir::cleanPath(QFileInfo(dialog->selectedFiles().value(0)).absoluteFilePath()));
    EXPECT_EQ(saved.dir().canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(saved.fileName(), QStringLiteral("___.._Anderswo_Fest 2027 2027 TV A.mdg"));
}
