#include "NameValidator.h"

#include "Cp1252.h"

char32_t NameValidator::FirstForbidden(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        // C0 and C1 controls and DEL: line breaks, tabs and the like never belong in a name.
        if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F))
            return ch;
    }
    return cp1252::FirstUnencodable(text);
}

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const
{
    m_lastRejected = FirstForbidden(input);
    return m_lastRejected == 0 ? Acceptable : Invalid;
}

QString NameValidator::Explanation(char32_t ch)
{
    if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F)) {
        return QStringLiteral("Zeilenumbrüche, Tabulatoren und Steuerzeichen sind in Namen nicht "
                              "erlaubt.");
    }
    const QString shown = QString::fromUcs4(&ch, 1);
    return QStringLiteral("Das Zeichen „%1“ kann nicht in der Meldedatei gespeichert werden. "
                          "Erlaubt sind die Zeichen des westeuropäischen Zeichensatzes "
                          "(Windows-1252), zum Beispiel Umlaute, ß und Buchstaben mit Akzent.")
        .arg(shown);
}
