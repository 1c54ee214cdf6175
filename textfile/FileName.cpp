#include "textfile/FileName.h"

#include <QStringList>

namespace textfile {
namespace {

bool isUnsafe(const QString& text, qsizetype i)
{
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    const QChar c = text.at(i);
    const char16_t u = c.unicode();
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F ||
           (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || kForbidden.contains(c);
}

// Windows opens the device for any name whose part before the first dot, blanks aside, is one of
// these, in any case: "Nul .mdg" and "com1.tar.gz" too. The superscript digits count as digits.
bool isDeviceName(const QString& name)
{
    const QString base = name.left(name.indexOf(u'.')).trimmed().toUpper();
    static const QStringList kDevices{QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (kDevices.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           QStringView(u"0123456789\u00B9\u00B2\u00B3").contains(base.at(3));
}

} // namespace

QString fileNameCharacters(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isUnsafe(text, i))
            text[i] = u'_';
    }
    return text;
}

bool fileNameFits(const QString& name)
{
    return name.size() <= kMostFileNameChars && name.toUtf8().size() <= kMostFileNameBytes;
}

void chopCodePoint(QString& text)
{
    text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
}

QString safeFileName(const QString& name, const QString& extension)
{
    // No longer name can fit, and the cut below goes one character at a time. A pair of
    // surrogates that this cut would halve goes as a whole.
    QString stem = name.left(kMostFileNameChars);
    if (stem.size() < name.size() && stem.back().isHighSurrogate())
        stem.chop(1);
    stem = fileNameCharacters(stem);
    for (QChar& c : stem) {
        if (c != u'.')
            break;
        c = u'_';
    }
    // Twice at most: after a "_" in front no name is a device's.
    for (;;) {
        while (!stem.isEmpty() && !fileNameFits(stem + extension))
            chopCodePoint(stem);
        if (extension.isEmpty()) {
            while (stem.endsWith(u'.') || stem.endsWith(u' '))
                stem.chop(1);
        }
        if (stem.isEmpty())
            stem = QStringLiteral("_");
        if (!isDeviceName(stem + extension))
            return stem + extension;
        stem.prepend(u'_');
    }
}

} // namespace textfile
