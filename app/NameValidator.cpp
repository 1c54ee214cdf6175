#include "app/NameValidator.h"

#include "entries/Entry.h"
#include "textfile/Cp1252.h"

char32_t NameValidator::firstForbidden(QStringView text, Field field)
{
    if (const char32_t control = entry::firstControl(text))
        return control;
    if (field == Surname && text.contains(u','))
        return U',';
    return cp1252::firstUnencodable(text);
}

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const
{
    m_lastRejected = firstForbidden(input, m_field);
    return m_lastRejected == 0 ? Acceptable : Invalid;
}

QString NameValidator::explanation(char32_t ch)
{
    if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F)) {
        return tr("Zeilenumbrüche, Tabulatoren und Steuerzeichen sind in Namen nicht erlaubt.");
    }
    if (ch == U',') {
        return tr("Ein Komma ist im Namen nicht möglich: Die Liste trennt Name und Vorname am "
                  "ersten Komma. Im Vornamen ist ein Komma erlaubt.");
    }
    const QString shown = QString::fromUcs4(&ch, 1);
    return tr("Das Zeichen „%1“ kann nicht in der Meldedatei gespeichert werden. Erlaubt sind die "
              "Zeichen des westeuropäischen Zeichensatzes (Windows-1252), zum Beispiel Umlaute, ß "
              "und Buchstaben mit Akzent.")
        .arg(shown);
}
