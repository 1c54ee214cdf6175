#include "app/Settings.h"

#include <QSettings>
#include <QStringList>

namespace {

constexpr auto kOrganisation = "ZANDREL";
constexpr auto kGroup = "settings";
constexpr auto kAutoSave = "autoSave";
constexpr auto kPath = "path";
constexpr auto kInvitation = "invitation";
constexpr auto kContactName = "contactName";
constexpr auto kContactEmail = "contactEmail";
constexpr auto kContactPhone = "contactPhone";

// A text value, or empty for a missing one or one of another type (a list written by hand).
QString text(const QSettings& store, const char* key)
{
    const QVariant value = store.value(QLatin1String(key));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// A value that is empty is no key at all, so that the store of a user who never set it looks as
// it always did.
void setText(QSettings& store, const char* key, const QString& value)
{
    if (value.isEmpty())
        store.remove(QLatin1String(key));
    else
        store.setValue(QLatin1String(key), value);
}

} // namespace

QString Contact::oneLine() const
{
    QStringList parts;
    for (const QString& part : {name, email, phone}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

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
    settings.invitation = text(store, kInvitation);
    settings.contact = {text(store, kContactName), text(store, kContactEmail),
                        text(store, kContactPhone)};
    return settings;
}

void Settings::write(const QString& applicationName) const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                    applicationName);
    store.beginGroup(QLatin1String(kGroup));
    store.setValue(QLatin1String(kAutoSave), autoSave);
    store.setValue(QLatin1String(kPath), path);
    setText(store, kInvitation, invitation);
    setText(store, kContactName, contact.name);
    setText(store, kContactEmail, contact.email);
    setText(store, kContactPhone, contact.phone);
    store.endGroup();
    store.sync();
}
