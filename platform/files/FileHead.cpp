#include "platform/files/FileHead.h"

#include <QFile>

namespace zarle {

std::optional<FileHead> ReadFileHead(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // One byte more than the limit tells a larger file from one of exactly that size.
    FileHead head{file.read(limit + 1), false};
    if (head.Bytes.size() > limit) {
        head.Bytes.truncate(limit);
        head.Cut = true;
    }
    return head;
}

QString SizeText(qint64 bytes) {
    constexpr qint64 Kilo = 1024;
    if (bytes % (Kilo * Kilo) == 0) return QString("%1 MB").arg(bytes / (Kilo * Kilo));
    if (bytes % Kilo == 0) return QString("%1 KB").arg(bytes / Kilo);
    return QString("%1 bytes").arg(bytes);
}

} // namespace zarle
