#pragma once
// What the program says about an organiser's event file: why a line is refused, what was
// understood (zandrel-sammeln --pruefe), and what the window shows of the chosen event.

#include "entryfile/EntryFile.h"
#include "invitation/GiroCode.h"
#include "invitation/Reader.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace messages {

/// One refused line: "Zeile 5, Datum: „31.02.2027“ gibt es nicht." (no line for the whole file).
QString invitationProblem(const invitation::Problem& problem);
/// Why the file at `path` is not used, with its first problems, one per line.
QString invitationRefused(const QString& path, const invitation::ReadResult& read);
/// The first `most` problems, one per line, and "… und N weitere." for the rest.
QStringList invitationProblems(const invitation::ReadResult& read, qsizetype most);
/// "Warnung: Zeile 4, Jahrgänge: …"
QString invitationWarning(const invitation::Problem& warning);
/// The first `most` warnings so, one per line, and "… und N weitere." for the rest.
QStringList invitationWarnings(const invitation::ReadResult& read, qsizetype most);
/// What zandrel-sammeln --pruefe prints for a file without problems.
QStringList invitationSummary(const invitation::Invitation& invitation);

/// The line under the event field: date, place and deadline, or that the deadline has passed.
QString eventInfo(const invitation::Event& event, const QDateTime& now);
/// A year the chosen event does not admit; it admits `firstYear`–`lastYear`.
QString yearNotAdmitted(int year, const QString& event, int firstYear, int lastYear);
/// A loaded file's club or event that the open event file does not have, for the status line;
/// empty when the file named both.
QString notInInvitation(const entryfile::HeaderSelection& selection);
/// What the printed registration of `club` with `participants` rows for `event` adds: organiser,
/// date and place, deadline, fee, account with the payment reference, and the notes.
QStringList printedDetails(const invitation::Invitation& invitation, const invitation::Event& event,
                           const QString& club, qsizetype participants, const QDateTime& now);
/// "Meldegeld: 12 Teilnehmer × 5,50 € = 66,00 €"
QString feeLine(qsizetype participants, qint64 fee);
/// The account with the filled-in payment reference.
QString paymentLine(const invitation::Account& account, const QString& club, const QString& event);
/// Why the form carries no GiroCode, beside the fee lines; empty where nothing is to be paid.
QString noGiroCode(invitation::GiroCode::Refusal why);
/// The fee in the counts line: "Meldegeld 66,00 €".
QString feeInCounts(qint64 cents);
/// Rows of a loaded file whose year the chosen event does not admit, in the counts line.
QString notAdmittedInCounts(qsizetype rows);

/// The status line after opening or closing an event file, and after a start at which the last
/// one could not be opened again (`why`: the first line of the reason).
QString invitationOpened(const QString& fileName);
QString invitationClosed();
QString invitationNotReopened(const QString& why);

/// A question whose two answers are sentences of their own.
struct Question
{
    QString text;
    QString yes;
    QString no;
};
/// Opening an event file (or closing one, for the built-in lists) that lacks the chosen club or
/// event: the choice would be cleared.
Question choiceNotInInvitation(const QStringList& missing);
Question choiceNotBuiltIn(const QStringList& missing);
/// A club typed for an open event that an entry file cannot hold as it is.
QString typedClubRefused(const QString& typed, invitation::Problem::Kind why);

} // namespace messages
