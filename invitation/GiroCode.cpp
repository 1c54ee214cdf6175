#include "invitation/GiroCode.h"

#include <algorithm>
#include <QStringList>

namespace invitation {
namespace {

// The EPC lines, with no limit applied.
QByteArray payloadOf(const Account& account, qint64 cents, const QString& reference)
{
    const QString amount =
        QStringLiteral("EUR%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    const QStringList lines{QStringLiteral("BCD"),
                            QStringLiteral("002"),
                            QStringLiteral("1"), // UTF-8
                            QStringLiteral("SCT"),
                            account.bic, // optional within the EEA since version 002
                            account.holder,
                            account.iban,
                            amount,
                            QString(), // purpose code
                            QString(), // structured creditor reference
                            reference};
    return lines.join(u'\n').toUtf8();
}

} // namespace

qsizetype codePoints(QStringView text)
{
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

GiroCode giroCode(const Account& account, qint64 cents, const QString& reference)
{
    GiroCode code;
    if (cents <= 0)
        code.refusal = GiroCode::NoAmount;
    else if (cents > kMostTransferCents)
        code.refusal = GiroCode::AmountTooLarge;
    else if (account.holder.contains(u'\n') || account.holder.contains(u'\r') ||
             reference.contains(u'\n') || reference.contains(u'\r'))
        code.refusal = GiroCode::LineBreak;
    else if (codePoints(account.holder) > kMostHolderChars)
        code.refusal = GiroCode::HolderTooLong;
    else if (codePoints(reference) > kMostReferenceChars)
        code.refusal = GiroCode::ReferenceTooLong;
    if (code.refusal != GiroCode::None)
        return code;
    code.payload = payloadOf(account, cents, reference);
    code.bytes = code.payload.size();
    if (code.payload.size() > kMostPayloadBytes) {
        code.payload.clear();
        code.refusal = GiroCode::TooManyBytes;
    }
    return code;
}

} // namespace invitation
