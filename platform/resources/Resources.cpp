#include "platform/resources/Resources.h"

#include <QFile>

namespace zarle {

QByteArray LoadResData(int id, const QString& type) {
    QFile resource(QStringLiteral(":/%1/%2").arg(type).arg(id));
    if (!resource.open(QIODevice::ReadOnly)) return {};
    return resource.readAll();
}

} // namespace zarle
