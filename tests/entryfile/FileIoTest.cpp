#include "Entry.h"
#include "EntryFile.h"
#include "EntryFileIo.h"
#include "TestData.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace entryfile;
using entryfile::test::kYear;
using entryfile::test::ReadData;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// A registration big enough to need several writes.
QByteArray ManyEntries(int count)
{
    QList<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.append({QStringLiteral("Nachname%1,Vorname").arg(i), entry::MakeCode(2000, i & 1)});
    return Write(QStringLiteral("TV Musterstadt"), QStringLiteral("Gauturnfest"), entries);
}

// A save file whose disk gives out after `limit` bytes: what fits is really written to the
// temporary file, then the write fails.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString& path, qint64 limit) : QSaveFile(path), m_limit(limit) {}
    qint64 written() const { return m_written; }

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 room = m_limit - m_written;
        if (len <= room) {
            m_written += len;
            return QSaveFile::writeData(data, len);
        }
        if (room > 0)
            m_written += QSaveFile::writeData(data, room);
        return -1;
    }

private:
    qint64 m_limit;
    qint64 m_written = 0;
};

constexpr QFile::Permissions kReadAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// Lets a user other than the owner into a folder (the temporary folder starts as owner-only).
bool OpenForOthers(const QString& folder)
{
    return QFile::setPermissions(folder, kReadAndEnter | QFile::WriteOwner);
}

// Root passes every permission check, and CI runs the tests as root. So the check runs in a child
// process that has given up root for the unprivileged "nobody" account; for an ordinary user it
// simply runs here.
bool RunWithoutRoot(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        constexpr id_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class EntryFileIo : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(EntryFileIo, SaveThenLoadGivesTheSameBytesAndLeavesNoTemporaryFile)
{
    const QString path = Path(QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"));
    const QByteArray bytes = ReadData("umlauts.mdg");
    ASSERT_EQ(SaveFile(path, bytes), SaveResult::Ok);
    EXPECT_EQ(FileBytes(path), bytes);
    EXPECT_EQ(Listing(m_dir.path()), QStringList{QFileInfo(path).fileName()});

    QByteArray loaded = "stale";
    ASSERT_EQ(LoadFile(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded, bytes);

    // Saving over an existing file replaces it, also with a shorter one.
    const QByteArray shorter = ReadData("example.mdg");
    ASSERT_EQ(SaveFile(path, shorter), SaveResult::Ok);
    EXPECT_EQ(FileBytes(path), shorter);
    EXPECT_EQ(Listing(m_dir.path()).size(), 1);
}

TEST_F(EntryFileIo, LargeFileRoundTrip)
{
    const QString path = Path(QStringLiteral("gross.mdg"));
    const QByteArray bytes = ManyEntries(20000);
    ASSERT_EQ(SaveFile(path, bytes), SaveResult::Ok);
    QByteArray loaded;
    ASSERT_EQ(LoadFile(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded, bytes);
    EXPECT_EQ(Read(loaded, kYear).entries.size(), 20000);
}

TEST_F(EntryFileIo, DeviceFailingMidWriteLeavesTheOldFileIntact)
{
    const QString path = Path(QStringLiteral("meldung.mdg"));
    const QByteArray old = ReadData("example.mdg");
    ASSERT_TRUE(PutFile(path, old));

    const QByteArray bytes = ManyEntries(10000); // about 500 KB: several chunks
    for (const qint64 limit : {qint64(0), qint64(1000), qint64(200 * 1024)}) {
        FailingSaveFile file(path, limit);
        EXPECT_EQ(SaveThrough(file, bytes), SaveResult::WriteFailed) << limit;
        EXPECT_LE(file.written(), limit);
    }
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(Listing(m_dir.path()), QStringList{QStringLiteral("meldung.mdg")});

    // The same device with room enough really saves.
    FailingSaveFile roomy(path, bytes.size());
    EXPECT_EQ(SaveThrough(roomy, bytes), SaveResult::Ok);
    EXPECT_EQ(FileBytes(path), bytes);
}

TEST_F(EntryFileIo, DiskFillingUpDuringTheSaveLeavesTheOldFileIntact)
{
    // The file size limit makes the kernel refuse writes past 64 KiB, just as a full disk would
    // (EFBIG instead of ENOSPC); the old file is smaller and stays readable.
    const QString path = Path(QStringLiteral("meldung.mdg"));
    const QByteArray old = ReadData("umlauts.mdg");
    ASSERT_TRUE(PutFile(path, old));

    struct rlimit saved
    {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = SaveFile(path, ManyEntries(10000));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, SaveResult::WriteFailed);
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(Listing(m_dir.path()), QStringList{QStringLiteral("meldung.mdg")});
}

TEST_F(EntryFileIo, SaveIntoAFolderThatCannotTakeFiles)
{
    // /proc takes no new files, not even from root.
    if (!QFileInfo(QStringLiteral("/proc/self")).exists())
        GTEST_SKIP() << "no /proc";
    EXPECT_EQ(SaveFile(QStringLiteral("/proc/zandrel-meldung.mdg"), "x"), SaveResult::CannotOpen);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/zandrel-meldung.mdg")));
    EXPECT_EQ(SaveFile(Path(QStringLiteral("fehlt/meldung.mdg")), "x"), SaveResult::CannotOpen);
}

TEST_F(EntryFileIo, SaveIntoAReadOnlyFolder)
{
    const QString folder = Path(QStringLiteral("nurlesen"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/meldung.mdg");
    ASSERT_TRUE(PutFile(path, "alt"));
    ASSERT_TRUE(OpenForOthers(m_dir.path()));
    ASSERT_TRUE(QFile::setPermissions(folder, kReadAndEnter));
    ASSERT_TRUE(QFile::setPermissions(path, kReadAndEnter));
    EXPECT_TRUE(RunWithoutRoot([&] { return SaveFile(path, "neu") == SaveResult::CannotOpen; }));
    EXPECT_EQ(FileBytes(path), QByteArray("alt"));
    EXPECT_EQ(Listing(folder), QStringList{QStringLiteral("meldung.mdg")});
}

TEST_F(EntryFileIo, SaveOverAReadOnlyFile)
{
    // The folder would allow the replacement, the file itself says no: it stays as it is.
    const QString folder = Path(QStringLiteral("offen"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/meldung.mdg");
    ASSERT_TRUE(PutFile(path, "alt"));
    ASSERT_TRUE(OpenForOthers(m_dir.path()));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
    ASSERT_TRUE(QFile::setPermissions(path, kReadAndEnter));
    EXPECT_TRUE(RunWithoutRoot([&] { return SaveFile(path, "neu") == SaveResult::CannotOpen; }));
    EXPECT_EQ(FileBytes(path), QByteArray("alt"));
    EXPECT_EQ(Listing(folder), QStringList{QStringLiteral("meldung.mdg")});
}

TEST_F(EntryFileIo, LoadOfAMissingFile)
{
    QByteArray bytes = "unchanged";
    EXPECT_EQ(LoadFile(Path(QStringLiteral("gibtsnicht.mdg")), bytes), LoadResult::CannotOpen);
    EXPECT_EQ(LoadFile(QString(), bytes), LoadResult::CannotOpen);
    EXPECT_EQ(bytes, QByteArray("unchanged"));
}

TEST_F(EntryFileIo, LoadOfAFileWithoutReadPermission)
{
    const QString path = Path(QStringLiteral("gesperrt.mdg"));
    ASSERT_TRUE(PutFile(path, ReadData("example.mdg")));
    ASSERT_TRUE(OpenForOthers(m_dir.path()));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    EXPECT_TRUE(RunWithoutRoot([&] {
        QByteArray bytes = "unchanged";
        return LoadFile(path, bytes) == LoadResult::CannotOpen && bytes == "unchanged";
    }));
    // The same file with read permission loads, from the same process.
    ASSERT_TRUE(QFile::setPermissions(path, kReadAndEnter));
    EXPECT_TRUE(RunWithoutRoot([&] {
        QByteArray bytes;
        return LoadFile(path, bytes) == LoadResult::Ok && bytes == ReadData("example.mdg");
    }));
}

TEST_F(EntryFileIo, PathThatIsAFolder)
{
    const QString folder = Path(QStringLiteral("ordner.mdg"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(SaveFile(folder, "x"), SaveResult::CannotOpen);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(Listing(m_dir.path()), QStringList{QStringLiteral("ordner.mdg")});

    QByteArray bytes = "unchanged";
    EXPECT_EQ(LoadFile(folder, bytes), LoadResult::CannotOpen);
    EXPECT_EQ(bytes, QByteArray("unchanged"));
}

TEST_F(EntryFileIo, ReadErrorAfterOpeningLeavesTheBytesAlone)
{
    // The process's own memory file opens fine, but reading at offset 0 (an unmapped address)
    // fails with EIO: a real read error after a successful open.
    if (!QFileInfo(QStringLiteral("/proc/self/mem")).exists())
        GTEST_SKIP() << "no /proc";
    QByteArray bytes = "unchanged";
    EXPECT_EQ(LoadFile(QStringLiteral("/proc/self/mem"), bytes), LoadResult::ReadFailed);
    EXPECT_EQ(bytes, QByteArray("unchanged"));
}

TEST_F(EntryFileIo, FilesBeyondTheSizeLimitAreRefused)
{
    QByteArray bytes = "unchanged";
    // A sparse file: big on paper, nothing on disk.
    const QString path = Path(QStringLiteral("riesig.mdg"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxFileSize + 1));
    }
    EXPECT_EQ(LoadFile(path, bytes), LoadResult::ReadFailed);
    // A device without end is cut off at the limit instead of filling the memory.
    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_EQ(LoadFile(QStringLiteral("/dev/zero"), bytes), LoadResult::ReadFailed);
    }
    EXPECT_EQ(bytes, QByteArray("unchanged"));

    // Exactly at the limit is still a file.
    ASSERT_TRUE(QFile::resize(path, kMaxFileSize));
    EXPECT_EQ(LoadFile(path, bytes), LoadResult::Ok);
    EXPECT_EQ(bytes.size(), kMaxFileSize);
}

// Broken files on disk, loaded and read as the window does.
TEST_F(EntryFileIo, BadFilesLoadToAWellDefinedResult)
{
    const QStringList clubs = {QStringLiteral("TV Musterstadt")};
    const QStringList events = {QStringLiteral("Gauturnfest")};
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 131 + 7) % 251));
    static const char kNul[] = "VEREIN: TV Muster\0stadt\r\nMei\0er,Anna,w,1994\r\n";

    struct Case
    {
        const char* name;
        QByteArray bytes;
        qsizetype entries;
        bool enabled;
    };
    const Case cases[] = {
        {"leer", QByteArray(), 0, false},
        {"ohne-zeilenende", "VEREIN: TV Musterstadt\r\nVERANSTALTUNG: Gauturnfest\r\nA,a,w,2000", 1,
         true},
        {"nur-cr", "VEREIN: TV Musterstadt \rVERANSTALTUNG: Gauturnfest \rA,a,w,2000\rB,b,m,2001\r",
         2, true},
        {"steuerzeichen-1a",
         "VEREIN: TV Musterstadt\r\n\x1aVERANSTALTUNG: Gauturnfest\r\nA,a,w,2000", 0, false},
        {"unbekannter-verein",
         "VEREIN: FC Nirgendwo\r\nVERANSTALTUNG: Gauturnfest\r\nA,a,w,2000\r\n", 1, false},
        {"jahr-mit-buchstaben", "A,a,w,neunzehn\r\nB,b,m,19x9\r\n", 2, false},
        {"nul-bytes", QByteArray(kNul, sizeof kNul - 1), 1, false},
        {"binaer", binary, -1, false},
        {"zeile-10mb", QByteArray(10 * 1024 * 1024, 'y') + "\r\nA,a,w,2000\r\n", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(QString::fromLatin1(c.name) + QStringLiteral(".mdg"));
        ASSERT_TRUE(PutFile(path, c.bytes));
        QByteArray bytes;
        ASSERT_EQ(LoadFile(path, bytes), LoadResult::Ok);
        EXPECT_EQ(bytes, c.bytes);
        const Content content = Read(bytes, kYear);
        if (c.entries >= 0) {
            EXPECT_EQ(content.entries.size(), c.entries);
        }
        for (const Entry& e : content.entries) {
            const int year = entry::YearOf(e.code);
            EXPECT_TRUE(year == -1 || (year > kYear - 100 && year < kYear)) << e.code;
        }
        EXPECT_EQ(MatchHeaders(content.headers, clubs, events).enableEditButtons, c.enabled);
    }
}

} // namespace
