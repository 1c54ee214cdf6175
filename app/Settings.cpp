#include "app/Settings.h"

#include <QSettings>

namespace {

constexpr auto kOrganisation = "ZANDREL";
constexpr auto kGroup = "settings";
constexpr auto kAutoSave = "autoSave";
constexpr auto kPath = "path";
constexpr auto kInvitation = "invitation";

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
    const QVariant invitation = store.value(QLatin1String(kInvitation));
    settings.invitation =
        invitation.typeId() == QMetaType::QString ? invitation.toString() : QString();
    return settings;
}

void Settings::write(const QString& applicationName) const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                    applicationName);
    store.beginGroup(QLatin1String(kGroup));
    store.setValue(QLatin1String(kAutoSave), autoSave);
    store.setValue(QLatin1String(kPath), path);
    // No event file open: no key at all, so that the store looks as it always did.
    if (invitation.isEmpty())
        store.remove(QLatin1String(kInvitation));
    else
        store.setValue(QLatin1String(kInvitation), invitation);
    store.endGroup();
    store.sync();
}
