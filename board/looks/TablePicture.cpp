#include "board/looks/TablePicture.h"

#include "base/text/VbText.h"
#include "platform/pictures/Pictures.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>

namespace zarle {

bool IsTiledBackground(std::string_view fileName) {
    return fileName.size() >= 4 && EqualsNoCase(fileName.substr(0, 4), "TILE");
}

QSize TileCounts(QSize target, QSize tile) {
    if (tile.width() <= 0 || tile.height() <= 0 || target.isEmpty()) return {0, 0};
    return {target.width() / tile.width() + 1, target.height() / tile.height() + 1};
}

QImage TableLook(const QImage& picture, bool tiled, QSize size) {
    // Clear parts of a picture let the table colour show.
    QImage table(size,
                 picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    table.fill(Qt::transparent);
    QPainter painter(&table);
    if (!tiled) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(table.rect(), picture);
        return table;
    }
    const QSize counts = TileCounts(size, picture.size());
    for (int row = 0; row < counts.height(); ++row)
        for (int column = 0; column < counts.width(); ++column)
            painter.drawImage(column * picture.width(), row * picture.height(), picture);
    return table;
}

const QImage& TablePicture::Load(const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    const QFileInfo info(path);
    const qint64 stamp = info.exists() ? info.lastModified().toMSecsSinceEpoch() ^ info.size() : -1;
    if (path != path_ || stamp != stamp_) {
        path_ = path;
        stamp_ = stamp;
        picture_ = stamp < 0 ? QImage() : LoadPicture(path).toImage();
    }
    return picture_;
}

} // namespace zarle
