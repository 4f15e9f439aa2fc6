#pragma once
// Picture files: JPEG, GIF, BMP (and PNG) read by their content, and pictures saved as BMP.

#include <QPixmap>
#include <QString>

namespace zarle {

// A null picture when the file is missing or not a picture.
QPixmap LoadPicture(const QString& path);
// The picture stretched to the size given, in pixels; null as above.
QPixmap LoadPictureScaled(const QString& path, int width, int height);
// False when the file could not be written.
bool SavePicture(const QPixmap& picture, const QString& path);

} // namespace zarle
