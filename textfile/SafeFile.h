#pragma once
// Putting a file's bytes on disk and getting them back, for every file the program writes or
// reads (entry files, member lists, PDFs, gathered lists). A save never damages the file it
// replaces: everything goes to a temporary file in the same folder first, which takes the
// target's place only when it is completely written, flushed and synced. A load reads the whole
// file before anything is handed on, so a read error cannot leave a half-filled list.

#include <filesystem>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QSaveFile;

namespace textfile {

enum class SaveResult
{
    Ok,
    CannotOpen,  ///< the file could not be created (folder missing or read-only, path is a folder)
    NotAFile,    ///< the target exists but is no regular file (a pipe, a device): left alone
    DiskFull,    ///< the disk (or the user's file size limit) ran out; the old file is unchanged
    WriteFailed, ///< writing, flushing, syncing or replacing failed otherwise; the old file stays
};

/// Ok only when every byte is in the new file and on the disk.
SaveResult saveFile(const QString& path, const QByteArray& bytes);

/// The core of SaveFile on a save file that the caller made (tests hand in one that fails).
/// The file must not be open yet.
SaveResult saveThrough(QSaveFile& file, QByteArrayView bytes);

enum class LoadResult
{
    Ok,
    CannotOpen, ///< missing, not readable, or a folder
    NotAFile,   ///< a pipe, a device or a socket: never opened for reading, it could block for good
    ReadFailed, ///< a read error; `bytes` is left alone
    TooLarge,   ///< more than kMaxFileSize bytes; `bytes` is left alone
};

/// No registration comes anywhere near this (100,000 entries take about 5 MB); the limit stops a
/// device file or a huge unrelated file from eating all memory.
inline constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

/// Reads the whole file into `bytes`, which changes only when the result is Ok. A name as the
/// system spells it: on Linux a file name is any bytes, and one that is not valid UTF-8 (made by
/// a Windows zip program, say) cannot be named by a QString.
LoadResult loadFile(const std::filesystem::path& path, QByteArray& bytes);
/// The same by a QString.
LoadResult loadFile(const QString& path, QByteArray& bytes);

} // namespace textfile
