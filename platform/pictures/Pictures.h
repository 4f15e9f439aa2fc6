#pragma once
// Picture files: JPEG, GIF, BMP (and PNG) read by their content, and pictures saved as BMP.

#include <QPixmap>
#include <QString>

namespace zarle {

// The most a picture read from a file may take in memory, on screen at four bytes a pixel. The game
// holds its background and avatars at full size, besides a copy or two while a picture is read,
// and keeps its memory under 150 MB: 16 MB is 2560x1600 or a 4-megapixel photo, far more than the
// game's own pictures (256x256 at most) and than the board shows.
inline constexpr int LargestPictureMb = 16;
inline constexpr qint64 LargestPictureBytes = qint64(LargestPictureMb) * 1024 * 1024;
// The largest progressive JPEG shrunk while it is read (8 megapixels): its decoder's own tables
// take up to six bytes a pixel of the whole picture.
inline constexpr qint64 LargestProgressivePixels = 8LL * 1000 * 1000;

// Makes the picture readers refuse, in the whole program, a picture past LargestPictureMb before
// they take its memory.
void LimitPictureMemory();

// A null picture when the file is missing or not a picture. A photo that would take more than
// `largestBytes` comes shrunk to fit where its format allows, and is otherwise null.
QPixmap LoadPicture(const QString& path, qint64 largestBytes = LargestPictureBytes);
// The picture stretched to the size given, in pixels; null as above.
QPixmap LoadPictureScaled(const QString& path, int width, int height);
// False when the file could not be written.
bool SavePicture(const QPixmap& picture, const QString& path);

} // namespace zarle
