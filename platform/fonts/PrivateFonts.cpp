#include "platform/fonts/PrivateFonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>

namespace zarle {

namespace {

QHash<QString, int>& Added() {
    static QHash<QString, int> added;
    return added;
}

QString KeyOf(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

bool AddFontResource(const QString& path) {
    const QString key = KeyOf(path);
    if (Added().contains(key)) return true;
    const int id = QFontDatabase::addApplicationFont(key);
    if (id < 0) return false;
    Added().insert(key, id);
    return true;
}

bool RemoveFontResource(const QString& path) {
    const auto it = Added().constFind(KeyOf(path));
    if (it == Added().constEnd()) return false;
    QFontDatabase::removeApplicationFont(it.value());
    Added().erase(it);
    return true;
}

QStringList PrivateFontFamilies(const QString& path) {
    const auto it = Added().constFind(KeyOf(path));
    return it == Added().constEnd() ? QStringList() : QFontDatabase::applicationFontFamilies(it.value());
}

} // namespace zarle
