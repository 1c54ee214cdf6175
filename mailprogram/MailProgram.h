#pragma once
// Handing a finished registration to the user's own mail program: a new message with recipient,
// subject, text and files attached, which the user checks and sends from there. Nothing is sent
// from here. One implementation per platform: on Linux the command line of whichever program
// handles mailto: links (xdg-email for the ones we do not know), on Windows Simple MAPI. When no
// mail program takes the message, the caller falls back to `openFallback`.

#include <functional>
#include <optional>
#include <QString>
#include <QStringList>
#include <QUrl>

class QObject;

namespace mailprogram {

struct Message
{
    QString to; ///< one address; empty: the user fills it in
    QString subject;
    QString body;            ///< lines separated by '\n'
    QStringList attachments; ///< absolute paths of existing files
};

/// The mail programs whose own command line can attach files; any other goes through xdg-email.
enum class Kind
{
    Thunderbird,
    KMail,
    Evolution,
    Claws,
    Other,
};

enum class Result
{
    Handed,        ///< the mail program has the message (its compose window is open or opening)
    NoMailProgram, ///< none is set up
    NotStarted,    ///< the one set up could not be started
    Failed,        ///< it did not take the message (exit status, MAPI error)
    Cancelled,     ///< the user closed the compose window without sending it (MAPI only)
};

struct Outcome
{
    Result result = Result::Failed;
    QString program; ///< the mail program as its user knows it ("Thunderbird"); may be empty
    QString detail;  ///< what the system said, for the message; may be empty
};

using Done = std::function<void(const Outcome&)>;

/// Hands `message` to the user's mail program. `done` runs once, on `context`'s thread and not
/// before this returns, when the outcome is known: on Linux once the program has run a few
/// seconds without failing (or has ended), on Windows when the mail program returns. Nothing
/// runs when `context` is gone by then.
void hand(const Message& message, QObject* context, Done done);

/// The fallback for when no mail program took the message: opens a mailto: link with address,
/// subject and text (a mailto: link can never carry a file) and the folder with the files.
struct Fallback
{
    bool mailOpened = false;
    bool folderOpened = false;
};
Fallback openFallback(const Message& message);

/// Opens a link (mailto:, file:) with the desktop's program for it; true only when that program
/// took it. On Linux QDesktopServices only knows that xdg-open could be started, which it also
/// can where it then finds nothing to open the link with.
bool openLink(const QUrl& url);

/// "mailto:to?subject=…&body=…", every part percent-encoded as UTF-8; `files` adds attach=
/// parameters (Evolution's extension), which no other program reads.
QUrl mailtoUrl(const Message& message, bool files = false);

// ---- Linux: the default mailto handler and the command line it is given ------------------------

/// What a command line starts; never run through a shell.
struct Command
{
    QString program;
    QStringList arguments;
};

/// Which program a desktop file is, from its id ("org.mozilla.Thunderbird.desktop") and its
/// program ("/usr/bin/thunderbird").
Kind kindOf(const QString& desktopId, const QString& program);

/// The program and fixed arguments of a desktop file's Exec line, quoting undone and field codes
/// dropped (the files and links are ours to add); empty when the line is unusable.
QStringList execArguments(const QString& exec, const QString& name, const QString& desktopFile);

/// The whole command for `kind`; `exec` is the program's own start from its desktop file (for
/// Other it is not used: xdg-email finds the program itself). Every value either follows the
/// option it belongs to in the same argument or cannot begin with "-": nothing the user typed
/// or the event file gave becomes an option. Nor does the address become a file to attach or a
/// further field: in a mailto: link it is percent-encoded, for Thunderbird one quoted or
/// encoded value, and KMail does not get one that it would read as a link.
Command commandFor(Kind kind, const QStringList& exec, const Message& message);

/// Thunderbird's -compose argument: to='…',subject='…',body='…',attachment='file:///…,file:///…'.
QString thunderbirdCompose(const Message& message);

/// Whether Thunderbird can attach the file at `path` as it is: its list of attachments is split
/// at "," and its values end at "'", and it misreads "=" in a file name.
bool thunderbirdCanAttach(const QString& path);

/// Copies each attachment Thunderbird cannot take into a new folder below `base`, under a name
/// it can; the copies stay after the call, as the mail program reads them later. Empty when a
/// copy failed.
std::optional<QStringList> attachableCopies(const QStringList& paths, const QString& base);

} // namespace mailprogram
