#pragma once
// The window's file actions and the commands of its context menu, each a free function given the
// parent widget for its dialogs and boxes, the document and the folder it remembers: none of them
// needs the window itself. The window routes its buttons and menu items here.

#include "entries/EntryDocument.h"
#include "entryfile/EntryFile.h"
#include "invitation/Reader.h"
#include "mail/TestMail.h"
#include "memberlist/MemberList.h"
#include "messages/Sending.h"

#include <functional>
#include <optional>
#include <QString>
#include <QStringList>

class RegistrationContext;
struct Contact;
class QWidget;

/// The folders the file dialogs open in. Only the entry files' folder is stored between runs (the
/// setting "path"); the others last for the session.
struct RememberedFolders
{
    QString entryFiles;
    QString memberLists;
    QString pdfs;
    QString gathering;
    QString invitations;
};

namespace commands {

/// Where a command says what it did, also after it has returned: the window's status line.
using StatusSink = std::function<void(const QString&)>;

/// "Speichern" once the fields are taken: asks for the file (with `automaticName` proposed
/// unless it is empty), writes club, event and rows and clears the change flag. On any failure
/// the old file stays as it was and the changes still count as unsaved. The file written, if any.
std::optional<QString> saveEntryFile(QWidget* parent, EntryDocument& document,
                                     const QString& automaticName, QString& folder);
/// The same into `path`, without asking.
std::optional<QString> writeEntryFile(QWidget* parent, EntryDocument& document,
                                      const QString& path);

/// "Laden": the file to load, or nothing when the user cancelled or gave no name (then told).
std::optional<QString> chooseEntryFileToLoad(QWidget* parent, QString& folder);

/// The lists a loaded file's club and event are looked up in: the window's, from the open event
/// file or built into the program.
struct Lists
{
    QStringList clubs;
    QStringList events;
    bool fromInvitation = false;
};

/// Reads an entry file whole and, only when that worked, puts its rows into the document. A club
/// that the lists lack is the document's all the same when `takesClub` says so (an open event);
/// any other club or event they lack is no choice, which a message box says. Returns what the
/// status line says; nothing when the file was refused (the user has been told why).
std::optional<QString> loadEntryFile(QWidget* parent, EntryDocument& document, const QString& path,
                                     Lists lists,
                                     const std::function<bool(const QString&)>& takesClub = {});

/// "Importieren…": a member list, its preview, and the checked rows into the document. Returns
/// what the status line says when rows were added.
std::optional<QString> import(QWidget* parent, EntryDocument& document, QString& folder,
                              memberlist::Admitted admitted = {});

/// "Drucken…": the registration in the print preview. Does nothing while the document says it
/// cannot be printed.
/// What the window adds to the printed registration beyond the document: the event file's lines,
/// the club's contact person, and the entry file's automatic name (for the PDF's proposed name).
struct PaperExtras
{
    QStringList details;
    QString contact;
    QString entryName;
    QByteArray giroCode;       ///< the payment's GiroCode payload; empty: none
    QStringList wholeValues{}; ///< never broken on paper: account, reference, addresses
};

void print(QWidget* parent, const EntryDocument& document, const PaperExtras& extras = {});

/// "Als PDF speichern…": the same pages as a PDF file. The file written, if any.
std::optional<QString> savePdf(QWidget* parent, const EntryDocument& document, QString& folder,
                               const PaperExtras& extras = {});

/// The same pages into the PDF file at `path`, without asking; false (the user told why) when
/// nothing was written.
bool writePdf(QWidget* parent, const EntryDocument& document, const PaperExtras& extras,
              const QString& path);

/// "An Veranstalter senden…": what the window adds to the document.
struct Sending
{
    QString automaticName; ///< proposed by the save dialog; empty: none
    PaperExtras paper;
    QString to; ///< the organiser's address; empty: the user fills it in
    messages::SendFacts facts;
};

/// Saves the entry file as "Speichern" does, writes the form as a PDF beside it (same name), and
/// hands both to the user's mail program; when none takes them, opens a new mail and the folder
/// and says which files to attach. `status` is told each step, also after this has returned.
void sendToOrganiser(QWidget* parent, EntryDocument& document, const Sending& sending,
                     QString& folder, const StatusSink& status);

/// Reads an organiser's event file. One that cannot be read or is refused is reported: in a
/// message box, or `quiet` (reopened at the start) only as a word through `status`.
std::optional<invitation::ReadResult> readInvitation(QWidget* parent, const QString& path,
                                                     bool quiet, const StatusSink& status);
/// The warnings of an opened event file in one message box; nothing without warnings.
void showInvitationWarnings(QWidget* parent, const invitation::ReadResult& read);

/// Opens an event file into `context`: read and reported as readInvitation does; a chosen club
/// or event that the file lacks goes only after asking (at the start without asking); its
/// warnings in a box (not at the start). true: it is open.
bool openInvitation(QWidget* parent, RegistrationContext& context, const QString& path,
                    bool atStart, const StatusSink& status);
/// "Ausschreibung öffnen…": asks for the file, then as openInvitation.
bool chooseAndOpenInvitation(QWidget* parent, RegistrationContext& context, QString& folder,
                             const StatusSink& status);
/// "Ausschreibung schließen": back to the built-in lists, after asking when the chosen club or
/// event is not among them. true: it was closed.
bool closeInvitation(QWidget* parent, RegistrationContext& context, const StatusSink& status);

/// "Ansprechpartner…": the contact dialog; `contact` changes only when it is confirmed.
void editContact(QWidget* parent, Contact& contact);
/// "Meldungen sammeln…", from the extras module.
void gather(QWidget* parent, QString& folder, const RegistrationContext& context);

/// The hidden "Senden": the test mail, off the user-interface thread; `window` is disabled
/// meanwhile and shows what went wrong.
void sendTestMail(QWidget* window, const TestMailSettings& settings);

} // namespace commands

namespace messages {

/// Why the document cannot be printed or sent yet, in the sentence messages has for it: the
/// window's status line and its shortcuts say it.
QString printBlocked(EntryDocument::PrintBlock why);

} // namespace messages
