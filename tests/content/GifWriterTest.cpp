// GIF files written by our encoder, read back by Qt's own GIF reader.

#include "tools/content/GifWriter.h"
#include "tools/content/PaletteImage.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <random>

using namespace zarle::content;

namespace {

QImage PalettePicture(int width, int height, int colours, uint32_t seed) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorCount(colours);
    for (int i = 0; i < colours; ++i) image.setColor(i, qRgb(i * 37 % 256, i * 91 % 256, 255 - i));
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.scanLine(y)[x] = uchar(random() % colours);
    return image;
}

QImage ReadGif(QByteArray bytes) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

struct GifCase {
    const char* what;
    int width, height, colours, transparent;
};

void PrintTo(const GifCase& c, std::ostream* out) {
    *out << c.what;
}

class GifRoundTrip : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifRoundTrip, EveryPixelReadsBackAsWritten) {
    const GifCase c = GetParam();
    const QImage source = PalettePicture(c.width, c.height, c.colours, 7);
    const QImage read = ReadGif(EncodeGif(source, c.transparent));
    ASSERT_EQ(read.size(), source.size());
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const int index = source.pixelIndex(x, y);
            const QRgb want = index == c.transparent ? 0u : source.color(index);
            const QRgb got = read.pixel(x, y);
            if (index == c.transparent) {
                ASSERT_EQ(qAlpha(got), 0) << c.what << " at " << x << "," << y;
            } else {
                ASSERT_EQ(got, want) << c.what << " at " << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GifRoundTrip,
    ::testing::Values(GifCase{"one pixel of one colour", 1, 1, 1, -1}, GifCase{"two colours", 17, 5, 2, -1},
                      GifCase{"five colours, odd table size", 33, 31, 5, 2},
                      // Random pixels fill the code table many times over: code-size steps and resets.
                      GifCase{"256 colours of noise", 300, 200, 256, -1},
                      GifCase{"noise with transparency", 128, 128, 256, 255}));

TEST(GifWriter, RefusesPicturesThatAreNotPalettePictures) {
    EXPECT_THROW(EncodeGif(QImage(4, 4, QImage::Format_ARGB32)), std::invalid_argument);
    EXPECT_THROW(EncodeGif(QImage()), std::invalid_argument);
}

TEST(ToPalette, ManyColoursKeepTheMostUsedAndMapTheRestClose) {
    QImage picture(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 4, 128)); // 4096 colours
    picture.setPixel(0, 0, qRgba(0, 0, 0, 20));                                       // clear
    const auto result = ToPalette(picture);
    ASSERT_LE(result.image.colorCount(), 256);
    ASSERT_GE(result.transparentIndex, 0);
    EXPECT_EQ(result.image.pixelIndex(0, 0), result.transparentIndex);
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (x == 0 && y == 0) continue;
            const QRgb got = result.image.color(result.image.pixelIndex(x, y));
            worst = std::max({worst, std::abs(qRed(got) - x * 4), std::abs(qGreen(got) - y * 4)});
        }
    EXPECT_LE(worst, 40);
}

} // namespace
