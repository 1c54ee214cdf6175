#include "invitation/Iban.h"

#include <QRegularExpression>

namespace invitation {
namespace {

// SEPA's countries and what follows an IBAN's check digits there, as runs of digits (n), upper
// case letters (a) and either (c). The French overseas departments, Åland and the Channel Islands
// bank under FR, FI and GB.
struct SepaCountry
{
    char code[3];
    const char* bban;
};
constexpr SepaCountry kSepaCountries[] = {
    {"AD", "8n12c"},   {"AL", "8n16c"},    {"AT", "16n"},   {"BE", "12n"},      {"BG", "4a6n8c"},
    {"CH", "5n12c"},   {"CY", "8n16c"},    {"CZ", "20n"},   {"DE", "18n"},      {"DK", "14n"},
    {"EE", "16n"},     {"ES", "20n"},      {"FI", "14n"},   {"FR", "10n11c2n"}, {"GB", "4a14n"},
    {"GI", "4a15c"},   {"GR", "7n16c"},    {"HR", "17n"},   {"HU", "24n"},      {"IE", "4a14n"},
    {"IS", "22n"},     {"IT", "1a10n12c"}, {"LI", "5n12c"}, {"LT", "16n"},      {"LU", "3n13c"},
    {"LV", "4a13c"},   {"MC", "10n11c2n"}, {"MD", "20c"},   {"ME", "18n"},      {"MK", "3n10c2n"},
    {"MT", "4a5n18c"}, {"NL", "4a10n"},    {"NO", "11n"},   {"PL", "24n"},      {"PT", "21n"},
    {"RO", "4a16c"},   {"SE", "20n"},      {"SI", "15n"},   {"SK", "20n"},      {"SM", "1a10n12c"},
    {"VA", "18n"},
};

const SepaCountry* sepaCountry(QStringView code)
{
    for (const SepaCountry& country : kSepaCountries) {
        if (code == QLatin1StringView(country.code))
            return &country;
    }
    return nullptr;
}

// The IBAN's characters one by one, as its country's pattern wants them ('n', 'a' or 'c'), the
// country code and check digits included.
QByteArray ibanPattern(const SepaCountry& country)
{
    QByteArray pattern = "aann";
    int count = 0;
    for (const char* c = country.bban; *c; ++c) {
        if (*c >= '0' && *c <= '9') {
            count = count * 10 + (*c - '0');
            continue;
        }
        pattern += QByteArray(count, *c);
        count = 0;
    }
    return pattern;
}

bool checkDigitsMatch(const QString& iban)
{
    // ISO 13616: the first four characters go to the end, letters count as 10..35, and the whole
    // number is 1 modulo 97.
    const QString moved = iban.mid(4) + iban.left(4);
    int rest = 0;
    for (const QChar ch : moved) {
        const int value = ch.isDigit() ? ch.digitValue() : ch.unicode() - u'A' + 10;
        rest = (value >= 10 ? rest * 100 : rest * 10) + value;
        rest %= 97;
    }
    return rest == 1;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// Blanks of any width: a word processor puts non-breaking (U+00A0) or thin spaces (U+2009,
// U+202F) between the groups, and they look the same.
QString withoutBlanks(const QString& text)
{
    QString compact;
    for (const QChar c : text) {
        if (c.category() != QChar::Separator_Space)
            compact += c;
    }
    return compact.toUpper();
}

// Whether `c` fits the pattern character `want`: 'n' a digit, 'a' a letter, 'c' either.
bool fits(QChar c, char want)
{
    return want == 'n'   ? isAsciiDigit(c)
           : want == 'a' ? isAsciiUpper(c)
                         : isAsciiDigit(c) || isAsciiUpper(c);
}

IbanBreak patternBreak(const QString& text, const QByteArray& pattern)
{
    for (qsizetype i = 0; i < text.size() && i < pattern.size(); ++i) {
        if (!fits(text.at(i), pattern.at(i)))
            return {int(i + 1), pattern.at(i)};
    }
    return {};
}

} // namespace

QString compactIban(const QString& written)
{
    QString iban = withoutBlanks(written);
    // No country's code is "IB": the word can never be the start of the IBAN itself.
    if (iban.startsWith(u"IBAN")) {
        iban.remove(0, 4);
        if (iban.startsWith(u':'))
            iban.remove(0, 1);
    }
    return iban;
}

QString compactBic(const QString& written)
{
    // A bank's code may begin with "BIC": the word goes only where something parts it from the
    // code ("BIC COBADEFF", "BIC: COBADEFF").
    static const QRegularExpression word(QStringLiteral("^BIC(?::|\\s)\\s*"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);
    return withoutBlanks(QString(written).remove(word));
}

int sepaIbanLength(QStringView country)
{
    const SepaCountry* found = sepaCountry(country);
    return found ? int(ibanPattern(*found).size()) : 0;
}

IbanBreak ibanFormatBreak(const QString& iban)
{
    const SepaCountry* country = sepaCountry(QStringView(iban).left(2));
    return patternBreak(iban, country ? ibanPattern(*country) : QByteArray("aann"));
}

IbanBreak bicFormatBreak(const QString& bic)
{
    return patternBreak(bic, "aaaaaaccccc");
}

bool validBic(const QString& bic)
{
    return (bic.size() == 8 || bic.size() == 11) && bicFormatBreak(bic).position == 0;
}

std::optional<IbanFault> ibanFault(const QString& iban)
{
    if (iban.size() < 4 || ibanFormatBreak(iban.left(4)).position != 0)
        return IbanFault::Format;
    if (!sepaCountry(QStringView(iban).left(2)))
        return IbanFault::Country;
    if (iban.size() != sepaIbanLength(QStringView(iban).left(2)))
        return IbanFault::Length;
    if (ibanFormatBreak(iban).position != 0)
        return IbanFault::Format;
    if (!checkDigitsMatch(iban))
        return IbanFault::CheckDigits;
    return std::nullopt;
}

} // namespace invitation
