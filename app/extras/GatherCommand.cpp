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
#include <QVBoxLayout>

namespace extras {
namespace {

// The window's texts of the gathering, for lupdate and i18n/zandrel_de.ts under "GatherCommand".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GatherCommand)
};

// The report is for reading and copying, never for editing; it may run to thousands of lines.
void showReport(QWidget* parent, const QString& text, const ExtrasSeams& seams)
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
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(report);
    layout->addWidget(buttons);
    dialog.resize(760, 480);
    seams.execModal(dialog);
}

} // namespace

void gather(QWidget* parent, QString& folder, const ExtrasSeams& seams)
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
    const bool csv = output->endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!csv && !output->endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        *output += QStringLiteral(".xlsx");

    gather::Options options;
    options.paths = {*source};
    // The report names the files below the chosen folder relative to it.
    options.relativeTo = *source;
    options.clubs = lists::clubs();
    options.events = lists::events();
    options.currentUtcYear = entry::currentUtcYear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const gather::Result result = gather::run(options);
    QString written;
    QString error;
    QStringList cut;
    if (gather::isInputFile(result, *output))
        error = messages::wouldOverwriteEntryFile();
    else if (csv ? gather::writeCsv(*output, result, &error)
                 : gather::writeXlsx(*output, result, &error, &cut))
        written = messages::listWritten(result.rows.size(), result.filesCounted(),
                                        QDir::toNativeSeparators(*output));
    QApplication::restoreOverrideCursor();

    QStringList report;
    report << (written.isEmpty() ? messages::listNotSaved(error) : written) << QString()
           << gather::summaryTable(result);
    const QStringList problems = gather::reportLines(result) + cut;
    if (!problems.isEmpty())
        report << Text::tr("Hinweise:") << problems;
    showReport(parent, report.join(u'\n'), seams);
}

} // namespace extras
