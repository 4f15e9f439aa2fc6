#include "pictures/Pictures.h"

#include <QImageReader>

#include <utility>

namespace zarle {

void LimitPictureMemory() {
    QImageReader::setAllocationLimit(LargestPictureMb);
}

QPixmap LoadPicture(const QString& path, qint64 largestBytes) {
    QImageReader reader(path);
    // The content decides the format, whatever the file name says.
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    // A picture of one byte a pixel within the readers' limit still takes four on screen.
    if (qint64(picture.width()) * picture.height() * 4 > largestBytes) return {};
    return QPixmap::fromImage(std::move(picture));
}

QPixmap LoadPictureScaled(const QString& path, int width, int height) {
    const QPixmap picture = LoadPicture(path);
    if (picture.isNull() || width <= 0 || height <= 0) return picture;
    return picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool SavePicture(const QPixmap& picture, const QString& path) {
    return !picture.isNull() && picture.save(path, "BMP");
}

} // namespace zarle
