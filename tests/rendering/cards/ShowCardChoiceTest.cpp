#include "rendering/cards/ShowCardChoice.h"

#include <gtest/gtest.h>

using namespace zarle;

namespace {

CardLook Look(int players, int pTurn = 1, int displaySize = 0, int cardStyle = 6) {
    CardLook look;
    look.NumPlayers = players;
    look.PTurn = pTurn;
    look.DisplaySize = displaySize;
    look.CardStyle = cardStyle;
    look.ScreenTwips = 15360;
    return look;
}

} // namespace

TEST(ShowCardChoice, EmptyPilePictureFollowsTheDisplayAndWhoseTurnItIs) {
    struct Case {
        Pics pics;
        int players, pTurn, displaySize;
        CardPicture expected;
    };
    const Case cases[] = {
        {Pics::Picture1, 2, 2, 0, CardPicture::LargeEmpty},
        {Pics::PicCenter, 2, 3, 1, CardPicture::LargeEmpty},
        {Pics::Picture7, 3, 2, 0, CardPicture::LargeEmpty},
        {Pics::Picture2, 3, 1, 0, CardPicture::LargeEmpty},
        {Pics::Picture2, 3, 3, 0, CardPicture::SmallEmpty},
        {Pics::PicCenter, 4, 2, 0, CardPicture::LargeEmpty},
        {Pics::PicCenter, 4, 2, 2, CardPicture::SmallEmpty},
        {Pics::Picture7, 2, 1, 2, CardPicture::SmallEmpty},
        {Pics::Picture7, 4, 1, 3, CardPicture::SmallEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "pile " << int(c.pics) << " players " << c.players << " turn " << c.pTurn);
        const CardShown shown =
            ShowCardChoice(c.pics, 7, 0, EmptyPileMode, Look(c.players, c.pTurn, c.displaySize));
        EXPECT_EQ(shown.picture, c.expected);
        EXPECT_EQ(shown.cardSound, 0);
    }
}

TEST(ShowCardChoice, FacesAreFullSizeOnlyWhereThePileIsLarge) {
    struct Case {
        Pics pics;
        int index;
        CardLook look;
        CardPicture expected;
    };
    CardLook narrowLargeFonts = Look(2);
    narrowLargeFonts.ScreenTwips = 9600;
    narrowLargeFonts.LargeFonts = true;
    const Case cases[] = {
        {Pics::Picture1, 3, Look(2), CardPicture::Face},
        {Pics::Picture8, 1, Look(2), CardPicture::SmallFace},
        {Pics::Picture7, 2, Look(2, 1, 2), CardPicture::SmallFace},
        {Pics::FilePic, 1, Look(3, 2, 2), CardPicture::Face},
        {Pics::Picture7, 2, narrowLargeFonts, CardPicture::SmallFace},
        {Pics::FilePic, 4, narrowLargeFonts, CardPicture::Face},
        {Pics::PicCenter, 2, Look(4, 3), CardPicture::Face},
        {Pics::Picture2, 2, Look(3, 1), CardPicture::SmallFace},
        {Pics::Picture1, 0, Look(3, 1), CardPicture::Face},
        {Pics::Picture1, 0, Look(3, 2), CardPicture::SmallFace},
        {Pics::Picture1, 3, Look(3, 1), CardPicture::SmallFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pile " << int(c.pics) << "(" << c.index << ")");
        EXPECT_EQ(ShowCardChoice(c.pics, c.index, 27, 0, c.look).picture, c.expected);
    }
}

TEST(ShowCardChoice, SecondPackIdsShowTheFirstPacksPicture) {
    const CardShown sheet = ShowCardChoice(Pics::Picture7, 2, 66, 0, Look(2));
    EXPECT_EQ(sheet.picture, CardPicture::Face);
    EXPECT_EQ(sheet.SheetCard, 14);
    EXPECT_FALSE(sheet.singleBorder);
    EXPECT_EQ(sheet.backColor, BackFill::Keep);

    const CardShown king = ShowCardChoice(Pics::Picture7, 2, 26 + 52, 0, Look(2, 1, 0, 4));
    EXPECT_EQ(king.picture, CardPicture::RankPicture);
    EXPECT_EQ(king.rank, 13);
    EXPECT_TRUE(king.singleBorder);
    EXPECT_EQ(king.backColor, BackFill::White);
    EXPECT_EQ(ShowCardChoice(Pics::Picture2, 2, 26, 0, Look(3, 2, 0, 4)).picture,
              CardPicture::SmallRankPicture);
}

TEST(ShowCardChoice, ACardStyleNoStyleHasShowsTheBuiltInFaces) {
    for (int style : {0, 9, -4}) {
        const CardShown shown = ShowCardChoice(Pics::Picture7, 2, 14, 0, Look(2, 1, 0, style));
        EXPECT_EQ(shown.picture, CardPicture::Face) << style;
        EXPECT_EQ(shown.SheetCard, 14);
    }
}

TEST(ShowCardChoice, BacksAreLargeForTwoPlayersOrTheHumanAndPlainBacksTakeTheDeckColour) {
    EXPECT_EQ(ShowCardChoice(Pics::Picture1, 1, 0, 0, Look(2)).picture, CardPicture::LargeBack);
    EXPECT_EQ(ShowCardChoice(Pics::Picture1, 1, 0, 0, Look(3, 1)).picture, CardPicture::SmallBack);
    EXPECT_EQ(ShowCardChoice(Pics::Picture7, 1, 0, 0, Look(4, 2)).picture, CardPicture::LargeBack);
    EXPECT_EQ(ShowCardChoice(Pics::Picture7, 1, 0, 0, Look(2, 1, 2)).picture, CardPicture::SmallBack);

    struct Case {
        int design;
        bool plain;
    };
    for (const Case c : {Case{0, true}, Case{3, false}, Case{99, true}, Case{-1, true}}) {
        CardLook look = Look(2);
        look.BackDesign = c.design;
        const CardShown shown = ShowCardChoice(Pics::Picture1, 1, 0, 0, look);
        EXPECT_EQ(shown.singleBorder, c.plain) << c.design;
        EXPECT_EQ(shown.backColor, c.plain ? BackFill::DeckColor : BackFill::Keep) << c.design;
    }
}

TEST(ShowCardChoice, CardSoundsPlayOnlyForModesOneToFiveWithSoundsOn) {
    struct Case {
        int card, mode, soundLevel, sound;
    };
    const Case cases[] = {
        {5, 0, 0, 0}, {5, 1, 0, 1}, {5, 5, 1, 5},  {5, 6, 0, 0},  {5, 88, 0, 0},
        {5, 3, 2, 0}, {0, 3, 0, 3}, {0, 88, 0, 0}, {-2, 3, 0, 0},
    };
    for (const Case& c : cases) {
        CardLook look = Look(2);
        look.SoundLevel = c.soundLevel;
        EXPECT_EQ(ShowCardChoice(Pics::PicCenter, 1, c.card, c.mode, look).cardSound, c.sound)
            << "card " << c.card << " mode " << c.mode << " level " << c.soundLevel;
    }
}

TEST(ShowCardChoice, ANegativeIdDrawsNothingAndIsReported) {
    const CardShown shown = ShowCardChoice(Pics::Picture3, 4, -7, 0, Look(4));
    EXPECT_TRUE(shown.badCard);
    EXPECT_EQ(shown.picture, CardPicture::None);
    EXPECT_EQ(PictureKey(shown), "");
    EXPECT_EQ(
        ShowCardProblemText(BadCardError, BadCardDescription, "Picture3", 4, -7, 0),
        "Houston, we have a problem:\r\nError  380\r\n: Invalid property value\r\nObject is: Picture3\r\n"
        "ToPicNum:  4  FromPicNum: -7  adjusted (From):  0");
}

TEST(ShowCardChoice, PictureKeysNameThePictureForTheBoardModel) {
    EXPECT_EQ(PictureKey(ShowCardChoice(Pics::Picture7, 2, 66, 0, Look(2))), "face:14");
    EXPECT_EQ(PictureKey(ShowCardChoice(Pics::Picture8, 2, 66, 0, Look(2))), "smallface:14");
    EXPECT_EQ(PictureKey(ShowCardChoice(Pics::Picture7, 2, 13, 0, Look(2, 1, 0, 2))), "rank:13");
    EXPECT_EQ(PictureKey(ShowCardChoice(Pics::Picture2, 2, 0, 0, Look(3, 2))), "back:small");
    EXPECT_EQ(PictureKey(ShowCardChoice(Pics::Picture7, 7, 0, 88, Look(3, 2))), "empty:large");
}
