#pragma once
// GIF89a files from palette pictures, with an LZW encoder of our own (Qt reads GIF but cannot
// write it).

#include <QByteArray>
#include <QImage>

namespace zarle::content {

// `image` must be QImage::Format_Indexed8 with 1..256 colours. `transparentIndex` (or -1 for
// none) names the palette entry that shows the table through the picture.
QByteArray EncodeGif(const QImage& image, int transparentIndex = -1);

} // namespace zarle::content
