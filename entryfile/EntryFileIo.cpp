#include "EntryFileIo.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace entryfile {
namespace {

constexpr qsizetype kChunk = 64 * 1024;

} // namespace

SaveResult SaveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return SaveThrough(file, bytes);
}

SaveResult SaveThrough(QSaveFile& file, QByteArrayView bytes)
{
    // Writing "into" a folder would otherwise only fail at the final rename, after the whole
    // file had been written next to it.
    if (QFileInfo(file.fileName()).isDir())
        return SaveResult::CannotOpen;
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::CannotOpen;
    for (qsizetype pos = 0; pos < bytes.size();) {
        const qsizetype n = std::min(kChunk, bytes.size() - pos);
        if (file.write(bytes.data() + pos, n) != n) {
            // Not committed: the temporary file goes, the target stays as it was.
            file.cancelWriting();
            return SaveResult::WriteFailed;
        }
        pos += n;
    }
    return file.commit() ? SaveResult::Ok : SaveResult::WriteFailed;
}

LoadResult LoadFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::CannotOpen;

    QByteArray data;
    if (!file.isSequential()) {
        const qint64 size = file.size();
        if (size > kMaxFileSize)
            return LoadResult::ReadFailed;
        data.reserve(static_cast<qsizetype>(size) + 1);
    }
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
            return LoadResult::ReadFailed;
        if (got == 0)
            break;
    }
    bytes = std::move(data);
    return LoadResult::Ok;
}

} // namespace entryfile
