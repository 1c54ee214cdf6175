// The save that never damages the file it replaces, and the load that takes any file name.
#include "textfile/SafeFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace textfile;

namespace {

// A save whose final rename fails (here: a folder took the target's name meanwhile) is no save.
TEST(SafeFile, SaveCountsOnlyWhenTheNewFileTookTheTargetsPlace)
{
    struct FolderInTheWay : QSaveFile
    {
        using QSaveFile::QSaveFile;
        qint64 writeData(const char* data, qint64 len) override
        {
            QDir().mkpath(fileName());
            return QSaveFile::writeData(data, len);
        }
    };
    QTemporaryDir dir;
    FolderInTheWay file(dir.filePath(QStringLiteral("meldung.mdg")));
    EXPECT_EQ(saveThrough(file, QByteArray(20000, 'x')), SaveResult::WriteFailed);
}

TEST(SafeFile, LoadTellsTooLargeApartAndTakesAnyFileName)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = QFileInfo(dir.path()).filesystemFilePath();
    // A name that is no valid UTF-8, as a Windows zip program leaves it: no QString can name it.
    const std::filesystem::path odd = folder / "Gauturnfest SG M\xfchlbach.mdg";
    {
        std::ofstream(odd, std::ios::binary) << "VEREIN: SG\r\n";
    }
    QByteArray bytes;
    EXPECT_EQ(loadFile(odd, bytes), LoadResult::Ok);
    EXPECT_EQ(bytes, "VEREIN: SG\r\n");
    QFile huge(dir.filePath(QStringLiteral("riesig.mdg")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxFileSize + 1));
    EXPECT_EQ(loadFile(folder / "riesig.mdg", bytes), LoadResult::TooLarge);
    EXPECT_EQ(loadFile(huge.fileName(), bytes), LoadResult::TooLarge);
    EXPECT_EQ(bytes, "VEREIN: SG\r\n");
    std::filesystem::remove(odd); // Qt's removal of the folder cannot name it
}

} // namespace
