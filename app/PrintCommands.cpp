// "Drucken…" and "Als PDF speichern…": the registration on paper, through the print preview or
// into a PDF file. The pages themselves come from report/Registration.
#include "app/ChooseFile.h"
#include "app/Commands.h"
#include "app/extras/Extras.h"
#include "app/ExtrasLoader.h"
#include "app/MessageBox.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"
#include "report/Registration.h"
#include "textfile/SafeFile.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace commands {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrintCommands)
};

// The window disables both commands until there is something to print, but it does so once the
// list has settled; a shortcut pressed right after removing the last entry must still find
// nothing to do.
std::optional<report::Registration> registrationToPrint(const EntryDocument& document,
                                                        const PaperExtras& extras)
{
    if (document.printBlocker() != EntryDocument::PrintBlock::None)
        return std::nullopt;
    return report::Registration{document.club(),    document.event(),  QDate::currentDate(),
                                document.entries(), extras.details,    extras.contact,
                                extras.giroCode,    extras.wholeValues};
}

// The name the entry file would get (`entryName`, or the plain automatic one), as a PDF; a name
// that a file system would take for a folder or refuse falls back to a plain one.
QString proposedPdfName(const report::Registration& registration, const QString& entryName)
{
    QString name = !entryName.isEmpty()
                       ? entryName
                       : entryfile::automaticName(registration.event, entryfile::currentLocalYear(),
                                                  registration.club);
    name.chop(4); // ".mdg"
    for (const QChar c : QStringLiteral("/\\:*?\"<>|")) {
        if (name.contains(c))
            return Text::tr("Meldung.pdf");
    }
    return name + QStringLiteral(".pdf");
}

// The same safe save as the entry file (a QSaveFile, synced before it replaces anything): a
// failed write leaves an older PDF of that name as it was, and never a half file.
bool writePdf(QWidget* parent, const report::Registration& registration, const QString& path)
{
    // A few pages take no time, but a list of thousands takes seconds to lay out.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray pdf = report::pdf(registration);
    QGuiApplication::restoreOverrideCursor();
    if (pdf.isEmpty()) {
        msgbox::show(parent, messages::pdfNotSaved());
        return false;
    }
    if (const textfile::SaveResult saved = textfile::saveFile(path, pdf);
        saved != textfile::SaveResult::Ok) {
        const messages::Message why = messages::pdfSaveFailed(saved, path);
        msgbox::show(parent, why.text, msgbox::Buttons::Ok,
                     why.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
        return false;
    }
    return true;
}

} // namespace

void print(QWidget* parent, const EntryDocument& document, const PaperExtras& paper)
{
    if (const std::optional<report::Registration> printable =
            registrationToPrint(document, paper)) {
        if (const Extras* extras = loadExtras(parent))
            extras->print(parent, *printable, extrasSeamsOfTheProgram());
    }
}

std::optional<QString> savePdf(QWidget* parent, const EntryDocument& document, QString& folder,
                               const PaperExtras& extras)
{
    const std::optional<report::Registration> printable = registrationToPrint(document, extras);
    if (!printable)
        return std::nullopt;
    const report::Registration& registration = *printable;

    filedlg::FileRequest request;
    request.save = true;
    request.title = Text::tr("Als PDF speichern…");
    request.proposedName = proposedPdfName(registration, extras.entryName);
    request.filter = Text::tr("PDF-Datei (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    std::optional<QString> path = filedlg::askFile(parent, request, folder);
    if (!path || !writePdf(parent, registration, *path))
        return std::nullopt;
    return path;
}

bool writePdf(QWidget* parent, const EntryDocument& document, const PaperExtras& extras,
              const QString& path)
{
    const std::optional<report::Registration> printable = registrationToPrint(document, extras);
    return printable && writePdf(parent, *printable, path);
}

} // namespace commands

QString messages::printBlocked(EntryDocument::PrintBlock why)
{
    switch (why) {
    case EntryDocument::PrintBlock::None:
        break;
    case EntryDocument::PrintBlock::NoClubOrEvent:
        return printBlocked(PrintBlock::NoClubOrEvent);
    case EntryDocument::PrintBlock::Empty:
        return printBlocked(PrintBlock::Empty);
    }
    return printBlocked(PrintBlock::None);
}
