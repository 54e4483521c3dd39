#include "platform/settings.h"

#include <QSettings>

namespace platform {
namespace {
QString KeyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    return store.value(KeyPath(section, key), defaultValue).toString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    store.setValue(KeyPath(section, key), value);
    store.sync();
}

} // namespace platform
