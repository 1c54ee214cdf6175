// Putting the bytes on disk: a failed save leaves the old file, a load is all or nothing.
#include "EntryFileIo.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace entryfile;

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A disk that fills up after `room` bytes: what fits reaches the temporary file, then writes fail.
class FullDiskSaveFile : public QSaveFile
{
public:
    FullDiskSaveFile(const QString& path, qint64 room) : QSaveFile(path), m_room(room) {}

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (len > m_room)
            return -1;
        m_room -= len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_room;
};

TEST(EntryFileIo, SaveReplacesLoadReadsAndFailuresLeaveEverythingAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meldung.mdg"));
    const QByteArray big(300 * 1024, 'x'); // several chunks
    ASSERT_EQ(SaveFile(path, "alt"), SaveResult::Ok);
    ASSERT_EQ(SaveFile(path, big), SaveResult::Ok);
    QByteArray loaded = "unberührt";
    ASSERT_EQ(LoadFile(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded, big);

    FullDiskSaveFile full(path, 100 * 1024);
    EXPECT_EQ(SaveThrough(full, QByteArray(200 * 1024, 'y')), SaveResult::WriteFailed);
    EXPECT_EQ(Bytes(path), big) << "the old file stays";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("meldung.mdg")})
        << "no temporary file is left behind";

    loaded = "unberührt";
    QFile huge(dir.filePath(QStringLiteral("riesig.mdg")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxFileSize + 1));
    huge.close();
    EXPECT_EQ(LoadFile(huge.fileName(), loaded), LoadResult::ReadFailed);
    EXPECT_EQ(loaded, "unberührt");
}

} // namespace
