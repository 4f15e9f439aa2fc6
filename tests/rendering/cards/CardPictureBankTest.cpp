#include "rendering/cards/CardPictureBank.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardSheet.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zarle;

namespace {

class CardPictureBankTest : public testing::Test {
  protected:
    QTemporaryDir programFolder;
    std::filesystem::path appPath{programFolder.path().toStdString()};

    QString CacheFile(int n) const { return programFolder.filePath("Data/" + QString::number(n) + ".tmp"); }
    void WriteCacheFile(int n, const QByteArray& bytes) {
        std::filesystem::create_directories(appPath / "Data");
        QFile file(CacheFile(n));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

bool Opaque(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 255;
}

} // namespace

TEST_F(CardPictureBankTest, EveryCellOfTheBuiltInSheetHoldsOneWholeCard) {
    CardPictureBank bank(appPath);
    const QImage& sheet = bank.imgALL();
    ASSERT_EQ(sheet.size(), QSize(SheetWidth, SheetHeight));
    for (int y = 0; y < SheetHeight; ++y) ASSERT_EQ(qAlpha(sheet.pixel(0, y)), 0) << "left margin, row " << y;
    for (int id : {1, 13, 14, 52, 66, 104}) {
        SCOPED_TRACE(id);
        const QImage& cell = bank.FaceCell(id);
        ASSERT_EQ(cell.size(), QSize(LargeCardW, LargeCardH));
        EXPECT_EQ(cell, sheet.copy(SheetX(id), SheetY(id), LargeCardW, LargeCardH));
        // The card's edges run along all four sides of the cell, its rounded corners stay clear.
        EXPECT_TRUE(Opaque(cell, 0, LargeCardH / 2));
        EXPECT_TRUE(Opaque(cell, LargeCardW - 1, LargeCardH / 2));
        EXPECT_TRUE(Opaque(cell, LargeCardW / 2, 0));
        EXPECT_TRUE(Opaque(cell, LargeCardW / 2, LargeCardH - 1));
        EXPECT_LT(qAlpha(cell.pixel(0, 0)), 255);
    }
    EXPECT_NE(bank.FaceCell(1), bank.FaceCell(14));
    EXPECT_TRUE(bank.FaceCell(0).isNull());
    EXPECT_TRUE(bank.FaceCell(-3).isNull());
}

TEST_F(CardPictureBankTest, SavedBitmapsAreTheSheetCellsAndAreReadBackSmall) {
    CardPictureBank bank(appPath);
    ASSERT_TRUE(bank.SaveCardBitmaps());
    for (int n = 1; n <= CardsPerPack; ++n) ASSERT_TRUE(QFile::exists(CacheFile(n))) << n;
    const QImage saved(CacheFile(14), "BMP");
    ASSERT_EQ(saved.size(), QSize(LargeCardW, LargeCardH));
    EXPECT_EQ(saved.pixel(35, 48), bank.FaceCell(14).pixel(35, 48));

    // A fresh bank reads the file, not the sheet: a cache file painted blue shows blue.
    QImage blue(LargeCardW, LargeCardH, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(CacheFile(14), "BMP"));
    CardPictureBank next(appPath);
    const QImage& small = next.LoadCardBitmap(14);
    ASSERT_EQ(small.size(), QSize(SmallCardW, SmallCardH));
    EXPECT_EQ(QColor(small.pixel(30, 40)), QColor(Qt::blue));
    EXPECT_LT(qAlpha(small.pixel(0, 0)), 32) << "rounded corners are cut out again";
    EXPECT_EQ(&next.LoadCardBitmap(14), &small) << "read once, then served from memory";
}

TEST_F(CardPictureBankTest, SavingAgainReplacesTheSmallFacesAlreadyRead) {
    CardPictureBank bank(appPath);
    ASSERT_TRUE(bank.SaveCardBitmaps());
    const QImage before = bank.LoadCardBitmap(20);
    QImage other(SheetWidth, SheetHeight, QImage::Format_ARGB32_Premultiplied);
    other.fill(Qt::darkGreen);
    bank.SetFaceSheet(other);
    ASSERT_TRUE(bank.SaveCardBitmaps());
    EXPECT_NE(bank.LoadCardBitmap(20), before);
    EXPECT_EQ(QColor(bank.LoadCardBitmap(20).pixel(30, 40)), QColor(Qt::darkGreen));
}

TEST_F(CardPictureBankTest, AMissingOrBrokenCacheFileShowsTheSheetCellInstead) {
    CardPictureBank reference(appPath);
    const QImage expected = reference.LoadCardBitmap(7); // no Data folder at all yet
    ASSERT_EQ(expected.size(), QSize(SmallCardW, SmallCardH));
    EXPECT_EQ(expected.pixel(30, 40),
              reference.FaceCell(7)
                  .scaled(SmallCardW, SmallCardH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .pixel(30, 40));

    QImage tiny(10, 10, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    QByteArray tinyBmp;
    {
        QBuffer buffer(&tinyBmp);
        buffer.open(QIODevice::WriteOnly);
        tiny.save(&buffer, "BMP");
    }
    for (const QByteArray& content : {QByteArray(), QByteArray("not a picture at all"), tinyBmp}) {
        WriteCacheFile(7, content);
        CardPictureBank bank(appPath);
        EXPECT_EQ(bank.LoadCardBitmap(7), expected) << content.size() << " bytes";
    }
    CardPictureBank bank(appPath);
    EXPECT_TRUE(bank.LoadCardBitmap(0).isNull());
    EXPECT_TRUE(bank.LoadCardBitmap(53).isNull());
}

TEST_F(CardPictureBankTest, ACacheThatCannotBeWrittenIsReportedAndFacesStillShow) {
    // The program folder's "Data" is a file, so no cache file can be made.
    QFile blocker(programFolder.filePath("Data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CardPictureBank bank(appPath);
    EXPECT_FALSE(bank.SaveCardBitmaps());
    EXPECT_EQ(bank.LoadCardBitmap(30).size(), QSize(SmallCardW, SmallCardH));
}

TEST_F(CardPictureBankTest, RankSkinsAndEmptyPilePairsAreSwitchedAsAWhole) {
    CardPictureBank bank(appPath);
    ASSERT_TRUE(bank.LoadCardSkin(3));
    for (int rank = 1; rank <= 13; ++rank) {
        EXPECT_EQ(bank.Image1(rank), bank.RankPicture(3, rank, false)) << rank;
        EXPECT_EQ(bank.Image1(rank, true).size(), QSize(SmallCardW, SmallCardH));
    }
    const QImage three = bank.Image1(13);
    for (int bad : {0, 6, 8, -1}) EXPECT_FALSE(bank.LoadCardSkin(bad)) << bad;
    EXPECT_EQ(bank.Image1(13), three);
    EXPECT_NE(bank.RankPicture(1, 13, false), three);

    EXPECT_EQ(bank.SetCardSizePics(1), 5);
    EXPECT_EQ(&bank.BackPicA(), &bank.ImgEmpty2());
    EXPECT_EQ(&bank.BackPicB(), &bank.ImgEmptySm2());
    EXPECT_EQ(bank.SetCardSizePics(0), 8);
    EXPECT_EQ(&bank.BackPicA(), &bank.ImgEmpty3());
    EXPECT_EQ(&bank.BackPicB(), &bank.ImgEmptySm3());
    EXPECT_EQ(bank.BackPicB().size(), QSize(SmallCardW, SmallCardH));
    EXPECT_NE(bank.ImgEmpty2(), bank.ImgEmpty3());
}

TEST_F(CardPictureBankTest, AChoiceAndItsKeyNameTheSamePicture) {
    CardPictureBank bank(appPath);
    CardLook look;
    look.NumPlayers = 3;
    look.PTurn = 2;
    for (const CardShown& shown :
         {ShowCardChoice(Pics::Picture7, 2, 66, 0, look), ShowCardChoice(Pics::Picture2, 2, 66, 0, look),
          ShowCardChoice(Pics::Picture2, 2, 0, 0, look),
          ShowCardChoice(Pics::Picture7, 8, 0, EmptyPileMode, look)}) {
        const QImage& picture = bank.Picture(shown);
        EXPECT_FALSE(picture.isNull()) << PictureKey(shown);
        EXPECT_EQ(&bank.Picture(PictureKey(shown)), &picture) << PictureKey(shown);
    }
    EXPECT_TRUE(bank.Picture("nonsense").isNull());
}
