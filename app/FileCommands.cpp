// Saving and loading the entry file: the window's side of it. The format itself and the disk
// access live in entryfile/ and textfile/, free of widgets.

#include "app/ChooseFile.h"
#include "app/Commands.h"
#include "app/MessageBox.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"

#include <QFileInfo>

namespace commands {
namespace {

void Show(QWidget* parent, const messages::Message& message)
{
    msgbox::Show(parent, message.text, msgbox::Buttons::Ok,
                 message.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
}

} // namespace

std::optional<QString> SaveEntryFile(QWidget* parent, EntryDocument& document, bool automaticName,
                                     QString& folder)
{
    if (document.Count() <= 0) {
        msgbox::Show(parent, messages::NothingToSave());
        return std::nullopt;
    }
    // Every row holds Windows-1252 characters only: the name fields refuse others as they are
    // typed, the import leaves them out, and the reader folds them to '?' as it loads.
    const QString proposed =
        automaticName ? entryfile::AutomaticName(document.Event(), entryfile::CurrentLocalYear(),
                                                 document.Club())
                      : QString();
    const QString path = filedlg::ChooseFile(parent, true, proposed, folder);
    if (path.isEmpty()) {
        msgbox::Show(parent, messages::InvalidFileName());
        return std::nullopt;
    }
    if (path == filedlg::kCancelled)
        return std::nullopt;

    // A file that "Laden" would refuse is no saved registration: nothing is written.
    const QByteArray bytes =
        entryfile::Write(document.Club(), document.Event(), document.Entries());
    if (const entryfile::Unloadable why = entryfile::CheckLoadable(bytes);
        why != entryfile::Unloadable::None) {
        msgbox::Show(parent, messages::Unsavable(why, path), msgbox::Buttons::Ok,
                     msgbox::Icon::Stop);
        return std::nullopt;
    }
    const textfile::SaveResult saved = textfile::SaveFile(path, bytes);
    if (saved != textfile::SaveResult::Ok) {
        Show(parent, messages::EntryFileSaveFailed(saved, path));
        return std::nullopt;
    }
    document.MarkSaved();
    return path;
}

std::optional<QString> ChooseEntryFileToLoad(QWidget* parent, QString& folder)
{
    const QString path = filedlg::ChooseFile(parent, false, QString(), folder);
    if (path.isEmpty()) {
        msgbox::Show(parent, messages::InvalidFileName());
        return std::nullopt;
    }
    if (path == filedlg::kCancelled)
        return std::nullopt;
    return path;
}

std::optional<entryfile::HeaderSelection> LoadEntryFile(QWidget* parent, EntryDocument& document,
                                                        const QString& path,
                                                        const QStringList& clubs,
                                                        const QStringList& events)
{
    QByteArray bytes;
    if (const textfile::LoadResult loaded = textfile::LoadFile(path, bytes);
        loaded != textfile::LoadResult::Ok) {
        Show(parent, messages::EntryFileLoadFailed(loaded, path));
        return std::nullopt;
    }
    entryfile::Content content = entryfile::Read(bytes, entry::CurrentUtcYear());
    if (content.refusal != entryfile::Content::Refusal::None) {
        msgbox::Show(parent, messages::Refused(content.refusal, messages::Shown(path)));
        return std::nullopt;
    }
    if (!entryfile::IsEntryFile(content)) {
        msgbox::Show(parent, messages::NotAnEntryFile(messages::Shown(path)));
        return std::nullopt;
    }
    // A club or event that the lists lack is no choice: the registration has none until the
    // user chooses one.
    const entryfile::HeaderSelection selection =
        entryfile::MatchHeaders(content.headers, clubs, events);
    // Each entry goes to its sorted place with its own code, as by one sorted add per line, in
    // one pass so that large files stay quick.
    document.Load(
        std::move(content.entries), selection.club >= 0 ? clubs[selection.club] : QString(),
        selection.event >= 0 ? events[selection.event] : QString(), QFileInfo(path).fileName());
    return selection;
}

} // namespace commands
