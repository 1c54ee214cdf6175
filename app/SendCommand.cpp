// "An Veranstalter senden…": the entry file saved as "Speichern" saves it, the form as a PDF beside
// it, and both handed to the user's own mail program, addressed to the organiser.
#include "app/Commands.h"
#include "app/MessageBox.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"
#include "report/Registration.h"
#include "textfile/SafeFile.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace commands {
namespace {

// The form beside the entry file, under the same name.
std::optional<QString> savePdfBeside(QWidget* parent, const EntryDocument& document,
                                     const QString& entryFile, const PaperExtras& extras)
{
    const QFileInfo entry(entryFile);
    const QString path = entry.dir().filePath(entry.completeBaseName() + QStringLiteral(".pdf"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray pdf =
        report::pdf({document.club(), document.event(), QDate::currentDate(), document.entries(),
                     extras.details, extras.contact, extras.giroCode});
    QGuiApplication::restoreOverrideCursor();
    if (pdf.isEmpty()) {
        msgbox::show(parent, messages::pdfNotSaved());
        return std::nullopt;
    }
    if (const textfile::SaveResult saved = textfile::saveFile(path, pdf);
        saved != textfile::SaveResult::Ok) {
        const messages::Message why = messages::pdfSaveFailed(saved, path);
        msgbox::show(parent, why.text, msgbox::Buttons::Ok,
                     why.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
        return std::nullopt;
    }
    return path;
}

} // namespace

void sendToOrganiser(QWidget* parent, EntryDocument& document, const Sending& sending,
                     QString& folder, const std::function<void(const QString&)>& status)
{
    if (document.printBlocker() != EntryDocument::PrintBlock::None)
        return;
    const std::optional<QString> entryFile =
        saveEntryFile(parent, document, sending.automaticName, folder);
    if (!entryFile)
        return;
    const std::optional<QString> pdf = savePdfBeside(parent, document, *entryFile, sending.paper);
    if (!pdf) {
        status(messages::fileDone(messages::FileAction::Saved, QFileInfo(*entryFile).fileName(),
                                  QTime::currentTime().toString(QStringLiteral("HH:mm"))));
        return;
    }

    messages::SendFacts facts = sending.facts;
    facts.files = {QFileInfo(*entryFile).fileName(), QFileInfo(*pdf).fileName()};
    const mailprogram::Message message{sending.to,
                                       messages::sendSubject(facts.club, facts.event),
                                       messages::sendBody(facts),
                                       {*entryFile, *pdf}};
    status(messages::sendStarting());
    QPointer<QWidget> window = parent;
    mailprogram::hand(message, parent, [window, message, status](const mailprogram::Outcome& done) {
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
        const mailprogram::Fallback opened = mailprogram::openFallback(message);
        status(messages::sendFallbackStatus(message.to, opened));
        msgbox::show(window, messages::sendFallback(done, opened, message.to, message.subject,
                                                    message.attachments));
    });
}

} // namespace commands
