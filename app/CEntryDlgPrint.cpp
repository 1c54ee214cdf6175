// "Drucken…" and "Als PDF speichern…": the registration on paper, through the print preview or
// into a PDF file. The pages themselves come from report/Registration.
#include "CEntryDlg.h"
#include "ChooseFile.h"
#include "EntryFile.h"
#include "EntryFileIo.h"
#include "MessageBox.h"
#include "ModalDialog.h"
#include "Registration.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {

// The window disables both commands until there is something to print, but it does so once the
// list has settled; a shortcut pressed right after removing the last entry must still find
// nothing to do.
bool MayPrint(const QAction* action, const report::Registration& registration)
{
    return action->isEnabled() && !registration.club.isEmpty() && !registration.event.isEmpty() &&
           !registration.entries.isEmpty();
}

// The name the entry file would get, as a PDF; a name that a file system would take for a folder
// or refuse falls back to a plain one.
QString ProposedPdfName(const report::Registration& registration)
{
    QString name = entryfile::AutomaticName(registration.event, entryfile::CurrentLocalYear(),
                                            registration.club);
    name.chop(4); // ".mdg"
    for (const QChar c : QStringLiteral("/\\:*?\"<>|")) {
        if (name.contains(c))
            return QStringLiteral("Meldung.pdf");
    }
    return name + QStringLiteral(".pdf");
}

} // namespace

void CEntryDlg::OnPrint()
{
    const report::Registration registration{SelectedText(m_cbClub), SelectedText(m_cbEvent),
                                            QDate::currentDate(), Entries()};
    if (!MayPrint(m_actPrint, registration))
        return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report::DefaultPageLayout());
    printer.setDocName(report::DocumentTitle(registration));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Druckvorschau – Meldung"));
    preview.setAccessibleName(preview.windowTitle());
    // The preview asks again for every change of page setup, and once more for the real printer.
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [this, &registration](QPrinter* target) {
                if (!report::Paint(registration, *target))
                    msgbox::Show(this, QStringLiteral("Die Meldung konnte nicht gedruckt werden!"));
            });
    modal::Exec(preview);
}

void CEntryDlg::OnSavePdf()
{
    const report::Registration registration{SelectedText(m_cbClub), SelectedText(m_cbEvent),
                                            QDate::currentDate(), Entries()};
    if (!MayPrint(m_actPdf, registration))
        return;

    filedlg::FileRequest request;
    request.save = true;
    request.title = QStringLiteral("Als PDF speichern ...");
    request.proposedName = ProposedPdfName(registration);
    request.filter = QStringLiteral("PDF-Datei (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    const std::optional<QString> path = filedlg::AskFile(this, request, m_strPdfPath);
    if (!path)
        return;

    // The same safe save as the entry file (a QSaveFile, synced before it replaces anything): a
    // failed write leaves an older PDF of that name as it was, and never a half file.
    // A few pages take no time, but a list of thousands takes seconds to lay out.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray pdf = report::Pdf(registration);
    QGuiApplication::restoreOverrideCursor();
    if (pdf.isEmpty() || entryfile::SaveFile(*path, pdf) != entryfile::SaveResult::Ok)
        msgbox::Show(this, QStringLiteral("PDF-Datei konnte nicht gespeichert werden!"));
}
