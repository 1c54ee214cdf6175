#pragma once
// What an IBAN must be to take a transfer in SEPA: a country of SEPA, that country's length and
// pattern of digits and letters, and matching check digits (ISO 13616).

#include <optional>
#include <QString>
#include <QStringView>

namespace invitation {

enum class IbanFault
{
    Format,      ///< a character where its country has none of its kind
    Country,     ///< not a SEPA country
    Length,      ///< too short or too long for its country
    CheckDigits, ///< the check digits do not match
};

/// The IBAN as an organiser copies it from an invitation ("IBAN DE89 3704 …", blanks of any
/// width between the groups) as it is checked: upper case, no blanks, no leading "IBAN".
QString compactIban(const QString& written);
/// The same for a BIC ("BIC: COBA DE FF XXX"): upper case, no blanks, no leading "BIC".
QString compactBic(const QString& written);

/// The IBAN's length in SEPA's country `country` ("DE": 22); 0 for a country outside SEPA.
int sepaIbanLength(QStringView country);
/// What is wrong with `iban` (upper case, no blanks); nothing when it takes a transfer.
std::optional<IbanFault> ibanFault(const QString& iban);
/// Where `iban` first breaks its country's pattern: the position (1-based, from the IBAN's
/// start; 0 when it does not) and what belongs there ('n' a digit, 'a' a letter, 'c' either).
struct IbanBreak
{
    int position = 0;
    char expected = 0;
};
IbanBreak ibanFormatBreak(const QString& iban);
/// The same for a BIC (upper case, no blanks) of 8 or 11 characters: four letters for the bank,
/// two for the country, then letters or digits. Position 0 when it keeps to that.
IbanBreak bicFormatBreak(const QString& bic);
/// Whether `bic` (upper case, no blanks) is a BIC: 8 or 11 characters of that pattern.
bool validBic(const QString& bic);

} // namespace invitation
