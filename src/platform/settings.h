#pragma once
// The per-user settings store: text values addressed by application name, section and key.
#include <QString>

namespace platform {

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);

} // namespace platform
