#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace i18n {
namespace {

// Key names as German keyboards and manuals call them; Qt's own German keeps "Return", so the
// menu would say "Strg+Return". Our translator is asked before Qt's.
[[maybe_unused]] constexpr const char* kKeyNames[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Return"),
    QT_TRANSLATE_NOOP("QShortcut", "Enter"),
};

} // namespace

bool installGermanTexts(QCoreApplication& app)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    // Qt's own texts come with the Qt libraries (Debian's qt6-translations-l10n, the Windows
    // installer's translations folder); without them Qt's buttons stay English and nothing else
    // changes.
    auto* qt = new QTranslator(&app);
    if (qt->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // The program's own are built into it (i18n/CMakeLists.txt), so no installation can lose them.
    auto* own = new QTranslator(&app);
    // By its one name: the locale's search through name variants costs the start for nothing.
    if (!own->load(QStringLiteral(":/i18n/zandrel_de.qm")))
        return false;
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace i18n
