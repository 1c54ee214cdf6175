// For the organiser: the clubs' entry files of one folder gathered into one list, the same
// gathering as the command zandrel-sammeln.

#include "app/extras/Extras.h"
#include "entries/Clubs.h"
#include "entries/Entry.h"
#include "gather/Gather.h"
#include "messages/Gathering.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace extras {
namespace {

// The window's texts of the gathering, for lupdate and i18n/zandrel_de.ts under "GatherCommand".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GatherCommand)
};

// The report is for reading and copying, never for editing; it may run to thousands of lines.
// With an event file it offers the confirmations, written into a folder the user chooses.
void showReport(QWidget* parent, const QString& text, const gather::Result& result,
                const QString& sourceFolder, const ExtrasSeams& seams)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("gatherReportDialog"));
    dialog.setWindowTitle(Text::tr("Meldungen sammeln – Bericht"));
    dialog.setAccessibleName(dialog.windowTitle());
    auto* report = new QPlainTextEdit(text, &dialog);
    report->setObjectName(QStringLiteral("gatherReport"));
    report->setAccessibleName(Text::tr("Bericht"));
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the table's columns
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (result.invitation && result.filesCounted() > 0) {
        QPushButton* confirm = buttons->addButton(Text::tr("&Eingangsbestätigungen schreiben…"),
                                                  QDialogButtonBox::ActionRole);
        confirm->setObjectName(QStringLiteral("writeConfirmations"));
        QObject::connect(confirm, &QPushButton::clicked, &dialog, [&, confirm, report] {
            filedlg::FileRequest request;
            request.title = Text::tr("Eingangsbestätigungen: Ordner wählen ...");
            request.chooseFolder = true;
            QString start = sourceFolder;
            const std::optional<QString> folder = seams.askFile(&dialog, request, start);
            if (!folder)
                return;
            QStringList problems;
            const qsizetype written =
                gather::writeConfirmations(*folder, gather::confirmations(result), &problems);
            problems << messages::confirmationsWritten(written, QDir::toNativeSeparators(*folder));
            report->appendPlainText(QString() + u'\n' + problems.join(u'\n'));
            // Once written, a second click would only find each of them there already.
            confirm->setEnabled(written == 0);
        });
    }
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(report);
    layout->addWidget(buttons);
    dialog.resize(760, 480);
    seams.execModal(dialog);
}

} // namespace

void gather(QWidget* parent, QString& folder, const invitation::Invitation* invitation,
            const QString& invitationPath, const ExtrasSeams& seams)
{
    filedlg::FileRequest from;
    from.title = Text::tr("Meldungen sammeln: Ordner wählen ...");
    from.chooseFolder = true;
    const std::optional<QString> source = seams.askFile(parent, from, folder);
    if (!source)
        return;
    filedlg::FileRequest to;
    to.save = true;
    to.title = Text::tr("Teilnehmerliste speichern ...");
    to.proposedName = Text::tr("Teilnehmer.xlsx");
    to.filter = Text::tr("Excel-Arbeitsmappe (*.xlsx);;CSV-Datei (*.csv)");
    to.defaultSuffix = QStringLiteral("xlsx");
    QString outputFolder = *source;
    std::optional<QString> output = seams.askFile(parent, to, outputFolder);
    if (!output)
        return;
    if (!output->endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) &&
        !output->endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        *output += QStringLiteral(".xlsx");
    *output = QDir::toNativeSeparators(*output);

    gather::Options options;
    options.paths = {*source};
    // The report names the files below the chosen folder relative to it.
    options.relativeTo = *source;
    options.clubs = lists::clubs();
    options.events = lists::events();
    options.currentUtcYear = entry::currentUtcYear();
    // The event file open in the window decides, as it does for the command.
    if (invitation)
        options.invitation = *invitation;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const gather::Result result = gather::run(options);
    const gather::ListWritten written = gather::writeList(result, *output, invitationPath);
    QApplication::restoreOverrideCursor();

    QStringList report = written.done;
    if (written.status == gather::ListWritten::Refused || !written.done.isEmpty())
        report << written.error;
    else if (written.status == gather::ListWritten::Failed)
        report << messages::listNotSaved(written.error);
    report.removeAll(QString());
    if (invitation)
        report << Text::tr("Geprüft mit der Ausschreibung %1.")
                      .arg(QDir::toNativeSeparators(invitationPath));
    report << QString() << gather::summaryTable(result);
    if (const QString fees = gather::feeTable(result); !fees.isEmpty())
        report << Text::tr("Meldegeld:") << fees;
    QStringList problems = gather::reportLines(result) + written.cut;
    if (result.receiptsUnknown())
        problems << messages::receiptsHowTo(false);
    if (!problems.isEmpty())
        report << Text::tr("Hinweise:") << problems;
    showReport(parent, report.join(u'\n'), result, *source, seams);
}

} // namespace extras
