#include "platform/fonts/PrivateFonts.h"
#include "platform/pictures/Pictures.h"
#include "platform/settings/Registry.h"
#include "platform/shell/InstanceLock.h"

#include "tests/support/qt/ClaimingPictures.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace zarle;
using zarle::testing::JpegClaiming;
using zarle::testing::JpegCoding;

namespace {

QByteArray Encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

// A GIF whose logical screen is `screen`, drawn on by a single 16x16 frame.
QByteArray GifWithScreen(QSize screen) {
    QByteArray gif("GIF89a");
    const auto put16 = [&gif](int v) { gif += char(v & 0xFF), gif += char(v >> 8); };
    put16(screen.width());
    put16(screen.height());
    gif += QByteArray("\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF,", 10);
    put16(0), put16(0), put16(16), put16(16);
    // No local palette; codes of 3 bits: clear, end of data; the trailer.
    gif += QByteArray("\x00\x02\x01\x2C\x00;", 6);
    return gif;
}

} // namespace

TEST(Registry, KeepsValuesByApplicationSectionAndKey) {
    const QString app = QStringLiteral("ZarleNET-test-") + QUuid::createUuid().toString(QUuid::Id128);
    const auto cleanUp = qScopeGuard([&] { QFile::remove(SettingsFile(app)); });
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"),
                         QStringLiteral("1")),
              QStringLiteral("1"));
    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("0"));
    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Tip Number"), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")),
              QStringLiteral("0"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Tip Number")), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(QStringLiteral("Other"), QStringLiteral("Options"), QStringLiteral("Tip Number")),
              QString());
    SaveSetting(app, QStringLiteral("a/b"), QStringLiteral("c\\d"), QStringLiteral("x"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("a/b"), QStringLiteral("c\\d")), QStringLiteral("x"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("a"), QStringLiteral("b/c")), QString()) << "names do not nest";
}

TEST(InstanceLock, ASecondCopySeesTheFirst) {
    const QString name = QStringLiteral("zarlenet-test-") + QUuid::createUuid().toString(QUuid::Id128);
    auto first = std::make_unique<InstanceLock>(name);
    EXPECT_FALSE(first->AnotherIsRunning());
    EXPECT_TRUE(InstanceLock(name).AnotherIsRunning());
    first.reset();
    EXPECT_FALSE(InstanceLock(name).AnotherIsRunning()) << "the lock goes with the copy that held it";
}

TEST(PrivateFonts, AddedFontsAreUsableUntilRemoved) {
    const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!QFile::exists(font)) GTEST_SKIP() << "no font file to try";
    ASSERT_TRUE(AddFontResource(font));
    EXPECT_TRUE(AddFontResource(font)) << "again is harmless";
    EXPECT_TRUE(PrivateFontFamilies(font).contains(QStringLiteral("DejaVu Sans")));
    EXPECT_TRUE(RemoveFontResource(font));
    EXPECT_FALSE(RemoveFontResource(font));
    EXPECT_TRUE(PrivateFontFamilies(font).isEmpty());
    EXPECT_FALSE(AddFontResource(QStringLiteral("/no/such/Zarle1.ttf")));
}

TEST(Pictures, SavedAsBmpAndReadByContent) {
    QTemporaryDir dir;
    QPixmap card(71, 96);
    card.fill(Qt::darkGreen);
    const QString saved = dir.filePath(QStringLiteral("~temp.bmp"));
    ASSERT_TRUE(SavePicture(card, saved));
    EXPECT_TRUE(QFile(saved).open(QIODevice::ReadOnly));
    ASSERT_TRUE(QFile::copy(saved, dir.filePath(QStringLiteral("named.gif"))));

    const QPixmap back = LoadPicture(dir.filePath(QStringLiteral("named.gif")));
    ASSERT_FALSE(back.isNull()) << "a BMP under another name still loads";
    EXPECT_EQ(back.size(), QSize(71, 96));
    EXPECT_EQ(back.toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
    EXPECT_EQ(LoadPictureScaled(saved, 59, 80).size(), QSize(59, 80));
    EXPECT_TRUE(LoadPicture(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
    EXPECT_FALSE(SavePicture(card, dir.filePath(QStringLiteral("no/such/folder/x.bmp"))));
}

// A picture whose pixels would take more than the largest size on screen never takes it: a JPEG
// photo comes shrunk to fit, other pictures load as no picture, as a missing one does. The
// pictures the game ships and photos up to that size load as they are.
TEST(Pictures, PastTheLargestSizeShrinkOrLoadAsNoPicture) {
    LimitPictureMemory();
    // The largest square picture, at four bytes a pixel.
    const int side = int(std::sqrt(double(LargestPictureMb) * 1024 * 1024 / 4));
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::darkGreen);
    QImage phone(4000, 3000, QImage::Format_RGB32);
    phone.fill(Qt::darkBlue);
    QImage palette(side + 1, side + 1, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 100, 0)});
    palette.fill(0);
    const struct {
        const char* what;
        QByteArray bytes;
        QSize loaded; // empty: no picture
    } cases[] = {
        {"a tile as shipped", Encoded(square.copy(0, 0, 256, 256), "JPG"), {256, 256}},
        {"the largest square photo", Encoded(square, "JPG"), {side, side}},
        {"a twelve-megapixel photo", Encoded(phone, "JPG"), {2000, 1500}},
        {"a photo just past the largest size", JpegClaiming({side + 2, side}), {(side + 2) / 2, side / 2}},
        {"a header claiming 30000x30000", JpegClaiming({30000, 30000}), {}},
        {"a progressive photo past the largest size", JpegClaiming({side + 2, side}, JpegCoding::Progressive),
         {(side + 2) / 2, side / 2}},
        {"a progressive photo past what is shrunk", JpegClaiming({4000, 3000}, JpegCoding::Progressive), {}},
        {"a GIF whose screen is past the largest size", GifWithScreen({2 * side, 2 * side}), {}},
        {"a palette picture of one byte a pixel, past the largest size on screen", Encoded(palette, "PNG"), {}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const QPixmap picture = LoadPicture(path);
        const QSize loaded = picture.isNull() ? QSize() : picture.size();
        EXPECT_EQ(loaded, c.loaded) << c.what << ": " << loaded.width() << "x" << loaded.height();
    }
}
