#include "rendering/cards/CardSheet.h"
#include "rendering/cards/BackDesigns.h"

#include <gtest/gtest.h>

using namespace zarle;

TEST(CardSheet, CellOfEveryPackFoldsOntoTheFirst) {
    struct Case {
        int id, sheetCard, row, x, y;
    };
    const Case cases[] = {
        {1, 1, 1, 1, 0},     {13, 13, 1, 853, 0},    {14, 14, 2, 1, 96}, {52, 52, 4, 853, 288},
        {66, 14, 2, 1, 96},  {104, 52, 4, 853, 288}, {105, 1, 1, 1, 0},  {208, 52, 4, 853, 288},
        {40, 40, 4, 1, 288}, {39, 39, 3, 853, 192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(FoldCardId(c.id), c.sheetCard);
        EXPECT_EQ(SheetRow(c.id), c.row);
        EXPECT_EQ(SheetX(c.id), c.x);
        EXPECT_EQ(SheetY(c.id), c.y);
    }
}

TEST(CardSheet, RankPicturesUseTheIdModThirteenWithKingsAsThirteen) {
    EXPECT_EQ(CardRank(1), 1);
    EXPECT_EQ(CardRank(13), 13);
    EXPECT_EQ(CardRank(26), 13);
    EXPECT_EQ(CardRank(64), 12);
    EXPECT_EQ(CardRank(66), 1);
}

TEST(CardSheet, StylesAndDesignsAProfileCannotNameFallBack) {
    for (int style : {1, 5, 6, 7, 8}) EXPECT_EQ(EffectiveCardStyle(style), style);
    for (int style : {0, -1, 9, 32767}) EXPECT_EQ(EffectiveCardStyle(style), 6) << style;
    for (int design : {0, 1, BackDesignCount}) EXPECT_EQ(EffectiveBackDesign(design), design);
    for (int design : {-1, BackDesignCount + 1, 999}) EXPECT_EQ(EffectiveBackDesign(design), 0) << design;
}
