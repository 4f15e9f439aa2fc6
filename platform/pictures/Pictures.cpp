#include "pictures/Pictures.h"

#include <QImageReader>

namespace zarle {

QPixmap LoadPicture(const QString& path) {
    QImageReader reader(path);
    // The content decides the format, whatever the file name says.
    reader.setDecideFormatFromContent(true);
    return QPixmap::fromImage(reader.read());
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
