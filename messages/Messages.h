#pragma once
// Every result that a user must read, turned into German in one place: the loads and saves of
// files, the entry file reader's refusals and the member list's parse errors. The window, the
// import and the gathering say the same sentence where they report the same thing; the limits in
// the sentences come from the constants that enforce them.

#include "EntryFile.h"
#include "MemberList.h"
#include "SafeFile.h"

#include <QString>

namespace messages {

struct Message
{
    QString text;
    bool stop = false; ///< shown with the stop icon (nothing was changed, but something is wrong)
};

/// A path as messages show it: with the platform's separators.
QString Shown(const QString& path);

/// Why a file could not be read. `subject` starts the sentence: the shown path, or "Die Datei"
/// where the path stands beside the message anyway (the gathering's report).
Message LoadFailed(textfile::LoadResult result, const QString& subject);

/// "Laden" of an entry file: the window's own sentences where it has them.
Message EntryFileLoadFailed(textfile::LoadResult result, const QString& path);

/// Why an entry file's content was refused; subject as for LoadFailed.
QString Refused(entryfile::Content::Refusal refusal, const QString& subject);

/// Why saving a file failed: the entry file with the window's own sentence for a file that could
/// not be written, the PDF saying why, and any other file.
Message EntryFileSaveFailed(textfile::SaveResult result, const QString& path);
Message PdfSaveFailed(textfile::SaveResult result, const QString& path);
Message SaveFailed(textfile::SaveResult result, const QString& path);

/// Why a file gives no member list; empty for ParseError::None.
QString MemberListUnusable(memberlist::ParseError error, const QString& path);

/// An import that would make the list longer than a load accepts.
QString ImportTooMany();

} // namespace messages
