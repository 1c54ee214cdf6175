// Saving and loading the entry file: the window's side of it. The format itself and the disk
// access live in entryfile/ and textfile/, free of widgets.

#include "app/ChooseFile.h"
#include "app/Commands.h"
#include "app/MessageBox.h"
#include "entries/EntryDocument.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"

#include <QFileInfo>
#include <QTime>

namespace commands {
namespace {

void show(QWidget* parent, const messages::Message& message)
{
    msgbox::show(parent, message.text, msgbox::Buttons::Ok,
                 message.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
}

} // namespace

std::optional<QString> saveEntryFile(QWidget* parent, EntryDocument& document,
                                     const QString& automaticName, QString& folder)
{
    if (document.count() <= 0) {
        msgbox::show(parent, messages::nothingToSave());
        return std::nullopt;
    }
    // Every row holds Windows-1252 characters only: the name fields refuse others as they are
    // typed, the import leaves them out, and the reader folds them to '?' as it loads.
    const QString path = filedlg::chooseFile(parent, true, automaticName, folder);
    if (path.isEmpty()) {
        msgbox::show(parent, messages::invalidFileName());
        return std::nullopt;
    }
    if (path == filedlg::kCancelled)
        return std::nullopt;
    return writeEntryFile(parent, document, path);
}

std::optional<QString> writeEntryFile(QWidget* parent, EntryDocument& document, const QString& path)
{
    const entryfile::Saved saved =
        entryfile::save(path, document.club(), document.event(), document.entries());
    if (saved.unloadable != entryfile::Unloadable::None) {
        msgbox::show(parent, messages::unsavable(saved.unloadable, path), msgbox::Buttons::Ok,
                     msgbox::Icon::Stop);
        return std::nullopt;
    }
    if (saved.write != textfile::SaveResult::Ok) {
        show(parent, messages::entryFileSaveFailed(saved.write, path));
        return std::nullopt;
    }
    document.markSaved();
    document.setFilePath(path);
    return path;
}

std::optional<QString> chooseEntryFileToLoad(QWidget* parent, QString& folder)
{
    const QString path = filedlg::chooseFile(parent, false, QString(), folder);
    if (path.isEmpty()) {
        msgbox::show(parent, messages::invalidFileName());
        return std::nullopt;
    }
    if (path == filedlg::kCancelled)
        return std::nullopt;
    return path;
}

std::optional<QString> loadEntryFile(QWidget* parent, EntryDocument& document, const QString& path,
                                     Lists lists,
                                     const std::function<bool(const QString&)>& takesClub)
{
    QStringList& clubs = lists.clubs;
    const QStringList& events = lists.events;
    entryfile::Loaded loaded = entryfile::load(path, clubs, events, entry::currentUtcYear());
    switch (loaded.failure) {
    case entryfile::Loaded::Failure::NotRead:
        show(parent, messages::entryFileLoadFailed(loaded.read, path));
        return std::nullopt;
    case entryfile::Loaded::Failure::Refused:
        msgbox::show(parent, messages::refused(loaded.content.refusal, messages::shown(path)));
        return std::nullopt;
    case entryfile::Loaded::Failure::NoEntryFile:
        msgbox::show(parent, messages::notAnEntryFile(messages::shown(path)));
        return std::nullopt;
    case entryfile::Loaded::Failure::None:
        break;
    }
    // A club or event that the lists lack is no choice: the registration has none until the
    // user chooses one.
    entryfile::HeaderSelection& selection = loaded.selection;
    if (selection.club < 0 && takesClub && takesClub(selection.clubValue)) {
        clubs << selection.clubValue;
        selection.club = int(clubs.size() - 1);
    }
    // Each entry goes to its sorted place with its own code, as by one sorted add per line, in
    // one pass so that large files stay quick.
    document.load(
        std::move(loaded.content.entries), selection.club >= 0 ? clubs[selection.club] : QString(),
        selection.event >= 0 ? events[selection.event] : QString(), QFileInfo(path).fileName());
    document.setFilePath(path);
    const QString missing = lists.fromInvitation ? messages::notInInvitation(selection)
                                                 : messages::headerNotFoundShort(selection);
    if (!missing.isEmpty())
        msgbox::show(parent, messages::headerNotFound(selection, QFileInfo(path).fileName()));
    const QString done =
        messages::fileDone(messages::FileAction::Loaded, path, QTime::currentTime());
    return missing.isEmpty() ? done : done + QStringLiteral(" · ") + missing;
}

} // namespace commands
