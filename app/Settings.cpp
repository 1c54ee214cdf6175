#include "app/Settings.h"

#include <QSettings>

namespace {

constexpr auto kOrganisation = "ZANDREL";
constexpr auto kGroup = "settings";
constexpr auto kAutoSave = "autoSave";
constexpr auto kPath = "path";

} // namespace

Settings Settings::read(const QString& applicationName)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                    applicationName);
    store.beginGroup(QLatin1String(kGroup));
    Settings settings;
    bool ok = false;
    const int autoSave = store.value(QLatin1String(kAutoSave)).toInt(&ok);
    settings.autoSave = ok ? autoSave : 0;
    const QVariant path = store.value(QLatin1String(kPath));
    // A value of another type (a list written by hand, say) is as good as missing.
    settings.path = path.typeId() == QMetaType::QString ? path.toString() : QString();
    return settings;
}

void Settings::write(const QString& applicationName) const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                    applicationName);
    store.beginGroup(QLatin1String(kGroup));
    store.setValue(QLatin1String(kAutoSave), autoSave);
    store.setValue(QLatin1String(kPath), path);
    store.endGroup();
    store.sync();
}
