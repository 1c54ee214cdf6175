#pragma once
// File names the program makes up from words it was given (an event, a club): whatever the
// words are, the result names one file directly in the folder it is put in, the same file on
// Linux and on Windows, and shows as what it is.

#include <QString>

namespace textfile {

/// At most this many characters (UTF-16) and bytes of UTF-8 in a name made up from given words:
/// 255 bytes are what Linux and macOS file systems hold (a name of "€" and "„" fits Windows and
/// still fails there), and the characters leave room for the folder in Windows' 260.
inline constexpr qsizetype kMostFileNameChars = 199;
inline constexpr qsizetype kMostFileNameBytes = 255;

/// `text` with "_" for each character that has no place in a file name: / \ : * ? " < > |
/// (Windows refuses them, and the slashes would make folders), control characters (C0, DEL,
/// C1), the invisible direction marks and overrides that would show the name in another order
/// (U+061C, U+200E, U+200F, U+202A–U+202E, U+2066–U+2069: "Fest\u202Efdp.mdg" shows as
/// "Festgdm.pdf"), and a lone surrogate, which has no UTF-8. For a part of a longer name.
QString fileNameCharacters(QString text);

/// Whether `name` keeps within kMostFileNameChars and kMostFileNameBytes.
bool fileNameFits(const QString& name);

/// Removes the last character, both halves of a surrogate pair.
void chopCodePoint(QString& text);

/// `name` and then `extension` as the name of one file, safe whatever `name` is: its characters
/// as fileNameCharacters makes them, leading dots as "_" (Linux hides such a file, and "." and
/// ".." are folders), cut at the end of `name` to fit, without a dot or blank at the very end
/// (Windows drops them, so the file would get another name than the one shown), "_" for an empty
/// name and "_" before a name Windows keeps for a device (CON, PRN, AUX, NUL, COM0–COM9,
/// LPT0–LPT9, with any extension: "nul.mdg" is the device too). `extension` is the caller's own
/// (".mdg") and kept whole. A usual name ("Gauturnfest 2027 TV Musterstadt") stays as it is.
QString safeFileName(const QString& name, const QString& extension = QString());

} // namespace textfile
