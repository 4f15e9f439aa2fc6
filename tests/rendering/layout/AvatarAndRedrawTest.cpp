// The avatar in its box, the stock with its turn markers, the name captions and the redraw of the
// piles from the game state.

#include "tests/rendering/layout/LayoutFixture.h"

#include <gmock/gmock.h>

namespace zarle::test {
namespace {

struct AvatarCase {
    int pictureW, pictureH;
    double width, height; // pixels in the 120-pixel box
};

class AvatarTest : public ::testing::TestWithParam<AvatarCase> {};

TEST_P(AvatarTest, PictureKeepsItsProportionsInTheBox) {
    const AvatarCase& a = GetParam();
    LaidOutBoard b(2, 3);
    b.game.AppPath = "/game";
    b.host.Pictures["/game/Avatars/face.jpg"] = {a.pictureW, a.pictureH};
    b.layout.ScaleAvatar("face.jpg");
    EXPECT_DOUBLE_EQ(b.Width(Ctl::ImgAvatar), a.width);
    EXPECT_DOUBLE_EQ(b.Height(Ctl::ImgAvatar), a.height);
    EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Picture, "/game/Avatars/face.jpg");
    EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Left + b.board.Get(Ctl::ImgAvatar).Width, b.board.Window().Width)
        << "right-aligned in the two-player board";
    EXPECT_EQ(b.Left(Ctl::imgSlap), b.Left(Ctl::ImgAvatar));
    EXPECT_EQ(b.Top(Ctl::imgSlap), 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, AvatarTest,
                         ::testing::Values(AvatarCase{100, 100, 120, 120}, AvatarCase{200, 100, 120, 60},
                                           AvatarCase{100, 90, 2000.0 / 15, 120},
                                           AvatarCase{50, 100, 60, 120},
                                           AvatarCase{100, 82, 2195.0 / 15, 120},
                                           AvatarCase{100, 81, 120, 1458.0 / 15}));

TEST(Avatar, AnUnreadableFileKeepsThePictureAndTheLastProportions) {
    LaidOutBoard b(2, 3);
    b.game.AppPath = "/game";
    b.host.Pictures["/game/Avatars/wide.jpg"] = {200, 100};
    b.host.Pictures["/game/Avatars/empty.jpg"] = {0, 0};
    b.layout.ScaleAvatar("wide.jpg");
    for (const char* name : {"missing.jpg", "empty.jpg", "", "../../etc/passwd", "..\\x.jpg", ".."}) {
        b.host.Calls.clear();
        b.layout.ScaleAvatar(name);
        EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Picture, "/game/Avatars/wide.jpg") << name;
        EXPECT_EQ(b.Width(Ctl::ImgAvatar), 120) << name;
        EXPECT_EQ(b.Height(Ctl::ImgAvatar), 60) << name;
    }
    EXPECT_TRUE(b.host.Calls.empty()) << "a name reaching outside the avatars folder is not even looked up";
}

TEST(Avatar, FourPlayersOnANarrowScreenGetASmallerBoxBesideTheCenters) {
    LaidOutBoard b(4);
    b.game.AppPath = "/game";
    b.host.Pictures["/game/Avatars/a.jpg"] = {100, 100};
    b.layout.ScaleAvatar("a.jpg");
    EXPECT_EQ(b.Width(Ctl::ImgAvatar), 110);
    EXPECT_EQ(b.Left(Ctl::ImgAvatar), 2);
    EXPECT_EQ(b.Top(Ctl::ImgAvatar), b.Top(Ctl::Label10));

    LaidOutBoard wide(4, 4, 15360);
    wide.game.AppPath = "/game";
    wide.host.Pictures["/game/Avatars/a.jpg"] = {100, 100};
    wide.layout.ScaleAvatar("a.jpg");
    EXPECT_EQ(wide.Width(Ctl::ImgAvatar), 120);
    EXPECT_EQ(wide.Top(Ctl::ImgAvatar), 0);
}

TEST(NameCaptions, CaptionsFollowTheSeatsAndTheAvatarOnlyBetweenGames) {
    LaidOutBoard b(4);
    b.game.AppPath = "/game";
    b.game.SeatRec1.Name = "Quenor";
    b.game.SeatRec2.Name = "Vova";
    b.game.SeatRec3.Name = "Zadure";
    b.game.SeatRec1.Avatar = "quenor.jpg";
    b.game.PTurn = 3;
    b.host.Calls.clear();
    b.layout.NameCaptions();
    EXPECT_EQ(b.board.Get(Ctl::Label9, 4).Caption, "Quenor");
    EXPECT_EQ(b.board.Get(Ctl::Label9, 5).Caption, "Vova");
    EXPECT_EQ(b.board.Get(Ctl::Label9, 6).Caption, "Zadure");
    EXPECT_TRUE(b.host.Calls.empty()) << "a turn under way keeps the avatar";
    b.game.PTurn = 0;
    b.layout.NameCaptions();
    EXPECT_TRUE(b.host.Called("PictureFileSize /game/Avatars/quenor.jpg"));
}

struct StockCase {
    int players;
    int32_t screenTwips;
    int displaySize; // 0 large, 2 small
    double stockW, stockH;
};

class StockTest : public ::testing::TestWithParam<StockCase> {};

TEST_P(StockTest, TurnMarkersSitSevenPixelsAboveAndBelowTheStockBox) {
    const StockCase& s = GetParam();
    LaidOutBoard b(s.players, 4, s.screenTwips);
    if (s.displaySize == 2) b.layout.ChangeDisplay(1);
    b.layout.LayoutAvatarAndTurn();
    EXPECT_EQ(b.Width(Ctl::PicCenter, 0), s.stockW);
    EXPECT_EQ(b.Height(Ctl::PicCenter, 0), s.stockH);
    EXPECT_EQ(b.Left(Ctl::Label1), b.Left(Ctl::PicCenter, 0) - 5);
    EXPECT_EQ(b.Top(Ctl::Label1), b.Top(Ctl::PicCenter, 0) - 5);
    EXPECT_EQ(b.Width(Ctl::Label1), s.stockW + 10);
    EXPECT_EQ(b.Top(Ctl::ImgTurn2) + b.Height(Ctl::ImgTurn2) + 7, b.Top(Ctl::Label1));
    EXPECT_EQ(b.Top(Ctl::ImgTurn1), b.Top(Ctl::Label1) + b.Height(Ctl::Label1) + 7);
    for (const Ctl marker : {Ctl::ImgTurn1, Ctl::ImgTurn2})
        EXPECT_EQ(b.Left(marker) + b.Width(marker) / 2, b.Left(Ctl::Label1) + b.Width(Ctl::Label1) / 2);
    if (s.screenTwips > 12000) {
        EXPECT_EQ(b.Left(Ctl::PicCenter, 0), b.Left(Ctl::ImgAvatar));
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, StockTest,
                         ::testing::Values(StockCase{2, 12000, 0, 59, 80}, StockCase{2, 12000, 2, 59, 80},
                                           StockCase{2, 15360, 0, 71, 96}, StockCase{3, 12000, 0, 59, 80},
                                           StockCase{4, 12000, 2, 59, 80}, StockCase{4, 15360, 0, 71, 96}));

TEST(StockPlace, TwoPlayerStockStandsRightOfSeatTwosHoldBox) {
    LaidOutBoard b(2, 3);
    const double boxRight = b.Left(Ctl::Label3, 1) + b.Width(Ctl::Label3, 1);
    EXPECT_EQ(b.Left(Ctl::PicCenter, 0), boxRight + 10);
    EXPECT_EQ(b.Top(Ctl::PicCenter, 0), 192);
    LaidOutBoard multi(3);
    EXPECT_EQ(multi.Left(Ctl::PicCenter, 0), 25);
    EXPECT_EQ(multi.Top(Ctl::PicCenter, 0), multi.Height(Ctl::ImgTurn2) + multi.Top(Ctl::PicCenter, 3));
}

TEST(Redraw, CentersShowTheirTopCardAndAWildsValue) {
    LaidOutBoard b(2, 4);
    b.game.CenterCount = {0, 7, 3, 0, 15};    // the last count is out of range
    b.game.CenterCards[1][7] = CardOfId(13);  // a King on a Six
    b.game.CenterCards[2][3] = CardOfId(16);  // a Three
    b.game.CenterCards[4][12] = CardOfId(25); // a Queen
    b.host.Calls.clear();
    b.layout.Redraw();
    EXPECT_TRUE(b.host.Called("ShowCard PicCenter(1) id=13 mode=0"));
    EXPECT_TRUE(b.host.Called("ShowCard PicCenter(2) id=16 mode=0"));
    EXPECT_TRUE(b.host.Called("ShowCard PicCenter(4) id=25 mode=0"));
    EXPECT_TRUE(b.Visible(Ctl::LblWild, 1));
    EXPECT_EQ(b.board.Get(Ctl::LblWild, 1).Caption, "7");
    EXPECT_EQ(b.board.Get(Ctl::PicCenter, 1).ToolTip, " 7");
    EXPECT_FALSE(b.Visible(Ctl::LblWild, 2));
    EXPECT_EQ(b.board.Get(Ctl::PicCenter, 2).ToolTip, "");
    EXPECT_EQ(b.board.Get(Ctl::PicCenter, 3).Picture, b.layout.State().BackPicA);
    EXPECT_FALSE(b.Visible(Ctl::LblWild, 3));

    b.game.CenterCards[1][8] = CardOfId(7); // the next card covers the wild
    b.game.CenterCount[1] = 8;
    b.layout.Redraw();
    EXPECT_FALSE(b.Visible(Ctl::LblWild, 1));
    EXPECT_EQ(b.board.Get(Ctl::PicCenter, 1).ToolTip, "");
}

TEST(Redraw, SeatsPilesAndTheSideBackingFollowTheGame) {
    LaidOutBoard b(3);
    b.game.SideCount = 1;
    b.profile.BackDesign = 0;
    b.game.DeckColor = 0x123456;
    b.board.Edit(Ctl::ImgHold).Visible = true;
    b.host.Calls.clear();
    b.layout.Redraw();
    EXPECT_THAT(b.host.Calls,
                ::testing::IsSupersetOf({"RefreshPileBorders Picture7", "RefreshPileBorders Picture1",
                                         "RefreshPileBorders Picture2"}));
    EXPECT_FALSE(b.host.Called("RefreshPileBorders Picture3"));
    EXPECT_FALSE(b.Visible(Ctl::ImgHold)) << "one side card left: no backing";
    EXPECT_EQ(b.board.Get(Ctl::ImgHold).BorderStyle, 1);
    EXPECT_EQ(b.board.Get(Ctl::Stack, 75).FillColor, 0x123456u);
    EXPECT_EQ(b.board.Get(Ctl::PicCenter, 0).Picture, "back:small")
        << "a 12000-twip screen shows the small stock";

    LaidOutBoard wide(2, 3, 15360);
    wide.layout.Redraw();
    EXPECT_EQ(wide.board.Get(Ctl::PicCenter, 0).Picture, "back:large");
}

TEST(HoldCountLabels, LoadedOnceAndLaidOverTheHoldPiles) {
    LaidOutBoard b(2, 3);
    b.board.Edit(Ctl::lblHoldCard, 8).ToolTip = "kept";
    b.layout.ReSizelblHold();
    EXPECT_EQ(b.board.Get(Ctl::lblHoldCard, 8).ToolTip, "kept");
    for (int k = 1; k <= 4; ++k)
        for (const int label : {k, k + 4}) {
            EXPECT_EQ(b.Left(Ctl::lblHoldCard, label), b.Left(Ctl::Picture7, k + 6) - 1);
            EXPECT_EQ(b.Top(Ctl::lblHoldCard, label), b.Top(Ctl::Picture7, k + 6) - 2);
            EXPECT_EQ(b.Width(Ctl::lblHoldCard, label), 73);
            EXPECT_EQ(b.Height(Ctl::lblHoldCard, label), 99);
        }
    EXPECT_EQ(b.Width(Ctl::lblHighlight), 81);
}

} // namespace
} // namespace zarle::test
