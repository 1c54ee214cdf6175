// The confirmations of receipt: one text per club and event that the organiser can mail as it is.
#include "gather/Gather.h"
#include "messages/Gathering.h"
#include "messages/Messages.h"
#include "textfile/FileName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace gather {
namespace {

// "Eingangsbestätigung <event> – <club>.txt", with " (n)" for the n-th of one name, as long as
// textfile allows a made-up name. The longer part gives way first.
QString confirmationFileName(const QString& event, const QString& club, int number)
{
    // Cut before the characters are made safe: half a surrogate pair left by the cut becomes "_".
    const auto part = [](const QString& text) {
        return textfile::fileNameCharacters(text.left(textfile::kMostFileNameChars));
    };
    QString first = part(event.isEmpty() ? messages::withoutEvent() : event);
    QString second = part(club.isEmpty() ? messages::withoutClub() : club);
    const QString suffix =
        (number > 1 ? QStringLiteral(" (%1)").arg(number) : QString()) + QStringLiteral(".txt");
    for (;;) {
        QString name = messages::confirmationName(first, second) + suffix;
        if (textfile::fileNameFits(name))
            return name;
        textfile::chopCodePoint(first.size() >= second.size() ? first : second);
    }
}

// The day the organiser says the file came; nothing where that is not known. The file's time on
// the organiser's disk is when it was stored there, which the club never saw.
QString receivedText(const File& file)
{
    return file.receipt.kind == Receipt::Given
               ? file.receipt.date.toString(QStringLiteral("dd.MM.yyyy"))
               : QString();
}

QString fileName(const File& file)
{
    return shownPath(file.systemPath.filename());
}

QString participantLine(const Row& row)
{
    return row.name + QStringLiteral(", ") + row.firstName + QStringLiteral(", ") +
           (row.year < 0 ? row.yearText : QString::number(row.year)) +
           (row.gender == 1 ? QStringLiteral(", m") : QStringLiteral(", w"));
}

} // namespace

QList<Confirmation> confirmations(const Result& result)
{
    QList<Confirmation> out;
    if (!result.invitation)
        return out;
    const invitation::Invitation& invitation = *result.invitation;
    QHash<qsizetype, QList<const Row*>> rowsOfFile; // in the list's order
    for (const Row& row : result.rows)
        rowsOfFile[row.file].append(&row);
    // The very amounts of the fee sheet: a club's confirmation and the organiser's sheet agree.
    QHash<qsizetype, Fee> feeOf;
    for (const Fee& fee : fees(result))
        feeOf.insert(fee.file, fee);
    QSet<QString> taken; // folded: Windows and macOS do not tell "TV A" from "tv a"
    for (qsizetype f = 0; f < result.files.size(); ++f) {
        const File& file = result.files[f];
        if (!file.counted)
            continue;
        // Every line goes through printable(): a club's name or a file name must not split a
        // line or hide control characters in the organiser's mail.
        QStringList lines;
        const auto add = [&lines](const QString& line) { lines.append(printable(line)); };
        add(messages::confirmationGreeting());
        add({});
        add(messages::confirmationReceived(file.event, fileName(file), receivedText(file)));
        for (const File& older : result.files) {
            if (!older.counted && !older.club.isEmpty() && older.club == file.club &&
                older.event == file.event)
                add(messages::confirmationReplaces(fileName(older), receivedText(older)));
        }
        const QList<const Row*> rows = rowsOfFile.value(f);
        add({});
        add(messages::confirmationParticipants(rows.size()));
        for (const Row* row : rows)
            add(participantLine(*row));
        // The report's lines on this file: its rows' notes and what concerns the whole file.
        QStringList findings;
        for (const Problem& problem : result.problems) {
            if (problem.path == file.path)
                findings.append(QStringLiteral("- ") +
                                (problem.forClub.isEmpty() ? problem.message : problem.forClub));
        }
        add({});
        add(findings.isEmpty() ? messages::confirmationNothingFound()
                               : messages::confirmationFindings());
        for (const QString& finding : std::as_const(findings))
            add(finding);

        const Fee fee = feeOf.contains(f) ? feeOf.value(f) : feeOfFile(result, f);
        add({});
        // A club or event that the event file does not know is billed nothing until the
        // organiser knows whom the file is from: never "0 Teilnehmer × 5,00 € = 0,00 €".
        const bool known = !file.club.isEmpty() && invitation.event(file.event) &&
                           (invitation.isOpen() || invitation.club(file.club));
        if (!known) {
            add(messages::confirmationFeeOpen());
        } else if (!fee.feeCents) {
            add(messages::confirmationNoFee(file.event));
        } else {
            add(messages::confirmationFee(fee.participants, messages::money(*fee.feeCents),
                                          messages::money(fee.amountCents)));
            if (fee.inQuestion > 0)
                add(messages::confirmationInQuestion(fee.inQuestion,
                                                     messages::money(fee.inQuestionCents)));
            if (fee.notBilled > 0)
                add(messages::confirmationNotCharged(fee.notBilled));
            if (invitation.account && fee.participants > 0) {
                const invitation::Account& account = *invitation.account;
                add({});
                const QString payment = messages::confirmationPayment(
                    account.holder, account.ibanGrouped(), fee.reference);
                for (const QString& line : payment.split(u'\n'))
                    add(line);
            }
        }
        add({});
        add(messages::confirmationClosing());
        add(invitation.organiser.name);

        Confirmation confirmation;
        for (int number = 1;; ++number) {
            confirmation.fileName = confirmationFileName(file.event, file.club, number);
            if (!taken.contains(confirmation.fileName.toCaseFolded()))
                break;
        }
        taken.insert(confirmation.fileName.toCaseFolded());
        // CR LF: the line ends a mail has on its way, and the ones every Windows editor shows
        // as lines (Notepad before 2018 shows LF-only text as one long line); editors elsewhere
        // read them just as well. No byte-order mark: pasted or attached, some mail programs
        // show it as a stray character at the start.
        confirmation.text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        out.append(confirmation);
    }
    return out;
}

qsizetype writeConfirmations(const QString& folder, const QList<Confirmation>& confirmations,
                             QStringList* problems)
{
    if (!QDir().mkpath(folder)) {
        problems->append(messages::confirmationFolderNotMade(QDir::toNativeSeparators(folder)));
        return 0;
    }
    const QDir dir(folder);
    qsizetype written = 0;
    for (const Confirmation& confirmation : confirmations) {
        const QString path = dir.filePath(confirmation.fileName);
        const QString shown = QDir::toNativeSeparators(path);
        // Exclusively: an existing file (a confirmation of an earlier run, perhaps already
        // edited or sent) stays as it is, also one that appears between a look and the write.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
            problems->append(exists ? messages::confirmationExists(shown)
                                    : messages::confirmationNotWritten(shown));
            continue;
        }
        const QByteArray bytes = confirmation.text.toUtf8();
        const bool complete = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        if (!complete || file.error() != QFileDevice::NoError) {
            // Our own half-written file, never someone else's: it was created just now.
            file.remove();
            problems->append(messages::confirmationNotWritten(shown));
            continue;
        }
        ++written;
    }
    return written;
}

} // namespace gather
