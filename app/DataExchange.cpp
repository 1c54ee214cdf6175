#include "app/DataExchange.h"

#include <limits>

namespace ddx {

std::optional<qint32> parseWholeNumber(const QString& fullText)
{
    const QStringView text = QStringView(fullText).left(31);
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };

    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size())
        return std::nullopt;
    const QChar first = text[i];

    bool negative = false;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    bool anyDigit = false;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        value = value * 10 + (text[i].unicode() - u'0');
        anyDigit = true;
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
        ++i;
    }
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size() || !anyDigit)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    if (value == 0 && first != QLatin1Char('0'))
        return std::nullopt;
    return static_cast<qint32>(value);
}

} // namespace ddx
