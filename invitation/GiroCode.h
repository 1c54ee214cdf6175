#pragma once
// The GiroCode (EPC QR code, version 002, UTF-8) for a club's fee: the lines a banking app reads.

#include "invitation/Invitation.h"

#include <QByteArray>

namespace invitation {

/// The EPC QR code's limits (version 002): beneficiary name and remittance text in characters, the
/// whole payload in bytes (UTF-8), which is what QR version 13 at level M holds.
inline constexpr qsizetype kMostHolderChars = 70;
inline constexpr qsizetype kMostReferenceChars = 140;
inline constexpr qsizetype kMostPayloadBytes = 331;
inline constexpr qint64 kMostTransferCents = 99999999999;

/// Characters as the EPC limits count them: a surrogate pair is one.
qsizetype codePoints(QStringView text);

/// The GiroCode (EPC QR code, version 002, UTF-8) for paying `cents` to the account with the given
/// payment reference, or why there can be none. Nothing is ever cut: a code whose reference
/// differed from the printed one would be worse than none.
struct GiroCode
{
    enum Refusal
    {
        None,
        NoAmount,         ///< 0 or less
        AmountTooLarge,   ///< more than kMostTransferCents
        HolderTooLong,    ///< more than kMostHolderChars
        ReferenceTooLong, ///< more than kMostReferenceChars
        TooManyBytes,     ///< more than kMostPayloadBytes in all
        LineBreak,        ///< a value with a line break would shift every field after it
    };
    QByteArray payload; ///< empty when refused
    Refusal refusal = None;
    qsizetype bytes = 0; ///< what the payload takes, or would take (0 before it was measured)
};
GiroCode giroCode(const Account& account, qint64 cents, const QString& reference);

} // namespace invitation
