// Opening the organiser's event file: the window's side of reading and reporting. What the file
// may hold is the reader's business (invitation/Reader.cpp).

#include "app/ChooseFile.h"
#include "app/Commands.h"
#include "app/ContactDialog.h"
#include "app/extras/Extras.h"
#include "app/ExtrasLoader.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "app/RegistrationContext.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace commands {

std::optional<invitation::ReadResult> readInvitation(QWidget* parent, const QString& path,
                                                     bool quiet, const StatusSink& status)
{
    const auto refuse = [&](const QString& why) {
        if (quiet)
            status(messages::invitationNotReopened(why.section(u'\n', 0, 0)));
        else
            msgbox::show(parent, why, msgbox::Buttons::Ok, msgbox::Icon::Stop);
        return std::nullopt;
    };
    invitation::LoadedFile loaded = invitation::load(path);
    if (loaded.load != textfile::LoadResult::Ok)
        return refuse(messages::loadFailed(loaded.load, messages::shown(path)).text);
    if (!loaded.read.ok())
        return refuse(messages::invitationRefused(path, loaded.read));
    return std::move(loaded.read);
}

void showInvitationWarnings(QWidget* parent, const invitation::ReadResult& read)
{
    // Taken as the organiser wrote it, but the official should know why no child fits or why
    // the deadline is odd. Ten are enough for a message box: the rest are the same mistake.
    if (read.warnings.isEmpty())
        return;
    constexpr qsizetype kShown = 10;
    msgbox::show(parent, messages::invitationWarnings(read, kShown).join(u'\n'));
}

bool openInvitation(QWidget* parent, RegistrationContext& context, const QString& path,
                    bool atStart, const StatusSink& status)
{
    std::optional<invitation::ReadResult> read = readInvitation(parent, path, atStart, status);
    if (!read)
        return false;
    // A chosen club or event that the new lists lack would be saved under a name the organiser
    // does not know: the choice goes, but not without asking.
    const QStringList missing = context.missingChoices(&read->invitation);
    if (!missing.isEmpty() && !atStart) {
        const messages::Question question = messages::choiceNotInInvitation(missing);
        if (msgbox::ask(parent, question.text, question.yes, question.no) != msgbox::Answer::Yes)
            return false;
    }
    context.open(std::move(read->invitation), path);
    status(messages::invitationOpened(QFileInfo(path).fileName()));
    if (!atStart)
        showInvitationWarnings(parent, *read);
    return true;
}

bool chooseAndOpenInvitation(QWidget* parent, RegistrationContext& context, QString& folder,
                             const StatusSink& status)
{
    filedlg::FileRequest request;
    request.title = QCoreApplication::translate("commands", "Ausschreibung öffnen…");
    request.filter = QCoreApplication::translate("commands", "Ausschreibung (*.aus)");
    const std::optional<QString> path = filedlg::askFile(parent, request, folder);
    return path && openInvitation(parent, context, *path, false, status);
}

bool closeInvitation(QWidget* parent, RegistrationContext& context, const StatusSink& status)
{
    if (!context.invitation())
        return false;
    if (const QStringList missing = context.missingChoices(nullptr); !missing.isEmpty()) {
        const messages::Question question = messages::choiceNotBuiltIn(missing);
        if (msgbox::ask(parent, question.text, question.yes, question.no) != msgbox::Answer::Yes)
            return false;
    }
    context.close();
    status(messages::invitationClosed());
    return true;
}

void editContact(QWidget* parent, Contact& contact)
{
    ContactDialog dialog(contact, parent);
    if (modal::exec(dialog) == QDialog::Accepted)
        contact = dialog.contact();
}

void gather(QWidget* parent, QString& folder, const RegistrationContext& context)
{
    const std::optional<invitation::Invitation>& invitation = context.invitation();
    if (const Extras* extras = loadExtras(parent))
        extras->gather(parent, folder, invitation ? &*invitation : nullptr,
                       context.invitationPath(), extrasSeamsOfTheProgram());
}

} // namespace commands
