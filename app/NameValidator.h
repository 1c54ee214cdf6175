#pragma once
// Guards the name fields: the entry file stores names in Windows-1252, so a character outside it
// (a Polish Ł, a Turkish ğ, an emoji) would be changed on the way to disk. Such input is refused
// as it is typed or pasted; control characters and line breaks never belong in a name either.
// The surname field also refuses a comma: the list keeps "Surname,First name" as one text and
// splits it at its first comma, so a comma in the surname would move the rest into the first name.

#include <QValidator>

class NameValidator : public QValidator
{
    Q_OBJECT
public:
    enum Field
    {
        FirstName,
        Surname,
    };

    explicit NameValidator(QObject* parent = nullptr, Field field = FirstName)
        : QValidator(parent), m_field(field)
    {
    }

    State validate(QString& input, int& pos) const override;

    /// The first character that made the last validation fail, 0 if none did.
    char32_t lastRejected() const { return m_lastRejected; }

    /// The character's problem in a sentence for the user.
    static QString explanation(char32_t ch);

    /// First character of text that a name of the field may not hold, 0 when there is none.
    static char32_t firstForbidden(QStringView text, Field field = FirstName);

private:
    Field m_field;
    mutable char32_t m_lastRejected = 0;
};
