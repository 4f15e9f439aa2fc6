#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/clsDLL.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zarle;

namespace {

class ComponentTest : public testing::Test {
  protected:
    QTemporaryDir programFolder;
    CardPictureBank bank{programFolder.path().toStdString()};
    clsDLL dll{bank};
    CardPictureComponent component;
};

} // namespace

TEST_F(ComponentTest, FaceSheetsOfStylesSevenAndEightReplaceTheBuiltInOne) {
    const QImage builtIn = bank.imgALL();
    const QImage firstFace = bank.FaceCell(1);
    dll.GetCardFaces(7);
    EXPECT_EQ(bank.imgALL(), component.FaceSheet(1).convertToFormat(builtIn.format()));
    EXPECT_NE(bank.FaceCell(1), firstFace) << "cells are cut again from the new sheet";
    dll.GetCardFaces(8);
    EXPECT_EQ(bank.imgALL(), component.FaceSheet(0).convertToFormat(builtIn.format()));
    EXPECT_NE(component.FaceSheet(0), component.FaceSheet(1));
    for (int other : {0, 5, 9}) {
        dll.GetCardFaces(other);
        EXPECT_EQ(bank.imgALL(), component.FaceSheet(0).convertToFormat(builtIn.format())) << other;
    }
    dll.GetCardFaces(6);
    EXPECT_EQ(bank.imgALL(), builtIn);
    EXPECT_EQ(bank.FaceCell(1), firstFace);
    EXPECT_TRUE(component.FaceSheet(2).isNull());
}

TEST_F(ComponentTest, BackDesignsComeInBothSizesAndBadNumbersGiveThePlainBack) {
    ASSERT_EQ(dll.GetBacksQuantity(), BackDesignCount);
    for (int design = 1; design <= dll.GetBacksQuantity(); ++design) {
        dll.GetCardBacks(design);
        EXPECT_EQ(bank.FilePic(0).size(), QSize(LargeCardW, LargeCardH)) << design;
        EXPECT_EQ(bank.FilePic(5).size(), QSize(SmallCardW, SmallCardH)) << design;
        EXPECT_NE(bank.FilePic(0), bank.FilePic(2)) << design;
    }
    for (int design : {0, -1, BackDesignCount + 1}) {
        dll.GetCardBacks(design);
        EXPECT_EQ(bank.FilePic(0), bank.FilePic(2)) << design;
        EXPECT_EQ(bank.FilePic(5), bank.FilePic(2)) << design;
    }
    EXPECT_TRUE(component.CardBackPicture(static_cast<int16_t>(BackDesignCount), false).isNull());
}

TEST_F(ComponentTest, PreviewsCarryTheDesignsGroundColour) {
    const CardBackPreview second = dll.GetCardBackPreview(2, true);
    EXPECT_EQ(second.picture.size(), QSize(SmallCardW, SmallCardH));
    EXPECT_EQ(second.backColour, BackDesigns[1].groundColour);
    EXPECT_EQ(component.CardBackColour(1), BackDesigns[1].groundColour);
    EXPECT_EQ(dll.GetCardBackPreview(1, false).picture.size(), QSize(LargeCardW, LargeCardH));
    for (int design : {0, 42}) {
        const CardBackPreview plain = dll.GetCardBackPreview(design, false);
        EXPECT_EQ(plain.picture, bank.FilePic(2)) << design;
        EXPECT_EQ(plain.backColour, PlainDeckColour) << design;
    }
    EXPECT_EQ(component.CardBackColour(-1), PlainDeckColour);
}
