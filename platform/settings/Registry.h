#pragma once
// The per-user settings store that stands in for the registry: values by application,
// section and key, kept in an INI file in the user's configuration folder (never in the
// program folder).

#include <QString>

namespace zarle {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = {});
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
// The file that holds an application's settings.
QString SettingsFile(const QString& app);

} // namespace zarle
