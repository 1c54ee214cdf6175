#pragma once
// Guards the name fields: the entry file stores names in Windows-1252, so a character outside it
// (a Polish Ł, a Turkish ğ, an emoji) would be changed on the way to disk. Such input is refused
// as it is typed or pasted; control characters and line breaks never belong in a name either.

#include <QValidator>

class NameValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

    /// The first character that made the last validation fail, 0 if none did.
    char32_t LastRejected() const { return m_lastRejected; }

    /// The character's problem in a sentence for the user.
    static QString Explanation(char32_t ch);

    /// First character of text that a name may not hold, 0 when there is none.
    static char32_t FirstForbidden(QStringView text);

private:
    mutable char32_t m_lastRejected = 0;
};
