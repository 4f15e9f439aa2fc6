#include "platform/pictures/Pictures.h"

#include "platform/files/FileHead.h"

#include <QImageReader>

#include <algorithm>
#include <optional>
#include <utility>

namespace zarle {

void LimitPictureMemory() {
    QImageReader::setAllocationLimit(LargestPictureMb);
}

namespace {

// Enough of a JPEG to pass its tables and comments and reach its frame header.
constexpr qint64 JpegHeadBytes = 256 * 1024;

qint64 ScreenBytes(QSize size) {
    return qint64(size.width()) * size.height() * 4;
}

// True when the JPEG's frame header says it is coded in progressive passes; false for the
// sequential coding of cameras and phones, and for anything that is no JPEG.
bool IsProgressiveJpeg(const QString& path) {
    const std::optional<FileHead> head = ReadFileHead(path, JpegHeadBytes);
    if (!head) return false;
    const QByteArray& b = head->Bytes;
    const auto byte = [&b](qsizetype at) { return static_cast<unsigned char>(b[at]); };
    qsizetype at = 2; // past the start-of-image marker
    while (at + 4 <= b.size() && byte(at) == 0xFF) {
        const unsigned char marker = byte(at + 1);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        at += 2 + ((byte(at + 2) << 8) | byte(at + 3));
    }
    return false;
}

// A photo past the largest size is read at a half, a quarter or an eighth of its size: a JPEG
// decodes at those steps without taking its whole size in memory. A progressive one still keeps
// up to six bytes a pixel of its whole size while it decodes, so only one up to
// LargestProgressivePixels is read so. Other formats are read whole, and the readers' limit
// refuses them.
bool ShrinkWhileRead(QImageReader& reader, const QString& path, qint64 largestBytes) {
    const QSize full = reader.size();
    if (!full.isValid() || ScreenBytes(full) <= largestBytes) return true;
    if (reader.format() != "jpeg") return true;
    if (qint64(full.width()) * full.height() > LargestProgressivePixels && IsProgressiveJpeg(path)) return false;
    for (const int step : {2, 4, 8}) {
        const QSize shrunk(std::max(1, full.width() / step), std::max(1, full.height() / step));
        if (ScreenBytes(shrunk) > largestBytes) continue;
        reader.setScaledSize(shrunk);
        return true;
    }
    return false;
}

} // namespace

QPixmap LoadPicture(const QString& path, qint64 largestBytes) {
    QImageReader reader(path);
    // The content decides the format, whatever the file name says.
    reader.setDecideFormatFromContent(true);
    if (!ShrinkWhileRead(reader, path, largestBytes)) return {};
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
