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

// Makes the picture readers refuse, in the whole program, a picture past LargestPictureMb before
// they take its memory.
void LimitPictureMemory();

// A null picture when the file is missing, not a picture or would take more than `largestBytes`.
QPixmap LoadPicture(const QString& path, qint64 largestBytes = LargestPictureBytes);
// The picture stretched to the size given, in pixels; null as above.
QPixmap LoadPictureScaled(const QString& path, int width, int height);
// False when the file could not be written.
bool SavePicture(const QPixmap& picture, const QString& path);

} // namespace zarle
