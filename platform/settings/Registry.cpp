#include "platform/settings/Registry.h"

#include <QSettings>

namespace zarle {

namespace {

// Slashes would nest groups; they are kept as plain characters of a name.
QString Path(const QString& section, const QString& key) {
    const auto plain = [](QString name) { return name.replace(u'/', u'_').replace(u'\\', u'_'); };
    return plain(section) + u'/' + plain(key);
}

QSettings Store(const QString& app) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zarlenet"), app);
}

} // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return Store(app).value(Path(section, key), defaultValue).toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings store = Store(app);
    store.setValue(Path(section, key), value);
    store.sync();
}

QString SettingsFile(const QString& app) {
    return Store(app).fileName();
}

} // namespace zarle
