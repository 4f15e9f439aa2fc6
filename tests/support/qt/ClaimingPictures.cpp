#include "tests/support/qt/ClaimingPictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace zarle::testing {

QByteArray JpegClaiming(QSize size, JpegCoding coding, JpegColours colours) {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::darkGreen);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(coding == JpegCoding::Progressive);
    writer.write(small);
    const qsizetype frame = jpeg.indexOf(coding == JpegCoding::Progressive ? "\xFF\xC2" : "\xFF\xC0");
    if (frame < 0) return {};
    qToBigEndian<quint16>(quint16(size.height()), jpeg.data() + frame + 5);
    qToBigEndian<quint16>(quint16(size.width()), jpeg.data() + frame + 7);
    if (colours == JpegColours::FullResolution) jpeg[frame + 11] = 0x11;
    return jpeg;
}

} // namespace zarle::testing
