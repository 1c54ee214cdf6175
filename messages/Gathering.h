#pragma once
// What the gathering reports, in German: the report's lines (each stands beside a file's path, so
// its sentences speak of "the file"), why a list was not written, and what the command line says.
// zandrel-sammeln and the window's "Meldungen sammeln" share every sentence they both say.

#include <QString>
#include <QStringList>

namespace messages {

/// The subject of a report line's sentence about the file it stands beside.
QString theFile();
/// What stands for a file's missing club or event in the lists and the confirmations' names.
QString withoutClub();
QString withoutEvent();

QString folderUnreadable();
QString folderHasNoEntryFile();
/// A name given to the gathering that does not exist: a file when it ends in .mdg, else a folder.
QString notFound(bool entryFileName);

QString clubMissing();
/// Which list a file's club was looked for in.
enum class ClubList
{
    Program,
    Invitation,
};
/// With `closest` (nearest::closest()), a question whether that club was meant.
QString clubUnknown(const QString& club, ClubList list, const QString& closest = {});
/// The late fee and why: the dates as "TT.MM.JJJJ", the fees as money() writes them.
QString lateEntry(const QString& received, const QString& deadline, const QString& lateFee,
                  const QString& fee);
/// A file possibly late, without a receipt date: billed at the normal fee.
QString receiptUnknown();
/// How to give the receipt dates that were missing: for the command or the window.
QString receiptsHowTo(bool command);
// The lines of a receipt table (gather::kReceiptTable) that are not taken.
QString receiptTableUnreadable();
QString receiptNoDate(const QString& text);
QString receiptNoFile(const QString& fileName);
QString receiptTwice(const QString& fileName, qsizetype firstLine);
QString eventMissing();
QString eventUnknown(const QString& event);
/// An entry without a year, or with one that is no year (`yearText` as the file has it).
QString noYear(const QString& entryText);
QString invalidYear(const QString& yearText, const QString& entryText);
/// `who` (as participant() gives it) born in a year the event admits not: only
/// `firstYear`–`lastYear`.
QString yearNotAdmitted(const QString& who, const QString& event, int firstYear, int lastYear);
/// A second file of the same club for the same event: the newer one, `newerPath`, counts.
QString superseded(const QString& club, const QString& event, const QString& newerPath);

/// A participant as the duplicate lines name them: "„Anna Meier“ (2010)"; a year < 0 is none.
QString participant(const QString& firstName, const QString& name, qint32 year);
/// `who` (as participant() gives it) again in the same file, first seen in line `firstLine`.
QString repeatedInFile(const QString& who, qsizetype firstLine);
/// `who` registered by another club too, in that club's file `path`, line `line`.
QString alsoRegisteredBy(const QString& who, const QString& club, const QString& path,
                         qsizetype line);
/// The same as a club reads it: only the other clubs, nothing of the organiser's folder.
QString alsoRegisteredBy(const QString& who, const QStringList& clubs);

/// Where a report line's finding is: "Meldungen/a.mdg, Zeile 3".
QString inLine(const QString& path, qsizetype line);

/// Why a list was not written. `why` may end without a full stop; listNotWritten adds one.
QString listNotWritten(const QString& path);
QString listNotWritten(const QString& path, const QString& why);
enum class WorkbookStep
{
    ScratchSpace, ///< no room for the scratch folder
    Create,       ///< the workbook cannot be made
    Overview,     ///< the overview sheet cannot be added
    Vanished,     ///< the finished workbook is gone from the scratch folder
    Save          ///< the finished workbook could not be saved in its place
};
QString workbookFailed(WorkbookStep step);
QString sheetNotCreated(const QString& sheet);
/// A text cut to a cell's limit of `cellChars`; `where` is one of the places below.
QString cellCut(const QString& where, qsizetype cellChars);
QString inOverviewRow(qsizetype row);
QString inSheetRow(const QString& sheet, qsizetype row);
QString inFileHeader(const QString& path);

/// The end of a gathering that wrote its list.
QString listWritten(qsizetype participants, qsizetype files, const QString& path);
/// The window's report on a list that was not written: `why` is one of the sentences above, or
/// wouldOverwriteEntryFile() for a list named like one of the entry files read.
QString listNotSaved(const QString& why);
/// The reason for a list named like one of the entry files read, in the window's report and,
/// with listNotWritten(), in zandrel-sammeln's.
QString wouldOverwriteEntryFile();

// zandrel-sammeln's command line (an unknown option: messages::unknownOption).
/// What -h prints, and a wrong use after its reason.
QString gatherUsage();
QString optionNeedsOneFileName(const QString& option);
/// --eingang without "DATEI=TT.MM.JJJJ"; `given` is what came after it.
QString receiptOptionWrong(const QString& given);
QString nothingToGather();
QString wrongListSuffix(const QString& path);
QString readingProgress(qsizetype done, qsizetype total);
/// --vorlage and --pruefe stand alone, with one file name.
QString optionStandsAlone(const QString& option);
QString templateExists(const QString& path);
QString templateNotWritten(const QString& path);
QString templateWritten(const QString& path);
QString wouldOverwriteInvitation(const QString& path);
/// The fees of a gathering with an event file, beside a CSV list.
QString feesWritten(const QString& path);

// The confirmations of receipt (--bestaetigungen): a text per club and event for a mail. Empty
// names (a file without club or event) give sentences that do without them.
/// A confirmation's file name without its ending, from the parts as a file name may hold them.
QString confirmationName(const QString& event, const QString& club);
QString confirmationGreeting();
/// `received` as "TT.MM.JJJJ"; empty where the receipt date is not known.
QString confirmationReceived(const QString& event, const QString& fileName,
                             const QString& received);
/// An older file of the club for the event that the received one replaces.
QString confirmationReplaces(const QString& fileName, const QString& received);
/// Introduces the list of participants (ends with a colon where any follow).
QString confirmationParticipants(qsizetype count);
QString confirmationNothingFound();
/// Introduces the findings, one per line below it.
QString confirmationFindings();
/// `fee` and `amount` as messages::money() writes them.
QString confirmationFee(qsizetype participants, const QString& fee, const QString& amount);
QString confirmationNotCharged(qsizetype notBilled);
/// The part of the fee for participants registered twice, `amount` as money() writes it.
QString confirmationInQuestion(qsizetype inQuestion, const QString& amount);
/// Instead of a fee, for a file whose club or event the event file does not know.
QString confirmationFeeOpen();
QString confirmationNoFee(const QString& event);
/// Several lines, separated by '\n'; without a `reference` none is asked for.
QString confirmationPayment(const QString& holder, const QString& iban, const QString& reference);
QString confirmationClosing();
/// The report's last line on them.
QString confirmationsWritten(qsizetype count, const QString& folder);
QString confirmationExists(const QString& path);
QString confirmationNotWritten(const QString& path);
QString confirmationFolderNotMade(const QString& folder);
QString confirmationsNeedInvitation();
QString optionNeedsOneFolder();

} // namespace messages
