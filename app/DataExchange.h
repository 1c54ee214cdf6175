#pragma once
// Conversions used by the window's data exchange.

#include <optional>
#include <QString>

namespace ddx {

/// The year field's text as a whole number, or nothing when the text is not one. Of the text at
/// most the first 31 characters count. Blanks and tabs may stand before and after the number, a
/// sign may precede the digits, and zero counts only when written with a leading "0" (so "-0" and
/// "+0" are refused). A number outside the 32-bit range is refused too, rather than wrapped.
std::optional<qint32> parseWholeNumber(const QString& text);

/// The check box's value as the box can show it: anything below 0 or above 2 becomes 0.
constexpr qint32 clampCheckState(qint32 value) noexcept
{
    return (value < 0 || value > 2) ? 0 : value;
}

} // namespace ddx
