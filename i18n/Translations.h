#pragma once
// The program speaks German whatever the system's language: the default locale, Qt's own texts
// (standard buttons, the file dialog) and the program's. The program's texts are written in German
// already; its translation adds what source text cannot say, the singular and plural forms of a
// sentence with a count ("Gemeldet ist 1 Teilnehmer:", "Gemeldet sind 2 Teilnehmer:").

class QCoreApplication;

namespace i18n {

/// Installs both translators into `app`, which owns them. False when the program's own
/// translation is missing: then every sentence with a count reads in its plural form.
bool installGermanTexts(QCoreApplication& app);

} // namespace i18n
