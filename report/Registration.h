#pragma once
// The registration on paper: a title block with club, event and the date printed, the numbered
// table of participants in list order (its header repeated on every page), the totals and a line
// for place, date and signature, with "Seite X von Y" under each page. The same painting serves
// the print preview (a QPrinter) and the PDF file (a QPdfWriter); nothing here knows the window.

#include "entries/Entry.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace report {

struct Registration
{
    QString club;
    QString event;
    QDate printed;           ///< shown as dd.MM.yyyy
    QList<EntryRow> entries; ///< in the order they are printed
    /// What the organiser's event file says about this registration (organiser, date and place,
    /// deadline, fee, account, notes): printed under the totals beside the GiroCode, each line
    /// wrapped within that column at its spaces (a word longer than the column breaks inside it).
    QStringList details;
    /// The club's contact person in one line ("Eva Muster, eva@tv.de, 0711 1234"), printed under
    /// the club; empty: none.
    QString contact;
    /// The GiroCode's payload (the EPC QR code's lines), printed beside the totals with a caption;
    /// empty: no code.
    QByteArray giroCode;
    /// The values people copy from paper by hand or by a banking app's photo (account number,
    /// payment reference, e-mail addresses): wherever one stands in the lines above, it is never
    /// broken. One that does not fit the rest of a line starts the next; one wider than its whole
    /// column is printed that much smaller, never cut.
    QStringList wholeValues{};
};

/// "12 Teilnehmer · 7 weiblich · 5 männlich", the same words as the counts under the list.
QString totalsText(const QList<EntryRow>& entries);
/// The same for counts already made: all participants and the male ones among them.
QString totalsText(qsizetype total, qsizetype male);

/// A4 portrait with margins wide enough for a filing punch and any printer's unprintable edge.
QPageLayout defaultPageLayout();

/// "Meldung TV Musterstadt – Gauturnfest": the PDF title and the print job's name.
QString documentTitle(const Registration& registration);

/// Paints every page onto the device, starting on its current page; the pages are counted for
/// the device's layout and resolution before the first is painted. False when no painter could
/// be started on it (a printer that cannot be opened, say).
bool paint(const Registration& registration, QPagedPaintDevice& device);

/// The whole registration as the bytes of a PDF file in the default page layout; empty when it
/// could not be painted.
QByteArray pdf(const Registration& registration);

} // namespace report
