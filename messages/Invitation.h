#pragma once
// What the program says about an organiser's event file: why a line is refused, what was
// understood (zandrel-sammeln --pruefe), and what the window shows of the chosen event.

#include "invitation/Invitation.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace messages {

/// One refused line: "Zeile 5, Datum: „31.02.2027“ gibt es nicht." (no line for the whole file).
QString invitationProblem(const invitation::Problem& problem);
/// Why the file at `path` is not used, with its first problems, one per line.
QString invitationRefused(const QString& path, const QList<invitation::Problem>& problems);
/// What zandrel-sammeln --pruefe prints for a file without problems.
QStringList invitationSummary(const invitation::Invitation& invitation);

/// The line under the event field: date, place and deadline, or that the deadline has passed.
QString eventInfo(const invitation::Event& event, const QDateTime& now);
/// A year the chosen event does not admit.
QString yearNotAdmitted(int year, const invitation::Event& event);
/// A loaded file's club or event that the open event file does not have.
QString notInInvitation(const QString& value);
/// The fee in the counts line: "Meldegeld 66,00 €".
QString feeInCounts(qint64 cents);

} // namespace messages
