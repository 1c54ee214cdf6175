// "An Veranstalter senden…": the entry file saved as "Speichern" saves it, the form as a PDF beside
// it, and both handed to the user's own mail program, addressed to the organiser.
#include "app/Commands.h"
#include "app/MessageBox.h"
#include "entries/EntryDocument.h"
#include "mailprogram/MailProgram.h"
#include "messages/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace commands {
namespace {

// The hand-over's outcome as the fallback's message tells it.
messages::NotHanded notHanded(const mailprogram::Outcome& outcome)
{
    messages::NotHanded why;
    why.why = outcome.result == mailprogram::Result::NoMailProgram
                  ? messages::NotHanded::NoMailProgram
              : outcome.result == mailprogram::Result::NotStarted ? messages::NotHanded::NotStarted
                                                                  : messages::NotHanded::NotTaken;
    why.program = outcome.program;
    why.detail = outcome.detail;
    return why;
}

} // namespace

void sendToOrganiser(QWidget* parent, EntryDocument& document, const Sending& sending,
                     QString& folder, const std::function<void(const QString&)>& status)
{
    if (document.printBlocker() != EntryDocument::PrintBlock::None)
        return;
    // A registration saved or loaded before goes as that file, saved again (without asking)
    // only where it changed or is gone: one entry file, and one form beside it.
    const QString known = document.filePath();
    const std::optional<QString> entryFile =
        known.isEmpty() ? saveEntryFile(parent, document, sending.automaticName, folder)
        : document.isModified() || !QFileInfo::exists(known)
            ? writeEntryFile(parent, document, known)
            : std::optional<QString>(known);
    if (!entryFile)
        return;
    // The form beside the entry file, under the same name.
    const QFileInfo entry(*entryFile);
    const QString pdf = entry.dir().filePath(entry.completeBaseName() + QStringLiteral(".pdf"));
    if (!writePdf(parent, document, sending.paper, pdf)) {
        status(messages::fileDone(messages::FileAction::Saved, *entryFile, QTime::currentTime()));
        return;
    }

    messages::SendFacts facts = sending.facts;
    facts.files = {entry.fileName(), QFileInfo(pdf).fileName()};
    const mailprogram::Message message{sending.to,
                                       messages::sendSubject(facts.club, facts.event),
                                       messages::sendBody(facts),
                                       {*entryFile, pdf}};
    status(messages::sendStarting());
    // The answer comes only while `parent` exists: it is the call's context.
    mailprogram::hand(message, parent, [parent, message, status](const mailprogram::Outcome& done) {
        switch (done.result) {
        case mailprogram::Result::Handed:
            status(messages::sendHanded(message.to));
            return;
        case mailprogram::Result::Cancelled:
            status(messages::sendCancelled());
            return;
        case mailprogram::Result::NoMailProgram:
        case mailprogram::Result::NotStarted:
        case mailprogram::Result::Failed:
            break;
        }
        // Never silent: the mail as far as a link can carry it, the folder, and which files to
        // attach by hand.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const mailprogram::Fallback fallback = mailprogram::openFallback(message);
        QApplication::restoreOverrideCursor();
        const messages::FallbackOpened opened{fallback.mailOpened, fallback.folderOpened};
        status(messages::sendFallbackStatus(message.to, opened));
        const QString text = messages::sendFallback(notHanded(done), opened, message.to,
                                                    message.subject, message.attachments);
        // Said only as it happened: without a new mail, what it would have held can be copied.
        if (opened.mail)
            msgbox::show(parent, text);
        else
            msgbox::showCopyable(parent, text,
                                 messages::fallbackCopy(message.to, message.subject, message.body));
    });
}

} // namespace commands
