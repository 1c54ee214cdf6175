// "Drucken…": the registration through the print preview, onto any printer. The pages come from
// report/Registration, the same as the PDF's.

#include "app/extras/Extras.h"
#include "messages/Messages.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace extras {

void print(QWidget* parent, const report::Registration& registration, const ExtrasSeams& seams)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report::defaultPageLayout());
    printer.setDocName(report::documentTitle(registration));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("PrintPreview", "Druckvorschau – Meldung"));
    preview.setAccessibleName(preview.windowTitle());
    // The preview asks again for every change of page setup, and once more for the real printer.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [parent, &registration, &seams](QPrinter* target) {
                         if (!report::paint(registration, *target))
                             seams.showMessage(parent, messages::printFailed());
                     });
    seams.execModal(preview);
}

void gather(QWidget* parent, QString& folder, const invitation::Invitation* invitation,
            const QString& invitationPath, const ExtrasSeams& seams);

} // namespace extras

extern "C" Q_DECL_EXPORT const Extras* zandrel_extras()
{
    static const Extras extras{&extras::print, &extras::gather};
    return &extras;
}
