#include "windows/TextFile.h"

#include <QFile>
#include <QStringDecoder>

namespace zarle {

QStringList ReadTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (text.endsWith(u'\n')) text.chop(1);
    if (text.isEmpty()) return {};
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    return lines;
}

} // namespace zarle
