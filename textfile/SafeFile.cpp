#include "textfile/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace textfile {
namespace {

constexpr qsizetype kChunk = 64 * 1024;

// Errors that mean "no room": a full disk, a quota, the process's file size limit.
bool isOutOfRoom(int error)
{
#ifdef EDQUOT
    if (error == EDQUOT)
        return true;
#endif
    return error == ENOSPC || error == EFBIG;
}

// Cancels the save and tells why it failed; errno still holds the failing call's reason.
SaveResult fail(QSaveFile& file)
{
    const int error = errno;
    file.cancelWriting();
    return isOutOfRoom(error) ? SaveResult::DiskFull : SaveResult::WriteFailed;
}

#ifdef Q_OS_WIN
// Opens what the name stands for on Windows: a disk file, a directory, a device (NUL, CON, COM1,
// before Windows 11 also "nul.mdg" in any folder) or a named pipe (\\.\pipe\...);
// INVALID_HANDLE_VALUE when it cannot be opened. With access 0 nothing is read and nothing waits.
HANDLE OpenToInspect(const QString& path, DWORD access)
{
    return CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool IsDiskFile(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}
#endif

// A name that exists but is no regular file (after following links): reading it may block for
// good, replacing it would destroy a pipe or a device node.
bool existsButIsNoFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return true;
#ifdef Q_OS_WIN
    // Device names and pipes are not seen by QFileInfo.
    const HANDLE handle = OpenToInspect(path, 0);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_PIPE_BUSY; // a pipe whose every instance is taken
    const bool noFile = !IsDiskFile(handle);
    CloseHandle(handle);
    return noFile;
#else
    return false;
#endif
}

} // namespace

SaveResult saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return saveThrough(file, bytes);
}

SaveResult saveThrough(QSaveFile& file, QByteArrayView bytes)
{
    // A folder would otherwise only fail at the final rename, after the whole file had been
    // written next to it.
    if (QFileInfo(file.fileName()).isDir())
        return SaveResult::CannotOpen;
    if (existsButIsNoFile(file.fileName()))
        return SaveResult::NotAFile;
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::CannotOpen;
    for (qsizetype pos = 0; pos < bytes.size();) {
        const qsizetype n = std::min(kChunk, bytes.size() - pos);
        errno = 0;
        if (file.write(bytes.data() + pos, n) != n)
            return fail(file);
        pos += n;
    }
    // Small files stay in the device's buffer until commit(), which does not report a failing
    // flush: so flush here, and sync, and only then let the new file take the target's place.
    errno = 0;
    if (!file.flush())
        return fail(file);
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return fail(file);
#endif
#ifdef Q_OS_WIN
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())))) {
        errno = GetLastError() == ERROR_DISK_FULL ? ENOSPC : EIO;
        return fail(file);
    }
#endif
    return file.commit() ? SaveResult::Ok : SaveResult::WriteFailed;
}

LoadResult loadFile(const QString& path, QByteArray& bytes)
{
    return loadFile(QFileInfo(path).filesystemFilePath(), bytes);
}

LoadResult loadFile(const std::filesystem::path& path, QByteArray& bytes)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return LoadResult::NotAFile;
#ifdef Q_OS_UNIX
    QFile file;
    // The type is checked on the opened file too, and the open itself must not wait for a writer
    // should a pipe have taken the name meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return LoadResult::CannotOpen;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? LoadResult::CannotOpen : LoadResult::NotAFile;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return LoadResult::CannotOpen;
    }
#elif defined(Q_OS_WIN)
    // The same on Windows: the opened handle must be a disk file, not a device or a pipe.
    QFile file;
    const HANDLE handle = OpenToInspect(QString::fromStdWString(path.native()), GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_PIPE_BUSY ? LoadResult::NotAFile : LoadResult::CannotOpen;
    if (!IsDiskFile(handle)) {
        BY_HANDLE_FILE_INFORMATION info{};
        const bool folder = GetFileInformationByHandle(handle, &info) &&
                            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        CloseHandle(handle);
        return folder ? LoadResult::CannotOpen : LoadResult::NotAFile;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return LoadResult::CannotOpen;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return LoadResult::CannotOpen;
    }
#else
    QFile file(QString::fromStdWString(path.native()));
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::CannotOpen;
#endif

    QByteArray data;
    const qint64 size = file.size();
    if (size > kMaxFileSize)
        return LoadResult::TooLarge;
    data.reserve(static_cast<qsizetype>(size) + 1);
    // Read until the end rather than trusting size(): files under /proc report 0, and a file may
    // grow while it is read.
    for (;;) {
        const qsizetype have = data.size();
        const qsizetype want = std::max(kChunk, data.capacity() - have);
        data.resize(have + want);
        const qint64 got = file.read(data.data() + have, want);
        if (got < 0)
            return LoadResult::ReadFailed;
        data.resize(have + static_cast<qsizetype>(got));
        if (data.size() > kMaxFileSize)
            return LoadResult::TooLarge;
        if (got == 0)
            break;
    }
    bytes = std::move(data);
    return LoadResult::Ok;
}

} // namespace textfile
